// grid_window_win.cpp - grid classes, the cell-change message and grid-window services.
// The grid control and the grid window arrive with the grid: until then the classes only pass
// their messages on, and no grid window exists to hold accelerators or unsaved changes.
#include "grid/grid_window_win.hpp"

#include <initializer_list>

UINT GM_CELLCHANGE;

void yygridregister() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const char* name : {"KBNGRID", "KBNGRIDCLIENT"}) {
        WNDCLASSA known;
        if (GetClassInfoA(instance, name, &known)) continue;
        WNDCLASSA grid = {};
        grid.lpfnWndProc = DefWindowProcA;
        grid.hInstance = instance;
        grid.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        grid.lpszClassName = name;
        RegisterClassA(&grid);
    }
    GM_CELLCHANGE = RegisterWindowMessageA("GM_CELLCHANGE");
}

bool yygridaccelerate(int*, MSG*) { return false; }

bool yygridwinunsaved(const int*) { return false; }

int yygridwinsaveprompt(int*) { return 1; }

void yygridwinrevert(int, int*) {}
