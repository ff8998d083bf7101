// window_services_test_win.cpp - small window services on a real root window: window text and
// its underline, the window-text font, cursors, window units, and the system facts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

class WindowServices : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, 80, 80, 400, 300);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }
};

TEST_F(WindowServices, WindowTextAdvancesAndIsUnderlinedInItsColour) {
    yysetfontcolour(9, 15);  // red on white
    yysetfontunderline(1);
    int x = 10, y = 40;
    yystringout(x, y, "Hello", 6);
    EXPECT_GT(x, 10);
    EXPECT_EQ(y, 40);
    int width = 0;
    yystringlen(width, "Hello", 6);
    EXPECT_EQ(x - 10, width);
    HDC dc = GetDC(hClient[0]);
    EXPECT_EQ(GetPixel(dc, 11, 42), RGB(255, 0, 0));          // the underline, two rows below
    EXPECT_EQ(GetPixel(dc, x - 1, 42), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, x + 3, 42), RGB(255, 255, 255));   // and no further
    ReleaseDC(hClient[0], dc);

    yysetfontcolourrgb(3, 1, 2, 3);
    EXPECT_EQ(wColor[3], RGB(1, 2, 3));
}

TEST_F(WindowServices, TextFontByFamily) {
    int width = 0, height = 20;
    yycreatefont(3, 1, 0, width, height);
    LOGFONTA font = {};
    GetObjectA(wTextFont, sizeof font, &font);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_GT(height, 0);
    EXPECT_GT(width, 0);
    HDC dc = GetDC(hClient[0]);
    HGDIOBJ old = SelectObject(dc, wTextFont);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hClient[0], dc);
    EXPECT_EQ(height, metrics.tmHeight);  // the real cell, not the one asked for
    EXPECT_EQ(width, metrics.tmAveCharWidth);

    yycreatefont(1, 1, 1, width, height);  // a stock font ignores weight and slant
    EXPECT_EQ(wTextFont, GetStockObject(SYSTEM_FIXED_FONT));
}

TEST_F(WindowServices, WindowCursorShowsOverItsClientArea) {
    yychangecursor(3, 1, 1, 0);
    EXPECT_EQ(hCursorWin[0], LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_EQ(iCursorWin[0], 3);
    SetCursor(nullptr);
    SendMessageA(hClient[0], WM_SETCURSOR, reinterpret_cast<WPARAM>(hClient[0]), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    yychangecursor(1, 2, 0, 0);  // the global cursor
    EXPECT_EQ(wCursor, LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(hCursorWin[0], LoadCursorA(nullptr, IDC_CROSS));
    yychangecursor(0, 0, 0, 0);  // any other scope clears every window's cursor
    EXPECT_EQ(hCursorWin[0], nullptr);
    EXPECT_EQ(wCursor, LoadCursorA(nullptr, IDC_ARROW));
    yychangecursor(9999, 1, 1, 0);  // no such cursor resource
    EXPECT_EQ(hCursorWin[0], nullptr);
}

TEST_F(WindowServices, UnitsOfTheRootAndSystemFacts) {
    int px = 0, py = 0;
    WindowUnitsToPixels(9999, 9999, px, py);
    EXPECT_EQ(px, 399);
    EXPECT_EQ(py, 299);
    EXPECT_EQ(yygetwindowindex(wWindow[0]), 0);
    EXPECT_EQ(yygetwindowindex(hClient[0]), 0);
    EXPECT_EQ(yygetwindowindex(GetDesktopWindow()), -1);
    int type = 0;
    yygradfilltype(type);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(yyIsDwmEnabled(), 0);  // composition is off under Wine
    int now = -1;
    yysystime(now);
    EXPECT_GE(now, 0);
}

}  // namespace
