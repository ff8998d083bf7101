// gdi_twin_win.cpp - the drawing opcodes the Windows printer and metafile drivers handle alike:
// lines, points, outline arcs, polylines and the filled shapes, sent to either output layer.
#include "hardcopy/gdi_twin_win.hpp"

#include <algorithm>
#include <string>

#include "base/gravim.hpp"
#include "windows/windows_internal_win.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/devices.hpp"
#include "graphics/point_buffer_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"

namespace {

void sendColour(const TwinLayer& layer, const DeviceRgb& rgb) { layer.colour(rgb.red, rgb.green, rgb.blue); }

// Vertices first..last as one polyline.
void polylinePiece(const TwinLayer& layer, int first, int last) {
    if (yydevicepoints(first, last)) layer.polyline(last - first + 1);
    yypolfree();
}

}  // namespace

void yytwinline(const TwinLayer& layer) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    layer.line(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]), yydevicex(g.OperandX[2]), yydevicey(g.OperandY[2]));
}

void yytwinpoint(const TwinLayer& layer) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    layer.point(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]));
}

void yytwinoutlinearc(const TwinLayer& layer) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const DeviceArc arc = yydevicearc();
    layer.outlineArc(arc.cx, arc.cy, arc.rx, arc.ry, arc.x1, arc.y1, arc.x2, arc.y2, g.fillPattern[0]);
}

void yytwintextlength(const TwinLayer& layer) {
    GraphicsState& g = gravim.graphics;
    int width = 0;
    layer.textLength(width, g.OperandText.data(), yytextcount(g.OperandValue));
    g.OperandX[1] = g.HardcopyTextScaleX != 0 ? static_cast<float>(width) / g.HardcopyTextScaleX : 0.0f;
    g.OperandCount = 1;
}

void yytwinpolyline(const TwinLayer& layer, bool cut) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    for (const PolylinePiece& piece : yypolylinepieces(yyvertexcount(g.OperandCount), !cut))
        polylinePiece(layer, piece.first, piece.last);
}

void yytwinfilledshape(const TwinLayer& layer, const TwinColours& colours, int opcode) {
    GraphicsState& g = gravim.graphics;
    const bool colourFill = yycolourfill(layer.monochromeFills);
    if (g.OperandValue == -1) {
        // The end of a fill the core finished: the layer's colour pair as it was.
        if (colourFill) {
            sendColour(layer, colours.saved);
            sendColour(layer, colours.current);
        }
        return;
    }
    g.pageDrawn = 1;
    if (colourFill) sendColour(layer, yyfillrgb());
    if (g.fillStyle <= 2 && opcode != OpEllipsePattern) return;  // the core hatches these with lines
    switch (opcode) {
    case OpEllipsePattern:
        layer.ellipse(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]), yydeviceradiusx(g.OperandX[2]),
                      yydeviceradiusy(g.OperandY[2]), g.fillStyle);
        break;
    case OpRectanglePattern: {
        const DeviceBox box = yyclampedrectangle();
        layer.rectangle(box.left, box.top, box.right, box.bottom);
        break;
    }
    case OpArcPattern: {
        const DeviceArc arc = yydevicearc();
        layer.arc(arc.cx, arc.cy, arc.rx, arc.ry, arc.x1, arc.y1, arc.x2, arc.y2);
        break;
    }
    default: {
        const int count = std::min(yyvertexcount(g.OperandCount), layer.polygonLimit);
        if (yydevicepoints(1, count)) layer.polygon(count);
        yypolfree();
        break;
    }
    }
}

void yytwinimage(int target) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const ImagePlacement place = yyimageplacement(gravim.system.WinNT != 0);
    const std::string name(g.OperandText.trimmed());
    yyimageport().drawImage(g.OperandPixelX[1], target, place.box.left, place.box.top, place.box.right, place.box.bottom, 1,
                g.OperandPixelY[3], g.rotation, place.offsetX, place.offsetY, g.OperandValue, g.OperandCount, name.c_str());
}

void yytwingradient(int kind, GradientPixel pixel, GradientPolygon polygon) {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    g.GradientVertexCount = yygradientvertices([](float x, float y, int& deviceX, int& deviceY) {
        deviceX = yydevicex(x);
        deviceY = yydevicey(y);
    });
    const DeviceBox box = yyareabox(false);
    yygradientfill(kind, box.left, box.top, box.right, box.bottom, pixel, polygon);
}
