// raster_reader.hpp - the pixels and colour tables of the software raster (gravim.raster) as
// the PNG, BMP and PCX writers put them into files (library-internal). Bytes of raster words are
// taken through the raster's byte masks, which select byte 0..3 while a page is written. Every
// reader reads as many bytes as asked from the row's own words, so a count beyond the width
// reads the raster's bytes there like the others (a depth-24 row goes on into the next raster
// word: the row above, or the raster's spare word after the top row).
#pragma once

#include <array>
#include <cstdint>

struct RasterColour {
    unsigned char red, green, blue;
};

// The colour table of the raster's depth, taken now: depth 1 white and black, depth 4 the
// 16-entry table, depth 8 the 256-entry table, depth 24 none. Returns the number of entries.
int yyrastercolours(std::array<RasterColour, 256>& table);

// count bytes of a one-bit row whose first raster word is word, eight pixels a byte, the left
// pixel in the most significant bit (depth 1 rows; depth 4 planes with word in that plane).
void yyrasterbits(std::int64_t word, int count, unsigned char* out);
// count bytes of the depth-4 row whose first word (in plane 0) is word, two pixels a byte, the left pixel in the high nibble,
// each the colour index: the raster value with bits 0 and 2 exchanged.
void yyrasternibbles(std::int64_t word, int count, unsigned char* out);
// count colour indexes of the depth-8 row whose first word is word.
void yyrasterindexes(std::int64_t word, int count, unsigned char* out);
// count pixels of the depth-24 row whose first word is word, three bytes each: red, green, blue, or with
// bgr blue, green, red.
void yyrasterpixels(std::int64_t word, int count, bool bgr, unsigned char* out);
// count bytes of component 0 red, 1 green or 2 blue of the depth-24 words from word on.
void yyrastercomponent(std::int64_t word, int count, int component, unsigned char* out);
