// printer_document_win.cpp - the printer document: pages started lazily, the colour, pen, line
// style and font of the page, and the drawing routines the printer driver calls in pixels.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "core/gravim.hpp"
#include "core/window_tables_win.hpp"
#include "graphics/point_buffer_win.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/printer_dashes.hpp"
#include "hardcopy/printer_layer_win.hpp"

HDC gPrDC = nullptr;
HRGN gPrRegion = nullptr;
int origin[2] = {0, 0};

namespace {

int documentOpen = 0;
int pagePending = 0;
int pageExtent[2] = {0, 0};
int printerResolutionX = 0;
COLORREF currentColour = 0, previousColour = 0;
int lineType = 0;
int lineClass = PS_SOLID;
int penWidth = 1;
HPEN currentPen = nullptr;
HPEN replacedPen = nullptr;
int penKey[3] = {-1, -1, -1};  // colour, line type and width the current pen was made for
HFONT currentFont = nullptr;
HGDIOBJ replacedFont = nullptr;
DWORD dashes[8][6] = {};
int dashCount[8] = {};

// GDI pen style of each line type.
constexpr int lineClasses[8] = {PS_SOLID, PS_DOT, PS_DASH, PS_DASHDOT, PS_DASHDOTDOT,
                                PS_DASHDOT, PS_DASH, PS_DASHDOTDOT};

void startPendingPage() {
    if (pagePending != 0) yywprstartpage();
}

// A temporary brush and pen selected for one shape, restored and deleted afterwards.
class ShapeObjects {
public:
    ShapeObjects(bool solidBrush, bool thinPen, bool noPen) {
        brush_ = solidBrush ? CreateSolidBrush(currentColour) : nullptr;
        oldBrush_ = SelectObject(gPrDC, brush_ != nullptr ? static_cast<HGDIOBJ>(brush_) : GetStockObject(NULL_BRUSH));
        if (thinPen) pen_ = CreatePen(PS_SOLID, 1, currentColour);
        if (thinPen || noPen)
            oldPen_ = SelectObject(gPrDC, pen_ != nullptr ? static_cast<HGDIOBJ>(pen_) : GetStockObject(NULL_PEN));
    }
    ~ShapeObjects() {
        SelectObject(gPrDC, oldBrush_);
        if (oldPen_ != nullptr) SelectObject(gPrDC, oldPen_);
        if (brush_ != nullptr) DeleteObject(brush_);
        if (pen_ != nullptr) DeleteObject(pen_);
    }
    ShapeObjects(const ShapeObjects&) = delete;
    ShapeObjects& operator=(const ShapeObjects&) = delete;

private:
    HBRUSH brush_ = nullptr;
    HPEN pen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
};

// The end point of a solid line drawn one pixel further, so that GDI, which leaves the last
// pixel out, draws it; false for slopes where only setting the pixel helps.
bool extendedEnd(int x1, int y1, int& x2, int& y2) {
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    if (x1 == x2) {
        y2 += sy;
    } else if (y1 == y2) {
        x2 += sx;
    } else if (std::abs(x2 - x1) == std::abs(y2 - y1)) {
        x2 += sx;
        y2 += sy;
    } else {
        return false;
    }
    return true;
}

void deleteFont() {
    if (currentFont == nullptr) return;
    SelectObject(gPrDC, replacedFont);
    DeleteObject(currentFont);
    currentFont = nullptr;
    replacedFont = nullptr;
}

void deletePen() {
    if (currentPen == nullptr) return;
    SelectObject(gPrDC, replacedPen);
    DeleteObject(currentPen);
    currentPen = nullptr;
    replacedPen = nullptr;
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
    penKey[0] = penKey[1] = penKey[2] = -1;
}

void yywprstartpage() {
    StartPage(gPrDC);
    SetWindowOrgEx(gPrDC, origin[0], origin[1], nullptr);
    SetWindowExtEx(gPrDC, pageExtent[0], pageExtent[1], nullptr);
    if (currentFont != nullptr) SelectObject(gPrDC, currentFont);
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
    deleteFont();
    deletePen();
    EndDoc(gPrDC);
    DeleteDC(gPrDC);
    gPrDC = nullptr;
    documentOpen = 0;
    pagePending = 0;
}

void yywprcolour(int red, int green, int blue) {
    previousColour = currentColour;
    currentColour = RGB(red, green, blue);
}

void yywprlinetype(int type) {
    lineType = type;
    lineClass = type >= 0 && type <= 7 ? lineClasses[type] : PS_SOLID;
}

void yywprlinewidth(int width) {
    penWidth = width;
    yywprlinestyles();
}

void yywprlinestyles() {
    const int screenDpi = gravim.system.wScreenDPI;
    for (int type = 1; type <= 7; ++type) {
        unsigned entries[6] = {};
        dashCount[type] = yyprinterdashes(type, printerResolutionX, screenDpi, penWidth, entries);
        std::copy_n(entries, 6, dashes[type]);
    }
}

int yywprdashes(int type, DWORD entries[6]) {
    if (type < 1 || type > 7) return 0;
    std::copy_n(dashes[type], 6, entries);
    return dashCount[type];
}

void yywprcreatepen() {
    if (penKey[0] == static_cast<int>(currentColour) && penKey[1] == lineType && penKey[2] == penWidth) return;
    HPEN pen = nullptr;
    if (gravim.system.WinNT != 0) {
        LOGBRUSH brush = {BS_SOLID, currentColour, 0};
        if (lineType == 0 && penWidth < 2) {
            pen = CreatePen(PS_SOLID, penWidth, currentColour);
        } else if (lineType == 0) {
            pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                               static_cast<DWORD>(penWidth), &brush, 0, nullptr);
        } else {
            const int type = std::clamp(lineType, 1, 7);
            pen = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                               static_cast<DWORD>(std::max(penWidth, 1)), &brush,
                               static_cast<DWORD>(dashCount[type]), dashes[type]);
        }
    } else {
        pen = CreatePen(lineClass, penWidth, currentColour);
    }
    if (pen == nullptr) return;
    HGDIOBJ previous = SelectObject(gPrDC, pen);
    if (currentPen != nullptr) {
        DeleteObject(currentPen);
    } else {
        replacedPen = static_cast<HPEN>(previous);
    }
    currentPen = pen;
    penKey[0] = static_cast<int>(currentColour);
    penKey[1] = lineType;
    penKey[2] = penWidth;
}

void yywprline(int x1, int y1, int x2, int y2) {
    startPendingPage();
    yywprcreatepen();
    MoveToEx(gPrDC, x1, y1, nullptr);
    if (lineClass != PS_SOLID) {
        LineTo(gPrDC, x2, y2);
        return;
    }
    int endX = x2, endY = y2;
    if (extendedEnd(x1, y1, endX, endY)) {
        LineTo(gPrDC, endX, endY);
        return;
    }
    LineTo(gPrDC, x2, y2);
    if (penWidth == 1) SetPixel(gPrDC, x2, y2, currentColour);
}

void yywprpolyline(int count) {
    if (gPoints == nullptr || count < 2) return;
    startPendingPage();
    yywprcreatepen();
    POINT& last = gPoints[count - 1];
    const POINT& before = gPoints[count - 2];
    const bool closed = last.x == gPoints[0].x && last.y == gPoints[0].y;
    if (lineClass == PS_SOLID && !closed) {
        int endX = last.x, endY = last.y;
        if (extendedEnd(before.x, before.y, endX, endY)) {
            last = {endX, endY};
        } else if (penWidth == 1) {
            SetPixel(gPrDC, last.x, last.y, currentColour);
        }
    }
    Polyline(gPrDC, gPoints, count);
}

void yywprpolygon(int count, int outline) {
    if (gPoints == nullptr || count < 2) return;
    startPendingPage();
    ShapeObjects objects(true, outline != 0, outline == 0);
    Polygon(gPrDC, gPoints, count);
}

void yywprpoint(int x, int y) {
    startPendingPage();
    const int half = penWidth / 2;
    ShapeObjects objects(true, false, true);
    Rectangle(gPrDC, x - half, y - half, x - half + penWidth + 1, y - half + penWidth + 1);
}

void yywprellipse(int cx, int cy, int rx, int ry, int fillStyle) {
    startPendingPage();
    if (fillStyle >= 3) {
        ShapeObjects objects(true, true, false);
        Ellipse(gPrDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2);
    } else {
        yywprcreatepen();
        ShapeObjects objects(false, false, false);
        Ellipse(gPrDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2);
    }
}

void yywprrectangle(int x1, int y1, int x2, int y2) {
    startPendingPage();
    ShapeObjects objects(true, false, true);
    Rectangle(gPrDC, x1, y1, x2 + 2, y2 + 2);
}

void yywprarc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2) {
    startPendingPage();
    ShapeObjects objects(true, true, false);
    Pie(gPrDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, x1, y1, x2, y2);
}

void yywproutlinearc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2, int outlineMode) {
    startPendingPage();
    yywprcreatepen();
    ShapeObjects objects(false, false, false);
    if (outlineMode > 2) {
        Arc(gPrDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, x1, y1, x2, y2);
    } else {
        Pie(gPrDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, x1, y1, x2, y2);
    }
}

void yywprselectfont(int width, int& height, int& ascent, int angle, int family, int style,
                     const char* faceName) {
    deleteFont();
    const char* face = faceName;
    BYTE charset = DEFAULT_CHARSET;
    BYTE pitchAndFamily = VARIABLE_PITCH;
    switch (family) {
    case 1: face = "Courier New"; charset = ANSI_CHARSET; pitchAndFamily |= FF_MODERN; break;
    case 2: face = "Arial"; charset = ANSI_CHARSET; pitchAndFamily |= FF_SWISS; break;
    case 3: face = "Times New Roman"; charset = ANSI_CHARSET; pitchAndFamily |= FF_ROMAN; break;
    case 4: face = "Symbol"; charset = SYMBOL_CHARSET; pitchAndFamily |= FF_ROMAN; break;
    default: break;
    }
    const int weight = (style & 1) != 0 ? FW_BOLD : FW_NORMAL;
    const DWORD italic = (style & 2) != 0 ? TRUE : FALSE;
    const DWORD underline = (style & 4) != 0 ? TRUE : FALSE;
    auto make = [&](int characterHeight, int escapement) {
        return CreateFontA(-characterHeight, width, escapement, escapement, weight, italic, underline,
                           FALSE, charset, OUT_STRING_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY,
                           pitchAndFamily, face != nullptr ? face : "");
    };
    // Measured unrotated first: the cell height of that font becomes the character height.
    HFONT probe = make(height, 0);
    HGDIOBJ before = SelectObject(gPrDC, probe);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(gPrDC, &metrics);
    SelectObject(gPrDC, before);
    DeleteObject(probe);
    height = metrics.tmHeight;
    ascent = metrics.tmAscent;

    currentFont = make(height, angle * 10);
    replacedFont = SelectObject(gPrDC, currentFont);
}

void yywprdrawstring(int x1, int y1, int x2, int y2, int justification, int boxed, const char* text,
                     int length) {
    startPendingPage();
    const COLORREF oldText = SetTextColor(gPrDC, currentColour);
    const COLORREF oldBack = SetBkColor(gPrDC, previousColour);
    const int oldMode = SetBkMode(gPrDC, boxed != 0 ? OPAQUE : TRANSPARENT);
    int x = x1, y = y1;
    UINT align = TA_BASELINE | TA_LEFT;
    if (justification == 1) {
        x = (x1 + x2) / 2;
        y = (y1 + y2) / 2;
        align = TA_BASELINE | TA_CENTER;
    } else if (justification == 2) {
        x = x2;
        y = y2;
        align = TA_BASELINE | TA_RIGHT;
    }
    SetTextAlign(gPrDC, align);
    TextOutA(gPrDC, x, y, text, length);
    SetBkMode(gPrDC, oldMode);
    SetBkColor(gPrDC, oldBack);
    SetTextColor(gPrDC, oldText);
}

void yywprtextlength(int& width, const char* text, int length) {
    SIZE extent = {};
    GetTextExtentPoint32A(gPrDC, text, length, &extent);
    width = extent.cx;
}

void yywprclip(int left, int top, int right, int bottom) {
    if (gPrRegion != nullptr) DeleteObject(gPrRegion);
    gPrRegion = CreateRectRgn(left - origin[0], top - origin[1], right - origin[0], bottom - origin[1]);
    SelectClipRgn(gPrDC, gPrRegion);
}

void yywprpointrgb(int x, int y, int colour) { SetPixel(gPrDC, x, y, static_cast<COLORREF>(colour)); }

void yywprgradfill(const int* x, const int* y, const int* colours, const int* triangles,
                   int vertexCount, int triangleCount, int& failed) {
    using GradientFillRoutine = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    failed = 1;
    if (pGradientFill == nullptr || vertexCount <= 0 || triangleCount <= 0) return;
    TRIVERTEX* vertices = new (std::nothrow) TRIVERTEX[static_cast<std::size_t>(vertexCount)];
    GRADIENT_TRIANGLE* mesh = new (std::nothrow) GRADIENT_TRIANGLE[static_cast<std::size_t>(triangleCount)];
    if (vertices != nullptr && mesh != nullptr) {
        for (int i = 0; i < vertexCount; ++i) {
            const unsigned colour = static_cast<unsigned>(colours[i]);
            vertices[i] = {x[i], y[i], static_cast<COLOR16>((colour % 256) * 256),
                           static_cast<COLOR16>(colour & 65280u),
                           static_cast<COLOR16>((colour & 16711680u) / 256), 0};
        }
        for (int i = 0; i < triangleCount; ++i)
            mesh[i] = {static_cast<ULONG>(triangles[3 * i] - 1), static_cast<ULONG>(triangles[3 * i + 1] - 1),
                       static_cast<ULONG>(triangles[3 * i + 2] - 1)};
        const auto routine = reinterpret_cast<GradientFillRoutine>(reinterpret_cast<void*>(pGradientFill));
        failed = routine(gPrDC, vertices, static_cast<ULONG>(vertexCount), mesh,
                         static_cast<ULONG>(triangleCount), GRADIENT_FILL_TRIANGLE) == 0 ? 1 : 0;
    }
    delete[] vertices;
    delete[] mesh;
}
