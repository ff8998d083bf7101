// image_drawing_win.cpp - yyloadimage: a BMP, PCX or PNG file, or the clipboard's bitmap, drawn
// onto the current drawing target (0), the printer document (10) or the metafile being recorded
// (11), at natural size or stretched, turned by 90, 180 or 270 degrees. Files become one packed
// device-independent bitmap (packed_bitmap.cpp) handed to the system's stretch call. Blits ignore
// world transforms on some systems, so a turned picture is turned in memory and drawn where the
// transform would have put it. Nothing is reported here: the status goes back to the device.
#include <windows.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/metafile_layer_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "images/bitmap_arithmetic.hpp"
#include "images/image_files.hpp"
#include "images/packed_bitmap.hpp"

namespace {

struct Target {
    HDC dc = nullptr;
    HRGN region = nullptr;
};

Target targetOf(int code) {
    switch (code) {
    case 0: return {gDC, gRegion};
    case 10: return {gPrDC, gPrRegion};
    case 11: return {gwmfDC, gwmfRegion};
    default: return {};
    }
}

// A rectangle in device pixels: left, top, width, height.
struct Place {
    int x = 0, y = 0, width = 0, height = 0;
};

const BITMAPINFO* infoOf(const PackedBitmap& p) { return reinterpret_cast<const BITMAPINFO*>(p.block.data()); }

// Sets the stretch mode of stretch-mode number `mode` unless it is 0; gives the mode to put back
// (0 none).
int setStretchMode(HDC dc, int mode) {
    if (mode == 0) return 0;
    const int current = GetStretchBltMode(dc);
    const int wanted = yybitmapstretchfor(mode, current, gravim.system.WinNT != 0);
    if (wanted == current) return 0;
    return SetStretchBltMode(dc, wanted);
}

// The picture stretched into the place, or at natural size at its corner inside the target's clip
// region (which is removed again afterwards).
void drawPicture(const Target& t, const PackedBitmap& p, const Place& place, bool stretch, int stretchMode) {
    const void* bits = p.block.data() + p.bitsOffset;
    if (stretch) {
        const int old = setStretchMode(t.dc, stretchMode);
        StretchDIBits(t.dc, place.x, place.y, place.width, place.height, 0, 0, p.width, p.height, bits, infoOf(p),
                      DIB_RGB_COLORS, SRCCOPY);
        if (old != 0) SetStretchBltMode(t.dc, old);
        return;
    }
    const bool clipped = t.region != nullptr && SelectClipRgn(t.dc, t.region) != ERROR;
    StretchDIBits(t.dc, place.x, place.y, p.width, p.height, 0, 0, p.width, p.height, bits, infoOf(p), DIB_RGB_COLORS,
                  SRCCOPY);
    if (clipped) SelectClipRgn(t.dc, nullptr);
}

// The picture's pixels, top row first (blue in the low byte), as the system decodes the packed
// bitmap (run-length codes and bit fields included); empty when the system refuses.
std::vector<unsigned> decodedPixels(const PackedBitmap& p) {
    std::vector<unsigned> pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = p.width;
    info.bmiHeader.biHeight = -p.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    if (section != nullptr && memory != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory, section);
        StretchDIBits(memory, 0, 0, p.width, p.height, 0, 0, p.width, p.height, p.block.data() + p.bitsOffset, infoOf(p),
                      DIB_RGB_COLORS, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const unsigned*>(bits);
        pixels.assign(first, first + static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height));
        SelectObject(memory, old);
    }
    if (memory != nullptr) DeleteDC(memory);
    if (section != nullptr) DeleteObject(section);
    return pixels;
}

// Where the world transform of `angle` with translation (dx, dy) puts the rectangle of (x, y),
// width x height: the bounds of its turned corners.
Place turnedPlace(int angle, int x, int y, int width, int height, int dx, int dy) {
    const long long xs[2] = {x, static_cast<long long>(x) + width}, ys[2] = {y, static_cast<long long>(y) + height};
    long long left = 0, top = 0, right = 0, bottom = 0;
    for (int i = 0; i < 2; ++i) {
        long long tx = 0, ty = 0;
        switch (angle) {
        case 90: tx = ys[i] + dx, ty = -xs[i] + dy; break;
        case 180: tx = -xs[i] + dx, ty = -ys[i] + dy; break;
        default: tx = -ys[i] + dx, ty = xs[i] + dy; break;  // 270
        }
        left = i == 0 ? tx : std::min(left, tx);
        right = i == 0 ? tx : std::max(right, tx);
        top = i == 0 ? ty : std::min(top, ty);
        bottom = i == 0 ? ty : std::max(bottom, ty);
    }
    const auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2)); };
    return {clamp(left), clamp(top), clamp(right - left), clamp(bottom - top)};
}

// The file's picture drawn; status as yyloadimage gives it.
int drawFile(const Target& t, const PackedBitmap& packed, int x1, int y1, int x2, int y2, bool stretch, int stretchMode,
             int angle, int dx, int dy) {
    if (packed.block.empty()) return 0;  // a picture without pixels
    const int width = stretch ? x2 - x1 + 1 : packed.width, height = stretch ? y2 - y1 + 1 : packed.height;
    if (angle != 90 && angle != 180 && angle != 270) {
        drawPicture(t, packed, {x1, y1, width, height}, stretch, stretchMode);
        return 0;
    }
    const std::vector<unsigned> pixels = decodedPixels(packed);
    if (pixels.empty()) return 2;
    std::vector<unsigned> turned(pixels.size());
    yyturnpixels(angle, packed.width, packed.height, pixels.data(), turned.data());
    const bool across = angle != 180;
    const PackedBitmap picture = yypackedpixels(across ? packed.height : packed.width, across ? packed.width : packed.height, turned);
    if (picture.status != 0) return picture.status;
    Place place{x1, y1, across && !stretch ? height : width, across && !stretch ? width : height};
    if (gravim.system.WinNT != 0) place = turnedPlace(angle, x1, y1, width, height, dx, dy);
    drawPicture(t, picture, place, stretch, stretchMode);
    return 0;
}

// The clipboard's bitmap copied into the rectangle (stretched) or at natural size, never turned.
int drawClipboard(const Target& t, int x1, int y1, int x2, int y2, bool stretch, int stretchMode) {
    if (!IsClipboardFormatAvailable(CF_BITMAP)) return 1095;
    if (!OpenClipboard(nullptr)) return 1094;
    int status = 1066;
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP facts{};
    HDC memory = bitmap != nullptr ? CreateCompatibleDC(gDC) : nullptr;
    if (memory != nullptr && GetObject(bitmap, sizeof facts, &facts) != 0) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        const int width = facts.bmWidth & 0xFFFF, height = facts.bmHeight & 0xFFFF;
        BOOL copied = FALSE;
        if (stretch) {
            const int oldMode = setStretchMode(t.dc, stretchMode);
            copied = StretchBlt(t.dc, x1, y1, x2 - x1 + 1, y2 - y1 + 1, memory, 0, 0, width, height, SRCCOPY);
            if (oldMode != 0) SetStretchBltMode(t.dc, oldMode);
        } else {
            copied = BitBlt(t.dc, x1, y1, width, height, memory, 0, 0, SRCCOPY);
        }
        status = copied ? 0 : 1066;
        SelectObject(memory, old);
    }
    if (memory != nullptr) DeleteDC(memory);
    CloseClipboard();
    return status;
}

}  // namespace

void yyloadimage(int kind, int target, int x1, int y1, int x2, int y2, int stretch, int stretchMode, int rotation, int xOffset,
                 int yOffset, int& error, int& systemError, const char* name) {
    const Target t = targetOf(target);
    if (t.dc == nullptr) {
        error = 1066;  // nothing to draw on
        return;
    }
    if (kind == 0) {
        error = drawClipboard(t, x1, y1, x2, y2, stretch != 0, stretchMode);
        return;
    }
    try {
        const PackedBitmap packed = yypackedbitmapfile(kind, name, systemError);
        if (packed.status != 0) {
            error = packed.status;
            return;
        }
        error = drawFile(t, packed, x1, y1, x2, y2, stretch != 0, stretchMode, rotation, xOffset, yOffset);
    } catch (const std::bad_alloc&) {
        error = 2;
    } catch (const std::length_error&) {
        error = 2;
    }
}
