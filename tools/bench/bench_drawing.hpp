// bench_drawing.hpp - the benchmarks' one drawing: 1,000,000 random line segments (each at most
// 2% of the page long, seven colours changing every 1,000 segments) and 100,000 filled
// quadrilaterals (five colours), or a multiple of both for the scaling tables, on a surface of
// 1000 x 750 pixels, sent through the open hardcopy output as the graphics core sends them.
#pragma once

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"

namespace bench {

constexpr int surfaceWidth = 1000, surfaceHeight = 750;
constexpr int segmentCount = 1000000, quadCount = 100000, colourRun = 1000;

struct Rgb {
    int red, green, blue;
};
constexpr Rgb lineColours[7] = {{255, 0, 0}, {0, 160, 0}, {0, 0, 255}, {0, 160, 160}, {160, 0, 160}, {160, 160, 0}, {0, 0, 0}};
constexpr Rgb fillColours[5] = {{255, 200, 200}, {200, 255, 200}, {200, 200, 255}, {255, 255, 160}, {160, 160, 160}};

struct Drawing {
    std::vector<float> segments;  // x1, y1, x2, y2 per segment
    std::vector<float> quads;     // four corners per quadrilateral
    int segmentCount() const { return static_cast<int>(segments.size() / 4); }
    int quadCount() const { return static_cast<int>(quads.size() / 8); }
};

// The drawing with times as many segments and quadrilaterals (for the scaling tables).
inline Drawing makeDrawing(int times = 1) {
    std::mt19937 random(2026);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float longest = 0.02f * surfaceWidth;
    Drawing d;
    for (int i = 0; i < times * segmentCount; ++i) {
        const float x = unit(random) * (surfaceWidth - 1), y = unit(random) * (surfaceHeight - 1);
        const float length = unit(random) * longest, angle = unit(random) * 6.2831853f;
        d.segments.insert(d.segments.end(), {x, y, std::clamp(x + length * std::cos(angle), 0.0f, surfaceWidth - 1.0f),
                                             std::clamp(y + length * std::sin(angle), 0.0f, surfaceHeight - 1.0f)});
    }
    for (int i = 0; i < times * quadCount; ++i) {
        const float x = unit(random) * (surfaceWidth - longest), y = unit(random) * (surfaceHeight - longest);
        const float w = unit(random) * longest, h = unit(random) * longest;
        d.quads.insert(d.quads.end(), {x, y, x + w, y, x + w, y + h, x, y + h});
    }
    return d;
}

inline void setColour(const Rgb& c) {
    GraphicsState& g = gravim.graphics;
    g.colourState[2][0] = g.colourState[2][1];
    g.colourState[2][1] = c.red + 256 * c.green + 65536 * c.blue;
    g.colourState[1][0] = g.colourState[1][1];
    yyrgbto8(g.colourState[2][1], g.colourState[1][1]);
    yyhdrv(OpColour);
}

// The surface every benchmark draws on, in the RGB colour model.
inline void surface() {
    GraphicsState& g = gravim.graphics;
    g.surfaceWidth = surfaceWidth;
    g.surfaceHeight = surfaceHeight;
    g.surfaceMaxX = surfaceWidth - 0.01f;
    g.surfaceMaxY = surfaceHeight - 0.01f;
    g.clipX2 = g.clipWidth = g.surfaceMaxX;
    g.clipY2 = g.clipHeight = g.surfaceMaxY;
    g.areaWidth = g.areaHeight = g.areaX2 = g.areaY2 = 1;
    g.colourModel = 2;
}

// Sends the drawing to the open hardcopy output.
inline void draw(const Drawing& d) {
    GraphicsState& g = gravim.graphics;
    for (int i = 0; i < d.segmentCount(); ++i) {
        if (i % colourRun == 0) setColour(lineColours[(i / colourRun) % 7]);
        const float* s = &d.segments[4 * static_cast<std::size_t>(i)];
        g.OperandX[1] = s[0];
        g.OperandY[1] = s[1];
        g.OperandX[2] = s[2];
        g.OperandY[2] = s[3];
        yyhdrv(OpLine);
    }
    g.fillStyle = 4;
    yypolygonsize(4);
    for (int i = 0; i < d.quadCount(); ++i) {
        if (i % colourRun == 0) setColour(fillColours[(i / colourRun) % 5]);
        const float* q = &d.quads[8 * static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < 4; ++k) {
            g.PolygonX[k + 1] = q[2 * k];
            g.PolygonY[k + 1] = q[2 * k + 1];
        }
        g.OperandCount = 4;
        g.OperandValue = 1;
        yyhdrv(OpQuadPattern);
        g.OperandValue = -1;
        yyhdrv(OpQuadPattern);
    }
}

}  // namespace bench
