// cgm_driver.cpp - fuzz target: random opcode streams through the CGM file driver; the test-side
// walker reads every file back whole.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cgm_walker.hpp"
#include "vector_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzOutputName() + ".cgm";
    fuzzVectorDriver(data, size, xxcgm, name);
    std::ifstream in(name, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!bytes.empty()) {
        const CgmWalk walk = walkCgm(bytes);
        if (!walk.complete || walk.elements.empty() || walk.elements.back().elementClass != 0 || walk.elements.back().id != 2)
            std::abort();
    }
    std::filesystem::remove(name);
    return 0;
}
