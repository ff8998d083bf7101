// event_translation_test_win.cpp - the translator's rules for held and parked events, with a
// stand-in dialog window that carries a dialog record, as the dialog manager's windows will.
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

constexpr UINT TwoChanges = WM_APP + 1;       // two field changes in one dispatch
constexpr UINT MenuThenChange = WM_APP + 2;   // a menu event, then a field change
constexpr UINT FieldWheel = WM_APP + 3;       // the wheel turned back over a graphics field

int record[DialogRecordWords];

LRESULT CALLBACK standInDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TwoChanges:
        yyinterpretmessage(EvFieldChanged, 0, 0, 0x40002, window);
        yyinterpretmessage(EvFieldChanged, 0, 0, 0x80003, window);
        return 0;
    case MenuThenChange:
        yyinterpretmessage(EvMenu, 0, 55, 0, hClient[0]);
        yyinterpretmessage(EvFieldChanged, 0, 0, 0xC0004, window);
        return 0;
    case FieldWheel:
        yyinterpretmessage(104, 0, MK_CONTROL, MAKELPARAM(7, 9), window);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

class Translation : public ::testing::Test {
protected:
    static inline HWND dialog = nullptr;
    static void SetUpTestSuite() {
        yyresetgravim();
        WInitialise();
        WindowOpen(WinHidden, -999999, -999999, 300, 200);
        WNDCLASSA standIn = {};
        standIn.lpfnWndProc = standInDialog;
        standIn.hInstance = GetModuleHandleA(nullptr);
        standIn.lpszClassName = "GravTestDialog";
        RegisterClassA(&standIn);
        dialog = CreateWindowExA(0, "GravTestDialog", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 standIn.hInstance, nullptr);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    }
    static void TearDownTestSuite() {
        DestroyWindow(dialog);
        UnregisterClassA("GravTestDialog", GetModuleHandleA(nullptr));
        WindowClose();
        yyresetgravim();
    }
    void SetUp() override {
        yyresetswitches();
        for (int& word : record) word = 0;
        record[DlgId] = 200;
        record[DlgCurrentField] = 12;
        record[DlgPreviousField] = 11;
        record[DlgLastCell] = 0x40001;
    }
    static int next(WMessageRecord& r) {
        int type = 0;
        WMessage(type, r);
        return type;
    }
};

TEST_F(Translation, TwoFieldChangesInOneWaitSpanFirstToLastCell) {
    WMessageEnable(EvFieldChanged, 1);
    PostMessageA(dialog, TwoChanges, 0, 0);
    WMessageRecord r;
    ASSERT_EQ(next(r), EvFieldChanged);
    EXPECT_EQ(r.Win, 200);
    EXPECT_EQ(r.Value1, 11);
    EXPECT_EQ(r.Value2, 12);
    EXPECT_EQ(r.PosX, 0x40001);  // the cell before the first change
    EXPECT_EQ(r.PosY, 0x80003);  // the cell after the last
    EXPECT_EQ(record[DlgLastCell], 0x80003);
}

TEST_F(Translation, FieldChangeBehindAHeldEventComesNextFromItsEntry) {
    WMessageEnable(EvFieldChanged, 1);
    PostMessageA(dialog, MenuThenChange, 0, 0);
    WMessageRecord r;
    ASSERT_EQ(next(r), EvMenu);
    EXPECT_EQ(r.Value1, 55);
    ASSERT_EQ(next(r), EvFieldChanged);  // from entry 51, without waiting
    EXPECT_EQ(r.Win, 200);
    EXPECT_EQ(r.PosX, 0x40001);
    EXPECT_EQ(r.PosY, 0xC0004);
    EXPECT_EQ(gravim.events.KBNMessages[51][0], 0);
}

TEST_F(Translation, WheelOverAGraphicsFieldStaysInFieldPixels) {
    record[DlgGraphicsField] = 5;
    record[DlgMouseButton] = 5;
    PostMessageA(dialog, FieldWheel, 0, 0);
    WMessageRecord r;
    ASSERT_EQ(next(r), EvMouseDown);
    EXPECT_EQ(r.Win, 200);
    EXPECT_EQ(r.Value1, 5);
    EXPECT_EQ(r.Value2, 1);  // Ctrl
    EXPECT_EQ(r.Value3, 1);
    EXPECT_EQ(r.Value4, 5);
    EXPECT_EQ(r.PosX, 7);
    EXPECT_EQ(r.PosY, 9);
}

TEST_F(Translation, ExposeBehindAHeldResizeComesBackWholeAtTheNextWait) {
    // The root is hidden: show it for paints, then hold a resize as a dispatch would.
    ShowWindow(wWindow[0], SW_SHOWNA);
    UpdateWindow(hClient[0]);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    yyclearparked();
    EventState& e = gravim.events;
    e.wMessageType = EvResize;
    e.wMessageWin = 0;
    RECT part = {5, 5, 25, 25};
    InvalidateRect(hClient[0], &part, FALSE);
    UpdateWindow(hClient[0]);  // the paint is sent directly, outside any wait
    EXPECT_EQ(e.wMessageType, EvResize);  // the expose was discarded...
    EXPECT_EQ(e.KBNMessages[0][0], EvExpose);  // ...but parked for the window
    WMessageRecord r;
    ASSERT_EQ(next(r), EvExpose);
    EXPECT_EQ(r.Win, 0);
    EXPECT_EQ(r.PixelX, 0);
    EXPECT_EQ(r.PixelY, 0);
    EXPECT_EQ(r.PixelWidth, 300);
    EXPECT_EQ(r.PixelHeight, 200);
    ShowWindow(wWindow[0], SW_HIDE);
}

TEST_F(Translation, HiddenOrMinimisedResizesGiveNoEvent) {
    const int before = gravim.events.wMessageType;
    yyinterpretmessage(EvResize, 0, SIZE_RESTORED, MAKELPARAM(333, 222), hClient[0]);  // hidden
    EXPECT_EQ(gravim.events.wMessageType, before);
    EXPECT_EQ(gravim.windows.clientWidth, 333);  // the current window's scale follows
    EXPECT_EQ(gravim.graphics.surfaceWidth, 333);
    ShowWindow(wWindow[0], SW_SHOWNA);
    yyinterpretmessage(EvResize, 0, SIZE_MINIMIZED, MAKELPARAM(0, 0), hClient[0]);
    EXPECT_EQ(gravim.events.wMessageType, before);
    ShowWindow(wWindow[0], SW_HIDE);
    yyresize(0, 300, 200);
}

}  // namespace
