// lines_test.cpp - segment clipping, lines and rectangles as opcode streams.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <utility>

#include "graphics/graphics_internal.hpp"
#include "graphics_fixture.hpp"
#include "recording_device.hpp"

namespace {

using Lines = GraphicsTest;

// A clip rectangle of x 0..10 and y 0..20 on a 100 x 100 surface.
void clipTo(float x1, float y1, float x2, float y2) {
    gravim.graphics.surfaceWidth = gravim.graphics.surfaceHeight = 100;
    yywing(x1, y1, x2, y2);
}

TEST_F(Lines, ClippingTable) {
    clipTo(0, 0, 10, 20);
    struct Case {
        float x1, y1, x2, y2;
        int visible;
        float cx1, cy1, cx2, cy2;
    };
    const Case cases[] = {
        {-10, 5, 20, 5, 1, 0, 5, 10, 5},        // horizontal, both ends outside
        {2, 3, 8, 9, 1, 2, 3, 8, 9},            // inside: unchanged
        {2, 25, 8, 30, 0, 0, 0, 0, 0},          // wholly above
        {5, -5, 5, 30, 1, 5, 0, 5, 20},         // vertical through
        {5.5f, 30, 5.2f, 25, 0, 0, 0, 0, 0},    // vertical above
        {-5, -5, 15, 15, 1, 0, 0, 10, 10},      // diagonal, cut at both edges
        {15, 15, -5, -5, 1, 10, 10, 0, 0},      // the same the other way
        {5, 10, 15, 20, 1, 5, 10, 10, 15},      // leaves through the right edge
        {-5, 0, 5, 30, 1, -0.0f, 15, 1.6666666f, 20},  // enters left, leaves through the top
        {-20, 10, -10, 30, 0, 0, 0, 0, 0},      // left of the rectangle
        {12, -1, 30, 40, 0, 0, 0, 0, 0},        // right of the rectangle
        {10, 20, 10, 20, 1, 10, 20, 10, 20},    // a point on the corner
    };
    for (const Case& c : cases) {
        float x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        int visible = -1;
        yyclip(x1, y1, x2, y2, visible);
        EXPECT_EQ(visible, c.visible) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
        if (c.visible == 0 || visible == 0) continue;
        EXPECT_NEAR(x1, c.cx1, 1e-3);
        EXPECT_NEAR(y1, c.cy1, 1e-3);
        EXPECT_NEAR(x2, c.cx2, 1e-3);
        EXPECT_NEAR(y2, c.cy2, 1e-3);
    }
}

TEST_F(Lines, RandomSegmentsClipInsideAndOnTheirLine) {
    clipTo(20, 30, 70, 60);
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> coordinate(-50, 150);
    int seen = 0;
    for (int i = 0; i < 20000; ++i) {
        const float ax = coordinate(random), ay = coordinate(random), bx = coordinate(random), by = coordinate(random);
        float x1 = ax, y1 = ay, x2 = bx, y2 = by;
        int visible = 0;
        yyclip(x1, y1, x2, y2, visible);
        if (visible == 0) continue;
        ++seen;
        for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
            EXPECT_EQ(yybox(x, y), 1) << ax << "," << ay << " " << bx << "," << by;
            // On the original line: the cross product is small against the segment's length.
            const float cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax);
            const float length = std::hypot(bx - ax, by - ay);
            if (std::trunc(ax) != std::trunc(bx) && std::trunc(ay) != std::trunc(by)) {
                EXPECT_LE(std::fabs(cross) / length, 0.01f) << ax << "," << ay << " " << bx << "," << by;
            }
            EXPECT_GE(x, std::min(ax, bx) - 0.01f);
            EXPECT_LE(x, std::max(ax, bx) + 0.01f);
        }
    }
    EXPECT_GT(seen, 1000);
}

class Drawing : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        open(200, 100);
        IGrUnits(0, 0, 200, 100);
    }
};

TEST_F(Drawing, LinesGoToBothSidesWithPixelsTruncated) {
    gravim.graphics.hardcopyActive = 1;
    RecordingDevice device;
    yyline(-10, 50.7f, 300, 50.7f);
    const auto screen = device.of(DeviceSide::Current, OpLine);
    ASSERT_EQ(screen.size(), 1u);
    EXPECT_EQ(screen[0].px1, 0);
    EXPECT_EQ(screen[0].px2, 199);
    EXPECT_EQ(screen[0].py1, 50);
    EXPECT_NEAR(screen[0].x2, 199.99f, 1e-3);
    EXPECT_EQ(device.of(DeviceSide::Hardcopy, OpLine).size(), 1u);
    device.clear();
    yyline(10, 150, 20, 160);  // above the area
    EXPECT_TRUE(device.opcodes.empty());
    gravim.graphics.hardcopyActive = 0;
}

TEST_F(Drawing, UnitsFarOutsideTheSurfaceSaturate) {
    RecordingDevice device;
    IGrUnits(0, 0, 1, 1);
    IGrRectangle(-1e30f, -1e30f, 1e30f, 1e30f);
    yyline(-1e30f, 0.5f, 1e30f, 0.5f);
    const float huge = std::numeric_limits<float>::max();
    yyline(-huge, -huge, huge, huge);
    const auto rectangles = device.of(DeviceSide::Current, OpRectangle);
    EXPECT_TRUE(rectangles.empty());  // fill style 0: the outline only
    const auto lines = device.of(DeviceSide::Current, OpLine);
    ASSERT_FALSE(lines.empty());
    for (const RecordedOpcode& r : lines) {
        EXPECT_GE(r.px1, 0);
        EXPECT_LE(r.px1, 199);
        EXPECT_GE(r.py2, 0);
        EXPECT_LE(r.py2, 99);
    }
    EXPECT_EQ(yytrunc(3e9f), 2000000000);
    EXPECT_EQ(yytrunc(-3e9f), -2000000000);
    EXPECT_EQ(yytrunc(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(yytrunc(-7.9f), -7);
}

TEST_F(Drawing, ZeroWidthRectanglesAreRefused) {
    RecordingDevice device;
    IGrMoveTo(3, 4);
    IGrRectangle(0.2f, 0.2f, 0.2f, 0.5f);
    EXPECT_EQ(WInfoError(1), 22);
    IGrRectangleRel(5, 0);
    EXPECT_EQ(WInfoError(1), 22);
    EXPECT_TRUE(device.opcodes.empty());
    EXPECT_FLOAT_EQ(gravim.graphics.positionX, 3);
    IGrRectangle(10, 10, 20, 20);
    EXPECT_FLOAT_EQ(gravim.graphics.positionX, 10);
    IGrMoveToRel(5, 1);
    IGrRectangleRel(10, 10);
    EXPECT_FLOAT_EQ(gravim.graphics.positionX, 15);
    EXPECT_FLOAT_EQ(gravim.graphics.positionY, 11);
}

TEST_F(Drawing, ASolidRectangleIsOneOpcode) {
    gravim.graphics.fillStyle = 4;
    RecordingDevice device;
    IGrRectangle(10.5f, 10.5f, 50.5f, 40.5f);
    ASSERT_EQ(device.opcodes.size(), 1u);
    EXPECT_EQ(device.opcodes[0].opcode, OpRectangle);
    EXPECT_EQ(device.opcodes[0].px1, 10);
    EXPECT_EQ(device.opcodes[0].py2, 40);
    device.clear();
    IGrRectangle(-50, -50, 500, 10);  // clipped to the area's pixels
    ASSERT_EQ(device.opcodes.size(), 1u);
    EXPECT_EQ(device.opcodes[0].px1, 0);
    EXPECT_EQ(device.opcodes[0].px2, 199);
    device.clear();
    IGrRectangle(300, 10, 400, 20);  // outside: nothing
    EXPECT_TRUE(device.opcodes.empty());
}

TEST_F(Drawing, PatternWithEqualColoursFillsSolidAndAScreenLineFillDrawsLines) {
    GraphicsState& g = gravim.graphics;
    g.fillStyle = 3;
    IGrColourN(223);  // previous and current both black
    RecordingDevice device;
    IGrRectangle(10, 10, 50, 40);
    EXPECT_EQ(device.stream(DeviceSide::Current), std::vector<int>{OpRectangle});
    IGrColourN(31);
    device.clear();
    g.fillPass[1] = 1;  // the screen asks for line fills once
    IGrRectangle(10.5f, 10.5f, 50.5f, 20.5f);
    const std::vector<int> stream = device.stream(DeviceSide::Current);
    ASSERT_FALSE(stream.empty());
    EXPECT_EQ(stream[0], OpRectanglePattern);
    EXPECT_EQ(device.of(DeviceSide::Current, OpLine).size(), 10u);  // one per row 11..20
    EXPECT_EQ(g.fillPass[1], 0);
}

TEST_F(Drawing, AHatchedRectangleOnHardcopyIsBracketed) {
    GraphicsState& g = gravim.graphics;
    g.hardcopyActive = 1;
    g.fillStyle = 1;
    g.fillPattern[0] = 1;
    g.fillPattern[1] = 3;
    RecordingDevice device;
    IGrRectangle(10, 10, 50, 40);
    const std::vector<RecordedOpcode> hardcopy = [&] {
        std::vector<RecordedOpcode> r;
        for (const RecordedOpcode& o : device.opcodes)
            if (o.side == DeviceSide::Hardcopy) r.push_back(o);
        return r;
    }();
    ASSERT_GE(hardcopy.size(), 3u);
    EXPECT_EQ(hardcopy.front().opcode, OpRectanglePattern);
    EXPECT_EQ(hardcopy.front().value, 1);
    EXPECT_EQ(hardcopy.back().opcode, OpRectanglePattern);
    EXPECT_EQ(hardcopy.back().value, -1);
    for (std::size_t i = 1; i + 1 < hardcopy.size(); ++i) EXPECT_EQ(hardcopy[i].opcode, OpLine);
    // The hardcopy pass ran with the screen off; the screen pass with hardcopy off.
    for (const RecordedOpcode& o : device.opcodes)
        if (o.side == DeviceSide::Hardcopy && o.opcode == OpLine) {
            EXPECT_FALSE(o.screenActive);
        }
    EXPECT_EQ(g.screenActive, 1);
    EXPECT_EQ(g.hardcopyActive, 1);
    // Hardcopy lines alternate their direction, starting from left to right.
    const auto lines = device.of(DeviceSide::Hardcopy, OpLine);
    std::vector<RecordedOpcode> hatch;
    for (const RecordedOpcode& o : lines)
        if (o.y1 == o.y2 && o.x1 != o.x2 && o.y1 > 10.5f && o.y1 < 39.5f) hatch.push_back(o);
    ASSERT_GE(hatch.size(), 2u);
    EXPECT_LT(hatch[0].x1, hatch[0].x2);
    EXPECT_GT(hatch[1].x1, hatch[1].x2);
    g.hardcopyActive = 0;
}

TEST_F(Drawing, ATinyHardcopyFillSpacingStillEnds) {
    GraphicsState& g = gravim.graphics;
    g.screenActive = 0;
    g.hardcopyActive = 1;
    g.fillStyle = 4;
    g.fillPass[2] = 1;
    g.FillLineSpacing = 1e-7f;  // no longer advances a position near 50
    RecordingDevice device;
    IGrRectangle(10, 50, 50, 60);
    EXPECT_LT(device.of(DeviceSide::Hardcopy, OpLine).size(), 200000u);
    g.fillPass[2] = 1;
    g.FillLineSpacing = 0;
    device.clear();
    IGrRectangle(10, 50, 50, 60);
    EXPECT_LE(device.of(DeviceSide::Hardcopy, OpLine).size(), 1u);
    g.fillPass[2] = 1;
    g.FillLineSpacing = 2;
    device.clear();
    IGrRectangle(10, 50, 50, 60);
    EXPECT_EQ(device.of(DeviceSide::Hardcopy, OpLine).size(), 5u);  // y 50, 52, ... 58
    g.hardcopyActive = 0;
}

// Pixels of the recorded screen lines, each line taken with both ends.
std::map<std::pair<int, int>, int> pixelCounts(const std::vector<RecordedOpcode>& lines) {
    std::map<std::pair<int, int>, int> counts;
    for (const RecordedOpcode& r : lines) {
        const int steps = std::max(std::abs(r.px2 - r.px1), std::abs(r.py2 - r.py1));
        for (int s = 0; s <= steps; ++s) {
            const int x = steps == 0 ? r.px1 : r.px1 + (r.px2 - r.px1) * s / steps;
            const int y = steps == 0 ? r.py1 : r.py1 + (r.py2 - r.py1) * s / steps;
            ++counts[{x, y}];
        }
    }
    return counts;
}

TEST_F(Drawing, ExclusiveOrOutlinesDrawEachCornerOnce) {
    IGrPlotMode2(3);
    RecordingDevice device;
    IGrRectangle(10.5f, 10.5f, 50.5f, 40.5f);
    const auto counts = pixelCounts(device.of(DeviceSide::Current, OpLine));
    for (const auto& corner : {std::pair{10, 10}, std::pair{50, 10}, std::pair{50, 40}, std::pair{10, 40}}) {
        ASSERT_TRUE(counts.contains(corner)) << corner.first << "," << corner.second;
        EXPECT_EQ(counts.at(corner), 1) << corner.first << "," << corner.second;
    }
    for (const auto& [pixel, count] : counts) EXPECT_EQ(count, 1) << pixel.first << "," << pixel.second;
    IGrPlotMode2();
    EXPECT_EQ(gravim.graphics.plotMode, 0);
}

TEST_F(Drawing, CrossHatchingAndDiagonalsStayInsideTheRectangle) {
    GraphicsState& g = gravim.graphics;
    g.fillStyle = 2;
    for (const int direction : {1, 3}) {
        g.fillPattern[0] = 2;
        g.fillPattern[1] = direction;
        RecordingDevice device;
        IGrRectangle(20, 20, 120, 80);
        const auto lines = device.of(DeviceSide::Current, OpLine);
        EXPECT_GT(lines.size(), 8u) << direction;
        for (const RecordedOpcode& r : lines) {
            EXPECT_GE(std::min(r.x1, r.x2), 19.99f);
            EXPECT_LE(std::max(r.x1, r.x2), 120.01f);
            EXPECT_GE(std::min(r.y1, r.y2), 19.99f);
            EXPECT_LE(std::max(r.y1, r.y2), 80.01f);
        }
        // The diagonals put the area's clip back.
        EXPECT_FLOAT_EQ(g.clipX2, 199.99f);
    }
}

TEST_F(Drawing, HatchingAHugeRectangleWalksOnlyTheVisibleLines) {
    GraphicsState& g = gravim.graphics;
    IGrUnits(0, 0, 1, 1);
    g.fillStyle = 2;
    g.fillPattern[0] = 1;
    g.hardcopyActive = 1;
    g.rotatedMaxX = 199.99f, g.rotatedMaxY = 99.99f;
    for (const int direction : {1, 3}) {
        g.fillPattern[1] = direction;
        RecordingDevice device;
        IGrRectangle(-1e7f, -1e7f, 1e7f, 1e7f);
        const auto lines = device.of(DeviceSide::Current, OpLine);
        EXPECT_GT(lines.size(), 4u) << direction;
        EXPECT_LT(lines.size(), 2000u) << direction;
        for (const RecordedOpcode& r : lines) {
            EXPECT_GE(std::min(r.px1, r.px2), 0);
            EXPECT_LE(std::max(r.px1, r.px2), 199);
        }
        EXPECT_GT(device.of(DeviceSide::Hardcopy, OpLine).size(), 4u);
    }
    g.hardcopyActive = 0;
}

TEST_F(Drawing, HatchStepsStayInRangeForAnyDensity) {
    GraphicsState& g = gravim.graphics;
    g.fillStyle = 1;
    for (const int density : {-5, 0, 1, 4, 31, 32, 100, 2147483647}) {
        HatchSteps steps;
        yystep(1, density, steps);
        EXPECT_GE(steps.stepX, 2);
        EXPECT_GE(steps.stepY, 2);
        yystep(2, density, steps);
        EXPECT_GE(steps.stepY, 1);
        EXPECT_TRUE(std::isfinite(steps.realY));
    }
    HatchSteps steps;
    yystep(1, 1, steps);  // 100 rows / 30, 200 columns / 30
    EXPECT_EQ(steps.stepY, 3);
    EXPECT_EQ(steps.stepX, 6);
    EXPECT_EQ(steps.alternate, 0);
    g.plotMode = 2;
    yystep(1, 1, steps);
    EXPECT_FLOAT_EQ(steps.inset, 1);
    yystep(2, 1, steps);
    EXPECT_FLOAT_EQ(steps.inset, 0);
    EXPECT_EQ(steps.alternate, 1);
}

TEST_F(Drawing, BorderLineTypeAndPlotMode) {
    gravim.graphics.hardcopyActive = 1;
    RecordingDevice device;
    IGrBorder();
    EXPECT_EQ(device.of(DeviceSide::Current, OpLine).size(), 4u);
    EXPECT_EQ(device.of(DeviceSide::Hardcopy, OpLine).size(), 4u);
    device.clear();
    IGrLineType(9);
    EXPECT_EQ(gravim.graphics.lineType, 0);
    IGrLineType(5);
    EXPECT_EQ(gravim.graphics.lineType, 5);
    IGrLineType();
    EXPECT_EQ(gravim.graphics.lineType, 0);
    EXPECT_EQ(device.stream(DeviceSide::Hardcopy), (std::vector<int>{OpLineType, OpLineType, OpLineType}));
    IGrPlotMode2(1);
    EXPECT_EQ(device.stream(DeviceSide::Current).back(), OpPlotMode);
    gravim.graphics.hardcopyActive = 0;
}

}  // namespace
