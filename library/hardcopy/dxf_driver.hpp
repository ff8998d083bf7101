// dxf_driver.hpp - the DXF driver's group writers and colour palette (hardcopy-internal).
#pragma once

#include <string_view>

// Groups of two lines, the code and the value: a text value as given; a real written F15.6
// without its leading blanks and trailing zeros, the point kept (1.5, 2., 0.); an integer; a
// point in surface units scaled to inches; an entity header (name, layer 1, colour).
void yydxf3(std::string_view code, std::string_view text);
void yydxf4(std::string_view code, double value);
void yydxf5(std::string_view code, long long value);
void yydxf2(std::string_view xCode, std::string_view yCode, float x, float y);
void yydxf1(std::string_view name);

// Entry n (0..255) of the DXF palette as an RGBValue, red in the low byte.
int yydxfpal(int n);
// The DXF colour number 1..255 nearest to an RGBValue in hue, saturation and value; an exact
// entry wins at once.
int yydxfcol(int rgb);
