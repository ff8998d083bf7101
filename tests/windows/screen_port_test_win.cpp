// screen_port_test_win.cpp - the window manager without graphics: with nothing installed in the
// screen port, the root window and a child window open, take the current window's context, turn
// pointer positions into graphics units as they are, and close.
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

constexpr int NoToolbars[4] = {0, 0, 0, 0};

class WithoutGraphics : public ::testing::Test {
protected:
    void SetUp() override {
        yysetscreenport({});
        yyresetgravim();
        WInitialise();
    }
    void TearDown() override {
        if (gravim.windows.rootOpen == 1) WindowClose();
        yysetscreenport(assembled);
        yyresetgravim();
    }

private:
    const ScreenPort assembled = yyscreenport();
};

TEST_F(WithoutGraphics, RootAndChildWindowsOpenAndClose) {
    WindowOpen(WinSystemMenu, KeepValue, KeepValue, 320, 240);
    ASSERT_EQ(gravim.windows.rootOpen, 1);
    ASSERT_NE(wWindow[0], nullptr);
    EXPECT_NE(wDC, nullptr);
    EXPECT_EQ(gravim.graphics.screenActive, 0) << "graphics started on the root window";
    EXPECT_EQ(gravim.graphics.surfaceType, 0);

    int child = 0, dialog = 0;
    yyopenchild(KeepValue, KeepValue, 200, 120, child, WinSystemMenu, 0, NoToolbars, dialog, 0, -1, "child");
    ASSERT_GT(child, 0);
    ASSERT_NE(wWindow[child], nullptr);
    WindowSelect(child);
    EXPECT_EQ(gravim.windows.wIndex, child);
    ASSERT_NE(wDC, nullptr);
    RECT area;
    GetClientRect(hClient[child], &area);
    EXPECT_EQ(gravim.windows.clientWidth, area.right);
    EXPECT_EQ(gravim.windows.clientHeight, area.bottom);
    // Without graphics a pixel's centre, counted up from the bottom row, is its position.
    WMessageRecord record;
    record.Win = child;
    record.Value3 = 0;
    record.PixelX = 10;
    record.PixelY = 20;
    yyevent(EvMouseMove, record);
    EXPECT_FLOAT_EQ(record.GraphicsX, 10.5f);
    EXPECT_FLOAT_EQ(record.GraphicsY, static_cast<float>(area.bottom - 1 - 20) + 0.5f);
    // Text in the window's own colours, with no palette to set them in.
    yysetfontcolourrgb(16, 200, 0, 0);
    int x = 5, y = 30;
    yystringout(x, y, "text", 5);
    EXPECT_GT(x, 5);

    int closing = child;
    yyclosechild(closing, dialog);
    EXPECT_EQ(closing, child);
    EXPECT_EQ(wWindow[child], nullptr);
    WindowSelect(0);
    EXPECT_EQ(gravim.windows.wIndex, 0);
    EXPECT_NE(wDC, nullptr);

    WindowClose();
    EXPECT_EQ(gravim.windows.rootOpen, 0);
    EXPECT_EQ(wWindow[0], nullptr);
    EXPECT_EQ(wDC, nullptr);
}

}  // namespace
