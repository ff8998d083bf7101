// raster_layout_bits.cpp - fuzz target: the one-bit raster layout, through the monochrome image
// file and the one-plane raster printers of every family (the input's first byte picks).
#include "raster_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const int printers[] = {0, 2, 9, 17, 19, 28, 36};  // 0: the image file
    const int printer = printers[data[0] % (sizeof printers / sizeof printers[0])];
    if (printer == 0) fuzzRaster(data + 1, size - 1, 6, 1, 0);
    else fuzzRaster(data + 1, size - 1, 4, 1, printer);
    return 0;
}
