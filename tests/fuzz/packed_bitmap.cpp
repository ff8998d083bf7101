// packed_bitmap.cpp - fuzz target: random bytes as a BMP, PCX or PNG file (the first byte picks
// the kind) turned into the packed bitmap that the image drawer hands to the system. Checks that
// the block holds its header, table and every row it claims.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "images/packed_bitmap.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    yysetpackedbitmaplimit(std::size_t{64} << 20);
    static const int kinds[3] = {1, 2, 15};
    const ImageBytes file(data + 1, data + size);
    const PackedBitmap p = yypackedbitmap(kinds[data[0] % 3], file);
    if (p.status != 0 || p.block.empty()) return 0;
    const unsigned char* h = p.block.data();
    const unsigned depth = h[14] | h[15] << 8, compression = h[16];
    const std::size_t stride = (static_cast<std::size_t>(p.width) * depth + 31) / 32 * 4;
    if (p.block.size() < p.bitsOffset || p.width <= 0 || p.height <= 0) std::abort();
    if (compression != 1 && compression != 2 && p.block.size() != p.bitsOffset + stride * static_cast<std::size_t>(p.height))
        std::abort();
    return 0;
}
