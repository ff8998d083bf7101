// save_image_win.cpp - yysaveimage: a rectangle of the drawing target captured into a bitmap of
// the display's format, handed to the clipboard or turned into a device-independent copy that
// the portable encoders write as BMP, PCX or PNG.
#include "images/save_image.hpp"

#include <windows.h>

#include <algorithm>
#include <string>

#include "base/files_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/screen_win.hpp"

namespace {

constexpr int errorOpening = 1, errorWriting = 2, errorCapture = 1072, errorClipboard = 1094;

// The captured bitmap, out of its memory context once the copy is made.
struct Capture {
    HBITMAP bitmap = nullptr;
    HDC context = nullptr;
    HPALETTE previousPalette = nullptr;
    ~Capture() {
        if (context != nullptr) {
            if (previousPalette != nullptr) SelectPalette(context, previousPalette, FALSE);
            DeleteDC(context);
        }
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    // The clipboard takes the bitmap over.
    HBITMAP release() {
        HBITMAP b = bitmap;
        bitmap = nullptr;
        return b;
    }
};

// The device-independent copy in one movable, zero-filled block.
struct Block {
    HGLOBAL memory = nullptr;
    ~Block() {
        if (memory != nullptr) GlobalFree(memory);
    }
};

DWORD lastError() {
    const DWORD code = GetLastError();
    return code != 0 ? code : ERROR_INVALID_FUNCTION;
}

// Copies width x height pixels at (x, y) of the drawing target into a new bitmap of its format.
bool capture(int x, int y, int width, int height, Capture& c, int& syserror) {
    c.bitmap = gDC != nullptr ? CreateCompatibleBitmap(gDC, width, height) : nullptr;
    c.context = c.bitmap != nullptr ? CreateCompatibleDC(gDC) : nullptr;
    if (c.context == nullptr) {
        syserror = static_cast<int>(lastError());
        return false;
    }
    HPALETTE palette = gPal256 != nullptr ? gPal256 : static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    c.previousPalette = SelectPalette(c.context, palette, FALSE);
    RealizePalette(c.context);
    HGDIOBJ previous = SelectObject(c.context, c.bitmap);
    const BOOL copied = BitBlt(c.context, 0, 0, width, height, gDC, x, y, SRCCOPY);
    SelectObject(c.context, previous);
    if (!copied) {
        syserror = static_cast<int>(lastError());
        return false;
    }
    return true;
}

// The capture's device-independent copy at the display's bits per pixel (at least 4: the files
// have no two-colour form): the header alone first, then the block grown for the table (with
// room for the three mask words of a bit-field answer) and the rows.
bool deviceIndependentCopy(const Capture& c, int width, int height, Block& block, int& syserror) {
    BITMAP facts{};
    GetObjectA(c.bitmap, sizeof facts, &facts);
    int bits = facts.bmPlanes * facts.bmBitsPixel;
    if (bits < 4) bits = 4;
    constexpr SIZE_T headerAndTable = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD) + 3 * sizeof(DWORD);
    block.memory = GlobalAlloc(GHND, headerAndTable);
    if (block.memory == nullptr) {
        syserror = static_cast<int>(lastError());
        return false;
    }
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block.memory));
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bits);
    header->biCompression = BI_RGB;
    bool made = GetDIBits(c.context, c.bitmap, 0, static_cast<UINT>(height), nullptr,
                          reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS) != 0;
    if (made && header->biSizeImage == 0)
        header->biSizeImage = static_cast<DWORD>(height) * ((static_cast<DWORD>(width) * header->biBitCount + 31) / 32 * 4);
    const SIZE_T table = static_cast<SIZE_T>(yydibtablebytes(reinterpret_cast<const unsigned char*>(header)));
    const SIZE_T total = sizeof(BITMAPINFOHEADER) + table + header->biSizeImage;
    GlobalUnlock(block.memory);
    if (!made) {
        syserror = static_cast<int>(lastError());
        return false;
    }
    HGLOBAL grown = GlobalReAlloc(block.memory, std::max(total, headerAndTable), GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (grown == nullptr) {
        syserror = static_cast<int>(lastError());
        return false;
    }
    block.memory = grown;
    header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block.memory));
    unsigned char* const rows = reinterpret_cast<unsigned char*>(header) + sizeof(BITMAPINFOHEADER) + table;
    made = GetDIBits(c.context, c.bitmap, 0, static_cast<UINT>(height), rows, reinterpret_cast<BITMAPINFO*>(header),
                     DIB_RGB_COLORS) != 0;
    GlobalUnlock(block.memory);
    if (!made) syserror = static_cast<int>(lastError());
    return made;
}

bool captureCopy(int x, int y, int width, int height, Capture& c, Block& block, int& status, int& syserror) {
    if (capture(x, y, width, height, c, syserror) && deviceIndependentCopy(c, width, height, block, syserror)) return true;
    status = errorCapture;
    return false;
}

bool createFile(std::string_view name, int& handle, int& status, int& syserror) {
    const std::string path(name.substr(0, name.find_last_not_of(' ') + 1));
    int code = 0;
    const std::size_t first = path.find_first_not_of(' ');
    if (first == std::string::npos) {
        handle = -1;
        code = ERROR_INVALID_NAME;
    } else {
        yyopen(path.c_str() + first, 1, handle, code);
    }
    if (handle != -1) return true;
    status = errorOpening;
    syserror = code;
    return false;
}

// The display's bits per pixel as a capture would be made: decides the PCX planes before the
// capture (one colour-indexed plane for up to 256 colours).
int captureBits() {
    return gDC != nullptr ? GetDeviceCaps(gDC, BITSPIXEL) * GetDeviceCaps(gDC, PLANES) : 0;
}

// A close that fails (the system storing the last bytes only then) fails the save.
void closeFile(int handle, int& status, int& syserror) {
    int code = 0;
    yyclos(handle, code);
    if (code == 0 || status != 0) return;
    status = errorWriting;
    syserror = code;
}

void toClipboard(int x, int y, int width, int height, int& status, int& syserror) {
    Capture c;
    if (!capture(x, y, width, height, c, syserror)) {
        status = errorCapture;
        return;
    }
    if (!OpenClipboard(nullptr)) {
        status = errorClipboard;
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_BITMAP, c.bitmap) != nullptr) c.release();
    CloseClipboard();
}

}  // namespace

void yysaveimage(int type, int x1, int y1, int x2, int y2, int& status, int& syserror, std::string_view filename) {
    status = 0;
    const int width = x2 - x1 + 1, height = y2 - y1 + 1, even = width + width % 2;
    if (type == saveClipboard) {
        toClipboard(x1, y1, width, height, status, syserror);
        return;
    }
    if (type != saveBmp && type != savePcx && type != savePng) return;
    Capture c;
    Block block;
    int handle = -1;
    if (type == saveBmp) {
        if (!captureCopy(x1, y1, width, height, c, block, status, syserror)) return;
        if (!createFile(filename, handle, status, syserror)) return;
    } else if (type == savePcx) {
        if (!createFile(filename, handle, status, syserror)) return;
        const int planes = captureBits() <= 8 ? 1 : 3;
        if (yysavepcxheader(handle, width, height, planes, status, syserror) &&
            captureCopy(x1, y1, even, height, c, block, status, syserror)) {
            const auto* copy = static_cast<const unsigned char*>(GlobalLock(block.memory));
            yysavepcxrows(handle, copy, planes, status, syserror);
            GlobalUnlock(block.memory);
        }
        closeFile(handle, status, syserror);
        return;
    } else {
        if (!createFile(filename, handle, status, syserror)) return;
        if (!captureCopy(x1, y1, even, height, c, block, status, syserror)) {
            yyclos(handle);
            return;
        }
    }
    const auto* copy = static_cast<const unsigned char*>(GlobalLock(block.memory));
    if (type == saveBmp) yysavebmpfile(handle, copy, status, syserror);
    else yysavepngfile(handle, copy, width, status, syserror);
    GlobalUnlock(block.memory);
    closeFile(handle, status, syserror);
}
