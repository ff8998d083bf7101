// grid_paint_win.cpp - the cell area ("KBNGRIDCLIENT"): painting the grid lines and cells with
// their colours, alignment and check-box pictures, mouse presses and drag selection, the
// editor's colours and notifications, the context menu and the messages passed to the dialog.
#include <string>

#include "base/callback_guard.hpp"
#include "windows/events.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_clipboard.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_geometry.hpp"
#include "grid/grid_window_win.hpp"

namespace {

int pressColumn = -1, pressRow = -1;  // the cell where the left button went down
HBRUSH cellBrush = nullptr;           // last brush made for an editor's background

COLORREF asColour(int rgb) { return static_cast<COLORREF>(rgb); }

bool inSelection(const GridControlRecord* g, int c, int r) {
    return g->iSelFirstRow >= 0 && r >= g->iSelFirstRow && r <= g->iSelLastRow && c >= g->iSelFirstColumn && c <= g->iSelLastColumn;
}

// The grid field's own colour (its record in the dialog), -1 when none.
int gridFieldColour(HWND grid, int which) {
    const FieldRecord* record = yyfieldrecord(grid);
    if (record == nullptr) return -1;
    return which == 1 ? record->textColour : record->backColour;
}

// A cell's text (1) or background (2) colour by the cell, column and grid field, -1 none.
int cellColour(HWND grid, const GridColumnRecord& column, int row, int which) {
    int colour = -1;
    if (column.pCellColours != nullptr) {
        colour = yygridcellcolour(column.pCellColours[row], which);
    } else if (const FieldRecord* record = column.hControl != nullptr ? yyfieldrecord(column.hControl) : nullptr) {
        colour = which == 1 ? record->textColour : record->backColour;
    }
    return colour != -1 ? colour : gridFieldColour(grid, which);
}

// A check-box picture of the column, checked or not, cxWidth x cyRow, as a button draws it.
HBITMAP checkPicture(HDC dc, const GridColumnRecord& column, int height, bool checked) {
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, column.cxWidth, height);
    HGDIOBJ old = SelectObject(memory, picture);
    RECT all{0, 0, column.cxWidth, height};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    const LONG style = column.hControl != nullptr ? GetWindowLongA(column.hControl, GWL_STYLE) : 0;
    const int box = 13;
    int x = 2;
    if (style & (BS_LEFTTEXT | BS_RIGHTBUTTON)) x = column.cxWidth - box - 4;
    else if ((style & BS_CENTER) == BS_CENTER) x = (column.cxWidth - box) / 2;
    RECT r{x, (height - box) / 2, x + box, (height - box) / 2 + box};
    DrawFrameControl(memory, &r, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));
    SelectObject(memory, old);
    DeleteDC(memory);
    return picture;
}

struct CheckPictures {
    HBITMAP plain[2] = {};
    HBITMAP highlighted[2] = {};
    ~CheckPictures() {
        for (HBITMAP b : {plain[0], plain[1], highlighted[0], highlighted[1]})
            if (b != nullptr) DeleteObject(b);
    }
};

void drawPicture(HDC dc, HBITMAP picture, const RECT& cell, int originX, int originY) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(dc, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, memory, cell.left - originX,
           cell.top - originY, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void paintCells(HWND cells, HWND grid, GridControlRecord* g) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(cells, &ps);
    RECT area;
    GetClientRect(cells, &area);
    const int rows = yygridpaintedrows(*g);
    const int lastColumn = yygridlastpaintedcolumn(*g);
    const int step = g->cyRow - 1;
    // Grid lines.
    int right = 0;
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 0, rows * step + 1);
    for (int c = g->iFirstColumn; c <= lastColumn; ++c) {
        right += g->pColumns[c].cxWidth - 1;
        MoveToEx(dc, right, 0, nullptr);
        LineTo(dc, right, rows * step + 1);
    }
    for (int i = 0; i <= rows; ++i) {
        MoveToEx(dc, 0, i * step, nullptr);
        LineTo(dc, right + 1, i * step);
    }
    const bool enabled = IsWindowEnabled(grid) != 0;
    const bool focused = yygridhasfocus(grid);
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    const bool readOnlyGrid = (style & GridReadOnly) != 0;
    HGDIOBJ oldFont = g->hFont != nullptr ? SelectObject(dc, g->hFont) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    std::string text(GridTextBufferSize, '\0');
    int x = 0;
    for (int c = g->iFirstColumn; c <= lastColumn; ++c) {
        GridColumnRecord& column = g->pColumns[c];
        CheckPictures pictures;
        for (int i = 0; i < rows; ++i) {
            const int r = g->iFirstRow + i;
            if (r >= g->nRows) break;
            const int y = i * step;
            RECT cell{x + 1, y + 1, x + column.cxWidth - 1, y + g->cyRow - 1};
            if (column.cxWidth <= 1 || !RectVisible(dc, &cell)) continue;
            const bool selected = enabled && focused && inSelection(g, c, r);
            if (column.iType == GridCheckBox) {
                const int checked = yygridcellint(column, r) == 1 ? 1 : 0;
                if (pictures.plain[0] == nullptr) {
                    for (int k = 0; k < 2; ++k) {
                        pictures.plain[k] = checkPicture(dc, column, g->cyRow, k == 1);
                        pictures.highlighted[k] = CreateCompatibleBitmap(dc, column.cxWidth, g->cyRow);
                        HBITMAP work = CreateCompatibleBitmap(dc, column.cxWidth, g->cyRow);
                        yyHighlightBitmap(pictures.plain[k], pictures.highlighted[k], work);
                        DeleteObject(work);
                    }
                }
                drawPicture(dc, selected ? pictures.highlighted[checked] : pictures.plain[checked], cell, x, y);
                continue;
            }
            const bool readOnlyCell = readOnlyGrid || (column.pCellFlags[r] & CellReadOnly);
            COLORREF fore, back;
            if (!enabled) {
                fore = GetSysColor(COLOR_GRAYTEXT);
                back = GetSysColor(COLOR_BTNFACE);
            } else if (selected) {
                fore = GetSysColor(COLOR_HIGHLIGHTTEXT);
                back = GetSysColor(COLOR_HIGHLIGHT);
            } else if (readOnlyCell && !(style & GridOwnReadOnlyColours)) {
                fore = GetSysColor(COLOR_WINDOWTEXT);
                back = GetSysColor(COLOR_BTNFACE);
            } else {
                const int t = cellColour(grid, column, r, 1);
                const int b = cellColour(grid, column, r, 2);
                fore = t != -1 ? asColour(t) : GetSysColor(COLOR_WINDOWTEXT);
                back = b != -1 ? asColour(b) : GetSysColor(readOnlyCell ? COLOR_BTNFACE : COLOR_WINDOW);
            }
            HBRUSH brush = CreateSolidBrush(back);
            FillRect(dc, &cell, brush);
            DeleteObject(brush);
            yyGridGetString(g, c, r, text.data(), GridTextBufferSize, 0);
            const int length = static_cast<int>(std::char_traits<char>::length(text.c_str()));
            if (length == 0) continue;
            SetTextColor(dc, fore);
            if (column.iType == GridMenu || column.hControl == nullptr) {
                ExtTextOutA(dc, x + 3, y + 3, ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(length), nullptr);
                continue;
            }
            // Alignment as the column control would show the text.
            SetWindowTextA(column.hControl, text.c_str());
            LRESULT at = SendMessageA(column.hControl, EM_POSFROMCHAR, 0, 0);
            RECT format{};
            SendMessageA(column.hControl, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            const int px = at == -1 ? format.left : static_cast<short>(LOWORD(at));
            const int py = at == -1 ? format.top : static_cast<short>(HIWORD(at));
            RECT clip{x + format.left - 1, y + format.top, x + format.right, y + format.bottom};
            IntersectRect(&clip, &clip, &cell);
            ExtTextOutA(dc, x + px - 1, y + py, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(length), nullptr);
        }
        x += column.cxWidth - 1;
    }
    if (oldFont != nullptr) SelectObject(dc, oldFont);
    EndPaint(cells, &ps);
}

void onButtonDown(HWND cells, HWND grid, GridControlRecord* g, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RBUTTONDOWN && g->iSelFirstRow >= 0) return;
    int c = 0, r = 0;
    if (!yygridhittest(*g, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), c, r)) return;
    if (message == WM_LBUTTONDOWN && (wParam & MK_SHIFT)) {
        if (c == g->iCurColumn && r == g->iCurRow) yygridselectnone(grid);
        else
            yygridselectrange(grid, r < g->iCurRow ? r : g->iCurRow, r > g->iCurRow ? r : g->iCurRow,
                              c < g->iCurColumn ? c : g->iCurColumn, c > g->iCurColumn ? c : g->iCurColumn);
        return;
    }
    yygridupdatecell(grid, c, r, 0, 0);
    if (g->hEditor != nullptr && g->iCurColumn == c && g->iCurRow == r) {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        MapWindowPoints(cells, g->hEditor, &p, 1);
        bGridInternalFocus = 1;
        SendMessageA(g->hEditor, message, wParam, MAKELPARAM(p.x, p.y));
        bGridInternalFocus = 0;
    }
    pressColumn = c;
    pressRow = r;
    if (c > g->iLastColumn) {
        RECT area;
        GetClientRect(cells, &area);
        SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, yygridfirstcolumnending(*g, c, area.right)), 0);
        pressColumn = c + 1;
    }
    if (r - g->iFirstRow >= g->nRowsFit) {
        SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
        pressRow = r + 1;
    }
}

void onMouseMove(HWND grid, GridControlRecord* g, WPARAM wParam, LPARAM lParam) {
    if (!(wParam & MK_LBUTTON)) return;
    int c = 0, r = 0;
    if (!yygridhittest(*g, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), c, r)) return;
    if (c == pressColumn && r == pressRow) return;
    if (c == g->iCurColumn && r == g->iCurRow) yygridselectnone(grid);
    else
        yygridselectrange(grid, r < g->iCurRow ? r : g->iCurRow, r > g->iCurRow ? r : g->iCurRow,
                          c < g->iCurColumn ? c : g->iCurColumn, c > g->iCurColumn ? c : g->iCurColumn);
    pressColumn = pressRow = -1;
}

bool isEditTarget(HWND target, GridControlRecord* g) {
    if (target == nullptr || target != g->hEditor) return false;
    const int type = g->pColumns[g->iCurColumn].iType;
    return type <= GridDouble;
}

void onContextMenu(HWND grid, GridControlRecord* g, HWND target, LPARAM lParam) {
    g->hMenuTarget = target;
    HMENU menu = yygridcontextmenu(grid, target);
    if (menu == nullptr) return;
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) GetCursorPos(&at);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, grid, nullptr);
    DestroyMenu(menu);
}

void onEditorCommand(HWND grid, GridControlRecord* g, WPARAM wParam, HWND from) {
    if (from == nullptr || from != g->hEditor || yygridloadingeditor()) return;
    const int code = HIWORD(wParam);
    const int type = g->pColumns[g->iCurColumn].iType;
    if (type == GridMenu && code == CBN_DROPDOWN) {
        g->hDroppedMenu = from;
        return;
    }
    if (type == GridMenu && code == CBN_CLOSEUP) {
        g->hDroppedMenu = nullptr;
        return;
    }
    bool valueChange = (type == GridCheckBox && code == BN_CLICKED) || (type == GridMenu && code == CBN_SELCHANGE);
    if (type <= GridDouble && code == EN_CHANGE) {
        yygridmarkchanged(g);
        yygridselectnone(grid);
        const FieldRecord* own = yyfieldrecord(grid);
        if (own == nullptr || !own->changeEvents) return;
        valueChange = true;
    }
    if (!valueChange) return;
    yygridmarkchanged(g);
    const bool readOnly = (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly) ||
                          (g->pColumns[g->iCurColumn].pCellFlags[g->iCurRow] & CellReadOnly);
    if (!readOnly) {
        yygridcellchanged(grid);
        yygridselectnone(grid);
    } else if (type == GridMenu) {
        SendMessageA(from, CB_SETCURSEL, yygridcellint(g->pColumns[g->iCurColumn], g->iCurRow), 0);
    }
}

LRESULT onControlColour(HWND cells, HWND grid, GridControlRecord* g, UINT message, HDC dc, HWND control) {
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    const bool currentSelected = inSelection(g, g->iCurColumn, g->iCurRow) && yygridhasfocus(grid);
    if (message == WM_CTLCOLORSTATIC) {
        const bool readOnly = (style & GridReadOnly) || (control != nullptr && (GetWindowLongA(control, GWL_STYLE) & ES_READONLY));
        if (!currentSelected && !(readOnly && (style & GridOwnReadOnlyColours)))
            return DefWindowProcA(cells, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    }
    const FieldRecord* record = control != nullptr ? yyfieldrecord(control) : nullptr;
    if (record == nullptr) return DefWindowProcA(cells, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const bool button = yyisclass(control, atomButton);
    if (currentSelected) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    const int text = record->textColour != -1 ? record->textColour : gridFieldColour(grid, 1);
    const int back = record->backColour != -1 ? record->backColour : gridFieldColour(grid, 2);
    if (text == -1 && back == -1)
        return DefWindowProcA(cells, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, text != -1 ? asColour(text) : GetSysColor(button ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
    if (back != -1) {
        const COLORREF nearest = GetNearestColor(dc, asColour(back));
        if (cellBrush != nullptr) DeleteObject(cellBrush);
        cellBrush = CreateSolidBrush(nearest);
        SetBkColor(dc, nearest);
        return reinterpret_cast<LRESULT>(cellBrush);
    }
    const int system = button ? COLOR_BTNFACE : COLOR_WINDOW;
    SetBkColor(dc, GetSysColor(system));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(system));
}

LRESULT clientProc(HWND cells, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND grid = GetParent(cells);
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || g->pColumns == nullptr) return DefWindowProcA(cells, message, wParam, lParam);
    HWND dialog = GetParent(grid);
    switch (message) {
    case WM_SIZE: yygridcellsresized(grid); return 0;
    case WM_PAINT: paintCells(cells, grid, g); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: onButtonDown(cells, grid, g, message, wParam, lParam); return 0;
    case WM_MOUSEMOVE: onMouseMove(grid, g, wParam, lParam); return 0;
    case WM_CONTEXTMENU:
        onContextMenu(grid, g, reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_COMMAND: onEditorCommand(grid, g, wParam, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_VSCROLL:
        if (lParam != 0 && LOWORD(wParam) != SB_ENDSCROLL) {
            if (!yyismodaldialog(grid)) yygridcellchanged(grid);
            yygridmarkchanged(g);
            yygridselectnone(grid);
        }
        return DefWindowProcA(cells, message, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return onControlColour(cells, grid, g, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NCHITTEST:
        if (g->bDesignMode) return HTTRANSPARENT;
        return DefWindowProcA(cells, message, wParam, lParam);
    case WM_NEXTDLGCTL:
    case WM_CLOSE:
    case WM_NOTIFY: return dialog != nullptr ? SendMessageA(dialog, message, wParam, lParam) : 0;
    case DM_GETDEFID: {
        if (dialog == nullptr) return 0;
        const LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(answer) != DC_HASDEFID) return answer;
        HWND button = GetDlgItem(dialog, LOWORD(answer));
        if (button == nullptr || !IsWindowEnabled(button)) return 0;
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(answer), BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return answer;
    }
    default: return DefWindowProcA(cells, message, wParam, lParam);
    }
}

}  // namespace

HMENU yygridcontextmenu(HWND grid, HWND target) {
    GridControlRecord* g = yygridrecord(grid);
    HMENU menu = g != nullptr ? CreatePopupMenu() : nullptr;
    if (menu == nullptr) return nullptr;
    const bool edit = isEditTarget(target, g);
    const bool readOnly = (GetWindowLongA(grid, GWL_STYLE) & GridReadOnly) ||
                          (edit && (GetWindowLongA(target, GWL_STYLE) & ES_READONLY));
    DWORD start = 0, end = 0;
    if (edit) SendMessageA(target, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool textSelected = edit && start != end;
    const int length = edit ? GetWindowTextLengthA(target) : 0;
    const bool cellsSelected = g->iSelFirstRow >= 0;
    auto add = [&](UINT id, const char* text, bool enabled) {
        AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, text);
    };
    const bool canUndo = edit && !readOnly && SendMessageA(target, EM_CANUNDO, 0, 0) != 0;
    add(EditCmdUndo, "&Undo", !cellsSelected && canUndo);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    const bool canCut = cellsSelected && yygridcancut(grid) != 0;
    if (cellsSelected) add(GridCmdCut, "Cu&t", canCut);
    else add(EditCmdCut, "Cu&t", textSelected && !readOnly);
    if (cellsSelected) add(GridCmdCopy, "&Copy", true);
    else add(EditCmdCopy, "&Copy", textSelected);
    const int clip = yygridcheckclipboard();
    if (clip == 2) add(GridCmdPaste, "&Paste", yygridcanpaste(grid) != 0);
    else add(EditCmdPaste, "&Paste", clip == 1 && edit && !readOnly);
    if (cellsSelected) add(GridCmdDelete, "&Delete", canCut);
    else add(EditCmdClear, "&Delete", textSelected && !readOnly);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    add(EditCmdSelectAll, "Select &All", !cellsSelected && edit && length > 0 && !(start == 0 && end == static_cast<DWORD>(length)));
    return menu;
}

LRESULT CALLBACK yygridwndprocclient(HWND cells, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yygridwndprocclient", [&] { return clientProc(cells, message, wParam, lParam); },
        [&] { return DefWindowProcA(cells, message, wParam, lParam); });
}

void yyHighlightBitmap(HBITMAP picture, HBITMAP result, HBITMAP work) {
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    const int w = info.bmWidth, h = info.bmHeight;
    HDC screen = GetDC(nullptr);
    HDC p = CreateCompatibleDC(screen), r = CreateCompatibleDC(screen), wk = CreateCompatibleDC(screen),
        m = CreateCompatibleDC(screen);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HGDIOBJ op = SelectObject(p, picture), orr = SelectObject(r, result), ow = SelectObject(wk, work), om = SelectObject(m, mask);
    BitBlt(wk, 0, 0, w, h, p, 0, 0, SRCCOPY);
    RECT all{0, 0, w, h};
    FillRect(r, &all, GetSysColorBrush(COLOR_HIGHLIGHT));
    // The mask: white where the picture shows the button face.
    SetBkColor(wk, GetSysColor(COLOR_BTNFACE));
    BitBlt(m, 0, 0, w, h, wk, 0, 0, SRCCOPY);
    SetBkColor(r, RGB(255, 255, 255));
    SetTextColor(r, RGB(0, 0, 0));
    BitBlt(r, 0, 0, w, h, m, 0, 0, SRCAND);        // highlight where the face was
    SetBkColor(wk, RGB(0, 0, 0));
    SetTextColor(wk, RGB(255, 255, 255));
    BitBlt(wk, 0, 0, w, h, m, 0, 0, SRCAND);        // the picture where the face was not
    BitBlt(r, 0, 0, w, h, wk, 0, 0, SRCPAINT);
    SelectObject(p, op);
    SelectObject(r, orr);
    SelectObject(wk, ow);
    SelectObject(m, om);
    DeleteObject(mask);
    DeleteDC(p);
    DeleteDC(r);
    DeleteDC(wk);
    DeleteDC(m);
    ReleaseDC(nullptr, screen);
}
