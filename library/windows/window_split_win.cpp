// window_split_win.cpp - splitting the current window into two framed panes with a draggable bar
// between them. The panes' later layout belongs to the client-area and splitter procedures.
#include <windows.h>

#include "base/callback_guard.hpp"
#include "windows/dialog_calls_win.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

constexpr DWORD PaneExStyle = 0;

// One pane's dialog as probed before the split.
struct PaneDialog {
    bool good = false;       // loadable and of the right style
    bool resizable = false;
    int width = 0, height = 0;
};

BOOL noteInnerChild(HWND window, LPARAM found) {
    if (yygetwindowindex(window) > 0 && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findInnerChild(HWND window, LPARAM found) {
    return yyguardcallback("findInnerChild", [&] { return noteInnerChild(window, found); }, [] { return FALSE; });
}

bool holdsInnerChildren(int n) {
    bool found = false;
    EnumChildWindows(hClient[n], findInnerChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The outermost top-level frame that contains window n.
HWND outermostFrame(int n) { return GetAncestor(wWindow[n], GA_ROOT); }

DWORD paneStyle(int paneFlags, bool visible) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if ((paneFlags & WinNoCaption) == 0) style |= WS_CAPTION;
    if (visible) style |= WS_VISIBLE;
    if (yydialogcalls().semiModelessShown()) style |= WS_DISABLED;
    return style;
}

// The frame extent across the split of a pane whose client extent is given.
int frameExtent(int clientExtent, DWORD style, bool stacked) {
    RECT r = {0, 0, stacked ? 100 : clientExtent, stacked ? clientExtent : 100};
    AdjustWindowRectEx(&r, style, FALSE, PaneExStyle);
    return stacked ? r.bottom - r.top : r.right - r.left;
}

// A pane's menu is not attached to its frame and goes on its own.
void clearPane(int n) {
    if (wWindow[n] != nullptr) DestroyWindow(wWindow[n]);
    if (hMenuRoot[n] != nullptr) {
        yyClearMenuPrompt(hMenuRoot[n], n);
        DestroyMenu(hMenuRoot[n]);
    }
    yyforgetwindow(n);
}

}  // namespace

void yywindowsplit(int result[2], int splitFlags, const int paneFlags[2], int position,
                   const int menus[2], const int toolbars[2][4], int dialogs[2],
                   const int backgrounds[2], const char* firstTitle, const char* secondTitle) {
    const int c = gravim.windows.wIndex;
    HWND frame = wWindow[c];
    const int kind = yywindowkind(frame);
    if (frame == nullptr || kind != 0 || holdsInnerChildren(c)) {
        const int status = frame == nullptr ? -1 : kind == KindDialog ? -3 : kind != 0 ? -4 : -6;
        result[0] = result[1] = status;
        return;
    }

    int* record = new int[SplitRecordWords]{};
    record[0] = KindSplit;
    yysetwindowrecord(frame, record);
    int panes[2] = {yygetnextfree(), -1};
    for (int n = panes[0] + 1; panes[0] > 0 && n < MaxWindows && panes[1] < 0; ++n)
        if (wWindow[n] == nullptr) panes[1] = n;
    if (panes[0] < 0 || panes[1] < 0) {
        yysetwindowrecord(frame, nullptr);
        delete[] record;
        result[0] = result[1] = -1;
        return;
    }

    int flags[2] = {paneFlags[0], paneFlags[1]};
    PaneDialog probed[2];
    for (int p = 0; p < 2; ++p) {
        if (dialogs[p] == 0) continue;
        int scratchFlags = 0;
        const int status = yycombineddialogstatus(dialogs[p], scratchFlags, probed[p].width,
                                                  probed[p].height, &probed[p].resizable);
        if (status != 0) {
            dialogs[p] = status;
        } else {
            probed[p].good = true;
        }
    }
    const bool stacked = (splitFlags & SplitStacked) != 0;
    auto dialogExtent = [stacked](const PaneDialog& d) { return stacked ? d.height : d.width; };
    const bool secondFixesSize = probed[1].good && !probed[1].resizable;
    const bool firstFixesSize = probed[0].good && !probed[0].resizable;
    int extent = position;
    if (probed[1].good && ((probed[0].good && probed[0].resizable && !probed[1].resizable) || !probed[0].good))
        extent = dialogExtent(probed[1]);
    else if (probed[0].good)
        extent = dialogExtent(probed[0]);
    if (firstFixesSize) {
        flags[0] |= WinFixedSize;
        splitFlags &= ~(SplitProportional | SplitKeepSecond);
    } else if (secondFixesSize) {  // a pane without a dialog does not fix its size
        flags[1] |= WinFixedSize;
        splitFlags &= ~SplitProportional;
    }

    record[SplitWindow] = c;
    record[SplitFirstPane] = panes[0];
    record[SplitFirstPane + 1] = panes[1];
    record[SplitFlags] = splitFlags;
    record[SplitFirstStyle] = flags[0];
    record[SplitFirstStyle + 1] = flags[1];
    record[SplitAnchor] = SplitNoAnchor;
    RECT outer;
    GetWindowRect(frame, &outer);
    record[SplitOuterWidth] = outer.right - outer.left;
    record[SplitOuterHeight] = outer.bottom - outer.top;

    const int bar = GetSystemMetrics(SM_CXFRAME);
    for (int p = 0; p < 2; ++p) {
        if (menus[p] == 0) continue;
        hMenuRoot[panes[p]] = LoadMenuA(wInstance, MAKEINTRESOURCEA(menus[p]));
        yyloadmenuextras(panes[p], menus[p]);
    }
    if (hMenuRoot[panes[0]] != nullptr) {
        SetMenu(outermostFrame(c), hMenuRoot[panes[0]]);
        DrawMenuBar(outermostFrame(c));
    }

    // Layout along the split; across it both panes span the whole client area.
    const bool halves = position < 0;
    RECT client;
    GetClientRect(hClient[c], &client);
    const int total = stacked ? client.bottom : client.right;
    const int across = stacked ? client.right : client.bottom;
    const DWORD styles[2] = {paneStyle(flags[0], !halves), paneStyle(flags[1], !halves)};
    const bool measureSecond = (splitFlags & SplitKeepSecond) || (secondFixesSize && !firstFixesSize) ||
                               (probed[1].good && !probed[0].good);
    int firstExtent = 0, secondStart = 0;
    if (halves) {
        firstExtent = (total - bar) / 2;
        secondStart = (total + bar) / 2;
    } else if (measureSecond) {
        secondStart = total - frameExtent(extent, styles[1], stacked);
        firstExtent = secondStart - bar;
    } else {
        firstExtent = frameExtent(extent, styles[0], stacked);
        secondStart = firstExtent + bar;
    }
    const int starts[2] = {0, secondStart};
    const int extents[2] = {firstExtent, total - secondStart};
    const char* titles[2] = {firstTitle, secondTitle};

    bool failed = false;
    for (int p = 0; p < 2 && !failed; ++p) {
        const int n = panes[p];
        if (backgrounds[p] != -1) hWindowColour[n] = CreateSolidBrush(static_cast<COLORREF>(backgrounds[p]));
        iWindowColour[n] = backgrounds[p];
        const int x = stacked ? 0 : starts[p], y = stacked ? starts[p] : 0;
        int w = stacked ? across : extents[p], h = stacked ? extents[p] : across;
        wWindow[n] = CreateWindowExA(PaneExStyle, "GRAVCHILD", titles[p], styles[p], x, y, w, h,
                                     hClient[c], nullptr, wInstance, nullptr);
        if (wWindow[n] == nullptr) {
            failed = true;
            break;
        }
        wChildRect[n].left = NoChildRect;
        hPrevious[n] = hWinCur;
        gravim.windows.windowFlags[n] = flags[p];
        int px = x, py = y;
        // A pane keeps its place: its bars are laid inside it, not added to it.
        yyframebars(n, flags[p] & ~WinMaximised, toolbars[p], px, py, w, h, false, false);
        SetWindowPos(wWindow[n], nullptr, x, y, stacked ? across : extents[p],
                     stacked ? extents[p] : across, SWP_NOACTIVATE | SWP_NOZORDER);
        yycreateclient(n, flags[p]);
        if (hClient[n] == nullptr) failed = true;
    }
    HWND barWindow = nullptr;
    if (!failed) {
        const int barX = stacked ? 0 : firstExtent, barY = stacked ? firstExtent : 0;
        barWindow = CreateWindowExA(WS_EX_TOPMOST, stacked ? "GRAVSPLITH" : "GRAVSPLITV", "",
                                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, barX, barY,
                                    stacked ? across : secondStart - firstExtent,
                                    stacked ? secondStart - firstExtent : across, hClient[c], nullptr,
                                    wInstance, nullptr);
        failed = barWindow == nullptr;
    }
    if (failed) {
        if (barWindow != nullptr) DestroyWindow(barWindow);
        clearPane(panes[0]);
        clearPane(panes[1]);
        yysetwindowrecord(frame, nullptr);
        delete[] record;
        result[0] = result[1] = -1;
        return;
    }
    SetWindowLongPtrA(barWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    SetWindowPos(barWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    record[SplitBar] = wordOf(barWindow);
    record[SplitLastFocused] = wordOf(wWindow[panes[0]]);
    for (int p = 0; p < 2; ++p) {
        RECT paneClient;
        GetClientRect(wWindow[panes[p]], &paneClient);
        record[SplitFirstProportion + p] = halves ? 1 : stacked ? paneClient.bottom : paneClient.right;
    }

    for (int p = 0; p < 2; ++p)
        if (probed[p].good && !yycombinedialog(panes[p], dialogs[p], flags[p])) dialogs[p] = -4;

    if (halves) {
        // Proportions 1 and 1 lay the halves out; then the panes show.
        record[SplitFlags] |= SplitProportional;
        SendMessageA(hClient[c], WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        record[SplitFlags] = splitFlags;
        for (int p = 0; p < 2; ++p) ShowWindow(wWindow[panes[p]], SW_SHOWNA);
    }
    for (int p = 0; p < 2; ++p) {
        HWND paneClient = hClient[panes[p]];
        RedrawWindow(paneClient, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
        ValidateRect(paneClient, nullptr);
        if (const int* paneRecord = yywindowrecord(wWindow[panes[p]]);
            paneRecord != nullptr && paneRecord[0] == KindDialog) {
            RECT area;
            GetClientRect(paneClient, &area);
            SendMessageA(paneClient, WM_SIZE, SIZE_RESTORED, MAKELPARAM(area.right, area.bottom));
            UpdateWindow(handleOf(paneRecord[5]));
        }
    }
    if (GetFocus() == hClient[c]) {
        SetFocus(hClient[panes[0]]);
        yytitlecolour(wWindow[panes[0]]);
    }
    result[0] = panes[0];
    result[1] = panes[1];
}
