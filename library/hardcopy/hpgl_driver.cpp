// hpgl_driver.cpp - the HP-GL plotter driver: one instruction group per line in user units
// 0..32760 scaled onto the plotter's page, with annotation records ("SC-" lines) that tell a
// reader of the file what the drawing meant.
#include <algorithm>
#include <string>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/number_fields.hpp"
#include "hardcopy/plotter_writers.hpp"

namespace {

struct PlotterModel {
    int pens;
    int pageX, pageY;  // page extents in plotter units
    int unitsPerInch;
    int offsetX;
    char classLetter;
};
constexpr PlotterModel models[11] = {
    {},
    {4, 10870, 7480, 1016, 400, 'U'}, {6, 11040, 7721, 1021, 400, 'H'}, {6, 16158, 11040, 1021, 400, 'H'},
    {4, 10900, 7650, 1016, 400, 'E'}, {6, 10880, 7640, 1016, 400, 'F'}, {8, 10880, 7640, 1016, 0, 'H'},
    {8, 10869, 7600, 1016, 0, 'H'},   {8, 15970, 10870, 1016, 0, 'H'},  {6, 10960, 7480, 1016, 400, 'F'},
    {6, 15880, 10960, 1016, 400, 'F'},
};

// By plotter class 1..4: the capability mask and the shapes (bit s = opcode / 2 - 1) the plotter
// may fill itself.
constexpr const char* classMasks[5] = {"", "00000100000000000010000000010", "00000100000000000010000000000",
                                       "00000100000010000010000000010", "00000100000011100010001001010"};
constexpr int classFills[5] = {0, 0, 0, (1 << 3) | (1 << 5), 0x7E};

// Annotation record codes of the filled shapes by s.
constexpr int shapeCodes[7] = {0, 5, 8, 6, 7, 4, 11};

// The driver's state between calls.
struct DriverState {
    float unitsPerPoint = 1;
    int plotterClass = 1;
    int nativeShapes = 0;
    long long p1x = 0, p1y = 0, p2x = 0, p2y = 0;
    char currentPen = ' ';
    bool penPending = false;
    double lastFillThickness = -1;
    int lastFontStyle = -1, lastFontKind = 0;
    bool textSizePending = true;
    char terminator = 4;
    bool nativeFill = false;
    std::string lineTypes = "    1   2 2 4 3 6 2 5 3 3 1 6 4 ";
};
DriverState driver;

int* options() { return gravim.hardcopy.HardcopyOptions; }

const PlotterModel& model() { return models[std::clamp(gravim.hardcopy.plotterModel, 1, 10)]; }

void initialise() {
    if (yyhardcopyquery(1)) return;
    HardcopyState& h = gravim.hardcopy;
    GraphicsState& g = gravim.graphics;
    const PlotterModel& m = model();
    driver.unitsPerPoint = static_cast<float>(m.unitsPerInch) / 72.0f;
    driver.plotterClass = static_cast<int>(std::string_view("UEFH").find(m.classLetter)) + 1;
    int* const o = options();
    o[3] = static_cast<int>(static_cast<float>(m.offsetX) / driver.unitsPerPoint);
    o[4] = 0;
    o[1] = static_cast<int>(static_cast<float>(m.pageX) / driver.unitsPerPoint - static_cast<float>(o[3]));
    o[2] = static_cast<int>(static_cast<float>(m.pageY) / driver.unitsPerPoint - static_cast<float>(o[4]));
    o[5] = 1;
    o[12] = 80;
    o[18] = 1;
    o[19] = 0;
    o[21] = 4;
    o[25] = 0;
    yyhardcopydevice({7, 360, 2, 0, 0, 0, 0, 0}, 1.7e38f);
    h.hardcopyResolutionX = h.hardcopyResolutionY = 90;
    h.plotterPenCount = g.hardcopyColours = m.pens;
    h.hardcopyPaletteSize = 9;
    driver.lineTypes.replace(4, 4, driver.plotterClass == 3 ? "1 1 " : "1 .3");
    driver.textSizePending = true;
    h.plotterPenTable.ref().blank();
    driver.nativeShapes = classFills[driver.plotterClass];
    g.hardcopyDevice.DeviceCapabilityMask.assign(classMasks[driver.plotterClass]);
    yyhardcopyinitialised(1, 1, "gravplot.plt");
}

void open() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    g.HardcopyScaleX = 32760.0f / g.surfaceMaxX;
    g.HardcopyScaleY = 32760.0f / g.surfaceMaxY;
    if (g.OperandValue > 0) {
        if (!yyhardcopyopenfile()) return;
        const int* const o = options();
        h.plotterLinePrefix = o[17] != 0 ? 1 : 2;
        driver.terminator = static_cast<char>(o[21] & 0xFF);
        driver.penPending = false;
        driver.currentPen = ' ';
        driver.lastFillThickness = -1;
        driver.lastFontStyle = -1;
        driver.lastFontKind = 0;
        if (o[19] != 0) yyhpg3("\x1b.Y");
        const float u = driver.unitsPerPoint;
        driver.p1x = truncated(u * static_cast<float>(o[3]));
        driver.p1y = truncated(u * static_cast<float>(o[4]));
        driver.p2x = truncated(u * static_cast<float>(o[1] + o[3]));
        driver.p2y = truncated(u * static_cast<float>(o[2] + o[4]));
        const std::string corners = integerField(driver.p1x, 7) + separatedField(driver.p1y, 7) + separatedField(driver.p2x, 7) + separatedField(driver.p2y, 7);
        yyhpg3("IN; IP" + corners);
        yyhpg3((o[5] == 0 ? "RO 90; IP" : "RO  0; IP") + corners);
        yyhpg3(std::string("DT") + driver.terminator);
        yyhpg3("DI1. 0.");
        yyhpg6(2, 0, 9, 0, 0);
        yyhpg6(13, 0, h.plotterModel, 0, 0);
    }
    yyhpg3(standardScaling);
}

// What every drawing opcode does first: the page is drawn, and the pen of a new page selected.
void pageStart() {
    GraphicsState& g = gravim.graphics;
    if (g.pageDrawn != 0) return;
    g.pageDrawn = 1;
    if (driver.penPending) {
        yyhpg3(std::string("SP") + driver.currentPen);
        driver.penPending = false;
    }
}

void colour() {
    GraphicsState& g = gravim.graphics;
    const HardcopyState& h = gravim.hardcopy;
    const int c = g.colourState[1][1];
    char pen = c >= 0 && c <= 255 ? h.plotterPenTable[static_cast<std::size_t>(c)] : ' ';
    if (pen == ' ') {
        static constexpr int bandPens[8] = {0, 2, 4, 1, 5, 3, 6, 7};
        const int band = c < 0 ? 0 : ((c + 16) / 32) % 8;
        pen = static_cast<char>('1' + bandPens[band] % std::max(h.plotterPenCount, 1));
    }
    if (pen != driver.currentPen) {
        driver.currentPen = pen;
        driver.penPending = false;
        yyhpg3(std::string("PU;SP") + pen);
    }
    if (g.fillPass[2] == 0) {
        int r = 0, gr = 0, b = 0;
        yymodelrgb(yymodelcolour(1), r, gr, b);
        yyhpg6(1, 1, r + 256LL * gr + 65536LL * b, 0, 0);
    }
}

void vertexRecords(int first, int last) {
    const GraphicsState& g = gravim.graphics;
    for (int i = first, n = yyvertexcount(last); i <= n; ++i)
        yyhpg4(g.PolygonX[static_cast<std::size_t>(i)], g.PolygonY[static_cast<std::size_t>(i)]);
}

// The data records of a shape that the graphics core hatches.
void shapeRecords(int opcode) {
    const GraphicsState& g = gravim.graphics;
    if (options()[18] == 0 || opcode == OpEllipsePattern) return;
    const auto& x = g.PolygonX;
    const auto& y = g.PolygonY;
    switch (opcode) {
    case OpRectanglePattern:
        yyhpg4(g.OperandX[1], g.OperandY[1]);
        yyhpg4(g.OperandX[2], g.OperandY[2]);
        break;
    case OpTrianglePattern: vertexRecords(1, 3); break;
    case OpArcPattern:
        yyhpg4(g.OperandX[1], g.OperandY[1]);
        yyhpg4(g.OperandX[2], g.OperandY[2]);
        yyhpg5(g.OperandX[3], g.OperandY[3]);
        break;
    case OpPolygonPattern:
        yyhpg6(12, 0, g.OperandCount, 0, 0);
        vertexRecords(1, g.OperandCount);
        break;
    case OpQuadPattern: {
        if (yyvertexcount(4) < 4) break;
        vertexRecords(1, 1);
        vertexRecords(3, 3);
        const bool across = g.OperandValue == 1;
        const long long d1 = across ? truncated((y[4] - y[1]) * g.HardcopyScaleY) : truncated((x[3] - x[4]) * g.HardcopyScaleX);
        const long long d2 = across ? truncated((y[3] - y[2]) * g.HardcopyScaleY) : truncated((x[2] - x[1]) * g.HardcopyScaleX);
        yyhpg6(9, 0, d1, d2, 0);
        yyhpg6(9, 1, g.OperandValue, 0, 0);
        return;
    }
    default: break;
    }
    yyhpg3(standardScaling);
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    const int* const o = options();
    const int s = opcode / 2 - 1;
    const int code = shapeCodes[s];
    if (g.OperandValue == -1) {
        if (!driver.nativeFill) yyhpg6(code, 1, -1, 0, 0);
        return;
    }
    pageStart();
    const bool solid = g.fillStyle == 4 || (g.fillStyle == 3 && g.colourState[1][0] == g.colourState[1][1]);
    driver.nativeFill = solid && (driver.nativeShapes >> s & 1) != 0 && o[25] != 0;
    // A class-4 plotter fills no polygon of more than 127 vertices: the core hatches it.
    if (driver.nativeFill && driver.plotterClass == 4 && opcode == OpPolygonPattern && g.OperandCount > 127) driver.nativeFill = false;
    if (driver.nativeFill) {
        const double thickness = std::clamp(25.4 * o[12] / 7200.0, 0.1, 5.0);
        if (thickness != driver.lastFillThickness) {
            yyhpg3("FT2;PT  " + fixedField(thickness, 4, 2));
            driver.lastFillThickness = thickness;
        }
    } else {
        g.fillPass[2] = 2;
        g.FillLineSpacing = 0.01f * static_cast<float>(o[12]) * g.surfaceMaxY / static_cast<float>(std::max(o[2], 1));
        if (g.fillStyle == 3) g.FillLineSpacing *= 2;
        if (opcode != OpEllipsePattern) yyhpg6(code, 0, g.fillStyle, g.fillPattern[0], 10LL * g.fillPass[0] + g.fillPattern[1]);
    }
    switch (opcode) {
    case OpEllipsePattern:
        yyhpg1("PU", g.OperandX[1], g.OperandY[1]);
        if (!driver.nativeFill) yyhpg6(5, 0, g.fillStyle, g.fillPattern[0], g.fillPattern[1]);
        yyhpgellipse(driver.nativeFill);
        return;
    case OpQuadPattern:
        if (driver.nativeFill) yyhpgpolygonfill(4, false);
        break;
    case OpTrianglePattern:
        if (driver.nativeFill) yyhpgpolygonfill(3, false);
        break;
    case OpPolygonPattern:
        if (driver.nativeFill) yyhpgpolygonfill(g.OperandCount, false);
        break;
    case OpRectanglePattern:
        if (driver.nativeFill) {
            yyhpg1("PU", g.OperandX[1], g.OperandY[1]);
            yyhpg1("RA", g.OperandX[2], g.OperandY[2]);
            yyhpglast(g.OperandX[1], g.OperandY[1]);
        }
        break;
    case OpArcPattern:
        if (driver.nativeFill) yyhpg0(OpArcPattern, standardScaling);
        break;
    default: break;
    }
    if (!driver.nativeFill) shapeRecords(opcode);
}

void text() {
    GraphicsState& g = gravim.graphics;
    pageStart();
    if (driver.textSizePending) {
        static constexpr float widths[3] = {1.0f, 1.007f, 1.007f}, heights[3] = {1.0f, 1.211f, 1.211f};
        yyhpgtextsize(widths, heights, 1.5f);
        driver.textSizePending = false;
    }
    if (g.FontStyle != driver.lastFontStyle || g.FontClass != driver.lastFontKind) {
        yyhpg3((g.FontStyle & 2) != 0 ? "SL.2" : "SL0.");
        driver.lastFontStyle = g.FontStyle;
        driver.lastFontKind = g.FontClass;
    }
    yyhpg1("PU", g.OperandX[1], g.OperandY[1]);
    const int n = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(g.OperandText.size()));
    yyhpg2(yyhpglabel(std::string_view(g.OperandText.data(), static_cast<std::size_t>(n)), driver.terminator));
    yyhpglast(-9999.0f, -9999.0f);
}

}  // namespace

void yyresethpgldriver() { driver = DriverState{}; }

void xxhpgl(int opcode) {
    GraphicsState& g = gravim.graphics;
    const int* const o = options();
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine:
        pageStart();
        yyhpgsegment(g.OperandX[1], g.OperandY[1], g.OperandX[2], g.OperandY[2]);
        break;
    case OpColour: colour(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: filledShape(opcode); break;
    case OpOpen: open(); break;
    case OpClose:
        if (o[19] != 0) yyhpg3("\x1b.Z");
        yyprcl(hardcopyUnit);
        break;
    case OpPage:
        g.pageDrawn = 0;
        yyhpg6(3, 1, g.OperandValue, 0, 0);
        yyhpg3(gravim.hardcopy.plotterModel == 7 || gravim.hardcopy.plotterModel == 8 ? "PU;SP0 ;PG;" : "PU;SP0 ;");
        driver.penPending = true;
        break;
    case OpFont:
        yyhpg6(10, 1, g.EffectiveFontNumber, g.FontStyle, g.FontClass);
        driver.textSizePending = true;
        break;
    case OpText: text(); break;
    case OpClip: yyhpgclip(driver.unitsPerPoint, driver.p1x, driver.p1y, driver.p2x, driver.p2y); break;
    case OpPoint:
        pageStart();
        yyhpgsegment(g.OperandX[1], g.OperandY[1], g.OperandX[1], g.OperandY[1]);
        break;
    case OpLineType:
        yyhpg3("LT" + driver.lineTypes.substr(4 * static_cast<std::size_t>(std::clamp(g.lineType, 0, 7)), 4));
        break;
    case OpLineWidth:
        if (o[18] != 0) yyhpg3("PW" + fixedField(std::clamp(0.4 * o[9] / driver.unitsPerPoint, 0.1, 5.0), 5, 3));
        break;
    case OpPolyline:
        pageStart();
        yyhpgpolyline(false);
        break;
    case OpFontRotate: yyhpgdirection(); break;
    case OpOutlineArc:
        pageStart();  // an arc drawn first on a page selects the pen like every other drawing
        yyhpg0(OpOutlineArc, standardScaling);
        break;
    default: break;
    }
}
