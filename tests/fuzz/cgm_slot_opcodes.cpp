// cgm_slot_opcodes.cpp - fuzzing the CGM memory device: random opcode streams with random
// operands recorded into a small CGM slot. Whatever arrives, nothing is written outside the store
// and the store reads back as whole CGM elements ending in END PICTURE and END METAFILE.
#include <cstdlib>
#include <string>

#include "cgm_walker.hpp"
#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/metafiles.hpp"
#include "raster_opcodes.hpp"

namespace {

void operands(FuzzBytes& in) {
    GraphicsState& g = gravim.graphics;
    const int surface = std::max(g.surfaceWidth, 1);
    for (int i = 1; i <= 4; ++i) {
        g.OperandX[i] = in.coordinate(surface);
        g.OperandY[i] = in.coordinate(surface);
        g.OperandPixelX[i] = static_cast<int>(g.OperandX[i]);
        g.OperandPixelY[i] = static_cast<int>(g.OperandY[i]);
    }
    if (in.byte() == 0) g.OperandX[3] = in.byte() == 0 ? 1e30f : -1e30f;  // arc angles far apart
    g.OperandCount = in.word() - 1000;
    g.lineType = in.byte() % 10 - 1;
    g.metafileLineWidth = in.byte();
    g.fillStyle = in.byte() % 5;
    g.FontClass = in.byte() % 3;
    g.TextJustification = in.byte() % 3;
    g.FontStyle = in.byte() % 16;
    g.CharacterPlacement = in.byte() % 2;
    g.EffectiveFontNumber = in.byte() % 6;
    g.rotation = 90 * (in.byte() % 4);
    g.CharHeight = static_cast<float>(in.byte()) / 256.0f;
    g.CharWidth = static_cast<float>(in.byte()) / 256.0f;
    g.colourState[2][1] = in.word() | (in.byte() << 16);
    g.colourState[1][1] = in.byte();
    g.colourModel = in.byte() % 2 + 1;
    g.OperandText.assign(std::string(static_cast<std::size_t>(in.byte()) * 2, 'a' + in.byte() % 26));
    const int vertices = in.word() % 9300;
    yypolygonsize(vertices);
    for (int i = 1; i <= vertices; ++i) {
        g.PolygonX[static_cast<std::size_t>(i)] = static_cast<float>(i % 97);
        g.PolygonY[static_cast<std::size_t>(i)] = static_cast<float>(i % 89);
    }
    g.GradientVertexCount = in.byte() % 20;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // the same as one zero byte (fuzz_bytes.hpp)
    yyresetgraphics();
    gravim.windows.rootOpen = 1;
    gravim.windows.clientWidth = 640;
    gravim.windows.clientHeight = 480;
    gravim.core.graphicsColours = 256;
    gravim.core.displayColours = 16777216;
    IGrInit(" ");
    FuzzBytes in(data, size);
    const int capacity = 1 + in.word() % 3000;
    if (yymetafileslotcreate(1, 6, 1 + in.word() % 5000, 1 + in.word() % 5000, capacity) != 0) std::abort();
    IGrSelect(4, 1);
    yygdrv(OpMetafileHeader);
    IGrSelect(4, 1);
    while (in.more()) {
        const int opcode = in.byte() % 44 - 1;
        operands(in);
        GraphicsState& g = gravim.graphics;
        if (opcode == OpImage) g.OperandPixelX[2] %= 64, g.OperandPixelY[2] %= 64;  // the loader refuses anyway
        yygcgm(opcode);
    }
    yygdrv(OpClose);
    const MetafileSlot& slot = gravim.graphics.metafileSlots[1];
    if (slot.slotUsed < 0 || slot.slotUsed > capacity) std::abort();
    const CgmWalk walk = walkCgm(slot.slotStore.data(), static_cast<std::size_t>(slot.slotUsed));
    if (!walk.complete) std::abort();
    const auto& elements = walk.elements;
    if (!elements.empty()) {
        if (elements.size() < 2 || elements.back().elementClass != 0 || elements.back().id != 2 ||
            elements[elements.size() - 2].id != 5)
            std::abort();
    }
    yyresetgraphics();  // the slot's store and the vertex lists go back before the next input
    return 0;
}
