// rectangles.cpp - rectangles in the current fill style: filled by the device, or built from
// lines (outline, hatching, line fills), in one pass for the screen and one for hardcopy.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

// 2^k for 0 <= k <= 31, else 0; wide enough that 10 times it cannot overflow.
std::int64_t power(int k) { return k >= 0 && k <= 31 ? std::int64_t{1} << k : 0; }

// The grid line at or below v for step s (wide: v may lie far outside the surface).
std::int64_t gridStart(int s, std::int64_t v) {
    std::int64_t g = s * (v / s);
    if (g > v) g -= s;
    return g;
}

// The rectangle in device units and the state of one line pass.
struct Hatch {
    float xmin, ymin, xmax, ymax;
    int ix1, iy1, ix2, iy2;
    int device;
    HatchSteps steps;
    bool reversed = false;  // the alternating direction of the next line

    // Flips the direction before each line when the steps ask for alternation.
    bool nextReversed() {
        if (steps.alternate == 1) reversed = !reversed;
        return reversed;
    }
    // Lines passed over unseen keep the alternation as if drawn.
    void skip(std::int64_t lines) {
        if (steps.alternate == 1 && lines % 2 != 0) reversed = !reversed;
    }
};

// The positions at which a family's lines can be seen: lines outside are not walked one by one.
struct Visible {
    double low, high;
};

// Walks from `start` by `step` while below `end` (or at most `end`), first clamped up to `low`;
// stops as soon as a step no longer advances the position (a step too small for its precision).
// Positions below the visible range are passed over in one jump, and the walk ends above it.
template <typename Draw>
void walk(Hatch& h, double start, float step, double low, double end, bool inclusive, Visible visible, Draw draw) {
    if (step > 0 && start + step < visible.low) {
        const double lines = std::floor((visible.low - start) / step) - 1;
        if (lines > 0 && lines < 9.0e18) {
            start += lines * step;
            h.skip(static_cast<std::int64_t>(lines));
        }
    }
    if (visible.high < end) end = visible.high, inclusive = true;
    float position = static_cast<float>(start);
    for (bool first = true;; first = false) {
        float next = position + step;
        if (next <= low) next = static_cast<float>(low);
        if (!first && !(next > position)) return;
        if (first && !(next >= position)) return;
        position = next;
        if (inclusive ? !(position <= end) : !(position < end)) return;
        draw(position);
    }
}

void horizontalFamily(Hatch& h) {
    const float xa = h.xmin + h.steps.inset, xb = h.xmax - h.steps.inset;
    const double grid = static_cast<double>(gridStart(h.steps.stepY, h.iy1));
    const GraphicsState& g = gravim.graphics;
    const Visible visible{g.toleranceY1, g.toleranceY2};
    const auto line = [&](double position) {
        const float y = static_cast<float>(position);
        if (h.nextReversed()) {
            yylini(xa, y, xb, y);
        } else {
            yylini(xb, y, xa, y);
        }
    };
    walk(h, grid, h.steps.realY, h.ymin, h.ymax, false, visible, line);
    int pass = 1;
    for (;;) {
        yy2col(h.device, pass);
        if (pass != 2) return;
        walk(h, grid + 0.5 * h.steps.realY, h.steps.realY, h.ymin, h.ymax, false, visible, line);
    }
}

void verticalFamily(Hatch& h) {
    const float ya = h.ymin + h.steps.inset, yb = h.ymax - h.steps.inset;
    const GraphicsState& g = gravim.graphics;
    const double grid = static_cast<double>(gridStart(h.steps.stepX, h.ix1));
    walk(h, grid, h.steps.realX, h.xmin, h.xmax, false, {g.toleranceX1, g.toleranceX2}, [&](double position) {
        const float x = static_cast<float>(position);
        if (h.nextReversed()) {
            yylini(x, ya, x, yb);
        } else {
            yylini(x, yb, x, ya);
        }
    });
}

void diagonalFamilies(Hatch& h, bool rising, bool falling) {
    const GraphicsState& g = gravim.graphics;
    const float inset = h.steps.inset;
    yysav(2);
    yywing(std::max(h.xmin, g.clipX1) + inset, std::max(h.ymin, g.clipY1) + inset,
           std::min(h.xmax, g.clipX2) - inset, std::min(h.ymax, g.clipY2) - inset);
    const std::int64_t span = std::int64_t{h.ix2} - h.ix1;
    const double s = static_cast<double>(span);
    const double lowest = -1.0e300;
    // A rectangle reaching far outside the clip is hatched by the lines' heights where they
    // cross its left clip edge, and only across the clip (the clip would cut the rest); the
    // heights then stay near the surface, where a step still advances them.
    const double slope = h.xmax > h.xmin ? s / (static_cast<double>(h.xmax) - h.xmin) : 0.0;
    const bool trimmed = g.clipX1 > h.xmin + 1 || g.clipX2 < h.xmax - 1;
    const double left = trimmed ? (g.clipX1 - static_cast<double>(h.xmin)) * slope : 0.0;
    const double across = (g.clipX2 - static_cast<double>(g.clipX1)) * slope;
    const auto diagonal = [&](double y, double rise) {
        if (!trimmed) {
            yylini(h.xmin, static_cast<float>(y), h.xmax, static_cast<float>(y + rise * s));
        } else {
            yylini(g.clipX1, static_cast<float>(y), g.clipX2, static_cast<float>(y + rise * across));
        }
    };
    if (rising) {
        const double start = static_cast<double>(gridStart(h.steps.stepY, h.iy1 - span)) + left;
        const Visible visible{g.clipY1 - across - (trimmed ? 1 : s), g.clipY2 + 1};
        walk(h, start, h.steps.realY, lowest, h.ymax + left, true, visible, [&](double y) { diagonal(y, 1); });
    }
    if (falling) {
        const double start = static_cast<double>(gridStart(h.steps.stepY, h.iy1)) - left;
        const Visible visible{g.clipY1 - 1, g.clipY2 + across + (trimmed ? 1 : s)};
        walk(h, start, h.steps.realY, lowest, h.ymax + s - left, true, visible, [&](double y) { diagonal(y, -1); });
    }
    yysav(3);
}

// One device's pass: the outline of an unfilled rectangle and the hatch lines (a filled one
// comes here only for its line fill).
void linePass(Hatch& h, bool filled, int style, int direction) {
    const GraphicsState& g = gravim.graphics;
    if (!filled && g.fillPass[0] != 0) yyrect(h.xmin, h.ymin, h.xmax, h.ymax);
    if (style == 0) return;
    yystep(h.device, g.fillPattern[0], h.steps);
    const bool cross = style == 2;
    if (direction >= 3) {
        if (direction == 3 || cross) horizontalFamily(h);
        if (direction == 4 || cross) verticalFamily(h);
    } else {
        diagonalFamilies(h, direction == 1 || cross, direction == 2 || cross);
    }
}

bool rectangleCorners(float x1, float y1, float x2, float y2, float* device) {
    if (x1 == x2 || y1 == y2) {
        yyerror(22, "IGrRectangle");
        return false;
    }
    yye2i(x1, y1, device[0], device[1]);
    yye2i(x2, y2, device[2], device[3]);
    return true;
}

}  // namespace

void yystep(int device, int density, HatchSteps& steps) {
    const GraphicsState& g = gravim.graphics;
    steps.inset = g.plotMode != 0 && device == 1 ? 1.0f : 0.0f;
    steps.alternate = device == 2 && g.fillStyle < 3 ? 1 : 0;
    const std::int64_t across = 10 * power(density - 1) + 20, down = 10 * power(density) + 10;
    if (device == 1) {
        if (g.fillStyle <= 2) {
            steps.stepY = static_cast<int>(std::max<std::int64_t>(2, g.surfaceHeight / across));
            steps.stepX = static_cast<int>(std::max<std::int64_t>(2, g.surfaceWidth / down));
        } else {
            steps.stepY = g.fillStyle == 3 && g.fillPass[1] == 2 ? 2 : 1;
        }
        steps.realX = static_cast<float>(steps.stepX);
        steps.realY = static_cast<float>(steps.stepY);
        return;
    }
    if (g.fillStyle <= 2) {
        steps.realY = g.rotatedMaxY / static_cast<float>(across);
        steps.realX = g.rotatedMaxX / static_cast<float>(down);
        steps.stepX = std::max(1, yytrunc(steps.realX));
    } else {
        steps.realY = g.FillLineSpacing;
    }
    steps.stepY = std::max(1, yytrunc(steps.realY));
}

void yyrecti(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    Hatch h{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), 0, 0, 0, 0, 0, {}};
    h.ix1 = yytrunc(h.xmin), h.iy1 = yytrunc(h.ymin), h.ix2 = yytrunc(h.xmax), h.iy2 = yytrunc(h.ymax);
    if (h.ix1 > g.clipPixelX2 || h.ix2 < g.clipPixelX1 || h.iy1 > g.clipPixelY2 || h.iy2 < g.clipPixelY1) return;
    g.OperandPixelX[1] = std::max(h.ix1, g.clipPixelX1), g.OperandPixelY[1] = std::max(h.iy1, g.clipPixelY1);
    g.OperandPixelX[2] = std::min(h.ix2, g.clipPixelX2), g.OperandPixelY[2] = std::min(h.iy2, g.clipPixelY2);
    g.OperandX[1] = h.xmin, g.OperandY[1] = h.ymin, g.OperandX[2] = h.xmax, g.OperandY[2] = h.ymax;

    const bool filled = g.fillStyle >= 3;
    int style = g.fillStyle, direction = g.fillPattern[1];
    if (filled) {
        int opcode = g.fillStyle == 3 ? OpRectanglePattern : OpRectangle;
        yyfact(OpRectangle, opcode);
        if (g.screenActive == 1) yygdrv(opcode);
        if (g.fillPass[1] == 0 && g.hardcopyActive == 0) return;
        style = 1, direction = 3;  // line fills are horizontal hatching
    }
    if (g.hardcopyActive != 0) {
        g.OperandValue = 1;
        yyhdrv(OpRectanglePattern);
    }
    const int screen = g.screenActive, hardcopy = g.hardcopyActive;
    for (int device = 1; device <= 2; ++device) {
        const bool active = device == 1 ? screen != 0 : hardcopy != 0;
        if (active && (!filled || g.fillPass[device] != 0)) {
            g.screenActive = device == 1 ? screen : 0;
            g.hardcopyActive = device == 1 ? 0 : 1;
            h.device = device;
            linePass(h, filled, style, direction);
            g.screenActive = screen, g.hardcopyActive = hardcopy;
        }
        g.fillPass[device] = 0;
    }
    g.OperandValue = -1;
    yyhdrv(OpRectanglePattern);
}

void yyrect(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    const int screen = g.screenActive, hardcopy = g.hardcopyActive;
    if (screen != 0) {
        // In a mixing plot mode each corner pixel belongs to one line only.
        const float ex = g.plotMode != 0 ? (x2 >= x1 ? 1.0f : -1.0f) : 0.0f;
        const float ey = g.plotMode != 0 ? (y2 >= y1 ? 1.0f : -1.0f) : 0.0f;
        g.hardcopyActive = 0;
        yylini(x1 + ex, y1, x2, y1);
        yylini(x2, y1 + ey, x2, y2);
        yylini(x2 - ex, y2, x1, y2);
        yylini(x1, y2 - ey, x1, y1);
        g.hardcopyActive = hardcopy;
    }
    if (hardcopy != 0) {
        g.screenActive = 0;
        yylini(x1, y1, x2, y1);
        yylini(x2, y1, x2, y2);
        yylini(x2, y2, x1, y2);
        yylini(x1, y2, x1, y1);
        g.screenActive = screen;
    }
}

void IGrRectangle(float x1, float y1, float x2, float y2) {
    float d[4];
    if (!rectangleCorners(x1, y1, x2, y2, d)) return;
    yyrecti(d[0], d[1], d[2], d[3]);
    IGrMoveTo(x1, y1);
}

void IGrRectangleRel(float dx, float dy) {
    const GraphicsState& g = gravim.graphics;
    float d[4];
    if (!rectangleCorners(g.positionX, g.positionY, g.positionX + dx, g.positionY + dy, d)) return;
    yyrecti(d[0], d[1], d[2], d[3]);
}

void IGrBorder() {
    const GraphicsState& g = gravim.graphics;
    yyrect(g.clipX1, g.clipY1, g.clipX2, g.clipY2);
}
