// bitmap_viewer_test_win.cpp - the bitmap viewer under Wine with real input: fitting, scroll
// bars, navigation keys, wheel, panning, clicks, modes and the events it raises.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "event_wait_win.hpp"
#include "graphics/graphics.hpp"
#include "graphics/screen_win.hpp"
#include "gui_driver_win.hpp"
#include "images/bitmap_viewer_win.hpp"
#include "images/bitmaps.hpp"
#include "images/images.hpp"

namespace {

constexpr int Plain = WinSystemMenu | WinMinimiseBox | WinMaximiseBox;
constexpr int NoToolbars[4] = {0, 0, 0, 0};

INPUT keyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (key >= VK_PRIOR && key <= VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void press(WORD key, bool ctrl = false) {
    std::vector<INPUT> inputs;
    if (ctrl) inputs.push_back(keyInput(VK_CONTROL, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    if (ctrl) inputs.push_back(keyInput(VK_CONTROL, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT mouseInput(DWORD flags, int data = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = static_cast<DWORD>(data);
    return input;
}

// Puts the mouse on client pixel (x, y) of window and sends the given button or wheel inputs.
void mouse(HWND window, int x, int y, std::vector<INPUT> inputs) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class BitmapViewer : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(Plain, 0, 0, 1000, 800);
        WInfoError(1);
        WMessageEnable(EvViewerResize, 1);
    }
    void TearDown() override {
        WindowSelect(0);
        WindowClose();
        yyresetgravim();
    }

    // A child window with the given client size, made current; its number.
    static int child(int width, int height, int flags = Plain, int parent = 0) {
        int result = 0, dialog = 0;
        yyopenchild(20, 20, width, height, result, flags, 0, NoToolbars, dialog, parent, -1, "viewer");
        if (result > 0) WindowSelect(result);
        return result;
    }
    static int bitmap(int width, int height, int colour = 0x00FF00) {
        int id = 0;
        WBitmapCreate(id, width, height, colour);
        return id;
    }
    // Shows bitmap id in the current window; the status.
    static int view(int id, int x, int y, int mode, int options = 0) {
        int status = 0;
        yybitmapview(id - 1, x, y, mode, options, status);
        return status;
    }
    static HWND viewerWindow(int n) {
        const int* record = yybitmapviewerrecord(n);
        return record != nullptr ? handleOf(record[ViewerWindow]) : nullptr;
    }
    static SIZE clientOf(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        return {r.right, r.bottom};
    }
    static bool bars(HWND viewer, LONG which) { return (GetWindowLongA(viewer, GWL_STYLE) & which) != 0; }
    static void focus(int n) {
        SetForegroundWindow(wWindow[n]);
        SetFocus(viewerWindow(n));
        pumpUntil([] { return false; }, 50);
    }
    static bool waitFor(const std::function<bool()>& done) { return pumpUntil(done, 3000); }
};

TEST_F(BitmapViewer, ASmallBitmapShrinksTheFrameToIt) {
    const int n = child(600, 500);
    const int id = bitmap(300, 200);
    EXPECT_EQ(view(id, 0, 0, 2), 0);
    HWND viewer = viewerWindow(n);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(clientOf(viewer).cx, 300);
    EXPECT_EQ(clientOf(viewer).cy, 200);
    EXPECT_FALSE(bars(viewer, WS_HSCROLL));
    EXPECT_FALSE(bars(viewer, WS_VSCROLL));
    EXPECT_FALSE(IsWindowVisible(hClient[n]));
    EXPECT_EQ(yybitmapinfo(n, 3), id);
    EXPECT_EQ(yybitmapinfo(n, 101), 300);
    EXPECT_EQ(yybitmapinfo(n, 102), 200);
    EXPECT_EQ(yybitmapinfo(n, 4), 0);
    EXPECT_EQ(yybitmapinfo(n, 103), 200);
    EXPECT_EQ(yybitmapinfo(n, 7), 0);
    EXPECT_EQ(yybitmapinfo(0, 3), 0);
    // The viewer shows the bitmap's pixels.
    HDC dc = GetDC(viewer);
    EXPECT_EQ(GetPixel(dc, 150, 100), RGB(0, 255, 0));
    ReleaseDC(viewer, dc);
}

TEST_F(BitmapViewer, ALargeBitmapKeepsTheFrameAndKeysReachTheEdges) {
    const int n = child(400, 300);
    RECT before;
    GetWindowRect(wWindow[n], &before);
    const int id = bitmap(2000, 1500);
    EXPECT_EQ(view(id, 0, 0, 2, ViewerKeysScroll), 0);
    HWND viewer = viewerWindow(n);
    RECT after;
    GetWindowRect(wWindow[n], &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_TRUE(bars(viewer, WS_HSCROLL));
    EXPECT_TRUE(bars(viewer, WS_VSCROLL));
    const SIZE client = clientOf(viewer);
    focus(n);
    press(VK_END, true);
    EXPECT_TRUE(waitFor([&] { return yybitmapinfo(n, 4) == 2000 - client.cx; })) << yybitmapinfo(n, 4);
    press(VK_NEXT, true);
    EXPECT_TRUE(waitFor([&] { return yybitmapinfo(n, 5) == 1500 - client.cy; })) << yybitmapinfo(n, 5);
    press(VK_HOME, true);
    press(VK_PRIOR, true);
    EXPECT_TRUE(waitFor([&] { return yybitmapinfo(n, 4) == 0 && yybitmapinfo(n, 5) == 0; }));
    press(VK_RIGHT);
    press(VK_DOWN);
    EXPECT_TRUE(waitFor([&] { return yybitmapinfo(n, 4) == 1 && yybitmapinfo(n, 5) == 1; }));
    // The bottom edge counts the horizontal bar.
    EXPECT_EQ(yybitmapinfo(n, 103), 1 + client.cy + GetSystemMetrics(SM_CYHSCROLL));
}

TEST_F(BitmapViewer, PageDownIsAKeyEventUnlessKeysScroll) {
    const int id = bitmap(600, 2000);
    const int plain = child(300, 300);
    ASSERT_EQ(view(id, 0, 0, 2), 0);
    focus(plain);
    press(VK_NEXT);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvKey, EvViewerResize}), EvKey);
    EXPECT_EQ(record.Win, plain);
    EXPECT_EQ(record.Value3, 2);
    EXPECT_EQ(yybitmapinfo(plain, 5), 0);

    const int paging = child(300, 300);
    ASSERT_EQ(view(id, 0, 0, 2, ViewerKeysScroll), 0);
    focus(paging);
    const int page = clientOf(viewerWindow(paging)).cy;
    press(VK_NEXT);
    ASSERT_EQ(nextEvent(record, {EvKey, EvViewerResize}), EvViewerResize);
    EXPECT_EQ(record.Win, paging);
    EXPECT_EQ(record.Value1, 0);
    EXPECT_EQ(record.Value2, page);
    EXPECT_EQ(record.Value3, 2);
    EXPECT_EQ(record.Value4, -1);
    EXPECT_EQ(yybitmapinfo(paging, 5), page);
}

TEST_F(BitmapViewer, OneWheelNotchScrollsHalfAHundredPixelView) {
    const int n = child(300, 300);
    const int id = bitmap(100, 1000);
    ASSERT_EQ(view(id, 0, 200, 2), 0);
    HWND viewer = viewerWindow(n);
    // Make the view 100 pixels high.
    RECT frame;
    GetWindowRect(wWindow[n], &frame);
    const int shrink = clientOf(viewer).cy - 100;
    SetWindowPos(wWindow[n], nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - shrink,
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(clientOf(viewer).cy, 100);
    ASSERT_EQ(yybitmapinfo(n, 5), 200);
    focus(n);
    mouse(viewer, 50, 50, {mouseInput(MOUSEEVENTF_WHEEL, WHEEL_DELTA)});
    EXPECT_TRUE(waitFor([&] { return yybitmapinfo(n, 5) != 200; }));
    EXPECT_EQ(yybitmapinfo(n, 5), 150);
}

TEST_F(BitmapViewer, ALeftDragPans) {
    const int n = child(300, 300);
    const int id = bitmap(1000, 1000);
    ASSERT_EQ(view(id, 100, 100, 2, ViewerLeftPans), 0);
    HWND viewer = viewerWindow(n);
    focus(n);
    mouse(viewer, 150, 150, {mouseInput(MOUSEEVENTF_LEFTDOWN)});
    pumpUntil([] { return false; }, 50);
    POINT p = {120, 130};
    ClientToScreen(viewer, &p);
    SetCursorPos(p.x, p.y);
    std::vector<INPUT> move = {mouseInput(MOUSEEVENTF_MOVE)};
    SendInput(1, move.data(), sizeof(INPUT));
    EXPECT_TRUE(waitFor([&] { return yybitmapinfo(n, 4) == 130 && yybitmapinfo(n, 5) == 120; }))
        << yybitmapinfo(n, 4) << "," << yybitmapinfo(n, 5);
    mouse(viewer, 120, 130, {mouseInput(MOUSEEVENTF_LEFTUP)});
    pumpUntil([] { return false; }, 50);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(BitmapViewer, ClicksArriveInBitmapPixelsAndDoubleClicksByTheirSwitch) {
    const int n = child(300, 300);
    const int id = bitmap(1000, 1000);
    ASSERT_EQ(view(id, 40, 30, 2), 0);
    HWND viewer = viewerWindow(n);
    focus(n);
    const std::vector<INPUT> click = {mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)};
    mouse(viewer, 10, 5, click);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(record.Win, n);
    EXPECT_EQ(record.Value1, 1);
    EXPECT_EQ(record.Value3, 2);
    EXPECT_EQ(record.Value4, -1);
    EXPECT_EQ(record.PixelX, 50);
    EXPECT_EQ(record.PixelY, 35);
    pumpUntil([] { return false; }, GetDoubleClickTime() + 50);

    // Two quick clicks: the second is a double click only while that event is switched on.
    std::vector<INPUT> twice = click;
    twice.insert(twice.end(), click.begin(), click.end());
    WMessageEnable(EvDoubleClick, 1);
    mouse(viewer, 20, 20, twice);
    EXPECT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(nextEvent(record, {EvMouseDown, EvDoubleClick}), EvDoubleClick);
    EXPECT_EQ(record.Value3, 2);
    pumpUntil([] { return false; }, GetDoubleClickTime() + 50);
    WMessageEnable(EvDoubleClick, 0);
    mouse(viewer, 20, 20, twice);
    EXPECT_EQ(nextEvent(record, {EvMouseDown, EvDoubleClick}), EvMouseDown);
    EXPECT_EQ(nextEvent(record, {EvMouseDown, EvDoubleClick}), EvMouseDown);
}

TEST_F(BitmapViewer, ShowingAgainKeepsPositionsAskedToStay) {
    const int n = child(300, 300);
    const int first = bitmap(1000, 1000), second = bitmap(800, 900, 0x0000FF);
    ASSERT_EQ(view(first, 50, 60, 2), 0);
    EXPECT_EQ(view(second, -1, 10, 2), 0);
    EXPECT_EQ(yybitmapinfo(n, 3), second);
    EXPECT_EQ(yybitmapinfo(n, 4), 50);
    EXPECT_EQ(yybitmapinfo(n, 5), 10);
    EXPECT_EQ(yybitmapinfo(n, 101), 800);
    // The first bitmap is free again; the second is held.
    WBitmapDestroy(first);
    EXPECT_EQ(WInfoError(1), 0);
    WBitmapDestroy(second);
    EXPECT_EQ(WInfoError(1), 1036);
    // A replaced handle is no longer the slot's bitmap.
    int viewer = 0, status = 0;
    yybitmapresize(second - 1, 400, 400, viewer, status);
    EXPECT_EQ(viewer, n);
    EXPECT_EQ(yybitmapinfo(n, 3), 0);
    EXPECT_EQ(view(second, -1, -1, 2), 0);
    EXPECT_EQ(yybitmapinfo(n, 3), second);
    // Through the public routine the viewer follows the new picture.
    WBitmapResize(second, 500, 450);
    EXPECT_EQ(yybitmapinfo(n, 3), second);
    EXPECT_EQ(yybitmapinfo(n, 101), 500);
}

TEST_F(BitmapViewer, RefusedShows) {
    const int id = bitmap(50, 50);
    EXPECT_EQ(view(id, 0, 0, 2), 1);  // the root window is current
    const int n = child(300, 300);
    EXPECT_EQ(view(id + 5, 0, 0, 2), 2);
    IGrSelect(2, id);
    EXPECT_EQ(view(id, 0, 0, 2), 3);
    IGrSelect(1);
    const int inner = child(100, 100, Plain | WinInside, n);
    ASSERT_GT(inner, 0);
    WindowSelect(n);
    EXPECT_EQ(view(id, 0, 0, 2), 9);
    EXPECT_EQ(yybitmapviewerrecord(n), nullptr);
}

TEST_F(BitmapViewer, ModalInsideAnotherWindowBecomesModeless) {
    const int outer = child(500, 400);
    const int inner = child(300, 200, Plain | WinInside, outer);
    ASSERT_GT(inner, 0);
    const int id = bitmap(100, 100);
    int mode = 1, status = 0;
    yybitmapview(id - 1, 0, 0, mode, 0, status);
    EXPECT_EQ(status, 5);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(yybitmapinfo(inner, 3), id);
    EXPECT_TRUE(IsWindowEnabled(wWindow[0]));
}

// Seen from inside the modal loop: the root window's state and the refused destroy.
struct ModalProbe {
    int window = 0;
    int bitmap = 0;
    BOOL rootEnabled = TRUE;
    int destroyError = 0;
    bool closed = false;
} probe;

void CALLBACK closeModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    probe.rootEnabled = IsWindowEnabled(wWindow[0]);
    WInfoError(1);
    WBitmapDestroy(probe.bitmap);
    probe.destroyError = WInfoError(1);
    probe.closed = true;
    PostMessageA(wWindow[probe.window], WM_CLOSE, 0, 0);
}

TEST_F(BitmapViewer, ACloseRequestEndsTheModalViewer) {
    const int n = child(300, 300);
    const int id = bitmap(100, 100);
    probe = ModalProbe{n, id};
    SetTimer(nullptr, 0, 200, closeModal);
    EXPECT_EQ(view(id, 0, 0, 1), 0);
    EXPECT_TRUE(probe.closed);
    EXPECT_FALSE(probe.rootEnabled);
    EXPECT_EQ(probe.destroyError, 1036);
    EXPECT_EQ(wWindow[n], nullptr);
    EXPECT_TRUE(IsWindowEnabled(wWindow[0]));
    WBitmapDestroy(id);
    EXPECT_EQ(WInfoError(1), 0);
}

// The modal viewer's window goes without the window manager's close, as a modal editor's does:
// the root window is the current window again and the screen draws on it, not on the gone one.
TEST_F(BitmapViewer, AClosedModalViewerLeavesTheRootCurrent) {
    const int n = child(300, 300);
    const int id = bitmap(100, 100);
    ASSERT_EQ(gravim.windows.wIndex, n);
    probe = ModalProbe{n, id};
    SetTimer(nullptr, 0, 200, closeModal);
    EXPECT_EQ(view(id, 0, 0, 1), 0);
    ASSERT_EQ(wWindow[n], nullptr);
    EXPECT_EQ(gravim.windows.wIndex, 0);
    EXPECT_EQ(WindowFromDC(gDC), hClient[0]);
    WBitmapDestroy(id);
}

TEST_F(BitmapViewer, ModelessCloseRequestIsAnEventAndTheWindowStays) {
    const int n = child(300, 300);
    const int id = bitmap(100, 100);
    ASSERT_EQ(view(id, 0, 0, 3), 0);
    EXPECT_FALSE(IsWindowEnabled(wWindow[0]));
    PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvCloseRequest}), EvCloseRequest);
    EXPECT_EQ(record.Win, n);
    EXPECT_NE(wWindow[n], nullptr);
    int dialog = 0, closing = n;
    yyclosechild(closing, dialog);
    EXPECT_EQ(wWindow[n], nullptr);
    EXPECT_TRUE(IsWindowEnabled(wWindow[0]));
    WBitmapDestroy(id);
    EXPECT_EQ(WInfoError(1), 0);
}

}  // namespace
