// printer_driver_win.cpp - the Windows printer driver (number 10): the graphics state's operands
// turned into printer pixels for the printer output layer, which owns the document.
#include <algorithm>
#include <limits>
#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/point_buffer_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/gdi_twin_win.hpp"
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
TwinColours colours;
int fontHeight = 0, fontAscent = 0;

int& option(int number) { return gravim.hardcopy.HardcopyOptions[number]; }

// A printer of more than 256 colours answers -1: it is a colour printer of 256 colours here.
int colourCount(int reported) { return reported < 0 || reported > 256 ? 256 : reported; }

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
    yysetfilestatus(code, 2);
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
        int rx = 0, ry = 0, reported = 0, failed = 0, systemError = 0;
        yywpropen(option(1), option(2), option(3), option(4), rx, ry, reported, failed, systemError, option(5),
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
        g.hardcopyColours = colourCount(reported);
        colours.current = {};
    }
    if (g.surfaceWidth > 0) g.HardcopyScaleX = static_cast<float>(pageWidth) / static_cast<float>(g.surfaceWidth);
    if (g.surfaceHeight > 0) g.HardcopyScaleY = static_cast<float>(pageHeight) / static_cast<float>(g.surfaceHeight);
}

void colour() {
    DeviceRgb& current = colours.current;
    colours.saved = current;
    if (option(7) == 0) {
        current = yycurrentrgb();
        yywin1(current.red, current.green, current.blue);
    } else {
        current = yymonochromergb();
    }
    yywprcolour(current.red, current.green, current.blue);
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


// The layer's polygons outline in the fill colour when the core asks for it.
void polygon(int count) { yywprpolygon(count, gravim.graphics.fillOutline); }

const TwinLayer printerLayer = {
    .colour = yywprcolour, .line = yywprline, .point = yywprpoint, .ellipse = yywprellipse,
    .rectangle = yywprrectangle, .arc = yywprarc, .outlineArc = yywproutlinearc, .polygon = polygon,
    .polyline = yywprpolyline, .textLength = yywprtextlength, .monochromeFills = true,
    .polygonLimit = std::numeric_limits<int>::max(),
};

}  // namespace

void xxwin(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine: yytwinline(printerLayer); break;
    case OpColour:
    case OpColourModel: colour(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: yytwinfilledshape(printerLayer, colours, opcode); break;
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
    case OpTextLength: yytwintextlength(printerLayer); break;
    case OpPoint: yytwinpoint(printerLayer); break;
    case OpLineType: yywprlinetype(g.lineType); break;
    case OpLineWidth:
        yywprlinewidth(yyprinterpenwidth(static_cast<int>(resolutionX), static_cast<int>(resolutionY), option(9)));
        break;
    case OpPolyline: yytwinpolyline(printerLayer, false); break;
    case OpOutlineArc: yytwinoutlinearc(printerLayer); break;
    case OpImage: yytwinimage(10); break;
    case OpGradientFill: yytwingradient(g.hardcopyDevice.GradientFillType, yywprpointrgb, yywprgradfill); break;
    default: break;
    }
}
