// save_image.cpp - the files of a saved screen area, written from its device-independent copy.
#include "images/save_image.hpp"

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/files_internal.hpp"
#include "images/image_encoders.hpp"
#include "images/png_helpers.hpp"

namespace {

constexpr int headerBytes = 40;
constexpr int bitFields = 3;  // compression: three mask words follow the header

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}
unsigned le16(const unsigned char* p) { return p[0] | p[1] << 8; }

// The device-independent copy as the encoders read it.
struct Copy {
    int width, height, bits, compression;
    const unsigned char* table;
    int entries;  // colour-table entries actually present
    const unsigned char* pixels;
    std::int64_t stride;

    explicit Copy(const unsigned char* block) {
        width = static_cast<int>(le32(block + 4));
        height = static_cast<int>(le32(block + 8));
        bits = static_cast<int>(le16(block + 14));
        compression = static_cast<int>(le32(block + 16));
        table = block + headerBytes;
        entries = compression == bitFields ? 0 : yypalettesize(block) / 4;
        pixels = block + headerBytes + yydibtablebytes(block);
        stride = (std::int64_t{width} * bits + 31) / 32 * 4;
    }
    // Row y from the top.
    const unsigned char* row(int y) const { return pixels + stride * (height - 1 - y); }
    // Colour entry i as red, green, blue; 0 beyond the table.
    RasterColour colour(int i) const {
        if (i >= entries) return {0, 0, 0};
        const unsigned char* e = table + 4 * i;
        return {e[2], e[1], e[0]};
    }
    // Red, green and blue of pixel x of a row at 16, 24 or 32 bits.
    RasterColour rgb(const unsigned char* r, int x) const {
        if (bits == 16) {
            const unsigned l = r[2 * x], h = r[2 * x + 1];
            if (compression == bitFields)  // five-six-five
                return {static_cast<unsigned char>(h & 0xF8), static_cast<unsigned char>((h * 32) | (l / 32 * 4)),
                        static_cast<unsigned char>(l * 8)};
            return {static_cast<unsigned char>(h / 4 * 8), static_cast<unsigned char>((h * 64) | (l / 32 * 8)),
                    static_cast<unsigned char>(l * 8)};
        }
        const unsigned char* p = r + (bits == 32 ? 4 : 3) * x;
        return {p[2], p[1], p[0]};
    }
};

bool put(int handle, const void* bytes, std::int64_t count, int& status, int& syserror) {
    std::int64_t done = 0;
    int code = 0;
    yywriteall(handle, static_cast<const char*>(bytes), count, done, code);
    if (code == 0) return true;
    status = 2;
    syserror = code;
    return false;
}

}  // namespace

int yyencput(int value, int count, int handle) {
    unsigned char run[2];
    const int n = yypcxrun(value, count, run);
    int status = 0, syserror = 0;
    return put(handle, run, n, status, syserror) ? 0 : 2;
}

int yypalettesize(const void* header) {
    const unsigned char* const h = static_cast<const unsigned char*>(header);
    const bool core = le32(h) == 12;
    const int bits = static_cast<int>(le16(h + (core ? 10 : 14)));
    int entries = core ? 0 : static_cast<int>(le32(h + 32));
    if (entries == 0) entries = bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
    return (entries * (core ? 3 : 4)) & 0xFFFF;
}

int yydibtablebytes(const unsigned char* header) {
    return yypalettesize(header) + (le32(header + 16) == bitFields ? 12 : 0);
}

bool yysavebmpfile(int handle, const unsigned char* copy, int& status, int& syserror) {
    const std::int64_t table = yydibtablebytes(copy);
    std::int64_t image = le32(copy + 20);
    if (image == 0) image = Copy(copy).stride * Copy(copy).height;
    unsigned char header[bmpFileHeaderBytes];
    yybmpfileheader(header, static_cast<std::uint32_t>(table + image + 54), static_cast<std::uint32_t>(table + 54));
    return put(handle, header, sizeof header, status, syserror) &&
           put(handle, copy, headerBytes + table + image, status, syserror);
}

bool yysavepcxheader(int handle, int width, int height, int planes, int& status, int& syserror) {
    const int even = width + width % 2;
    unsigned char header[pcxHeaderBytes];
    yypcxheader(header, PcxLayout{5, 8, width, height, planes, even, 1, even, height}, nullptr);
    return put(handle, header, sizeof header, status, syserror);
}

bool yysavepcxrows(int handle, const unsigned char* block, int planes, int& status, int& syserror) {
    const Copy copy(block);
    const int w = copy.width;
    std::vector<unsigned char> line(static_cast<std::size_t>(3 * w) + 8), encoded(2 * line.size());
    for (int y = 0; y < copy.height; ++y) {
        const unsigned char* const r = copy.row(y);
        // Plane lines of the row, one after another in `line`.
        int lineBytes = w;
        switch (copy.bits) {
        case 1:
            lineBytes = (w + 7) / 8 * 8;
            for (int x = 0; x < lineBytes; ++x) line[static_cast<std::size_t>(x)] = (r[x / 8] >> (7 - x % 8)) & 1u;
            break;
        case 4:
            for (int x = 0; x < w; ++x) line[static_cast<std::size_t>(x)] = x % 2 == 0 ? r[x / 2] >> 4 : r[x / 2] & 0x0F;
            break;
        case 8: std::memcpy(line.data(), r, static_cast<std::size_t>(w)); break;
        default:
            for (int x = 0; x < w; ++x) {
                const RasterColour c = copy.rgb(r, x);
                line[static_cast<std::size_t>(x)] = c.red;
                line[static_cast<std::size_t>(w + x)] = c.green;
                line[static_cast<std::size_t>(2 * w + x)] = c.blue;
            }
            break;
        }
        const int lines = copy.bits <= 8 ? 1 : 3;
        for (int k = 0; k < lines; ++k) {
            const int n = yypcxline(line.data() + std::int64_t{k} * lineBytes, lineBytes, encoded.data());
            if (!put(handle, encoded.data(), n, status, syserror)) return false;
        }
    }
    if (planes != 1) return true;
    unsigned char table[769];
    table[0] = 0x0C;
    for (int i = 0; i < 256; ++i) {
        const RasterColour c = copy.colour(i);
        table[1 + 3 * i] = c.red;
        table[2 + 3 * i] = c.green;
        table[3 + 3 * i] = c.blue;
    }
    return put(handle, table, sizeof table, status, syserror);
}

bool yysavepngfile(int handle, const unsigned char* block, int width, int& status, int& syserror) {
    const Copy copy(block);
    if (copy.bits != 4 && copy.bits != 8 && copy.bits != 16 && copy.bits != 24 && copy.bits != 32) {
        status = 1072;  // a layout the file has no form for: the capture is made at 4 bits or more
        return false;
    }
    const bool palette = copy.bits == 4 || copy.bits == 8;
    unsigned char head[pngHeadBytes];
    yypnghead(head, width, copy.height, palette ? copy.bits : 8, palette ? 3 : 2);
    if (!put(handle, head, sizeof head, status, syserror)) return false;
    if (palette) {
        const int n = copy.bits == 4 ? 16 : 256;
        RasterColour colours[256];
        for (int i = 0; i < n; ++i) colours[i] = copy.colour(i);
        unsigned char chunk[780];
        if (!put(handle, chunk, yypngplte(chunk, colours, n), status, syserror)) return false;
    }
    const std::int64_t rowBytes = copy.bits == 4 ? copy.width / 2 : copy.bits == 8 ? width : 3 * std::int64_t{width};
    const std::int64_t raw = copy.height * (rowBytes + 1);
    const std::int64_t capacity = raw + raw / 1000 + 14;
    std::unique_ptr<unsigned char[]> rows = yyimagebuffer(raw + 1);
    const std::unique_ptr<unsigned char[]> chunk = yyimagebuffer(capacity + 12);
    if (!rows || !chunk) {
        status = 1044;
        syserror = -4;  // zlib's "insufficient memory"
        return false;
    }
    for (int y = 0; y < copy.height; ++y) {
        unsigned char* out = rows.get() + y * (rowBytes + 1);
        *out++ = 0;
        const unsigned char* const r = copy.row(y);
        if (palette) {
            std::memcpy(out, r, static_cast<std::size_t>(rowBytes));
            continue;
        }
        for (int x = 0; x < width; ++x, out += 3) {
            const RasterColour c = copy.rgb(r, x);
            out[0] = c.red;
            out[1] = c.green;
            out[2] = c.blue;
        }
    }
    // The chunk: length word, type, compressed data, CRC.
    int compressed = static_cast<int>(capacity), zstatus = 0;
    yyzcompr(rows.get(), chunk.get() + 8, static_cast<int>(raw), compressed, zstatus);
    rows.reset();
    if (zstatus != 0) {
        status = 1044;
        syserror = zstatus;
        return false;
    }
    std::memcpy(chunk.get() + 4, "IDAT", 4);
    yypngseal(chunk.get(), compressed);
    unsigned char end[pngEndBytes];
    yypngend(end);
    return put(handle, chunk.get(), compressed + 12, status, syserror) && put(handle, end, sizeof end, status, syserror);
}
