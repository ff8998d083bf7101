// save_file.hpp - saving a file so that a failed save leaves the file it replaces as it was: the
// bytes go to a scratch file beside the target, which takes the target's place once it is whole.
// The library's saves of a user's files use it, and so do the programs for their own files.
#pragma once

#include <string>
#include <string_view>

// A save under way. Destroyed before yysaveend, it is given up like yysavediscard.
struct SaveFile {
    int handle = -1;      // where the bytes go (a system file handle, as IFileOpen gives)
    std::string target;   // the name saved to
    std::string scratch;  // the file beside it; empty when the target is a device written directly
    SaveFile() = default;
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;
    ~SaveFile();
};

// Opens the file to write: a new scratch file beside the target (blanks around its name ignored),
// or the target itself when it is a device (the null device, a port, a console). status: 0, or
// the system's code when the name is blank, the target exists but cannot be written (in use,
// read-only, a folder) or no file can be made beside it; then handle is -1. Nothing of the
// target is changed.
void yysavebegin(std::string_view target, SaveFile& save, int& status);
// Stores the written bytes on the disk, closes the file and puts it in the target's place.
// status: 0, or the system's code of the step that failed; the target is then as it was and
// the scratch file gone.
void yysaveend(SaveFile& save, int& status);
// After a failed write: closes and removes the scratch file; the target stays as it was.
void yysavediscard(SaveFile& save);

// Saves the bytes as the whole file: yysavebegin, one write of them all, yysaveend. status as
// theirs; the target is replaced only when it returns 0.
void yysavewhole(std::string_view target, std::string_view bytes, int& status);
