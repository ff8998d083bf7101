// image_drawing_posix.cpp - yyloadimage in the native build: there is no device context to draw
// on, but files are read and turned into their packed bitmaps, so the statuses are the real ones.
#include "images/image_files.hpp"
#include "images/packed_bitmap.hpp"

void yyloadimage(int kind, int, int, int, int, int, int, int, int, int, int, int& error, int& systemError, const char* name) {
    // The clipboard is a system service the native build does not have.
    error = kind == 0 ? 1095 : yypackedbitmapfile(kind, name, systemError).status;
}
