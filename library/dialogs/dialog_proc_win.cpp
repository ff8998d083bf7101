// dialog_proc_win.cpp - the one dialog procedure of every library dialog: control notifications
// become push-button, field-changed and tab-changed events (stored through the event
// translator), fields are coloured, resizable dialogs laid out and a modal copy ended.
// While the library itself builds or tears down a dialog (the creation flag) nothing is raised.
#include <string>

#include "base/callback_guard.hpp"
#include "base/convert_internal.hpp"
#include "windows/events.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"

namespace {

HWND asWindow(int word) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(word)); }

void raise(int type, WPARAM wParam, LPARAM lParam, HWND dialog) { yyinterpretmessage(type, 0, wParam, lParam, dialog); }

void shiftFields(int* record, int field) {
    record[DlgPreviousField] = record[DlgCurrentField];
    record[DlgCurrentField] = field;
}

UINT cellChangeMessage() {
    static UINT message = RegisterWindowMessageA("GM_CELLCHANGE");
    return message;
}

int focusedId() {
    HWND focus = GetFocus();
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

// The numeric field with the focus refuses to give it up (out of range or not a number).
HWND refusingField(HWND newFocus) {
    HWND focus = GetFocus();
    if (focus == nullptr || !yyisnumericclass(focus)) return nullptr;
    return yyoutofrange(focus, newFocus, 1) != 0 ? focus : nullptr;
}

void onDestroy(HWND dialog) {
    bool modal = yyismodaldialog(dialog);
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        FieldRecord* record = yyfieldrecord(c);
        if (record == nullptr) continue;
        if (record->nextProcedure != nullptr)
            SetWindowLongPtrA(c, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->nextProcedure));
        yyfreefieldrecord(c, modal);
        if (modal) continue;
        // Fonts and pictures the library gave a control go with the dialog.
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0));
        if (font != nullptr && font != dialogFont && font != GetStockObject(SYSTEM_FONT) &&
            font != GetStockObject(DEFAULT_GUI_FONT)) {
            SendMessageA(c, WM_SETFONT, 0, FALSE);
            DeleteObject(font);
        }
        if (yyclassis(c, "Static")) {
            LONG type = GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK;
            if (type == SS_BITMAP) DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageA(c, STM_SETIMAGE, IMAGE_BITMAP, 0)));
            if (type == SS_ICON) DestroyIcon(reinterpret_cast<HICON>(SendMessageA(c, STM_SETIMAGE, IMAGE_ICON, 0)));
            if (type == SS_ENHMETAFILE)
                DeleteEnhMetaFile(reinterpret_cast<HENHMETAFILE>(SendMessageA(c, STM_SETIMAGE, IMAGE_ENHMETAFILE, 0)));
        } else if (yyclassis(c, "Button")) {
            LONG s = GetWindowLongA(c, GWL_STYLE);
            if (s & BS_BITMAP) DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageA(c, BM_SETIMAGE, IMAGE_BITMAP, 0)));
            if (s & BS_ICON) DestroyIcon(reinterpret_cast<HICON>(SendMessageA(c, BM_SETIMAGE, IMAGE_ICON, 0)));
        }
    }
}

void onSize(HWND dialog, WPARAM kind, LPARAM size) {
    HMENU system = GetSystemMenu(dialog, FALSE);
    LONG s = GetWindowLongA(dialog, GWL_STYLE);
    if (system != nullptr) {
        bool minimized = kind == SIZE_MINIMIZED, maximized = kind == SIZE_MAXIMIZED;
        EnableMenuItem(system, SC_RESTORE, MF_BYCOMMAND | (minimized || maximized ? MF_ENABLED : MF_GRAYED));
        EnableMenuItem(system, SC_MINIMIZE, MF_BYCOMMAND | (!minimized && (s & WS_MINIMIZEBOX) ? MF_ENABLED : MF_GRAYED));
        EnableMenuItem(system, SC_MAXIMIZE, MF_BYCOMMAND | (!maximized && (s & WS_MAXIMIZEBOX) ? MF_ENABLED : MF_GRAYED));
    }
    if (kind == SIZE_MINIMIZED || !yyIsResizableDialog(dialog)) return;
    yydialoglayout(dialog, LOWORD(size), HIWORD(size));
    int* record = yydialogrecord(dialog);
    if (record != nullptr && !yyismodaldialog(dialog) && record[DlgIsSurface]) {
        record[DlgGraphicsField] = 0;
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
        raise(108, kind, size, dialog);
    }
}

LRESULT onPushButton(HWND dialog, WPARAM wParam, LPARAM lParam) {
    int button = LOWORD(wParam);
    if (HWND refusing = refusingField(reinterpret_cast<HWND>(lParam))) hBadVal = refusing;
    if (hBadVal != nullptr && button == IDOK) {
        yyringbell();
        SetFocus(hBadVal);
        yyDialogSelectAll(hBadVal);
        hBadVal = nullptr;
        return TRUE;
    }
    if (hBadVal != nullptr) {
        yyrestorestoredvalue(hBadVal);
        hBadVal = nullptr;
    }
    bool modal = false;
    int* record = yyeventrecord(dialog, modal);
    if (record == nullptr) return FALSE;
    if (modal) {
        yyendmodalcopy(dialog, button);
        return TRUE;
    }
    if (focusedId() != button) record[DlgPreviousField] = record[DlgCurrentField];
    raise(EvPushButton, wParam, lParam, dialog);
    return TRUE;
}

// Notification codes are numbered per control class, and several numbers are shared: 4 is
// CBN_KILLFOCUS and LBN_SETFOCUS, 5 CBN_EDITCHANGE and LBN_KILLFOCUS, 6 BN_SETFOCUS and
// CBN_EDITUPDATE (of which only a button's counts). A trackbar announces its focus as
// EN_SETFOCUS (subclasses_win.cpp).
void onFieldCommand(HWND dialog, int code, int id, HWND control) {
    if (code == BN_SETFOCUS && !yyclassis(control, "Button")) return;
    if (creatingDialog) return;
    FieldRecord* field = yyfieldrecord(control);
    if ((code == EN_CHANGE || code == CBN_EDITCHANGE) && (field == nullptr || !field->changeEvents)) return;
    bool modal = false;
    int* record = yyeventrecord(dialog, modal);
    if (record == nullptr) return;
    shiftFields(record, id);
    bool focusCode = code == EN_SETFOCUS || code == CBN_SETFOCUS || code == LBN_SETFOCUS || code == BN_SETFOCUS;
    if (!modal && (!focusCode || record[DlgPreviousField] != record[DlgCurrentField]))
        raise(EvFieldChanged, 0, reinterpret_cast<LPARAM>(control), dialog);
    yyUpdateLast(dialog, control);
}

LRESULT onCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    int code = HIWORD(wParam);
    int id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (code == BN_CLICKED && (GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD) && id >= SC_SIZE && control == nullptr)
        return DefWindowProcA(dialog, WM_SYSCOMMAND, id, 0);
    bool pushButton = control == nullptr;
    if (control != nullptr && yyclassis(control, "Button")) {
        LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        pushButton = code == BN_CLICKED && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
    }
    if (code == BN_CLICKED && pushButton) return onPushButton(dialog, wParam, lParam);
    if (code == LBN_DBLCLK && control != nullptr && (yyclassis(control, "ListBox") || yyclassis(control, "ComboBox"))) {
        FieldRecord* field = yyfieldrecord(control);
        if (field == nullptr || !(field->flags & 1)) yyDefaultButton(dialog);
        return FALSE;
    }
    const bool fieldCode = code == BN_CLICKED || code == LBN_SELCHANGE || code == CBN_SETFOCUS ||
                           code == LBN_SETFOCUS || code == LBN_KILLFOCUS || code == BN_SETFOCUS ||
                           code == EN_SETFOCUS || code == EN_CHANGE;
    if (fieldCode && control != nullptr) onFieldCommand(dialog, code, id, control);
    return FALSE;
}

int pageId(HWND page) {
    const int* record = yydialogrecord(page);
    return record != nullptr ? record[DlgId] : 0;
}

LRESULT onTabNotify(HWND dialog, NMHDR* header) {
    bool modal = false;
    int* record = yyeventrecord(dialog, modal);
    HWND tab = header->hwndFrom;
    HWND page = yytabpagewindow(tab, static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)));
    if (GetFocus() != tab) {
        if (HWND refusing = refusingField(tab)) hBadTab = refusing;
    }
    if (header->code == TCN_SELCHANGING) {
        if (hBadTab != nullptr || hBadVal != nullptr) {
            iBadTab = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
            yyringbell();
        } else {
            if (page != nullptr) ShowWindow(page, SW_HIDE);
            if (!creatingDialog && record != nullptr) record[DlgOldTab] = pageId(page);
        }
        return FALSE;
    }
    if (header->code != TCN_SELCHANGE) return FALSE;
    if (hBadTab != nullptr || hBadVal != nullptr) {
        HWND back = hBadTab != nullptr ? hBadTab : hBadVal;
        SendMessageA(tab, TCM_SETCURSEL, iBadTab, 0);
        SetFocus(back);
        return FALSE;
    }
    if (page != nullptr) {
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        InvalidateRect(tab, nullptr, TRUE);
        if (GetFocus() != tab) {
            HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
            if (first != nullptr) SetFocus(first);
        }
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    if (!creatingDialog && record != nullptr) {
        record[DlgNewTab] = pageId(page);
        if (!modal) raise(EvTabChanged, 0, reinterpret_cast<LPARAM>(header), dialog);
    }
    return FALSE;
}

LRESULT onTreeNotify(HWND dialog, NMHDR* header) {
    HWND tree = header->hwndFrom;
    if (header->code == TVN_ITEMEXPANDEDA || header->code == TVN_ITEMEXPANDEDW || header->code == TVN_SELCHANGEDA ||
        header->code == TVN_SELCHANGEDW) {
        bool modal = false;
        int* record = yyeventrecord(dialog, modal);
        if (creatingDialog || record == nullptr) return FALSE;
        int id = GetDlgCtrlID(tree);
        record[DlgCurrentField] = record[DlgPreviousField] = id;
        yyUpdateLast(dialog, tree);
        if (!modal) raise(EvFieldChanged, 0, reinterpret_cast<LPARAM>(tree), dialog);
    } else if (header->code == NM_DBLCLK) {
        FieldRecord* field = yyfieldrecord(tree);
        HTREEITEM caret = TreeView_GetSelection(tree);
        if ((field == nullptr || !(field->flags & 1)) && caret != nullptr && TreeView_GetChild(tree, caret) == nullptr)
            yyDefaultButton(dialog);
    }
    return FALSE;
}

// An up-down arrow of a spin field: the buddy's value moves by its step.
LRESULT onSpinNotify(HWND dialog, NMUPDOWN* change) {
    if (!yyspinfieldstep(change)) return FALSE;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    return TRUE;
}

LRESULT onNotify(HWND dialog, NMHDR* header) {
    if (yyclassis(header->hwndFrom, WC_TABCONTROLA)) return onTabNotify(dialog, header);
    if (yyclassis(header->hwndFrom, WC_TREEVIEWA)) return onTreeNotify(dialog, header);
    if (yyclassis(header->hwndFrom, UPDOWN_CLASSA) && header->code == UDN_DELTAPOS)
        return onSpinNotify(dialog, reinterpret_cast<NMUPDOWN*>(header));
    return FALSE;
}

void onScroll(HWND dialog, WPARAM wParam, HWND control) {
    if (control == nullptr) return;
    bool modal = yyismodaldialog(dialog);
    if (yyclassis(control, TRACKBAR_CLASSA)) {
        if (LOWORD(wParam) == TB_ENDTRACK) return;
        if ((GetWindowLongA(control, GWL_STYLE) & TBS_ENABLESELRANGE) && (GetKeyState(VK_SHIFT) & 0x8000)) {
            int position = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
            int start = yytrackselectionstart();
            SendMessageA(control, TBM_SETSEL, TRUE, MAKELPARAM(start < position ? start : position, start < position ? position : start));
        }
        if (modal) return;
        int* record = yydialogrecord(dialog);
        if (record == nullptr) return;
        shiftFields(record, GetDlgCtrlID(control));
        yyUpdateLast(dialog, control);
        raise(EvFieldChanged, 0, reinterpret_cast<LPARAM>(control), dialog);
    } else if (yyclassis(control, UPDOWN_CLASSA)) {
        if (LOWORD(wParam) == SB_ENDSCROLL || modal) return;
        HWND buddy = reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0));
        int* record = yydialogrecord(dialog);
        if (buddy == nullptr || record == nullptr) return;
        record[DlgCurrentField] = record[DlgPreviousField] = GetDlgCtrlID(buddy);
        yyUpdateLast(dialog, buddy);
        FieldRecord* own = yyfieldrecord(control);
        if (own == nullptr || !own->changeEvents) raise(EvFieldChanged, 0, 0, dialog);
    }
}

void onMouse(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    int* record = yydialogrecord(dialog);
    if (record == nullptr || !record[DlgIsSurface] || yyismodaldialog(dialog)) return;
    record[DlgGraphicsField] = 0;
    int button = 0;
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: button = 1; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: button = 3; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: button = 2; break;
    default: break;
    }
    record[DlgMouseButton] = button;
    switch (message) {
    case WM_MOUSEMOVE: raise(106, wParam, lParam, dialog); break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        SetCapture(dialog);
        raise(104, wParam, lParam, dialog);
        break;
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
        SetCapture(dialog);
        raise(yyinfomessage(EvDoubleClick) ? 116 : 104, wParam, lParam, dialog);
        break;
    default:
        ReleaseCapture();
        raise(105, wParam, lParam, dialog);
        break;
    }
}

bool insideLibraryClient(HWND dialog) {
    HWND parent = GetParent(dialog);
    return (GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD) && parent != nullptr && yyclassis(parent, "GRAVCLIENT");
}

// A dialog placed in a library window's client area comes to the front when clicked.
void onMouseActivate(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    if (record == nullptr || !insideLibraryClient(dialog)) return;
    HWND combined = asWindow(record[DlgCombinedWindow]);
    if (combined == nullptr) {
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetActiveWindow(dialog);
        HWND focus = GetFocus();
        if (focus != dialog && !IsChild(dialog, focus)) SetFocus(dialog);
        hDlgCur = dialog;
        yytitlecolour(dialog);
    } else if (GetActiveWindow() != combined) {
        yytitlecolour(combined);
    }
}

// The system menu of a child dialog opens where its caption was clicked with the right button.
void onNonClientRightButton(HWND dialog, WPARAM hit, LPARAM at) {
    if (!(GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD) || (hit != HTCAPTION && hit != HTSYSMENU)) return;
    HMENU system = GetSystemMenu(dialog, FALSE);
    if (system == nullptr) return;
    bool restore = !(GetMenuState(system, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    SetMenuDefaultItem(system, restore ? SC_RESTORE : SC_CLOSE, FALSE);
    UINT command = TrackPopupMenu(system, TPM_RETURNCMD | TPM_RIGHTBUTTON, static_cast<short>(LOWORD(at)),
                                  static_cast<short>(HIWORD(at)), 0, dialog, nullptr);
    if (command != 0) PostMessageA(dialog, WM_COMMAND, command, 0);
}

INT_PTR dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == cellChangeMessage()) {
        if (creatingDialog) return FALSE;
        bool modal = false;
        int* record = yyeventrecord(dialog, modal);
        if (record == nullptr) return FALSE;
        shiftFields(record, static_cast<int>(wParam));
        if (!modal) raise(EvFieldChanged, wParam, lParam, dialog);
        yyUpdateLast(dialog, GetDlgItem(dialog, static_cast<int>(wParam)));
        return FALSE;
    }
    switch (message) {
    case WM_DESTROY: onDestroy(dialog); return FALSE;
    case WM_SIZE: onSize(dialog, wParam, lParam); return FALSE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            hDlgCur = dialog;
        } else {
            hDlgCur = nullptr;
            yysettitlewindow(dialog);
        }
        return FALSE;
    case WM_SETFOCUS: {
        const int* record = yydialogrecord(dialog);
        if (record != nullptr && record[DlgLastFieldWindow] != 0 && insideLibraryClient(dialog)) {
            SetFocus(asWindow(record[DlgLastFieldWindow]));
            return TRUE;
        }
        return FALSE;
    }
    case WM_PAINT: {
        int* record = yydialogrecord(dialog);
        // While windows are frozen under a modal box, a dialog with a snapshot repaints from it.
        if (HBITMAP snapshot = yyismodaldialog(dialog) ? nullptr : yydialogsnapshot(dialog)) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(dialog, &paint);
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, snapshot);
            RECT area;
            GetClientRect(dialog, &area);
            BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
            EndPaint(dialog, &paint);
            return TRUE;
        }
        if (record != nullptr && !yyismodaldialog(dialog) && record[DlgIsSurface]) {
            record[DlgGraphicsField] = 0;
            raise(107, 0, 0, dialog);
        }
        return FALSE;
    }
    case WM_MOUSEACTIVATE: onMouseActivate(dialog); return FALSE;
    case WM_NCRBUTTONUP: onNonClientRightButton(dialog, wParam, lParam); return FALSE;
    case WM_GETMINMAXINFO: {
        const int* record = yydialogrecord(dialog);
        if (record != nullptr && record[DlgGrowingControl] != 0) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = record[DlgMinWidth];
            info->ptMinTrackSize.y = record[DlgMinHeight];
        }
        return FALSE;
    }
    case WM_NOTIFY: return onNotify(dialog, reinterpret_cast<NMHDR*>(lParam));
    case WM_HELP: {
        if (yyismodaldialog(dialog)) return TRUE;
        int* record = yydialogrecord(dialog);
        if (record == nullptr) return TRUE;
        if (focusedId() != 9) record[DlgPreviousField] = record[DlgCurrentField];
        raise(EvPushButton, 9, 0, dialog);
        return TRUE;
    }
    case WM_INITDIALOG: {
        if (HMENU system = GetSystemMenu(dialog, FALSE)) {
            LONG s = GetWindowLongA(dialog, GWL_STYLE);
            EnableMenuItem(system, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
            if (!(s & WS_MINIMIZEBOX)) EnableMenuItem(system, SC_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
            if (!(s & WS_MAXIMIZEBOX)) EnableMenuItem(system, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
            if (!(s & WS_THICKFRAME)) EnableMenuItem(system, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
        }
        return yydialoginitialise(dialog, lParam);
    }
    case WM_COMMAND: return onCommand(dialog, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL: onScroll(dialog, wParam, reinterpret_cast<HWND>(lParam)); return FALSE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return static_cast<INT_PTR>(yyProcessColour(dialog, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
        onMouse(dialog, message, wParam, lParam);
        return FALSE;
    default: return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK yydialogproc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yydialogproc", [&] { return dispatch(dialog, message, wParam, lParam); }, [] { return INT_PTR{FALSE}; });
}

LRESULT yyProcessColour(HWND dialog, UINT message, HDC dc, HWND control) {
    if (hBrushDlg != nullptr) {
        DeleteObject(hBrushDlg);
        hBrushDlg = nullptr;
    }
    if (control == nullptr || yyclassis(control, WC_TREEVIEWA)) return 0;
    HWND field = control;
    while (field != nullptr && GetParent(field) != dialog) field = GetParent(field);
    FieldRecord* record = yyfieldrecord(field);
    if (record == nullptr || (record->textColour == -1 && record->backColour == -1)) return 0;
    bool buttonOrStatic = message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC;
    if (record->textColour != -1) SetTextColor(dc, static_cast<COLORREF>(record->textColour));
    else SetTextColor(dc, GetSysColor(buttonOrStatic && yyclassis(field, "Button") ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
    COLORREF back = record->backColour != -1 ? static_cast<COLORREF>(record->backColour)
                                             : GetSysColor(buttonOrStatic ? COLOR_3DFACE : COLOR_WINDOW);
    SetBkColor(dc, back);
    hBrushDlg = CreateSolidBrush(GetNearestColor(dc, back));
    return reinterpret_cast<LRESULT>(hBrushDlg);
}

void yydialoglayout(HWND dialog, int width, int height) {
    int* dialogRecord = yydialogrecord(dialog);
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (yyclassis(c, "ScrollBar") && (GetWindowLongA(c, GWL_STYLE) & SBS_SIZEGRIP)) {
            RECT r;
            GetWindowRect(c, &r);
            int w = r.right - r.left, h = r.bottom - r.top;
            SetWindowPos(c, nullptr, width - w, height - h, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            HWND combined = dialogRecord != nullptr ? asWindow(dialogRecord[DlgCombinedWindow]) : nullptr;
            bool maximized = IsZoomed(dialog) || (combined != nullptr && IsZoomed(combined));
            ShowWindow(c, maximized ? SW_HIDE : SW_SHOWNA);
            continue;
        }
        if (yyclassis(c, UPDOWN_CLASSA) || yyclassis(c, "#32770")) continue;
        FieldRecord* record = yyfieldrecord(c);
        if (record == nullptr || record->anchors == 0) continue;
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        int spinWidth = 0;
        if (record->spinBuddy != nullptr) {
            RECT spin;
            GetWindowRect(record->spinBuddy, &spin);
            spinWidth = spin.right - spin.left;
            r.right += spinWidth;
        }
        int dx = width - r.right - record->rightDistance;
        int dy = height - r.bottom - record->bottomDistance;
        if (record->anchors & anchorLeft) r.left += dx;
        if (record->anchors & anchorRight) r.right += dx;
        if (record->anchors & anchorTop) r.top += dy;
        if (record->anchors & anchorBottom) r.bottom += dy;
        r.right -= spinWidth;
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
        SetWindowPos(c, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
        if (record->spinBuddy != nullptr)
            SetWindowPos(record->spinBuddy, nullptr, r.right, r.top, spinWidth, r.bottom - r.top, flags);
    }
}

// The step of a spin field's up-down arrow (a dialog's, or a grid cell editor's).
bool yyspinfieldstep(NMUPDOWN* change) {
    HWND buddy = reinterpret_cast<HWND>(SendMessageA(change->hdr.hwndFrom, UDM_GETBUDDY, 0, 0));
    FieldRecord* field = yyfieldrecord(buddy);
    if (buddy == nullptr || field == nullptr || !yyisspinclass(buddy)) return false;
    if (SendMessageA(buddy, EM_GETMODIFY, 0, 0)) {
        char text[256] = "";
        GetWindowTextA(buddy, text, sizeof text);
        field->value = 0.0;
        if (trimmedLength(text) > 0) yyst2dbl(field->value, text);
    }
    bool integer = yyclassis(buddy, "INTEGERSPIN");
    field->value = yyspinvalue(field->value, change->iDelta, field->smallStep, field->largeStep, field->lower,
                               field->upper, integer, field->integerBase);
    Text<100> text;
    if (integer) yyint2st(static_cast<int>(field->value), text.ref());
    else yydbl2st(field->value, text.ref(), field->format != nullptr ? field->format : "(G15.5E2)");
    std::string shown(text.view().substr(0, text.view().find('\0')));
    SetWindowTextA(buddy, std::string(trimRight(shown)).c_str());
    SendMessageA(buddy, EM_SETMODIFY, FALSE, 0);
    field->defined = 1;
    change->iDelta = 0;
    return true;
}
