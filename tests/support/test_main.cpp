// test_main.cpp - the main of every test program: the library assembled, as WinMain assembles it
// for a program, then the tests.
#include <gtest/gtest.h>

#include "assembly/assemble.hpp"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    yyassemblelibrary();
    return RUN_ALL_TESTS();
}
