// raster_reader.cpp - raster rows and colour tables as the image files want them.
#include "images/raster_reader.hpp"

#include <bit>
#include <cstring>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"

namespace {

// Byte b (0..3) of a raster word, through the byte masks.
inline unsigned byteOf(std::uint32_t word, int b) {
    return (word & gravim.raster.RasterByteMask[b]) >> (8 * b);
}

// The four masks, read once per row.
struct ByteMasks {
    std::uint32_t mask[4];
    ByteMasks() {
        for (int b = 0; b < 4; ++b) mask[b] = gravim.raster.RasterByteMask[b];
    }
    bool selecting() const {
        return mask[0] == 0xFFu && mask[1] == 0xFF00u && mask[2] == 0xFF0000u && mask[3] == 0xFF000000u;
    }
    unsigned char byte(std::uint32_t word, int b) const { return static_cast<unsigned char>((word & mask[b]) >> (8 * b)); }
};

// Two raster words in each lane, the first in the low half.
using WordPairs = std::uint64_t __attribute__((vector_size(16)));

inline std::uint32_t wordAt(std::int64_t index) {
    return static_cast<std::uint32_t>(gravim.raster.IRBUFF[static_cast<std::size_t>(index)]);
}

// The bits of a byte in reverse order: the raster keeps the left pixel in bit 0.
constexpr std::array<unsigned char, 256> reversedBytes = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned v = 0; v < 256; ++v) {
        unsigned r = 0;
        for (int k = 0; k < 8; ++k) r |= ((v >> k) & 1u) << (7 - k);
        table[v] = static_cast<unsigned char>(r);
    }
    return table;
}();

RasterColour split(int rgb) {
    int red = 0, green = 0, blue = 0;
    WRGBSplit(rgb, &red, &green, &blue);
    return {static_cast<unsigned char>(red), static_cast<unsigned char>(green), static_cast<unsigned char>(blue)};
}

}  // namespace

int yyrastercolours(std::array<RasterColour, 256>& table) {
    switch (gravim.raster.RasterDepth) {
    case 1:
        table[0] = {255, 255, 255};
        table[1] = {0, 0, 0};
        return 2;
    case 4:
        for (int i = 0; i < 16; ++i) {
            int rgb = 0;
            yypalg16(i, rgb);
            table[static_cast<std::size_t>(i)] = split(rgb);
        }
        return 16;
    case 8:
        for (int i = 0; i < 256; ++i) {
            int rgb = 0;
            yypalg(i, rgb);
            table[static_cast<std::size_t>(i)] = split(rgb);
        }
        return 256;
    default: return 0;
    }
}

void yyrasterbits(std::int64_t word, int count, unsigned char* out) {
    for (int k = 0; k < count; ++k) out[k] = reversedBytes[byteOf(wordAt(word + k / 4), k % 4)];
}

void yyrasternibbles(std::int64_t first, int count, unsigned char* out) {
    const RasterState& r = gravim.raster;
    // Index bit 0 comes from plane 2, bit 1 from plane 1, bit 2 from plane 0, bit 3 from plane 3.
    constexpr int planeOfBit[4] = {2, 1, 0, 3};
    // Eight pixels (one byte of each plane) give four output bytes.
    for (int k = 0; k * 4 < count; ++k) {
        unsigned planeByte[4];
        for (int bit = 0; bit < 4; ++bit)
            planeByte[bit] = byteOf(wordAt(std::int64_t{planeOfBit[bit]} * r.RasterPlaneWords + first + k / 4), k % 4);
        for (int pair = 0; pair < 4 && k * 4 + pair < count; ++pair) {
            unsigned value = 0;
            for (int half = 0; half < 2; ++half) {
                const int pixel = 2 * pair + half;
                unsigned index = 0;
                for (int bit = 0; bit < 4; ++bit) index |= ((planeByte[bit] >> pixel) & 1u) << bit;
                value = value << 4 | index;
            }
            out[k * 4 + pair] = static_cast<unsigned char>(value);
        }
    }
}

void yyrasterindexes(std::int64_t first, int count, unsigned char* out) {
    // Masks and words are read into locals: the bytes written could alias them.
    const ByteMasks m;
    const std::int32_t* const words = gravim.raster.IRBUFF.data() + first;
    if (m.selecting() && std::endian::native == std::endian::little) {  // byte b of a word is its b-th in memory
        std::memcpy(out, words, static_cast<std::size_t>(count));
        return;
    }
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const auto w = static_cast<std::uint32_t>(words[x / 4]);
        for (int b = 0; b < 4; ++b) out[x + b] = m.byte(w, b);
    }
    for (; x < count; ++x) out[x] = m.byte(static_cast<std::uint32_t>(words[x / 4]), x % 4);
}

void yyrasterpixels(std::int64_t first, int count, bool bgr, unsigned char* out) {
    const ByteMasks m;
    const std::int32_t* const words = gravim.raster.IRBUFF.data() + first;
    const int outer = bgr ? 2 : 0;
    if (m.selecting()) {  // the masks of a page being written: plain shifts, which compile tighter
        int x = 0;
        if (!bgr && std::endian::native == std::endian::little) {
            // Four pixels in one vector of two word pairs: in each pair the two words' bytes 0..2
            // side by side (byte 3 dropped), stored as eight bytes at 0 and at 6, the second store
            // overwriting the first's two zero bytes. It writes two bytes beyond the four pixels,
            // so at least one more pixel must follow to write over them.
            for (; x + 5 <= count; x += 4, out += 12) {
                WordPairs pairs;
                std::memcpy(&pairs, words + x, sizeof pairs);
                pairs = (pairs & 0xFFFFFFu) | (pairs >> 8 & 0xFFFFFF000000u);
                const std::uint64_t left = pairs[0], right = pairs[1];
                std::memcpy(out, &left, sizeof left);
                std::memcpy(out + 6, &right, sizeof right);
            }
        }
        for (; x < count; ++x, out += 3) {
            const auto w = static_cast<std::uint32_t>(words[x]);
            out[0] = static_cast<unsigned char>(w >> (8 * outer));
            out[1] = static_cast<unsigned char>(w >> 8);
            out[2] = static_cast<unsigned char>(w >> (16 - 8 * outer));
        }
        return;
    }
    for (int x = 0; x < count; ++x, out += 3) {
        const auto w = static_cast<std::uint32_t>(words[x]);
        out[0] = m.byte(w, outer);
        out[1] = m.byte(w, 1);
        out[2] = m.byte(w, 2 - outer);
    }
}

void yyrastercomponent(std::int64_t word, int count, int component, unsigned char* out) {
    for (int k = 0; k < count; ++k) out[k] = static_cast<unsigned char>(byteOf(wordAt(word + k), component));
}
