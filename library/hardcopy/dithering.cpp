// dithering.cpp - the pattern rule, the current colour's patterns, the RGB dither table and the
// RGB-pixel conversion by raster depth.
#include "hardcopy/dithering.hpp"

#include <algorithm>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"

namespace {

// Three plane patterns per colour, indexed by r / 16 + 16 (g / 16) + 256 (b / 16). Its entries
// follow from the pattern rule alone, so it is built once, at the first opening, and kept.
std::array<std::array<DitherWord, 3>, 4096> rgbDitherTable{};
bool rgbDitherTableBuilt = false;

// Palette look-ups of depths 4 and 8 by RGBValue: a direct-mapped cache, since the nearest-
// colour search is far dearer than a look-up and images repeat their colours. An entry holds only
// while its generation is the cache's: a clear starts a new generation instead of rewriting every
// entry (it comes before every image and gradient fill).
struct PixelCacheEntry {
    int rgb = -1;
    int depth = 0;
    int value = 0;
    unsigned generation = 0;
};
std::array<PixelCacheEntry, 4096> pixelCache{};
unsigned pixelCacheGeneration = 1;

std::uint8_t rotateRow(std::uint8_t row, int by) {
    by %= 8;
    return static_cast<std::uint8_t>((row << by) | (row >> ((8 - by) % 8)));
}

// Rows that repeat would make vertical stripes: shift a repeating row sideways, and an earlier
// row that the shift made equal to it by another amount.
DitherWord breakEqualRows(DitherWord word, int plane) {
    std::array<std::uint8_t, 4> rows{};
    for (int r = 0; r < 4; ++r) rows[r] = static_cast<std::uint8_t>(word >> (8 * r));
    for (int i = 0; i < 4; ++i) {
        if (rows[i] == 0 || rows[i] == 255) continue;
        for (int j = i + 1; j < 4; ++j) {
            if (rows[j] == rows[i]) rows[j] = rotateRow(rows[j], plane + 2);
            for (int k = j - 1; k >= 0; --k) {
                if (rows[k] == rows[j]) rows[k] = rotateRow(rows[k], plane + 1);
            }
        }
    }
    DitherWord out = 0;
    for (int r = 0; r < 4; ++r) out |= static_cast<DitherWord>(rows[r]) << (8 * r);
    return out;
}

// The patterns of three components 0..255: a grey (components within 4) gets the red pattern in
// every plane, so that its dots coincide.
std::array<DitherWord, 3> colourPatterns(int r, int g, int b) {
    const DitherWord red = yyditherpattern(static_cast<float>(r) / 255, 1);
    if (std::max({r, g, b}) - std::min({r, g, b}) < 4) return {red, red, red};
    return {red, yyditherpattern(static_cast<float>(g) / 255, 2), yyditherpattern(static_cast<float>(b) / 255, 3)};
}

int tableIndex(int r, int g, int b) { return r / 16 + 16 * (g / 16) + 256 * (b / 16); }

bool bitSet(DitherWord word, int bit) { return ((word >> bit) & 1u) != 0; }

}  // namespace

DitherWord yyditherpattern(float intensity, int plane) {
    const int n = static_cast<int>(32 * intensity + 0.5f);
    if (n <= 0) return 0;
    if (intensity > 0.975f) return 0xFFFFFFFFu;
    const int gap = 32 - n;
    const int runs = std::max(1, n / std::max(1, gap));
    const int skip = std::max(1, gap / std::max(1, n));
    DitherWord word = 0;
    int s = ((plane + 2) * (n / (plane + 1))) % 32;
    int run = 0, left = n;
    for (int step = 0; step < 32; ++step) {
        if (run < runs && left > 0 && !bitSet(word, s)) {
            word |= 1u << s;
            --left;
            ++run;
            s = (s + 1) % 32;
        } else {
            s = (s + skip) % 32;
            run = 0;
        }
    }
    // Whatever the runs left over fills in from both ends of the cell.
    for (int i = 0; left > 0 && i < 16; ++i) {
        for (const int bit : {i, 31 - i}) {
            if (left > 0 && !bitSet(word, bit)) {
                word |= 1u << bit;
                --left;
            }
        }
    }
    return breakEqualRows(word, plane);
}

void yydith(int kind, DitherWord& pattern1, DitherWord& pattern2, DitherWord& pattern3) {
    const GraphicsState& g = gravim.graphics;
    int r = 0, gr = 0, b = 0;
    yymodelrgb(yymodelcolour(1), r, gr, b);
    const int inversion = gravim.hardcopy.HardcopyOptions[6];
    const bool extreme = (r < 10 && gr < 10 && b < 10) || (r > 245 && gr > 245 && b > 245);
    const auto invert = [&] {
        r = 255 - r;
        gr = 255 - gr;
        b = 255 - b;
    };
    if (inversion == 1 || (inversion == 2 && extreme)) invert();
    const bool monochrome = g.hardcopyColours == 2;
    if (kind == 2 && g.hardcopyColours > 2) invert();
    if (monochrome) {
        // The weights add up to 1.05, so white passes the all-ones threshold.
        const float luminance = (0.35f * static_cast<float>(r) + 0.59f * static_cast<float>(gr) + 0.11f * static_cast<float>(b)) / 255;
        pattern1 = pattern2 = pattern3 = yyditherpattern(luminance, 1);
        return;
    }
    const std::array<DitherWord, 3> p = colourPatterns(r, gr, b);
    pattern1 = p[0];
    pattern2 = p[1];
    pattern3 = p[2];
}

void yydith2() {
    if (rgbDitherTableBuilt) return;
    rgbDitherTableBuilt = true;
    for (int b4 = 0; b4 < 16; ++b4) {
        for (int g4 = 0; g4 < 16; ++g4) {
            for (int r4 = 0; r4 < 16; ++r4) {
                // Each band stands for its top value (31, 47, ..., 255); the lowest for 0.
                const auto level = [](int k) { return k == 0 ? 0 : 16 * k + 15; };
                rgbDitherTable[r4 + 16 * g4 + 256 * b4] = colourPatterns(level(r4), level(g4), level(b4));
            }
        }
    }
}

const std::array<DitherWord, 3>& yyrgbdither(int rgb) {
    int r = 0, g = 0, b = 0;
    WRGBSplit(rgb, &r, &g, &b);
    return rgbDitherTable[tableIndex(r, g, b)];
}

void yyrgbpixelcacheclear() {
    if (++pixelCacheGeneration != 0) return;
    // After the counter wrapped, entries of an old generation could pass for new ones.
    pixelCache.fill(PixelCacheEntry{});
    pixelCacheGeneration = 1;
}

int yyrgbpixel(int depth, int x, int y, int rgb) {
    switch (depth) {
    case 1:
    case 3: {
        const int bit = 8 * (y & 3) + (x & 7);
        int r = rgb & 255, g = (rgb >> 8) & 255, b = (rgb >> 16) & 255;
        const std::array<DitherWord, 3>& entry = rgbDitherTable[tableIndex(r, g, b)];
        int v = (bitSet(entry[0], bit) ? 1 : 0) + (bitSet(entry[1], bit) ? 2 : 0) + (bitSet(entry[2], bit) ? 4 : 0);
        const bool inverting = gravim.hardcopy.HardcopyOptions[6] != 0 && (v == 0 || v == 7);
        if (inverting) v = 7 - v;
        if (depth == 3) return gravim.hardcopy.printerColourKind == 2 ? 7 - v : v;
        if (inverting) {
            r = 255 - r;
            g = 255 - g;
            b = 255 - b;
        }
        if (r > 191 || g > 191 || b > 191) v += 8;
        return bitSet(MonoTexture[static_cast<std::size_t>(v)], bit) ? 1 : 0;
    }
    case 4:
    case 8: {
        PixelCacheEntry& slot = pixelCache[static_cast<std::size_t>((rgb ^ (rgb >> 12) ^ (depth << 8)) & 4095)];
        if (slot.generation == pixelCacheGeneration && slot.rgb == rgb && slot.depth == depth) return slot.value;
        int index = 0;
        yyrgbto8(rgb, index);
        slot = {rgb, depth, depth == 4 ? SixteenColourMap[static_cast<std::size_t>((index / 16) & 15)] : index,
                pixelCacheGeneration};
        return slot.value;
    }
    default: return rgb;
    }
}
