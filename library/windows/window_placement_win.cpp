// window_placement_win.cpp - the current window's size, position and show state, its title and
// icon, and raising it with every window that contains it.
#include <windows.h>

#include "windows/dialog_calls_win.hpp"
#include "base/gravim.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

bool isInner(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

int currentState(HWND frame) {
    if (IsIconic(frame)) return 0;
    if (IsZoomed(frame)) return 2;
    return IsWindowVisible(frame) ? 1 : 3;
}

// Normal placements of top-level windows are in work-area coordinates; a temporary invisible
// window shows the offset to screen coordinates.
POINT workAreaOffset() {
    HWND probe = CreateWindowExA(0, "GRAVCHILD", "", WS_POPUP, 100, 100, 10, 10, nullptr, nullptr,
                                 wInstance, nullptr);
    POINT offset = {0, 0};
    if (probe == nullptr) return offset;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(probe, &placement);
    RECT screen;
    GetWindowRect(probe, &screen);
    offset.x = screen.left - placement.rcNormalPosition.left;
    offset.y = screen.top - placement.rcNormalPosition.top;
    DestroyWindow(probe);
    return offset;
}

// The frame rectangle to start from: the normal placement of a minimised or maximised window,
// else the frame (in its parent's client coordinates for an inner window).
RECT currentFrameRect(HWND frame) {
    RECT rect;
    if (IsIconic(frame) || IsZoomed(frame)) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(frame, &placement);
        rect = placement.rcNormalPosition;
        if (!isInner(frame)) OffsetRect(&rect, workAreaOffset().x, workAreaOffset().y);
        return rect;
    }
    GetWindowRect(frame, &rect);
    if (isInner(frame)) MapWindowPoints(nullptr, GetParent(frame), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Outer size of window n for a client size: styles, menu bar, toolbars and status bar.
void outerFor(int n, int clientWidth, int clientHeight, int& width, int& height) {
    HWND frame = wWindow[n];
    const DWORD style = static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(frame, GWL_EXSTYLE));
    yyoutersize(clientWidth, clientHeight, style, exStyle, !isInner(frame) && GetMenu(frame) != nullptr,
                width, height);
    width += iToolSize[n][1] + iToolSize[n][2];
    height += iToolSize[n][0] + iToolSize[n][3] + heightOf(wMessLine[n]);
    const int* record = yywindowrecord(frame);
    if (const SpecialWindowCalls* calls = yyspecialwindowcalls(record); calls != nullptr && calls->barsHeight != nullptr)
        height += calls->barsHeight(record);
}

// A split pane is sized by moving the bar, so that the pane gets the requested extent.
void sizePaneByBar(int* record, int n, int width, int height) {
    HWND bar = handleOf(record[SplitBar]);
    const bool stacked = (record[SplitFlags] & SplitStacked) != 0;
    HWND splitClient = GetParent(bar);
    RECT client, barRect;
    GetClientRect(splitClient, &client);
    GetWindowRect(bar, &barRect);
    MapWindowPoints(nullptr, splitClient, reinterpret_cast<POINT*>(&barRect), 2);
    const int thickness = stacked ? barRect.bottom - barRect.top : barRect.right - barRect.left;
    const int extent = stacked ? height : width;
    const bool first = record[SplitFirstPane] == n;
    const int total = stacked ? client.bottom : client.right;
    const int at = first ? extent : total - extent - thickness;
    record[SplitAnchor] = 0;
    if (stacked)
        MoveWindow(bar, barRect.left, at, barRect.right - barRect.left, thickness, TRUE);
    else
        MoveWindow(bar, at, barRect.top, thickness, barRect.bottom - barRect.top, TRUE);
    record[SplitAnchor] = SplitNoAnchor;
}

}  // namespace

void yywindowsizepos(int x, int y, int& width, int& height, int state) {
    const int n = gravim.windows.wIndex;
    HWND frame = wWindow[n];
    if (frame == nullptr) return;
    const int was = currentState(frame);
    if (state == -1) state = was;
    const RECT rect = currentFrameRect(frame);
    if (x == KeepValue) x = rect.left;
    if (y == KeepValue) y = rect.top;

    RECT client;
    GetClientRect(hClient[n], &client);
    int* record = yywindowrecord(frame);
    const bool fixedDialog = record != nullptr && record[0] == KindDialog &&
                             !yydialogcalls().resizable(handleOf(record[HostedWindow]));
    int clientWidth = width == KeepValue || fixedDialog ? client.right : width;
    int clientHeight = height == KeepValue || fixedDialog ? client.bottom : height;
    int outerWidth = 0, outerHeight = 0;
    outerFor(n, clientWidth, clientHeight, outerWidth, outerHeight);
    if (record != nullptr && record[0] == KindDialog && !fixedDialog) {
        if (width != KeepValue && outerWidth < record[HostMinWidth]) record[HostMinWidth] = outerWidth;
        if (height != KeepValue && outerHeight < record[HostMinHeight]) record[HostMinHeight] = outerHeight;
    }

    if (record != nullptr && record[0] == KindSplit) record[SplitSizing] = 1;
    if (int* split = yysplitrecordofpane(frame)) {
        RECT paneRect = currentFrameRect(frame);
        const int paneOuterWidth = width == KeepValue ? paneRect.right - paneRect.left : outerWidth;
        const int paneOuterHeight = height == KeepValue ? paneRect.bottom - paneRect.top : outerHeight;
        sizePaneByBar(split, n, paneOuterWidth, paneOuterHeight);
    } else if (was == 0 || was == 2 || state == 0 || state == 2) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(frame, &placement);
        RECT normal = {x, y, x + outerWidth, y + outerHeight};
        if (!isInner(frame)) {
            const POINT offset = workAreaOffset();
            OffsetRect(&normal, -offset.x, -offset.y);
        }
        // A maximised child is restored to the rectangle it remembers.
        if (n > 0 && IsZoomed(frame)) wChildRect[n] = normal;
        if (!isInner(frame) || !IsZoomed(frame)) {
            placement.rcNormalPosition = normal;
            SetWindowPlacement(frame, &placement);
        }
        static const int shows[4] = {SW_SHOWMINNOACTIVE, SW_SHOWNOACTIVATE, SW_SHOWMAXIMIZED, SW_HIDE};
        ShowWindow(frame, shows[state < 0 || state > 3 ? 1 : state]);
    } else {
        UINT how = SWP_NOACTIVATE | SWP_NOZORDER;
        if (state == 1) how |= SWP_SHOWWINDOW;
        if (state == 3) how |= SWP_HIDEWINDOW;
        SetWindowPos(frame, nullptr, x, y, outerWidth, outerHeight, how);
        if (state == 1 && record != nullptr && record[0] == KindDialog)
            ShowWindow(handleOf(record[HostedWindow]), SW_SHOW);
    }
    if (n == 0) wHideRoot = state == 3 ? 1 : 0;
    if (record != nullptr && record[0] == KindSplit) record[SplitSizing] = 0;

    GetClientRect(hClient[n], &client);
    width = wWinWidth = gravim.windows.clientWidth = client.right;
    height = wWinHeight = gravim.windows.clientHeight = client.bottom;
}

void yywindowtitle(int& icon, int mode, const char* title) {
    HWND frame = wWindow[gravim.windows.wIndex];
    if (frame == nullptr) return;
    if (mode == 1) SetWindowTextA(frame, title);
    if (icon == -1) return;
    const char* name = icon == 0 ? "icon1" : MAKEINTRESOURCEA(icon);
    HICON large = static_cast<HICON>(LoadImageA(wInstance, name, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                GetSystemMetrics(SM_CYICON), 0));
    HICON small = static_cast<HICON>(LoadImageA(wInstance, name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), 0));
    if (large == nullptr || small == nullptr) {
        if (large != nullptr) DestroyIcon(large);
        if (small != nullptr) DestroyIcon(small);
        icon = -2;
        return;
    }
    HICON oldLarge = reinterpret_cast<HICON>(SendMessageA(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large)));
    HICON oldSmall = reinterpret_cast<HICON>(SendMessageA(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small)));
    if (oldLarge != nullptr) DestroyIcon(oldLarge);
    if (oldSmall != nullptr && oldSmall != oldLarge) DestroyIcon(oldSmall);
}

void yywindowraise() {
    const int n = gravim.windows.wIndex;
    HWND frame = wWindow[n];
    if (frame == nullptr) return;
    // Outermost first, so that every level ends above its siblings.
    HWND chain[MaxWindows];
    int count = 0;
    for (HWND w = frame; w != nullptr && count < MaxWindows;) {
        chain[count++] = w;
        if (!isInner(w)) break;
        w = GetParent(GetParent(w));  // frame -> parent client -> parent frame
    }
    for (int i = count - 1; i >= 0; --i) {
        ShowWindow(chain[i], IsWindowVisible(chain[i]) ? SW_SHOWNA : SW_SHOW);
        SetWindowPos(chain[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    EnableWindow(frame, TRUE);
    const int* record = yywindowrecord(frame);
    HWND focus = frame;
    if (const SpecialWindowCalls* calls = yyspecialwindowcalls(record); calls != nullptr && calls->focus != nullptr)
        focus = calls->focus(record);
    else if (record != nullptr && record[0] == KindDialog)
        focus = handleOf(record[HostedWindow]);
    SetFocus(focus != nullptr ? focus : frame);
    yytitlecolour(frame);
}
