// printer_driver_win.cpp - the Windows printer driver (number 10): the graphics state's operands
// turned into printer pixels for the printer output layer, which owns the document.
#include <algorithm>
#include <string>

#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/point_buffer_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_layer_win.hpp"

namespace {

constexpr int Driver = 10;
constexpr int KeepPrinterSettings = -998;

// State between calls: the last printer query's answer, the open page and the colours.
int queryError = 0;          // system code of the last full initialisation's query, 0 answered
int queryColours = 0;        // colour count of that query
float resolutionX = 0, resolutionY = 0;
int pageWidth = 0, pageHeight = 0;  // pixels, from options 1 and 2
DeviceRgb currentRgb, savedRgb;
int fontHeight = 0, fontAscent = 0;

int& option(int number) { return gravim.hardcopy.HardcopyOptions[number]; }

// A printer of more than 256 colours answers -1: it is a colour printer of 256 colours here.
int colourCount(int reported) { return reported < 0 || reported > 256 ? 256 : reported; }

void sendColour(const DeviceRgb& rgb) { yywprcolour(rgb.red, rgb.green, rgb.blue); }

void initialise() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    if (yyhardcopyquery(Driver)) return;
    if (g.OperandValue != KeepPrinterSettings) {
        int copies = 0, landscape = 0;
        yywprinfo(h.printerRefresh, h.paperLongSide, h.paperShortSide, option(1), option(2), option(3),
                  option(4), landscape, copies, queryColours, queryError);
        option(5) = landscape;
        option(8) = copies;
        h.printerAvailable = queryError == 0 ? 1 : 0;
        g.hardcopyColours = colourCount(queryColours);
        h.hardcopyPaletteSize = 256;
        option(7) = queryColours >= 0 && queryColours <= 2 ? 1 : 0;
    }
    yygdidevicefacts();
    yyhardcopyinitialised(Driver, 0, std::nullopt);
}

void failOpen(int code) {
    gravim.core.fileStatus = code;
    gravim.core.errorCategory = 2;
    yyerror(1, "XXWIN");
    gravim.graphics.hardcopyActive = 0;
}

void open() {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    if (g.OperandValue > 0) {
        if (queryError != 0) {
            failOpen(queryError);
            return;
        }
        if (g.OperandPixelX[1] == 0) h.hardcopyTitle.assign("Gravimonder graphic");
        const std::string title(h.hardcopyTitle.trimmed());
        int rx = 0, ry = 0, colours = 0, failed = 0, systemError = 0;
        yywpropen(option(1), option(2), option(3), option(4), rx, ry, colours, failed, systemError, option(5),
                  option(8), title.c_str());
        if (failed != 0) {
            failOpen(systemError);
            return;
        }
        resolutionX = static_cast<float>(rx);
        resolutionY = static_cast<float>(ry);
        h.hardcopyResolutionX = rx;
        h.hardcopyResolutionY = ry;
        pageWidth = option(1) * rx / 72;
        pageHeight = option(2) * ry / 72;
        g.hardcopyColours = colourCount(colours);
        currentRgb = {};
    }
    if (g.surfaceWidth > 0) g.HardcopyScaleX = static_cast<float>(pageWidth) / static_cast<float>(g.surfaceWidth);
    if (g.surfaceHeight > 0) g.HardcopyScaleY = static_cast<float>(pageHeight) / static_cast<float>(g.surfaceHeight);
}

void colour() {
    savedRgb = currentRgb;
    if (option(7) == 0) {
        currentRgb = yycurrentrgb();
        yywin1(currentRgb.red, currentRgb.green, currentRgb.blue);
    } else {
        currentRgb = yymonochromergb();
    }
    sendColour(currentRgb);
}

void filledShape(int opcode) {
    GraphicsState& g = gravim.graphics;
    const bool colourFill = yycolourfill(true);
    if (g.OperandValue == -1) {
        // The end of a fill the core finished: the layer's colour pair as it was.
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
        yywprellipse(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]), yydeviceradiusx(g.OperandX[2]),
                     yydeviceradiusy(g.OperandY[2]), g.fillStyle);
        break;
    case OpRectanglePattern: {
        const DeviceBox box = yyclampedrectangle();
        yywprrectangle(box.left, box.top, box.right, box.bottom);
        break;
    }
    case OpArcPattern: {
        const DeviceArc arc = yydevicearc();
        yywprarc(arc.cx, arc.cy, arc.rx, arc.ry, arc.x1, arc.y1, arc.x2, arc.y2);
        break;
    }
    default: {
        const int count = yyvertexcount(g.OperandCount);
        if (yydevicepoints(1, count)) yywprpolygon(count, g.fillOutline);
        yypolfree();
        break;
    }
    }
}

void font() {
    const FontCell cell = yyfontcell();
    const std::string face(gravim.graphics.FontName.trimmed());
    fontHeight = cell.height;
    yywprselectfont(cell.width, fontHeight, fontAscent, cell.angle, gravim.graphics.FontNumber, cell.style,
                    face.c_str());
}

void text() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const TextPlacement place = yytextplacement(static_cast<float>(fontAscent) - 0.5f * static_cast<float>(fontHeight));
    yywprdrawstring(place.x1, place.y1, place.x2, place.y2, place.justification, place.boxed,
                    g.OperandText.data(), place.length);
    g.OperandPixelX[4] = 0;
}

void textLength() {
    GraphicsState& g = gravim.graphics;
    int width = 0;
    yywprtextlength(width, g.OperandText.data(), yytextcount(g.OperandValue));
    g.OperandX[1] = g.HardcopyTextScaleX != 0 ? static_cast<float>(width) / g.HardcopyTextScaleX : 0.0f;
    g.OperandCount = 1;
}

void polyline() {
    GraphicsState& g = gravim.graphics;
    g.pageDrawn = 1;
    const int count = yyvertexcount(g.OperandCount);
    if (yydevicepoints(1, count)) yywprpolyline(count);
    yypolfree();
}

void outlineArc() {
    gravim.graphics.pageDrawn = 1;
    const DeviceArc arc = yydevicearc();
    yywproutlinearc(arc.cx, arc.cy, arc.rx, arc.ry, arc.x1, arc.y1, arc.x2, arc.y2, gravim.graphics.fillPattern[0]);
}

}  // namespace

void xxwin(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine:
        g.pageDrawn = 1;
        yywprline(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]), yydevicex(g.OperandX[2]),
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
    case OpClose: yywprclose(); break;
    case OpPage:
        g.pageDrawn = 0;
        yywprdump();
        break;
    case OpFont:
    case OpFontRotate: font(); break;
    case OpText: text(); break;
    case OpClip: {
        const DeviceBox box = yyareabox(true);
        yywprclip(box.left, box.top, box.right, box.bottom);
        break;
    }
    case OpTextLength: textLength(); break;
    case OpPoint:
        g.pageDrawn = 1;
        yywprpoint(yydevicex(g.OperandX[1]), yydevicey(g.OperandY[1]));
        break;
    case OpLineType: yywprlinetype(g.lineType); break;
    case OpLineWidth:
        yywprlinewidth(yyprinterpenwidth(static_cast<int>(resolutionX), static_cast<int>(resolutionY), option(9)));
        break;
    case OpPolyline: polyline(); break;
    case OpOutlineArc: outlineArc(); break;
    default: break;
    }
}
