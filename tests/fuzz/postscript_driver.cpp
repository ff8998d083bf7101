// postscript_driver.cpp - fuzz target: random opcode streams through the PostScript driver.
#include <filesystem>

#include "vector_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzOutputName() + ".ps";
    fuzzVectorDriver(data, size, xxpost, name);
    std::filesystem::remove(name);
    return 0;
}
