// hpgl2_driver.cpp - the HP-GL/2 driver: HP-GL/2 for PCL 5 printers, wrapped in PCL (entered at
// the start, each page ejected through PCL, PCL again at the end), and plain HP-GL/2 with "PG"
// page ends for the large-format device. Comments ("CO") say what the drawing meant.
#include <algorithm>
#include <array>
#include <string>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/dithering.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/number_fields.hpp"
#include "hardcopy/plotter_writers.hpp"

namespace {

struct Device {
    int pens;
    int pageX, pageY;  // page extents in plotter units (1016 per inch)
    int offsetX;
    int resolution;
};
constexpr Device devices[6] = {
    {}, {2, 10860, 7918, 0, 300}, {256, 10860, 7918, 0, 300}, {2, 10860, 7918, 0, 600},
    {256, 15836, 10860, 0, 600}, {256, 10860, 7918, 0, 600},
};
constexpr float pointsPerUnit = 0.0708661f;  // 72 / 1016

// HP Roman-8 codes of the characters 161..255 (the first variant's printers).
constexpr std::array<unsigned char, 95> roman8 = {
    184, 191, 175, 186, 188, 124, 189, 171, 99,  249, 251, 32,  246, 82,  176, 179,  // 161-176
    254, 50,  51,  168, 243, 244, 242, 44,  49,  250, 253, 247, 248, 245, 185, 161,  // 177-192
    224, 162, 225, 216, 208, 211, 180, 163, 220, 164, 165, 230, 229, 166, 167, 227,  // 193-208
    182, 232, 231, 223, 233, 218, 120, 210, 173, 237, 174, 219, 177, 240, 222, 200,  // 209-224
    196, 192, 226, 204, 212, 215, 181, 201, 197, 193, 205, 217, 213, 209, 221, 228,  // 225-240
    183, 202, 198, 194, 234, 206, 32,  214, 203, 199, 195, 207, 178, 241, 239,       // 241-255
};

// Annotation codes of the filled shapes by s = opcode / 2 - 1.
constexpr int shapeCodes[7] = {0, 5, 8, 6, 7, 4, 11};

const float unitsPerPoint = 14.111111f;  // 1016 / 72

// The driver's state between calls.
struct DriverState {
    long long p1x = 0, p1y = 0, p2x = 0, p2y = 0;
    float widthFactor = 1.5f;
    char fontLetter = 'S';
    std::string currentPen = "   ", fillPen = "   ";
    std::array<bool, 256> penDefined{};
    int currentFillType = -1;
    int lastDithered = -1;
    int lastMixedPrevious = -1, lastMixedCurrent = -1;
    char terminator = 4;
    int lastFontFamily = -1, lastFontStyle = -1, lastFontKind = 0;
    int lastLabelOrigin = -1;
    bool textSizePending = true;
    std::string lineTypes = "    1   2 2 4 3 7 2 5 3 3 1 6 3 ";
};
DriverState driver;

int* options() { return gravim.hardcopy.HardcopyOptions; }
int variant() { return std::clamp(gravim.hardcopy.printerVariant, 1, 5); }
bool wrapped() { return variant() != 4; }
bool colourDevice() { return gravim.hardcopy.plotterPenCount != 2; }

void initialise() {
    if (yyhardcopyquery(12)) return;
    HardcopyState& h = gravim.hardcopy;
    GraphicsState& g = gravim.graphics;
    yyhardcopydevice({8, 360, 2, 0, 0, 1, 0, 0}, 1.7e38f);
    h.hardcopyPaletteSize = 256;
    int* const o = options();
    o[5] = 1;
    o[18] = 0;
    o[21] = 4;
    driver.textSizePending = true;
    const Device& d = devices[variant()];
    o[3] = static_cast<int>(pointsPerUnit * static_cast<float>(d.offsetX));
    o[4] = 0;
    h.plotterPenCount = d.pens;
    o[1] = static_cast<int>(pointsPerUnit * static_cast<float>(d.pageX) - static_cast<float>(o[3]));
    o[2] = static_cast<int>(pointsPerUnit * static_cast<float>(d.pageY) - static_cast<float>(o[4]));
    driver.lineTypes.replace(4, 4, "1 .3");
    driver.widthFactor = 1.5f;
    driver.fontLetter = 'S';
    h.hardcopyResolutionX = h.hardcopyResolutionY = d.resolution;
    if (d.pens == 2) {
        g.hardcopyDevice.DeviceCapabilityMask.assign("00000100000011100010001001110");
        g.hardcopyColours = 2;
        if (variant() == 3) {
            driver.widthFactor = 1.2f;
            driver.fontLetter = 'A';
        }
    } else {
        g.hardcopyDevice.DeviceCapabilityMask.assign("00000100011111100010011011110");
        g.hardcopyColours = 256;
        driver.widthFactor = 1.2f;
        driver.fontLetter = 'A';
    }
    yyhardcopyinitialised(12, 1, "gravplot.plt");
}

// The title as a comment: any quotation mark becomes an apostrophe and ESC a blank, so that the
// title cannot end the comment or leave HP-GL/2.
void titleComment() {
    std::string title(gravim.hardcopy.hardcopyTitle.trimmed());
    for (char& c : title) {
        if (c == '"') c = '\'';
        if (c == 27) c = ' ';
    }
    yyhpgl2b("CO\"" + title + "\";");
}

void open() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    g.HardcopyScaleX = 32760.0f / g.surfaceMaxX;
    g.HardcopyScaleY = 32760.0f / g.surfaceMaxY;
    if (g.OperandValue > 0) {
        const bool titled = g.OperandPixelX[1] != 0;
        if (!yyhardcopyopenfile()) return;
        const int* const o = options();
        h.plotterLinePrefix = o[17] != 0 ? 1 : 2;
        driver.currentPen = "   ";
        driver.penDefined.fill(false);
        driver.currentFillType = -1;
        driver.lastDithered = -1;
        driver.lastMixedPrevious = driver.lastMixedCurrent = -1;
        driver.terminator = static_cast<char>(o[21] & 0xFF);
        driver.lastFontFamily = driver.lastFontStyle = -1;
        driver.lastFontKind = 0;
        driver.lastLabelOrigin = -1;
        if (wrapped()) yyhpg3("\x1b%0B");
        if (titled) titleComment();
        driver.p1x = truncated(unitsPerPoint * static_cast<float>(o[3]));
        driver.p1y = truncated(unitsPerPoint * static_cast<float>(o[4]));
        driver.p2x = truncated(unitsPerPoint * static_cast<float>(o[1] + o[3]));
        driver.p2y = truncated(unitsPerPoint * static_cast<float>(o[2] + o[4]));
        const std::string corners = integerField(driver.p1x, 7) + separatedField(driver.p1y, 7) + separatedField(driver.p2x, 7) + separatedField(driver.p2y, 7);
        yyhpg3("IN; IP" + corners);
        // The large-format device turns the page when option 5 is 0, the printers when it is not.
        const bool unturned = wrapped() ? o[5] == 0 : o[5] != 0;
        yyhpg3((unturned ? "RO  0; IP" : "RO 90; IP") + corners);
        yyhpg3(std::string("DT") + driver.terminator);
        yyhpg3("DI1. 0.");
        yyhpg3("TR0");
        if (variant() != 1) yyhpg3("AD1,14;SA");
        if (colourDevice()) yyhpg3("NP256");
        yyhpgcomment("13", separatedField(variant(), 2) + " " + fixedField(driver.widthFactor, 3, 1) + " 9");
        yyhpgcomment("2", separatedField(o[6], 2));
    }
    yyhpg3(standardScaling);
}

std::string penText(int pen) { return integerField(pen, 3); }

// Sends a palette pen's colour unless it was sent already.
void definePen(int pen) {
    if (pen < 0 || pen > 255 || driver.penDefined[static_cast<std::size_t>(pen)]) return;
    int rgb = 0, r = 0, gr = 0, b = 0;
    yypalg(pen, rgb);
    WRGBSplit(rgb, &r, &gr, &b);
    yyhpgl2d(pen, r, gr, b);
    driver.penDefined[static_cast<std::size_t>(pen)] = true;
}

void selectPen(const std::string& pen) { yyhpg3("PU;SP" + pen); }

void colour() {
    GraphicsState& g = gravim.graphics;
    const int c = g.colourState[1][1];
    std::string pen;
    if (colourDevice()) {
        pen = penText(c);
        definePen(c);
    } else {
        pen = c == (options()[6] != 0 ? 223 : 0) ? "0  " : "1  ";
    }
    if (pen != driver.currentPen) {
        driver.currentPen = pen;
        selectPen(pen);
    }
    if (g.fillPass[2] == 0) {
        int r = 0, gr = 0, b = 0;
        yymodelrgb(yymodelcolour(1), r, gr, b);
        yyhpgcomment("1", separatedField(r + 256LL * gr + 65536LL * b, 9));
    }
}

// The one-bit cell of the previous colour: it is made the current colour for the call.
DitherWord previousCell() {
    GraphicsState& g = gravim.graphics;
    const int savedIndex = g.colourState[1][1], savedRgb = g.colourState[2][1];
    g.colourState[1][1] = g.colourState[1][0];
    g.colourState[2][1] = g.colourState[2][0];
    DitherWord cell = 0, unused2 = 0, unused3 = 0;
    yydith(1, cell, unused2, unused3);
    g.colourState[1][1] = savedIndex;
    g.colourState[2][1] = savedRgb;
    return cell;
}

void selectFillType(int type) {
    if (driver.currentFillType == type) return;
    yyhpg3("FT11 " + std::to_string(type));
    driver.currentFillType = type;
}

// A solid or mixed fill on a monochrome printer: raster fill patterns of the dither cells.
void monochromeFill() {
    const GraphicsState& g = gravim.graphics;
    const int previous = g.colourState[1][0], current = g.colourState[1][1];
    if (g.fillOutline != 0) {
        yyhpg3("FT2");
        driver.currentFillType = -1;
    } else if (g.fillStyle == 4 || previous == current) {
        if (current != driver.lastDithered) {
            DitherWord cell = 0, unused2 = 0, unused3 = 0;
            yydith(1, cell, unused2, unused3);
            yyhpg3("RF1,8,4,");
            yyhpgl2c(cell);
            driver.lastDithered = current;
        }
        selectFillType(1);
    } else {
        if (previous != driver.lastMixedPrevious || current != driver.lastMixedCurrent) {
            const DitherWord a = previousCell();
            DitherWord b = 0, unused2 = 0, unused3 = 0;
            yydith(1, b, unused2, unused3);
            yyhpg3("RF2,8,4,");
            yyhpgl2c((a & 0xAA55AA55u) + (b & 0x55AA55AAu));  // a checkerboard of the two
            driver.lastMixedPrevious = previous;
            driver.lastMixedCurrent = current;
        }
        selectFillType(2);
    }
}

// A style-3 fill on a colour device: a pen of the two colours' mean, in place of the palette
// pen 255 - current.
void mixedPen() {
    const GraphicsState& g = gravim.graphics;
    const int model = g.colourModel == 1 ? 1 : 2;
    if (g.fillStyle == 4 || g.colourState[model][0] == g.colourState[model][1]) return;
    const int previous = std::clamp(g.colourState[1][0], 0, 255), current = std::clamp(g.colourState[1][1], 0, 255);
    int a = 0, b = 0;
    yypalg(previous, a);
    yypalg(current, b);
    int ar = 0, ag = 0, ab = 0, br = 0, bg = 0, bb = 0;
    WRGBSplit(a, &ar, &ag, &ab);
    WRGBSplit(b, &br, &bg, &bb);
    const int mixed = 255 - current;
    yyhpgl2d(mixed, (ar + br) / 2, (ag + bg) / 2, (ab + bb) / 2);
    driver.fillPen = penText(mixed);
    selectPen(driver.fillPen);
    driver.penDefined[static_cast<std::size_t>(mixed)] = false;
}

std::string commentValues(std::initializer_list<long long> values) {
    std::string text;
    for (const long long v : values) text += separatedField(v, 2);
    return text;
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    const int code = shapeCodes[opcode / 2 - 1];
    if (g.OperandValue == -1) {
        if (code == 5 || code == 4 || g.fillStyle >= 3) yyhpgcomment(integerField(code, 2) + " -1");
        if (driver.fillPen != driver.currentPen) selectPen(driver.currentPen);  // the line pen again
        return;
    }
    g.pageDrawn = 1;
    driver.fillPen = "   ";
    if (g.fillStyle < 3 && opcode != OpEllipsePattern) return;
    if (g.fillStyle >= 3) {
        if (colourDevice()) mixedPen();
        else monochromeFill();
        yyhpgcomment(integerField(code, 2) + commentValues({g.fillStyle, g.fillPattern[0], g.fillPattern[1], g.fillPass[0]}));
    }
    switch (opcode) {
    case OpEllipsePattern:
        yyhpg1("PU", g.OperandX[1], g.OperandY[1]);
        if (g.fillStyle < 3) yyhpgcomment("5", commentValues({g.fillStyle, g.fillPattern[0], g.fillPattern[1], g.fillPass[0]}));
        yyhpgellipse(g.fillStyle > 2);
        break;
    case OpQuadPattern:
    case OpTrianglePattern:
    case OpPolygonPattern:
        yyhpgpolygonfill(g.OperandCount, true);
        break;
    case OpRectanglePattern:
        yyhpg1("PU", g.OperandX[1], g.OperandY[1]);
        yyhpg1("RA", g.OperandX[2], g.OperandY[2]);
        yyhpglast(g.OperandX[1], g.OperandY[1]);
        break;
    case OpArcPattern: yyhpgl2e(OpArcPattern, standardScaling); break;
    default: break;
    }
}

void page() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 0;
    yyhpgcomment("3", separatedField(g.OperandValue, 4));
    if (!wrapped()) {
        yyhpg3("PG");
        return;
    }
    // To PCL, the copies, the form feed, back to HP-GL/2.
    std::string eject = "\x1b%1A\x1b&l";  // built by appending (GCC 12 and prepending concatenations)
    eject.append(integerField(options()[8], 2, 2)).append("X\f\x1b%0B");
    yyhpg3(eject);
}

// The font selection: "SL" slant, then the font of the family for "SD" or "AD".
void selectFont() {
    const GraphicsState& g = gravim.graphics;
    const int family = g.EffectiveFontNumber;
    const bool bold = (g.FontStyle & 1) != 0;
    std::string line = (g.FontStyle & 2) != 0 ? "SL.2" : "SL0.";
    line += std::string(";") + driver.fontLetter + "D 2";
    switch (family) {
    case 1: line += bold ? " 0 6 5" : " 0 6 0"; break;
    case 2: line += bold ? " 1 6 3 7 4148" : " 1 6 0 7 4148"; break;
    case 3: line += bold ? " 1 6 3 7 4101" : " 1 6 0 7 4101"; break;
    case 4: line += bold ? " 1 6 3 7 4101 1 173" : " 1 6 0 7 4101 1 173"; break;
    default: break;
    }
    yyhpg3(line);
    driver.lastFontFamily = family;
    driver.lastFontStyle = g.FontStyle;
    driver.lastFontKind = g.FontClass;
}

void text() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    if (driver.textSizePending) {
        if (g.FontClass != driver.lastFontKind) yyhpgcomment("10", separatedField(g.FontClass, 2));
        static constexpr float widths[3] = {1.0f, 0.932f, 1.06f}, heights[3] = {1.0f, 1.211f, 1.211f};
        yyhpgtextsize(widths, heights, driver.widthFactor);
        driver.textSizePending = false;
    }
    if (g.EffectiveFontNumber != driver.lastFontFamily || g.FontStyle != driver.lastFontStyle || g.FontClass != driver.lastFontKind) selectFont();
    const int n = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(g.OperandText.size()));
    if (variant() == 1 && (g.EffectiveFontNumber != 4 || g.FontClass == 0)) {
        for (int i = 0; i < n; ++i) {
            const auto code = static_cast<unsigned char>(g.OperandText[static_cast<std::size_t>(i)]);
            if (code >= 161) g.OperandText[static_cast<std::size_t>(i)] = static_cast<char>(roman8[code - 161u]);
        }
    }
    float x = g.OperandX[1], y = g.OperandY[1];
    int origin = 0;
    if (g.FontClass != 1) {
        origin = std::clamp(g.TextJustification, 0, 2);
        if (origin == 1) {
            x = (x + g.OperandX[3]) / 2;
            y = (y + g.OperandY[3]) / 2;
        } else if (origin == 2) {
            x = g.OperandX[3];
            y = g.OperandY[3];
        }
    }
    if (origin != driver.lastLabelOrigin) {
        yyhpg3("LO" + std::to_string(1 + 3 * origin));
        driver.lastLabelOrigin = origin;
    }
    yyhpg1("PU", x, y);
    yyhpg2(yyhpglabel(std::string_view(g.OperandText.data(), static_cast<std::size_t>(n)), driver.terminator));
    yyhpglast(-9999.0f, -9999.0f);
}

void paletteEntry() {
    const GraphicsState& g = gravim.graphics;
    const int pen = g.OperandValue;
    int r = 0, gr = 0, b = 0;
    WRGBSplit(g.OperandPixelX[1], &r, &gr, &b);
    yyhpgl2d(pen, r, gr, b);
    if (pen >= 0 && pen <= 255) driver.penDefined[static_cast<std::size_t>(pen)] = true;
}

}  // namespace

void yyresethpgl2driver() { driver = DriverState{}; }

void xxhpgl2(int opcode) {
    GraphicsState& g = gravim.graphics;
    const int* const o = options();
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine:
        g.pageDrawn = 1;
        yyhpgsegment(g.OperandX[1], g.OperandY[1], g.OperandX[2], g.OperandY[2]);
        break;
    case OpColour:
    case OpColourModel: colour(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: filledShape(opcode); break;
    case OpOpen: open(); break;
    case OpClose:
        if (wrapped()) yyhpg3("\x1b%0A");
        yyprcl(hardcopyUnit);
        break;
    case OpPage: page(); break;
    case OpFont: driver.textSizePending = true; break;
    case OpText: text(); break;
    case OpClip: yyhpgclip(unitsPerPoint, driver.p1x, driver.p1y, driver.p2x, driver.p2y); break;
    case OpPoint:
        g.pageDrawn = 1;
        yyhpgsegment(g.OperandX[1], g.OperandY[1], g.OperandX[1], g.OperandY[1]);
        break;
    case OpPaletteEntry: paletteEntry(); break;
    case OpLineType:
        yyhpg3("LT" + driver.lineTypes.substr(4 * static_cast<std::size_t>(std::clamp(g.lineType, 0, 7)), 4));
        break;
    case OpLineWidth: yyhpg3("PW" + fixedField(std::clamp(0.4 * o[9] / unitsPerPoint, 0.0284, 5.0), 5, 3)); break;
    case OpPolyline:
        g.pageDrawn = 1;
        yyhpgpolyline(true);
        break;
    case OpFontRotate: yyhpgdirection(); break;
    case OpOutlineArc: yyhpgl2e(OpOutlineArc, standardScaling); break;
    case OpLineJoin: yyhpg3(std::string("LA2 ") + "145"[std::clamp(o[10], 0, 2)]); break;
    case OpLineCap: yyhpg3(std::string("LA1 ") + "142"[std::clamp(o[11], 0, 2)]); break;
    default: break;
    }
}
