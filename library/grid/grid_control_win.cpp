// grid_control_win.cpp - the "KBNGRID" window: creation and destruction, font and size, layout
// with the scroll divisor, scrolling by line, page, thumb and wheel, the header controls (clicks
// and divider drags), focus, enabling, style changes and the private messages.

#include "base/callback_guard.hpp"
#include "windows/window_tables_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_geometry.hpp"

int bCellUpdate = 1;
int bGridInternalFocus = 0;

namespace {

int cellAreaWidth(const GridControlRecord* g) {
    RECT r{};
    if (g->hCells != nullptr) GetClientRect(g->hCells, &r);
    return r.right;
}

// The height of a drop-down list combo box with the font, less one: the grid's row height.
int measureRow(HWND grid, HFONT font) {
    HWND probe = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100, grid, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (probe == nullptr) return 20;
    if (font != nullptr) SendMessageA(probe, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    RECT r;
    GetWindowRect(probe, &r);
    DestroyWindow(probe);
    int height = r.bottom - r.top - 1;
    return height > 2 ? height : 3;
}

LONG styleOf(HWND grid) { return GetWindowLongA(grid, GWL_STYLE); }

void fitHeight(HWND grid, GridControlRecord* g) {
    RECT w;
    GetWindowRect(grid, &w);
    int height = (g->cyRow - 1) * g->nRowsFit + g->cyFrame + 1 + ((styleOf(grid) & GridColumnHeader) ? 2 : 0);
    SetWindowPos(grid, nullptr, 0, 0, w.right - w.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT onCreate(HWND grid, const CREATESTRUCTA* cs) {
    auto* g = new (std::nothrow) GridControlRecord;
    if (g == nullptr) return -1;
    SetWindowLongPtrA(grid, 0, reinterpret_cast<LONG_PTR>(g));
    g->cyRow = measureRow(grid, nullptr);
    RECT client;
    GetClientRect(grid, &client);
    const int h = client.bottom;
    g->nRowsFit = (h - 1) / (g->cyRow - 1);
    g->cyFrame = cs->cy - h;
    g->cyClient = h;
    HWND parent = GetParent(grid);
    g->hFont = parent != nullptr ? reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
    const LONG style = cs->style;
    if (!(style & GridKeepHeight)) {
        int height = (g->cyRow - 1) * g->nRowsFit + g->cyFrame + 1 + ((style & GridColumnHeader) ? 2 : 0);
        SetWindowPos(grid, nullptr, 0, 0, cs->cx, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (style & GridColumnHeader) {
        GetClientRect(grid, &client);
        g->hHeader = CreateWindowExA(WS_EX_NOPARENTNOTIFY, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0,
                                     client.right, g->cyRow, grid, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (g->hHeader == nullptr) return -1;
        SetWindowLongPtrA(g->hHeader, GWLP_USERDATA,
                          SetWindowLongPtrA(g->hHeader, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yygridsubheader)));
        if (g->hFont != nullptr) SendMessageA(g->hHeader, WM_SETFONT, reinterpret_cast<WPARAM>(g->hFont), FALSE);
        RECT r;
        GetWindowRect(g->hHeader, &r);
        g->cyHeader = r.bottom - r.top;
        --g->nRowsFit;
    }
    return 0;
}

void onDestroy(HWND grid, GridControlRecord* g) {
    yyGridDestroyCurrent(g, true);
    if (!g->bSharesStorage) {
        for (int c = 0; c < g->nColumns && g->pColumns != nullptr; ++c) {
            GridColumnRecord& column = g->pColumns[c];
            // The column control's record owns its format copy.
            if (column.hControl != nullptr) yyfreefieldrecord(column.hControl, false);
            yygridfreecells(column);
        }
        delete[] g->pColumns;
        delete[] g->pRowLabels;
    }
    delete[] g->pRowLabelWindows;
    SetWindowLongPtrA(grid, 0, 0);
    delete g;
}

void onSetFont(HWND grid, GridControlRecord* g, HFONT font) {
    g->hFont = font;
    g->cyRow = measureRow(grid, font);
    g->nRowsFit = (g->cyClient - 1) / (g->cyRow - 1);
    if (!(styleOf(grid) & GridKeepHeight) && !g->bDesignMode) fitHeight(grid, g);
    if (g->hHeader != nullptr) {
        SendMessageA(g->hHeader, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        RECT r;
        GetClientRect(grid, &r);
        SetWindowPos(g->hHeader, nullptr, 0, 0, r.right, g->cyRow + 1, SWP_NOZORDER | SWP_NOACTIVATE);
        g->cyHeader = g->cyRow + 1;
        --g->nRowsFit;
    }
}

// Keeps the current column in view; true when it had to scroll.
bool keepCurrentColumn(HWND grid, GridControlRecord* g) {
    const int width = cellAreaWidth(g);
    if (g->iCurColumn > g->iLastColumn) {
        int first = yygridfirstcolumnending(*g, g->iCurColumn, width);
        SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, first), 0);
        return true;
    }
    int allFit = yygridfirstcolumnending(*g, g->nColumns - 1, width);
    if (allFit < g->iFirstColumn) {
        SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, allFit), 0);
        return true;
    }
    return false;
}

void onSize(HWND grid, GridControlRecord* g) {
    RECT client;
    GetClientRect(grid, &client);
    if (g->hHeader != nullptr) {
        RECT h;
        GetWindowRect(g->hHeader, &h);
        SetWindowPos(g->hHeader, nullptr, 0, 0, client.right, h.bottom - h.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (g->hCells != nullptr) {
        int widest = 0;
        for (int c = 0; c < g->nColumns; ++c)
            if (g->pColumns[c].cxWidth > widest) widest = g->pColumns[c].cxWidth;
        int width = client.right - g->cxRowLabels;
        int height = client.bottom - g->cyHeader;
        SetWindowPos(g->hCells, nullptr, g->cxRowLabels, g->cyHeader, width > widest ? width : widest,
                     height > g->cyRow ? height : g->cyRow, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int lastBefore = g->iLastColumn;
    yygridlayout(grid);
    if (g->iLastColumn != lastBefore && g->hCells != nullptr) InvalidateRect(g->hCells, nullptr, TRUE);
    if (g->nColumns > 0) keepCurrentColumn(grid, g);
    yysetvalidationoverride(0);
}

void scrollChildren(GridControlRecord* g, int dx, int dy) {
    if (g->hCells == nullptr) return;
    if (IsWindowVisible(g->hCells)) {
        ScrollWindowEx(g->hCells, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
        return;
    }
    // A hidden cell area does not move its children: the editor and its spin box follow by hand.
    for (HWND w : {g->hEditor, g->hEditor != nullptr && yyfieldrecord(g->hEditor) != nullptr ? yyfieldrecord(g->hEditor)->spinBuddy : nullptr}) {
        if (w == nullptr) continue;
        RECT r;
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, g->hCells, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(w, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void onVScroll(HWND grid, GridControlRecord* g, int code, int thumb) {
    const int unsaved = g->bUnsaved, modified = g->bModified;
    const bool focusInside = yygridhasfocus(grid);
    if (focusInside && g->hEditor != nullptr && GetFocus() == g->hEditor && yygridrefuses(g, g->hEditor)) return;
    const int d = yygridverticalamount(*g, code, thumb);
    if (d != 0) {
        yygridselectnone(grid);
        yyGridStoreCurrent(g);
        g->iFirstRow += d;
        SetScrollPos(grid, SB_VERT, g->iFirstRow / g->nScrollDivisor, TRUE);
        scrollChildren(g, 0, -d * (g->cyRow - 1));
        int row = g->iCurRow;
        if (row < g->iFirstRow) row = g->iFirstRow;
        if (row > g->iFirstRow + g->nRowsFit - 1) row = g->iFirstRow + g->nRowsFit - 1;
        if (row >= g->nRows) row = g->nRows - 1;
        if (row < 0) row = 0;
        yygridupdatecell(grid, g->iCurColumn, row, 0, 0);
        if (focusInside && g->hEditor != nullptr) {
            bGridInternalFocus = 1;
            SetFocus(g->hEditor);
            bGridInternalFocus = 0;
        }
        yyGridUpdateRowLabels(g);
        if (g->hCells != nullptr) UpdateWindow(g->hCells);
        if (g->pRowLabelWindows != nullptr && g->nRowSlotsShown > g->nRowsFit && g->nRowsFit >= 0) {
            HWND last = g->pRowLabelWindows[g->nRowSlotsShown - 1];
            if (last != nullptr) ShowWindow(last, g->iFirstRow + g->nRowsFit < g->nRows ? SW_SHOWNA : SW_HIDE);
        }
    }
    g->bUnsaved = unsaved;
    g->bModified = modified;
}

void onHScroll(HWND grid, GridControlRecord* g, int code, int thumb) {
    const bool focusInside = yygridhasfocus(grid);
    if (focusInside && g->hEditor != nullptr && GetFocus() == g->hEditor && yygridrefuses(g, g->hEditor)) return;
    const int width = cellAreaWidth(g);
    const int d = yygridhorizontalamount(*g, code, thumb, width);
    if (d == 0) return;
    yygridselectnone(grid);
    const int shift = -yygridcolumndistance(*g, g->iFirstColumn, g->iFirstColumn + d);
    g->iFirstColumn += d;
    SetScrollPos(grid, SB_HORZ, g->iFirstColumn, TRUE);
    g->iLastColumn = yygridlastcolumnfrom(*g, g->iFirstColumn, width);
    yygridheaderwidths(grid);
    scrollChildren(g, shift, 0);
    int column = g->iCurColumn;
    if (column < g->iFirstColumn) column = g->iFirstColumn;
    if (column > g->iLastColumn) column = g->iLastColumn;
    yygridupdatecell(grid, column, g->iCurRow, 0, 0);
    if (focusInside && g->hEditor != nullptr) {
        bGridInternalFocus = 1;
        SetFocus(g->hEditor);
        bGridInternalFocus = 0;
    }
    if (g->hCells != nullptr) InvalidateRect(g->hCells, nullptr, TRUE);
    if (g->hHeader != nullptr) InvalidateRect(g->hHeader, nullptr, TRUE);
}

void focusGridInternally(HWND grid) {
    bGridInternalFocus = 1;
    SetFocus(grid);
    bGridInternalFocus = 0;
}

bool shiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

LRESULT onHeaderNotify(HWND grid, GridControlRecord* g, NMHDR* n) {
    auto* h = reinterpret_cast<NMHEADERA*>(n);
    const bool columnHeader = n->hwndFrom == g->hHeader;
    switch (n->code) {
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
        if (columnHeader) {
            if (h->iItem == 0) {
                focusGridInternally(grid);
                if (g->nRows > 0 && g->nColumns > 0) yygridselectrange(grid, 0, g->nRows - 1, 0, g->nColumns - 1);
            } else {
                const int c = h->iItem - 1;
                if (c >= g->nColumns || g->nRows <= 0) return 0;
                if (shiftDown()) {
                    focusGridInternally(grid);
                    yygridselectrange(grid, 0, g->nRows - 1, g->iCurColumn < c ? g->iCurColumn : c,
                                      g->iCurColumn > c ? g->iCurColumn : c);
                } else {
                    yygridupdatecell(grid, c, g->iFirstRow, 1, 0);
                    yygridselectrange(grid, 0, g->nRows - 1, c, c);
                }
            }
        } else {
            const int r = static_cast<int>(GetDlgCtrlID(n->hwndFrom)) + g->iFirstRow;
            if (r >= g->nRows || g->nColumns <= 0) return 0;
            if (shiftDown()) {
                focusGridInternally(grid);
                yygridselectrange(grid, g->iCurRow < r ? g->iCurRow : r, g->iCurRow > r ? g->iCurRow : r, 0, g->nColumns - 1);
            } else {
                yygridupdatecell(grid, g->iFirstColumn, r, 1, 0);
                yygridselectrange(grid, r, r, 0, g->nColumns - 1);
            }
        }
        return 0;
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
        return columnHeader && (styleOf(grid) & GridResizableColumns) && h->iItem > g->iFirstColumn ? 0 : 1;
    case HDN_TRACKA:
    case HDN_TRACKW:
    case HDN_ITEMCHANGINGA:
    case HDN_ITEMCHANGINGW: {
        if (!columnHeader || h->pitem == nullptr || !(h->pitem->mask & HDI_WIDTH)) return 0;
        if (n->code != HDN_TRACKA && n->code != HDN_TRACKW) {
            // Width changes the grid makes itself (header widths) pass; dragging is tracked.
            return 0;
        }
        if (h->iItem == 0) return 1;
        const int c = h->iItem - 1;
        if (c >= g->nColumns) return 1;
        GridColumnRecord& column = g->pColumns[c];
        const FieldRecord* record = column.hControl != nullptr ? yyfieldrecord(column.hControl) : nullptr;
        const bool spin = record != nullptr && record->spinBuddy != nullptr;
        const int extra = column.iType == GridMenu || spin ? GetSystemMetrics(SM_CXVSCROLL) : 0;
        const int width = yygridtrackedwidth(h->pitem->cxy, extra, cellAreaWidth(g));
        h->pitem->cxy = width - 1;
        if (width == column.cxWidth) return 0;
        yysetvalidationoverride(1);
        const int change = width - column.cxWidth;
        column.cxWidth = width;
        yygridlayout(grid);
        if (column.hControl != nullptr) {
            RECT r;
            GetWindowRect(column.hControl, &r);
            SetWindowPos(column.hControl, nullptr, 0, 0, width - (spin ? GetSystemMetrics(SM_CXVSCROLL) : 0),
                         r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (g->hEditor != nullptr) {
            FieldRecord* er = yyfieldrecord(g->hEditor);
            HWND editorSpin = er != nullptr ? er->spinBuddy : nullptr;
            RECT r;
            GetWindowRect(g->hEditor, &r);
            MapWindowPoints(nullptr, g->hCells, reinterpret_cast<POINT*>(&r), 2);
            if (g->iCurColumn == c) {
                const int spinWidth = editorSpin != nullptr ? GetSystemMetrics(SM_CXVSCROLL) : 0;
                SetWindowPos(g->hEditor, nullptr, 0, 0, width - spinWidth, r.bottom - r.top,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                if (editorSpin != nullptr)
                    SetWindowPos(editorSpin, nullptr, r.left + width - spinWidth, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            } else if (g->iCurColumn > c) {
                SetWindowPos(g->hEditor, nullptr, r.left + change, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                if (editorSpin != nullptr) {
                    RECT s;
                    GetWindowRect(editorSpin, &s);
                    MapWindowPoints(nullptr, g->hCells, reinterpret_cast<POINT*>(&s), 2);
                    SetWindowPos(editorSpin, nullptr, s.left + change, s.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                }
            }
        }
        if (g->hCells != nullptr) InvalidateRect(g->hCells, nullptr, TRUE);
        yysetvalidationoverride(0);
        return 0;
    }
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
        if (!columnHeader) return 0;
        yysetvalidationoverride(1);
        keepCurrentColumn(grid, g);
        // The header applies the width it tracked after this: the grid's own widths follow it.
        PostMessageA(grid, GM_HEADERWIDTHS, 0, 0);
        yysetvalidationoverride(0);
        return 0;
    default: return DefWindowProcA(grid, WM_NOTIFY, n->idFrom, reinterpret_cast<LPARAM>(n));
    }
}

void onSetFocus(HWND grid, GridControlRecord* g, HWND from) {
    if (g->iCurRow < g->iFirstRow) {
        g->iScrollTarget = g->iCurRow;
        SendMessageA(grid, WM_VSCROLL, SB_THUMBTRACK, 0);
    } else if (g->iCurRow >= g->iFirstRow + g->nRowsFit) {
        g->iScrollTarget = g->iCurRow - g->nRowsFit + 1;
        SendMessageA(grid, WM_VSCROLL, SB_THUMBTRACK, 0);
    }
    const int width = cellAreaWidth(g);
    if (g->iCurColumn < g->iFirstColumn)
        SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, g->iCurColumn), 0);
    else if (g->iCurColumn > g->iLastColumn)
        SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, yygridfirstcolumnending(*g, g->iCurColumn, width)), 0);
    if (g->hEditor == nullptr) return;
    SetFocus(g->hEditor);
    const int type = g->pColumns[g->iCurColumn].iType;
    if (type <= GridDouble && from == g->hCells) {
        SendMessageA(g->hEditor, EM_SETSEL, 0, -1);
        SendMessageA(g->hEditor, EM_SCROLLCARET, 0, 0);
    }
}

void onEnable(HWND grid, GridControlRecord* g, bool enabled) {
    if (enabled) yyGridCreateCurrent(g);
    else yyGridDestroyCurrent(g, true);
    for (int c = 0; c < g->nColumns; ++c)
        if (g->pColumns[c].hControl != nullptr) EnableWindow(g->pColumns[c].hControl, enabled);
    if (g->hCells != nullptr) InvalidateRect(g->hCells, nullptr, TRUE);
    (void)grid;
}

void onMenuCommand(HWND grid, GridControlRecord* g, int command) {
    HWND target = g->hMenuTarget;
    switch (command) {
    case GridCmdCut:
        if (yygridclipcopy(grid)) yygridclipdelete(grid);
        break;
    case GridCmdCopy: yygridclipcopy(grid); break;
    case GridCmdPaste: yygridclippaste(grid); break;
    case GridCmdDelete: yygridclipdelete(grid); break;
    case EditCmdUndo: SendMessageA(target, EM_UNDO, 0, 0); break;
    case EditCmdCut: SendMessageA(target, WM_CUT, 0, 0); break;
    case EditCmdCopy: SendMessageA(target, WM_COPY, 0, 0); break;
    case EditCmdPaste: SendMessageA(target, WM_PASTE, 0, 0); break;
    case EditCmdClear: SendMessageA(target, WM_CLEAR, 0, 0); break;
    case EditCmdSelectAll:
        SendMessageA(target, EM_SETSEL, 0, -1);
        SendMessageA(target, EM_SCROLLCARET, 0, 0);
        break;
    default: break;
    }
}

LRESULT dispatch(HWND grid, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) return onCreate(grid, reinterpret_cast<CREATESTRUCTA*>(lParam));
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return DefWindowProcA(grid, message, wParam, lParam);
    if (message == WM_DESTROY) {
        onDestroy(grid, g);
        return 0;
    }
    switch (message) {
    case WM_SETFONT:
        onSetFont(grid, g, reinterpret_cast<HFONT>(wParam));
        return DefWindowProcA(grid, message, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(g->hFont);
    case GM_SETUPCOLUMNS: return yygridsetupcolumns(grid, reinterpret_cast<HWND>(wParam), reinterpret_cast<const int*>(lParam));
    case GM_SETUPROWLABELS: return yygridsetuprowlabels(grid, static_cast<int>(wParam), reinterpret_cast<const char*>(lParam));
    case GM_LAYOUT: yygridlayout(grid); return 0;
    case GM_SETSIZE:
        g->nRows = g->nRowsAllocated = static_cast<int>(wParam);
        g->nColumns = static_cast<int>(lParam);
        g->nRowSlots = g->nRowSlotsShown = g->nRowsFit + 1 < g->nRows ? g->nRowsFit + 1 : g->nRows;
        return 0;
    case GM_DESIGNMODE: g->bInitialised = g->bDesignMode = 1; return 0;
    case GM_HEADERWIDTHS: yygridheaderwidths(grid); return 0;
    default: break;
    }
    if (!g->bInitialised) return DefWindowProcA(grid, message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
        onSize(grid, g);
        return DefWindowProcA(grid, message, wParam, lParam);
    case WM_SETFOCUS:
        if (g->hEditor == nullptr) return DefWindowProcA(grid, message, wParam, lParam);
        onSetFocus(grid, g, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ENABLE: onEnable(grid, g, wParam != 0); return 0;
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_STYLE) && g->hEditor != nullptr) {
            const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
            if ((change->styleOld ^ change->styleNew) & GridReadOnly)
                yygridwindowstate(g->hEditor, g->pColumns[g->iCurColumn].iType, (change->styleNew & GridReadOnly) != 0, 1);
        }
        return 0;
    case WM_NOTIFY: {
        auto* n = reinterpret_cast<NMHDR*>(lParam);
        if (n != nullptr && n->hwndFrom != nullptr && yyisclass(n->hwndFrom, atomHeader)) return onHeaderNotify(grid, g, n);
        return DefWindowProcA(grid, message, wParam, lParam);
    }
    case WM_COMMAND: onMenuCommand(grid, g, LOWORD(wParam)); return 0;
    case WM_VSCROLL:
        if (lParam != 0) return DefWindowProcA(grid, message, wParam, lParam);
        onVScroll(grid, g, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_HSCROLL:
        if (lParam != 0) return DefWindowProcA(grid, message, wParam, lParam);
        onHScroll(grid, g, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        int lines = yygridwheellines(*g, static_cast<short>(HIWORD(wParam)));
        for (; lines > 0; --lines) SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
        for (; lines < 0; ++lines) SendMessageA(grid, WM_VSCROLL, SB_LINEUP, 0);
        return 0;
    }
    default: return DefWindowProcA(grid, message, wParam, lParam);
    }
}

}  // namespace

GridControlRecord* yygridrecord(HWND grid) {
    if (grid == nullptr || !yyisgrid(grid)) return nullptr;
    return reinterpret_cast<GridControlRecord*>(GetWindowLongPtrA(grid, 0));
}

bool yyisgrid(HWND window) {
    return window != nullptr && atomGrid != 0 && GetClassWord(window, GCW_ATOM) == atomGrid;
}

HWND yygridofcells(HWND cells) { return GetParent(cells); }

LRESULT CALLBACK yygridwndproc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yygridwndproc", [&] { return dispatch(grid, message, wParam, lParam); },
        [&] { return DefWindowProcA(grid, message, wParam, lParam); });
}

void yygridlayout(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    int units = 0;
    g->nScrollDivisor = yygridscrolldivisor(g->nRows, units);
    const LONG style = styleOf(grid);
    if (style & WS_VSCROLL) {
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, units > 0 ? units - 1 : 0,
                      static_cast<UINT>(g->nRowsFit / g->nScrollDivisor), g->iFirstRow / g->nScrollDivisor, 0};
        SetScrollInfo(grid, SB_VERT, &si, TRUE);
    }
    const int width = cellAreaWidth(g);
    const int fit = g->pColumns != nullptr ? yygridlayoutcolumns(*g, width) : 0;
    if (style & WS_HSCROLL) {
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0,
                      g->nColumns > 0 ? g->nColumns - 1 : 0, static_cast<UINT>(fit), g->iFirstColumn, 0};
        SetScrollInfo(grid, SB_HORZ, &si, TRUE);
    }
}

void yygridheaderwidths(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->hHeader == nullptr) return;
    const int last = g->iLastColumn + 1 < g->nColumns ? g->iLastColumn + 1 : g->nColumns;
    for (int item = 1; item <= last; ++item) {
        const int c = item - 1;
        HDITEMA h{};
        h.mask = HDI_WIDTH;
        h.cxy = c < g->iFirstColumn ? 0 : g->pColumns[c].cxWidth - 1;
        SendMessageA(g->hHeader, HDM_SETITEMA, item, reinterpret_cast<LPARAM>(&h));
    }
}

void YYMapDialogRect(HWND window, RECT& r) {
    HDC screen = GetDC(nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = font != nullptr ? SelectObject(screen, font) : nullptr;
    TEXTMETRICA tm{};
    GetTextMetricsA(screen, &tm);
    SIZE size{};
    // The average width of the alphabet, as dialog units are measured.
    GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &size);
    const int average = (size.cx / 26 + 1) / 2;
    if (old != nullptr) SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    r.left = yygriddialogx(r.left, average);
    r.right = yygriddialogx(r.right, average);
    r.top = yygriddialogy(r.top, tm.tmHeight);
    r.bottom = yygriddialogy(r.bottom, tm.tmHeight);
}

void yyGridSendScrollMessage(HWND grid, UINT message, WPARAM wParam, LPARAM lParam, int extend) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    const int oldColumn = g->iCurColumn, oldRow = g->iCurRow;
    const int anchorColumn = g->iAnchorColumn, anchorRow = g->iAnchorRow;
    SendMessageA(grid, message, wParam, lParam);
    if (!extend) return;
    auto block = [&](int c0, int r0) {
        yygridselectrange(grid, r0 < g->iCurRow ? r0 : g->iCurRow, r0 > g->iCurRow ? r0 : g->iCurRow,
                          c0 < g->iCurColumn ? c0 : g->iCurColumn, c0 > g->iCurColumn ? c0 : g->iCurColumn);
    };
    if (anchorColumn < 0) {
        block(oldColumn, oldRow);
        g->iAnchorColumn = oldColumn;
        g->iAnchorRow = oldRow;
    } else if (anchorColumn == g->iCurColumn && anchorRow == g->iCurRow) {
        yygridselectnone(grid);
        g->iAnchorColumn = anchorColumn;
        g->iAnchorRow = anchorRow;
    } else {
        block(anchorColumn, anchorRow);
        g->iAnchorColumn = anchorColumn;
        g->iAnchorRow = anchorRow;
    }
}

namespace {

LRESULT subheader(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(header, GWLP_USERDATA));
    HWND grid = GetParent(header);
    GridControlRecord* g = yygridrecord(grid);
    if (message == WM_SETCURSOR && !(styleOf(grid) & GridResizableColumns)) {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return TRUE;
    }
    if (message == WM_NCHITTEST && g != nullptr && g->bDesignMode) return HTTRANSPARENT;
    return previous != nullptr ? CallWindowProcA(previous, header, message, wParam, lParam)
                               : DefWindowProcA(header, message, wParam, lParam);
}

LRESULT spin(HWND spinBox, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(spinBox, GWLP_USERDATA));
    if (message == WM_LBUTTONDOWN && (wParam & MK_SHIFT)) {
        HWND buddy = reinterpret_cast<HWND>(SendMessageA(spinBox, UDM_GETBUDDY, 0, 0));
        if (buddy != nullptr) return SendMessageA(buddy, message, wParam, lParam);
    }
    return previous != nullptr ? CallWindowProcA(previous, spinBox, message, wParam, lParam)
                               : DefWindowProcA(spinBox, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK yygridsubheader(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yygridsubheader", [&] { return subheader(header, message, wParam, lParam); },
        [&] { return DefWindowProcA(header, message, wParam, lParam); });
}

LRESULT CALLBACK yygridspinwndproc(HWND spinBox, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yygridspinwndproc", [&] { return spin(spinBox, message, wParam, lParam); },
        [&] { return DefWindowProcA(spinBox, message, wParam, lParam); });
}

// A row-label window at position i, y from the top of the grid's client area.
HWND yygridmakelabelwindow(HWND grid, GridControlRecord* g, int i, int y, int height) {
    HWND label = CreateWindowExA(WS_EX_NOPARENTNOTIFY, WC_HEADERA, "", WS_CHILD | HDS_BUTTONS, 0, y, g->cxRowLabels, height,
                                 grid, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i)), GetModuleHandleA(nullptr), nullptr);
    if (label == nullptr) return nullptr;
    SetWindowLongPtrA(label, GWLP_USERDATA, SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yygridsubheader)));
    if (g->hFont != nullptr) SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(g->hFont), FALSE);
    HDITEMA item{};
    item.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
    item.cxy = g->cxRowLabels + 1;
    item.fmt = HDF_LEFT | HDF_STRING;
    item.pszText = const_cast<char*>("");
    SendMessageA(label, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return label;
}

void yygridcellsresized(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->hCells == nullptr || g->cyRow < 2) return;
    yysetvalidationoverride(1);
    RECT client;
    GetClientRect(g->hCells, &client);
    int fit = (client.bottom - g->cyRow) / (g->cyRow - 1) + 1;
    if (fit < 1) fit = 1;
    const int slots = fit + 1 < g->nRowsAllocated ? fit + 1 : g->nRowsAllocated;
    const bool allLabelled = g->nRowSlotsShown == g->nRowSlots;
    if (slots == g->nRowSlots) {
        g->nRowsFit = fit;
    } else if (slots < g->nRowSlots) {
        if (g->iCurRow - g->iFirstRow >= slots - 1 && slots >= 1) {
            g->iScrollTarget = g->iCurRow - slots + 2 > 0 ? g->iCurRow - slots + 2 : 0;
            if (g->iScrollTarget == 0) g->iScrollTarget = 0;
            g->nRowsFit = fit;
            SendMessageA(grid, WM_VSCROLL, SB_THUMBTRACK, 0);
        }
        for (int i = slots; i < g->nRowSlotsShown && g->pRowLabelWindows != nullptr; ++i) {
            if (g->pRowLabelWindows[i] != nullptr) DestroyWindow(g->pRowLabelWindows[i]);
            g->pRowLabelWindows[i] = nullptr;
        }
        g->nRowsFit = fit;
        g->nRowSlots = slots;
        if (g->nRowSlotsShown > slots) g->nRowSlotsShown = slots;
        if (!g->bDesignMode && yygridhasfocus(grid)) SetFocus(grid);
    } else if (allLabelled) {
        if (g->iFirstRow + slots > g->nRows) {
            g->iScrollTarget = g->nRows - slots > 0 ? g->nRows - slots : 0;
            g->nRowsFit = fit;
            SendMessageA(grid, WM_VSCROLL, SB_THUMBTRACK, 0);
        }
        int made = slots;
        if (GetWindowLongA(grid, GWL_STYLE) & GridRowLabels) {
            if (g->nRowLabelWindowsAllocated < slots) {
                auto* grown = new (std::nothrow) HWND[static_cast<std::size_t>(slots)]();
                if (grown == nullptr) {
                    made = g->nRowSlots;
                } else {
                    for (int i = 0; i < g->nRowLabelWindowsAllocated; ++i) grown[i] = g->pRowLabelWindows[i];
                    delete[] g->pRowLabelWindows;
                    g->pRowLabelWindows = grown;
                    g->nRowLabelWindowsAllocated = slots;
                }
            }
            const int top = g->hHeader != nullptr ? g->cyRow + 2 : 1;
            for (int i = g->nRowSlots; i < made; ++i) {
                HWND label = yygridmakelabelwindow(grid, g, i, (g->cyRow - 1) * i + top, g->cyRow - 1);
                if (label == nullptr) {
                    made = i;
                    break;
                }
                g->pRowLabelWindows[i] = label;
                if (i < g->nRows) ShowWindow(label, SW_SHOWNA);
            }
        }
        g->nRowSlots = g->nRowSlotsShown = slots;
        g->nRowsFit = fit;
        if (made < slots) g->nRowSlotsShown = g->nRowsFit = made;
        yyGridUpdateRowLabels(g);
        if (!g->bDesignMode && yygridhasfocus(grid)) SetFocus(grid);
    } else {
        g->nRowsFit = fit;
    }
    yygridlayout(grid);
    yysetvalidationoverride(0);
}
