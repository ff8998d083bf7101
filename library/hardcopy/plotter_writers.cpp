// plotter_writers.cpp - the HP-GL and HP-GL/2 line writers.
#include "hardcopy/plotter_writers.hpp"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <cmath>
#include <cstdint>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/number_fields.hpp"

namespace {

constexpr char escape = 27;

// The standard scaling after an annotation record in the same line.
constexpr std::string_view followingScaling = " ;SC0 32760 0 32760";
static_assert(followingScaling.substr(2) == standardScaling);

bool annotating() { return gravim.hardcopy.HardcopyOptions[18] != 0; }

void prefix() {
    if (gravim.hardcopy.plotterLinePrefix == 1) yyprou(hardcopyUnit, " ", 1);
}

void writeCompressed(std::string_view line) {
    std::string out(line.substr(0, 2));
    out.resize(2, ' ');
    bool gap = false, appended = false;
    for (std::size_t i = 2; i < line.size(); ++i) {
        if (line[i] == ' ') {
            gap = true;
            continue;
        }
        if (gap && appended) out += ' ';
        out += line[i];
        appended = true;
        gap = false;
    }
    prefix();
    yyprwl(hardcopyUnit, out);
}

// Writes what the compression makes of a line of head and number fields of any widths (each value
// right-justified, after a blank where it does not start the line's text after the mnemonic)
// followed by tail: head, the values in decimal one blank apart, tail. The most frequent lines
// (moves, annotation records) take this way, without building the plotter line.
void writeFields(std::string_view head, std::initializer_list<long long> values, std::string_view tail = {}) {
    char out[128];
    char* at = std::copy(head.begin(), head.end(), out);
    bool first = true;
    for (const long long value : values) {
        if (!first) *at++ = ' ';
        at = std::to_chars(at, out + sizeof out, value).ptr;
        first = false;
    }
    at = std::copy(tail.begin(), tail.end(), at);
    prefix();
    yyprwl(hardcopyUnit, out, static_cast<int>(at - out));
}

// A point in user units: the surface units times the scale, truncated.
long long userX(float x) { return truncated(x * gravim.graphics.HardcopyScaleX); }
long long userY(float y) { return truncated(y * gravim.graphics.HardcopyScaleY); }

std::string& line() { return gravim.hardcopy.plotterLine; }

// The scaling factor that makes a circle of the given axis ratio round on the page.
long long arcScale(double ratio) {
    const GraphicsState& g = gravim.graphics;
    const double width = g.areaWidth, height = g.areaHeight, aspect = g.HardcopyAspect;
    if (g.rotation == 0 || g.rotation == 180) return truncated(width * 32760.0 / (aspect * height * ratio));
    return truncated(aspect * width * 32760.0 * ratio / height);
}

// Writes the arc scaling "SC0 j 0 32760" or "SC0 32760 0 k" for k, and gives the factor by which
// the radius shrinks (32760 / k, or 1).
struct ArcScaling {
    long long j = 32760, k = 32760;
};
ArcScaling writeArcScaling(std::string_view scaling, long long k) {
    ArcScaling s;
    s.k = k;
    std::string text(scaling);
    text.resize(17, ' ');
    if (k > 32760) {
        s.j = 1073217600 / k;
        line() = text.substr(0, 4) + integerField(s.j, 5) + text.substr(9);
    } else {
        line() = text.substr(0, 12) + integerField(k, 5);
    }
    yyhpg7();
    return s;
}

void arc(int opcode, std::string_view scaling, bool hpgl2) {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    const bool open = g.fillStyle == 0 && g.fillPattern[0] > 2;
    if (hpgl2) g.pageDrawn = 1;
    if (opcode == OpArcPattern || !open) yyhpg1("PU", g.OperandX[1], g.OperandY[1]);
    if (hpgl2 && (g.fillStyle == 1 || g.fillStyle == 2)) {
        yyhpgcomment("4", separatedField(g.fillStyle, 2) + separatedField(g.fillPattern[0], 2) +
                              separatedField(g.fillPattern[1], 2) + separatedField(g.fillPass[0], 2));
    }
    const ArcScaling s = writeArcScaling(scaling, arcScale(1.0));
    const float radius = s.k > 32760 ? 32760.0f * g.OperandX[2] / static_cast<float>(s.k) : g.OperandX[2];
    const float centreX = s.k > 32760 ? static_cast<float>(s.j) * g.OperandX[1] * (1.0f / 32760.0f) : g.OperandX[1];
    const float centreY = s.k > 32760 ? g.OperandY[1] : static_cast<float>(s.k) * g.OperandY[1] / 32760.0f;
    if (!open) {
        line() = (opcode == OpArcPattern ? "WG" : "EW") + integerField(truncated(radius * g.HardcopyScaleX), 6) +
                 separatedFixed(g.OperandX[4], 7, 1) + separatedFixed(g.OperandY[4], 7, 1);
        yyhpg7();
        h.hardcopyLastX = g.OperandX[1];
        h.hardcopyLastY = g.OperandY[1];
    } else {
        const double r = radius * g.HardcopyScaleX, cx = centreX * g.HardcopyScaleX, cy = centreY * g.HardcopyScaleY;
        line() = "PU" + integerField(truncated(cx + r * std::cos(g.OperandX[3])), 6) +
                 separatedField(truncated(cy + r * std::sin(g.OperandX[3])), 6);
        yyhpg7();
        yyhpg3(hpgl2 ? "PD;" : "PD");
        line() = "AA" + integerField(truncated(cx), 6) + separatedField(truncated(cy), 6) + separatedFixed(g.OperandY[4], 7, 1);
        yyhpg7();
        h.hardcopyLastX = -9999.0f;
        h.hardcopyLastY = -9999.0f;
    }
    yyhpg3(scaling);
}

// One PE7 number: the sign in the low bit, base-32 digits, least significant first; 63..94 for
// a digit with more to come, 95..126 for the last.
void encode(std::string& out, long long d) {
    std::uint64_t v = d >= 0 ? 2 * static_cast<std::uint64_t>(d) : 2 * static_cast<std::uint64_t>(-d) + 1;
    while (v >= 32) {
        out += static_cast<char>(63 + v % 32);
        v /= 32;
    }
    out += static_cast<char>(95 + v);
}

// Vertices 2..count of the polygon lists after the pen is at vertex 1: pen-down moves (HP-GL) or,
// encoded, the relative moves of yyhpgl2a (HP-GL/2, whose count is OperandCount).
void vertexMoves(int count, bool encoded) {
    const GraphicsState& g = gravim.graphics;
    if (encoded) {
        yyhpgl2a();
        return;
    }
    for (int i = 2, n = yyvertexcount(count); i <= n; ++i)
        yyhpg1("PD", g.PolygonX[static_cast<std::size_t>(i)], g.PolygonY[static_cast<std::size_t>(i)]);
}

}  // namespace

void yyhpg7() { writeCompressed(line()); }

void yyhpg1(std::string_view mnemonic, float x, float y) {
    if (mnemonic.size() == 2) {  // the values follow the mnemonic without a blank
        writeFields(mnemonic, {userX(x), userY(y)});
        return;
    }
    line() = std::string(mnemonic) + integerField(userX(x), 6) + separatedField(userY(y), 6);
    yyhpg7();
}

void yyhpg2(std::string_view text) {
    if (gravim.hardcopy.plotterLinePrefix == 1) yyprou(hardcopyUnit, " LB", 3);
    else yyprou(hardcopyUnit, "LB", 2);
    yyprwl(hardcopyUnit, text);
}

void yyhpg3(std::string_view text) {
    line() = text;
    yyhpg7();
}

void yyhpg4(float x, float y) {
    if (annotating()) writeFields("SC-9 ", {userX(x), userY(y)}, " 0");
}

void yyhpg5(float a, float b) {
    if (!annotating()) return;
    line() = "SC-9 " + fixedField(a, 10, 4) + separatedFixed(b, 10, 4) + " 0";
    yyhpg7();
}

void yyhpg6(int code, int follow, long long u, long long v, long long w) {
    // The code's field is as wide as the code: its digits follow "SC-" directly.
    if (annotating()) writeFields("SC-", {code, u, v, w + 32760}, follow != 0 ? followingScaling : "");
}

void yyhpg0(int opcode, std::string_view scaling) { arc(opcode, scaling, false); }
void yyhpgl2e(int opcode, std::string_view scaling) { arc(opcode, scaling, true); }

void yyhpgellipse(bool polygonFill) {
    const GraphicsState& g = gravim.graphics;
    const ArcScaling s = writeArcScaling(standardScaling, arcScale(g.OperandX[3]));
    const float radius = s.k > 32760 ? 32760.0f * g.OperandX[2] / static_cast<float>(s.k) : g.OperandX[2];
    if (polygonFill) yyhpg3("PM0");
    line() = "CI" + integerField(truncated(radius * g.HardcopyScaleX), 6) + separatedField(0, 6);
    yyhpg7();
    if (polygonFill) yyhpg3("PM2;FP");
    yyhpglast(g.OperandX[1], g.OperandY[1]);
    yyhpg3(standardScaling);
}

void yyhpgl2a() {
    const GraphicsState& g = gravim.graphics;
    const int n = yyvertexcount(g.OperandCount);
    std::string buffer = "PE7", vertex;
    for (int i = 2; i <= n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        vertex.clear();
        encode(vertex, userX(g.PolygonX[at]) - userX(g.PolygonX[at - 1]));
        encode(vertex, userY(g.PolygonY[at]) - userY(g.PolygonY[at - 1]));
        // Flushed before an x value, and always before the line would reach 260 characters.
        if (buffer.size() > 246 || buffer.size() + vertex.size() > 256) {
            yyhpgl2b(buffer + ";");
            buffer = "PE7";
        }
        buffer += vertex;
    }
    yyhpgl2b(buffer + ";");
}

void yyhpgl2b(std::string_view text) {
    prefix();
    yyprwl(hardcopyUnit, text);
}

void yyhpgl2c(std::uint32_t pattern) {
    const std::uint32_t m = ~pattern;
    for (int half = 0; half < 2; ++half) {
        std::string values;
        for (int b = 0; b < 16; ++b) values += (m >> (16 * half + b) & 1u) != 0 ? "1," : "0,";
        if (half == 1) values.back() = ';';
        line() = values;
        yyhpg7();
    }
}

void yyhpgl2d(int pen, int red, int green, int blue) {
    yywin1(red, green, blue);
    line() = "PC" + integerField(pen, 4) + separatedField(red, 4) + separatedField(green, 4) + separatedField(blue, 4);
    yyhpg7();
}

void yyhpgmoveto(float x, float y) {
    const HardcopyState& h = gravim.hardcopy;
    if (x != h.hardcopyLastX || y != h.hardcopyLastY) yyhpg1("PU", x, y);
}

void yyhpglast(float x, float y) {
    gravim.hardcopy.hardcopyLastX = x;
    gravim.hardcopy.hardcopyLastY = y;
}

void yyhpgsegment(float x1, float y1, float x2, float y2) {
    yyhpgmoveto(x1, y1);
    yyhpg1("PD", x2, y2);
    yyhpglast(x2, y2);
}

void yyhpgpolyline(bool encoded) {
    const GraphicsState& g = gravim.graphics;
    const int n = yyvertexcount(g.OperandCount);
    if (n < 1) return;
    yyhpgmoveto(g.PolygonX[1], g.PolygonY[1]);
    vertexMoves(n, encoded);
    yyhpglast(g.PolygonX[static_cast<std::size_t>(n)], g.PolygonY[static_cast<std::size_t>(n)]);
}

void yyhpgpolygonfill(int count, bool encoded) {
    const GraphicsState& g = gravim.graphics;
    if (yyvertexcount(1) < 1) return;
    yyhpg1("PU", g.PolygonX[1], g.PolygonY[1]);
    yyhpg3("PM0");
    vertexMoves(count, encoded);
    yyhpg3("PM2;FP");
    yyhpglast(g.PolygonX[1], g.PolygonY[1]);
}

void yyhpgclip(float unitsPerPoint, long long p1x, long long p1y, long long p2x, long long p2y) {
    const GraphicsState& g = gravim.graphics;
    const int* const o = gravim.hardcopy.HardcopyOptions;
    yyhpg3("SC");
    const float fx = unitsPerPoint * static_cast<float>(o[1]) / g.surfaceMaxX;
    const float fy = unitsPerPoint * static_cast<float>(o[2]) / g.surfaceMaxY;
    const long long x1 = truncated(fx * g.clipX1) + p1x, y1 = truncated(fy * g.clipY1) + p1y;
    const long long x2 = std::min(truncated(fx * g.clipX2 + 0.99f) + p1x, p2x);
    const long long y2 = std::min(truncated(fy * g.clipY2 + 0.99f) + p1y, p2y);
    yyhpg3("IW" + integerField(x1, 7) + separatedField(y1, 7) + separatedField(x2, 7) + separatedField(y2, 7));
    yyhpg3(standardScaling);
}

void yyhpgdirection() {
    const GraphicsState& g = gravim.graphics;
    yyhpg3("DI" + fixedField(g.DeviceTextCos, 6, 3) + separatedFixed(g.DeviceTextSinTimesAspect, 6, 3));
}

void yyhpgtextsize(const float (&widths)[3], const float (&heights)[3], float q) {
    const GraphicsState& g = gravim.graphics;
    const int kind = std::clamp(g.FontClass, 0, 2);
    float w = g.CharWidth * widths[kind] * g.rotatedClipWidth * 100.0f / (q * g.rotatedMaxX);
    float h = g.CharHeight * heights[kind] * g.rotatedClipHeight * 100.0f / (2.0f * g.rotatedMaxY);
    if (g.rotation == 90 || g.rotation == 270) {
        w *= g.HardcopyAspect;
        h /= g.HardcopyAspect;
    }
    yyhpg3("SR" + fixedField(w, 8, 2) + separatedFixed(h, 8, 2));
}

void yyhpgcomment(std::string_view code, std::string_view values) {
    std::string text = "CO\"";  // built by appending: GCC 12 takes a prepending concatenation for an overlapping copy
    text.append(code).append(values).append("\";");
    yyhpg3(text);
}

std::string yyhpglabel(std::string_view text, char terminator) {
    std::string label;
    for (const char c : text)
        if (c != terminator && c != escape) label += c;
    label += terminator;
    return label;
}
