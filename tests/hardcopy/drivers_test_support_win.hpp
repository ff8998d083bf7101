// drivers_test_support_win.hpp - a drawing surface without a window and the opcodes the graphics
// core sends to a hardcopy driver, for the Windows printer and metafile driver tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"

// Colours as the graphics layer gives them (blue in the high byte).
constexpr int Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;

namespace drawing {

// A surface of width x height pixels whose area is all of it, in the RGB colour model.
inline void surface(int width, int height) {
    GraphicsState& g = gravim.graphics;
    g.surfaceWidth = width;
    g.surfaceHeight = height;
    g.surfaceMaxX = static_cast<float>(width) - 0.01f;
    g.surfaceMaxY = static_cast<float>(height) - 0.01f;
    g.clipX1 = g.clipY1 = 0;
    g.clipX2 = g.surfaceMaxX;
    g.clipY2 = g.surfaceMaxY;
    g.rotatedClipWidth = g.clipWidth = g.surfaceMaxX;
    g.rotatedClipHeight = g.clipHeight = g.surfaceMaxY;
    g.colourModel = 2;
    g.colourState[1][0] = g.colourState[1][1] = -1;
    g.colourState[2][0] = g.colourState[2][1] = 0;
    g.DeviceTextCos = 1;
    g.DeviceTextSinOverAspect = 0;
    g.CharWidth = 0.02f;
    g.CharHeight = 0.03f;
    g.FontNumber = 2;
}

// Makes rgb (0xBBGGRR) the current colour, the old one the previous colour.
inline void colour(int rgb) {
    GraphicsState& g = gravim.graphics;
    g.colourState[2][0] = g.colourState[2][1];
    g.colourState[2][1] = rgb;
    yyhdrv(OpColour);
}

inline void line(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = x1, g.OperandY[1] = y1, g.OperandX[2] = x2, g.OperandY[2] = y2;
    yyhdrv(OpLine);
}

// A pattern opcode as the core sends it: the shape, then the end of its fill.
inline void filled(int opcode, int fillStyle) {
    GraphicsState& g = gravim.graphics;
    g.fillStyle = fillStyle;
    g.OperandValue = 1;
    yyhdrv(opcode);
    g.OperandValue = -1;
    yyhdrv(opcode);
}

inline void rectangle(float x1, float y1, float x2, float y2, int fillStyle) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = x1, g.OperandY[1] = y1, g.OperandX[2] = x2, g.OperandY[2] = y2;
    filled(OpRectanglePattern, fillStyle);
}

inline void vertices(const std::vector<std::pair<float, float>>& points) {
    GraphicsState& g = gravim.graphics;
    yypolygonsize(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        g.PolygonX[i + 1] = points[i].first;
        g.PolygonY[i + 1] = points[i].second;
    }
    g.OperandCount = static_cast<int>(points.size());
}

inline void polygon(const std::vector<std::pair<float, float>>& points, int fillStyle) {
    vertices(points);
    filled(OpPolygonPattern, fillStyle);
}

inline void polyline(const std::vector<std::pair<float, float>>& points) {
    vertices(points);
    yyhdrv(OpPolyline);
}

// Left-justified text whose cell middle is at (x, y).
inline void text(float x, float y, const std::string& characters) {
    GraphicsState& g = gravim.graphics;
    yyhdrv(OpFont);
    g.OperandText.assign(characters);
    g.OperandPixelX[1] = static_cast<int>(characters.size());
    g.OperandX[1] = x, g.OperandY[1] = y;
    g.OperandX[3] = x + 100, g.OperandY[3] = y;
    g.TextJustification = 0;
    yyhdrv(OpText);
}

// The area (and clip) set to a rectangle of the surface.
inline void area(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    g.clipX1 = x1, g.clipY1 = y1, g.clipX2 = x2, g.clipY2 = y2;
    yyhdrv(OpClip);
}

inline void nextPage() {
    GraphicsState& g = gravim.graphics;
    g.OperandValue = 32;
    g.OperandCount = 0;
    yyhdrv(OpPage);
}

}  // namespace drawing
