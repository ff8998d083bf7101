// image_decoder.cpp - IGrLoadImageData: BMP, icon, cursor, PCX and PNG files decoded into
// RGBValues, one per pixel, top row first, for the devices that draw images pixel by pixel.
// The file is read whole through the file layer in 40000-byte blocks and decoded from memory,
// so no field is ever read past the bytes that exist. PNG rows are inflated, unfiltered and
// converted one at a time (yypngrows).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "images/image_formats.hpp"
#include "images/image_files.hpp"

namespace {

constexpr const char* routine = "IGrLoadImageData";

using Bytes = ImageBytes;
using ColourTable = ImageColourTable;

int rgb(int red, int green, int blue) { return yyimagergb(red, green, blue); }

// Where decoded pixels go: w x h values of the caller's array, row 0 at the top.
struct Target {
    std::span<int> pixels;
    int width = 0, height = 0;
    void put(int row, int column, int value) const {
        if (row < 0 || row >= height || column < 0 || column >= width) return;
        pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)] = value;
    }
    int& at(int row, int column) const {
        return pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)];
    }
};

// Records 1109 and answers false when w x h pixels do not fit into the caller's array.
bool fits(long long width, long long height, std::size_t capacity) {
    if (width > 0 && height > 0 && static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) > capacity) {
        yyerror(1109, routine);
        return false;
    }
    return true;
}

// ---- BMP, icon and cursor ----

struct BitField {
    std::uint32_t mask = 0;
    int shift = 0, bits = 0;
    explicit BitField(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0) ++bits;
    }
    // The field moved to the top of an 8-bit channel.
    int channel(std::uint32_t value) const {
        if (bits == 0) return 0;
        const std::uint32_t v = (value & mask) >> shift;
        return static_cast<int>(bits >= 8 ? v >> (bits - 8) : v << (8 - bits)) & 0xFF;
    }
};

// Decodes one uncompressed row of the file (bytes row..row+stride) into array row r.
void bmpRow(const unsigned char* row, int depth, const Target& t, int r, const ColourTable& table, bool fields,
            const std::array<BitField, 3>& masks) {
    for (int x = 0; x < t.width; ++x) {
        int value = 0;
        switch (depth) {
        case 1: value = table[static_cast<std::size_t>((row[x / 8] >> (7 - x % 8)) & 1)]; break;
        case 4: value = table[static_cast<std::size_t>(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15)]; break;
        case 8: value = table[row[x]]; break;
        case 16: {
            const std::uint32_t word = row[2 * x] | row[2 * x + 1] << 8;
            if (fields) value = rgb(masks[0].channel(word), masks[1].channel(word), masks[2].channel(word));
            else value = rgb((word >> 10 & 31) * 8, (word >> 5 & 31) * 8, (word & 31) * 8);
            break;
        }
        case 24: value = rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
        default: {
            const unsigned char* p = row + 4 * x;
            const std::uint32_t word = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                       static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
            if (fields) value = rgb(masks[0].channel(word), masks[1].channel(word), masks[2].channel(word));
            else value = rgb(p[2], p[1], p[0]);
            break;
        }
        }
        t.at(r, x) = value;
    }
}

// Run-length codes at 4 or 8 bits from data on; fileRow counts rows from the first stored one.
// Codes that move beyond the last row of the array stop the decoding.
void bmpRunLengths(const Bytes& f, std::size_t at, int depth, const Target& t, bool topDown, const ColourTable& table) {
    int fileRow = 0, column = 0;
    auto rowOf = [&](int n) { return topDown ? n : t.height - 1 - n; };
    auto put = [&](int index) {
        if (column < t.width) t.at(rowOf(fileRow), column) = table[static_cast<std::size_t>(index)];
        ++column;
    };
    while (at + 2 <= f.size() && fileRow < t.height) {
        const int n = f[at], second = f[at + 1];
        at += 2;
        if (n > 0) {
            for (int i = 0; i < n && column < t.width; ++i) put(depth == 8 ? second : (i % 2 == 0 ? second >> 4 : second & 15));
            continue;
        }
        if (second == 0) {
            ++fileRow;
            column = 0;
        } else if (second == 1) {
            return;
        } else if (second == 2) {
            if (at + 2 > f.size()) return;
            column += f[at];
            fileRow += f[at + 1];
            at += 2;
        } else {
            const std::size_t length = depth == 8 ? static_cast<std::size_t>(second) : (static_cast<std::size_t>(second) + 1) / 2;
            if (at + length > f.size()) return;
            for (int i = 0; i < second && column < t.width; ++i)
                put(depth == 8 ? f[at + static_cast<std::size_t>(i)] : (i % 2 == 0 ? f[at + static_cast<std::size_t>(i / 2)] >> 4 : f[at + static_cast<std::size_t>(i / 2)] & 15));
            at += length + (length % 2);
        }
    }
}

bool decodePng(const Bytes& f, std::size_t start, std::span<int> pixels, ColourTable& table, bool marking);

// A BMP (fileHeader true) or the first image of an icon or cursor, whose information header
// begins at at. width and height are the directory's for icons and cursors.
bool decodeBitmap(const Bytes& f, std::size_t at, bool fileHeader, int iconWidth, int iconHeight, std::span<int> pixels,
                  ColourTable& table, bool marking) {
    const BmpLayout bmp = yybmplayout(f, at, fileHeader, iconWidth, iconHeight);
    if (bmp.status != 0) {
        yyerror(bmp.status, routine);
        return false;
    }
    if (bmp.truncated) return false;
    if (bmp.empty) return true;  // no pixels
    if (!fits(bmp.width, bmp.height, pixels.size())) return false;
    const Target t{pixels, bmp.width, bmp.height};
    const int depth = bmp.depth;
    const bool topDown = bmp.topDown, fields = bmp.bitFields;
    const std::array<BitField, 3> masks{BitField(bmp.masks[0]), BitField(bmp.masks[1]), BitField(bmp.masks[2])};
    yybmpcolours(f, bmp, table);
    const std::size_t pixelsAt = bmp.pixelsAt;
    if (bmp.runLengths) {
        bmpRunLengths(f, pixelsAt, depth, t, topDown, table);
        return true;
    }
    const std::size_t stride = bmp.stride;
    for (int n = 0; n < t.height; ++n) {
        const std::size_t row = pixelsAt + static_cast<std::size_t>(n) * stride;
        if (row > f.size() || f.size() - row < stride) return false;  // short file: stop here
        bmpRow(f.data() + row, depth, t, topDown ? n : t.height - 1 - n, table, fields, masks);
    }
    if (!fileHeader && marking) {
        const std::size_t maskStride = (static_cast<std::size_t>(t.width) + 31) / 32 * 4;
        const std::size_t maskAt = pixelsAt + static_cast<std::size_t>(t.height) * stride;
        for (int n = 0; n < t.height; ++n) {
            const std::size_t row = maskAt + static_cast<std::size_t>(n) * maskStride;
            if (row > f.size() || f.size() - row < maskStride) return false;
            for (int x = 0; x < t.width; ++x)
                if ((f[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1) t.at(t.height - 1 - n, x) |= 0xFF << 24;
        }
    }
    return true;
}

bool decodeIcon(const Bytes& f, const int info[7], std::span<int> pixels, ColourTable& table, bool marking) {
    const std::size_t data = yyimagele32(f, 6 + 12);
    if (data >= f.size()) return false;
    if (f.size() - data >= 8 && std::memcmp(f.data() + data, "\x89PNG\r\n\x1a\n", 8) == 0)
        return decodePng(f, data, pixels, table, marking);
    return decodeBitmap(f, data, false, info[1], info[2], pixels, table, marking);
}

// ---- PNG ----

bool decodePng(const Bytes& f, std::size_t start, std::span<int> pixels, ColourTable& table, bool marking) {
    const PngLayout png = yypnglayout(f, start, std::numeric_limits<std::size_t>::max());
    if (png.status != 0) {
        yyerror(png.status, routine);
        return false;
    }
    if (!fits(png.width, png.height, pixels.size())) return false;
    const int depth = png.depth, colourType = png.colourType;
    marking = marking && colourType == 6;
    const std::size_t samples = static_cast<std::size_t>(png.samples);
    Bytes gathered;
    const int walked = yypngchunks(f, start, png, table, gathered);
    if (walked == 2) yyerror(2, routine);
    if (walked != 0) return false;  // no IEND: nothing converted
    const Target t{pixels, png.width, png.height};
    const std::size_t sampleBytes = static_cast<std::size_t>(depth) / 8;
    const int status = yypngrows(gathered, png, [&](int r, const unsigned char* row) {
        int* out = &t.at(r, 0);
        if (colourType == 3 && depth == 8) {
            for (int x = 0; x < t.width; ++x) out[x] = table[row[x]];
        } else if (colourType == 3) {
            const int perByte = 8 / depth, mask = (1 << depth) - 1;
            for (int x = 0; x < t.width; ++x)
                out[x] = table[static_cast<std::size_t>((row[x / perByte] >> (8 - depth * (x % perByte + 1))) & mask)];
        } else if (sampleBytes == 1 && samples == 3) {
            for (int x = 0; x < t.width; ++x, row += 3) out[x] = row[0] | row[1] << 8 | row[2] << 16;
        } else {
            const std::size_t step = samples * sampleBytes;
            for (int x = 0; x < t.width; ++x, row += step) {
                int value = row[0] | row[sampleBytes] << 8 | row[2 * sampleBytes] << 16;
                if (marking) value |= (255 - row[3 * sampleBytes]) << 24;
                out[x] = value;
            }
        }
    });
    if (status != 0) {
        // As the uncompress wrapper reports it: zlib's status in slot 3.
        yysetosstatus(status);
        yyerror(1044, routine);
        return false;
    }
    return true;
}

// ---- PCX ----

bool decodePcx(const Bytes& f, std::span<int> pixels, ColourTable& table) {
    const PcxLayout pcx = yypcxlayout(f);
    if (pcx.truncated) return false;
    if (pcx.status != 0) {
        yyerror(pcx.status, routine);
        return false;
    }
    if (pcx.empty) return true;
    if (!fits(pcx.width, pcx.height, pixels.size())) return false;
    const int depth = pcx.depth, planes = pcx.planes;
    const std::size_t lineBytes = pcx.lineBytes;
    const Target t{pixels, pcx.width, pcx.height};
    if (depth == 8 && (f.size() < 128 + 769 || f[f.size() - 769] != 0x0C)) {
        yyerror(2, routine);
        return false;
    }
    yypcxcolours(f, pcx, table);
    if (depth <= 4) std::fill(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(t.width) * t.height, 0);
    const std::size_t end = depth == 8 ? f.size() - 769 : f.size();
    const std::size_t rowBytes = lineBytes * static_cast<std::size_t>(planes);
    Bytes row(rowBytes);
    PcxRuns runs(f, end);
    for (int r = 0; r < t.height; ++r) {
        if (!runs.line(row.data(), rowBytes)) return false;
        for (int x = 0; x < t.width; ++x) {
            int v = 0;
            const std::size_t column = static_cast<std::size_t>(x);
            if (depth == 1) {
                v = table[static_cast<std::size_t>((row[column / 8] >> (7 - x % 8)) & 1)];
            } else if (depth == 4) {
                int index = 0;
                for (int p = 0; p < 4; ++p)
                    index |= ((row[static_cast<std::size_t>(p) * lineBytes + column / 8] >> (7 - x % 8)) & 1) << p;
                v = table[static_cast<std::size_t>(index)];
            } else if (depth == 8) {
                v = table[row[column]];
            } else {
                v = rgb(row[column], row[lineBytes + column], row[2 * lineBytes + column]);
            }
            t.at(r, x) = v;
        }
    }
    return true;
}

}  // namespace

void IGrLoadImageData(std::string_view name, std::span<int> pixels, std::span<int> palette, std::optional<int> transparency) {
    name = trimRight(name);
    int info[7] = {-1, -1, -1, -1, -1, -1, -1};
    IGrFileInfo(name, info, 7);
    const int type = info[0], colours = info[3];
    if (type != 1 && type != 2 && type != 15 && type != 17 && type != 18) {
        yyerror(27, routine);
        return;
    }
    const bool marking = transparency.has_value() && *transparency != 0;
    Bytes file;
    if (yyreadimagefile(name, file) != 0) return;
    ColourTable table{};  // cleared for every image: entries the file does not define are black
    bool whole = false;
    switch (type) {
    case 1: whole = decodeBitmap(file, 14, true, 0, 0, pixels, table, false); break;
    case 2: whole = decodePcx(file, pixels, table); break;
    case 15: whole = decodePng(file, 0, pixels, table, marking); break;
    default: whole = decodeIcon(file, info, pixels, table, marking); break;
    }
    if (whole && colours >= 0 && colours <= 256) {
        const std::size_t n = std::min(static_cast<std::size_t>(colours), palette.size());
        std::copy_n(table.begin(), n, palette.begin());
    }
}
