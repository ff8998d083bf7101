// dialog_show_win.cpp - showing and hiding dialogs: modeless, modal through a copy that the
// system runs in its own loop, and semi-modeless (the others disabled until it is hidden).
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/common_dialogs_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "dialogs/show_internal_win.hpp"

int nSemi = 0;
HWND hLastSemi = nullptr;

namespace {

int asWord(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }
HWND asWindow(int word) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(word)); }

// The dialog at the current table index: the window manager shows its dialogs through it
// without making them current at the public level.
HWND currentEntry() { return iDlgCur > 0 && iDlgCur <= nDialogs ? hDialogList[iDlgCur] : nullptr; }

bool isChildWindow(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

bool isLoadedDialog(HWND window) {
    for (int i = 1; i <= nDialogs; ++i)
        if (hDialogList[i] == window) return true;
    return false;
}

// The modal copy: the system runs it from the template of the dialog's resource number.
void showModal(HWND dialog, int* record) {
    HWND owner = asWindow(record[DlgOwner]);
    HWND savedWindow = hWinCur, savedDialog = hDlgCur;
    yyDisableDialogs(owner, 1);
    creatingDialog = 1;
    const int resource = record[DlgResource] != 0 ? record[DlgResource] : record[DlgId];
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource & 0xFFFF), owner, yydialogproc, 0);
    creatingDialog = 0;
    hDialogList[0] = nullptr;
    yyEnableDialogs(hLastSemi != nullptr ? hLastSemi : owner, 1);
    yysettitlewindow(savedWindow);
    hDlgCur = savedDialog;
    if (owner != nullptr && isChildWindow(owner)) {
        SetFocus(owner);
        yytitlecolour(owner);
        if (isLoadedDialog(owner)) hDlgCur = owner;
    }
    (void)dialog;
}

void showModeless(HWND dialog, int* record, int focusField, int caller) {
    const bool child = isChildWindow(dialog);
    yytabdialoginit(dialog);
    yydialogcentre(dialog);
    SetWindowPos(dialog, nullptr, pendingX, pendingY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    if (child) {
        BringWindowToTop(dialog);
        ShowWindow(dialog, SW_SHOW);
        yytitlecolour(dialog);
        hDlgCur = dialog;
    }
    if (caller != 2) {
        HWND focus = focusField != 0 ? GetDlgItem(dialog, focusField) : nullptr;
        if (focus == nullptr) focus = dialog;
        ShowWindow(dialog, SW_SHOWNORMAL);
        SetFocus(focus);
        yyDialogSelectAll(focus);
    }
    ShowWindow(dialog, SW_SHOWNORMAL);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HWND focused = GetFocus();
    record[DlgPreviousField] = focused != nullptr && IsChild(dialog, focused) ? GetDlgCtrlID(focused) : 0;
    record[DlgShown] = 1;
}

// The screen position of the client area of window n; -1 follows the active window or dialog.
void reportShow(int result) {
    switch (result) {
    case -1: yyerror(1014, "WDialogShow"); break;
    case -2: yyerror(1016, "WDialogShow"); break;
    case -3: yyerror(1046, "WDialogShow"); break;
    case -4: yyerror(1047, "WDialogShow"); break;
    default: break;
    }
}

}  // namespace

void yydialogshow(int /*x*/, int /*y*/, int px, int py, int& mode, int focusField, int caller) {
    HWND dialog = currentEntry();
    int* record = yydialogrecord(dialog);
    if (record == nullptr) return;
    const bool child = isChildWindow(dialog);
    bool parentHidden = false, parentCombined = false;
    if (child) {
        HWND frame = GetParent(GetParent(dialog));
        parentHidden = frame != nullptr && !IsWindowVisible(frame);
        parentCombined = frame != nullptr && yywindowkind(frame) == KindDialog;
    }
    if (record[DlgCombinedWindow] != 0 && caller == 0) {
        mode = -4;
        return;
    }
    if (record[DlgShown] != 0) {
        if (IsIconic(dialog)) ShowWindow(dialog, SW_RESTORE);
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (child) {
            SetFocus(dialog);
            SetActiveWindow(dialog);
            hDlgCur = dialog;
            yytitlecolour(dialog);
        }
        mode = 0;
        return;
    }
    int result = 0;
    if (mode == 2 && nSemi > 0) {
        mode = 3;
        result = -1;
    }
    if (child && mode != 2) {
        if (mode == 1) {
            int error = 0;
            yygetwindowbitmap(0, -1, error);
        }
        mode = 2;
        result = -1;
    }
    pendingFocusField = focusField;
    pendingX = px;
    pendingY = py;
    HWND owner = yyactivewindlg();
    record[DlgOwner] = asWord(owner);
    record[DlgKeptEnabled] = asWord(hLastSemi != nullptr ? hLastSemi : owner);
    record[DlgShowMode] = mode;
    if (mode == 1) {
        showModal(dialog, record);
        mode = result;
        return;
    }
    if (mode == 3) {
        ++nSemi;
        hLastSemi = dialog;
        yyDisableDialogs(nullptr, 0);
        for (HWND frame : wWindow)
            if (frame != nullptr) EnableWindow(frame, FALSE);
    }
    if (child && caller == 0 && (parentHidden || parentCombined)) {
        mode = parentHidden ? -2 : -3;
        return;
    }
    showModeless(dialog, record, focusField, caller);
    mode = result;
}

void yydialogcentre(HWND dialog) {
    if (pendingX != -1 && pendingY != -1) return;
    RECT box, area;
    GetWindowRect(dialog, &box);
    if (isChildWindow(dialog))
        GetClientRect(GetParent(dialog), &area);
    else
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (pendingX == -1) pendingX = (area.right - area.left - (box.right - box.left)) / 2;
    if (pendingY == -1) pendingY = (area.bottom - area.top - (box.bottom - box.top)) / 2;
}

void yyshowcd(int focusField, int mode, int n) {
    if (gravim.dialogs.currentDialog == 0) {
        yyerror(1005, "WDialogShow");
        return;
    }
    // The position is in screen pixels already: it is not converted again.
    int x = 0, y = 0;
    yygetwindlgpos(n, 0, 0, x, y);
    int result = mode;
    yydialogshow(x, y, x, y, result, focusField, 0);
    reportShow(result);
}

void yydialoghide(int& index) {
    const bool asCurrent = index == -1;
    const int i = asCurrent ? iDlgCur : index;
    if (i < 1 || i > nDialogs) return;
    HWND dialog = hDialogList[i];
    int* record = yydialogrecord(dialog);
    if (record == nullptr) return;
    if (asCurrent && record[DlgCombinedWindow] != 0) return;
    if (isChildWindow(dialog) && yyissubdialog(dialog)) {
        index = -2;
        return;
    }
    const bool wasActive = hDlgCur == dialog;
    if (record[DlgShown] != 0 && record[DlgShowMode] == 3) {
        --nSemi;
        yyEnableDialogs(wasActive ? asWindow(record[DlgKeptEnabled]) : nullptr, 1);
    }
    // Whoever pointed at this dialog for its focus or its enabling now points where it did.
    for (int k = 1; k <= nDialogs; ++k) {
        int* other = yydialogrecord(hDialogList[k]);
        if (other == nullptr || other == record) continue;
        if (other[DlgOwner] == asWord(dialog)) other[DlgOwner] = record[DlgOwner];
        if (other[DlgKeptEnabled] == asWord(dialog)) other[DlgKeptEnabled] = record[DlgKeptEnabled];
    }
    for (HWND& previous : hPrevious)
        if (previous == dialog) previous = asWindow(record[DlgOwner]);
    if (wasActive) hDlgCur = nullptr;
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    record[DlgShown] = 0;
    if (hLastSemi == dialog) hLastSemi = nSemi > 0 ? asWindow(record[DlgKeptEnabled]) : nullptr;
    if (wasActive) {
        HWND owner = asWindow(record[DlgOwner]);
        if (owner != nullptr && IsWindow(owner)) {
            SetFocus(owner);
            yytitlecolour(owner);
            if (isLoadedDialog(owner)) hDlgCur = owner;
        }
    }
    if (asCurrent) index = 0;
}

void yywinfodialog(int code, int& value) {
    const int* record = yydialogrecord(currentEntry());
    switch (code) {
    case 1: value = record != nullptr ? record[DlgExitButton] : 0; break;
    case 2: value = record != nullptr ? record[DlgPreviousField] : 0; break;
    case 3: value = iDlgAct; break;
    default: value = 0; break;
    }
}

void WDialogShow(int x, int y, int focusField, int mode) {
    if (gravim.dialogs.currentDialog == 0) {
        yyerror(1005, "WDialogShow");
        return;
    }
    // Positions are window units of the parent window (the root window for a dialog that is not
    // inside a window); they become pixels of it, an axis at -1 staying -1 (centred).
    int parent = 0;
    yydialogparent(parent);
    const int previous = gravim.windows.wIndex;
    const bool reselect = parent != previous && gravim.windows.rootOpen != 0;
    if (reselect) yywinsel(parent, 1);
    int px = -1, py = -1;
    WindowUnitsToPixels(x, y, px, py);
    if (x == -1) px = -1;
    if (y == -1) py = -1;
    int error = 0;
    if (mode == 1) yygetwindowbitmap(1, -1, error);
    int result = mode;
    yydialogshow(x, y, px, py, result, focusField, 0);
    if (reselect) yywinsel(previous, 1);
    if (mode == 1 && result != -1) {
        yygetwindowbitmap(0, -1, error);
        yywinfodialog(1, gravim.dialogs.exitButton);
        yywinfodialog(2, gravim.dialogs.exitField);
        yywinfodialog(3, gravim.dialogs.modalDialog);
    }
    reportShow(result);
}

void WDialogHide() {
    if (gravim.dialogs.currentDialog == 0) return;
    int index = -1;
    yydialoghide(index);
    if (index == -2) yyerror(1069, "WDialogHide");
    if (index == -1) yyerror(1047, "WDialogHide");
}

void yyendmodalcopy(HWND copy, int button) {
    HWND shown = currentEntry();
    const int* copyRecord = yydialogrecord(copy);
    iDlgAct = copyRecord != nullptr ? copyRecord[DlgId] : 0;
    HWND focus = GetFocus();
    const int focusedId = focus != nullptr && IsChild(copy, focus) ? GetDlgCtrlID(focus) : 0;
    const int* before = yydialogrecord(shown);
    const int previousField = before != nullptr ? before[DlgPreviousField] : 0;
    yytabdialogend(copy);
    creatingDialog = 1;
    if (shown != nullptr) yydialogcopy(shown, copy);
    // The answers are written after the copy back, which would otherwise take the copy's words.
    if (int* record = yydialogrecord(shown)) {
        record[DlgCurrentField] = button;
        record[DlgExitButton] = button;
        record[DlgPreviousField] = focusedId != button && focusedId != 0 ? focusedId : previousField;
        record[DlgShown] = 0;
    }
    hDlgCur = nullptr;
    delete[] yydialogrecord(copy);
    SetWindowLongPtrA(copy, GWLP_USERDATA, 0);
    EndDialog(copy, button);
    creatingDialog = 0;
}

void yydialogshow(int dialog, int x, int y) {
    const int index = yydialogfind(dialog);
    if (index < 1) return;
    const int saved = iDlgCur;
    iDlgCur = index;
    int mode = 2;
    yydialogshow(x, y, x, y, mode, 0, 1);
    iDlgCur = saved;
}

void yydialoghidecombined(int dialog) {
    int index = yydialogfind(dialog);
    if (index > 0) yydialoghide(index);
}

void yygetwindlgpos(int n, int, int, int& x, int& y) {
    HWND window = nullptr;
    if (n == -1) {
        // A dialog sits in a client area, which sits in a frame: go up two levels at a time.
        window = hDlgCur != nullptr ? hDlgCur : hWinCur;
        while (window != nullptr && isChildWindow(window)) {
            HWND parent = GetParent(window);
            window = parent != nullptr ? GetParent(parent) : nullptr;
        }
    } else if (n >= 0 && n < MaxWindows) {
        window = hClient[n];
    }
    POINT origin = {0, 0};
    if (window != nullptr) ClientToScreen(window, &origin);
    x = origin.x;
    y = origin.y;
}
