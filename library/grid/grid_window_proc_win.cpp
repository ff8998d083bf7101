// grid_window_proc_win.cpp - the grid window's procedure: commands, menu states and prompts, cell
// changes to the status bar and as field-change events, spin steps of numeric cell editors, focus,
// layout, size limits, closing and destruction in each mode.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/callback_guard.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_window_commands_win.hpp"
#include "grid/grid_window_win.hpp"

namespace {

struct Prompt {
    int id;
    const char* text;
};
constexpr Prompt Prompts[] = {
    {GridWinFileMenu, "Commands to Load and Save files"},
    {GridWinNew, "Clears the grid"},
    {GridWinOpen, "Loads an existing grid"},
    {GridWinSave, "Saves the grid"},
    {GridWinSaveAs, "Saves the grid with a new name"},
    {GridWinSaveSelection, "Saves the selected cells"},
    {GridWinSaveHTML, "Saves the grid as an HTML document"},
    {GridWinPrint, "Prints the grid"},
    {GridWinPrintSelection, "Prints the selected cells"},
    {GridWinExit, "Closes the grid; prompts you to save changes"},
    {GridWinEditMenu, "Commands for Editing and Sorting cells"},
    {GridWinCut, "Cuts the selected cells and places them on the clipboard"},
    {GridWinCopy, "Copies the selected cells and places them on the clipboard"},
    {GridWinPaste, "Inserts clipboard contents"},
    {GridWinDelete, "Clears the selected cells"},
    {GridWinSelectAll, "Selects the entire grid"},
    {GridWinSort, "Sorts the rows of the grid"},
    {GridWinInsertBefore, "Inserts a row into the grid, before the current row"},
    {GridWinInsertAfter, "Inserts a row into the grid, after the current row"},
    {GridWinDeleteRow, "Deletes a row from the grid"},
    {GridWinSearchMenu, "Commands for Searching and Navigation"},
    {GridWinFind, "Finds the specified string value"},
    {GridWinFindNext, "Repeats the last find"},
    {GridWinGotoCell, "Moves to the specified cell"},
    {GridWinGotoRow, "Moves to the specified row"},
    {GridWinGotoColumn, "Moves to the specified column"},
};

constexpr Prompt Tooltips[] = {
    {GridWinNew, "New"},   {GridWinOpen, "Open"}, {GridWinSave, "Save"},   {GridWinPrint, "Print"},
    {GridWinCut, "Cut"},   {GridWinCopy, "Copy"}, {GridWinPaste, "Paste"}, {GridWinFind, "Find"},
};

const char* textOf(const Prompt* table, std::size_t count, int id) {
    for (std::size_t k = 0; k < count; ++k)
        if (table[k].id == id) return table[k].text;
    return nullptr;
}

// The font last given to any grid window's frame.
HFONT lastFrameFont = nullptr;

bool readOnlyGrid(HWND grid) { return (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly) != 0; }
bool hasSelection(const GridControlRecord* g) { return g->iSelFirstRow >= 0 && g->iSelFirstColumn >= 0; }

void raiseMenu(HWND frame, WPARAM wParam, LPARAM lParam) { yyinterpretmessage(EvMenu, 0, wParam, lParam, frame); }

// ---- commands ----

// The save prompt before New, Open and closing: true when the command may go on.
bool prompting(GridWindowRecord& w) { return yygridwinsaveprompt(reinterpret_cast<int*>(&w)) == 1; }

void clipboardCommand(HWND grid, GridControlRecord* g, int id) {
    HWND editor = yyGridGetEditCell(g);
    const bool selection = hasSelection(g);
    switch (id) {
    case GridWinCut:
        if (selection) {
            if (yygridclipcopy(grid)) yygridclipdelete(grid);
        } else if (editor != nullptr) {
            SendMessageA(editor, WM_COPY, 0, 0);
            SendMessageA(editor, WM_CLEAR, 0, 0);
        }
        break;
    case GridWinCopy:
        if (selection) yygridclipcopy(grid);
        else if (editor != nullptr) SendMessageA(editor, WM_COPY, 0, 0);
        break;
    case GridWinPaste: {
        const int kind = yygridcheckclipboard();
        if (kind == 1 && editor != nullptr) SendMessageA(editor, WM_PASTE, 0, 0);
        else if (kind == 2) yygridclippaste(grid);
        break;
    }
    case GridWinDelete:
        if (selection) yygridclipdelete(grid);
        else if (editor != nullptr) SendMessageA(editor, WM_CLEAR, 0, 0);
        break;
    default: break;
    }
}

// The routines below may show dialogs that let this procedure run again: the record is read
// afresh after each.
void command(HWND frame, WPARAM wParam, LPARAM lParam) {
    GridWindowRecord* w = yygridwindowofframe(frame);
    if (w == nullptr) return;
    HWND grid = gridWindowGrid(*w);
    GridControlRecord* g = yygridrecord(grid);
    const int n = yygetwindowindex(frame);
    const int id = LOWORD(wParam);
    if (g == nullptr) {
        raiseMenu(frame, wParam, lParam);
        return;
    }
    const int firstRow = g->iSelFirstRow, lastRow = g->iSelLastRow;
    const int firstColumn = g->iSelFirstColumn, lastColumn = g->iSelLastColumn;
    int result = 0;
    auto fresh = [&] { return yygridwindowofframe(frame); };
    switch (id) {
    case GridWinNew:
        if (!w->bCanNew || !prompting(*w) || (w = fresh()) == nullptr) return;
        yyGridClear(grid, 0);
        w->szFileName[0] = '\0';
        yyGridTitle(frame);
        if ((g = yygridrecord(grid)) != nullptr) g->bUnsaved = g->bModified = 0;
        raiseMenu(frame, wParam, lParam);
        return;
    case GridWinOpen:
        if (!w->bCanOpen || !prompting(*w) || (w = fresh()) == nullptr) return;
        yygridwinload(n, 1, w->bGrowRows, result, w->iFilterIndex, w->bFileLabels, w->szFileName, w->szFilter);
        if (result != 1 || (w = fresh()) == nullptr) return;
        if ((g = yygridrecord(grid)) != nullptr) g->bUnsaved = g->bModified = 0;
        yyGridTitle(frame);
        raiseMenu(frame, wParam, lParam);
        return;
    case GridWinSave:
    case GridWinSaveAs:
        if (!(id == GridWinSave ? w->bCanSave : w->bCanSaveAs)) return;
        yygridwinsave(n, id == GridWinSaveAs ? 1 : 0, result, w->iFilterIndex, w->bBackup, w->bFileLabels, -1, -1, -1, -1,
                      w->szFileName, w->szFilter);
        if (result != 1 || fresh() == nullptr) return;
        if ((g = yygridrecord(grid)) != nullptr) g->bUnsaved = 0;
        yyGridTitle(frame);
        raiseMenu(frame, wParam, lParam);
        return;
    case GridWinSaveSelection:
        if (!w->bCanSaveAs) return;
        yygridwinsave(n, 1, result, w->iFilterIndex, w->bBackup, w->bFileLabels, firstRow, lastRow, firstColumn, lastColumn,
                      w->szFileName, w->szFilter);
        return;
    case GridWinSaveHTML:
        if (!w->bCanSaveHTML) return;
        yygridwinsavehtml(n, firstRow, lastRow, firstColumn, lastColumn, result, w->bBackup, w->szFileName);
        if (result == 1) raiseMenu(frame, wParam, lParam);
        return;
    case GridWinPrint:
    case GridWinPrintSelection:
        if (id == GridWinPrint) yygridwinprint(n, 0, g->nRows - 1, 0, g->nColumns - 1, result);
        else yygridwinprint(n, firstRow, lastRow, firstColumn, lastColumn, result);
        if (result == 1) raiseMenu(frame, wParam, lParam);
        return;
    case GridWinExit: SendMessageA(frame, WM_CLOSE, 0, 0); return;
    case GridWinCut:
    case GridWinCopy:
    case GridWinPaste:
    case GridWinDelete: clipboardCommand(grid, g, id); return;
    case GridWinSelectAll: yygridselectrange(grid, 0, g->nRows - 1, 0, g->nColumns - 1); return;
    case GridWinSort:
        yygridwinsort(n, w->bMoveRowLabels, result);
        if (result == 1) raiseMenu(frame, wParam, lParam);
        return;
    case GridWinInsertBefore:
    case GridWinInsertAfter:
    case GridWinDeleteRow:
        if (!w->bCanEditRows) return;
        if (id == GridWinDeleteRow) yygridwindeleterow(n, w->bMoveRowLabels, w->bGrowRows);
        else yygridwininsertrow(n, w->bMoveRowLabels, w->bGrowRows, id == GridWinInsertAfter ? 1 : 0);
        raiseMenu(frame, wParam, lParam);
        if ((g = yygridrecord(grid)) != nullptr) g->bUnsaved = g->bModified = 1;
        return;
    case GridWinFind:
    case GridWinFindNext:
        if (!w->bCanFind) return;
        yygridwinfind(n, id == GridWinFind ? 1 : 2, w->bFindMatchCase, w->bFindNumeric, w->szFindText);
        return;
    case GridWinGotoCell: yygridwingoto(n, 1); return;
    case GridWinGotoRow: yygridwingoto(n, 2); return;
    case GridWinGotoColumn: yygridwingoto(n, 3); return;
    default: raiseMenu(frame, wParam, lParam); return;
    }
}

// ---- menu states and prompts ----

void enable(HMENU menu, int id, bool on) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// The last row in use holding a locked cell, -1 when none does or the window ignores locks. Every
// row command moves the rows from some row to the last one, so this one row answers them all.
int lastLockedRow(const GridWindowRecord& w, const GridControlRecord* g) {
    int last = -1;
    if (w.bIgnoreLockedCells) return last;
    for (int c = 0; c < g->nColumns && g->pColumns != nullptr; ++c)
        for (int r = g->nRows - 1; r > last; --r)
            if (g->pColumns[c].pCellFlags[r] & CellReadOnly) {
                last = r;
                break;
            }
    return last;
}

void menuStates(const GridWindowRecord& w, HMENU menu) {
    HWND grid = gridWindowGrid(w);
    const GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    const bool selection = hasSelection(g);
    const bool gridReadOnly = readOnlyGrid(grid);
    if (menu == w.hFileMenu) {
        enable(menu, GridWinSaveSelection, selection);
        enable(menu, GridWinPrintSelection, selection);
    } else if (menu == w.hEditMenu) {
        HWND editor = yyGridGetEditCell(g);
        DWORD start = 0, end = 0;
        if (editor != nullptr) SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const bool editorText = editor != nullptr && end > start;
        const bool editorWritable = editor != nullptr && (GetWindowLongA(editor, GWL_STYLE) & ES_READONLY) == 0 && !gridReadOnly;
        const bool cut = selection ? yygridcancut(grid) != 0 : editorText && editorWritable;
        enable(menu, GridWinCut, cut);
        enable(menu, GridWinDelete, cut);
        enable(menu, GridWinCopy, selection || editorText);
        const int clipboard = yygridcheckclipboard();
        enable(menu, GridWinPaste, clipboard == 2 ? yygridcanpaste(grid) != 0 : clipboard == 1 && editorWritable);
        const int locked = lastLockedRow(w, g);
        // A locked cell in the rows from first on.
        auto lockedFrom = [locked](int first) { return locked >= 0 && locked >= first; };
        enable(menu, GridWinSort, !gridReadOnly && !lockedFrom(0));
        const int row = g->iCurRow;
        enable(menu, GridWinInsertAfter,
               !gridReadOnly && !lockedFrom(row + 1) && row != g->nRowsAllocated - 1 &&
                   !(row == g->nRows - 1 && !w.bGrowRows));
        const bool fromCurrent = !gridReadOnly && !lockedFrom(row);
        enable(menu, GridWinInsertBefore, fromCurrent);
        enable(menu, GridWinDeleteRow, fromCurrent);
    } else if (menu == w.hSearchMenu) {
        enable(menu, GridWinFindNext, w.szFindText[0] != '\0');
    }
}

LRESULT menuSelected(HWND frame, const GridWindowRecord& w, WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && menu == nullptr) return 0;
    HWND bar = w.hStatusBar != nullptr ? w.hStatusBar : yyGetPromptWindow(yygetwindowindex(frame));
    if (bar == nullptr || (flags & MF_SYSMENU)) return yyWndProc(frame, WM_MENUSELECT, wParam, lParam);
    const bool popup = (flags & MF_POPUP) != 0;
    UINT id = LOWORD(wParam);
    if (popup) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID;
        id = GetMenuItemInfoA(menu, id, TRUE, &item) ? item.wID : 0xFFFFFFFF;
    }
    // A prompt the application's menu resource attached to the item comes first.
    MENUITEMINFOA data = {};
    data.cbSize = sizeof data;
    data.fMask = MIIM_DATA;
    const char* text = nullptr;
    std::string attached;
    if (w.hMenuBar != nullptr && GetMenuItemInfoA(w.hMenuBar, id, FALSE, &data) && data.dwItemData != 0) {
        attached = reinterpret_cast<const char*>(data.dwItemData);
        text = attached.c_str();
    } else if (id == 0) {
        text = "";
    } else {
        text = textOf(Prompts, std::size(Prompts), static_cast<int>(id));
    }
    if (text == nullptr) return yyWndProc(frame, WM_MENUSELECT, wParam, lParam);
    SendMessageA(bar, SB_SETTEXTA, 255 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
    return 0;
}

// ---- cell changes ----

// The menu bar of the nearest host follows the inside window that last took a cell.
void followInsideWindow(HWND frame) {
    HWND below = frame;
    HMENU showing = nullptr;
    HWND outermost = nullptr;
    for (HWND client = GetParent(below); (GetWindowLongA(below, GWL_STYLE) & WS_CHILD) && client != nullptr;
         client = GetParent(below)) {
        HWND host = GetParent(client);
        int* record = host != nullptr ? yywindowrecord(host) : nullptr;
        if (record == nullptr || record[0] != KindSplit) break;
        record[SplitLastFocused] = wordOf(below);
        if (showing == nullptr) {
            const int m = yygetwindowindex(host);
            showing = m >= 0 ? hMenuRoot[m] : nullptr;
            const int first = record[SplitFirstPane], second = record[SplitFirstPane + 1];
            auto menuOf = [](int pane) { return pane >= 0 && pane < MaxWindows ? hMenuRoot[pane] : nullptr; };
            if (first >= 0 && first < MaxWindows && wWindow[first] == frame && menuOf(first) != nullptr) showing = menuOf(first);
            else if (menuOf(second) != nullptr) showing = menuOf(second);
        }
        outermost = host;
        below = host;
    }
    if (outermost != nullptr && showing != nullptr && GetMenu(outermost) != showing &&
        (GetWindowLongA(outermost, GWL_STYLE) & WS_CHILD) == 0) {
        SetMenu(outermost, showing);
        DrawMenuBar(outermost);
    }
}

void cellChanged(HWND frame, GridWindowRecord& w, LPARAM lParam) {
    const unsigned cell = static_cast<unsigned>(lParam);
    if (w.hStatusBar != nullptr) {
        const std::string row = yygridstatusnumber(cell & 0x3FFFF), column = yygridstatusnumber(cell >> 18);
        SendMessageA(w.hStatusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(row.c_str()));
        SendMessageA(w.hStatusBar, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>(column.c_str()));
        UpdateWindow(w.hStatusBar);
    }
    if (w.iMode == 1) return;
    const EventState& e = gravim.events;
    // A change never displaces another event already waiting to be taken.
    const bool otherHeld = e.wValidMessage == 0 && e.wMessageType != 0 && e.wMessageType != EvFieldChanged;
    if (e.wMessageEnabled[EvFieldChanged - 1] != 0 && !otherHeld) {
        const int x = yyfieldchangedx(w.iLastCell);
        yystorefieldchanged(yygetwindowindex(frame), 0, 0, 0, x, static_cast<int>(lParam));
    }
    w.iLastCell = static_cast<int>(lParam);
    followInsideWindow(frame);
}

// ---- notifications ----

LRESULT notified(HWND frame, const GridWindowRecord& w, WPARAM wParam, LPARAM lParam) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) return 0;
    if (header->code == UDN_DELTAPOS && yyisclass(header->hwndFrom, atomUpDown)) {
        auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
        HWND buddy = reinterpret_cast<HWND>(SendMessageA(header->hwndFrom, UDM_GETBUDDY, 0, 0));
        if (buddy != nullptr && yyisspinclass(buddy)) {
            change->iDelta = yygridspindelta(change->iDelta);
            yyspinfieldstep(change);
            return 0;
        }
        return DefWindowProcA(frame, WM_NOTIFY, wParam, lParam);
    }
    if (header->code == TTN_GETDISPINFOA) {
        if (header->hwndFrom != w.hTooltips || w.hTooltips == nullptr) return yyWndProc(frame, WM_NOTIFY, wParam, lParam);
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        const char* text = textOf(Tooltips, std::size(Tooltips), static_cast<int>(header->idFrom));
        lstrcpynA(info->szText, text != nullptr ? text : "", sizeof info->szText);
        info->lpszText = info->szText;
        info->hinst = nullptr;
        return 0;
    }
    return DefWindowProcA(frame, WM_NOTIFY, wParam, lParam);
}

// ---- focus, size ----

void activated(HWND frame) {
    HWND parent = GetParent(frame);
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) && parent != nullptr && yyisclass(parent, atomClient)) {
        SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetActiveWindow(frame);
        HWND focus = GetFocus();
        if (focus != frame && !IsChild(frame, focus)) SetFocus(frame);
    }
    yytitlecolour(frame);
}

void sized(HWND frame, const GridWindowRecord& w, WPARAM wParam) {
    if (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) {
        if (yychildsized(frame, wParam)) return;
    } else if (wParam == SIZE_MINIMIZED) {
        return;
    }
    const RECT area = yygridwindowlayout(frame, w, true);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (HWND grid = gridWindowGrid(w)) MoveWindow(grid, area.left, area.top, width, height, TRUE);
    if (const int n = yygetwindowindex(frame); n >= 0 && hClient[n] != nullptr)
        MoveWindow(hClient[n], area.left, area.top, width, height, FALSE);
}

void sizeLimits(const GridWindowRecord& w, MINMAXINFO* info) {
    const GridWindowSize fitted = yygridwindowouter(w, false);
    if (fitted.width <= 0 || fitted.height <= 0) return;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG widest = work.right - work.left + 2 * GetSystemMetrics(SM_CXEDGE);
    const LONG highest = work.bottom - work.top + 2 * GetSystemMetrics(SM_CYEDGE);
    info->ptMaxSize.x = std::min<LONG>(std::min<LONG>(info->ptMaxSize.x, fitted.width), widest);
    info->ptMaxSize.y = std::min<LONG>(std::min<LONG>(info->ptMaxSize.y, fitted.height), highest);
    info->ptMaxTrackSize = info->ptMaxSize;
    const GridWindowSize smallest = yygridwindowouter(w, true);
    info->ptMinTrackSize.x = std::min<LONG>(smallest.width, info->ptMaxTrackSize.x);
    info->ptMinTrackSize.y = std::min<LONG>(smallest.height, info->ptMaxTrackSize.y);
}

// ---- closing and destruction ----

LRESULT closing(HWND frame, GridWindowRecord& w, WPARAM wParam, LPARAM lParam) {
    if (!prompting(w)) return 0;
    GridWindowRecord* r = yygridwindowofframe(frame);
    if (r == nullptr) return 0;
    if (r->iMode == 1) {
        r->bModalDone = 1;
        LastModalGridState& last = LastModalGridWindow;
        if (const GridControlRecord* g = yygridrecord(gridWindowGrid(*r))) {
            last.bUnsaved = g->bUnsaved;
            last.bModified = g->bModified;
        }
        std::memcpy(last.szFindText, r->szFindText, sizeof last.szFindText);
        std::memcpy(last.szInfoText, r->szInfoText, sizeof last.szInfoText);
        std::memcpy(last.szFileName, r->szFileName, sizeof last.szFileName);
        last.bFindMatchCase = r->bFindMatchCase;
        last.bFindNumeric = r->bFindNumeric;
        return DefWindowProcA(frame, WM_CLOSE, wParam, lParam);
    }
    yyinterpretmessage(EvCloseRequest, 0, wParam, lParam, frame);
    return 0;
}

void destroyed(HWND frame, GridWindowRecord* w) {
    const int n = yygetwindowindex(frame);
    if (w->iMode == 3) yysemimodalwindowgone(n);
    for (HACCEL* table : {&w->hGridAccelerators, &w->hUserAccelerators}) {
        if (*table != nullptr) DestroyAcceleratorTable(*table);
        *table = nullptr;
    }
    if (n >= 0 && hMenuRoot[n] != nullptr) yyClearMenuPrompt(hMenuRoot[n], n);
    if (HWND grid = gridWindowGrid(*w)) yyfreefieldrecord(grid, false);
    if (w->iMode == 1) {
        yyforgetmodalwindow(frame, n);  // the window manager's own close is not taken
        w->bModalDone = 1;              // however the window went, its loop ends
    }
    yysetwindowrecord(frame, nullptr);
    if (w->iMode != 1) delete w;  // a modal window's record goes after its loop
}

LRESULT gridWindowMessage(HWND frame, GridWindowRecord& w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == GM_CELLCHANGE && GM_CELLCHANGE != 0) {
        cellChanged(frame, w, lParam);
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) > 1) return DefWindowProcA(frame, message, wParam, lParam);
        command(frame, wParam, lParam);
        return 0;
    case WM_INITMENUPOPUP: menuStates(w, reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_MENUSELECT: return menuSelected(frame, w, wParam, lParam);
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_NCHITTEST: return yyWndProc(frame, message, wParam, lParam);
    case WM_SETFONT:
        lastFrameFont = reinterpret_cast<HFONT>(wParam);
        return yyWndProc(frame, message, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(lastFrameFont);
    case WM_NOTIFY: return notified(frame, w, wParam, lParam);
    case WM_SETFOCUS:
        yysettitlewindow(frame);
        yysetactivemodelessdialog(nullptr);
        if (HWND grid = gridWindowGrid(w)) SetFocus(grid);
        return 0;
    case WM_MOUSEACTIVATE: activated(frame); return 0;
    case WM_PARENTNOTIFY:
        if (const UINT event = LOWORD(wParam); event == WM_LBUTTONDOWN || event == WM_MBUTTONDOWN || event == WM_RBUTTONDOWN)
            activated(frame);
        return 0;
    case WM_SIZE: sized(frame, w, wParam); return 0;
    case WM_GETMINMAXINFO: sizeLimits(w, reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_CLOSE: return closing(frame, w, wParam, lParam);
    case WM_DESTROY:
        destroyed(frame, &w);
        return DefWindowProcA(frame, message, wParam, lParam);
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

}  // namespace

RECT yygridwindowlayout(HWND frame, const GridWindowRecord& w, bool resizing) {
    const int n = yygetwindowindex(frame);
    RECT area;
    GetClientRect(frame, &area);
    if (HWND bar = w.hStatusBar) {
        if (resizing) InvalidateRect(bar, nullptr, TRUE);
        SendMessageA(bar, WM_SIZE, 0, 0);
        area.bottom -= heightOf(bar);
    }
    if (HWND toolbar = w.hGridToolbar) {
        SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
        area.top += heightOf(toolbar);
    }
    return n < 0 ? area : yyplacedockedbars(n, area);
}

LRESULT CALLBACK yyGridWindowWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyGridWindowWndProc",
        [&]() -> LRESULT {
            GridWindowRecord* w = yygridwindowofframe(frame);
            if (w == nullptr) return DefWindowProcA(frame, message, wParam, lParam);
            return gridWindowMessage(frame, *w, message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(frame, message, wParam, lParam); });
}
