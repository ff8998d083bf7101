// bitmap_operations_win.cpp - operations on the bitmaps of the slot table and the drawing target:
// clear, copies to and from the target, pixel arrays, blending, resources, mirror, resize, turn.
// Every context made for one call is deleted before it returns. Copies into a context of our own
// refuse the bitmap that is the drawing target (1066): the platform cannot select it twice.
#include <windows.h>

#include <new>
#include <vector>

#include "core/window_tables_win.hpp"
#include "graphics/screen_win.hpp"
#include "images/bitmap_arithmetic.hpp"
#include "images/bitmap_table_win.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmaps_win.hpp"

namespace {

bool filled(int slot) { return yybitmaphandle(slot) != nullptr; }

DWORD plotRop() { return yybitmaprop(BitmapPlotMode); }

// The bitmap's own context for pixel work: the drawing context itself while the bitmap is the
// target, else a memory context of its own (owned tells the caller to delete it).
HDC pixelContext(int slot, bool& owned) {
    owned = yybitmapistarget(slot) == 0;
    return owned ? yybitmapcontext(wDC, hBitmap[slot]) : gDC;
}

void setColour(HDC dc, int x, int y, unsigned rgb) {
    SetPixelV(dc, x, y, yybitmapcolour(dc, static_cast<int>(rgb)));
}

// The whole bitmap as 32-bit pixels (0x00RRGGBB in memory as B, G, R, 0), top row first.
bool readPixels(HBITMAP bitmap, int width, int height, std::vector<unsigned>& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    HDC dc = CreateCompatibleDC(wDC);
    if (hPalette != nullptr) SelectPalette(dc, hPalette, FALSE), RealizePalette(dc);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    return rows == height;
}

bool writePixels(HBITMAP bitmap, int width, int height, const std::vector<unsigned>& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(wDC);
    if (hPalette != nullptr) SelectPalette(dc, hPalette, FALSE), RealizePalette(dc);
    const int rows = SetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    return rows == height;
}

// The slot takes a new bitmap of the given size in place of its old one.
void replaceBitmap(int slot, HBITMAP bitmap, int width, int height) {
    DeleteObject(hBitmap[slot]);
    hBitmap[slot] = bitmap;
    BitmapWidth[slot] = width;
    BitmapHeight[slot] = height;
}

}  // namespace

void yybitmapclear(int slot, int x1, int y1, int x2, int y2, int colour, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    HDC dc = yybitmapistarget(slot) ? nullptr : yybitmapcontext(wDC, hBitmap[slot]);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    HBRUSH brush = CreateSolidBrush(yybitmapcolour(dc, colour == -1 ? BitmapColour[slot] : colour));
    const RECT area = {x1, y1, x2 + 1, y2 + 1};  // bounds inclusive
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    DeleteDC(dc);
    status = 0;
}

void yybitmapget(int slot, int x, int y, int width, int height, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    HDC dc = yybitmapistarget(slot) ? nullptr : yybitmapcontext(gDC, hBitmap[slot]);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    status = BitBlt(dc, 0, 0, width, height, gDC, x, y, plotRop()) ? 0 : 1066;
    DeleteDC(dc);
}

void yybitmapput(int slot, int stretch, int x, int y, int width, int height, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    HDC dc = yybitmapistarget(slot) ? nullptr : yybitmapcontext(gDC, hBitmap[slot]);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    BOOL copied = FALSE;
    if (stretch == 0) {
        copied = BitBlt(gDC, x, y, width, height, dc, 0, 0, plotRop());
    } else {
        const int previous = SetStretchBltMode(gDC, BitmapStretchMode);
        copied = StretchBlt(gDC, x, y, width, height, dc, 0, 0, BitmapWidth[slot], BitmapHeight[slot], plotRop());
        if (previous != 0) SetStretchBltMode(gDC, previous);
    }
    status = copied ? 0 : 1066;
    DeleteDC(dc);
}

void yybitmappart(int slot, int sourceX, int sourceY, int destinationX, int destinationY, int width,
                  int height, int direction, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    HDC dc = yybitmapistarget(slot) ? nullptr : yybitmapcontext(gDC, hBitmap[slot]);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    const BOOL copied = direction == 0
                            ? BitBlt(dc, destinationX, destinationY, width, height, gDC, sourceX, sourceY, plotRop())
                            : BitBlt(gDC, destinationX, destinationY, width, height, dc, sourceX, sourceY, plotRop());
    status = copied ? 0 : 1066;
    DeleteDC(dc);
}

void yybitmapgetdata(int slot, const int* array, int x1, int y1, int x2, int y2, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    bool owned = false;
    HDC dc = pixelContext(slot, owned);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    const long rowWidth = static_cast<long>(x2) - x1 + 1;
    for (int y = y2; y >= y1; --y)
        for (int x = x1; x <= x2; ++x)
            setColour(dc, x, y, static_cast<unsigned>(array[(static_cast<long>(y) - y1) * rowWidth + (x - x1)]));
    if (owned) DeleteDC(dc);
    status = 0;
}

void yybitmapputdata(int slot, int* array, int x1, int y1, int x2, int y2, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    bool owned = false;
    HDC dc = pixelContext(slot, owned);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    const long rowWidth = static_cast<long>(x2) - x1 + 1;
    for (int y = y2; y >= y1; --y)
        for (int x = x1; x <= x2; ++x)
            array[(static_cast<long>(y) - y1) * rowWidth + (x - x1)] = static_cast<int>(GetPixel(dc, x, y));
    if (owned) DeleteDC(dc);
    status = 0;
}

void yybitmapblenddata(const int* array, int x1, int y1, int x2, int y2, int width, int height,
                       int mode, int alpha) {
    if (gDC == nullptr || mode < 0 || mode > 2) return;
    const BlendSpan across = yyblendspan(x1, x2, width), down = yyblendspan(y1, y2, height);
    const long rowWidth = static_cast<long>(x2) - x1 + 1;
    for (int y = down.last; y >= down.first; --y) {
        for (int x = across.first; x <= across.last; ++x) {
            const unsigned value = static_cast<unsigned>(array[(static_cast<long>(y) - y1) * rowWidth + (x - x1)]);
            unsigned colour = 0;
            if (yyblendpixel(value, static_cast<unsigned>(GetPixel(gDC, x, y)), mode, alpha, colour))
                setColour(gDC, x, y, colour);
        }
    }
}

void yybitmapgetresource(int slot, int resource, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    if (yybitmapistarget(slot)) {
        status = 1066;
        return;
    }
    HBITMAP loaded = LoadBitmapA(wInstance, MAKEINTRESOURCEA(resource & 0xFFFF));
    if (loaded == nullptr) {
        status = 1015;
        return;
    }
    HDC target = yybitmapcontext(gDC, hBitmap[slot]);
    HDC source = target != nullptr ? yybitmapcontext(gDC, loaded) : nullptr;
    const BOOL copied = source != nullptr &&
                        BitBlt(target, 0, 0, BitmapWidth[slot], BitmapHeight[slot], source, 0, 0, SRCCOPY);
    if (source != nullptr) DeleteDC(source);
    if (target != nullptr) DeleteDC(target);
    DeleteObject(loaded);
    status = copied ? 0 : 1066;
}

void yybitmapresourceinfo(int resource, int& width, int& height) {
    width = height = 0;
    HRSRC found = FindResourceA(wInstance, MAKEINTRESOURCEA(resource & 0xFFFF), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(wInstance, found);
    const auto* bytes = loaded != nullptr ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr || SizeofResource(wInstance, found) < 12) return;
    // The header's width and height words: a core header (size 12) has 16-bit fields at 4 and 6,
    // an information header 32-bit fields at 4 and 8, of which the low 16 bits are taken.
    const unsigned headerSize = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned>(bytes[3]) << 24;
    width = bytes[4] | bytes[5] << 8;
    height = headerSize == 12 ? (bytes[6] | bytes[7] << 8) : (bytes[8] | bytes[9] << 8);
}

void yybitmapmirror(int slot, int direction, int& viewer, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    viewer = yybitmapisviewer(slot);
    bool owned = false;
    HDC dc = pixelContext(slot, owned);
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    const int w = BitmapWidth[slot], h = BitmapHeight[slot];
    auto exchange = [dc](int ax, int ay, int bx, int by) {
        const COLORREF a = GetPixel(dc, ax, ay), b = GetPixel(dc, bx, by);
        setColour(dc, ax, ay, b);
        setColour(dc, bx, by, a);
    };
    if (direction == 0) {
        for (int i = 0; i < w / 2; ++i)
            for (int j = 0; j < h; ++j) exchange(i, j, w - 1 - i, j);
    } else {
        for (int i = 0; i < h / 2; ++i)
            for (int j = 0; j < w; ++j) exchange(j, i, j, h - 1 - i);
    }
    if (owned) DeleteDC(dc);
    status = 0;
}

void yybitmapresize(int slot, int width, int height, int& viewer, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    viewer = yybitmapisviewer(slot);
    if (yybitmapistarget(slot)) {
        status = 1066;
        return;
    }
    HBITMAP resized = yybitmapcreate2(width, height, 0);
    if (resized == nullptr) {
        status = 1020;
        return;
    }
    HDC source = yybitmapcontext(wDC, hBitmap[slot]);
    HDC target = source != nullptr ? yybitmapcontext(wDC, resized) : nullptr;
    BOOL copied = FALSE;
    if (target != nullptr) {
        const int previous = SetStretchBltMode(target, BitmapStretchMode);
        copied = StretchBlt(target, 0, 0, width, height, source, 0, 0, BitmapWidth[slot], BitmapHeight[slot], plotRop());
        if (previous != 0) SetStretchBltMode(target, previous);
    }
    if (target != nullptr) DeleteDC(target);
    if (source != nullptr) DeleteDC(source);
    if (!copied) {
        DeleteObject(resized);
        status = 1066;
        return;
    }
    replaceBitmap(slot, resized, width, height);
    status = 0;
}

void yybitmaprotate(int slot, int angle, int& viewer, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    viewer = yybitmapisviewer(slot);
    if (yybitmapistarget(slot)) {
        status = 1066;
        return;
    }
    const int w = BitmapWidth[slot], h = BitmapHeight[slot];
    const int newWidth = angle == 180 ? w : h, newHeight = angle == 180 ? h : w;
    HBITMAP turned = yybitmapcreate2(newWidth, newHeight, 0);
    if (turned == nullptr) {
        status = 1020;
        return;
    }
    // Through device-independent pixels in memory: blits ignore world transforms on some systems.
    std::vector<unsigned> pixels, turnedPixels;
    bool done = false;
    try {
        done = readPixels(hBitmap[slot], w, h, pixels);
        if (done) {
            turnedPixels.assign(pixels.size(), 0);
            if (angle == 90 || angle == 180 || angle == 270)
                yyturnpixels(angle, w, h, pixels.data(), turnedPixels.data());
            done = writePixels(turned, newWidth, newHeight, turnedPixels);
        }
    } catch (const std::bad_alloc&) {
        done = false;
    }
    if (!done) {
        DeleteObject(turned);
        status = 1020;
        return;
    }
    replaceBitmap(slot, turned, newWidth, newHeight);
    status = 0;
}
