// screen_win.hpp - the screen device's Win32 drawing objects (graphics-internal).
#pragma once

#include <windows.h>

extern HDC gDC;               // graphics drawing context: the current window's, or a target's
extern HBITMAP hStipple;      // 8 x 8 stipple bitmap of pattern fills, created once
extern HRGN hClipRegion;      // clip region of the graphics context, null none
extern HPEN hGrPen;           // current graphics pen, and the pen it replaced in gDC
extern HPEN hGrPenSaved;
extern HFONT hGrFont;         // current graphics font, and the font it replaced in gDC
extern HFONT hGrFontSaved;
extern HPALETTE hPalette;     // the 256-colour display's logical palette, null otherwise
extern int iPenStyle;         // pen style and plot mode (binary raster operation) of gDC
extern int iPlotMode;
// The selected graphics target other than a window: a field's context, a bitmap's memory
// context, or a metafile slot (0 none).
extern HDC hFieldDC;
extern HWND hFieldWindow;
extern HDC hBitmapDC;
extern HBITMAP hGraphicsBitmap;  // the off-screen bitmap selected into hBitmapDC, null none
extern HDC hGraphicsMetafile;  // the recording context of the metafile slot drawn into, null none

// The window manager's drawing contexts (window_surface_win.cpp). A window's context is about to
// be released: when graphics draws into it, its saved pen and font go back and its pen is deleted.
void yyscreenwindowdcreleasing(HDC windowDC);
// The current window's new context becomes graphics' context unless a field, bitmap or metafile
// is the target.
void yyscreenwindowdcselected(HDC windowDC);
// A dialog or a field of it (the dialog manager's field selection) becomes the target: fieldDC,
// which it got for field, is graphics' context until the target is released.
void yyscreenfielddcselected(HWND field, HDC fieldDC);
// A window's context is gone: graphics forgets it.
void yyscreenwindowdcgone(HDC windowDC);
// The root window opened (graphics draws into its context, no other target, no pen or font yet)
// or closed (no context, no target).
void yyscreenopened(HDC windowDC);
void yyscreenclosed();
// The 256-colour display's logical palette, made when the root window opens.
void yysetscreenpalette(HPALETTE palette);
// Releases the current drawing target other than a window: the saved pen and font go back into
// gDC; a field's context is released, a bitmap's memory context deleted, or the metafile target
// forgotten.
void yygrselectnone();

// Puts the current pen style and line type into gDC.
void yywinlinestyles();
// Creates the stipple bitmap (once) and resets pen style, line type and plot mode.
void yyscreenobjectsinit();
// Deletes the stipple, the clip region, the current font and pen and the palette.
void yyscreenobjectsdelete();
