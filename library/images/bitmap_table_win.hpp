// bitmap_table_win.hpp - the bitmap slot table and the blit settings (images-internal), owned by
// bitmap_table_win.cpp; the operations replace a slot's bitmap when they resize or turn it.
#pragma once

#include <windows.h>

#include "images/bitmaps.hpp"

extern HBITMAP hBitmap[BitmapSlots];  // a slot's bitmap, null while the slot is free
extern int BitmapWidth[BitmapSlots];  // its size in pixels
extern int BitmapHeight[BitmapSlots];
extern int BitmapColour[BitmapSlots]; // background RGB given at creation
extern int BitmapPlotMode;            // 0..3, see yybitmaprop
extern int BitmapStretchMode;         // the platform's stretch mode for stretching copies

// Deletes every off-screen bitmap and empties the table (images' close hook).
void yybitmapsdeleteall();
