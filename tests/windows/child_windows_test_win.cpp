// child_windows_test_win.cpp - child and split windows under Wine: numbers, the close cascade,
// split layouts, status-bar parts, placement, titles, scrolling and clearing to exact pixels.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "gui_driver_win.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

constexpr int Plain = WinSystemMenu | WinMinimiseBox | WinMaximiseBox;
constexpr int NoToolbars[4] = {0, 0, 0, 0};
constexpr COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255);

class ChildWindows : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(Plain | WinStatusBar, KeepValue, KeepValue, 640, 480);
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }

    // Opens a child; returns its number or the failure status.
    int open(int flags = Plain, int parent = 0, int width = 240, int height = 160, int menu = 0,
             int background = -1) {
        int result = 0, dialog = 0;
        yyopenchild(KeepValue, KeepValue, width, height, result, flags, menu, NoToolbars, dialog,
                    parent, background, "child");
        return result;
    }
    int close(int n) {
        int dialog = 0;
        yyclosechild(n, dialog);
        return n;
    }
    void select(int n) { WindowSelect(n); }
    // Splits window n; returns the two pane numbers (or statuses).
    std::vector<int> split(int n, int splitFlags, int position, int firstMenu = 0, int secondMenu = 0,
                           int paneFlags = 0) {
        select(n);
        int result[2] = {0, 0};
        const int flags[2] = {paneFlags, paneFlags};
        const int menus[2] = {firstMenu, secondMenu};
        const int toolbars[2][4] = {};
        int dialogs[2] = {0, 0};
        const int backgrounds[2] = {-1, -1};
        yywindowsplit(result, splitFlags, flags, position, menus, toolbars, dialogs, backgrounds,
                      "first", "second");
        return {result[0], result[1]};
    }
    // A window's rectangle in the client coordinates of its parent.
    static RECT placed(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static SIZE clientSize(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        return {r.right, r.bottom};
    }
};

TEST_F(ChildWindows, TheLowestFreeNumberIsTakenAgain) {
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 2);
    EXPECT_EQ(open(), 3);
    HWND second = wWindow[2];
    EXPECT_EQ(close(2), 2);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(wWindow[2], nullptr);
    EXPECT_EQ(yygetnextfree(), 2);
    EXPECT_EQ(open(), 2);
    EXPECT_EQ(open(), 4);
    for (int bad : {0, -1, 5, 51, 1000}) EXPECT_EQ(close(bad), -1) << bad;
}

TEST_F(ChildWindows, FiftyChildrenAtMost) {
    for (int n = 1; n <= 50; ++n) ASSERT_EQ(open(Plain | WinHidden), n);
    EXPECT_EQ(open(), -1);
    EXPECT_EQ(yygetnextfree(), -1);
}

TEST_F(ChildWindows, InnerChildrenNeedAPlainVisibleParent) {
    const int host = open();
    int* fake = nullptr;
    const struct { const char* what; int parent; int kind; int expected; } cases[] = {
        {"no such window", 7, 0, -5},
        {"number out of range", 60, 0, -5},
        {"combined with a dialog", host, KindDialog, -3},
        {"a grid window", host, KindGrid, -4},
        {"a plain window", host, 0, 2},
    };
    for (const auto& c : cases) {
        if (c.kind != 0) {
            fake = new int[8]{c.kind};
            yysetwindowrecord(wWindow[host], fake);
        }
        EXPECT_EQ(open(Plain | WinInside, c.parent), c.expected) << c.what;
        if (fake != nullptr) {
            yysetwindowrecord(wWindow[host], nullptr);
            delete[] fake;
            fake = nullptr;
        }
    }
    // An inner child of a hidden root.
    select(0);
    int width = KeepValue, height = KeepValue;
    yywindowsizepos(KeepValue, KeepValue, width, height, 3);
    EXPECT_EQ(open(Plain | WinInside, 0), -2);
}

// A dialog that cannot be combined leaves a status in the identifier; the window opens without it.
TEST_F(ChildWindows, DialogsThatCannotBeCombined) {
    const struct { int dialog; int status; } cases[] = {{999, -1}, {301, -2}};
    for (const auto& c : cases) {
        int result = 0, dialog = c.dialog;
        yyopenchild(KeepValue, KeepValue, 200, 100, result, Plain, 0, NoToolbars, dialog, 0, -1, "combined");
        EXPECT_GT(result, 0) << c.dialog;
        EXPECT_EQ(dialog, c.status) << c.dialog;
        EXPECT_EQ(yywindowkind(wWindow[result]), 0);
        EXPECT_EQ(clientSize(hClient[result]).cx, 200);
        select(result);
        int results[2] = {0, 0};
        const int flags[2] = {0, 0}, menus[2] = {0, 0}, backgrounds[2] = {-1, -1};
        const int toolbars[2][4] = {};
        int dialogs[2] = {c.dialog, 0};
        yywindowsplit(results, SplitStacked, flags, 40, menus, toolbars, dialogs, backgrounds, "a", "b");
        EXPECT_GT(results[0], 0);
        EXPECT_EQ(dialogs[0], c.status) << c.dialog;
        close(result);
    }
}

// A combined dialog sizes its window and goes when the window closes; so do the dialogs the
// window owns. The caller's current dialog is cleared only when it went.
TEST_F(ChildWindows, CombinedAndOwnedDialogsCloseWithTheirWindow) {
    int first = 0, dialog = 302;
    yyopenchild(KeepValue, KeepValue, 500, 400, first, Plain, 0, NoToolbars, dialog, 0, -1, "combined");
    ASSERT_GT(first, 0);
    EXPECT_EQ(dialog, 302);
    ASSERT_GT(yydialogfind(302), 0);
    HWND combined = hDialogList[yydialogfind(302)];
    const int* record = yywindowrecord(wWindow[first]);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record[0], KindDialog);
    EXPECT_EQ(handleOf(record[5]), combined);
    RECT outer;
    GetWindowRect(combined, &outer);
    EXPECT_EQ(clientSize(hClient[first]).cx, outer.right - outer.left);
    EXPECT_EQ(clientSize(hClient[first]).cy, outer.bottom - outer.top);
    // Without a growing control the dialog fixes the window's size.
    EXPECT_EQ(GetWindowLongA(wWindow[first], GWL_STYLE) & WS_THICKFRAME, 0);

    int second = 0, again = 302;
    yyopenchild(KeepValue, KeepValue, 200, 100, second, Plain, 0, NoToolbars, again, 0, -1, "again");
    EXPECT_GT(second, 0);
    EXPECT_EQ(again, -5);

    WDialogLoad(301, 501, first);  // owned by the first window
    ASSERT_GT(yydialogfind(501), 0);
    int current = 302;
    int n = first;
    yyclosechild(n, current);
    EXPECT_EQ(current, 0);
    EXPECT_LT(yydialogfind(302), 1);
    EXPECT_LT(yydialogfind(501), 1);
    EXPECT_FALSE(IsWindow(combined));

    // A dialog that stays loaded leaves the caller's identifier alone.
    WDialogLoad(301, 502, second);
    current = 777;
    n = second;
    yyclosechild(n, current);
    EXPECT_EQ(current, 777);
    EXPECT_LT(yydialogfind(502), 1);
}

// While a semi-modeless dialog is up, new windows and panes start disabled.
TEST_F(ChildWindows, WindowsOpenDisabledUnderASemiModelessDialog) {
    WDialogLoad(301, 601);
    WDialogShow(-1, -1, 0, 3);
    ASSERT_GT(nSemi, 0);
    const int n = open();
    EXPECT_FALSE(IsWindowEnabled(wWindow[n]));
    const std::vector<int> panes = split(n, 0, 100);
    EXPECT_FALSE(IsWindowEnabled(wWindow[panes[0]]));
    EXPECT_FALSE(IsWindowEnabled(wWindow[panes[1]]));
    WDialogSelect(601);
    WDialogHide();
    EXPECT_EQ(nSemi, 0);
    const int later = open();
    EXPECT_TRUE(IsWindowEnabled(wWindow[later]));
}

TEST_F(ChildWindows, AnInnerChildLiesInItsParentsClientArea) {
    const int host = open(Plain, 0, 400, 300);
    const int inner = open(Plain | WinInside, host, 200, 80);
    ASSERT_GT(inner, 0);
    EXPECT_EQ(GetParent(wWindow[inner]), hClient[host]);
    EXPECT_EQ(clientSize(hClient[inner]).cx, 200);
    EXPECT_EQ(clientSize(hClient[inner]).cy, 80);
    int container = 0;
    select(inner);
    yywindowcheckinside(container);
    EXPECT_EQ(container, host);
    select(host);
    yywindowcheckinside(container);
    EXPECT_EQ(container, -1);
}

// Closing a window closes what lies inside it and what it owns, and hands its previous window
// on to the windows that named it.
TEST_F(ChildWindows, ClosingCascadesToInnerAndOwnedWindows) {
    const int a = open(Plain, 0, 400, 300);
    const int b = open(Plain | WinInside, a, 200, 150);
    const int c = open(Plain | WinOwned, a);
    const int d = open(Plain | WinInside, b, 80, 60);
    hWinCur = wWindow[a];
    const int e = open();
    ASSERT_EQ(e, 5);
    EXPECT_EQ(hPrevious[e], wWindow[a]);
    HWND handles[] = {wWindow[a], wWindow[b], wWindow[c], wWindow[d], hClient[d]};
    const HWND previousOfA = hPrevious[a];

    select(b);
    EXPECT_EQ(close(a), a);
    for (HWND h : handles) EXPECT_FALSE(IsWindow(h));
    for (int n : {a, b, c, d}) {
        EXPECT_EQ(wWindow[n], nullptr) << n;
        EXPECT_EQ(hClient[n], nullptr) << n;
    }
    EXPECT_NE(wWindow[e], nullptr);
    EXPECT_EQ(hPrevious[e], previousOfA);
    // The closed current window no longer draws: the root is current again.
    EXPECT_EQ(gravim.windows.wIndex, 0);
    EXPECT_NE(wDC, nullptr);
    EXPECT_EQ(yygetnextfree(), 1);
}

TEST_F(ChildWindows, SplitLayouts) {
    const int bar = GetSystemMetrics(SM_CXFRAME);
    const struct { const char* what; int flags; int position; int measured; } cases[] = {
        {"stacked, first pane 100 high", SplitStacked, 100, 0},
        {"stacked, second pane 100 high", SplitStacked | SplitKeepSecond, 100, 1},
        {"side by side, first pane 120 wide", 0, 120, 0},
        {"side by side, second pane 90 wide", SplitKeepSecond, 90, 1},
        {"stacked halves", SplitStacked, -1, -1},
        {"side-by-side halves", 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int host = open(Plain, 0, 400, 300);
        const std::vector<int> panes = split(host, c.flags, c.position);
        ASSERT_EQ(panes, (std::vector<int>{host + 1, host + 2}));
        const bool stacked = (c.flags & SplitStacked) != 0;
        const SIZE area = clientSize(hClient[host]);
        const RECT first = placed(wWindow[panes[0]]), second = placed(wWindow[panes[1]]);
        const int* record = yywindowrecord(wWindow[host]);
        ASSERT_NE(record, nullptr);
        ASSERT_EQ(record[0], KindSplit);
        const RECT barRect = placed(handleOf(record[SplitBar]));
        // Across the split both panes and the bar span the client area.
        for (const RECT& r : {first, second, barRect}) {
            EXPECT_EQ(stacked ? r.left : r.top, 0);
            EXPECT_EQ(stacked ? r.right : r.bottom, stacked ? area.cx : area.cy);
        }
        // Along it: first pane, bar, second pane, edge to edge.
        EXPECT_EQ(stacked ? first.top : first.left, 0);
        EXPECT_EQ(stacked ? barRect.top : barRect.left, stacked ? first.bottom : first.right);
        EXPECT_EQ(stacked ? second.top : second.left, stacked ? barRect.bottom : barRect.right);
        EXPECT_EQ(stacked ? second.bottom : second.right, stacked ? area.cy : area.cx);
        EXPECT_NEAR(stacked ? barRect.bottom - barRect.top : barRect.right - barRect.left, bar, 1);
        if (c.measured >= 0) {
            const SIZE pane = clientSize(hClient[panes[c.measured]]);
            EXPECT_EQ(stacked ? pane.cy : pane.cx, c.position);
        } else {
            const int one = stacked ? first.bottom - first.top : first.right - first.left;
            const int two = stacked ? second.bottom - second.top : second.right - second.left;
            EXPECT_NEAR(one, two, 1);
            EXPECT_TRUE(IsWindowVisible(wWindow[panes[0]]));
            EXPECT_TRUE(IsWindowVisible(wWindow[panes[1]]));
        }
        close(host);
        EXPECT_EQ(wWindow[panes[0]], nullptr);
        EXPECT_EQ(wWindow[panes[1]], nullptr);
    }
}

// A pane's dialog gives the measured extent; a fixed-size dialog fixes its pane.
TEST_F(ChildWindows, APanesDialogMeasuresTheSplit) {
    const int host = open(Plain, 0, 500, 400);
    select(host);
    int results[2] = {0, 0};
    const int flags[2] = {0, 0}, menus[2] = {0, 0}, backgrounds[2] = {-1, -1};
    const int toolbars[2][4] = {};
    int dialogs[2] = {0, 302};
    yywindowsplit(results, SplitStacked | SplitProportional, flags, 50, menus, toolbars, dialogs, backgrounds,
                  "plot", "controls");
    ASSERT_GT(results[1], 0);
    EXPECT_EQ(dialogs[1], 302);
    RECT outer;
    GetWindowRect(hDialogList[yydialogfind(302)], &outer);
    EXPECT_EQ(clientSize(hClient[results[1]]).cy, outer.bottom - outer.top);
    const int* record = yywindowrecord(wWindow[host]);
    EXPECT_EQ(record[SplitFirstStyle + 1] & WinFixedSize, WinFixedSize);
    EXPECT_EQ(record[SplitFlags], SplitStacked);  // no longer proportional
    EXPECT_EQ(yywindowkind(wWindow[results[1]]), KindDialog);
    int current = 302, pane = results[0];
    yyclosechild(pane, current);
    EXPECT_EQ(current, 0);
    EXPECT_LT(yydialogfind(302), 1);
}

TEST_F(ChildWindows, SplitRefusals) {
    const int host = open(Plain, 0, 400, 300);
    int* fake = new int[8]{KindDialog};
    yysetwindowrecord(wWindow[host], fake);
    EXPECT_EQ(split(host, 0, 100), (std::vector<int>{-3, -3}));
    fake[0] = KindEditor;
    EXPECT_EQ(split(host, 0, 100), (std::vector<int>{-4, -4}));
    yysetwindowrecord(wWindow[host], nullptr);
    delete[] fake;
    open(Plain | WinInside, host, 50, 50);
    EXPECT_EQ(split(host, 0, 100), (std::vector<int>{-6, -6}));
    EXPECT_EQ(yywindowkind(wWindow[host]), 0);
}

TEST_F(ChildWindows, ClosingAPaneClosesTheSplitAndGivesTheMenuBack) {
    const int host = open(Plain, 0, 400, 300, 201);
    ASSERT_GT(host, 0);
    HMENU own = hMenuRoot[host];
    ASSERT_NE(own, nullptr);
    const std::vector<int> panes = split(host, SplitStacked, 100, 202, 203);
    EXPECT_EQ(GetMenu(wWindow[host]), hMenuRoot[panes[0]]);
    HWND bar = handleOf(yywindowrecord(wWindow[host])[SplitBar]);
    EXPECT_EQ(close(panes[1]), panes[1]);
    EXPECT_EQ(wWindow[panes[0]], nullptr);
    EXPECT_EQ(wWindow[panes[1]], nullptr);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(yywindowkind(wWindow[host]), 0);
    EXPECT_EQ(GetMenu(wWindow[host]), own);
    // The window can be split again.
    EXPECT_EQ(split(host, 0, 50), (std::vector<int>{panes[0], panes[1]}));
}

// Drags the bar of a split window with real mouse input by dx, dy pixels.
void dragBar(HWND bar, int dx, int dy) {
    RECT start;
    GetWindowRect(bar, &start);
    const POINT grip = {(start.left + start.right) / 2, (start.top + start.bottom) / 2};
    std::atomic<bool> done = false;  // written by the input thread, read by the pump
    std::thread user([&] {
        auto mouse = [](DWORD flags, int x, int y) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
            input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
            input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
            SendInput(1, &input, sizeof input);
            Sleep(30);
        };
        Sleep(100);
        mouse(0, grip.x, grip.y);
        mouse(MOUSEEVENTF_LEFTDOWN, grip.x, grip.y);
        for (int step = 1; step <= 8; ++step) mouse(0, grip.x + dx * step / 8, grip.y + dy * step / 8);
        mouse(MOUSEEVENTF_LEFTUP, grip.x + dx, grip.y + dy);
        Sleep(100);
        done = true;
    });
    pumpUntil([&] { return done.load(); }, 5000);
    user.join();
    pumpUntil([] { return false; }, 100);
}

// Real mouse input drags the bar, whether windows are dragged whole or as an outline: the bar
// moves only across the split, the panes follow it and take their new extents as proportions.
TEST_F(ChildWindows, DraggingTheBar) {
    BOOL wholeWindows = FALSE;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &wholeWindows, 0);
    for (BOOL whole : {FALSE, TRUE}) {
        SCOPED_TRACE(whole ? "whole windows" : "outline");
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, whole, nullptr, 0);
        const int host = open(Plain, 0, 400, 300);
        const std::vector<int> panes = split(host, SplitStacked, 100);
        const int* record = yywindowrecord(wWindow[host]);
        HWND bar = handleOf(record[SplitBar]);
        const RECT before = placed(bar);
        const int first = clientSize(hClient[panes[0]]).cy, second = clientSize(hClient[panes[1]]).cy;
        dragBar(bar, 30, 40);
        const RECT after = placed(bar);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top + 40);
        EXPECT_EQ(clientSize(hClient[panes[0]]).cy, first + 40);
        EXPECT_EQ(clientSize(hClient[panes[1]]).cy, second - 40);
        EXPECT_EQ(record[SplitFirstProportion], first + 40);
        EXPECT_EQ(record[SplitFirstProportion + 1], second - 40);
        EXPECT_EQ(record[SplitAnchor], SplitNoAnchor);
        close(host);
    }
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, wholeWindows, nullptr, 0);
}

TEST_F(ChildWindows, SplittingNeedsTwoFreeNumbers) {
    for (int n = 1; n <= 49; ++n) ASSERT_EQ(open(Plain | WinHidden), n);
    EXPECT_EQ(split(1, 0, 50), (std::vector<int>{-1, -1}));
    EXPECT_EQ(yywindowkind(wWindow[1]), 0);
    EXPECT_EQ(wWindow[50], nullptr);
}

// A pane is sized through the bar: the other pane gives up the space.
TEST_F(ChildWindows, SizingAPaneMovesTheBar) {
    const int host = open(Plain, 0, 400, 300);
    const std::vector<int> panes = split(host, SplitStacked, 100);
    const SIZE before = clientSize(hClient[panes[1]]);
    select(panes[0]);
    int width = KeepValue, height = 150;
    yywindowsizepos(KeepValue, KeepValue, width, height, -1);
    EXPECT_EQ(height, 150);
    EXPECT_EQ(clientSize(hClient[panes[0]]).cy, 150);
    EXPECT_EQ(clientSize(hClient[panes[1]]).cy, before.cy - 50);
    EXPECT_EQ(yywindowrecord(wWindow[host])[SplitAnchor], SplitNoAnchor);
}

// The split window's client procedure lays the panes out again when the split window is resized.
TEST_F(ChildWindows, ResizingASplitWindow) {
    auto frameHeight = [](HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return static_cast<int>(r.bottom - r.top);
    };
    const int host = open(Plain, 0, 400, 300);
    std::vector<int> panes = split(host, SplitStacked | SplitKeepSecond, 80);
    select(host);
    int width = KeepValue, height = 400;
    yywindowsizepos(KeepValue, KeepValue, width, height, -1);
    EXPECT_EQ(clientSize(hClient[panes[1]]).cy, 80);
    EXPECT_EQ(placed(wWindow[panes[1]]).bottom, height);  // anchored at the far edge
    EXPECT_EQ(placed(wWindow[panes[0]]).top, 0);
    close(host);

    // Proportions 1 and 3 give the first pane a quarter of the space, rounded down.
    const int again = open(Plain, 0, 400, 300);
    panes = split(again, SplitStacked | SplitProportional, 100);
    int* record = yywindowrecord(wWindow[again]);
    record[SplitFirstProportion] = 1;
    record[SplitFirstProportion + 1] = 3;
    select(again);
    width = KeepValue;
    height = 401;
    yywindowsizepos(KeepValue, KeepValue, width, height, -1);
    const int borders = frameHeight(wWindow[panes[0]]) - clientSize(hClient[panes[0]]).cy +
                        frameHeight(wWindow[panes[1]]) - clientSize(hClient[panes[1]]).cy;
    RECT barRect;
    GetWindowRect(handleOf(record[SplitBar]), &barRect);
    const int space = height - borders - (barRect.bottom - barRect.top);
    EXPECT_EQ(clientSize(hClient[panes[0]]).cy, space / 4);
    EXPECT_EQ(clientSize(hClient[panes[1]]).cy, space - space / 4);
}

TEST_F(ChildWindows, RevertingSpecialWindows) {
    const int host = open(Plain, 0, 400, 300);
    const std::vector<int> panes = split(host, 0, 100);
    select(host);
    int dialog = 0, result = -1;
    yywindowrevert(dialog, 0, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(wWindow[panes[0]], nullptr);
    EXPECT_EQ(yywindowkind(wWindow[host]), 0);
    yywindowrevert(dialog, 0, result);
    EXPECT_EQ(result, 2);

    // A combined dialog goes, and the frame gets its sizing border and maximise box back.
    int combined = 0;
    dialog = 302;
    yyopenchild(KeepValue, KeepValue, 200, 100, combined, Plain, 0, NoToolbars, dialog, 0, -1, "combined");
    ASSERT_EQ(dialog, 302);
    select(combined);
    const LONG fixed = GetWindowLongA(wWindow[combined], GWL_STYLE);
    EXPECT_EQ(fixed & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    yywindowrevert(dialog, Plain, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialog, 0);
    EXPECT_LT(yydialogfind(302), 1);
    EXPECT_EQ(yywindowkind(wWindow[combined]), 0);
    const LONG restored = GetWindowLongA(wWindow[combined], GWL_STYLE);
    EXPECT_EQ(restored & (WS_THICKFRAME | WS_MAXIMIZEBOX), WS_THICKFRAME | WS_MAXIMIZEBOX);
}

// Parts after the stretching one keep their widths at the right edge across resizes.
TEST_F(ChildWindows, StatusBarPartsFollowAResize) {
    const int n = open(Plain | WinStatusBar, 0, 400, 200);
    select(n);
    yysetstatuspart(1, 100, 1);
    yysetstatuspart(2, -1, 0);
    yysetstatuspart(3, 80, 2);
    yysetstatusbar(3);
    WindowOutStatusBar(2, "middle   ");
    for (int width : {400, 520, 300}) {
        int w = width, h = 200;
        yywindowsizepos(KeepValue, KeepValue, w, h, -1);
        yysetstatusbar(3);
        RECT frame;
        GetClientRect(wWindow[n], &frame);
        int edges[3] = {};
        ASSERT_EQ(SendMessageA(wMessLine[n], SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
        EXPECT_EQ(edges[0], 100) << width;
        EXPECT_EQ(edges[1], frame.right - 80) << width;
        EXPECT_EQ(edges[2], frame.right) << width;
        char text[64] = "";
        const LRESULT info = SendMessageA(wMessLine[n], SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, "middle");
        EXPECT_EQ(HIWORD(info) & (SBT_NOBORDERS | SBT_POPOUT), SBT_NOBORDERS);
    }
    // Parts outside 1..255 leave the bar alone.
    WindowOutStatusBar(0, "zero");
    WindowOutStatusBar(256, "too far");
    char text[64] = "";
    SendMessageA(wMessLine[n], SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "");
}

// The sizes and states of yywindowsizepos, in turn on one window: the client size it reports,
// the show state and the frame's corner that follow.
TEST_F(ChildWindows, PlacementStatesAndSizes) {
    const int n = open(Plain, 0, 240, 160);
    select(n);
    const struct { int x, y, width, height, state; int shown; SIZE client; POINT corner; } steps[] = {
        {30, 40, 300, 200, 1, 1, {300, 200}, {30, 40}},
        {KeepValue, KeepValue, KeepValue, KeepValue, 3, 3, {300, 200}, {30, 40}},  // hidden in place
        {KeepValue, KeepValue, KeepValue, KeepValue, 2, 2, {0, 0}, {0, 0}},
        {50, 60, 310, 210, 1, 1, {310, 210}, {50, 60}},  // restored to the new rectangle
        {KeepValue, KeepValue, KeepValue, KeepValue, 0, 0, {0, 0}, {0, 0}},
        {KeepValue, KeepValue, KeepValue, KeepValue, 1, 1, {310, 210}, {50, 60}},
    };
    for (const auto& step : steps) {
        int width = step.width, height = step.height;
        yywindowsizepos(step.x, step.y, width, height, step.state);
        HWND frame = wWindow[n];
        const int shown = IsIconic(frame) ? 0 : IsZoomed(frame) ? 2 : IsWindowVisible(frame) ? 1 : 3;
        EXPECT_EQ(shown, step.shown) << "state " << step.state;
        if (step.shown == 0 || step.shown == 2) continue;
        EXPECT_EQ(width, step.client.cx);
        EXPECT_EQ(height, step.client.cy);
        EXPECT_EQ(clientSize(hClient[n]).cx, step.client.cx);
        RECT r;
        GetWindowRect(frame, &r);
        EXPECT_EQ(r.left, step.corner.x);
        EXPECT_EQ(r.top, step.corner.y);
    }
    EXPECT_EQ(wHideRoot, 0);

    // An inner maximised child keeps its new normal rectangle for its restore.
    const int inner = open(Plain | WinInside, n, 200, 80);
    select(inner);
    int width = KeepValue, height = KeepValue;
    yywindowsizepos(KeepValue, KeepValue, width, height, 2);
    width = 210;
    height = 90;
    yywindowsizepos(5, 6, width, height, 2);
    EXPECT_EQ(wChildRect[inner].left, 5);
    EXPECT_EQ(wChildRect[inner].top, 6);

    // Hiding the root sets its hidden switch.
    select(0);
    width = height = KeepValue;
    yywindowsizepos(KeepValue, KeepValue, width, height, 3);
    EXPECT_EQ(wHideRoot, 1);
    EXPECT_FALSE(IsWindowVisible(wWindow[0]));
}

// True when window a lies above window b among their siblings.
bool above(HWND a, HWND b) {
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
        if (w == b) return true;
    return false;
}

TEST_F(ChildWindows, RaisingBringsTheWindowAndItsContainersToTheFront) {
    const int a = open(Plain, 0, 300, 200);
    const int inner1 = open(Plain | WinInside, a, 150, 60);
    const int inner2 = open(Plain | WinInside, a, 150, 60);
    const int b = open(Plain, 0, 300, 200);
    ASSERT_TRUE(above(wWindow[b], wWindow[a]));
    ASSERT_TRUE(above(wWindow[inner2], wWindow[inner1]));
    select(inner1);
    yywindowraise();
    EXPECT_TRUE(above(wWindow[a], wWindow[b]));
    EXPECT_TRUE(above(wWindow[inner1], wWindow[inner2]));
    EXPECT_EQ(GetFocus(), hClient[inner1]);
}

TEST_F(ChildWindows, TitleAndIcon) {
    const int n = open();
    select(n);
    int icon = -1;
    yywindowtitle(icon, 1, "Monthly plots");
    char title[64] = "";
    GetWindowTextA(wWindow[n], title, sizeof title);
    EXPECT_STREQ(title, "Monthly plots");
    EXPECT_EQ(icon, -1);
    icon = 4711;  // no such icon resource
    yywindowtitle(icon, 0, "ignored");
    EXPECT_EQ(icon, -2);
    GetWindowTextA(wWindow[n], title, sizeof title);
    EXPECT_STREQ(title, "Monthly plots");
}

TEST_F(ChildWindows, SelectingAWindowThatIsNotThereReports1003) {
    open();
    WInfoError(1);
    for (int bad : {-1, 2, 51}) {
        WindowSelect(bad);
        EXPECT_EQ(WInfoError(1), 1003) << bad;
        EXPECT_EQ(gravim.windows.wIndex, 0);
    }
    WindowSelect(1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(gravim.windows.wIndex, 1);
}

// Exposes and resizes that arrive outside a wait are parked per window and come back in window
// order; a closed window's parked event is dropped with it.
TEST_F(ChildWindows, ParkedEventsComeBackInWindowOrder) {
    const int a = open(), b = open(), c = open();
    for (int n : {c, a, b}) {
        RECT r;
        GetWindowRect(wWindow[n], &r);
        SetWindowPos(wWindow[n], nullptr, 0, 0, r.right - r.left + 10 * n, r.bottom - r.top + 5,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const SIZE sizeA = clientSize(hClient[a]), sizeC = clientSize(hClient[c]);
    close(b);
    EXPECT_EQ(open(), b);
    WMessageTimer(300);
    std::vector<int> resized;
    for (int type = 0; type != EvTimer;) {
        WMessageRecord record;
        WMessage(type, record);
        if (type != EvResize) continue;
        resized.push_back(record.Win);
        const SIZE expected = record.Win == a ? sizeA : sizeC;
        EXPECT_EQ(record.Value1, expected.cx) << record.Win;
        EXPECT_EQ(record.Value2, expected.cy) << record.Win;
    }
    EXPECT_EQ(resized, (std::vector<int>{a, c}));
}

// Counts the pixels of colour in the square 0..size-1 of the current client area and gives their
// bounding box.
int countPixels(COLORREF colour, int size, RECT& box) {
    int count = 0;
    box = {size, size, -1, -1};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (GetPixel(wDC, x, y) == colour) {
                ++count;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    return count;
}

TEST_F(ChildWindows, ClearingFillsExactlyTheGivenPixels) {
    const int n = open(Plain, 0, 200, 200, 0, static_cast<int>(Blue));
    select(n);
    yycleararea(0, 0, 39, 39, static_cast<int>(RGB(255, 255, 255)));
    yycleararea(10, 10, 19, 19, static_cast<int>(Red));
    RECT box;
    EXPECT_EQ(countPixels(Red, 40, box), 100);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(box.right, 19);
    EXPECT_EQ(box.bottom, 19);
    // A negative colour other than -1 is the window's own background.
    yycleararea(12, 12, 13, 13, -2);
    EXPECT_EQ(countPixels(Blue, 40, box), 4);
    EXPECT_EQ(countPixels(Red, 40, box), 96);
}

TEST_F(ChildWindows, ScrollingMovesTheContentsAndFillsTheBand) {
    const int n = open(Plain, 0, 200, 100);
    select(n);
    yycleararea(0, 0, 199, 99, static_cast<int>(RGB(255, 255, 255)));
    yycleararea(5, 5, 6, 6, static_cast<int>(Red));
    ValidateRect(hClient[n], nullptr);
    yyscrollarea(10, 20, static_cast<int>(Green));
    EXPECT_EQ(GetPixel(wDC, 15, 25), Red);
    EXPECT_EQ(GetPixel(wDC, 5, 5), Green);
    EXPECT_EQ(GetPixel(wDC, 150, 10), Green);   // the band the rows left
    EXPECT_EQ(GetPixel(wDC, 5, 80), Green);     // the band the columns left
    EXPECT_EQ(GetPixel(wDC, 150, 80), RGB(255, 255, 255));
    // The fill is final: nothing is left to repaint.
    EXPECT_FALSE(GetUpdateRect(hClient[n], nullptr, FALSE));
}

}  // namespace
