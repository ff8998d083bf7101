// root_palette.cpp - the standard colours of window text (the graphics colours of the root's
// 256-colour palette come from the graphics colour table, yyviewentry).
// Colours are RGBValues: red + 256 green + 65536 blue.
#include "windows/windows_internal.hpp"

namespace {

constexpr int rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

}  // namespace

const int yystandardtextcolours[16] = {
    rgb(0, 0, 0),       rgb(191, 0, 0),     rgb(191, 191, 0), rgb(0, 191, 0),
    rgb(0, 191, 191),   rgb(0, 0, 191),     rgb(191, 0, 191), rgb(191, 191, 191),
    rgb(64, 64, 64),    rgb(255, 0, 0),     rgb(255, 255, 0), rgb(0, 255, 0),
    rgb(0, 255, 255),   rgb(0, 0, 255),     rgb(255, 0, 255), rgb(255, 255, 255),
};
