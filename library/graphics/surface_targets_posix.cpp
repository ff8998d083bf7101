// surface_targets_posix.cpp - native stand-in of the drawing targets: windows 0..50 with the
// client size in gravim.windows and the metafile slots (CGM memory slots only); no bitmaps or
// dialog fields.
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/metafiles.hpp"
#include "graphics/surface_targets.hpp"
#include "windows/windows_internal.hpp"

void yygrtargetnone() {}

void yygrtargetwindow(int n) {
    if (n < 0 || n > 50) {
        yyerror(1003, "YYWINSEL");
        return;
    }
    GraphicsState& g = gravim.graphics;
    yysetcurrentwindow(n);
    if (g.surfaceType == 1) g.surfaceIdent = n;
    yyresn(1, n, gravim.windows.clientWidth, gravim.windows.clientHeight);
}

void yygrtargetbitmap(int, int& status, int& width, int& height) {
    status = 1;
    width = height = 0;
}

void yygrtargetfield(int& field, int& width, int& height) {
    field = -1;
    width = height = 0;
}

void yygrtargetmetafile(int slot, int& status, int& width, int& height) {
    yymetafileselect(slot, status, width, height);
}
