// window_frames_win.cpp - the parts every library frame is built from: frame style, menu extras,
// toolbars and status bar, client area and combined dialog (root, child windows and panes alike).
#include <windows.h>

#include <commctrl.h>

#include "windows/dialog_calls_win.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

constexpr int KindDialogWords = 8;
constexpr DWORD ClientStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Grows the frame by amount pixels of height (or width), moving a centred frame by half of it.
void growFrame(int& outer, int& position, int amount, bool centred, int flags) {
    outer += amount;
    if (centred && (flags & WinMaximised) == 0) position -= amount / 2;
}

// The frame's client rectangle less toolbars and status bar.
void clientAreaRect(int n, RECT& area) {
    GetClientRect(wWindow[n], &area);
    area.top += iToolSize[n][0];
    area.left += iToolSize[n][1];
    area.right -= iToolSize[n][2];
    area.bottom -= iToolSize[n][3];
    if (wMessLine[n] != nullptr) area.bottom -= heightOf(wMessLine[n]);
}

}  // namespace

DWORD yyframestyle(int flags) {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
    if (flags & WinSystemMenu) style |= WS_SYSMENU;
    if (flags & WinMinimiseBox) style |= WS_MINIMIZEBOX;
    if (flags & WinMaximiseBox) style |= WS_MAXIMIZEBOX;
    if (flags & WinMaximised) style |= WS_MAXIMIZE;
    if ((flags & WinFixedSize) == 0) style |= WS_THICKFRAME;
    return style;
}

void yyoutersize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu,
                 int& width, int& height) {
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    AdjustWindowRectEx(&outer, ClientStyle, menu, 0);
    width = outer.right - outer.left;
    height = outer.bottom - outer.top;
}

void yyloadmenuextras(int n, int menu) {
    if (hMenuRoot[n] == nullptr) return;
    yymenuloadrc(hMenuRoot[n], menu);
    hAccel[n] = LoadAcceleratorsA(wInstance, MAKEINTRESOURCEA(menu));
    hKBNMenuString[n] = yyloadmenustring(menu);
}

bool yyframebars(int n, int flags, const int toolbars[4], int& x, int& y, int& width, int& height,
                 bool centreX, bool centreY) {
    HWND frame = wWindow[n];
    int addedHeight = 0;
    bool grown = false;
    for (int position = 0; position < 4; ++position) {
        if (toolbars == nullptr || toolbars[position] == 0) continue;
        // The toolbar records itself and its thickness; the frame grows by it.
        int number = toolbars[position], clientWidth = 0, clientHeight = 0;
        yymntbar(number, n, position, clientWidth, clientHeight);
        if (hToolbar[n][position] == nullptr) continue;
        grown = true;
        if (position == 0 || position == 3) {
            addedHeight += iToolSize[n][position];
            growFrame(height, y, iToolSize[n][position], centreY, flags);
        } else {
            growFrame(width, x, iToolSize[n][position], centreX, flags);
        }
    }
    for (UINT& border : uStatusBorder[n]) border = 0;
    if (flags & WinStatusBar) {
        DWORD barStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        if ((flags & WinFixedSize) == 0) barStyle |= SBARS_SIZEGRIP;
        wMessLine[n] = CreateWindowExA(0, STATUSCLASSNAMEA, "", barStyle, 0, 0, width, 10, frame,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusBarId)),
                                       wInstance, nullptr);
        partlist[n][0] = -1;
        if (wMessLine[n] != nullptr) {
            const int barHeight = heightOf(wMessLine[n]);
            addedHeight += barHeight;
            growFrame(height, y, barHeight, centreY, flags);
            grown = true;
        }
    }
    if (grown) {
        SetWindowPos(frame, nullptr, x, y, width, height, SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER);
        if (wMessLine[n] != nullptr) SendMessageA(wMessLine[n], WM_SIZE, 0, 0);
        if (flags & WinMaximised) {
            WINDOWPLACEMENT placement = {};
            placement.length = sizeof placement;
            GetWindowPlacement(frame, &placement);
            placement.rcNormalPosition.bottom += addedHeight;
            SetWindowPlacement(frame, &placement);
        }
    }
    return grown;
}

bool yyfinishframe(int n, HMENU menuHandle, int menu, int flags, const int toolbars[4], int& x, int& y,
                   bool centreX, bool centreY) {
    HWND frame = wWindow[n];
    hMenuRoot[n] = menuHandle;
    if (menuHandle != nullptr) yyloadmenuextras(n, menu);
    RECT placed;
    GetWindowRect(frame, &placed);
    if (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(frame), reinterpret_cast<POINT*>(&placed), 2);
    x = placed.left;
    y = placed.top;
    int width = placed.right - placed.left, height = placed.bottom - placed.top;
    yyframebars(n, flags, toolbars, x, y, width, height, centreX, centreY);
    yycreateclient(n, flags);
    return hClient[n] != nullptr;
}

void yycreateclient(int n, int flags) {
    RECT area;
    clientAreaRect(n, area);
    hClient[n] = CreateWindowExA(0, "GRAVCLIENT", "", ClientStyle, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, wWindow[n],
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), wInstance, nullptr);
    if (hClient[n] != nullptr && (flags & WinMaximised) && hWindowColour[n] != nullptr)
        InvalidateRect(hClient[n], nullptr, TRUE);
}

int yyprobecombineddialog(int dialog, HWND owner, int& flags, int& width, int& height,
                          bool* resizable) {
    if (FindResourceA(wInstance, MAKEINTRESOURCEA(dialog), MAKEINTRESOURCEA(5)) == nullptr) return -1;
    HWND probe = CreateDialogParamA(wInstance, MAKEINTRESOURCEA(dialog), owner, yyWindowSizeDlgProc, 0);
    if (probe == nullptr) return -4;
    const LONG style = GetWindowLongA(probe, GWL_STYLE);
    int status = 0;
    if ((style & WS_CHILD) == 0 || (style & DS_CONTROL) == 0 || (style & WS_CAPTION) == WS_CAPTION ||
        (style & WS_SYSMENU) != 0) {
        status = -2;
    } else {
        RECT outer;
        GetWindowRect(probe, &outer);
        width = outer.right - outer.left;
        height = outer.bottom - outer.top;
        const bool grows = yydialogcalls().probeResizable(probe, dialog);
        if (resizable != nullptr) *resizable = grows;
        if (!grows) {
            flags |= WinFixedSize;
            flags &= ~(WinMaximiseBox | WinMaximised);
        }
    }
    DestroyWindow(probe);
    return status;
}

bool yycombinedialog(int n, int dialog, int flags) {
    HWND frame = wWindow[n];
    int result = dialog;
    yydialogcalls().load(result, dialog, n, 1);
    HWND combined = result == dialog ? yydialogcalls().window(dialog) : nullptr;
    if (combined == nullptr) return false;
    if ((flags & WinHidden) == 0) yydialogcalls().show(dialog, 0, 0);
    int* record = new int[KindDialogWords]{};
    record[0] = KindDialog;
    record[HostedWindow] = wordOf(combined);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(frame, &placement);
    RECT placed;
    GetWindowRect(frame, &placed);
    if (IsZoomed(frame)) placed = placement.rcNormalPosition;
    record[HostMinWidth] = placed.right - placed.left;
    record[HostMinHeight] = placed.bottom - placed.top;
    yysetwindowrecord(frame, record);
    yydialogcalls().setCombinedWindow(combined, frame);
    return true;
}
