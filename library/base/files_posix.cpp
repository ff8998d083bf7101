// files_posix.cpp - native stand-in of the byte-stream file layer on file descriptors, and of the
// pieces of a save beside its target.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "base/files_internal.hpp"
#include "base/os_internal.hpp"

void yyopen(const char* name, int mode, int& handle, int& status) {
    const int flags = mode == 1 ? O_WRONLY | O_CREAT | O_TRUNC : mode == 2 ? O_RDWR : O_RDONLY;
    handle = open(yynativename(name).c_str(), flags, 0644);
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

void yyopenexisting(const char* name, int& handle, bool& device, int& status) {
    handle = open(yynativename(name).c_str(), O_WRONLY);
    status = handle < 0 ? errno : 0;
    device = false;
    if (handle < 0) {
        handle = -1;
        return;
    }
    struct stat facts {};
    device = fstat(handle, &facts) == 0 && !S_ISREG(facts.st_mode);
}

void yycreatenew(const char* name, int& handle, int& status) {
    handle = open(yynativename(name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    status = handle < 0 ? errno : 0;
    if (handle < 0) handle = -1;
}

void yycommit(int handle, int& status) { status = fsync(handle) == 0 ? 0 : errno; }

int yyreplace(const char* from, const char* to) {
    return rename(yynativename(from).c_str(), yynativename(to).c_str()) == 0 ? 0 : errno;
}
