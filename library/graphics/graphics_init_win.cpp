// graphics_init_win.cpp - graphics initialisation and the choice of the drawing surface.
// Only windows can be surfaces until bitmaps, graphics fields and metafile slots arrive.
#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "core/strings_internal.hpp"
#include "core/windows.hpp"
#include "core/windows_internal_win.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "hardcopy/hardcopy.hpp"

namespace {

// The surface falls back to the current window, and the failure is reported.
void fallBack() {
    GraphicsState& g = gravim.graphics;
    g.surfaceType = 1;
    g.surfaceIdent = gravim.windows.wIndex;
    g.surfaceDialog = 0;
    yyresn(1, gravim.windows.wIndex, gravim.windows.clientWidth, gravim.windows.clientHeight);
    yyerror(1019, "IGrSelect");
}

}  // namespace

void IGrSelect(int type, int ident) {
    GraphicsState& g = gravim.graphics;
    if (type != 1) {
        fallBack();
        return;
    }
    g.surfaceType = 1;
    yygrselectnone();
    const int remembered = gravim.core.lastError;
    gravim.core.lastError = 0;
    g.surfaceIdent = ident >= 0 ? ident : gravim.windows.wIndex;
    g.surfaceDialog = 0;
    WindowSelect(g.surfaceIdent);
    if (gravim.core.lastError == 1003) {
        fallBack();
        return;
    }
    gravim.core.lastError = remembered;
}

void IGrInit(std::string_view options, int, int, int) {
    GraphicsState& g = gravim.graphics;
    g.areaX1 = g.areaY1 = 0;
    g.areaX2 = g.areaY2 = 1;
    g.areaWidth = g.areaHeight = 1;
    g.unitsWidth = g.unitsHeight = 1;
    g.rotation = 0;
    g.screenActive = yyopt(options, "H") ? 0 : 1;
    IGrSelect(1, gravim.windows.wIndex);
    IGrHardCopy("S", " ");
    IGrUnits(0, 0, 1, 1);
}
