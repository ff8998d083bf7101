// svg_driver.cpp - fuzz target: random opcode streams through the SVG driver; every group the
// file opens is closed.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "vector_opcodes.hpp"

namespace {

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzOutputName() + ".svg";
    fuzzVectorDriver(data, size, xxsvg, name);
    std::ifstream in(name, std::ios::binary);
    std::stringstream file;
    file << in.rdbuf();
    const std::string text = file.str();
    if (!text.empty() && occurrences(text, "<g ") != occurrences(text, "</g>")) std::abort();
    std::filesystem::remove(name);
    return 0;
}
