// window_dump_win.cpp - printing the current drawing context as one page: a document of its own
// on the printer, the pixels copied into a device-independent bitmap and stretched over the page.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "graphics/screen_win.hpp"
#include "hardcopy/printer_layer_win.hpp"

namespace {

HDC dumpDC = nullptr;
int dumpExtent[2] = {0, 0};

int dibBits(int bits) { return bits <= 1 ? 1 : bits <= 4 ? 4 : bits <= 8 ? 8 : 24; }

// Copies the rectangle into a bitmap and stretches it over the dump page; false on a failure.
bool blit(int left, int top, int width, int height) {
    HDC memory = CreateCompatibleDC(gDC);
    HBITMAP bitmap = CreateCompatibleBitmap(gDC, width, height);
    if (memory == nullptr || bitmap == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        if (memory != nullptr) DeleteDC(memory);
        return false;
    }
    HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, gDC, left, top, SRCCOPY);
    SelectObject(memory, before);

    BITMAP facts = {};
    GetObjectA(bitmap, sizeof facts, &facts);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(dibBits(facts.bmPlanes * facts.bmBitsPixel));
    header.biCompression = BI_RGB;
    const int tableSize = yywprpalsize(&header);

    HPALETTE palette = gPal256 != nullptr ? gPal256 : static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    HDC screen = GetDC(nullptr);
    HPALETTE previousPalette = SelectPalette(screen, palette, FALSE);
    RealizePalette(screen);

    bool done = false;
    std::vector<std::uint8_t> info(sizeof header + static_cast<std::size_t>(tableSize));
    auto* bitmapInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    bitmapInfo->bmiHeader = header;
    if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), nullptr, bitmapInfo, DIB_RGB_COLORS) != 0) {
        BITMAPINFOHEADER& got = bitmapInfo->bmiHeader;
        std::size_t imageSize = got.biSizeImage;
        if (imageSize == 0) {
            imageSize = static_cast<std::size_t>(height) *
                        ((static_cast<std::size_t>(got.biBitCount) * static_cast<std::size_t>(width) + 31) / 32 * 4);
            if (got.biCompression != BI_RGB) imageSize = imageSize * 3 / 2;
        }
        std::vector<std::uint8_t> pixels;
        try {
            pixels.resize(imageSize);
        } catch (...) {
            pixels.clear();
        }
        if (!pixels.empty() &&
            GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), bitmapInfo, DIB_RGB_COLORS) != 0) {
            const int lines = StretchDIBits(dumpDC, 0, 0, dumpExtent[0], dumpExtent[1], 0, 0, width, height,
                                            pixels.data(), bitmapInfo, DIB_RGB_COLORS, SRCCOPY);
            done = lines != 0 && lines != static_cast<int>(GDI_ERROR);
        }
    }
    SelectPalette(screen, previousPalette, FALSE);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return done;
}

}  // namespace

void yywindumpstart(int width, int height, int xOffset, int yOffset, int& error, int landscape,
                    int copies, const char* documentName) {
    error = 1;
    dumpDC = yywprgetdc(landscape, copies);
    if (dumpDC == nullptr) return;
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (StartDocA(dumpDC, &document) <= 0) {
        DeleteDC(dumpDC);
        dumpDC = nullptr;
        return;
    }
    error = 0;
    const int resolutionX = GetDeviceCaps(dumpDC, LOGPIXELSX);
    const int resolutionY = GetDeviceCaps(dumpDC, LOGPIXELSY);
    const int originX = GetDeviceCaps(dumpDC, PHYSICALOFFSETX) - xOffset * resolutionX / 72;
    const int originY = GetDeviceCaps(dumpDC, PHYSICALOFFSETY) - yOffset * resolutionY / 72;
    dumpExtent[0] = width * resolutionX / 72;
    dumpExtent[1] = height * resolutionY / 72;
    StartPage(dumpDC);
    SetWindowOrgEx(dumpDC, originX, originY, nullptr);
    SetWindowExtEx(dumpDC, dumpExtent[0], dumpExtent[1], nullptr);
    SetBkMode(dumpDC, TRANSPARENT);
}

void yywindumpblit(int left, int top, int right, int bottom, int& error) {
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    error = dumpDC != nullptr && gDC != nullptr && width > 0 && height > 0 && blit(left, top, width, height) ? 0 : 1;
}

void yywindumpend() {
    if (dumpDC == nullptr) return;
    EndPage(dumpDC);
    EndDoc(dumpDC);
    DeleteDC(dumpDC);
    dumpDC = nullptr;
}
