// metafile_driver_win.cpp - the Windows metafile driver (number 11): the graphics state's operands
// turned into metafile units for the metafile output layer; one recording from start to stop, in
// a file or on the clipboard.
#include <string>
#include <vector>

#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/point_buffer_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/metafile_layer_win.hpp"

namespace {

constexpr int Driver = 11;
constexpr int EnhancedKind = 2;

int enhanced = 0;              // 1 when the recording is an enhanced metafile
int extent[2] = {0, 0};        // page in metafile units (1/720 inch, or reference pixels)
float lineFactor = 0;          // enhanced: device units per 1/720 inch
DeviceRgb currentRgb, savedRgb;

int& option(int number) { return gravim.hardcopy.HardcopyOptions[number]; }

void sendColour(const DeviceRgb& rgb) { yywmfcolour(rgb.red, rgb.green, rgb.blue); }

void initialise() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    if (yyhardcopyquery(Driver)) return;
    option(1) = 756;
    option(2) = 540;
    h.hardcopyResolutionX = h.hardcopyResolutionY = 600;
    g.hardcopyColours = 256;
    h.hardcopyPaletteSize = 256;
    yygdidevicefacts();
    option(27) = 1;
    option(29) = 0;
    yyhardcopyinitialised(Driver, 0, " ");
}

void open() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    if (g.OperandValue > 0) {
        enhanced = option(27) == EnhancedKind ? 1 : 0;
        const MetafilePage page = yymetafilepage(option(1), option(2));
        extent[0] = page.extentX;
        extent[1] = page.extentY;
        if (g.OperandPixelX[1] == 0) h.hardcopyTitle.assign("Gravimonder graphic");
        const std::string title(h.hardcopyTitle.trimmed());
        const std::string fileName(g.OperandText.trimmed());
        const std::vector<char> description = yymetafiledescription(title.data(), static_cast<int>(title.size()));
        int failed = 0, systemError = 0;
        yywmfopen(extent[0], extent[1], option(27), option(29), page.right, page.bottom, page.checksum,
                  g.OperandCount == 1 ? 1 : 0, failed, systemError, fileName.c_str(), description.data());
        if (failed != 0) {
            gravim.core.fileStatus = systemError;
            gravim.core.errorCategory = 2;
            yyerror(1, "XXWMF");
            g.hardcopyActive = 0;
            return;
        }
        if (enhanced != 0 && option(1) > 0) lineFactor = static_cast<float>(extent[0]) / static_cast<float>(option(1) * 10);
        currentRgb = {};
    }
    if (g.surfaceMaxX > 0) g.HardcopyScaleX = static_cast<float>(extent[0]) / g.surfaceMaxX;
    if (g.surfaceMaxY > 0) g.HardcopyScaleY = static_cast<float>(extent[1]) / g.surfaceMaxY;
}

void close() {
    int error = 0;
    yywmfclose(error);
    if (error != 0) yyerror(error, "XXWMF");
}

void colour() {
    savedRgb = currentRgb;
    currentRgb = yycurrentrgb();
    yywmf1(currentRgb.red, currentRgb.green, currentRgb.blue);
    sendColour(currentRgb);
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    const bool colourFill = yycolourfill(false);
    if (g.OperandValue == -1) {
        if (colourFill) {
            sendColour(savedRgb);
            sendColour(currentRgb);
        }
        return;
    }
    g.pageDrawn = 1;
    if (colourFill) sendColour(yyfillrgb());
    if (g.fillStyle <= 2 && opcode != OpEllipsePattern) return;  // the core hatches these with lines
    switch (opcode) {
    case OpEllipsePattern:
        yywmfellipse(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]), yydeviceradiusx(g.OperandX[2]),
                     yydeviceradiusy(g.OperandY[2]), g.fillStyle);
        break;
    case OpRectanglePattern: {
        const DeviceBox box = yyclampedrectangle();
        yywmfrectangle(box.left, box.top, box.right, box.bottom);
        break;
    }
    case OpArcPattern: {
        const DeviceArc arc = yydevicearc();
        yywmfarc(arc.cx, arc.cy, arc.rx, arc.ry, arc.x1, arc.y1, arc.x2, arc.y2);
        break;
    }
    default: {
        const int count = std::min(yyvertexcount(g.OperandCount), MetafileRecordPoints);
        if (yydevicepoints(1, count)) yywmfpolygon(count);
        yypolfree();
        break;
    }
    }
}

void font() {
    const FontCell cell = yyfontcell();
    const std::string face(gravim.graphics.FontName.trimmed());
    yywmfselectfont(cell.width, cell.height, cell.angle, gravim.graphics.FontNumber, cell.style, face.c_str());
}

void text() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const TextPlacement place = yytextplacement(0.0f);
    yywmfdrawstring(place.x1, place.y1, place.x2, place.y2, place.justification, place.boxed,
                    g.OperandText.data(), place.length);
    g.OperandPixelX[4] = 0;
}

// Only an enhanced recording can measure text: a Windows metafile has no font metrics.
void textLength() {
    GraphicsState& g = gravim.graphics;
    if (enhanced == 0) return;
    int width = 0;
    yywmftextlength(width, g.OperandText.data(), yytextcount(g.OperandValue));
    g.OperandX[1] = g.HardcopyTextScaleX != 0 ? static_cast<float>(width) / g.HardcopyTextScaleX : 0.0f;
    g.OperandCount = 1;
}

// yywmf2: vertices first..last as one polyline.
void yywmf2(int first, int last) {
    if (yydevicepoints(first, last)) yywmfpolyline(last - first + 1);
    yypolfree();
}

void polyline() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    for (const PolylinePiece& piece : yypolylinepieces(yyvertexcount(g.OperandCount), enhanced != 0))
        yywmf2(piece.first, piece.last);
}

void outlineArc() {
    gravim.graphics.pageDrawn = 1;
    const DeviceArc arc = yydevicearc();
    yywmfoutlinearc(arc.cx, arc.cy, arc.rx, arc.ry, arc.x1, arc.y1, arc.x2, arc.y2, gravim.graphics.fillPattern[0]);
}

}  // namespace

void xxwmf(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine:
        g.pageDrawn = 1;
        yywmfline(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]), yydevicex(g.OperandX[2]),
                  yydevicey(g.OperandY[2]));
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
    case OpClose: close(); break;
    case OpPage: g.pageDrawn = 0; break;  // a metafile has one page
    case OpFont:
    case OpFontRotate: font(); break;
    case OpText: text(); break;
    case OpClip:
        if (enhanced != 0) {
            const DeviceBox box = yyareabox(true);
            yywmfclip(box.left, box.top, box.right, box.bottom);
        }
        break;
    case OpTextLength: textLength(); break;
    case OpPoint:
        g.pageDrawn = 1;
        yywmfpoint(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]));
        break;
    case OpLineType: yywmflinetype(g.lineType); break;
    case OpLineWidth:
        yywmflinewidth(enhanced != 0 ? static_cast<int>(lineFactor * static_cast<float>(option(9))) : option(9));
        break;
    case OpPolyline: polyline(); break;
    case OpOutlineArc: outlineArc(); break;
    default: break;
    }
}
