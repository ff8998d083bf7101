// grid_sort_win.cpp - sorting the rows of a grid field on one key column: WGridSort, the key of a
// row, the exchange of two rows with the editor, row labels and repaint in step.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string_view>
#include <utility>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/strings.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_sort.hpp"

namespace {

void swapBytes(unsigned char* a, unsigned char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) std::swap(a[i], b[i]);
}

// Shows a row's label in its row-label window when the row is on screen.
void showRowLabel(GridControlRecord* g, int row) {
    const int slot = row - g->iFirstRow;
    if (slot < 0 || slot >= g->nRowSlotsShown || slot >= g->nRowLabelWindowsAllocated) return;
    HWND label = g->pRowLabelWindows != nullptr ? g->pRowLabelWindows[slot] : nullptr;
    if (label == nullptr) return;
    HDITEMA h{};
    h.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    h.cxy = g->cxRowLabels + 1;
    h.fmt = HDF_LEFT | HDF_STRING;
    h.pszText = g->pRowLabels + static_cast<std::size_t>(row) * GridLabelSize;
    SendMessageA(label, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&h));
    UpdateWindow(label);
}

// The sort key of a row of the grid g (yygridgetany): the sort reads every key of one grid, which
// it finds once.
void keyOfRow(GridControlRecord* g, int row, int ignoreCase, char* text, int& integer, float& real, double& number,
              int& defined, int& textLength, int bufferLength) {
    int f = gravim.grid.sortField;
    const int column = gravim.grid.sortColumn;
    switch (gravim.grid.sortFieldType) {
    case 4: {
        if (text == nullptr || bufferLength <= 0) return;
        text[0] = '\0';
        yyGridGetString(g, column, row, text, bufferLength, 0);
        textLength = static_cast<int>(strnlen(text, static_cast<std::size_t>(bufferLength)));
        if (ignoreCase) iuppercase(TextRef(text, static_cast<std::size_t>(textLength)));
        defined = textLength > 0 ? 1 : 0;
        return;
    }
    case 5:
    case 6:
    case 7: {
        double value = 0;
        int undefined = 0;
        yyGridGetValue(g, column, row, value, undefined);
        defined = undefined ? 0 : 1;
        if (gravim.grid.sortFieldType == 5) integer = static_cast<int>(value);
        else if (gravim.grid.sortFieldType == 6) real = static_cast<float>(value);
        else number = value;
        return;
    }
    case 9: yygridgetcellcheck(f, column, row, integer); return;
    case 11: yygridgetcellmenu(f, column, row, integer); return;
    default: return;
    }
}

// Exchanges rows r1 and r2 of the grid g (yygridsortswap).
void exchangeRows(HWND grid, GridControlRecord* g, int r1, int r2, int moveLabels) {
    if (r1 == r2) return;
    yygridselectnone(grid);
    if (moveLabels && (GetWindowLongA(grid, GWL_STYLE) & GridRowLabels) && g->pRowLabels != nullptr) {
        swapBytes(reinterpret_cast<unsigned char*>(g->pRowLabels) + static_cast<std::size_t>(r1) * GridLabelSize,
                  reinterpret_cast<unsigned char*>(g->pRowLabels) + static_cast<std::size_t>(r2) * GridLabelSize,
                  GridLabelSize);
        showRowLabel(g, r1);
        showRowLabel(g, r2);
    }
    // The editor's value goes into its cell first and comes back from the cell afterwards.
    const bool editorMoves = g->hEditor != nullptr && (g->iCurRow == r1 || g->iCurRow == r2);
    if (editorMoves) yyGridStoreCurrent(g);
    for (int c = 0; c < g->nColumns; ++c) {
        GridColumnRecord& column = g->pColumns[c];
        const std::size_t size = yygridentrysize(column.iType, column.nMaxLength);
        unsigned char* values = static_cast<unsigned char*>(column.pValues);
        swapBytes(values + size * static_cast<std::size_t>(r1), values + size * static_cast<std::size_t>(r2), size);
        // Only a number's flags travel with it; the other cells' flags belong to the position.
        if (column.iType == GridInteger || column.iType == GridReal || column.iType == GridDouble)
            std::swap(column.pCellFlags[r1], column.pCellFlags[r2]);
        yyGridRedrawCell(g, c, r1, 0);
        yyGridRedrawCell(g, c, r2, 0);
    }
    if (editorMoves) yyGridUpdateCurrent(g);
    if (bCellUpdate && g->hCells != nullptr) UpdateWindow(g->hCells);
    yygridmarkchanged(g);
}

}  // namespace

void yygridgetany(int row, int ignoreCase, char* text, int& integer, float& real, double& number, int& defined,
                  int& textLength, int bufferLength) {
    int f = gravim.grid.sortField;
    HWND grid = yygridfind(f);
    if (GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr)
        keyOfRow(g, row, ignoreCase, text, integer, real, number, defined, textLength, bufferLength);
}

void yygridsortswap(int& field, int& row1, int& row2, int& moveLabels) {
    int f = field;
    HWND grid = yygridfind(f);
    if (GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr) exchangeRows(grid, g, row1, row2, moveLabels);
}

void yygridsort(int& first, int& last, int& keyLength) {
    const GridKeyKind kind = yygridkeykind(gravim.grid.sortFieldType);
    const bool descending = gravim.grid.sortDescending != 0;
    const int ignoreCase = gravim.grid.sortIgnoreCase;
    const std::size_t bufferLength = static_cast<std::size_t>(keyLength > 0 ? keyLength : 1);
    // The grid is found once: nothing the sort calls can destroy it or change the dialog.
    int f = gravim.grid.sortField;
    HWND grid = yygridfind(f);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr) return;
    const int moveLabels = gravim.grid.sortMoveLabels;
    const int column = gravim.grid.sortColumn;
    const bool textInPlace = kind == GridKeyKind::Text && !ignoreCase && gravim.grid.sortFieldType == 4;
    // A text key compared as stored is shown in place, as a view of the cell's own text (valid until
    // the next exchange, as the sort requires); the current cell's key is its editor's text and an
    // upper-cased key is built, each in the key slot's own storage.
    auto key = [&](int row, GridSortKey& k) {
        if (textInPlace && !(g->hEditor != nullptr && row == g->iCurRow && column == g->iCurColumn)) {
            const char* stored = yygridcelltext(g->pColumns[column], row);
            k.text = std::string_view(stored, strnlen(stored, bufferLength - 1));
            if (k.text.empty()) yygridemptykey(kind, descending, k);
            return;
        }
        int defined = 1, length = 0;
        if (k.storage.size() != bufferLength) k.storage.assign(bufferLength, '\0');
        k.storage[0] = '\0';
        keyOfRow(g, row, ignoreCase, k.storage.data(), k.integer, k.real, k.number, defined, length,
                 static_cast<int>(bufferLength));
        if (kind == GridKeyKind::Text) k.text = std::string_view(k.storage.data(), static_cast<std::size_t>(length));
        if (!defined) yygridemptykey(kind, descending, k);
    };
    auto exchange = [&](int a, int b) { exchangeRows(grid, g, a, b, moveLabels); };
    yygridsortrows(first - 1, last - 1, kind, descending, key, exchange);
}

void WGridSort(int field, int column, std::optional<int> flags, std::optional<int> firstRow, std::optional<int> lastRow) {
    constexpr const char* routine = "WGridSort";
    if (field != 0 && yycurrentdialogwindow() == nullptr) {
        yyerror(1005, routine);
        return;
    }
    int f = field, rows = 0, columns = 0;
    yygridgetinfo(f, 3, rows);
    if (f == -1) {
        yyerror(1006, routine);
        return;
    }
    yygridgetinfo(f, 1, columns);
    if (column < 1 || column > columns) {
        yyerror(1017, routine);
        return;
    }
    int first = firstRow.value_or(1), last = lastRow.value_or(rows);
    // Rows beyond the rows in use hold nothing the sort may read.
    if (first < 1 || first > rows || last < 1 || last > rows) {
        yyerror(1017, routine);
        return;
    }
    const int options = flags.value_or(0);
    gravim.grid.sortField = field;
    gravim.grid.sortColumn = column - 1;
    gravim.grid.sortDescending = (options & 1) != 0;
    gravim.grid.sortIgnoreCase = (options & 2) != 0;
    gravim.grid.sortMoveLabels = (options & 4) != 0;
    int type = 0;
    f = field;
    yygridcelltype(f, column - 1, type);
    gravim.grid.sortFieldType = type;
    int keyLength = 1;
    if (type == 4) {
        f = field;
        yygridcelllength(f, column - 1, keyLength);
    }
    yygridcellredrawoff();
    yygridsort(first, last, keyLength);
    f = field;
    yygridcellredrawon(f);
}
