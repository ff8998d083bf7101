// transforms_test.cpp - drawing area, user units, clip rectangle and the pixel transforms.
#include <gtest/gtest.h>

#include "core/errors.hpp"
#include "core/gravim.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

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

}  // namespace
