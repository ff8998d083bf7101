// software_raster_test.cpp - the software raster's primitives and device opcodes on rasters of
// every layout: lines, dashes and thickness, spans and mixing, the shape fills, images, opening,
// clearing and the one-bit fill's ink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/software_raster.hpp"
#include "raster_support.hpp"

namespace {

class SoftwareRaster : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        GraphicsState& g = gravim.graphics;
        g.colourModel = 1;
        g.fillStyle = 4;
        g.HardcopyScaleX = g.HardcopyScaleY = 1;
        yypali();
    }
    void TearDown() override {
        yyrasterrelease();
        yyresetgravim();
    }
    // The pixels of row y that are set, as a text of '#' and '.'.
    static std::string row(int y, int from, int to) {
        std::string text;
        for (int x = from; x <= to; ++x) text += rasterPixel(x, y) != 0 ? '#' : '.';
        return text;
    }
    static void colour(int index) {
        gravim.graphics.colourState[1][0] = gravim.graphics.colourState[1][1];
        gravim.graphics.colourState[1][1] = index;
        yyvras(OpColour);
    }
};

TEST_F(SoftwareRaster, AOnePixelLineDrawsItsPixelOnlyWhenItDoesNotContinue) {
    makeRaster(1, 16, 16);
    gravim.raster.RasterColour = 1;
    yyvra3(5, 5, 5, 5, 1);
    EXPECT_EQ(inkedPixels(), 0);
    yyvra3(5, 5, 5, 5, 0);
    EXPECT_EQ(inkedPixels(), 1);
    EXPECT_EQ(rasterPixel(5, 5), 1);
}

TEST_F(SoftwareRaster, ADottedHorizontalLineSetsTwoPixelsPerPatternBit) {
    makeRaster(1, 64, 4, 144);  // 144 dpi: a dash unit of 2 pixels
    gravim.graphics.lineType = 1;
    yyvras(OpLineType);
    EXPECT_EQ(gravim.raster.DashUnitX, 2);
    gravim.raster.RasterColour = 1;
    yyvra3(0, 1, 47, 1, 0);
    // Bits 2 and 8 of the 12-bit pattern: pixels 4-5 and 16-17 of each 24.
    std::string expected(48, '.');
    for (const int x : {4, 5, 16, 17, 28, 29, 40, 41}) expected[static_cast<std::size_t>(x)] = '#';
    EXPECT_EQ(row(1, 0, 47), expected);
}

TEST_F(SoftwareRaster, ThicknessMakesParallelCopiesAcrossTheMajorAxis) {
    makeRaster(1, 32, 32);
    RasterState& r = gravim.raster;
    r.RasterColour = 1;
    r.LineExtraColumns = 2;
    r.LineHalfColumns = 1;
    yyvra3(10, 2, 12, 20, 0);  // steep: three pixels in each row
    for (int y = 2; y <= 20; ++y) {
        int inRow = 0;
        for (int x = 0; x < 32; ++x) inRow += rasterPixel(x, y);
        EXPECT_EQ(inRow, 3) << "row " << y;
    }
    makeRaster(1, 32, 32);
    r.RasterColour = 1;
    r.LineExtraColumns = 2;  // columns do not thicken a shallow line
    yyvra3(2, 10, 20, 13, 0);
    for (int x = 2; x <= 20; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 32; ++y) inColumn += rasterPixel(x, y);
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
}

TEST_F(SoftwareRaster, EdgeIntersections) {
    EXPECT_EQ(yyxini(0, 0, 10, 10, 5), 5);
    EXPECT_EQ(yyxini(10, 10, 0, 0, 5), 5);
    EXPECT_EQ(yyxini(0, 3, 9, 3, 3), 32767);
    EXPECT_EQ(yyxini(0, 0, 10, 3, 1), 3);   // truncated toward zero
    EXPECT_EQ(yyxini(0, 0, -10, 3, 1), -3);
}

TEST_F(SoftwareRaster, MixedSpansAlternateColoursInOppositePhasesAtDepths8And3) {
    makeRaster(8, 8, 2);
    RasterState& r = gravim.raster;
    r.MixedFill = 1;
    r.RasterPreviousColour = 17;
    r.RasterColour = 42;
    yyvra2(0, 7, 0);
    yyvra2(0, 7, 1);
    EXPECT_EQ(rasterPixel(0, 0), 17);
    EXPECT_EQ(rasterPixel(1, 0), 42);
    EXPECT_EQ(rasterPixel(0, 1), 42);

    makeRaster(3, 8, 2);
    r.MixedFill = 1;
    for (int plane = 1; plane <= 3; ++plane) {
        r.DitherPattern[plane][0] = plane == 1 ? 0xFFFFFFFFu : 0;  // previous: red
        r.DitherPattern[plane][1] = plane == 3 ? 0xFFFFFFFFu : 0;  // current: blue
    }
    yyvra2(0, 7, 0);
    EXPECT_EQ(rasterPixel(0, 0), 4);  // the current colour where x + y is even
    EXPECT_EQ(rasterPixel(1, 0), 1);
}

TEST_F(SoftwareRaster, AOneBitSpanWithFillWordZeroClearsWhatWasThere) {
    makeRaster(1, 40, 4);
    yyvra4(1, 0, 2, 39);
    RasterState& r = gravim.raster;
    r.FillWordEven = r.FillWordOdd = 0;
    yyvra2(5, 34, 2);
    EXPECT_EQ(row(2, 0, 39), "#####..............................#####");
}

TEST_F(SoftwareRaster, RunsCrossWordsInEveryLayout) {
    for (const int depth : {1, 3, 4, 8, 24}) {
        makeRaster(depth, 100, 3);
        const int value = depth == 24 ? 0x123456 : depth == 8 ? 200 : depth == 1 ? 1 : 5;
        yyvra4(value, 30, 1, 70);
        EXPECT_EQ(rasterPixel(29, 1), 0) << depth;
        EXPECT_EQ(rasterPixel(30, 1), value) << depth;
        EXPECT_EQ(rasterPixel(70, 1), value) << depth;
        EXPECT_EQ(rasterPixel(71, 1), 0) << depth;
        EXPECT_EQ(inkedPixels(), 41) << depth;
        yyvra4(value, -50, 0, 500);  // beyond the raster: clamped to it
        EXPECT_EQ(inkedPixels(), 141) << depth;
    }
}

TEST_F(SoftwareRaster, ARectangleOnOneRowDrawsOneSpan) {
    makeRaster(8, 20, 10);
    GraphicsState& g = gravim.graphics;
    colour(223);
    g.OperandValue = 1;
    g.OperandX[1] = 3.2f;
    g.OperandY[1] = 4.1f;
    g.OperandX[2] = 9.9f;
    g.OperandY[2] = 4.8f;
    yyvras(OpRectanglePattern);
    EXPECT_EQ(inkedPixels(), 7);
    EXPECT_EQ(row(4, 0, 19), "...#######..........");
    EXPECT_EQ(g.pageDrawn, 1);
}

TEST_F(SoftwareRaster, ATriangleFillsBetweenItsEdgesAndNothingWhenGivenTopDown) {
    makeRaster(8, 20, 20);
    GraphicsState& g = gravim.graphics;
    colour(223);
    g.OperandValue = 1;
    g.PolygonX = {0, 2, 14, 2};
    g.PolygonY = {0, 14, 8, 2};
    yyvras(OpTrianglePattern);
    EXPECT_EQ(inkedPixels(), 0);
    g.PolygonY = {0, 2, 8, 14};
    yyvras(OpTrianglePattern);
    EXPECT_EQ(row(2, 0, 19), "..#.................");
    EXPECT_EQ(row(5, 0, 19), "..#######...........");
    EXPECT_EQ(row(8, 0, 19), "..#############.....");
    EXPECT_EQ(row(11, 0, 19), "..#######...........");
    EXPECT_EQ(row(15, 0, 19), "....................");
}

TEST_F(SoftwareRaster, QuadrilateralsAsBandsAndAsTrapezoids) {
    makeRaster(8, 24, 24);
    GraphicsState& g = gravim.graphics;
    colour(223);
    // A band between the vertical sides x = 4 and x = 16 whose lower edge rises from 2 to 6.
    g.PolygonX = {0, 4, 16, 16, 4};
    g.PolygonY = {0, 2, 6, 12, 12};
    g.OperandValue = 1;
    yyvras(OpQuadPattern);
    EXPECT_EQ(row(12, 0, 23), "....#############.......");
    EXPECT_EQ(row(6, 0, 23), "....#############.......");
    EXPECT_EQ(row(4, 0, 23), "....#######.............");  // cut by the lower edge
    EXPECT_EQ(row(1, 0, 23), "........................");

    makeRaster(8, 24, 24);
    // A trapezoid, narrower at the top: the sides cut each row.
    g.PolygonX = {0, 2, 20, 14, 8};
    g.PolygonY = {0, 2, 2, 8, 8};
    g.OperandValue = 0;
    yyvras(OpQuadPattern);
    EXPECT_EQ(row(2, 0, 23), "..###################...");
    EXPECT_EQ(row(8, 0, 23), "........#######.........");
    EXPECT_EQ(row(5, 0, 23), ".....#############......");
}

TEST_F(SoftwareRaster, AnImageTurnedBy90DegreesPutsItsFirstColumnOnTheBottomRow) {
    makeRaster(24, 3, 2);
    gravim.graphics.rotation = 90;
    // 2 x 3 pixels, top row first: a b / c d / e f.
    const std::vector<int> pixels = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
    yyvrasimage(pixels.data(), 2, 3);
    // The bottom row reads the image's first column from its top at the left.
    EXPECT_EQ(rasterPixel(0, 0), 0x0A);
    EXPECT_EQ(rasterPixel(1, 0), 0x0C);
    EXPECT_EQ(rasterPixel(2, 0), 0x0E);
    EXPECT_EQ(rasterPixel(0, 1), 0x0B);
    EXPECT_EQ(rasterPixel(2, 1), 0x0F);
    gravim.graphics.rotation = 45;
    makeRaster(24, 3, 2);
    yyvrasimage(pixels.data(), 2, 3);
    EXPECT_EQ(inkedPixels(), 0);
}

TEST_F(SoftwareRaster, ARescaleOnlyOpenKeepsTheRasterAndChangesTheScale) {
    makeRaster(8, 40, 30);
    yyvra1(9, 3, 3);
    GraphicsState& g = gravim.graphics;
    g.surfaceWidth = 80;
    g.surfaceHeight = 15;
    g.OperandValue = -1;
    yyvras(OpOpen);
    EXPECT_EQ(rasterPixel(3, 3), 9);
    EXPECT_FLOAT_EQ(g.HardcopyScaleX, 0.5f);
    EXPECT_FLOAT_EQ(g.HardcopyScaleY, 2.0f);
}

TEST_F(SoftwareRaster, AClearStopsAtTheUsedWords) {
    makeRaster(24, 10, 10);
    RasterState& r = gravim.raster;
    std::fill(r.IRBUFF.begin(), r.IRBUFF.end(), 7);
    r.RasterUsedWords = 49;
    r.RasterClearValue = -1;
    yyvras(OpClear);
    EXPECT_EQ(r.IRBUFF[49], -1);
    EXPECT_EQ(r.IRBUFF[50], 7);
    EXPECT_EQ(r.IRBUFF[100], 7);
}

TEST_F(SoftwareRaster, AOneBitFillInksDarkColoursAndLeavesWhiteBlank) {
    makeRaster(1, 32, 8);
    GraphicsState& g = gravim.graphics;
    g.hardcopyColours = 2;
    const auto fill = [] {
        GraphicsState& g = gravim.graphics;
        g.OperandValue = 1;
        g.OperandX[1] = 0;
        g.OperandY[1] = 0;
        g.OperandX[2] = 31;
        g.OperandY[2] = 7;
        yyvras(OpRectanglePattern);
    };
    colour(0);  // white
    fill();
    EXPECT_EQ(inkedPixels(), 0);
    colour(223);  // black
    fill();
    EXPECT_EQ(inkedPixels(), 32 * 8);
    colour(0);
    fill();
    EXPECT_EQ(inkedPixels(), 0);
}

TEST_F(SoftwareRaster, LinesOfTheOneBitRasterInkEveryColourButWhite) {
    makeRaster(1, 8, 8);
    colour(0);
    EXPECT_EQ(gravim.raster.RasterColour, 0);
    colour(5);
    EXPECT_EQ(gravim.raster.RasterColour, 1);
    gravim.hardcopy.HardcopyOptions[6] = 1;
    colour(223);
    EXPECT_EQ(gravim.raster.RasterColour, 0);
}

TEST_F(SoftwareRaster, FillLineModeTurnsLinesIntoSpansOnTheirFirstRow) {
    makeRaster(8, 20, 20);
    GraphicsState& g = gravim.graphics;
    colour(223);
    g.OperandValue = 1;
    yyvras(OpPolygonPattern);
    EXPECT_EQ(g.fillPass[2], 1);
    g.OperandX[1] = 15;
    g.OperandY[1] = 5;
    g.OperandX[2] = 3;
    g.OperandY[2] = 9;
    yyvras(OpLine);
    EXPECT_EQ(row(5, 0, 19), "...#############....");
    EXPECT_EQ(inkedPixels(), 13);
}

TEST_F(SoftwareRaster, APointIsOneRowHighAndAsWideAsTheLine) {
    makeRaster(8, 20, 20);
    GraphicsState& g = gravim.graphics;
    colour(223);
    g.OperandX[1] = 10;
    g.OperandY[1] = 4;
    yyvras(OpPoint);
    EXPECT_EQ(inkedPixels(), 1);
    gravim.raster.LineExtraRows = 2;
    gravim.raster.LineHalfRows = 1;
    g.OperandY[1] = 8;
    yyvras(OpPoint);
    EXPECT_EQ(row(8, 0, 19), ".........###........");
}

TEST_F(SoftwareRaster, APolylineThatStartsAtTheLastPointDoesNotRedrawIt) {
    makeRaster(8, 20, 20);
    GraphicsState& g = gravim.graphics;
    colour(223);
    g.OperandX[1] = 2;
    g.OperandY[1] = 2;
    g.OperandX[2] = 8;
    g.OperandY[2] = 2;
    yyvras(OpLine);
    gravim.raster.RasterColour = 5;  // shows which line set the shared pixel
    g.PolygonX = {0, 8, 8};
    g.PolygonY = {0, 2, 9};
    g.OperandCount = 2;
    yyvras(OpPolyline);
    EXPECT_EQ(rasterPixel(8, 2), 223);
    EXPECT_EQ(rasterPixel(8, 3), 5);
}

}  // namespace
