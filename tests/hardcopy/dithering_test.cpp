// dithering_test.cpp - the pattern rule, the current colour's patterns, the RGB dither table and
// the conversion of RGB pixels to raster values of each depth.
#include <gtest/gtest.h>

#include <bit>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/dithering.hpp"

namespace {

class Dithering : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yypali();
        yydith2();
        yyrgbpixelcacheclear();
    }
    void TearDown() override { yyresetgravim(); }

    // Makes an RGBValue the current colour of a hardcopy output with `colours` colours.
    static void currentColour(int r, int g, int b, int colours) {
        GraphicsState& gs = gravim.graphics;
        gs.colourModel = 2;
        gs.colourState[2][1] = WRGB(r, g, b);
        gs.hardcopyColours = colours;
    }
};

TEST_F(Dithering, PatternRuleGivesTheCellsOfItsExamples) {
    struct Case {
        float intensity;
        DitherWord word;
        int bits;
    };
    for (const Case c : {Case{31.0f / 255, 0x02400801, 4}, Case{127.0f / 255, 0xAA55AA55, 16},
                         Case{223.0f / 255, 0xEFFDBFF7, 28}, Case{0.0f, 0, 0}, Case{0.98f, 0xFFFFFFFF, 32},
                         Case{1.04f, 0xFFFFFFFF, 32}}) {
        SCOPED_TRACE(c.intensity);
        EXPECT_EQ(yyditherpattern(c.intensity, 1), c.word);
        EXPECT_EQ(std::popcount(yyditherpattern(c.intensity, 1)), c.bits);
    }
}

TEST_F(Dithering, EveryIntensityAndPlaneSetsItsShareOfBitsAndPlanesDiffer) {
    for (int level = 0; level <= 255; ++level) {
        const float v = static_cast<float>(level) / 255;
        const int wanted = v > 0.975f ? 32 : static_cast<int>(32 * v + 0.5f);
        for (int plane = 1; plane <= 3; ++plane) EXPECT_EQ(std::popcount(yyditherpattern(v, plane)), wanted) << level << " " << plane;
    }
    // The planes of a mid colour put most of their dots on different pixels.
    EXPECT_NE(yyditherpattern(0.25f, 1), yyditherpattern(0.25f, 2));
    EXPECT_NE(yyditherpattern(0.25f, 2), yyditherpattern(0.25f, 3));
}

TEST_F(Dithering, CurrentColourPatternsByPlaneGreyAndInversion) {
    DitherWord p1 = 0, p2 = 0, p3 = 0;
    currentColour(128, 128, 128, 8);
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(128.0f / 255, 1));
    EXPECT_EQ(p2, p1);
    EXPECT_EQ(p3, p1);

    currentColour(31, 127, 223, 8);
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(31.0f / 255, 1));
    EXPECT_EQ(p2, yyditherpattern(127.0f / 255, 2));
    EXPECT_EQ(p3, yyditherpattern(223.0f / 255, 3));

    // Cyan, magenta and yellow ink is the complement of the light.
    yydith(2, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(224.0f / 255, 1));
    EXPECT_EQ(p3, yyditherpattern(32.0f / 255, 3));

    // Option 6 at 2 inverts only near-black and near-white; at 1 everything.
    gravim.hardcopy.HardcopyOptions[6] = 2;
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(31.0f / 255, 1));
    currentColour(250, 250, 250, 8);
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(5.0f / 255, 1));
    gravim.hardcopy.HardcopyOptions[6] = 1;
    currentColour(31, 127, 223, 8);
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(224.0f / 255, 1));
}

TEST_F(Dithering, MonochromeTakesTheLuminanceAndNoInkInversion) {
    DitherWord p1 = 0, p2 = 0, p3 = 0;
    currentColour(255, 255, 255, 2);
    yydith(2, p1, p2, p3);
    EXPECT_EQ(p1, 0xFFFFFFFFu);
    EXPECT_EQ(p2, p1);
    EXPECT_EQ(p3, p1);
    currentColour(0, 0, 0, 2);
    yydith(2, p1, p2, p3);
    EXPECT_EQ(p1, 0u);
    currentColour(200, 0, 0, 2);
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, yyditherpattern(0.35f * 200 / 255, 1));
    // Option 6 inverts the components only: white becomes black, no ink.
    gravim.hardcopy.HardcopyOptions[6] = 1;
    currentColour(255, 255, 255, 2);
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, 0u);
}

TEST_F(Dithering, PaletteColoursAreReadThroughThePalette) {
    GraphicsState& gs = gravim.graphics;
    gs.colourModel = 1;
    gs.hardcopyColours = 2;
    DitherWord p1 = 0, p2 = 0, p3 = 0;
    gs.colourState[1][1] = 0;  // white in the default table
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, 0xFFFFFFFFu);
    gs.colourState[1][1] = 223;  // black
    yydith(0, p1, p2, p3);
    EXPECT_EQ(p1, 0u);
}

TEST_F(Dithering, TableEntriesStandForTheTopOfTheirBands) {
    const std::array<DitherWord, 3>& dark = yyrgbdither(WRGB(20, 5, 250));
    EXPECT_EQ(dark[0], yyditherpattern(31.0f / 255, 1));
    EXPECT_EQ(dark[1], 0u);
    EXPECT_EQ(dark[2], 0xFFFFFFFFu);
    const std::array<DitherWord, 3>& grey = yyrgbdither(WRGB(100, 100, 100));
    EXPECT_EQ(grey[0], yyditherpattern(111.0f / 255, 1));
    EXPECT_EQ(grey[1], grey[0]);
    EXPECT_EQ(grey[2], grey[0]);
    const std::array<DitherWord, 3>& mixed = yyrgbdither(WRGB(0, 128, 255));
    EXPECT_EQ(mixed[1], yyditherpattern(143.0f / 255, 2));
}

TEST_F(Dithering, OneBitPixelsOfWhiteAndBlackAndTheirInversion) {
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(yyrgbpixel(1, x, y, WRGB(255, 255, 255)), 0);
            EXPECT_EQ(yyrgbpixel(1, x, y, WRGB(0, 0, 0)), 1);
        }
    }
    gravim.hardcopy.HardcopyOptions[6] = 1;
    EXPECT_EQ(yyrgbpixel(1, 3, 2, WRGB(255, 255, 255)), 1);
    EXPECT_EQ(yyrgbpixel(1, 3, 2, WRGB(0, 0, 0)), 0);
    // A bright dithered red takes texture 9's bit.
    gravim.hardcopy.HardcopyOptions[6] = 0;
    const int bit = 8 * 1 + 2;
    EXPECT_EQ(yyrgbpixel(1, 2, 5, WRGB(255, 0, 0)), static_cast<int>((MonoTexture[9] >> bit) & 1));
}

TEST_F(Dithering, ThreeBitPixelsAndCyanMagentaYellowInk) {
    EXPECT_EQ(yyrgbpixel(3, 0, 0, WRGB(255, 255, 255)), 7);
    EXPECT_EQ(yyrgbpixel(3, 0, 0, WRGB(0, 0, 0)), 0);
    EXPECT_EQ(yyrgbpixel(3, 5, 1, WRGB(255, 0, 255)), 5);
    gravim.hardcopy.printerColourKind = 2;
    EXPECT_EQ(yyrgbpixel(3, 0, 0, WRGB(255, 255, 255)), 0);
    EXPECT_EQ(yyrgbpixel(3, 0, 0, WRGB(0, 0, 0)), 7);
    EXPECT_EQ(yyrgbpixel(3, 5, 1, WRGB(255, 0, 255)), 2);
    // A grey's dots coincide: only 0 and 7 occur.
    gravim.hardcopy.printerColourKind = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int v = yyrgbpixel(3, x, y, WRGB(128, 128, 128));
            EXPECT_TRUE(v == 0 || v == 7) << v;
        }
    }
}

TEST_F(Dithering, PaletteDepthsAndTrueColour) {
    int white = -1, black = -1;
    yyrgbto8(WRGB(255, 255, 255), white);
    yyrgbto8(WRGB(0, 0, 0), black);
    EXPECT_EQ(yyrgbpixel(8, 0, 0, WRGB(255, 255, 255)), white);
    EXPECT_EQ(yyrgbpixel(8, 0, 0, WRGB(0, 0, 0)), black);
    EXPECT_EQ(yyrgbpixel(4, 0, 0, WRGB(0, 0, 0)), SixteenColourMap[static_cast<std::size_t>(black / 16)]);
    EXPECT_EQ(yyrgbpixel(8, 0, 0, WRGB(0, 0, 0)), black);  // from the cache
    EXPECT_EQ(yyrgbpixel(24, 9, 9, 0x123456), 0x123456);
    // A changed palette is seen after the cache is emptied.
    yypals(black, WRGB(1, 2, 3));
    yypals(223, WRGB(0, 0, 0));
    yyrgbpixelcacheclear();
    int now = -1;
    yyrgbto8(WRGB(0, 0, 0), now);
    EXPECT_EQ(yyrgbpixel(8, 0, 0, WRGB(0, 0, 0)), now);
}

}  // namespace
