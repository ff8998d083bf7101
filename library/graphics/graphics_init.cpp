// graphics_init.cpp - IGrInit: the graphics state's values at every opening of the root window;
// yyresetgraphics: the graphics core's memory back to program start.
#include <algorithm>

#include "base/gravim.hpp"
#include "base/strings_internal.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/fonts_internal.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/presentation_internal.hpp"

namespace {

void resetDrawingState(GraphicsState& g) {
    g.areaX1 = g.areaY1 = 0;
    g.areaX2 = g.areaY2 = 1;
    g.unitsWidth = g.unitsHeight = 1;
    g.areaWidth = g.areaHeight = 1;
    g.rotation = 0;

    g.CharWidth = 1.0f / 75;
    g.CharHeight = 1.0f / 30;
    g.TextAngle = g.DeviceTextAngle = 0;
    g.FontNumber = 1;
    g.EffectiveFontNumber = 1;
    g.FontStyle = 0;
    g.ScreenFontHold = 0;
    g.CharacterPlacement = 0;
    g.TextJustification = 1;
    g.FontClass = 0;

    // White behind black; the device colour numbers follow at the first selection.
    g.colourState[1][0] = 0;
    g.colourState[2][0] = 16777215;
    g.colourState[1][1] = 223;
    g.colourState[2][1] = 0;
    g.fillOutline = 0;

    g.FontName.assign("");
    g.TextCos = 1;
    g.TextSinTimesAspect = g.TextSinOverAspect = 0;
    g.DeviceTextCos = 1;
    g.DeviceTextSinTimesAspect = g.DeviceTextSinOverAspect = 0;

    g.colourModel = 1;
    g.plotMode = 0;
    g.lineType = 0;
    g.lineWidth = 1;
    g.metafileLineWidth = 5;
}

}  // namespace

void IGrInit(std::string_view options, int, int, int) {
    GraphicsState& g = gravim.graphics;
    resetDrawingState(g);

    if (yyopt(options, "H")) {
        g.screenActive = 0;
    } else {
        g.screenActive = 1;
        yygdrv(OpOpen);
    }
    IGrSelect(1, gravim.windows.wIndex);
    if (g.screenActive == 1) {
        g.screenColours = gravim.core.graphicsColours;
        const int previous = g.colourState[g.colourModel][0], current = g.colourState[g.colourModel][1];
        IGrColourN(previous);
        IGrColourN(current);
        for (const int opcode : {OpPlotMode, OpLineType, OpLineWidth, OpFont}) yygdrv(opcode);
        g.fontSent = 1;
    }
    yychdfont();
    yychspace(0);
    WGrVFontStandard(0);
    g.pageDrawn = 0;
    yyhardcopyport().stop();

    // The driver starts afresh; option "P" keeps what was set for the driver before.
    yyhardcopyport().restart(yyopt(options, "P") && g.driverNumber != 0);
    g.OperandValue = 0;

    IGrUnits(0, 0, 1, 1);
    g.fillPass[1] = g.fillPass[2] = 0;
    g.fillPass[0] = 1;
    g.positionX = g.positionY = 0;
    g.fillStyle = 0;
    yypgdefaults();
}

void yyresetgraphics() {
    yyresetgravim();
    yyresetcolourtable();
    yyresetsavedattributes();
    yyresetsavedcolours();
    yyresetcgmdevice();
    yyresetslotwriting();
}
