// screen_pixels_test_win.cpp - the screen primitives on a real bitmap surface under Wine, read
// back pixel by pixel with GetPixel (exact on the 32-bit screen): line ends, rectangles, clear,
// points, plot modes, clipping, the stipple, blits with the clear flag, pens and their dash
// tables, arcs, fonts, and the system gradient against the per-pixel one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <set>
#include <string>
#include <utility>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"
#include "graphics/screen_win.hpp"
#include "graphics_fixture.hpp"
#include "images/images.hpp"

namespace {

constexpr int White = 0xFFFFFF;
constexpr int Red = 0x0000FF;   // RGBValues: red + 256 green + 65536 blue
constexpr int Blue = 0xFF0000;
constexpr int Width = 120, Height = 100;

using Pixels = std::set<std::pair<int, int>>;

class ScreenPixels : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        open(300, 200, " ", 256);
        WBitmapCreate(bitmap, Width, Height, White);
        ASSERT_GT(bitmap, 0);
        IGrSelect(2, bitmap);
        ASSERT_EQ(gravim.graphics.surfaceType, 2);
        yywinplotmode(0);
        yywinlinetype(0);
        yywinlinewidth(1);
        yywincolour(0, White);
        yywinclear(Width, Height, White);
        yywincolour(0, Red);
    }
    void TearDown() override {
        yywinclip(0, 0, 0, -1);
        GraphicsTest::TearDown();
    }
    static int at(int x, int y) { return static_cast<int>(GetPixel(gDC, x, y)); }
    // Every pixel of the bitmap that is not white.
    static Pixels painted() {
        Pixels found;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if (at(x, y) != White) found.insert({x, y});
        return found;
    }
    static Pixels box(int x1, int y1, int x2, int y2) {
        Pixels found;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) found.insert({x, y});
        return found;
    }
    static void clearWhite() {
        yywinclear(Width, Height, White);
    }
    int bitmap = 0;
};

TEST_F(ScreenPixels, SolidLinesIncludeTheirEndPixel) {
    struct Case {
        int x1, y1, x2, y2;
        Pixels expected;
    } cases[] = {
        {10, 10, 20, 10, box(10, 10, 20, 10)},
        {20, 12, 10, 12, box(10, 12, 20, 12)},
        {30, 5, 30, 15, box(30, 5, 30, 15)},
        {31, 15, 31, 5, box(31, 5, 31, 15)},
        {0, 0, 5, 5, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}},
        {50, 5, 45, 10, {{50, 5}, {49, 6}, {48, 7}, {47, 8}, {46, 9}, {45, 10}}},
    };
    for (const Case& c : cases) {
        clearWhite();
        yywinline(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(painted(), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
    // Another slope: the platform's line, then the end pixel set on its own.
    clearWhite();
    yywinline(0, 0, 5, 2);
    const Pixels other = painted();
    EXPECT_TRUE(other.count({0, 0}) == 1 && other.count({5, 2}) == 1);
    EXPECT_LE(other.size(), 6u);

    // Width 3: the end column is part of the line, the one beyond is not.
    yywinlinewidth(3);
    clearWhite();
    yywinline(10, 50, 20, 50);
    EXPECT_EQ(at(20, 50), Red);
    EXPECT_EQ(at(21, 50), White);
    EXPECT_EQ(at(10, 50), Red);
    EXPECT_EQ(at(9, 50), White);
    EXPECT_EQ(at(15, 49), Red);
    EXPECT_EQ(at(15, 51), Red);
}

TEST_F(ScreenPixels, PolylinesEndOnTheirLastPointAndADottedLineOmitsIt) {
    yypolalloc(3);
    yypolpoint(10, 10, 0);
    yypolpoint(20, 10, 1);
    yypolpoint(20, 20, 2);
    yywinpolyline(3);
    yypolfree();
    Pixels expected = box(10, 10, 20, 10);
    for (const auto& p : box(20, 10, 20, 20)) expected.insert(p);
    EXPECT_EQ(painted(), expected);

    clearWhite();
    yywinlinetype(1);
    yywinline(10, 60, 30, 60);
    EXPECT_EQ(at(10, 60), Red);
    EXPECT_EQ(at(30, 60), White);
    EXPECT_EQ(at(11, 60), White);
}

TEST_F(ScreenPixels, RectanglesClearPointsAndPlotModes) {
    yywinrectangle(30, 30, 40, 35, FillSolid);
    EXPECT_EQ(painted(), box(30, 30, 40, 35));
    clearWhite();
    yywinpoint(7, 9);
    EXPECT_EQ(painted(), Pixels({{7, 9}}));
    yywinpointrgb(8, 9, Blue);
    EXPECT_EQ(at(8, 9), Blue);
    yywinclear(Width, Height, Blue);
    EXPECT_EQ(at(0, 0), Blue);
    EXPECT_EQ(at(Width - 1, Height - 1), Blue);
    clearWhite();

    // Exclusive-or twice gives back the picture; a polygon in it has no outline of its own.
    yywinrectangle(0, 0, 59, 99, FillSolid);
    const Pixels before = painted();
    yywinplotmode(3);
    yywincolour(0, Blue);
    yywinrectangle(20, 20, 80, 80, FillSolid);
    EXPECT_NE(painted(), before);
    yywinrectangle(20, 20, 80, 80, FillSolid);
    EXPECT_EQ(painted(), before);
    yywinplotmode(0);
    EXPECT_EQ(GetROP2(gDC), R2_COPYPEN);
}

TEST_F(ScreenPixels, ClipRegionSetAndRemoved) {
    yywinclip(0, 0, 50, 40);
    yywinellipse(50, 50, 40, 40, 6, FillSolid);
    for (const auto& p : painted()) ASSERT_TRUE(p.first < 50 && p.second < 40) << p.first << "," << p.second;
    EXPECT_FALSE(painted().empty());
    clearWhite();
    yywinclip(0, 0, 0, -1);
    EXPECT_EQ(gRegion, nullptr);
    yywinellipse(50, 50, 40, 40, 6, FillSolid);
    EXPECT_EQ(at(60, 60), Red);
}

TEST_F(ScreenPixels, StippleIsACheckerboardOfCurrentAndPreviousColour) {
    yywincolour(0, Blue);  // previous red, current blue
    yywinrectangle(8, 8, 31, 31, FillStipple);
    for (int y = 8; y <= 31; ++y)
        for (int x = 8; x <= 31; ++x) ASSERT_EQ(at(x, y), (x + y) % 2 == 0 ? Blue : Red) << x << "," << y;
    EXPECT_EQ(at(7, 8), White);
    // A new colour pair repaints the stipple.
    yywincolour(0, White);
    yywinrectangle(40, 8, 47, 15, FillStipple);
    EXPECT_EQ(at(40, 8), White);
    EXPECT_EQ(at(41, 8), Blue);
}

TEST_F(ScreenPixels, BlitWithTheClearFlagPaintsWhatTheMoveUncovers) {
    // A block 20 x 20 moved 10 pixels right: the 10 leftmost columns of the old block are cleared.
    yywinrectangle(10, 10, 29, 29, FillSolid);
    yypolalloc(6);
    yywinblit(10, 10, 20, 10, 20, 20, 1, Blue);
    yypolfree();
    for (int y = 10; y <= 29; ++y) {
        for (int x = 10; x <= 19; ++x) ASSERT_EQ(at(x, y), Blue) << x << "," << y;
        for (int x = 20; x <= 39; ++x) ASSERT_EQ(at(x, y), Red) << x << "," << y;
    }
    // Down and right by 10: the hexagon of the old block outside the new one.
    const std::pair<int, int> moves[] = {{10, 10}, {-10, 10}, {10, -10}, {-10, -10}, {0, 10}, {0, -10}, {-10, 0}, {40, 40}};
    for (const auto& [mx, my] : moves) {
        clearWhite();
        yywinrectangle(40, 40, 59, 59, FillSolid);
        yypolalloc(6);
        yywinblit(40, 40, 40 + mx, 40 + my, 20, 20, 1, Blue);
        yypolfree();
        for (int y = 40; y <= 59; ++y)
            for (int x = 40; x <= 59; ++x) {
                const bool covered = x >= 40 + mx && x <= 59 + mx && y >= 40 + my && y <= 59 + my;
                ASSERT_EQ(at(x, y), covered ? Red : Blue) << mx << "," << my << " at " << x << "," << y;
            }
    }
}

TEST_F(ScreenPixels, PenDashTablesAndWidths) {
    yywinlinewidth(3);
    yywinlinetype(3);
    // The pen's record with its style entries after the fixed part.
    auto penRecord = [](EXTLOGPEN& head, std::vector<DWORD>& entries) {
        unsigned char bytes[sizeof(EXTLOGPEN) + 8 * sizeof(DWORD)] = {};
        ASSERT_GT(GetObjectA(gPen, sizeof bytes, bytes), 0);
        std::memcpy(&head, bytes, sizeof head);
        entries.assign(head.elpNumEntries, 0);
        if (!entries.empty()) std::memcpy(entries.data(), bytes + offsetof(EXTLOGPEN, elpStyleEntry), entries.size() * sizeof(DWORD));
    };
    EXTLOGPEN pen = {};
    std::vector<DWORD> entries;
    penRecord(pen, entries);
    EXPECT_EQ(pen.elpPenStyle & PS_STYLE_MASK, static_cast<DWORD>(PS_USERSTYLE));
    EXPECT_EQ(pen.elpPenStyle & PS_ENDCAP_MASK, static_cast<DWORD>(PS_ENDCAP_SQUARE));
    EXPECT_EQ(pen.elpWidth, 3u);
    EXPECT_EQ(entries, (std::vector<DWORD>{1, 6, 8, 6}));
    EXPECT_EQ(gPenStyle, PS_DASHDOT);

    // Solid and wide: flat ends; solid and thin: a cosmetic pen.
    yywinlinetype(0);
    penRecord(pen, entries);
    EXPECT_EQ(pen.elpPenStyle & PS_ENDCAP_MASK, static_cast<DWORD>(PS_ENDCAP_FLAT));
    EXPECT_EQ(pen.elpPenStyle & PS_TYPE_MASK, static_cast<DWORD>(PS_GEOMETRIC));
    yywinlinewidth(1);
    LOGPEN thin = {};
    ASSERT_GT(GetObjectA(gPen, sizeof thin, &thin), 0);
    EXPECT_EQ(thin.lopnStyle, static_cast<UINT>(PS_SOLID));
}

TEST_F(ScreenPixels, ArcsThinSectorAndFullDisc) {
    GraphicsState& g = gravim.graphics;
    // Radius 10 about (60, 50): from 0.57 degrees, 5 degrees on, both ends fall on one pixel.
    auto sector = [&g](float extentDegrees) {
        g.OperandPixelX[1] = 60, g.OperandPixelY[1] = 50;
        g.OperandX[2] = 10, g.OperandY[2] = 10;
        g.OperandX[3] = 0.01f;
        g.OperandY[3] = 0.01f + extentDegrees * 3.14159265f / 180.0f;
        g.OperandX[4] = 0.57f, g.OperandY[4] = extentDegrees;
        yygapi(OpArc);
    };
    sector(5.0f);
    const std::size_t thin = painted().size();
    EXPECT_GT(thin, 5u);
    EXPECT_LT(thin, 40u);
    clearWhite();
    sector(360.0f);
    EXPECT_GT(painted().size(), 300u);
}

TEST_F(ScreenPixels, FontsByFamilyStyleAndEscapement) {
    struct Case {
        int number, style;
        const char* face;
    } cases[] = {{1, 0, "Courier New"}, {2, 5, "Arial"}, {3, 2, "Times New Roman"}, {4, 1, "Symbol"}};
    for (const Case& c : cases) {
        for (int style = 0; style < 16; ++style) {
            int width = 8, height = 12, ascent = 0;
            yywinselectfont(width, height, ascent, 30, c.number, style, "");
            LOGFONTA font = {};
            ASSERT_GT(GetObjectA(gFont, sizeof font, &font), 0);
            EXPECT_STREQ(font.lfFaceName, c.face);
            EXPECT_EQ(font.lfWeight, (style & 1) ? 700 : 400);
            EXPECT_EQ(font.lfItalic != 0, (style & 2) != 0);
            EXPECT_EQ(font.lfUnderline != 0, (style & 4) != 0);
            EXPECT_EQ(font.lfEscapement, 300);
            EXPECT_EQ(font.lfHeight, -12);
            EXPECT_GT(width, 0);
            EXPECT_GE(height, ascent);
        }
    }
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = 340;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
    const LOGFONTA* stock[] = {&metrics.lfMenuFont, &metrics.lfStatusFont, &metrics.lfMessageFont};
    for (int k = 0; k < 3; ++k) {
        int width = 50, height = 50, ascent = 0;
        yywinselectfont(width, height, ascent, 0, 101 + k, 7, "");
        LOGFONTA font = {};
        ASSERT_GT(GetObjectA(gFont, sizeof font, &font), 0);
        EXPECT_STREQ(font.lfFaceName, stock[k]->lfFaceName);
        EXPECT_EQ(font.lfHeight, stock[k]->lfHeight);
        EXPECT_EQ(font.lfWeight, stock[k]->lfWeight);
    }

    // Text turned by 90 degrees runs upward from its start.
    int width = 0, height = 20, ascent = 0;
    yywinselectfont(width, height, ascent, 90, 2, 0, "");
    yywindrawstring(60, 90, 60, 90, 0, 0, "HHHHHH", 6);
    int top = Height, left = Width, right = 0;
    for (const auto& p : painted()) top = std::min(top, p.second), left = std::min(left, p.first), right = std::max(right, p.first);
    EXPECT_LT(top, 60);
    EXPECT_LT(right - left, 90 - top);
}

// The system's gradient and the per-pixel path paint the same triangle alike.
int recordedPixels = 0;
void countingPixel(int x, int y, int rgb) {
    ++recordedPixels;
    yywinpointrgb(x, y, rgb);
}

TEST_F(ScreenPixels, SystemGradientAgreesWithThePerPixelFill) {
    GraphicsState& g = gravim.graphics;
    const int x[3] = {5, 54, 5}, y[3] = {5, 5, 94}, colours[3] = {Red, 0x00FF00, Blue};
    const int triangle[3] = {1, 2, 3};
    int failed = 1;
    yywingradfill(x, y, colours, triangle, 3, 1, failed);
    if (gravim.graphics.screenDevice.GradientFillType != 2) GTEST_SKIP() << "no msimg32 GradientFill";
    ASSERT_EQ(failed, 0);
    yygradientsize(3);
    yypolygonsize(3);
    g.GradientVertexCount = 3;
    for (int i = 1; i <= 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        g.GradientX[k] = x[i - 1] + 60;
        g.GradientY[k] = y[i - 1];
        g.PolygonX[k] = static_cast<float>(g.GradientX[k]);
        g.PolygonY[k] = static_cast<float>(g.GradientY[k]);
        g.GradientColour[k] = colours[i - 1];
    }
    recordedPixels = 0;
    yygradientfill(1, 0, 0, Width - 1, Height - 1, countingPixel, nullptr);
    EXPECT_GT(recordedPixels, 1000);
    int compared = 0;
    for (int row = 10; row <= 85; ++row)
        for (int column = 8; column <= 50; ++column) {
            const int a = at(column, row), b = at(column + 60, row);
            if (a == White || b == White) continue;
            for (int shift : {0, 8, 16}) ASSERT_LE(std::abs(((a >> shift) & 255) - ((b >> shift) & 255)), 4) << column << "," << row;
            ++compared;
        }
    EXPECT_GT(compared, 800);
}

}  // namespace
