// window_surface_win.cpp - graphics' side of the drawing contexts that the window manager (a
// window's) and the dialog manager (a field's) get: which context graphics draws into, and
// releasing the targets. They own those contexts; graphics owns gDC and what is selected into it.
#include "graphics/screen_win.hpp"

namespace {

// No field, bitmap or metafile target and no objects of an earlier context to put back.
void forgetTargets() {
    gPenOld = nullptr;
    gFontOld = nullptr;
    hFieldDC = nullptr;
    hFieldWindow = nullptr;
    hBitmapDC = nullptr;
    hGraphicsMetafile = nullptr;
}

}  // namespace

void yyscreenwindowdcreleasing(HDC windowDC) {
    if (gDC != nullptr && gDC == windowDC) yyscreentargetreleasing();
}

void yyscreenwindowdcselected(HDC windowDC) {
    if (hFieldDC != nullptr || hBitmapDC != nullptr || hGraphicsMetafile != nullptr) return;
    yyscreentargetselected(windowDC);
}

void yyscreenfielddcselected(HWND field, HDC fieldDC) {
    hFieldDC = fieldDC;
    hFieldWindow = field;
    yyscreentargetselected(fieldDC);
}

void yyscreenbitmapdcselected(HBITMAP bitmap, HDC bitmapDC) {
    hGraphicsBitmap = bitmap;
    hBitmapDC = bitmapDC;
    yyscreentargetselected(bitmapDC);
}

void yyscreenwindowdcgone(HDC windowDC) {
    if (gDC == windowDC) gDC = nullptr;
}

void yyscreenopened(HDC windowDC) {
    gDC = windowDC;
    forgetTargets();
    hGraphicsBitmap = nullptr;
}

void yyscreenclosed() {
    gDC = nullptr;
    forgetTargets();
}

void yygrselectnone() {
    yyscreentargetreleasing();
    if (hFieldDC != nullptr) {
        ReleaseDC(hFieldWindow, hFieldDC);
        hFieldDC = nullptr;
        hFieldWindow = nullptr;
    } else if (hBitmapDC != nullptr) {
        DeleteDC(hBitmapDC);
        hBitmapDC = nullptr;
        hGraphicsBitmap = nullptr;  // the bitmap stays in its slot
    } else {
        hGraphicsMetafile = nullptr;
    }
}
