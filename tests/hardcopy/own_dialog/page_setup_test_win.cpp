// page_setup_test_win.cpp - the library's own page-setup dialog (this program carries dialog
// 32010) on the Wine test printer: lists, margins turned with the orientation, the preview, the
// printer-setup button, OK and Cancel, acted on step by step as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "windows/window_info.hpp"
#include "base/startup.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "graphics/addon_ports.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "gui_driver_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "images/images.hpp"
#include "recording_device.hpp"
#include "page_setup_rig_win.hpp"
#include "test_printer_win.hpp"

namespace {

constexpr int Preview = 1024, Paper = 1033, Source = 1034, MarginTitle = 1038, Left = 1039, Right = 1040,
              Top = 1042, Bottom = 1044, Portrait = 1208, Landscape = 1209, PrinterButton = 1301;

// Runs one step per timer tick on the visible own page-setup dialog; the messages a step posts
// are handled by the dialog's event loop before the next tick. The timer also ticks inside a box
// the dialog opens (Print Setup), so a step waits until the dialog is enabled again. A dialog
// still up well after the last step is cancelled, so that a step that missed fails the test
// instead of hanging it.
class Steps {
public:
    explicit Steps(std::vector<std::function<void(HWND)>> steps) : steps_(std::move(steps)) {
        active = this;
        timer_ = SetTimer(nullptr, 0, 60, tick);
    }
    ~Steps() {
        KillTimer(nullptr, timer_);
        active = nullptr;
    }
    std::size_t done() const { return next_; }

private:
    static constexpr DWORD GiveUpMs = 60000;
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        Steps* s = active;
        if (s == nullptr || s->running_) return;
        HWND dialog = FindWindowA("#32770", "Page Setup");
        if (dialog == nullptr || !IsWindowVisible(dialog) || GetDlgItem(dialog, PrinterButton) == nullptr) return;
        if (s->next_ >= s->steps_.size()) {
            if (GetTickCount() - s->lastStep_ > GiveUpMs && IsWindowEnabled(dialog)) {
                ADD_FAILURE() << "the page-setup dialog is still up " << GiveUpMs << " ms after the last step";
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                s->lastStep_ = GetTickCount();
            }
            return;
        }
        if (!IsWindowEnabled(dialog)) return;
        s->running_ = true;
        s->steps_[s->next_++](dialog);
        s->lastStep_ = GetTickCount();
        s->running_ = false;
    }
    static inline Steps* active = nullptr;
    std::vector<std::function<void(HWND)>> steps_;
    std::size_t next_ = 0;
    bool running_ = false;
    DWORD lastStep_ = 0;
    UINT_PTR timer_ = 0;
};

void click(HWND dialog, int button) { PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

std::string textOf(HWND dialog, int field) {
    char text[256] = "";
    GetDlgItemTextA(dialog, field, text, sizeof text);
    std::string s = text;
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

std::vector<std::string> margins(HWND dialog) {
    return {textOf(dialog, Left), textOf(dialog, Right), textOf(dialog, Top), textOf(dialog, Bottom)};
}

// Chooses a combo box entry as a user would: focus, then the selection.
void choose(HWND dialog, int field, int index) {
    HWND combo = GetDlgItem(dialog, field);
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(field, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> entries(HWND dialog, int field) {
    std::vector<std::string> list;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, field, CB_GETCOUNT, 0, 0));
    for (int k = 0; k < count; ++k) {
        char text[128] = "";
        SendDlgItemMessageA(dialog, field, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(text));
        std::string s = text;
        s.erase(s.find_last_not_of(' ') + 1);
        list.push_back(s);
    }
    return list;
}

// The page of the last preview drawn: the size in pixels of the last filled rectangle sent to the
// drawing device (the page, drawn white after the face), 0 by 0 when none was.
SIZE previewPage(const RecordingDevice& device) {
    const std::vector<RecordedOpcode> filled = device.of(DeviceSide::Current, OpRectangle);
    if (filled.empty()) return {0, 0};
    const RecordedOpcode& page = filled.back();
    return {std::abs(page.px2 - page.px1) + 1, std::abs(page.py2 - page.py1) + 1};
}

// True when field 1024 shows a picture of its own size (the preview bitmap).
bool previewShown(HWND dialog) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(dialog, Preview, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    RECT field{};
    GetClientRect(GetDlgItem(dialog, Preview), &field);
    return bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) != 0 && info.bmWidth == field.right &&
           info.bmHeight == field.bottom;
}



class OwnPageSetup : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, 40, 40, 300, 200);
        ASSERT_TRUE(printer.installed()) << printer.error();
        PageDlgShown = 0;
        lpPrintType[0] = '\0';
    }
    void TearDown() override {
        yysetprinterqueries(nullptr);
        WindowClose();
        PageDlgShown = 0;
    }
    TestPrinter printer{[] {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        return std::string(temp) + "grav_own_page_setup.ps";
    }()};
};

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
