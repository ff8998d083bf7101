// grid_cells_win.cpp - reading and writing single cells, menu lists, labels, colours, ranges,
// spin steps and read-only states of a grid field; the cell repaint and its bulk switch; the
// public put routines.
#include <cstring>
#include <new>
#include <string>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/strings.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_geometry.hpp"

namespace {

constexpr const char* defaultFormat = "(G15.5E2)";

GridControlRecord* recordOf(int& field) {
    HWND grid = yygridfind(field);
    return grid != nullptr ? yygridrecord(grid) : nullptr;
}

bool isCurrent(const GridControlRecord* g, int column, int row) {
    return g->hEditor != nullptr && column == g->iCurColumn && row == g->iCurRow;
}

const GridColumnRecords* takenRecords = nullptr;  // the innermost live GridColumnRecords

FieldRecord* columnRecord(const GridColumnRecord& column) {
    if (column.hControl == nullptr) return nullptr;
    FieldRecord* record = nullptr;
    if (takenRecords != nullptr && takenRecords->find(column.hControl, record)) return record;
    return yyfieldrecord(column.hControl);
}

const char* formatOf(const GridColumnRecord& column) {
    const FieldRecord* r = columnRecord(column);
    return r != nullptr && r->format != nullptr ? r->format : defaultFormat;
}

void copyOut(std::string_view text, char* buffer, int length) {
    if (buffer == nullptr || length <= 0) return;
    std::size_t n = text.size() < static_cast<std::size_t>(length - 1) ? text.size() : static_cast<std::size_t>(length - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

std::string listItem(HWND control, int index) {
    if (control == nullptr || index < 0) return {};
    const LRESULT n = SendMessageA(control, CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR) return {};
    std::string item(static_cast<std::size_t>(n) + 1, '\0');
    SendMessageA(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
    item.resize(std::strlen(item.c_str()));
    return item;
}

std::string windowText(HWND window, int longest) {
    std::string text(static_cast<std::size_t>(longest) + 1, '\0');
    GetWindowTextA(window, text.data(), longest + 1);
    text.resize(std::strlen(text.c_str()));
    return text;
}

void redrawStrip(GridControlRecord* g, int column) {
    if (g->hCells == nullptr) return;
    int left = 0, right = 0;
    if (!yygridcolumnspan(*g, column, left, right)) return;
    RECT area;
    GetClientRect(g->hCells, &area);
    RECT strip{left, 0, right + 1, area.bottom};
    InvalidateRect(g->hCells, &strip, FALSE);
    UpdateWindow(g->hCells);
}

void editorColours(GridControlRecord* g, int tr, int tg, int tb, int br, int bg, int bb) {
    if (g->hEditor == nullptr) return;
    yyFieldColour2(g->hEditor, 1, tr, tg, tb);
    yyFieldColour2(g->hEditor, 2, br, bg, bb);
}

bool checkColumn(int& field, GridControlRecord*& g, int column) {
    g = recordOf(field);
    if (g == nullptr) return false;
    if (column < 0 || column >= g->nColumns) {
        field = -2;
        return false;
    }
    return true;
}

// A dialog's control by identifier. GetDlgItem asks the window server each time under Wine, and a
// sort or a search asks for the same grid for every key it reads, so the last answer is kept as
// long as that window is still the dialog's control of that identifier.
HWND dialogItem(HWND dialog, int field) {
    static HWND lastDialog = nullptr, lastItem = nullptr;
    static int lastField = 0;
    if (lastItem != nullptr && dialog == lastDialog && field == lastField && IsWindow(lastItem) &&
        GetParent(lastItem) == dialog && GetDlgCtrlID(lastItem) == field)
        return lastItem;
    lastDialog = dialog;
    lastField = field;
    lastItem = GetDlgItem(dialog, field);
    return lastItem;
}

}  // namespace

GridColumnRecords::GridColumnRecords(HWND grid) : changes_(yyfieldrecordchanges()), outer_(takenRecords) {
    if (const GridControlRecord* g = yygridrecord(grid); g != nullptr && g->pColumns != nullptr)
        for (int c = 0; c < g->nColumns; ++c)
            if (HWND control = g->pColumns[c].hControl)
                records_.emplace_back(control, yyfieldrecord(control));
    takenRecords = this;
}

GridColumnRecords::~GridColumnRecords() { takenRecords = outer_; }

bool GridColumnRecords::find(HWND control, FieldRecord*& record) const {
    if (changes_ != yyfieldrecordchanges()) {
        for (auto& [known, taken] : records_) taken = yyfieldrecord(known);
        changes_ = yyfieldrecordchanges();
    }
    for (const auto& [known, taken] : records_)
        if (known == control) {
            record = taken;
            return true;
        }
    return false;
}

HWND yygridfind(int& field) {
    HWND grid = nullptr;
    if (field != 0) {
        HWND dialog = yycurrentdialogwindow();
        grid = dialog != nullptr ? dialogItem(dialog, field) : nullptr;
    } else if (gridFieldHooks.windowGrid != nullptr) {
        grid = gridFieldHooks.windowGrid();
    }
    if (grid == nullptr || yygridrecord(grid) == nullptr) {
        field = -1;
        return nullptr;
    }
    return grid;
}

HWND yygridnamed(const char* routine, int field) {
    if (field != 0 && yycurrentdialogwindow() == nullptr) {
        yyerror(1005, routine);
        return nullptr;
    }
    HWND grid = yygridfind(field);
    if (grid == nullptr) yyerror(1006, routine);
    return grid;
}

void yyGridGetString(GridControlRecord* g, int column, int row, char* text, int size, int mode) {
    if (g == nullptr || text == nullptr || size <= 0) return;
    const GridColumnRecord& c = g->pColumns[column];
    text[0] = '\0';
    if (isCurrent(g, column, row)) {
        switch (c.iType) {
        case GridText: copyOut(windowText(g->hEditor, c.nMaxLength), text, size); return;
        case GridInteger: copyOut(windowText(g->hEditor, GridIntegerTextLength), text, size); return;
        case GridReal:
        case GridDouble: copyOut(windowText(g->hEditor, GridRealTextLength), text, size); return;
        case GridCheckBox: {
            const bool checked = SendMessageA(g->hEditor, BM_GETCHECK, 0, 0) == BST_CHECKED;
            copyOut(mode == 1 ? (checked ? "\xFC" : "\xFB") : (checked ? "Yes" : "No"), text, size);
            return;
        }
        case GridMenu:
            copyOut(listItem(g->hEditor, static_cast<int>(SendMessageA(g->hEditor, CB_GETCURSEL, 0, 0))), text, size);
            return;
        default: return;
        }
    }
    if (c.iType == GridMenu) {
        copyOut(listItem(c.hControl, yygridcellint(c, row)), text, size);
        return;
    }
    // Only reals and doubles are written through a format (the column's field record, which the
    // window server keeps: not asked for other columns).
    const bool formatted = c.iType == GridReal || c.iType == GridDouble;
    yygridstoredtext(c, row, formatted ? formatOf(c) : nullptr, mode == 1, text, static_cast<std::size_t>(size));
}

void yygridgetcellstring(int& field, int column, int row, char* text, int length) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr || g->pColumns[column].iType > GridDouble) return;
    yyGridGetString(g, column, row, text, length, 0);
}

void yyGridGetValue(GridControlRecord* g, int column, int row, double& value, int& undefined) {
    const GridColumnRecord& c = g->pColumns[column];
    if (c.iType > GridDouble) return;
    value = 0.0;
    undefined = 0;
    if (c.iType == GridText || isCurrent(g, column, row)) {
        std::string text(GridTextBufferSize, '\0');
        yyGridGetString(g, column, row, text.data(), GridTextBufferSize, 0);
        text.resize(std::strlen(text.c_str()));
        if (!yygridnonblank(text.c_str())) {
            undefined = 1;
            return;
        }
        const FieldRecord* er = isCurrent(g, column, row) ? yyfieldrecord(g->hEditor) : nullptr;
        if (c.iType != GridText && er != nullptr && SendMessageA(g->hEditor, EM_GETMODIFY, 0, 0) == 0) value = er->value;
        else yyst2dbl(value, text);
        return;
    }
    if (!(c.pCellFlags[row] & CellHasValue)) {
        undefined = 1;
        return;
    }
    if (c.iType == GridInteger) value = yygridcellint(c, row);
    else if (c.iType == GridReal) value = yygridcellreal(c, row);
    else value = yygridcelldouble(c, row);
}

void yygridgetcellvalue(int& field, int column, int row, double& value, int& undefined) {
    if (GridControlRecord* g = recordOf(field)) yyGridGetValue(g, column, row, value, undefined);
}

void yygridgetcellcheck(int& field, int column, int row, int& value) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    if (isCurrent(g, column, row)) value = SendMessageA(g->hEditor, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else value = yygridcellint(g->pColumns[column], row);
}

void yygridgetcellmenu(int& field, int column, int row, int& item) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    const int stored = isCurrent(g, column, row) ? static_cast<int>(SendMessageA(g->hEditor, CB_GETCURSEL, 0, 0))
                                                 : yygridcellint(g->pColumns[column], row);
    item = stored < 0 ? 0 : stored + 1;
}

void yygridgetmenustring(int& field, int column, int item, char* text, int length) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    copyOut(listItem(g->pColumns[column].hControl, item - 1), text, length);
}

void yygridgetformat(int& field, int column, char* text, int length) {
    GridControlRecord* g = recordOf(field);
    const char* format = defaultFormat;
    if (g != nullptr && column >= 0 && column < g->nColumns &&
        (g->pColumns[column].iType == GridReal || g->pColumns[column].iType == GridDouble))
        format = formatOf(g->pColumns[column]);
    copyOut(format, text, length);
}

void yygridcelltype(int& field, int column, int& type) {
    GridControlRecord* g = nullptr;
    if (!checkColumn(field, g, column)) return;
    type = gridFieldTypes[g->pColumns[column].iType];
}

void yygridcelllength(int& field, int column, int& length) {
    GridControlRecord* g = recordOf(field);
    if (g != nullptr) length = g->pColumns[column].nMaxLength + 1;
}

void yygridgetalign(int& field, int column, int& alignment) {
    alignment = 0;
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    const GridColumnRecord& c = g->pColumns[column];
    if (c.iType == GridCheckBox) alignment = 1;
    else if (c.iType <= GridDouble && c.hControl != nullptr) {
        const LONG style = GetWindowLongA(c.hControl, GWL_STYLE);
        alignment = (style & ES_RIGHT) ? 2 : (style & ES_CENTER) ? 1 : 0;
    }
}

void yygridgetcolour(int& field, int column, int row, int& tr, int& tg, int& tb, int& br, int& bg, int& bb) {
    tr = tg = tb = br = bg = bb = -1;
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    const GridColumnRecord& c = g->pColumns[column];
    int text = -1, back = -1;
    if (c.pCellColours != nullptr) {
        text = yygridcellcolour(c.pCellColours[row], 1);
        back = yygridcellcolour(c.pCellColours[row], 2);
    } else {
        const FieldRecord* r = columnRecord(c);
        const FieldRecord* own = yyfieldrecord(GetParent(g->hCells));
        text = r != nullptr && r->textColour != -1 ? r->textColour : own != nullptr ? own->textColour : -1;
        back = r != nullptr && r->backColour != -1 ? r->backColour : own != nullptr ? own->backColour : -1;
    }
    if (text != -1) {
        tr = text & 0xFF;
        tg = (text >> 8) & 0xFF;
        tb = (text >> 16) & 0xFF;
    }
    if (back != -1) {
        br = back & 0xFF;
        bg = (back >> 8) & 0xFF;
        bb = (back >> 16) & 0xFF;
    }
}

void yygridputcellstring(int& field, int column, int row, double value, const char* text, const char* format,
                         int textLength, int) {
    HWND grid = yygridfind(field);
    if (GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr)
        yyGridPutString(grid, g, column, row, value, text, format, textLength);
}

void yyGridPutString(HWND grid, GridControlRecord* g, int column, int row, double value, const char* text,
                     const char* format, int textLength) {
    GridColumnRecord& c = g->pColumns[column];
    if (c.iType > GridDouble) return;
    const bool nonBlank = yygridnonblank(text);
    yygridselectnone(grid);
    double number = value;
    if (c.iType != GridText && value == 0.0) {
        int valid = 0;
        yyst2dblcheck(number, valid, text);
        if (!valid) number = 0.0;
    }
    FieldRecord* column0 = columnRecord(c);
    if (isCurrent(g, column, row)) {
        SetWindowTextA(g->hEditor, text);
        if (FieldRecord* er = yyfieldrecord(g->hEditor)) {
            er->value = number;
            er->defined = nonBlank ? 1 : 0;
        }
        SendMessageA(g->hEditor, EM_SETMODIFY, FALSE, 0);
    }
    if (format != nullptr && format[0] != '\0' && column0 != nullptr &&
        (column0->format == nullptr || lstrcmpiA(column0->format, format) != 0)) {
        const std::size_t n = std::strlen(format);
        if (char* copy = new (std::nothrow) char[n + 1]) {
            // A format that cannot be copied leaves the column's old one.
            std::memcpy(copy, format, n + 1);
            char* old = column0->format;
            column0->format = copy;
            if (g->hEditor != nullptr && column == g->iCurColumn)
                if (FieldRecord* er = yyfieldrecord(g->hEditor)) er->format = copy;
            delete[] old;
            if (c.iType == GridReal || c.iType == GridDouble) redrawStrip(g, column);
        }
    }
    const std::size_t limit = textLength > 0 ? static_cast<std::size_t>(textLength - 1) : std::strlen(text);
    if (c.iType == GridText) yygridstoretext(c, row, text, limit);
    else yygridstorenumber(c, row, number);
    yygridsetvalueflags(c, row, text[0] != '\0', nonBlank);
    yygridmarkchanged(g);
    yyGridRedrawCell(g, column, row, bCellUpdate);
}

void yygridputcellcheck(int& field, int column, int row, int value) {
    HWND grid = yygridfind(field);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr) return;
    yygridselectnone(grid);
    yygridcellint(g->pColumns[column], row) = value;
    if (isCurrent(g, column, row)) SendMessageA(g->hEditor, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    else yyGridRedrawCell(g, column, row, bCellUpdate);
    yygridmarkchanged(g);
}

void yygridputcelloption(int& field, int column, int row, int item) {
    HWND grid = yygridfind(field);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr) return;
    yygridselectnone(grid);
    yygridcellint(g->pColumns[column], row) = item - 1;
    if (isCurrent(g, column, row)) SendMessageA(g->hEditor, CB_SETCURSEL, item - 1, 0);
    else yyGridRedrawCell(g, column, row, bCellUpdate);
    yygridmarkchanged(g);
}

void yygridputmenustring(int& field, int column, int row, int& notFound, const char* text) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    const LRESULT found = SendMessageA(g->pColumns[column].hControl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
    const int item = found == CB_ERR ? 0 : static_cast<int>(found);
    notFound = found == CB_ERR ? 1 : 0;
    yygridcellint(g->pColumns[column], row) = item;
    if (isCurrent(g, column, row)) SendMessageA(g->hEditor, CB_SETCURSEL, item, 0);
    else yyGridRedrawCell(g, column, row, bCellUpdate);
}

void yygridputmenu(int& field, int column, int row, const char* text) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    SendMessageA(g->pColumns[column].hControl, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (isCurrent(g, column, row)) SendMessageA(g->hEditor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void yyGridClear(HWND grid, int menus) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->pColumns == nullptr) return;
    yygridselectnone(grid);
    if (g->hEditor != nullptr) {
        const int type = g->pColumns[g->iCurColumn].iType;
        if (type <= GridDouble) {
            SetWindowTextA(g->hEditor, "");
            SendMessageA(g->hEditor, EM_SETMODIFY, FALSE, 0);
            if (FieldRecord* er = yyfieldrecord(g->hEditor)) {
                er->value = 0.0;
                er->defined = 0;
            }
        } else if (type == GridCheckBox) {
            SendMessageA(g->hEditor, BM_SETCHECK, BST_UNCHECKED, 0);
        } else if (menus) {
            SendMessageA(g->hEditor, CB_RESETCONTENT, 0, 0);
        } else {
            SendMessageA(g->hEditor, CB_SETCURSEL, 0, 0);
        }
    }
    for (int c = 0; c < g->nColumns; ++c) {
        GridColumnRecord& column = g->pColumns[c];
        if (menus && column.iType == GridMenu && column.hControl != nullptr) SendMessageA(column.hControl, CB_RESETCONTENT, 0, 0);
        for (int r = 0; r < g->nRowsAllocated; ++r) yygridemptycell(column, r);
    }
    if (g->hCells != nullptr) {
        InvalidateRect(g->hCells, nullptr, FALSE);
        UpdateWindow(g->hCells);
    }
}

void yygridclearcell(int& field, int column, int row, int mode) {
    HWND grid = yygridfind(field);
    if (GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr) yyGridClearCell(grid, g, column, row, mode);
}

void yyGridClearCell(HWND grid, GridControlRecord* g, int column, int row, int mode) {
    const int limit = mode == 0 ? g->nRows : g->nRowsAllocated;
    if (column < 0 || column >= g->nColumns || row < 0 || row >= limit) return;
    yygridselectnone(grid);
    GridColumnRecord& c = g->pColumns[column];
    if (isCurrent(g, column, row)) {
        if (c.iType <= GridDouble) {
            SetWindowTextA(g->hEditor, "");
            SendMessageA(g->hEditor, EM_SETMODIFY, FALSE, 0);
            if (FieldRecord* er = yyfieldrecord(g->hEditor)) {
                er->value = 0.0;
                er->defined = 0;
            }
        } else if (c.iType == GridCheckBox) {
            SendMessageA(g->hEditor, BM_SETCHECK, BST_UNCHECKED, 0);
        } else if (mode == 2) {
            SendMessageA(g->hEditor, CB_SETCURSEL, 0, 0);
        }
    }
    if (c.iType == GridMenu) {
        if (mode == 2) yygridcellint(c, row) = 0;
    } else {
        yygridemptycell(c, row);
    }
    yyGridRedrawCell(g, column, row, bCellUpdate);
}

void yygridclearmenu(int& field, int column, int row) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    if (column < 0 || column >= g->nColumns || g->pColumns[column].iType != GridMenu) {
        field = -1;
        return;
    }
    SendMessageA(g->pColumns[column].hControl, CB_RESETCONTENT, 0, 0);
    if (isCurrent(g, column, row)) SendMessageA(g->hEditor, CB_RESETCONTENT, 0, 0);
}

void yygridlabelcolumn(int& field, int item, const char* text, int length) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr || g->hHeader == nullptr) return;
    std::string label(text, strnlen(text, length > 0 ? static_cast<std::size_t>(length) : 0));
    HDITEMA h{};
    h.mask = HDI_TEXT;
    h.pszText = label.data();
    SendMessageA(g->hHeader, HDM_SETITEMA, item, reinterpret_cast<LPARAM>(&h));
    InvalidateRect(g->hHeader, nullptr, TRUE);
    UpdateWindow(g->hHeader);
}

void yygridgetcolumnlabel(int& field, int item, char* text, int length) {
    copyOut("", text, length);
    GridControlRecord* g = recordOf(field);
    if (g == nullptr || g->hHeader == nullptr || text == nullptr || length <= 0) return;
    HDITEMA h{};
    h.mask = HDI_TEXT;
    h.pszText = text;
    h.cchTextMax = length;
    SendMessageA(g->hHeader, HDM_GETITEMA, item, reinterpret_cast<LPARAM>(&h));
}

void yygridlabelrow(int& field, int row, const char* text, int length) {
    HWND grid = yygridfind(field);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr || g->pRowLabels == nullptr || row < 0 || row >= g->nRowsAllocated) return;
    char* label = g->pRowLabels + static_cast<std::size_t>(row) * GridLabelSize;
    std::size_t n = strnlen(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    if (n > GridLabelSize - 1) n = GridLabelSize - 1;
    std::memcpy(label, text, n);
    label[n] = '\0';
    if (row >= g->iFirstRow && row < g->iFirstRow + g->nRowSlotsShown) yyGridUpdateRowLabels(g);
}

void yygridgetrowlabel(int& field, int row, char* text, int length) {
    copyOut("", text, length);
    GridControlRecord* g = recordOf(field);
    if (g == nullptr || g->pRowLabels == nullptr || row < 0 || row >= g->nRowsAllocated) return;
    copyOut(g->pRowLabels + static_cast<std::size_t>(row) * GridLabelSize, text, length);
}

void yygridgetlabels(int& field, int& hasColumnLabels, int& rowLabelWidth) {
    hasColumnLabels = rowLabelWidth = 0;
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    hasColumnLabels = g->hHeader != nullptr ? 1 : 0;
    rowLabelWidth = g->pRowLabels != nullptr ? g->cxRowLabels : 0;
}

void yygridcolourcell(int& field, int column, int row, int tr, int tg, int tb, int br, int bg, int bb) {
    GridControlRecord* g = nullptr;
    if (!checkColumn(field, g, column)) return;
    if (row < 0 || row >= g->nRows) {
        field = -2;
        return;
    }
    GridColumnRecord& c = g->pColumns[column];
    if (c.pCellColours == nullptr) {
        const FieldRecord* r = columnRecord(c);
        if (!yygridcreatecolours(c, g->nRowsAllocated, r != nullptr ? r->textColour : -1, r != nullptr ? r->backColour : -1)) {
            field = -3;
            return;
        }
    }
    yygridsetcellcolour(c.pCellColours[row], 1, tr, tg, tb);
    yygridsetcellcolour(c.pCellColours[row], 2, br, bg, bb);
    if (isCurrent(g, column, row)) editorColours(g, tr, tg, tb, br, bg, bb);
    yyGridRedrawCell(g, column, row, bCellUpdate);
}

void yygridcolourcolumn(int& field, int column, int tr, int tg, int tb, int br, int bg, int bb) {
    GridControlRecord* g = nullptr;
    if (!checkColumn(field, g, column)) return;
    GridColumnRecord& c = g->pColumns[column];
    delete[] c.pCellColours;
    c.pCellColours = nullptr;
    if (g->hEditor != nullptr && g->iCurColumn == column) editorColours(g, tr, tg, tb, br, bg, bb);
    if (c.hControl != nullptr) {
        yyFieldColour2(c.hControl, 1, tr, tg, tb);
        yyFieldColour2(c.hControl, 2, br, bg, bb);
    }
    if (column >= g->iFirstColumn && column <= g->iLastColumn + 1) redrawStrip(g, column);
}

void yygridrange(int& field, int column, double low, double high) {
    GridControlRecord* g = nullptr;
    if (!checkColumn(field, g, column)) return;
    auto clamp = [](double v) {
        double t = v < 0 ? -static_cast<double>(static_cast<long long>(-v)) : static_cast<double>(static_cast<long long>(v));
        if (t < -31073) t = -31073;
        if (t > 31073) t = 31073;
        return static_cast<int>(t);
    };
    auto apply = [&](HWND control) {
        FieldRecord* r = control != nullptr ? yyfieldrecord(control) : nullptr;
        if (r == nullptr) return;
        r->lower = low;
        r->upper = high;
        if (r->spinBuddy != nullptr) SendMessageA(r->spinBuddy, UDM_SETRANGE32, clamp(low), clamp(high));
    };
    apply(g->pColumns[column].hControl);
    if (g->hEditor != nullptr && g->iCurColumn == column) apply(g->hEditor);
}

void yygridrangecheck(int& field, int column, double value) {
    GridControlRecord* g = nullptr;
    if (!checkColumn(field, g, column)) return;
    const FieldRecord* r = columnRecord(g->pColumns[column]);
    if (r != nullptr && !yygridinrange(r->lower, r->upper, value)) field = -3;
}

void yygridrangecheck2(int& status, HWND grid, int column, double value) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || column < 0 || column >= g->nColumns) {
        status = -2;
        return;
    }
    const FieldRecord* r = columnRecord(g->pColumns[column]);
    if (r != nullptr && !yygridinrange(r->lower, r->upper, value)) status = -3;
}

namespace {

template <typename Apply>
void spinSteps(int& field, int column, const ATOM& spinClass, Apply apply) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    if (column < 0 || column >= g->nColumns || g->pColumns[column].hControl == nullptr ||
        !yyisclass(g->pColumns[column].hControl, spinClass)) {
        field = -2;
        return;
    }
    if (FieldRecord* r = columnRecord(g->pColumns[column])) apply(*r);
    if (g->hEditor != nullptr && g->iCurColumn == column)
        if (FieldRecord* r = yyfieldrecord(g->hEditor)) apply(*r);
}

}  // namespace

void yygridspinstepi(int& field, int column, int smallStep, int largeStep, int origin) {
    spinSteps(field, column, atomSpinInteger, [&](FieldRecord& r) {
        r.smallStep = smallStep;
        r.largeStep = largeStep != 0 ? largeStep : smallStep;
        r.integerBase = origin;
    });
}

void yygridspinstepr(int& field, int column, float smallStep, float largeStep) {
    spinSteps(field, column, atomSpinReal, [&](FieldRecord& r) {
        r.smallStep = smallStep;
        r.largeStep = largeStep;
    });
}

void yygridspinstepd(int& field, int column, double smallStep, double largeStep) {
    spinSteps(field, column, atomSpinDouble, [&](FieldRecord& r) {
        r.smallStep = smallStep;
        r.largeStep = largeStep;
    });
}

void yygridcellstate(int& field, int column, int row, int state) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    unsigned char& flags = g->pColumns[column].pCellFlags[row];
    flags = static_cast<unsigned char>(state == 1 ? flags & ~CellReadOnly : flags | CellReadOnly);
    if (isCurrent(g, column, row)) yygridwindowstate(g->hEditor, g->pColumns[column].iType, state != 1, 1);
    else yyGridRedrawCell(g, column, row, bCellUpdate);
}

void yygridcopycellstate(int& field, int column, int fromRow, int toRow) {
    GridControlRecord* g = recordOf(field);
    if (g == nullptr) return;
    const int readOnly = g->pColumns[column].pCellFlags[fromRow] & CellReadOnly;
    int f = field;
    yygridcellstate(f, column, toRow, readOnly ? 0 : 1);
}

void yygridwindowstate(HWND editor, int type, int readOnly, int repaint) {
    if (editor == nullptr) return;
    HWND grid = GetParent(GetParent(editor));
    if (!readOnly && (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly)) return;
    if (type <= GridDouble) {
        SendMessageA(editor, EM_SETREADONLY, readOnly != 0, 0);
        if (repaint) {
            InvalidateRect(editor, nullptr, TRUE);
            UpdateWindow(editor);
        }
        const FieldRecord* r = yyfieldrecord(editor);
        if (r != nullptr && r->spinBuddy != nullptr) {
            EnableWindow(r->spinBuddy, !readOnly);
            if (repaint) RedrawWindow(r->spinBuddy, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    } else if (type == GridCheckBox) {
        SendMessageA(editor, BM_SETSTYLE, readOnly ? BS_CHECKBOX : BS_AUTOCHECKBOX, repaint != 0);
    }
}

void yyGridRedrawCell(GridControlRecord* g, int column, int row, int now) {
    if (g == nullptr || g->hCells == nullptr) return;
    // A row off screen has nothing to invalidate: spare the query of the area's size.
    if (row < g->iFirstRow || row >= g->iFirstRow + g->nRowSlotsShown) return;
    RECT area;
    GetClientRect(g->hCells, &area);
    GridRect r;
    if (!yygridcellrect(*g, column, row, area.bottom, r)) return;
    RECT cell{r.left, r.top, r.right + 1, r.bottom + 1};
    InvalidateRect(g->hCells, &cell, FALSE);
    if (now) UpdateWindow(g->hCells);
}

void yygridcellredrawoff() { bCellUpdate = 0; }

void yygridcellredrawon(int& field) {
    bCellUpdate = 1;
    yygridshowpendingrows();
    HWND grid = yygridfind(field);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr || g->hCells == nullptr) return;
    InvalidateRect(g->hCells, nullptr, FALSE);
    UpdateWindow(g->hCells);
}

void yygridredrawcolumn(GridControlRecord* g, int column) { redrawStrip(g, column); }

// Rows on screen in the grid's rows, for the put routines.
namespace {

bool rowOnScreen(const GridControlRecord* g, int row) { return row >= g->iFirstRow && row < g->iFirstRow + g->nRowSlotsShown; }

// The common path of the three put routines; text is made by write with the format.
template <typename Write>
void putNumber(const char* routine, int field, int column, int row, double value, const std::string* givenFormat,
               bool integerRoutine, Write write) {
    if (field != 0 && yycurrentdialogwindow() == nullptr) {
        yyerror(1005, routine);
        return;
    }
    int f = field;
    int type = 0;
    yygridcelltype(f, column - 1, type);
    if (f == -2) {
        yyerror(1017, routine);
        return;
    }
    if (f == -1) {
        yyerror(1006, routine);
        return;
    }
    if (type != 4 && type != 5 && type != 6 && type != 7) {
        yyerror(1111, routine);
        return;
    }
    f = field;
    GridControlRecord* g = recordOf(f);
    if (g == nullptr || row < 1 || row > g->nRows) {
        yyerror(1017, routine);
        return;
    }
    char columnFormat[64] = "";
    f = field;
    yygridgetformat(f, column - 1, columnFormat, sizeof columnFormat);
    std::string format = givenFormat != nullptr ? *givenFormat : std::string(trimRight(columnFormat));
    std::string text;
    if (type == 4 || rowOnScreen(g, row - 1)) {
        text = write(format);
    } else {
        text = integerRoutine ? "0" : "0.0";
    }
    f = field;
    yygridrangecheck(f, column - 1, value);
    if (f == -3) {
        yyerror(1009, routine);
        return;
    }
    std::string passed = integerRoutine ? (type == 6 || type == 7 ? std::string(trimRight(columnFormat)) : std::string()) : format;
    f = field;
    yygridputcellstring(f, column - 1, row - 1, value, text.c_str(), passed.c_str(), static_cast<int>(text.size()) + 1, 0);
}

std::string written(TextRef t) {
    ijustifystring(t, "L");
    return std::string(t.trimmed());
}

std::string givenOrNone(const std::optional<std::string_view>& format, bool& given) {
    given = format && !trimRight(*format).empty();
    if (!given) return {};
    std::string f(format->substr(0, 50));
    f.resize(std::strlen(f.c_str()));
    return std::string(trimRight(f));
}

}  // namespace

void WGridPutCellReal(int field, int column, int row, float value, std::optional<std::string_view> format) {
    bool given = false;
    const std::string f = givenOrNone(format, given);
    putNumber("WGridPutCellReal", field, column, row, value, given ? &f : nullptr, false, [&](const std::string& used) {
        char buffer[100];
        TextRef t(buffer, sizeof buffer);
        IRealToString(value, t, used);
        return written(t);
    });
}

void WGridPutCellDouble(int field, int column, int row, double value, std::optional<std::string_view> format) {
    bool given = false;
    const std::string f = givenOrNone(format, given);
    putNumber("WGridPutCellDouble", field, column, row, value, given ? &f : nullptr, false, [&](const std::string& used) {
        char buffer[100];
        TextRef t(buffer, sizeof buffer);
        IDoubleToString(value, t, used);
        return written(t);
    });
}

void WGridPutCellInteger(int field, int column, int row, int value) {
    putNumber("WGridPutCellInteger", field, column, row, value, nullptr, true, [&](const std::string&) {
        char buffer[20];
        TextRef t(buffer, sizeof buffer);
        IntegerToString(value, t, "(I20)");
        return written(t);
    });
}

void yyGridUpdateRowLabels(GridControlRecord* g) {
    if (g == nullptr || g->pRowLabelWindows == nullptr || g->pRowLabels == nullptr) return;
    const int count = yygridlabelstorewrite(*g);
    for (int i = 0; i < count && i < g->nRowLabelWindowsAllocated; ++i) {
        HWND label = g->pRowLabelWindows[i];
        if (label == nullptr) continue;
        const int row = g->iFirstRow + i;
        HDITEMA h{};
        h.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        h.cxy = g->cxRowLabels + 1;
        h.fmt = HDF_LEFT | HDF_STRING;
        h.pszText = const_cast<char*>(row < g->nRowsAllocated ? g->pRowLabels + static_cast<std::size_t>(row) * GridLabelSize : "");
        SendMessageA(label, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&h));
        if (row < g->nRows) ShowWindow(label, SW_SHOWNA);
        UpdateWindow(label);
    }
}
