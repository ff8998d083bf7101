// bmp_writer.cpp - the raster page as one BMP image, rows bottom-up, RLE8 or RLE4 compressed at
// depths 8 and 4 when hardcopy option 26 is 2; and the size patch of a compressed file after it
// was closed.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <span>
#include <string>

#include "base/errors_internal.hpp"
#include "base/files.hpp"
#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "base/text.hpp"
#include "images/image_encoders.hpp"
#include "images/image_writers.hpp"
#include "images/raster_reader.hpp"

namespace {

constexpr int headerBytes = bmpFileHeaderBytes + bmpInfoHeaderBytes;

// Colour-table bytes of a depth: 8, 64, 1024, or none at depth 24.
int tableBytes(int depth) { return depth == 24 ? 0 : 4 << depth; }

// The row's bytes before alignment or compression.
std::int64_t rowBytes(int depth, int width) {
    switch (depth) {
    case 1: return (std::int64_t{width} + 7) / 8;
    case 4: return 4 * ((std::int64_t{width} + 7) / 8);
    case 8: return width;
    default: return 3 * std::int64_t{width};
    }
}

// A compressed row: groups of four bytes (four pixels in RLE8, eight in RLE4), each a run that a
// following equal group extends while its count is below the limit, or an absolute block of its
// own; then the end-of-line code. Returns the encoded length.
int encodeRow(const unsigned char* row, int count, int pixelsPerGroup, int limit, unsigned char* out) {
    int written = 0;
    int runCount = -1;  // offset of the count byte of the run the last group wrote, -1 none
    for (int g = 0; g < count; g += 4) {
        const unsigned char* const group = row + g;
        const bool uniform = group[1] == group[0] && group[2] == group[0] && group[3] == group[0];
        if (uniform && runCount >= 0 && out[runCount + 1] == group[0] && out[runCount] < limit) {
            out[runCount] = static_cast<unsigned char>(out[runCount] + pixelsPerGroup);
        } else if (uniform) {
            runCount = written;
            out[written++] = static_cast<unsigned char>(pixelsPerGroup);
            out[written++] = group[0];
        } else {
            runCount = -1;
            out[written++] = 0;
            out[written++] = static_cast<unsigned char>(pixelsPerGroup);
            std::memcpy(out + written, group, 4);
            written += 4;
        }
    }
    out[written++] = 0;
    out[written++] = 0;
    return written;
}

void writePage(int handle) {
    const RasterState& r = gravim.raster;
    const int depth = r.RasterDepth, width = r.RasterWidth, height = r.RasterHeight;
    const bool compressed = gravim.hardcopy.HardcopyOptions[26] == 2 && (depth == 4 || depth == 8);
    const int table = tableBytes(depth);
    // Bytes read from the raster per row: a compressed 8-bit row reads whole groups of four.
    const std::int64_t row = rowBytes(depth, width);
    const std::int64_t read = compressed && depth == 8 ? 4 * ((std::int64_t{width} + 3) / 4) : row;
    const std::int64_t aligned = (row + 3) / 4 * 4;
    const std::int64_t encoded = read / 4 * 6 + 2;
    const std::int64_t fileSize = headerBytes + table + std::int64_t{height} * aligned;
    const std::int64_t bufferSize = std::max({std::int64_t{headerBytes + 1024}, aligned, read + encoded});
    const std::unique_ptr<unsigned char[]> buffer = yyimagebuffer(bufferSize);
    if (!buffer) {
        yyoutputfailed();
        return;
    }
    unsigned char* const b = buffer.get();

    yybmpfileheader(b, static_cast<std::uint32_t>(fileSize), static_cast<std::uint32_t>(headerBytes + table));
    yybmpinfoheader(b + bmpFileHeaderBytes, width, height, depth, compressed ? (depth == 8 ? 1 : 2) : 0, 0);
    if (!yyimagewrite(handle, b, headerBytes)) return;

    if (table > 0) {
        std::array<RasterColour, 256> colours;
        const int n = yyrastercolours(colours);
        for (int i = 0; i < n; ++i) {
            unsigned char* const entry = b + 4 * i;
            const RasterColour c = colours[static_cast<std::size_t>(i)];
            entry[0] = c.blue;
            entry[1] = c.green;
            entry[2] = c.red;
            entry[3] = 0;
        }
        if (!yyimagewrite(handle, b, table)) return;
    }

    for (int y = 0; y < height; ++y) {
        const int count = static_cast<int>(read);
        const std::int64_t first = std::int64_t{y} * r.RasterRowWords;
        switch (depth) {
        case 1: yyrasterbits(first, count, b); break;
        case 4: yyrasternibbles(first, count, b); break;
        case 8: yyrasterindexes(first, count, b); break;
        default: yyrasterpixels(first, width, true, b); break;
        }
        bool written = false;
        if (compressed) {
            unsigned char* const out = b + read;
            written = yyimagewrite(handle, out, encodeRow(b, count, depth == 8 ? 4 : 8, depth == 8 ? 251 : 247, out));
        } else {
            std::fill(b + row, b + aligned, 0);
            written = yyimagewrite(handle, b, static_cast<int>(aligned));
        }
        if (!written) return;
    }
    if (compressed) {
        static constexpr unsigned char endOfBitmap[2] = {0, 1};
        yyimagewrite(handle, endOfBitmap, 2);
    }
}

// Writes a 32-bit little-endian field at offset; error 2 under "YYBMP2" when not all 4 bytes
// are written (a failed seek is reported by the seek).
void patchField(int handle, int offset, std::uint32_t value) {
    int position = offset;
    IFileSeek(handle, position, seekStart);
    if (position != offset) return;
    unsigned char bytes[4];
    yyputle32(bytes, value);
    int done = 0;
    IFileWriteChar(handle, std::span<const unsigned char>(bytes), 4, done);
    if (done != 4) yyerror(2, "YYBMP2");
}

}  // namespace

void yybmp1() {
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    writePage(handle);
}

void yybmp2(std::string_view name, int length) {
    const std::size_t used = std::min(name.size(), static_cast<std::size_t>(std::max(length, 0)));
    int handle = -1;
    IFileOpen(trimRight(name.substr(0, used)), fileReadWrite, handle);
    if (handle == -1) return;
    int fileLength = 0;
    IFileSeek(handle, fileLength, seekEnd);
    if (fileLength >= 0) {
        const auto total = static_cast<std::uint32_t>(fileLength);
        patchField(handle, 2, total);
        patchField(handle, 34, total - headerBytes - static_cast<std::uint32_t>(tableBytes(gravim.raster.RasterDepth)));
    }
    IFileClose(handle);
}
