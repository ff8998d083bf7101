// events_test_win.cpp - WMessage under Wine: key codes from real and posted input, mouse and
// wheel positions in window and user units, exposes, resizes, timers and the timed wait.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/os.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "graphics/graphics.hpp"
#include "event_wait_win.hpp"

namespace {

// A shown root window of a known client size at a known place, opened once per suite (closing
// a captioned window costs Wine two seconds without a window manager).
class ShownRoot : public ::testing::Test {
protected:
    static constexpr int Width = 400, Height = 300;
    static void open(int flags) {
        WindowOpen(flags, 100, 100, Width, Height);
    }
    static void SetUpTestSuite() { open(WinSystemMenu); }
    static void TearDownTestSuite() {
        WindowClose();
        yyresetgravim();
    }
    void SetUp() override {
        // Each test starts from the state the window was opened with.
        SetWindowPos(wWindow[0], nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
        RECT outer = {0, 0, Width, Height};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(wWindow[0], GWL_STYLE)), FALSE, 0);
        SetWindowPos(wWindow[0], nullptr, 100, 100, outer.right - outer.left, outer.bottom - outer.top, SWP_NOZORDER);
        SetForegroundWindow(wWindow[0]);
        SetFocus(hClient[0]);
        drain();
        yyresetswitches();
        IGrUnits(0, 0, 1, 1);
    }
    // Lets every pending message run, dropping the events it makes.
    static void drain() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        gravim.events.wMessageType = 0;
        yyclearparked();
    }
};

// ---- keys ----

struct KeyCase {
    const char* name;
    std::vector<WORD> modifiers;  // held while the key is pressed
    WORD key;
    int code;                     // expected Value1; -1: the key gives no event
};

const std::vector<KeyCase> keyCases = {
    {"up", {}, VK_UP, 258},
    {"shift up", {VK_SHIFT}, VK_UP, 262},
    {"ctrl up", {VK_CONTROL}, VK_UP, 266},
    {"page up", {}, VK_PRIOR, 262},
    {"shift page down", {VK_SHIFT}, VK_NEXT, 263},
    {"home", {}, VK_HOME, 270},
    {"end", {}, VK_END, 271},
    {"insert", {}, VK_INSERT, 272},
    {"delete", {}, VK_DELETE, 273},
    {"F1", {}, VK_F1, 301},
    {"shift F1", {VK_SHIFT}, VK_F1, 321},
    {"ctrl F1", {VK_CONTROL}, VK_F1, 341},
    {"shift ctrl F1", {VK_SHIFT, VK_CONTROL}, VK_F1, 341},
    {"F12", {}, VK_F12, 312},
    {"tab", {}, VK_TAB, 9},
    {"shift tab", {VK_SHIFT}, VK_TAB, 274},
    {"ctrl tab", {VK_CONTROL}, VK_TAB, 9},
    {"a", {}, 'A', 'a'},
    {"shift a", {VK_SHIFT}, 'A', 'A'},
    {"ctrl a", {VK_CONTROL}, 'A', 1},
    {"return", {}, VK_RETURN, 13},
    {"keypad 0", {}, VK_NUMPAD0, 280},
    {"keypad 7", {}, VK_NUMPAD7, 287},
    {"shift keypad 9", {VK_SHIFT}, VK_NUMPAD9, 289},
    {"keypad clear", {}, VK_CLEAR, 285},
    {"keypad minus", {}, VK_SUBTRACT, 290},
    {"keypad point", {}, VK_DECIMAL, 291},
    {"keypad plus", {}, VK_ADD, 292},
    {"keypad divide", {}, VK_DIVIDE, 293},
    {"keypad multiply", {}, VK_MULTIPLY, 294},
    {"F10", {}, VK_F10, -1},
    {"alt x", {VK_MENU}, 'X', -1},
    {"shift alone", {}, VK_SHIFT, -1},
};

INPUT keyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_DIVIDE || (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

void typeWithSendInput(const KeyCase& c) {
    std::vector<INPUT> inputs;
    for (WORD m : c.modifiers) inputs.push_back(keyInput(m, false));
    inputs.push_back(keyInput(c.key, false));
    inputs.push_back(keyInput(c.key, true));
    for (auto m = c.modifiers.rbegin(); m != c.modifiers.rend(); ++m) inputs.push_back(keyInput(*m, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void typeWithPostedMessages(const KeyCase& c) {
    BYTE state[256] = {};
    for (WORD m : c.modifiers) state[m] = 0x80;
    SetKeyboardState(state);
    const bool alt = std::find(c.modifiers.begin(), c.modifiers.end(), VK_MENU) != c.modifiers.end();
    const bool system = alt || c.key == VK_F10;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(c.key, MAPVK_VK_TO_VSC)) << 16;
    // Only the key-down: a posted key-up would come before the character the key-down produces.
    PostMessageA(hClient[0], system ? WM_SYSKEYDOWN : WM_KEYDOWN, c.key, 1 | scan | (alt ? 1 << 29 : 0));
}

// Without a system menu F10 and Alt open no menu loop, so a following key still arrives.
class Keys : public ShownRoot {
protected:
    static void SetUpTestSuite() { open(0); }

    void check(const KeyCase& c, const std::string& how) {
        WMessageRecord record;
        if (c.code == -1) {
            // The key gives nothing: the next key event is the sentinel typed after it.
            KeyCase sentinel{"F2", {}, VK_F2, 302};
            how == "SendInput" ? typeWithSendInput(sentinel) : typeWithPostedMessages(sentinel);
        }
        ASSERT_EQ(nextEvent(record, {EvKey}), EvKey) << how << ": " << c.name;
        EXPECT_EQ(record.Value1, c.code == -1 ? 302 : c.code) << how << ": " << c.name;
        EXPECT_EQ(record.Win, 0);
        EXPECT_EQ(record.Value2, -1);
        EXPECT_EQ(record.Value3, 0);
    }
};

TEST_F(Keys, CodesFromSendInput) {
    for (const KeyCase& c : keyCases) {
        typeWithSendInput(c);
        check(c, "SendInput");
    }
}

TEST_F(Keys, CodesFromPostedKeyMessages) {
    for (const KeyCase& c : keyCases) {
        typeWithPostedMessages(c);
        check(c, "posted");
        BYTE clear[256] = {};
        SetKeyboardState(clear);
    }
}

TEST_F(Keys, KeyDownFollowedByAMouseMessageKeepsIt) {
    PostMessageA(hClient[0], WM_KEYDOWN, VK_F2, 1);
    PostMessageA(hClient[0], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvKey}), EvKey);
    EXPECT_EQ(record.Value1, 302);
    ASSERT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(record.PixelX, 5);
    ReleaseCapture();
}

// ---- mouse ----

int unitsOf(int pixel, int extent) { return static_cast<int>((pixel + 0.5) * 9999.0 / extent); }

TEST_F(ShownRoot, ClickAndWheelPositionsInWindowAndUserUnits) {
    IGrUnits(0, 0, 1000, 500);
    WMessageEnable(EvMouseUp, 1);
    POINT at = {150, 100};
    ClientToScreen(hClient[0], &at);
    SetCursorPos(at.x, at.y);
    drain();
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    inputs[2].mi.dwFlags = MOUSEEVENTF_WHEEL;
    inputs[2].mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    SendInput(3, inputs, sizeof(INPUT));

    const float expectedX = 150.5f * 1000.0f / (Width - 0.01f);
    const float expectedY = (Height - 1 - 100 + 0.5f) * 500.0f / (Height - 0.01f);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(record.Value1, 1);
    EXPECT_EQ(record.Value2, 4);  // left button down
    EXPECT_EQ(record.Value3, 0);
    EXPECT_EQ(record.Value4, -1);
    EXPECT_EQ(record.PixelX, 150);
    EXPECT_EQ(record.PixelY, 100);
    EXPECT_EQ(record.PosX, unitsOf(150, Width));
    EXPECT_EQ(record.PosY, unitsOf(100, Height));
    EXPECT_NEAR(record.GraphicsX, expectedX, 0.01);
    EXPECT_NEAR(record.GraphicsY, expectedY, 0.01);
    ASSERT_EQ(nextEvent(record, {EvMouseUp}), EvMouseUp);
    EXPECT_EQ(record.Value1, 1);
    EXPECT_EQ(record.PixelX, 150);
    ASSERT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(record.Value1, 5);  // wheel turned back
    EXPECT_EQ(record.PixelX, 150);
    EXPECT_EQ(record.PixelY, 100);
    EXPECT_EQ(record.PosX, unitsOf(150, Width));
    EXPECT_NEAR(record.GraphicsY, expectedY, 0.01);

    inputs[2].mi.mouseData = WHEEL_DELTA;
    SendInput(1, &inputs[2], sizeof(INPUT));
    ASSERT_EQ(nextEvent(record, {EvMouseDown}), EvMouseDown);
    EXPECT_EQ(record.Value1, 4);  // forward
}

TEST_F(ShownRoot, PostedButtonsModifiersAndDoubleClicks) {
    struct Case {
        UINT message;
        WPARAM keys;
        bool doubleClicks;
        int type, button, modifiers;
    };
    const Case cases[] = {
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, false, EvMouseDown, 3, 18},
        {WM_MBUTTONDOWN, MK_MBUTTON | MK_CONTROL, false, EvMouseDown, 2, 9},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, false, EvMouseDown, 1, 4},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, true, EvDoubleClick, 1, 4},
    };
    for (const Case& c : cases) {
        WMessageEnable(EvDoubleClick, c.doubleClicks ? 1 : 0);
        PostMessageA(hClient[0], c.message, c.keys, MAKELPARAM(10, 299));
        WMessageRecord record;
        ASSERT_EQ(nextEvent(record, {EvMouseDown, EvDoubleClick}), c.type) << c.message;
        EXPECT_EQ(record.Value1, c.button);
        EXPECT_EQ(record.Value2, c.modifiers);
        EXPECT_EQ(record.PosX, unitsOf(10, Width));
        EXPECT_EQ(record.PosY, unitsOf(299, Height));
        EXPECT_NEAR(record.GraphicsY, 0.5f / (Height - 0.01f), 1e-4);  // the bottom row's centre
        ReleaseCapture();
    }
}

TEST_F(ShownRoot, RealDoubleClicksByTheirSwitch) {
    WMessageEnable(EvMouseUp, 1);
    POINT at = {40, 30};
    ClientToScreen(hClient[0], &at);
    SetCursorPos(at.x, at.y);
    drain();
    for (bool doubleClicks : {false, true}) {
        WMessageEnable(EvDoubleClick, doubleClicks ? 1 : 0);
        INPUT inputs[4] = {};
        for (int i = 0; i < 4; ++i) {
            inputs[i].type = INPUT_MOUSE;
            inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        }
        SendInput(4, inputs, sizeof(INPUT));
        const int expected[4] = {EvMouseDown, EvMouseUp, doubleClicks ? EvDoubleClick : EvMouseDown, EvMouseUp};
        for (int type : expected) {
            WMessageRecord record;
            EXPECT_EQ(nextEvent(record, {EvMouseDown, EvMouseUp, EvDoubleClick}), type) << doubleClicks;
            EXPECT_EQ(record.Value1, 1);
            EXPECT_EQ(record.PixelX, 40);
        }
        Sleep(GetDoubleClickTime() + 50);  // the next pair starts afresh
    }
}

// ---- exposes and resizes ----

TEST_F(ShownRoot, ExposeInWindowUnitsAndPixels) {
    RECT area = {10, 20, 110, 70};
    InvalidateRect(hClient[0], &area, FALSE);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvExpose}), EvExpose);
    EXPECT_EQ(record.Win, 0);
    EXPECT_EQ(record.PixelX, 10);
    EXPECT_EQ(record.PixelY, 20);
    EXPECT_EQ(record.PixelWidth, 100);
    EXPECT_EQ(record.PixelHeight, 50);
    EXPECT_EQ(record.PosX, unitsOf(10, Width));
    EXPECT_EQ(record.PosY, unitsOf(20, Height));
    EXPECT_EQ(record.Value1, unitsOf(109, Width) - unitsOf(10, Width));
    EXPECT_EQ(record.Value2, unitsOf(69, Height) - unitsOf(20, Height));
}

TEST_F(ShownRoot, ResizeSentOutsideTheWaitIsParkedAndReturned) {
    RECT frame;
    GetWindowRect(wWindow[0], &frame);
    // The size message is sent directly, outside WMessage: only parking keeps it.
    SetWindowPos(wWindow[0], nullptr, 0, 0, frame.right - frame.left + 60, frame.bottom - frame.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    gravim.events.wMessageType = 0;  // what a later wait does with the slot
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvResize}), EvResize);
    EXPECT_EQ(record.Value1, Width + 60);
    EXPECT_EQ(record.Value2, Height + 40);
    EXPECT_EQ(record.PixelWidth, Width + 60);
    EXPECT_EQ(gravim.windows.clientWidth, Width + 60);
    EXPECT_EQ(gravim.graphics.surfaceWidth, Width + 60);
}

// ---- timers and the timed wait ----

// Counts the timer events of each identifier until the one-shot `until` fires.
std::map<int, int> countTimers(int until, int untilMs) {
    std::map<int, int> counts;
    WMessageTimer(untilMs, until);
    for (;;) {
        int type = 0;
        WMessageRecord record;
        WMessage(type, record);
        if (type != EvTimer) continue;
        if (record.Value1 == until) return counts;
        ++counts[record.Value1];
    }
}

TEST_F(ShownRoot, OneShotAndRepeatingTimersAreIndependent) {
    WMessageTimer(100);                // one-shot, identifier 1
    EXPECT_EQ(gravim.events.timerIdent, 1);
    WMessageTimer(100, 7, 1);          // repeating on the client
    WMessageTimer(150, 7);             // one-shot of the same number on the frame
    // A loaded machine delivers fewer timer messages than were due (the system merges them), so
    // the one-shot that ends the count comes after 2 s: at least three of the ten-per-second
    // repeats arrive however busy the machine; one would mean the one-shot replaced the repeats.
    std::map<int, int> counts = countTimers(90, 2000);
    EXPECT_EQ(counts[1], 1);
    EXPECT_GE(counts[7], 3);
    WMessageTimer(0, 7);
    counts = countTimers(91, 400);
    EXPECT_EQ(counts[7], 0);
}

TEST_F(ShownRoot, TimerIdentifier999StaysWithTheWait) {
    WMessageTimer(0, 5);
    WMessageTimer(50, 999, 1);
    EXPECT_EQ(gravim.events.timerIdent, 5);  // the call was refused whole
    EXPECT_EQ(countTimers(92, 300)[999], 0);
    const DWORD start = GetTickCount();
    IOsWait(20);
    EXPECT_GE(GetTickCount() - start, 190u);
    EXPECT_EQ(gravim.events.TimerEnabled, 0);
}

TEST_F(ShownRoot, TimedWaitTakesItsTimeAndParksTheExpose) {
    InvalidateRect(hClient[0], nullptr, FALSE);
    const DWORD start = GetTickCount();
    IOsWait(30);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 290u);
    EXPECT_LT(elapsed, 10000u);  // only a wait in the wrong unit takes this long, however busy the machine
    EXPECT_EQ(gravim.events.KBNMessages[0][0], EvExpose);
    WMessageRecord record;
    int type = 0;
    WMessage(type, record);  // returns the parked expose without waiting
    ASSERT_EQ(type, EvExpose);
    EXPECT_EQ(record.Win, 0);
    EXPECT_EQ(record.PixelX, 0);
    EXPECT_EQ(record.PixelWidth, Width);
    EXPECT_EQ(record.PixelHeight, Height);
    EXPECT_EQ(gravim.events.KBNMessages[0][0], 0);
}

TEST_F(ShownRoot, SwitchedOffTypesAreDropped) {
    WMessageEnable(EvKey, 0);
    PostMessageA(hClient[0], WM_CHAR, 'q', 1);
    WMessageEnable(EvMenu, 1);
    PostMessageA(hClient[0], WM_COMMAND, MAKEWPARAM(321, 0), 0);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvKey, EvMenu}), EvMenu);
    EXPECT_EQ(record.Value1, 321);
    EXPECT_EQ(record.PosX, -1);
}

TEST_F(ShownRoot, CloseRequestAndFrameClick) {
    // Middle buttons: Wine tracks a pressed left or right button on the caption until release.
    PostMessageA(wWindow[0], WM_CLOSE, 0, 0);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvCloseRequest}), EvCloseRequest);
    EXPECT_EQ(record.Win, 0);
    EXPECT_TRUE(IsWindow(wWindow[0]));  // the application decides
    WMessageEnable(EvFrameClick, 1);
    PostMessageA(wWindow[0], WM_NCMBUTTONDOWN, HTCAPTION, 0);
    ASSERT_EQ(nextEvent(record, {EvFrameClick}), EvFrameClick);
    EXPECT_EQ(record.Value1, 2);
    PostMessageA(wWindow[0], WM_NCMBUTTONDOWN, HTMINBUTTON, 0);
    EXPECT_EQ(nextEvent(record, {EvFrameClick}, 300), 0);  // the minimise button gives none
}

}  // namespace
