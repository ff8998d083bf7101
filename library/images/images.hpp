// images.hpp - off-screen bitmaps: creation, copies to and from the drawing target, pixel
// arrays, blending, resources, mirror, resize, turn and the bitmap viewer (public routines).
// A BitmapIdentifier is 1..50 (51 while the page setup holds its preview); errors go through the
// library's error reporting under the routine's name, as every public routine's do.
#pragma once

#include <optional>

// Makes a width x height bitmap filled with colour (an RGB value; absent: graphics colour 0)
// and returns its identifier, or 0 with error 1020 when no slot is free or the size is below 1.
void WBitmapCreate(int& identifier, int width, int height, std::optional<int> colour = std::nullopt);
// Destroys a bitmap (1021 no such bitmap, 1036 shown in a viewer). The bitmap that is the
// drawing target is released first: the current window becomes the surface again.
void WBitmapDestroy(int identifier);
// Raster operation of the copies: 0 copy, 1 OR, 2 AND, 3 XOR (other numbers: error 1043).
void WBitmapPlotMode(int mode);
// Stretch mode of stretching copies: 0 and 1 black-on-white, 2 white-on-black, 3 colour-on-colour,
// 4 halftone (other numbers: error 1107); WBitmapGetStretchMode reads the mode in use (1..4).
void WBitmapStretchMode(int mode);
void WBitmapGetStretchMode(int& mode);
// Size of a bitmap in pixels (0 and 0, error 1021, for no bitmap).
void WBitmapSize(int identifier, int& width, int& height);

// Pixel rectangles are bitmap pixels, origin top left, bounds inclusive. A bitmap that is the
// drawing target cannot be cleared, copied into, resized or turned (error 1066).
// Fills x1..x2, y1..y2 with colour; -1 the bitmap's creation colour.
void WBitmapClear(int identifier, int x1, int y1, int x2, int y2, int colour = -1);
// Copies width x height pixels at (x, y) of the drawing target into the bitmap's top left corner.
void WBitmapGet(int identifier, int x, int y, int width, int height);
// Draws the bitmap on the drawing target at (x, y): width x height pixels of its top left corner,
// or with stretch non-zero the whole bitmap scaled to width x height.
void WBitmapPut(int identifier, int stretch, int x, int y, int width, int height);
// Copies width x height pixels from the target at the source into the bitmap at the destination
// (direction 0), or from the bitmap onto the target (direction non-zero).
void WBitmapPart(int identifier, int sourceX, int sourceY, int destinationX, int destinationY, int width,
                 int height, int direction);
// The bitmap gets the array's RGB values in x1..x2, y1..y2 (row-major, one value per pixel).
void WBitmapGetData(int identifier, const int* array, int x1, int y1, int x2, int y2);
// The array gets the bitmap's pixels in x1..x2, y1..y2 (-1 for a pixel outside the bitmap).
void WBitmapPutData(int identifier, int* array, int x1, int y1, int x2, int y2);
// Blends the array's values onto the drawing target, clipped to it: mode 0 the top byte of each
// value is its transparency (0 opaque, 255 transparent), 1 alpha for every value, 2 alpha for every
// value whose top byte is not 255. Other modes draw nothing.
void WBitmapBlendData(const int* array, int x1, int y1, int x2, int y2, int mode, int alpha = 0);
// Copies the program's bitmap resource into the bitmap's top left corner (1015 no such resource).
void WBitmapGetResource(int identifier, int resource);
// Size of the program's bitmap resource, 0 and 0 when there is none.
void WBitmapResourceInfo(int resource, int& width, int& height);
// Mirrors left-right (direction 0) or top-bottom; resizes with the picture stretched; turns by
// 90 (anticlockwise), 180 or 270 degrees (other angles: error 1090). A viewer showing the bitmap
// shows the changed picture.
void WBitmapMirror(int identifier, int direction);
void WBitmapResize(int identifier, int width, int height);
void WBitmapRotate(int identifier, int angle);
