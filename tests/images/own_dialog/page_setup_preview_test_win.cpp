// page_setup_preview_test_win.cpp - the preview of the library's own page-setup dialog where
// images hold the bitmaps: the preview is a bitmap of the field's size, taken in the dialog over
// the bitmap limit, and the result of OK. The rest of the dialog is tested with the printer layer
// (tests/hardcopy/own_dialog).
#include <gtest/gtest.h>

#include "base/gravim.hpp"
#include "images/images.hpp"
#include "own_page_setup_rig_win.hpp"

namespace {

TEST_F(OwnPageSetup, ListsMarginsPreviewAndTheResultOfOk) {
    GivenPapers papers;
    yysetprinterqueries(&papers);
    // Letter (8500 x 11000 thousandths of an inch) with margins left 1, right 2, top 3, bottom 4.
    PageSetupCall page;
    page.left = 1000, page.top = 3000, page.printableWidth = 5500, page.printableHeight = 4000;
    WDialogSelect(777);  // an error from before the dialog: slot 1 comes back with it
    const int errorBefore = gravim.core.lastError;
    ASSERT_NE(errorBefore, 0);

    std::vector<std::string> paperList, sourceList, title, shown, turned, back;
    SIZE portraitPage{}, landscapePage{}, a4Page{};
    int limitInside = 0;
    bool pictureShown = false;
    double fieldAspect = 1;
    RecordingDevice device;
    Steps steps({
        [&](HWND d) {
            paperList = entries(d, Paper);
            sourceList = entries(d, Source);
            title = {textOf(d, MarginTitle), textOf(d, Paper)};
            shown = margins(d);
            portraitPage = previewPage(device);
            limitInside = gravim.images.bitmapLimit;
            pictureShown = previewShown(d);
            RECT field{};
            GetClientRect(GetDlgItem(d, Preview), &field);
            fieldAspect = static_cast<double>(field.right) / field.bottom;
            click(d, Landscape);
        },
        [&](HWND d) {
            turned = margins(d);
            landscapePage = previewPage(device);
            click(d, Portrait);
        },
        [&](HWND d) {
            back = margins(d);
            click(d, Landscape);
        },
        [&](HWND d) { choose(d, Paper, 0); },
        [&](HWND d) {
            a4Page = previewPage(device);
            click(d, IDOK);
        },
    });
    page.run(0);
    EXPECT_EQ(steps.done(), 5u);

    EXPECT_EQ(paperList, (std::vector<std::string>{"A4", "Letter"}));  // sorted, the unnamed paper left out
    EXPECT_TRUE(sourceList.empty());
    EXPECT_EQ(title, (std::vector<std::string>{"Margins (inches)", "Letter"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"1.0", "2.0", "3.0", "4.0"}));
    EXPECT_EQ(turned, (std::vector<std::string>{"4.0", "3.0", "1.0", "2.0"}));
    EXPECT_EQ(back, shown);
    EXPECT_EQ(limitInside, 51);
    EXPECT_TRUE(pictureShown);
    // The preview shows the page's shape: upright, then lying, then the longer A4 lying.
    EXPECT_GT(portraitPage.cy, portraitPage.cx);
    EXPECT_GT(landscapePage.cx, landscapePage.cy);
    // The page's shape is drawn in fractions of the field.
    EXPECT_NEAR(static_cast<double>(landscapePage.cx) / landscapePage.cy, fieldAspect * 11.0 / 8.5, 0.05);
    EXPECT_NEAR(static_cast<double>(a4Page.cx) / a4Page.cy, fieldAspect * 2970.0 / 2100.0, 0.05);

    ASSERT_EQ(page.ok, 1);
    EXPECT_EQ(page.orientation, 1);
    EXPECT_EQ(page.paperWidth, 11692);  // A4 lying, thousandths of an inch
    EXPECT_EQ(page.paperHeight, 8267);
    EXPECT_EQ(page.left, 4000);
    EXPECT_EQ(page.top, 1000);
    EXPECT_EQ(page.printableWidth, 11692 - 7000);
    EXPECT_EQ(page.printableHeight, 8267 - 3000);
    EXPECT_EQ(PageDlgShown, 1);
    EXPECT_EQ(prSize, 9);
    EXPECT_EQ(prSource, -1);  // no sources
    EXPECT_STREQ(lpPrintType, TestPrinter::printerName);
    EXPECT_EQ(gravim.images.bitmapLimit, 50);
    EXPECT_EQ(gravim.core.lastError, errorBefore);
    EXPECT_EQ(WInfoDialog(3), 0);
    EXPECT_EQ(FindWindowA("#32770", "Page Setup"), nullptr);
}

TEST_F(OwnPageSetup, ThePreviewTakesTheFiftyFirstBitmapWhenFiftyAreInUse) {
    std::vector<int> bitmaps;
    for (int k = 0; k < 50; ++k) {
        int id = 0;
        WBitmapCreate(id, 4, 4);
        ASSERT_NE(id, 0);
        bitmaps.push_back(id);
    }
    SIZE shown{};
    bool pictureShown = false;
    RecordingDevice device;
    Steps steps({[&](HWND d) {
        pictureShown = previewShown(d);
        shown = previewPage(device);
        click(d, IDOK);
    }});
    PageSetupCall page;
    page.printableWidth = 8500, page.printableHeight = 11000;
    page.run(0);
    EXPECT_EQ(page.ok, 1);
    EXPECT_GT(shown.cy, shown.cx);
    EXPECT_TRUE(pictureShown);
    int width = -1, height = -1;
    WBitmapSize(51, width, height);  // destroyed again, and 51 refused outside the dialog
    EXPECT_EQ(width, 0);
    EXPECT_NE(WInfoError(1), 0);
    for (int id : bitmaps) WBitmapDestroy(id);
}

}  // namespace
