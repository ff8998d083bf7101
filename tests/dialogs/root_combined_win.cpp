// root_combined_win.cpp - a root window combined with a dialog of the fixture resources: a child
// control dialog gives the window its size and a fixed frame; a captioned one is refused.
#include "dialog_fixture_win.hpp"

#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"

namespace {

class RootCombined : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        WInitialise();
    }
    void TearDown() override {
        WindowClose();
        DialogTest::TearDown();
    }
};

TEST_F(RootCombined, ChildDialogSizesTheWindowAndFixesItsFrame) {
    WindowOpen(7, 30, 30, 999, 999, 0, nullptr, 2001);
    EXPECT_EQ(lastError(), 0);
    ASSERT_EQ(bDlgRoot, 1);
    EXPECT_EQ(gravim.dialogs.currentDialog, 2001);
    const int* record = yywindowrecord(wWindow[0]);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record[0], KindDialog);
    HWND dialog = reinterpret_cast<HWND>(static_cast<INT_PTR>(record[5]));
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowVisible(dialog));
    RECT outer, client;
    GetWindowRect(dialog, &outer);
    GetClientRect(hClient[0], &client);
    EXPECT_EQ(client.right, outer.right - outer.left);  // the dialog's size, not the 999 asked
    EXPECT_EQ(client.bottom, outer.bottom - outer.top);
    const LONG style = GetWindowLongA(wWindow[0], GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);  // not resizable: no sizing border, no maximise box
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(gravim.windows.windowFlags[0] & WinFixedSize, WinFixedSize);

    WindowClose();
    EXPECT_EQ(nDialogs, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(gravim.dialogs.currentDialog, 0);
}

TEST_F(RootCombined, CaptionedDialogIsRefusedAndTheWindowOpensWithoutIt) {
    WindowOpen(7, 30, 30, 200, 100, 0, nullptr, 103);
    EXPECT_EQ(lastError(), 1045);
    EXPECT_EQ(gravim.windows.rootOpen, 1);
    EXPECT_EQ(bDlgRoot, 0);
    EXPECT_EQ(yywindowrecord(wWindow[0]), nullptr);
    EXPECT_EQ(nDialogs, 0);
    RECT client;
    GetClientRect(hClient[0], &client);
    EXPECT_EQ(client.right, 200);
}

}  // namespace
