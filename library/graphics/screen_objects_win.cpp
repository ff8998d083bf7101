// screen_objects_win.cpp - the screen drawing layer's objects: colours, stipple, pen and its dash
// tables, plot mode and palette, and their life across drawing targets.
#include <algorithm>
#include <vector>

#include "base/gravim.hpp"
#include "windows/windows_internal_win.hpp"
#include "graphics/dash_tables.hpp"
#include "graphics/metafile_gdi_win.hpp"
#include "graphics/screen_win.hpp"

HDC gDC;
HRGN gRegion;
HFONT gFont, gFontOld;
HPEN gPen, gPenOld;
int gPenStyle;
int gLineType;
int gLineWidth = 1;
int gPlotmode = R2_COPYPEN;
HBITMAP gBitmap;
int gStippleChanged;
HPALETTE gPal256;
LOGPALETTE* gLogPal;
COLORREF CurrentColour, PreviousColour;
HDC hGraphicsMetafile;
HDC hFieldDC;
HWND hFieldWindow;
HDC hBitmapDC;
HBITMAP hGraphicsBitmap;

namespace {

// The dash tables of line types 1..7 scaled to the current target (ScaledDashes).
DWORD scaledDashes[8][6];
int scaledCount[8];

// Room for the root palette's entries (the header holds the first).
std::vector<unsigned char> logPalStorage;

bool onNtFamily() { return gravim.system.WinNT != 0; }

int screenDpi() { return gravim.system.wScreenDPI > 0 ? gravim.system.wScreenDPI : 96; }

HPEN makePen() {
    const int width = std::max(gLineWidth, 1);
    if (!onNtFamily()) return CreatePen(gPenStyle, width, CurrentColour);
    LOGBRUSH brush = {BS_SOLID, CurrentColour, 0};
    if (gLineType == 0) {
        if (width > 1) return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, static_cast<DWORD>(width), &brush, 0, nullptr);
        return CreatePen(gPenStyle, 1, CurrentColour);
    }
    const int type = std::clamp(gLineType, 1, 7);
    if (scaledCount[type] == 0) return CreatePen(gPenStyle, width, CurrentColour);
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_SQUARE | PS_JOIN_MITER, static_cast<DWORD>(width), &brush,
                        static_cast<DWORD>(scaledCount[type]), scaledDashes[type]);
}

// The stipple bitmap made afresh for the current target; painted at its next use.
void freshStipple() {
    if (gBitmap != nullptr) DeleteObject(gBitmap);
    gBitmap = gDC != nullptr ? CreateCompatibleBitmap(gDC, 8, 8) : nullptr;
    gStippleChanged = 1;
}

COLORREF halfway(COLORREF a, COLORREF b) {
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

}  // namespace

void yywincolour(int paletteIndex, int rgb) {
    PreviousColour = CurrentColour;
    const COLORREF value = static_cast<COLORREF>(rgb) & 0xFFFFFF;
    if (hGraphicsMetafile != nullptr) {
        CurrentColour = value;
    } else if (gPal256 != nullptr) {
        CurrentColour = PALETTEINDEX(static_cast<WORD>(paletteIndex));
    } else {
        CurrentColour = gDC != nullptr ? GetNearestColor(gDC, value) : value;
    }
    gStippleChanged = 1;
    yywincreatepen();
}

HBRUSH yywinstipple() {
    if (hGraphicsMetafile != nullptr) return CreateSolidBrush(halfway(CurrentColour, PreviousColour));
    if (gBitmap == nullptr) freshStipple();
    if (gBitmap == nullptr) return CreateSolidBrush(CurrentColour);
    if (gStippleChanged == 1) {
        HDC dc = CreateCompatibleDC(gDC);
        if (dc != nullptr) {
            HGDIOBJ oldBitmap = SelectObject(dc, gBitmap);
            HPALETTE oldPalette = gPal256 != nullptr ? SelectPalette(dc, gPal256, FALSE) : nullptr;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) SetPixel(dc, x, y, (x + y) % 2 == 0 ? CurrentColour : PreviousColour);
            if (oldPalette != nullptr) SelectPalette(dc, oldPalette, FALSE);
            SelectObject(dc, oldBitmap);
            DeleteDC(dc);
            gStippleChanged = 0;
        }
    }
    return CreatePatternBrush(gBitmap);
}

void yywincreatepen() {
    if (gPen != nullptr) {
        if (gDC != nullptr) SelectObject(gDC, gPenOld != nullptr ? static_cast<HGDIOBJ>(gPenOld) : GetStockObject(BLACK_PEN));
        DeleteObject(gPen);
        gPen = nullptr;
    }
    gPen = makePen();
    if (gPen != nullptr && gDC != nullptr) {
        HGDIOBJ displaced = SelectObject(gDC, gPen);
        if (gPenOld == nullptr) gPenOld = static_cast<HPEN>(displaced);
    }
}

void yywinlinestyles() {
    if (!onNtFamily()) return;
    const int dpi = hGraphicsMetafile != nullptr && wMetafileDPI > 0 ? wMetafileDPI : screenDpi();
    for (int type = 1; type <= 7; ++type) {
        unsigned entries[6] = {};
        scaledCount[type] = yyscaleddashes(type, dpi, screenDpi(), gLineWidth, entries);
        std::copy_n(entries, 6, scaledDashes[type]);
    }
}

void yywinlinetype(int type) {
    gPenStyle = yylinepenstyle(type);
    gLineType = type >= 0 && type <= 7 ? type : 0;
    yywincreatepen();
}

void yywinlinewidth(int width) {
    gLineWidth = width;
    yywinlinestyles();
    yywincreatepen();
}

void yywinplotmode(int mode) {
    static constexpr int Operations[4] = {R2_COPYPEN, R2_MERGEPEN, R2_MASKPEN, R2_XORPEN};
    if (mode >= 0 && mode <= 3) gPlotmode = Operations[mode];
    if (gDC != nullptr) SetROP2(gDC, gPlotmode);
}

void yywinpalette(int index, int rgb, int flag) { yywinpalette256(index, rgb, flag); }

void yywinpalette256(int index, int rgb, int flag) {
    if (hGraphicsMetafile != nullptr || gPal256 == nullptr || gLogPal == nullptr) return;
    if (flag == 0 || flag == 1) UnrealizeObject(gPal256);
    // An entry the palette does not hold is not set; the batch still closes.
    if (index >= 0 && index < gLogPal->palNumEntries) {
        PALETTEENTRY& entry = gLogPal->palPalEntry[index];
        entry = {static_cast<BYTE>(rgb & 255), static_cast<BYTE>((rgb >> 8) & 255), static_cast<BYTE>((rgb >> 16) & 255), 0};
        SetPaletteEntries(gPal256, static_cast<UINT>(index), 1, &entry);
    }
    if ((flag == 0 || flag == 3) && gDC != nullptr) yyscreenpaletteselect(gDC);
}

void yyscreenpaletteselect(HDC dc) {
    if (gPal256 == nullptr) return;
    SelectPalette(dc, gPal256, FALSE);
    RealizePalette(dc);
}

void yyscreenpalettewindow(HWND window) {
    if (gPal256 == nullptr) return;
    HDC dc = GetDC(window);
    yyscreenpaletteselect(dc);
    ReleaseDC(window, dc);
}

void yyscreenpalettecreate(const PALETTEENTRY* entries, int count) {
    count = std::clamp(count, 0, 256);
    logPalStorage.assign(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256, 0);
    gLogPal = reinterpret_cast<LOGPALETTE*>(logPalStorage.data());
    gLogPal->palVersion = 0x300;
    gLogPal->palNumEntries = static_cast<WORD>(count);
    std::copy_n(entries, count, gLogPal->palPalEntry);
    if (gPal256 != nullptr) DeleteObject(gPal256);
    gPal256 = CreatePalette(gLogPal);
}

void yyscreentargetselected(HDC dc) {
    gDC = dc;
    gPenOld = nullptr;
    gFontOld = nullptr;
    freshStipple();
    SetROP2(dc, gPlotmode);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE);
    yyscreenpaletteselect(dc);
    if (gFont != nullptr) gFontOld = static_cast<HFONT>(SelectObject(dc, gFont));
    yywinlinestyles();
    yywincreatepen();
}

void yyscreentargetreleasing() {
    if (gDC == nullptr) return;
    if (gPenOld != nullptr) SelectObject(gDC, gPenOld);
    if (gFontOld != nullptr) SelectObject(gDC, gFontOld);
    gPenOld = nullptr;
    gFontOld = nullptr;
}

void yyscreenobjectsinit() {
    if (gBitmap == nullptr) freshStipple();
    gPenStyle = 0;
    gLineType = 0;
    gPlotmode = R2_COPYPEN;
    if (gDC != nullptr) SetROP2(gDC, gPlotmode);
    yywinlinestyles();
}

void yyscreenobjectsdelete() {
    yyscreentargetreleasing();
    auto drop = [](auto& object) {
        if (object != nullptr) DeleteObject(object);
        object = nullptr;
    };
    drop(gBitmap);
    drop(gRegion);
    drop(gFont);
    drop(gPen);
    drop(gPal256);
    gLogPal = nullptr;
    std::vector<unsigned char>().swap(logPalStorage);
}


int yyscreengradienttype() {
    int type = 1;
    yygradfilltype(type);
    return type;
}
