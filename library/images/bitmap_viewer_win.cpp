// bitmap_viewer_win.cpp - the bitmap viewer: a child window shown as a scrolling view of one
// off-screen bitmap.
#include <windows.h>

#include "core/window_tables_win.hpp"
#include "images/bitmap_viewer_win.hpp"
#include "images/bitmaps.hpp"

void yybitmapview(int, int, int, int&, int, int& status) { status = 6; }

void yybitmapviewerretarget(int, int) {}

void yybitmapviewerrevert(int, int*) {}
