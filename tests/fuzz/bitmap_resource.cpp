// bitmap_resource.cpp - fuzz target: random bytes, in a block of exactly their size (as a resource
// is), as the header of the program's bitmap resource; the size read is two 16-bit words, and
// nothing when the block is shorter than a core header.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "images/image_formats.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<unsigned char[]> exact(new unsigned char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(exact.get(), data, size);
    int width = -1, height = -1;
    yybitmapresourcesize({exact.get(), size}, width, height);
    if (width < 0 || width > 65535 || height < 0 || height > 65535) std::abort();
    if (size < 12 && (width != 0 || height != 0)) std::abort();
    return 0;
}
