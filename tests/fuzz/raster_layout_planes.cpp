// raster_layout_planes.cpp - fuzz target: the bit-plane raster layout, through the 16-colour image
// file and the three-plane raster printers (dot-matrix, ESC/P2, PCL in both colour kinds).
#include "raster_opcodes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const int printers[] = {0, 23, 25, 30, 31, 37};  // 0: the image file
    const int printer = printers[data[0] % (sizeof printers / sizeof printers[0])];
    if (printer == 0) fuzzRaster(data + 1, size - 1, 6, 4, 0);
    else fuzzRaster(data + 1, size - 1, 4, 3, printer);
    return 0;
}
