// grid_window_win.cpp - grid classes, the cell-change message and grid-window services.
// The grid window arrives later: until then no grid window exists to hold accelerators or
// unsaved changes.
#include "grid/grid_window_win.hpp"

#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_win.hpp"

UINT GM_CELLCHANGE;
ATOM atomGrid, atomGridClient;

namespace {

std::size_t initialiseField(HWND grid, std::string_view text) {
    int used = 0;
    yygridinitialise(grid, text, used);
    return used > 0 ? static_cast<std::size_t>(used) : 0;
}

void repaintCells(HWND grid) {
    if (GridControlRecord* g = yygridrecord(grid); g != nullptr && g->hCells != nullptr)
        InvalidateRect(g->hCells, nullptr, TRUE);
    else
        InvalidateRect(grid, nullptr, TRUE);
}

// Grid windows come later: no current window holds a grid yet.
HWND currentWindowGrid() { return nullptr; }

ATOM registerClass(HINSTANCE instance, const char* name, WNDPROC procedure, int extra) {
    WNDCLASSA grid = {};
    grid.style = CS_PARENTDC;
    grid.lpfnWndProc = procedure;
    grid.cbWndExtra = extra;
    grid.hInstance = instance;
    grid.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    grid.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    grid.lpszClassName = name;
    return RegisterClassA(&grid);
}

}  // namespace

void yygridregister() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA known;
    if (!GetClassInfoA(instance, "KBNGRID", &known)) {
        // The extra word holds the grid's record: pointer-sized.
        atomGrid = registerClass(instance, "KBNGRID", yygridwndproc, sizeof(LONG_PTR));
        atomGridClient = registerClass(instance, "KBNGRIDCLIENT", yygridwndprocclient, 0);
    }
    GM_CELLCHANGE = RegisterWindowMessageA("GM_CELLCHANGE");
    gridFieldHooks.initialise = initialiseField;
    gridFieldHooks.copy = yygridcopy;
    gridFieldHooks.clear = yyGridClear;
    gridFieldHooks.repaint = repaintCells;
    gridFieldHooks.windowGrid = currentWindowGrid;
    bPrintSetsReady = 0;
}

bool yygridaccelerate(int*, MSG*) { return false; }

bool yygridwinunsaved(const int*) { return false; }

int yygridwinsaveprompt(int*) { return 1; }

void yygridwinrevert(int, int*) {}

void yyGridWinSize() {}
