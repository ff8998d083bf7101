// page_setup_system_test_win.cpp - page setup in a program without dialog 32010 (this one): the
// system's page-setup and print-setup dialogs on the Wine test printer, answered as a user would,
// and the printer routines over lists Wine's driver cannot give.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "gui_driver_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "printed_path_win.hpp"
#include "page_setup_rig_win.hpp"
#include "test_printer_win.hpp"

namespace {

std::function<void(HWND)> press(int button, bool* own = nullptr) {
    return [button, own](HWND dialog) {
        if (own != nullptr) *own = GetDlgItem(dialog, 1301) != nullptr;  // the library's printer button
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
}


class SystemPageSetup : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        ASSERT_TRUE(printer.installed()) << printer.error();
        PageDlgShown = 0;
        GotPrName = 0;
        lpPrintType[0] = '\0';
    }
    void TearDown() override {
        PageDlgShown = 0;
        GotPrName = 0;
    }
    TestPrinter printer{printedPath("page_setup.ps")};
};

TEST_F(SystemPageSetup, AcceptedWritesThePrinterGlobalsAndAUnitChangeShowsNoExtraDialog) {
    PageSetupCall page;
    page.printableWidth = 7500, page.printableHeight = 10000, page.left = 500, page.top = 500;
    bool own = true;
    {
        AutoAct ok("Setup Page", press(IDOK, &own));
        page.run(0);
        EXPECT_EQ(ok.acted(), 1);
    }
    EXPECT_FALSE(own);
    ASSERT_EQ(page.ok, 1);
    EXPECT_EQ(page.paperWidth, 8500);  // US Letter in thousandths of an inch
    EXPECT_EQ(page.paperHeight, 11000);
    EXPECT_EQ(page.left, 500);
    EXPECT_EQ(page.printableWidth, 7500);
    EXPECT_EQ(page.orientation, 0);
    EXPECT_EQ(PageDlgShown, 1);
    EXPECT_STREQ(lpPrintType, TestPrinter::printerName);
    EXPECT_EQ(GotPrName, 1);
    EXPECT_EQ(prSize, DMPAPER_LETTER);
    EXPECT_EQ(page.colours, -1);  // what Wine's printer reports

    AutoAct again("Setup Page", press(IDOK));
    page.run(2);
    EXPECT_EQ(again.acted(), 1);
    ASSERT_EQ(page.ok, 1);
    EXPECT_EQ(page.paperWidth, 21590);
    EXPECT_EQ(page.paperHeight, 27940);
}

TEST_F(SystemPageSetup, CancelChangesNoCallerValueAndNoGlobal) {
    PageSetupCall page;
    page.paperWidth = 1, page.paperHeight = 2, page.printableWidth = 3, page.printableHeight = 4;
    page.left = 5, page.top = 6, page.orientation = 1, page.copies = 2;
    const PAGESETUPDLGA before = psHardcopy;
    AutoAct cancel("Setup Page", press(IDCANCEL));
    page.run(0);
    EXPECT_EQ(cancel.acted(), 1);
    EXPECT_EQ(page.ok, 0);
    EXPECT_EQ(page.paperWidth, 1);
    EXPECT_EQ(page.left, 5);
    EXPECT_EQ(page.orientation, 1);
    EXPECT_EQ(page.copies, 2);
    EXPECT_EQ(page.colours, -7);
    EXPECT_EQ(PageDlgShown, 0);
    EXPECT_STREQ(lpPrintType, "");
    EXPECT_EQ(std::memcmp(&before, &psHardcopy, sizeof before), 0);
}

TEST_F(SystemPageSetup, PrintSetupTurnsToLandscapeAndCancelKeepsTheSettings) {
    PageSetupCall page;
    {
        AutoAct ok("Setup Page", press(IDOK));
        page.run(0);
    }
    ASSERT_EQ(page.ok, 1);
    {
        AutoAct cancel("Print Setup", press(IDCANCEL));
        int orientation = 0, copies = 1, accepted = -1;
        yyprintdlg(orientation, copies, accepted);
        EXPECT_EQ(cancel.acted(), 1);
        EXPECT_EQ(accepted, 0);
        EXPECT_EQ(orientation, 0);
    }
    AutoAct setup("Print Setup", [](HWND dialog) {
        SendDlgItemMessageA(dialog, 0x421, BM_CLICK, 0, 0);  // landscape
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    int orientation = 0, copies = 1, accepted = -1;
    yyprintdlg(orientation, copies, accepted);
    EXPECT_EQ(setup.acted(), 1);
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(orientation, 1);
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(psHardcopy.hDevMode));
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->dmOrientation, DMORIENT_LANDSCAPE);
    GlobalUnlock(psHardcopy.hDevMode);
}


TEST_F(SystemPageSetup, PrinterRoutinesOverGivenListsAndTheTestPrinter) {
    {
        GivenPapers given;
        yysetprinterqueries(&given);
        int count = 0;
        yypsdprintercapint(1, count);
        EXPECT_EQ(count, 3);
        yypsdprintercapint(2, count);
        EXPECT_EQ(count, 0);
        char names[3 * 64];
        yypsdprintercapchar(1, names);
        EXPECT_STREQ(names, "Letter");
        EXPECT_STREQ(names + 64, "");
        EXPECT_STREQ(names + 128, "A4");
        WORD codes[3] = {};
        yypsdprintercapchar(3, codes);
        EXPECT_EQ(codes[2], 9);
        int width = -1, height = -1;
        yypsdpaperwh(2, 3, width, height);
        EXPECT_EQ(width, 2100);
        EXPECT_EQ(height, 2970);
        yypsdpaperwh(3, 3, width, height);  // outside the list: unchanged
        EXPECT_EQ(width, 2100);
        yysetprinterqueries(nullptr);
    }
    // The real driver, on the printer settings of a page setup.
    PageSetupCall page;
    {
        AutoAct ok("Setup Page", press(IDOK));
        page.run(0);
    }
    ASSERT_EQ(page.ok, 1);
    int count = 0;
    yypsdprintercapint(1, count);
    ASSERT_GE(count, 2);
    std::vector<char> names(static_cast<std::size_t>(count) * 64);
    std::vector<WORD> codes(static_cast<std::size_t>(count));
    yypsdprintercapchar(1, names.data());
    yypsdprintercapchar(3, codes.data());
    int letter = -1;
    for (int k = 0; k < count; ++k)
        if (codes[static_cast<std::size_t>(k)] == DMPAPER_LETTER) letter = k;
    ASSERT_NE(letter, -1);
    int width = 0, height = 0;
    yypsdpaperwh(letter, count, width, height);
    EXPECT_NEAR(width, 2159, 1);
    EXPECT_NEAR(height, 2794, 1);
    int size = 0, source = 0;
    yypsdgetsizesource(size, source);
    EXPECT_EQ(size, DMPAPER_LETTER);
    yypsdsetsizesource(DMPAPER_A4, 7);
    yypsdgetsizesource(size, source);
    EXPECT_EQ(size, DMPAPER_A4);
    EXPECT_EQ(source, 7);
}

}  // namespace
