// files_posix.cpp - native stand-in of the byte-stream file layer on file descriptors.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "core/files_internal.hpp"

void yyopen(const char* name, int mode, int& handle, int& status) {
    std::string path(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    const int flags = mode == 1 ? O_WRONLY | O_CREAT | O_TRUNC : mode == 2 ? O_RDWR : O_RDONLY;
    handle = open(path.c_str(), flags, 0644);
    status = handle < 0 ? errno : 0;
    if (handle < 0) handle = -1;
}

void yyclos(int handle, int& status) { status = close(handle) == 0 ? 0 : errno; }

void yyreadc(int handle, char* buffer, int count, int& done, int& status) {
    const ssize_t n = read(handle, buffer, static_cast<std::size_t>(count));
    done = n < 0 ? 0 : static_cast<int>(n);
    status = n < 0 ? errno : 0;
}

void yywritc(int handle, const char* buffer, int count, int& done, int& status) {
    const ssize_t n = write(handle, buffer, static_cast<std::size_t>(count));
    done = n < 0 ? 0 : static_cast<int>(n);
    status = n < 0 ? errno : 0;
}

void yyseek(int handle, int offset, int origin, int& position, int& status) {
    const int whence[3] = {SEEK_SET, SEEK_CUR, SEEK_END};
    const off_t result = lseek(handle, offset, whence[origin]);
    position = result < 0 ? -1 : static_cast<int>(result);
    status = result < 0 ? errno : 0;
}
