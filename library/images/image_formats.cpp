// image_formats.cpp - the layouts of BMP, PCX and PNG files with their checks, PCX runs and the
// PNG chunk walk, shared by both image readers. Every field is read inside the bytes that exist.
#include "images/image_formats.hpp"

#include <algorithm>
#include <limits>
#include <new>
#include <span>
#include <stdexcept>

#include <zlib.h>

#include "base/files.hpp"
#include "images/png_helpers.hpp"

int yyreadimagefile(std::string_view name, ImageBytes& file) {
    constexpr int block = 40000;
    int handle = -1;
    IFileOpen(name, fileRead, handle);
    if (handle == -1) return 1;
    int status = 0;
    try {
        std::array<unsigned char, block> buffer;
        for (;;) {
            int done = 0;
            IFileReadChar(handle, std::span<unsigned char>(buffer), block, done);
            if (done < 0) {
                status = 2;
                break;
            }
            if (done == 0) break;
            file.insert(file.end(), buffer.begin(), buffer.begin() + done);
        }
    } catch (const std::bad_alloc&) {
        status = 2;
    } catch (const std::length_error&) {
        status = 2;
    }
    IFileClose(handle);
    return status;
}

unsigned yyimagele16(const ImageBytes& f, std::size_t at) {
    return at <= f.size() && f.size() - at >= 2 ? f[at] | f[at + 1] << 8 : 0u;
}
std::uint32_t yyimagele32(const ImageBytes& f, std::size_t at) {
    if (at > f.size() || f.size() - at < 4) return 0;
    return static_cast<std::uint32_t>(f[at]) | static_cast<std::uint32_t>(f[at + 1]) << 8 |
           static_cast<std::uint32_t>(f[at + 2]) << 16 | static_cast<std::uint32_t>(f[at + 3]) << 24;
}
std::uint32_t yyimagebe32(const ImageBytes& f, std::size_t at) {
    return at <= f.size() && f.size() - at >= 4 ? yypngc2i(f.data() + at) : 0u;
}

// ---- BMP ----

void yybitmapresourcesize(std::span<const unsigned char> resource, int& width, int& height) {
    width = height = 0;
    if (resource.size() < 12) return;
    const unsigned char* bytes = resource.data();
    const unsigned headerSize = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned>(bytes[3]) << 24;
    width = bytes[4] | bytes[5] << 8;
    height = headerSize == 12 ? (bytes[6] | bytes[7] << 8) : (bytes[8] | bytes[9] << 8);
}

BmpLayout yybmplayout(const ImageBytes& f, std::size_t at, bool fileHeader, int iconWidth, int iconHeight) {
    BmpLayout b;
    const std::uint32_t headerSize = yyimagele32(f, at);
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) {
        b.status = 27;
        return b;
    }
    if (at + headerSize > f.size()) {
        b.truncated = true;
        return b;
    }
    const long long fileWidth = static_cast<std::int32_t>(yyimagele32(f, at + 4));
    const long long fileHeight = static_cast<std::int32_t>(yyimagele32(f, at + 8));
    b.depth = static_cast<int>(yyimagele16(f, at + 14));
    b.compression = yyimagele32(f, at + 16);
    switch (b.depth) {
    case 1:
    case 24:
        if (b.compression != 0) b.status = 27;  // JPEG or PNG data, or codes of another depth
        break;
    case 4:
    case 8:
        b.runLengths = b.compression != 0;
        if (b.runLengths && b.compression != static_cast<std::uint32_t>(b.depth == 8 ? 1 : 2)) b.status = 27;
        break;
    case 16:
    case 32:
        b.bitFields = b.compression == 3 || b.compression == 6;
        if (b.compression != 0 && !b.bitFields) b.status = 27;
        break;
    default: b.status = 27; break;
    }
    if (b.status != 0) return b;
    long long width = fileWidth, height = fileHeight;
    if (!fileHeader) {
        width = iconWidth;
        height = iconHeight;
    } else if (fileHeight < 0) {
        // Top-down rows; run-length codes always go upward from the bottom row.
        b.topDown = !b.runLengths;
        height = -fileHeight;
    }
    b.empty = width <= 0 || height <= 0;
    if (b.empty) return b;
    // Rows whose bits pass an int, or more rows than an int counts (a height of -2^31 turns into
    // 2^31 rows), cannot be addressed: a picture too large, never one without pixels.
    if (width > std::numeric_limits<int>::max() / 32 || height > std::numeric_limits<int>::max()) {
        b.status = 1109;
        return b;
    }
    b.width = static_cast<int>(width);
    b.height = static_cast<int>(height);
    // Bit-field masks follow a 40-byte header and sit inside the longer ones: the same place.
    b.masks = {yyimagele32(f, at + 40), yyimagele32(f, at + 44), yyimagele32(f, at + 48)};
    if (b.bitFields && (b.masks[0] | b.masks[1] | b.masks[2]) == 0) {
        if (b.depth == 16) b.masks = {0x7C00, 0x03E0, 0x001F};
        else b.masks = {0xFF0000, 0xFF00, 0xFF};
    }
    std::size_t maskBytes = 0;
    if (headerSize == 40 && b.bitFields) maskBytes = b.compression == 3 ? 12 : 16;
    b.paletteAt = at + headerSize + maskBytes;
    if (b.depth <= 8) {
        const std::uint32_t used = yyimagele32(f, at + 32);
        b.entries = std::size_t{1} << b.depth;
        if (used > 0 && used < b.entries) b.entries = used;
    }
    b.pixelsAt = fileHeader ? yyimagele32(f, 10) : b.paletteAt + 4 * b.entries;
    b.stride = (static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.depth) + 31) / 32 * 4;
    return b;
}

void yybmpcolours(const ImageBytes& f, const BmpLayout& bmp, ImageColourTable& table) {
    for (std::size_t i = 0; i < bmp.entries && bmp.paletteAt + 4 * i + 4 <= f.size(); ++i) {
        const std::size_t p = bmp.paletteAt + 4 * i;
        table[i] = yyimagergb(f[p + 2], f[p + 1], f[p]);
    }
}

// ---- PCX ----

PcxLayout yypcxlayout(const ImageBytes& f) {
    PcxLayout p;
    if (f.size() < 128) {
        p.truncated = true;
        return p;
    }
    const int bits = f[3];
    p.planes = f[65];
    p.width = static_cast<int>(yyimagele16(f, 8)) - static_cast<int>(yyimagele16(f, 4)) + 1;
    p.height = static_cast<int>(yyimagele16(f, 10)) - static_cast<int>(yyimagele16(f, 6)) + 1;
    p.lineBytes = yyimagele16(f, 66);
    if (bits == 1 && p.planes == 1) p.depth = 1;
    else if (bits == 1 && p.planes == 4) p.depth = 4;
    else if (bits == 8 && p.planes == 1) p.depth = 8;
    else if (bits == 8 && p.planes == 3) p.depth = 24;
    const std::size_t needed = p.width <= 0 ? 0 : bits == 1 ? (static_cast<std::size_t>(p.width) + 7) / 8 : static_cast<std::size_t>(p.width);
    if (p.depth == 0 || p.lineBytes < needed || p.lineBytes == 0) p.status = 27;
    p.empty = p.width <= 0 || p.height <= 0;
    return p;
}

void yypcxcolours(const ImageBytes& f, const PcxLayout& pcx, ImageColourTable& table) {
    if (pcx.depth == 1) {
        // The header's first two colours; when they are the same (an all-zero colour area), a
        // clear bit is black and a set bit white.
        table[0] = yyimagergb(f[16], f[17], f[18]);
        table[1] = yyimagergb(f[19], f[20], f[21]);
        if (table[0] == table[1]) {
            table[0] = 0;
            table[1] = 0xFFFFFF;
        }
    } else if (pcx.depth == 4) {
        for (std::size_t i = 0; i < 16; ++i) table[i] = yyimagergb(f[16 + 3 * i], f[17 + 3 * i], f[18 + 3 * i]);
    } else if (pcx.depth == 8 && f.size() >= 128 + 768) {
        for (std::size_t i = 0; i < 256; ++i) {
            const std::size_t c = f.size() - 768 + 3 * i;
            table[i] = yyimagergb(f[c], f[c + 1], f[c + 2]);
        }
    }
}

bool PcxRuns::line(unsigned char* out, std::size_t n) {
    for (std::size_t i = 0; i < n;) {
        if (repeat_ == 0) {
            if (at_ >= end_) return false;
            const unsigned char code = f_[at_++];
            if (code >= 0xC0) {
                if (at_ >= end_) return false;
                repeat_ = code & 0x3F;
                value_ = f_[at_++];
                continue;  // an empty run decodes nothing
            }
            repeat_ = 1;
            value_ = code;
        }
        out[i++] = value_;
        --repeat_;
    }
    return true;
}

// ---- PNG ----

PngLayout yypnglayout(const ImageBytes& f, std::size_t start, std::size_t limit) {
    PngLayout p;
    const std::size_t ihdr = start + 8;
    if (f.size() < ihdr + 25 || yyimagebe32(f, ihdr) != 13 || yypngcmp(f.data() + ihdr + 4, "IHDR") == 0) {
        p.status = 27;
        return p;
    }
    const std::uint32_t width = yyimagebe32(f, ihdr + 8), height = yyimagebe32(f, ihdr + 12);
    p.depth = f[ihdr + 16];
    p.colourType = f[ihdr + 17];
    const bool depthOk = p.colourType == 3 ? (p.depth == 1 || p.depth == 2 || p.depth == 4 || p.depth == 8)
                                           : (p.colourType == 2 || p.colourType == 6) && (p.depth == 8 || p.depth == 16);
    if (width < 1 || height < 1 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu || !depthOk || f[ihdr + 18] != 0 ||
        f[ihdr + 19] != 0 || f[ihdr + 20] != 0) {
        p.status = 27;
        return p;
    }
    p.width = static_cast<int>(width);
    p.height = static_cast<int>(height);
    p.samples = p.colourType == 3 ? 1 : p.colourType == 2 ? 3 : 4;
    const unsigned long long bitsPerPixel = static_cast<unsigned long long>(p.samples) * static_cast<unsigned long long>(p.depth);
    p.bpp = static_cast<int>(std::max<unsigned long long>(1, bitsPerPixel / 8));
    const unsigned long long rowLength = (static_cast<unsigned long long>(width) * bitsPerPixel + 7) / 8 + 1;
    const unsigned long long total = rowLength * height;
    // Both buffers and every row count must stay inside an int for zlib and the filters.
    const unsigned long long most = std::min<unsigned long long>(limit, static_cast<unsigned long long>(std::numeric_limits<int>::max()) / 2);
    if (rowLength > most || total > most) {
        p.status = 1109;
        return p;
    }
    p.rowLength = static_cast<std::size_t>(rowLength);
    p.total = static_cast<std::size_t>(total);
    p.capacity = p.total + p.total / 1000 + 22;
    return p;
}

int yypngchunks(const ImageBytes& f, std::size_t start, const PngLayout& png, ImageColourTable& table, ImageBytes& gathered) {
    std::size_t at = start + 8 + 25;
    for (;;) {
        if (f.size() < at + 8) return -1;
        const std::size_t length = yyimagebe32(f, at);
        const unsigned char* type = f.data() + at + 4;
        at += 8;
        if (length > f.size() - at) return -1;
        if (yypngcmp(type, "IEND")) return 0;
        if (yypngcmp(type, "IDAT")) {
            if (gathered.size() + length > png.capacity) return 2;
            gathered.insert(gathered.end(), f.begin() + static_cast<std::ptrdiff_t>(at), f.begin() + static_cast<std::ptrdiff_t>(at + length));
        } else if (yypngcmp(type, "PLTE")) {
            for (std::size_t i = 0; i < std::min<std::size_t>(length / 3, 256); ++i)
                table[i] = yyimagergb(f[at + 3 * i], f[at + 3 * i + 1], f[at + 3 * i + 2]);
        }
        at += length;
        if (f.size() - at < 4) return -1;
        at += 4;  // CRC, not verified
    }
}

int yypngrows(const ImageBytes& gathered, const PngLayout& png, const std::function<void(int, const unsigned char*)>& take) {
    ImageBytes rows;
    try {
        rows.resize(2 * png.rowLength);
    } catch (const std::bad_alloc&) {
        return Z_MEM_ERROR;
    }
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return Z_MEM_ERROR;
    z.next_in = const_cast<Bytef*>(gathered.data());
    z.avail_in = static_cast<uInt>(gathered.size());
    int status = Z_OK;
    bool whole = true;  // every row produced so far
    const unsigned char* above = nullptr;
    for (int r = 0; r < png.height && whole; ++r) {
        unsigned char* row = rows.data() + static_cast<std::size_t>(r % 2) * png.rowLength;
        z.next_out = row;
        z.avail_out = static_cast<uInt>(png.rowLength);
        while (z.avail_out > 0 && status == Z_OK) status = inflate(&z, Z_NO_FLUSH);
        whole = z.avail_out == 0;
        if (!whole) break;
        yypngunfilterrow(row, above, static_cast<int>(png.rowLength), png.bpp);
        take(r, row + 1);
        above = row;
    }
    // Past the last row the data must end: more output is the whole-image buffer overflowing.
    unsigned char extra = 0;
    while (whole && status == Z_OK) {
        z.next_out = &extra;
        z.avail_out = 1;
        status = inflate(&z, Z_NO_FLUSH);
        if (z.avail_out == 0) status = Z_BUF_ERROR;
    }
    inflateEnd(&z);
    if (status == Z_STREAM_END) return Z_OK;
    if (status == Z_NEED_DICT) return Z_DATA_ERROR;
    if (status == Z_BUF_ERROR && !whole) return Z_DATA_ERROR;  // the data stop short of their end
    return status;
}
