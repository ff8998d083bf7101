// convert.hpp - conversions between numbers and texts (public routines).
// Readers take the first blank-delimited word of a text; writers use an edit format such as
// "(I11)", "(F8.2)" or "(G15.5E2)". Failures are reported through the error slots, never returned.
#pragma once

#include <string_view>

#include "base/text.hpp"

// The word of text as an integer (-2147483647..2147483647). Errors: 10 no word, 12 a character
// other than a leading sign and digits, 4 out of range; the result is 0 on every error.
void IStringToInteger(std::string_view text, int& result);

// The word of text as a real or a double: "." and "," are decimal marks, E/e (and D/d for the
// double) mark the exponent. Errors: 10, 11 a second decimal mark, 12, 4; both report under the
// name "IStringToReal" and give 0 on every error.
void IStringToReal(std::string_view text, float& result);
void IStringToDouble(std::string_view text, double& result);

// As above, then the word is overwritten with blanks in text, so that repeated calls walk
// through the numbers of a line.
void INextInteger(TextRef text, int& result);
void INextReal(TextRef text, float& result);

// The value written with the edit format at position 1 of text, blanks after it. On failure
// (a format we cannot apply, a field wider than text, a value too wide for its field) text
// becomes ten asterisks and blanks, and error 18 is reported.
void IntegerToString(int value, TextRef text, std::string_view format);
void IRealToString(float value, TextRef text, std::string_view format);
void IDoubleToString(double value, TextRef text, std::string_view format);
