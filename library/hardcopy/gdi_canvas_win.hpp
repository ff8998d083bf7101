// gdi_canvas_win.hpp - the drawing state and GDI drawing rules that the printer and metafile output
// layers share: colour pair, line type and width, pen and its key, dash tables, font, and the
// shapes, text and gradients drawn into one device context (library-internal).
#pragma once

#include <windows.h>

// One layer's context and what is selected into it. Each layer owns one canvas; the routines
// below act on the canvas they are given.
struct GdiCanvas {
    HDC dc = nullptr;
    COLORREF current = 0, previous = 0;  // every colour call moves current to previous
    int lineType = 0;                    // 0..7 as received
    int lineClass = PS_SOLID;            // the cosmetic pen style standing for the line type
    int penWidth = 1;                    // device units
    HPEN pen = nullptr;                  // the pen selected for lines, and what it replaced
    HGDIOBJ replacedPen = nullptr;
    int penKey[3] = {-1, -1, -1};        // colour, line type and width the pen was made for
    HFONT font = nullptr;                // the font selected for text, and what it replaced
    HGDIOBJ replacedFont = nullptr;
    DWORD dashes[8][6] = {};             // user dash patterns of line types 1..7
    int dashCount[8] = {};
};

void yygdicolour(GdiCanvas& canvas, int red, int green, int blue);
void yygdilinetype(GdiCanvas& canvas, int type);
// Rebuilds the dash tables for a device of `dpi` and the canvas's pen width.
void yygdidashes(GdiCanvas& canvas, int dpi);
// True when the selected pen was made for the current colour, line type and width.
bool yygdipenmatches(const GdiCanvas& canvas);
// Selects a new pen (a null pen is ignored), deletes the one it replaces and keeps the key.
void yygdiselectpen(GdiCanvas& canvas, HPEN pen);
// Forgets the pen key, so the next line makes a pen.
void yygdiforgetpen(GdiCanvas& canvas);
// Deselects and deletes the canvas's pen and font.
void yygdirelease(GdiCanvas& canvas);

// Lines in the selected pen. Solid lines end one unit further in their direction where GDI would
// leave the last pixel out; other slopes get their end pixel set when setEndPixel is true (a
// pen one unit wide on the printer). Polylines take the graphics core's point buffer.
void yygdiline(GdiCanvas& canvas, int x1, int y1, int x2, int y2, bool setEndPixel);
void yygdipolyline(GdiCanvas& canvas, int count, bool setEndPixel);
// Shapes over the box (cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2). A fill style of 3 or
// more fills in the current colour, else the ellipse is outlined in the selected pen.
void yygdiellipse(GdiCanvas& canvas, int cx, int cy, int rx, int ry, int fillStyle);
void yygdirectangle(GdiCanvas& canvas, int x1, int y1, int x2, int y2);
void yygdipie(GdiCanvas& canvas, int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2);
void yygdioutlinearc(GdiCanvas& canvas, int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2,
                     int outlineMode);
void yygdipolygon(GdiCanvas& canvas, int count, int outline);
// A square of pen-width side filled in the current colour.
void yygdisquare(GdiCanvas& canvas, int x, int y);

// A font of the family rules (0 the face name, 1 Courier New, 2 Arial, 3 Times New Roman,
// 4 Symbol) and style bits (1 bold, 2 italic, 4 underline): character height, width and
// escapement in tenths of a degree. The caller selects and owns it.
HFONT yygdimakefont(int characterHeight, int width, int escapement, int family, int style, const char* faceName);
// Deletes the canvas's font and selects `font` in its place.
void yygdiselectfont(GdiCanvas& canvas, HFONT font);
// Text in the current colour on the previous colour (opaque when boxed), aligned on its baseline
// left at (x1, y1), centred between the points, or right at (x2, y2).
void yygdidrawstring(GdiCanvas& canvas, int x1, int y1, int x2, int y2, int justification, int boxed,
                     const char* text, int length);
int yygditextlength(const GdiCanvas& canvas, const char* text, int length);

// The drivers' side of the point buffer: vertices first..last (1-based) of the polygon lists in
// device units at points 0..; false when there is nothing to store or no memory. The caller
// frees the buffer.
bool yydevicepoints(int first, int last);

// The device description both drivers give at their initialisation: a true-colour device of the
// platform family with the gradient kind the system allows, and the capability mask.
void yygdidevicefacts();
