// image_files.hpp - image files decoded for devices that draw them pixel by pixel (public
// routines).
#pragma once

#include <optional>
#include <span>
#include <string_view>

// Decodes a BMP, PCX, PNG, icon or cursor file into RGBValues, one per pixel, top row first,
// each row from the left, at most pixels.size() of them; palette (when given) receives the
// image's colour table. Failures are reported through the library's error slots.
void IGrLoadImageData(std::string_view name, std::span<int> pixels, std::span<int> palette = {},
                      std::optional<int> transparency = std::nullopt);

// Draws an image file (kind: 0 the clipboard bitmap, 1 BMP, 2 PCX, 15 PNG) onto the context of
// target (0 the current drawing surface) into the inclusive pixel rectangle x1, y1, x2, y2 (rows
// from the top), stretched when stretch is not 0 (mode 1..4), turned by rotation degrees with the
// given offsets. error receives a library error number (0 success), systemError the system's
// code when the file cannot be read.
void yyloadimage(int kind, int target, int x1, int y1, int x2, int y2, int stretch, int stretchMode, int rotation,
                 int xOffset, int yOffset, int& error, int& systemError, const char* name);
