// os_layer_win.cpp - the operating-system layer on Win32: environment, time, directories,
// files and directory searches, volumes, names of the process, user and documents.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/os_internal.hpp"

const int yyosfilenotfound = ERROR_FILE_NOT_FOUND;
const int yyosnomorefiles = ERROR_NO_MORE_FILES;
const int yyosnametoolong = ERROR_FILENAME_EXCED_RANGE;
const int yyosinvalidargument = ERROR_INVALID_PARAMETER;
const int yyosfileexists = ERROR_FILE_EXISTS;
const int yyosdiskfull = ERROR_DISK_FULL;

namespace {

int lastError() { return static_cast<int>(GetLastError()); }
int resultOf(BOOL ok) { return ok ? 0 : lastError(); }

// Copies text into a caller's buffer of size characters, cut and NUL-terminated.
void copyOut(const char* text, char* buffer, int size) {
    if (size <= 0) return;
    std::snprintf(buffer, static_cast<std::size_t>(size), "%s", text);
}

unsigned dosDateTime(const FILETIME& written) {
    FILETIME local;
    WORD date = 0, time = 0;
    if (FileTimeToLocalFileTime(&written, &local)) FileTimeToDosDateTime(&local, &date, &time);
    return (static_cast<unsigned>(date) << 16) | time;
}

}  // namespace

int yygetenv(const char* name, char* buffer, int size) {
    buffer[0] = '\0';
    return static_cast<int>(GetEnvironmentVariableA(name, buffer, static_cast<DWORD>(size)));
}

int yyputenv(const char* name, const char* value) {
    return resultOf(SetEnvironmentVariableA(name, value));
}

void yydate(int& year, int& month, int& day) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
}

void yytime(int& hour, int& minute, int& second, int& milliseconds) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    hour = now.wHour;
    minute = now.wMinute;
    second = now.wSecond;
    milliseconds = now.wMilliseconds;
}

namespace {
OSVERSIONINFOA systemVersion() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&version);
#pragma GCC diagnostic pop
    return version;
}
}  // namespace

void yyosver(int& major, int& minor) {
    const OSVERSIONINFOA version = systemVersion();
    major = static_cast<int>(version.dwMajorVersion);
    minor = static_cast<int>(version.dwMinorVersion);
}

int yywinvariant() {
    switch (systemVersion().dwPlatformId) {
    case VER_PLATFORM_WIN32s: return 2;
    case VER_PLATFORM_WIN32_WINDOWS: return 3;
    default: return 4;
    }
}

int yydirc(const char* name) { return resultOf(SetCurrentDirectoryA(name)); }
int yydird(const char* name) { return resultOf(RemoveDirectoryA(name)); }
int yydirm(const char* name) { return resultOf(CreateDirectoryA(name, nullptr)); }

int yydirn(char* buffer, int size, bool& tooLong) {
    buffer[0] = '\0';
    tooLong = false;
    const DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    if (n == 0) return lastError();
    if (n >= static_cast<DWORD>(size)) {
        tooLong = true;
        buffer[0] = '\0';
    }
    return 0;
}

int yydelf(const char* name) { return resultOf(DeleteFileA(name)); }
int yyrename(const char* from, const char* to) {
    return resultOf(MoveFileExA(from, to, MOVEFILE_COPY_ALLOWED));
}
int yycopyf(const char* from, const char* to) { return resultOf(CopyFileA(from, to, FALSE)); }
int yyfileattr(const char* name, int attributes) {
    return resultOf(SetFileAttributesA(name, static_cast<DWORD>(attributes)));
}

void yyfileinfo(const char* name, int info[9]) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(name, &found);
    if (search == INVALID_HANDLE_VALUE) {
        info[0] = -1;
        return;
    }
    FindClose(search);
    const unsigned long long size =
        (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    FILETIME local;
    SYSTEMTIME when{};
    if (FileTimeToLocalFileTime(&found.ftLastWriteTime, &local)) FileTimeToSystemTime(&local, &when);
    info[0] = static_cast<int>(size);
    info[1] = when.wYear;
    info[2] = when.wMonth;
    info[3] = when.wDay;
    info[4] = when.wHour;
    info[5] = when.wMinute;
    info[6] = when.wSecond;
    info[7] = static_cast<int>(found.dwFileAttributes);
    info[8] = static_cast<int>((size + 1023) / 1024);
}

int yyfind(std::intptr_t& search, const char* pattern, FindMatch& match) {
    WIN32_FIND_DATAA found;
    if (search == 0) {
        HANDLE handle = FindFirstFileA(pattern, &found);
        if (handle == INVALID_HANDLE_VALUE) return lastError();
        search = reinterpret_cast<std::intptr_t>(handle);
    } else if (!FindNextFileA(reinterpret_cast<HANDLE>(search), &found)) {
        return lastError();
    }
    match.name = found.cFileName;
    match.attributes = static_cast<int>(found.dwFileAttributes);
    match.dosDateTime = dosDateTime(found.ftLastWriteTime);
    match.size = (static_cast<long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return 0;
}

void yyfindclose(std::intptr_t& search) {
    if (search != 0) FindClose(reinterpret_cast<HANDLE>(search));
    search = 0;
}

unsigned yydisk(const char* root) {
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD serial = 0;
    if (!GetVolumeInformationA(root, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) serial = 0;
    SetErrorMode(previous);
    return serial;
}

int yydrivetype(const char* root) { return static_cast<int>(GetDriveTypeA(root)); }

namespace {
using FreeSpaceQuery = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// The extended free-space query, looked up by name since older systems lack it.
FreeSpaceQuery freeSpaceQuery() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return nullptr;
    return reinterpret_cast<FreeSpaceQuery>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")));
}

unsigned long long clusterSpace() {
    DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceA(nullptr, &sectors, &bytes, &freeClusters, &clusters)) return 0;
    return static_cast<unsigned long long>(sectors) * bytes * freeClusters;
}
}  // namespace

int yydspace() {
    FreeSpaceQuery query = freeSpaceQuery();
    ULARGE_INTEGER available, total, free;
    if (yywinvariant() == 4 && query != nullptr && query(nullptr, &available, &total, &free)) {
        if (available.QuadPart >= (2048ULL << 20)) return 2147155968;
        return static_cast<int>(available.QuadPart);
    }
    const unsigned long long space = clusterSpace();
    return space > 2147155968ULL ? 2147155968 : static_cast<int>(space);
}

int yydspacemb() {
    FreeSpaceQuery query = freeSpaceQuery();
    ULARGE_INTEGER available, total, free;
    if (query != nullptr && query(nullptr, &available, &total, &free))
        return static_cast<int>((available.LowPart >> 20) | (available.HighPart << 12));
    return static_cast<int>(clusterSpace() >> 20);
}

void yygetcl(char* buffer, int size) { copyOut(GetCommandLineA(), buffer, size); }

void yygetexe(char* buffer, int size) {
    if (size <= 0) return;
    const DWORD n = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
    if (n == 0 || n >= static_cast<DWORD>(size)) buffer[n == 0 ? 0 : size - 1] = '\0';
}

void yyusername(char* buffer, int size, bool& tooLong) {
    char name[257] = "";
    DWORD length = sizeof name;
    if (!GetUserNameA(name, &length)) name[0] = '\0';
    tooLong = std::strlen(name) + 1 > static_cast<std::size_t>(size);
    copyOut(name, buffer, size);
}

int yyerrorstr(int code, char* buffer, int size) {
    buffer[0] = '\0';
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, static_cast<DWORD>(code), LANG_USER_DEFAULT, buffer,
                                   static_cast<DWORD>(size), nullptr);
    if (n == 0) buffer[0] = '\0';
    return static_cast<int>(n);
}

int yyfullpathname(const char* name, char* buffer, int size) {
    buffer[0] = '\0';
    const DWORD n = GetFullPathNameA(name, static_cast<DWORD>(size), buffer, nullptr);
    if (n == 0) return lastError();
    if (n >= static_cast<DWORD>(size)) {
        buffer[0] = '\0';
        return yyosnametoolong;
    }
    return 0;
}

int yyassocexe(const char* document, char* buffer, int size) {
    char program[512] = "";
    const auto result =
        reinterpret_cast<std::intptr_t>(FindExecutableA(document, nullptr, program));
    if (result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND) return 1;
    if (result <= 32) return -1;
    if (std::strlen(program) + 1 > static_cast<std::size_t>(size)) return 1023;
    copyOut(program, buffer, size);
    return 0;
}

int yygetfiletime(const char* name, unsigned times[6]) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    FILETIME created{}, accessed{}, written{};
    const int status = resultOf(GetFileTime(file, &created, &accessed, &written));
    CloseHandle(file);
    const FILETIME* all[3] = {&created, &accessed, &written};
    for (int i = 0; i < 3; ++i) {
        times[2 * i] = all[i]->dwLowDateTime;
        times[2 * i + 1] = all[i]->dwHighDateTime;
    }
    return status;
}

int yysetfiletime(const char* name, const unsigned times[6]) {
    HANDLE file = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    FILETIME all[3];
    for (int i = 0; i < 3; ++i) {
        all[i].dwLowDateTime = times[2 * i];
        all[i].dwHighDateTime = times[2 * i + 1];
    }
    const int status = resultOf(SetFileTime(file, &all[0], &all[1], &all[2]));
    CloseHandle(file);
    return status;
}

int yygetmeasure() {
    char value[4] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, value, sizeof value) == 0) return 2;
    return value[0] == '1' ? 1 : 2;
}

void yywinmessagebox(const char* text, const char* title) {
    MessageBoxA(nullptr, text, title, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void yyexitprogram(int code) {
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(code));
}
