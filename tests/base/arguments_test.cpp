// arguments_test.cpp - IOsArgument: the program's path, absent arguments and negative numbers.
#include <gtest/gtest.h>

#include "base/os.hpp"

TEST(IOsArgument, AbsentArgumentsAndNegativeNumbersGiveBlanks) {
    Text<40> argument("left over");
    IOsArgument(-1, argument);
    EXPECT_TRUE(argument.isBlank());
    argument.assign("left over");
    IOsArgument(99, argument);
    EXPECT_TRUE(argument.isBlank());
    Text<4> path;
    IOsArgument(0, path);  // the program's own path, cut to the text
    EXPECT_EQ(path.used(), 4u);
}
