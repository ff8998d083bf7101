// assemble_win.cpp - the library assembled on Windows: the kinds of special window install their
// tables with the window manager.
#include "assembly/assemble.hpp"
#include "editor/editor_record_win.hpp"
#include "grid/grid_window_win.hpp"
#include "images/bitmaps.hpp"

void yyassemblelibrary() {
    yyeditinstallkind();
    yybitmapviewerinstallkind();
    yygridinstallkind();
}
