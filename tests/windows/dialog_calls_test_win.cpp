// dialog_calls_test_win.cpp - the window manager without the dialog manager: with the default
// table of its requests (nothing installed), windows open, take events and close as in a library
// with no dialog loaded, and a level-4 report finds no box to show.
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/dialog_calls_win.hpp"
#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "event_wait_win.hpp"
#include "gui_driver_win.hpp"
#include "test_root_win.hpp"

namespace {

constexpr int Plain = WinSystemMenu | WinMinimiseBox | WinMaximiseBox;
constexpr int NoToolbars[4] = {0, 0, 0, 0};
// A template of the core tests' resources that the dialog manager would combine with a window.
constexpr int CombinableDialog = 302;

struct ProgramEnded {
    int code;
};

class NoDialogManager : public ::testing::Test {
protected:
    void SetUp() override {
        installed = yydialogcalls();
        yysetdialogcalls(DialogCalls{});
        openTestRoot(Plain | WinStatusBar, KeepValue, KeepValue, 400, 300, 0);
    }
    void TearDown() override {
        closeTestRoot();
        yyerroroutputs = {};
        yysetdialogcalls(installed);
    }
    DialogCalls installed;
};

TEST_F(NoDialogManager, WindowsOpenTakeEventsAndCloseAsWithNoDialogLoaded) {
    // Nothing loads the template, so the window opens without it, as a plain frame.
    int child = 0, dialog = CombinableDialog;
    yyopenchild(KeepValue, KeepValue, 240, 160, child, Plain, 0, NoToolbars, dialog, 0, -1, "child");
    ASSERT_GT(child, 0);
    EXPECT_EQ(dialog, -4);
    EXPECT_EQ(yywindowkind(wWindow[child]), 0);
    EXPECT_TRUE(IsWindowEnabled(wWindow[child]));  // no semi-modeless dialog is up

    // The message loop hands the child's key and mouse messages to the program: no modeless
    // dialog takes them first.
    WindowSelect(child);
    SetFocus(hClient[child]);
    PostMessageA(hClient[child], WM_CHAR, 'q', 1);
    PostMessageA(hClient[child], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvKey}), EvKey);
    EXPECT_EQ(record.Win, child);
    EXPECT_EQ(record.Value1, 'q');
    ASSERT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(record.Win, child);
    EXPECT_EQ(record.PixelX, 7);
    ReleaseCapture();

    // Closing it unloads nothing and leaves the caller's current dialog alone.
    int current = 777, n = child;
    yyclosechild(n, current);
    EXPECT_EQ(current, 777);
    EXPECT_EQ(wWindow[child], nullptr);
    EXPECT_EQ(gravim.windows.wIndex, 0);
}

TEST_F(NoDialogManager, LevelFourReportFindsNoBoxAndGoesOn) {
    yyerroroutputs.exitProgram = [](int code) { throw ProgramEnded{code}; };
    IDebugLevel(4);
    AutoAnswer answer(IDCANCEL, "Library Error");
    bool ended = false;
    try {
        yyerror(1003, "WindowSelect");
    } catch (const ProgramEnded&) {
        ended = true;
    }
    EXPECT_FALSE(ended);
    EXPECT_EQ(answer.answered(), 0);
    EXPECT_EQ(WInfoError(1), 1003);
}

}  // namespace
