// error_outputs_test_win.cpp - debug levels 3 and 4 once the root window is open: the report in
// the root's status bar, and the "Library Error" box answered OK, Cancel, or never shown.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "gui_driver_win.hpp"

namespace {

struct ProgramEnded {
    int code;
};

// Stands in for the end of the program, which a test cannot survive.
void endProgram(int code) { throw ProgramEnded{code}; }

class ErrorOutputs : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yyerroroutputs = {};
        WInitialise();
        WindowOpen(7 | WinStatusBar, 40, 40, 300, 150);
        yyerroroutputs.exitProgram = endProgram;
    }
    void TearDown() override {
        WindowClose();
        yyerroroutputs = {};
        yyresetgravim();
    }
    static std::string statusText() {
        char text[512] = "";
        SendMessageA(wMessLine[0], SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(ErrorOutputs, LevelThreeWritesPartOneOfTheRootStatusBar) {
    IDebugLevel(3);
    yyerror(1003, "WindowSelect   ");
    EXPECT_EQ(statusText(), "Routine:WindowSelect Error=1003:Invalid window handle");
    EXPECT_EQ(WInfoError(1), 1003);
    EXPECT_EQ(WInfoError(4), 3);
    EXPECT_EQ(gravim.windows.wIndex, 0);
}

TEST_F(ErrorOutputs, LevelThreeGoesToTheRootWhileAChildIsCurrent) {
    int child = 0, dialog = 0;
    const int toolbars[4] = {0, 0, 0, 0};
    yyopenchild(-999999, -999999, 120, 80, child, 7, 0, toolbars, dialog, 0, -1, "child");
    ASSERT_GT(child, 0);
    WindowSelect(child);
    IDebugLevel(3);
    yyerror(1019, "IGrSelect");
    EXPECT_EQ(statusText(), "Routine:IGrSelect Error=1019:Invalid target drawing surface");
    EXPECT_EQ(gravim.windows.wIndex, child);  // the child is current again
    EXPECT_EQ(gravim.windows.clientWidth, 120);
}

TEST_F(ErrorOutputs, LevelThreeWithoutAStatusBarStaysSilent) {
    WindowClose();
    WindowOpen(WinHidden, -999999, -999999, 200, 100);
    IDebugLevel(3);
    yyerror(4, "IStringToInteger");
    EXPECT_EQ(WInfoError(1), 4);  // the report's own failures do not replace the number
}

TEST_F(ErrorOutputs, LevelFourBoxAnsweredOkGoesOn) {
    IDebugLevel(4);
    AutoAnswer answer(IDOK, "Library Error");
    yyerror(1088, "WindowOpen");
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_EQ(answer.lastTitle(), "Library Error");
    EXPECT_NE(answer.lastText().find("Routine:WindowOpen"), std::string::npos) << answer.lastText();
    EXPECT_NE(answer.lastText().find("Error=1088"), std::string::npos) << answer.lastText();
    EXPECT_NE(answer.lastText().find("Error during dialog creation"), std::string::npos) << answer.lastText();
    EXPECT_EQ(gravim.dialogs.lastAnswer, 1);
    EXPECT_EQ(WInfoError(1), 1088);
}

TEST_F(ErrorOutputs, LevelFourCancelEndsTheProgramWithCodeZero) {
    IDebugLevel(4);
    AutoAnswer answer(IDCANCEL, "Library Error");
    int code = -1;
    try {
        yyerror(4, "IStringToInteger");
    } catch (const ProgramEnded& ended) {
        code = ended.code;
    }
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(gravim.dialogs.lastAnswer, 0);
}

HHOOK blocker = nullptr;

// Refuses every dialog window, so that no message box can be shown.
LRESULT CALLBACK refuseDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[16] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::string(name) == "#32770") return 1;
    }
    return CallNextHookEx(blocker, code, wParam, lParam);
}

TEST_F(ErrorOutputs, LevelFourBoxThatCannotBeShownDoesNotEndTheProgram) {
    IDebugLevel(4);
    gravim.dialogs.lastAnswer = 0;  // as if the last box was cancelled
    blocker = SetWindowsHookExA(WH_CBT, refuseDialogs, nullptr, GetCurrentThreadId());
    ASSERT_NE(blocker, nullptr);
    bool ended = false;
    try {
        yyerror(1088, "WindowOpen");
    } catch (const ProgramEnded&) {
        ended = true;
    }
    UnhookWindowsHookEx(blocker);
    EXPECT_FALSE(ended);
    EXPECT_EQ(gravim.dialogs.lastAnswer, 0);
    EXPECT_EQ(WInfoError(1), 1088);
}

}  // namespace
