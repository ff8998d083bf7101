// info_test.cpp - the library's version text.
#include <gtest/gtest.h>

#include "base/info.hpp"

namespace {

TEST(InfoQueries, VersionIsBlankPaddedOrCut) {
    char ten[10];
    WInfoVersion(TextRef(ten));
    EXPECT_EQ(std::string_view(ten, 10), "9.0c      ");
    char two[2];
    WInfoVersion(TextRef(two));
    EXPECT_EQ(std::string_view(two, 2), "9.");
}

}  // namespace
