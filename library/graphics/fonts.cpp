// fonts.cpp - character size, font choice and text direction of graphics text, and the
// stroke font slots with their standard advance widths.
#include <algorithm>
#include <cmath>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/fonts_internal.hpp"
#include "graphics/graphics.hpp"

namespace {

// Standard advance widths of codes 32..128, then of 161..255.
constexpr float WidthsLow[97] = {
    0.7f, 0.56f, 0.69f, 0.84f, 0.84f, 1.39f, 1.3f, 0.56f, 0.56f, 0.56f, 0.84f, 0.94f,
    0.42f, 0.56f, 0.42f, 0.47f, 0.84f, 0.84f, 0.84f, 0.84f, 0.84f, 0.84f, 0.84f, 0.84f,
    0.84f, 0.84f, 0.47f, 0.47f, 0.94f, 0.94f, 0.94f, 0.74f, 1.54f, 1.11f, 1.11f, 1.11f,
    1.2f, 1.02f, 0.93f, 1.2f, 1.05f, 0.56f, 0.65f, 1.2f, 0.98f, 1.3f, 1.2f, 1.2f,
    0.93f, 1.2f, 1.11f, 0.93f, 1.02f, 1.11f, 1.02f, 1.5f, 1.2f, 1.2f, 1.02f, 0.56f,
    0.47f, 0.56f, 0.78f, 0.84f, 0.56f, 0.74f, 0.84f, 0.74f, 0.84f, 0.74f, 0.56f, 0.84f,
    0.84f, 0.46f, 0.46f, 0.84f, 0.46f, 1.3f, 0.84f, 0.84f, 0.84f, 0.84f, 0.56f, 0.65f,
    0.5f, 0.84f, 0.84f, 1.2f, 0.84f, 0.84f, 0.74f, 0.8f, 0.33f, 0.8f, 0.9f, 0.74f,
    0.74f,
};
constexpr float WidthsHigh[95] = {
    0.55f, 0.83f, 0.83f, 0.83f, 0.83f, 0.33f, 0.83f, 0.55f, 1.27f, 0.46f, 0.83f, 0.94f,
    0.55f, 1.27f, 0.55f, 0.67f, 0.94f, 0.5f, 0.5f, 0.55f, 0.83f, 0.75f, 0.42f, 0.55f,
    0.5f, 0.52f, 0.83f, 1.25f, 1.25f, 1.25f, 0.74f, 1.2f, 1.2f, 1.2f, 1.2f, 1.2f,
    1.2f, 1.49f, 1.11f, 1.02f, 1.02f, 1.02f, 1.02f, 0.55f, 0.55f, 0.55f, 0.55f, 1.2f,
    1.2f, 1.2f, 1.2f, 1.2f, 1.2f, 1.2f, 0.94f, 1.2f, 1.2f, 1.2f, 1.2f, 1.2f,
    1.2f, 0.93f, 0.83f, 0.74f, 0.74f, 0.74f, 0.74f, 0.74f, 0.74f, 1.11f, 0.74f, 0.74f,
    0.74f, 0.74f, 0.74f, 0.46f, 0.46f, 0.46f, 0.46f, 0.83f, 0.83f, 0.83f, 0.83f, 0.83f,
    0.83f, 0.83f, 0.94f, 0.83f, 0.83f, 0.83f, 0.83f, 0.83f, 0.83f, 0.83f, 0.83f,
};

constexpr float DegreesToRadians = 0.0174533f;

// Surface aspect as the text sees it: sines are stretched by it so that text keeps its shape on
// a drawing area whose units are not square.
float textAspect() {
    const GraphicsState& g = gravim.graphics;
    const float w = static_cast<float>(g.surfaceWidth), h = static_cast<float>(g.surfaceHeight);
    const float s = g.rotation == 90 || g.rotation == 270 ? h / w : w / h;
    const float a = s * (g.rotatedClipHeight / g.rotatedClipWidth) * (g.areaWidth / g.areaHeight);
    return std::isfinite(a) && a != 0 ? a : 1.0f;
}

// a reduced into [0, 360).
float reduceDegrees(double a) {
    if (!std::isfinite(a)) return 0;
    double t = std::fmod(a, 360.0);
    if (t < 0) t += 360.0;
    return t >= 360.0 ? 0.0f : static_cast<float>(t);
}

bool inWidthTable(int code) { return (code >= 32 && code <= 128) || (code >= 161 && code <= 255); }

}  // namespace

float yystandardwidth(int code) {
    if (code >= 32 && code <= 128) return WidthsLow[code - 32];
    if (code >= 161 && code <= 255) return WidthsHigh[code - 161];
    return 0;
}

void yychsize(float width, float height) {
    GraphicsState& g = gravim.graphics;
    g.CharWidth = width > 0 ? width : 1.0f / 75;
    g.CharHeight = height > 0 ? height : 1.0f / 30;
    yychdfont();
}

void yychdfont() {
    GraphicsState& g = gravim.graphics;
    g.EffectiveFontNumber = g.FontNumber != 0 ? g.FontNumber : g.FontClass == 0 ? 1 : 2;
    yyhdrv(OpFont);
    if (g.screenActive == 0) {
        g.CharsAcross = g.rotatedMaxX / (g.rotatedClipWidth * g.CharWidth);
        g.CharsDown = g.rotatedMaxY / (g.rotatedClipHeight * g.CharHeight);
        return;
    }
    if (g.ScreenFontHold != 0) return;
    yygdrv(OpFont);
    if (g.FontNumber >= 101 && g.FontNumber <= 103) {
        if (g.ScreenCharWidth > 0) g.CharsAcross = g.rotatedMaxX / static_cast<float>(g.ScreenCharWidth);
        if (g.ScreenCharHeight > 0) g.CharsDown = g.rotatedMaxY / static_cast<float>(g.ScreenCharHeight);
    }
}

void yychrot(float angle) {
    GraphicsState& g = gravim.graphics;
    g.TextAngle = reduceDegrees(angle);
    g.DeviceTextAngle = reduceDegrees(static_cast<double>(g.TextAngle) + g.rotation);
    const float sine = std::sin(g.TextAngle * DegreesToRadians);
    const float deviceSine = std::sin(g.DeviceTextAngle * DegreesToRadians);
    g.TextCos = std::cos(g.TextAngle * DegreesToRadians);
    g.DeviceTextCos = std::cos(g.DeviceTextAngle * DegreesToRadians);
    const float a = textAspect();
    g.TextSinTimesAspect = sine * a;
    g.TextSinOverAspect = sine / a;
    g.DeviceTextSinTimesAspect = deviceSine * a;
    g.DeviceTextSinOverAspect = deviceSine / a;
    yygdrv(OpFontRotate);
    yyhdrv(OpFontRotate);
}

void yychspace(int code) {
    float* widths = gravim.graphics.CharacterWidths;
    if (code == 0) {
        for (int c = 0; c < 256; ++c)
            if (inWidthTable(c)) widths[c] = yystandardwidth(c);
        return;
    }
    if (!inWidthTable(code)) {
        yyerror(66, "YYCHSPACE");
        return;
    }
    widths[code] = yystandardwidth(code);
}

void yychsfont(float h1, float h2, float h3, float h4, int h5, int flags, int h6, int slot,
               std::string_view fileName, std::string_view glyphs, const int* start1, const int* start2) {
    StrokeFont& font = gravim.graphics.strokeFonts[slot == 1 ? 1 : 0];
    font.h1 = h1, font.h2 = h2, font.h3 = h3, font.h4 = h4;
    font.h5 = h5;
    font.flag2 = (flags & 2) != 0 ? 1 : 0;
    font.h6 = h6;
    std::copy(start1, start1 + (font.flag2 == 1 ? 96 : 95), font.start1);
    std::copy(start2, start2 + 96, font.start2);
    font.glyphs.assign(glyphs.substr(0, 17000));
    if (slot != 1) {
        font.flag1 = (flags & 1) != 0 ? 1 : 0;
        font.fileName.assign(fileName);
        font.cleared = 0;
    }
}

void WGrVFontStandard(std::optional<int> slot) {
    yychsfont(7.68f, 11.88f, 6.0f, 11.0f, 8, 3, 0, slot.value_or(0), "standard.chr", yystandardglyphs(),
              yystandardstarts1(), yystandardstarts2());
}
