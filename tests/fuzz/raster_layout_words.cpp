// raster_layout_words.cpp - fuzz target: the one-word raster layout (true-colour image file).
#include "raster_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzRaster(data, size, 6, 24, 0);
    return 0;
}
