// page_setup_test_win.cpp - the library's own page-setup dialog (this program carries dialog
// 32010) on the Wine test printer with the printer layer alone: margins turned with the orientation,
// Cancel, the preview drawn on its field, the printer-setup button. With images the preview is a
// bitmap (tests/images/own_dialog).
#include <gtest/gtest.h>

#include "base/gravim.hpp"
#include "graphics/addon_ports.hpp"
#include "own_page_setup_rig_win.hpp"

namespace {

TEST_F(OwnPageSetup, UntouchedMarginsComeBackExactlyAndMillimetresAreShown) {
    PageSetupCall page;
    page.left = 250, page.top = 250, page.printableWidth = 8000, page.printableHeight = 10500;
    Steps steps({[](HWND d) { click(d, IDOK); }});
    page.run(0);
    ASSERT_EQ(page.ok, 1);
    EXPECT_EQ(page.left, 250);
    EXPECT_EQ(page.top, 250);
    // Letter as the driver gives it, 2159 x 2794 tenths of a millimetre, cut toward zero.
    EXPECT_EQ(page.paperWidth, 8500);
    EXPECT_EQ(page.paperHeight, 10999);
    EXPECT_EQ(page.printableWidth, 8000);
    EXPECT_EQ(page.printableHeight, 10499);

    // The unit changes: the paper arrives in hundredths of a millimetre and the fields show millimetres.
    std::string title;
    Steps again({[&](HWND d) {
        title = textOf(d, MarginTitle);
        click(d, IDOK);
    }});
    page.left = 1000, page.top = 1000, page.printableWidth = 19590, page.printableHeight = 25940;
    page.run(2);
    EXPECT_EQ(again.done(), 1u);
    EXPECT_EQ(title, "Margins (millimetres)");
    EXPECT_EQ(page.paperWidth, 21590);
    EXPECT_EQ(page.paperHeight, 27940);
    EXPECT_EQ(page.left, 1000);
}

TEST_F(OwnPageSetup, CancelChangesNoCallerValueAndNoGlobal) {
    GivenPapers papers;
    yysetprinterqueries(&papers);
    PageSetupCall page;
    page.paperWidth = 1, page.paperHeight = 2, page.printableWidth = 3, page.printableHeight = 4;
    page.left = 5, page.top = 6, page.orientation = 0, page.copies = 2;
    const PAGESETUPDLGA before = psHardcopy;
    const short sizeBefore = prSize;
    Steps steps({
        [](HWND d) { click(d, Landscape); },
        [](HWND d) { choose(d, Paper, 0); },
        [](HWND d) { click(d, IDCANCEL); },
    });
    page.run(0);
    EXPECT_EQ(steps.done(), 3u);
    EXPECT_EQ(page.ok, 0);
    EXPECT_EQ(page.paperWidth, 1);
    EXPECT_EQ(page.printableHeight, 4);
    EXPECT_EQ(page.left, 5);
    EXPECT_EQ(page.orientation, 0);
    EXPECT_EQ(page.copies, 2);
    EXPECT_EQ(page.colours, -7);
    EXPECT_EQ(PageDlgShown, 0);
    EXPECT_STREQ(lpPrintType, "");
    EXPECT_EQ(prSize, sizeBefore);
    EXPECT_EQ(std::memcmp(&before, &psHardcopy, sizeof before), 0);
    EXPECT_EQ(gravim.images.bitmapLimit, 50);
}

// A library without images makes no bitmap for the preview: it is drawn straight onto its field.
TEST_F(OwnPageSetup, WithoutImagesThePreviewIsDrawnOnTheField) {
    struct EmptyImagePort {
        const ImagePort installed = yyimageport();
        EmptyImagePort() { yysetimageport({}); }
        ~EmptyImagePort() { yysetimageport(installed); }
    } noImages;
    SIZE shown{};
    bool pictureShown = true;
    int limitInside = 0;
    RecordingDevice device;
    Steps steps({[&](HWND d) {
        pictureShown = previewShown(d);
        shown = previewPage(device);
        limitInside = gravim.images.bitmapLimit;
        click(d, IDOK);
    }});
    PageSetupCall page;
    page.printableWidth = 8500, page.printableHeight = 11000;
    page.run(0);
    EXPECT_EQ(steps.done(), 1u);
    EXPECT_EQ(page.ok, 1);
    EXPECT_FALSE(pictureShown);
    EXPECT_GT(shown.cy, shown.cx);
    EXPECT_EQ(limitInside, 50);
}

TEST_F(OwnPageSetup, PrinterSetupTurnsTheDialogToLandscape) {
    std::vector<std::string> turned;
    int radio = 0;
    AutoAct setup("Print Setup", [](HWND dialog) {
        SendDlgItemMessageA(dialog, 0x421, BM_CLICK, 0, 0);  // landscape
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Steps steps({
        [](HWND d) { click(d, PrinterButton); },
        [&](HWND d) {
            turned = margins(d);
            radio = IsDlgButtonChecked(d, Landscape) == BST_CHECKED ? 1 : 0;
            click(d, IDOK);
        },
    });
    PageSetupCall page;
    page.left = 1000, page.top = 3000, page.printableWidth = 5500, page.printableHeight = 4000;
    page.run(0);
    EXPECT_EQ(setup.acted(), 1);
    EXPECT_EQ(radio, 1);
    EXPECT_EQ(turned, (std::vector<std::string>{"4.0", "3.0", "1.0", "2.0"}));
    ASSERT_EQ(page.ok, 1);
    EXPECT_EQ(page.orientation, 1);
    EXPECT_EQ(page.paperWidth, 10999);  // Letter lying, as the driver gives it
    EXPECT_EQ(page.paperHeight, 8500);
    EXPECT_EQ(page.left, 4000);
}

}  // namespace
