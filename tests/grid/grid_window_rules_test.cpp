// grid_window_rules_test.cpp - the grid window's arithmetic and texts: fitted and smallest sizes
// with their 10000-pixel caps, the shrinking that never enlarges, the status-bar numbers, the
// title, the save question and the spin steps of numeric cell editors.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/field_rules.hpp"
#include "grid/grid_window_rules.hpp"

namespace {

TEST(GridWindowRules, CellExtentsShareBorderLinesAndCapAtTenThousand) {
    struct Case {
        std::vector<int> widths;
        int expected;
    } across[] = {{{}, 1}, {{50}, 50}, {{50, 40, 30}, 118}, {std::vector<int>(100, 101), 10000}, {{9999}, 9999}, {{10000}, 10000}};
    for (const Case& c : across) EXPECT_EQ(yygridcellswidth(c.widths), c.expected) << c.widths.size();
    // 30 rows of height 17 show 16 x 30 + 1 pixels.
    EXPECT_EQ(yygridcellsheight(17, 30), 481);
    EXPECT_EQ(yygridcellsheight(17, 0), 1);
    EXPECT_EQ(yygridcellsheight(17, 624), 9985);
    EXPECT_EQ(yygridcellsheight(17, 625), 10000);  // 10001 reaches the cap
    EXPECT_EQ(yygridcellsheight(101, 99), 9901);
    EXPECT_EQ(yygridcellsheight(101, 100), 10000);  // exactly 10001
    EXPECT_EQ(yygridcellsheight(20, 2000000000), 10000);
}

TEST(GridWindowRules, FittedAndSmallestSizesAddLabelsHeaderAndBars) {
    const std::vector<int> widths = {50, 80, 30};
    const GridWindowFrame around{40, 20, 30, 60};
    const GridWindowSize fitted = yygridfittedsize(widths, 17, 30, around);
    EXPECT_EQ(fitted.width, 158 + 40 + 30);
    EXPECT_EQ(fitted.height, 481 + 20 + 60);
    const GridWindowSize smallest = yygridsmallestsize(widths, 17, around);
    EXPECT_EQ(smallest.width, 80 + 40 + 30);
    EXPECT_EQ(smallest.height, 17 + 20 + 60);
    // Each dimension shrinks to the fitted one; a smaller one stays.
    struct Case {
        GridWindowSize present, fitted, expected;
    } cases[] = {{{800, 600}, {300, 400}, {300, 400}}, {{200, 600}, {300, 400}, {200, 400}},
                 {{800, 100}, {300, 400}, {300, 100}}, {{100, 100}, {300, 400}, {100, 100}}};
    for (const Case& c : cases) {
        const GridWindowSize s = yygridshrunk(c.present, c.fitted);
        EXPECT_EQ(s.width, c.expected.width);
        EXPECT_EQ(s.height, c.expected.height);
    }
}

TEST(GridWindowRules, TextsOfStatusBarTitleAndSavePrompt) {
    EXPECT_EQ(yygridstatusnumber(1), "\t\t1");
    EXPECT_EQ(yygridstatusnumber(262143), "\t\t262143");
    EXPECT_EQ(yygridwindowtitle("Stations", ""), "Stations");
    EXPECT_EQ(yygridwindowtitle("Stations", "c:\\data\\grid.csv"), "Stations - [c:\\data\\grid.csv]");
    EXPECT_EQ(yygridsavequestion(""), "Do you want to save changes?");
    EXPECT_EQ(yygridsavequestion("a.csv"), "Do you want to save changes to a.csv?");
    char unterminated[260];
    for (char& c : unterminated) c = 'x';
    EXPECT_EQ(yygridsavequestion(unterminated).size(), std::string("Do you want to save changes to ?").size() + 260);
}

TEST(GridWindowRules, SpinStepsSnapIntegersUnlessClampedOrWithoutAWholeStep) {
    EXPECT_EQ(yygridspindelta(1), 1);
    EXPECT_EQ(yygridspindelta(-5), -5);
    EXPECT_EQ(yygridspindelta(2), 0);
    EXPECT_EQ(yygridspindelta(-7), 0);
    struct Case {
        double value;
        int delta;
        double small, large, low, high;
        bool integer;
        int origin;
        double expected;
    } cases[] = {
        {7, 1, 5, 20, 1000, -1000, true, 0, 10},     // 12 snapped to the step grid
        {7, -1, 5, 20, 1000, -1000, true, 0, 0},     // 2 snapped toward zero
        {7, 5, 5, 20, 1000, -1000, true, 3, 23},     // large step, grid from origin 3
        {98, 1, 5, 20, 0, 100, true, 0, 100},        // clamped to the high bound: not snapped
        {7, 1, 0.5, 2, 1000, -1000, true, 0, 7},     // a step below 1: truncated, no grid
        {7, 1, 0, 0, 1000, -1000, true, 0, 7},       // a step of 0: no division
        {7, 0, 5, 20, 1000, -1000, true, 0, 7},      // no delta: nothing moves
        {1.25, 1, 0.5, 2, 1000, -1000, false, 0, 1.75},
        {1.25, -5, 0.5, 2, 0, 10, false, 0, 0},      // a real clamped to its low bound
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(yyspinvalue(c.value, yygridspindelta(c.delta), c.small, c.large, c.low, c.high, c.integer, c.origin),
                         c.expected)
            << c.value << " " << c.delta << " " << c.small;
}

}  // namespace
