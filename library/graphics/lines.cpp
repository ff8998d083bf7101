// lines.cpp - lines clipped to the drawing area, the plotting position, plot mode and line type.
#include <algorithm>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

enum class Edge { Top, Bottom, Right, Left };

// A segment along one axis, its ends a and b on that axis, cut to low..high; false when it lies
// wholly outside.
bool cutSpan(float& a, float& b, float low, float high) {
    if (std::min(a, b) > high || std::max(a, b) < low) return false;
    float& lower = a <= b ? a : b;
    float& upper = a <= b ? b : a;
    lower = std::max(lower, low);
    upper = std::min(upper, high);
    return true;
}

}  // namespace

int yybox(float x, float y) {
    const GraphicsState& g = gravim.graphics;
    return x >= g.toleranceX1 && x <= g.toleranceX2 && y >= g.toleranceY1 && y <= g.toleranceY2 ? 1 : 0;
}

int yylin(float px, float py, float x1, float y1, float x2, float y2) {
    const bool inside = px >= std::min(x1, x2) && px <= std::max(x1, x2) && py >= std::min(y1, y2) &&
                        py <= std::max(y1, y2);
    return inside && yybox(px, py) == 1 ? 1 : 0;
}

void yyclip(float& x1, float& y1, float& x2, float& y2, int& visible) {
    const GraphicsState& g = gravim.graphics;
    visible = 1;
    if (yybox(x1, y1) == 1 && yybox(x2, y2) == 1) return;
    if (yytrunc(x1) == yytrunc(x2)) {
        visible = cutSpan(y1, y2, g.clipY1, g.clipY2) ? yybox(x1, y1) : 0;
        return;
    }
    if (yytrunc(y1) == yytrunc(y2)) {
        visible = cutSpan(x1, x2, g.clipX1, g.clipX2) ? yybox(x1, y1) : 0;
        return;
    }
    // The line through both ends, cut with each edge in turn.
    const float m = (y2 - y1) / (x2 - x1), c = y1 - m * x1;
    for (const Edge edge : {Edge::Top, Edge::Bottom, Edge::Right, Edge::Left}) {
        float px = 0, py = 0;
        bool secondBeyond = true, firstBeyond = true;
        switch (edge) {
        case Edge::Top:
            px = (g.clipY2 - c) / m, py = g.clipY2;
            secondBeyond = y2 > y1, firstBeyond = y1 > y2;
            break;
        case Edge::Bottom:
            px = (g.clipY1 - c) / m, py = g.clipY1;
            secondBeyond = y2 < y1, firstBeyond = y2 > y1;
            break;
        case Edge::Right:
            px = g.clipX2, py = m * g.clipX2 + c;
            secondBeyond = x2 > x1, firstBeyond = x1 > x2;
            break;
        case Edge::Left: px = g.clipX1, py = m * g.clipX1 + c; break;
        }
        if (yylin(px, py, x1, y1, x2, y2) == 0) {
            if (edge == Edge::Left) break;
            continue;
        }
        if (yybox(x1, y1) == 1 && secondBeyond) {
            x2 = px, y2 = py;
            return;
        }
        if (yybox(x2, y2) == 1 && firstBeyond) {
            x1 = px, y1 = py;
            return;
        }
        if (edge == Edge::Left) break;
        // Neither end is inside yet: the end beyond this edge moves onto it.
        bool moveFirst = false;
        switch (edge) {
        case Edge::Top: moveFirst = y1 > y2; break;
        case Edge::Bottom: moveFirst = y1 < y2; break;
        default: moveFirst = x1 > x2; break;
        }
        if (moveFirst) {
            x1 = px, y1 = py;
        } else {
            x2 = px, y2 = py;
        }
    }
    visible = 0;
}

void yylini(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = x1, g.OperandY[1] = y1, g.OperandX[2] = x2, g.OperandY[2] = y2;
    int visible = 0;
    yyclip(g.OperandX[1], g.OperandY[1], g.OperandX[2], g.OperandY[2], visible);
    if (visible == 0) return;
    if (g.screenActive == 1) {
        for (int k = 1; k <= 2; ++k) {
            g.OperandPixelX[k] = yytrunc(g.OperandX[k]);
            g.OperandPixelY[k] = yytrunc(g.OperandY[k]);
        }
        yygdrv(OpLine);
    }
    if (g.hardcopyActive != 0) yyhdrv(OpLine);
}

void yyline(float x1, float y1, float x2, float y2) {
    float px1 = 0, py1 = 0, px2 = 0, py2 = 0;
    yye2i(x1, y1, px1, py1);
    yye2i(x2, y2, px2, py2);
    yylini(px1, py1, px2, py2);
}

void IGrMoveTo(float x, float y) {
    gravim.graphics.positionX = x;
    gravim.graphics.positionY = y;
}

void IGrMoveToRel(float dx, float dy) {
    gravim.graphics.positionX += dx;
    gravim.graphics.positionY += dy;
}

void IGrPlotMode2(std::optional<int> mode) {
    gravim.graphics.plotMode = mode.value_or(0);
    yygdrv(OpPlotMode);
}

void IGrLineType(std::optional<int> type) {
    const int value = type.value_or(0);
    gravim.graphics.lineType = value >= 0 && value <= 7 ? value : 0;
    yygdrv(OpLineType);
    yyhdrv(OpLineType);
}
