// menu_resources_test.cpp - item-identifier lists, prompt strings and toolbar lists as windres
// writes them, and lists cut short or left without their end marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/menu_resources.hpp"

namespace {

std::string words(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (unsigned value : values) {
        bytes += static_cast<char>(value & 0xFF);
        bytes += static_cast<char>(value >> 8);
    }
    return bytes;
}

const unsigned char* data(const std::string& bytes) { return reinterpret_cast<const unsigned char*>(bytes.data()); }

std::string prompts() {
    // 101 "Open", 7 "Save a file", 40000 "" and the end mark; "Open" puts the next record at an
    // odd offset.
    return words({101}) + std::string("Open\0", 5) + words({7}) + std::string("Save a file\0", 12) + words({40000}) +
           std::string("\0", 1) + words({0});
}

TEST(MenuResources, PromptRecordsAtOddOffsetsAreFound) {
    const std::string resource = prompts();
    EXPECT_EQ(yypromptlookup(data(resource), resource.size(), 101), "Open");
    EXPECT_EQ(yypromptlookup(data(resource), resource.size(), 7), "Save a file");
    EXPECT_EQ(yypromptlookup(data(resource), resource.size(), 40000), "");
    EXPECT_EQ(yypromptlookup(data(resource), resource.size(), 8), std::nullopt);
    EXPECT_EQ(yypromptlookup(nullptr, 10, 7), std::nullopt);
}

TEST(MenuResources, PromptsWithoutEndMarksStopAtTheResourceEnd) {
    const std::string whole = prompts();
    // Without the final zero word, then cut inside the last text, then inside an identifier.
    const std::string noEnd = whole.substr(0, whole.size() - 2);
    EXPECT_EQ(yypromptlookup(data(noEnd), noEnd.size(), 40000), "");
    EXPECT_EQ(yypromptlookup(data(noEnd), noEnd.size(), 9), std::nullopt);
    const std::string cutText = whole.substr(0, 2 + 5 + 2 + 4);  // "Save" of "Save a file"
    EXPECT_EQ(yypromptlookup(data(cutText), cutText.size(), 7), "Save");
    EXPECT_EQ(yypromptlookup(data(cutText), cutText.size(), 40000), std::nullopt);
    const std::string cutWord = whole.substr(0, 2 + 5 + 1);
    EXPECT_EQ(yypromptlookup(data(cutWord), cutWord.size(), 101), "Open");
    EXPECT_EQ(yypromptlookup(data(cutWord), cutWord.size(), 7), std::nullopt);
}

TEST(MenuResources, IdentifierListRecords) {
    // 501 at 2,1; an empty path (skipped); 502 at 1,3,2; the end mark; a record after it.
    const std::string list = words({501, 2, 1, 0, 600, 0, 502, 1, 3, 2, 0, 0, 503, 1, 0});
    const auto records = yyreadidentifierlist(data(list), list.size());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].identifier, 501u);
    EXPECT_EQ(records[0].path, (std::vector<unsigned>{2, 1}));
    EXPECT_EQ(records[1].identifier, 502u);
    EXPECT_EQ(records[1].path, (std::vector<unsigned>{1, 3, 2}));
}

TEST(MenuResources, IdentifierListsCutShort) {
    const std::string noEnd = words({501, 2, 1, 0, 502, 1});  // last record without its 0
    const auto records = yyreadidentifierlist(data(noEnd), noEnd.size());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].identifier, 501u);
    const std::string odd = words({501, 2, 1, 0}) + std::string("\x05", 1);
    EXPECT_EQ(yyreadidentifierlist(data(odd), odd.size()).size(), 1u);
    EXPECT_TRUE(yyreadidentifierlist(nullptr, 8).empty());
}

TEST(MenuResources, ToolbarLists) {
    struct Case {
        const char* name;
        std::string bytes;
        bool ok;
        int width, height;
        std::vector<int> entries;
    };
    const Case cases[] = {
        {"three buttons and a separator", words({16, 15, 101, 102, 0, 103, 0, 0}), true, 16, 15, {101, 102, 0, 103}},
        {"no end mark", words({16, 15, 101, 0, 102}), true, 16, 15, {101, 0, 102}},
        {"a single final zero", words({16, 15, 101, 102, 0}), true, 16, 15, {101, 102}},
        {"words after the end mark", words({16, 15, 101, 0, 0, 102}), true, 16, 15, {101}},
        {"no entries", words({24, 24}), true, 24, 24, {}},
        {"an odd trailing byte", words({16, 15, 101}) + "\x01", true, 16, 15, {101}},
        {"too short for the image size", words({16}), false, 0, 0, {}},
    };
    for (const Case& c : cases) {
        ToolbarList list;
        EXPECT_EQ(yyreadtoolbarlist(data(c.bytes), c.bytes.size(), list), c.ok) << c.name;
        EXPECT_EQ(list.imageWidth, c.width) << c.name;
        EXPECT_EQ(list.imageHeight, c.height) << c.name;
        EXPECT_EQ(list.entries, c.entries) << c.name;
    }
}

}  // namespace
