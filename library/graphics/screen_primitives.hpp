// screen_primitives.hpp - the drawing primitives of the screen device over GDI (graphics-internal).
// Coordinates are pixels of the current drawing context, rows counted from the top. The Win32
// side is screen_objects_win.cpp, screen_shapes_win.cpp and screen_text_win.cpp; natively
// screen_primitives_posix.cpp stands in (nothing to draw on), so the screen device's own rules
// run under the sanitizers.
#pragma once

// Fill codes of the filled primitives: 3 the stipple without outline, anything else solid.
constexpr int FillStipple = 3;
constexpr int FillSolid = 4;

void yywinline(int x1, int y1, int x2, int y2);
void yywinpolyline(int n);
void yywinpolygon(int n, int fill);
void yywinrectangle(int x1, int y1, int x2, int y2, int fill);
void yywinellipse(int cx, int cy, int rx, int ry, int shape, int fill);
void yywinarc(int cx, int cy, int rx, int ry, int xs, int ys, int xe, int ye, int fill);
void yywinoutlinearc(int cx, int cy, int rx, int ry, int xs, int ys, int xe, int ye, int hatch, int fillStyle);
void yywinclear(int width, int height, int rgb);
void yywinblit(int sx, int sy, int dx, int dy, int width, int height, int clear, int rgb);
void yywinclip(int x1, int y1, int x2, int y2);
void yywinpoint(int x, int y);
void yywinpointrgb(int x, int y, int rgb);
// red -1 when the pixel cannot be read (green and blue then unchanged).
void yywingetpixelrgb(int x, int y, int& red, int& green, int& blue);
// The whole-polygon gradient routine over the system's GradientFill: failed 1 when it fails.
void yywingradfill(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
                   int triangleCount, int& failed);

// 2 when the system's GradientFill was found as the root window opened, else 1.
int yyscreengradienttype();

// Colours, pens, plot mode and palette.
void yywincolour(int paletteIndex, int rgb);
void yywincreatepen();
void yywinlinetype(int type);
void yywinlinewidth(int width);
void yywinlinestyles();
void yywinplotmode(int mode);
void yywinpalette(int index, int rgb, int flag);
void yywinpalette256(int index, int rgb, int flag);

// Fonts and text. yywinselectfont answers the cell height, the ascent and the width of the
// 52-letter sample in the new font.
void yywinselectfont(int& width, int& height, int& ascent, int escapement, int number, int style, const char* name);
void yywindrawstring(int x1, int y1, int x2, int y2, int justification, int opaque, const char* text, int n);
void yywinstrwidth(int& width, const char* text, int n);

// The shared point buffer: one at a time, allocated, filled and freed within one opcode.
// yypolalloc refuses counts below 1 and answers false when memory is short.
bool yypolalloc(int n);
// Stores point i (from 0); an index outside the buffer is ignored.
void yypolpoint(int x, int y, int i);
void yypolfree();
