// metafile_slots.cpp - the 20 metafile slots of the shared state: selecting one as the drawing
// target, creating and destroying them. Enhanced-metafile slots keep their recording in the GDI
// layer's tables (metafile_gdi_win.cpp); CGM slots keep their elements in the record's store.
#include <exception>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/cgm_device.hpp"
#include "graphics/graphics.hpp"
#include "graphics/metafiles.hpp"

namespace {

constexpr int EnhancedMetafile = 3;
constexpr int CgmMemory = 6;

MetafileSlot& record(int n) { return gravim.graphics.metafileSlots[n]; }

bool validSlot(int n) { return n >= 1 && n <= MetafileSlots; }

// Pixels of the reference device over `points`: size in millimetres and pixels across it.
int devicePixels(int points, int pixels, int millimetres) {
    if (millimetres <= 0) return 0;
    return static_cast<int>(static_cast<long long>(points) * pixels * 254 / (720LL * millimetres));
}

int failCreation(int error) {
    yyerror(error, "YYMETAFILESLOTCREATE");
    return error;
}

}  // namespace

void yymetafileselect(int n, int& status, int& width, int& height) {
    status = 1;
    if (!validSlot(n) || record(n).slotInUse == 0) return;
    const MetafileSlot& slot = record(n);
    switch (slot.slotType) {
    case EnhancedMetafile:
        width = slot.slotDrawingWidth;
        height = slot.slotDrawingHeight;
        gravim.graphics.deviceKind = 0;
        yymetafileselect2(n - 1, width, height, status);
        break;
    case CgmMemory:
        width = slot.slotDrawingWidth;
        height = slot.slotDrawingHeight;
        gravim.graphics.deviceKind = 1;
        status = 0;
        break;
    default: break;
    }
}

void WMetafileDestroy(int n) {
    if (!validSlot(n)) {
        yyerror(1060, "WMetafileDestroy");
        return;
    }
    MetafileSlot& slot = record(n);
    if (slot.slotType == 0) yyerror(1060, "WMetafileDestroy");
    if (slot.slotType == EnhancedMetafile) yymetafiledestroy(n - 1);
    if (slot.slotType == CgmMemory) std::vector<std::uint8_t>().swap(slot.slotStore);
    slot.slotType = slot.slotWidthPoints = slot.slotHeightPoints = 0;
    slot.slotInUse = slot.slotCapacity = slot.slotUsed = 0;
    yygcgmslotreset(n);
}

int yymetafileslotcreate(int n, int type, int widthPoints, int heightPoints, int capacity) {
    if (!validSlot(n)) return failCreation(1060);
    if (type != EnhancedMetafile && type != CgmMemory) return failCreation(1061);
    if (widthPoints <= 0 || heightPoints <= 0 || (type == CgmMemory && capacity <= 0)) return failCreation(1059);
    if (record(n).slotType != 0) WMetafileDestroy(n);
    MetafileSlot& slot = record(n);
    if (type == EnhancedMetafile) {
        int hres = 0, vres = 0, hsize = 0, vsize = 0;
        yymetafilecreate(n - 1, widthPoints, heightPoints, hres, vres, hsize, vsize);
        if (!yymetafilerecording(n - 1)) return failCreation(1059);
        slot.slotDrawingWidth = devicePixels(widthPoints, hres, hsize);
        slot.slotDrawingHeight = devicePixels(heightPoints, vres, vsize);
    } else {
        try {
            slot.slotStore.assign(static_cast<std::size_t>(capacity), 0);
        } catch (const std::exception&) {
            return failCreation(1059);
        }
        slot.slotCapacity = capacity;
        slot.slotUsed = 0;
        yygcgmslotreset(n);
    }
    slot.slotWidthPoints = widthPoints;
    slot.slotHeightPoints = heightPoints;
    slot.slotType = type;
    slot.slotInUse = 1;
    return 0;
}

void yymetafilesdestroyall() {
    for (int n = 1; n <= MetafileSlots; ++n)
        if (record(n).slotType != 0) WMetafileDestroy(n);
}

void yymetafileslotwidth(int& deviceUnits, int& points) {
    const GraphicsState& g = gravim.graphics;
    deviceUnits = points = 0;
    if (g.surfaceType != 4 || !validSlot(g.surfaceIdent)) return;
    deviceUnits = record(g.surfaceIdent).slotDrawingWidth;
    points = record(g.surfaceIdent).slotWidthPoints;
}
