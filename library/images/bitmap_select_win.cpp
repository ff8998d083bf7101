// bitmap_select_win.cpp - choosing an off-screen bitmap as the drawing target.
// Until the bitmap routines arrive every slot is empty.
#include "images/bitmaps.hpp"

void yybitmapselect(int, int& status, int& width, int& height) {
    status = 1;
    width = height = 0;
}
