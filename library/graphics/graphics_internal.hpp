// graphics_internal.hpp - internal routines of the drawing state: surfaces, transforms,
// clipping, lines and rectangles in device units, and the plot definition's log axes.
#pragma once

// Surface pixels (y upward from the bottom row) to user units, and back.
void yyi2e(float px, float py, float& ux, float& uy);
void yye2i(float ux, float uy, float& px, float& py);
// A pixel position in bitmap viewer `window` to user units of the bitmap it shows.
void yybvi2e(float px, float py, float& ux, float& uy, int window);
// Truncation toward zero that saturates instead of overflowing (NaN gives 0).
int yytrunc(float value);

// A surface of this type and identifier now has this pixel size (acts on the current one only).
void yyresn(int type, int ident, int width, int height);
// The client area of a window changed size (called by the event translator).
void yyresize(int window, int width, int height);
// A dialog graphics field changed size.
void yyresizefield(int dialog, int field, int width, int height);
// Sets the clip rectangle (surface pixels) and sends OpClip.
void yywing(float x1, float y1, float x2, float y2);
// Recomputes the rotation-dependent copies, the aspect and the text geometry.
void yyresnrot();
// Pattern fill with equal colours: b := a (the solid opcode).
void yyfact(int a, int& b);
// Saves (0) or restores (1) the attributes, saves the area (2, 4) or its clip (3).
void yysav(int mode);
// The fill style of rectangles (0 outline, 1 hatched, 2 cross-hatched, 3 pattern, 4 solid), for
// the library's own drawings; yysav(1) puts the saved one back.
void yysetfillstyle(int style);

// Lines and rectangles in device units, clipped to the drawing area.
void yyline(float x1, float y1, float x2, float y2);
void yylini(float x1, float y1, float x2, float y2);
void yyrecti(float x1, float y1, float x2, float y2);
void yyrect(float x1, float y1, float x2, float y2);
// Hatch steps of a device (1 screen, 2 hardcopy) for hatch density d.
struct HatchSteps {
    float realX = 0, realY = 0;
    int stepX = 1, stepY = 1;
    float inset = 0;
    int alternate = 0;
};
void yystep(int device, int density, HatchSteps& steps);
// Clips a segment to the clip rectangle; visible 0 when nothing of it is inside.
void yyclip(float& x1, float& y1, float& x2, float& y2, int& visible);
// 1 when the point lies in the clip tolerance rectangle.
int yybox(float x, float y);
// 1 when (px, py) lies in the segment's bounding box and in the clip tolerance rectangle.
int yylin(float px, float py, float x1, float y1, float x2, float y2);

// The plot definition's log-axis state; log10 |x|, -38 for 0.
void yyplog();
float yylog1(float x);

// The memory of each part of the graphics core between calls back to its values at program
// start: the colour table, the attributes put aside, the two-colour fill's saved colours, the CGM
// device's and the CGM slots' writing state.
void yyresetcolourtable();
void yyresetsavedattributes();
void yyresetsavedcolours();
void yyresetcgmdevice();
void yyresetslotwriting();
// The shared state record and all of the above back to program start: a fuzz input or a test
// starts from a clean graphics state.
void yyresetgraphics();
