// menus_test_win.cpp - menus, toolbars and menu prompts under Wine: resources written by windres,
// the root window with a menu, a status bar and toolbars, real clicks and real keys.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "event_wait_win.hpp"
#include "gui_driver_win.hpp"
#include "test_root_win.hpp"

namespace {

constexpr int TestMenu = 30501, PaneMenu = 30502;
constexpr int ThreeButtons = 31001, ToolbarOnly = 31002;
constexpr int Open = 30511, Save = 30512, Check = 30513, Inactive = 30514, Help = 30515, Zoom = 501;
constexpr int OnlyOnToolbar = 30599;

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        const int toolbars[4] = {ThreeButtons, 0, 0, 0};
        openTestRoot(7 | WinStatusBar, 40, 40, 400, 240, TestMenu, toolbars);
    }
    void TearDown() override { closeTestRoot(); }
    static std::string prompt() { return statusBarText(0); }
    static void select(UINT identifier, HMENU popup) {
        SendMessageA(wWindow[0], WM_MENUSELECT, MAKEWPARAM(identifier, MF_STRING), reinterpret_cast<LPARAM>(popup));
    }
    static HWND top() { return hToolbar[0][0]; }
    static TBBUTTON button(HWND toolbar, int index) {
        TBBUTTON b{};
        SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b));
        return b;
    }
    static std::string tooltipOf(HWND toolbar, int command) {
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(command);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(wWindow[0], WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText != nullptr ? info.lpszText : info.szText;
    }
    static std::vector<int> fileItems() {
        std::vector<int> items;
        HMENU file = GetSubMenu(hMenuRoot[0], 0);
        for (int k = 0; k < GetMenuItemCount(file); ++k) items.push_back(static_cast<int>(GetMenuItemID(file, k)));
        return items;
    }
};

TEST_F(Menus, IdentifierListGreyingAndPromptsOfOddLength) {
    HMENU view = GetSubMenu(hMenuRoot[0], 1);
    EXPECT_EQ(GetMenuItemID(view, 0), static_cast<UINT>(Zoom));  // record 501, 2, 1, 0
    EXPECT_TRUE(GetMenuState(hMenuRoot[0], Inactive, MF_BYCOMMAND) & MF_DISABLED);

    HMENU loaded = yymnload(TestMenu);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(loaded, 1), 0), static_cast<UINT>(Zoom));
    EXPECT_TRUE(GetMenuState(loaded, Inactive, MF_BYCOMMAND) & MF_GRAYED);  // inactive became grey
    DestroyMenu(loaded);
    EXPECT_EQ(yymnload(30999), nullptr);

    ASSERT_NE(hKBNMenuString[0], nullptr);
    EXPECT_EQ(yymenustringprompt(hKBNMenuString[0], Save).value_or("none"), "Save it");
    SendMessageA(wWindow[0], WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_TRUE(SendMessageA(wMessLine[0], SB_ISSIMPLE, 0, 0));
    HMENU file = GetSubMenu(hMenuRoot[0], 0);
    select(Save, file);
    EXPECT_EQ(prompt(), "Save it");
    select(Zoom, view);
    EXPECT_EQ(prompt(), "Zooms");
    select(Open, file);
    EXPECT_EQ(prompt(), "Open");
    SendMessageA(wWindow[0], WM_EXITMENULOOP, FALSE, 0);
}

TEST_F(Menus, ToolbarFromItsListWithStatesFromTheMenu) {
    ASSERT_NE(top(), nullptr);
    EXPECT_EQ(GetDlgCtrlID(top()), ThreeButtons);
    ASSERT_EQ(SendMessageA(top(), TB_BUTTONCOUNT, 0, 0), 4);
    // The list asks for 22 x 21; Wine's toolbar keeps buttons at least the image width + 7 wide.
    const LRESULT size = SendMessageA(top(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(LOWORD(size), 22);
    EXPECT_LE(LOWORD(size), 23);
    EXPECT_EQ(HIWORD(size), 21);
    EXPECT_EQ(iToolSize[0][0], 27);
    RECT bar, client;
    GetWindowRect(top(), &bar);
    EXPECT_EQ(bar.bottom - bar.top, 27);
    GetWindowRect(hClient[0], &client);
    EXPECT_EQ(client.top, bar.bottom);  // the client area starts below the bar

    const int commands[] = {Open, Save, 0, Check};
    const int images[] = {0, 1, -1, 2};
    for (int k = 0; k < 4; ++k) {
        const TBBUTTON b = button(top(), k);
        EXPECT_EQ(b.idCommand, commands[k]) << k;
        if (commands[k] == 0) {
            EXPECT_TRUE(b.fsStyle & BTNS_SEP);
        } else {
            EXPECT_EQ(b.iBitmap, images[k]) << k;
        }
    }
    EXPECT_TRUE(SendMessageA(top(), TB_ISBUTTONENABLED, Open, 0));
    EXPECT_FALSE(SendMessageA(top(), TB_ISBUTTONENABLED, Save, 0));  // grey item
    EXPECT_TRUE(SendMessageA(top(), TB_ISBUTTONCHECKED, Check, 0));  // checked item
}

TEST_F(Menus, CheckAndGreyAreMirroredOnTheButtons) {
    int state = 1;
    yymnchck(Open, state);
    EXPECT_EQ(state, 1);
    EXPECT_TRUE(GetMenuState(hMenuRoot[0], Open, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(SendMessageA(top(), TB_ISBUTTONCHECKED, Open, 0));
    state = 0;
    yymngrey(Open, state);
    EXPECT_EQ(state, 1);
    EXPECT_TRUE(GetMenuState(hMenuRoot[0], Open, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(SendMessageA(top(), TB_ISBUTTONENABLED, Open, 0));
    yymngflg(Open, 1, state);
    EXPECT_EQ(state, 0);
    yymngflg(Open, 2, state);
    EXPECT_EQ(state, 1);

    // A menu item without a button keeps the caller's state; an unknown identifier gives -1.
    state = 1;
    yymnchck(Help, state);
    EXPECT_EQ(state, 1);
    EXPECT_TRUE(GetMenuState(hMenuRoot[0], Help, MF_BYCOMMAND) & MF_CHECKED);
    state = 0;
    yymngrey(40000, state);
    EXPECT_EQ(state, -1);
    yymngflg(40000, 1, state);
    EXPECT_EQ(state, -1);

    // A button without a menu item: a left toolbar, then grey it.
    int number = ToolbarOnly, width = 0, height = 0;
    yymntbar(number, 0, 1, width, height);
    ASSERT_EQ(number, ToolbarOnly);
    EXPECT_EQ(iToolSize[0][1], 25);
    RECT client;
    GetClientRect(hClient[0], &client);
    EXPECT_EQ(width, client.right);
    EXPECT_EQ(height, -1);
    state = 0;
    yymngrey(OnlyOnToolbar, state);
    EXPECT_EQ(state, 1);
    EXPECT_FALSE(SendMessageA(hToolbar[0][1], TB_ISBUTTONENABLED, OnlyOnToolbar, 0));
    yymngflg(OnlyOnToolbar, 1, state);
    EXPECT_EQ(state, 0);
}

TEST_F(Menus, InsertTextDeleteAndRunTimePrompts) {
    int reference = Save;
    yymnins(reference, 1, 601, "Before");
    reference = Save;
    yymnins(reference, 2, 602, "After");
    reference = Save;
    yymnins(reference, 99, 0, "");
    EXPECT_EQ(fileItems(), (std::vector<int>{Open, 601, Save, 602, Check, Inactive, 0}));
    reference = 40000;
    yymnins(reference, 1, 603, "Nowhere");
    EXPECT_EQ(reference, -1);

    int identifier = 601;
    yymntext(identifier, "Renamed");
    char text[32] = "";
    GetMenuStringA(hMenuRoot[0], 601, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Renamed");

    identifier = 601;
    yymenuprompt(identifier, "Run-time prompt");
    identifier = Open;
    yymenuprompt(identifier, "Replaces the resource prompt");
    EXPECT_EQ(nMenuString[0], 2);
    SendMessageA(wWindow[0], WM_ENTERMENULOOP, FALSE, 0);
    select(601, GetSubMenu(hMenuRoot[0], 0));
    EXPECT_EQ(prompt(), "Run-time prompt");
    select(Open, GetSubMenu(hMenuRoot[0], 0));
    EXPECT_EQ(prompt(), "Replaces the resource prompt");
    identifier = Open;
    yymenuprompt(identifier, "");
    EXPECT_EQ(nMenuString[0], 1);
    select(Open, GetSubMenu(hMenuRoot[0], 0));
    EXPECT_EQ(prompt(), "Open");
    SendMessageA(wWindow[0], WM_EXITMENULOOP, FALSE, 0);

    identifier = 601;
    yymndel(identifier);
    EXPECT_EQ(identifier, 601);
    EXPECT_EQ(nMenuString[0], 0);  // the deleted item's prompt went with it
    identifier = 601;
    yymndel(identifier);
    EXPECT_EQ(identifier, -1);

    identifier = 602;
    yymenuprompt(identifier, "One");
    identifier = Check;
    yymenuprompt(identifier, "Two");
    EXPECT_EQ(nMenuString[0], 2);
    yyClearMenuPrompt(hMenuRoot[0], 0);
    EXPECT_EQ(nMenuString[0], 0);
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    GetMenuItemInfoA(hMenuRoot[0], Check, FALSE, &item);
    EXPECT_EQ(item.dwItemData, 0u);
}

TEST_F(Menus, TooltipsFromTheTableThenFromStringResources) {
    EXPECT_EQ(tooltipOf(top(), Open), "Open tip");
    int identifier = Open;
    yytooltip(identifier, "Run-time tip", 13);
    EXPECT_EQ(identifier, Open);
    EXPECT_EQ(tooltipOf(top(), Open), "Run-time tip");
    identifier = Open;
    yytooltip(identifier, "", 1);  // frees the entry
    EXPECT_EQ(tooltipOf(top(), Open), "Open tip");
    identifier = 40000;
    yytooltip(identifier, "Nowhere", 8);
    EXPECT_EQ(identifier, -1);
    identifier = Save;
    yytooltip(identifier, "Cut to fit the given length", 4);
    EXPECT_EQ(tooltipOf(top(), Save), "Cut");

    // Removing the last toolbar frees the table; a new toolbar starts a new one.
    int number = 0, width = 0, height = 0;
    yymntbar(number, 0, 0, width, height);
    EXPECT_EQ(hToolbar[0][0], nullptr);
    EXPECT_EQ(iToolSize[0][0], 0);
    EXPECT_FALSE(yytooltiptext(0, Save));
    RECT client;
    GetClientRect(hClient[0], &client);
    EXPECT_EQ(height, client.bottom);
    number = ThreeButtons;
    yymntbar(number, 0, 3, width, height);
    ASSERT_NE(hToolbar[0][3], nullptr);
    EXPECT_EQ(tooltipOf(hToolbar[0][3], Save), "");  // no string resource, no run-time text
    identifier = Save;
    yytooltip(identifier, "Again", 6);
    EXPECT_EQ(tooltipOf(hToolbar[0][3], Save), "Again");
    number = 31999;
    yymntbar(number, 0, 2, width, height);
    EXPECT_EQ(number, -1);
    number = ThreeButtons;
    yymntbar(number, 51, 0, width, height);
    EXPECT_EQ(number, -2);
}

TEST_F(Menus, AClickOnAButtonIsAMenuEvent) {
    RECT rect;
    ASSERT_TRUE(SendMessageA(top(), TB_GETRECT, Open, reinterpret_cast<LPARAM>(&rect)));
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(top(), &centre);
    SetForegroundWindow(wWindow[0]);
    clickAt(centre);
    WMessageRecord record{};
    ASSERT_EQ(nextEvent(record, {EvMenu}), EvMenu);
    EXPECT_EQ(record.Value1, Open);
    EXPECT_EQ(record.Win, 0);
}

// Once the floating menu is up: Down selects its first item (the pop-up of the template's bar),
// Enter opens it with its first item selected, Enter chooses that item. A menu that never shows
// is ended.
int floatingTicks = 0, floatingKeys = 0;
void CALLBACK chooseFirstItem(HWND, UINT, UINT_PTR timer, DWORD) {
    static const WPARAM keys[] = {VK_DOWN, VK_RETURN, VK_RETURN};
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup != nullptr && IsWindowVisible(popup) && floatingKeys < 3) {
        PostMessageA(popup, WM_KEYDOWN, keys[floatingKeys++], 0);
    } else if (++floatingTicks > 60) {
        KillTimer(nullptr, timer);
        EndMenu();
    }
}

TEST_F(Menus, AFloatingMenuCommandArrivesAsAMenuEvent) {
    SetForegroundWindow(wWindow[0]);
    floatingTicks = floatingKeys = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, chooseFirstItem);
    int menu = PaneMenu;
    yymnflot(menu, 20, 20, 1);
    KillTimer(nullptr, timer);
    EXPECT_EQ(menu, PaneMenu);
    EXPECT_EQ(hFloatPrompt, nullptr);
    WMessageRecord record{};
    ASSERT_EQ(nextEvent(record, {EvMenu}), EvMenu);
    EXPECT_EQ(record.Value1, 30521);
    menu = 30999;
    yymnflot(menu, 0, 0, 0);
    EXPECT_EQ(menu, -1);
}

TEST_F(Menus, MenuChangeOnWindowsAndTheirKinds) {
    int menu = PaneMenu;
    yymenuchange(menu, 0);
    EXPECT_EQ(menu, PaneMenu);
    EXPECT_EQ(GetMenu(wWindow[0]), hMenuRoot[0]);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(hMenuRoot[0], 0), 0), 30521u);
    EXPECT_EQ(hKBNMenuString[0], nullptr);  // menu 30502 has no prompts
    EXPECT_EQ(hAccel[0], nullptr);
    menu = TestMenu;
    yymenuchange(menu, 0);
    EXPECT_NE(hKBNMenuString[0], nullptr);
    EXPECT_NE(hAccel[0], nullptr);
    menu = 30999;
    yymenuchange(menu, 0);
    EXPECT_EQ(menu, -1);
    menu = TestMenu;
    yymenuchange(menu, 44);
    EXPECT_EQ(menu, -2);

    // A top-level child window gets a menu; an editor window is refused one.
    int result = 0, dialog = 0;
    const int none[4] = {0, 0, 0, 0};
    yyopenchild(10, 10, 200, 120, result, 7, 0, none, dialog, 0, -1, "child");
    ASSERT_GT(result, 0);
    menu = PaneMenu;
    yymenuchange(menu, result);
    EXPECT_EQ(menu, PaneMenu);
    EXPECT_EQ(GetMenu(wWindow[result]), hMenuRoot[result]);
    EXPECT_EQ(yyGetMainMenuWindow(result), result);
    int editor[16] = {KindEditor};
    yysetwindowrecord(wWindow[result], editor);
    menu = TestMenu;
    yymenuchange(menu, result);
    EXPECT_EQ(menu, -2);
    yysetwindowrecord(wWindow[result], nullptr);
    menu = 0;
    yymenuchange(menu, result);
    EXPECT_EQ(hMenuRoot[result], nullptr);
    EXPECT_EQ(GetMenu(wWindow[result]), nullptr);

    // A child placed inside the root without a host record may not have a menu of its own.
    int inside = 0;
    yyopenchild(10, 10, 100, 60, inside, 7 | WinInside, 0, none, dialog, 0, -1, "inside");
    ASSERT_GT(inside, 0);
    menu = PaneMenu;
    yymenuchange(menu, inside);
    EXPECT_EQ(menu, -2);
    EXPECT_EQ(yyGetMainMenuWindow(inside), 0);
}

}  // namespace
