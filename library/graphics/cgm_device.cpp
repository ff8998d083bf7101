// cgm_device.cpp - the CGM memory device: records the opcodes sent to a metafile slot of type 6
// as binary CGM elements in the slot's store. Attributes are written only when they change for
// that slot; coordinates are the slot's VDC units (device pixels, y upward).
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/cgm_device.hpp"
#include "graphics/cgm_encoder.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

// The attribute words kept per slot, in the order of the cache.
enum CgmAttribute : int {
    LineColour,
    TextColour,
    FillColour,
    EdgeColour,
    AuxiliaryColour,
    TextFontIndex,
    CharacterHeight,
    TextAlignment,
    EdgeWidth,
    EdgeType,
    CgmAttributes
};

// The device's memory for the run: the drawing colour, the current slot's aspect and the last
// attribute values written to each slot (row 0 serves a surface that is no slot).
struct CgmDeviceMemory {
    int currentColour = 0;
    float slotAspect = 1.0f;
    std::array<std::array<int, CgmAttributes>, MetafileSlots + 1> attributeCache{};
};
CgmDeviceMemory cgmMemory;

constexpr int CgmLineTypes[8] = {1, 3, 2, 4, 5, 10, 12, 13};

constexpr std::string_view CgmFontList[16] = {
    "Courier New",     "Courier New Bold",     "Courier New Italic",     "Courier New Bold Italic",
    "Arial",           "Arial Bold",           "Arial Italic",           "Arial Bold Italic",
    "Times New Roman", "Times New Roman Bold", "Times New Roman Italic", "Times New Roman Bold Italic",
    "Symbol",          "Symbol Italic",        "Symbol Bold",            "Symbol Bold Italic"};

GraphicsState& state() { return gravim.graphics; }

int slotNumber() {
    const int n = state().surfaceIdent;
    return state().surfaceType == 4 && n >= 1 && n <= MetafileSlots ? n : 0;
}

const MetafileSlot& slot() { return state().metafileSlots[slotNumber()]; }

// Sets an attribute of the current slot: true when its value changed and the element is due.
bool setAttribute(CgmAttribute attribute, int value) {
    if (!yygcgmrecording()) return false;
    int& word = cgmMemory.attributeCache[static_cast<std::size_t>(slotNumber())][attribute];
    if (word == value) return false;
    word = value;
    return true;
}

// A colour attribute and its element: LINE, TEXT, FILL and EDGE COLOUR are class 5, AUXILIARY
// COLOUR class 3.
void setColour(CgmAttribute attribute, int elementClass, int id, int packed) {
    if (!setAttribute(attribute, packed)) return;
    const CgmColour c = yycgmunpack(packed);
    yygcgm4(elementClass, id, c.red, c.green, c.blue);
}

// The packed colour of the current (column 1) or previous (column 0) colour of the model.
int modelColour(int column) {
    int red = 0, green = 0, blue = 0;
    yymodelrgb(yymodelcolour(column), red, green, blue);
    return red + 256 * green + 65536 * blue;
}

int cgmLineType(int lineType) { return CgmLineTypes[lineType >= 0 && lineType <= 7 ? lineType : 0]; }

void integers(int elementClass, int id, std::initializer_list<int> values) {
    yycgmintegers(yygcgmsink(), elementClass, id, std::span<const int>(values.begin(), values.size()));
}

void points(int elementClass, int id, std::initializer_list<CgmPoint> list, bool longForm = false) {
    yycgmpoints(yygcgmsink(), elementClass, id, std::span<const CgmPoint>(list.begin(), list.size()), longForm);
}

CgmPoint operandPoint(int i) { return {state().OperandPixelX[i], state().OperandPixelY[i]}; }

void recordCapabilities() {
    DeviceFacts& f = state().screenDevice;
    f.word2 = 360;
    f.word3 = 2;
    f.TrueColourDevice = 1;
    f.GradientFillType = 2;
    f.word6 = 1;
    f.word7 = 1;
    f.word8 = 8;
    f.deviceReal = 1.7e38f;
    f.DeviceCapabilityMask.assign("00000110111111100010011011100");
}

void line() {
    setColour(LineColour, 5, 4, cgmMemory.currentColour);
    points(4, 1, {operandPoint(1), operandPoint(2)});
}

void point() {
    setColour(LineColour, 5, 4, cgmMemory.currentColour);
    points(4, 1, {operandPoint(1), operandPoint(1)});
}

// ELLIPSE: the centre and the ends of two conjugate diameters; the vertical radius follows the
// slot's aspect, since the surface's pixels need not be square in VDC.
void ellipse() {
    const GraphicsState& g = state();
    const CgmPoint centre = operandPoint(1);
    const float ry = g.OperandX[2] * g.OperandX[3] * cgmMemory.slotAspect * g.surfaceMaxY * g.areaHeight /
                     (g.surfaceMaxX * g.areaWidth);
    points(4, 17, {centre, {centre.x + g.OperandPixelX[2], centre.y}, {centre.x, centre.y + yytrunc(ry)}});
}

void ellipseOutline() {
    const GraphicsState& g = state();
    integers(5, 30, {1});
    setColour(EdgeColour, 5, 29, cgmMemory.currentColour);
    if (setAttribute(EdgeType, g.lineType)) integers(5, 27, {cgmLineType(g.lineType)});
    if (setAttribute(EdgeWidth, g.metafileLineWidth)) integers(5, 28, {4 * g.metafileLineWidth});
    integers(5, 22, {4});
    ellipse();
    integers(5, 30, {0});
}

void startFill() {
    int fill = cgmMemory.currentColour;
    if (state().fillStyle == 3) {
        const CgmColour a = yycgmunpack(cgmMemory.currentColour), b = yycgmunpack(modelColour(0));
        fill = (a.red + b.red) / 2 + 256 * ((a.green + b.green) / 2) + 65536 * ((a.blue + b.blue) / 2);
    }
    setColour(FillColour, 5, 23, fill);
    integers(5, 22, {1});
}

// The sector as a polygon: the centre, then points along the arc stepped by pi / s, then the
// end angle. At most CgmPointsMax points, so neither a huge angle span nor a zero surface width
// can run away.
void arcPolygon() {
    const GraphicsState& g = state();
    long long steps = 25;
    if (g.surfaceWidth != 0) steps += 75LL * yytrunc(g.OperandX[2]) / g.surfaceWidth;
    steps = std::max(steps, 1LL);
    const double step = std::numbers::pi / static_cast<double>(steps);
    const float radiusY = g.OperandY[2] / g.surfaceAspect * cgmMemory.slotAspect;
    const auto at = [&g, radiusY](double a) {
        return CgmPoint{yytrunc(static_cast<float>(g.OperandX[1] + g.OperandX[2] * std::cos(a))),
                        yytrunc(static_cast<float>(g.OperandY[1] + radiusY * std::sin(a)))};
    };
    std::vector<CgmPoint> list{operandPoint(1)};
    const double end = g.OperandY[3];
    for (double a = g.OperandX[3]; a <= end && list.size() < CgmPointsMax - 1; a += step) list.push_back(at(a));
    list.push_back(at(end));
    yycgmpoints(yygcgmsink(), 4, 7, list, true);
}

void polygon() {
    const GraphicsState& g = state();
    const int n = yyvertexcount(std::min(g.OperandCount, CgmPointsMax));
    std::vector<CgmPoint> list;
    list.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        list.push_back({yytrunc(g.PolygonX[static_cast<std::size_t>(i)]), yytrunc(g.PolygonY[static_cast<std::size_t>(i)])});
    yycgmpoints(yygcgmsink(), 4, 7, list, true);
}

void filledShape(int opcode) {
    const GraphicsState& g = state();
    startFill();
    switch (opcode) {
    case OpEllipsePattern:
    case OpEllipse: ellipse(); break;
    case OpQuadPattern:
    case OpQuad: points(4, 7, {operandPoint(1), operandPoint(2), operandPoint(3), operandPoint(4)}); break;
    case OpTrianglePattern:
    case OpTriangle: points(4, 7, {operandPoint(1), operandPoint(2), operandPoint(3)}); break;
    case OpRectanglePattern:
    case OpRectangle:
        points(4, 11,
               {{std::max(g.OperandPixelX[1], g.clipPixelX1), std::max(g.OperandPixelY[1], g.clipPixelY1)},
                {std::min(g.OperandPixelX[2], g.clipPixelX2), std::min(g.OperandPixelY[2], g.clipPixelY2)}});
        break;
    case OpArcPattern:
    case OpArc: arcPolygon(); break;
    default: polygon(); break;
    }
}

void open() { cgmMemory.attributeCache[static_cast<std::size_t>(slotNumber())].fill(-1); }

void close() {
    yycgmempty(yygcgmsink(), 0, 5);
    yycgmempty(yygcgmsink(), 0, 2);
}

void font() {
    GraphicsState& g = state();
    const int family = g.EffectiveFontNumber >= 1 && g.EffectiveFontNumber <= 4 ? g.EffectiveFontNumber : 1;
    const int index = 4 * family - 3 + (g.FontStyle & 3);
    if (setAttribute(TextFontIndex, index)) integers(5, 10, {index});
    const int height = std::max(1, yytrunc(g.CharHeight * 0.55f * g.rotatedClipHeight));
    if (setAttribute(CharacterHeight, height)) integers(5, 15, {height});
    g.CharsAcross = g.surfaceMaxX / (g.rotatedClipWidth * g.CharWidth);
    g.CharsDown = g.surfaceMaxY / (g.rotatedClipHeight * g.CharHeight);
    g.ScreenCharWidth = yytrunc(static_cast<float>(slot().slotDrawingWidth) / g.CharsAcross);
    g.ScreenCharHeight = yytrunc(static_cast<float>(slot().slotDrawingHeight) / g.CharsDown);
}

void text() {
    const GraphicsState& g = state();
    const std::string_view all = g.OperandText.view();
    const int n = std::clamp(g.OperandPixelX[1], 0, static_cast<int>(all.size()));
    const bool opaque = (g.FontStyle & 8) != 0 && g.FontClass != 1 && g.CharacterPlacement == 0;
    if (opaque) {
        integers(3, 4, {0});
        setColour(AuxiliaryColour, 3, 3, modelColour(0));
    }
    setColour(TextColour, 5, 14, cgmMemory.currentColour);
    const int horizontal = g.FontClass == 1 ? 1 : g.TextJustification + 1;
    if (setAttribute(TextAlignment, horizontal)) yycgmtextalignment(yygcgmsink(), horizontal, 5);
    const float sx = g.OperandX[1] + 0.38f * g.CharAdvanceX, sy = g.OperandY[1] - 0.38f * g.CharAdvanceY;
    float ax = sx, ay = sy;
    if (g.FontClass != 1) {
        const float ex = g.OperandX[3] + 0.38f * g.CharAdvanceX, ey = g.OperandY[3] - 0.38f * g.CharAdvanceY;
        if (g.TextJustification == 1) {
            ax = (sx + ex) / 2;
            ay = (sy + ey) / 2;
        } else if (g.TextJustification == 2) {
            ax = ex;
            ay = ey;
        }
    }
    const CgmPoint anchor{yytrunc(ax), yytrunc(ay)};
    const std::string_view characters = all.substr(0, static_cast<std::size_t>(n));
    if (g.FontClass == 1) {
        yycgmtext(yygcgmsink(), anchor, characters);
    } else {
        const float width = std::hypot(g.OperandX[3] - g.OperandX[1], g.OperandY[3] - g.OperandY[1]);
        const int cachedHeight = cgmMemory.attributeCache[static_cast<std::size_t>(slotNumber())][CharacterHeight];
        yycgmrestrictedtext(yygcgmsink(), yytrunc(width), yytrunc(1.25f * static_cast<float>(cachedHeight)), anchor,
                            characters);
    }
    if (opaque) integers(3, 4, {1});
}

void clip() {
    const GraphicsState& g = state();
    integers(3, 6, {1});
    points(3, 5, {{g.clipPixelX1, g.clipPixelY1}, {g.clipPixelX2, g.clipPixelY2}});
}

void lineWidth() {
    const GraphicsState& g = state();
    const MetafileSlot& s = slot();
    const long long points = 10LL * s.slotWidthPoints;
    const long long width = points != 0 ? static_cast<long long>(s.slotDrawingWidth) * g.metafileLineWidth / points : 0;
    integers(5, 3, {static_cast<int>(width)});
}

void polyline() {
    setColour(LineColour, 5, 4, cgmMemory.currentColour);
    const int n = state().OperandCount;
    if (n <= CgmPointsMax) {
        yygcgm10(1, n);
        return;
    }
    // Pieces of at most 8191 vertices; each starts at the last vertex of the one before.
    const int pieces = static_cast<int>((static_cast<long long>(n) + 8188) / 8190);
    for (int k = 1; k <= pieces; ++k) {
        const long long first = 1 + 8190LL * (k - 1);
        yygcgm10(static_cast<int>(first), static_cast<int>(std::min<long long>(first + 8190, n)));
    }
}

void fontRotate() {
    const GraphicsState& g = state();
    const float w = g.rotatedClipWidth * g.CharWidth;
    integers(5, 16,
             {yytrunc(-1.2f * w * g.DeviceTextSinOverAspect), yytrunc(1.2f * w * g.DeviceTextCos),
              yytrunc(w * g.DeviceTextCos), yytrunc(w * g.DeviceTextSinTimesAspect)});
}

void image() {
    const GraphicsState& g = state();
    const int width = g.OperandPixelX[2], height = g.OperandPixelY[2];
    std::vector<int> pixels;
    if (yyloadoperandimage(width, height, pixels)) yygcgmcellarray(pixels, width, height);
}

void metafileHeader() {
    MetafileSlot& s = state().metafileSlots[slotNumber()];
    cgmMemory.slotAspect = s.slotHeightPoints != 0 ? static_cast<float>(s.slotWidthPoints) / static_cast<float>(s.slotHeightPoints) : 1.0f;
    CgmSink& sink = yygcgmsink();
    yycgmstringelement(sink, 0, 1, "KBN CGM File");
    integers(1, 1, {1});
    yycgmstringelement(sink, 1, 2, "KBN CGM driver v4");
    integers(1, 3, {0});
    integers(1, 4, {16});
    integers(1, 5, {1, 16, 16});
    integers(1, 6, {16});
    yycgmfontlist(sink, CgmFontList);
    integers(1, 7, {8});
    yycgmheader(sink, 1, 10, 6);
    yycgmputcolour(sink, {0, 0, 0});
    yycgmputcolour(sink, {255, 255, 255});
    yycgmstringelement(sink, 0, 3, "KBN CGM Data");
    integers(2, 3, {0});
    integers(2, 5, {0});
    integers(2, 2, {1});
    // Without it a reader takes the standard's black background, and black drawing vanishes.
    yycgmcolourelement(sink, 2, 7, {255, 255, 255}, true);
    integers(3, 1, {16});
    long long w = 600LL * s.slotWidthPoints / 72, h = 600LL * s.slotHeightPoints / 72;
    const long long largest = std::max(w, h);
    if (largest > 32767) {
        w = 32767 * w / largest;
        h = 32767 * h / largest;
    }
    s.slotDrawingWidth = static_cast<int>(w);
    s.slotDrawingHeight = static_cast<int>(h);
    points(2, 6, {{0, 0}, {s.slotDrawingWidth, s.slotDrawingHeight}});
    yycgmempty(sink, 0, 4);
    yycgmtextalignment(sink, 1, 5);
}

void gradientFill() {
    yygradientvertices([](float x, float y, int& vdcX, int& vdcY) {
        vdcX = yytrunc(x);
        vdcY = yytrunc(y);
    });
    yygradientfill(2, 0, 0, 0, 0, nullptr, yygcgm9);
}

}  // namespace

void yyresetcgmdevice() { cgmMemory = CgmDeviceMemory{}; }

void yygcgmcellarray(std::span<const int> pixels, int width, int height) {
    const GraphicsState& g = state();
    const bool turned = g.rotation == 90 || g.rotation == 270;
    const int nx = turned ? height : width, ny = turned ? width : height;
    if (nx <= 0 || ny <= 0 || pixels.size() < static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny)) return;
    CgmSink& sink = yygcgmsink();
    yycgmcellarrayhead(sink, {g.clipPixelX1, g.clipPixelY2}, {g.clipPixelX2, g.clipPixelY1},
                       {g.clipPixelX2, g.clipPixelY2}, nx, ny);
    const long long NX = nx, NY = ny;
    std::vector<int> cells(static_cast<std::size_t>(nx));
    std::vector<std::uint8_t> row;
    for (long long r = 1; r <= NY; ++r) {
        for (long long c = 1; c <= NX; ++c) {
            long long number = 0;
            switch (g.rotation) {
            case 90: number = (NY + 1 - r) + (c - 1) * NY; break;
            case 180: number = (NY + 1 - r) * NX - (c - 1); break;
            case 270: number = (NX - c) * NY + r; break;
            default: number = (r - 1) * NX + c; break;
            }
            cells[static_cast<std::size_t>(c - 1)] = pixels[static_cast<std::size_t>(number - 1)];
        }
        yycgmcellrowruns(cells, row);
        yycgmcellrow(sink, row, r == NY);
    }
}

void yygcgm(int opcode) {
    switch (opcode) {
    case OpInitialise: recordCapabilities(); break;
    case OpLine: line(); break;
    case OpColour:
    case OpColourModel: cgmMemory.currentColour = modelColour(1); break;
    case OpEllipseFixed: ellipseOutline(); break;
    case OpEllipsePattern:
    case OpEllipse:
    case OpQuadPattern:
    case OpQuad:
    case OpRectanglePattern:
    case OpRectangle:
    case OpTrianglePattern:
    case OpTriangle:
    case OpArcPattern:
    case OpArc:
    case OpPolygonPattern:
    case OpPolygon: filledShape(opcode); break;
    case OpOpen: open(); break;
    case OpClose: close(); break;
    case OpFont: font(); break;
    case OpText: text(); break;
    case OpClip: clip(); break;
    case OpPoint: point(); break;
    case OpLineType: integers(5, 2, {cgmLineType(state().lineType)}); break;
    case OpLineWidth: lineWidth(); break;
    case OpReadPixel: state().OperandPixelX[1] = -1; break;
    case OpPolyline: polyline(); break;
    case OpFontRotate: fontRotate(); break;
    case OpImage: image(); break;
    case OpMetafileHeader: metafileHeader(); break;
    case OpGradientFill: gradientFill(); break;
    default: break;  // clear, page, blit, text length, plot mode, palette, outline arc, joins, caps
    }
}
