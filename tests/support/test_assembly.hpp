// test_assembly.hpp - what a test program installs before its tests: the answers that the layers
// it links give the layers below them, as yyassemblelibrary installs them all for a program.
// tests/CMakeLists.txt makes each test program's definition from the layer its folder tests.
#pragma once

void assembleTestedLayers();
