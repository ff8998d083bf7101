// root_palette.cpp - the standard colours of window text and of the root's 256-colour palette.
// Colours are RGBValues: red + 256 green + 65536 blue.
#include "core/windows_internal.hpp"

namespace {

constexpr int rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// The 16-colour graphics palette: white first, black last.
constexpr int sixteen[16] = {
    rgb(255, 255, 255), rgb(0, 0, 191),   rgb(0, 191, 0),   rgb(0, 191, 191),
    rgb(191, 0, 0),     rgb(191, 0, 191), rgb(191, 191, 0), rgb(64, 64, 64),
    rgb(191, 191, 191), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
    rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(0, 0, 0),
};

// The colour of level c (0..255) of the banded scale: 16 bands of 16 levels.
int levelColour(int c) {
    const int band = c / 16, j = c % 16;
    const int bright = 195 + 4 * j, dark = 131 + 4 * j;
    switch (band) {
    case 0: return rgb(255 - 4 * j, 255 - 4 * j, 255 - 4 * j);
    case 1: return rgb(bright, 0, 0);
    case 2: return rgb(dark, 0, 0);
    case 3: return rgb(bright, bright, 0);
    case 4: return rgb(dark, dark, 0);
    case 5: return rgb(0, bright, 0);
    case 6: return rgb(0, dark, 0);
    case 7: return rgb(0, bright, bright);
    case 8: return rgb(0, dark, dark);
    case 9: return rgb(0, 0, bright);
    case 10: return rgb(0, 0, dark);
    case 11: return rgb(bright, 0, bright);
    case 12: return rgb(dark, 0, dark);
    case 13: return rgb(60 - 4 * j, 60 - 4 * j, 60 - 4 * j);
    case 14: return rgb(124 - 4 * j, 124 - 4 * j, 124 - 4 * j);
    default: return rgb(191 - 4 * j, 191 - 4 * j, 191 - 4 * j);
    }
}

}  // namespace

const int yystandardtextcolours[16] = {
    rgb(0, 0, 0),       rgb(191, 0, 0),     rgb(191, 191, 0), rgb(0, 191, 0),
    rgb(0, 191, 191),   rgb(0, 0, 191),     rgb(191, 0, 191), rgb(191, 191, 191),
    rgb(64, 64, 64),    rgb(255, 0, 0),     rgb(255, 255, 0), rgb(0, 255, 0),
    rgb(0, 255, 255),   rgb(0, 0, 255),     rgb(255, 0, 255), rgb(255, 255, 255),
};

int yypalettecolour(int k, int colours) {
    if (colours != 32 && colours != 64 && colours != 128) return sixteen[k & 15];
    // Entry k stands for levels k*v .. k*v+v-1; the end bands take their first level, the
    // others their last.
    const int v = 256 / colours;
    const int first = k * v;
    const int band = first / 16;
    return levelColour(band == 0 || band == 15 ? first : first + v - 1);
}
