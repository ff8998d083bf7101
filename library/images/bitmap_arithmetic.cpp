// bitmap_arithmetic.cpp - blending, turning and the mode settings of the bitmap operations.
// Portable: the GDI side in bitmap_operations_win.cpp only reads and writes the pixels.
#include "images/bitmap_arithmetic.hpp"

#include <algorithm>

namespace {

// Raster operations of the platform's blits, by plot mode.
constexpr unsigned sourceCopy = 0x00CC0020, sourcePaint = 0x00EE0086, sourceAnd = 0x008800C6,
                   sourceInvert = 0x00660046;

unsigned blendColour(unsigned value, unsigned old, int t) {
    unsigned colour = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int v = static_cast<int>((value >> shift) & 0xFF), o = static_cast<int>((old >> shift) & 0xFF);
        colour |= static_cast<unsigned>(yyblendcomponent(v, o, t)) << shift;
    }
    return colour;
}

}  // namespace

unsigned yybitmaprop(int mode) {
    static const unsigned operations[4] = {sourceCopy, sourcePaint, sourceAnd, sourceInvert};
    return mode >= 0 && mode <= 3 ? operations[mode] : 0;
}

int yybitmapstretchfor(int mode, int current, bool nt) {
    switch (mode) {
    case 0:
    case 1: return 1;
    case 2: return 2;
    case 3: return 3;
    case 4: return nt ? 4 : 1;
    default: return current;
    }
}

int yyblendcomponent(int value, int old, int t) { return (255 - t) * value / 255 + t * old / 255; }

bool yyblendpixel(unsigned value, unsigned old, int mode, int alpha, unsigned& colour) {
    const unsigned rgb = value & 0xFFFFFF;
    const int top = static_cast<int>(value >> 24);
    switch (mode) {
    case 0:
        if (top == 255) return false;
        colour = top == 0 ? rgb : blendColour(rgb, old, top);
        return true;
    case 1:
        if (alpha == 255) return false;
        colour = alpha == 0 ? rgb : blendColour(rgb, old, alpha);
        return true;
    case 2:
        if (top == 255) return false;
        colour = blendColour(rgb, old, alpha);
        return true;
    default: return false;
    }
}

BlendSpan yyblendspan(int low, int high, int extent) {
    return {std::max(low, 0), high < extent ? high : extent - 1};
}

void yyturnposition(int angle, int width, int height, int x, int y, int& newX, int& newY) {
    switch (angle) {
    case 90:
        newX = y;
        newY = width - 1 - x;
        break;
    case 180:
        newX = width - 1 - x;
        newY = height - 1 - y;
        break;
    default:  // 270
        newX = height - 1 - y;
        newY = x;
        break;
    }
}

void yyturnpixels(int angle, int width, int height, const unsigned* pixels, unsigned* turned) {
    const int turnedWidth = angle == 180 ? width : height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int nx = 0, ny = 0;
            yyturnposition(angle, width, height, x, y, nx, ny);
            turned[static_cast<long>(ny) * turnedWidth + nx] = pixels[static_cast<long>(y) * width + x];
        }
    }
}
