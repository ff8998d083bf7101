// image_decoder.cpp - IGrLoadImageData: BMP, icon, cursor, PCX and PNG files decoded into
// RGBValues, one per pixel, top row first, for the devices that draw images pixel by pixel.
// The file is read whole through the file layer in 40000-byte blocks and decoded from memory,
// so no field is ever read past the bytes that exist.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

#include "core/errors_internal.hpp"
#include "core/files.hpp"
#include "images/compression.hpp"
#include "images/image_files.hpp"
#include "images/png_helpers.hpp"

namespace {

constexpr const char* routine = "IGrLoadImageData";
constexpr int readBlock = 40000;

using Bytes = std::vector<unsigned char>;
using ColourTable = std::array<int, 256>;

int rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

unsigned le16(const Bytes& f, std::size_t at) { return at + 2 <= f.size() ? f[at] | f[at + 1] << 8 : 0u; }
std::uint32_t le32(const Bytes& f, std::size_t at) {
    if (at + 4 > f.size()) return 0;
    return static_cast<std::uint32_t>(f[at]) | static_cast<std::uint32_t>(f[at + 1]) << 8 |
           static_cast<std::uint32_t>(f[at + 2]) << 16 | static_cast<std::uint32_t>(f[at + 3]) << 24;
}
std::uint32_t be32(const Bytes& f, std::size_t at) { return at + 4 <= f.size() ? yypngc2i(f.data() + at) : 0u; }

// The whole file through the file layer; false when it could not be opened or read (the file
// layer has recorded why) or is too large to hold.
bool readWhole(std::string_view name, Bytes& file) {
    int handle = -1;
    IFileOpen(name, fileRead, handle);
    if (handle == -1) return false;
    bool ok = true;
    try {
        std::array<unsigned char, readBlock> block;
        for (;;) {
            int done = 0;
            IFileReadChar(handle, std::span<unsigned char>(block), readBlock, done);
            if (done < 0) {
                ok = false;
                break;
            }
            if (done == 0) break;
            file.insert(file.end(), block.begin(), block.begin() + done);
        }
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    IFileClose(handle);
    return ok;
}

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
    const std::uint32_t headerSize = le32(f, at);
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) {
        yyerror(27, routine);
        return false;
    }
    if (at + headerSize > f.size()) return false;
    const long long fileWidth = static_cast<std::int32_t>(le32(f, at + 4));
    long long fileHeight = static_cast<std::int32_t>(le32(f, at + 8));
    const int depth = static_cast<int>(le16(f, at + 14));
    const std::uint32_t compression = le32(f, at + 16);
    const std::uint32_t used = le32(f, at + 32);
    bool rle = false, fields = false;
    if (depth == 1 || depth == 24) {
        rle = false;
    } else if (depth == 4 || depth == 8) {
        rle = compression != 0;
        if (rle && compression != static_cast<std::uint32_t>(depth == 8 ? 1 : 2)) {
            yyerror(27, routine);
            return false;
        }
    } else if (depth == 16 || depth == 32) {
        fields = compression == 3 || compression == 6;
        if (compression != 0 && !fields) {
            yyerror(27, routine);
            return false;
        }
    } else {
        yyerror(27, routine);
        return false;
    }
    long long width = fileWidth, height = fileHeight;
    bool topDown = false;
    if (!fileHeader) {
        width = iconWidth;
        height = iconHeight;
    } else if (fileHeight < 0) {
        topDown = !rle;
        height = -fileHeight;
    }
    if (width <= 0 || height <= 0 || width > std::numeric_limits<int>::max() / 32) return true;  // no pixels
    if (!fits(width, height, pixels.size())) return false;
    const Target t{pixels, static_cast<int>(width), static_cast<int>(height)};

    // Bit-field masks follow a 40-byte header and sit inside the longer ones: the same place.
    std::array<BitField, 3> masks{BitField(le32(f, at + 40)), BitField(le32(f, at + 44)), BitField(le32(f, at + 48))};
    if (fields && (masks[0].mask | masks[1].mask | masks[2].mask) == 0) {
        if (depth == 16) masks = {BitField(0x7C00), BitField(0x03E0), BitField(0x001F)};
        else masks = {BitField(0xFF0000), BitField(0xFF00), BitField(0xFF)};
    }
    std::size_t paletteAt = at + headerSize + (headerSize == 40 && compression == 3 ? 12 : 0);
    std::size_t entries = 0;
    if (depth <= 8) {
        entries = std::size_t{1} << depth;
        if (used > 0 && used < entries) entries = used;
        for (std::size_t i = 0; i < entries && paletteAt + 4 * i + 4 <= f.size(); ++i) {
            const std::size_t p = paletteAt + 4 * i;
            table[i] = rgb(f[p + 2], f[p + 1], f[p]);
        }
    }
    std::size_t pixelsAt = fileHeader ? le32(f, 10) : paletteAt + 4 * entries;
    if (rle) {
        bmpRunLengths(f, pixelsAt, depth, t, topDown, table);
        return true;
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(depth) + 31) / 32 * 4;
    for (int n = 0; n < t.height; ++n) {
        const std::size_t row = pixelsAt + static_cast<std::size_t>(n) * stride;
        if (row > f.size() || f.size() - row < stride) return false;  // short file: stop here
        bmpRow(f.data() + row, depth, t, topDown ? n : t.height - 1 - n, table, fields, masks);
    }
    if (!fileHeader && marking) {
        const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
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
    const std::size_t data = le32(f, 6 + 12);
    if (data >= f.size()) return false;
    if (f.size() - data >= 8 && std::memcmp(f.data() + data, "\x89PNG\r\n\x1a\n", 8) == 0)
        return decodePng(f, data, pixels, table, marking);
    return decodeBitmap(f, data, false, info[1], info[2], pixels, table, marking);
}

// ---- PNG ----

bool decodePng(const Bytes& f, std::size_t start, std::span<int> pixels, ColourTable& table, bool marking) {
    const std::size_t ihdr = start + 8;
    if (f.size() < ihdr + 25 || be32(f, ihdr) != 13 || yypngcmp(f.data() + ihdr + 4, "IHDR") == 0) {
        yyerror(27, routine);
        return false;
    }
    const std::uint32_t width = be32(f, ihdr + 8), height = be32(f, ihdr + 12);
    const int depth = f[ihdr + 16], colourType = f[ihdr + 17];
    const bool depthOk = colourType == 3 ? (depth == 1 || depth == 2 || depth == 4 || depth == 8)
                                         : (colourType == 2 || colourType == 6) && (depth == 8 || depth == 16);
    if (width < 1 || height < 1 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu || !depthOk || f[ihdr + 18] != 0 ||
        f[ihdr + 19] != 0 || f[ihdr + 20] != 0) {
        yyerror(27, routine);
        return false;
    }
    marking = marking && colourType == 6;
    const unsigned long long samples = colourType == 3 ? 1 : colourType == 2 ? 3 : 4;
    const unsigned long long bitsPerPixel = samples * static_cast<unsigned long long>(depth);
    const int bpp = static_cast<int>(std::max<unsigned long long>(1, bitsPerPixel / 8));
    const unsigned long long rowLength = (static_cast<unsigned long long>(width) * bitsPerPixel + 7) / 8 + 1;
    const unsigned long long total = rowLength * height;
    if (total > static_cast<unsigned long long>(std::numeric_limits<int>::max()) - total / 1000 - 22) {
        yyerror(1109, routine);
        return false;
    }
    if (!fits(width, height, pixels.size())) return false;
    const int n = static_cast<int>(total);
    const std::size_t capacity = static_cast<std::size_t>(n) + static_cast<std::size_t>(n / 1000) + 22;
    Bytes gathered;
    std::size_t at = ihdr + 25;
    for (;;) {
        if (f.size() < at + 8) return false;  // no IEND: nothing converted
        const std::size_t length = be32(f, at);
        const unsigned char* type = f.data() + at + 4;
        at += 8;
        if (length > f.size() - at) return false;
        if (yypngcmp(type, "IEND")) break;
        if (yypngcmp(type, "IDAT")) {
            if (gathered.size() + length > capacity) {
                yyerror(2, routine);
                return false;
            }
            gathered.insert(gathered.end(), f.begin() + static_cast<std::ptrdiff_t>(at),
                            f.begin() + static_cast<std::ptrdiff_t>(at + length));
        } else if (yypngcmp(type, "PLTE")) {
            for (std::size_t i = 0; i < std::min<std::size_t>(length / 3, 256); ++i)
                table[i] = rgb(f[at + 3 * i], f[at + 3 * i + 1], f[at + 3 * i + 2]);
        }
        at += length;
        if (f.size() - at < 4) return false;
        at += 4;  // CRC, not verified
    }
    std::unique_ptr<unsigned char[]> image(new (std::nothrow) unsigned char[static_cast<std::size_t>(n)]);
    if (image == nullptr) {
        yyerror(1109, routine);
        return false;
    }
    int produced = n;
    WUnCompress1(gathered.data(), image.get(), static_cast<int>(gathered.size()), produced);
    if (produced <= 0) return false;  // recorded by the wrapper when zlib failed
    const int rows = static_cast<int>(static_cast<unsigned long long>(produced) / rowLength);  // rows the data cover
    if (rows == 0) return true;
    yypngfilter(static_cast<int>(rowLength), rows, bpp, image.get());
    const Target t{pixels, static_cast<int>(width), static_cast<int>(height)};
    const std::size_t sampleBytes = static_cast<std::size_t>(depth) / 8;
    for (int r = 0; r < rows; ++r) {
        const unsigned char* row = image.get() + static_cast<std::size_t>(r) * rowLength + 1;
        int* out = &t.at(r, 0);
        if (colourType == 3 && depth == 8) {
            for (int x = 0; x < t.width; ++x) out[x] = table[row[x]];
        } else if (colourType == 3) {
            const int perByte = 8 / depth, mask = (1 << depth) - 1;
            for (int x = 0; x < t.width; ++x)
                out[x] = table[static_cast<std::size_t>((row[x / perByte] >> (8 - depth * (x % perByte + 1))) & mask)];
        } else {
            const std::size_t step = samples * sampleBytes;
            const unsigned char* p = row;
            for (int x = 0; x < t.width; ++x, p += step) {
                int value = p[0] | p[sampleBytes] << 8 | p[2 * sampleBytes] << 16;
                if (marking) value |= (255 - p[3 * sampleBytes]) << 24;
                out[x] = value;
            }
        }
    }
    return true;
}

// ---- PCX ----

bool decodePcx(const Bytes& f, std::span<int> pixels, ColourTable& table) {
    if (f.size() < 128) return false;
    const int bits = f[3], planes = f[65];
    const long long width = static_cast<long long>(le16(f, 8)) - le16(f, 4) + 1;
    const long long height = static_cast<long long>(le16(f, 10)) - le16(f, 6) + 1;
    const std::size_t lineBytes = le16(f, 66);
    int depth = 0;
    if (bits == 1 && planes == 1) depth = 1;
    else if (bits == 1 && planes == 4) depth = 4;
    else if (bits == 8 && planes == 1) depth = 8;
    else if (bits == 8 && planes == 3) depth = 24;
    const std::size_t needed = width <= 0 ? 0 : bits == 1 ? (static_cast<std::size_t>(width) + 7) / 8 : static_cast<std::size_t>(width);
    if (depth == 0 || lineBytes < needed || lineBytes == 0) {
        yyerror(27, routine);
        return false;
    }
    if (width <= 0 || height <= 0) return true;
    if (!fits(width, height, pixels.size())) return false;
    const Target t{pixels, static_cast<int>(width), static_cast<int>(height)};
    if (depth == 1) {
        table[0] = 0;
        table[1] = 0xFFFFFF;
    } else if (depth == 4) {
        for (std::size_t i = 0; i < 16; ++i) table[i] = rgb(f[16 + 3 * i], f[17 + 3 * i], f[18 + 3 * i]);
    } else if (depth == 8) {
        if (f.size() < 128 + 769 || f[f.size() - 769] != 0x0C) {
            yyerror(2, routine);
            return false;
        }
        for (std::size_t i = 0; i < 256; ++i) {
            const std::size_t p = f.size() - 768 + 3 * i;
            table[i] = rgb(f[p], f[p + 1], f[p + 2]);
        }
    }
    if (depth <= 4) std::fill(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(t.width) * t.height, 0);
    const std::size_t end = depth == 8 ? f.size() - 769 : f.size();
    const std::size_t rowBytes = lineBytes * static_cast<std::size_t>(planes);
    Bytes row(rowBytes);
    std::size_t at = 128;
    int repeat = 0;
    unsigned char value = 0;
    for (int r = 0; r < t.height; ++r) {
        // A run may go on past the end of one line into the next.
        for (std::size_t i = 0; i < rowBytes; ++i) {
            if (repeat == 0) {
                if (at >= end) return false;
                const unsigned char code = f[at++];
                if (code >= 0xC0) {
                    if (at >= end) return false;
                    repeat = code & 0x3F;
                    value = f[at++];
                    if (repeat == 0) {
                        --i;  // an empty run decodes nothing
                        continue;
                    }
                } else {
                    repeat = 1;
                    value = code;
                }
            }
            row[i] = value;
            --repeat;
        }
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
    if (!readWhole(name, file)) return;
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
