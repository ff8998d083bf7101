// png_unfilter.cpp - fuzz target: the PNG readers' helpers on outside bytes: row unfiltering of
// any row length, row count and pixel distance, checked against the filters byte by byte, and
// uncompressing into a small buffer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "images/compression.hpp"
#include "images/png_helpers.hpp"

namespace {

// The filters as the format defines them, byte by byte: the optimised rows must agree.
void referenceUnfilter(unsigned char* data, int rowbytes, int rows, int bpp) {
    const unsigned char* above = nullptr;
    for (int r = 0; r < rows; ++r) {
        unsigned char* row = data + static_cast<std::size_t>(r) * static_cast<std::size_t>(rowbytes);
        const int type = row[0];
        for (int i = 1; type <= 4 && i < rowbytes; ++i) {
            const int a = i > bpp ? row[i - bpp] : 0, b = above != nullptr ? above[i] : 0,
                      c = above != nullptr && i > bpp ? above[i - bpp] : 0;
            const int p = a + b - c, pa = p > a ? p - a : a - p, pb = p > b ? p - b : b - p, pc = p > c ? p - c : c - p;
            const int predictor[5] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
            row[i] = static_cast<unsigned char>(row[i] + predictor[type]);
        }
        above = row;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int rowbytes = data[0] % 64 + 1, bpp = data[1] % 8 + 1;
    std::vector<unsigned char> rows(data + 2, data + size);
    const int count = static_cast<int>(rows.size()) / rowbytes;
    std::vector<unsigned char> reference = rows;
    yypngfilter2(rows.data(), rowbytes, count, bpp);
    referenceUnfilter(reference.data(), rowbytes, count, bpp);
    if (rows != reference) __builtin_trap();

    yyresetgravim();
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
