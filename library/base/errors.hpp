// errors.hpp - error slots, debug level, debug log and error texts (public routines).
#pragma once

#include <string_view>

#include "base/text.hpp"

// Value of error slot 1..5; reading slot 1, 2 or 3 clears it.
int WInfoError(int slot);
// Sets the debug level (slot 4) when level is 0..4; other values are ignored.
void IDebugLevel(int level);
// Appends the text at its full length and CR LF to the debug log (up to a NUL, if it holds one).
void IDebug(std::string_view text);
// The text of an error number (type 1), OS code (2, 4), compression status (3), database state
// (5) or Simple MAPI code (6), blank-padded into text. Other types leave text unchanged.
void WInfoErrorMessage(int number, TextRef text, int type = 1);
