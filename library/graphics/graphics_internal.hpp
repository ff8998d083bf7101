// graphics_internal.hpp - internal routines of the drawing state: transforms and re-scaling.
#pragma once

// Surface pixels (y upward from the bottom row) to user units, and back.
void yyi2e(float px, float py, float& ux, float& uy);
void yye2i(float ux, float uy, float& px, float& py);
// A surface of this type and identifier now has this pixel size (acts on the current one only).
void yyresn(int type, int ident, int width, int height);
// The client area of a window changed size (called by the event translator).
void yyresize(int window, int width, int height);
// A dialog graphics field changed size.
void yyresizefield(int dialog, int field, int width, int height);
// Sets the clip rectangle (surface pixels).
void yywing(float x1, float y1, float x2, float y2);
// Recomputes the rotation-dependent copies.
void yyresnrot();
// A pixel position in bitmap viewer `window` to user units of the bitmap it shows.
void yybvi2e(float px, float py, float& ux, float& uy, int window);
