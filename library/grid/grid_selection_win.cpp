// grid_selection_win.cpp - the selected block with its events, the clipboard (copy, paste,
// delete and the tests that enable them) and the grid copy of a dialog's modal copy.
#include <cstring>
#include <string>
#include <vector>

#include "base/convert_internal.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_clipboard.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_geometry.hpp"

namespace {

// Writes a grid event into the current-event slot.
void storeEvent(HWND grid, int value3, int x, int y) {
    bool modal = false;
    const int* record = yyeventrecord(GetParent(grid), modal);
    const int id = GetDlgCtrlID(grid);
    yystorefieldchanged(record != nullptr ? record[DlgId] : 0, id, id, value3, x, y);
}

bool fieldEventsOn() { return gravim.events.wMessageEnabled[EvFieldChanged - 1] != 0; }

void selectionEvent(HWND grid, int x, int y) {
    if (!(GetWindowLongA(grid, GWL_STYLE) & GridSelectionEvents) || !fieldEventsOn()) return;
    if (gravim.events.wValidMessage != 1) return;  // an event of this wait is already waiting
    storeEvent(grid, 2, x, y);
}

void pasteEvent(HWND grid, int x, int y) {
    if (!(GetWindowLongA(grid, GWL_STYLE) & GridPasteEvents) || !fieldEventsOn()) return;
    storeEvent(grid, 1, x, y);
}

void invalidateSelection(HWND grid, GridControlRecord* g) {
    RECT r;
    if (g->hCells != nullptr && yygridgetselrect(grid, r)) InvalidateRect(g->hCells, &r, FALSE);
}

std::vector<std::string> menuItems(HWND control) {
    std::vector<std::string> items;
    const int n = control != nullptr ? static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < n; ++i) {
        std::string item(static_cast<std::size_t>(SendMessageA(control, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(std::strlen(item.c_str()));
        items.push_back(item);
    }
    return items;
}

int copyWidth(const GridColumnRecord& column) {
    switch (column.iType) {
    case GridText: return column.nMaxLength;
    case GridInteger: return GridIntegerTextLength;
    case GridCheckBox: return 3;
    case GridMenu: {
        int longest = 0;
        for (const std::string& item : menuItems(column.hControl))
            if (static_cast<int>(item.size()) > longest) longest = static_cast<int>(item.size());
        return longest;
    }
    default: return GridRealTextLength;
    }
}

// The clipboard's text, or false when there is none (the clipboard is closed again).
bool clipboardText(HWND owner, std::string& text) {
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes == nullptr) {
        CloseClipboard();
        return false;
    }
    const std::size_t size = GlobalSize(data);
    const void* nul = std::memchr(bytes, '\0', size);
    text.assign(bytes, nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : size);
    GlobalUnlock(data);
    return true;
}

void emptyEditor(GridControlRecord* g, int menuChoice) {
    HWND editor = g->hEditor;
    if (editor == nullptr) return;
    const int type = g->pColumns[g->iCurColumn].iType;
    if (type <= GridDouble) {
        SetWindowTextA(editor, "");
        SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
        if (FieldRecord* record = yyfieldrecord(editor)) {
            record->value = 0.0;
            record->defined = 0;
        }
    } else if (type == GridCheckBox) {
        SendMessageA(editor, BM_SETCHECK, BST_UNCHECKED, 0);
    } else if (menuChoice >= 0) {
        SendMessageA(editor, CB_SETCURSEL, menuChoice, 0);
    }
}

void pasteField(HWND grid, GridControlRecord* g, int row, int c, std::string_view field) {
    GridColumnRecord& column = g->pColumns[c];
    HWND editor = row == g->iCurRow && c == g->iCurColumn ? g->hEditor : nullptr;
    FieldRecord* er = editor != nullptr ? yyfieldrecord(editor) : nullptr;
    switch (column.iType) {
    case GridText: {
        std::string text(field.substr(0, static_cast<std::size_t>(column.nMaxLength)));
        if (editor != nullptr) {
            SetWindowTextA(editor, text.c_str());
            SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
        }
        yygridstoretext(column, row, text.c_str(), text.size());
        break;
    }
    case GridInteger:
    case GridReal:
    case GridDouble: {
        const FieldRecord* cr = column.hControl != nullptr ? yyfieldrecord(column.hControl) : nullptr;
        GridPastedNumber n = yygridpastenumber(field, column.iType, cr != nullptr ? cr->lower : 1.0, cr != nullptr ? cr->upper : 0.0);
        if (!n.accepted) return;
        if (editor != nullptr) {
            std::string text = n.text;
            if (n.nonBlank) {
                text.resize(text.size() > GridRealTextLength ? text.size() : GridRealTextLength, ' ');
                const char* format = er != nullptr && er->format != nullptr ? er->format : "(G15.5E2)";
                if (column.iType == GridInteger) yyformi(TextRef(text));
                else if (column.iType == GridReal) yyformr(TextRef(text), format);
                else yyformd(TextRef(text), format);
                text.resize(std::strlen(text.c_str()));
                text.resize(trimmedLength(text));
            }
            if (er != nullptr) {
                er->defined = n.nonBlank ? 1 : 0;
                yyst2dbl(er->value, text);
            }
            SetWindowTextA(editor, text.c_str());
            SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
        }
        if (n.nonBlank) yygridstorenumber(column, row, n.value);
        yygridsetvalueflags(column, row, n.nonBlank, n.nonBlank);
        break;
    }
    case GridCheckBox: {
        const int checked = yygridpastecheck(field) ? 1 : 0;
        if (editor != nullptr) SendMessageA(editor, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        yygridcellint(column, row) = checked;
        break;
    }
    case GridMenu: {
        const int item = yygridmenuprefix(menuItems(column.hControl), field);
        if (item < 0) return;
        if (editor != nullptr) SendMessageA(editor, CB_SETCURSEL, item, 0);
        yygridcellint(column, row) = item;
        break;
    }
    default: return;
    }
    yyGridRedrawCell(g, c, row, bCellUpdate);
    (void)grid;
}

}  // namespace

void yygridmarkchanged(GridControlRecord* g) {
    g->bUnsaved = 1;
    g->bModified = 1;
}

int yygridgetselrect(HWND grid, RECT& r) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->hCells == nullptr) return 0;
    RECT area;
    GetClientRect(g->hCells, &area);
    GridRect s;
    if (!yygridselectionrect(*g, area.bottom, s)) return 0;
    r = {s.left, s.top, s.right, s.bottom};
    return 1;
}

void yygridselectrange(HWND grid, int firstRow, int lastRow, int firstColumn, int lastColumn) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    if (g->iSelFirstRow == firstRow && g->iSelLastRow == lastRow && g->iSelFirstColumn == firstColumn &&
        g->iSelLastColumn == lastColumn)
        return;
    HWND focus = GetFocus();
    if (focus != nullptr && (yyisclass(focus, atomEdit) || yyisnumericclass(focus))) SendMessageA(focus, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    invalidateSelection(grid, g);
    g->iSelFirstRow = firstRow;
    g->iSelLastRow = lastRow;
    g->iSelFirstColumn = firstColumn;
    g->iSelLastColumn = lastColumn;
    invalidateSelection(grid, g);
    if (g->hCells != nullptr) UpdateWindow(g->hCells);
    if (g->hEditor != nullptr) InvalidateRect(g->hEditor, nullptr, TRUE);
    selectionEvent(grid, yypackcell(firstColumn, firstRow), yypackcell(lastColumn, lastRow));
}

void yygridselectnone(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    g->iAnchorColumn = g->iAnchorRow = -1;
    if (g->iSelFirstRow < 0) return;
    invalidateSelection(grid, g);
    if (g->hEditor != nullptr) InvalidateRect(g->hEditor, nullptr, TRUE);
    g->iSelFirstRow = g->iSelLastRow = g->iSelFirstColumn = g->iSelLastColumn = -1;
    if (g->hCells != nullptr) UpdateWindow(g->hCells);
    if (g->hEditor != nullptr) UpdateWindow(g->hEditor);
    selectionEvent(grid, 0, 0);
}

int yygridclipcopy(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->iSelFirstRow < 0) return 0;
    bool done = false;
    if (OpenClipboard(grid)) {
        EmptyClipboard();
        std::vector<int> widths;
        for (int c = g->iSelFirstColumn; c <= g->iSelLastColumn; ++c) widths.push_back(copyWidth(g->pColumns[c]));
        const int rows = g->iSelLastRow - g->iSelFirstRow + 1;
        const std::size_t bytes = yygridclipbytes(widths, rows);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
        char* block = memory != nullptr ? static_cast<char*>(GlobalLock(memory)) : nullptr;
        if (block != nullptr) {
            std::string cell(GridTextBufferSize, '\0');
            yygridclipwrite(block, bytes, widths, rows, [&](int r, int c) {
                yyGridGetString(g, g->iSelFirstColumn + c, g->iSelFirstRow + r, cell.data(), GridTextBufferSize, 0);
                return std::string_view(cell.c_str());
            });
            GlobalUnlock(memory);
            done = SetClipboardData(CF_TEXT, memory) != nullptr;
            if (!done) GlobalFree(memory);
        } else if (memory != nullptr) {
            GlobalFree(memory);
        }
        CloseClipboard();
    }
    if (done) return 1;
    MessageBoxA(nullptr,
                "Either the clipboard is in use by another application or there is\rinsufficient memory available for the amount of data being copied",
                "Unable to Copy Data to Clipboard", MB_TASKMODAL | MB_ICONERROR | MB_OK);
    return 0;
}

int yygridclippaste(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->pColumns == nullptr) return 0;
    std::string text;
    if (!clipboardText(grid, text)) return 0;
    yygridselectnone(grid);
    int lastRow = g->iCurRow, lastColumn = g->iCurColumn;
    yygridpastewalk(text, g->iCurRow, g->iCurColumn, g->nRows, g->nColumns, [&](int row, int c, std::string_view field) {
        pasteField(grid, g, row, c, field);
        if (row > lastRow) lastRow = row;
        if (c > lastColumn) lastColumn = c;
    });
    if (bCellUpdate && g->hCells != nullptr) {
        InvalidateRect(g->hCells, nullptr, FALSE);
        UpdateWindow(g->hCells);
    }
    pasteEvent(grid, yypackcell(g->iCurColumn, g->iCurRow), yypackcell(lastColumn, lastRow));
    yygridmarkchanged(g);
    return CloseClipboard() ? 1 : 0;
}

void yygridclipdelete(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->iSelFirstRow < 0) return;
    const int r0 = g->iSelFirstRow, r1 = g->iSelLastRow, c0 = g->iSelFirstColumn, c1 = g->iSelLastColumn;
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r) yygridemptycell(g->pColumns[c], r);
    yygridselectnone(grid);
    if (g->iCurColumn >= c0 && g->iCurColumn <= c1 && g->iCurRow >= r0 && g->iCurRow <= r1) emptyEditor(g, 0);
    if (g->hCells != nullptr) {
        InvalidateRect(g->hCells, nullptr, FALSE);
        UpdateWindow(g->hCells);
    }
    pasteEvent(grid, yypackcell(c0, r0), yypackcell(c1, r1));
    yygridmarkchanged(g);
}

int yygridcheckclipboard() {
    std::string text;
    if (!clipboardText(nullptr, text)) return 0;
    CloseClipboard();
    return yygridclipclass(text);
}

void yygridclipcount(int& rows, int& columns) {
    std::string text;
    if (clipboardText(nullptr, text)) CloseClipboard();
    ::yygridclipcount(std::string_view(text), rows, columns);
}

int yygridcancut(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->iSelFirstRow < 0 || (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly)) return 0;
    for (int c = g->iSelFirstColumn; c <= g->iSelLastColumn; ++c)
        for (int r = g->iSelFirstRow; r <= g->iSelLastRow; ++r)
            if (g->pColumns[c].pCellFlags[r] & CellReadOnly) return 0;
    return 1;
}

int yygridcanpaste(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly)) return 0;
    int rows = 1, columns = 1;
    yygridclipcount(rows, columns);
    for (int c = g->iCurColumn; c < g->iCurColumn + columns && c < g->nColumns; ++c)
        for (int r = g->iCurRow; r < g->iCurRow + rows && r < g->nRows; ++r)
            if (g->pColumns[c].pCellFlags[r] & CellReadOnly) return 0;
    return 1;
}

void yygridcopy(HWND destination, HWND source) {
    GridControlRecord* d = yygridrecord(destination);
    GridControlRecord* s = yygridrecord(source);
    if (d == nullptr || s == nullptr || d == s) return;
    std::string work(GridTextBufferSize, '\0');
    yyGridDestroyCurrent(d, false);
    d->nRows = s->nRows;
    d->iCurColumn = s->iCurColumn;
    d->iCurRow = s->iCurRow;
    d->iFirstColumn = s->iFirstColumn;
    d->iLastColumn = s->iLastColumn;
    d->iFirstRow = s->iFirstRow;
    const LONG style = GetWindowLongA(source, GWL_STYLE);
    if (!s->bSharesStorage) {
        // Into the modal copy: the copy shares the columns and labels of the original.
        d->bInitialised = s->bInitialised;
        d->nColumns = s->nColumns;
        d->iMaxFirstColumn = s->iMaxFirstColumn;
        d->nRowsAllocated = s->nRowsAllocated;
        d->nColumnsDefined = s->nColumnsDefined;
        d->nRowsFit = s->nRowsFit;
        d->nRowSlots = s->nRowSlots;
        d->nRowSlotsShown = s->nRowSlotsShown;
        d->cxRowLabels = s->cxRowLabels;
        d->cyHeader = s->cyHeader;
        d->idTemplate = s->idTemplate;
        d->nScrollDivisor = s->nScrollDivisor;
        d->cyRow = s->cyRow;
        d->bDesignMode = 0;
        d->pColumns = s->pColumns;
        d->pRowLabels = s->pRowLabels;
        d->bSharesStorage = 1;
        HFONT font = s->hFont;
        d->hFont = font;
        RECT client;
        GetClientRect(destination, &client);
        if (d->hCells == nullptr)
            d->hCells = CreateWindowExA(GetWindowLongA(s->hCells, GWL_EXSTYLE), "KBNGRIDCLIENT", "", GetWindowLongA(s->hCells, GWL_STYLE),
                                        d->cxRowLabels, d->cyHeader, client.right - d->cxRowLabels, client.bottom - d->cyHeader,
                                        destination, reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(s->hCells))),
                                        GetModuleHandleA(nullptr), nullptr);
        if ((style & GridRowLabels) && s->pRowLabelWindows != nullptr) {
            delete[] d->pRowLabelWindows;
            d->pRowLabelWindows = new (std::nothrow) HWND[static_cast<std::size_t>(d->nRowSlots > 0 ? d->nRowSlots : 1)]();
            d->nRowLabelWindowsAllocated = d->pRowLabelWindows != nullptr ? d->nRowSlots : 0;
            for (int i = 0; i < d->nRowSlotsShown && d->pRowLabelWindows != nullptr; ++i) {
                HWND from = s->pRowLabelWindows[i];
                if (from == nullptr) continue;
                RECT r;
                GetWindowRect(from, &r);
                MapWindowPoints(nullptr, source, reinterpret_cast<POINT*>(&r), 2);
                HWND label = yygridmakelabelwindow(destination, d, i, r.top, r.bottom - r.top);
                if (label == nullptr) continue;
                SetWindowLongA(label, GWL_STYLE, GetWindowLongA(from, GWL_STYLE));
                d->pRowLabelWindows[i] = label;
            }
        }
        if (d->hHeader != nullptr && s->hHeader != nullptr) {
            while (SendMessageA(d->hHeader, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageA(d->hHeader, HDM_DELETEITEM, 0, 0);
            for (int item = 0; item <= s->nColumns; ++item) {
                HDITEMA h{};
                h.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
                h.pszText = work.data();
                h.cchTextMax = 256;
                SendMessageA(s->hHeader, HDM_GETITEMA, item, reinterpret_cast<LPARAM>(&h));
                SendMessageA(d->hHeader, HDM_INSERTITEMA, item, reinterpret_cast<LPARAM>(&h));
            }
            SendMessageA(d->hHeader, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            RECT r;
            GetWindowRect(s->hHeader, &r);
            SetWindowPos(d->hHeader, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        // Back from the modal copy: labels and header widths; the cells were shared all along.
        for (int i = 0; (style & GridRowLabels) && i < s->nRowSlotsShown && s->pRowLabelWindows != nullptr &&
                        d->pRowLabelWindows != nullptr && i < d->nRowLabelWindowsAllocated;
             ++i) {
            if (s->pRowLabelWindows[i] == nullptr || d->pRowLabelWindows[i] == nullptr) continue;
            HDITEMA h{};
            h.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
            h.pszText = work.data();
            h.cchTextMax = GridLabelSize;
            SendMessageA(s->pRowLabelWindows[i], HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&h));
            SendMessageA(d->pRowLabelWindows[i], HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&h));
        }
        if (d->hHeader != nullptr && s->hHeader != nullptr && (style & GridResizableColumns)) {
            for (int item = 0; item <= s->nColumns; ++item) {
                HDITEMA h{};
                h.mask = HDI_WIDTH;
                SendMessageA(s->hHeader, HDM_GETITEMA, item, reinterpret_cast<LPARAM>(&h));
                SendMessageA(d->hHeader, HDM_SETITEMA, item, reinterpret_cast<LPARAM>(&h));
            }
        }
    }
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!(GetWindowLongA(destination, GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))) continue;
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        GetScrollInfo(source, bar, &si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        SetScrollInfo(destination, bar, &si, TRUE);
    }
    if (s->hEditor != nullptr) {
        yyGridCreateCurrent(d);
        if (d->hEditor != nullptr) {
            const int type = d->pColumns[d->iCurColumn].iType;
            if (type == GridCheckBox) {
                SendMessageA(d->hEditor, BM_SETCHECK, SendMessageA(s->hEditor, BM_GETCHECK, 0, 0), 0);
            } else if (type == GridMenu) {
                const LRESULT chosen = SendMessageA(s->hEditor, CB_GETCURSEL, 0, 0);
                if (chosen != CB_ERR) SendMessageA(d->hEditor, CB_SETCURSEL, chosen, 0);
            } else {
                GetWindowTextA(s->hEditor, work.data(), GridTextBufferSize);
                SetWindowTextA(d->hEditor, work.c_str());
                FieldRecord* to = yyfieldrecord(d->hEditor);
                const FieldRecord* from = yyfieldrecord(s->hEditor);
                if (to != nullptr && from != nullptr) {
                    to->value = from->value;
                    to->defined = from->defined;
                }
                SendMessageA(d->hEditor, EM_SETMODIFY, SendMessageA(s->hEditor, EM_GETMODIFY, 0, 0), 0);
            }
        }
    }
    if (d->hCells != nullptr) InvalidateRect(d->hCells, nullptr, TRUE);
}
