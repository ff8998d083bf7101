// strings.hpp - small text routines: case, word location, justification, case-blind search.
// Texts are fixed-length and blank-padded; positions are 1-based and 0 means "not found".
#pragma once

#include <string_view>

#include "base/text.hpp"

// Letters are ASCII only: other byte values are never changed.
void iuppercase(TextRef text);
void ilowercase(TextRef text);

// The first blank-delimited word of text: first..last, or 0 and 0 for a blank text.
void ilocatestring(std::string_view text, int& first, int& last);

// Position of the first character that is neither a blank nor a NUL; 0 when there is none.
int ilocatechar(std::string_view text);

// Moves the content of text to the left ("L"), else the right ("R"), else the centre of its
// buffer; the option letters may be written in either case.
void ijustifystring(TextRef text, std::string_view option);

// Position of substring in text, letters compared without regard to case; the last occurrence
// when backward is true. 0 when it does not occur.
int IndexNoCase(std::string_view text, std::string_view substring, bool backward = false);
