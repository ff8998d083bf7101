// surfaces.cpp - choosing the drawing surface and following its size.
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/fonts_internal.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/surface_targets.hpp"
#include "windows/windows_internal.hpp"

namespace {

// The surface falls back to the current window with its client size, and the failure is reported.
void fallBack() {
    GraphicsState& g = gravim.graphics;
    g.surfaceType = 1;
    g.surfaceIdent = gravim.windows.wIndex;
    g.surfaceDialog = 0;
    yyresn(1, gravim.windows.wIndex, gravim.windows.clientWidth, gravim.windows.clientHeight);
    yyerror(1019, "IGrSelect");
}

// A surface that took its size is initialised on its device; a change to or from the CGM memory
// device sends the drawing state again, since the two devices keep their own.
void initialiseDevice(int previousKind) {
    GraphicsState& g = gravim.graphics;
    yygdrv(OpInitialise);
    if (g.deviceKind != 1 && previousKind != 1) return;
    for (const int opcode : {OpOpen, OpLineWidth, OpLineType, OpColourModel, OpClip}) yygdrv(opcode);
    if (g.fontSent == 1) yygdrv(OpFont);
}

}  // namespace

void IGrSelect(int type, std::optional<int> ident) {
    GraphicsState& g = gravim.graphics;
    const int previousKind = g.deviceKind;
    g.deviceKind = 0;
    if (type < 1 || type > 4) {
        fallBack();
        return;
    }
    g.surfaceType = type;
    int status = 0, width = 0, height = 0;
    switch (type) {
    case 1: {
        yygrtargetnone();
        const int remembered = gravim.core.lastError;
        yyseterror(0);
        g.surfaceIdent = ident.value_or(gravim.windows.wIndex);
        g.surfaceDialog = 0;
        yygrtargetwindow(g.surfaceIdent);
        if (gravim.core.lastError == 1003) {
            fallBack();
            return;
        }
        yyseterror(remembered);
        break;
    }
    case 2:
        yygrtargetnone();
        g.surfaceIdent = ident.value_or(1);
        g.surfaceDialog = 0;
        status = 1;
        if (g.surfaceIdent >= 1 && g.surfaceIdent <= gravim.images.bitmapLimit)
            yygrtargetbitmap(g.surfaceIdent - 1, status, width, height);
        if (status > 0) {
            // The released target's context is gone: the window's context is the target again.
            if (gravim.windows.rootOpen != 0) yygrtargetwindow(gravim.windows.wIndex);
            fallBack();
            return;
        }
        yyresn(2, g.surfaceIdent, width, height);
        break;
    case 3:
        if (gravim.dialogs.currentDialog <= 0) {
            fallBack();
            return;
        }
        yygrtargetnone();
        g.surfaceIdent = ident.value_or(0);
        g.surfaceDialog = gravim.dialogs.currentDialog;
        yygrtargetfield(g.surfaceIdent, width, height);
        if (g.surfaceIdent == -1) {
            fallBack();
            return;
        }
        yyresn(3, g.surfaceIdent, width, height);
        break;
    default:
        yygrtargetnone();
        g.surfaceIdent = ident.value_or(1);
        g.surfaceDialog = 0;
        yygrtargetmetafile(g.surfaceIdent, status, width, height);
        if (status > 0) {
            // The released target's context is gone: the window's context is the target again.
            if (gravim.windows.rootOpen != 0) yygrtargetwindow(gravim.windows.wIndex);
            fallBack();
            return;
        }
        yyresn(4, g.surfaceIdent, width, height);
        break;
    }
    initialiseDevice(previousKind);
}

void yyresn(int type, int ident, int width, int height) {
    GraphicsState& g = gravim.graphics;
    if (type != g.surfaceType || ident != g.surfaceIdent) return;
    g.surfaceWidth = width;
    g.surfaceHeight = height;
    g.surfaceMaxX = static_cast<float>(width) - 0.01f;
    g.surfaceMaxY = static_cast<float>(height) - 0.01f;
    g.OperandValue = -1;
    yyhdrv(OpOpen);
    IGrArea(g.areaX1, g.areaY1, g.areaX2, g.areaY2);
}

void yyresize(int window, int width, int height) {
    if (window != gravim.windows.wIndex) return;
    yysetclientsize(width, height);
    yyfntsiz();
    yyresn(1, window, width, height);
}

void yyresizefield(int dialog, int field, int width, int height) {
    const GraphicsState& g = gravim.graphics;
    if (g.surfaceType != 3 || g.surfaceDialog != dialog || g.surfaceIdent != field) return;
    yyfntsiz();
    yyresn(3, field, width, height);
}
