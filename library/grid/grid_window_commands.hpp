// grid_window_commands.hpp - the rules of the grid window's commands that need no window
// (library-internal, portable): the names the file commands propose, the sort dialog's column
// list, the load command's reports and the caller's NUL-terminated texts.
#pragma once

#include <span>
#include <string>
#include <string_view>

// A caller's fixed-length text up to its first NUL (the whole text when it has none).
std::string_view yygridwintext(std::span<const char> text);
// Stores a text NUL-terminated into a caller's fixed-length text, cut to its length less one.
void yygridwinstore(std::span<char> to, std::string_view text);

// The sort dialog's entry for a column (from 0): its label, or "Column " and its number from 1
// when the label is blank.
std::string yygridwinkeylabel(std::string_view label, int column);

// The HTML page proposed for a data file: the name with its extension (a "." after the last
// folder separator) replaced by ".htm", ".htm" appended without one; empty for no name.
std::string yygridwinhtmlname(std::string_view fileName);
// The folder part of a file name: up to and including its last folder separator.
std::string yygridwinfolder(std::string_view fileName);
// The question before an HTML page replaces an existing file.
std::string yygridwinreplacequestion(std::string_view fileName);

// What the load command reports for a library error number: a message box's text and title
// (none for an empty text) and the command's result.
struct GridLoadReport {
    std::string_view message;
    std::string_view title;
    int result = 1;
};
GridLoadReport yygridwinloadreport(int error);
