// bitmap_arithmetic_test.cpp - blending, turning and the mode settings of the bitmap operations.
#include <gtest/gtest.h>

#include <vector>

#include "images/bitmap_arithmetic.hpp"

namespace {

constexpr unsigned White = 0xFFFFFF, Blue = 0xFF0000, Red = 0x0000FF;

struct BlendCase {
    const char* what;
    unsigned value;
    unsigned old;
    int mode;
    int alpha;
    bool writes;
    unsigned colour;
};

TEST(BitmapBlend, ModesOverATarget) {
    const BlendCase cases[] = {
        {"mode 0, opaque blue", Blue, White, 0, 99, true, Blue},
        {"mode 0, transparent red", 0xFF000000 | Red, White, 0, 0, false, 0},
        {"mode 0, black half transparent over white", 0x80000000, White, 0, 0, true, 0x808080},
        {"mode 1, alpha 255 touches nothing", Blue, White, 1, 255, false, 0},
        {"mode 1, alpha 0 ignores the top byte", 0xFF000000 | Red, White, 1, 0, true, Red},
        {"mode 1, alpha 128 blends", 0, White, 1, 128, true, 0x808080},
        {"mode 2, top byte 255 is a marker", 0xFF000000 | Red, 0, 2, 0, false, 0},
        {"mode 2, alpha 0 still blends", 0x7F000000 | Red, White, 2, 0, true, Red},
        {"mode 2, alpha 255 gives the old colour", Red, 0x123456, 2, 255, true, 0x123456},
        {"mode 3 draws nothing", Red, White, 3, 0, false, 0},
    };
    for (const BlendCase& c : cases) {
        unsigned colour = 0;
        EXPECT_EQ(yyblendpixel(c.value, c.old, c.mode, c.alpha, colour), c.writes) << c.what;
        if (c.writes) {
            EXPECT_EQ(colour, c.colour) << c.what;
        }
    }
}

TEST(BitmapBlend, QuotientsTruncatedSeparately) {
    // 127 * 100 / 255 = 49.8 and 128 * 200 / 255 = 100.4: 49 + 100, not 150.
    EXPECT_EQ(yyblendcomponent(100, 200, 128), 149);
    EXPECT_EQ(yyblendcomponent(0, 255, 128), 128);
}

TEST(BitmapBlend, SpanClippedToTheTarget) {
    const BlendSpan left = yyblendspan(-5, 4, 3);
    EXPECT_EQ(left.first, 0);
    EXPECT_EQ(left.last, 2);
    const BlendSpan outside = yyblendspan(5, 9, 3);
    EXPECT_GT(outside.first, outside.last);
    const BlendSpan inside = yyblendspan(1, 2, 10);
    EXPECT_EQ(inside.first, 1);
    EXPECT_EQ(inside.last, 2);
}

// A 4 x 2 picture: pixel value 10 * row + column.
std::vector<unsigned> fourByTwo() { return {0, 1, 2, 3, 10, 11, 12, 13}; }

TEST(BitmapTurn, FourByTwoAtEachAngle) {
    struct Case {
        int angle;
        std::vector<unsigned> turned;  // top row first
    } cases[] = {
        // Anticlockwise: the old right column becomes the top row.
        {90, {3, 13, 2, 12, 1, 11, 0, 10}},
        {180, {13, 12, 11, 10, 3, 2, 1, 0}},
        // Clockwise: the old bottom left pixel comes to the top left.
        {270, {10, 0, 11, 1, 12, 2, 13, 3}},
    };
    const std::vector<unsigned> picture = fourByTwo();
    for (const Case& c : cases) {
        std::vector<unsigned> turned(picture.size(), 99);
        yyturnpixels(c.angle, 4, 2, picture.data(), turned.data());
        EXPECT_EQ(turned, c.turned) << c.angle;
    }
}

TEST(BitmapTurn, PositionsFollowTheMapping) {
    int x = 0, y = 0;
    yyturnposition(90, 4, 2, 3, 0, x, y);  // old top right
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    yyturnposition(270, 4, 2, 0, 1, x, y);  // old bottom left
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    yyturnposition(180, 4, 2, 0, 0, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 1);
}

TEST(BitmapModes, PlotAndStretchSettings) {
    EXPECT_EQ(yybitmaprop(0), 0x00CC0020u);
    EXPECT_EQ(yybitmaprop(1), 0x00EE0086u);
    EXPECT_EQ(yybitmaprop(2), 0x008800C6u);
    EXPECT_EQ(yybitmaprop(3), 0x00660046u);
    EXPECT_EQ(yybitmaprop(4), 0u);
    EXPECT_EQ(yybitmaprop(-1), 0u);
    const int expected[][3] = {
        // mode, NT family, other
        {0, 1, 1}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 1}, {7, 3, 3}, {-1, 3, 3},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(yybitmapstretchfor(e[0], 3, true), e[1]) << e[0];
        EXPECT_EQ(yybitmapstretchfor(e[0], 3, false), e[2]) << e[0];
    }
}

}  // namespace
