// transforms_test.cpp - drawing area, user units, clip rectangle and the pixel transforms.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "recording_device.hpp"

namespace {

class Transforms : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        gravim.graphics.surfaceType = 1;
    }
    void TearDown() override { yyresetgravim(); }
    void surface(int width, int height) { yyresn(1, 0, width, height); }
};

TEST_F(Transforms, WholeAreaClipOf400By300Surface) {
    surface(400, 300);
    IGrArea(0, 0, 1, 1);
    const GraphicsState& g = gravim.graphics;
    EXPECT_FLOAT_EQ(g.clipX2, 399.99f);
    EXPECT_FLOAT_EQ(g.clipY2, 299.99f);
    EXPECT_EQ(g.clipPixelX2, 399);
    EXPECT_EQ(g.clipPixelY2, 299);
    EXPECT_EQ(g.clipPixelWidth, 400);
    EXPECT_EQ(g.clipPixelHeight, 300);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(Transforms, InvalidPairsFallBackOnePairAtATime) {
    surface(400, 300);
    IGrArea(0.5f, 0.2f, 0.5f, 0.8f);
    EXPECT_EQ(WInfoError(1), 44);
    EXPECT_FLOAT_EQ(gravim.graphics.areaX1, 0);
    EXPECT_FLOAT_EQ(gravim.graphics.areaX2, 1);
    EXPECT_FLOAT_EQ(gravim.graphics.areaY1, 0.2f);
    EXPECT_FLOAT_EQ(gravim.graphics.areaY2, 0.8f);
    IGrArea(1, 0, 1, 1);  // x1 must be below 1
    EXPECT_EQ(WInfoError(1), 44);
    IGrUnits(10, 0, 0, 1);
    EXPECT_EQ(WInfoError(1), 16);
    EXPECT_FLOAT_EQ(gravim.graphics.unitsX1, 0);
    EXPECT_FLOAT_EQ(gravim.graphics.unitsX2, 1);
}

TEST_F(Transforms, UserUnitsRoundTripInEveryRotation) {
    surface(101, 101);
    IGrArea(0, 0, 1, 1);
    IGrUnits(0, 0, 100, 100);
    float px = 0, py = 0, ux = 0, uy = 0;
    yye2i(50, 50, px, py);
    EXPECT_NEAR(px, 50.495f, 1e-3);
    EXPECT_NEAR(py, 50.495f, 1e-3);
    for (int rotation : {0, 90, 180, 270}) {
        gravim.graphics.rotation = rotation;
        yye2i(20, 70, px, py);
        yyi2e(px, py, ux, uy);
        EXPECT_NEAR(ux, 20, 1e-3) << rotation;
        EXPECT_NEAR(uy, 70, 1e-3) << rotation;
    }
}

// Counts the reports delivered to the status bar (debug level 3) while alive.
class ReportCounter {
public:
    ReportCounter() {
        saved_ = yyerroroutputs;
        lines().clear();
        yyerroroutputs.statusBar = [](std::string_view line) { lines().emplace_back(line); };
        IDebugLevel(3);
    }
    ~ReportCounter() {
        IDebugLevel(0);
        yyerroroutputs = saved_;
    }
    ReportCounter(const ReportCounter&) = delete;
    ReportCounter& operator=(const ReportCounter&) = delete;
    static std::vector<std::string>& lines() {
        static std::vector<std::string> reported;
        return reported;
    }
    int count(std::string_view routine) const {
        int n = 0;
        for (const std::string& line : lines()) n += line.find(routine) != std::string::npos ? 1 : 0;
        return n;
    }

private:
    ErrorReportOutputs saved_;
};

TEST_F(Transforms, OneReportPerInvalidPair) {
    surface(400, 300);
    ReportCounter reports;
    IGrArea(2, 0.5f, 3, 0.5f);  // both pairs
    EXPECT_EQ(reports.count("IGrArea"), 2);
    IGrArea(0, 0, 1, 1.5f);  // y only
    EXPECT_EQ(reports.count("IGrArea"), 3);
    IGrUnits(1, 1, 0, 0);
    EXPECT_EQ(reports.count("IGrUnits"), 2);
    IGrUnits(0, 5, 1, 6);
    EXPECT_EQ(reports.count("IGrUnits"), 2);
    EXPECT_EQ(reports.lines().size(), 5u);
}

TEST_F(Transforms, NaNMakesAPairInvalid) {
    surface(400, 300);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    IGrArea(nan, 0.25f, 0.5f, 0.75f);
    EXPECT_EQ(WInfoError(1), 44);
    EXPECT_FLOAT_EQ(gravim.graphics.areaX1, 0);
    EXPECT_FLOAT_EQ(gravim.graphics.areaY1, 0.25f);
    IGrUnits(0, nan, 1, 2);
    EXPECT_EQ(WInfoError(1), 16);
    EXPECT_FLOAT_EQ(gravim.graphics.unitsY2, 1);
    IGrArea(0.1f, 0.2f, 0.3f, 0.4f);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(Transforms, RotationSwapsTheRotatedCopies) {
    surface(400, 300);
    gravim.graphics.screenActive = 1;
    gravim.graphics.HardcopyScaleX = 2, gravim.graphics.HardcopyScaleY = 3;
    IGrArea(0, 0, 0.5f, 1);
    const GraphicsState& g = gravim.graphics;
    EXPECT_FLOAT_EQ(g.rotatedMaxX, 399.99f);
    EXPECT_FLOAT_EQ(g.rotatedClipWidth, 200);
    EXPECT_FLOAT_EQ(g.surfaceAspect, 400.0f / 300.0f);
    EXPECT_FLOAT_EQ(g.HardcopyTextScaleX, 2);
    gravim.graphics.rotation = 270;
    yyresnrot();
    EXPECT_FLOAT_EQ(g.rotatedMaxX, 299.99f);
    EXPECT_FLOAT_EQ(g.rotatedMaxY, 399.99f);
    EXPECT_FLOAT_EQ(g.rotatedClipWidth, 299.99f);
    EXPECT_FLOAT_EQ(g.rotatedClipHeight, 200);
    EXPECT_FLOAT_EQ(g.surfaceAspect, 300.0f / 400.0f);
    EXPECT_FLOAT_EQ(g.HardcopyTextScaleX, 3);
    gravim.graphics.screenActive = 0;
    gravim.graphics.HardcopyAspect = 0.7f;
    yyresnrot();
    EXPECT_FLOAT_EQ(g.surfaceAspect, 0.7f);
}

TEST_F(Transforms, SaveAndRestore) {
    surface(400, 300);
    GraphicsState& g = gravim.graphics;
    g.screenActive = 1;
    g.colourModel = 1;
    IGrArea(0.25f, 0.25f, 0.75f, 0.75f);
    g.fillStyle = 2, g.fillPattern[0] = 3, g.fillPattern[1] = 4, g.lineType = 2, g.CharacterPlacement = 1;
    g.colourState[1][0] = 0, g.colourState[1][1] = 31;
    yysav(0);
    g.fillStyle = 4, g.fillPattern[0] = 0, g.lineType = 5, g.CharacterPlacement = 0;
    g.colourState[1][0] = 5, g.colourState[1][1] = 6;
    {
        RecordingDevice device;
        yysav(1);
        EXPECT_EQ(device.stream(DeviceSide::Current), (std::vector<int>{OpColour, OpColour, OpLineType}));
    }
    EXPECT_EQ(g.colourState[1][0], 0);
    EXPECT_EQ(g.colourState[1][1], 31);
    EXPECT_EQ(g.fillStyle, 2);
    EXPECT_EQ(g.fillPattern[0], 3);
    EXPECT_EQ(g.lineType, 2);
    EXPECT_EQ(g.CharacterPlacement, 1);
    {
        RecordingDevice device;
        yysav(1);  // the line type is already right: colours only
        EXPECT_EQ(device.stream(DeviceSide::Current), (std::vector<int>{OpColour, OpColour}));
    }

    yysav(4);  // the area is saved and the clip opened to the whole surface
    EXPECT_FLOAT_EQ(g.clipX1, 0);
    EXPECT_FLOAT_EQ(g.clipX2, 399.99f);
    EXPECT_FLOAT_EQ(g.areaX1, 0.25f);
    yysav(3);
    EXPECT_FLOAT_EQ(g.clipX1, 100);
    EXPECT_FLOAT_EQ(g.clipX2, 300);
    IGrArea(0, 0, 1, 1);
    RecordingDevice device;
    yysav(4);  // already the whole surface: no clip
    yysav(7);
    EXPECT_TRUE(device.opcodes.empty());
}

TEST_F(Transforms, EqualPatternColoursFillSolid) {
    GraphicsState& g = gravim.graphics;
    struct Case {
        int style, colours, model;
        int previous[3], current[3];
        int expected;
    };
    const Case cases[] = {
        {3, 256, 1, {7, 0, 0}, {7, 1, 1}, 10},        // the same device colour number
        {3, 256, 1, {7, 0, 0}, {8, 0, 0}, 9},         // numbers differ
        {4, 256, 1, {7, 0, 0}, {7, 0, 0}, 9},         // not a pattern: left as it is
        {3, 2, 2, {1, 0, 5}, {1, 0, 6}, 9},           // two colours: compared as RGB values
        {3, 2, 2, {0, 3, 5}, {1, 4, 5}, 10},
        {3, 2, 1, {0, 3, 5}, {1, 3, 6}, 10},          // ... or as palette indices
    };
    for (const Case& c : cases) {
        g.fillStyle = c.style, g.screenColours = c.colours, g.colourModel = c.model;
        for (int row = 0; row < 3; ++row) g.colourState[row][0] = c.previous[row], g.colourState[row][1] = c.current[row];
        int b = 9;
        yyfact(10, b);
        EXPECT_EQ(b, c.expected);
    }
}

}  // namespace
