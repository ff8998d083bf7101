// strings_test.cpp - case conversion, word location, justification, case-blind search, option
// letters and little-endian byte strings.
#include <gtest/gtest.h>

#include <string>

#include "base/strings.hpp"
#include "base/strings_internal.hpp"

namespace {

using namespace std::string_literals;

struct CaseCase {
    std::string text;
    std::string upper;
    std::string lower;
};

TEST(StringCase, OnlyAsciiLettersChange) {
    const CaseCase cases[] = {
        {"Hello, World 42", "HELLO, WORLD 42", "hello, world 42"},
        {"az AZ @[`{", "AZ AZ @[`{", "az az @[`{"},  // the neighbours of the letter ranges stay
        {"caf\xE9 \xC9T\xC9", "CAF\xE9 \xC9T\xC9", "caf\xE9 \xC9t\xC9"},
        {"a\0b  "s, "A\0B  "s, "a\0b  "s},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        std::string upper = c.text;
        iuppercase(upper);
        EXPECT_EQ(upper, c.upper) << c.text;
        std::string lower = c.text;
        ilowercase(lower);
        EXPECT_EQ(lower, c.lower) << c.text;
    }
}

struct LocateCase {
    std::string text;
    int first;
    int last;
};

TEST(StringLocate, FirstWord) {
    const LocateCase cases[] = {
        {"  12 34  ", 3, 4},
        {"abc", 1, 3},
        {"     ", 0, 0},
        {"", 0, 0},
        {"   tail", 4, 7},  // a word reaching the end of the text
        {"x", 1, 1},
        {"\0\0 a"s, 1, 2},  // only blanks delimit: NULs belong to the word
    };
    for (const auto& c : cases) {
        int first = -1, last = -1;
        ilocatestring(c.text, first, last);
        EXPECT_EQ(first, c.first) << '"' << c.text << '"';
        EXPECT_EQ(last, c.last) << '"' << c.text << '"';
    }
}

TEST(StringLocate, FirstSignificantCharacterSkipsBlanksAndNuls) {
    const std::pair<std::string, int> cases[] = {
        {"\0\0 x"s, 4}, {"  \0ab"s, 4}, {"a", 1}, {"  \0 \0"s, 0}, {"", 0}, {"\t", 1},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ilocatechar(text), expected);
}

struct JustifyCase {
    std::string text;
    std::string option;
    std::string expected;
};

TEST(StringJustify, LeftRightCentre) {
    const JustifyCase cases[] = {
        {"ab     ", "L", "ab     "},
        {"ab     ", "r", "     ab"},
        {"ab     ", "C", "  ab   "},
        {"   ab  ", "l", "ab     "},
        {"   ab  ", "R", "     ab"},
        {"ab     ", "", "  ab   "},  // neither letter centres
        {" ab    ", "C", "  ab   "},
        {"ab    ", "C", "  ab  "},  // an even spare splits evenly
        {"abcdefg", "R", "abcdefg"},  // a full buffer is not changed
        {"       ", "R", "       "},
        {"a b    ", "R", "    a b"},  // inner blanks are content
        {" a     ", "RL", "a      "},  // L is tested first
        {"\0ab  "s, "L", "ab   "},    // leading NULs are not content
        {"\0ab  "s, "R", "\0  ab"s},  // ... and are left where they were
        {"\0\0   "s, "R", "\0\0   "s},
        {"abcdef   ", "R", "   abcdef"},  // overlapping moves
        {"   abcdef", "L", "abcdef   "},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        ijustifystring(text, c.option);
        EXPECT_EQ(text, c.expected) << '"' << c.text << "\" " << c.option;
    }
}

struct IndexCase {
    std::string text;
    std::string substring;
    bool backward;
    int expected;
};

TEST(StringIndexNoCase, FindsForwardAndBackward) {
    const IndexCase cases[] = {
        {"Hello WORLD world", "World", false, 7},
        {"Hello WORLD world", "World", true, 13},
        {"Hello WORLD world", "o w", false, 5},
        {"Hello WORLD world", "worlds", false, 0},
        {"abc", "", false, 1},
        {"abc", "", true, 4},
        {"ab", "abc", false, 0},
        {"abc", "ABC", true, 1},
        {"aaaa", "AA", true, 3},
        {"caf\xE9", "CAF\xC9", false, 0},  // only ASCII letters match without case
        {"x[y", "{", false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IndexNoCase(c.text, c.substring, c.backward), c.expected)
            << c.text << " / " << c.substring << (c.backward ? " backward" : "");
    }
    EXPECT_EQ(IndexNoCase("Hello WORLD world", "world"), 7);  // absent flag: forward
}

struct OptCase {
    std::string options;
    std::string letter;
    bool expected;
};

TEST(StringOption, UpperLetterAlsoAcceptsLowerCase) {
    const OptCase cases[] = {
        {"lr", "L", true}, {"LR", "l", false}, {"LR", "L", true}, {"xyz", "Y", true},
        {"XYZ", "y", false}, {"", "L", false}, {"L", "", false}, {"HP", "Pq", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(yyopt(c.options, c.letter), c.expected) << c.options << " / " << c.letter;
    }
}

TEST(StringBytes, CharacterCodes) {
    EXPECT_EQ(yyichar('A'), 65);
    EXPECT_EQ(yyichar('\0'), 0);
    EXPECT_EQ(yyichar('\xE9'), 233);
    EXPECT_EQ(yyichar('\xFF'), 255);
}

struct BytesCase {
    std::string bytes;
    int count;
    int expected;
};

TEST(StringBytes, LittleEndianIntegers) {
    const BytesCase cases[] = {
        {"\x34\x12", 2, 4660},
        {"\xFF\xFF\xFF\xFF", 4, -1},
        {"\xFF\xFF\xFF\xFF", 2, 65535},
        {"\x78\x56\x34\x12", 4, 0x12345678},
        {"\x00\x00\x00\x80"s, 4, -2147483647 - 1},
        {"\x01\x02\x03\x04", 3, 0x0201},  // any count but 4 reads two bytes
        {"\x01\x02\x03\x04", 0, 0x0201},
        {"\x05", 4, 5},  // bytes beyond a short input count as 0
        {"", 2, 0},
    };
    for (const auto& c : cases) {
        int value = 12345;
        yych2int(c.bytes, c.count, value);
        EXPECT_EQ(value, c.expected) << "count " << c.count;
    }
}

}  // namespace
