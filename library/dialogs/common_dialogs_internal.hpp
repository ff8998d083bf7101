// common_dialogs_internal.hpp - the portable rules of the common dialogs (library-internal):
// splitting paths, filter lists, the file dialog's switches and what it returns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.hpp"

// Splits a path (left-justified first) into its directory, left in path, and its file name.
void yysplitp(TextRef path, TextRef name);

// The filter text as the system takes it: every occurrence of the last character replaced by a
// NUL (and a second NUL at the end); empty for an all-blank text. At most 1000 characters are used.
std::string yyfiltertext(std::string_view filter);
// The description and pattern pairs of a filter text, for checking.
std::vector<std::pair<std::string, std::string>> yyfilterpairs(std::string_view filter);

// The file dialog's switches decoded from WSelectFile2's flags.
struct FileDialogSwitches {
    bool save = false;
    bool confirm = false;
    bool pathNeedNotExist = false;
    bool keepDirectory = false;
    bool multiple = false;       // open dialogs only
    bool defaultExtension = false;
    bool mustExist = false;
};
FileDialogSwitches yyfiledialogswitches(int flags);

// The initial name for a file buffer of `size` characters: the name, NUL-terminated after its
// last non-blank character and cut so that the NUL stays inside the buffer.
std::string yyinitialname(std::string_view name, std::size_t size);
// What the dialog left in its buffer, up to its end mark (the first two NULs for several files,
// else the first NUL; the whole buffer without one), into the caller's blank-padded text.
void yychosenname(std::string_view buffer, bool multiple, TextRef fileName);
