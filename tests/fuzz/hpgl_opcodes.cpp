// hpgl_opcodes.cpp - fuzz target: random opcode streams through the HP-GL driver.
#include "plotter_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzPlotter(data, size, xxhpgl);
    return 0;
}
