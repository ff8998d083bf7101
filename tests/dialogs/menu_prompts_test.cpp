// menu_prompts_test.cpp - reading menu prompt resources.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/menu_prompts.hpp"

TEST(MenuPrompts, RecordsAtOddOffsetsAreFound) {
    // 101 "Open", 7 "Save a file", 40000 "" and the end mark; "Open" puts the next record at an
    // odd offset.
    const std::string resource = std::string("\x65\x00Open\0", 7) + std::string("\x07\x00Save a file\0", 14) +
                                 std::string("\x40\x9c\0", 3) + std::string("\0\0", 2);
    const auto* bytes = reinterpret_cast<const unsigned char*>(resource.data());
    ASSERT_NE(yypromptlookup(bytes, 101), nullptr);
    EXPECT_STREQ(yypromptlookup(bytes, 101), "Open");
    EXPECT_STREQ(yypromptlookup(bytes, 7), "Save a file");
    EXPECT_STREQ(yypromptlookup(bytes, 40000), "");
    EXPECT_EQ(yypromptlookup(bytes, 8), nullptr);
    EXPECT_EQ(yypromptlookup(nullptr, 7), nullptr);
}
