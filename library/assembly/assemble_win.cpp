// assemble_win.cpp - the library assembled on Windows: hardcopy and images answer graphics, and
// the kinds of special window install their tables with the window manager.
#include "assembly/assemble.hpp"
#include "editor/editor_record_win.hpp"
#include "grid/grid_window_win.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/bitmaps.hpp"
#include "images/image_files.hpp"

void yyassemblelibrary() {
    yyhardcopyinstallport();
    yyimagesinstallport();
    yyeditinstallkind();
    yybitmapviewerinstallkind();
    yygridinstallkind();
}
