// menus_win.cpp - menus and toolbars of library windows.
// The item-identifier lists and the toolbars arrive with the menu routines: a menu keeps its
// template's identifiers and a window gets no toolbar.
#include "dialogs/dialogs_internal_win.hpp"

void yymenuloadrc(HMENU, int) {}

HWND yymntbar(int, int, int) { return nullptr; }
