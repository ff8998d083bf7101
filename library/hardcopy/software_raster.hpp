// software_raster.hpp - the software raster device of the raster printer and image-file drivers,
// its drawing primitives and the raster's allocation (library-internal; the raster, its geometry
// and the device state are gravim.raster).
#pragma once

#include <cstdint>

// The device: one DeviceOpcode, operands in gravim.graphics.
void yyvras(int opcode);

// Primitives, in raster pixels (column x from the left, row y from the bottom). Pixels outside
// the raster are never written.
// One pixel of the value.
void yyvra1(int value, int x, int y);
// Pixels x1..x2 of row y (nothing when x2 < x1), word by word where the layout allows.
void yyvra4(int value, int x1, int y, int x2);
// A line in RasterColour with the thickness and dash pattern; continues = 1 when it starts where
// the previous one ended (its first pixel is not drawn again and the dash phase goes on).
void yyvra3(int x1, int y1, int x2, int y2, int continues);
// The span xa..xb of row y with the current fill: fill words, dither patterns, mixing.
void yyvra2(int xa, int xb, int y);
// One RGBValue into pixel (x, y), converted for the depth.
void yyvra5(int x, int y, int rgb);
// The column where the edge (x1, y1)-(x2, y2) meets row y; 32767 for a horizontal edge.
int yyxini(int x1, int y1, int x2, int y2, int y);
// An image of width x height RGBValues (top row first) scaled into the clip rectangle, turned by
// the plot rotation (0, 90, 180, 270; any other draws nothing).
void yyvrasimage(const int* pixels, int width, int height);

// The raster's memory. Sizes the raster for width x height pixels of `planes` planes with
// `pixelsPerWord` pixels in a word, counting in 64 bits, and allocates RasterTotalWords + 1
// words: false (no raster) when that is beyond memory or the library's limit. The geometry words
// are set either way.
bool yyrastersize(int width, int height, int pixelsPerWord, int planes);
// Releases the raster (RasterTotalWords stays as it was).
void yyrasterrelease();
// The largest raster in bytes that counts as allocatable (512 MiB); returns the previous limit.
// For tests that provoke allocation failures without exhausting memory.
std::int64_t yysetrasterlimit(std::int64_t bytes);
// A raster driver's OpOpen: opening output, the driver's allocation (false: output stays off),
// then the device's open and a clear; a rescale goes to the device alone.
void yyrasteropen(bool (*allocate)());
// The one-byte layout's masks: clearing byte k (drawing) or selecting it (a page being written).
void yyrasterbytemasks(bool selecting);
