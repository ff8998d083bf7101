// surface_targets_win.cpp - the Win32 drawing targets of the four surface types.
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/show_internal_win.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/metafiles.hpp"
#include "graphics/screen_win.hpp"
#include "graphics/surface_targets.hpp"

void yygrtargetnone() { yygrselectnone(); }

void yygrtargetwindow(int n) { WindowSelect(n); }

void yygrtargetbitmap(int slot, int& status, int& width, int& height) {
    yyimageport().selectBitmap(slot, status, width, height);
}

void yygrtargetfield(int& field, int& width, int& height) { yyfieldselect(field, width, height); }

void yygrtargetmetafile(int slot, int& status, int& width, int& height) {
    yymetafileselect(slot, status, width, height);
}
