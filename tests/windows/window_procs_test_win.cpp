// window_procs_test_win.cpp - the frame and client procedures under Wine: accelerators, menu
// prompts in the status bar, and repainting from memory snapshots without events.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "test_root_win.hpp"

namespace {

constexpr int MenuWithPrompts = 204;

class WindowProcedures : public ::testing::Test {
protected:
    void SetUp() override { openTestRoot(7 | WinStatusBar, 60, 60, 320, 200, MenuWithPrompts); }
    void TearDown() override { closeTestRoot(); }
    static std::string prompt() { return statusBarText(0); }
    static void select(UINT identifier, UINT flags) {
        SendMessageA(wWindow[0], WM_MENUSELECT, MAKEWPARAM(identifier, flags),
                     reinterpret_cast<LPARAM>(GetSubMenu(hMenuRoot[0], 0)));
    }
};

TEST_F(WindowProcedures, AcceleratorOfTheRootMenuGivesAMenuEvent) {
    ASSERT_NE(hAccel[0], nullptr);
    BYTE state[256] = {};
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    PostMessageA(hClient[0], WM_KEYDOWN, 'O', 1);
    int type = 0;
    WMessageRecord record;
    WMessage(type, record);
    BYTE clear[256] = {};
    SetKeyboardState(clear);
    EXPECT_EQ(type, EvMenu);
    EXPECT_EQ(record.Value1, 2041);
    EXPECT_EQ(record.Win, 0);
}

TEST_F(WindowProcedures, MenuPromptsFromResourceRunTimeTextAndSystemMenu) {
    ASSERT_NE(hKBNMenuString[0], nullptr);
    SendMessageA(wWindow[0], WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_TRUE(SendMessageA(wMessLine[0], SB_ISSIMPLE, 0, 0));
    select(2042, MF_STRING);
    EXPECT_EQ(prompt(), "Saves the file");  // after a record of odd length
    select(2041, MF_STRING);
    EXPECT_EQ(prompt(), "Opens a file");
    select(2043, MF_STRING);
    EXPECT_EQ(prompt(), "");
    select(SC_CLOSE, MF_SYSMENU);
    EXPECT_EQ(prompt(), "Closes the window");
    select(SC_MAXIMIZE, MF_SYSMENU);
    EXPECT_EQ(prompt(), "Enlarges the window to full size");

    // A prompt set at run time on the item comes first; the library reads it with the system's
    // record up to (not including) the item bitmap, whose size differs between 32 and 64 bits.
    EXPECT_EQ(static_cast<std::size_t>(yysizeofmenuiteminfo()), offsetof(MENUITEMINFOA, hbmpItem));
    static char runTime[] = "Leaves the program";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(runTime);
    SetMenuItemInfoA(hMenuRoot[0], 2043, FALSE, &item);
    select(2043, MF_STRING);
    EXPECT_EQ(prompt(), "Leaves the program");

    hWinMenuClick = wWindow[0];
    SendMessageA(wWindow[0], WM_EXITMENULOOP, FALSE, 0);
    EXPECT_FALSE(SendMessageA(wMessLine[0], SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(hWinMenuClick, nullptr);
}

TEST_F(WindowProcedures, SnapshotsRepaintWithoutExposeEvents) {
    HDC screen = GetDC(hClient[0]);
    HBITMAP snapshot = CreateCompatibleBitmap(screen, 320, 200);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, snapshot);
    RECT all = {0, 0, 320, 200};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(memory, &all, red);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(red);
    ReleaseDC(hClient[0], screen);

    hImage[0] = snapshot;
    wBlitOn = 1;
    InvalidateRect(hClient[0], nullptr, TRUE);
    UpdateWindow(hClient[0]);
    EXPECT_EQ(gravim.events.wMessageType, 0);  // no expose
    EXPECT_EQ(gravim.events.KBNMessages[0][0], 0);
    HDC dc = GetDC(hClient[0]);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 319, 199), RGB(255, 0, 0));
    ReleaseDC(hClient[0], dc);
    wBlitOn = 0;
    hImage[0] = nullptr;
    DeleteObject(snapshot);

    // Without snapshots the same repaint is an expose again.
    InvalidateRect(hClient[0], nullptr, TRUE);
    UpdateWindow(hClient[0]);
    EXPECT_EQ(gravim.events.wMessageType, EvExpose);
}

TEST_F(WindowProcedures, InnerChildWithoutStatusBarPromptsOnItsParents) {
    int result = 0, dialog = 0;
    const int toolbars[4] = {0, 0, 0, 0};
    yyopenchild(10, 10, 100, 60, result, 7 | 0x10, 0, toolbars, dialog, 0, -1, "inner");
    ASSERT_GT(result, 0);
    EXPECT_EQ(yyGetPromptWindow(result), wMessLine[0]);
    int top = 0;
    yyopenchild(10, 10, 100, 60, top, 7, 0, toolbars, dialog, 0, -1, "top level");
    ASSERT_GT(top, 0);
    EXPECT_EQ(yyGetPromptWindow(top), nullptr);  // a top-level child has no parent bar to use
}

}  // namespace
