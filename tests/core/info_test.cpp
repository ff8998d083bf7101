// info_test.cpp - the portable rules of the information queries and the version text.
#include <gtest/gtest.h>

#include "core/info.hpp"
#include "core/info_internal.hpp"

namespace {

TEST(InfoQueries, DriveRootIsALetterColonAndBackslashOnly) {
    struct Case {
        const char* directory;
        bool root;
    };
    const Case cases[] = {
        {"C:\\", true},         {"z:\\     ", true}, {"C:\\temp", false}, {"C:", false},
        {"\\\\server\\", false}, {"1:\\", false},     {"", false},         {"C:/", false},
    };
    for (const Case& c : cases) EXPECT_EQ(yyisdriveroot(c.directory), c.root) << "'" << c.directory << "'";
}

TEST(InfoQueries, DriveTypesAreTheSystemCodeLessOne) {
    const int expected[] = {0, 0, 1, 2, 3, 4, 5, 0};
    for (int code = 0; code < 8; ++code) EXPECT_EQ(yyreporteddrivetype(code), expected[code]) << code;
}

TEST(InfoQueries, VersionIsBlankPaddedOrCut) {
    char ten[10];
    WInfoVersion(TextRef(ten));
    EXPECT_EQ(std::string_view(ten, 10), "9.0c      ");
    char two[2];
    WInfoVersion(TextRef(two));
    EXPECT_EQ(std::string_view(two, 2), "9.");
}

}  // namespace
