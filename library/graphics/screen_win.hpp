// screen_win.hpp - the screen drawing layer's Win32 objects and the drawing targets
// (graphics-internal). The primitives themselves are in screen_primitives.hpp.
#pragma once

#include <windows.h>

#include "graphics/screen_primitives.hpp"

extern HDC gDC;                 // context of the current drawing target
extern HRGN gRegion;            // clip region selected around clipped primitives; null none
extern HFONT gFont, gFontOld;   // the graphics font, and the font it displaced in gDC
extern HPEN gPen, gPenOld;      // the graphics pen, and the pen it displaced in gDC
extern int gPenStyle;           // cosmetic style: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
extern int gLineType;           // 0..7
extern int gLineWidth;          // pen width in pixels
extern int gPlotmode;           // raster operation: 13 copy, 15 merge, 9 mask, 7 exclusive-or
extern HBITMAP gBitmap;         // the 8 x 8 stipple, compatible with the current target
extern int gStippleChanged;     // 1: paint the stipple afresh before its next use
extern HPALETTE gPal256;        // the root palette of a palette display, null otherwise
extern LOGPALETTE* gLogPal;     // its entries: graphics colours, then the window-text colours
// Drawing colour and the colour it replaced: an RGB value, or a palette-index reference.
extern COLORREF CurrentColour, PreviousColour;
extern HDC hGraphicsMetafile;   // the recording context of the metafile slot drawn into, null none
// The selected graphics target other than a window: a field's context, or a bitmap's memory
// context.
extern HDC hFieldDC;
extern HWND hFieldWindow;
extern HDC hBitmapDC;
extern HBITMAP hGraphicsBitmap;  // the off-screen bitmap selected into hBitmapDC, null none

// A new brush for stipple fills (the caller deletes it): the checkerboard of the current and
// previous colour, or on a metafile their mean as a solid brush.
HBRUSH yywinstipple();

// Gradient triangles in dc through the system's GradientFill (vertices and triangles as the
// gradient fill's whole-polygon routine gets them): failed 1 when it is missing or fails.
void yysystemgradient(HDC dc, const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
                      int triangleCount, int& failed);

// A context becomes the drawing target: a fresh stipple, the plot mode, transparent text on the
// baseline, the graphics pen (made again for this target's dash scale) and font, and the palette.
void yyscreentargetselected(HDC dc);
// The target's context is given up: the pen and font it displaced go back into it.
void yyscreentargetreleasing();

// The window manager's drawing contexts (window_surface_win.cpp). A window's context is about to
// be released.
void yyscreenwindowdcreleasing(HDC windowDC);
// The current window's new context becomes graphics' context unless a field, bitmap or metafile
// is the target.
void yyscreenwindowdcselected(HDC windowDC);
// A dialog or a field of it (the dialog manager's field selection) becomes the target: fieldDC,
// which it got for field, is graphics' context until the target is released.
void yyscreenfielddcselected(HWND field, HDC fieldDC);
// An off-screen bitmap selected into bitmapDC (images' slot, made by images) becomes the target;
// graphics deletes bitmapDC when the target is given up.
void yyscreenbitmapdcselected(HBITMAP bitmap, HDC bitmapDC);
// A window's context is gone: graphics forgets it.
void yyscreenwindowdcgone(HDC windowDC);
// The root window opened (graphics draws into its context, no other target) or closed.
void yyscreenopened(HDC windowDC);
void yyscreenclosed();
// The root palette of a palette display: `count` entries (at most 256), made when the root
// window opens.
void yyscreenpalettecreate(const PALETTEENTRY* entries, int count);
// On a palette display the root palette selected into a context and realised, or into a
// window's own context; nothing otherwise.
void yyscreenpaletteselect(HDC dc);
void yyscreenpalettewindow(HWND window);
// Releases the current drawing target other than a window: the displaced pen and font go back
// into gDC; a field's context is released, a bitmap's memory context deleted, or the metafile
// target forgotten.
void yygrselectnone();

// The drawing objects when the root window opens: the stipple, pen style and line type 0, plot
// mode copy, the dash tables.
void yyscreenobjectsinit();
// Deletes the stipple, the clip region, the font, the pen and the palette.
void yyscreenobjectsdelete();

// Installs graphics' answers to the window manager's screen port (windows/screen_port_win.hpp).
void yygraphicsinstallscreenport();
