// dxf_opcodes.cpp - fuzz target: random opcode streams through the DXF driver.
#include "plotter_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzPlotter(data, size, xxdxf);
    return 0;
}
