// dash_tables_test.cpp - the line types' dash tables scaled to a device and widened for wide pens,
// the cosmetic styles standing for them, and the end rule of solid lines.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/dash_tables.hpp"

namespace {

std::vector<unsigned> scaled(int type, int dpi, int screenDpi, int width) {
    unsigned entries[6] = {};
    const int count = yyscaleddashes(type, dpi, screenDpi, width, entries);
    return std::vector<unsigned>(entries, entries + count);
}

TEST(DashTables, ScaledToTheDeviceAndWidenedByThePen) {
    struct Case {
        int type, dpi, screenDpi, width;
        std::vector<unsigned> expected;
    } cases[] = {
        {1, 96, 96, 1, {1, 4}},
        {2, 96, 96, 1, {8, 6}},
        {3, 96, 96, 3, {1, 6, 8, 6}},  // width 3 dot-dash: the gaps widened by 2
        {4, 96, 96, 1, {1, 4, 1, 4, 8, 4}},
        {5, 96, 96, 1, {8, 4, 4, 4}},
        {6, 96, 96, 1, {4, 4}},
        {7, 96, 96, 3, {8, 6, 4, 6, 4, 6}},
        {3, 300, 96, 1, {3, 12, 25, 12}},  // a metafile slot of 300 dpi: integer division
        {3, 48, 96, 1, {0, 2, 4, 2}},
        {0, 96, 96, 1, {}},
        {8, 96, 96, 1, {}},
        {1, 0, 96, 1, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(scaled(c.type, c.dpi, c.screenDpi, c.width), c.expected) << c.type << " " << c.dpi;
}

TEST(DashTables, CosmeticStylesAndLineEnds) {
    const int styles[] = {0, 2, 1, 3, 4, 3, 1, 4};
    for (int type = 0; type < 8; ++type) EXPECT_EQ(yylinepenstyle(type), styles[type]);
    EXPECT_EQ(yylinepenstyle(-1), 0);
    EXPECT_EQ(yylinepenstyle(9), 0);

    struct End {
        int x1, y1, x2, y2;
        bool extended;
        int ex, ey;
    } ends[] = {
        {10, 10, 20, 10, true, 21, 10}, {20, 10, 10, 10, true, 9, 10},  {5, 0, 5, 7, true, 5, 8},
        {5, 7, 5, 0, true, 5, -1},      {0, 0, 5, 5, true, 6, 6},      {5, 0, 0, 5, true, -1, 6},
        {0, 0, 5, 2, false, 5, 2},      {3, 3, 3, 3, true, 3, 2},
    };
    for (const End& e : ends) {
        int x2 = e.x2, y2 = e.y2;
        EXPECT_EQ(yyextendedlineend(e.x1, e.y1, x2, y2), e.extended);
        EXPECT_EQ(x2, e.ex);
        EXPECT_EQ(y2, e.ey);
    }
}

}  // namespace
