// printer_document_win.cpp - the printer document: pages started lazily, the colour, pen, line
// style and font of the page, and the drawing routines the printer driver calls in pixels.
#include <windows.h>

#include <algorithm>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "graphics/point_buffer_win.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"
#include "hardcopy/printer_layer_win.hpp"

HDC gPrDC = nullptr;
HRGN gPrRegion = nullptr;
int origin[2] = {0, 0};

namespace {

int documentOpen = 0;
int pagePending = 0;
int pageExtent[2] = {0, 0};
int printerResolutionX = 0;
GdiCanvas printer;  // the document's drawing state; its context is gPrDC

void startPendingPage() {
    if (pagePending != 0) yywprstartpage();
}

}  // namespace

void yywpropen(int width, int height, int xOffset, int yOffset, int& resolutionX, int& resolutionY,
               int& colours, int& failed, int& systemError, int landscape, int copies,
               const char* documentName) {
    if (documentOpen == 0) {
        gPrDC = yywprgetdc(landscape, copies);
        if (gPrDC == nullptr) {
            failed = 1;
            systemError = static_cast<int>(GetLastError());
            return;
        }
        DOCINFOA document = {};
        document.cbSize = sizeof document;
        document.lpszDocName = documentName;
        if (StartDocA(gPrDC, &document) <= 0) {
            failed = 1;
            systemError = static_cast<int>(GetLastError());
            DeleteDC(gPrDC);
            gPrDC = nullptr;
            return;
        }
        documentOpen = 1;
        printer.dc = gPrDC;
    }
    failed = 0;
    colours = GetDeviceCaps(gPrDC, NUMCOLORS);
    resolutionX = GetDeviceCaps(gPrDC, LOGPIXELSX);
    resolutionY = GetDeviceCaps(gPrDC, LOGPIXELSY);
    printerResolutionX = resolutionX;
    yywprlinestyles();
    origin[0] = GetDeviceCaps(gPrDC, PHYSICALOFFSETX) - xOffset * resolutionX / 72;
    origin[1] = GetDeviceCaps(gPrDC, PHYSICALOFFSETY) - yOffset * resolutionY / 72;
    pageExtent[0] = width * resolutionX / 72;
    pageExtent[1] = height * resolutionY / 72;
    yywprstartpage();
    gPrRegion = nullptr;
    SetBkMode(gPrDC, TRANSPARENT);
    yygdiforgetpen(printer);
}

void yywprstartpage() {
    StartPage(gPrDC);
    SetWindowOrgEx(gPrDC, origin[0], origin[1], nullptr);
    SetWindowExtEx(gPrDC, pageExtent[0], pageExtent[1], nullptr);
    if (printer.font != nullptr) SelectObject(gPrDC, printer.font);
    pagePending = 0;
}

void yywprdump() {
    EndPage(gPrDC);
    pagePending = 1;
}

void yywprclose() {
    if (documentOpen == 0) return;
    if (gPrRegion != nullptr) {
        SelectClipRgn(gPrDC, nullptr);
        DeleteObject(gPrRegion);
        gPrRegion = nullptr;
    }
    yygdirelease(printer);
    EndDoc(gPrDC);
    DeleteDC(gPrDC);
    gPrDC = printer.dc = nullptr;
    documentOpen = 0;
    pagePending = 0;
}

void yywprcolour(int red, int green, int blue) { yygdicolour(printer, red, green, blue); }

void yywprlinetype(int type) { yygdilinetype(printer, type); }

void yywprlinewidth(int width) {
    printer.penWidth = width;
    yywprlinestyles();
}

void yywprlinestyles() { yygdidashes(printer, printerResolutionX); }

int yywprdashes(int type, DWORD entries[6]) {
    if (type < 1 || type > 7) return 0;
    std::copy_n(printer.dashes[type], 6, entries);
    return printer.dashCount[type];
}

void yywprcreatepen() {
    if (yygdipenmatches(printer)) return;
    const COLORREF colour = printer.current;
    const int width = printer.penWidth;
    HPEN pen = nullptr;
    if (gravim.system.WinNT != 0) {
        LOGBRUSH brush = {BS_SOLID, colour, 0};
        if (printer.lineType == 0 && width < 2) {
            pen = CreatePen(PS_SOLID, width, colour);
        } else if (printer.lineType == 0) {
            pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                               static_cast<DWORD>(width), &brush, 0, nullptr);
        } else {
            const int type = std::clamp(printer.lineType, 1, 7);
            pen = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                               static_cast<DWORD>(std::max(width, 1)), &brush,
                               static_cast<DWORD>(printer.dashCount[type]), printer.dashes[type]);
        }
    } else {
        pen = CreatePen(printer.lineClass, width, colour);
    }
    yygdiselectpen(printer, pen);
}

void yywprline(int x1, int y1, int x2, int y2) {
    startPendingPage();
    yywprcreatepen();
    yygdiline(printer, x1, y1, x2, y2, true);
}

void yywprpolyline(int count) {
    if (gPoints == nullptr || count < 2) return;
    startPendingPage();
    yywprcreatepen();
    yygdipolyline(printer, count, true);
}

void yywprpolygon(int count, int outline) {
    if (gPoints == nullptr || count < 2) return;
    startPendingPage();
    yygdipolygon(printer, count, outline);
}

void yywprpoint(int x, int y) {
    startPendingPage();
    yygdisquare(printer, x, y);
}

void yywprellipse(int cx, int cy, int rx, int ry, int fillStyle) {
    startPendingPage();
    if (fillStyle < 3) yywprcreatepen();
    yygdiellipse(printer, cx, cy, rx, ry, fillStyle);
}

void yywprrectangle(int x1, int y1, int x2, int y2) {
    startPendingPage();
    yygdirectangle(printer, x1, y1, x2, y2);
}

void yywprarc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2) {
    startPendingPage();
    yygdipie(printer, cx, cy, rx, ry, x1, y1, x2, y2);
}

void yywproutlinearc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2, int outlineMode) {
    startPendingPage();
    yywprcreatepen();
    yygdioutlinearc(printer, cx, cy, rx, ry, x1, y1, x2, y2, outlineMode);
}

void yywprselectfont(int width, int& height, int& ascent, int angle, int family, int style,
                     const char* faceName) {
    yygdiselectfont(printer, nullptr);
    // Measured unrotated first: the cell height of that font becomes the character height.
    HFONT probe = yygdimakefont(height, width, 0, family, style, faceName);
    HGDIOBJ before = SelectObject(gPrDC, probe);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(gPrDC, &metrics);
    SelectObject(gPrDC, before);
    DeleteObject(probe);
    height = metrics.tmHeight;
    ascent = metrics.tmAscent;
    yygdiselectfont(printer, yygdimakefont(height, width, angle * 10, family, style, faceName));
}

void yywprdrawstring(int x1, int y1, int x2, int y2, int justification, int boxed, const char* text,
                     int length) {
    startPendingPage();
    yygdidrawstring(printer, x1, y1, x2, y2, justification, boxed, text, length);
}

void yywprtextlength(int& width, const char* text, int length) { width = yygditextlength(printer, text, length); }

void yywprclip(int left, int top, int right, int bottom) {
    if (gPrRegion != nullptr) DeleteObject(gPrRegion);
    gPrRegion = CreateRectRgn(left - origin[0], top - origin[1], right - origin[0], bottom - origin[1]);
    SelectClipRgn(gPrDC, gPrRegion);
}

void yywprpointrgb(int x, int y, int colour) { SetPixel(gPrDC, x, y, static_cast<COLORREF>(colour)); }

void yywprgradfill(const int* x, const int* y, const int* colours, const int* triangles,
                   int vertexCount, int triangleCount, int& failed) {
    yysystemgradient(gPrDC, x, y, colours, triangles, vertexCount, triangleCount, failed);
}
