// dithering.hpp - ordered dither patterns of 8 x 4 pixel cells and the raster colour tables: the
// pattern rule, the current colour's patterns, the RGB dither table, the one-bit textures, the
// 16-colour map and the conversion of an RGB pixel to a raster value of any depth (hardcopy-
// internal; the HP-GL/2 raster fills and the software raster use them).
#pragma once

#include <array>
#include <cstdint>

// A pattern word describes one 8 x 4 cell: pixel (x, y) is bit 8 (y mod 4) + (x mod 8), so byte r
// is cell row r and bit k of that byte cell column k.
using DitherWord = std::uint32_t;

// The one-bit raster's ink per dithered 3-bit colour (bit 0 red, 1 green, 2 blue), plus 8 for a
// bright colour; a set bit is ink.
inline constexpr std::array<DitherWord, 16> MonoTexture = {
    0xFFFFFFFF, 0xBFBFF7F7, 0x73CE7CC7, 0xC6EC3373, 0xE7EF7E7F, 0x7377EE67, 0x676EE676, 0x311148C8,
    0xEDED7777, 0xECEC3776, 0x6643CCC8, 0x64641313, 0x3C669999, 0xC663366C, 0x32668CCC, 0x00000000,
};

// The 16-colour raster value of a 256-palette index p is SixteenColourMap[p / 16].
inline constexpr std::array<int, 16> SixteenColourMap = {0, 9, 1, 11, 3, 10, 2, 14, 6, 12, 4, 13, 5, 15, 7, 8};

// The pattern of an intensity (0..1, a luminance slightly above) for plane 1, 2 or 3: the
// intensity's share of the 32 bits set, placed so that the planes' dots mostly differ.
DitherWord yyditherpattern(float intensity, int plane);

// The patterns of the current drawing colour for the three planes (red, green, blue; a luminance
// pattern in all three when the hardcopy output has two colours). kind is the printer's colour
// kind: 2 inverts the components for cyan, magenta and yellow ink.
void yydith(int kind, DitherWord& pattern1, DitherWord& pattern2, DitherWord& pattern3);

// Fills the RGB dither table (4096 entries of three plane patterns, by the components' top four
// bits). Hardcopy output asks for it at every opening; it is built at the first and reused, since
// nothing but the pattern rule decides its entries.
void yydith2();
// The table's entry of an RGBValue (red in the low byte).
const std::array<DitherWord, 3>& yyrgbdither(int rgb);

// The raster value of an RGB pixel at (x, y) in a raster of depth 1, 3, 4, 8 or 24 bits: the
// dithered one-bit ink, the dithered 3-bit colour (ink planes on a cyan-magenta-yellow printer),
// the 16-colour value, the nearest palette index, or the RGBValue itself. Depths 4 and 8 are
// cached by RGBValue; yyrgbpixelcacheclear empties the cache (before every image and every
// gradient fill, since the palette may have changed).
int yyrgbpixel(int depth, int x, int y, int rgb);
void yyrgbpixelcacheclear();
