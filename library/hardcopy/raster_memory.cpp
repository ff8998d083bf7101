// raster_memory.cpp - the raster's geometry and memory, shared by the raster printer and the
// image-file drivers, and the one-byte layout's masks.
#include <algorithm>
#include <new>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/software_raster.hpp"

namespace {

// A 32-bit process has little more address space than this; a larger raster fails at once
// instead of exhausting memory.
std::int64_t rasterLimitBytes = std::int64_t{512} * 1024 * 1024;

}  // namespace

bool yyrastersize(int width, int height, int pixelsPerWord, int planes) {
    RasterState& r = gravim.raster;
    r.IRBUFF.clear();
    r.IRBUFF.shrink_to_fit();
    const std::int64_t rowWords = (std::int64_t{std::max(width, 0)} + pixelsPerWord - 1) / pixelsPerWord;
    const std::int64_t planeWords = rowWords * std::max(height, 0);
    const std::int64_t totalWords = planeWords * planes;
    const bool fits = (totalWords + 1) * 4 <= rasterLimitBytes;
    // Within the limit every count fits a 32-bit word; beyond it they are only kept saturated.
    r.RasterWidth = width;
    r.RasterHeight = height;
    r.RasterRowWords = static_cast<int>(std::min<std::int64_t>(rowWords, INT32_MAX));
    r.RasterPlaneWords = static_cast<int>(std::min<std::int64_t>(planeWords, INT32_MAX));
    r.RasterTotalWords = static_cast<int>(std::min<std::int64_t>(totalWords, INT32_MAX));
    if (!fits || width < 1 || height < 1) return false;
    try {
        r.IRBUFF.resize(static_cast<std::size_t>(totalWords + 1));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void yyrasterrelease() {
    std::vector<std::int32_t>().swap(gravim.raster.IRBUFF);
}

std::int64_t yysetrasterlimit(std::int64_t bytes) {
    const std::int64_t previous = rasterLimitBytes;
    rasterLimitBytes = bytes;
    return previous;
}

void yyrasteropen(bool (*allocate)()) {
    const bool opening = gravim.graphics.OperandValue > 0;
    if (opening && !allocate()) return;
    yyvras(OpOpen);
    if (opening && gravim.graphics.hardcopyActive != 0) yyvras(OpClear);
}

void yyrasterbytemasks(bool selecting) {
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t select = 0xFFu << (8 * k);
        gravim.raster.RasterByteMask[k] = selecting ? select : ~select;
    }
}
