// screen_device.cpp - the screen device: one routine that acts on each opcode for the current
// window, bitmap, dialog field or enhanced-metafile slot through the drawing primitives. Its
// operands have y upward; every row handed to a primitive counts from the top.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/os_internal.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/metafiles.hpp"
#include "graphics/screen_primitives.hpp"

namespace {

// The device's memory, shared by all surfaces for the whole run.
struct FontRequest {
    int cellWidth = 0, cellHeight = 0, escapement = 0, number = 0, style = 0;
    std::string name;  // kept for font number 0 only
};
FontRequest FontCache;
int FontAscent = 0, FontCellHeight = 0, FontSampleWidth = 0;
int PaletteBatchState = 0;  // 0 no palette batch open, 3 open

constexpr int TextLimit = 260;  // characters of OperandText

int saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// Truncation toward zero of a real that saturates (NaN gives 0).
int pixelOf(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(std::trunc(value), static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

// A y upward turned into a row from the top.
int row(int y) {
    return saturated(static_cast<long long>(gravim.graphics.surfaceHeight) - 1 - y);
}

int px(int k) { return gravim.graphics.OperandPixelX[k]; }
int py(int k) { return gravim.graphics.OperandPixelY[k]; }

// The polygon lists' first n vertices in the point buffer; false when there is none.
bool bufferVertices(int n) {
    const GraphicsState& g = gravim.graphics;
    if (n < 1 || !yypolalloc(n)) return false;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        yypolpoint(pixelOf(g.PolygonX[k]), row(pixelOf(g.PolygonY[k])), i - 1);
    }
    return true;
}

// The text operand's first n characters, n bounded by its length.
int textCount(int n) { return std::clamp(n, 0, TextLimit); }
const char* textData() { return gravim.graphics.OperandText.data(); }

void recordCapabilities() {
    GraphicsState& g = gravim.graphics;
    DeviceFacts& f = g.screenDevice;
    f.word2 = 360;
    f.word3 = yywinvariant() == 4 ? 2 : 1;
    f.TrueColourDevice = gravim.core.displayColours > 256 ? 1 : 0;
    f.GradientFillType = yyscreengradienttype();
    f.word6 = 1;
    f.word7 = 1;
    f.word8 = 8;
    f.deviceReal = 1.7e38f;
    f.DeviceCapabilityMask.assign(std::string_view("111111111111111111101110111110").substr(0, 29));
    if (g.surfaceType == 4) f.DeviceCapabilityMask[28] = '0';
}

void shapeFromPoints(int count, int fill) {
    if (!yypolalloc(count)) return;
    for (int k = 1; k <= count; ++k) yypolpoint(px(k), row(py(k)), k - 1);
    yywinpolygon(count, fill);
    yypolfree();
}

void polygonOrPolyline(int opcode) {
    const int n = yyvertexcount(gravim.graphics.OperandCount);
    if (!bufferVertices(n)) return;
    if (opcode == OpPolyline) yywinpolyline(n);
    else yywinpolygon(n, opcode - 12);
    yypolfree();
}

void arc(int opcode) {
    const GraphicsState& g = gravim.graphics;
    const int cx = px(1), cy = py(1);
    const double rx = g.OperandX[2], ry = g.OperandY[2];
    int xs = pixelOf(cx + rx * std::cos(static_cast<double>(g.OperandX[3])));
    int ys = pixelOf(cy + ry * std::sin(static_cast<double>(g.OperandX[3])));
    int xe = pixelOf(cx + rx * std::cos(static_cast<double>(g.OperandY[3])));
    int ye = pixelOf(cy + ry * std::sin(static_cast<double>(g.OperandY[3])));
    const int centreRow = row(cy);
    ys = row(ys);
    ye = row(ye);
    // Start and end on one pixel would make a full disc of a short arc: move the end one pixel
    // back against the direction of the start angle.
    if (xs == xe && ys == ye && std::fabs(g.OperandY[4]) <= 10) {
        double a = g.OperandX[4];
        a = a - 360.0 * std::trunc(a / 360.0);
        if (a < 0) a += 360.0;
        if (a < 90) xe = saturated(xe - 1LL), ye = saturated(ye - 1LL);
        else if (a < 180) xe = saturated(xe - 1LL), ye = saturated(ye + 1LL);
        else if (a < 270) xe = saturated(xe + 1LL), ye = saturated(ye + 1LL);
        else xe = saturated(xe + 1LL), ye = saturated(ye - 1LL);
    }
    const int irx = pixelOf(rx), iry = pixelOf(ry);
    if (opcode == OpOutlineArc) yywinoutlinearc(cx, centreRow, irx, iry, xs, ys, xe, ye, g.fillPattern[0], g.fillStyle);
    else yywinarc(cx, centreRow, irx, iry, xs, ys, xe, ye, opcode - 10);
}

// The clip rectangle of the surface on one printer page, with the window-dump settings.
void dumpToPrinter() {
    const GraphicsState& g = gravim.graphics;
    const HardcopyState& h = gravim.hardcopy;
    if (h.printerAvailable == 0) {
        yyerror(1, "YYGAPI");
        return;
    }
    const int* const dump = h.printImageOptions;
    const std::string name(g.OperandText.trimmed());
    int error = 0;
    const HardcopyPort& printer = yyhardcopyport();
    printer.windowDumpStart(dump[1], dump[2], dump[3], dump[4], error, dump[5], dump[8], name.c_str());
    if (error != 0) {
        yyerror(1, "YYGAPI");
        return;
    }
    printer.windowDumpBlit(g.clipPixelX1, row(g.clipPixelY2), g.clipPixelX2, row(g.clipPixelY1), error);
    if (error != 0) yyerror(64, "YYGAPI");
    printer.windowDumpEnd();
}

void font() {
    GraphicsState& g = gravim.graphics;
    const double dx = g.rotatedMaxX, dy = g.rotatedMaxY;
    double w = static_cast<double>(g.rotatedClipWidth) * g.CharWidth;
    double h = static_cast<double>(g.rotatedClipHeight) * g.CharHeight;
    if (w != 0) g.CharsAcross = static_cast<float>(dx / w);
    if (h != 0) g.CharsDown = static_cast<float>(dy / h);
    const int escapement = yytrunc(g.DeviceTextAngle);
    int style = g.FontStyle;
    if (g.FontClass != 0) {
        w *= g.FontClass == 1 ? 0.607 : 0.78;
        if (g.FontNumber == 4) w *= 1.38;
        h *= 0.821;
        if (g.FontClass == 1) style &= ~4;
    }
    const int cellWidth = std::max(1, pixelOf(w)), cellHeight = std::max(1, pixelOf(h));
    const std::string name(g.FontName.trimmed());
    const bool cached = cellWidth == FontCache.cellWidth && cellHeight == FontCache.cellHeight &&
                        escapement == FontCache.escapement && g.FontNumber == FontCache.number && style == FontCache.style &&
                        (g.FontNumber != 0 || name == FontCache.name);
    if (!cached) {
        FontCache = {cellWidth, cellHeight, escapement, g.FontNumber, style, g.FontNumber == 0 ? name : std::string()};
        int width = cellWidth, height = cellHeight, ascent = 0;
        yywinselectfont(width, height, ascent, escapement, g.FontNumber, style, name.c_str());
        FontAscent = ascent;
        FontCellHeight = height;
        if (g.FontClass == 0) FontSampleWidth = width;
        g.ScreenCharWidth = width / 52;
        g.ScreenCharHeight = height;
    }
    if (g.FontClass == 0 && FontSampleWidth > 0) g.CharsAcross = static_cast<float>(dx * 52 / FontSampleWidth);
}

void text() {
    GraphicsState& g = gravim.graphics;
    const int n = textCount(px(1));
    const double t = FontAscent - 0.5 * FontCellHeight;
    const double s = g.DeviceTextSinOverAspect, c = g.DeviceTextCos;
    const double x0 = g.OperandX[1] + t * s, y0 = g.OperandY[1] - t * c;
    if (g.CharacterPlacement == 0) {
        const int justification = g.FontClass == 1 ? 0 : g.TextJustification;
        const int opaque = (g.FontStyle & 8) != 0 && g.FontClass != 1 ? 1 : 0;
        yywindrawstring(pixelOf(x0), row(pixelOf(y0)), pixelOf(g.OperandX[3] + t * s), row(pixelOf(g.OperandY[3] - t * c)),
                        justification, opaque, textData(), n);
        g.OperandPixelX[4] = 0;
        return;
    }
    for (int k = 0; k < n; ++k) {
        const double x = x0 + k * static_cast<double>(g.CharAdvanceX), y = y0 - k * static_cast<double>(g.CharAdvanceY);
        yywindrawstring(pixelOf(x), row(pixelOf(y)), pixelOf(x + g.CharSpanX), row(pixelOf(y + g.CharSpanY)), 1, 0,
                        textData() + k, 1);
    }
}

void blit() {
    const GraphicsState& g = gravim.graphics;
    if (g.surfaceType == 4) return;
    const int w = saturated(static_cast<long long>(px(2)) - px(1) + 1);
    const int h = saturated(static_cast<long long>(py(2)) - py(1) + 1);
    int background = 0;
    yypalg(0, background);
    yypolalloc(6);
    yywinblit(px(1), row(py(2)), px(3), row(saturated(static_cast<long long>(py(3)) + h - 1)), w, h, g.OperandValue, background);
    yypolfree();
}

void clip() {
    const GraphicsState& g = gravim.graphics;
    if (g.clipPixelX1 <= 0 && g.clipPixelX2 >= g.surfaceWidth - 1 && g.clipPixelY1 <= 0 && g.clipPixelY2 >= g.surfaceHeight - 1 &&
        g.surfaceType != 3) {
        yywinclip(0, 0, 0, -1);
        return;
    }
    yywinclip(g.clipPixelX1, row(g.clipPixelY2), g.clipPixelX2, row(g.clipPixelY1));
}

// The view entries the screen's palette holds: 16, or the reduced view's 32, 64 or 128.
int viewEntries() {
    const int n = gravim.graphics.screenColours;
    return n == 16 ? 16 : std::clamp(n, 0, 128);
}

int viewEntry(int i) {
    int rgb = 0;
    if (gravim.graphics.screenColours == 16) yypalg16(i, rgb);
    else yypalg32(i, rgb);
    return rgb;
}

void reapplyColours() {
    const GraphicsState& g = gravim.graphics;
    yywincolour(g.colourState[0][0], g.colourState[2][0]);
    yywincolour(g.colourState[0][1], g.colourState[2][1]);
}

void paletteEntry() {
    const GraphicsState& g = gravim.graphics;
    const int entry = g.OperandValue;
    // An entry the views do not hold changes nothing.
    if (gravim.core.displayColours == 256 && entry >= 0 && entry < viewEntries()) {
        const bool more = g.OperandPixelX[4] != 0;
        if (viewEntry(entry) != g.OperandPixelX[1] || (!more && PaletteBatchState == 3)) {
            int flag = 0;
            if (!more) {
                flag = PaletteBatchState;
                PaletteBatchState = 0;
            } else {
                flag = PaletteBatchState / 3 + 1;
                PaletteBatchState = 3;
            }
            yywinpalette(entry, g.OperandPixelX[1], flag);
        }
    }
    if (g.colourModel == 1 && (entry == g.colourState[0][0] || entry == g.colourState[0][1])) reapplyColours();
}

void colourModel() {
    GraphicsState& g = gravim.graphics;
    if (gravim.core.displayColours == 256) {
        const int n = viewEntries();
        for (int i = 0; i < n; ++i) yywinpalette(i, viewEntry(i), i == n - 1 ? 3 : i == 0 ? 1 : 2);
    }
    if (g.colourModel == 1) {
        for (int k = 0; k < 2; ++k) {
            const int index = std::clamp(g.colourState[1][k], 0, 255);
            yypalg(index, g.colourState[2][k]);
        }
    }
    reapplyColours();
}

void lineWidth() {
    const GraphicsState& g = gravim.graphics;
    int width = g.lineWidth;
    if (g.surfaceType == 4) {
        int units = 0, points = 0;
        yymetafileslotwidth(units, points);
        if (points > 0) width = pixelOf(static_cast<double>(units) * g.metafileLineWidth / (10.0 * points));
    }
    yywinlinewidth(width);
}

void readPixel() {
    GraphicsState& g = gravim.graphics;
    const int x = px(1), y = py(1);
    if (g.surfaceType == 4 || x < 0 || y < 0 || x >= g.surfaceWidth || y >= g.surfaceHeight) {
        g.OperandPixelX[1] = -1;
        return;
    }
    yywingetpixelrgb(x, row(y), g.OperandPixelX[1], g.OperandPixelX[2], g.OperandPixelX[3]);
    if (g.OperandPixelX[1] != -1) g.OperandPixelX[1] += 256 * g.OperandPixelX[2] + 65536 * g.OperandPixelX[3];
}

void image() {
    GraphicsState& g = gravim.graphics;
    const int height = g.surfaceHeight;
    int x1 = g.clipPixelX1, y1 = row(g.clipPixelY2), x2 = g.clipPixelX2, y2 = row(g.clipPixelY1);
    const bool turned = g.rotation == 90 || g.rotation == 270;
    if (turned && gravim.system.WinNT != 0) {
        x1 = g.clipPixelY1;
        y1 = saturated(static_cast<long long>(height) - 1 - g.clipPixelX2);
        x2 = g.clipPixelY2;
        y2 = saturated(static_cast<long long>(height) - 1 - g.clipPixelX1);
    }
    long long xOffset = 0, yOffset = 0;
    switch (g.rotation) {
    case 90:
        xOffset = static_cast<long long>(g.clipPixelX1) + g.clipPixelX2 - height;
        yOffset = height;
        break;
    case 180:
        xOffset = static_cast<long long>(g.clipPixelX1) + g.clipPixelX2;
        yOffset = 2LL * height - g.clipPixelY2 - g.clipPixelY1;
        break;
    case 270:
        xOffset = height;
        yOffset = static_cast<long long>(height) - g.clipPixelY2 - g.clipPixelY1;
        break;
    default: break;
    }
    const std::string name(g.OperandText.trimmed());
    yyimageport().drawImage(px(1), 0, x1, y1, x2, y2, py(1), py(3), g.rotation, saturated(xOffset), saturated(yOffset), g.OperandValue,
                g.OperandCount, name.c_str());
}

// Device pixels of a real coordinate: truncation, and one less for negative values.
int gradientPixel(float value) {
    return value >= 0 ? pixelOf(value) : pixelOf(static_cast<double>(value) - 0.999);
}

void gradientFill() {
    GraphicsState& g = gravim.graphics;
    g.GradientVertexCount = yygradientvertices([](float x, float y, int& column, int& pixelRow) {
        column = gradientPixel(x);
        pixelRow = row(gradientPixel(y));
    });
    yygradientfill(g.screenDevice.GradientFillType, g.clipPixelX1, row(g.clipPixelY2), g.clipPixelX2, row(g.clipPixelY1),
                   yywinpointrgb, yywingradfill);
}

}  // namespace

void yygapi(int opcode) {
    GraphicsState& g = gravim.graphics;
    if (g.screenActive == 0 || opcode < 1 || opcode > 40) return;
    switch (opcode) {
    case OpInitialise: recordCapabilities(); break;
    case OpLine: yywinline(px(1), row(py(1)), px(2), row(py(2))); break;
    case OpColour: yywincolour(g.colourState[0][1], g.colourState[2][1]); break;
    case OpEllipseFixed: yywinellipse(px(1), row(py(1)), px(2), py(2), 0, FillSolid); break;
    case OpEllipsePattern:
    case OpEllipse: yywinellipse(px(1), row(py(1)), px(2), py(2), opcode, opcode - 2); break;
    case OpQuadPattern:
    case OpQuad: shapeFromPoints(4, opcode - 4); break;
    case OpTrianglePattern:
    case OpTriangle: shapeFromPoints(3, opcode - 8); break;
    case OpRectanglePattern:
    case OpRectangle: yywinrectangle(px(1), row(py(2)), px(2), row(py(1)), opcode - 6); break;
    case OpArcPattern:
    case OpArc:
    case OpOutlineArc: arc(opcode); break;
    case OpPolygonPattern:
    case OpPolygon:
    case OpPolyline: polygonOrPolyline(opcode); break;
    case OpClear: {
        int background = 0;
        yypalg(0, background);
        yywinclear(g.surfaceWidth, g.surfaceHeight, background);
        break;
    }
    case OpOpen:
        FontCache = {-1, -1, -1, -1, -1, std::string()};
        PaletteBatchState = 0;
        break;
    case OpPage: dumpToPrinter(); break;
    case OpFont:
    case OpFontRotate: font(); break;
    case OpText: text(); break;
    case OpBlit: blit(); break;
    case OpClip: clip(); break;
    case OpTextLength: {
        int width = 0;
        yywinstrwidth(width, textData(), textCount(g.OperandValue));
        g.OperandX[1] = static_cast<float>(width);
        g.OperandCount = 1;
        break;
    }
    case OpPoint: yywinpoint(px(1), row(py(1))); break;
    case OpPlotMode: yywinplotmode(g.plotMode); break;
    case OpPaletteEntry: paletteEntry(); break;
    case OpLineType: yywinlinetype(g.lineType); break;
    case OpLineWidth: lineWidth(); break;
    case OpReadPixel: readPixel(); break;
    case OpColourModel: colourModel(); break;
    case OpImage: image(); break;
    case OpGradientFill: gradientFill(); break;
    default: break;  // OpClose, OpLineJoin, OpLineCap and OpMetafileHeader do nothing
    }
}
