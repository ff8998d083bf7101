// pcx_writer.cpp - the raster page as one PCX image: plane lines from the top row down, each
// run-length encoded on its own, and at depth 8 the 256-colour table at the end.
#include <algorithm>
#include <array>
#include <memory>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "images/image_encoders.hpp"
#include "images/image_writers.hpp"
#include "images/raster_reader.hpp"

namespace {

void writePage(int handle) {
    const RasterState& r = gravim.raster;
    const int depth = r.RasterDepth, width = r.RasterWidth, height = r.RasterHeight;
    const std::int64_t needed = depth == 1 || depth == 4 ? (std::int64_t{width} + 7) / 8 : width;
    const std::int64_t line = needed + needed % 2;
    // The raw line goes behind room for its encoded form.
    const std::int64_t bufferSize = std::max<std::int64_t>(769, 3 * line);
    const std::unique_ptr<unsigned char[]> buffer = yyimagebuffer(bufferSize);
    if (!buffer) {
        yyoutputfailed();
        return;
    }
    unsigned char* const b = buffer.get();

    std::array<RasterColour, 256> colours;
    const int n = yyrastercolours(colours);
    const int planes = depth == 4 ? 4 : depth == 24 ? 3 : 1;
    const PcxLayout layout{depth == 1 ? 3 : 5, depth == 1 || depth == 4 ? 1 : 8, width, height, planes,
                           static_cast<int>(line), 0, static_cast<int>(line), height};
    // The header's colour area: the 16 colours at depth 4; at depth 1 the two a one-bit plane
    // shows in (paper white for a clear bit, ink black for a set one), the rest zero.
    std::array<RasterColour, 16> headerColours{};
    if (depth <= 4) std::copy_n(colours.begin(), n, headerColours.begin());
    yypcxheader(b, layout, depth <= 4 ? headerColours.data() : nullptr);
    if (!yyimagewrite(handle, b, pcxHeaderBytes)) return;

    // The file's plane k holds colour-index bit k: raster planes 2, 1, 0, 3 at depth 4.
    static constexpr int fourPlaneOrder[4] = {2, 1, 0, 3};
    for (int y = height - 1; y >= 0; --y) {
        const std::int64_t rowbase = std::int64_t{y} * r.RasterRowWords;
        for (int k = 0; k < planes; ++k)
            yypcx2(handle, b, rowbase, depth == 4 ? fourPlaneOrder[k] : k, static_cast<int>(line) - 1);
        if (gravim.hardcopy.hardcopyOutputError != 0) return;
    }
    if (n == 256) {
        b[0] = 0x0C;
        for (int i = 0; i < 256; ++i) {
            const RasterColour c = colours[static_cast<std::size_t>(i)];
            b[1 + 3 * i] = c.red;
            b[2 + 3 * i] = c.green;
            b[3 + 3 * i] = c.blue;
        }
        yyimagewrite(handle, b, 769);
    }
}

}  // namespace

void yypcx1() {
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    writePage(handle);
}

void yypcx2(int handle, unsigned char* buffer, std::int64_t rowbase, int plane, int last) {
    const RasterState& r = gravim.raster;
    const int count = last + 1;
    unsigned char* const raw = buffer + 2 * std::int64_t{count};
    switch (r.RasterDepth) {
    case 4: yyrasterbits(std::int64_t{plane} * r.RasterPlaneWords + rowbase, count, raw); break;
    case 8: yyrasterindexes(rowbase, count, raw); break;
    case 24: yyrastercomponent(rowbase, count, plane, raw); break;
    default: yyrasterbits(rowbase, count, raw); break;
    }
    yyimagewrite(handle, buffer, yypcxline(raw, count, buffer));
}
