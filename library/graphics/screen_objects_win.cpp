// screen_objects_win.cpp - the screen device's drawing objects: stipple, pen, font and palette.
// Pens, fonts and the colour table are filled in by the screen device; this keeps their life.
#include "graphics/screen_win.hpp"

HDC gDC;
HBITMAP hStipple;
HRGN hClipRegion;
HPEN hGrPen;
HPEN hGrPenSaved;
HFONT hGrFont;
HFONT hGrFontSaved;
HPALETTE hPalette;
int iPenStyle;
int iPlotMode = R2_COPYPEN;
HDC hFieldDC;
HWND hFieldWindow;
HDC hBitmapDC;
HBITMAP hGraphicsBitmap;
HDC hGraphicsMetafile;

void yywinlinestyles() {
    if (gDC == nullptr) return;
    HPEN pen = CreatePen(iPenStyle, 1, RGB(0, 0, 0));
    HPEN previous = static_cast<HPEN>(SelectObject(gDC, pen));
    if (hGrPen == nullptr) {
        hGrPenSaved = previous;
    } else {
        DeleteObject(hGrPen);
    }
    hGrPen = pen;
    SetROP2(gDC, iPlotMode);
}

void yyscreenobjectsinit() {
    if (hStipple == nullptr) {
        static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
        hStipple = CreateBitmap(8, 8, 1, 1, pattern);
    }
    iPenStyle = PS_SOLID;
    iPlotMode = R2_COPYPEN;
    yywinlinestyles();
}

void yyscreenobjectsdelete() {
    if (hStipple != nullptr) DeleteObject(hStipple);
    hStipple = nullptr;
    if (hClipRegion != nullptr) DeleteObject(hClipRegion);
    hClipRegion = nullptr;
    if (gDC != nullptr && hGrFontSaved != nullptr) SelectObject(gDC, hGrFontSaved);
    if (gDC != nullptr && hGrPenSaved != nullptr) SelectObject(gDC, hGrPenSaved);
    if (hGrFont != nullptr) DeleteObject(hGrFont);
    if (hGrPen != nullptr) DeleteObject(hGrPen);
    hGrFont = hGrFontSaved = nullptr;
    hGrPen = hGrPenSaved = nullptr;
    if (hPalette != nullptr) DeleteObject(hPalette);
    hPalette = nullptr;
}
