// files.hpp - byte-stream files: unbuffered reads and writes through a system file handle.
// Failures report 1 (open) or 2 (read, write, seek) with the system's code in error slot 2.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "base/text.hpp"

// Open modes.
constexpr int fileRead = 0;       // must exist; others may read and write it meanwhile
constexpr int fileWrite = 1;      // created or emptied; others may read it meanwhile
constexpr int fileReadWrite = 2;  // must exist; others may read it meanwhile

// Seek origins.
constexpr int seekStart = 0;
constexpr int seekCurrent = 1;
constexpr int seekEnd = 2;

// handle := the file's handle, or -1 on failure.
void IFileOpen(std::string_view name, int mode, int& handle);
// Reads up to count bytes into the buffer; done = 0 at the end of the file, -1 when a failure
// transferred nothing. A count beyond the buffer is refused.
void IFileReadChar(int handle, TextRef buffer, int count, int& done);
void IFileReadChar(int handle, std::span<unsigned char> buffer, int count, int& done);
// Writes count bytes of the buffer. A count beyond the buffer is refused.
void IFileWriteChar(int handle, std::string_view buffer, int count, int& done);
void IFileWriteChar(int handle, std::span<const unsigned char> buffer, int count, int& done);
// position: in the offset from origin, out the new absolute position (-1 on failure). An origin
// outside 0..2 does nothing.
void IFileSeek(int handle, int& position, int origin);
void IFileClose(int handle);
