// palette_test_win.cpp - the screen device on a palette display (Xvfb at depth 8, where the
// system reports 256 colours and a palette): the root palette of 16, 32, 64 and 128 graphics
// colours followed by the window-text colours, palette entries set singly and in batches,
// OpColourModel reloading the view, and drawing in palette colours. tools/test runs this
// executable on a display of its own; on any other display its tests are skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/gravim.hpp"
#include "base/startup_internal.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/screen_win.hpp"
#include "images/images.hpp"

namespace {

int entryOf(int index) {
    PALETTEENTRY entry = {};
    GetPaletteEntries(gPal256, static_cast<UINT>(index), 1, &entry);
    return entry.peRed + 256 * entry.peGreen + 65536 * entry.peBlue;
}

class PaletteDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        CoreState& core = gravim.core;
        int further1 = 0, further2 = 0, further3 = 0;
        yygetdisplayinfo(core.displayWidth, core.displayHeight, core.displayColours, core.graphicsColours, further1, further2,
                         further3);
        if (core.displayColours != 256) GTEST_SKIP() << "not a palette display (" << core.displayColours << " colours)";
    }
    void TearDown() override {
        if (gravim.windows.rootOpen == 1) WindowClose();
        yyresetgravim();
    }
    void open(int colours) { WindowOpen(WinHidden, -999999, -999999, 300, 200, 0, nullptr, 0, "palette", colours); }
};

TEST_F(PaletteDisplay, TheRootPaletteHoldsTheViewThenTheWindowTextColours) {
    for (int colours : {16, 32, 64, 128}) {
        open(colours);
        ASSERT_NE(gPal256, nullptr) << colours;
        ASSERT_NE(gLogPal, nullptr);
        EXPECT_EQ(gLogPal->palNumEntries, colours + 18);
        EXPECT_EQ(gravim.graphics.screenColours, colours);
        for (int k = 0; k < colours; ++k) ASSERT_EQ(entryOf(k), yyviewentry(k, colours)) << colours << " entry " << k;
        // A window-text colour goes into its entry after the graphics entries.
        yysetfontcolourrgb(3, 10, 20, 30);
        EXPECT_EQ(entryOf(colours + 3), 10 + 256 * 20 + 65536 * 30);
        WindowClose();
        EXPECT_EQ(gPal256, nullptr);
    }
}

TEST_F(PaletteDisplay, PaletteEntriesSingleAndInBatches) {
    open(16);
    GraphicsState& g = gravim.graphics;
    auto entry = [](int index, int rgb, int more) {
        GraphicsState& graphics = gravim.graphics;
        graphics.OperandValue = index;
        graphics.OperandPixelX[1] = rgb;
        graphics.OperandPixelX[4] = more;
        yygapi(OpPaletteEntry);
    };
    entry(1, 0x010203, 1);
    entry(2, 0x040506, 1);
    entry(3, 0x070809, 1);
    entry(4, 0x0A0B0C, 0);
    EXPECT_EQ(entryOf(1), 0x010203);
    EXPECT_EQ(entryOf(2), 0x040506);
    EXPECT_EQ(entryOf(3), 0x070809);
    EXPECT_EQ(entryOf(4), 0x0A0B0C);
    entry(5, 0x112233, 0);
    EXPECT_EQ(entryOf(5), 0x112233);
    // Entries beyond the view change nothing, not even the window-text entries after it.
    const int text = entryOf(16);
    entry(16, 0x445566, 0);
    entry(4000, 0x445566, 0);
    EXPECT_EQ(entryOf(16), text);

    // OpColourModel puts the view back.
    yygapi(OpColourModel);
    for (int k = 0; k < 16; ++k) {
        int rgb = 0;
        yypalg16(k, rgb);
        EXPECT_EQ(entryOf(k), rgb) << k;
    }
    (void)g;
}

TEST_F(PaletteDisplay, DrawingUsesPaletteColours) {
    open(16);
    int bitmap = 0;
    WBitmapCreate(bitmap, 40, 30, 0xFFFFFF);
    ASSERT_GT(bitmap, 0);
    IGrSelect(2, bitmap);
    int rgb = 0;
    yypalg16(9, rgb);
    yywincolour(9, rgb);
    EXPECT_EQ(CurrentColour, PALETTEINDEX(9));
    yywinrectangle(0, 0, 9, 9, FillSolid);
    EXPECT_EQ(static_cast<int>(GetPixel(gDC, 5, 5) & 0xFFFFFF), rgb);
    // A pixel given as an RGB value takes the nearest palette entry.
    yywinpointrgb(20, 20, rgb);
    EXPECT_EQ(static_cast<int>(GetPixel(gDC, 20, 20) & 0xFFFFFF), rgb);
    WBitmapDestroy(bitmap);
}

}  // namespace
