// bitmap_table_posix.cpp - native stand-in of the bitmap table as a drawing target and as a
// dialog's bitmap: there are no off-screen bitmaps outside Windows.
#include "images/bitmaps.hpp"

void yybitmapselect(int, int& status, int&, int&) { status = 1; }
void yybitmapdialogcreate(int, int, int, int& identifier) { identifier = 0; }
void yybitmapdialogdestroy(int) {}
