// fonts_internal.hpp - character size, font and text direction, the stroke font slots and the
// window-text font requests (graphics-internal).
#pragma once

#include <string_view>

// Character size as fractions of the area (non-positive: the defaults), then as yychdfont.
void yychsize(float width, float height);
// Hardcopy font number and cell geometry; sends OpFont to hardcopy and the screen.
void yychdfont();
// Text angle in degrees; direction factors; sends OpFontRotate.
void yychrot(float angle);
// Resets the stroke-font width of one character, or of all for 0 (error 66 outside the table).
void yychspace(int code);
// Installs a stroke font into slot 0 or 1.
void yychsfont(float h1, float h2, float h3, float h4, int h5, int flags, int h6, int slot,
               std::string_view fileName, std::string_view glyphs, const int* start1, const int* start2);
// The standard stroke font's glyph text (3455 characters) and its start tables.
std::string_view yystandardglyphs();
const int* yystandardstarts1();
const int* yystandardstarts2();
// The standard advance width of a character code (0 outside the table).
float yystandardwidth(int code);

// Window-text font requests: colours, size in pixels from window units, creation, underline.
void yyfntcol(int foreground, int background);
void yyfntsiz();
void yyfntcre();
void yyfntund(int flag);
