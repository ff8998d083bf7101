// bitmap_operations_win.cpp - operations on the bitmaps of the slot table and the drawing target:
// clear, copies to and from the target, pixel arrays, blending, resources, mirror, resize, turn.
// Every context made for one call is deleted before it returns. Copies into a context of our own
// refuse the bitmap that is the drawing target (1066): the platform cannot select it twice.
#include <windows.h>

#include <new>
#include <vector>

#include "windows/window_tables_win.hpp"
#include "graphics/screen_win.hpp"
#include "images/bitmap_arithmetic.hpp"
#include "images/bitmap_table_win.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmaps_win.hpp"
#include "images/image_formats.hpp"

namespace {

bool filled(int slot) { return yybitmaphandle(slot) != nullptr; }

DWORD plotRop() { return yybitmaprop(BitmapPlotMode); }

// A memory context of its own, compatible with `like`, holding the slot's bitmap; null with
// status 1021 (empty slot) or 1066 (the bitmap is the drawing target, or the platform refused).
HDC ownContext(int slot, HDC like, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return nullptr;
    }
    HDC dc = yybitmapistarget(slot) ? nullptr : yybitmapcontext(like, hBitmap[slot]);
    if (dc == nullptr) status = 1066;
    return dc;
}

// Pixel work on the slot's bitmap: through the drawing context itself while the bitmap is the
// target, else through a memory context of its own. Status 0 when the work ran.
template <typename Work>
void withPixels(int slot, int& status, Work work) {
    if (!filled(slot)) {
        status = 1021;
        return;
    }
    const bool owned = yybitmapistarget(slot) == 0;
    HDC dc = owned ? yybitmapcontext(wDC, hBitmap[slot]) : gDC;
    if (dc == nullptr) {
        status = 1066;
        return;
    }
    work(dc);
    if (owned) DeleteDC(dc);
    status = 0;
}

// Visits the rectangle x1..x2, y1..y2 from the bottom row up, each row left to right, with the
// pixel's index in a row-major array of the rectangle.
template <typename Visit>
void eachPixel(int x1, int y1, int x2, int y2, Visit visit) {
    const long rowWidth = static_cast<long>(x2) - x1 + 1;
    for (int y = y2; y >= y1; --y)
        for (int x = x1; x <= x2; ++x) visit(x, y, (static_cast<long>(y) - y1) * rowWidth + (x - x1));
}

void setColour(HDC dc, int x, int y, unsigned rgb) {
    SetPixelV(dc, x, y, yybitmapcolour(dc, static_cast<int>(rgb)));
}

// The description of a width x height picture of 32-bit pixels (B, G, R, 0), top row first.
BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Moves the whole bitmap's pixels to (read) or from (write) memory; true when every row moved.
bool movePixels(HBITMAP bitmap, int width, int height, std::vector<unsigned>& pixels, bool read) {
    BITMAPINFO info = topDownInfo(width, height);
    if (read) pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    HDC dc = CreateCompatibleDC(wDC);
    yyscreenpaletteselect(dc);
    const UINT rows = static_cast<UINT>(height);
    const int moved = read ? GetDIBits(dc, bitmap, 0, rows, pixels.data(), &info, DIB_RGB_COLORS)
                           : SetDIBits(dc, bitmap, 0, rows, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    return moved == height;
}

// Resize and rotate replace the slot's bitmap by a new black one of width x height: null with
// status 1021 (empty slot), 1066 (the drawing target) or 1020 (no new bitmap). viewer: the
// window whose viewer shows the old bitmap.
HBITMAP replacement(int slot, int width, int height, int& viewer, int& status) {
    if (!filled(slot)) {
        status = 1021;
        return nullptr;
    }
    viewer = yybitmapisviewer(slot);
    if (yybitmapistarget(slot)) {
        status = 1066;
        return nullptr;
    }
    HBITMAP bitmap = yybitmapcreate2(width, height, 0);
    if (bitmap == nullptr) status = 1020;
    return bitmap;
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
    HDC dc = ownContext(slot, wDC, status);
    if (dc == nullptr) return;
    HBRUSH brush = CreateSolidBrush(yybitmapcolour(dc, colour == -1 ? BitmapColour[slot] : colour));
    const RECT area = {x1, y1, x2 + 1, y2 + 1};  // bounds inclusive
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    DeleteDC(dc);
    status = 0;
}

void yybitmapget(int slot, int x, int y, int width, int height, int& status) {
    HDC dc = ownContext(slot, gDC, status);
    if (dc == nullptr) return;
    status = BitBlt(dc, 0, 0, width, height, gDC, x, y, plotRop()) ? 0 : 1066;
    DeleteDC(dc);
}

void yybitmapput(int slot, int stretch, int x, int y, int width, int height, int& status) {
    HDC dc = ownContext(slot, gDC, status);
    if (dc == nullptr) return;
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
    HDC dc = ownContext(slot, gDC, status);
    if (dc == nullptr) return;
    const BOOL copied = direction == 0
                            ? BitBlt(dc, destinationX, destinationY, width, height, gDC, sourceX, sourceY, plotRop())
                            : BitBlt(gDC, destinationX, destinationY, width, height, dc, sourceX, sourceY, plotRop());
    status = copied ? 0 : 1066;
    DeleteDC(dc);
}

void yybitmapgetdata(int slot, const int* array, int x1, int y1, int x2, int y2, int& status) {
    withPixels(slot, status, [&](HDC dc) {
        eachPixel(x1, y1, x2, y2, [&](int x, int y, long i) { setColour(dc, x, y, static_cast<unsigned>(array[i])); });
    });
}

void yybitmapputdata(int slot, int* array, int x1, int y1, int x2, int y2, int& status) {
    withPixels(slot, status, [&](HDC dc) {
        eachPixel(x1, y1, x2, y2, [&](int x, int y, long i) { array[i] = static_cast<int>(GetPixel(dc, x, y)); });
    });
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
    HDC target = ownContext(slot, gDC, status);
    if (target == nullptr) return;
    HBITMAP loaded = LoadBitmapA(wInstance, MAKEINTRESOURCEA(resource & 0xFFFF));
    HDC source = loaded != nullptr ? yybitmapcontext(gDC, loaded) : nullptr;
    const BOOL copied = source != nullptr &&
                        BitBlt(target, 0, 0, BitmapWidth[slot], BitmapHeight[slot], source, 0, 0, SRCCOPY);
    if (source != nullptr) DeleteDC(source);
    DeleteDC(target);
    if (loaded != nullptr) DeleteObject(loaded);
    status = loaded == nullptr ? 1015 : copied ? 0 : 1066;
}

void yybitmapresourceinfo(int resource, int& width, int& height) {
    width = height = 0;
    HRSRC found = FindResourceA(wInstance, MAKEINTRESOURCEA(resource & 0xFFFF), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(wInstance, found);
    const auto* bytes = loaded != nullptr ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return;
    yybitmapresourcesize({bytes, SizeofResource(wInstance, found)}, width, height);
}

void yybitmapmirror(int slot, int direction, int& viewer, int& status) {
    viewer = yybitmapisviewer(slot);
    withPixels(slot, status, [&](HDC dc) {
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
    });
}

void yybitmapresize(int slot, int width, int height, int& viewer, int& status) {
    HBITMAP resized = replacement(slot, width, height, viewer, status);
    if (resized == nullptr) return;
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
    int w = 0, h = 0;
    yybitmapsize(slot, w, h);
    const int newWidth = angle == 180 ? w : h, newHeight = angle == 180 ? h : w;
    HBITMAP turned = replacement(slot, newWidth, newHeight, viewer, status);
    if (turned == nullptr) return;
    // Through device-independent pixels in memory: blits ignore world transforms on some systems.
    std::vector<unsigned> pixels, turnedPixels;
    bool done = false;
    try {
        done = movePixels(hBitmap[slot], w, h, pixels, true);
        if (done) {
            turnedPixels.assign(pixels.size(), 0);
            if (angle == 90 || angle == 180 || angle == 270)
                yyturnpixels(angle, w, h, pixels.data(), turnedPixels.data());
            done = movePixels(turned, newWidth, newHeight, turnedPixels, false);
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
