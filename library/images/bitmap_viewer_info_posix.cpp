// bitmap_viewer_info_posix.cpp - native stand-in of the bitmap viewer's facts: there are no
// viewer windows outside Windows.
#include "images/bitmaps.hpp"

int yybitmapinfo(int, int) { return 0; }
