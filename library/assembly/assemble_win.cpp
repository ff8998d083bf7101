// assemble_win.cpp - the library assembled on Windows: the window manager answers the base, the
// dialog manager and graphics the window manager, graphics and images give the dialog manager its
// fields' pictures, hardcopy and images answer graphics, the add-ons install their start-up and
// close hooks with the base, and the kinds of special window their tables with the window manager.
#include "assembly/assemble.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "editor/buffer_store.hpp"
#include "editor/editor_record_win.hpp"
#include "graphics/metafile_gdi_win.hpp"
#include "graphics/screen_win.hpp"
#include "grid/grid_window_win.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmaps_win.hpp"
#include "images/image_files.hpp"

void yyassemblelibrary() {
    yywindowmanagerinstall();
    yydialoginstallcalls();
    yydialoginstallhooks();
    yygraphicsinstallscreenport();
    yygraphicsinstallfieldpictures();
    yyhardcopyinstallport();
    yyhardcopyinstallhooks();
    yyimagesinstallport();
    yyimagesinstallfieldpictures();
    yyimagesinstallhooks();
    yyeditinstallhooks();
    yyeditinstallkind();
    yybitmapviewerinstallkind();
    yygridinstallkind();
}
