// assemble_win.cpp - the library assembled on Windows: the dialog manager answers the window
// manager, hardcopy and images answer graphics, and the kinds of special window install their
// tables with the window manager.
#include "assembly/assemble.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "editor/editor_record_win.hpp"
#include "grid/grid_window_win.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/bitmaps.hpp"
#include "images/image_files.hpp"

void yyassemblelibrary() {
    yydialoginstallcalls();
    yyhardcopyinstallport();
    yyimagesinstallport();
    yyeditinstallkind();
    yybitmapviewerinstallkind();
    yygridinstallkind();
}
