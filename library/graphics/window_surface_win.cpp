// window_surface_win.cpp - graphics' side of the window manager's drawing contexts: which context
// graphics draws into while a window is the target, and releasing the other targets. The window
// manager owns its windows' contexts; graphics owns gDC and the objects selected into it.
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
    if (hFieldDC != nullptr || hBitmapDC != nullptr || iMetafileSelected != 0) return;
    gDC = windowDC;
    SetBkMode(gDC, TRANSPARENT);
    SetTextAlign(gDC, TA_BASELINE);
    yywinlinestyles();
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
    iMetafileSelected = 0;
}

void yyscreenclosed() {
    gDC = nullptr;
    hFieldDC = nullptr;
    hFieldWindow = nullptr;
    hBitmapDC = nullptr;
    iMetafileSelected = 0;
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
    } else {
        iMetafileSelected = 0;
    }
}
