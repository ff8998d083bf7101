// png_writer.cpp - the raster page as one PNG image: the rows filtered with None and compressed a
// band at a time into one zlib stream, written as a single IDAT chunk.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "base/files.hpp"
#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "images/image_encoders.hpp"
#include "images/image_writers.hpp"
#include "images/png_helpers.hpp"
#include "images/raster_reader.hpp"

namespace {

// The bytes of one raw row after its filter byte.
std::int64_t rowBytes(int depth, int width) {
    switch (depth) {
    case 1: return (std::int64_t{width} + 7) / 8;
    case 4: return (std::int64_t{width} + 1) / 2;
    case 8: return width;
    default: return 3 * std::int64_t{width};
    }
}

// One top-down raw row: filter None, then the row's bytes.
void rawRow(int depth, int row, int count, unsigned char* out) {
    *out++ = 0;
    const std::int64_t first = std::int64_t{row} * gravim.raster.RasterRowWords;
    switch (depth) {
    case 1: yyrasterbits(first, count, out); break;
    case 4: yyrasternibbles(first, count, out); break;
    case 8: yyrasterindexes(first, count, out); break;
    default: yyrasterpixels(first, count / 3, false, out); break;
    }
}

bool write(int handle, const unsigned char* bytes, int count) {
    int done = 0;
    IFileWriteChar(handle, std::span<const unsigned char>(bytes, static_cast<std::size_t>(count)), count, done);
    return done == count;
}

// The raw rows (filter byte and data) made and compressed at a time: enough for zlib to work on
// without a call per row, few enough to stay in the cache until it has read them.
constexpr std::int64_t bandBytes = 128 * 1024;

// The page's file after the signature, IHDR and PLTE; false at the first failure.
bool writeImage(int handle, unsigned char* fixed) {
    const RasterState& r = gravim.raster;
    const int depth = r.RasterDepth;
    const std::int64_t row = rowBytes(depth, r.RasterWidth);
    const std::int64_t raw64 = (row + 1) * r.RasterHeight;
    const std::int64_t capacity64 = raw64 + raw64 / 1000 + 14;
    // The chunk: length word, type, the compressed data, the CRC. Only the pages the compressed
    // data reaches are ever touched.
    const std::unique_ptr<unsigned char[]> chunk = yyimagebuffer(capacity64 + 12);
    if (!chunk || capacity64 > INT32_MAX) return false;
    const std::int64_t bandRows = std::clamp<std::int64_t>(bandBytes / (row + 1), 1, r.RasterHeight);
    const std::unique_ptr<unsigned char[]> band = yyimagebuffer((row + 1) * bandRows);
    if (!band) return false;
    int compressed = 0;
    {
        PieceCompression compression(chunk.get() + 8, static_cast<int>(capacity64));
        for (int y = 0; y < r.RasterHeight;) {
            const int rows = static_cast<int>(std::min<std::int64_t>(bandRows, r.RasterHeight - y));
            for (int k = 0; k < rows; ++k, ++y)
                rawRow(depth, r.RasterHeight - 1 - y, static_cast<int>(row), band.get() + (row + 1) * k);
            compression.add(band.get(), static_cast<int>((row + 1) * rows));
        }
        compressed = compression.finish();
    }
    if (compressed == 0) return false;
    std::memcpy(chunk.get() + 4, "IDAT", 4);
    yypngseal(chunk.get(), compressed);
    if (!write(handle, chunk.get(), 4) || !write(handle, chunk.get() + 4, compressed + 8)) return false;
    yypngend(fixed);
    return write(handle, fixed, pngEndBytes);
}

}  // namespace

void yypng1() {
    const RasterState& r = gravim.raster;
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    // Signature and IHDR, the PLTE chunk, the IDAT length word and IEND.
    std::array<unsigned char, 780> fixed{};
    const int depth = r.RasterDepth;
    yypnghead(fixed.data(), r.RasterWidth, r.RasterHeight, depth == 24 ? 8 : depth, depth == 24 ? 2 : 3);
    bool written = write(handle, fixed.data(), pngHeadBytes);
    if (written && depth != 24) {
        std::array<RasterColour, 256> colours;
        const int n = yyrastercolours(colours);
        written = write(handle, fixed.data(), yypngplte(fixed.data(), colours.data(), n));
    }
    if (written) written = writeImage(handle, fixed.data());
    if (!written) yyoutputfailed();
}
