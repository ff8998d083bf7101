// postscript_driver.cpp - the PostScript and EPS driver: a prolog of short procedures and
// re-encoded fonts, then lazily built paths stroked or filled when something forces them, the
// colour written only before the stroke or fill that needs it.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/postscript_driver.hpp"
#include "hardcopy/postscript_writer.hpp"

namespace {

// What the driver remembers from open to close.
struct PostScriptDriverState {
    bool fontPending = true;
    int lineTypeWritten = 0;
    int lineWidthWritten = 0;
    int page = 1;
    ModelColour lineColour;  // kept with its model: a fill's end call converts it later
};
PostScriptDriverState ps;

// The column a text string line may reach before its closing parenthesis.
constexpr std::size_t stringColumns = 250;

int* options() { return gravim.hardcopy.HardcopyOptions; }
bool eps() { return options()[22] != 0; }

void stroke() { yypos2(1); }

std::array<float, 3> converted(ModelColour colour) {
    std::array<float, 3> rgb{};
    yypos1(colour, rgb[0], rgb[1], rgb[2]);
    return rgb;
}

void setPending(const std::array<float, 3>& colour) {
    std::copy(colour.begin(), colour.end(), gravim.hardcopy.postScriptColourPending);
}

void initialise() {
    if (yyhardcopyquery(2)) return;
    int* const o = options();
    o[1] = 756;
    o[2] = 540;
    o[3] = 42;
    o[4] = -20;
    o[5] = 1;
    o[15] = 1;
    o[16] = 255;
    o[22] = 0;
    yyvectordevice(600, {8, 360, 2, 1, 0, 1, 0, 0}, "00000111111111100010011011110");
    yyhardcopyinitialised(2, 1, "gravplot.ps");
}

// The title comment: blank runs collapse, and control characters become blanks so that a line
// break cannot end the comment and leave the rest of the title to run as code.
void titleLine() {
    std::string title(gravim.hardcopy.hardcopyTitle.trimmed());
    for (char& c : title)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    yypos6("%%Title: " + title);
}

void header() {
    const int* const o = options();
    const GraphicsState& g = gravim.graphics;
    yypos6(eps() ? "%!PS-Adobe-3.0 EPSF-3.0" : "%!PS-Adobe-3.0");
    if (eps()) {
        const int width = o[5] != 0 ? o[2] : o[1], height = o[5] != 0 ? o[1] : o[2];
        yypos6("%%BoundingBox: 0 0 " + std::to_string(width) + " " + std::to_string(height));
    }
    if (g.OperandPixelX[1] != 0) titleLine();
    yypos6("%%Creator: K.B.N. PostScript driver");
    yypos6("%%EndComments");
    yypos6("/l {lineto} def/m {moveto} def/g {setrgbcolor} def/w {setlinewidth} def");
    yypos6("/d {setdash} def/cf {closepath fill} def/s {stroke} def/ff {findfont} def");
    yypos6("/ms {makefont setfont} def/ro {rotate} def/cs {closepath stroke} def");
    yypos6("/lsh {show} def/rsh {dup stringwidth pop 0 exch sub 0 rmoveto show} def");
    yypos6("/csh {dup stringwidth pop 2 div 0 exch sub 0 rmoveto show} def");
    yypos6("%%EndProlog");
    static const char* const families[3] = {"Courier", "Helvetica", "Times"};
    static const char* const faces[3][4] = {
        {"/Courier", "/Courier-Bold", "/Courier-Oblique", "/Courier-BoldOblique"},
        {"/Helvetica", "/Helvetica-Bold", "/Helvetica-Oblique", "/Helvetica-BoldOblique"},
        {"/Times-Roman", "/Times-Bold", "/Times-Italic", "/Times-BoldItalic"},
    };
    for (int family = 0; family < 3; ++family) {
        for (int variant = 0; variant < 4; ++variant) {
            yypos6(std::string(faces[family][variant]) + " ff");
            yypos6("dup length dict begin");
            yypos6("{1 index /FID ne {def} {pop pop} ifelse} forall");
            yypos6("/Encoding ISOLatin1Encoding def");
            yypos6("currentdict end /" + std::string(families[family]) + "-" + std::to_string(variant + 1) +
                   " exch definefont pop");
        }
    }
    yypos6("/Symbol ff");
    yypos6("dup length dict begin");
    yypos6("{1 index /FID ne {def} {pop pop} ifelse} forall");
    yypos6("currentdict end /Symbol exch definefont pop");
    if (o[5] != 0) yypos6("90.0 ro");
    double tx = 0, ty = 0;
    if (!eps()) {
        tx = o[3];
        ty = o[5] == 0 ? o[4] : o[4] - 540;
    } else if (o[5] != 0) {
        ty = -o[2];
    }
    yypos6(yyfixedpoint(tx, 8, 1) + yyfixedpoint(ty, 8, 1) + " translate");
    yypos6("newpath");
    yypos6("%%Page: 1 1");
}

void open() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    yypagescales();
    if (g.OperandValue <= 0) return;
    if (!yyhardcopyopenfile()) return;
    h.plotterLinePrefix = options()[17] != 0 ? 1 : 2;
    h.postScriptPathLength = 0;
    std::fill(std::begin(h.postScriptColourWritten), std::end(h.postScriptColourWritten), -1.0f);
    const ModelColour lineColour = ps.lineColour;
    ps = PostScriptDriverState{};
    ps.lineColour = lineColour;
    header();
}

void page() {
    GraphicsState& g = gravim.graphics;
    stroke();
    g.pageDrawn = 0;
    if (!eps()) {
        yypos6("/#copies " + std::to_string(std::min(options()[8], 999)) + " def");
        yypos6("gsave showpage grestore");
    }
    if (g.OperandCount == 0) {
        ++ps.page;
        yypos6("%%Page: " + std::to_string(ps.page) + " " + std::to_string(ps.page));
    }
}

void close() {
    yypos6("%%EOF");
    if (!eps()) {
        yypos6("initgraphics");
        if (options()[15] != 0) yyprou(hardcopyUnit, " \x04", 2);
    }
    yyprcl(hardcopyUnit);
}

// Adds the segment from P to Q to the open path, stroking it first at the segment limit.
void segment(float px, float py, float qx, float qy) {
    HardcopyState& h = gravim.hardcopy;
    if (h.postScriptPathLength >= options()[16]) stroke();
    if (h.postScriptPathLength == 0 || px != h.hardcopyLastX || py != h.hardcopyLastY) yypos4(px, py, "m");
    yypos4(qx, qy, "l");
    ++h.postScriptPathLength;
    h.hardcopyLastX = qx;
    h.hardcopyLastY = qy;
}

void polyline() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    const int n = yyvertexcount(g.OperandCount);
    if (n < 1) return;
    const std::vector<float>& x = g.PolygonX;
    const std::vector<float>& y = g.PolygonY;
    if (h.postScriptPathLength >= options()[16]) stroke();
    if (h.postScriptPathLength == 0 || x[1] != h.hardcopyLastX || y[1] != h.hardcopyLastY) yypos4(x[1], y[1], "m");
    for (int i = 2; i <= n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (h.postScriptPathLength >= options()[16]) {
            stroke();
            yypos4(x[at - 1], y[at - 1], "m");
        }
        yypos4(x[at], y[at], "l");
        ++h.postScriptPathLength;
    }
    h.hardcopyLastX = x[static_cast<std::size_t>(n)];
    h.hardcopyLastY = y[static_cast<std::size_t>(n)];
}

void colour() {
    const GraphicsState& g = gravim.graphics;
    ps.lineColour = options()[7] != 0 && g.colourState[1][1] != 0 ? ModelColour{} : yymodelcolour(1);
    const std::array<float, 3> rgb = converted(ps.lineColour);
    const float* const pending = gravim.hardcopy.postScriptColourPending;
    if (rgb[0] != pending[0] || rgb[1] != pending[1] || rgb[2] != pending[2]) {
        stroke();
        setPending(rgb);
    }
}

void lineType() {
    static const char* const dashes[8] = {"[] 0 d",          "[1 5] 4 d",     "[6 6] 3 d",    "[1 3 4 4] 0 d",
                                          "[1 2 1 2 4 2] 0 d", "[5 2 3 2] 2 d", "[3 3] 1 d", "[5 2 3 2 3 2] 0 d"};
    const int type = gravim.graphics.lineType;
    if (type == ps.lineTypeWritten) return;
    stroke();
    yypos6(dashes[std::clamp(type, 0, 7)]);
    ps.lineTypeWritten = type;
}

void lineWidth() {
    const int width = options()[9];
    if (width == ps.lineWidthWritten) return;
    stroke();
    yypos5(0.1 * width, "w");
    ps.lineWidthWritten = width;
}

char digit(int option) { return static_cast<char>('0' + std::clamp(option, 0, 9)); }

void lineJoin() {
    stroke();
    yypos6(std::string(1, digit(options()[10])) + " setlinejoin");
    if (options()[10] == 0) yypos6("5.0 setmiterlimit");
}

void lineCap() {
    stroke();
    yypos6(std::string(1, digit(options()[11])) + " setlinecap");
}

// The ellipse's vertical scale: its axis factor turned into page points.
double ellipseAspect() {
    const GraphicsState& g = gravim.graphics;
    const double width = options()[1], height = options()[2];
    const bool upright = !(g.rotation == 90 || g.rotation == 270);
    const double r0 = upright ? g.areaHeight * g.OperandX[3] / g.areaWidth : g.areaHeight / (g.areaWidth * g.OperandX[3]);
    const double a = upright ? g.HardcopyAspect * r0 * height / width : g.HardcopyAspect * r0 * width / height;
    return std::isfinite(a) && a != 0.0 ? a : 1.0;  // a degenerate factor draws a circle
}

void ellipse() {
    const GraphicsState& g = gravim.graphics;
    const HardcopyState& h = gravim.hardcopy;
    const double a = ellipseAspect();
    yypos6("gsave 1.0 " + yyfixedpoint(a, 8, 4) + " scale newpath");
    yypos3(g.OperandX[1] * g.HardcopyScaleX, g.OperandY[1] * g.HardcopyScaleY / a, g.OperandX[2] * g.HardcopyScaleX,
           "90. 450. arc");
    const float* const pending = h.postScriptColourPending;
    const float* const written = h.postScriptColourWritten;
    if (pending[0] != written[0] || pending[1] != written[1] || pending[2] != written[2])
        yypos3(pending[0], pending[1], pending[2], "g");
    yypos6(g.fillStyle <= 2 ? "s" : "cf");
    yypos6("grestore");
}

void polygon() {
    GraphicsState& g = gravim.graphics;
    const int n = yyvertexcount(g.OperandCount);
    if (n < 1) return;
    yypos4(g.PolygonX[1], g.PolygonY[1], "m");
    for (int i = 2; i <= n; ++i) yypos4(g.PolygonX[static_cast<std::size_t>(i)], g.PolygonY[static_cast<std::size_t>(i)], "l");
    gravim.hardcopy.postScriptPathLength = n;
    yypos2(2);
}

void rectangle() {
    GraphicsState& g = gravim.graphics;
    float x1 = g.OperandX[1], y1 = g.OperandY[1], x2 = g.OperandX[2], y2 = g.OperandY[2];
    if (eps()) {
        x1 = std::max(x1, g.clipX1);
        y1 = std::max(y1, g.clipY1);
        x2 = std::min(x2, g.clipX2);
        y2 = std::min(y2, g.clipY2);
    }
    yypos4(x1, y1, "m");
    yypos4(x2, y1, "l");
    yypos4(x2, y2, "l");
    yypos4(x1, y2, "l");
    gravim.hardcopy.postScriptPathLength = 4;
    yypos2(2);
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    if (g.OperandValue == -1) {
        if (g.fillStyle > 0) stroke();
        setPending(converted(ps.lineColour));
        return;
    }
    g.pageDrawn = 1;
    if (g.fillStyle > 2 || (g.fillStyle > 0 && options()[7] != 0)) {
        stroke();
        std::array<float, 3> fill = converted(yymodelcolour(1));
        if (g.fillStyle == 3) {
            const std::array<float, 3> previous = converted(yymodelcolour(0));
            for (int i = 0; i < 3; ++i) fill[static_cast<std::size_t>(i)] = (fill[static_cast<std::size_t>(i)] + previous[static_cast<std::size_t>(i)]) * 0.5f;
        }
        setPending(fill);
    }
    if (g.fillStyle < 3) {
        if (opcode == OpEllipsePattern) ellipse();
        return;
    }
    switch (opcode) {
    case OpEllipsePattern: ellipse(); break;
    case OpRectanglePattern: rectangle(); break;
    case OpArcPattern: yypos0(opcode); break;
    default: polygon(); break;
    }
}

// The string line of a text: parentheses and backslashes escaped, cut so that the closing
// parenthesis stands at most in column 251; an escape pair is never split by the cut.
std::string stringLine(std::string_view text, const char* show) {
    std::string line = "(";
    for (char c : text) {
        const bool escaped = c == '(' || c == ')' || c == '\\';
        if (line.size() + (escaped ? 2 : 1) > stringColumns) break;
        if (escaped) line += '\\';
        line += c;
    }
    line += ") ";
    line += show;
    return line;
}

void fontLine() {
    const GraphicsState& g = gravim.graphics;
    ps.fontPending = false;
    const int family = g.EffectiveFontNumber;
    if (family < 1 || family > 4) return;
    static const char* const names[3] = {"/Courier-", "/Helvetica-", "/Times-"};
    const int variant = 1 + ((g.FontStyle % 4) + 4) % 4;
    const std::string name = family == 4 ? "/Symbol" : names[family - 1] + std::to_string(variant);
    const double h = std::clamp(static_cast<double>(g.CharWidth) * g.rotatedClipWidth * g.HardcopyTextScaleX, 1.0, 999.0);
    const double v = std::clamp(static_cast<double>(g.CharHeight) * g.rotatedClipHeight * g.HardcopyTextScaleY, 1.0, 999.0);
    static const double kx[3] = {1.65, 1.33, 1.72}, ky[3] = {1.0, 0.82, 0.82};
    const auto kind = static_cast<std::size_t>(std::clamp(g.FontClass, 0, 2));
    yypos6(name + " ff [" + yyfixedpoint(h * kx[kind], 5, 1) + " 0 0" + yyfixedpoint(v * ky[kind], 5, 1) + " 0 0] ms");
}

void text() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    g.pageDrawn = 1;
    yypos2(3);
    if (ps.fontPending) fontLine();
    float x = g.OperandX[1], y = g.OperandY[1];
    const char* show = "lsh";
    if (g.FontClass != 1 && g.TextJustification == 1) {
        x = (g.OperandX[1] + g.OperandX[3]) * 0.5f;
        y = (g.OperandY[1] + g.OperandY[3]) * 0.5f;
        show = "csh";
    } else if (g.FontClass != 1 && g.TextJustification == 2) {
        x = g.OperandX[3];
        y = g.OperandY[3];
        show = "rsh";
    }
    yypos4(x, y, "m");
    const double angle = std::isfinite(g.DeviceTextAngle) ? std::trunc(g.DeviceTextAngle) : 0.0;
    if (g.DeviceTextAngle != 0) yypos5(angle, "ro");
    const int length = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(g.OperandText.view().size()));
    yypos7(stringLine(g.OperandText.view().substr(0, static_cast<std::size_t>(length)), show));
    if (g.DeviceTextAngle != 0) yypos5(360.0 - angle, "ro");
    h.hardcopyLastX = h.hardcopyLastY = -9999.0f;
}

void clip() {
    const GraphicsState& g = gravim.graphics;
    if (eps()) return;
    stroke();
    const float x1 = std::trunc(g.clipX1), y1 = std::trunc(g.clipY1);
    const float x2 = std::trunc(g.clipX2 + 0.99f), y2 = std::trunc(g.clipY2 + 0.99f);
    yypos6("initclip");
    yypos4(x1, y1, "m");
    yypos4(x2, y1, "l");
    yypos4(x2, y2, "l");
    yypos4(x1, y2, "l");
    yypos6("clip");
    yypos6("newpath");
}

void image() {
    GraphicsState& g = gravim.graphics;
    stroke();
    const int width = g.OperandPixelX[2], height = g.OperandPixelY[2];
    std::vector<int> pixels;
    if (!yyhardcopyloadimage(width, height, pixels)) return;
    yypostimage(pixels, width, height);
}

}  // namespace

void yyresetpostscriptdriver() { ps = PostScriptDriverState{}; }

void yypostimage(std::span<const int> pixels, int width, int height) {
    GraphicsState& g = gravim.graphics;
    if (width <= 0 || height <= 0) return;
    yypos6("gsave");
    yypos6("/picstr " + std::to_string(3LL * width) + " string def");
    yypos5(g.rotation, "ro");
    const float x1 = g.clipX1, y1 = g.clipY1, x2 = g.clipX2, y2 = g.clipY2;
    switch (g.rotation) {
    case 90:
        yypos4a(y1, -x2, "translate");
        yypos4a(y2 - y1, x2 - x1, "scale");
        break;
    case 180:
        yypos4(-x2, -y2, "translate");
        yypos4(x2 - x1, y2 - y1, "scale");
        break;
    case 270:
        yypos4a(-y2, x1, "translate");
        yypos4a(y2 - y1, x2 - x1, "scale");
        break;
    default:
        yypos4(x1, y1, "translate");
        yypos4(x2 - x1, y2 - y1, "scale");
        break;
    }
    const std::string w = std::to_string(width), h = std::to_string(height);
    yypos6(w + " " + h + " 8 [" + w + " 0 0 -" + h + " 0 " + h + "]");
    yypos6("{currentfile picstr readhexstring pop}");
    yypos6("false 3");
    yypos6("colorimage");
    constexpr std::size_t pixelsPerLine = 40;
    const std::size_t count = std::min(pixels.size(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::string line;
    line.reserve(6 * pixelsPerLine);
    for (std::size_t i = 0; i < count; ++i) {
        const int rgb = pixels[i];
        char hex[6];
        yyrgbhex(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF, hex);
        line.append(hex, 6);
        if (line.size() == 6 * pixelsPerLine || i + 1 == count) {
            yypos7(line);
            line.clear();
        }
    }
    yypos6("grestore");
}

void xxpost(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpOpen: open(); break;
    case OpClose: close(); break;
    case OpPage: page(); break;
    case OpLine:
        g.pageDrawn = 1;
        segment(g.OperandX[1], g.OperandY[1], g.OperandX[2], g.OperandY[2]);
        break;
    case OpPoint:
        g.pageDrawn = 1;
        segment(g.OperandX[1], g.OperandY[1], g.OperandX[1], g.OperandY[1]);
        break;
    case OpPolyline:
        g.pageDrawn = 1;
        polyline();
        break;
    case OpColour:
    case OpColourModel: colour(); break;
    case OpLineType: lineType(); break;
    case OpLineWidth: lineWidth(); break;
    case OpLineJoin: lineJoin(); break;
    case OpLineCap: lineCap(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: filledShape(opcode); break;
    case OpOutlineArc: yypos0(opcode); break;
    case OpFont: ps.fontPending = true; break;
    case OpText: text(); break;
    case OpClip: clip(); break;
    case OpImage: image(); break;
    default: break;
    }
}
