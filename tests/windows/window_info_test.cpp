// window_info_test.cpp - the portable rules of the information queries.
#include <gtest/gtest.h>

#include "windows/window_info_internal.hpp"

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

}  // namespace
