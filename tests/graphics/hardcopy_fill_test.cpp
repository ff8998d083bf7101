// hardcopy_fill_test.cpp - the core's side of the hardcopy fill protocol: the pattern member
// with 1 and -1, and the interior as spans when the driver asks for fill lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/hardcopy_fill.hpp"
#include "hardcopy/hardcopy_drivers.hpp"

namespace {

struct Call {
    int opcode, value;
    float x1, y1, x2, y2;
};
std::vector<Call> calls;
int answerMode = 0;
float answerSpacing = 0;

void fillDriver(int opcode) {
    GraphicsState& g = gravim.graphics;
    calls.push_back({opcode, g.OperandValue, g.OperandX[1], g.OperandY[1], g.OperandX[2], g.OperandY[2]});
    if (opcode != OpLine && g.OperandValue == 1) {
        g.fillPass[2] = answerMode;
        g.FillLineSpacing = answerSpacing;
    }
}

class HardcopyFill : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        previous = yysethardcopydriver(3, fillDriver);
        GraphicsState& g = gravim.graphics;
        gravim.hardcopy.hardcopyDriverNumber = 3;
        g.hardcopyActive = 1;
        g.clipX1 = g.clipY1 = 0;
        g.clipX2 = g.clipY2 = 100;
        calls.clear();
        answerMode = 0;
    }
    void TearDown() override {
        yysethardcopydriver(3, previous);
        yyresetgravim();
    }
    HardcopyDriver previous = nullptr;
};

const FillOutline square{{10, 20, 20, 10}, {10, 10, 20, 20}};

TEST_F(HardcopyFill, WithoutFillLinesThePatternMemberArrivesTwice) {
    gravim.graphics.OperandX[1] = 7;
    yyhardcopyfill(OpPolygonPattern, square);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].opcode, OpPolygonPattern);
    EXPECT_EQ(calls[0].value, 1);
    EXPECT_EQ(calls[1].opcode, OpPolygonPattern);
    EXPECT_EQ(calls[1].value, -1);
    EXPECT_EQ(calls[1].x1, 7);
}

TEST_F(HardcopyFill, FillLinesCoverTheInteriorAtTheDriversSpacing) {
    for (int mode : {1, 2}) {
        calls.clear();
        answerMode = mode;
        answerSpacing = 1;
        gravim.graphics.OperandX[1] = 7;
        yyhardcopyfill(OpPolygonPattern, square);
        ASSERT_EQ(calls.size(), 12u);
        for (int i = 1; i <= 10; ++i) {
            const Call& span = calls[static_cast<std::size_t>(i)];
            EXPECT_EQ(span.opcode, OpLine);
            EXPECT_FLOAT_EQ(span.y1, 9.0f + static_cast<float>(i));
            EXPECT_FLOAT_EQ(span.y2, span.y1);
            EXPECT_FLOAT_EQ(span.x1, 10);
            EXPECT_FLOAT_EQ(span.x2, 20);
        }
        EXPECT_EQ(calls.back().value, -1);
        EXPECT_EQ(calls.back().x1, 7);  // the shape's own operands again
        EXPECT_EQ(gravim.graphics.fillPass[2], 0);
    }
}

TEST_F(HardcopyFill, EllipseSpansFollowTheCurveAndStayInsideTheClip) {
    answerMode = 1;
    answerSpacing = 5;
    gravim.graphics.clipX2 = 55;
    yyhardcopyfill(OpEllipsePattern, yyellipseoutline(50, 50, 10, 10, 0, 360, false));
    std::vector<Call> spans;
    for (const Call& c : calls)
        if (c.opcode == OpLine) spans.push_back(c);
    ASSERT_EQ(spans.size(), 4u);  // rows 40, 45, 50, 55
    for (const Call& s : spans) {
        const float half = std::sqrt(100.0f - (s.y1 - 50) * (s.y1 - 50));
        EXPECT_NEAR(s.x1, 50 - half, 0.2f);
        EXPECT_NEAR(s.x2, std::min(50 + half, 55.0f), 0.2f);  // cut at the clip rectangle
    }
}

TEST_F(HardcopyFill, ASectorIsClosedThroughItsCentre) {
    const FillOutline quarter = yyellipseoutline(0, 0, 10, 10, 0, 90, true);
    EXPECT_FLOAT_EQ(quarter.x.back(), 0);
    EXPECT_FLOAT_EQ(quarter.y.back(), 0);
    answerMode = 2;
    answerSpacing = 2;
    yyhardcopyfill(OpArcPattern, quarter);
    for (const Call& c : calls) {
        if (c.opcode == OpLine) {
            EXPECT_NEAR(c.x1, 0, 0.01f);
        }
    }
}

TEST_F(HardcopyFill, NothingReachesAClosedOutput) {
    gravim.graphics.hardcopyActive = 0;
    yyhardcopyfill(OpPolygonPattern, square);
    EXPECT_TRUE(calls.empty());
}

}  // namespace
