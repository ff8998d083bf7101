// files_win.cpp - the byte-stream file layer on Win32 handles, and the pieces of a save beside
// its target.
#include <windows.h>

#include <cstdint>

#include "base/files_internal.hpp"

namespace {
HANDLE handleOf(int handle) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle)); }

// A handle from CreateFileA as the layer gives it: the handle and 0, or -1 and the system's code.
void opened(HANDLE file, int& handle, int& status) {
    if (file == INVALID_HANDLE_VALUE) {
        handle = -1;
        status = static_cast<int>(GetLastError());
        return;
    }
    handle = static_cast<int>(reinterpret_cast<std::intptr_t>(file));
    status = 0;
}

}  // namespace

void yyopen(const char* name, int mode, int& handle, int& status) {
    DWORD access = GENERIC_READ;
    DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    DWORD disposition = OPEN_EXISTING;
    if (mode == 1) {
        access = GENERIC_WRITE;
        share = FILE_SHARE_READ;
        disposition = CREATE_ALWAYS;
    } else if (mode == 2) {
        access = GENERIC_READ | GENERIC_WRITE;
        share = FILE_SHARE_READ;
    }
    opened(CreateFileA(name, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr), handle, status);
}

void yyclos(int handle, int& status) {
    status = CloseHandle(handleOf(handle)) ? 0 : static_cast<int>(GetLastError());
}

void yyreadc(int handle, char* buffer, int count, int& done, int& status) {
    DWORD got = 0;
    if (!ReadFile(handleOf(handle), buffer, static_cast<DWORD>(count), &got, nullptr)) {
        done = 0;
        status = static_cast<int>(GetLastError());
        return;
    }
    done = static_cast<int>(got);
    status = 0;
}

void yywritc(int handle, const char* buffer, int count, int& done, int& status) {
    DWORD put = 0;
    if (!WriteFile(handleOf(handle), buffer, static_cast<DWORD>(count), &put, nullptr)) {
        done = 0;
        status = static_cast<int>(GetLastError());
        return;
    }
    done = static_cast<int>(put);
    status = 0;
}

void yyseek(int handle, int offset, int origin, int& position, int& status) {
    const DWORD methods[3] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    SetLastError(NO_ERROR);
    const DWORD result = SetFilePointer(handleOf(handle), offset, nullptr, methods[origin]);
    const DWORD error = GetLastError();
    if (result == INVALID_SET_FILE_POINTER && error != NO_ERROR) {
        position = -1;
        status = static_cast<int>(error);
        return;
    }
    position = static_cast<int>(result);
    status = 0;
}

void yyopenexisting(const char* name, int& handle, bool& device, int& status) {
    HANDLE file = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    opened(file, handle, status);
    device = status == 0 && GetFileType(file) != FILE_TYPE_DISK;
}

void yycreatenew(const char* name, int& handle, int& status) {
    opened(CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr), handle, status);
}

void yycommit(int handle, int& status) {
    status = FlushFileBuffers(handleOf(handle)) ? 0 : static_cast<int>(GetLastError());
}

int yyreplace(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    return static_cast<int>(GetLastError());
}
