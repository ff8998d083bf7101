// convert_internal.hpp - number/text conversions for edit controls and grid cells (internal).
// Their texts end at a NUL followed by blanks; the readers and re-formatters never report.
#pragma once

#include <string_view>

#include "base/text.hpp"

// Read the text up to its first NUL as IStringToDouble / IStringToReal do; 0 when unreadable.
void yyst2dbl(double& result, std::string_view text);
void yyst2rea(float& result, std::string_view text);
// As yyst2dbl; valid becomes 1 when the text was readable, 0 otherwise.
void yyst2dblcheck(double& result, int& valid, std::string_view text);
// The real-number reading of the text, truncated toward zero; 0 when unreadable or outside the
// 32-bit range.
void yyst2int(int& result, std::string_view text);
// value truncated toward zero; 0 when that lies outside the 32-bit range (or is not a number).
int yydbl2int(double value);

// Write as IDoubleToString / IRealToString / IntegerToString with "(I11)" do, then left-justify
// and end the written characters with a NUL where room remains. The write's status goes to
// error slot 2 (yydbl2st, yyrea2st); a field overflow keeps its asterisks and is no failure.
void yydbl2st(double value, TextRef text, std::string_view format);
void yyrea2st(float value, TextRef text, std::string_view format);
void yyint2st(int value, TextRef text);

// Re-format what a numeric edit field or a pasted grid cell holds: read it, write it back with
// the format ("(I11)" for yyformi), left-justify and NUL-terminate. Unreadable text becomes the
// formatted 0, unwritable values the asterisks.
void yyformr(TextRef text, std::string_view format);
void yyformd(TextRef text, std::string_view format);
void yyformi(TextRef text);
