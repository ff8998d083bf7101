// dialog_show_win.cpp - showing and hiding the current dialog. The plain modeless show with
// tab pages attached, the size grip of resizable dialogs and the end of a modal copy live here.
#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "core/window_tables_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"

// Semi-modeless showing arrives with the full show; until then none is ever up.
int nSemi = 0;
HWND hLastSemi = nullptr;

namespace {

int asWord(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }

template <class Visit>
void forEachTab(HWND dialog, Visit visit) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (yyclassis(c, WC_TABCONTROLA)) visit(c);
}

// The pages of a dialog's tab controls become its children, placed over their tab's area; the
// selected page shows.
void attachPages(HWND dialog) {
    forEachTab(dialog, [&](HWND tab) {
        RECT area;
        GetWindowRect(tab, &area);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
        SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
        int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            HWND page = yytabpagewindow(tab, i);
            if (page == nullptr) continue;
            SetParent(page, dialog);
            SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                         SWP_NOACTIVATE | (i == selected ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
            if (int* record = yydialogrecord(page)) record[DlgShown] = i == selected ? 1 : 0;
        }
    });
}

int pixels(int units, int size) { return units * (size - 1) / 9999; }

}  // namespace

int yytabpageid(HWND tab, int position) {
    TabItem item{};
    item.header.mask = TCIF_PARAM;
    if (position < 0 || !SendMessageA(tab, TCM_GETITEMA, position, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.page;
}

HWND yytabpagewindow(HWND tab, int position) {
    int index = yydialogfind(yytabpageid(tab, position));
    return index > 0 ? hDialogList[index] : nullptr;
}

void yytabdialogend(HWND dialog) {
    forEachTab(dialog, [&](HWND tab) {
        int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            HWND page = yytabpagewindow(tab, i);
            if (page == nullptr || GetParent(page) != dialog) continue;
            ShowWindow(page, SW_HIDE);
            SetParent(page, hClient[0]);
        }
    });
}

void yyDialogSelectAll(HWND control) {
    if (yyclassis(control, "ComboBox")) SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else if (yyclassis(control, "Edit") || yyisnumericclass(control)) SendMessageA(control, EM_SETSEL, 0, -1);
}

void yyDialogCreateSizeGrip(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    int w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
    CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                    client.right - w, client.bottom - h, w, h, dialog, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void yyendmodalcopy(HWND copy, int button) {
    iDlgAct = 0;
    if (int* record = yydialogrecord(hDialogList[iDlgCur])) {
        iDlgAct = record[DlgId];
        record[DlgCurrentField] = record[DlgExitButton] = button;
    }
    hDlgCur = nullptr;
    delete[] yydialogrecord(copy);
    SetWindowLongPtrA(copy, GWLP_USERDATA, 0);
    EndDialog(copy, button);
    creatingDialog = 0;
}

void yydialogshow(int dialog, int x, int y) {
    int index = yydialogfind(dialog);
    if (index < 1) return;
    HWND window = hDialogList[index];
    int* record = yydialogrecord(window);
    if (record == nullptr) return;
    if (record[DlgShown] && IsWindowVisible(window)) {
        if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    bool child = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
    if (hClient[0] != nullptr && IsWindowVisible(wWindow[0])) {
        GetClientRect(hClient[0], &area);
        if (!child) MapWindowPoints(hClient[0], nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    int left = x < 0 ? area.left + (area.right - area.left - width) / 2 : area.left + pixels(x, area.right - area.left);
    int top = y < 0 ? area.top + (area.bottom - area.top - height) / 2 : area.top + pixels(y, area.bottom - area.top);
    attachPages(window);
    record[DlgOwner] = asWord(hDlgCur != nullptr ? hDlgCur : hWinCur);
    record[DlgShowMode] = 2;
    record[DlgShown] = 1;
    SetWindowPos(window, HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

void yydialoghide(int dialog) {
    int index = yydialogfind(dialog);
    if (index < 1) return;
    HWND window = hDialogList[index];
    int* record = yydialogrecord(window);
    if (record == nullptr || !IsWindowVisible(window)) return;
    record[DlgShown] = 0;
    HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(record[DlgOwner]));
    ShowWindow(window, SW_HIDE);
    if (hDlgCur == window) hDlgCur = nullptr;
    if (owner != nullptr && IsWindow(owner) && IsWindowVisible(owner)) SetFocus(owner);
}

void WDialogShow(int x, int y, int focusField, int /*mode*/) {
    HWND window = yycurrentdialogwindow();
    if (window == nullptr) {
        yyerror(1005, "WDialogShow");
        return;
    }
    yydialogshow(gravim.dialogs.currentDialog, x, y);
    if (focusField != 0) {
        if (HWND focus = GetDlgItem(window, focusField)) {
            SetFocus(focus);
            yyDialogSelectAll(focus);
        }
    }
}

void WDialogHide() {
    HWND window = yycurrentdialogwindow();
    if (window == nullptr) {
        yyerror(1005, "WDialogHide");
        return;
    }
    if (yyissubdialog(window)) {
        yyerror(1069, "WDialogHide");
        return;
    }
    yydialoghide(gravim.dialogs.currentDialog);
}
