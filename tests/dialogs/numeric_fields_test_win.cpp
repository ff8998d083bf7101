// numeric_fields_test_win.cpp - the numeric edit classes in a real dialog under Wine: typed
// characters, the range check when the focus leaves, re-formatting, Enter and the spin arrows.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "dialog_template_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "gui_driver_win.hpp"

namespace {

constexpr int RealField = 101, IntegerField = 102, DoubleField = 103, SpinField = 104, OtherButton = 3,
              PlainEdit = 105;

std::vector<int> commands;

INT_PTR CALLBACK recordingProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
    return FALSE;
}

class NumericFields : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        yyregistersuperclass();
        yyregistersubclass();
        yygetatoms();
    }
    void SetUp() override {
        commands.clear();
        DialogTemplate t("Numbers", 200, 120);
        t.add("REALEDIT", RealField, "", 10, 10, 60, 12);
        t.add("INTEGEREDIT", IntegerField, "007", 10, 25, 60, 12);
        t.add("DOUBLEEDIT", DoubleField, "", 10, 40, 60, 12);
        t.add("INTEGERSPIN", SpinField, "42", 10, 55, 60, 12);
        t.add("EDIT", PlainEdit, "", 10, 70, 60, 12);
        t.add("BUTTON", IDOK, "OK", 100, 10, 40, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
        t.add("BUTTON", OtherButton, "Other", 100, 30, 40, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
        dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.get(), nullptr, recordingProc, 0);
        ASSERT_NE(dialog, nullptr);
        SetWindowLongPtrA(GetDlgItem(dialog, PlainEdit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubedit));
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
        pump();
        hBadVal = hBadTab = nullptr;
        StoreVal = 1;
        bDecimal = 0;
    }
    void TearDown() override {
        std::vector<FieldRecord*> records;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (yyisnumericclass(c)) records.push_back(yyfieldrecord(c));
        DestroyWindow(dialog);
        for (FieldRecord* r : records) delete r;
        bDecimal = 0;
    }

    HWND field(int id) const { return GetDlgItem(dialog, id); }
    FieldRecord& record(int id) const { return *yyfieldrecord(field(id)); }
    std::string text(int id) const {
        char buffer[256] = "";
        GetWindowTextA(field(id), buffer, sizeof buffer);
        return buffer;
    }
    // Drains the queue the way a library message loop does, dialog keys included.
    void pump() {
        MSG msg;
        for (int round = 0; round < 5; ++round) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (IsDialogMessageA(dialog, &msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(5);
        }
    }
    void type(int id, const std::string& characters) {
        for (char c : characters) PostMessageA(field(id), WM_CHAR, static_cast<unsigned char>(c), 1);
        pump();
    }
    void key(int vk) {
        PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
        PostMessageA(GetFocus(), WM_KEYUP, vk, 0xC0000001);
        pump();
    }
    void enter(int id, const std::string& value) {
        SetFocus(field(id));
        SetWindowTextA(field(id), value.c_str());
        SendMessageA(field(id), EM_SETMODIFY, TRUE, 0);
    }
    void range(int id, double lower, double upper) {
        record(id).lower = lower;
        record(id).upper = upper;
    }
    bool wholeTextSelected(int id) {
        DWORD start = 0, end = 0;
        SendMessageA(field(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == text(id).size() && end > 0;
    }

    HWND dialog = nullptr;
};

TEST_F(NumericFields, TypedCharactersAreFilteredByClass) {
    struct Case {
        int field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {RealField, "1a2e3", "12E3"},     {RealField, "-4.5x", "-4.5"},
        {IntegerField, "1.5x-", "15-"},   {DoubleField, "1d2q", "1D2"},
        {DoubleField, "+3e1", "+3E1"},    {SpinField, "9z", "9"},
    };
    for (const Case& c : cases) {
        SetFocus(field(c.field));
        SetWindowTextA(field(c.field), "");
        type(c.field, c.typed);
        EXPECT_EQ(text(c.field), c.shown) << "typed " << c.typed;
    }
}

TEST_F(NumericFields, TheLocaleDecimalMarkIsShownAndTyped) {
    bDecimal = 1;
    gravim.system.wDecimal = ',';
    enter(RealField, "");
    type(RealField, "1.2,5");
    EXPECT_EQ(text(RealField), "12,5");
    gravim.system.wDecimal = '.';
}

TEST_F(NumericFields, CtrlASelectsTheWholeText) {
    enter(RealField, "12.5");
    SendMessageA(field(RealField), EM_SETSEL, 1, 1);
    type(RealField, "\x01");
    EXPECT_TRUE(wholeTextSelected(RealField));
}

TEST_F(NumericFields, TabOutOfRangeIsRefusedWithTheTextSelected) {
    range(RealField, 0, 70);
    enter(RealField, "75");
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), field(RealField));
    EXPECT_EQ(text(RealField), "75");
    EXPECT_TRUE(wholeTextSelected(RealField));

    SetWindowTextA(field(RealField), "70");
    key(VK_TAB);
    EXPECT_NE(GetFocus(), field(RealField));
}

TEST_F(NumericFields, AnEmptyFieldMayBeLeftOnlyUntilItHadAValue) {
    range(RealField, 0, 70);
    enter(RealField, "");
    key(VK_TAB);
    EXPECT_NE(GetFocus(), field(RealField)) << "never had a value";

    enter(RealField, "50");
    key(VK_TAB);
    EXPECT_EQ(record(RealField).defined, 1);
    enter(RealField, "");
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), field(RealField)) << "emptied after it had a value";
}

TEST_F(NumericFields, ButtonOneIsRefusedOtherButtonsTakeTheFocusAndMarkTheField) {
    range(RealField, 0, 70);
    enter(RealField, "75");
    SetFocus(field(IDOK));
    pump();
    EXPECT_EQ(GetFocus(), field(RealField));
    EXPECT_EQ(hBadVal, nullptr);

    SetFocus(field(OtherButton));
    pump();
    EXPECT_EQ(GetFocus(), field(OtherButton));
    EXPECT_EQ(hBadVal, field(RealField));
}

TEST_F(NumericFields, AnAcceptedFocusLossReformats) {
    enter(IntegerField, "007");
    SendMessageA(field(IntegerField), EM_SETMODIFY, FALSE, 0);  // integers re-format even unmodified
    key(VK_TAB);
    EXPECT_EQ(text(IntegerField), "7");
    EXPECT_DOUBLE_EQ(record(IntegerField).value, 7.0);

    enter(RealField, "12.5");
    key(VK_TAB);
    EXPECT_NE(text(RealField), "12.5");
    EXPECT_EQ(text(RealField).find("12.5"), 0u) << text(RealField);
    EXPECT_DOUBLE_EQ(record(RealField).value, 12.5);
    EXPECT_EQ(SendMessageA(field(RealField), EM_GETMODIFY, 0, 0), 0);
}

TEST_F(NumericFields, TheTextWhenTheFocusCameIsKeptForRestoring) {
    enter(DoubleField, "");
    SetFocus(field(IDOK));
    pump();
    SetWindowTextA(field(DoubleField), "3.25");
    record(DoubleField).value = 3.25;
    StoreVal = 1;
    SetFocus(field(DoubleField));
    pump();
    EXPECT_STREQ(cStoreText, "3.25");
    EXPECT_DOUBLE_EQ(dStoreValue, 3.25);
    EXPECT_EQ(StoreVal, 0);
}

TEST_F(NumericFields, EnterPressesTheDefaultButton) {
    struct Case {
        int field;
        int defaultId;  // 0: the dialog names none
        bool disabled;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {RealField, 0, false, {IDOK}},
        {IntegerField, OtherButton, false, {OtherButton}},
        {PlainEdit, 0, false, {IDOK}},
        {RealField, 0, true, {}},
    };
    for (const Case& c : cases) {
        commands.clear();
        SendMessageA(dialog, DM_SETDEFID, c.defaultId != 0 ? c.defaultId : IDOK, 0);
        EnableWindow(field(IDOK), c.disabled ? FALSE : TRUE);
        enter(c.field, "5");
        key(VK_RETURN);
        EXPECT_EQ(commands, c.expected) << "field " << c.field;
        EXPECT_EQ(text(c.field), "5");
    }
    EnableWindow(field(IDOK), TRUE);
}

TEST_F(NumericFields, ASpinFieldHasItsArrowsAndAClickFocusesTheField) {
    HWND updown = record(SpinField).spinBuddy;
    ASSERT_NE(updown, nullptr);
    EXPECT_TRUE(yyisclass(updown, atomUpDown));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(updown, UDM_GETBUDDY, 0, 0)), field(SpinField));
    EXPECT_EQ(GetDlgCtrlID(updown), 0xFFFF);
    EXPECT_EQ(LOWORD(SendMessageA(updown, UDM_GETPOS, 0, 0)), 42);
    EXPECT_EQ(record(SpinField).maxLength, 11);
    EXPECT_DOUBLE_EQ(record(SpinField).smallStep, 1.0);
    EXPECT_DOUBLE_EQ(record(SpinField).largeStep, 5.0);

    SetFocus(field(IDOK));
    pump();
    RECT box;
    GetClientRect(updown, &box);
    PostMessageA(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.right / 2, 1));
    PostMessageA(updown, WM_LBUTTONUP, 0, MAKELPARAM(box.right / 2, 1));
    pump();
    EXPECT_EQ(GetFocus(), field(SpinField));
}

}  // namespace
