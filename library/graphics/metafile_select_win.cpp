// metafile_select_win.cpp - choosing a metafile slot as the drawing target.
// Metafile slots arrive later; until then no slot holds a metafile and selection fails.
#include "graphics/metafiles.hpp"

void yymetafileselect(int, int& status, int& width, int& height) {
    status = 1;
    width = height = 0;
}
