// rectangles.cpp - rectangles in the current fill style: filled by the device, or built from
// lines (outline, hatching, line fills), in one pass for the screen and one for hardcopy.
#include <algorithm>
#include <cstdint>

#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

// 2^k for 0 <= k <= 31, else 0; wide enough that 10 times it cannot overflow.
std::int64_t power(int k) { return k >= 0 && k <= 31 ? std::int64_t{1} << k : 0; }

// The grid line at or below v for step s.
int gridStart(int s, int v) {
    int g = s * (v / s);
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
};

// Walks from `start` by `step` while below `end` (or at most `end`), first clamped up to `low`;
// stops as soon as a step no longer advances (a step too small for the position's precision).
template <typename Draw>
void walk(float start, float step, float low, float end, bool inclusive, Draw draw) {
    float position = start;
    for (bool first = true;; first = false) {
        float next = position + step;
        if (next <= low) next = low;
        if (!first && !(next > position)) return;
        if (first && !(next >= position)) return;
        position = next;
        if (inclusive ? !(position <= end) : !(position < end)) return;
        draw(position);
    }
}

void horizontalFamily(Hatch& h) {
    const float xa = h.xmin + h.steps.inset, xb = h.xmax - h.steps.inset;
    const int grid = gridStart(h.steps.stepY, h.iy1);
    const auto line = [&](float y) {
        if (h.nextReversed()) {
            yylini(xa, y, xb, y);
        } else {
            yylini(xb, y, xa, y);
        }
    };
    walk(static_cast<float>(grid), h.steps.realY, h.ymin, h.ymax, false, line);
    int pass = 1;
    for (;;) {
        yy2col(h.device, pass);
        if (pass != 2) return;
        walk(static_cast<float>(grid) + 0.5f * h.steps.realY, h.steps.realY, h.ymin, h.ymax, false, line);
    }
}

void verticalFamily(Hatch& h) {
    const float ya = h.ymin + h.steps.inset, yb = h.ymax - h.steps.inset;
    walk(static_cast<float>(gridStart(h.steps.stepX, h.ix1)), h.steps.realX, h.xmin, h.xmax, false, [&](float x) {
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
    const int span = h.ix2 - h.ix1;
    const float s = static_cast<float>(span);
    const float lowest = -3.0e38f;
    if (rising) {
        const float start = static_cast<float>(gridStart(h.steps.stepY, h.iy1 - span));
        walk(start, h.steps.realY, lowest, h.ymax, true, [&](float y) { yylini(h.xmin, y, h.xmax, y + s); });
    }
    if (falling) {
        const float start = static_cast<float>(gridStart(h.steps.stepY, h.iy1));
        walk(start, h.steps.realY, lowest, h.ymax + s, true, [&](float y) { yylini(h.xmin, y, h.xmax, y - s); });
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
