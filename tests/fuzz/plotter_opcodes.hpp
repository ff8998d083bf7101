// plotter_opcodes.hpp - fuzzing the HP-GL, HP-GL/2 and DXF file drivers: random opcode streams with
// random operands, options, fonts and colours written to a scratch file; the sanitizers catch
// any read or write out of bounds and any undefined behaviour.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "fuzz_bytes.hpp"
#include "opcode_stream.hpp"

// Mostly on the surface, sometimes far outside it or enormous.
inline float plotterCoordinate(FuzzBytes& in, float surface) {
    switch (in.byte() % 8) {
    case 0: return static_cast<float>(in.integer()) * 1e6f;
    case 1: return -static_cast<float>(in.word());
    default: return surface * static_cast<float>(in.word()) / 65535.0f;
    }
}

// Opens the driver `routine` with options from the input, draws its opcodes, closes.
inline void fuzzPlotter(const std::uint8_t* data, std::size_t size, void (*routine)(int)) {
    if (size == 0) return;  // the same as one zero byte (fuzz_bytes.hpp)
    yyresethardcopy();
    HardcopyReleaseAtEnd release;
    FuzzBytes in(data, size);
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    const float width = static_cast<float>(1 + in.word() % 2000), height = static_cast<float>(1 + in.word() % 2000);
    g.surfaceWidth = static_cast<int>(width);
    g.surfaceHeight = static_cast<int>(height);
    g.surfaceMaxX = g.rotatedMaxX = width - 0.01f;
    g.surfaceMaxY = g.rotatedMaxY = height - 0.01f;
    g.clipX2 = g.clipWidth = g.rotatedClipWidth = g.surfaceMaxX;
    g.clipY2 = g.clipHeight = g.rotatedClipHeight = g.surfaceMaxY;
    g.areaX2 = g.areaY2 = g.areaWidth = g.areaHeight = 1;
    g.HardcopyAspect = 1.4f;
    h.plotterModel = in.byte() % 12;
    h.printerVariant = in.byte() % 7;
    g.OperandCount = 0;
    routine(OpInitialise);
    int* const o = h.HardcopyOptions;
    for (const int option : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 17, 18, 19, 21, 23, 25})
        if (in.byte() % 4 == 0) o[option] = in.integer() % 100000;
    static const int colourModes[] = {3, 4, 8, 24};  // the DXF colour modes
    if (in.byte() % 2 == 0) o[23] = colourModes[in.byte() % 4];
    g.hardcopyActive = 1;
    g.OperandValue = 1;
    g.OperandPixelX[1] = in.byte() % 2;
    h.hardcopyTitle.assign(std::string(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 200)));
    g.OperandText.assign(fuzzOutputName() + ".plt");
    const std::string output(g.OperandText.trimmed());
    routine(OpOpen);
    if (g.hardcopyActive == 0) return;

    static const int opcodes[] = {OpLine,  OpColour,  OpEllipsePattern, OpQuadPattern, OpRectanglePattern, OpTrianglePattern,
                                  OpArcPattern, OpPolygonPattern, OpOpen, OpPage, OpFont, OpText, OpClip, OpPoint,
                                  OpPaletteEntry, OpLineType, OpLineWidth, OpPolyline, OpFontRotate, OpOutlineArc,
                                  OpColourModel, OpLineJoin, OpLineCap, OpTextLength, OpImage, OpGradientFill};
    while (in.more()) {
        const int opcode = opcodes[in.byte() % (sizeof opcodes / sizeof opcodes[0])];
        for (int i = 1; i <= 4; ++i) {
            g.OperandX[i] = plotterCoordinate(in, width);
            g.OperandY[i] = plotterCoordinate(in, height);
        }
        g.OperandValue = in.byte() % 4 == 0 ? in.integer() : in.byte() % 3 - 1;
        g.OperandPixelX[1] = in.byte() % 8 == 0 ? in.integer() : in.byte();
        g.fillStyle = in.byte() % 6;
        g.fillPattern[0] = in.byte() % 5;
        g.fillPattern[1] = in.byte() % 5;
        g.fillPass[0] = in.byte() % 2;
        g.fillPass[2] = in.byte() % 3 == 0 ? 2 : 0;
        g.fillOutline = in.byte() % 2;
        g.lineType = in.byte() % 9 - 1;
        g.rotation = (in.byte() % 4) * 90;
        g.colourModel = 1 + in.byte() % 2;
        g.colourState[1][0] = g.colourState[1][1];
        g.colourState[1][1] = in.byte();  // palette indices are 0..255 (IGrColourN refuses others)
        g.colourState[2][0] = g.colourState[2][1];
        g.colourState[2][1] = in.integer() & 0xFFFFFF;
        g.FontClass = in.byte() % 4;
        g.FontStyle = in.byte();
        g.EffectiveFontNumber = in.byte() % 6;
        g.TextJustification = in.byte() % 4;
        g.FontBoxOff = in.byte() % 2;
        g.CharWidth = static_cast<float>(in.byte()) / 1000.0f;
        g.CharHeight = static_cast<float>(in.byte()) / 1000.0f;
        g.areaWidth = static_cast<float>(in.byte()) / 255.0f;
        g.areaHeight = static_cast<float>(in.byte()) / 255.0f;
        g.HardcopyAspect = static_cast<float>(in.byte()) / 64.0f;
        const int count = in.byte() % 16 == 0 ? 200 + in.byte() : in.byte() % 8;
        yypolygonsize(count);
        for (int i = 1; i <= count; ++i) {
            g.PolygonX[static_cast<std::size_t>(i)] = plotterCoordinate(in, width);
            g.PolygonY[static_cast<std::size_t>(i)] = plotterCoordinate(in, height);
        }
        g.OperandCount = in.byte() % 8 == 0 ? in.integer() : count;
        std::string text;
        for (int i = in.byte() % 64; i > 0; --i) text += static_cast<char>(in.byte());
        g.OperandText.assign(text);
        if (opcode == OpOpen) g.OperandValue = -1;  // a resize
        routine(opcode);
        g.fillPass[2] = 0;
        if (g.hardcopyActive == 0) break;
    }
    g.OperandValue = 32;
    routine(OpPage);
    routine(OpClose);
    std::filesystem::remove(output);
}
