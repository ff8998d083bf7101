// svg_driver.hpp - the SVG driver's own writers besides xxsvg (library-internal).
#pragma once

#include <string>

// A coordinate or length in the SVG number form: two decimals at most, a trailing zero
// dropped, a whole number without its point ("640", "12.5", "12.05", "-3.25", "0.5"); written
// in full however wide, never with an exponent.
std::string yysvg1(double value);
// The path of a filled sector (opcode 13) or an outline arc (opcode 34) from the operands.
void yysvg2(int opcode);
