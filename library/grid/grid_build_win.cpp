// grid_build_win.cpp - building a grid from its "[Grids]" line: the hidden row-template dialog,
// the row labels and the columns with their hidden column controls.
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/callback_guard.hpp"
#include "windows/window_tables_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_companion.hpp"
#include "grid/grid_control_win.hpp"

namespace {

// Children of the template that stand for columns: a numeric field's spin box is not one.
std::vector<HWND> templateControls(HWND rowTemplate) {
    std::vector<HWND> controls;
    for (HWND c = GetWindow(rowTemplate, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (!yyisclass(c, atomUpDown)) controls.push_back(c);
    return controls;
}

int columnTypeOf(HWND c) {
    if (yyisclass(c, atomInteger) || yyisclass(c, atomSpinInteger)) return GridInteger;
    if (yyisclass(c, atomReal) || yyisclass(c, atomSpinReal)) return GridReal;
    if (yyisclass(c, atomDouble) || yyisclass(c, atomSpinDouble)) return GridDouble;
    if (yyisclass(c, atomCombo)) return GridMenu;
    if (yyisclass(c, atomButton) && (GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) return GridCheckBox;
    return GridText;  // an edit control, and any control of another class
}

HWND makeColumnControl(HWND grid, GridControlRecord* g, GridColumnRecord& column, HWND tc) {
    const LONG gridStyle = GetWindowLongA(grid, GWL_STYLE);
    const bool readOnlyGrid = (gridStyle & GridReadOnly) != 0;
    const bool ownClass = yyisclass(tc, atomEdit) || yyisnumericclass(tc) || column.iType == GridCheckBox || column.iType == GridMenu;
    char className[64] = "EDIT";
    LONG style = WS_CHILD | ES_AUTOHSCROLL;
    if (ownClass) {
        GetClassNameA(tc, className, sizeof className);
        style = GetWindowLongA(tc, GWL_STYLE);
    }
    style = (style | WS_BORDER) & ~(WS_VISIBLE | WS_DISABLED);
    if (!IsWindowEnabled(grid)) style |= WS_DISABLED;
    const char* caption = "";
    int height = g->cyRow;
    if (column.iType <= GridDouble) {
        style |= ES_MULTILINE;
        if (readOnlyGrid) style |= ES_READONLY;
    } else if (column.iType == GridCheckBox) {
        caption = "                             ";  // 29 blanks
        if (readOnlyGrid) style = (style & ~BS_TYPEMASK) | BS_CHECKBOX;
    } else {
        RECT dropped{};
        SendMessageA(tc, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        if (dropped.bottom - dropped.top > height) height = dropped.bottom - dropped.top;
        style = (style & ~0x3L) | CBS_DROPDOWNLIST | WS_VSCROLL;
    }
    HWND control = CreateWindowExA(WS_EX_NOPARENTNOTIFY, className, caption, style, 0, 0, column.cxWidth, height, g->hCells,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), GetModuleHandleA(nullptr), nullptr);
    if (control == nullptr) return nullptr;
    if (g->hFont != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(g->hFont), FALSE);
    if (column.iType == GridInteger) SendMessageA(control, EM_LIMITTEXT, GridIntegerTextLength, 0);
    else if (column.iType <= GridDouble) SendMessageA(control, EM_LIMITTEXT, column.nMaxLength, 0);

    // The column's field record: range and spin settings of a numeric template, then the
    // template's value, length and its own copy of the format; no colours, not defined.
    const FieldRecord* from = yyfieldrecord(tc);
    FieldRecord* record = yygridcontrolrecord(control);
    const bool numeric = yyisnumericclass(control);
    if (record == nullptr) return nullptr;
    if (from != nullptr) {
        if (numeric) yygridcopynumericsettings(*record, *from);
        record->value = from->value;
        record->maxLength = from->maxLength;
        delete[] record->format;
        record->format = yygridcopyformat(from->format);
    }
    record->textColour = -1;
    record->backColour = -1;
    record->defined = 0;
    if (column.iType == GridMenu) yygridcopymenuitems(control, tc, 1);
    return control;
}

}  // namespace

char* yygridcopyformat(const char* format) {
    if (format == nullptr) return nullptr;
    const std::size_t n = std::strlen(format);
    char* copy = new (std::nothrow) char[n + 1];
    if (copy != nullptr) std::memcpy(copy, format, n + 1);
    return copy;
}

FieldRecord* yygridcontrolrecord(HWND control) {
    FieldRecord* record = yyfieldrecord(control);
    if (record != nullptr) return record;
    record = new (std::nothrow) FieldRecord;
    if (record == nullptr) {
        DestroyWindow(control);
        return nullptr;
    }
    yyattachfieldrecord(control, record);
    return record;
}

void yygridcopynumericsettings(FieldRecord& to, const FieldRecord& from) {
    to.lower = from.lower;
    to.upper = from.upper;
    to.smallStep = from.smallStep;
    to.largeStep = from.largeStep;
    to.integerBase = from.integerBase;
    if (to.spinBuddy != nullptr && from.spinBuddy != nullptr) {
        int low = 0, high = 0;
        SendMessageA(from.spinBuddy, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        SendMessageA(to.spinBuddy, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
    }
}

void yygridcopymenuitems(HWND to, HWND from, int first) {
    const int n = static_cast<int>(SendMessageA(from, CB_GETCOUNT, 0, 0));
    for (int i = first; i < n; ++i) {
        std::string item(static_cast<std::size_t>(SendMessageA(from, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(from, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        SendMessageA(to, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(to, CB_SETCURSEL, SendMessageA(from, CB_GETCURSEL, 0, 0), 0);
}

namespace {

void insertHeaderItem(HWND header, int item, int width, const char* text, int format) {
    HDITEMA h{};
    h.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
    h.cxy = width;
    h.fmt = format | HDF_STRING;
    h.pszText = const_cast<char*>(text);
    SendMessageA(header, HDM_INSERTITEMA, item, reinterpret_cast<LPARAM>(&h));
}

}  // namespace

namespace {

void rowTemplate(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            if (yyisnumericclass(c) || yyfieldrecord(c) != nullptr) continue;
            if (auto* record = new (std::nothrow) FieldRecord) yyattachfieldrecord(c, record);
        }
        yydialogkbn(dialog, static_cast<int>(lParam), -1);
    } else if (message == WM_DESTROY) {
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) yyfreefieldrecord(c, false);
    }
}

}  // namespace

INT_PTR CALLBACK yygridrowtemplateproc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    return yyguardcallback(
        "yygridrowtemplateproc",
        [&]() -> INT_PTR {
            rowTemplate(dialog, message, lParam);
            return 0;
        },
        []() -> INT_PTR { return 0; });
}

void yygridinitialise(HWND grid, std::string_view text, int& used) {
    used = 0;
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return;
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    const GridCompanionDefinition d = yygridreaddefinition(text, static_cast<unsigned>(style));
    used = static_cast<int>(d.used);
    // A grid already built keeps its storage: a second line changes nothing.
    if (g->bInitialised) return;
    bool failed = d.line.rows < 0 || d.line.columns < 0;
    SendMessageA(grid, GM_SETSIZE, failed ? 0 : d.line.rows, failed ? 0 : d.line.columns);
    g->nColumnsDefined = g->nColumns;
    HWND rowTemplate = nullptr;
    if (!failed) {
        rowTemplate = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(d.line.rowTemplate & 0xFFFF), wWindow[0],
                                         yygridrowtemplateproc, d.line.rowTemplate);
        failed = rowTemplate == nullptr;
    }
    if (!failed && d.hasLabels) {
        const std::size_t start = yygridlabelstart(text, d.line.used);
        std::string_view labels = text.substr(start < text.size() ? start : text.size());
        LRESULT result = SendMessageA(grid, GM_SETUPROWLABELS, d.labels.width, reinterpret_cast<LPARAM>(&labels));
        failed = result == -1;
    }
    if (!failed) failed = SendMessageA(grid, GM_SETUPCOLUMNS, reinterpret_cast<WPARAM>(rowTemplate), 0) == 0;
    SendMessageA(grid, GM_LAYOUT, 0, 0);
    if (rowTemplate != nullptr) DestroyWindow(rowTemplate);
    g->bInitialised = 1;
    g->idTemplate = d.line.rowTemplate;
    if (failed) DestroyWindow(grid);
}

LRESULT yygridsetuprowlabels(HWND grid, int width, const char* text) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || text == nullptr) return -1;
    const std::string_view& labelText = *reinterpret_cast<const std::string_view*>(text);
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    const GridRowLabelText read = yygridreadlabels(labelText, g->nRows, (style & GridNoLabelText) == 0);
    bool failed = false;
    delete[] g->pRowLabelWindows;
    g->pRowLabelWindows = new (std::nothrow) HWND[static_cast<std::size_t>(g->nRowSlots > 0 ? g->nRowSlots : 1)]();
    g->nRowLabelWindowsAllocated = g->pRowLabelWindows != nullptr ? g->nRowSlots : 0;
    delete[] g->pRowLabels;
    g->pRowLabels = new (std::nothrow) char[static_cast<std::size_t>(g->nRows > 0 ? g->nRows : 1) * GridLabelSize]();
    if (g->pRowLabelWindows == nullptr || g->pRowLabels == nullptr) failed = true;
    RECT r{0, 0, width, 0};
    YYMapDialogRect(grid, r);
    g->cxRowLabels = r.right;
    for (int j = 0; j < g->nRowSlots && g->pRowLabelWindows != nullptr; ++j) {
        const int y = j == 0 ? g->cyHeader : g->cyHeader + j * (g->cyRow - 1) + 1;
        HWND label = yygridmakelabelwindow(grid, g, j, y, j == 0 ? g->cyRow : g->cyRow - 1);
        if (label == nullptr) {
            failed = true;
            break;
        }
        g->pRowLabelWindows[j] = label;
    }
    if (g->pRowLabels != nullptr) {
        for (std::size_t r2 = 0; r2 < read.labels.size() && static_cast<int>(r2) < g->nRows; ++r2)
            lstrcpynA(g->pRowLabels + r2 * GridLabelSize, read.labels[r2].c_str(), GridLabelSize);
    }
    yyGridUpdateRowLabels(g);
    return failed ? -1 : static_cast<LRESULT>(read.used);
}

LRESULT yygridsetupcolumns(HWND grid, HWND rowTemplate, const int* map) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr) return 0;
    bool failed = false;
    delete[] g->pColumns;
    g->pColumns = new (std::nothrow) GridColumnRecord[static_cast<std::size_t>(g->nColumns > 0 ? g->nColumns : 1)]();
    if (g->pColumns == nullptr) {
        g->nColumns = 0;
        return 0;
    }
    if (g->hHeader != nullptr)
        insertHeaderItem(g->hHeader, 0, g->cxRowLabels > 0 ? g->cxRowLabels + 1 : 1, "", HDF_LEFT);
    RECT client;
    GetClientRect(grid, &client);
    if (g->hCells == nullptr) {
        g->hCells = CreateWindowExA(0, "KBNGRIDCLIENT", "", WS_CHILD | WS_VISIBLE, g->cxRowLabels, g->cyHeader,
                                    client.right - g->cxRowLabels, client.bottom - g->cyHeader, grid, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        if (g->hCells == nullptr) return 0;
    }
    RECT area;
    GetClientRect(g->hCells, &area);
    int pixelsPer4 = 0;
    const int* widths = nullptr;
    if (map != nullptr) {
        widths = map + g->nColumns;
        if (widths[0] != -1) {
            RECT r{0, 0, 4, 0};
            if (HWND dialog = yycurrentdialogwindow()) MapDialogRect(dialog, &r);
            else YYMapDialogRect(grid, r);
            pixelsPer4 = r.right;
        } else {
            widths = nullptr;
        }
    }
    const std::vector<HWND> controls = templateControls(rowTemplate);
    for (int c = 0; c < g->nColumns; ++c) {
        const int position = map != nullptr ? map[c] - 1 : c;
        if (position < 0 || position >= static_cast<int>(controls.size())) {
            failed = true;
            continue;
        }
        HWND tc = controls[static_cast<std::size_t>(position)];
        GridColumnRecord& column = g->pColumns[c];
        RECT r;
        GetWindowRect(tc, &r);
        if (const FieldRecord* tr = yyfieldrecord(tc); tr != nullptr && tr->spinBuddy != nullptr) {
            RECT s;
            GetWindowRect(tr->spinBuddy, &s);
            r.right = s.right;
        }
        column.cxWidth = r.right - r.left;
        if (widths != nullptr) column.cxWidth = widths[c] * pixelsPer4 / 4;
        if (column.cxWidth > area.right && area.right > 0) column.cxWidth = area.right;
        if (column.cxWidth < 2) column.cxWidth = 2;
        column.iType = columnTypeOf(tc);
        FieldRecord* templateRecord = yyfieldrecord(tc);
        if (column.iType == GridText) {
            if (templateRecord != nullptr && templateRecord->maxLength <= 0) templateRecord->maxLength = GridDefaultTextLength;
            column.nMaxLength = templateRecord != nullptr ? templateRecord->maxLength : GridDefaultTextLength;
        } else if (column.iType == GridInteger) {
            column.nMaxLength = GridIntegerTextLength;
        }
        if (!yygridallocatecells(column, g->nRowsAllocated)) failed = true;
        else if (column.iType <= GridDouble && (GetWindowLongA(tc, GWL_STYLE) & ES_READONLY))
            std::memset(column.pCellFlags, CellReadOnly, static_cast<std::size_t>(g->nRowsAllocated));
        column.hControl = makeColumnControl(grid, g, column, tc);
        if (column.hControl == nullptr) failed = true;
        if (g->hHeader != nullptr) {
            char title[256] = "";
            GetWindowTextA(tc, title, sizeof title);
            insertHeaderItem(g->hHeader, c + 1, column.cxWidth - 1, title, HDF_CENTER);
        }
    }
    if (IsWindowEnabled(grid) && g->hEditor == nullptr) yyGridCreateCurrent(g);
    return failed ? 0 : 1;
}
