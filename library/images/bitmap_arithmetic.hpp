// bitmap_arithmetic.hpp - the arithmetic of the bitmap operations that needs no window: blending,
// mirror and turn mappings, the plot and stretch mode settings (images-internal, portable).
#pragma once

// The plot modes 0..3 of the bitmap copies as raster operations (source copy, OR, AND, XOR);
// 0 for a mode outside 0..3.
unsigned yybitmaprop(int mode);
// The stretch mode that stretch-mode number `mode` sets: 0 and 1 give 1, 2 gives 2, 3 gives 3,
// 4 gives 4 on the NT family and 1 elsewhere; any other number keeps `current`.
int yybitmapstretchfor(int mode, int current, bool nt);

// One colour component blended with transparency t (0 opaque .. 255 transparent) over the old
// component: the two quotients are truncated separately.
int yyblendcomponent(int value, int old, int t);
// The colour (RGB in the low three bytes) of one array value blended over the old pixel in mode
// 0 (transparency per value, its top byte), 1 (alpha for all) or 2 (alpha for all, top byte 255
// marks a transparent value). False when the pixel stays as it is.
bool yyblendpixel(unsigned value, unsigned old, int mode, int alpha, unsigned& colour);
// The part first..last of an array span low..high that falls inside 0..extent - 1; first > last
// when none does.
struct BlendSpan {
    int first;
    int last;
};
BlendSpan yyblendspan(int low, int high, int extent);

// Where the pixel (x, y) of a width x height bitmap goes when turned by 90 (a quarter turn
// anticlockwise), 180 or 270 degrees (clockwise). The turned bitmap is height x width for 90
// and 270.
void yyturnposition(int angle, int width, int height, int x, int y, int& newX, int& newY);
// Turns a width x height picture (row-major, top row first) into `turned`, which must hold
// width x height values.
void yyturnpixels(int angle, int width, int height, const unsigned* pixels, unsigned* turned);
