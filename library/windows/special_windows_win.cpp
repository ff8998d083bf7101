// special_windows_win.cpp - what the window manager does for the special windows that take over
// a child frame (editor, grid window): the frame holding an inside window, the docked toolbars'
// places, a menu bar lent to the split windows above a pane and taken back, the tables of a
// modal window that goes without the window manager's close, and its nested message loop.
#include "windows/dialog_calls_win.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

bool isChildStyle(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

}  // namespace

HWND yyparentframe(HWND frame) {
    if (frame == nullptr || !isChildStyle(frame)) return nullptr;
    HWND client = GetParent(frame);
    return client != nullptr ? GetParent(client) : nullptr;
}

bool yyissplitwindow(HWND frame) { return frame != nullptr && yywindowkind(frame) == KindSplit; }

bool yyembeddedframe(HWND frame) {
    if (!isChildStyle(frame)) return false;
    HWND parent = yyparentframe(frame);
    if (!yyissplitwindow(parent)) return true;
    HWND top = parent;
    while (isChildStyle(top) && yyissplitwindow(yyparentframe(top))) top = yyparentframe(top);
    return isChildStyle(top);
}

bool yydropdockedbars(int n) {
    bool had = false;
    for (int position = 0; position < 4; ++position) {
        if (hToolbar[n][position] != nullptr) {
            DestroyWindow(hToolbar[n][position]);
            had = true;
        }
        hToolbar[n][position] = nullptr;
        iToolSize[n][position] = 0;
    }
    yyfreetooltips(n);
    return had;
}

RECT yyplacedockedbars(int n, RECT area) {
    const int width = area.right - area.left;
    if (HWND top = hToolbar[n][0]) {
        MoveWindow(top, area.left, area.top, width, iToolSize[n][0], TRUE);
        area.top += iToolSize[n][0];
    }
    if (HWND bottom = hToolbar[n][3]) {
        MoveWindow(bottom, area.left, area.bottom - iToolSize[n][3], width, iToolSize[n][3], TRUE);
        area.bottom -= iToolSize[n][3];
    }
    if (HWND left = hToolbar[n][1]) {
        MoveWindow(left, area.left, area.top, iToolSize[n][1], area.bottom - area.top, TRUE);
        area.left += iToolSize[n][1];
    }
    if (HWND right = hToolbar[n][2]) {
        MoveWindow(right, area.right - iToolSize[n][2], area.top, iToolSize[n][2], area.bottom - area.top, TRUE);
        area.right -= iToolSize[n][2];
    }
    return area;
}

void yyreplacemenubar(int n, HMENU bar) {
    if (hMenuRoot[n] != nullptr && hMenuRoot[n] != bar) {
        yyClearMenuPrompt(hMenuRoot[n], n);
        DestroyMenu(hMenuRoot[n]);
        hAccel[n] = nullptr;
        hKBNMenuString[n] = nullptr;
        nMenuString[n] = 0;
    }
    hMenuRoot[n] = bar;
}

bool yylendmenubar(HWND frame, HMENU bar, int hostWindow) {
    if (hostWindow < 0 || hostWindow >= MaxWindows || !yyissplitwindow(wWindow[hostWindow])) return false;
    bool inside = false;
    for (HWND h = yyparentframe(frame); h != nullptr; h = yyparentframe(h))
        if (h == wWindow[hostWindow]) inside = true;
    if (!inside) return false;
    HWND top = frame;
    for (HWND h = yyparentframe(frame); h != nullptr && yyissplitwindow(h); h = yyparentframe(h)) {
        const int m = yygetwindowindex(h);
        if (m >= 0 && hMenuRoot[m] == nullptr) {
            hMenuRoot[m] = bar;
            yywindowrecord(h)[SplitDesignated] = wordOf(frame);
        }
        top = h;
        if (h == wWindow[hostWindow]) break;
    }
    if (!isChildStyle(top)) {
        SetMenu(top, bar);
        DrawMenuBar(top);
    }
    return true;
}

void yydestroymenubar(int n, HMENU bar) {
    for (int m = 0; m < MaxWindows; ++m) {
        if (m == n || hMenuRoot[m] != bar) continue;
        hMenuRoot[m] = nullptr;
        if (int* host = yywindowrecord(wWindow[m]); host != nullptr && host[0] == KindSplit) host[SplitDesignated] = 0;
        if (GetMenu(wWindow[m]) == bar) SetMenu(wWindow[m], nullptr);
    }
    if (GetMenu(wWindow[n]) == bar) SetMenu(wWindow[n], nullptr);
    if (hMenuRoot[n] == bar) hMenuRoot[n] = nullptr;
    yyClearMenuPrompt(bar, n);
    DestroyMenu(bar);
}

void yysetwindowmenu(int n, HMENU bar) { hMenuRoot[n] = bar; }

void yysetmenuprompts(int n, HGLOBAL prompts) { hKBNMenuString[n] = prompts; }

void yyforgetmenubar(int n) {
    hMenuRoot[n] = nullptr;
    hAccel[n] = nullptr;
    hKBNMenuString[n] = nullptr;
    nMenuString[n] = 0;
}

void yyforgetstatusbar(int n, HWND bar) {
    if (n >= 0 && n < MaxWindows && bar != nullptr && wMessLine[n] == bar) wMessLine[n] = nullptr;
}

void yysettitlewindow(HWND window) { hWinCur = window; }

void yysetblitting(int on) { wBlitOn = on; }

void yysetwindowsnapshot(int n, HBITMAP image) { hImage[n] = image; }

void yyforgetmodalwindow(HWND frame, int n) {
    if (n <= 0 || n >= MaxWindows) return;
    if (n == gravim.windows.wIndex && wDC != nullptr) {
        yyscreenport().windowContextGone(wDC);
        ReleaseDC(hClient[n], wDC);
        wDC = nullptr;
    }
    for (int m = 1; m < MaxWindows; ++m)
        if (m != n && wWindow[m] != nullptr && GetWindow(wWindow[m], GW_OWNER) == frame) yyforgetwindow(m);
    if (hWinCur == frame) hWinCur = wWindow[0];
    yyforgetwindow(n);
    if (gravim.windows.wIndex == n && wWindow[0] != nullptr) yywinsel(0, 1);
}

void yymodalwindowloop(const int& done, HWND frame, HACCEL accelerators, const std::function<bool(MSG&)>& offer) {
    MSG message;
    while (done == 0) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) continue;
        if (accelerators != nullptr && TranslateAcceleratorA(frame, accelerators, &message)) continue;
        if (offer && offer(message)) continue;
        if (message.message == 0x118 && LOWORD(message.wParam) == 0xFFF6) continue;  // caret blink, as the pump does
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
