// child_open_win.cpp - opening child windows: top-level frames of their own (optionally owned by
// another library window) or framed windows inside another window's client area.
#include <windows.h>

#include "windows/dialog_calls_win.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

bool isInnerFrame(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

// The window to give activation back to when the new child closes.
HWND previousWindow() {
    HWND dialog = yydialogcalls().currentWindow();
    if (dialog != nullptr && IsWindowVisible(dialog)) {
        HWND owner = GetWindow(dialog, GW_OWNER);
        return owner != nullptr ? owner : dialog;
    }
    return hWinCur;
}

// The parent's checks for an inner child: 0 or the result status.
int innerParentStatus(int parent) {
    if (parent < 0 || parent >= MaxWindows || wWindow[parent] == nullptr) return -5;
    if (!IsWindowVisible(wWindow[parent])) return -2;
    const int kind = yywindowkind(wWindow[parent]);
    if (kind == KindDialog) return -3;
    return kind != 0 ? -4 : 0;
}

// A frame (with its menu) or client that could not be made takes the window with it.
void discardWindow(int n) {
    if (wWindow[n] != nullptr) DestroyWindow(wWindow[n]);
    yyforgetwindow(n);
}

}  // namespace

int yygetnextfree() {
    for (int n = 1; n < MaxWindows; ++n)
        if (wWindow[n] == nullptr) return n;
    return -1;
}

int yycombineddialogstatus(int dialog, int& flags, int& width, int& height, bool* resizable) {
    if (yydialogcalls().find(dialog) > 0) return -5;
    if (yydialogcalls().tableFull()) return -3;
    return yyprobecombineddialog(dialog, wWindow[0], flags, width, height, resizable);
}

void yyopenchild(int x, int y, int width, int height, int& result, int flags, int menu,
                 const int toolbars[4], int& dialog, int parent, int background, const char* title) {
    result = -1;
    const int n = yygetnextfree();
    if (n < 0) return;
    const bool inside = (flags & WinInside) != 0;
    if (inside) {
        if (const int status = innerParentStatus(parent); status != 0) {
            result = status;
            return;
        }
    }
    HWND parentFrame = parent >= 0 && parent < MaxWindows ? wWindow[parent] : nullptr;

    bool combine = false;
    if (dialog != 0) {
        const int status = yycombineddialogstatus(dialog, flags, width, height, nullptr);
        if (status != 0) {
            dialog = status;
        } else {
            combine = true;
        }
    }

    DWORD style = yyframestyle(flags);
    style |= inside ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP;
    if (yydialogcalls().semiModelessShown()) style |= WS_DISABLED;
    DWORD exStyle = (flags & WinToolWindow) ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW;
    if (flags & WinOnTop) exStyle |= WS_EX_TOPMOST;
    HMENU menuHandle = !inside && menu != 0 ? LoadMenuA(wInstance, MAKEINTRESOURCEA(menu)) : nullptr;

    if (background != -1) hWindowColour[n] = CreateSolidBrush(static_cast<COLORREF>(background));
    iWindowColour[n] = background;

    int outerWidth = 0, outerHeight = 0;
    yyoutersize(width, height, style, exStyle, menuHandle != nullptr, outerWidth, outerHeight);
    const bool centreX = x == KeepValue, centreY = y == KeepValue;
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (inside) GetClientRect(hClient[parent], &area);
    if (centreX) x = (area.right - outerWidth) / 2;
    if (centreY) y = (area.bottom - outerHeight) / 2;

    hPrevious[n] = previousWindow();
    HWND owner = inside ? hClient[parent] : (flags & WinOwned) ? parentFrame : nullptr;
    wWindow[n] = CreateWindowExA(exStyle, "GRAVCHILD", title, style, x, y, outerWidth, outerHeight,
                                 owner, menuHandle, wInstance, nullptr);
    if (wWindow[n] == nullptr) {
        if (menuHandle != nullptr) DestroyMenu(menuHandle);
        discardWindow(n);
        return;
    }
    HWND frame = wWindow[n];
    wChildRect[n].left = NoChildRect;
    if (!yyfinishframe(n, menuHandle, menu, flags, toolbars, x, y, centreX, centreY)) {
        discardWindow(n);
        return;
    }
    gravim.windows.windowFlags[n] = flags;
    if (combine && !yycombinedialog(n, dialog, flags)) dialog = -4;

    if ((flags & WinHidden) == 0) {
        ShowWindow(frame, (flags & WinMaximised) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        BringWindowToTop(frame);
        ValidateRect(hClient[n], nullptr);
        if (int* record = yywindowrecord(frame); record != nullptr && record[0] == KindDialog)
            UpdateWindow(handleOf(record[HostedWindow]));
        wChildRect[n].left = NoChildRect;
        SetFocus(hClient[n]);
        yytitlecolour(frame);
    } else if (flags & WinMaximised) {
        RECT client;
        GetClientRect(frame, &client);
        SendMessageA(frame, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(client.right, client.bottom));
    }
    result = n;
}

int* yysplitrecordofpane(HWND pane) {
    if (pane == nullptr || !isInnerFrame(pane)) return nullptr;
    HWND client = GetParent(pane);
    int* record = client != nullptr ? yywindowrecord(GetParent(client)) : nullptr;
    return record != nullptr && record[0] == KindSplit ? record : nullptr;
}

void yywindowcheckinside(int& result) {
    result = -1;
    HWND frame = wWindow[gravim.windows.wIndex];
    if (frame == nullptr || !isInnerFrame(frame)) return;
    HWND client = GetParent(frame);
    for (int n = 0; n < MaxWindows; ++n)
        if (client != nullptr && hClient[n] == client) result = n;
}

int yyedittest() { return yywindowkind(wWindow[gravim.windows.wIndex]); }
