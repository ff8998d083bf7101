// bitmap_viewer_info.cpp - facts of bitmap viewer windows.
// Bitmap viewers arrive with the images subsystem; until then no window is one.
#include "images/bitmaps.hpp"

int yybitmapinfo(int, int) { return 0; }
