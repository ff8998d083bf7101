// dxf_driver.cpp - the DXF driver: an ASCII drawing file in inches with fixed line-type, text-
// style and layer tables and one ENTITIES section for every page; colours from a 16-entry
// table, eight bands, the nearest entry of the DXF palette, or as true colour.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/dxf_driver.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/number_fields.hpp"

namespace {

constexpr std::array<int, 256> palette = {
    0x000004, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF, 0xFFFFFF,
    0x4C4C4C, 0xA5A5A5, 0x0000FF, 0x7F7FFF, 0x0000A5, 0x5252A5, 0x00007F, 0x3F3F7F,
    0x00004C, 0x26264C, 0x000026, 0x131326, 0x003FFF, 0x7F9FFF, 0x0029A5, 0x5267A5,
    0x001F7F, 0x3F4F7F, 0x00134C, 0x262F4C, 0x000926, 0x131726, 0x007FFF, 0x7FBFFF,
    0x0052B9, 0x527CA5, 0x003F7F, 0x3F5F7F, 0x00264C, 0x26394C, 0x001326, 0x131C26,
    0x00BFFF, 0x7FDFFF, 0x007CA5, 0x5291A5, 0x005F7F, 0x3F6F7F, 0x00394C, 0x26424C,
    0x001C26, 0x132126, 0x00FFFF, 0x7FFFFF, 0x00A5A5, 0x52A5A5, 0x007F7F, 0x3F7F7F,
    0x004C4C, 0x264C4C, 0x002626, 0x132626, 0x00FFBF, 0x7FFFDF, 0x00A57C, 0x52A591,
    0x007F5F, 0x3F7F6F, 0x004C39, 0x264C42, 0x00261C, 0x132621, 0x00FF7F, 0x7FFFBF,
    0x48A552, 0x52A57C, 0x007F3F, 0x3F7F5F, 0x004C26, 0x264C39, 0x002613, 0x13261C,
    0x00FF3F, 0x7FFF9F, 0x00A529, 0x52A567, 0x007F1F, 0x3F7F4F, 0x004C13, 0x264C2F,
    0x002609, 0x132617, 0x00FF00, 0x7FFF7F, 0x00A500, 0x52A552, 0x007F00, 0x3F7F3F,
    0x004C00, 0x264C26, 0x002600, 0x132613, 0x3FFF00, 0x9FFF7F, 0x29A500, 0x67A552,
    0x1F7F00, 0x4F7F3F, 0x134C00, 0x2F4C26, 0x092600, 0x172613, 0x7FFF00, 0xBFFF7F,
    0x52A500, 0x7CA552, 0x3F7F00, 0x5F7F3F, 0x264C00, 0x394C26, 0x132600, 0x1C2613,
    0xBFFF00, 0xDFFF7F, 0x7CA500, 0x91A552, 0x5F7F00, 0x6F7F3F, 0x394C00, 0x424C26,
    0x1C2600, 0x212613, 0xFFFF00, 0xFFFF7F, 0xA5A500, 0xA5A552, 0x7F7F00, 0x7F7F3F,
    0x4C4C00, 0x4C4C26, 0x262600, 0x262613, 0xFFBF00, 0xFFDF7F, 0xA57C00, 0xA59152,
    0x7F5F00, 0x7F6F3F, 0x4C3900, 0x4C4226, 0x261C00, 0x262113, 0xFF7F00, 0xFFBF7F,
    0xA55200, 0xA57C52, 0x7F3F00, 0x7F5F3F, 0x4C2600, 0x4C3926, 0x261300, 0x261C13,
    0xFF3F00, 0xFF9F7F, 0xA52900, 0xA56752, 0x7F1F00, 0x7F4F3F, 0x4C1300, 0x4C2F26,
    0x260900, 0x261713, 0xFF0000, 0xFF7F7F, 0xA50000, 0xA55252, 0x7F0000, 0x7F3F3F,
    0x4C0000, 0x4C2626, 0x260000, 0x261313, 0xFF003F, 0xFF7F9F, 0xA50029, 0xA55267,
    0x7F001F, 0x7F3F4F, 0x4C0013, 0x4C262F, 0x260009, 0x261317, 0xFF007F, 0xFF7FBF,
    0xA50052, 0xA5527C, 0x7F003F, 0x7F3F5F, 0x4C0026, 0x4C2639, 0x260013, 0x26131C,
    0xFF00BF, 0xFF7FDF, 0xA5007C, 0xA55291, 0x7F005F, 0x7F3F6F, 0x4C0039, 0x4C2642,
    0x26001C, 0x261321, 0xFF00FF, 0xFF7FFF, 0xA500A5, 0xA552A5, 0x7F007F, 0x7F3F7F,
    0x4C004C, 0x4C264C, 0x260026, 0x261326, 0xBF00FF, 0xDF7FFF, 0x7C00A5, 0x9152A5,
    0x5F007F, 0x6F3F7F, 0x39004C, 0x42264C, 0x1C0026, 0x211326, 0x7F00FF, 0xBF7FFF,
    0x5200A5, 0x7C52A5, 0x3F007F, 0x5F3F7F, 0x26004C, 0x39264C, 0x130026, 0x1C1326,
    0x3F00FF, 0x9F7FFF, 0x2900A5, 0x6752A5, 0x1F007F, 0x4F3F7F, 0x13004C, 0x2F264C,
    0x090026, 0x171326, 0x545454, 0x767676, 0x989898, 0xBABABA, 0xDCDCDC, 0xFFFFFF,
};

struct LineTypeEntry {
    std::string_view name;
    std::string_view description;  // 46 characters
    std::string_view count, total;
    std::array<std::string_view, 6> elements;
};
constexpr LineTypeEntry lineTypes[8] = {
    {},
    {"DOT", "..............................................", "2", "0.25", {"0", "-0.25"}},
    {"DASHED", "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __  ", "2", "0.75", {"0.5", "-0.25"}},
    {"DASHDOT", "__ . __ . __ . __ . __ . __ . __ . __ . __ .  ", "4", "1", {"0.5", "-0.25", "0", "-0.25"}},
    {"DIVIDE", "__ . . __ . . __ . . __ . . __ . . __ . . __  ", "6", "1.25", {"0.5", "-0.25", "0", "-0.25", "0", "-0.25"}},
    {"CENTER", "____ _ ____ _ ____ _ ____ _ ____ _ ____ _ ____", "4", "2", {"1.25", "-0.25", "0.25", "-0.25"}},
    {"HIDDEN", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ ", "2", "0.25", {"0.12", "-0.12"}},
    {"PHANTOM", "____ _ _ ____ _ _ ____ _ _ ____ _ _ ____ _ _ _", "6", "2.5", {"1.25", "-0.25", "0.25", "-0.25", "0.25", "-0.25"}},
};

// The colour every entity header writes, and the nearest-colour search's one-entry cache.
struct DriverState {
    int entityColour = 7;
    int lastMatchedRgb = -1, lastMatchedNumber = 7;
};
DriverState driver;

int* options() { return gravim.hardcopy.HardcopyOptions; }

void line(std::string_view text) { yyprwl(hardcopyUnit, text); }

}  // namespace

void yyresetdxfdriver() { driver = DriverState{}; }

void yydxf3(std::string_view code, std::string_view text) {
    line(code);
    line(text);
}

void yydxf4(std::string_view code, double value) {
    std::string text = fixedField(value, 15, 6);
    text.erase(0, text.find_first_not_of(' '));
    while (text.size() > 1 && text.back() == '0') text.pop_back();
    yydxf3(code, text);
}

void yydxf5(std::string_view code, long long value) { yydxf3(code, std::to_string(value)); }

void yydxf2(std::string_view xCode, std::string_view yCode, float x, float y) {
    const GraphicsState& g = gravim.graphics;
    yydxf4(xCode, static_cast<double>(x * g.HardcopyScaleX));
    yydxf4(yCode, static_cast<double>(y * g.HardcopyScaleY));
}

void yydxf1(std::string_view name) {
    yydxf3("0", name);
    yydxf3("8", "1");
    yydxf5(options()[23] == 24 ? "420" : "62", driver.entityColour);
}

int yydxfpal(int n) { return n >= 0 && n <= 255 ? palette[static_cast<std::size_t>(n)] : 0; }

int yydxfcol(int rgb) {
    const auto point = [](int colour, float (&p)[3]) {
        float h = 0, s = 0, v = 0;
        yyrgbhsv(colour, h, s, v);
        p[0] = s * v * std::cos(h);
        p[1] = s * v * std::sin(h);
        p[2] = v;
    };
    float target[3];
    point(rgb, target);
    float best = 9999999.0f;
    int result = 1;
    for (int n = 1; n <= 255; ++n) {
        const int entry = yydxfpal(n);
        if (entry == rgb) return n;
        float p[3];
        point(entry, p);
        const float d = (p[0] - target[0]) * (p[0] - target[0]) + (p[1] - target[1]) * (p[1] - target[1]) + (p[2] - target[2]) * (p[2] - target[2]);
        if (d < best) {
            best = d;
            result = n;
        }
    }
    return result;
}

namespace {

void initialise() {
    if (yyhardcopyquery(8)) return;
    HardcopyState& h = gravim.hardcopy;
    GraphicsState& g = gravim.graphics;
    int* const o = options();
    o[1] = 756;
    o[2] = 540;
    o[3] = o[4] = o[5] = 0;
    o[12] = 80;
    o[23] = 8;
    h.hardcopyResolutionX = h.hardcopyResolutionY = 90;
    g.hardcopyColours = 255;
    h.hardcopyPaletteSize = 255;
    yyhardcopydevice({8, 360, 2, 1, 0, 1, 0, 0}, 0.222f);
    g.hardcopyDevice.DeviceCapabilityMask.assign("00000100000011000010000000010");
    yyhardcopyinitialised(8, 0, "gravplot.dxf");
}

void tables() {
    yydxf3("0", "SECTION");
    yydxf3("2", "TABLES");
    yydxf3("0", "TABLE");
    yydxf3("2", "LTYPE");
    yydxf3("70", "9");
    for (int t = 1; t <= 7; ++t) {
        const LineTypeEntry& e = lineTypes[t];
        yydxf3("0", "LTYPE");
        yydxf3("2", e.name);
        yydxf3("70", "0");
        yydxf3("3", e.description);
        yydxf3("72", "65");
        yydxf3("73", e.count);
        yydxf3("40", e.total);
        for (const std::string_view element : e.elements)
            if (!element.empty()) yydxf3("49", element);
    }
    yydxf3("0", "ENDTAB");
    for (const auto& [code, value] : std::initializer_list<std::pair<std::string_view, std::string_view>>{
             {"0", "TABLE"}, {"2", "STYLE"}, {"70", "1"}, {"0", "STYLE"}, {"2", "STANDARD"}, {"70", "0"}, {"40", "0"},
             {"41", "1"}, {"50", "0"}, {"71", "0"}, {"42", "0"}, {"3", "txt"}, {"0", "ENDTAB"}})
        yydxf3(code, value);
    yydxf3("0", "TABLE");
    yydxf3("2", "LAYER");
    yydxf3("70", "9");
    for (int k = 1; k <= 9; ++k) {
        yydxf3("0", "LAYER");
        yydxf3("2", std::to_string(k));
        yydxf3("70", "0");
        yydxf3("62", "7");
        yydxf3("6", "CONTINUOUS");
    }
    yydxf3("0", "ENDTAB");
    yydxf3("0", "ENDSEC");
}

void open() {
    GraphicsState& g = gravim.graphics;
    const int* const o = options();
    g.HardcopyScaleX = static_cast<float>(o[1]) / (g.surfaceMaxX * 72.0f);
    g.HardcopyScaleY = static_cast<float>(o[2]) / (72.0f * g.surfaceMaxY);
    if (g.OperandValue <= 0) return;
    if (!yyhardcopyopenfile()) return;
    if (o[23] >= 8) {
        g.hardcopyColours = 255;
        g.hardcopyDevice.TrueColourDevice = 1;
    } else {
        g.hardcopyColours = o[23] == 4 ? 14 : 7;
        g.hardcopyDevice.TrueColourDevice = 0;
    }
    const double width = o[1] / 72.0, height = o[2] / 72.0;
    yydxf3("0", "SECTION");
    yydxf3("2", "HEADER");
    yydxf3("9", "$EXTMIN");
    yydxf3("10", "0.0");
    yydxf3("20", "0.0");
    yydxf3("9", "$EXTMAX");
    yydxf4("10", width);
    yydxf4("20", height);
    yydxf3("9", "$CECOLOR");
    yydxf3("62", "7");
    yydxf3("9", "$CELTYPE");
    yydxf3("6", "DASHDOT");
    yydxf3("9", "$VIEWCTR");
    yydxf4("10", 0.5 * width);
    yydxf4("20", 0.5 * height);
    yydxf3("9", "$LIMMIN");
    yydxf3("10", "0.0");
    yydxf3("20", "0.0");
    yydxf3("9", "$LIMMAX");
    yydxf4("10", width);
    yydxf4("20", height);
    yydxf3("0", "ENDSEC");
    tables();
    yydxf3("0", "SECTION");
    yydxf3("2", "ENTITIES");
    driver.lastMatchedRgb = -1;
}

void colour() {
    const GraphicsState& g = gravim.graphics;
    const int c = g.colourState[1][1];
    const int mode = options()[23];
    if (mode == 4) {
        driver.entityColour = std::array{8, 1, 9, 2, 2, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15, 8}[static_cast<std::size_t>(std::clamp(c, 0, 255) / 16)];
        return;
    }
    if (mode == 8 || mode == 24) {
        int rgb = g.colourState[2][1];
        if (g.colourModel == 1) yypalg(std::clamp(c, 0, 255), rgb);
        if (mode == 24) {
            int r = 0, gr = 0, b = 0;
            WRGBSplit(rgb, &r, &gr, &b);
            driver.entityColour = r * 65536 + gr * 256 + b;
        } else if (rgb == driver.lastMatchedRgb) {
            driver.entityColour = driver.lastMatchedNumber;
        } else {
            driver.entityColour = yydxfcol(rgb);
            driver.lastMatchedRgb = rgb;
            driver.lastMatchedNumber = driver.entityColour;
        }
        return;
    }
    const int band = ((std::max(c, 0) + 16) / 32) % 8;
    driver.entityColour = band == 0 ? 7 : band;
}

void thickness() { yydxf4("39", options()[9] / 720.0); }

void lineTypeGroup() {
    const int t = gravim.graphics.lineType;
    if (t >= 1 && t <= 7) yydxf3("6", lineTypes[t].name);
}

bool squareArea() {
    const GraphicsState& g = gravim.graphics;
    return g.areaX2 - g.areaX1 == g.areaY2 - g.areaY1;
}

// A SOLID of four corners in its own order (the third and fourth across from the first two).
void solid(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    yydxf1("SOLID");
    yydxf2("10", "20", x1, y1);
    yydxf2("11", "21", x2, y2);
    yydxf2("12", "22", x3, y3);
    yydxf2("13", "23", x4, y4);
}

void fill(int opcode) {
    GraphicsState& g = gravim.graphics;
    const int* const o = options();
    if (g.OperandValue == -1) return;
    if (g.fillStyle == 3 || opcode == OpEllipsePattern || opcode == OpArcPattern || opcode == OpPolygonPattern) {
        g.fillPass[2] = 2;
        g.FillLineSpacing = 0.01f * static_cast<float>(o[12]) * g.surfaceMaxY / static_cast<float>(std::max(o[2], 1));
        if (g.fillStyle == 3) {
            g.FillLineSpacing *= 2;
        } else if (g.fillStyle < 3 && opcode == OpEllipsePattern && g.OperandX[3] == 1.0f && squareArea()) {
            g.pageDrawn = 1;
            yydxf1("CIRCLE");
            thickness();
            yydxf2("10", "20", g.OperandX[1], g.OperandY[1]);
            yydxf4("40", static_cast<double>(g.OperandX[2] * g.HardcopyScaleX));
        }
        return;
    }
    if (g.fillStyle != 4) return;
    const auto& x = g.PolygonX;
    const auto& y = g.PolygonY;
    g.pageDrawn = 1;
    switch (opcode) {
    case OpQuadPattern:
        if (yyvertexcount(4) < 4) return;
        solid(x[1], y[1], x[2], y[2], x[4], y[4], x[3], y[3]);
        break;
    case OpRectanglePattern: {
        const float xa = std::max(g.OperandX[1], g.clipX1), ya = std::max(g.OperandY[1], g.clipY1);
        const float xb = std::min(g.OperandX[2], g.clipX2), yb = std::min(g.OperandY[2], g.clipY2);
        solid(xa, ya, xa, yb, xb, ya, xb, yb);
        break;
    }
    case OpTrianglePattern:
        if (yyvertexcount(3) < 3) return;
        solid(x[1], y[1], x[2], y[2], x[3], y[3], x[3], y[3]);
        break;
    default: break;
    }
}

void text() {
    GraphicsState& g = gravim.graphics;
    const int* const o = options();
    g.pageDrawn = 1;
    const int n = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(g.OperandText.size()));
    yydxf1("TEXT");
    float w = 0, h = 0;
    if (g.rotation == 0 || g.rotation == 180) {
        w = g.CharWidth * static_cast<float>(o[1]) * g.rotatedClipWidth / (g.surfaceMaxX * 72.0f);
        h = g.CharHeight * static_cast<float>(o[2]) * g.rotatedClipHeight / (g.surfaceMaxY * 72.0f);
    } else {
        w = g.CharWidth * static_cast<float>(o[2]) * g.rotatedClipWidth / (g.surfaceMaxY * 72.0f);
        h = g.CharHeight * static_cast<float>(o[1]) * g.rotatedClipHeight / (g.surfaceMaxX * 72.0f);
    }
    static constexpr float heightFactors[3] = {0.78f, 0.63f, 0.63f};
    yydxf4("40", static_cast<double>(h * heightFactors[std::clamp(g.FontClass, 0, 2)]));
    yydxf4("41", static_cast<double>(w * g.HardcopyAspect / h));
    yydxf5("50", truncated(g.DeviceTextAngle));
    // Control characters would break the group structure (a line end inside a value): blanks.
    std::string value(g.OperandText.data(), static_cast<std::size_t>(n));
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    yydxf3("1", value);
    yydxf3("7", "STANDARD");
    const float x0 = g.OperandX[1], y0 = g.OperandY[1];
    if (g.FontBoxOff == 0) {
        yydxf3("72", "0");
        yydxf2("10", "20", x0, y0);
    } else {
        yydxf3("72", "1");
        yydxf2("10", "20", x0, y0);
        yydxf2("11", "21", x0 + 0.5f * g.OperandX[2] * g.DeviceTextCos, y0 + 0.5f * g.OperandX[2] * g.DeviceTextSinOverAspect);
    }
}

void polyline() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    yydxf1("POLYLINE");
    lineTypeGroup();
    thickness();
    yydxf3("66", "1");
    yydxf3("70", "0");
    const int n = yyvertexcount(g.OperandCount);
    for (std::size_t i = 1; static_cast<int>(i) <= n; ++i) {
        yydxf3("0", "VERTEX");
        yydxf3("8", "1");
        yydxf2("10", "20", g.PolygonX[i], g.PolygonY[i]);
    }
    yydxf3("0", "SEQEND");
}

void arc() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    if (!squareArea()) return;
    yydxf1("ARC");
    lineTypeGroup();
    thickness();
    yydxf2("10", "20", g.OperandX[1], g.OperandY[1]);
    yydxf4("40", static_cast<double>(g.OperandX[2] * g.HardcopyScaleX));
    const float start = g.OperandX[4], end = g.OperandX[4] + g.OperandY[4];
    yydxf4("50", static_cast<double>(std::min(start, end)));
    yydxf4("51", static_cast<double>(std::max(start, end)));
}

}  // namespace

void xxdxf(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine:
        g.pageDrawn = 1;
        yydxf1("LINE");
        if (g.fillPass[2] == 0) lineTypeGroup();
        thickness();
        yydxf2("10", "20", g.OperandX[1], g.OperandY[1]);
        yydxf2("11", "21", g.OperandX[2], g.OperandY[2]);
        break;
    case OpColour: colour(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: fill(opcode); break;
    case OpOpen: open(); break;
    case OpClose:
        yydxf3("0", "ENDSEC");
        yydxf3("0", "EOF");
        yyprcl(hardcopyUnit);
        break;
    case OpPage: g.pageDrawn = 0; break;
    case OpText: text(); break;
    case OpPoint:
        g.pageDrawn = 1;
        yydxf1("POINT");
        yydxf2("10", "20", g.OperandX[1], g.OperandY[1]);
        break;
    case OpPolyline: polyline(); break;
    case OpOutlineArc: arc(); break;
    default: break;
    }
}
