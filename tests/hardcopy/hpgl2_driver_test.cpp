// hpgl2_driver_test.cpp - the HP-GL/2 driver's file: the PCL wrapper bytes, the opening lines per
// variant, pens on monochrome and colour devices, raster fills, mixed pens, labels and titles.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/dithering.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/printer_settings.hpp"
#include "plotter_support.hpp"
#include "scratch.hpp"

namespace {

class Hpgl2Driver : public ::testing::Test {
protected:
    void SetUp() override { plotterSurface(); }
    void TearDown() override {
        IGrHardCopy("S");
        yyresetgravim();
    }
    // Selects the driver for the variant (its options back at their defaults).
    static void select(int variant) {
        iprinter2(variant);
        IGrHardCopySelect(1, 12);
    }
    static void open(std::optional<std::string> title = std::nullopt) {
        if (title) IGrHardCopy("out.plt", *title);
        else IGrHardCopy("out.plt");
    }
    static void start(int variant, std::optional<std::string> title = std::nullopt) {
        select(variant);
        open(title);
    }
    std::vector<std::string> stop() {
        IGrHardCopy("S");
        return fileLines("out.plt");
    }
    ScratchFolder folder;
};

TEST_F(Hpgl2Driver, WrapsEveryPageInPclExceptOnTheLargeFormatDevice) {
    start(1);
    drawLine(0, 0, 100, 100);
    gravim.graphics.OperandValue = 0;
    yyhdrv(OpPage);
    drawLine(0, 0, 100, 100);
    std::vector<std::string> lines = stop();
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 12),
              (std::vector<std::string>{"\x1b%0B", "IN; IP 0 0 10851 7916", "RO90; IP 0 0 10851 7916", "DT\x04", "DI1. 0.", "TR0",
                                        "CO\"13 1 1.5 9\";", "CO\"2 0\";", "SC0 32760 0 32760", "DI1.000 0.000", "PW0.142", "LT"}));
    const std::string eject = "\x1b%1A\x1b&l01X\f\x1b%0B";
    EXPECT_EQ(countOf(lines, eject), 2);
    EXPECT_EQ(countOf(lines, "CO\"3 0\";"), 1);
    EXPECT_EQ(countOf(lines, "CO\"3 32\";"), 1);
    EXPECT_EQ(lines.back(), "\x1b%0A");
    EXPECT_EQ(readWholeFile("out.plt").substr(0, 6), "\x1b%0B\r\n");

    start(4);
    drawLine(0, 0, 100, 100);
    lines = stop();
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{"IN; IP 0 0 15832 10851", "RO0; IP 0 0 15832 10851", "DT\x04", "DI1. 0.", "TR0", "AD1,14;SA",
                                        "NP256", "CO\"13 4 1.2 9\";", "CO\"2 0\";", "SC0 32760 0 32760"}));
    EXPECT_EQ(readWholeFile("out.plt").find('\x1b'), std::string::npos);
    EXPECT_EQ(lines.back(), "PG");

    select(2);
    IGrHardCopyOptions(8, 3);
    IGrHardCopyOptions(5, 0);
    open();
    drawLine(0, 0, 100, 100);
    lines = stop();
    EXPECT_TRUE(contains(lines, "RO0; IP 0 0 10851 7916"));
    EXPECT_TRUE(contains(lines, "\x1b%1A\x1b&l03X\f\x1b%0B"));
}

TEST_F(Hpgl2Driver, MonochromePensAndOneRasterFillForEqualFills) {
    start(1);
    GraphicsState& g = gravim.graphics;
    setColour(223);
    setColour(0);
    g.fillStyle = 4;
    setColour(100);
    fillRectangle(100, 100, 200, 200);
    fillRectangle(300, 100, 400, 200);
    const std::vector<std::string> lines = stop();
    // Black (the start's white was pen 0), 100 after white, and the line pen after each fill.
    EXPECT_EQ(countOf(lines, "PU;SP1"), 4);
    EXPECT_EQ(countOf(lines, "PU;SP0"), 2);
    DitherWord cell = 0, unused2 = 0, unused3 = 0;
    yydith(1, cell, unused2, unused3);
    EXPECT_EQ(countOf(lines, "RF1,8,4,"), 1);
    EXPECT_EQ(countOf(lines, "FT11 1"), 1);
    const std::vector<std::string> fill = linesFrom(lines, "RF1,8,4,");
    ASSERT_GE(fill.size(), 8u);
    EXPECT_EQ(fill[3], "FT11 1");
    EXPECT_EQ(fill[4], "CO\" 6 4 0 0 0\";");
    EXPECT_EQ(fill[5], "PU3276 4368");
    EXPECT_EQ(fill[6], "RA6552 8736");
    EXPECT_EQ(fill[7], "CO\" 6 -1\";");
}

TEST_F(Hpgl2Driver, WithInversionColour223IsPenZero) {
    select(3);
    IGrHardCopyOptions(6, 1);
    open();
    setColour(223);
    setColour(0);
    const std::vector<std::string> lines = stop();
    const std::vector<std::string> tail = linesFrom(lines, "CO\"2 1\";");
    ASSERT_FALSE(tail.empty());
    EXPECT_EQ(countOf(tail, "PU;SP1"), 2);  // the start's white and colour 0
    EXPECT_EQ(countOf(tail, "PU;SP0"), 1);
}

TEST_F(Hpgl2Driver, AMixedFillDefinesItsOwnPenAndRestoresTheLinePen) {
    start(2);
    GraphicsState& g = gravim.graphics;
    setColour(10);
    setColour(20);
    g.fillStyle = 3;
    fillPolygon(OpTrianglePattern, {{100, 100}, {200, 100}, {150, 200}});
    setColour(235);
    drawLine(0, 0, 10, 10);
    const std::vector<std::string> lines = linesFrom(stop(), "PU;SP 20");
    int a = 0, b = 0, ar = 0, ag = 0, ab = 0, br = 0, bg = 0, bb = 0;
    yypalg(10, a);
    yypalg(20, b);
    WRGBSplit(a, &ar, &ag, &ab);
    WRGBSplit(b, &br, &bg, &bb);
    const std::string mixed = "PC235 " + std::to_string((ar + br) / 2) + " " + std::to_string((ag + bg) / 2) + " " + std::to_string((ab + bb) / 2);
    const std::vector<std::string> fill = linesFrom(lines, mixed);
    ASSERT_GE(fill.size(), 10u);
    EXPECT_EQ(fill[1], "PU;SP235");
    EXPECT_EQ(fill[2], "CO\" 7 3 0 0 0\";");
    EXPECT_EQ(fill[3], "PU3276 4368");
    EXPECT_EQ(fill[4], "PM0");
    EXPECT_EQ(fill[5], "PE7WKe_LEb?Pg;");
    EXPECT_EQ(fill[6], "PM2;FP");
    EXPECT_EQ(fill[7], "CO\" 7 -1\";");
    EXPECT_EQ(fill[8], "PU;SP 20");
    int c235 = 0, r = 0, gr = 0, bl = 0;  // colour 235 is sent again before it is used
    yypalg(235, c235);
    WRGBSplit(c235, &r, &gr, &bl);
    EXPECT_EQ(fill[9], "PC235 " + std::to_string(r) + " " + std::to_string(gr) + " " + std::to_string(bl));
    EXPECT_EQ(fill[10], "PU;SP235");
}

TEST_F(Hpgl2Driver, LabelsTakeTheirOriginFromTheJustification) {
    start(5);
    GraphicsState& g = gravim.graphics;
    g.TextJustification = 1;
    drawText("centred", 100, 100, 300, 100);
    g.TextJustification = 2;
    drawText("right", 100, 200, 300, 200);
    drawText("right again", 100, 300, 300, 300);
    g.TextJustification = 0;
    g.FontStyle = 3;
    g.EffectiveFontNumber = 2;
    drawText("left", 100, 400, 300, 400);
    const std::vector<std::string> lines = linesFrom(stop(), "LO4");
    const std::vector<std::string> expected = {"LO4", "PU6552 4368", "LBcentred\x04", "LO7", "PU9828 8736", "LBright\x04",
                                               "PU9828 13104", "LBright again\x04", "SL.2;AD 2 1 6 3 7 4148", "LO1",
                                               "PU3276 17472", "LBleft\x04"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
}

TEST_F(Hpgl2Driver, TheFirstVariantWritesTextInRoman8) {
    start(1);
    drawText("\xa1\xb0\xc9\xe9\xff\x7e", 100, 100);
    std::string text = "\xe9";
    drawText(text, 100, 200);
    const std::vector<std::string> lines = stop();
    EXPECT_TRUE(contains(lines, "LB\xb8\xb3\xdc\xc5\xef\x7e\x04"));
    EXPECT_TRUE(contains(lines, "LB\xc5\x04"));
    EXPECT_EQ(gravim.graphics.OperandText[0], '\xc5');  // translated in place
}

TEST_F(Hpgl2Driver, TitlesAreWholeCommentsThatCannotEndEarly) {
    const std::string title = "A \"quoted\" title; PD32760 32760; SP2 LB and more, well past the plotter line's fifty characters";
    start(1, title);
    const std::vector<std::string> lines = stop();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "CO\"A 'quoted' title; PD32760 32760; SP2 LB and more, well past the plotter line's fifty characters\";");
}

}  // namespace

namespace {

TEST_F(Hpgl2Driver, HatchedFillsLeaveTheShapesToTheCoreButCircleTheEllipse) {
    start(2);
    GraphicsState& g = gravim.graphics;
    g.fillStyle = 1;
    fillRectangle(100, 100, 200, 200);
    fillPolygon(OpTrianglePattern, {{100, 100}, {200, 100}, {150, 200}});
    fillPolygon(OpPolygonPattern, {{100, 100}, {200, 100}, {150, 200}, {120, 150}});
    fillEllipse(500, 375, 100, 100);
    const std::vector<std::string> all = stop();
    const std::vector<std::string> lines = linesFrom(all, "PU16380 16380");
    const std::vector<std::string> expected = {"PU16380 16380", "CO\"5 1 0 0 0\";", "SC0 32760 0 23899", "CI3276 0",
                                               "SC0 32760 0 32760", "CO\" 5 -1\";"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(countStarting(all, "RA"), 0);
    EXPECT_EQ(countStarting(all, "PM0"), 0);
}

TEST_F(Hpgl2Driver, PaletteEntriesJoinsAndCapsAreSentAsTheyCome) {
    start(5);
    GraphicsState& g = gravim.graphics;
    g.OperandValue = 12;
    g.OperandPixelX[1] = 0x0000FF;  // red
    yyhdrv(OpPaletteEntry);
    setColour(12);  // defined already: only selected; the comment tells the graphics colour
    IGrHardCopyOptions(10, 1);
    IGrHardCopyOptions(11, 2);
    int rgb = 0;
    yypalg(12, rgb);
    const std::vector<std::string> lines = linesFrom(stop(), "PC12 255 0 0");
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"PC12 255 0 0", "PU;SP 12", "CO\"1 " + std::to_string(rgb) + "\";", "LA2 4", "LA1 2"}));
}

}  // namespace
