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
