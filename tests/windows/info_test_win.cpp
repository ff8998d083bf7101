// info_test_win.cpp - WInfoSystem and WInfoDialog under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/gravim.hpp"
#include "windows/window_info.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"

namespace {

TEST(InfoQueriesWine, SystemItems) {
    EXPECT_EQ(WInfoSystem(1), 6);
    EXPECT_EQ(WInfoSystem(6), 92);
    EXPECT_EQ(WInfoSystem(7), 0);
    EXPECT_EQ(WInfoSystem(16), 4);
    EXPECT_EQ(WInfoSystem(18), 1);
    EXPECT_EQ(WInfoSystem(19), 0);
    EXPECT_EQ(WInfoSystem(20), '.');
    EXPECT_EQ(WInfoSystem(22), 0);
    EXPECT_EQ(WInfoSystem(23), 0);
    EXPECT_EQ(WInfoSystem('C'), 2) << "drive C is fixed";
    EXPECT_EQ(WInfoSystem('Q'), 0) << "no drive Q";
    EXPECT_EQ(WInfoSystem('Q' + 100), 0);
    EXPECT_GT(WInfoSystem(21), 0);
    const int measure = WInfoSystem(24);
    EXPECT_TRUE(measure == 1 || measure == 2) << measure;
    const int ticks = WInfoSystem(15);
    EXPECT_GE(ticks, 0);
    EXPECT_LE(ticks - static_cast<int>(GetTickCount() & 0x7FFFFFFF), 0);
}

TEST(InfoQueriesWine, UnknownItemsRepeatThePreviousAnswer) {
    gravim.system.WinVerMajor = 6;
    gravim.system.WinVerMinor = 1;
    EXPECT_EQ(WInfoSystem(3), 601);
    EXPECT_EQ(WInfoSystem(4), 601);
    EXPECT_EQ(WInfoSystem(1000), 601);
    gravim.dialogs.lastAnswer = 2;
    EXPECT_EQ(WInfoDialog(4), 2);
    EXPECT_EQ(WInfoDialog(11), 2);
}

TEST(InfoQueriesWine, DialogItemsWithNoDialog) {
    yyresetgravim();
    EXPECT_EQ(WInfoDialog(10), 0);
    EXPECT_EQ(WInfoDialog(3), 0);
}

TEST(InfoQueriesWine, CurrentDirectoryAtADriveRoot) {
    char saved[MAX_PATH];
    GetCurrentDirectoryA(sizeof saved, saved);
    SetCurrentDirectoryA("C:\\");
    EXPECT_EQ(WInfoSystem(9), 1);
    SetCurrentDirectoryA("C:\\windows");
    EXPECT_EQ(WInfoSystem(9), 0);
    SetCurrentDirectoryA(saved);
}

}  // namespace

namespace {

class WindowInfo : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }
};

TEST_F(WindowInfo, TheHiddenRootWindowReportsStateThree) {
    WindowOpen(7 | WinHidden, 100, 80, 400, 300);
    EXPECT_EQ(WInfoWindow(9), 3);
    EXPECT_EQ(WInfoWindow(4), 0);
    EXPECT_EQ(WInfoWindow(3), 7 | WinHidden);
    EXPECT_EQ(WInfoWindow(1), gravim.windows.clientWidth);
    EXPECT_EQ(WInfoWindow(10), 0);
    EXPECT_EQ(WInfoWindow(99), 0) << "an unknown item repeats the previous answer";
}

TEST_F(WindowInfo, AMaximisedWindowReportsItsRestoredSizeAndPosition) {
    WindowOpen(7, 100, 80, 400, 300);
    const int width = WInfoWindow(11), height = WInfoWindow(12);
    const int x = WInfoWindow(5), y = WInfoWindow(6);
    EXPECT_EQ(WInfoWindow(9), 1);
    EXPECT_EQ(WInfoWindow(13), x);
    ShowWindow(wWindow[0], SW_MAXIMIZE);
    EXPECT_EQ(WInfoWindow(9), 2);
    EXPECT_EQ(WInfoWindow(11), width);
    EXPECT_EQ(WInfoWindow(12), height);
    EXPECT_EQ(WInfoWindow(13), x);
    EXPECT_EQ(WInfoWindow(14), y);
    ShowWindow(wWindow[0], SW_MINIMIZE);
    EXPECT_EQ(WInfoWindow(9), 0);
    EXPECT_EQ(WInfoWindow(11), width);
    EXPECT_EQ(WInfoWindow(5), x) << "a minimised window reports its normal position";
    POINT origin = {0, 0};
    ShowWindow(wWindow[0], SW_RESTORE);
    ClientToScreen(hClient[0], &origin);
    EXPECT_EQ(WInfoWindow(7), origin.x);
    EXPECT_EQ(WInfoWindow(8), origin.y);
}

}  // namespace
