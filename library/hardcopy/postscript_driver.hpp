// postscript_driver.hpp - what the PostScript driver offers besides xxpost (library-internal).
#pragma once

#include <span>

// Writes a width x height array of RGBValues (top row first) as a hexadecimal colour image
// filling the graphics area, turned by the rotation: 40 pixels to a line.
void yypostimage(std::span<const int> pixels, int width, int height);
