// plotter_support.hpp - drawing through a file driver of the hardcopy channel (HP-GL, HP-GL/2,
// DXF) and reading its lines back.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/hardcopy_fill.hpp"
#include "hardcopy/hardcopy.hpp"
#include "scratch.hpp"

using Points = std::vector<std::pair<float, float>>;

// A 1000 x 750 surface, the graphics area all of it, the default colour table, palette colours.
inline void plotterSurface() {
    yyresetgravim();
    yypali();
    GraphicsState& g = gravim.graphics;
    g.surfaceWidth = 1000;
    g.surfaceHeight = 750;
    g.surfaceMaxX = g.rotatedMaxX = 999.99f;
    g.surfaceMaxY = g.rotatedMaxY = 749.99f;
    g.clipX2 = g.clipWidth = g.rotatedClipWidth = g.surfaceMaxX;
    g.clipY2 = g.clipHeight = g.rotatedClipHeight = g.surfaceMaxY;
    g.areaX2 = g.areaY2 = g.areaWidth = g.areaHeight = 1;
    g.colourModel = 1;
    g.CharWidth = 0.01f;
    g.CharHeight = 0.02f;
    g.DeviceTextCos = 1;
    gravim.hardcopy.plotterModel = 1;
    gravim.hardcopy.printerVariant = 1;
}

// The file's lines without their CR LF; a last piece without a line end is a line too.
inline std::vector<std::string> fileLines(const std::string& name) {
    const std::string bytes = readWholeFile(name);
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(at));
            break;
        }
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

inline bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
inline long countOf(const std::vector<std::string>& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
}
inline long countStarting(const std::vector<std::string>& lines, const std::string& start) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}
// The lines from the first that equals `first` (empty when there is none).
inline std::vector<std::string> linesFrom(const std::vector<std::string>& lines, const std::string& first) {
    const auto at = std::find(lines.begin(), lines.end(), first);
    return {at, lines.end()};
}

// Drawing as the graphics core does it, in surface units.
inline void drawLine(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = x1;
    g.OperandY[1] = y1;
    g.OperandX[2] = x2;
    g.OperandY[2] = y2;
    yyhdrv(OpLine);
}
inline void setPolygon(const Points& points) {
    GraphicsState& g = gravim.graphics;
    yypolygonsize(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        g.PolygonX[i + 1] = points[i].first;
        g.PolygonY[i + 1] = points[i].second;
    }
    g.OperandCount = static_cast<int>(points.size());
}
inline void drawPolyline(const Points& points) {
    setPolygon(points);
    yyhdrv(OpPolyline);
}
// A filled shape through the core's fill protocol (hatch lines when the driver asks for them).
inline void fillPolygon(int opcode, const Points& points) {
    setPolygon(points);
    FillOutline outline;
    for (const auto& [x, y] : points) {
        outline.x.push_back(x);
        outline.y.push_back(y);
    }
    yyhardcopyfill(opcode, outline);
}
inline void fillRectangle(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = x1;
    g.OperandY[1] = y1;
    g.OperandX[2] = x2;
    g.OperandY[2] = y2;
    yyhardcopyfill(OpRectanglePattern, FillOutline{{x1, x2, x2, x1}, {y1, y1, y2, y2}});
}
inline void fillEllipse(float cx, float cy, float rx, float ry) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = cx;
    g.OperandY[1] = cy;
    g.OperandX[2] = rx;
    g.OperandY[2] = ry;
    g.OperandX[3] = ry / rx;
    yyhardcopyfill(OpEllipsePattern, yyellipseoutline(cx, cy, rx, ry, 0, 360, false));
}
// An arc: centre, radius, start and sweep in degrees.
inline void setArc(float cx, float cy, float r, float start, float sweep) {
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = cx;
    g.OperandY[1] = cy;
    g.OperandX[2] = g.OperandY[2] = r;
    g.OperandX[3] = start * 3.14159265f / 180;
    g.OperandY[3] = (start + sweep) * 3.14159265f / 180;
    g.OperandX[4] = start;
    g.OperandY[4] = sweep;
}
inline void drawText(const std::string& text, float x, float y, float endX = -1, float endY = -1) {
    GraphicsState& g = gravim.graphics;
    g.OperandText.assign(text);
    g.OperandPixelX[1] = static_cast<int>(text.size());
    g.OperandX[1] = x;
    g.OperandY[1] = y;
    g.OperandX[3] = endX < 0 ? x : endX;
    g.OperandY[3] = endY < 0 ? y : endY;
    yyhdrv(OpText);
}
// Palette colour c as the current colour (the previous one kept as previous).
inline void setColour(int c) {
    GraphicsState& g = gravim.graphics;
    g.colourState[1][0] = g.colourState[1][1];
    g.colourState[2][0] = g.colourState[2][1];
    g.colourState[1][1] = c;
    yypalg(c, g.colourState[2][1]);
    yyhdrv(OpColour);
}
