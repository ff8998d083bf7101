// root_window_test_win.cpp - WindowOpen and WindowClose under Wine: classes, the hidden root
// the viewer opens, the size rule, the status bar, closing and opening again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"

namespace {

class RootWindow : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }
};

bool classRegistered(const char* name) {
    WNDCLASSA info;
    return GetClassInfoA(GetModuleHandleA(nullptr), name, &info) != 0;
}

TEST_F(RootWindow, HiddenRootOfTheViewerThenShownClosedAndOpenedAgain) {
    WindowOpen(WinHidden);
    ASSERT_EQ(gravim.windows.rootOpen, 1);
    HWND frame = wWindow[0];
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(IsWindowVisible(frame));
    EXPECT_EQ(wHideRoot, 1);
    EXPECT_EQ(gravim.windows.windowFlags[0], WinHidden);
    EXPECT_EQ(gravim.windows.wIndex, 0);
    for (const char* name : {"GRAVIMONDER", "GRAVCHILD", "GRAVCLIENT", "GRAVSPLITH", "GRAVSPLITV", "KBNGRID",
                             "KBNGRIDCLIENT"})
        EXPECT_TRUE(classRegistered(name)) << name;
    EXPECT_EQ(uFindMsgString, RegisterWindowMessageA("commdlg_FindReplace"));
    EXPECT_EQ(cgmFormat, RegisterClipboardFormatA("Gravimonder CGM"));
    EXPECT_TRUE(iVerRTF == 2 || iVerRTF == 3) << iVerRTF;
    EXPECT_NE(pGradientFill, nullptr);  // msimg32 is there under Wine

    // The size rule: 80 percent of the display, centred, a caption and a sizing border, no menu
    // and no status bar; the client size returned is the real one.
    const int width = gravim.core.displayWidth * 80 / 100, height = gravim.core.displayHeight * 80 / 100;
    RECT client, outer;
    GetClientRect(hClient[0], &client);
    GetWindowRect(frame, &outer);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    EXPECT_EQ(gravim.windows.clientWidth, width);
    EXPECT_EQ(gravim.windows.clientHeight, height);
    EXPECT_EQ(outer.left, (gravim.core.displayWidth - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (gravim.core.displayHeight - (outer.bottom - outer.top)) / 2);
    const LONG style = GetWindowLongA(frame, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(GetMenu(frame), nullptr);
    EXPECT_EQ(wMessLine[0], nullptr);
    EXPECT_EQ(gravim.graphics.surfaceType, 1);
    EXPECT_EQ(gravim.graphics.surfaceWidth, width);

    // A second WindowOpen creates nothing.
    WindowOpen(WinStatusBar);
    EXPECT_EQ(wWindow[0], frame);
    EXPECT_EQ(gravim.windows.windowFlags[0], WinHidden);

    WMessageEnable(EvMouseMove, 1);
    WindowClose();
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(gravim.windows.rootOpen, 0);
    EXPECT_EQ(gravim.windows.windowFlags[0], -1);
    EXPECT_EQ(gravim.windows.wIndex, 0);
    for (int n = 0; n < MaxWindows; ++n) EXPECT_EQ(wWindow[n], nullptr) << n;
    EXPECT_EQ(yyinfomessage(EvMouseMove), 0);  // the switches are back at their defaults
    EXPECT_EQ(hWinCur, nullptr);               // nothing names the closed window
    WindowClose();                              // closing twice runs on empty tables

    // Shown, with a status bar, at a given place and size.
    WindowOpen(7 | WinStatusBar, 50, 60, 320, 200, 0, nullptr, 0, "Root   ");
    ASSERT_EQ(gravim.windows.rootOpen, 1);
    EXPECT_TRUE(IsWindowVisible(wWindow[0]));
    EXPECT_EQ(wHideRoot, 0);
    ASSERT_NE(wMessLine[0], nullptr);
    char title[32] = "";
    GetWindowTextA(wWindow[0], title, sizeof title);
    EXPECT_STREQ(title, "Root");
    RECT frameClient, bar;
    GetClientRect(wWindow[0], &frameClient);
    GetClientRect(hClient[0], &client);
    GetWindowRect(wMessLine[0], &bar);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_EQ(frameClient.bottom - client.bottom, bar.bottom - bar.top);
    EXPECT_EQ(gravim.windows.clientHeight, 200);
    EXPECT_EQ(hWinCur, wWindow[0]);
}

TEST_F(RootWindow, MissingCombinedDialogReportsAndOpensWithoutIt) {
    WindowOpen(WinHidden, -999999, -999999, 200, 100, 0, nullptr, 4711);
    EXPECT_EQ(WInfoError(1), 1007);
    EXPECT_EQ(gravim.windows.rootOpen, 1);
    EXPECT_EQ(bDlgRoot, 0);
    EXPECT_EQ(gravim.dialogs.currentDialog, 0);
}

TEST_F(RootWindow, ClosingClearsParkedEventsAndWindowReferences) {
    WindowOpen(7, 10, 10, 200, 100);
    gravim.events.KBNMessages[0][0] = EvExpose;
    gravim.events.KBNMessages[7][0] = EvResize;  // a child that had parked its resize
    hWinMenuClick = wWindow[0];
    WindowClose();
    EXPECT_EQ(gravim.events.KBNMessages[0][0], 0);
    EXPECT_EQ(gravim.events.KBNMessages[7][0], 0);
    EXPECT_EQ(hWinMenuClick, nullptr);
    EXPECT_EQ(hWinCur, nullptr);
}

TEST_F(RootWindow, WindowTextColoursFontAndBell) {
    WindowOpen(WinHidden, -999999, -999999, 200, 100);
    EXPECT_EQ(wColor[0], RGB(0, 0, 0));
    EXPECT_EQ(wColor[15], RGB(255, 255, 255));
    EXPECT_EQ(wColor[17], GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(wForeCol, 0);
    EXPECT_EQ(wBackCol, 15);
    ASSERT_NE(wTextFont, nullptr);
    WindowBell("Off");
    EXPECT_EQ(gravim.windows.iRing, 0);
    WindowBell("ONE");  // rings (silently now); does not switch
    EXPECT_EQ(gravim.windows.iRing, 0);
    WindowBell("ON");
    EXPECT_EQ(gravim.windows.iRing, 1);
}

}  // namespace
