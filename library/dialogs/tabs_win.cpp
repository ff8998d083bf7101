// tabs_win.cpp - tab pages: page dialogs attached to a dialog's tab controls, the selected page
// shown over the tab's display area, tabs selected and disabled by the library.
#include <windows.h>

#include <commctrl.h>

#include "windows/window_tables_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/show_internal_win.hpp"

namespace {

// Visible by its own style, whether or not its dialog is shown yet.
bool hasVisibleStyle(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

int tabCount(HWND tab) { return static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)); }
int selectedTab(HWND tab) { return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)); }

template <class Visit>
void forEachTab(HWND dialog, Visit visit) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (yyisclass(c, atomTab)) visit(c);
}

// The tab's display area in its dialog's client coordinates.
RECT displayArea(HWND tab) {
    RECT area;
    GetWindowRect(tab, &area);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(nullptr, GetParent(tab), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

constexpr LONG pageRemovedStyles = WS_POPUP | WS_CAPTION | WS_BORDER | WS_SYSMENU | DS_MODALFRAME;

bool readItem(HWND tab, int item, TabItem& data) {
    data = TabItem{};
    data.header.mask = TCIF_PARAM;
    return SendMessageA(tab, TCM_GETITEMA, item, reinterpret_cast<LPARAM>(&data)) != 0;
}

// The tab control field of the current dialog and its first item naming page (enabled only
// when asked). A missing tab control sets field to -1, a missing item page to -1.
bool findTab(int& field, int& page, bool enabledOnly, HWND& tab, int& item) {
    HWND dialog = yycurrentdialogwindow();
    tab = dialog != nullptr ? GetDlgItem(dialog, field) : nullptr;
    if (tab == nullptr || !yyisclass(tab, atomTab)) {
        field = -1;
        return false;
    }
    TabItem data;
    for (int i = 0; i < tabCount(tab); ++i) {
        if (!readItem(tab, i, data) || data.page != page || (enabledOnly && data.disabled != 0)) continue;
        item = i;
        return true;
    }
    page = -1;
    return false;
}

}  // namespace

void yytabdialoginit(HWND dialog) {
    forEachTab(dialog, [&](HWND tab) {
        const RECT area = displayArea(tab);
        const int selected = selectedTab(tab);
        for (int i = 0; i < tabCount(tab); ++i) {
            HWND page = yytabpagewindow(tab, i);
            if (page == nullptr) continue;
            LONG style = GetWindowLongA(page, GWL_STYLE);
            style = (style & ~pageRemovedStyles) | WS_CHILD;
            SetWindowLongA(page, GWL_STYLE, style);
            SetWindowLongA(page, GWL_EXSTYLE, GetWindowLongA(page, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
            if (yyIsResizableDialog(page))
                for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                    if (yyisclass(c, atomScrollbar) && (GetWindowLongA(c, GWL_STYLE) & SBS_SIZEGRIP)) ShowWindow(c, SW_HIDE);
            SetParent(page, dialog);
            // Above the tab control, so the page is not hidden behind it.
            SetWindowPos(page, tab, area.left, area.top, area.right - area.left, area.bottom - area.top,
                         SWP_NOACTIVATE | SWP_FRAMECHANGED);
            SetWindowPos(tab, page, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            const bool show = i == selected && hasVisibleStyle(tab);
            ShowWindow(page, show ? SW_SHOWNA : SW_HIDE);
            if (int* record = yydialogrecord(page)) record[DlgShown] = show ? 1 : 0;
            EnableWindow(page, TRUE);
            yytabdialoginit(page);
        }
    });
}

void yytabdialogend(HWND dialog) {
    forEachTab(dialog, [&](HWND tab) {
        for (int i = 0; i < tabCount(tab); ++i) {
            HWND page = yytabpagewindow(tab, i);
            if (page == nullptr || GetParent(page) != dialog) continue;
            ShowWindow(page, SW_HIDE);
            SetParent(page, hClient[0]);
            if (int* record = yydialogrecord(page)) record[DlgShown] = 0;
            if (yyIsResizableDialog(page))
                for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                    if (yyisclass(c, atomScrollbar) && (GetWindowLongA(c, GWL_STYLE) & SBS_SIZEGRIP)) ShowWindow(c, SW_SHOW);
        }
    });
}

void yytabdialogsetfocus(HWND tab, HWND page, int focus) {
    HWND target = tab;
    for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            target = c;
            break;
        }
    }
    if (focus != 0) SetFocus(target);
    yyDialogSelectAll(target);
}

void yydialogsettab(int& field, int& page) {
    HWND tab = nullptr;
    int item = -1;
    if (!findTab(field, page, true, tab, item)) return;
    HWND dialog = GetParent(tab);
    const int old = selectedTab(tab);
    SendMessageA(tab, TCM_SETCURSEL, item, 0);
    if (old == item || !hasVisibleStyle(tab)) return;
    if (HWND oldPage = yytabpagewindow(tab, old)) {
        ShowWindow(oldPage, SW_HIDE);
        if (int* record = yydialogrecord(oldPage)) record[DlgShown] = 0;
    }
    HWND newPage = yytabpagewindow(tab, item);
    if (newPage == nullptr) return;
    SetWindowPos(newPage, tab, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetWindowPos(tab, newPage, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (int* record = yydialogrecord(newPage)) record[DlgShown] = 1;
    const int* record = yydialogrecord(dialog);
    if (record != nullptr && record[DlgShown] != 0) yytabdialogsetfocus(tab, newPage, 1);
}

void yytabenable(int& field, int& page, int enable) {
    HWND tab = nullptr;
    int item = -1;
    if (!findTab(field, page, false, tab, item)) return;
    TabItem data;
    readItem(tab, item, data);
    data.disabled = enable != 0 ? 0 : 1;
    SendMessageA(tab, TCM_SETITEMA, item, reinterpret_cast<LPARAM>(&data));
    if (hasVisibleStyle(tab)) {
        RECT box;
        SendMessageA(tab, TCM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&box));
        InvalidateRect(tab, &box, TRUE);
    }
}

int yytabpageid(HWND tab, int position) {
    TabItem item{};
    item.header.mask = TCIF_PARAM;
    if (position < 0 || !SendMessageA(tab, TCM_GETITEMA, position, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.page;
}

HWND yytabpagewindow(HWND tab, int position) {
    const int index = yydialogfind(yytabpageid(tab, position));
    return index > 0 ? hDialogList[index] : nullptr;
}
