// bitmap_public_win.cpp - the public bitmap routines: identifiers checked against the limit,
// statuses of the store and its operations reported under each routine's own name.
#include <string_view>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/graphics.hpp"
#include "graphics/colours.hpp"
#include "images/bitmaps.hpp"
#include "images/images.hpp"

namespace {

// The slot of an identifier the public routines accept, or -1 after reporting 1021.
int slotOf(int identifier, std::string_view routine) {
    if (identifier < 1 || identifier > gravim.images.bitmapLimit || identifier > BitmapSlots) {
        yyerror(1021, routine);
        return -1;
    }
    return identifier - 1;
}

void report(int status, std::string_view routine) {
    if (status != 0) yyerror(status, routine);
}

// A viewer showing a changed bitmap shows its new picture, keeping its scroll positions.
void refreshViewer(int viewer, int slot) {
    if (viewer != 0) yybitmapviewerretarget(viewer, slot);
}

}  // namespace

void WBitmapCreate(int& identifier, int width, int height, std::optional<int> colour) {
    int background = 0;
    if (colour) background = *colour;
    else yypalg(0, background);
    yybitmapcreate(identifier, width, height, background);
    if (identifier == 0) yyerror(1020, "WBitmapCreate");
}

void WBitmapDestroy(int identifier) {
    const int slot = slotOf(identifier, "WBitmapDestroy");
    if (slot < 0) return;
    // The drawing target is released first, or the platform would refuse the delete.
    if (yybitmapistarget(slot) && yybitmapisviewer(slot) == 0) IGrSelect(1);
    int status = 0;
    yybitmapdestroy(slot, status);
    report(status, "WBitmapDestroy");
}

void yybitmapdialogcreate(int width, int height, int colour, int& identifier) {
    gravim.images.bitmapLimit = BitmapSlots;
    WBitmapCreate(identifier, width, height, colour);
}

void yybitmapdialogdestroy(int identifier) {
    if (identifier != 0) WBitmapDestroy(identifier);
    gravim.images.bitmapLimit = BitmapSlots - 1;
}

void WBitmapPlotMode(int mode) {
    if (mode < 0 || mode > 3) yyerror(1043, "WBitmapPlotMode");
    else yybitmapplotmode(mode);
}

void WBitmapStretchMode(int mode) {
    if (mode < 0 || mode > 4) yyerror(1107, "WBitmapStretchMode");
    else yybitmapstretchmode(mode);
}

void WBitmapGetStretchMode(int& mode) { yybitmapgetstretch(mode); }

void WBitmapSize(int identifier, int& width, int& height) {
    width = height = 0;
    const int slot = slotOf(identifier, "WBitmapSize");
    if (slot < 0) return;
    yybitmapsize(slot, width, height);
    if (width == 0) yyerror(1021, "WBitmapSize");
}

void WBitmapClear(int identifier, int x1, int y1, int x2, int y2, int colour) {
    const int slot = slotOf(identifier, "WBitmapClear");
    if (slot < 0) return;
    int status = 0;
    yybitmapclear(slot, x1, y1, x2, y2, colour, status);
    report(status, "WBitmapClear");
}

void WBitmapGet(int identifier, int x, int y, int width, int height) {
    const int slot = slotOf(identifier, "WBitmapGet");
    if (slot < 0) return;
    int status = 0;
    yybitmapget(slot, x, y, width, height, status);
    report(status, "WBitmapGet");
}

void WBitmapPut(int identifier, int stretch, int x, int y, int width, int height) {
    const int slot = slotOf(identifier, "WBitmapPut");
    if (slot < 0) return;
    int status = 0;
    yybitmapput(slot, stretch, x, y, width, height, status);
    report(status, "WBitmapPut");
}

void WBitmapPart(int identifier, int sourceX, int sourceY, int destinationX, int destinationY, int width,
                 int height, int direction) {
    const int slot = slotOf(identifier, "WBitmapPart");
    if (slot < 0) return;
    int status = 0;
    yybitmappart(slot, sourceX, sourceY, destinationX, destinationY, width, height, direction, status);
    report(status, "WBitmapPart");
}

void WBitmapGetData(int identifier, const int* array, int x1, int y1, int x2, int y2) {
    const int slot = slotOf(identifier, "WBitmapGetData");
    if (slot < 0 || array == nullptr || x2 < x1 || y2 < y1) return;
    int status = 0;
    yybitmapgetdata(slot, array, x1, y1, x2, y2, status);
    report(status, "WBitmapGetData");
}

void WBitmapPutData(int identifier, int* array, int x1, int y1, int x2, int y2) {
    const int slot = slotOf(identifier, "WBitmapPutData");
    if (slot < 0 || array == nullptr || x2 < x1 || y2 < y1) return;
    int status = 0;
    yybitmapputdata(slot, array, x1, y1, x2, y2, status);
    report(status, "WBitmapPutData");
}

void WBitmapBlendData(const int* array, int x1, int y1, int x2, int y2, int mode, int alpha) {
    if (array == nullptr || x2 < x1 || y2 < y1) return;
    const GraphicsState& g = gravim.graphics;
    yybitmapblenddata(array, x1, y1, x2, y2, g.surfaceWidth, g.surfaceHeight, mode, alpha);
}

void WBitmapGetResource(int identifier, int resource) {
    const int slot = slotOf(identifier, "WBitmapGetResource");
    if (slot < 0) return;
    int status = 0;
    yybitmapgetresource(slot, resource, status);
    report(status, "WBitmapGetResource");
}

void WBitmapResourceInfo(int resource, int& width, int& height) { yybitmapresourceinfo(resource, width, height); }

void WBitmapMirror(int identifier, int direction) {
    const int slot = slotOf(identifier, "WBitmapMirror");
    if (slot < 0) return;
    int viewer = 0, status = 0;
    yybitmapmirror(slot, direction, viewer, status);
    report(status, "WBitmapMirror");
    if (status == 0) refreshViewer(viewer, slot);
}

void WBitmapResize(int identifier, int width, int height) {
    const int slot = slotOf(identifier, "WBitmapResize");
    if (slot < 0) return;
    int viewer = 0, status = 0;
    yybitmapresize(slot, width, height, viewer, status);
    report(status, "WBitmapResize");
    if (status == 0) refreshViewer(viewer, slot);
}

void WBitmapRotate(int identifier, int angle) {
    const int slot = slotOf(identifier, "WBitmapRotate");
    if (slot < 0) return;
    if (angle != 90 && angle != 180 && angle != 270) {
        yyerror(1090, "WBitmapRotate");
        return;
    }
    int viewer = 0, status = 0;
    yybitmaprotate(slot, angle, viewer, status);
    report(status, "WBitmapRotate");
    if (status == 0) refreshViewer(viewer, slot);
}
