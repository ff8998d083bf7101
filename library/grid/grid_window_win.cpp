// grid_window_win.cpp - grid classes, the cell-change message and what the window manager and the
// rest of the library ask of grid windows: the grid of the current grid window, accelerators, the
// close check with its save prompt, turning back into a plain child, the fitted size and the
// title.
#include "grid/grid_window_win.hpp"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/messagebox.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_win.hpp"
#include "grid/grid_window_commands_win.hpp"
#include "grid/grid_window_record_win.hpp"
#include "grid/grid_window_rules.hpp"

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

// Field 0: the grid of the current grid window.
HWND currentWindowGrid() {
    const GridWindowRecord* w = yygridwindowrecord(-2);
    return w != nullptr ? gridWindowGrid(*w) : nullptr;
}

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

// The frame size that holds the given client size of the grid: the grid's borders, its scroll
// bars, then the frame's borders (with its menu bar).
GridWindowSize outerSize(HWND frame, HWND grid, GridWindowSize inside, const GridWindowFrame& around) {
    const int barsWidth = around.rowLabels + around.sideBars;
    const int barsHeight = around.header + around.stackedBars;
    RECT r{0, 0, inside.width - barsWidth, inside.height - barsHeight};
    const LONG gridStyle = GetWindowLongA(grid, GWL_STYLE);
    AdjustWindowRectEx(&r, static_cast<DWORD>(gridStyle), FALSE, static_cast<DWORD>(GetWindowLongA(grid, GWL_EXSTYLE)));
    if (gridStyle & WS_VSCROLL) r.right += GetSystemMetrics(SM_CXVSCROLL);
    if (gridStyle & WS_HSCROLL) r.bottom += GetSystemMetrics(SM_CYHSCROLL);
    RECT f{0, 0, r.right - r.left + barsWidth, r.bottom - r.top + barsHeight};
    AdjustWindowRectEx(&f, static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE)), GetMenu(frame) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(frame, GWL_EXSTYLE)));
    return {f.right - f.left, f.bottom - f.top};
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
    GridFieldHooks hooks;
    hooks.initialise = initialiseField;
    hooks.copy = yygridcopy;
    hooks.clear = yyGridClear;
    hooks.repaint = repaintCells;
    hooks.windowGrid = currentWindowGrid;
    yysetgridfieldhooks(hooks);
    bPrintSetsReady = 0;
}

void yygridinstallkind() {
    SpecialWindowCalls calls;
    calls.registerClasses = yygridregister;
    calls.accelerate = yygridaccelerate;
    calls.mayClose = [](HWND, int* record) { return !yygridwinunsaved(record) || yygridwinsaveprompt(record) == 1; };
    calls.revert = yygridwinrevert;
    calls.focus = [](const int* record) { return handleOf(record[HostedWindow]); };
    calls.runsOwnMenus = true;
    yysetspecialwindowcalls(KindGrid, calls);
}

GridWindowRecord* yygridwindowofframe(HWND frame) {
    int* words = frame != nullptr ? yywindowrecord(frame) : nullptr;
    return words != nullptr && words[0] == KindGrid ? reinterpret_cast<GridWindowRecord*>(words) : nullptr;
}

bool yygridaccelerate(int* record, MSG* message) {
    auto* w = reinterpret_cast<GridWindowRecord*>(record);
    HWND frame = GetParent(gridWindowGrid(*w));
    if (frame == nullptr) return false;
    for (HACCEL table : {w->hGridAccelerators, w->hUserAccelerators})
        if (table != nullptr && TranslateAcceleratorA(frame, table, message)) return true;
    return false;
}

bool yygridwinunsaved(const int* record) {
    const auto* w = reinterpret_cast<const GridWindowRecord*>(record);
    const GridControlRecord* g = yygridrecord(gridWindowGrid(*w));
    return w->bCanSave && g != nullptr && g->bUnsaved == 1;
}

int yygridwinsaveprompt(int* record) {
    auto* w = reinterpret_cast<GridWindowRecord*>(record);
    HWND grid = gridWindowGrid(*w);
    const GridControlRecord* g = yygridrecord(grid);
    int result = 1;
    if (w->bCanSave && g != nullptr)
        yygridwinsaveprompt(yygetwindowindex(GetParent(grid)), g->bUnsaved, result, w->iFilterIndex, w->bBackup,
                            w->bFileLabels, w->szFileName, w->szFilter);
    return result;
}

void yygridwinsaveprompt(int window, int unsaved, int& result, int& filterIndex, int backup, int fileLabels,
                         char* fileName, const char* filter) {
    result = 1;
    if (unsaved != 1) return;
    WMessageBox(4, 3, 1, yygridsavequestion(fileName), "Gravimonder Grid Editor");
    const int answer = gravim.dialogs.lastAnswer;
    if (answer == 0) {
        result = 0;
    } else if (answer == 1) {
        yygridwinsave(window, 0, result, filterIndex, backup, fileLabels, -1, -1, -1, -1, std::span<char>(fileName, 260),
                      std::span<const char>(filter, 1001));
    }
}

void yygridwinrevert(int n, int* record) {
    auto* w = reinterpret_cast<GridWindowRecord*>(record);
    HWND frame = wWindow[n];
    // The grid window's menu goes from every window that shows it.
    if (w->hMenuBar != nullptr) yydestroymenubar(n, w->hMenuBar);
    for (HACCEL table : {w->hGridAccelerators, w->hUserAccelerators})
        if (table != nullptr) DestroyAcceleratorTable(table);
    if (w->hGridToolbar != nullptr) DestroyWindow(w->hGridToolbar);
    if (w->hStatusBar != nullptr) {
        DestroyWindow(w->hStatusBar);
        yyforgetstatusbar(n, w->hStatusBar);
    }
    if (HWND grid = gridWindowGrid(*w)) {
        yyfreefieldrecord(grid, false);
        DestroyWindow(grid);
    }
    if (hClient[n] != nullptr) ShowWindow(hClient[n], SW_SHOW);
    DrawMenuBar(frame);
    delete w;
}

GridWindowSize yygridwindowouter(const GridWindowRecord& w, bool smallest) {
    HWND grid = gridWindowGrid(w);
    HWND frame = GetParent(grid);
    const GridControlRecord* g = yygridrecord(grid);
    const int n = yygetwindowindex(frame);
    if (g == nullptr || n < 0) return {};
    std::vector<int> widths;
    for (int c = 0; c < g->nColumns && g->pColumns != nullptr; ++c) widths.push_back(g->pColumns[c].cxWidth);
    GridWindowFrame around;
    around.rowLabels = g->cxRowLabels;
    around.header = g->cyHeader;
    around.sideBars = (hToolbar[n][1] != nullptr ? iToolSize[n][1] : 0) + (hToolbar[n][2] != nullptr ? iToolSize[n][2] : 0);
    around.stackedBars = heightOf(w.hStatusBar) + heightOf(w.hGridToolbar) + heightOf(hToolbar[n][0]) + heightOf(hToolbar[n][3]);
    const GridWindowSize inside = smallest ? yygridsmallestsize(widths, g->cyRow, around)
                                           : yygridfittedsize(widths, g->cyRow, g->nRows, around);
    return outerSize(frame, grid, inside, around);
}

void yyGridWinSize(const GridWindowRecord* w) {
    if (w == nullptr) return;
    HWND frame = GetParent(gridWindowGrid(*w));
    if (frame == nullptr || IsZoomed(frame) || IsIconic(frame)) return;
    RECT present;
    GetWindowRect(frame, &present);
    const GridWindowSize now{present.right - present.left, present.bottom - present.top};
    const GridWindowSize size = yygridshrunk(now, yygridwindowouter(*w, false));
    if (size.width != now.width || size.height != now.height)
        SetWindowPos(frame, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void yyGridTitle(HWND frame) {
    const GridWindowRecord* w = yygridwindowofframe(frame);
    if (w == nullptr) return;
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        SetWindowTextA(frame, yygridwindowtitle(w->szTitle, w->szFileName).c_str());
    } else if (w->hStatusBar != nullptr) {
        SendMessageA(w->hStatusBar, SB_SETTEXTA, 4, reinterpret_cast<LPARAM>(w->szFileName));
    }
}

HWND yyGridGetEditCell(const GridControlRecord* g) {
    if (g == nullptr || g->hEditor == nullptr) return nullptr;
    return yyisclass(g->hEditor, atomEdit) || yyisnumericclass(g->hEditor) ? g->hEditor : nullptr;
}
