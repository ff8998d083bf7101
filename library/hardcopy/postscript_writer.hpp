// postscript_writer.hpp - the PostScript driver's line writers: number fields in fixed-point
// forms, blank runs collapsed, the optional leading blank, the open path finished with its
// colour, library colours as PostScript components, the gsave block of sectors and arcs, and
// six-digit hexadecimal colours (library-internal; the SVG driver uses yyrgbhex too).
#pragma once

#include <string>
#include <string_view>

#include "graphics/colours.hpp"

// A real fixed-point in a field of at least `width` characters with `decimals` decimals, a zero
// before the point when the magnitude is below 1. A value too wide for the field is written in
// full, never with an exponent; a value that is not finite counts as 0.
std::string yyfixedpoint(double value, int width, int decimals);
// The two-decimal form: nine characters, a field ending in ".00" loses its last zero
// (12.0, 12.50, 0.50, -0.25).
std::string yypsreal(double value);
// Blanks before the first and after the last non-blank dropped, inner runs made one blank.
std::string yycollapse(std::string_view record);

// a, b, c in the two-decimal form, then text; collapsed.
void yypos3(double a, double b, double c, std::string_view text);
// A point scaled by HardcopyScaleX, HardcopyScaleY, then text; collapsed.
void yypos4(double x, double y, std::string_view text);
// As yypos4 with the factors exchanged (u by HardcopyScaleY, v by HardcopyScaleX).
void yypos4a(double u, double v, std::string_view text);
// a in the two-decimal form, then text; collapsed.
void yypos5(double a, std::string_view text);
// The text collapsed.
void yypos6(std::string_view text);
// The text unchanged, cut to 255 characters.
void yypos7(std::string_view text);
// Finishes the open path: mode 1 strokes ("s"), 2 fills ("cf"), 3 writes only the pending
// colour. Modes 1 and 2 do nothing while no path is open.
void yypos2(int mode);
// Red, green, blue 0..1 of a colour taken in its own colour model (number -1: black), inverted
// by option 6.
void yypos1(ModelColour colour, float& red, float& green, float& blue);
// The gsave block of a filled sector (opcode 13) or an outline arc (opcode 34).
void yypos0(int opcode);
// Six lower-case hexadecimal digits RRGGBB of components 0..255 (others are clamped).
void yyrgbhex(int red, int green, int blue, char (&text)[6]);
