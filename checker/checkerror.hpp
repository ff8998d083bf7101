// checkerror.hpp - the plotting-error check: the first line of ferreterror.log in the scratch
// folder, the log krastel.log, and whether the out-of-memory advice is due.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The advice box: five lines joined by carriage returns, the first four 50 characters long.
extern const std::string_view MemoryAdvice;
extern const std::string_view MemoryAdviceTitle;

// Reads the error file of the folder (its first folderLength characters) and writes the log,
// replacing an old one. True when the first 11 characters of the error file's first line are
// "ERRORMEMORY". A log that cannot be written does not stop the check.
bool checkferreterror(std::string_view folder, int folderLength);
// The first line of an open error file (left open), cut or blank-padded to 11 characters; false
// for a file without any line.
bool readerrorstatus(std::FILE* file, std::string& status);
