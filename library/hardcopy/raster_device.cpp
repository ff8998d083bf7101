// raster_device.cpp - the software raster device: the drawing opcodes of the raster printer and
// image-file drivers turned into pixels of the page raster.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"
#include "graphics/graphics_internal.hpp"
#include "hardcopy/dithering.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/software_raster.hpp"

namespace {

// Dash patterns by line type, bit 0 first, one bit per point (1/72 inch) of line.
constexpr int RasterDashPattern[8] = {4095, 260, 3591, 481, 969, 3303, 2275, 105703};
constexpr int RasterDashLength[8] = {12, 12, 12, 12, 12, 12, 12, 17};

constexpr int Previous = 0, Current = 1;

int toColumn(float x) { return yytrunc(gravim.graphics.HardcopyScaleX * x); }
int toRow(float y) { return yytrunc(gravim.graphics.HardcopyScaleY * y); }

int truncated(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// The current colour's patterns into the current slot of planes 1..3.
void currentPatterns() {
    RasterState& r = gravim.raster;
    DitherWord p1 = 0, p2 = 0, p3 = 0;
    yydith(gravim.hardcopy.printerColourKind, p1, p2, p3);
    r.DitherPattern[1][Current] = p1;
    r.DitherPattern[2][Current] = p2;
    r.DitherPattern[3][Current] = p3;
}

void open() {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    if (g.OperandValue > 0) {
        if (!yyhardcopyopenfile()) {
            // Output stays off, so no close reaches the device: the raster goes now.
            yyrasterrelease();
            return;
        }
        r.RasterXMax = r.RasterWidth - 1;
        r.RasterYMax = r.RasterHeight - 1;
        switch (r.RasterDepth) {
        case 24: r.RasterLayout = 4; break;
        case 8: r.RasterLayout = 3; break;
        case 3:
        case 4: r.RasterLayout = 2; break;
        default: r.RasterLayout = 1; break;
        }
        g.hardcopyColours = r.RasterDepth >= 8 ? 256 : (1 << std::max(r.RasterDepth, 0));
        currentPatterns();
        yydith2();
        r.LastPointX = r.LastPointY = -9999;
    }
    g.HardcopyScaleX = g.surfaceWidth > 0 ? static_cast<float>(r.RasterWidth) / static_cast<float>(g.surfaceWidth) : 0.0f;
    g.HardcopyScaleY = g.surfaceHeight > 0 ? static_cast<float>(r.RasterHeight) / static_cast<float>(g.surfaceHeight) : 0.0f;
}

void clear() {
    RasterState& r = gravim.raster;
    if (r.IRBUFF.empty()) return;
    const std::int64_t last = std::min<std::int64_t>({r.RasterUsedWords, r.RasterTotalWords, static_cast<std::int64_t>(r.IRBUFF.size()) - 1});
    if (last < 0) return;
    std::fill(r.IRBUFF.begin(), r.IRBUFF.begin() + static_cast<std::ptrdiff_t>(last + 1), r.RasterClearValue);
}

void colour() {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    r.RasterPreviousColour = r.RasterColour;
    for (int plane = 1; plane <= 3; ++plane) r.DitherPattern[plane][Previous] = r.DitherPattern[plane][Current];
    currentPatterns();
    const int index = g.colourState[1][1];
    const int inversion = gravim.hardcopy.HardcopyOptions[6];
    switch (r.RasterDepth) {
    case 1: r.RasterColour = index == (inversion == 0 ? 0 : 223) ? 0 : 1; break;
    case 3: {
        int red = 0, green = 0, blue = 0;
        yymodelrgb(yymodelcolour(1), red, green, blue);
        int value = red / 128 + 2 * (green / 128) + 4 * (blue / 128);
        if (inversion == 2 && (value == 0 || value == 7)) value = 7 - value;
        if (gravim.hardcopy.printerColourKind == 2) value = 7 - value;
        r.RasterColour = value;
        break;
    }
    case 4: r.RasterColour = SixteenColourMap[static_cast<std::size_t>((index / 16) & 15)]; break;
    case 8: r.RasterColour = index & 255; break;
    case 24: r.RasterColour = g.colourState[2][1]; break;
    default: break;
    }
}

void line() {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    g.pageDrawn = 1;
    const int x1 = toColumn(g.OperandX[1]), y1 = toRow(g.OperandY[1]);
    const int x2 = toColumn(g.OperandX[2]), y2 = toRow(g.OperandY[2]);
    if (g.fillPass[2] != 0) {
        yyvra2(std::min(x1, x2), std::max(x1, x2), y1);
        return;
    }
    yyvra3(x1, y1, x2, y2, x1 == r.LastPointX && y1 == r.LastPointY ? 1 : 0);
    r.LastPointX = x2;
    r.LastPointY = y2;
}

void polyline() {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    g.pageDrawn = 1;
    const int count = yyvertexcount(g.OperandCount);
    if (count < 1) return;
    int px = toColumn(g.PolygonX[1]), py = toRow(g.PolygonY[1]);
    int continues = px == r.LastPointX && py == r.LastPointY ? 1 : 0;
    for (int i = 2; i <= count; ++i) {
        const int x = toColumn(g.PolygonX[static_cast<std::size_t>(i)]), y = toRow(g.PolygonY[static_cast<std::size_t>(i)]);
        yyvra3(px, py, x, y, continues);
        continues = 1;
        px = x;
        py = y;
    }
    r.LastPointX = px;
    r.LastPointY = py;
}

void point() {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    g.pageDrawn = 1;
    const int x = toColumn(g.OperandX[1]), y = toRow(g.OperandY[1]);
    if (y >= r.RasterClipYMin && y <= r.RasterClipYMax)
        yyvra4(r.RasterColour, std::max(x - r.LineHalfRows, r.RasterClipXMin), y, std::min(x - r.LineHalfRows + r.LineExtraRows, r.RasterClipXMax));
    r.LastPointX = x;
    r.LastPointY = y;
}

void lineType() {
    RasterState& r = gravim.raster;
    const int type = std::clamp(gravim.graphics.lineType, 0, 7);
    r.LinePattern = RasterDashPattern[type];
    r.LinePatternLength = RasterDashLength[type];
    r.LinePatternPosition = 0;
    r.LinePatternStep = 1;
    r.DashUnitX = std::max(1L, std::lround(r.RasterResolutionX / 72.0f));
    r.DashUnitY = std::max(1L, std::lround(r.RasterResolutionY / 72.0f));
    r.LastPointX = -1;
}

void lineWidth() {
    RasterState& r = gravim.raster;
    const double width = gravim.hardcopy.HardcopyOptions[9];
    const auto extra = [width](float resolution) {
        return std::max(truncated(resolution * width / 720.0 + 0.5), 1) - 1;
    };
    r.LineExtraRows = extra(r.RasterResolutionY);
    r.LineExtraColumns = extra(r.RasterResolutionX);
    if (gravim.hardcopy.HardcopyOptions[5] != 0) std::swap(r.LineExtraRows, r.LineExtraColumns);
    // Thickness beyond the raster draws nothing more.
    const int most = std::max(r.RasterWidth, r.RasterHeight);
    r.LineExtraRows = std::min(r.LineExtraRows, most);
    r.LineExtraColumns = std::min(r.LineExtraColumns, most);
    r.LineHalfRows = r.LineExtraRows / 2;
    r.LineHalfColumns = r.LineExtraColumns / 2;
}

// The fill words of a shape: at depth 1 a set bit is ink, so the luminance pattern (whose bits
// grow with the light) is complemented and dark colours give ink.
void prepareFill() {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    r.MixedFill = g.fillStyle == 3 && g.colourState[1][0] != g.colourState[1][1] ? 1 : 0;
    if (g.fillOutline == 0) {
        r.FillWordEven = ~r.DitherPattern[1][Current];
    } else {
        r.FillWordEven = g.colourState[1][1] == 0 ? 0u : 0xFFFFFFFFu;
        if (gravim.hardcopy.HardcopyOptions[6] != 0) r.FillWordEven = ~r.FillWordEven;
    }
    r.FillWordOdd = r.MixedFill == 1 ? ~r.DitherPattern[1][Previous] : r.FillWordEven;
}

// Rows lo..hi clamped to the clip rectangle and the raster, walked from the top down.
template <class Span>
void eachRowDown(int lo, int hi, Span span) {
    const RasterState& r = gravim.raster;
    lo = std::max({lo, r.RasterClipYMin, 0});
    hi = std::min({hi, r.RasterClipYMax, r.RasterYMax});
    for (int row = hi; row >= lo; --row) span(row);
}

void rectangle() {
    GraphicsState& g = gravim.graphics;
    const RasterState& r = gravim.raster;
    const int x1 = toColumn(g.OperandX[1]), y1 = toRow(g.OperandY[1]);
    const int x2 = toColumn(g.OperandX[2]), y2 = toRow(g.OperandY[2]);
    if (y2 < y1 || x2 < x1) return;
    for (int row = std::max(y1, 0); row <= std::min(y2, r.RasterYMax); ++row) yyvra2(x1, x2, row);
}

bool vertices(int count, int* x, int* y) {
    const GraphicsState& g = gravim.graphics;
    if (yyvertexcount(count) < count) return false;
    for (int i = 1; i <= count; ++i) {
        x[i] = toColumn(g.PolygonX[static_cast<std::size_t>(i)]);
        y[i] = toRow(g.PolygonY[static_cast<std::size_t>(i)]);
    }
    return true;
}

void triangle() {
    const RasterState& r = gravim.raster;
    int x[4] = {}, y[4] = {};
    if (!vertices(3, x, y) || y[1] > y[3]) return;
    const auto slope = [&](int a, int b) {
        return y[a] != y[b] ? (static_cast<double>(x[a]) - x[b]) / (static_cast<double>(y[a]) - y[b]) : 0.0;
    };
    const double s12 = slope(1, 2), s23 = slope(2, 3), s13 = slope(1, 3);
    eachRowDown(y[1], y[3], [&](int row) {
        int a = 0, b = 0;
        if (row < y[2]) {
            a = truncated(s12 * (row - y[2]) + x[2]);
            b = truncated(s13 * (row - y[3]) + x[3]);
        } else if (row > y[2]) {
            a = truncated(s13 * (row - y[3]) + x[3]);
            b = truncated(s23 * (row - y[3]) + x[3]);
        } else {
            a = x[2];
            b = y[2] == y[1] ? x[1] : y[2] == y[3] ? x[3] : truncated(s13 * (y[2] - y[3]) + x[3]);
        }
        yyvra2(std::max(std::min(a, b), r.RasterClipXMin), std::min(std::max(a, b), r.RasterClipXMax), row);
    });
}

void quadrilateral() {
    const RasterState& r = gravim.raster;
    int x[5] = {}, y[5] = {};
    if (!vertices(4, x, y)) return;
    const int yb = std::max(std::min(y[1], y[2]), r.RasterClipYMin);
    const int yt = std::min(std::max(y[3], y[4]), r.RasterClipYMax);
    if (yb == yt) {
        yyvra2(std::max(std::min(x[1], x[4]), r.RasterClipXMin), std::min(std::max(x[2], x[3]), r.RasterClipXMax), yb);
        return;
    }
    if (gravim.graphics.OperandValue != 1) {
        // A trapezoid: the left and right sides cut each row.
        eachRowDown(yb, yt, [&](int row) {
            yyvra2(std::max(yyxini(x[1], y[1], x[4], y[4], row), r.RasterClipXMin),
                   std::min(yyxini(x[2], y[2], x[3], y[3], row), r.RasterClipXMax), row);
        });
        return;
    }
    // A band between vertical sides at x1 and x2; beyond a side's extent the sloping lower and
    // upper edges bound the row.
    eachRowDown(yb, yt, [&](int row) {
        int xs = std::max(x[1], r.RasterClipXMin), xe = std::min(x[2], r.RasterClipXMax);
        const bool outsideLeft = row > y[4] || row < y[1];
        const bool outsideRight = row > y[3] || row < y[2];
        if (outsideLeft || outsideRight) {
            const int cb = yyxini(x[1], y[1], x[2], y[2], row), ct = yyxini(x[4], y[4], x[3], y[3], row);
            const bool bottomCounts = cb >= xs && cb <= xe, topCounts = ct >= xs && ct <= xe;
            if (bottomCounts && topCounts) {
                if (outsideLeft) xs = std::min(cb, ct);
                if (outsideRight) xe = std::max(cb, ct);
            } else if (bottomCounts) {
                if (y[1] > y[2]) {
                    if (outsideLeft) xs = cb;
                } else if (outsideRight) {
                    xe = cb;
                }
            } else if (topCounts) {
                if (y[4] < y[3]) {
                    if (outsideLeft) xs = ct;
                } else if (outsideRight) {
                    xe = ct;
                }
            }
        }
        yyvra2(xs, xe, row);
    });
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    if (g.OperandValue == -1) return;
    g.pageDrawn = 1;
    if (g.fillStyle < 3) {
        if (opcode == OpEllipsePattern) g.OperandValue = -1;
        return;
    }
    prepareFill();
    switch (opcode) {
    case OpEllipsePattern:
    case OpArcPattern:
    case OpPolygonPattern:
        g.fillPass[2] = 1;
        g.FillLineSpacing = gravim.raster.RasterHeight > 0 ? g.surfaceMaxY / static_cast<float>(gravim.raster.RasterHeight) : 0.0f;
        break;
    case OpRectanglePattern: rectangle(); break;
    case OpTrianglePattern: triangle(); break;
    case OpQuadPattern: quadrilateral(); break;
    default: break;
    }
}

void image() {
    const GraphicsState& g = gravim.graphics;
    const int width = g.OperandPixelX[2], height = g.OperandPixelY[2];
    std::vector<int> pixels;
    if (yyhardcopyloadimage(width, height, pixels) && !pixels.empty()) yyvrasimage(pixels.data(), width, height);
}

void gradientFill() {
    GraphicsState& g = gravim.graphics;
    const RasterState& r = gravim.raster;
    g.pageDrawn = 1;
    yygradientvertices([](float x, float y, int& column, int& row) {
        column = toColumn(x);
        row = toRow(y);
    });
    yyrgbpixelcacheclear();
    yygradientfill(1, r.RasterClipXMin, r.RasterClipYMin, r.RasterClipXMax, r.RasterClipYMax, yyvra5, nullptr);
}

}  // namespace

void yyvra5(int x, int y, int rgb) {
    yyvra1(yyrgbpixel(gravim.raster.RasterDepth, std::max(x, 0), std::max(y, 0), rgb), x, y);
}

void yyvrasimage(const int* pixels, int width, int height) {
    const RasterState& r = gravim.raster;
    if (pixels == nullptr || width < 1 || height < 1) return;
    const int rotation = gravim.graphics.rotation;
    if (rotation != 0 && rotation != 90 && rotation != 180 && rotation != 270) return;
    yyrgbpixelcacheclear();
    const std::int64_t w = width, h = height;
    const std::int64_t W = std::int64_t{r.RasterClipXMax} - r.RasterClipXMin + 1;
    const std::int64_t H = std::int64_t{r.RasterClipYMax} - r.RasterClipYMin + 1;
    if (W < 1 || H < 1) return;
    const int x0 = std::max(r.RasterClipXMin, 0), x1 = std::min(r.RasterClipXMax, r.RasterXMax);
    const int y0 = std::max(r.RasterClipYMin, 0), y1 = std::min(r.RasterClipYMax, r.RasterYMax);
    for (int y = y0; y <= y1; ++y) {
        const std::int64_t dy = y - std::int64_t{r.RasterClipYMin}, dt = r.RasterClipYMax - std::int64_t{y};
        for (int x = x0; x <= x1; ++x) {
            const std::int64_t dx = x - std::int64_t{r.RasterClipXMin};
            std::int64_t row = 0, column = 0;
            switch (rotation) {
            case 0: row = h * dt / H; column = w * dx / W; break;
            case 90: row = h * dx / W; column = w * dy / H; break;
            case 180: row = h - 1 - h * dt / H; column = w - 1 - w * dx / W; break;
            default: row = h - 1 - h * dx / W; column = w - 1 - w * dy / H; break;
            }
            if (row < 0 || row >= h || column < 0 || column >= w) continue;
            yyvra5(x, y, pixels[row * w + column]);
        }
    }
}

void yyvras(int opcode) {
    GraphicsState& g = gravim.graphics;
    RasterState& r = gravim.raster;
    switch (opcode) {
    case OpInitialise: {
        yydefh();
        DeviceFacts& device = g.hardcopyDevice;
        device.word1 = 0;
        device.word2 = 0;
        device.word3 = 2;
        device.TrueColourDevice = 1;
        device.GradientFillType = 1;
        device.word6 = 0;
        device.word7 = 0;
        device.word8 = 1;
        device.deviceReal = 0.0f;
        r.RasterTotalWords = 0;
        break;
    }
    case OpLine: line(); break;
    case OpColour:
    case OpColourModel: colour(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: filledShape(opcode); break;
    case OpClear: clear(); break;
    case OpOpen: open(); break;
    case OpClose:
        yyprcl(hardcopyUnit);
        yyrasterrelease();
        break;
    case OpClip:
        r.RasterClipXMin = toColumn(g.clipX1);
        r.RasterClipXMax = toColumn(g.clipX2);
        r.RasterClipYMin = toRow(g.clipY1);
        r.RasterClipYMax = toRow(g.clipY2);
        break;
    case OpPoint: point(); break;
    case OpLineType: lineType(); break;
    case OpLineWidth: lineWidth(); break;
    case OpPolyline: polyline(); break;
    case OpImage: image(); break;
    case OpGradientFill: gradientFill(); break;
    default: break;
    }
}
