// test_main.cpp - the main of every test program: the layers it links assembled, as WinMain
// assembles the whole library for a program, then the tests.
#include <gtest/gtest.h>

#include "test_assembly.hpp"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    assembleTestedLayers();
    return RUN_ALL_TESTS();
}
