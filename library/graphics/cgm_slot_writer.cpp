// cgm_slot_writer.cpp - the CGM memory device's writes into the current slot's byte store, and
// the element routines the device calls, all through the encoder with the store as its sink.
#include <algorithm>
#include <cstring>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/cgm_device.hpp"
#include "graphics/cgm_encoder.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

// Room kept at the end of every store for END PICTURE and END METAFILE (two bytes each), so a
// full recording still closes into a readable metafile.
constexpr int ClosingRoom = 4;

// Where the element in progress of each slot began, and whether the slot refuses elements.
struct SlotWriting {
    int elementStart = 0;
    bool closing = false;    // the element in progress is END PICTURE or END METAFILE
    bool dropping = false;   // the element in progress is refused: its bytes go nowhere
    bool full = false;       // a write did not fit: only the closing elements are taken
    bool ended = false;      // END METAFILE is in: the store takes nothing more
};
SlotWriting writing[MetafileSlots + 1];

// The current surface's slot when it holds a CGM store, else null.
MetafileSlot* currentSlot(int& number) {
    const GraphicsState& g = gravim.graphics;
    number = g.surfaceIdent;
    if (g.surfaceType != 4 || number < 1 || number > MetafileSlots) return nullptr;
    MetafileSlot& slot = gravim.graphics.metafileSlots[number];
    if (slot.slotType != 6) return nullptr;
    return &slot;
}

void refuse(SlotWriting& state) {
    state.dropping = true;
    yyerror(1062, "YYGCGM1");
}

// The sink of the current slot: every element announces itself, so that a write that does not
// fit can take back the whole element.
class SlotSink final : public CgmSink {
public:
    void element(int elementClass, int id) override {
        int number = 0;
        MetafileSlot* slot = currentSlot(number);
        if (slot == nullptr) return;
        SlotWriting& state = writing[number];
        if (slot->slotUsed == 0) state = SlotWriting{};  // a new or emptied store starts afresh
        state.elementStart = slot->slotUsed;
        state.closing = elementClass == 0 && (id == 2 || id == 5);
        // A metafile begins with BEGIN METAFILE: what the surface's selection sends before the
        // header (attributes, clip) has no place yet.
        state.dropping = slot->slotUsed == 0 && !(elementClass == 0 && id == 1);
        // After END METAFILE a reader stops: whatever came later (a second close included) would
        // be lost in the file, so the store refuses it.
        if (!state.dropping && ((state.full && !state.closing) || state.ended)) refuse(state);
        state.ended = state.ended || (!state.dropping && elementClass == 0 && id == 2);
    }
    void put(std::span<const std::uint8_t> bytes) override { yygcgm1(bytes); }
};

SlotSink sink;

CgmPoint pointAt(int vertex) {
    const GraphicsState& g = gravim.graphics;
    return {yytrunc(g.PolygonX[static_cast<std::size_t>(vertex)]),
            yytrunc(g.PolygonY[static_cast<std::size_t>(vertex)])};
}

}  // namespace

void yyresetslotwriting() { std::fill(std::begin(writing), std::end(writing), SlotWriting{}); }

CgmSink& yygcgmsink() { return sink; }

void yygcgm1(std::span<const std::uint8_t> bytes) {
    int number = 0;
    MetafileSlot* slot = currentSlot(number);
    if (slot == nullptr) return;
    SlotWriting& state = writing[number];
    if (state.dropping) return;
    const long long room = static_cast<long long>(slot->slotCapacity) - (state.closing ? 0 : ClosingRoom);
    if (static_cast<long long>(slot->slotUsed) + static_cast<long long>(bytes.size()) > room ||
        static_cast<std::size_t>(slot->slotUsed) + bytes.size() > slot->slotStore.size()) {
        // Nothing of a cut element may stay: a reader would take what follows for its rest.
        slot->slotUsed = state.elementStart;
        state.full = true;
        refuse(state);
        return;
    }
    if (!bytes.empty())
        std::memcpy(slot->slotStore.data() + slot->slotUsed, bytes.data(), bytes.size());
    slot->slotUsed += static_cast<int>(bytes.size());
}

void yygcgm2(int elementClass, int id, int length) {
    sink.element(elementClass, id);
    yycgmputinteger(sink, (elementClass & 0xF) * 4096 + (id & 0x7F) * 32 + (length & 0x1F));
}

void yygcgm4(int elementClass, int id, int red, int green, int blue) {
    yycgmcolourelement(sink, elementClass, id, {red, green, blue}, true);
}

void yygcgm5(int value) { yycgmputinteger(sink, value); }

void yygcgm6(int x, int y) { yycgmputpoint(sink, {x, y}); }

void yygcgm7(std::string_view text) {
    yycgmputstring(sink, text);
    if (yycgmstringsize(text) % 2 != 0) yycgmputbyte(sink, 0);
}

void yygcgm8(std::string_view text) { yycgmputstring(sink, text); }

void yygcgm9(const int*, const int*, const int* colours, const int* triangles, int vertexCount,
             int triangleCount, int& failed) {
    failed = 0;
    for (int k = 0; k < triangleCount; ++k) {
        int corner[3] = {};
        bool valid = true;
        for (int i = 0; i < 3; ++i) {
            corner[i] = triangles[3 * k + i];
            valid = valid && corner[i] >= 1 && corner[i] <= yyvertexcount(vertexCount);
        }
        if (!valid) continue;
        const GraphicsState& g = gravim.graphics;
        const CgmPoint points[3] = {pointAt(corner[0]), pointAt(corner[1]), pointAt(corner[2])};
        // The reference vectors are differences of the real coordinates, truncated afterwards.
        const auto difference = [&](int to, int from) {
            return CgmPoint{yytrunc(g.PolygonX[static_cast<std::size_t>(to)] - g.PolygonX[static_cast<std::size_t>(from)]),
                            yytrunc(g.PolygonY[static_cast<std::size_t>(to)] - g.PolygonY[static_cast<std::size_t>(from)])};
        };
        const CgmColour shades[3] = {yycgmunpack(colours[corner[0] - 1]), yycgmunpack(colours[corner[1] - 1]),
                                     yycgmunpack(colours[corner[2] - 1])};
        yycgmgradienttriangle(sink, points, difference(corner[1], corner[0]), difference(corner[2], corner[0]),
                              shades);
    }
}

void yygcgm10(int first, int last) {
    first = std::max(first, 1);
    last = std::min(yyvertexcount(last), first + CgmPointsMax - 1);
    const int count = std::max(last - first + 1, 0);
    yycgmlongheader(sink, 4, 1, 4 * count, false);
    for (int i = first; i <= last; ++i) yycgmputpoint(sink, pointAt(i));
}

bool yygcgmrecording() {
    int number = 0;
    const MetafileSlot* slot = currentSlot(number);
    return slot != nullptr && slot->slotUsed > 0;
}

void yygcgmslotreset(int slot) {
    if (slot >= 1 && slot <= MetafileSlots) writing[slot] = {};
}
