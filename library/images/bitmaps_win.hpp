// bitmaps_win.hpp - the Win32 side of the bitmap store that other subsystems reach (internal).
#pragma once

#include <windows.h>

// The bitmap of slot 0..50, null for an empty slot or a number outside.
HBITMAP yybitmaphandle(int slot);
// A width x height bitmap compatible with the window context, filled with colour; null when the
// size is below 1 or the platform refuses.
HBITMAP yybitmapcreate2(int width, int height, int colour);
// The colour the library writes for an RGB value into dc: the nearest palette index when the
// library palette exists (it must be selected into dc), else the nearest colour dc can show.
COLORREF yybitmapcolour(HDC dc, int colour);
// A memory context compatible with `like` holding the bitmap, with the library palette selected
// when it exists; null when the platform refuses the bitmap (selected elsewhere). The caller
// deletes it.
HDC yybitmapcontext(HDC like, HBITMAP bitmap);
// A copy of off-screen bitmap `identifier` for a dialog field's picture (it outlives the bitmap),
// null when there is no such bitmap.
HBITMAP yybitmapcopy(int identifier);
// Installs yybitmapcopy as the dialog manager's source of bitmap pictures (when the library is
// assembled).
void yyimagesinstallfieldpictures();
