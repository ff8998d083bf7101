// number_fields.hpp - numbers in fixed-width fields for the plotter and DXF writers: right-
// justified integers and fixed-point reals; a value wider than its field is written whole
// (hardcopy-internal).
#pragma once

#include <string>

// value right-justified in width characters with at least minimumDigits digits (leading zeros).
std::string integerField(long long value, int width, int minimumDigits = 1);
// value rounded to decimals places, right-justified in width characters, with a "0" before the
// point when the field has room for it. A value that is not finite is written as 0.
std::string fixedField(double value, int width, int decimals);
// The same field, with a blank before it when the value fills the field or overflows it, so
// that it never runs into what precedes it on a line.
std::string separatedField(long long value, int width);
std::string separatedFixed(double value, int width, int decimals);
// Truncation toward zero, saturated at +-4e18 so that the difference of two fits (NaN gives 0).
long long truncated(double value);
