// presentation.cpp - the presentation-graphics plot definition: plot area, axis ranges, log
// axes and the plot's type, counts, options and per-set styles and colours.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <new>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/presentation.hpp"
#include "graphics/presentation_internal.hpp"

namespace {

constexpr float Pi = 3.14159265f;
constexpr int Keep = -1000000;  // a style word left as it is

PresentationGraphics& pg() { return gravim.graphics.pg; }

bool rgbModel() { return gravim.graphics.colourModel == 2; }

// Grows a work array to `count` entries; one that cannot be had keeps the old array.
void growWork(std::vector<int>& work, std::size_t count) {
    if (work.size() >= count) return;
    try {
        std::vector<int> grown(count);
        work.swap(grown);
    } catch (const std::bad_alloc&) {
    }
}

int bit(int options, int value) { return (options & value) != 0 ? 1 : 0; }

// The value axis's label step for this many values: 1, 2, 5 times a power of ten.
int labelStep(int values) {
    if (values <= 12) return 1;
    int v = values;  // divided as an integer: 150 gives 1 after two divisions
    int k = 0;
    while (v > 10) {
        v /= 10;
        ++k;
    }
    int power = 1;
    for (int i = 1; i < k; ++i) power *= 10;
    if (v < 3) return 2 * power;
    if (v < 7) return 5 * power;
    return 10 * power;
}

void setStyle(int n, int s1, int s2 = Keep, int s3 = Keep) {
    int* style = pg().setStyle[n];
    if (s1 != Keep) style[0] = s1;
    if (s2 != Keep) style[1] = s2;
    if (s3 != Keep) style[2] = s3;
}

void setStyles(int kind, int count) {
    PresentationGraphics& p = pg();
    for (int n = 1; n <= count; ++n) {
        switch (kind) {
        case 1: setStyle(n, 4); break;
        case 2:
            setStyle(n, -((n - 1) % 7), 1, 0);
            p.setWord[n] = n;
            break;
        case 3:
            if (n > 2) break;
            setStyle(n, 4);
            p.setColour[n][0] = n == 1 ? (rgbModel() ? 255 : 31) : (rgbModel() ? 65535 : 63);
            break;
        case 4: setStyle(n, -((n - 1) % 7), 0, 0); break;
        case 5: {
            const int k = (n - 1) % 92;
            setStyle(n, k < 40 ? k + 1 : k - 39, k < 40 ? 3 : 2);
            p.setWord[n] = -1;
            break;
        }
        case 6:
            setStyle(n, 3, 3, 1);
            p.setWord[n] = (n % 14) + 13;
            break;
        case 7:
            setStyle(n, 0, 2);
            p.setColour[n][0] = rgbModel() ? 0 : 223;
            break;
        case 8: setStyle(n, 0, 5); break;
        default: setStyle(n, 4, 0); break;
        }
    }
}

void setColours(int count) {
    PresentationGraphics& p = pg();
    int c = 0;
    for (int n = 1; n <= count; ++n) {
        if (rgbModel()) {
            const int t = ((256 - n) / 32) - 32 * (n % 4) + 223;
            const int b = (32 * (n % 5) + 127) * 65536, g = (16 * (n % 9) + 127) * 256;
            p.setColour[n][0] = g + t + b;
            p.setColour[n][1] = g + (255 - t) + b;
        } else {
            p.setColour[n][0] = c + 32;
            p.setColour[n][1] = c + 64;
            c = ((n % 4) + c + 36) % 176;
        }
    }
}

// Style kind of a 3-D plot of types 5 and 8 (and the count of sets it styles).
int threeDKind(int& count) {
    PresentationGraphics& p = pg();
    p.plotWord[0] = -3, p.plotWord[1] = 3;
    if (p.pgFillMode == 3) {
        p.plotReal[3] = 0.6f;
        return 3;
    }
    p.plotReal[3] = 0.7f;
    if (p.pgOpt20 == 0) count = 2;
    return 1;
}

void setView() {
    PresentationGraphics& p = pg();
    if (p.pgOpt1 == 0 || p.pgPlotType < 5) {
        p.viewDegrees[0] = p.viewDegrees[1] = 0;
        p.viewRadians[0] = p.viewRadians[1] = 0;
        p.plotReal[0] = 0.7f, p.plotReal[1] = 0.8f;
        return;
    }
    p.viewDegrees[0] = -45, p.viewDegrees[1] = 45, p.viewDegrees[2] = 0;
    p.viewRadians[0] = -Pi / 4, p.viewRadians[1] = Pi / 4, p.viewRadians[2] = 0;
    p.viewRatio = 0.5f;
    p.viewOffset = 0;
    p.viewCos[0] = std::cos(-Pi / 4), p.viewCos[1] = std::cos(Pi / 4);
    p.plotReal[0] = p.plotReal[1] = 0.6f;
    const int type = p.pgPlotType;
    if (type == 5 || type == 8 || type == 10) {
        p.wallCount = 4;
        for (int& colour : p.wallColour) colour = rgbModel() ? 8618883 : 255;
    } else {
        p.wallCount = 0;
    }
}

}  // namespace

void IPgArea(float x1, float y1, float x2, float y2) {
    PresentationGraphics& p = pg();
    if (x1 >= 0 && x1 < 1) p.pgAreaX1 = x1;
    if (x2 > 0 && x2 <= 1) p.pgAreaX2 = x2;
    if (y1 >= 0 && y1 < 1) p.pgAreaY1 = y1;
    if (y2 > 0 && y2 <= 1) p.pgAreaY2 = y2;
}

void IPgUnits(float x1, float y1, float x2, float y2) {
    PresentationGraphics& p = pg();
    if (x1 != x2) {
        p.pgUnitsX1 = x1, p.pgUnitsX2 = x2;
    } else {
        p.pgUnitsX1 = 0, p.pgUnitsX2 = 1;
        yyerror(16, "IPgUnits");
    }
    if (y1 != y2) {
        p.pgUnitsY1 = y1, p.pgUnitsY2 = y2;
    } else {
        p.pgUnitsY1 = 0, p.pgUnitsY2 = 1;
        yyerror(16, "IPgUnits");
    }
    p.pgUnitsWidth = p.pgUnitsX2 - p.pgUnitsX1;
    p.pgUnitsHeight = p.pgUnitsY2 - p.pgUnitsY1;
    p.pgXMin = std::min(p.pgUnitsX1, p.pgUnitsX2), p.pgXMax = std::max(p.pgUnitsX1, p.pgUnitsX2);
    p.pgYMin = std::min(p.pgUnitsY1, p.pgUnitsY2), p.pgYMax = std::max(p.pgUnitsY1, p.pgUnitsY2);
    yyplog();
}

void IPgUnitsZ(float z1, float z2) {
    PresentationGraphics& p = pg();
    if (z1 < z2) {
        p.pgUnitsZ1 = z1, p.pgUnitsZ2 = z2;
    } else {
        p.pgUnitsZ1 = 0, p.pgUnitsZ2 = 1;
        yyerror(16, "IPgUnitsZ");
    }
    p.pgUnitsDepth = p.pgUnitsZ2 - p.pgUnitsZ1;
}

void IPgUnitsPolar(float radius) {
    PresentationGraphics& p = pg();
    if (radius > 0) {
        p.pgPolarRadius = radius;
    } else {
        p.pgPolarRadius = 1;
        yyerror(16, "IPgUnitsPolar");
    }
    yyplog();
}

void IPgScaling(std::string_view xscale, std::string_view yscale) {
    const auto isLog = [](std::string_view scale) {
        if (scale.size() < 3) return false;
        for (int i = 0; i < 3; ++i)
            if (std::toupper(static_cast<unsigned char>(scale[i])) != "LOG"[i]) return false;
        return true;
    };
    pg().logXRequest = isLog(xscale) ? 1 : 0;
    pg().logYRequest = isLog(yscale) ? 1 : 0;
    yyplog();
}

float yylog1(float x) { return x == 0 ? -38.0f : std::log10(std::fabs(x)); }

void yyplog() {
    PresentationGraphics& p = pg();
    p.pgLogX = p.logXRequest == 1 && p.pgPlotType != 1 && p.pgOpt1 == 0 && p.pgOpt40 == 0 ? 1 : 0;
    p.pgLogY = p.logYRequest == 1 && p.pgPlotType != 2 && p.pgOpt1 == 0 ? 1 : 0;
    if (p.pgLogX == 1) {
        p.pgLogX1 = yylog1(p.pgUnitsX1), p.pgLogX2 = yylog1(p.pgUnitsX2);
        p.pgLogXSpan = p.pgLogX2 - p.pgLogX1;
    }
    if (p.pgLogY == 1) {
        p.pgLogY1 = yylog1(p.pgUnitsY1), p.pgLogY2 = yylog1(p.pgUnitsY2);
        p.pgLogYSpan = p.pgLogY2 - p.pgLogY1;
        p.pgLogRadius = yylog1(p.pgPolarRadius);
        p.pgLogRadiusSpan = p.pgLogRadius + 38;
    }
}

void IPgNewPlot(int type, int sets, std::span<const int> values, int options, int styles) {
    PresentationGraphics& p = pg();
    const auto value = [&](std::size_t i) { return i < values.size() ? values[i] : 0; };
    p.pgSets = std::clamp(sets, 1, 500);
    const int first = value(0);
    p.pgValues1 = std::max(first, 1);
    p.pgValues1Real = static_cast<float>(p.pgValues1);
    p.pgValues1Less = p.pgValues1Real - 1;
    p.pgPlotType = type >= 1 && type <= 11 ? type : 4;
    type = p.pgPlotType;

    const std::size_t setCount = static_cast<std::size_t>(p.pgSets);
    if (type == 3) growWork(p.work3, 4 * setCount);
    if (type == 4 || type == 6) {
        growWork(p.work4a, setCount);
        growWork(p.work4b, setCount);
    }

    p.pgOptions = options;
    p.pgOpt1 = bit(options, 0x1);
    p.pgThreeD = p.pgOpt1 == 1 && (type == 5 || type == 6 || type == 7 || type == 8 || type == 10) ? 1 : 0;
    if (type > 2 && p.pgThreeD == 0) p.pgOpt1 = 0;
    p.pgOpt2 = bit(options, 0x2), p.pgOpt8 = bit(options, 0x8), p.pgOpt20 = bit(options, 0x20);
    p.pgOpt40 = bit(options, 0x40), p.pgOpt80 = bit(options, 0x80), p.pgOpt200 = bit(options, 0x200);
    p.pgOpt400 = bit(options, 0x400), p.pgOpt800 = bit(options, 0x800);
    p.pgFillMode = bit(options, 0x4) ? 1 : bit(options, 0x100) ? 2 : bit(options, 0x10) ? 3 : 0;
    if (type == 1 && p.pgOpt20 == 1) p.pgOpt1 = p.pgOpt400 = 0;
    if (p.pgOpt1 == 1) p.pgOpt40 = 0;

    if (type == 8 || type == 10 || p.pgThreeD == 1) {
        p.pgValues1 = std::max(first, 2);
        p.pgValues2 = type == 6 || type == 7 ? p.pgValues1 : std::max(value(1), 2);
        if (type == 10) p.pgValues3 = std::max(value(2), 2);
        p.pgValues2Real = static_cast<float>(p.pgValues2);
        p.pgValues2Less = p.pgValues2Real - 1;
        if (p.pgOpt1 == 1) {
            if (p.pgOpt200 == 0) {
                p.depthRatio = 0.5f;
            } else if (p.pgValues2 < p.pgValues1) {
                p.depthRatio = 1 - 0.5f * p.pgValues2Real / p.pgValues1Real;
            } else {
                p.depthRatio = 0.5f * p.pgValues1Real / p.pgValues2Real;
            }
        }
    }
    p.pgCellWidth = std::min(0.6f / p.pgValues1Real, 0.25f);
    yyplog();
    if (styles == 0) return;

    int count = p.pgSets, kind = 1;
    switch (type) {
    case 1:
    case 2:
    case 3:
        kind = 1;
        p.plotColour[0] = 223, p.plotColour[1] = 0;
        break;
    case 4:
        kind = 2;
        p.pgLabelStep = p.pgLabelStep2 = labelStep(p.pgValues1);
        break;
    case 5: kind = p.pgOpt1 == 1 ? threeDKind(count) : 2; break;
    case 6: kind = 4; break;
    case 7: kind = p.pgOpt1 == 1 ? 6 : 5; break;
    case 8:
        if (p.pgOpt1 == 1) {
            kind = threeDKind(count);
        } else {
            const int gap = std::max(150 / std::max(p.pgValues1, p.pgValues2), 1);
            if (p.pgFillMode == 3) {
                kind = 3;
                p.pgBarGap = gap;
            } else if (p.pgOpt8 == 0) {
                kind = 8;
            } else {
                kind = 1;
                if (p.pgFillMode == 0) p.pgBarGap = gap;
            }
        }
        break;
    case 9: kind = 7; break;
    case 10:
        kind = 1;
        p.plotWord[0] = -3;
        break;
    default: kind = 9; break;
    }
    setStyles(kind, count);
    if (kind != 3 && kind != 7) setColours(count);
    setView();
    p.plotReal[2] = type == 9 ? 0.75f : p.pgOpt40 == 0 ? 0.5f : 0.65f;
}

void IPgNewPlot(int type, int sets, int values, int options, int styles) {
    const int list[1] = {values};
    IPgNewPlot(type, sets, std::span<const int>(list), options, styles);
}

void IPgNewPlot1(int type, int sets, std::span<const int> values, int options, int styles) {
    IPgNewPlot(type, sets, values, options, styles);
}

void IPgNewPlot2(int type, int sets, std::span<const int> values, int options, int styles) {
    IPgNewPlot(type, sets, values, options, styles);
}

void yypgdefaults() {
    PresentationGraphics& p = pg();
    IPgArea(0.1f, 0.1f, 0.9f, 0.9f);
    p.pgUnitsZ1 = 0, p.pgUnitsZ2 = 1, p.pgUnitsDepth = 1;
    p.pgPolarRadius = 1;
    IPgUnits(0, 0, 1, 1);
    IPgNewPlot(4, 500, 1, 0, 0);
    p.viewCos[0] = std::cos(-Pi / 4), p.viewCos[1] = std::cos(Pi / 4);
    p.plotWord[0] = -3, p.plotWord[1] = 3;
    p.viewRatio = 0.5f, p.viewOffset = 0;
    p.pgBarGap = 1;
    p.plotReal[0] = 0.7f, p.plotReal[1] = 0.8f, p.plotReal[2] = 0.5f, p.plotReal[3] = 1.5f;
    for (int n = 1; n <= 500; ++n) {
        p.setStyle[n][0] = 4, p.setStyle[n][1] = 2, p.setStyle[n][2] = 0;
        p.setColour[n][0] = ((n % 6) + 1) * 32;
        p.setColour[n][1] = ((n % 6) + 2) * 32;
        p.setWord[n] = -1;
    }
    for (int i = 0; i < 3; ++i) p.viewDegrees[i] = p.viewRadians[i] = 0;
    p.wallCount = 0;
    p.plotColour[0] = 223, p.plotColour[1] = 0;
    p.pgLabelStep = p.pgLabelStep2 = 1;
}
