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

// Identifies the file and fills info elements 1..min(count, 9) (count below 1 counts as 1):
// type, width, height, colours, a type-specific value, depth, alpha or image count, cursor hot
// spot. Element 1 is -1 (and nothing else is written) for a blank name or a file that is
// missing, cannot be opened or holds fewer than 4 bytes.
void IGrFileInfo(std::string_view name, std::span<int> info, int count);

// Installs images' answers to graphics (graphics/addon_ports.hpp) and the image-file driver into
// the hardcopy frame. Called by the library's assembly (`yyassemblelibrary`); again is harmless.
void yyimagesinstallport();
