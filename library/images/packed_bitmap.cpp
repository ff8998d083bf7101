// packed_bitmap.cpp - BMP, PCX and PNG files as packed device-independent bitmaps for the
// drawing of image files. The file's layout and checks, PCX runs and the PNG chunk walk are
// those of the RGB decoder (image_formats.hpp); only the rows are built differently.
#include "images/packed_bitmap.hpp"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"

namespace {

std::size_t packedLimit = std::size_t{512} << 20;

void putLe16(unsigned char* p, unsigned value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}
void putLe32(unsigned char* p, std::uint32_t value) {
    putLe16(p, value & 0xFFFF);
    putLe16(p + 2, value >> 16);
}

std::size_t strideOf(int width, int depth) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(depth) + 31) / 32 * 4;
}

// The bytes of `height` rows of `stride` bytes into bits; false (status 1109) beyond the limit,
// found before the product could overflow.
bool rowsFit(PackedBitmap& p, std::size_t stride, int height, std::size_t& bits) {
    if (stride != 0 && static_cast<std::size_t>(height) > packedLimit / stride) {
        p.status = 1109;
        return false;
    }
    bits = stride * static_cast<std::size_t>(height);
    return true;
}

// Sizes the block for the header, `entries` table words and `bits` bytes of rows (zero-filled)
// and writes the header; false (status set) when it is too large or cannot be had.
bool startBlock(PackedBitmap& p, int width, int height, int depth, std::uint32_t compression, std::size_t entries,
                std::size_t bits, std::size_t usedColours) {
    if (bits > packedLimit || entries > 256 || 40 + 4 * entries + bits > packedLimit) {
        p.status = 1109;
        return false;
    }
    try {
        p.block.assign(40 + 4 * entries + bits, 0);
    } catch (const std::bad_alloc&) {
        p.status = 2;
        return false;
    } catch (const std::length_error&) {
        p.status = 2;
        return false;
    }
    unsigned char* h = p.block.data();
    putLe32(h, 40);
    putLe32(h + 4, static_cast<std::uint32_t>(width));
    putLe32(h + 8, static_cast<std::uint32_t>(height));
    putLe16(h + 12, 1);
    putLe16(h + 14, static_cast<unsigned>(depth));
    putLe32(h + 16, compression);
    putLe32(h + 20, static_cast<std::uint32_t>(bits));
    putLe32(h + 32, static_cast<std::uint32_t>(usedColours));
    p.bitsOffset = 40 + 4 * entries;
    p.width = width;
    p.height = height;
    return true;
}

void putColour(PackedBitmap& p, std::size_t i, int rgb) {
    unsigned char* e = p.block.data() + 40 + 4 * i;
    e[0] = static_cast<unsigned char>(rgb >> 16);
    e[1] = static_cast<unsigned char>(rgb >> 8);
    e[2] = static_cast<unsigned char>(rgb);
}

// Row r of the picture (0 = top) in the block, whose rows run bottom-up.
unsigned char* rowAt(PackedBitmap& p, int r, std::size_t stride) {
    return p.block.data() + p.bitsOffset + static_cast<std::size_t>(p.height - 1 - r) * stride;
}

// ---- BMP: the file's own pixels, for the system to decode ----

PackedBitmap bmp(const ImageBytes& f) {
    PackedBitmap p;
    if (f.size() < 14) {
        p.status = 2;
        return p;
    }
    if (f[0] != 'B' || f[1] != 'M') {
        p.status = 27;
        return p;
    }
    const BmpLayout b = yybmplayout(f, 14, true);
    if (b.status != 0 || b.truncated) {
        p.status = b.status == 1109 ? 1109 : 27;
        return p;
    }
    if (b.empty) return p;
    const std::size_t pixelsAt = yyimagele32(f, 10) != 0 ? b.pixelsAt : b.paletteAt + 4 * b.entries;
    const std::size_t available = pixelsAt < f.size() ? f.size() - pixelsAt : 0;
    // The rows whatever the size field says; run-length codes stay coded, but the system decodes
    // them into rows as large.
    std::size_t bits = 0;
    if (!rowsFit(p, b.stride, b.height, bits)) return p;
    if (b.runLengths) {
        const std::uint32_t sized = yyimagele32(f, 14 + 20);
        bits = sized != 0 ? std::min<std::size_t>(sized, available) : available;
    }
    const std::size_t words = b.bitFields ? 3 : b.entries;
    if (!startBlock(p, b.width, b.height, b.depth, b.bitFields ? 3 : b.compression, words, bits, b.bitFields ? 0 : b.entries))
        return p;
    putLe32(p.block.data() + 24, yyimagele32(f, 14 + 24));  // pixels per metre
    putLe32(p.block.data() + 28, yyimagele32(f, 14 + 28));
    if (b.bitFields) {
        for (std::size_t i = 0; i < 3; ++i) putLe32(p.block.data() + 40 + 4 * i, b.masks[i]);
    } else {
        ImageColourTable table{};
        yybmpcolours(f, b, table);
        for (std::size_t i = 0; i < b.entries; ++i) putColour(p, i, table[i]);
    }
    unsigned char* out = p.block.data() + p.bitsOffset;
    if (b.runLengths) {
        std::copy_n(f.begin() + static_cast<std::ptrdiff_t>(pixelsAt), bits, out);
        return p;
    }
    // A short file leaves its missing rows zero; top-down rows are turned bottom-up.
    for (int n = 0; n < b.height; ++n) {
        const std::size_t from = static_cast<std::size_t>(n) * b.stride;
        if (from >= available) break;
        const int r = b.topDown ? n : b.height - 1 - n;
        std::copy_n(f.begin() + static_cast<std::ptrdiff_t>(pixelsAt + from), std::min(b.stride, available - from), rowAt(p, r, b.stride));
    }
    return p;
}

// ---- PCX: scan lines top-down, planes packed into pixels ----

PackedBitmap pcx(const ImageBytes& f) {
    PackedBitmap p;
    const PcxLayout x = yypcxlayout(f);
    if (x.truncated) {
        p.status = 2;
        return p;
    }
    if (f[0] != 10 || f[2] != 1 || x.status != 0) {
        p.status = 27;
        return p;
    }
    if (x.empty) return p;
    const std::size_t entries = x.depth == 1 ? 2 : x.depth == 4 ? 16 : x.depth == 8 ? 256 : 0;
    const std::size_t stride = strideOf(x.width, x.depth);
    std::size_t bits = 0;
    if (!rowsFit(p, stride, x.height, bits)) return p;
    // The 256 colours of an 8-bit file are its last 768 bytes, whatever the marker before them.
    if (x.depth == 8 && f.size() < 128 + 769) {
        p.status = 2;
        return p;
    }
    if (!startBlock(p, x.width, x.height, x.depth, 0, entries, bits, entries)) return p;
    ImageColourTable table{};
    yypcxcolours(f, x, table);
    for (std::size_t i = 0; i < entries; ++i) putColour(p, i, table[i]);
    const std::size_t lineBytes = x.lineBytes, planes = static_cast<std::size_t>(x.planes);
    ImageBytes line(lineBytes * planes);
    PcxRuns runs(f, x.depth == 8 ? f.size() - 769 : f.size());
    const std::size_t width = static_cast<std::size_t>(x.width);
    for (int r = 0; r < x.height; ++r) {
        if (!runs.line(line.data(), line.size())) {
            p.status = 2;
            return p;
        }
        unsigned char* out = rowAt(p, r, stride);
        switch (x.depth) {
        case 1: std::copy_n(line.begin(), (width + 7) / 8, out); break;
        case 4:
            for (std::size_t c = 0; c < width; ++c) {
                int index = 0;
                for (std::size_t k = 0; k < 4; ++k) index |= ((line[k * lineBytes + c / 8] >> (7 - c % 8)) & 1) << k;
                out[c / 2] |= static_cast<unsigned char>(c % 2 == 0 ? index << 4 : index);
            }
            break;
        case 8: std::copy_n(line.begin(), width, out); break;
        default:
            for (std::size_t c = 0; c < width; ++c) {
                out[3 * c] = line[2 * lineBytes + c];
                out[3 * c + 1] = line[lineBytes + c];
                out[3 * c + 2] = line[c];
            }
            break;
        }
    }
    return p;
}

// ---- PNG: palette images keep their indexes, RGB and RGBA become 24 bits ----

PackedBitmap png(const ImageBytes& f) {
    PackedBitmap p;
    if (f.size() < 33) {
        p.status = 2;
        return p;
    }
    const PngLayout g = yypnglayout(f, 0, packedLimit);
    if (g.status != 0) {
        p.status = g.status;
        return p;
    }
    ImageColourTable table{};  // cleared for every image: entries without PLTE data are black
    ImageBytes gathered;
    const int walked = yypngchunks(f, 0, g, table, gathered);
    if (walked != 0) {
        p.status = 2;  // IDAT data beyond their room, or no IEND
        return p;
    }
    const int depth = g.colourType == 3 ? (g.depth == 2 ? 4 : g.depth) : 24;
    const std::size_t entries = g.colourType == 3 ? std::size_t{1} << g.depth : 0;
    const std::size_t stride = strideOf(g.width, depth);
    std::size_t bits = 0;
    if (!rowsFit(p, stride, g.height, bits) || !startBlock(p, g.width, g.height, depth, 0, entries, bits, entries)) return p;
    for (std::size_t i = 0; i < entries; ++i) putColour(p, i, table[i]);
    // Rows the data do not cover stay black.
    const std::size_t rowBytes = g.rowLength - 1, width = static_cast<std::size_t>(g.width);
    const std::size_t sample = static_cast<std::size_t>(g.depth) / 8, step = sample * static_cast<std::size_t>(g.samples);
    const int zlib = yypngrows(gathered, g, [&](int r, const unsigned char* in) {
        unsigned char* out = rowAt(p, r, stride);
        if (g.colourType != 3) {
            for (std::size_t c = 0; c < width; ++c, in += step) {
                out[3 * c] = in[2 * sample];
                out[3 * c + 1] = in[sample];
                out[3 * c + 2] = in[0];
            }
        } else if (g.depth == 2) {
            // Four two-bit pixels a byte become two bytes of two four-bit pixels.
            for (std::size_t i = 0; i < rowBytes && 2 * i + 1 < stride; ++i) {
                out[2 * i] = static_cast<unsigned char>((in[i] >> 6 & 3) << 4 | (in[i] >> 4 & 3));
                out[2 * i + 1] = static_cast<unsigned char>((in[i] >> 2 & 3) << 4 | (in[i] & 3));
            }
        } else {
            std::copy_n(in, rowBytes, out);
        }
    });
    if (zlib != 0) {
        p.status = 1044;
        p.zlibStatus = zlib;
        p.block.clear();
    }
    return p;
}

}  // namespace

PackedBitmap yypackedbitmap(int kind, const ImageBytes& file) {
    switch (kind) {
    case 1: return bmp(file);
    case 2: return pcx(file);
    case 15: return png(file);
    default: {
        PackedBitmap p;
        p.status = 27;
        return p;
    }
    }
}

PackedBitmap yypackedbitmapfile(int kind, const char* name, int& systemError) {
    PackedBitmap p;
    if (kind != 1 && kind != 2 && kind != 15) {
        p.status = 27;
        return p;
    }
    ImageBytes file;
    {
        // The file layer's slots are put back: the status goes to the device, nothing is reported.
        const ErrorSilence silence;
        const CoreState& core = gravim.core;
        const int fileStatus = core.fileStatus, category = core.errorCategory;
        p.status = yyreadimagefile(name != nullptr ? name : "", file);
        if (p.status != 0) systemError = core.fileStatus;
        yysetfilestatus(fileStatus, category);
    }
    if (p.status != 0) return p;
    p = yypackedbitmap(kind, file);
    if (p.status == 1044) systemError = p.zlibStatus;
    return p;
}

PackedBitmap yypackedpixels(int width, int height, const std::vector<unsigned>& pixels) {
    PackedBitmap p;
    if (width <= 0 || height <= 0 || pixels.size() / static_cast<std::size_t>(width) < static_cast<std::size_t>(height)) return p;
    const std::size_t stride = 4 * static_cast<std::size_t>(width);
    std::size_t bits = 0;
    if (!rowsFit(p, stride, height, bits) || !startBlock(p, width, height, 32, 0, 0, bits, 0)) return p;
    for (int r = 0; r < height; ++r) {
        unsigned char* out = rowAt(p, r, stride);
        const unsigned* in = pixels.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(width);
        for (int c = 0; c < width; ++c) putLe32(out + 4 * static_cast<std::size_t>(c), in[c]);
    }
    return p;
}

void yysetpackedbitmaplimit(std::size_t bytes) { packedLimit = bytes; }
