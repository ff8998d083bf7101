// grid_print_plan.cpp - the units, margins and page arithmetic of grid printing.
#include "grid/grid_print_plan.hpp"

#include <cstdint>

namespace {

constexpr double MillimetresPerInchUnit = 2.54065;

int truncated(std::int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}

}  // namespace

int yygridunitsperinch(int units) { return units == GridUnitsInches ? 1000 : 2540; }

int yygridconvertunits(int value, int fromUnits, int toUnits) {
    if (fromUnits == toUnits) return value;
    const double converted = toUnits == GridUnitsMillimetres ? value * MillimetresPerInchUnit : value * (1.0 / MillimetresPerInchUnit);
    return truncated(static_cast<std::int64_t>(converted));
}

int yygridunitstopixels(int value, int pixelsPerInch, int units) {
    return truncated(static_cast<std::int64_t>(value) * pixelsPerInch / yygridunitsperinch(units));
}

int yygridpixelstounits(int pixels, int pixelsPerInch, int units) {
    if (pixelsPerInch <= 0) return 0;
    return truncated(static_cast<std::int64_t>(pixels) * yygridunitsperinch(units) / pixelsPerInch);
}

int yygridprintscale(int screenPixels, int printerPixelsPerInch, int scale, int screenPixelsPerInch) {
    if (screenPixelsPerInch <= 0) return 0;
    return truncated(static_cast<std::int64_t>(screenPixels) * printerPixelsPerInch * scale / (static_cast<std::int64_t>(screenPixelsPerInch) * 100));
}

int yygridgetpagepoints(const GridPageGeometry& page, int code) {
    int value = 0;
    switch (code) {
    case 1: value = page.paperWidth - page.left - page.right; break;
    case 2: value = page.paperHeight - page.top - page.bottom; break;
    case 3: value = page.left; break;
    case 4: value = page.top; break;
    default: return 0;
    }
    return truncated(static_cast<std::int64_t>(value) * 72 / yygridunitsperinch(page.units));
}

void yygridsetpagepoints(GridPageGeometry& page, int code, int points) {
    const int value = truncated(static_cast<std::int64_t>(points) * yygridunitsperinch(page.units) / 72);
    switch (code) {
    case 1: page.right = page.paperWidth - page.left - value; break;
    case 2: page.bottom = page.paperHeight - page.top - value; break;
    case 3: page.left = value; break;
    case 4: page.top = value; break;
    default: break;
    }
}

int yygridrowsperpage(int areaTop, int areaBottom, int pitch, bool labelRow) {
    if (pitch <= 0) return 1;
    int n = (areaBottom - areaTop) / pitch;
    if (labelRow) --n;
    return n < 1 ? 1 : n;
}
