// window_surface_win.cpp - graphics' side of the drawing contexts that the window manager (a
// window's) and the dialog manager (a field's) get: which context graphics draws into, and
// releasing the targets. They own those contexts; graphics owns gDC and what is selected into it.
#include "graphics/screen_win.hpp"

void yyscreenwindowdcreleasing(HDC windowDC) {
    if (gDC == nullptr || gDC != windowDC) return;
    if (hGrPenSaved != nullptr) SelectObject(gDC, hGrPenSaved);
    if (hGrFontSaved != nullptr) SelectObject(gDC, hGrFontSaved);
    // The pen goes with the released context; the new context gets its own.
    if (hGrPen != nullptr) DeleteObject(hGrPen);
    hGrPen = hGrPenSaved = nullptr;
}

void yyscreenwindowdcselected(HDC windowDC) {
    if (hFieldDC != nullptr || hBitmapDC != nullptr || hGraphicsMetafile != nullptr) return;
    gDC = windowDC;
    SetBkMode(gDC, TRANSPARENT);
    SetTextAlign(gDC, TA_BASELINE);
    yywinlinestyles();
    if (hPalette != nullptr) {
        SelectPalette(gDC, hPalette, FALSE);
        RealizePalette(gDC);
    }
}

void yyscreenfielddcselected(HWND field, HDC fieldDC) {
    // The pen belonged to the context given up; the field's context gets its own objects.
    if (hGrPen != nullptr) DeleteObject(hGrPen);
    hGrPen = hGrPenSaved = nullptr;
    hFieldDC = fieldDC;
    hFieldWindow = field;
    gDC = fieldDC;
    SetBkMode(gDC, TRANSPARENT);
    SetTextAlign(gDC, TA_BASELINE);
    yywinlinestyles();
    if (hGrFont != nullptr) hGrFontSaved = static_cast<HFONT>(SelectObject(gDC, hGrFont));
    if (hPalette != nullptr) {
        SelectPalette(gDC, hPalette, FALSE);
        RealizePalette(gDC);
    }
}

void yyscreenwindowdcgone(HDC windowDC) {
    if (gDC == windowDC) gDC = nullptr;
}

void yyscreenopened(HDC windowDC) {
    gDC = windowDC;
    hClipRegion = nullptr;
    hGrFont = hGrFontSaved = nullptr;
    hGrPen = hGrPenSaved = nullptr;
    hFieldDC = nullptr;
    hFieldWindow = nullptr;
    hBitmapDC = nullptr;
    hGraphicsBitmap = nullptr;
    hGraphicsMetafile = nullptr;
}

void yyscreenclosed() {
    gDC = nullptr;
    hFieldDC = nullptr;
    hFieldWindow = nullptr;
    hBitmapDC = nullptr;
    hGraphicsMetafile = nullptr;
}

void yysetscreenpalette(HPALETTE palette) { hPalette = palette; }

void yygrselectnone() {
    if (gDC != nullptr) {
        if (hGrPenSaved != nullptr) SelectObject(gDC, hGrPenSaved);
        if (hGrFontSaved != nullptr) SelectObject(gDC, hGrFontSaved);
    }
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
