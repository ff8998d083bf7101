// svg_driver.cpp - the SVG driver: one element per line; stroke styles in groups, each filled
// shape in a group of its own with the clip path in force, texts in groups when asked for.
#include "hardcopy/svg_driver.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/postscript_writer.hpp"

namespace {

constexpr std::size_t lineColumns = 256;

// What the driver remembers from open to close.
struct SvgState {
    std::array<int, 7> groupStyle{-1, -1, -1, -1, -1, -1, -1};  // red, green, blue, width, type, join, cap
    std::string strokeColour = "000000";
    bool clipInForce = false;
    int clipNumber = 0;
    // Groups open in the file, and of them the fill and text groups, so that every "</g>"
    // closes a group the file opened.
    int openGroups = 0;
    int fillGroups = 0;
    int textGroups = 0;
};
SvgState svg;

int* options() { return gravim.hardcopy.HardcopyOptions; }

void line(std::string_view text) { yyprwl(hardcopyUnit, text); }

void openGroup(std::string_view text) {
    line(text);
    ++svg.openGroups;
}

void closeGroup() {
    if (svg.openGroups == 0) return;
    line("</g>");
    --svg.openGroups;
}

// Option 6's inversion of 0..255 components.
void invert(std::array<int, 3>& rgb) { yywin1(rgb[0], rgb[1], rgb[2]); }

// The previous (column 0) or current (column 1) colour's components.
std::array<int, 3> components(int column) {
    std::array<int, 3> rgb{};
    yymodelrgb(yymodelcolour(column), rgb[0], rgb[1], rgb[2]);
    return rgb;
}

std::string hex(const std::array<int, 3>& rgb) {
    char text[6];
    yyrgbhex(rgb[0], rgb[1], rgb[2], text);
    return std::string(text, 6);
}

std::string pointX(double x) { return yysvg1(x * gravim.graphics.HardcopyScaleX); }
std::string pointY(double y) {
    const GraphicsState& g = gravim.graphics;
    return yysvg1((g.surfaceMaxY - y) * g.HardcopyScaleY);
}
std::string point(double x, double y) { return pointX(x) + "," + pointY(y); }

void initialise() {
    if (yyhardcopyquery(3)) return;
    int* const o = options();
    o[1] = 640;
    o[2] = 480;
    o[3] = o[4] = o[5] = 0;
    yyvectordevice(72, {8, 360, 2, 1, 0, 1, 0, 0}, "00000111111111100010011011110");
    yyhardcopyinitialised(3, 0, "gravplot.svg");
}

void open() {
    GraphicsState& g = gravim.graphics;
    yypagescales();
    if (g.OperandValue <= 0) return;
    if (!yyhardcopyopenfile()) return;
    line("<?xml version=\"1.0\"?>");
    line("<!DOCTYPE svg SYSTEM \"\">");
    line("<svg width=\"" + std::to_string(options()[1]) + "\" height=\"" + std::to_string(options()[2]) +
         "\" xmlns=\"http://www.w3.org/2000/svg\">");
    const std::string strokeColour = svg.strokeColour;
    svg = SvgState{};
    svg.strokeColour = strokeColour;
}

void close() {
    std::string text;
    for (; svg.openGroups > 0; --svg.openGroups) text += "</g>";
    line(text + "</svg>");
    yyprcl(hardcopyUnit);
}

void strokeStyle() {
    const GraphicsState& g = gravim.graphics;
    std::array<int, 3> rgb = components(1);
    const int width = std::max(static_cast<int>(options()[9] * 150.0 / 720.0 + 0.5), 1);
    invert(rgb);
    const int type = std::clamp(g.lineType, 0, 7), join = std::clamp(options()[10], 0, 2), cap = std::clamp(options()[11], 0, 2);
    const std::array<int, 7> style{rgb[0], rgb[1], rgb[2], width, type, join, cap};
    if (style == svg.groupStyle) return;
    static const char* const dashes[8] = {"none", "1 5", "6 6", "1 3 4 4", "1 2 1 2 4 2", "5 2 3 2", "3 3", "5 2 3 2 3 2"};
    static const char* const joins[3] = {"miter", "round", "bevel"};
    static const char* const caps[3] = {"butt", "round", "square"};
    svg.strokeColour = hex(rgb);
    if (svg.groupStyle[0] != -1) closeGroup();
    openGroup("<g style=\"fill:none;stroke:#" + svg.strokeColour + ";stroke-dasharray:" + dashes[type] +
              ";stroke-width:" + std::to_string(width) + ";stroke-linejoin:" + joins[join] +
              ";stroke-linecap:" + caps[cap] + "\">");
    svg.groupStyle = style;
}

// A polyline or polygon element over lines of at most 256 columns, vertices separated by one
// blank; a line that is full goes out and the vertices go on at the start of the next.
void pointsElement(const char* element) {
    const GraphicsState& g = gravim.graphics;
    const int n = yyvertexcount(g.OperandCount);
    std::string text = std::string("<") + element + " points=\"";
    bool first = true;
    for (int i = 1; i <= n; ++i) {
        const std::string vertex = point(g.PolygonX[static_cast<std::size_t>(i)], g.PolygonY[static_cast<std::size_t>(i)]);
        const std::size_t separator = first ? 0 : 1;
        if (!first && text.size() + separator + vertex.size() > lineColumns) {
            line(text);
            text.clear();
        } else if (!first) {
            text += ' ';
        }
        text += vertex;
        first = false;
    }
    if (text.size() + 3 > lineColumns) {
        line(text);
        text.clear();
    }
    line(text + "\"/>");
}

void fillGroup() {
    const GraphicsState& g = gravim.graphics;
    std::array<int, 3> rgb = components(1);
    if (g.fillStyle == 3) {
        const std::array<int, 3> previous = components(0);
        for (std::size_t i = 0; i < 3; ++i) rgb[i] = (rgb[i] + previous[i]) / 2;
    }
    invert(rgb);
    std::string text = "<g style=\"stroke:none;fill:#" + hex(rgb);
    if (svg.clipInForce) text += ";clip-path:url(#clip" + std::to_string(svg.clipNumber) + ")";
    openGroup(text + "\">");
    ++svg.fillGroups;
}

void ellipse() {
    const GraphicsState& g = gravim.graphics;
    line("<ellipse cx=\"" + pointX(g.OperandX[1]) + "\" cy=\"" + pointY(g.OperandY[1]) + "\" rx=\"" +
         yysvg1(g.OperandX[2] * g.HardcopyScaleX) + "\" ry=\"" + yysvg1(g.OperandY[2] * g.HardcopyScaleY) + "\"/>");
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    if (g.OperandValue == -1) {
        if (g.fillStyle > 2 && svg.fillGroups > 0) {
            closeGroup();
            --svg.fillGroups;
        }
        return;
    }
    g.pageDrawn = 1;
    if (g.fillStyle <= 2) {
        if (opcode == OpEllipsePattern) ellipse();
        return;
    }
    fillGroup();
    switch (opcode) {
    case OpEllipsePattern: ellipse(); break;
    case OpRectanglePattern: {
        const std::string x1 = pointX(g.OperandX[1]), y1 = pointY(g.OperandY[1]);
        const std::string x2 = pointX(g.OperandX[2]), y2 = pointY(g.OperandY[2]);
        line("<polygon points=\"" + x1 + "," + y1 + " " + x2 + "," + y1 + " " + x2 + "," + y2 + " " + x1 + "," + y2 + "\"/>");
        break;
    }
    case OpArcPattern: yysvg2(opcode); break;
    default: pointsElement("polygon"); break;
    }
}

void clip() {
    const GraphicsState& g = gravim.graphics;
    svg.clipInForce = g.areaX1 > 0 || g.areaY1 > 0 || g.areaX2 < 1 || g.areaY2 < 1;
    if (!svg.clipInForce) return;
    ++svg.clipNumber;
    line("<defs><clipPath id=\"clip" + std::to_string(svg.clipNumber) + "\"><rect width=\"" +
         yysvg1((g.clipX2 - g.clipX1) * g.HardcopyScaleX) + "\" height=\"" + yysvg1((g.clipY2 - g.clipY1) * g.HardcopyScaleY) +
         "\" x=\"" + pointX(g.clipX1) + "\" y=\"" + pointY(g.clipY2) + "\"/></clipPath></defs>");
}

// Windows-1252 characters 128..159 as Unicode code points (the five unassigned keep their code).
constexpr int windows1252[32] = {8364, 129,  8218, 402,  8222, 8230, 8224, 8225, 710,  8240, 352,
                                 8249, 338,  141,  381,  143,  144,  8216, 8217, 8220, 8221, 8226,
                                 8211, 8212, 732,  8482, 353,  8250, 339,  157,  382,  376};

// The text as element content: & and < and every code from 128 as character references, control
// characters other than tab dropped, so that the file stays well-formed XML.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const int code = static_cast<unsigned char>(c);
        if (c == '&')
            out += "&#38;";
        else if (c == '<')
            out += "&#60;";
        else if (code >= 128)
            out += "&#" + std::to_string(code < 160 ? windows1252[code - 128] : code) + ";";
        else if (code >= 32 || c == '\t')
            out += c;
    }
    return out;
}

void text() {
    GraphicsState& g = gravim.graphics;
    const int flags = g.OperandPixelX[2];
    if ((flags & 1) != 0) {
        static const char* const families[5] = {"", "'Courier New',Courier;", "Arial,Helvetica;",
                                                "'Times New Roman','Times Roman';", "Symbol;"};
        const int family = g.EffectiveFontNumber;
        std::string group = "<g style=\"fill:#" + svg.strokeColour + ";stroke:none;font-family:";
        if (family >= 1 && family <= 4) group += families[family];
        if (family != 4) {
            if ((g.FontStyle & 1) != 0) group += "font-weight:bold;";
            if ((g.FontStyle & 2) != 0) group += "font-style:italic;";
        }
        if (g.FontClass != 1 && g.TextJustification == 1) group += "text-anchor:middle;";
        if (g.FontClass != 1 && g.TextJustification == 2) group += "text-anchor:end;";
        static const double k[3] = {1.65, 1.33, 1.72};
        const double size = g.CharWidth * k[std::clamp(g.FontClass, 0, 2)] * g.rotatedClipWidth * g.HardcopyTextScaleX;
        openGroup(group + "font-size:" + yysvg1(size) + "\">");
        ++svg.textGroups;
    }
    float x = g.OperandX[1], y = g.OperandY[1];
    if (g.FontClass != 1 && g.TextJustification == 1) {
        x = (g.OperandX[1] + g.OperandX[3]) * 0.5f;
        y = (g.OperandY[1] + g.OperandY[3]) * 0.5f;
    } else if (g.FontClass != 1 && g.TextJustification == 2) {
        x = g.OperandX[3];
        y = g.OperandY[3];
    }
    const int length = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(g.OperandText.view().size()));
    std::string element = "<text transform=\"translate(" + point(x, y) + ")";
    if (g.DeviceTextAngle != 0) element += "rotate(" + yysvg1(-g.DeviceTextAngle) + ")";
    line(element + "\">" + escaped(g.OperandText.view().substr(0, static_cast<std::size_t>(length))) + "</text>");
    if ((flags & 2) != 0 && svg.textGroups > 0) {
        closeGroup();
        --svg.textGroups;
    }
}

}  // namespace

void yyresetsvgdriver() { svg = SvgState{}; }

std::string yysvg1(double value) {
    std::string text = yyfixedpoint(value, 1, 2);
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, ".00") == 0)
        text.resize(text.size() - 3);
    else if (text.back() == '0')
        text.pop_back();
    return text;
}

void yysvg2(int opcode) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const double cx = g.OperandX[1], cy = g.OperandY[1], rx = g.OperandX[2], ry = g.OperandY[2];
    const double a = g.OperandX[3], b = g.OperandY[3];
    const std::string start = point(cx + rx * std::cos(a), cy + ry * std::sin(a));
    const std::string end = point(cx + rx * std::cos(b), cy + ry * std::sin(b));
    const char* const large = b - a >= std::numbers::pi ? "1" : "0";
    std::string d = "M " + start + " A " + yysvg1(rx * g.HardcopyScaleX) + "," + yysvg1(ry * g.HardcopyScaleY) + " 0 " +
                    large + " 0 " + end;
    const bool openArc = opcode == OpOutlineArc && g.fillStyle == 0 && g.fillPattern[0] > 2;
    if (!openArc) d += " L " + point(cx, cy) + " L " + start;
    line("<path d=\"" + d + "\"/>");
}

void xxsvg(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpOpen: open(); break;
    case OpClose: close(); break;
    case OpColour:
    case OpLineType:
    case OpLineWidth:
    case OpLineJoin:
    case OpLineCap: strokeStyle(); break;
    case OpLine:
        g.pageDrawn = 1;
        line("<line x1=\"" + pointX(g.OperandX[1]) + "\" y1=\"" + pointY(g.OperandY[1]) + "\" x2=\"" + pointX(g.OperandX[2]) +
             "\" y2=\"" + pointY(g.OperandY[2]) + "\"/>");
        break;
    case OpPoint: {
        g.pageDrawn = 1;
        const std::string x = pointX(g.OperandX[1]), y = pointY(g.OperandY[1]);
        line("<line x1=\"" + x + "\" y1=\"" + y + "\" x2=\"" + x + "\" y2=\"" + y + "\" />");
        break;
    }
    case OpPolyline:
        g.pageDrawn = 1;
        pointsElement("polyline");
        break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: filledShape(opcode); break;
    case OpOutlineArc: yysvg2(opcode); break;
    case OpClip: clip(); break;
    case OpText: text(); break;
    default: break;
    }
}
