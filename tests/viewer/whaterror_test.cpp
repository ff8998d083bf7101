// whaterror_test.cpp - the diagnostics probe's trace line and the boxes it chooses.
#include <gtest/gtest.h>

#include "whaterror.hpp"

namespace {

std::string boxes(int slot1, int slot2, int slot3) {
    std::string result;
    for (const ProbeBox& box : whaterrorboxes(slot1, slot2, slot3))
        result += std::to_string(box.kind) + ":" + std::to_string(box.code) + ":" + std::string(box.title) + ";";
    return result;
}

TEST(WhatError, BoxesFollowTheSlots) {
    EXPECT_EQ(boxes(0, 0, 0), "");
    EXPECT_EQ(boxes(13, 0, 2), "2:2:error1=13 so error3;2:2:error3;");
    EXPECT_EQ(boxes(1034, 0, 0), "1:1034:error1;");
    EXPECT_EQ(boxes(2, 5, 0), "1:2:error1;2:5:error2;");
    EXPECT_EQ(whaterrorline(13, 0, 2, 2, "plotvert  a"), "Whaterror 13 0 2 2 plotvert  a");
}

}  // namespace
