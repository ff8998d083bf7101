// gdi_callbacks_test_win.cpp - the gradient callbacks of the printer and metafile layers drawn on
// a bitmap (Wine's PostScript printer cannot show gradients), and a recorded metafile played back
// into a bitmap through yywmfplaymetafile.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/metafile_layer_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "printed_path_win.hpp"

namespace {

// A 100 x 100 white bitmap selected into a memory context.
class BitmapContext {
public:
    BitmapContext() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 100, 100);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc, bitmap_);
        RECT all = {0, 0, 100, 100};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~BitmapContext() {
        SelectObject(dc, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc);
    }
    BitmapContext(const BitmapContext&) = delete;
    BitmapContext& operator=(const BitmapContext&) = delete;
    HDC dc = nullptr;

private:
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

class GdiCallbacks : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        if (pGradientFill == nullptr) {
            hMsimg32 = LoadLibraryA("msimg32.dll");
            pGradientFill = hMsimg32 != nullptr ? GetProcAddress(hMsimg32, "GradientFill") : nullptr;
        }
        ASSERT_NE(pGradientFill, nullptr);
    }
};

// A square of two triangles: red at the left corners, blue at the right ones.
const int xs[4] = {0, 99, 99, 0}, ys[4] = {0, 0, 99, 99};
const int colours[4] = {0x0000FF, 0xFF0000, 0xFF0000, 0x0000FF};
const int triangles[6] = {1, 2, 3, 1, 3, 4};

void expectRedToBlue(HDC dc) {
    const COLORREF left = GetPixel(dc, 2, 50), middle = GetPixel(dc, 50, 50), right = GetPixel(dc, 97, 50);
    EXPECT_GT(GetRValue(left), 230);
    EXPECT_LT(GetBValue(left), 25);
    EXPECT_GT(GetBValue(right), 230);
    EXPECT_LT(GetRValue(right), 25);
    EXPECT_NEAR(GetRValue(middle), 128, 12);
    EXPECT_NEAR(GetBValue(middle), 128, 12);
}

TEST_F(GdiCallbacks, ThePrinterCallbacksDrawOnTheirContext) {
    BitmapContext bitmap;
    gPrDC = bitmap.dc;
    int failed = -1;
    yywprgradfill(xs, ys, colours, triangles, 4, 2, failed);
    EXPECT_EQ(failed, 0);
    expectRedToBlue(bitmap.dc);
    yywprpointrgb(5, 5, 0x00FF00);
    EXPECT_EQ(GetPixel(bitmap.dc, 5, 5), static_cast<COLORREF>(0x00FF00));
    yywprgradfill(xs, ys, colours, triangles, 0, 0, failed);  // nothing to draw is a failure
    EXPECT_EQ(failed, 1);
    gPrDC = nullptr;
}

TEST_F(GdiCallbacks, TheMetafileCallbacksRecordAGradientThatPlaysBack) {
    const std::string name = printedPath("gradient.emf");
    int extentX = 7560, extentY = 5400, failed = -1, systemError = 0;
    yywmfopen(extentX, extentY, 2, 0, 0, 0, 0, 0, failed, systemError, name.c_str(), "gradient\0\0");
    ASSERT_EQ(failed, 0) << systemError;
    yywmfgradfill(xs, ys, colours, triangles, 4, 2, failed);
    EXPECT_EQ(failed, 0);
    yywmfpointrgb(5, 5, 0x00FF00);
    int error = -1;
    yywmfclose(error);
    EXPECT_EQ(error, 0);

    // Played into a bitmap as the drawing context, over the recording's own extent.
    BitmapContext bitmap;
    HDC savedDC = gDC;
    gDC = bitmap.dc;
    HENHMETAFILE metafile = GetEnhMetaFileA(name.c_str());
    ASSERT_NE(metafile, nullptr);
    ENHMETAHEADER header = {};
    GetEnhMetaFileHeader(metafile, sizeof header, &header);
    DeleteEnhMetaFile(metafile);
    // The recorded square spans bounds 0..99 of the frame; play the frame so that those bounds
    // land on the bitmap's 100 x 100 pixels.
    const int width = 100 * extentX / (header.rclBounds.right + 1), height = 100 * extentY / (header.rclBounds.bottom + 1);
    yywmfplaymetafile(2, 0, 0, width, height, 0, 0, 0, 0, error, name.c_str());
    gDC = savedDC;
    EXPECT_EQ(error, 0);
    EXPECT_GT(GetRValue(GetPixel(bitmap.dc, 2, 50)), 200);
    EXPECT_GT(GetBValue(GetPixel(bitmap.dc, 97, 50)), 200);
}

TEST_F(GdiCallbacks, PlayingReportsMissingFilesAndBadBytes) {
    BitmapContext bitmap;
    HDC savedDC = gDC;
    gDC = bitmap.dc;
    int error = -1;
    yywmfplaymetafile(1, 0, 0, 99, 99, 0, 0, 0, 0, error, printedPath("no such file.wmf").c_str());
    EXPECT_EQ(error, 1);
    const std::string junk = printedPath("junk.emf");
    HANDLE file = CreateFileA(junk.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "not a metafile at all, no", 25, &written, nullptr);
    CloseHandle(file);
    yywmfplaymetafile(2, 0, 0, 99, 99, 0, 0, 0, 0, error, junk.c_str());
    EXPECT_EQ(error, 2);
    yywmfplaymetafile(0, 0, 0, 99, 99, 0, 0, 0, 0, error, junk.c_str());
    EXPECT_EQ(error, 2);
    yywmfplaymetafile(0, 0, 0, 99, 99, 7, 0, 0, 0, error, junk.c_str());  // no such target
    EXPECT_EQ(error, 1);
    gDC = savedDC;
}

}  // namespace
