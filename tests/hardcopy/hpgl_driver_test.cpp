// hpgl_driver_test.cpp - the HP-GL driver's file: opening lines, pens, pages, annotation records,
// fills by the plotter or hatched by the graphics core, ellipses, labels and rescaling.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/plotter_writers.hpp"
#include "hardcopy/printer_settings.hpp"
#include "plotter_support.hpp"
#include "scratch.hpp"

namespace {

// The colour record of palette colour c.
std::string colourRecord(int c) {
    int rgb = 0;
    yypalg(c, rgb);
    return "SC-1 " + std::to_string(rgb) + " 0 32760 ;SC0 32760 0 32760";
}

// The draw call of a filled shape alone (no hatch lines, no end call).
void drawCallOnly(int opcode) {
    gravim.graphics.OperandValue = 1;
    yyhdrv(opcode);
    gravim.graphics.fillPass[2] = 0;
}

class HpglDriver : public ::testing::Test {
protected:
    void SetUp() override {
        plotterSurface();
        IGrHardCopySelect(1, 1);
    }
    void TearDown() override {
        IGrHardCopy("S");
        yyresetgravim();
    }
    // Starts output into out.plt; the lines re-sent at the start are dropped from `lines`.
    void start() { IGrHardCopy("out.plt"); }
    std::vector<std::string> stop() {
        IGrHardCopy("S");
        return fileLines("out.plt");
    }
    ScratchFolder folder;
};

TEST_F(HpglDriver, OpensWithTheModelsWindowRotationAndRecords) {
    start();
    const std::vector<std::string> lines = stop();
    ASSERT_GE(lines.size(), 8u);
    const std::vector<std::string> opening(lines.begin(), lines.begin() + 7);
    EXPECT_EQ(opening, (std::vector<std::string>{"IN; IP 395 0 10865 7478", "RO0; IP 395 0 10865 7478", "DT\x04", "DI1. 0.",
                                                 "SC-2 9 0 32760", "SC-13 1 0 32760", "SC0 32760 0 32760"}));
    // The state re-sent at the start: width, line type, clip window, font, colour.
    EXPECT_TRUE(contains(lines, "PW0.142"));
    EXPECT_TRUE(contains(lines, "LT"));
    EXPECT_TRUE(contains(lines, "IW395 0 10865 7478"));
    EXPECT_EQ(countStarting(lines, "SC-10 "), 2);  // the font re-sent by the rotation update and the start
    EXPECT_TRUE(contains(lines, "PU;SP1"));
    EXPECT_TRUE(contains(lines, "SC-1 16777215 0 32760 ;SC0 32760 0 32760"));  // palette 0 is white

    IGrHardCopyOptions(5, 0);
    IGrHardCopyOptions(17, 1);
    IGrHardCopyOptions(19, 1);
    start();
    const std::vector<std::string> turned = stop();
    ASSERT_GE(turned.size(), 3u);
    EXPECT_EQ(turned[0], " \x1b.Y");
    EXPECT_EQ(turned[2], " RO90; IP 395 0 10865 7478");
    EXPECT_EQ(turned.back(), " \x1b.Z");
    for (const std::string& line : turned) EXPECT_EQ(line.substr(0, 1), " ") << line;
}

TEST_F(HpglDriver, LinesSharingAPointGoOnWithThePenDown) {
    start();
    drawLine(0, 0, 500, 375);
    drawLine(500, 375, 999.99f, 0);
    drawLine(10, 10, 20, 20);
    const std::vector<std::string> lines = linesFrom(stop(), "PU0 0");
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"PU0 0", "PD16380 16380", "PD32759 0", "PU327 436", "PD655 873"}));
}

TEST_F(HpglDriver, PensFollowTheColourBandsAndAPageLeavesTheSelectionPending) {
    start();
    setColour(20);  // band 1: pen 3 on a 4-pen plotter
    setColour(250);  // band 0: pen 1
    setColour(50);  // band 2: 4 mod 4 = 0, pen 1 (no change)
    drawLine(0, 0, 10, 10);
    gravim.graphics.OperandValue = 0;
    yyhdrv(OpPage);
    setColour(251);  // the same pen: the selection stays pending
    drawLine(20, 20, 30, 30);
    gravim.graphics.OperandValue = 0;
    yyhdrv(OpPage);
    setColour(20);  // another pen: selected at once, nothing pending
    drawLine(20, 20, 30, 30);
    const std::vector<std::string> lines = linesFrom(stop(), "PU;SP3");
    const std::vector<std::string> expected = {
        "PU;SP3", colourRecord(20), "PU;SP1", colourRecord(250), colourRecord(50), "PU0 0", "PD327 436",
        "SC-3 0 0 32760 ;SC0 32760 0 32760", "PU;SP0 ;", colourRecord(251), "SP1", "PU655 873", "PD982 1310",
        "SC-3 0 0 32760 ;SC0 32760 0 32760", "PU;SP0 ;", "PU;SP3", colourRecord(20), "PU655 873", "PD982 1310"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
}

TEST_F(HpglDriver, WithoutAnnotationNoRecordsAndNoPenWidth) {
    IGrHardCopyOptions(25, 1);
    gravim.hardcopy.HardcopyOptions[18] = 0;
    start();
    gravim.graphics.fillStyle = 1;
    fillPolygon(OpTrianglePattern, {{100, 100}, {300, 100}, {200, 300}});
    fillEllipse(500, 400, 50, 50);
    gravim.graphics.OperandValue = 32;
    yyhdrv(OpPage);
    const std::vector<std::string> lines = stop();
    EXPECT_EQ(countStarting(lines, "SC-"), 0);
    EXPECT_EQ(countStarting(lines, "PW"), 0);
    EXPECT_GT(countStarting(lines, "PD"), 10);  // the hatch lines
    EXPECT_TRUE(contains(lines, "CI1638 0"));
}

TEST_F(HpglDriver, ALongPolygonOnAClass4PlotterIsHatchedWithItsRecords) {
    iplotter(2);
    IGrHardCopySelect(1, 1);
    IGrHardCopyOptions(25, 1);
    start();
    GraphicsState& g = gravim.graphics;
    g.fillStyle = 4;
    g.fillPattern[1] = 1;  // hatch direction
    g.fillPass[0] = 1;     // hatch outline
    Points star;
    for (int i = 0; i < 200; ++i) {
        const float r = i % 2 == 0 ? 300.0f : 150.0f, a = static_cast<float>(i) * 6.2831853f / 200;
        star.push_back({500 + r * std::cos(a), 375 + r * std::sin(a)});
    }
    fillPolygon(OpPolygonPattern, star);
    fillPolygon(OpPolygonPattern, {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {5, 30}});  // filled by the plotter
    const std::vector<std::string> lines = linesFrom(stop(), "SC-11 4 0 32771");
    ASSERT_GE(lines.size(), 203u);
    EXPECT_EQ(lines[1], "SC-12 200 0 32760");
    EXPECT_EQ(countStarting(lines, "SC-9 "), 200);
    EXPECT_EQ(lines[202], "SC0 32760 0 32760");
    EXPECT_GT(countStarting(lines, "PD"), 100);  // hatching
    EXPECT_EQ(countOf(lines, "SC-11 -1 0 32760 ;SC0 32760 0 32760"), 1);
    const std::vector<std::string> small = linesFrom(lines, "FT2;PT 0.28");
    ASSERT_GE(small.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(small.begin(), small.begin() + 8),
              (std::vector<std::string>{"FT2;PT 0.28", "PU327 436", "PM0", "PD1965 436", "PD1965 2620", "PD327 2620", "PD163 1310", "PM2;FP"}));
}

TEST_F(HpglDriver, EllipsesAreScaledRoundOnThePage) {
    IGrHardCopyOptions(25, 1);
    start();
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = 500;
    g.OperandY[1] = 375;
    g.OperandX[2] = 100;
    g.OperandX[3] = 1;  // k = 32760 / aspect 742/530 = 23400
    drawCallOnly(OpEllipsePattern);
    g.OperandX[3] = 0.5f;  // k = 46800 > 32760: j = 22932, the radius shrunk
    drawCallOnly(OpEllipsePattern);
    const std::vector<std::string> lines = linesFrom(stop(), "PU16380 16380");
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{"PU16380 16380", "SC-5 0 0 32760", "SC0 32760 0 23400", "CI3276 0", "SC0 32760 0 32760",
                                        "PU16380 16380", "SC-5 0 0 32760", "SC0 22932 0 32760", "CI2293 0", "SC0 32760 0 32760"}));
}

TEST_F(HpglDriver, LabelsAreWholeAndCannotEndEarly) {
    start();
    const std::string longText = "A label of more than fifty characters, written whole in one line";
    drawText(longText, 100, 100);
    drawText(std::string("end\x04PU0 0;PD32760 32760;\x1b%0Adone"), 200, 100);
    drawLine(200, 100, 300, 100);
    const std::vector<std::string> lines = linesFrom(stop(), "SR0.67 1.00");
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
              (std::vector<std::string>{"SR0.67 1.00", "SL0.", "PU3276 4368", "LB" + longText + "\x04", "PU6552 4368",
                                        "LBendPU0 0;PD32760 32760;%0Adone\x04", "PU6552 4368"}));
}

TEST_F(HpglDriver, AResizeOnlyRescales) {
    start();
    GraphicsState& g = gravim.graphics;
    g.surfaceMaxX = 499.99f;
    g.OperandValue = -1;
    yyhdrv(OpOpen);
    EXPECT_FLOAT_EQ(g.HardcopyScaleX, 32760.0f / 499.99f);
    drawLine(0, 0, 499.99f, 0);
    const std::vector<std::string> lines = stop();
    const std::vector<std::string> tail = linesFrom(lines, "SC-1 16777215 0 32760 ;SC0 32760 0 32760");
    ASSERT_GE(tail.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(tail.begin() + 1, tail.begin() + 4),
              (std::vector<std::string>{"SC0 32760 0 32760", "PU0 0", "PD32759 0"}));
}

}  // namespace

namespace {

// The writers alone, into a file of their own.
class PlotterWriters : public ::testing::Test {
protected:
    void SetUp() override {
        plotterSurface();
        gravim.graphics.HardcopyScaleX = gravim.graphics.HardcopyScaleY = 1;
        gravim.hardcopy.HardcopyOptions[18] = 1;
        gravim.graphics.OperandText.assign("writers.out");
        yyprop(hardcopyUnit);
    }
    std::vector<std::string> written() {
        yyprcl(hardcopyUnit);
        return fileLines("writers.out");
    }
    ScratchFolder folder;
};

TEST_F(PlotterWriters, CompressAndFormatTheirLines) {
    yyhpg3("SC                ");
    yyhpg3("PU;SP  5");
    yyhpg1("PU", 1200, 3400);
    yyhpg1("PD", 1234567, -123456);  // too wide for their fields: whole, never run together
    yyhpg6(2, 0, 9, 0, 0);
    yyhpg6(3, 1, 32, 0, 0);
    yyhpg6(12, 0, 200, 0, 0);
    yyhpg5(1.5f, -0.25f);
    yyhpg4(-7, 1234567);
    yyhpgl2d(12, 255, 0, 0);
    gravim.hardcopy.HardcopyOptions[6] = 2;
    yyhpgl2d(1, 5, 5, 5);
    yyhpgl2d(2, 100, 5, 5);
    yyhpgl2c(0xAA55AA55u);
    gravim.hardcopy.HardcopyOptions[18] = 0;
    yyhpg4(1, 2);
    yyhpg5(1, 2);
    yyhpg6(1, 1, 0, 0, 0);
    gravim.hardcopy.plotterLinePrefix = 1;
    yyhpg3("PD");
    yyhpg1("PU", -5, 0);
    yyhpg2("text\x04");
    yyhpgl2b("PE7_;");
    EXPECT_EQ(written(), (std::vector<std::string>{
                             "SC", "PU;SP 5", "PU1200 3400", "PD1234567 -123456", "SC-2 9 0 32760",
                             "SC-3 32 0 32760 ;SC0 32760 0 32760", "SC-12 200 0 32760", "SC-9 1.5000 -0.2500 0",
                             "SC-9 -7 1234567 0", "PC12 255 0 0", "PC1 250 250 250", "PC2 100 5 5",
                             "0,1,0,1,0,1,0,1,1,0,1,0,1,0,1,0,", "0,1,0,1,0,1,0,1,1,0,1,0,1,0,1,0;", " PD", " PU-5 0", " LBtext\x04", " PE7_;"}));
}

// Polylines as relative moves in "PE7" lines.
TEST_F(PlotterWriters, EncodePolylinesInLinesUnder260Characters) {
    setPolygon({{0, 0}, {1, -1}, {1, -1}, {17, -1}});
    yyhpgl2a();
    Points zigzag;
    for (int i = 0; i < 300; ++i) zigzag.push_back({static_cast<float>(i % 2 == 0 ? 0 : 1000), static_cast<float>(i)});
    setPolygon(zigzag);
    yyhpgl2a();
    setPolygon({{0, 0}, {3e9f, -3e9f}, {-3e9f, 3e9f}});
    yyhpgl2a();
    Points far;  // moves far beyond 2^20 units each
    for (int i = 0; i < 60; ++i) far.push_back({i % 2 == 0 ? -2e9f : 2e9f, i % 2 == 0 ? 2e9f : -2e9f});
    setPolygon(far);
    yyhpgl2a();
    const std::vector<std::string> lines = written();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "PE7ab__?`_;");  // (+1, -1), (0, 0), (+16, 0)
    std::size_t zigzagLines = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LT(lines[i].size(), 260u);
        EXPECT_EQ(lines[i].substr(0, 3), "PE7");
        EXPECT_EQ(lines[i].back(), ';');
        if (lines[i].find("O]`a") != std::string::npos) ++zigzagLines;  // (+1000, +1)
    }
    // 299 moves of (+-1000, 1) of four characters each: 61 moves per line.
    EXPECT_EQ(zigzagLines, 5u);
}

}  // namespace
