// raster_layout_bytes.cpp - fuzz target: the one-byte raster layout (256-colour image file).
#include "raster_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzRaster(data, size, 6, 8, 0);
    return 0;
}
