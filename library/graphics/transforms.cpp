// transforms.cpp - drawing area, user units, clip rectangle and the pixel/user-unit transforms.
// Pixels of the surface have y growing upward from the bottom row.

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/devices.hpp"
#include "graphics/fonts_internal.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

// NaN fails every comparison, so a pair holding one is invalid.
bool validArea(float a, float b) { return a >= 0 && a < 1 && b > 0 && b <= 1 && a < b; }

}  // namespace

void IGrArea(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    if (validArea(x1, x2)) {
        g.areaX1 = x1, g.areaX2 = x2;
    } else {
        g.areaX1 = 0, g.areaX2 = 1;
        yyerror(44, "IGrArea");
    }
    if (validArea(y1, y2)) {
        g.areaY1 = y1, g.areaY2 = y2;
    } else {
        g.areaY1 = 0, g.areaY2 = 1;
        yyerror(44, "IGrArea");
    }
    const float w = static_cast<float>(g.surfaceWidth), h = static_cast<float>(g.surfaceHeight);
    yywing(g.areaX1 * w, g.areaY1 * h, g.areaX2 * w, g.areaY2 * h);
    if (g.reselecting == 1) return;
    yyhdrv(OpClip);
    g.areaWidth = g.areaX2 - g.areaX1;
    g.areaHeight = g.areaY2 - g.areaY1;
    yyresnrot();
}

void IGrUnits(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    if (x1 < x2) {
        g.unitsX1 = x1, g.unitsX2 = x2;
    } else {
        g.unitsX1 = 0, g.unitsX2 = 1;
        yyerror(16, "IGrUnits");
    }
    if (y1 < y2) {
        g.unitsY1 = y1, g.unitsY2 = y2;
    } else {
        g.unitsY1 = 0, g.unitsY2 = 1;
        yyerror(16, "IGrUnits");
    }
    g.unitsWidth = g.unitsX2 - g.unitsX1;
    g.unitsHeight = g.unitsY2 - g.unitsY1;
}

void yywing(float x1, float y1, float x2, float y2) {
    GraphicsState& g = gravim.graphics;
    const float maxX = static_cast<float>(g.surfaceWidth) - 0.01f;
    const float maxY = static_cast<float>(g.surfaceHeight) - 0.01f;
    g.clipX1 = x1 > 0 ? x1 : 0;
    g.clipY1 = y1 > 0 ? y1 : 0;
    g.clipX2 = x2 < maxX ? x2 : maxX;
    g.clipY2 = y2 < maxY ? y2 : maxY;
    g.toleranceX1 = g.clipX1 - 0.001f;
    g.toleranceY1 = g.clipY1 - 0.001f;
    g.toleranceX2 = g.clipX2 + 0.001f;
    g.toleranceY2 = g.clipY2 + 0.001f;
    g.clipPixelX1 = yytrunc(g.clipX1);
    g.clipPixelY1 = yytrunc(g.clipY1);
    g.clipPixelX2 = yytrunc(g.clipX2);
    g.clipPixelY2 = yytrunc(g.clipY2);
    g.clipWidth = g.clipX2 - g.clipX1;
    g.clipHeight = g.clipY2 - g.clipY1;
    g.clipPixelWidth = g.clipPixelX2 - g.clipPixelX1 + 1;
    g.clipPixelHeight = g.clipPixelY2 - g.clipPixelY1 + 1;
    yygdrv(OpClip);
}

void yyresnrot() {
    GraphicsState& g = gravim.graphics;
    const float width = static_cast<float>(g.surfaceWidth), height = static_cast<float>(g.surfaceHeight);
    if (g.rotation % 180 == 0) {
        g.rotatedMaxX = g.surfaceMaxX, g.rotatedMaxY = g.surfaceMaxY;
        if (height > 0) g.surfaceAspect = width / height;
        g.HardcopyTextScaleX = g.HardcopyScaleX, g.HardcopyTextScaleY = g.HardcopyScaleY;
        g.rotatedClipWidth = g.clipWidth, g.rotatedClipHeight = g.clipHeight;
    } else {
        g.rotatedMaxX = g.surfaceMaxY, g.rotatedMaxY = g.surfaceMaxX;
        if (width > 0) g.surfaceAspect = height / width;
        g.HardcopyTextScaleX = g.HardcopyScaleY, g.HardcopyTextScaleY = g.HardcopyScaleX;
        g.rotatedClipWidth = g.clipHeight, g.rotatedClipHeight = g.clipWidth;
    }
    if (g.screenActive == 0) g.surfaceAspect = g.HardcopyAspect;
    yychrot(g.TextAngle);
    yychdfont();
}

int yytrunc(float value) {
    // Positions far outside the surface stay far outside rather than wrapping round.
    if (!(value > -2.0e9f)) return value != value ? 0 : -2000000000;
    if (value >= 2.0e9f) return 2000000000;
    return static_cast<int>(value);
}

void yyi2e(float px, float py, float& ux, float& uy) {
    const GraphicsState& g = gravim.graphics;
    const float wc = g.clipWidth, hc = g.clipHeight, wu = g.unitsWidth, hu = g.unitsHeight;
    switch (g.rotation) {
    case 0:
        ux = g.unitsX1 + (px - g.clipX1) * wu / wc;
        uy = g.unitsY1 + (py - g.clipY1) * hu / hc;
        break;
    case 90:
        ux = g.unitsX1 + (py - g.clipY1) * wu / hc;
        uy = g.unitsY2 - (px - g.clipX1) * hu / wc;
        break;
    case 180:
        ux = g.unitsX2 - (px - g.clipX1) * wu / wc;
        uy = g.unitsY2 - (py - g.clipY1) * hu / hc;
        break;
    case 270:
        ux = g.unitsX2 - (py - g.clipY1) * wu / hc;
        uy = g.unitsY1 + (px - g.clipX1) * hu / wc;
        break;
    default: break;
    }
}

void yye2i(float ux, float uy, float& px, float& py) {
    const GraphicsState& g = gravim.graphics;
    const float wc = g.clipWidth, hc = g.clipHeight, wu = g.unitsWidth, hu = g.unitsHeight;
    switch (g.rotation) {
    case 0:
        px = g.clipX1 + (ux - g.unitsX1) * wc / wu;
        py = g.clipY1 + (uy - g.unitsY1) * hc / hu;
        break;
    case 90:
        px = g.clipX2 - (uy - g.unitsY1) * wc / hu;
        py = g.clipY1 + (ux - g.unitsX1) * hc / wu;
        break;
    case 180:
        px = g.clipX2 - (ux - g.unitsX1) * wc / wu;
        py = g.clipY2 - (uy - g.unitsY1) * hc / hu;
        break;
    case 270:
        px = g.clipX1 + (uy - g.unitsY1) * wc / hu;
        py = g.clipY2 - (ux - g.unitsX1) * hc / wu;
        break;
    default: break;
    }
}

void yybvi2e(float px, float py, float& ux, float& uy, int window) {
    const GraphicsState& g = gravim.graphics;
    const auto info = yyimageport().bitmapViewerInfo;
    const float w = static_cast<float>(info(window, 101));
    const float h = static_cast<float>(info(window, 102));
    const float s = static_cast<float>(info(window, 4));
    const float b = static_cast<float>(info(window, 103));
    if (w <= 0 || h <= 0) return;  // no bitmap shown: nothing to measure against
    ux = g.unitsX1 + (px + s - g.areaX1 * w) * g.unitsWidth / (g.areaWidth * w);
    uy = g.unitsY1 + (py + (h - b) - g.areaY1 * h) * g.unitsHeight / (g.areaHeight * h);
}
