// dialog_events_win.cpp - events the dialog procedure raises from real interaction: clicks,
// typed characters and Tab posted through the message queue, Escape and help; the library's own
// puts raise none.
#include <string>
#include <vector>

#include "windows/events.hpp"
#include "windows/windows.hpp"
#include "dialog_fixture_win.hpp"
#include "gui_driver_win.hpp"

namespace {

class DialogEvents : public DialogTest {
protected:
    // As the viewer runs: a hidden root window, field changes and tab changes switched on.
    void SetUp() override {
        DialogTest::SetUp();
        WindowOpen(WinHidden);
        WMessageEnable(EvFieldChanged, 1);
        WMessageEnable(EvTabChanged, 1);
    }
    void TearDown() override {
        WindowClose();
        DialogTest::TearDown();
    }
    static std::vector<Seen> events() { return collectEvents(); }
    static void key(HWND window, WPARAM key) {
        PostMessageA(window, WM_KEYDOWN, key, 1);
        PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    }
    static void typed(HWND window, char c) { PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1); }
    void show(int id = 103) {
        WDialogLoad(103, id);
        WDialogShow();
        events();  // what showing raised
    }
};

TEST_F(DialogEvents, PushButtonCarriesThePreviousField) {
    show();
    WDialogSetField(1001);
    events();
    PostMessageA(field(1003), BM_CLICK, 0, 0);
    std::vector<Seen> seen = events();
    ASSERT_FALSE(seen.empty()) << "no event";
    EXPECT_EQ(seen.back(), (Seen{EvPushButton, 103, 1003, 1001}));
}

TEST_F(DialogEvents, TabMovesTheFocusAndReportsBothFields) {
    show();
    WDialogSetField(1001);
    events();
    key(field(1001), VK_TAB);
    std::vector<Seen> seen = events();
    ASSERT_EQ(seen.size(), 1u) << ::testing::PrintToString(seen);
    EXPECT_EQ(seen[0], (Seen{EvFieldChanged, 103, 1001, 1002}));
}

TEST_F(DialogEvents, ChangesInPlaceReportTheFieldTwice) {
    show();
    WDialogSetField(1012);
    events();
    typed(field(1012), 'D');  // picks "Density"
    std::vector<Seen> seen = events();
    ASSERT_FALSE(seen.empty()) << "no event";
    EXPECT_EQ(seen.back(), (Seen{EvFieldChanged, 103, 1012, 1012}));
    Text<20> item;
    TextRef ref = item.ref();
    int option = 0;
    WDialogGetMenu(1012, option, &ref);
    EXPECT_EQ(option, 3);

    // A text field reports typing only with change events on.
    WDialogSetField(1001);
    events();
    typed(field(1001), 'x');
    EXPECT_TRUE(events().empty());
    int f = 1001;
    yyfieldoption(f, 3, 1);
    typed(field(1001), 'y');
    seen = events();
    ASSERT_EQ(seen.size(), 1u) << ::testing::PrintToString(seen);
    EXPECT_EQ(seen[0], (Seen{EvFieldChanged, 103, 1001, 1001}));
}

TEST_F(DialogEvents, ClickingACheckBoxFirstMovesTheFocus) {
    show();
    WDialogSetField(1001);
    events();
    // 1006 is a plain check box in the template, set by the companion text: the library made it
    // automatic, so a click clears it. Press and release arrive as two messages, as a real click does.
    PostMessageA(field(1006), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(field(1006), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    std::vector<Seen> seen = events();
    ASSERT_EQ(seen.size(), 2u) << ::testing::PrintToString(seen);
    EXPECT_EQ(seen[0], (Seen{EvFieldChanged, 103, 1001, 1006}));
    EXPECT_EQ(seen[1], (Seen{EvFieldChanged, 103, 1006, 1006}));
    int state = 1;
    WDialogGetCheckBox(1006, state);
    EXPECT_EQ(state, 0);
    // With the focus already on it, a click is only a change in place.
    PostMessageA(field(1006), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(field(1006), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    seen = events();
    ASSERT_EQ(seen.size(), 1u) << ::testing::PrintToString(seen);
    EXPECT_EQ(seen[0], (Seen{EvFieldChanged, 103, 1006, 1006}));
}

TEST_F(DialogEvents, EscapeAndHelpArePushButtons) {
    show();
    WDialogSetField(1001);
    events();
    key(field(1001), VK_ESCAPE);
    std::vector<Seen> seen = events();
    ASSERT_FALSE(seen.empty()) << "no event";
    EXPECT_EQ(seen.back(), (Seen{EvPushButton, 103, 2, 1001}));
    WDialogSetField(1001);
    events();
    // The help key reaches the focused field as the system's F1 message.
    constexpr UINT keyF1 = 0x004D;
    PostMessageA(field(1001), keyF1, 0, 0);
    seen = events();
    ASSERT_FALSE(seen.empty()) << "no event";
    EXPECT_EQ(seen.back(), (Seen{EvPushButton, 103, 9, 1001}));
}

TEST_F(DialogEvents, ADialogLoadedUnderAnotherIdentifierRaisesItsEventsUnderIt) {
    show(203);
    PostMessageA(field(1003), BM_CLICK, 0, 0);
    std::vector<Seen> seen = events();
    ASSERT_FALSE(seen.empty()) << "no event";
    EXPECT_EQ(seen.back().type, EvPushButton);
    EXPECT_EQ(seen.back().win, 203);
    EXPECT_EQ(seen.back().value1, 1003);
}

TEST_F(DialogEvents, TheLibrarysOwnPutsRaiseNothing) {
    show();
    int f = 1001;
    yyfieldoption(f, 3, 1);
    WDialogPutString(1001, "changed");
    WDialogPutInteger(1002, 5);
    WDialogPutCheckBox(1007, 1);
    WDialogPutRadioButton(1009);
    Text<5> items[2] = {Text<5>("a"), Text<5>("b")};
    TextRef refs[2] = {items[0].ref(), items[1].ref()};
    WDialogPutMenu(1012, refs, 2, 2);
    WDialogClearField(1014);
    WDialogFieldState(1038, FieldDisabled);
    EXPECT_TRUE(events().empty());
    // Loading raises nothing either.
    WDialogLoad(104);
    EXPECT_TRUE(events().empty());
}

TEST_F(DialogEvents, TabChangeHidesOnePageAndShowsTheOther) {
    show();
    HWND tab = field(1020);
    HWND general = hDialogList[yydialogfind(2001)];
    HWND options = hDialogList[yydialogfind(2002)];
    EXPECT_TRUE(IsWindowVisible(options));
    EXPECT_FALSE(IsWindowVisible(general));
    SetFocus(tab);
    events();
    key(tab, VK_LEFT);
    std::vector<Seen> seen = events();
    ASSERT_FALSE(seen.empty()) << "no event";
    EXPECT_EQ(seen.back(), (Seen{EvTabChanged, 103, 2001, 2002}));
    EXPECT_TRUE(IsWindowVisible(general));
    EXPECT_FALSE(IsWindowVisible(options));
}

}  // namespace
