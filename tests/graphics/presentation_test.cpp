// presentation_test.cpp - the presentation-graphics plot definition.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graphics/graphics_internal.hpp"
#include "graphics/presentation.hpp"
#include "graphics_fixture.hpp"

namespace {

class Presentation : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        open(200, 100);
    }
    PresentationGraphics& p = gravim.graphics.pg;
};

TEST_F(Presentation, DefaultsAfterInit) {
    EXPECT_FLOAT_EQ(p.pgAreaX1, 0.1f);
    EXPECT_FLOAT_EQ(p.pgAreaY2, 0.9f);
    EXPECT_FLOAT_EQ(p.pgUnitsX2, 1);
    EXPECT_FLOAT_EQ(p.pgPolarRadius, 1);
    EXPECT_EQ(p.pgPlotType, 4);
    EXPECT_EQ(p.pgSets, 500);
    EXPECT_EQ(p.pgValues1, 1);
    EXPECT_EQ(p.work4a.size(), 500u);
    EXPECT_EQ(p.setStyle[7][0], 4);
    EXPECT_EQ(p.setColour[7][0], 64);   // ((7 mod 6) + 1) x 32
    EXPECT_EQ(p.setColour[7][1], 96);
    EXPECT_EQ(p.setWord[500], -1);
    EXPECT_EQ(p.plotColour[0], 223);
    EXPECT_EQ(p.plotWord[0], -3);
    EXPECT_FLOAT_EQ(p.plotReal[3], 1.5f);
    EXPECT_NEAR(p.viewCos[0], std::cos(-3.14159265f / 4), 1e-6);
    EXPECT_EQ(p.pgLabelStep, 1);
}

TEST_F(Presentation, AreaTakesEachValidValueAlone) {
    IPgArea(0.2f, 1.5f, 0, 0.5f);
    EXPECT_FLOAT_EQ(p.pgAreaX1, 0.2f);
    EXPECT_FLOAT_EQ(p.pgAreaY1, 0.1f);
    EXPECT_FLOAT_EQ(p.pgAreaX2, 0.9f);
    EXPECT_FLOAT_EQ(p.pgAreaY2, 0.5f);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(Presentation, UnitRanges) {
    IPgUnits(5, 1, 1, 1);  // reversed x is accepted; equal y is not
    EXPECT_FLOAT_EQ(p.pgUnitsX1, 5);
    EXPECT_FLOAT_EQ(p.pgXMin, 1);
    EXPECT_FLOAT_EQ(p.pgXMax, 5);
    EXPECT_FLOAT_EQ(p.pgUnitsWidth, -4);
    EXPECT_FLOAT_EQ(p.pgUnitsY2, 1);
    EXPECT_EQ(WInfoError(1), 16);
    IPgUnitsZ(1, 0);
    EXPECT_EQ(WInfoError(1), 16);
    EXPECT_FLOAT_EQ(p.pgUnitsDepth, 1);
    IPgUnitsZ(-2, 2);
    EXPECT_FLOAT_EQ(p.pgUnitsDepth, 4);
    IPgUnitsPolar(0);
    EXPECT_EQ(WInfoError(1), 16);
    IPgUnitsPolar(3);
    EXPECT_FLOAT_EQ(p.pgPolarRadius, 3);
}

TEST_F(Presentation, LogAxes) {
    IPgNewPlot(1, 3, 5);
    IPgScaling("log10", "lin");
    EXPECT_EQ(p.pgLogX, 0);  // type 1 never has a logarithmic x axis
    EXPECT_EQ(p.pgLogY, 0);
    IPgNewPlot(4, 3, 5);
    IPgUnits(0, 1, 100, 1000);
    EXPECT_EQ(p.pgLogX, 1);
    EXPECT_FLOAT_EQ(p.pgLogX1, -38);
    EXPECT_FLOAT_EQ(p.pgLogX2, 2);
    IPgScaling("Lo", "LOGARITHMIC");
    EXPECT_EQ(p.pgLogX, 0);
    EXPECT_EQ(p.pgLogY, 1);
    EXPECT_FLOAT_EQ(p.pgLogY1, 0);
    EXPECT_FLOAT_EQ(p.pgLogYSpan, 3);
    EXPECT_FLOAT_EQ(p.pgLogRadius, 0);
    EXPECT_FLOAT_EQ(p.pgLogRadiusSpan, 38);
    EXPECT_FLOAT_EQ(yylog1(-0.01f), -2);
    IPgNewPlot(2, 3, 5);
    EXPECT_EQ(p.pgLogY, 0);  // type 2 never has a logarithmic y axis
}

TEST_F(Presentation, ClampsTypeSetsAndCounts) {
    IPgNewPlot(0, 1000, 0);
    EXPECT_EQ(p.pgPlotType, 4);
    EXPECT_EQ(p.pgSets, 500);
    EXPECT_EQ(p.pgValues1, 1);
    IPgNewPlot(12, -3, 7);
    EXPECT_EQ(p.pgPlotType, 4);
    EXPECT_EQ(p.pgSets, 1);
    EXPECT_FLOAT_EQ(p.pgCellWidth, 0.6f / 7);
    IPgNewPlot(3, 20, 1);
    EXPECT_FLOAT_EQ(p.pgCellWidth, 0.25f);
    EXPECT_GE(p.work3.size(), 80u);
}

TEST_F(Presentation, LabelSteps) {
    const struct {
        int values, step;
    } cases[] = {{150, 20}, {60, 5}, {12, 1}, {100, 10}, {13, 2}, {1000, 100}, {109, 10}, {701, 100}};
    for (const auto& c : cases) {
        IPgNewPlot(4, 3, c.values, 0, 1);
        EXPECT_EQ(p.pgLabelStep, c.step) << c.values;
        EXPECT_EQ(p.pgLabelStep2, c.step) << c.values;
    }
}

TEST_F(Presentation, OptionFlags) {
    IPgNewPlot(1, 2, 5, 32);
    EXPECT_EQ(p.pgOpt1, 0);
    EXPECT_EQ(p.pgOpt20, 1);
    IPgNewPlot(1, 2, 5, 33);
    EXPECT_EQ(p.pgOpt1, 0);  // type 1 with bit 20 clears bit 1
    IPgNewPlot(4, 2, 5, 1);
    EXPECT_EQ(p.pgOpt1, 0);
    EXPECT_EQ(p.pgThreeD, 0);
    const int values[2] = {3, 1};
    IPgNewPlot(5, 2, values, 0x41);
    EXPECT_EQ(p.pgThreeD, 1);
    EXPECT_EQ(p.pgOpt1, 1);
    EXPECT_EQ(p.pgOpt40, 0);  // cleared by bit 1
    EXPECT_EQ(p.pgValues2, 2);
    EXPECT_FLOAT_EQ(p.depthRatio, 0.5f);
    IPgNewPlot(5, 2, values, 0x201);
    EXPECT_FLOAT_EQ(p.depthRatio, 1 - 0.5f * 2 / 3);
    const struct {
        int options, mode;
    } modes[] = {{0x4, 1}, {0x104, 1}, {0x110, 2}, {0x10, 3}, {0, 0}};
    for (const auto& m : modes) {
        IPgNewPlot(4, 1, 1, m.options);
        EXPECT_EQ(p.pgFillMode, m.mode) << m.options;
    }
    const int three[3] = {1, 1, 9};
    IPgNewPlot(10, 1, three);
    EXPECT_EQ(p.pgValues1, 2);
    EXPECT_EQ(p.pgValues3, 9);
}

TEST_F(Presentation, PerSetStylesAndColoursInBothModels) {
    IPgNewPlot(4, 5, 3, 0, 1);
    EXPECT_EQ(p.setStyle[1][0], 0);
    EXPECT_EQ(p.setStyle[3][0], -2);
    EXPECT_EQ(p.setStyle[3][1], 1);
    EXPECT_EQ(p.setWord[3], 3);
    // Palette: c goes 0, 37, 75, 114, 150 (c := ((n mod 4) + c + 36) mod 176).
    const int a[6] = {0, 32, 69, 107, 146, 182};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(p.setColour[n][0], a[n]) << n;
        EXPECT_EQ(p.setColour[n][1], a[n] + 32) << n;
    }
    EXPECT_EQ(p.setColour[6][0], ((6 % 6) + 1) * 32);  // beyond the count: the defaults

    IGrColourModel(24);
    IPgNewPlot(4, 2, 3, 0, 1);
    for (int n = 1; n <= 2; ++n) {
        const int t = ((256 - n) / 32) - 32 * (n % 4) + 223;
        const int b = (32 * (n % 5) + 127) * 65536, g = (16 * (n % 9) + 127) * 256;
        EXPECT_EQ(p.setColour[n][0], g + t + b);
        EXPECT_EQ(p.setColour[n][1], g + (255 - t) + b);
    }

    IPgNewPlot(9, 3, 3, 0, 1);  // kind 7: colour A black, no colour pass
    EXPECT_EQ(p.setColour[2][0], 0);
    EXPECT_EQ(p.setStyle[2][1], 2);
    EXPECT_FLOAT_EQ(p.plotReal[2], 0.75f);
    IGrColourModel(8);
    IPgNewPlot(9, 3, 3, 0, 1);
    EXPECT_EQ(p.setColour[2][0], 223);

    const int values[2] = {4, 4};
    IPgNewPlot(8, 3, values, 0x11, 1);  // 3-D bars, fill mode 3: kind 3 and walls
    EXPECT_EQ(p.setColour[1][0], 31);
    EXPECT_EQ(p.setColour[2][0], 63);
    EXPECT_EQ(p.wallCount, 4);
    EXPECT_EQ(p.wallColour[0], 255);
    EXPECT_FLOAT_EQ(p.plotReal[3], 0.6f);
    EXPECT_FLOAT_EQ(p.viewDegrees[0], -45);
    IPgNewPlot(8, 3, values, 0, 1);  // 2-D bars without bit 8: kind 8
    EXPECT_EQ(p.setStyle[1][1], 5);
    EXPECT_FLOAT_EQ(p.viewDegrees[0], 0);
    IPgNewPlot(8, 3, values, 0x18, 1);
    EXPECT_EQ(p.pgBarGap, 37);  // 150 / 4

    IPgNewPlot(7, 100, 3, 0, 1);  // kind 5
    EXPECT_EQ(p.setStyle[41][0], 1);
    EXPECT_EQ(p.setStyle[41][1], 2);
    EXPECT_EQ(p.setStyle[40][0], 40);
    EXPECT_EQ(p.setWord[40], -1);
    const int square[2] = {3, 3};
    IPgNewPlot(7, 20, square, 1, 1);  // kind 6
    EXPECT_EQ(p.setWord[20], (20 % 14) + 13);
    EXPECT_EQ(p.wallCount, 0);

    IPgNewPlot(5, 30, values, 1, 1);  // 3-D lines without bit 20: only two sets styled
    EXPECT_EQ(p.setStyle[2][0], 4);
    EXPECT_EQ(p.setStyle[3][0], 3);  // left from the plot before
}

}  // namespace
