// hardcopy_fill.cpp - filled ellipses, sectors and polygons on hardcopy drivers that ask the
// core for their interior as lines (the software raster one row apart, plotters as hatching).
#include "graphics/hardcopy_fill.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"

namespace {

constexpr int maximumSpans = 100000;  // a spacing far below a pixel must not run for ever

// The x where each edge crosses the row y (an edge counts its lower end, not its upper one).
void crossings(const FillOutline& outline, float y, std::vector<float>& xs) {
    xs.clear();
    const std::size_t n = std::min(outline.x.size(), outline.y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const float y1 = outline.y[i], y2 = outline.y[j];
        if ((y1 <= y && y < y2) || (y2 <= y && y < y1))
            xs.push_back(outline.x[i] + (y - y1) * (outline.x[j] - outline.x[i]) / (y2 - y1));
    }
    std::sort(xs.begin(), xs.end());
}

void sendSpans(const FillOutline& outline, float spacing) {
    GraphicsState& g = gravim.graphics;
    if (outline.y.empty()) return;
    const auto [low, high] = std::minmax_element(outline.y.begin(), outline.y.end());
    const float top = std::min(*high, g.clipY2);
    std::vector<float> xs;
    int spans = 0;
    for (float y = std::max(*low, g.clipY1); y <= top && spans < maximumSpans; y += spacing, ++spans) {
        crossings(outline, y, xs);
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
            const float x1 = std::max(xs[k], g.clipX1), x2 = std::min(xs[k + 1], g.clipX2);
            if (x1 > x2) continue;
            g.OperandX[1] = x1;
            g.OperandY[1] = y;
            g.OperandX[2] = x2;
            g.OperandY[2] = y;
            yyhdrv(OpLine);
        }
    }
}

}  // namespace

FillOutline yyellipseoutline(float cx, float cy, float rx, float ry, float startDegrees,
                             float sweepDegrees, bool sector) {
    FillOutline outline;
    const bool whole = std::fabs(sweepDegrees) >= 360.0f;
    const float sweep = whole ? 360.0f : sweepDegrees;
    const int steps = std::max(8, static_cast<int>(std::fabs(sweep) / 2.0f));
    for (int i = 0; i <= steps; ++i) {
        if (whole && i == steps) break;
        const double angle = (startDegrees + sweep * static_cast<float>(i) / static_cast<float>(steps)) *
                             3.14159265358979323846 / 180.0;
        outline.x.push_back(cx + rx * static_cast<float>(std::cos(angle)));
        outline.y.push_back(cy + ry * static_cast<float>(std::sin(angle)));
    }
    if (sector && !whole) {
        outline.x.push_back(cx);
        outline.y.push_back(cy);
    }
    return outline;
}

void yyhardcopyfill(int patternOpcode, const FillOutline& outline) {
    GraphicsState& g = gravim.graphics;
    if (g.hardcopyActive <= 0) return;
    g.OperandValue = 1;
    yyhdrv(patternOpcode);
    const int mode = g.fillPass[2];
    if ((mode == 1 || mode == 2) && g.FillLineSpacing > 0) {
        float savedX[5], savedY[5];
        std::copy(std::begin(g.OperandX), std::end(g.OperandX), savedX);
        std::copy(std::begin(g.OperandY), std::end(g.OperandY), savedY);
        sendSpans(outline, g.FillLineSpacing);
        std::copy(std::begin(savedX), std::end(savedX), g.OperandX);
        std::copy(std::begin(savedY), std::end(savedY), g.OperandY);
    }
    g.fillPass[2] = 0;
    g.OperandValue = -1;
    yyhdrv(patternOpcode);
}
