// messagebox_test_win.cpp - WMessageBox under Wine: button sets, default buttons, answers, texts.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/messagebox.hpp"
#include "gui_driver_win.hpp"

namespace {

// Presses Enter in every box this thread shows, so the box answers with its default button;
// remembers the box's buttons left to right.
struct EnterPresser {
    static inline std::string buttons;
    static inline int pressed = 0;
    UINT_PTR timer;
    EnterPresser() {
        buttons.clear();
        pressed = 0;
        timer = SetTimer(nullptr, 0, 50, tick);
    }
    ~EnterPresser() { KillTimer(nullptr, timer); }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = GetActiveWindow();
        char name[16] = "";
        if (box == nullptr || !GetClassNameA(box, name, sizeof name) || std::string(name) != "#32770")
            return;
        if (GetPropA(box, "test.pressed") != nullptr) return;
        SetPropA(box, "test.pressed", reinterpret_cast<HANDLE>(1));
        buttons.clear();
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetClassNameA(child, name, sizeof name);
            char text[32] = "";
            GetWindowTextA(child, text, sizeof text);
            if (std::string(name) == "Button" && IsWindowVisible(child)) buttons += std::string(text) + " ";
        }
        ++pressed;
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0);
    }
};

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        hWinCur = nullptr;
        hDlgCur = nullptr;
    }
    void TearDown() override { yyresetgravim(); }
};

struct DefaultCase {
    int buttons;
    int defaultButton;
    int answer;  // the answer of Enter, that is of the default button
};

TEST_F(MessageBoxes, EnterAnswersWithTheDefaultButtonInTheCallersNumbering) {
    const DefaultCase cases[] = {
        {0, 1, 1}, {0, 3, 1},                                      // OK
        {1, 1, 1}, {1, 2, 0}, {1, 7, 0},                           // OK Cancel
        {2, 1, 1}, {2, 0, 0},                                      // Retry Cancel
        {3, 1, 1}, {3, 2, 2},                                      // Yes No
        {4, 1, 1}, {4, 2, 2}, {4, 3, 0}, {4, 9, 0},                // Yes No Cancel
        {5, 1, 1}, {5, 2, 2}, {5, 3, 0},                           // Abort Retry Ignore
        {7, 2, 1}, {-1, 2, 1},                                     // out of range: OK
    };
    for (const DefaultCase& c : cases) {
        gravim.dialogs.lastAnswer = 99;
        gravim.dialogs.exitField = 5;
        EnterPresser enter;
        WMessageBox(c.buttons, 0, c.defaultButton, "Question", "Defaults");
        EXPECT_EQ(EnterPresser::pressed, 1);
        EXPECT_EQ(gravim.dialogs.lastAnswer, c.answer)
            << "set " << c.buttons << " default " << c.defaultButton << " buttons " << EnterPresser::buttons;
        EXPECT_EQ(gravim.dialogs.exitField, 0);
        EXPECT_EQ(WInfoError(1), 0);
    }
}

TEST_F(MessageBoxes, EachButtonGivesItsAnswer) {
    struct ButtonCase {
        int buttons;
        int pressed;  // the system's button identifier
        int answer;
    };
    const ButtonCase cases[] = {
        {0, IDOK, 1},    {1, IDCANCEL, 0}, {2, IDRETRY, 1}, {2, IDCANCEL, 0}, {3, IDYES, 1},
        {3, IDNO, 2},    {4, IDCANCEL, 0}, {5, IDABORT, 2}, {5, IDRETRY, 1},  {5, IDIGNORE, 0},
    };
    for (const ButtonCase& c : cases) {
        AutoAnswer answer(c.pressed, "Buttons");
        WMessageBox(c.buttons, 2, 1, "Pick one", "Buttons");
        EXPECT_EQ(answer.answered(), 1);
        EXPECT_EQ(gravim.dialogs.lastAnswer, c.answer) << "set " << c.buttons << " button " << c.pressed;
    }
}

TEST_F(MessageBoxes, TrailingBlanksNeverReachTheBoxAndCarriageReturnsStay) {
    AutoAnswer answer(IDOK);
    WMessageBox(0, 4, 1, "first line\rsecond line      ", "Library Error        ");
    EXPECT_EQ(answer.lastTitle(), "Library Error");
    EXPECT_NE(answer.lastText().find("first line\rsecond line"), std::string::npos) << answer.lastText();
    EXPECT_EQ(answer.lastText().find("line "), std::string::npos);
}

TEST_F(MessageBoxes, ABoxThatCannotShowReports1004AndKeepsTheAnswer) {
    gravim.dialogs.lastAnswer = 2;
    gravim.dialogs.exitField = 7;
    HWND gone = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    hWinCur = gone;  // an owner that no longer exists
    WMessageBox(1, 0, 1, "never shown", "Failure");
    EXPECT_EQ(WInfoError(1), 1004);
    EXPECT_EQ(gravim.dialogs.lastAnswer, 2);
    EXPECT_EQ(gravim.dialogs.exitField, 0);
}

}  // namespace

namespace {

// What the library windows looked like while a box was up: frozen, with a snapshot of the root.
struct FreezeWatcher {
    static inline int blitOn = -1;
    static inline bool rootSnapshot = false;
    static inline bool rootEnabled = true;
    UINT_PTR timer;
    FreezeWatcher() { timer = SetTimer(nullptr, 0, 40, tick); }
    ~FreezeWatcher() { KillTimer(nullptr, timer); }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = FindWindowA("#32770", "Frozen");
        if (box == nullptr || !IsWindowVisible(box) || blitOn != -1) return;
        blitOn = wBlitOn;
        rootSnapshot = hImage[0] != nullptr;
        rootEnabled = IsWindowEnabled(wWindow[0]) != FALSE;
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
};

TEST(MessageBoxBracket, OtherWindowsAreFrozenAndDisabledOnlyWhileTheBoxIsUp) {
    yyresetgravim();
    WindowOpen(7, 50, 50, 300, 200);
    hDlgCur = nullptr;
    hWinCur = nullptr;  // no owner: the root window is one of the others
    {
        FreezeWatcher watch;
        WMessageBox(0, 0, 1, "Frozen windows", "Frozen");
    }
    EXPECT_EQ(FreezeWatcher::blitOn, 1);
    EXPECT_TRUE(FreezeWatcher::rootSnapshot);
    EXPECT_FALSE(FreezeWatcher::rootEnabled);
    EXPECT_EQ(wBlitOn, 0);
    EXPECT_EQ(hImage[0], nullptr);
    EXPECT_TRUE(IsWindowEnabled(wWindow[0]));
    WindowClose();
    yyresetgravim();
}

}  // namespace
