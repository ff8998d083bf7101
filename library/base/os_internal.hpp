// os_internal.hpp - the operating-system layer under the IOs and start-up routines.
// Each routine takes NUL-terminated text and returns 0 or the system's own error code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// System codes the portable code compares with (the platform's own values).
extern const int yyosfilenotfound;     // a name or pattern matches nothing
extern const int yyosnomorefiles;      // a directory search has no further match
extern const int yyosnametoolong;      // a path longer than the library's name buffers
extern const int yyosinvalidargument;  // an argument the call refuses
extern const int yyosfileexists;       // a file to be created new exists
extern const int yyosdiskfull;         // a write that stored nothing and gave no reason

// The native side's name of a file: backslashes become slashes (defined by the native stand-ins
// only; the Windows side hands names to the system as they are).
std::string yynativename(const char* name);

// Environment: yygetenv returns the length the system reports: the value's length when it fits
// in size - 1 characters, else a number of at least size; 0 when the variable is not set.
int yygetenv(const char* name, char* buffer, int size);
int yyputenv(const char* name, const char* value);

void yydate(int& year, int& month, int& day);
void yytime(int& hour, int& minute, int& second, int& milliseconds);
void yyosver(int& major, int& minor);
// The platform: 2 Win32s, 3 Windows 95 family, 4 Windows NT family.
int yywinvariant();

int yydirc(const char* name);
int yydird(const char* name);
int yydirm(const char* name);
// The current directory into buffer; tooLong when it needs more than size - 1 characters.
int yydirn(char* buffer, int size, bool& tooLong);

int yydelf(const char* name);
int yyrename(const char* from, const char* to);
int yycopyf(const char* from, const char* to);  // overwrites the target
int yyfileattr(const char* name, int attributes);
// The IOsFileInfo items 1..9 of the first match of name; item 1 is -1 (and the rest untouched)
// when nothing matches.
void yyfileinfo(const char* name, int info[9]);

// One match of a directory search.
struct FindMatch {
    std::string name;          // the matched name, without its directory
    int attributes = 0;        // the system's attribute bits (0x10 directory, 0x01 read-only)
    unsigned dosDateTime = 0;  // last write: DOS date in the high 16 bits, time in the low 16
    long long size = 0;
};
// The first (search == 0) or next match of pattern; 0 when found, else the system's code
// (yyosnomorefiles at the end). yyfindclose ends the search and sets search to 0.
int yyfind(std::intptr_t& search, const char* pattern, FindMatch& match);
void yyfindclose(std::intptr_t& search);
// Attribute bits.
constexpr int attributeReadOnly = 0x01;
constexpr int attributeDirectory = 0x10;

// Serial number of a volume given by its root path; 0 when it cannot be read.
unsigned yydisk(const char* root);
// The system's drive type code of a root path (0 undetermined, 1 no root directory).
int yydrivetype(const char* root);
// Free space of the current drive in bytes (2147155968 from 2048 MB on) and in megabytes.
int yydspace();
int yydspacemb();

// The process's command line, cut to size - 1 characters and NUL-terminated.
void yygetcl(char* buffer, int size);
// The program file's full name, NUL-terminated (empty when unknown).
void yygetexe(char* buffer, int size);
// The logged-on user's name; tooLong when it was cut to the buffer.
void yyusername(char* buffer, int size, bool& tooLong);
// The system's text of an error code in the user's language; returns its length.
int yyerrorstr(int code, char* buffer, int size);
int yyfullpathname(const char* name, char* buffer, int size);
// The program associated with a document: 0 and its name, 1023 when it does not fit the buffer,
// 1 when the document is not found, -1 for any other failure.
int yyassocexe(const char* document, char* buffer, int size);
// Creation, last-access and last-write times as (low, high) pairs of 100-nanosecond units.
int yygetfiletime(const char* name, unsigned times[6]);
int yysetfiletime(const char* name, const unsigned times[6]);
// Measurement system of the user's locale: 1 U.S., 2 metric.
int yygetmeasure();

// Registry. A root is the system's predefined key, -1 for a name that is none of the seven.
std::intptr_t yyregkey(const char* rootName);
// Reads a value whole (valueName null or empty: the key's default value): 0 and its type and
// bytes; 1 when the key cannot be opened; 2 when the value cannot be read.
int yyregkeyget(std::intptr_t root, const char* key, const char* valueName, int& type,
                std::string& data);
// Creates the key and sets a value; deletes a key (without subkeys); deletes a value (2 when the
// key cannot be opened).
int yyregkeyput(std::intptr_t root, const char* key, const char* valueName, int type,
                const std::string& data);
int yyregkeydel(std::intptr_t root, const char* key);
int yyregvaldel(std::intptr_t root, const char* key, const char* valueName);

// A task-modal stop box with an OK button and no owner window.
void yywinmessagebox(const char* text, const char* title);
// Ends the process with the code (standard output flushed first).
[[noreturn]] void yyexitprogram(int code);

// Starts a command line in a new console (see IOsCommand); status 0, -1 timed out, else the
// system's code.
void yycmnd(const char* command, bool hidden, bool wait, int timeoutSeconds, int& status);
// Starts a program shown normally without waiting; status 0 or the system's code.
void yyexec(int& status, const char* command);
// Closes every window and frees the library's resources before IOsExecute starts another
// program (WindowClose on Windows; nothing natively).
void yyclosewindows();

// Records the system's code in error slot 3 and reports error 13 under the routine's name.
void yyoserror(int code, std::string_view routine);
