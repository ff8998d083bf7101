// field_rules_test.cpp - colour words, spin steps (with a zero step) and resizing anchors.
#include <gtest/gtest.h>

#include "dialogs/field_rules.hpp"

namespace {

TEST(FieldRules, ColourWords) {
    EXPECT_EQ(yycolourword(0x123456, 256, 0, 0), -1);
    EXPECT_EQ(yycolourword(0x123456, -1, 0, 0), 0x123456);
    EXPECT_EQ(yycolourword(-1, 255, 128, 1), 255 + 128 * 256 + 65536);
    EXPECT_EQ(yycolourword(-1, 300, 0, 257), (300 & 0xFF) + 65536 * 1);
}

struct SpinCase {
    double value;
    int delta;
    double small, large, lower, upper;
    bool integer;
    int base;
    double expected;
};

TEST(FieldRules, SpinSteps) {
    const SpinCase cases[] = {
        {42, 1, 1, 5, 0, 100, true, 0, 43},
        {98, 5, 1, 5, 0, 100, true, 0, 100},    // clamped, not put on the grid
        {2, -5, 1, 5, 0, 100, true, 0, 0},
        {10, 1, 5, 10, 1000, -1000, true, 3, 13},  // grid 3 + 5k
        {10, -1, 5, 10, 1000, -1000, true, 3, 3},
        {7, 1, 0, 0, 1000, -1000, true, 0, 7},    // a step of 0 leaves the value
        {7.5, 1, 0.25, 1, 0, 7.6, false, 0, 7.6},
        {1.0, -5, 0.1, 0.5, 1000, -1000, false, 0, 0.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(yyspinvalue(c.value, c.delta, c.small, c.large, c.lower, c.upper, c.integer, c.base), c.expected)
            << c.value << " " << c.delta;
    }
}

// A dialog of 200 x 100 with a list (the growing control) inside a group box, an OK button to
// the right of the list, a line of buttons below it and a horizontal etched line above them.
TEST(FieldRules, AnchorsFollowTheGrowingControl) {
    std::vector<AnchorControl> controls = {
        {{10, 10, 120, 70}},           // 0 group box around the list
        {{20, 20, 110, 60}},           // 1 list: growing
        {{130, 10, 190, 25}},          // 2 OK, right of the list
        {{10, 80, 60, 95}},            // 3 button below the list
        {{10, 75, 190, 77}, 16},       // 4 etched line below the list
        {{130, 30, 190, 45}},          // 5 button right of the list, top within its height
    };
    yycomputeanchors(controls, 1, false, {0, 0, 200, 100});
    EXPECT_EQ(controls[1].anchors, anchorRight | anchorBottom);
    EXPECT_EQ(controls[0].anchors, anchorRight | anchorBottom);
    EXPECT_EQ(controls[2].anchors, anchorLeft | anchorRight);
    EXPECT_EQ(controls[3].anchors, anchorTop | anchorBottom);
    EXPECT_EQ(controls[4].anchors, anchorTop | anchorBottom);
    EXPECT_EQ(controls[2].rightDistance, 10);
    EXPECT_EQ(controls[3].bottomDistance, 5);
}

TEST(FieldRules, AlignedControlsStretchWithTheGrowingControl) {
    std::vector<AnchorControl> controls = {
        {{10, 10, 100, 60}},  // 0 growing
        {{10, 65, 100, 80}},  // 1 same left and right edges: stretches only
        {{50, 82, 100, 95}},  // 2 same right edge, own left: moves and stretches
    };
    yycomputeanchors(controls, 0, true, {0, 0, 120, 100});
    EXPECT_EQ(controls[1].anchors, anchorRight | anchorTop | anchorBottom);
    EXPECT_EQ(controls[2].anchors, anchorLeft | anchorRight | anchorTop | anchorBottom);
}

}  // namespace
