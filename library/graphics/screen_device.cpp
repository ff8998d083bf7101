// screen_device.cpp - the screen device: one routine that acts on each opcode for the current
// window, bitmap or dialog field through the drawing primitives.
// For now it records its capabilities at OpInitialise and sizes the character cells at OpFont;
// the drawing opcodes arrive with the screen device's primitives.
#include "core/gravim.hpp"
#include "core/os_internal.hpp"
#include "graphics/devices.hpp"

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

}  // namespace

void yygapi(int opcode) {
    if (gravim.graphics.screenActive == 0 || opcode < 1 || opcode > 40) return;
    switch (opcode) {
    case OpInitialise: recordCapabilities(); break;
    case OpFont:
    case OpFontRotate: sizeCells(); break;
    default: break;
    }
}
