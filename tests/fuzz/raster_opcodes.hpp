// raster_opcodes.hpp - fuzzing the software raster: random opcode streams with random operands
// drawn by a raster driver on a small page. The targets of each layout choose the driver and
// depth; the sanitizers catch any write outside the raster and any undefined behaviour.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_settings.hpp"
#include "hardcopy/software_raster.hpp"
#include "images/image_driver.hpp"
#include "fuzz_bytes.hpp"
#include "opcode_stream.hpp"

// The raster targets' output file: one per process, emptied by every opening and removed when the
// process ends, rather than made and removed for every input.
inline const std::string& fuzzRasterOutput() {
    static const struct Output {
        std::string name = fuzzOutputName();
        ~Output() { std::filesystem::remove(name); }
    } output;
    return output.name;
}

// The largest page sides in pixels or dots; the drawing and the page written grow with their area.
// Narrow but two printer bands (48 rows) tall, so that an input stays cheap yet crosses a band.
constexpr int pageDotsAcross = 48, pageDotsAlong = 96;

// The page option in points for about `dots` dots at `resolution` dots an inch; at least 1.
inline int pagePoints(int dots, int resolution) { return std::max(1, (dots * 72 + resolution / 2) / resolution); }

// Opens `driver` (4 raster printer of printerType, 6 image file of depth) on a small page, draws
// the input's opcodes, ends pages and closes.
inline void fuzzRaster(const std::uint8_t* data, std::size_t size, int driver, int depth, int printerType) {
    if (size == 0) return;  // the same as one zero byte (fuzz_bytes.hpp)
    HardcopyReleaseAtEnd release;
    FuzzBytes in(data, size);
    const int width = 40 + in.byte() % 60, height = 30 + in.byte() % 50;
    fuzzSurface(width, height);
    GraphicsState& g = gravim.graphics;
    g.colourModel = 1 + in.byte() % 2;
    void (*const routine)(int) = driver == 4 ? xxrast : xximag;
    if (driver == 4) iprinter(printerType);
    g.OperandCount = 0;
    routine(OpInitialise);
    int* const o = gravim.hardcopy.HardcopyOptions;
    // The page is small, so that an input runs fast whatever the resolution, yet spans one pixel
    // (part of a byte) to more than a word of a row and more rows than a printer's pass.
    const int across = 1 + in.byte() % pageDotsAcross, along = 1 + in.byte() % pageDotsAlong;
    o[5] = in.byte() % 2;
    o[6] = in.byte() % 3;
    o[9] = in.byte() % 40;
    if (driver == 6) {
        o[1] = across;
        o[2] = along;
        o[23] = depth;
        o[26] = in.byte() % 5;
    } else {
        o[13] = 1 + in.byte() % std::max(gravim.hardcopy.printerResolutionCount, 1);
        gravim.hardcopy.printerResolutionIndex = o[13];
        const int resolution = std::max(gravim.hardcopy.printerResolutions[o[13] - 1], 1);
        o[1] = pagePoints(across, resolution);
        o[2] = pagePoints(along, resolution);
        o[24] = in.byte() % (gravim.hardcopy.printerModeLimit + 1);
        o[19] = in.byte() % 4 - 1;
        o[3] = in.byte() - 128;
        o[4] = in.byte() - 128;
    }
    g.hardcopyActive = 1;
    g.OperandValue = 1;
    g.OperandText.assign(fuzzRasterOutput());
    routine(OpOpen);
    if (g.hardcopyActive == 0) return;
    g.clipX2 = g.surfaceMaxX;
    g.clipY2 = g.surfaceMaxY;
    routine(OpClip);

    static const int opcodes[] = {OpLine,         OpColour,      OpEllipsePattern, OpQuadPattern, OpRectanglePattern,
                                  OpTrianglePattern, OpArcPattern, OpPolygonPattern, OpClear,     OpOpen,
                                  OpClip,         OpPoint,       OpLineType,       OpLineWidth,   OpPolyline,
                                  OpImage,        OpGradientFill, OpColourModel,   OpPage,        OpText};
    std::vector<int> pixels;
    const OpcodeStream stream{
        opcodes, routine, width, height,
        [&] {
            g.fillOutline = in.byte() % 2;
            g.fillPass[2] = in.byte() % 2;
            g.lineType = in.byte() % 8;
            g.rotation = (in.byte() % 5) * 90 - (in.byte() % 2) * 45;
        },
        [&] { return in.byte() % 8; },
        false, 1 << 30,
        [&](int opcode) {
            if (opcode != OpImage) return;
            // The raster's own image mapping, fed an array of the input's size.
            const int w = 1 + in.byte() % 9, h = 1 + in.byte() % 9;
            pixels.assign(static_cast<std::size_t>(w * h), in.word() | (in.byte() << 16));
            yyvrasimage(pixels.data(), w, h);
        }};
    fuzzOpcodeStream(in, stream);
    routine(OpPage);
    routine(OpClose);
}
