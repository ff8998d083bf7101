// grid_info_win.cpp - facts about a whole grid, the grid window's find settings, the current cell
// with the focus, the selection, the number of rows in use and the rebuilding of the columns.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_window_record_win.hpp"
#include "grid/grid_window_win.hpp"

LastModalGridState LastModalGridWindow;

namespace {

// Grids whose rows in use changed while cell repainting was off, their scroll bars not yet set.
std::vector<HWND> rowsPending;

// The vertical scroll bar for the rows in use (in units of the scroll divisor), and the whole
// cell area invalidated with erasing; the caller paints it.
void showRows(HWND grid, GridControlRecord* g) {
    if (GetWindowLongA(grid, GWL_STYLE) & WS_VSCROLL) {
        SCROLLINFO s{};
        s.cbSize = sizeof s;
        s.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        s.nMin = 0;
        s.nMax = g->nRows / g->nScrollDivisor - 1;
        s.nPage = static_cast<UINT>(g->nRowsFit / g->nScrollDivisor);
        s.nPos = g->iFirstRow / g->nScrollDivisor;
        SetScrollInfo(grid, SB_VERT, &s, TRUE);
    }
    if (g->hCells != nullptr) InvalidateRect(g->hCells, nullptr, TRUE);
}

GridControlRecord* recordOf(int& field, HWND* window = nullptr) {
    HWND grid = yygridfind(field);
    if (window != nullptr) *window = grid;
    return grid != nullptr ? yygridrecord(grid) : nullptr;
}

bool isEditControl(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0 || yyisnumericclass(window);
}

void copyBounded(char* to, std::size_t size, const char* from) {
    std::size_t n = strnlen(from, size - 1);
    std::memcpy(to, from, n);
    to[n] = '\0';
}

// The last reported cell: the grid window's for field 0, else the current dialog's when its
// current field is that grid.
void setLastCell(int field, int packed) {
    if (field == 0) {
        if (GridWindowRecord* w = yygridwindowrecord(-2)) w->iLastCell = packed;
    } else {
        int* dialog = yydialogrecord(yycurrentdialogwindow());
        if (dialog != nullptr && dialog[DlgCurrentField] == field) dialog[DlgLastCell] = packed;
    }
}

}  // namespace

GridWindowRecord* yygridwindowrecord(int windowNumber) {
    const int n = windowNumber == -2 ? gravim.windows.wIndex : windowNumber;
    if (n < 0 || n >= MaxWindows || wWindow[n] == nullptr) return nullptr;
    if (yywindowkind(wWindow[n]) != KindGrid) return nullptr;
    return reinterpret_cast<GridWindowRecord*>(yywindowrecord(wWindow[n]));
}

void yygridgetinfo(int& field, int code, int& value) {
    if (field == -2) {
        const LastModalGridState& s = LastModalGridWindow;
        if (code == 6) value = 1 - s.bUnsaved;
        else if (code == 7) value = s.bModified;
        else if (code == 14) value = yygridfindoptions(s.bFindMatchCase, s.bFindNumeric);
        return;
    }
    const int asked = field;
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    switch (code) {
    case 1: value = g->nColumns; break;
    case 2: value = g->nRowsAllocated; break;
    case 3: value = g->nRows; break;
    case 4: value = g->iCurColumn + 1; break;
    case 5: value = g->iCurRow + 1; break;
    case 6: value = 1 - g->bUnsaved; break;
    case 7: value = g->bModified; break;
    case 8: value = g->iFirstColumn + 1; break;
    case 9: value = g->iFirstRow + 1; break;
    case 10: value = g->iSelFirstColumn + 1; break;
    case 11: value = g->iSelFirstRow + 1; break;
    case 12: value = g->iSelLastColumn + 1; break;
    case 13: value = g->iSelLastRow + 1; break;
    case 14: {
        const GridWindowRecord* w = asked == 0 ? yygridwindowrecord(-2) : nullptr;
        value = w != nullptr ? yygridfindoptions(w->bFindMatchCase, w->bFindNumeric) : 0;
        break;
    }
    case 15: value = g->nRowSlotsShown; break;
    case 16: value = g->nColumnsDefined; break;
    default: break;
    }
}

void yygridgetinfostring(int windowNumber, int code, char* text, int length) {
    if (text == nullptr || length <= 0 || code < 1 || code > 3) return;
    const char* from = nullptr;
    if (windowNumber == -1) {
        const LastModalGridState& s = LastModalGridWindow;
        from = code == 1 ? s.szFindText : code == 2 ? s.szInfoText : s.szFileName;
    } else {
        const GridWindowRecord* w = windowNumber >= 0 ? yygridwindowrecord(windowNumber) : nullptr;
        if (w == nullptr) return;
        from = code == 1 ? w->szFindText : code == 2 ? w->szInfoText : w->szFileName;
    }
    copyBounded(text, static_cast<std::size_t>(length), from);
}

void yygridfindstring(int& status, const char* text) {
    GridWindowRecord* w = yygridwindowrecord(-2);
    if (w == nullptr) {
        status = 1006;
        return;
    }
    copyBounded(w->szFindText, sizeof w->szFindText, text != nullptr ? text : "");
    status = 0;
}

void yygridfindflags(int flags, int& status) {
    GridWindowRecord* w = yygridwindowrecord(-2);
    if (w == nullptr) {
        status = 1006;
        return;
    }
    w->bFindMatchCase = (flags & 2) ? 0 : 1;
    w->bFindNumeric = (flags & 4) ? 1 : 0;
    status = 0;
}

void yygridcellfocus(int& field, int column, int row, int caret) {
    HWND grid = nullptr;
    GridControlRecord* g = recordOf(field, &grid);
    if (g == nullptr) return;
    if (column < 0 || column >= g->nColumns || row < 0 || row >= g->nRows) {
        field = -2;
        return;
    }
    yygridselectnone(grid);
    HWND parent = GetParent(grid);
    const bool active = parent != nullptr && IsWindowVisible(parent) && IsWindowEnabled(parent);
    if (active) SetFocus(parent);
    yygridupdatecell(grid, column, row, active ? 1 : 0, 0);
    if (!active) return;
    SetFocus(grid);
    HWND focus = GetFocus();
    if (caret >= 0 && focus != nullptr && isEditControl(focus)) {
        SendMessageA(focus, EM_SETSEL, caret, caret);
        SendMessageA(focus, EM_SCROLLCARET, 0, 0);
    }
}

void yygridsetselection(int& field, int firstColumn, int firstRow, int lastColumn, int lastRow) {
    HWND grid = nullptr;
    GridControlRecord* g = recordOf(field, &grid);
    if (g == nullptr) return;
    auto column = [&](int c) { return c >= 0 && c < g->nColumns; };
    auto row = [&](int r) { return r >= 0 && r < g->nRows; };
    if (!column(firstColumn) || !column(lastColumn) || !row(firstRow) || !row(lastRow)) {
        field = -2;
        return;
    }
    yygridselectrange(grid, firstRow, lastRow, firstColumn, lastColumn);
}

void yygridclearselection(int& field) {
    HWND grid = nullptr;
    if (recordOf(field, &grid) != nullptr) yygridselectnone(grid);
}

void yygridsetrows2(HWND grid, int field, int rows) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    yygridselectnone(grid);
    // Within one bulk change the editor's value is stored at the first change of the rows: from
    // then on the bulk change writes the current cell and its editor together, so storing it again
    // for every row added would change nothing (and costs the window server a round trip or two).
    const bool storedAlready = !bCellUpdate && std::find(rowsPending.begin(), rowsPending.end(), grid) != rowsPending.end();
    if (!storedAlready) yyGridStoreCurrent(g);
    const bool labels = (GetWindowLongA(grid, GWL_STYLE) & GridRowLabels) != 0 && g->pRowLabelWindows != nullptr;
    const int old = g->nRows;
    auto labelWindow = [&](int i) { return i < g->nRowLabelWindowsAllocated ? g->pRowLabelWindows[i] : nullptr; };
    if (labels && old < rows && old <= g->nRowsFit) {
        const int end = std::min({rows, g->nRowsFit + 1, g->nRowsAllocated});
        for (int i = old; i < end; ++i)
            if (HWND w = labelWindow(i)) ShowWindow(w, SW_SHOWNA);
    }
    g->nRows = rows;
    if (labels) {
        const int end = std::min(g->nRowSlotsShown, g->nRowsAllocated);
        for (int i = rows; i < end; ++i)
            if (HWND w = labelWindow(i)) ShowWindow(w, SW_HIDE);
    }
    if (rows <= g->iCurRow || rows <= g->iFirstRow + g->nRowsFit - 1) {
        HWND focus = GetFocus();
        const bool editorHadFocus = focus != nullptr && focus == g->hEditor;
        yyGridDestroyCurrent(g, true);
        if (rows <= g->iCurRow) {
            g->iCurRow = rows - 1;
            setLastCell(field, yypackcell(g->iCurColumn, g->iCurRow));
        }
        g->iFirstRow = std::max(0, g->iCurRow - g->nRowsFit + 1);
        yyGridUpdateRowLabels(g);
        yyGridCreateCurrent(g);
        if (editorHadFocus && g->hEditor != nullptr) SetFocus(g->hEditor);
        HWND dialog = GetParent(grid);
        HWND now = GetFocus();
        if (dialog != nullptr && IsWindowVisible(dialog) && IsWindowEnabled(dialog) && now != nullptr &&
            (now == grid || IsChild(grid, now)))
            SetFocus(grid);
    }
    g->nScrollDivisor = 1;
    int m = rows;
    while (m > 65536) {
        m /= 2;
        g->nScrollDivisor *= 2;
    }
    // While a bulk change has cell repainting off (a load that grows the rows one at a time), the
    // scroll bar and the cell area are brought up to date once, when repainting comes back on.
    if (!bCellUpdate) {
        if (std::find(rowsPending.begin(), rowsPending.end(), grid) == rowsPending.end()) rowsPending.push_back(grid);
        return;
    }
    showRows(grid, g);
    if (g->hCells != nullptr) UpdateWindow(g->hCells);
}

void yygridshowpendingrows() {
    std::vector<HWND> grids;
    grids.swap(rowsPending);
    for (HWND grid : grids)
        if (GridControlRecord* g = yygridrecord(grid)) showRows(grid, g);
}

void yygridsetrows(int& field, int rows) {
    HWND grid = nullptr;
    if (recordOf(field, &grid) == nullptr) return;
    yygridsetrows2(grid, field, rows);
    if (field == 0) yyGridWinSize(yygridwindowrecord(-2));
}

void yygridredefine(int& field, int columns, const int* positions, const int* widths) {
    HWND grid = nullptr;
    GridControlRecord* g = recordOf(field, &grid);
    // Anything but a grid is left alone.
    if (g == nullptr) return;
    yygridselectnone(grid);
    HWND focus = GetFocus();
    const bool hadFocus = focus != nullptr && (focus == grid || IsChild(grid, focus));
    g->iCurColumn = g->iCurRow = 0;
    setLastCell(field, 0x40001);
    SendMessageA(grid, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    yyGridDestroyCurrent(g, true);
    if (g->hHeader != nullptr) {
        for (int i = g->nColumns; i >= 0; --i) SendMessageA(g->hHeader, HDM_DELETEITEM, i, 0);
    }
    for (int c = 0; c < g->nColumns && g->pColumns != nullptr; ++c) {
        GridColumnRecord& column = g->pColumns[c];
        if (column.hControl != nullptr) {
            const FieldRecord* r = yyfieldrecord(column.hControl);
            if (r != nullptr && r->spinBuddy != nullptr) DestroyWindow(r->spinBuddy);
            if (!g->bSharesStorage) yyfreefieldrecord(column.hControl, false);
            DestroyWindow(column.hControl);
            column.hControl = nullptr;
        }
        if (!g->bSharesStorage) yygridfreecells(column);
    }
    if (!g->bSharesStorage) delete[] g->pColumns;
    g->pColumns = nullptr;
    HWND rowTemplate = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(g->idTemplate & 0xFFFF), wWindow[0],
                                          yygridrowtemplateproc, g->idTemplate);
    g->nColumns = columns > 0 ? columns : 0;
    // The column map: each column's template position (from 1), then the widths (-1: the template's).
    std::vector<int> map(static_cast<std::size_t>(g->nColumns) * 2 + 1, -1);
    for (int i = 0; i < g->nColumns; ++i) {
        map[static_cast<std::size_t>(i)] = positions != nullptr ? positions[i] : i + 1;
        if (widths != nullptr && widths[0] != -1) map[static_cast<std::size_t>(g->nColumns + i)] = widths[i];
    }
    const bool built = rowTemplate != nullptr &&
                       SendMessageA(grid, GM_SETUPCOLUMNS, reinterpret_cast<WPARAM>(rowTemplate),
                                    reinterpret_cast<LPARAM>(map.data())) != 0;
    if (!built) {
        field = -1;
    } else {
        SendMessageA(grid, GM_LAYOUT, 0, 0);
        if (hadFocus && IsWindowVisible(grid)) SetFocus(grid);
        if (field == 0) yyGridWinSize(yygridwindowrecord(-2));
        if (g->hCells != nullptr) {
            InvalidateRect(g->hCells, nullptr, TRUE);
            UpdateWindow(g->hCells);
        }
    }
    if (rowTemplate != nullptr) DestroyWindow(rowTemplate);
}
