// bitmap_table_win.cpp - the table of off-screen bitmaps (identifier n in slot n - 1): creation,
// destruction, sizes, selection as the drawing target and the blit settings of the copies.
// A slot is free while its handle is null; width, height and colour are those of its bitmap.
#include <windows.h>

#include "base/addon_hooks.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "graphics/screen_win.hpp"
#include "images/bitmap_arithmetic.hpp"
#include "images/bitmap_viewer_win.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmap_table_win.hpp"
#include "images/bitmaps_win.hpp"

HBITMAP hBitmap[BitmapSlots];
int BitmapWidth[BitmapSlots];
int BitmapHeight[BitmapSlots];
int BitmapColour[BitmapSlots];
int BitmapPlotMode = 0;
int BitmapStretchMode = 1;

namespace {

bool validSlot(int slot) { return slot >= 0 && slot < BitmapSlots; }

}  // namespace

int yybitmapshownslot(const int* record) {
    if (record[ViewerShownBitmap] == 0) return -1;
    for (int slot = 0; slot < BitmapSlots; ++slot)
        if (hBitmap[slot] != nullptr && wordOfBitmap(hBitmap[slot]) == record[ViewerShownBitmap]) return slot;
    return -1;
}

HBITMAP yybitmaphandle(int slot) { return validSlot(slot) ? hBitmap[slot] : nullptr; }

COLORREF yybitmapcolour(HDC dc, int colour) {
    const COLORREF rgb = static_cast<COLORREF>(colour) & 0xFFFFFF;
    if (gPal256 != nullptr) return PALETTEINDEX(GetNearestPaletteIndex(gPal256, rgb));
    return GetNearestColor(dc, rgb);
}

HDC yybitmapcontext(HDC like, HBITMAP bitmap) {
    HDC dc = CreateCompatibleDC(like);
    if (dc == nullptr) return nullptr;
    if (SelectObject(dc, bitmap) == nullptr) {
        DeleteDC(dc);
        return nullptr;
    }
    yyscreenpaletteselect(dc);
    return dc;
}

HBITMAP yybitmapcreate2(int width, int height, int colour) {
    // The platform answers a zero size with a 1 x 1 monochrome bitmap: no bitmap instead.
    if (width < 1 || height < 1) return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(wDC, width, height);
    if (bitmap == nullptr) return nullptr;
    HDC dc = CreateCompatibleDC(wDC);
    if (dc == nullptr) {
        DeleteObject(bitmap);
        return nullptr;
    }
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    if (gPal256 != nullptr) SelectPalette(dc, gPal256, FALSE);
    HBRUSH brush = CreateSolidBrush(yybitmapcolour(dc, colour));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    const int oldMix = SetROP2(dc, R2_COPYPEN);
    // With the null pen a rectangle one larger each way fills every pixel.
    Rectangle(dc, 0, 0, width + 1, height + 1);
    SetROP2(dc, oldMix);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    DeleteObject(brush);
    DeleteDC(dc);
    return bitmap;
}

void yybitmapcreate(int& identifier, int width, int height, int colour) {
    identifier = 0;
    // Only identifiers the public routines accept are handed out (the page setup raises the
    // limit to 51 for its preview).
    const int limit = gravim.images.bitmapLimit < BitmapSlots ? gravim.images.bitmapLimit : BitmapSlots;
    for (int slot = 0; slot < limit; ++slot) {
        if (hBitmap[slot] != nullptr) continue;
        HBITMAP bitmap = yybitmapcreate2(width, height, colour);
        if (bitmap == nullptr) continue;
        hBitmap[slot] = bitmap;
        BitmapWidth[slot] = width;
        BitmapHeight[slot] = height;
        BitmapColour[slot] = colour;
        identifier = slot + 1;
        return;
    }
}

int yybitmapisviewer(int slot) {
    if (!validSlot(slot) || hBitmap[slot] == nullptr) return 0;
    for (int n = 1; n < MaxWindows; ++n) {
        const int* record = yybitmapviewerrecord(n);
        if (record != nullptr && yybitmapshownslot(record) == slot) return n;
    }
    return 0;
}

int yybitmapistarget(int slot) {
    return validSlot(slot) && hBitmap[slot] != nullptr && hBitmap[slot] == hGraphicsBitmap ? 1 : 0;
}

void yybitmapdestroy(int slot, int& status) {
    if (!validSlot(slot) || hBitmap[slot] == nullptr) {
        status = 1021;
        return;
    }
    if (yybitmapisviewer(slot) != 0) {
        status = 1036;
        return;
    }
    DeleteObject(hBitmap[slot]);
    hBitmap[slot] = nullptr;
    BitmapWidth[slot] = BitmapHeight[slot] = 0;
    status = 0;
}

void yybitmapsize(int slot, int& width, int& height) {
    if (!validSlot(slot) || hBitmap[slot] == nullptr) {
        width = height = 0;
        return;
    }
    width = BitmapWidth[slot];
    height = BitmapHeight[slot];
}

void yybitmapselect(int slot, int& status, int& width, int& height) {
    if (!validSlot(slot) || hBitmap[slot] == nullptr) {
        status = 1;
        return;
    }
    width = BitmapWidth[slot];
    height = BitmapHeight[slot];
    HDC dc = CreateCompatibleDC(wDC);
    if (dc == nullptr || SelectObject(dc, hBitmap[slot]) == nullptr) {
        if (dc != nullptr) DeleteDC(dc);
        status = 1;
        return;
    }
    yyscreenbitmapdcselected(hBitmap[slot], dc);
    status = 0;
}

void yybitmapplotmode(int mode) {
    if (yybitmaprop(mode) != 0) BitmapPlotMode = mode;
}

void yybitmapstretchmode(int mode) {
    BitmapStretchMode = yybitmapstretchfor(mode, BitmapStretchMode, gravim.system.WinNT != 0);
}

void yybitmapgetstretch(int& mode) { mode = BitmapStretchMode; }

void yybitmapsdeleteall() {
    for (HBITMAP& bitmap : hBitmap) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void yyimagesinstallhooks() {
    AddonHooks hooks;
    hooks.startupDefaults = [] { gravim.images.bitmapLimit = 50; };
    hooks.windowsClosing = yybitmapsdeleteall;
    yysetaddonhooks(HooksImages, hooks);
}

HBITMAP yybitmapcopy(int identifier) {
    HBITMAP bitmap = yybitmaphandle(identifier - 1);
    if (bitmap == nullptr) return nullptr;
    return static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
}

void yyimagesinstallfieldpictures() { yysetfieldbitmapsource(yybitmapcopy); }
