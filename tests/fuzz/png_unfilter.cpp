// png_unfilter.cpp - fuzz target: the PNG readers' helpers on outside bytes: row unfiltering of
// any row length, row count and pixel distance, and uncompressing into a small buffer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/errors.hpp"
#include "images/compression.hpp"
#include "images/png_helpers.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int rowbytes = data[0] % 64 + 1, bpp = data[1] % 8 + 1;
    std::vector<unsigned char> rows(data + 2, data + size);
    const int count = static_cast<int>(rows.size()) / rowbytes;
    yypngfilter2(rows.data(), rowbytes, count, bpp);

    IDebugLevel(0);
    std::vector<unsigned char> out(4096);
    int length = static_cast<int>(out.size());
    WUnCompress1(data + 2, out.data(), static_cast<int>(size - 2), length);
    if (length < 0 || length > static_cast<int>(out.size())) __builtin_trap();
    unsigned char word[4];
    int value = 0;
    if (size >= 6) {
        yypngc2i(data + 2, value);
        yypngwrd(value, word);
        if (yypngcmp(word, reinterpret_cast<const char*>(data + 2)) != 1) __builtin_trap();
    }
    yypngcrc2(data, static_cast<int>(size));
    return 0;
}
