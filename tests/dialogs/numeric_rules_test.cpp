// numeric_rules_test.cpp - the rules of the numeric fields: keys, the range check.
#include <gtest/gtest.h>

#include "dialogs/numeric_internal.hpp"

namespace {

struct KeyCase {
    NumericKind kind;
    int typed;
    char decimal;
    NumericKey expected;
    int stored;  // the character that goes in, when inserted
};

TEST(NumericRules, TypedCharactersAcceptedAndRefused) {
    using K = NumericKind;
    using A = NumericKey;
    const KeyCase cases[] = {
        {K::Integer, '7', '.', A::Insert, '7'},   {K::Integer, '-', '.', A::Insert, '-'},
        {K::Integer, '+', '.', A::Insert, '+'},   {K::Integer, '.', '.', A::Refuse, 0},
        {K::Integer, 'e', '.', A::Refuse, 0},     {K::Integer, ' ', '.', A::Refuse, 0},
        {K::Real, '.', '.', A::Insert, '.'},      {K::Real, ',', '.', A::Refuse, 0},
        {K::Real, ',', ',', A::Insert, ','},      {K::Real, '.', ',', A::Refuse, 0},
        {K::Real, 'e', '.', A::Insert, 'E'},      {K::Real, 'E', '.', A::Insert, 'E'},
        {K::Real, 'd', '.', A::Refuse, 0},        {K::Real, 'x', '.', A::Refuse, 0},
        {K::Double, 'd', '.', A::Insert, 'D'},    {K::Double, 'D', '.', A::Insert, 'D'},
        {K::Double, 'e', '.', A::Insert, 'E'},    {K::Double, 'f', '.', A::Refuse, 0},
        {K::Real, 1, '.', A::SelectAll, 0},       {K::Integer, 1, '.', A::SelectAll, 0},
        {K::Real, 3, '.', A::Pass, 3},            {K::Real, 22, '.', A::Pass, 22},
        {K::Real, 24, '.', A::Pass, 24},          {K::Real, 26, '.', A::Pass, 26},
        {K::Integer, 8, '.', A::Pass, 8},         {K::Integer, 9, '.', A::Pass, 9},
        {K::Integer, 13, '.', A::Pass, 13},       {K::Integer, 27, '.', A::Pass, 27},
        {K::Integer, 2, '.', A::Refuse, 0},       {K::Double, 0xE9, '.', A::Refuse, 0},
    };
    for (const KeyCase& c : cases) {
        int typed = c.typed;
        EXPECT_EQ(yynumericchar(c.kind, typed, c.decimal), c.expected)
            << "kind " << static_cast<int>(c.kind) << " char " << c.typed;
        if (c.expected != NumericKey::Refuse && c.expected != NumericKey::SelectAll) {
            EXPECT_EQ(typed, c.stored) << "char " << c.typed;
        }
    }
}

struct CheckCase {
    const char* text;
    bool hasRange;
    bool defined;
    bool strict;
    bool refused;
};

TEST(NumericRules, RangeCheckWhenTheFocusLeaves) {
    const CheckCase cases[] = {
        {"75", true, true, true, true},      // above 0..70
        {"70", true, true, true, false},     // the bound itself
        {"-0.5", true, true, true, true},
        {"75", false, true, true, false},    // no range: any number
        {"abc", false, false, true, true},   // not a number, leaving
        {"abc", true, true, false, false},   // not a number, checked in place
        {"1.2.3", true, true, true, true},
        {"", true, false, true, false},      // never had a value: may stay empty
        {"   ", true, false, true, false},
        {"", true, true, true, true},        // emptied after it had a value
        {"", false, true, true, false},      // emptied, but no range
        {"7.5E1", true, true, true, true},
        {"6e1", true, true, true, false},
    };
    for (const CheckCase& c : cases) {
        NumericCheck check;
        check.text = c.text;
        check.hasRange = c.hasRange;
        check.lower = 0;
        check.upper = 70;
        check.defined = c.defined;
        check.strict = c.strict;
        EXPECT_EQ(yynumericrefuses(check), c.refused) << "'" << c.text << "'";
    }
}

TEST(NumericRules, TextEndsAtItsNul) {
    NumericCheck check;
    check.text = std::string_view("50\0" "99", 5);
    check.hasRange = true;
    check.upper = 70;
    EXPECT_FALSE(yynumericrefuses(check));
}

}  // namespace
