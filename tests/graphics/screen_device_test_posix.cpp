// screen_device_test_posix.cpp - the screen device's own rules over the recording stand-in of the
// primitives: rows from the top, the font cache, palette batches, arc end points, bounded counts,
// gradient vertices, clip removal and pixel reads outside the surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/screen_standin.hpp"

namespace {

class ScreenDevice : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yyscreenstandin() = ScreenStandin{};
        GraphicsState& g = gravim.graphics;
        g.screenActive = 1;
        g.surfaceType = 1;
        g.surfaceWidth = 200;
        g.surfaceHeight = 100;
        g.clipPixelX2 = 199;
        g.clipPixelY2 = 99;
        yygapi(OpOpen);
    }
    static std::vector<PrimitiveCall> calls(const std::string& name) {
        std::vector<PrimitiveCall> found;
        for (const PrimitiveCall& call : yyscreenstandin().calls)
            if (call.name == name) found.push_back(call);
        return found;
    }
};

TEST_F(ScreenDevice, RowsCountFromTheTopAndInactiveDeviceDrawsNothing) {
    GraphicsState& g = gravim.graphics;
    g.OperandPixelX[1] = 10, g.OperandPixelY[1] = 0, g.OperandPixelX[2] = 20, g.OperandPixelY[2] = 99;
    yygapi(OpLine);
    yygapi(OpRectangle);
    ASSERT_EQ(calls("line").size(), 1u);
    EXPECT_EQ(calls("line")[0].args, (std::vector<int>{10, 99, 20, 0}));
    EXPECT_EQ(calls("rectangle")[0].args, (std::vector<int>{10, 0, 20, 99, 4}));
    g.screenActive = 0;
    yygapi(OpLine);
    g.screenActive = 1;
    yygapi(41);
    yygapi(0);
    EXPECT_EQ(calls("line").size(), 1u);
}

TEST_F(ScreenDevice, FontCacheCreatesOneFontForEqualRequestsAndAgainAfterOpen) {
    GraphicsState& g = gravim.graphics;
    g.rotatedMaxX = 200, g.rotatedMaxY = 100, g.rotatedClipWidth = 200, g.rotatedClipHeight = 100;
    g.CharWidth = 0.05f, g.CharHeight = 0.1f;
    g.FontNumber = 2, g.FontStyle = 5;
    yygapi(OpFont);
    yygapi(OpFont);
    ASSERT_EQ(calls("selectfont").size(), 1u);
    EXPECT_EQ(calls("selectfont")[0].args, (std::vector<int>{10, 10, 0, 2, 5}));
    EXPECT_EQ(g.ScreenCharWidth, 10);
    EXPECT_EQ(g.ScreenCharHeight, 10);
    EXPECT_FLOAT_EQ(g.CharsAcross, 200.0f * 52 / 520);
    yygapi(OpOpen);
    yygapi(OpFont);
    EXPECT_EQ(calls("selectfont").size(), 2u);
    // A class-1 font: narrower, lower cell, no underline.
    g.FontClass = 1;
    yygapi(OpFontRotate);
    ASSERT_EQ(calls("selectfont").size(), 3u);
    EXPECT_EQ(calls("selectfont")[2].args, (std::vector<int>{6, 8, 0, 2, 1}));
    // Font number 0 compares the face name too.
    g.FontClass = 0, g.FontNumber = 0;
    g.FontName.assign("Tahoma");
    yygapi(OpFont);
    yygapi(OpFont);
    g.FontName.assign("Marlett");
    yygapi(OpFont);
    ASSERT_EQ(calls("selectfont").size(), 5u);
    EXPECT_EQ(calls("selectfont")[4].text, "Marlett");
}

TEST_F(ScreenDevice, PaletteEntryBatches) {
    GraphicsState& g = gravim.graphics;
    gravim.core.displayColours = 256;
    g.screenColours = 16;
    yypali();
    auto entry = [](int index, int rgb, int more) {
        GraphicsState& g = gravim.graphics;
        g.OperandValue = index;
        g.OperandPixelX[1] = rgb;
        g.OperandPixelX[4] = more;
        yygapi(OpPaletteEntry);
    };
    int unchanged = 0;
    yypalg16(3, unchanged);
    entry(1, 0x010101, 1);
    entry(2, 0x020202, 1);
    entry(3, unchanged, 1);  // unchanged inside the batch: skipped
    entry(4, 0x040404, 1);
    entry(5, [] { int v = 0; yypalg16(5, v); return v; }(), 0);  // the closing entry is set even unchanged
    entry(6, 0x060606, 0);                                       // a single change
    entry(99, 0x070707, 0);                                      // beyond the view: ignored
    entry(-1, 0x070707, 0);
    const auto palette = calls("palette");
    ASSERT_EQ(palette.size(), 5u);
    std::vector<int> flags, indices;
    for (const auto& call : palette) indices.push_back(call.args[0]), flags.push_back(call.args[2]);
    EXPECT_EQ(indices, (std::vector<int>{1, 2, 4, 5, 6}));
    EXPECT_EQ(flags, (std::vector<int>{1, 2, 2, 3, 0}));

    // Not a palette display: no palette call at all.
    yyscreenstandin().calls.clear();
    gravim.core.displayColours = 16777216;
    entry(1, 0x111111, 0);
    EXPECT_TRUE(calls("palette").empty());
}

TEST_F(ScreenDevice, ColourModelReloadsTheViewAndReappliesBothColours) {
    GraphicsState& g = gravim.graphics;
    gravim.core.displayColours = 256;
    yypali();
    for (int colours : {16, 32, 64, 128}) {
        yyscreenstandin().calls.clear();
        g.screenColours = colours;
        yygapi(OpColourModel);
        const auto palette = calls("palette");
        ASSERT_EQ(palette.size(), static_cast<std::size_t>(colours));
        EXPECT_EQ(palette.front().args[2], 1);
        EXPECT_EQ(palette[1].args[2], 2);
        EXPECT_EQ(palette.back().args[2], 3);
        EXPECT_EQ(calls("colour").size(), 2u);
    }
}

TEST_F(ScreenDevice, ArcWhoseEndsShareAPixelMovesItsEnd) {
    GraphicsState& g = gravim.graphics;
    g.OperandPixelX[1] = 100, g.OperandPixelY[1] = 50;
    g.OperandX[2] = 10, g.OperandY[2] = 10;
    g.OperandX[3] = 0.01f, g.OperandY[3] = 0.05f;  // radians
    g.OperandX[4] = 0.57f, g.OperandY[4] = 2.3f;   // degrees
    yygapi(OpArc);
    ASSERT_EQ(calls("arc").size(), 1u);
    // Start (109, row 49); the end one pixel left and up.
    EXPECT_EQ(calls("arc")[0].args, (std::vector<int>{100, 49, 10, 10, 109, 49, 108, 48, 4}));
    const float starts[] = {135, 225, 315, -45};
    const int moves[][2] = {{-1, 1}, {1, 1}, {1, -1}, {1, -1}};
    for (int k = 0; k < 4; ++k) {
        yyscreenstandin().calls.clear();
        g.OperandX[4] = starts[k];
        yygapi(OpArcPattern);
        const auto a = calls("arc")[0].args;
        EXPECT_EQ(a[6] - a[4], moves[k][0]) << starts[k];
        EXPECT_EQ(a[7] - a[5], moves[k][1]) << starts[k];
        EXPECT_EQ(a[8], 3);
    }
    // A full circle keeps its end on the start; so does any extent above 10 degrees.
    yyscreenstandin().calls.clear();
    g.OperandY[4] = 360;
    yygapi(OpOutlineArc);
    const auto a = calls("outlinearc")[0].args;
    EXPECT_EQ(a[4], a[6]);
    EXPECT_EQ(a[5], a[7]);
    // Huge radii saturate instead of overflowing.
    yyscreenstandin().calls.clear();
    g.OperandX[2] = 3e38f, g.OperandY[2] = -3e38f;
    yygapi(OpArc);
    EXPECT_EQ(calls("arc")[0].args[2], 2147483647);
}

TEST_F(ScreenDevice, CountsFromOperandsAreBoundedByWhatTheyIndex) {
    GraphicsState& g = gravim.graphics;
    yypolygonsize(4);
    for (int i = 1; i <= 4; ++i) g.PolygonX[static_cast<std::size_t>(i)] = 10.0f * i, g.PolygonY[static_cast<std::size_t>(i)] = 5.0f * i;
    g.OperandCount = 1000;
    yygapi(OpPolygon);
    yygapi(OpPolyline);
    ASSERT_EQ(calls("polygon").size(), 1u);
    EXPECT_EQ(calls("polygon")[0].args, (std::vector<int>{4, 4}));
    EXPECT_EQ(yyscreenstandin().points[0], (std::vector<int>{10, 94, 20, 89, 30, 84, 40, 79}));
    EXPECT_EQ(calls("polyline")[0].args, (std::vector<int>{4}));
    g.OperandCount = -5;
    yygapi(OpPolygonPattern);
    EXPECT_EQ(calls("polygon").size(), 1u);

    g.OperandText.assign("abc");
    g.OperandPixelX[1] = 100000;
    yygapi(OpText);
    ASSERT_EQ(calls("drawstring").size(), 1u);
    EXPECT_EQ(calls("drawstring")[0].args[6], 260);
    g.OperandPixelX[1] = -3;
    g.OperandPixelX[4] = 9;
    yygapi(OpText);
    EXPECT_EQ(calls("drawstring")[1].args[6], 0);
    EXPECT_EQ(g.OperandPixelX[4], 0);

    g.OperandValue = 0;
    g.OperandX[1] = 99;
    yygapi(OpTextLength);
    EXPECT_EQ(g.OperandX[1], 0.0f);
    EXPECT_EQ(g.OperandCount, 1);
    g.OperandValue = 5000;
    yygapi(OpTextLength);
    EXPECT_EQ(calls("strwidth")[1].args[0], 260);
}

TEST_F(ScreenDevice, GradientVerticesInPixelsAndTheClipBox) {
    GraphicsState& g = gravim.graphics;
    g.screenDevice.GradientFillType = 2;
    yypolygonsize(3);
    const float xs[] = {-0.5f, 0.5f, 50.7f}, ys[] = {0, 99, -1.2f};
    for (int i = 1; i <= 3; ++i) g.PolygonX[static_cast<std::size_t>(i)] = xs[i - 1], g.PolygonY[static_cast<std::size_t>(i)] = ys[i - 1];
    g.GradientVertexCount = 7;  // more than the lists hold
    yygapi(OpGradientFill);
    EXPECT_EQ(g.GradientVertexCount, 3);
    EXPECT_EQ(g.GradientX[1], -1);
    EXPECT_EQ(g.GradientX[2], 0);
    EXPECT_EQ(g.GradientX[3], 50);
    EXPECT_EQ(g.GradientY[1], 99);
    EXPECT_EQ(g.GradientY[2], 0);
    EXPECT_EQ(g.GradientY[3], 101);
    ASSERT_EQ(calls("gradfill").size(), 1u);
    EXPECT_EQ(calls("gradfill")[0].args, (std::vector<int>{3, 1, 1, 2, 3}));
}

TEST_F(ScreenDevice, ClipRemovedOnlyForTheWholeWindowAndReadPixel) {
    GraphicsState& g = gravim.graphics;
    yygapi(OpClip);
    EXPECT_EQ(calls("clip").back().args[3], -1);
    g.surfaceType = 3;
    yygapi(OpClip);
    EXPECT_EQ(calls("clip").back().args, (std::vector<int>{0, 0, 199, 99}));
    g.surfaceType = 1;
    g.clipPixelX1 = 5, g.clipPixelY1 = 10;
    yygapi(OpClip);
    EXPECT_EQ(calls("clip").back().args, (std::vector<int>{5, 0, 199, 89}));

    for (const auto& at : std::vector<std::pair<int, int>>{{-1, 0}, {200, 0}, {0, -1}, {0, 100}}) {
        g.OperandPixelX[1] = at.first, g.OperandPixelY[1] = at.second;
        yygapi(OpReadPixel);
        EXPECT_EQ(g.OperandPixelX[1], -1);
    }
    EXPECT_TRUE(calls("getpixel").empty());
    g.OperandPixelX[1] = 3, g.OperandPixelY[1] = 0;
    yygapi(OpReadPixel);
    EXPECT_EQ(g.OperandPixelX[1], 0x123456);
    EXPECT_EQ(calls("getpixel")[0].args, (std::vector<int>{3, 99}));
    g.surfaceType = 4;
    yygapi(OpReadPixel);
    EXPECT_EQ(g.OperandPixelX[1], -1);
}

TEST_F(ScreenDevice, BlitMovesTheBlockWithItsLowerLeftCornerToPointThree) {
    GraphicsState& g = gravim.graphics;
    g.OperandPixelX[1] = 10, g.OperandPixelY[1] = 20, g.OperandPixelX[2] = 29, g.OperandPixelY[2] = 39;
    g.OperandPixelX[3] = 20, g.OperandPixelY[3] = 20;
    g.OperandValue = 1;
    yygapi(OpBlit);
    // Source top-left (10, row 60), destination top-left (20, row 60), 20 x 20, 6 points ready.
    EXPECT_EQ(calls("blit")[0].args, (std::vector<int>{10, 60, 20, 60, 20, 20, 1, 0xFFFFFF & calls("blit")[0].args[7], 6}));
    g.surfaceType = 4;
    yygapi(OpBlit);
    EXPECT_EQ(calls("blit").size(), 1u);
}

TEST_F(ScreenDevice, CapabilitiesAndImage) {
    GraphicsState& g = gravim.graphics;
    yyscreenstandin().gradientType = 2;
    yygapi(OpInitialise);
    EXPECT_EQ(g.screenDevice.GradientFillType, 2);
    EXPECT_EQ(std::string(g.screenDevice.DeviceCapabilityMask.view()), "11111111111111111110111011111");
    g.surfaceType = 4;
    yygapi(OpInitialise);
    EXPECT_EQ(std::string(g.screenDevice.DeviceCapabilityMask.view()), "11111111111111111110111011110");
    // The image drawer's answer words come back: a missing file cannot be opened (1, with the
    // system's code), a kind the drawer has no path for is 27.
    g.OperandText.assign("picture.png");
    g.OperandPixelX[1] = 15;
    g.OperandCount = 0;
    yygapi(OpImage);
    EXPECT_EQ(g.OperandValue, 1);
    EXPECT_NE(g.OperandCount, 0);
    g.OperandPixelX[1] = 3;
    yygapi(OpImage);
    EXPECT_EQ(g.OperandValue, 27);
}

}  // namespace
