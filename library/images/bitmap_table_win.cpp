// bitmap_table_win.cpp - the table of off-screen bitmaps, identifier n in slot n - 1.
#include <windows.h>

#include "images/bitmaps.hpp"

HBITMAP hBitmap[51];

void yybitmapsdeleteall() {
    for (HBITMAP& bitmap : hBitmap) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}
