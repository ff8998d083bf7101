// hpgl2_opcodes.cpp - fuzz target: random opcode streams through the HP-GL/2 driver.
#include "plotter_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzPlotter(data, size, xxhpgl2);
    return 0;
}
