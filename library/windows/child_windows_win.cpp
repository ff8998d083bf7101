// child_windows_win.cpp - selecting windows and driving their status bars and status-bar parts.
// Every library window (root, child, pane) may carry a status bar with up to 255 parts.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

int yywindowtest(int n) { return n >= 0 && n < MaxWindows && wWindow[n] != nullptr ? 1 : 0; }

int yywindowselect(int& width, int& height, int n) {
    if (yywindowtest(n) == 0) return -1;
    yyscreenport().windowContextReleasing(wDC);
    if (wDC != nullptr) ReleaseDC(hClient[gravim.windows.wIndex], wDC);
    gravim.windows.wIndex = n;
    wDC = GetDC(hClient[n]);
    yyscreenport().windowContextSelected(wDC);
    RECT client;
    GetClientRect(hClient[n], &client);
    wWinWidth = width = client.right;
    wWinHeight = height = client.bottom;
    return n;
}

void WindowSelect(int n) { yywinsel(n, gravim.graphics.reselecting); }

void yySetStatusBar2(int n, int parts) {
    HWND bar = wMessLine[n];
    if (bar == nullptr || parts < 1 || parts > StatusParts) return;
    RECT frame;
    GetClientRect(wWindow[n], &frame);
    int edges[StatusParts];
    int stretch = -1;
    int right = 0;
    for (int p = 0; p < parts; ++p) {
        if (partlist[n][p] == -1) {
            stretch = p;
            break;
        }
        right += partlist[n][p];
        edges[p] = right;
    }
    if (stretch >= 0) {
        // Parts after the stretching one keep their widths at the right edge.
        int edge = frame.right;
        for (int p = parts - 1; p >= stretch; --p) {
            edges[p] = edge;
            edge -= partlist[n][p];
        }
    }
    SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(parts), reinterpret_cast<LPARAM>(edges));
    for (int p = 0; p < parts; ++p) {
        char text[513] = "";
        const LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(p), 0);
        if (LOWORD(length) < sizeof text) SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(p), reinterpret_cast<LPARAM>(text));
        SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(p) | uStatusBorder[n][p], reinterpret_cast<LPARAM>(text));
    }
    InvalidateRect(bar, nullptr, TRUE);
}

void yysetstatuspart(int part, int width, int border) {
    if (part < 1 || part > StatusParts) return;
    const int n = gravim.windows.wIndex;
    partlist[n][part - 1] = width;
    uStatusBorder[n][part - 1] = border == 0 ? SBT_NOBORDERS : border == 2 ? SBT_POPOUT : 0;
}

void yysetstatusbar(int parts) {
    const int n = gravim.windows.wIndex;
    if (wMessLine[n] != nullptr) yySetStatusBar2(n, parts);
}

void yysetstatustext(int part, const char* text) {
    HWND bar = wMessLine[gravim.windows.wIndex];
    if (bar == nullptr || part < 1 || part > StatusParts) return;
    const int index = part - 1;
    SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(index) | uStatusBorder[gravim.windows.wIndex][index],
                 reinterpret_cast<LPARAM>(text));
    RECT area;
    if (SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&area))) {
        InvalidateRect(bar, &area, TRUE);
        UpdateWindow(bar);
    }
}

void WindowOutStatusBar(int part, std::string_view text) {
    if (part < 1 || part > StatusParts) return;
    yysetstatustext(part, std::string(trimRight(text)).c_str());
}

void yyclosemcidevice(int n) {
    if (n < 0 || n >= MaxWindows || wDevice[n] == 0) return;
    mciSendCommandA(wDevice[n], MCI_STOP, 0, 0);
    mciSendCommandA(wDevice[n], MCI_CLOSE, 0, 0);
    wDevice[n] = 0;
}
