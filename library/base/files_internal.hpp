// files_internal.hpp - the operating-system layer under the byte-stream file routines.
// Handles are the system's file handles in a 32-bit integer; status is 0 or the system's code.
#pragma once

#include <cstdint>

void yyopen(const char* name, int mode, int& handle, int& status);
void yyclos(int handle);
// As yyclos, with the system's code when the close fails (the last buffered bytes not stored).
void yyclos(int handle, int& status);
// One read or write of count bytes; on failure done is 0.
void yyreadc(int handle, char* buffer, int count, int& done, int& status);
void yywritc(int handle, const char* buffer, int count, int& done, int& status);
// Writes all count bytes: after a short write the rest is written again, so that a full disk or
// a size limit, which store part of a write and refuse the next, give the system's reason. done:
// the bytes written; status 0 when all were, else the system's code (yyosdiskfull when a write
// stored nothing and the system named no cause). Every writer of the library writes through it.
void yywriteall(int handle, const char* buffer, std::int64_t count, std::int64_t& done, int& status);
// As yyreadc and yywritc, with the bytes of every element of elementSize bytes reversed after
// reading or before writing (and restored afterwards); elementSize 0 reverses nothing.
void yyread(int handle, char* buffer, int count, int elementSize, int& done, int& status);
void yywrit(int handle, char* buffer, int count, int elementSize, int& done, int& status);
// position: the new absolute position, -1 on failure.
void yyseek(int handle, int offset, int origin, int& position, int& status);

// The pieces of a save beside its target (base/save_file.hpp).
// Opens an existing file for writing without emptying it (others may read it meanwhile); device:
// it is no disk file but a device (a console, a port, the null device).
void yyopenexisting(const char* name, int& handle, bool& device, int& status);
// Creates a file that must not exist yet for writing (others may read it); status yyosfileexists
// when it exists.
void yycreatenew(const char* name, int& handle, int& status);
// Stores on the disk what the system still holds of the file's written bytes.
void yycommit(int handle, int& status);
// Puts the file from in the place of the file to, replacing it; 0 or the system's code.
int yyreplace(const char* from, const char* to);
