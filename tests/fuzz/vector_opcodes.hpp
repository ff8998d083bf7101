// vector_opcodes.hpp - fuzzing the vector file drivers (PostScript, SVG, CGM): random opcode
// streams with random operands, options, texts and images written to a file; the sanitizers
// catch any fault, and the callers check what they can of the file.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/cgm_driver.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/postscript_driver.hpp"
#include "opcode_stream.hpp"
#include "raster_opcodes.hpp"

// Draws the input's opcodes with `driver` (xxpost, xxsvg or xxcgm) into the file `name`.
inline void fuzzVectorDriver(const std::uint8_t* data, std::size_t size, void (*driver)(int), const std::string& name) {
    if (size == 0) return;  // the same as one zero byte (fuzz_bytes.hpp)
    HardcopyReleaseAtEnd release;
    FuzzBytes in(data, size);
    const int width = 20 + in.word() % 2000, height = 20 + in.word() % 2000;
    fuzzSurface(width, height);
    GraphicsState& g = gravim.graphics;
    g.clipX2 = g.surfaceMaxX;
    g.clipY2 = g.surfaceMaxY;
    g.colourModel = 1 + in.byte() % 2;
    g.OperandCount = 0;
    driver(OpInitialise);
    int* const o = gravim.hardcopy.HardcopyOptions;
    const int optionNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 22, 28};
    for (int option : optionNumbers)
        if (in.byte() % 4 == 0) o[option] = in.word() - 1000;
    o[16] = 10 + in.byte() % 246;
    o[10] = in.byte() % 3;
    o[11] = in.byte() % 3;
    if (o[1] <= 0) o[1] = 1 + in.byte();
    if (o[2] <= 0) o[2] = 1 + in.byte();
    g.hardcopyActive = 1;
    g.OperandValue = 1;
    g.OperandText.assign(name);
    g.OperandPixelX[1] = in.byte() % 2;
    std::string title;
    for (int n = in.byte() % 40; n > 0; --n) title += static_cast<char>(in.byte());
    gravim.hardcopy.hardcopyTitle.assign(title);
    driver(OpOpen);
    if (g.hardcopyActive == 0) return;

    static const int opcodes[] = {OpLine,        OpColour,      OpEllipsePattern, OpQuadPattern, OpRectanglePattern,
                                  OpTrianglePattern, OpArcPattern, OpPolygonPattern, OpOpen,     OpClip,
                                  OpPoint,       OpLineType,    OpLineWidth,      OpPolyline,    OpImage,
                                  OpGradientFill, OpColourModel, OpPage,          OpText,        OpFont,
                                  OpFontRotate,  OpOutlineArc,  OpLineJoin,       OpLineCap};
    std::vector<int> pixels;
    const OpcodeStream stream{
        opcodes, driver, width, height,
        [&] {
            g.fillPattern[0] = in.byte() % 4;
            g.lineType = in.byte() % 8;
            g.rotation = (in.byte() % 4) * 90;
            g.EffectiveFontNumber = in.byte() % 6;
            g.FontStyle = in.byte() % 16;
            g.FontClass = in.byte() % 3;
            g.TextJustification = in.byte() % 3;
            g.DeviceTextAngle = static_cast<float>(in.word() % 360);
            g.CharWidth = static_cast<float>(in.byte()) / 512.0f;
            g.CharHeight = static_cast<float>(in.byte()) / 512.0f;
            g.rotatedClipWidth = g.clipX2 - g.clipX1;
            g.rotatedClipHeight = g.clipY2 - g.clipY1;
            g.HardcopyTextScaleX = g.HardcopyScaleX;
            g.HardcopyTextScaleY = g.HardcopyScaleY;
            g.HardcopyAspect = static_cast<float>(in.byte()) / 64.0f;
        },
        [&] { return in.byte() % 2 == 0 ? in.byte() % 12 : in.word() % 9000; },
        true, 64,  // triangulating thousands of random vertices takes long
        [&](int opcode) {
            switch (opcode) {
            case OpClip: g.areaX1 = static_cast<float>(in.byte()) / 512.0f; break;
            case OpText: {
                const int length = in.byte() % 262;
                std::string text;
                for (int i = 0; i < length; ++i) text += static_cast<char>(in.byte());
                g.OperandText.assign(text);
                g.OperandPixelX[1] = length - 1;
                g.OperandPixelX[2] = in.byte() % 4;
                break;
            }
            case OpPage: g.OperandCount = in.byte() % 2; break;
            case OpImage: {
                // The image writers fed an array directly (the loader fails on every file).
                const int w = in.byte() % 9, h = in.byte() % 9;
                pixels.assign(static_cast<std::size_t>(w * h), 0);
                for (int& p : pixels) p = in.byte() % 2 == 0 ? 0xFF : in.word() | (in.byte() << 16);
                if (driver == xxpost) yypostimage(pixels, w, h);
                if (driver == xxcgm) yycgmimage(pixels, w, h);
                break;
            }
            default: break;
            }
        }};
    fuzzOpcodeStream(in, stream);
    if (g.pageDrawn != 0) {
        g.OperandCount = 1;
        driver(OpPage);
    }
    driver(OpClose);
}
