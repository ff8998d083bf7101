// screen_device.cpp - the screen device: one routine that acts on each opcode for the current
// window, bitmap or dialog field through the drawing primitives.
// For now it records its capabilities at OpInitialise, sizes the character cells at OpFont and
// prints the surface at OpPage; the drawing opcodes arrive with the screen device's primitives.
#include <string>

#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "core/os_internal.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/printer_layer.hpp"

namespace {

void recordCapabilities() {
    GraphicsState& g = gravim.graphics;
    DeviceFacts& f = g.screenDevice;
    f.word2 = 360;
    f.word3 = yywinvariant() == 4 ? 2 : 1;
    f.TrueColourDevice = gravim.core.displayColours > 256 ? 1 : 0;
    f.GradientFillType = 1;
    f.word6 = 1;
    f.word7 = 1;
    f.word8 = 8;
    f.deviceReal = 1.7e38f;
    f.DeviceCapabilityMask.assign("11111111111111111110111011111");
    if (g.surfaceType == 4) f.DeviceCapabilityMask[28] = '0';
}

// The cell geometry of a font request, without a platform font to measure.
void sizeCells() {
    GraphicsState& g = gravim.graphics;
    if (g.rotatedClipWidth * g.CharWidth > 0) g.CharsAcross = g.rotatedMaxX / (g.rotatedClipWidth * g.CharWidth);
    if (g.rotatedClipHeight * g.CharHeight > 0) g.CharsDown = g.rotatedMaxY / (g.rotatedClipHeight * g.CharHeight);
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
    yywindumpstart(dump[1], dump[2], dump[3], dump[4], error, dump[5], dump[8], name.c_str());
    if (error != 0) {
        yyerror(1, "YYGAPI");
        return;
    }
    // Rows of the page are counted from the top.
    const int bottom = g.surfaceHeight - 1;
    yywindumpblit(g.clipPixelX1, bottom - g.clipPixelY2, g.clipPixelX2, bottom - g.clipPixelY1, error);
    if (error != 0) yyerror(64, "YYGAPI");
    yywindumpend();
}

}  // namespace

void yygapi(int opcode) {
    if (gravim.graphics.screenActive == 0 || opcode < 1 || opcode > 40) return;
    switch (opcode) {
    case OpInitialise: recordCapabilities(); break;
    case OpFont:
    case OpFontRotate: sizeCells(); break;
    case OpPage: dumpToPrinter(); break;
    default: break;
    }
}
