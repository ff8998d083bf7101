// postscript_writer.cpp - the PostScript driver's line writers (see postscript_writer.hpp).
#include "hardcopy/postscript_writer.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"

namespace {

constexpr std::size_t lineMax = 255;
constexpr double degreesPerRadian = 57.29578;

void writeLine(std::string_view line) {
    if (gravim.hardcopy.plotterLinePrefix == 1) yyprou(hardcopyUnit, " ", 1);
    yyprwl(hardcopyUnit, line);
}

void writeCollapsed(std::string_view record) { writeLine(yycollapse(record)); }

bool sameColour(const float (&a)[3], const float (&b)[3]) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

void colourLine(const float (&colour)[3]) { yypos3(colour[0], colour[1], colour[2], "g"); }

// Two numbers already scaled, then text; collapsed.
void yypos3pair(double a, double b, std::string_view text) {
    std::string record = yypsreal(a);
    record += yypsreal(b);
    record += ' ';
    record += text;
    writeCollapsed(record);
}

}  // namespace

std::string yyfixedpoint(double value, int width, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    // A negative value that rounds to zero is written as zero.
    const std::string_view text(buffer);
    if (text.find('-') != std::string_view::npos && text.find_first_of("123456789") == std::string_view::npos)
        std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, 0.0);
    return buffer;
}

std::string yypsreal(double value) {
    std::string text = yyfixedpoint(value, 9, 2);
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, ".00") == 0) text.back() = ' ';
    return text;
}

std::string yycollapse(std::string_view record) {
    std::string line;
    line.reserve(record.size());
    bool blank = false;
    for (char c : record) {
        if (c == ' ') {
            blank = !line.empty();
            continue;
        }
        if (blank) line.push_back(' ');
        blank = false;
        line.push_back(c);
    }
    return line;
}

void yypos3(double a, double b, double c, std::string_view text) {
    std::string record = yypsreal(a);
    record += yypsreal(b);
    record += yypsreal(c);
    record += ' ';
    record += text;
    writeCollapsed(record);
}

void yypos4(double x, double y, std::string_view text) {
    const GraphicsState& g = gravim.graphics;
    yypos3pair(x * g.HardcopyScaleX, y * g.HardcopyScaleY, text);
}

void yypos4a(double u, double v, std::string_view text) {
    const GraphicsState& g = gravim.graphics;
    yypos3pair(u * g.HardcopyScaleY, v * g.HardcopyScaleX, text);
}

void yypos5(double a, std::string_view text) {
    std::string record = yypsreal(a);
    record += ' ';
    record += text;
    writeCollapsed(record);
}

void yypos6(std::string_view text) { writeCollapsed(text.substr(0, std::min(text.size(), lineMax))); }

void yypos7(std::string_view text) { writeLine(text.substr(0, std::min(text.size(), lineMax))); }

void yypos2(int mode) {
    HardcopyState& h = gravim.hardcopy;
    if (h.postScriptPathLength == 0 && mode != 3) return;
    if (!sameColour(h.postScriptColourPending, h.postScriptColourWritten)) {
        colourLine(h.postScriptColourPending);
        std::copy(std::begin(h.postScriptColourPending), std::end(h.postScriptColourPending), h.postScriptColourWritten);
    }
    if (mode == 3) return;
    writeLine(mode == 1 ? "s" : "cf");
    h.postScriptPathLength = 0;
}

void yypos1(ModelColour colour, float& red, float& green, float& blue) {
    red = green = blue = 0.0f;
    if (colour.number != -1) {
        int r = 0, g = 0, b = 0;
        yymodelrgb(colour, r, g, b);
        red = static_cast<float>(r) * (1.0f / 255.0f);
        green = static_cast<float>(g) * (1.0f / 255.0f);
        blue = static_cast<float>(b) * (1.0f / 255.0f);
    }
    const int inversion = gravim.hardcopy.HardcopyOptions[6];
    const bool nearBlack = red < 0.04f && green < 0.04f && blue < 0.04f;
    const bool nearWhite = red > 0.96f && green > 0.96f && blue > 0.96f;
    if (inversion == 1 || (inversion == 2 && (nearBlack || nearWhite))) {
        red = 1.0f - red;
        green = 1.0f - green;
        blue = 1.0f - blue;
    }
}

void yypos0(int opcode) {
    GraphicsState& g = gravim.graphics;
    const HardcopyState& h = gravim.hardcopy;
    const int* const o = h.HardcopyOptions;
    g.pageDrawn = 1;
    const double width = o[1], height = o[2];
    double a = g.rotation == 90 || g.rotation == 270 ? width / (g.HardcopyAspect * height)
                                                     : g.HardcopyAspect * height / width;
    a = a * g.areaHeight / g.areaWidth;
    if (!std::isfinite(a) || a == 0.0) a = 1.0;  // a degenerate page or area draws unscaled
    writeCollapsed("gsave 1.0 " + yyfixedpoint(a, 8, 4) + " scale newpath");
    const bool openArc = opcode == OpOutlineArc && g.fillStyle == 0 && g.fillPattern[0] > 2;
    if (!openArc) yypos4(g.OperandX[1], g.OperandY[1] / a, "m");
    std::string arc = yypsreal(g.OperandX[1] * g.HardcopyScaleX);
    arc += yypsreal(g.OperandY[1] * g.HardcopyScaleY / a);
    arc += yypsreal(g.OperandX[2] * g.HardcopyScaleX);
    arc += yyfixedpoint(g.OperandX[3] * degreesPerRadian, 8, 1);
    arc += yyfixedpoint(g.OperandY[3] * degreesPerRadian, 8, 1);
    arc += " arc";
    writeCollapsed(arc);
    // Written inside the block only: grestore undoes it.
    if (!sameColour(h.postScriptColourPending, h.postScriptColourWritten)) colourLine(h.postScriptColourPending);
    if (opcode == OpArcPattern)
        writeLine("cf");
    else
        writeLine(openArc ? "s" : "cs");
    writeLine("grestore");
}

void yyrgbhex(int red, int green, int blue, char (&text)[6]) {
    static constexpr char digits[] = "0123456789abcdef";
    const int components[3] = {std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        text[2 * i] = digits[components[i] / 16];
        text[2 * i + 1] = digits[components[i] % 16];
    }
}
