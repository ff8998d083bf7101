// grid_editor_win.cpp - the editor of the current cell: making a cell current, creating, loading,
// storing and destroying the editor, and its keys, characters, dialog codes and focus.
#include <cstring>
#include <new>
#include <string>

#include "base/callback_guard.hpp"
#include "base/convert_internal.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_clipboard.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_geometry.hpp"
#include "grid/grid_window_win.hpp"

namespace {

int focusFromOutside = 0;  // the editor last got the focus from outside the grid
int focusLeft = 0;         // the editor last lost the focus to a window outside the grid
int loadingEditor = 0;     // the grid fills the editor: its notifications are not the user's

HWND gridOfEditor(HWND editor) { return GetParent(GetParent(editor)); }

bool isTextLike(int type) { return type <= GridDouble; }

bool keyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void invalidateSelection(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    RECT r;
    if (g != nullptr && g->hCells != nullptr && yygridgetselrect(grid, r)) InvalidateRect(g->hCells, &r, FALSE);
}

// Caret at the start (or end) of the editor's text, judged by its selection.
bool caretAtStart(HWND editor) {
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == 0;
}
bool caretAtEnd(HWND editor) {
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthA(editor));
    return start == length && end == length;
}

void move(HWND grid, int column, int row) { yygridupdatecell(grid, column, row, 1, keyDown(VK_SHIFT) ? 1 : 0); }

bool dropped(HWND editor, int type) { return type == GridMenu && SendMessageA(editor, CB_GETDROPPEDSTATE, 0, 0) != 0; }

bool hasSelection(const GridControlRecord* g) { return g->iSelFirstRow >= 0; }

// The keys of the table; true when the key was used (the editor may be gone then).
bool onKey(HWND editor, HWND grid, GridControlRecord* g, WPARAM key) {
    const int type = g->pColumns[g->iCurColumn].iType;
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    const int c = g->iCurColumn, r = g->iCurRow;
    const int lastColumn = g->nColumns - 1, lastRow = g->nRows - 1;
    const bool ctrl = keyDown(VK_CONTROL), shift = keyDown(VK_SHIFT);
    switch (key) {
    case VK_UP:
        if (dropped(editor, type)) return false;
        if (r == 0) yyringbell2();
        else move(grid, c, r - 1);
        return true;
    case VK_RETURN:
        if (!(style & GridEnterMovesDown)) return false;
        [[fallthrough]];
    case VK_DOWN:
        if (dropped(editor, type)) return false;
        if (r >= lastRow) yyringbell2();
        else move(grid, c, r + 1);
        return true;
    case VK_LEFT:
        if (isTextLike(type) && !caretAtStart(editor) && g->iAnchorColumn < 0) return false;
        if (ctrl) yyGridSendScrollMessage(grid, WM_HSCROLL, SB_PAGELEFT, 0, shift);
        else if (c > 0) move(grid, c - 1, r);
        else if ((style & GridWrapRows) && r > 0) move(grid, lastColumn, r - 1);
        else yyringbell2();
        return true;
    case VK_RIGHT:
        if (isTextLike(type) && !caretAtEnd(editor)) return false;
        if (ctrl) yyGridSendScrollMessage(grid, WM_HSCROLL, SB_PAGERIGHT, 0, shift);
        else if (c < lastColumn) move(grid, c + 1, r);
        else if ((style & GridWrapRows) && r < lastRow) move(grid, 0, r + 1);
        else yyringbell2();
        return true;
    case VK_HOME:
    case VK_END:
        if (!ctrl) return false;
        move(grid, key == VK_HOME ? 0 : lastColumn, r);
        return true;
    case VK_PRIOR:
        if (dropped(editor, type)) return false;
        if (ctrl) move(grid, c, 0);
        else yyGridSendScrollMessage(grid, WM_VSCROLL, SB_PAGEUP, 0, shift);
        return true;
    case VK_NEXT:
        if (dropped(editor, type)) return false;
        if (ctrl) move(grid, c, lastRow);
        else if (g->nRows > g->nRowsFit) yyGridSendScrollMessage(grid, WM_VSCROLL, SB_PAGEDOWN, 0, shift);
        return true;
    case VK_TAB:
        if (style & GridTabMoves) {
            if (!shift) {
                if (c < lastColumn) move(grid, c + 1, r);
                else if ((style & GridWrapRows) && r < lastRow) yygridupdatecell(grid, 0, r + 1, 1, 0);
                else yyringbell2();
            } else {
                if (c > 0) move(grid, c - 1, r);
                else if ((style & GridWrapRows) && r > 0) yygridupdatecell(grid, lastColumn, r - 1, 1, 0);
                else yyringbell2();
            }
            return true;
        }
        if (type == GridCheckBox || type == GridMenu) {
            SendMessageA(GetParent(grid), WM_NEXTDLGCTL, shift ? 1 : 0, 0);
            return true;
        }
        return false;
    case VK_ESCAPE:
        if ((type == GridCheckBox || type == GridMenu) && yyclassis(GetParent(grid), "#32770")) {
            SendMessageA(GetParent(grid), WM_CLOSE, 0, 0);
            return true;
        }
        return false;
    case VK_DELETE:
        if (!hasSelection(g)) return false;
        if (yygridcancut(grid)) {
            if (!shift) yygridclipdelete(grid);
            else if (yygridclipcopy(grid)) yygridclipdelete(grid);
        }
        return true;
    case VK_INSERT:
        if (shift && yygridcheckclipboard() == 2) {
            if (yygridcanpaste(grid)) yygridclippaste(grid);
            return true;
        }
        return false;
    default: return false;
    }
}

// Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+A, Tab and Enter; true when the character was used.
bool onChar(HWND editor, HWND grid, GridControlRecord* g, WPARAM ch) {
    const int type = g->pColumns[g->iCurColumn].iType;
    switch (ch) {
    case 0x18:  // Ctrl+X
        if (!hasSelection(g)) return false;
        if (yygridcancut(grid) && yygridclipcopy(grid)) yygridclipdelete(grid);
        return true;
    case 0x03:  // Ctrl+C
        if (!hasSelection(g)) return false;
        yygridclipcopy(grid);
        return true;
    case 0x16:  // Ctrl+V
        if (yygridcheckclipboard() != 2) return false;
        if (yygridcanpaste(grid)) yygridclippaste(grid);
        return true;
    case 0x01:  // Ctrl+A
        if (!isTextLike(type)) return false;
        SendMessageA(editor, EM_SETSEL, 0, -1);
        SendMessageA(editor, EM_SCROLLCARET, 0, 0);
        return true;
    case '\t':
    case '\r':
    case '\n': return true;
    default: return false;
    }
}

LRESULT editorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    FieldRecord* record = yyfieldrecord(editor);
    WNDPROC previous = record != nullptr ? record->nextProcedure : nullptr;
    auto pass = [&]() {
        return previous != nullptr ? CallWindowProcA(previous, editor, message, wParam, lParam)
                                   : DefWindowProcA(editor, message, wParam, lParam);
    };
    HWND grid = gridOfEditor(editor);
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->hEditor != editor) return pass();
    switch (message) {
    case WM_KEYDOWN:
        if (onKey(editor, grid, g, wParam)) return 0;
        return pass();
    case WM_CHAR:
        if (onChar(editor, grid, g, wParam)) return 0;
        return pass();
    case WM_GETDLGCODE: {
        LRESULT code = pass();
        const LONG style = GetWindowLongA(grid, GWL_STYLE);
        if (style & GridEnterMovesDown) code |= DLGC_WANTALLKEYS;
        else if (style & GridTabMoves) code |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        else code |= DLGC_WANTARROWS | DLGC_WANTCHARS;
        return code;
    }
    case WM_SETFOCUS: {
        HWND from = reinterpret_cast<HWND>(wParam);
        const bool inside = from != nullptr && (from == grid || IsChild(grid, from) ||
                                                (hWinMenuClick != nullptr && IsChild(hWinMenuClick, from)));
        focusFromOutside = inside ? 0 : 1;
        // The selection was drawn plain while the focus was away: show it selected again.
        if (focusLeft) {
            invalidateSelection(grid);
            InvalidateRect(editor, nullptr, TRUE);
        }
        focusLeft = 0;
        if (!(bGridInternalFocus && inside)) yygridcellchanged(grid);
        return pass();
    }
    case WM_KILLFOCUS: {
        HWND to = reinterpret_cast<HWND>(wParam);
        HWND parent = GetParent(grid);
        const bool insideParentWindow = parent != nullptr && yyclassis(parent, "GRAVCHILD");
        const bool stays = to != nullptr && (to == grid || IsChild(grid, to) || (insideParentWindow && to == parent));
        if (!stays) {
            focusLeft = 1;
            invalidateSelection(grid);
            InvalidateRect(editor, nullptr, TRUE);
        }
        return pass();
    }
    case WM_CONTEXTMENU:
        if (!hasSelection(g) && GetFocus() != editor) SetFocus(editor);
        return SendMessageA(g->hCells, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor), lParam);
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON) {
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            MapWindowPoints(editor, g->hCells, &p, 1);
            SendMessageA(g->hCells, WM_MOUSEMOVE, wParam, MAKELPARAM(p.x, p.y));
        }
        return pass();
    case WM_MOUSEWHEEL: return SendMessageA(grid, message, wParam, lParam);
    case WM_NCHITTEST:
        if (g->bDesignMode) return HTTRANSPARENT;
        return pass();
    case WM_SETTEXT: {
        LRESULT result = pass();
        UpdateWindow(editor);
        return result;
    }
    default: return pass();
    }
}

}  // namespace

bool yygridhasfocus(HWND grid) {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == grid || IsChild(grid, focus));
}

bool yygridrefuses(GridControlRecord* g, HWND newFocus) {
    if (g->hEditor == nullptr || !yyisnumericclass(g->hEditor)) return false;
    return yyoutofrange(g->hEditor, newFocus, 1) != 0;
}

void yygridcellchanged(HWND grid) {
    GridControlRecord* g = yygridrecord(grid);
    HWND parent = GetParent(grid);
    if (g == nullptr || parent == nullptr) return;
    SendMessageA(parent, GM_CELLCHANGE, static_cast<WPARAM>(GetDlgCtrlID(grid)), yypackcell(g->iCurColumn, g->iCurRow));
}

void yygridupdatecell(HWND grid, int column, int row, int focus, int extend) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->nColumns <= 0 || g->nRows <= 0) return;
    const bool same = column == g->iCurColumn && row == g->iCurRow;
    if (same && g->hEditor != nullptr && !focusFromOutside) return;
    if (!same && g->hEditor != nullptr && yygridrefuses(g, g->hEditor)) return;
    const int oldColumn = g->iCurColumn, oldRow = g->iCurRow;
    const int anchorColumn = g->iAnchorColumn, anchorRow = g->iAnchorRow;
    const bool focusInside = yygridhasfocus(grid);
    if (focusInside && g->hCells != nullptr) {
        // The focus waits in the cell area while the editor is replaced.
        bGridInternalFocus = 1;
        SetFocus(g->hCells);
        bGridInternalFocus = 0;
    }
    yyGridDestroyCurrent(g, true);
    g->iCurColumn = column;
    g->iCurRow = row;
    focusFromOutside = 0;
    yyGridCreateCurrent(g);
    if (focus) SetFocus(grid);
    else if (focusInside) {
        if (g->hEditor != nullptr && GetFocus() != g->hEditor) {
            bGridInternalFocus = 1;
            SetFocus(g->hEditor);
            bGridInternalFocus = 0;
        }
        yygridcellchanged(grid);
    }
    if (!extend) {
        yygridselectnone(grid);
        return;
    }
    auto block = [&](int c0, int r0) {
        yygridselectrange(grid, r0 < row ? r0 : row, r0 > row ? r0 : row, c0 < column ? c0 : column, c0 > column ? c0 : column);
    };
    if (anchorColumn < 0) {
        block(oldColumn, oldRow);
        g->iAnchorColumn = oldColumn;
        g->iAnchorRow = oldRow;
    } else if (anchorColumn != column || anchorRow != row) {
        block(anchorColumn, anchorRow);
        g->iAnchorColumn = anchorColumn;
        g->iAnchorRow = anchorRow;
    } else {
        yygridselectnone(grid);
    }
}

void yyGridCreateCurrent(GridControlRecord* g) {
    if (g == nullptr || g->hEditor != nullptr || g->nColumns <= 0 || g->nRows <= 0 || g->pColumns == nullptr) return;
    HWND grid = GetParent(g->hCells);
    if (g->hCells == nullptr || !IsWindowEnabled(grid)) return;
    if (g->iCurColumn >= g->nColumns) g->iCurColumn = g->nColumns - 1;
    if (g->iCurRow >= g->nRows) g->iCurRow = g->nRows - 1;
    const GridColumnRecord& column = g->pColumns[g->iCurColumn];
    if (column.hControl == nullptr) return;
    char className[64] = "";
    GetClassNameA(column.hControl, className, sizeof className);
    LONG style = (GetWindowLongA(column.hControl, GWL_STYLE) | WS_VISIBLE | WS_BORDER) & ~WS_DISABLED;
    if (column.iType == GridMenu) style |= WS_VSCROLL;
    if (isTextLike(column.iType) && (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly)) style |= ES_READONLY;
    const LONG exStyle = GetWindowLongA(column.hControl, GWL_EXSTYLE);
    const int x = yygridcolumndistance(*g, g->iFirstColumn, g->iCurColumn);
    const int y = (g->iCurRow - g->iFirstRow) * (g->cyRow - 1);
    int height = g->cyRow;
    if (column.iType == GridMenu) {
        RECT listRect{};
        SendMessageA(column.hControl, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&listRect));
        height += listRect.bottom - listRect.top;
    }
    loadingEditor = 1;
    HWND editor = CreateWindowExA(exStyle, className, "", style, x, y, column.cxWidth, height, g->hCells,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), GetModuleHandleA(nullptr), nullptr);
    if (editor == nullptr) {
        loadingEditor = 0;
        return;
    }
    const FieldRecord* from = yyfieldrecord(column.hControl);
    FieldRecord* record = yyfieldrecord(editor);
    if (record == nullptr) {
        record = new (std::nothrow) FieldRecord;
        if (record == nullptr) {
            DestroyWindow(editor);
            loadingEditor = 0;
            return;
        }
        yyattachfieldrecord(editor, record);
    }
    if (from != nullptr) {
        HWND spin = record->spinBuddy;
        *record = *from;
        record->spinBuddy = spin;  // a numeric editor keeps the spin box its class gave it
        record->tabStops = nullptr;
        record->tabStopCount = 0;
        record->nextProcedure = nullptr;
    }
    if (record->spinBuddy != nullptr) {
        int low = 0, high = 0;
        if (from != nullptr && from->spinBuddy != nullptr) {
            SendMessageA(from->spinBuddy, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
            SendMessageA(record->spinBuddy, UDM_SETRANGE32, low, high);
        }
        SetWindowLongPtrA(record->spinBuddy, GWLP_USERDATA,
                          SetWindowLongPtrA(record->spinBuddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yygridspinwndproc)));
    }
    g->hEditor = editor;
    if (g->hFont != nullptr) SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(g->hFont), FALSE);
    if (column.iType == GridInteger) SendMessageA(editor, EM_LIMITTEXT, GridIntegerTextLength, 0);
    else if (isTextLike(column.iType)) SendMessageA(editor, EM_LIMITTEXT, column.nMaxLength, 0);
    yyGridUpdateCurrent(g);
    record->nextProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yygridcellwndproc)));
    loadingEditor = 0;
}

void yyGridUpdateCurrent(GridControlRecord* g) {
    if (g == nullptr || g->hEditor == nullptr) return;
    HWND editor = g->hEditor;
    GridColumnRecord& column = g->pColumns[g->iCurColumn];
    const int row = g->iCurRow;
    FieldRecord* record = yyfieldrecord(editor);
    if (record == nullptr) return;
    const int wasLoading = loadingEditor;
    loadingEditor = 1;
    if (column.pCellColours != nullptr) {
        record->textColour = yygridcellcolour(column.pCellColours[row], 1);
        record->backColour = yygridcellcolour(column.pCellColours[row], 2);
    }
    const bool hasValue = (column.pCellFlags[row] & CellHasValue) != 0;
    char text[GridRealTextLength + 1] = "";
    switch (column.iType) {
    case GridText: {
        std::string cell(static_cast<std::size_t>(column.nMaxLength) + 1, '\0');
        yygridstoredtext(column, row, nullptr, false, cell.data(), cell.size());
        SetWindowTextA(editor, cell.c_str());
        break;
    }
    case GridInteger:
    case GridReal:
    case GridDouble:
        if (hasValue) yygridstoredtext(column, row, record->format, false, text, sizeof text);
        SetWindowTextA(editor, text);
        if (!hasValue) record->value = 0.0;
        else if (column.iType == GridInteger) record->value = yygridcellint(column, row);
        else if (column.iType == GridReal) record->value = yygridcellreal(column, row);
        else record->value = yygridcelldouble(column, row);
        break;
    case GridCheckBox:
        SetWindowTextA(editor, "                               ");  // 31 blanks
        SendMessageA(editor, BM_SETCHECK, yygridcellint(column, row) != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case GridMenu: {
        SendMessageA(editor, CB_RESETCONTENT, 0, 0);
        const int n = static_cast<int>(SendMessageA(column.hControl, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            std::string item(static_cast<std::size_t>(SendMessageA(column.hControl, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
            SendMessageA(column.hControl, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
            SendMessageA(editor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        SendMessageA(editor, CB_SETCURSEL, yygridcellint(column, row), 0);
        break;
    }
    default: break;
    }
    if (isTextLike(column.iType)) SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    record->defined = (column.pCellFlags[row] & CellDefined) != 0 ? 1 : 0;
    yygridwindowstate(editor, column.iType, (column.pCellFlags[row] & CellReadOnly) != 0, 0);
    InvalidateRect(editor, nullptr, TRUE);
    loadingEditor = wasLoading;
}

void yyGridStoreCurrent(GridControlRecord* g) {
    if (g == nullptr || g->hEditor == nullptr) return;
    HWND editor = g->hEditor;
    GridColumnRecord& column = g->pColumns[g->iCurColumn];
    const int row = g->iCurRow;
    const FieldRecord* record = yyfieldrecord(editor);
    switch (column.iType) {
    case GridText: {
        std::string text(static_cast<std::size_t>(column.nMaxLength) + 1, '\0');
        GetWindowTextA(editor, text.data(), column.nMaxLength + 1);
        yygridstoretext(column, row, text.c_str(), static_cast<std::size_t>(column.nMaxLength));
        break;
    }
    case GridInteger:
    case GridReal:
    case GridDouble: {
        char text[GridRealTextLength + 1] = "";
        GetWindowTextA(editor, text, sizeof text);
        if (SendMessageA(editor, EM_GETMODIFY, 0, 0) != 0 || record == nullptr) {
            if (column.iType == GridInteger) yyst2int(yygridcellint(column, row), text);
            else if (column.iType == GridReal) yyst2rea(yygridcellreal(column, row), text);
            else yyst2dbl(yygridcelldouble(column, row), text);
        } else {
            yygridstorenumber(column, row, record->value);
        }
        const bool nonBlank = yygridnonblank(text);
        yygridsetvalueflags(column, row, nonBlank, nonBlank);
        break;
    }
    case GridCheckBox:
        yygridcellint(column, row) = SendMessageA(editor, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        break;
    case GridMenu: {
        const LRESULT chosen = SendMessageA(editor, CB_GETCURSEL, 0, 0);
        yygridcellint(column, row) = chosen == CB_ERR ? -1 : static_cast<int>(chosen);
        break;
    }
    default: break;
    }
}

void yyGridDestroyCurrent(GridControlRecord* g, bool store) {
    if (g == nullptr || g->hEditor == nullptr) return;
    if (store) yyGridStoreCurrent(g);
    HWND editor = g->hEditor;
    g->hEditor = nullptr;
    if (g->hDroppedMenu == editor) g->hDroppedMenu = nullptr;
    FieldRecord* record = yyfieldrecord(editor);
    if (record != nullptr && record->nextProcedure != nullptr)
        SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->nextProcedure));
    // The editor is gone for good: its focus loss validates nothing.
    const int override = yysetvalidationoverride(1);
    HWND spin = record != nullptr ? record->spinBuddy : nullptr;
    // The format belongs to the column control.
    yyfreefieldrecord(editor, true);
    if (spin != nullptr) DestroyWindow(spin);
    DestroyWindow(editor);
    yysetvalidationoverride(override);
}

LRESULT CALLBACK yygridcellwndproc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yygridcellwndproc", [&] { return editorProc(editor, message, wParam, lParam); },
        [&] { return DefWindowProcA(editor, message, wParam, lParam); });
}

// The grid fills its editor: the editor's change notifications are its own, not the user's.
bool yygridloadingeditor() { return loadingEditor != 0; }
