// raster_primitives.cpp - the software raster's writing primitives: pixels, runs, lines with
// thickness and dashes, fill spans, and the edge intersection of the polygon fills.
#include <algorithm>
#include <cstdint>

#include "base/gravim.hpp"
#include "hardcopy/software_raster.hpp"

namespace {

bool insideRaster(const RasterState& r, int x, int y) {
    return x >= 0 && y >= 0 && x <= r.RasterXMax && y <= r.RasterYMax && r.RasterTotalWords > 0 &&
           !r.IRBUFF.empty();
}

std::uint32_t& word(RasterState& r, std::int64_t index) {
    return reinterpret_cast<std::uint32_t&>(r.IRBUFF[static_cast<std::size_t>(index)]);
}

// Bit i (0..31) of a pattern word.
int bitOf(std::uint32_t pattern, int i) { return static_cast<int>((pattern >> i) & 1u); }

// Sets (on) or clears bits x1..x2 of a bit row that starts at word `base`.
void bitRun(RasterState& r, std::int64_t base, int x1, int x2, bool on) {
    int x = x1;
    while (x <= x2) {
        const int bit = x % 32;
        const int count = std::min(32 - bit, x2 - x + 1);
        const std::uint32_t mask = (count == 32 ? 0xFFFFFFFFu : ((1u << count) - 1u)) << bit;
        std::uint32_t& w = word(r, base + x / 32);
        w = on ? (w | mask) : (w & ~mask);
        x += count;
    }
}

// The dash pattern's next step: DashUnit steps per pattern bit.
void advanceDash(RasterState& r, int dashUnit) {
    if (++r.LinePatternStep > dashUnit) {
        r.LinePatternStep = 1;
        if (++r.LinePatternPosition >= r.LinePatternLength) r.LinePatternPosition = 0;
    }
}

bool dashOn(const RasterState& r) {
    return r.LinePatternPosition >= 0 && r.LinePatternPosition < 32 && ((r.LinePattern >> r.LinePatternPosition) & 1) != 0;
}

// The major-axis count of a Bresenham copy: from `start` to `end` inclusive in steps of `step`.
std::int64_t stepsBetween(std::int64_t start, std::int64_t end, int step) { return (end - start + step) / step; }

}  // namespace

void yyvra1(int value, int x, int y) {
    RasterState& r = gravim.raster;
    if (!insideRaster(r, x, y)) return;
    const std::int64_t row = std::int64_t{y} * r.RasterRowWords;
    switch (r.RasterLayout) {
    case 2:
        for (int p = 0; p <= r.RasterTopPlane; ++p) {
            std::uint32_t& w = word(r, std::int64_t{p} * r.RasterPlaneWords + row + x / 32);
            const std::uint32_t bit = 1u << (x % 32);
            w = ((value >> p) & 1) != 0 ? (w | bit) : (w & ~bit);
        }
        break;
    case 3: {
        const int k = x % 4;
        std::uint32_t& w = word(r, row + x / 4);
        w = (w & r.RasterByteMask[k]) | ((static_cast<std::uint32_t>(value) & 0xFFu) << (8 * k));
        break;
    }
    case 4: word(r, row + x) = static_cast<std::uint32_t>(value); break;
    default: {
        std::uint32_t& w = word(r, row + x / 32);
        const std::uint32_t bit = 1u << (x % 32);
        w = value != 0 ? (w | bit) : (w & ~bit);
        break;
    }
    }
}

void yyvra4(int value, int x1, int y, int x2) {
    RasterState& r = gravim.raster;
    if (y < 0 || y > r.RasterYMax || r.IRBUFF.empty()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, r.RasterXMax);
    if (x2 < x1) return;
    const std::int64_t row = std::int64_t{y} * r.RasterRowWords;
    switch (r.RasterLayout) {
    case 2:
        for (int p = 0; p <= r.RasterTopPlane; ++p)
            bitRun(r, std::int64_t{p} * r.RasterPlaneWords + row, x1, x2, ((value >> p) & 1) != 0);
        break;
    case 3:
        for (int x = x1; x <= x2; ++x) yyvra1(value, x, y);
        break;
    case 4: {
        const auto first = r.IRBUFF.begin() + static_cast<std::ptrdiff_t>(row + x1);
        std::fill(first, first + (x2 - x1 + 1), value);
        break;
    }
    default: bitRun(r, row, x1, x2, value != 0); break;
    }
}

void yyvra3(int x1, int y1, int x2, int y2, int continues) {
    RasterState& r = gravim.raster;
    const int xmin = std::min(x1, x2), xmax = std::max(x1, x2);
    const int ymin = std::min(y1, y2), ymax = std::max(y1, y2);
    const std::int64_t dx = std::int64_t{xmax} - xmin, dy = std::int64_t{ymax} - ymin;
    const int sx = x2 < x1 ? -1 : 1, sy = y2 < y1 ? -1 : 1;
    const bool solid = gravim.graphics.lineType == 0;

    if (dy == 0 && solid) {
        int first = xmin, last = xmax;
        if (continues != 0) {
            if (x1 == x2) return;
            if (x1 < x2) ++first; else --last;
        }
        const int top = std::min(y1 - r.LineHalfColumns + r.LineExtraColumns, r.RasterClipYMax);
        for (int row = std::max(y1 - r.LineHalfColumns, r.RasterClipYMin); row <= top; ++row)
            yyvra4(r.RasterColour, first, row, last);
        return;
    }
    if (dx == 0 && solid) {
        int first = ymin, last = ymax;
        if (continues != 0) {
            if (y1 < y2) ++first; else --last;
        }
        first = std::max(first, 0);
        last = std::min(last, r.RasterYMax);
        const int right = std::min(x1 - r.LineHalfRows + r.LineExtraRows, r.RasterClipXMax);
        for (int column = std::max(x1 - r.LineHalfRows, r.RasterClipXMin); column <= right; ++column)
            for (int row = first; row <= last; ++row) yyvra1(r.RasterColour, column, row);
        return;
    }

    const int savedPosition = r.LinePatternPosition, savedStep = r.LinePatternStep;
    if (dx < dy) {
        // Steep: LineExtraColumns + 1 copies side by side, all in the dash phase found on entry.
        const std::int64_t e1 = 2 * dx, e2 = 2 * (dx - dy);
        for (int k = 0; k <= r.LineExtraColumns; ++k) {
            std::int64_t cx = std::int64_t{x1} - r.LineHalfColumns + k, cy = y1, e = 2 * dx - dy;
            if (continues != 0) {
                cy = std::int64_t{y1} + sy;
                if (e < 0) e += e1; else { cx += sx; e += e2; }
            }
            r.LinePatternPosition = savedPosition;
            r.LinePatternStep = savedStep;
            const std::int64_t rows = stepsBetween(cy, y2, sy);
            for (std::int64_t i = 0; i < rows; ++i, cy += sy) {
                if (dashOn(r) && cx >= INT32_MIN && cx <= INT32_MAX && cy >= INT32_MIN && cy <= INT32_MAX)
                    yyvra1(r.RasterColour, static_cast<int>(cx), static_cast<int>(cy));
                if (e >= 0) {
                    cx = std::clamp<std::int64_t>(cx + sx, r.RasterClipXMin, std::max(r.RasterClipXMin, r.RasterClipXMax));
                    e += e2;
                } else {
                    e += e1;
                }
                advanceDash(r, r.DashUnitY);
            }
        }
        return;
    }
    // Shallow (dashed horizontal lines and single points included): LineExtraRows + 1 copies.
    const std::int64_t e1 = 2 * dy, e2 = 2 * (dy - dx);
    for (int k = 0; k <= r.LineExtraRows; ++k) {
        std::int64_t cx = x1, cy = std::int64_t{y1} - r.LineHalfRows + k, e = 2 * dy - dx;
        if (continues != 0) {
            cx = std::int64_t{x1} + sx;
            if (e < 0) e += e1; else { cy += sy; e += e2; }
        }
        r.LinePatternPosition = savedPosition;
        r.LinePatternStep = savedStep;
        const std::int64_t columns = stepsBetween(cx, x2, sx);
        for (std::int64_t i = 0; i < columns; ++i, cx += sx) {
            if (dashOn(r) && cx >= INT32_MIN && cx <= INT32_MAX && cy >= INT32_MIN && cy <= INT32_MAX)
                yyvra1(r.RasterColour, static_cast<int>(cx), static_cast<int>(cy));
            if (e >= 0) {
                cy = std::clamp<std::int64_t>(cy + sy, r.RasterClipYMin, std::max(r.RasterClipYMin, r.RasterClipYMax));
                e += e2;
            } else {
                e += e1;
            }
            advanceDash(r, r.DashUnitX);
        }
    }
}

void yyvra2(int xa, int xb, int y) {
    RasterState& r = gravim.raster;
    if (xb < xa || y < 0 || y > r.RasterYMax) return;
    xa = std::max(xa, 0);
    xb = std::min(xb, r.RasterXMax);
    const int cellRow = 8 * (y % 4);
    switch (r.RasterDepth) {
    case 1:
        for (int x = xa; x <= xb; ++x) {
            const int i = cellRow + x % 8;
            yyvra1(bitOf(i % 2 == 0 ? r.FillWordEven : r.FillWordOdd, i), x, y);
        }
        break;
    case 3:
        for (int x = xa; x <= xb; ++x) {
            const int i = cellRow + x % 8;
            const int c = (r.MixedFill == 1 && (x + y) % 2 != 0) ? 0 : 1;
            yyvra1(bitOf(r.DitherPattern[1][c], i) + 2 * bitOf(r.DitherPattern[2][c], i) + 4 * bitOf(r.DitherPattern[3][c], i), x, y);
        }
        break;
    default:
        if (r.MixedFill != 1) {
            yyvra4(r.RasterColour, xa, y, xb);
            break;
        }
        for (int x = xa; x <= xb; ++x) yyvra1((x + y) % 2 == 0 ? r.RasterPreviousColour : r.RasterColour, x, y);
        break;
    }
}

int yyxini(int x1, int y1, int x2, int y2, int y) {
    if (y2 == y1) return 32767;
    const std::int64_t base = y2 < y1 ? x2 : x1;
    const std::int64_t rise = std::int64_t{y} - (y2 < y1 ? y2 : y1);
    const std::int64_t run = std::int64_t{x2} - x1, fall = std::int64_t{y2} - y1;
    // Exact in 64 bits for every coordinate the raster can hold; far outside it a long double
    // keeps the product from overflowing.
    const bool small = rise > -(std::int64_t{1} << 31) && rise < (std::int64_t{1} << 31) &&
                       run > -(std::int64_t{1} << 31) && run < (std::int64_t{1} << 31);
    const long double x = small ? static_cast<long double>(base + rise * run / fall)
                                : base + static_cast<long double>(rise) * run / fall;
    return static_cast<int>(std::clamp<long double>(x, INT32_MIN, INT32_MAX));
}
