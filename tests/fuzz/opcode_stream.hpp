// opcode_stream.hpp - the opcode loop the raster and vector driver fuzzers share: each round takes
// an opcode and its operands from the input and hands it to the driver.
#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <system_error>

#include <unistd.h>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "fuzz_bytes.hpp"

// What differs between the fuzzers: their opcodes, the attributes they vary, how many vertices a
// round takes and what an opcode takes beyond the common operands.
struct OpcodeStream {
    std::span<const int> opcodes;
    void (*routine)(int);
    int width, height;                           // the surface the coordinates spread around
    std::function<void()> attributes;            // after the fill style, before the vertices
    std::function<int()> vertexCount;
    bool vertexColours;                          // a gradient colour with every vertex
    int gradientLimit;                           // GradientVertexCount at most this
    std::function<void(int opcode)> opcodeBytes;  // after the common operands of the opcode
};

// A scratch file of this process for a driver's output, in the memory folder where the system
// has one: a disk file emptied at every opening is written back to the disk at its close, which
// costs more than the drawing.
inline std::string fuzzOutputName() {
    std::error_code error;
    const std::filesystem::path memory = "/dev/shm";
    const std::filesystem::path folder = std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
    return (folder / ("grav_fuzz_driver_" + std::to_string(getpid()) + ".out")).string();
}

// Declared first in a driver input: when the input ends, the hardcopy layer and graphics go back to
// their start, so that the input gives back what the library allocated for it (libFuzzer runs an
// input a second time, and looks for leaks, whenever it ends holding more than it started with).
struct HardcopyReleaseAtEnd {
    ~HardcopyReleaseAtEnd() { yyresethardcopy(); }
};

// A fresh drawing state on a surface of width x height pixels.
inline void fuzzSurface(int width, int height) {
    yyresethardcopy();
    GraphicsState& g = gravim.graphics;
    g.surfaceWidth = width;
    g.surfaceHeight = height;
    g.surfaceMaxX = static_cast<float>(width) - 0.01f;
    g.surfaceMaxY = static_cast<float>(height) - 0.01f;
}

// Draws opcodes until the input is used up or the driver closes itself.
inline void fuzzOpcodeStream(FuzzBytes& in, const OpcodeStream& s) {
    GraphicsState& g = gravim.graphics;
    int* const o = gravim.hardcopy.HardcopyOptions;
    while (in.more()) {
        const int opcode = s.opcodes[static_cast<std::size_t>(in.byte()) % s.opcodes.size()];
        for (int i = 1; i <= 4; ++i) {
            g.OperandX[i] = in.coordinate(s.width);
            g.OperandY[i] = in.coordinate(s.height);
        }
        g.OperandValue = in.byte() % 3 - 1;
        g.fillStyle = in.byte() % 5;
        s.attributes();
        const int count = s.vertexCount();
        yypolygonsize(count);
        if (s.vertexColours) yygradientsize(count);
        for (int i = 1; i <= count; ++i) {
            const auto at = static_cast<std::size_t>(i);
            g.PolygonX[at] = in.coordinate(s.width);
            g.PolygonY[at] = in.coordinate(s.height);
            if (s.vertexColours) g.GradientColour[at] = in.word() | (in.byte() << 16);
        }
        g.OperandCount = count;
        g.GradientVertexCount = std::min(count, s.gradientLimit);
        switch (opcode) {
        case OpColour:
        case OpColourModel:
            g.colourState[1][0] = g.colourState[1][1];
            g.colourState[2][0] = g.colourState[2][1];
            g.colourState[1][1] = in.byte();
            g.colourState[2][1] = in.word() | (in.byte() << 16);
            break;
        case OpClip:
            g.clipX1 = in.coordinate(s.width);
            g.clipY1 = in.coordinate(s.height);
            g.clipX2 = in.coordinate(s.width);
            g.clipY2 = in.coordinate(s.height);
            break;
        case OpLineWidth: o[9] = in.byte() % 60; break;
        case OpOpen:
            g.OperandValue = -1;  // a resize
            g.surfaceWidth = s.width + in.byte() % 20;
            break;
        default: break;
        }
        s.opcodeBytes(opcode);
        s.routine(opcode);
        if (g.hardcopyActive == 0) break;
    }
}
