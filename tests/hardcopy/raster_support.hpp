// raster_support.hpp - a software raster made directly for the raster tests, and its pixels read
// back by the layout's own rules.
#pragma once

#include <cstdint>

#include "base/gravim.hpp"
#include "hardcopy/software_raster.hpp"

// A cleared width x height raster of the depth (1, 3, 4, 8 or 24), the clip rectangle the whole
// raster, one-pixel solid lines, drawing byte masks.
inline void makeRaster(int depth, int width, int height, float resolution = 72) {
    RasterState& r = gravim.raster;
    r.RasterDepth = depth;
    r.RasterPlanes = depth == 3 ? 3 : depth == 4 ? 4 : 1;
    r.RasterTopPlane = r.RasterPlanes - 1;
    const int perWord = depth == 8 ? 4 : depth == 24 ? 1 : 32;
    yyrastersize(width, height, perWord, r.RasterPlanes);
    r.RasterXMax = width - 1;
    r.RasterYMax = height - 1;
    r.RasterLayout = depth == 24 ? 4 : depth == 8 ? 3 : depth == 3 || depth == 4 ? 2 : 1;
    r.RasterUsedWords = r.RasterTotalWords;
    r.RasterClearValue = 0;
    r.RasterResolutionX = r.RasterResolutionY = resolution;
    r.RasterClipXMin = r.RasterClipYMin = 0;
    r.RasterClipXMax = width - 1;
    r.RasterClipYMax = height - 1;
    yyrasterbytemasks(false);
    r.LinePattern = 4095;
    r.LinePatternLength = 12;
    r.LinePatternPosition = 0;
    r.LinePatternStep = 1;
    r.DashUnitX = r.DashUnitY = 1;
    r.LineExtraRows = r.LineExtraColumns = r.LineHalfRows = r.LineHalfColumns = 0;
}

// The value of pixel (x, y) as the layout stores it.
inline int rasterPixel(int x, int y) {
    const RasterState& r = gravim.raster;
    const auto wordAt = [](std::int64_t i) { return static_cast<std::uint32_t>(gravim.raster.IRBUFF[static_cast<std::size_t>(i)]); };
    const std::int64_t row = std::int64_t{y} * r.RasterRowWords;
    switch (r.RasterLayout) {
    case 2: {
        int value = 0;
        for (int p = 0; p <= r.RasterTopPlane; ++p)
            value |= static_cast<int>((wordAt(std::int64_t{p} * r.RasterPlaneWords + row + x / 32) >> (x % 32)) & 1u) << p;
        return value;
    }
    case 3: return static_cast<int>((wordAt(row + x / 4) >> (8 * (x % 4))) & 255u);
    case 4: return static_cast<int>(wordAt(row + x));
    default: return static_cast<int>((wordAt(row + x / 32) >> (x % 32)) & 1u);
    }
}

// How many pixels of the raster differ from 0.
inline int inkedPixels() {
    const RasterState& r = gravim.raster;
    int count = 0;
    for (int y = 0; y < r.RasterHeight; ++y)
        for (int x = 0; x < r.RasterWidth; ++x) count += rasterPixel(x, y) != 0 ? 1 : 0;
    return count;
}
