// show_test_win.cpp - showing dialogs under Wine: the modal copy closed by a driver, semi-modeless
// shows disabling the others, positions, tab pages by click and keyboard, resizing.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/window_info.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/messagebox.hpp"
#include "dialogs/show_internal_win.hpp"
#include "graphics/screen_win.hpp"
#include "dialog_fixture_win.hpp"
#include "gui_driver_win.hpp"

namespace {

HWND dialogWindow(int id) {
    const int index = yydialogfind(id);
    return index > 0 ? hDialogList[index] : nullptr;
}

HWND fieldOf(int dialog, int field) { return GetDlgItem(dialogWindow(dialog), field); }

std::string text(HWND window) {
    char buffer[256] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

void pump() {
    pumpUntil([] { return false; }, 60);
}

// Plays the user of a modal copy: finds the visible dialog with the title, types into one field
// and presses a button, once.
struct ModalUser {
    static inline std::string title;
    static inline int field = 0;
    static inline std::string typed;
    static inline int button = 0;
    static inline std::string seen;  // what the copy showed in field 3111 when it came up
    static inline int focusedAtStart = 0;
    static inline bool done = false;
    UINT_PTR timer;
    ModalUser(std::string t, int f, std::string value, int b) {
        title = std::move(t);
        field = f;
        typed = std::move(value);
        button = b;
        seen.clear();
        done = false;
        timer = SetTimer(nullptr, 0, 40, tick);
    }
    ~ModalUser() { KillTimer(nullptr, timer); }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        if (done) return;
        HWND copy = FindWindowA("#32770", title.c_str());
        if (copy == nullptr || !IsWindowVisible(copy)) return;
        done = true;
        seen = text(GetDlgItem(copy, 3111));
        focusedAtStart = GetFocus() != nullptr ? GetDlgCtrlID(GetFocus()) : 0;
        HWND target = GetDlgItem(copy, field);
        SetFocus(target);
        SetWindowTextA(target, typed.c_str());
        SendMessageA(target, EM_SETMODIFY, TRUE, 0);
        PostMessageA(GetDlgItem(copy, button), BM_CLICK, 0, 0);
    }
};

class DialogShows : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WindowOpen(7 | WinHidden);
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }
    static bool enabled(int id) { return IsWindowEnabled(dialogWindow(id)) != FALSE; }
    static bool visible(int id) { return IsWindowVisible(dialogWindow(id)) != FALSE; }
    static RECT box(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
};

TEST_F(DialogShows, AModalShowCopiesTheFieldsBackAndTellsWhichButtonClosedIt) {
    WDialogLoad(310);
    WDialogPutString(3113, "before");
    {
        ModalUser user("Modal numbers", 3113, "typed", 3114);
        WDialogShow(-1, -1, 0, 1);
        EXPECT_TRUE(ModalUser::done);
        EXPECT_EQ(ModalUser::seen, "12.5") << "the copy starts with the dialog's values";
    }
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(WInfoDialog(1), 3114);
    EXPECT_EQ(WInfoDialog(2), 3113);
    EXPECT_EQ(WInfoDialog(5), 310);
    Text<20> value;
    WDialogGetString(3113, value);
    EXPECT_EQ(value.trimmed(), "typed");
    EXPECT_FALSE(visible(310));
    EXPECT_EQ(visibleDialogTitles(), "") << "the copy is gone";
}

TEST_F(DialogShows, AModalShowWithAFocusFieldStartsThere) {
    WDialogLoad(310);
    {
        ModalUser user("Modal numbers", 3113, "typed", IDOK);
        WDialogShow(-1, -1, 3112, 1);
        EXPECT_TRUE(ModalUser::done);
        EXPECT_EQ(ModalUser::focusedAtStart, 3112);
    }
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(WInfoDialog(1), IDOK);
    Text<20> value;
    WDialogGetString(3113, value);
    EXPECT_EQ(value.trimmed(), "typed");
}

TEST_F(DialogShows, ADialogLoadedUnderAnotherIdentifierStillShowsModally) {
    WDialogLoad(310, 910);
    {
        ModalUser user("Modal numbers", 3113, "x", IDCANCEL);
        WDialogShow(-1, -1, 0, 1);
        EXPECT_TRUE(ModalUser::done);
    }
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(WInfoDialog(1), IDCANCEL);
    EXPECT_EQ(WInfoDialog(5), 910);
}

TEST_F(DialogShows, SemiModelessDisablesTheOthersUntilItIsHidden) {
    WDialogLoad(311);
    WDialogShow();
    WDialogLoad(312);
    WDialogShow();
    WDialogLoad(313);
    WDialogShow(-1, -1, 0, 3);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_FALSE(enabled(311));
    EXPECT_FALSE(enabled(312));
    EXPECT_TRUE(enabled(313));

    // A modeless show meanwhile becomes semi-modeless.
    WDialogLoad(310);
    WDialogShow(-1, -1, 0, 2);
    EXPECT_EQ(WInfoError(1), 1014);
    EXPECT_TRUE(visible(310));
    WDialogHide();

    // A message box leaves only the semi-modeless dialog enabled.
    WDialogSelect(313);
    {
        AutoAnswer answer(IDOK, "Box");
        WMessageBox(0, 0, 1, "While semi-modeless", "Box");
        EXPECT_EQ(answer.answered(), 1);
    }
    EXPECT_TRUE(enabled(313));
    EXPECT_FALSE(enabled(311));

    WDialogSelect(313);
    WDialogHide();
    EXPECT_TRUE(enabled(311));
    EXPECT_TRUE(enabled(312));
    EXPECT_TRUE(IsWindowEnabled(wWindow[0])) << "the hidden root window is enabled again as well";
}

TEST_F(DialogShows, PositionsAreRootWindowUnitsAndScreenPixelsAreNotConvertedTwice) {
    WDialogLoad(311);
    WDialogShow(5000, 2000);
    int x = 0, y = 0;
    const int previous = gravim.windows.wIndex;
    WindowSelect(0);
    WindowUnitsToPixels(5000, 2000, x, y);
    WindowSelect(previous);
    EXPECT_EQ(box(dialogWindow(311)).left, x);
    EXPECT_EQ(box(dialogWindow(311)).top, y);

    // Showing it again only brings it to the front.
    WDialogShow(100, 100);
    EXPECT_EQ(box(dialogWindow(311)).left, x);
    WDialogHide();

    WDialogLoad(312);
    yyshowcd(0, 2, 0);
    POINT origin = {0, 0};
    ClientToScreen(hClient[0], &origin);
    EXPECT_EQ(box(dialogWindow(312)).left, origin.x);
    EXPECT_EQ(box(dialogWindow(312)).top, origin.y);
}

TEST_F(DialogShows, ErrorsOfShowAndHide) {
    WDialogShow();
    EXPECT_EQ(WInfoError(1), 1005);
    WDialogLoad(313);
    WDialogSelect(3101);
    WDialogHide();
    EXPECT_EQ(WInfoError(1), 1069);
}

class TabPages : public DialogShows {
protected:
    void SetUp() override {
        DialogShows::SetUp();
        WDialogLoad(313);
        WDialogShow();
        tab = fieldOf(313, 3130);
        pump();
    }
    void click(int item) {
        RECT r;
        SendMessageA(tab, TCM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(tab, WM_LBUTTONUP, 0, at);
        pump();
    }
    void key(int vk) {
        PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
        PostMessageA(GetFocus(), WM_KEYUP, vk, 0xC0000001);
        pump();
    }
    int selected() const { return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)); }
    HWND tab = nullptr;
};

TEST_F(TabPages, ClickAndArrowKeysSwitchPagesSkippingDisabledTabs) {
    EXPECT_TRUE(visible(3101));
    EXPECT_FALSE(visible(3102));
    SetFocus(tab);
    key(VK_RIGHT);
    EXPECT_EQ(selected(), 1) << "the first key after the show moves already";
    click(0);
    EXPECT_EQ(selected(), 0);
    click(1);
    EXPECT_EQ(selected(), 1);
    EXPECT_TRUE(visible(3102));
    EXPECT_FALSE(visible(3101));

    SetFocus(tab);
    key(VK_RIGHT);
    EXPECT_EQ(selected(), 2);
    EXPECT_TRUE(visible(3103));
    key(VK_RIGHT);
    EXPECT_EQ(selected(), 2) << "nothing beyond the last tab";

    int field = 3130, page = 3102;
    WDialogSelect(313);
    yytabenable(field, page, 0);
    EXPECT_EQ(field, 3130);
    SetFocus(tab);
    key(VK_LEFT);
    EXPECT_EQ(selected(), 0) << "the disabled second tab is skipped";
    click(1);
    EXPECT_EQ(selected(), 0) << "a disabled tab cannot be clicked";
}

TEST_F(TabPages, AnInvalidNumericFieldBlocksTheChange) {
    HWND number = fieldOf(3101, 3141);
    SetFocus(number);
    SetWindowTextA(number, "75");
    SendMessageA(number, EM_SETMODIFY, TRUE, 0);
    click(1);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(GetFocus(), number);
    EXPECT_TRUE(visible(3101));

    // Once the value is mended the change goes through.
    SetWindowTextA(number, "7");
    click(1);
    EXPECT_EQ(selected(), 1);
    EXPECT_TRUE(visible(3102));
}

TEST_F(TabPages, TheLibrarySelectsAPageWithoutAnEvent) {
    int field = 3130, page = 3103;
    WDialogSelect(313);
    yydialogsettab(field, page);
    EXPECT_EQ(selected(), 2);
    EXPECT_TRUE(visible(3103));
    EXPECT_FALSE(visible(3101));
    page = 4444;
    yydialogsettab(field, page);
    EXPECT_EQ(page, -1);
}

TEST_F(DialogShows, AResizableDialogMovesItsAnchoredControls) {
    WDialogLoad(314);
    WDialogShow();
    HWND dialog = dialogWindow(314);
    const RECT ok = box(fieldOf(314, IDOK)), cancel = box(fieldOf(314, IDCANCEL)), list = box(fieldOf(314, 3151));
    const RECT outer = box(dialog);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left + 60, outer.bottom - outer.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    pump();
    const RECT ok2 = box(fieldOf(314, IDOK)), cancel2 = box(fieldOf(314, IDCANCEL)), list2 = box(fieldOf(314, 3151));
    EXPECT_EQ(ok2.left - ok.left, 60);
    EXPECT_EQ(ok2.top, ok.top);
    EXPECT_EQ(cancel2.top - cancel.top, 40);
    EXPECT_EQ(cancel2.left, cancel.left);
    EXPECT_EQ(list2.right - list.right, 60);
    EXPECT_EQ(list2.bottom - list.bottom, 40);
    bool grip = false;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        grip = grip || (GetWindowLongA(c, GWL_STYLE) & SBS_SIZEGRIP) != 0;
    EXPECT_TRUE(grip);
}

TEST_F(DialogShows, ShrinkingAFixedDialogHidesWhatFallsOutsideAndGrowingBringsItBack) {
    WDialogLoad(315);
    WDialogShow();
    HWND outside = fieldOf(315, 3162);
    int result = 5;
    yydialogsize(100, 60, result);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(IsWindowVisible(outside));
    yydialogsize(200, 100, result);
    EXPECT_TRUE(IsWindowVisible(outside));
    EXPECT_FALSE(IsWindowEnabled(outside)) << "it keeps its disabled state";
}

}  // namespace

namespace {

// The push buttons among the events of a short while.
std::vector<Seen> pushButtons() {
    std::vector<Seen> buttons;
    for (const Seen& e : collectEvents())
        if (e.type == EvPushButton) buttons.push_back(e);
    return buttons;
}

class NumericInADialog : public DialogShows {
protected:
    void SetUp() override {
        DialogShows::SetUp();
        WDialogLoad(310);
        WDialogShow();
        number = fieldOf(310, 3111);
        SetFocus(number);
        pushButtons();
    }
    void click(int button) { PostMessageA(fieldOf(310, button), BM_CLICK, 0, 0); }
    HWND number = nullptr;
};

TEST_F(NumericInADialog, OkIsRefusedWhileAnotherButtonPutsTheOldTextBack) {
    SetWindowTextA(number, "75");
    SendMessageA(number, EM_SETMODIFY, TRUE, 0);
    click(IDOK);
    EXPECT_EQ(pushButtons(), std::vector<Seen>{}) << "OK raises nothing while the field is out of range";
    EXPECT_EQ(GetFocus(), number);
    EXPECT_EQ(text(number), "75");

    click(3114);
    const std::vector<Seen> seen = pushButtons();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].value1, 3114);
    EXPECT_EQ(text(number), "12.5") << "the text it had when it took the focus";
}

TEST_F(NumericInADialog, EnterPressesTheDefaultButton) {
    SetWindowTextA(number, "20");
    PostMessageA(number, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(number, WM_KEYUP, VK_RETURN, 0xC0000001);
    const std::vector<Seen> seen = pushButtons();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].value1, IDOK);
}

TEST_F(NumericInADialog, TheSpinArrowsStepAndClamp) {
    WDialogRangeInteger(3112, 0, 43);
    HWND spin = fieldOf(310, 3112);
    HWND arrows = yyfieldrecord(spin)->spinBuddy;
    ASSERT_NE(arrows, nullptr);
    RECT box;
    GetClientRect(arrows, &box);
    const LPARAM up = MAKELPARAM(box.right / 2, 2);
    for (int click = 0; click < 2; ++click) {
        PostMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, up);
        PostMessageA(arrows, WM_LBUTTONUP, 0, up);
        pushButtons();
    }
    EXPECT_EQ(text(spin), "43") << "42 and one step, then held at the upper bound";
    EXPECT_EQ(GetFocus(), spin);
    int value = 0;
    WDialogGetInteger(3112, value);
    EXPECT_EQ(value, 43);
}

}  // namespace

namespace {

TEST_F(DialogShows, AFieldOrTheDialogBecomesADrawingSurface) {
    WDialogLoad(315);
    WDialogShow();
    int field = 0, width = 0, height = 0;
    yyfieldselect(field, width, height);
    RECT client;
    GetClientRect(dialogWindow(315), &client);
    EXPECT_EQ(field, 0);
    EXPECT_EQ(width, client.right);
    EXPECT_EQ(height, client.bottom);
    EXPECT_EQ(yydialogrecord(dialogWindow(315))[DlgIsSurface], 1);

    field = 3161;
    yyfieldselect(field, width, height);
    EXPECT_EQ(field, 3161);
    EXPECT_EQ(yyfieldrecord(fieldOf(315, 3161))->graphicsField, 1);
    GetClientRect(fieldOf(315, 3161), &client);
    EXPECT_EQ(width, client.right);

    field = 4444;
    yyfieldselect(field, width, height);
    EXPECT_EQ(field, -1);
    yygrselectnone();
}

}  // namespace

namespace {

TEST_F(DialogShows, DialogInformationOfAShownDialog) {
    EXPECT_EQ(WInfoDialog(10), 0) << "no dialog";
    WDialogLoad(311);
    WDialogShow(5000, 2000);
    const RECT r = box(dialogWindow(311));
    EXPECT_EQ(WInfoDialog(3), 311);
    EXPECT_EQ(WInfoDialog(10), 1) << "a top-level dialog";
    EXPECT_EQ(WInfoDialog(6), r.left);
    EXPECT_EQ(WInfoDialog(7), r.top);
    EXPECT_EQ(WInfoDialog(8), r.right - r.left);
    EXPECT_EQ(WInfoDialog(9), r.bottom - r.top);
    EXPECT_EQ(WInfoDialog(77), r.bottom - r.top) << "an unknown item repeats the previous answer";
}

}  // namespace

namespace {

TEST_F(DialogShows, APageIsADialogInsideADialog) {
    WDialogLoad(313);
    WDialogShow();
    WDialogSelect(3101);
    EXPECT_EQ(WInfoDialog(10), 3);
    RECT r;
    GetWindowRect(dialogWindow(3101), &r);
    MapWindowPoints(nullptr, dialogWindow(313), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(WInfoDialog(6), r.left) << "pixels of the dialog it lies in";
    EXPECT_EQ(WInfoError(1), 0);
}

}  // namespace

namespace {

TEST_F(DialogShows, ADialogInsideAHiddenWindowIsNotShown) {
    WDialogLoad(3102, 3102, 0);
    WDialogShow();
    EXPECT_EQ(WInfoError(1), 1016);
    EXPECT_FALSE(visible(3102));
}

TEST_F(DialogShows, ADialogInsideAWindowIsPlacedInItsUnits) {
    WindowClose();
    WindowOpen(7, 20, 20, 600, 400);
    WDialogLoad(3102, 3102, 0);
    WDialogShow(5000, 2500, 3142);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_TRUE(visible(3102));
    EXPECT_EQ(WInfoDialog(10), 2);
    int px = 0, py = 0;
    WindowUnitsToPixels(5000, 2500, px, py);
    RECT r = box(dialogWindow(3102));
    MapWindowPoints(nullptr, hClient[0], reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, px);
    EXPECT_EQ(r.top, py);
    // Reported back in the same units (within the rounding of the two conversions).
    EXPECT_NEAR(WInfoDialog(6), 5000, 20);
    EXPECT_NEAR(WInfoDialog(7), 2500, 30);
    EXPECT_EQ(GetFocus(), fieldOf(3102, 3142));
}

}  // namespace
