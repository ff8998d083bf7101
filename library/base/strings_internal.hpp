// strings_internal.hpp - option-letter test and byte-to-integer helpers (library-internal).
// Used by the routines that take option texts and by the readers of binary file headers.
#pragma once

#include <string_view>

// True when options holds the first character of letter unchanged or turned to lower case
// (so an upper-case letter also accepts its lower-case form, but not the reverse).
bool yyopt(std::string_view options, std::string_view letter);

// The code 0..255 of one character.
int yyichar(char character);

// The little-endian value of the first two bytes; with count 4, bytes 3 and 4 form the high
// 16 bits. Any other count reads two bytes. Bytes missing from a short input count as 0.
void yych2int(std::string_view bytes, int count, int& value);
