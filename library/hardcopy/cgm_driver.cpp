// cgm_driver.cpp - the binary CGM file driver: one metafile of one picture per hardcopy output,
// attributes written only when they change, encoded by the graphics core's CGM encoder into the
// output file.
#include "hardcopy/cgm_driver.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/cgm_encoder.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"
#include "graphics/graphics_internal.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy_drivers.hpp"

namespace {

// The output file as the encoder's sink: bytes gather here and go to the unit in blocks.
class OutputFileSink final : public CgmSink {
public:
    void element(int, int) override {}
    void put(std::span<const std::uint8_t> bytes) override {
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        if (pending_.size() >= blockSize) flush();
    }
    void flush() {
        if (pending_.empty()) return;
        yyprou(hardcopyUnit, reinterpret_cast<const char*>(pending_.data()), static_cast<int>(pending_.size()));
        pending_.clear();
    }
    void discard() { pending_.clear(); }

private:
    static constexpr std::size_t blockSize = 16 * 1024;
    std::vector<std::uint8_t> pending_;
};

// The unit's handle as a sink, for the cell rows of an image; the first failing write stops it.
class HandleSink final : public CgmSink {
public:
    explicit HandleSink(int handle) : handle_(handle) {}
    void element(int, int) override {}
    void put(std::span<const std::uint8_t> bytes) override {
        if (failed) return;
        const CoreState& core = gravim.core;
        const int saved = core.lastError;
        yyseterror(0);
        yyprbu(handle_, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0);
        if (core.lastError != 0) {
            failed = true;
            systemCode = core.fileStatus;
        } else {
            yyseterror(saved);
        }
    }
    bool failed = false;
    int systemCode = 0;

private:
    int handle_;
};

OutputFileSink out;

// What the driver remembers from opening to closing the file.
struct CgmFileState {
    int vdcWidth = 0, vdcHeight = 0;
    int current = 0;  // packed colour of the last colour opcode, inverted
    int lineColour = -1, edgeColour = -1, fillColour = -1, textColour = -1, auxiliaryColour = -1;
    int edgeType = -1, edgeWidth = -1, font = -1, characterHeight = -1, alignment = -1;
    int lineJoin = 0, lineCap = 0;
    bool pictureOpen = false;
};
CgmFileState cgm;

// CGM line type codes of the library's line types 0..7.
constexpr int lineTypeCodes[8] = {1, 3, 2, 4, 5, 10, 12, 13};

int* options() { return gravim.hardcopy.HardcopyOptions; }

int pack(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// The previous (column 0) or current (column 1) colour, packed and inverted.
int convert(int column) {
    int red = 0, green = 0, blue = 0;
    yymodelrgb(yymodelcolour(column), red, green, blue);
    yycgm1(red, green, blue);
    return pack(red, green, blue);
}

CgmPoint vdc(float x, float y) {
    const GraphicsState& g = gravim.graphics;
    return {yytrunc(x * g.HardcopyScaleX), yytrunc(y * g.HardcopyScaleY)};
}

void integers(int elementClass, int id, std::initializer_list<int> values) {
    yycgmintegers(out, elementClass, id, std::span<const int>(values.begin(), values.size()));
}

void colourElement(int elementClass, int id, int packed) {
    yycgmcolourelement(out, elementClass, id, yycgmunpack(packed), false);
}

// Writes a colour element when the colour differs from the one last written in it.
void lazyColour(int elementClass, int id, int packed, int& last) {
    if (packed == last) return;
    colourElement(elementClass, id, packed);
    last = packed;
}

// A line width or edge width in VDC: option 9 (tenths of a point) over the page.
int widthInVdc() {
    const long long page = 10LL * options()[1];
    if (page == 0) return 0;
    return static_cast<int>(std::clamp(static_cast<long long>(options()[9]) * cgm.vdcWidth / page, -32768LL, 32767LL));
}

void initialise() {
    if (yyhardcopyquery(9)) return;
    int* const o = options();
    o[1] = 756;
    o[2] = 540;
    o[3] = o[4] = o[5] = 0;
    yyvectordevice(600, {8, 360, 2, 1, 2, 1, 1, 1}, "00000110111111100010011011100");
    o[28] = 2;
    yyhardcopyinitialised(9, 0, "gravplot.cgm");
}

void setScales() {
    GraphicsState& g = gravim.graphics;
    g.HardcopyScaleX = static_cast<float>(cgm.vdcWidth) / g.surfaceMaxX;
    g.HardcopyScaleY = static_cast<float>(cgm.vdcHeight) / g.surfaceMaxY;
}

void fontList() {
    static constexpr std::string_view sets[3][16] = {
        {"COURIER", "COURIER_BOLD", "COURIER_ITALIC", "COURIER_BOLD_ITALIC", "HELVETICA", "HELVETICA_BOLD",
         "HELVETICA_OBLIQUE", "HELVETICA_BOLD_OBLIQUE", "TIMES_ROMAN", "TIMES_BOLD", "TIMES_ITALIC", "TIMES_BOLD_ITALIC",
         "SYMBOL", "SYMBOL", "SYMBOL", "SYMBOL"},
        {"Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique", "Helvetica", "Helvetica-Bold",
         "Helvetica-Oblique", "Helvetica-BoldOblique", "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic",
         "Symbol", "Symbol", "Symbol", "Symbol"},
        {"Courier New", "Courier New Bold", "Courier New Italic", "Courier New Bold Italic", "Arial", "Arial Bold",
         "Arial Italic", "Arial Bold Italic", "Times New Roman", "Times New Roman Bold", "Times New Roman Italic",
         "Times New Roman Bold Italic", "Symbol", "Symbol Italic", "Symbol Bold", "Symbol Bold Italic"},
    };
    const int set = options()[28];
    if (set != 1) {
        // Any other value than 0 and 1 writes the last set.
        yycgmfontlist(out, sets[set == 0 ? 0 : 2]);
        return;
    }
    // This set declares the zero byte after its odd count of name bytes.
    int length = 0;
    for (std::string_view name : sets[1]) length += yycgmstringsize(name);
    yycgmlongheader(out, 1, 13, length + 1, false);
    for (std::string_view name : sets[1]) yycgmputstring(out, name);
    yycgmputbyte(out, 0);
}

void header() {
    const GraphicsState& g = gravim.graphics;
    const std::string title(gravim.hardcopy.hardcopyTitle.trimmed());
    yycgmstringelement(out, 0, 1, g.OperandPixelX[1] != 0 ? std::string_view(title) : "KBN CGM File");
    integers(1, 1, {1});                                // METAFILE VERSION
    yycgmstringelement(out, 1, 2, "KBN CGM driver v4");  // METAFILE DESCRIPTION
    integers(1, 3, {0});                                // VDC TYPE integer
    integers(1, 4, {16});                               // INTEGER PRECISION
    integers(1, 5, {1, 16, 16});                        // REAL PRECISION fixed
    integers(1, 6, {16});                               // INDEX PRECISION
    fontList();
    integers(1, 7, {8});  // COLOUR PRECISION
    yycgmheader(out, 1, 10, 6);  // COLOUR VALUE EXTENT
    yycgmputcolour(out, {0, 0, 0});
    yycgmputcolour(out, {255, 255, 255});
    yycgmstringelement(out, 0, 3, "KBN CGM Data");  // BEGIN PICTURE
    integers(2, 3, {0});                            // LINE WIDTH SPECIFICATION MODE absolute
    integers(2, 5, {0});                            // EDGE WIDTH SPECIFICATION MODE absolute
    integers(2, 2, {1});                            // COLOUR SELECTION MODE direct
    integers(3, 1, {16});                           // VDC INTEGER PRECISION
    const CgmPoint extent[2] = {{0, 0}, {cgm.vdcWidth, cgm.vdcHeight}};
    yycgmpoints(out, 2, 6, extent, false);  // VDC EXTENT
    // A white background: without it some readers paint the page black.
    colourElement(2, 7, pack(255, 255, 255));  // BACKGROUND COLOUR
    yycgmempty(out, 0, 4);                     // BEGIN PICTURE BODY
    yycgmtextalignment(out, 1, 5);
}

void open() {
    GraphicsState& g = gravim.graphics;
    if (g.OperandValue <= 0) {
        // The surface was resized: the page stays, the scales follow the surface.
        setScales();
        return;
    }
    if (!yyhardcopyopenfile()) return;
    out.discard();
    const HardcopyState& h = gravim.hardcopy;
    long long width = std::max(0LL, static_cast<long long>(options()[1]) * h.hardcopyResolutionX / 72);
    long long height = std::max(0LL, static_cast<long long>(options()[2]) * h.hardcopyResolutionY / 72);
    const long long largest = std::max(width, height);
    if (largest > 32767) {
        width = width * 32767 / largest;
        height = height * 32767 / largest;
    }
    const int current = cgm.current;
    cgm = CgmFileState{};
    cgm.current = current;
    cgm.vdcWidth = static_cast<int>(width);
    cgm.vdcHeight = static_cast<int>(height);
    setScales();
    header();
    cgm.pictureOpen = true;
}

void endPicture() {
    if (!cgm.pictureOpen) return;
    yycgmempty(out, 0, 5);
    cgm.pictureOpen = false;
}

void close() {
    endPicture();
    yycgmempty(out, 0, 2);  // END METAFILE
    out.flush();
    yyprcl(hardcopyUnit);
}

void colour() { cgm.current = convert(1); }

void lines(int opcode) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    lazyColour(5, 4, cgm.current, cgm.lineColour);  // LINE COLOUR
    if (opcode == OpPolyline) {
        const int n = yyvertexcount(g.OperandCount);
        if (n < 1) return;
        if (n <= CgmPointsMax) {
            yycgm10(1, n);
            return;
        }
        // Pieces of at most 8191 points, each sharing its first point with the last one of the
        // piece before.
        for (int start = 1; start < n; start += CgmPointsMax - 1) yycgm10(start, std::min(start + CgmPointsMax - 1, n));
        return;
    }
    const bool point = opcode == OpPoint;
    const CgmPoint ends[2] = {vdc(g.OperandX[1], g.OperandY[1]),
                              point ? vdc(g.OperandX[1], g.OperandY[1]) : vdc(g.OperandX[2], g.OperandY[2])};
    yycgmpoints(out, 4, 1, ends, false);  // POLYLINE
}

std::vector<CgmPoint> polygonPoints() {
    const GraphicsState& g = gravim.graphics;
    const int n = yyvertexcount(std::min(g.OperandCount, CgmPointsMax));
    std::vector<CgmPoint> points;
    points.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) points.push_back(vdc(g.PolygonX[static_cast<std::size_t>(i)], g.PolygonY[static_cast<std::size_t>(i)]));
    return points;
}

// The outline of a sector: the centre, points along the arc stepped by pi / n (fewer steps when
// more than one partition's worth would come), and the end point.
std::vector<CgmPoint> sectorPoints() {
    const GraphicsState& g = gravim.graphics;
    const float x1 = g.OperandX[1], y1 = g.OperandY[1], x2 = g.OperandX[2], y2 = g.OperandY[2];
    const double first = g.OperandX[3], last = g.OperandY[3];
    const long long radius = std::clamp<long long>(yytrunc(x2), -1000000000LL, 1000000000LL);
    const long long n = std::max(1LL, radius * 75 / std::max(g.surfaceWidth, 1) + 25);
    double step = std::numbers::pi / static_cast<double>(n);
    constexpr long long arcMax = CgmPointsMax - 2;
    long long steps = 0;
    if (std::isfinite(first) && std::isfinite(last) && last >= first) {
        const double span = last - first;
        steps = span / step >= static_cast<double>(arcMax) ? arcMax + 1 : static_cast<long long>(std::floor(span / step)) + 1;
        if (steps > arcMax) {
            step = span / static_cast<double>(arcMax - 1);
            steps = arcMax;
        }
    }
    std::vector<CgmPoint> points;
    points.reserve(static_cast<std::size_t>(steps + 2));
    points.push_back(vdc(x1, y1));
    for (long long i = 0; i < steps; ++i) {
        const double a = first + static_cast<double>(i) * step;
        points.push_back(vdc(static_cast<float>(x1 + x2 * std::cos(a)), static_cast<float>(y1 + y2 * std::sin(a))));
    }
    points.push_back(vdc(static_cast<float>(x1 + x2 * std::cos(last)), static_cast<float>(y1 + y2 * std::sin(last))));
    return points;
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    if (g.OperandValue == -1) return;
    g.pageDrawn = 1;
    const bool outline = opcode == OpEllipsePattern && g.fillStyle <= 2;
    if (g.fillStyle < 3 && !outline) return;
    int fill = cgm.current;
    if (g.fillStyle == 3) {
        const CgmColour a = yycgmunpack(cgm.current);
        const CgmColour b = yycgmunpack(convert(0));
        fill = pack((a.red + b.red) / 2, (a.green + b.green) / 2, (a.blue + b.blue) / 2);
    }
    lazyColour(5, 23, fill, cgm.fillColour);  // FILL COLOUR
    switch (opcode) {
    case OpEllipsePattern: {
        if (outline) {
            integers(5, 30, {1});  // EDGE VISIBILITY on
            lazyColour(5, 29, cgm.current, cgm.edgeColour);
            if (g.lineType != cgm.edgeType) {
                integers(5, 27, {lineTypeCodes[std::clamp(g.lineType, 0, 7)]});  // EDGE TYPE
                cgm.edgeType = g.lineType;
            }
            if (options()[9] != cgm.edgeWidth) {
                integers(5, 28, {widthInVdc()});  // EDGE WIDTH
                cgm.edgeWidth = options()[9];
            }
        }
        integers(5, 22, {outline ? 4 : 1});  // INTERIOR STYLE empty or solid
        const float x1 = g.OperandX[1], y1 = g.OperandY[1];
        const CgmPoint ellipse[3] = {vdc(x1, y1), vdc(x1 + g.OperandX[2], y1), vdc(x1, y1 + g.OperandY[2])};
        yycgmpoints(out, 4, 17, ellipse, false);  // ELLIPSE
        if (outline) integers(5, 30, {0});
        break;
    }
    case OpRectanglePattern: {
        integers(5, 22, {1});
        const CgmPoint corners[2] = {vdc(std::max(g.OperandX[1], g.clipX1), std::max(g.OperandY[1], g.clipY1)),
                                     vdc(std::min(g.OperandX[2], g.clipX2), std::min(g.OperandY[2], g.clipY2))};
        yycgmpoints(out, 4, 11, corners, false);  // RECTANGLE
        break;
    }
    case OpArcPattern:
        integers(5, 22, {1});
        yycgmpoints(out, 4, 7, sectorPoints(), true);  // POLYGON
        break;
    default:
        integers(5, 22, {1});
        yycgmpoints(out, 4, 7, polygonPoints(), true);
        break;
    }
}

void font() {
    const GraphicsState& g = gravim.graphics;
    const int index = std::clamp(4 * g.EffectiveFontNumber - 3 + ((g.FontStyle % 4) + 4) % 4, 1, 16);
    if (index != cgm.font) {
        integers(5, 10, {index});  // TEXT FONT INDEX
        cgm.font = index;
    }
    const int height = std::clamp(yytrunc(g.CharHeight * 0.55f * g.rotatedClipHeight * g.HardcopyTextScaleY), 1, 32767);
    if (height != cgm.characterHeight) {
        integers(5, 15, {height});  // CHARACTER HEIGHT
        cgm.characterHeight = height;
    }
}

void fontRotate() {
    const GraphicsState& g = gravim.graphics;
    const float s = g.rotatedClipWidth * g.CharWidth * g.HardcopyScaleX;
    integers(5, 16,
             {yytrunc(-1.2f * s * g.DeviceTextSinOverAspect), yytrunc(1.2f * s * g.DeviceTextCos), yytrunc(s * g.DeviceTextCos),
              yytrunc(s * g.DeviceTextSinTimesAspect)});  // CHARACTER ORIENTATION
}

void text() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const int n = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(g.OperandText.view().size()));
    const std::string_view string = g.OperandText.view().substr(0, static_cast<std::size_t>(n));
    const bool opaque = (g.FontStyle & 8) != 0 && g.FontClass != 1 && g.FontBoxOff == 0;
    if (opaque) {
        integers(3, 4, {0});  // TRANSPARENCY off
        lazyColour(3, 3, convert(0), cgm.auxiliaryColour);
    }
    lazyColour(5, 14, cgm.current, cgm.textColour);  // TEXT COLOUR
    const int alignment = g.FontClass == 1 ? 1 : std::clamp(g.TextJustification, 0, 2) + 1;
    if (alignment != cgm.alignment) {
        yycgmtextalignment(out, alignment, 5);
        cgm.alignment = alignment;
    }
    float x = g.OperandX[1], y = g.OperandY[1];
    if (alignment == 2) {
        x = (g.OperandX[1] + g.OperandX[3]) * 0.5f;
        y = (g.OperandY[1] + g.OperandY[3]) * 0.5f;
    } else if (alignment == 3) {
        x = g.OperandX[3];
        y = g.OperandY[3];
    }
    if (g.FontClass == 1) {
        yycgmtext(out, vdc(x, y), string);
    } else {
        const float length = std::hypot(g.OperandX[3] - g.OperandX[1], g.OperandY[3] - g.OperandY[1]);
        yycgmrestrictedtext(out, yytrunc(length * g.HardcopyTextScaleX), yytrunc(1.25f * static_cast<float>(cgm.characterHeight)),
                            vdc(x, y), string);
    }
    if (opaque) integers(3, 4, {1});
}

void clip() {
    const GraphicsState& g = gravim.graphics;
    integers(3, 6, {1});  // CLIP INDICATOR on
    const CgmPoint corners[2] = {vdc(g.clipX1, g.clipY1), vdc(g.clipX2, g.clipY2)};
    yycgmpoints(out, 3, 5, corners, false);  // CLIP RECTANGLE
}

void image() {
    GraphicsState& g = gravim.graphics;
    const int width = g.OperandPixelX[2], height = g.OperandPixelY[2];
    std::vector<int> pixels;
    if (yyhardcopyloadimage(width, height, pixels)) yycgmimage(pixels, width, height);
}

void gradientFill() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    yygradientvertices([](float x, float y, int& vdcX, int& vdcY) {
        const CgmPoint p = vdc(x, y);
        vdcX = p.x;
        vdcY = p.y;
    });
    yygradientfill(2, 0, 0, 0, 0, nullptr, yycgm9);
}

}  // namespace

void yyresetcgmdriver() {
    out.discard();
    cgm = CgmFileState{};
}

void yycgmimage(std::span<const int> pixels, int width, int height) {
    GraphicsState& g = gravim.graphics;
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return;
    const bool turned = g.rotation == 90 || g.rotation == 270;
    const int columns = turned ? height : width, rows = turned ? width : height;
    yycgmcellarrayhead(out, vdc(g.clipX1, g.clipY2), vdc(g.clipX2, g.clipY1), vdc(g.clipX2, g.clipY2), columns, rows);
    out.flush();
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    HandleSink rowSink(handle);
    const auto source = [&](int row, int column) {  // 1-based
        return pixels[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column - 1)];
    };
    std::vector<int> cells(static_cast<std::size_t>(columns));
    std::vector<std::uint8_t> encoded;
    for (int r = 1; r <= rows && !rowSink.failed; ++r) {
        for (int c = 1; c <= columns; ++c) {
            int cell = 0;
            switch (g.rotation) {
            case 90: cell = source(c, width + 1 - r); break;
            case 180: cell = source(height + 1 - r, width + 1 - c); break;
            case 270: cell = source(height + 1 - c, r); break;
            default: cell = source(r, c); break;
            }
            cells[static_cast<std::size_t>(c - 1)] = cell;
        }
        yycgmcellrowruns(cells, encoded);
        yycgmcellrow(rowSink, encoded, r == rows);
    }
    if (rowSink.failed) {
        g.OperandValue = 2;
        g.OperandCount = rowSink.systemCode;
    }
}

void yycgm1(int& red, int& green, int& blue) { yywin1(red, green, blue); }

void yycgm2(int elementClass, int id, int length) {
    out.element(elementClass, id);
    yycgm5(((elementClass & 0xF) << 12) | ((id & 0x7F) << 5) | (length & 0x1F));
}

void yycgm3(float x, float y) { yycgmputpoint(out, vdc(x, y)); }

void yycgm4(int elementClass, int id, int red, int green, int blue) {
    yycgmcolourelement(out, elementClass, id, {red, green, blue}, false);
}

void yycgm5(int w) { yycgmputinteger(out, w); }

void yycgm6(int a, int b) {
    yycgm5(a);
    yycgm5(b);
}

void yycgm7(std::string_view text) {
    yycgmputstring(out, text);
    if (yycgmstringsize(text) % 2 != 0) yycgmputbyte(out, 0);
}

void yycgm8(std::string_view text) { yycgmputstring(out, text); }

void yycgm9(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount, int triangleCount,
            int& failed) {
    // Vertex v (1..vertexCount) is at x[v - 1], y[v - 1] in VDC, its colour colours[v - 1].
    for (int t = 0; t < triangleCount && triangles != nullptr; ++t) {
        CgmPoint corners[3];
        CgmColour rgb[3];
        bool valid = true;
        for (int k = 0; k < 3; ++k) {
            const int v = triangles[3 * t + k];
            if (v < 1 || v > vertexCount) {
                valid = false;
                break;
            }
            const auto at = static_cast<std::size_t>(v - 1);
            corners[k] = {x[at], y[at]};
            rgb[k] = yycgmunpack(colours[at]);
        }
        if (!valid) continue;
        const CgmPoint toSecond{corners[1].x - corners[0].x, corners[1].y - corners[0].y};
        const CgmPoint toThird{corners[2].x - corners[0].x, corners[2].y - corners[0].y};
        yycgmgradienttriangle(out, corners, toSecond, toThird, rgb);
    }
    failed = 0;
}

void yycgm10(int first, int last) {
    const GraphicsState& g = gravim.graphics;
    std::vector<CgmPoint> points;
    points.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)));
    for (int i = first; i <= last; ++i) points.push_back(vdc(g.PolygonX[static_cast<std::size_t>(i)], g.PolygonY[static_cast<std::size_t>(i)]));
    yycgmpoints(out, 4, 1, points, true);  // POLYLINE
}

void xxcgm(int opcode) {
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpOpen: open(); break;
    case OpClose: close(); break;
    case OpPage:
        gravim.graphics.pageDrawn = 0;
        endPicture();
        break;
    case OpColour:
    case OpColourModel: colour(); break;
    case OpLine:
    case OpPoint:
    case OpPolyline: lines(opcode); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: filledShape(opcode); break;
    case OpLineType: integers(5, 2, {lineTypeCodes[std::clamp(gravim.graphics.lineType, 0, 7)]}); break;
    case OpLineWidth: integers(5, 3, {widthInVdc()}); break;
    case OpLineJoin:
        if (options()[10] != cgm.lineJoin) {
            integers(5, 38, {options()[10] + 2});
            cgm.lineJoin = options()[10];
        }
        break;
    case OpLineCap:
        if (options()[11] != cgm.lineCap) {
            integers(5, 37, {options()[11] + 2, 1});
            cgm.lineCap = options()[11];
        }
        break;
    case OpFont: font(); break;
    case OpFontRotate: fontRotate(); break;
    case OpText: text(); break;
    case OpClip: clip(); break;
    case OpImage: image(); break;
    case OpGradientFill: gradientFill(); break;
    default: break;
    }
}
