// files.cpp - byte-stream files: unbuffered reads, writes and seeks through a system handle.
// Thin: each routine checks its arguments, calls one routine of the operating-system layer and
// reports a failure with the system's code in error slot 2.
#include <algorithm>
#include <string>

#include "base/errors_internal.hpp"
#include "base/files.hpp"
#include "base/files_internal.hpp"
#include "base/gravim.hpp"
#include "base/os_internal.hpp"

namespace {

void fileError(int number, int status, std::string_view routine) {
    gravim.core.fileStatus = status;
    gravim.core.errorCategory = 2;
    yyerror(number, routine);
}

// A count the caller's buffer cannot hold is refused before the system sees it.
bool countFits(int count, std::size_t size, int& done, std::string_view routine) {
    if (count >= 0 && static_cast<std::size_t>(count) <= size) return true;
    done = -1;
    fileError(2, yyosinvalidargument, routine);
    return false;
}

// The one body of IFileReadChar and IFileWriteChar: one transfer for the whole count.
template <typename Buffer, typename Transfer>
void transfer(int handle, Buffer* buffer, std::size_t size, int count, int& done,
              std::string_view routine, Transfer call) {
    if (!countFits(count, size, done, routine)) return;
    int status = 0;
    call(handle, buffer, count, done, status);
    if (status == 0) return;
    if (done == 0) done = -1;
    fileError(2, status, routine);
}

void readBytes(int handle, char* buffer, std::size_t size, int count, int& done) {
    transfer(handle, buffer, size, count, done, "IFileReadChar", yyreadc);
}

// A write stores the whole count or fails: part of it stored is reported like no part.
void writeBytes(int handle, const char* buffer, std::size_t size, int count, int& done) {
    transfer(handle, buffer, size, count, done, "IFileWriteChar",
             [](int h, const char* bytes, int n, int& written, int& status) {
                 std::int64_t all = 0;
                 yywriteall(h, bytes, n, all, status);
                 written = static_cast<int>(all);
             });
}

void reverseElements(char* buffer, int count, int elementSize) {
    if (elementSize <= 1) return;
    for (int at = 0; at + elementSize <= count; at += elementSize)
        std::reverse(buffer + at, buffer + at + elementSize);
}

}  // namespace

void IFileOpen(std::string_view name, int mode, int& handle) {
    handle = -1;
    const std::size_t first = name.find_first_not_of(' ');
    if (mode < 0 || mode > 2 || first == std::string_view::npos) {
        fileError(1, 0, "IFileOpen");
        return;
    }
    const std::string file(trimRight(name.substr(first)));
    int status = 0;
    yyopen(file.c_str(), mode, handle, status);
    if (status == 0) return;
    handle = -1;
    fileError(1, status, "IFileOpen");
}

void IFileReadChar(int handle, TextRef buffer, int count, int& done) {
    readBytes(handle, buffer.data(), buffer.size(), count, done);
}

void IFileReadChar(int handle, std::span<unsigned char> buffer, int count, int& done) {
    readBytes(handle, reinterpret_cast<char*>(buffer.data()), buffer.size(), count, done);
}

void IFileWriteChar(int handle, std::string_view buffer, int count, int& done) {
    writeBytes(handle, buffer.data(), buffer.size(), count, done);
}

void IFileWriteChar(int handle, std::span<const unsigned char> buffer, int count, int& done) {
    writeBytes(handle, reinterpret_cast<const char*>(buffer.data()), buffer.size(), count, done);
}

void IFileSeek(int handle, int& position, int origin) {
    if (origin < 0 || origin > 2) return;
    int status = 0;
    yyseek(handle, position, origin, position, status);
    if (status == 0) return;
    position = -1;
    fileError(2, status, "IFileSeek");
}

void IFileClose(int handle) { yyclos(handle); }

void yyclos(int handle) {
    int status = 0;
    yyclos(handle, status);
}

void yyread(int handle, char* buffer, int count, int elementSize, int& done, int& status) {
    yyreadc(handle, buffer, count, done, status);
    if (status == 0) reverseElements(buffer, done, elementSize);
}

void yywriteall(int handle, const char* buffer, std::int64_t count, std::int64_t& done, int& status) {
    done = 0;
    status = 0;
    while (done < count) {
        int written = 0;
        const int chunk = static_cast<int>(std::min<std::int64_t>(count - done, 1 << 30));
        yywritc(handle, buffer + done, chunk, written, status);
        if (status != 0) return;
        if (written <= 0) {
            status = yyosdiskfull;
            return;
        }
        done += written;
    }
}

void yywrit(int handle, char* buffer, int count, int elementSize, int& done, int& status) {
    reverseElements(buffer, count, elementSize);
    yywritc(handle, buffer, count, done, status);
    reverseElements(buffer, count, elementSize);
}
