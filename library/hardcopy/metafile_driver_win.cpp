// metafile_driver_win.cpp - the Windows metafile driver (number 11): the graphics state's operands
// turned into metafile units for the metafile output layer; one recording from start to stop, in
// a file or on the clipboard.
#include <string>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/point_buffer_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/gdi_twin_win.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/metafile_layer_win.hpp"

namespace {

constexpr int Driver = 11;
constexpr int EnhancedKind = 2;

int enhanced = 0;              // 1 when the recording is an enhanced metafile
int extent[2] = {0, 0};        // page in metafile units (1/720 inch, or reference pixels)
float lineFactor = 0;          // enhanced: device units per 1/720 inch
TwinColours colours;

int& option(int number) { return gravim.hardcopy.HardcopyOptions[number]; }

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
            yysetfilestatus(systemError, 2);
            yyerror(1, "XXWMF");
            g.hardcopyActive = 0;
            return;
        }
        if (enhanced != 0 && option(1) > 0) lineFactor = static_cast<float>(extent[0]) / static_cast<float>(option(1) * 10);
        colours.current = {};
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
    DeviceRgb& current = colours.current;
    colours.saved = current;
    current = yycurrentrgb();
    yywmf1(current.red, current.green, current.blue);
    yywmfcolour(current.red, current.green, current.blue);
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

const TwinLayer metafileLayer = {
    .colour = yywmfcolour, .line = yywmfline, .point = yywmfpoint, .ellipse = yywmfellipse,
    .rectangle = yywmfrectangle, .arc = yywmfarc, .outlineArc = yywmfoutlinearc, .polygon = yywmfpolygon,
    .polyline = yywmfpolyline, .textLength = yywmftextlength, .monochromeFills = false,
    .polygonLimit = MetafileRecordPoints,
};

}  // namespace

void xxwmf(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpLine: yytwinline(metafileLayer); break;
    case OpColour:
    case OpColourModel: colour(); break;
    case OpEllipsePattern:
    case OpQuadPattern:
    case OpRectanglePattern:
    case OpTrianglePattern:
    case OpArcPattern:
    case OpPolygonPattern: yytwinfilledshape(metafileLayer, colours, opcode); break;
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
    case OpTextLength:
        // Only an enhanced recording can measure text: a Windows metafile has no font metrics.
        if (enhanced != 0) yytwintextlength(metafileLayer);
        break;
    case OpPoint: yytwinpoint(metafileLayer); break;
    case OpLineType: yywmflinetype(g.lineType); break;
    case OpLineWidth:
        yywmflinewidth(enhanced != 0 ? static_cast<int>(lineFactor * static_cast<float>(option(9))) : option(9));
        break;
    // A Windows metafile record holds a limited number of points (yywmf2 per piece).
    case OpPolyline: yytwinpolyline(metafileLayer, enhanced == 0); break;
    case OpOutlineArc: yytwinoutlinearc(metafileLayer); break;
    case OpImage: yytwinimage(11); break;
    // A Windows metafile cannot record the system's gradient: pixel by pixel there.
    case OpGradientFill:
        yytwingradient(enhanced != 0 ? g.hardcopyDevice.GradientFillType : 1, yywmfpointrgb, yywmfgradfill);
        break;
    default: break;
    }
}
