// gdi_canvas_win.cpp - the GDI drawing rules shared by the printer and metafile output layers: pen
// bookkeeping, line ends, shapes, fonts, text and gradient triangles in one device context.
#include "hardcopy/gdi_canvas_win.hpp"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "base/gravim.hpp"
#include "base/os_internal.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "graphics/call_objects_win.hpp"
#include "graphics/dash_tables.hpp"
#include "graphics/devices.hpp"
#include "graphics/point_buffer_win.hpp"
#include "hardcopy/gdi_drivers.hpp"

namespace {

// A temporary brush and pen selected for one shape: a brush of the current colour or none; a thin
// pen of the current colour, no pen, or the canvas's pen.
CallObjects shapeObjects(const GdiCanvas& canvas, bool solidBrush, bool thinPen, bool noPen) {
    return CallObjects(canvas.dc, solidBrush ? CreateSolidBrush(canvas.current) : nullptr,
                       thinPen ? PenChoice::Thin : noPen ? PenChoice::None : PenChoice::Current, canvas.current);
}

}  // namespace

void yygdicolour(GdiCanvas& canvas, int red, int green, int blue) {
    canvas.previous = canvas.current;
    canvas.current = RGB(red, green, blue);
}

void yygdilinetype(GdiCanvas& canvas, int type) {
    canvas.lineType = type;
    canvas.lineClass = yylinepenstyle(type);
}

void yygdidashes(GdiCanvas& canvas, int dpi) {
    const int screenDpi = gravim.system.wScreenDPI;
    for (int type = 1; type <= 7; ++type) {
        unsigned entries[6] = {};
        canvas.dashCount[type] = yyscaleddashes(type, dpi, screenDpi, canvas.penWidth, entries);
        std::copy_n(entries, 6, canvas.dashes[type]);
    }
}

bool yygdipenmatches(const GdiCanvas& canvas) {
    return canvas.penKey[0] == static_cast<int>(canvas.current) && canvas.penKey[1] == canvas.lineType &&
           canvas.penKey[2] == canvas.penWidth;
}

void yygdiselectpen(GdiCanvas& canvas, HPEN pen) {
    if (pen == nullptr) return;
    HGDIOBJ previous = SelectObject(canvas.dc, pen);
    if (canvas.pen != nullptr) {
        DeleteObject(canvas.pen);
    } else {
        canvas.replacedPen = previous;
    }
    canvas.pen = pen;
    canvas.penKey[0] = static_cast<int>(canvas.current);
    canvas.penKey[1] = canvas.lineType;
    canvas.penKey[2] = canvas.penWidth;
}

void yygdiforgetpen(GdiCanvas& canvas) { canvas.penKey[0] = canvas.penKey[1] = canvas.penKey[2] = -1; }

void yygdirelease(GdiCanvas& canvas) {
    if (canvas.font != nullptr) {
        SelectObject(canvas.dc, canvas.replacedFont);
        DeleteObject(canvas.font);
    }
    if (canvas.pen != nullptr) {
        SelectObject(canvas.dc, canvas.replacedPen);
        DeleteObject(canvas.pen);
    }
    canvas.font = nullptr;
    canvas.replacedFont = nullptr;
    canvas.pen = nullptr;
    canvas.replacedPen = nullptr;
    yygdiforgetpen(canvas);
}

void yygdiline(GdiCanvas& canvas, int x1, int y1, int x2, int y2, bool setEndPixel) {
    MoveToEx(canvas.dc, x1, y1, nullptr);
    if (canvas.lineClass != PS_SOLID) {
        LineTo(canvas.dc, x2, y2);
        return;
    }
    int endX = x2, endY = y2;
    if (yyextendedlineend(x1, y1, endX, endY)) {
        LineTo(canvas.dc, endX, endY);
        return;
    }
    LineTo(canvas.dc, x2, y2);
    if (setEndPixel && canvas.penWidth == 1) SetPixel(canvas.dc, x2, y2, canvas.current);
}

void yygdipolyline(GdiCanvas& canvas, int count, bool setEndPixel) {
    if (gPoints == nullptr || count < 2) return;
    POINT& last = gPoints[count - 1];
    const POINT& before = gPoints[count - 2];
    const bool closed = last.x == gPoints[0].x && last.y == gPoints[0].y;
    if (canvas.lineClass == PS_SOLID && !closed) {
        int endX = last.x, endY = last.y;
        if (yyextendedlineend(before.x, before.y, endX, endY)) {
            last = {endX, endY};
        } else if (setEndPixel && canvas.penWidth == 1) {
            SetPixel(canvas.dc, last.x, last.y, canvas.current);
        }
    }
    Polyline(canvas.dc, gPoints, count);
}

void yygdiellipse(GdiCanvas& canvas, int cx, int cy, int rx, int ry, int fillStyle) {
    const bool filled = fillStyle >= 3;
    const CallObjects objects = shapeObjects(canvas, filled, filled, false);
    Ellipse(canvas.dc, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2);
}

void yygdirectangle(GdiCanvas& canvas, int x1, int y1, int x2, int y2) {
    const CallObjects objects = shapeObjects(canvas, true, false, true);
    Rectangle(canvas.dc, x1, y1, x2 + 2, y2 + 2);
}

void yygdipie(GdiCanvas& canvas, int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2) {
    const CallObjects objects = shapeObjects(canvas, true, true, false);
    Pie(canvas.dc, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, x1, y1, x2, y2);
}

void yygdioutlinearc(GdiCanvas& canvas, int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2,
                     int outlineMode) {
    const CallObjects objects = shapeObjects(canvas, false, false, false);
    if (outlineMode > 2) {
        Arc(canvas.dc, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, x1, y1, x2, y2);
    } else {
        Pie(canvas.dc, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, x1, y1, x2, y2);
    }
}

void yygdipolygon(GdiCanvas& canvas, int count, int outline) {
    if (gPoints == nullptr || count < 2) return;
    const CallObjects objects = shapeObjects(canvas, true, outline != 0, outline == 0);
    Polygon(canvas.dc, gPoints, count);
}

void yygdisquare(GdiCanvas& canvas, int x, int y) {
    const int half = canvas.penWidth / 2;
    const CallObjects objects = shapeObjects(canvas, true, false, true);
    Rectangle(canvas.dc, x - half, y - half, x - half + canvas.penWidth + 1, y - half + canvas.penWidth + 1);
}

HFONT yygdimakefont(int characterHeight, int width, int escapement, int family, int style, const char* faceName) {
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
    return CreateFontA(-characterHeight, width, escapement, escapement, weight, italic, underline, FALSE,
                       charset, OUT_STRING_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face != nullptr ? face : "");
}

void yygdiselectfont(GdiCanvas& canvas, HFONT font) {
    if (canvas.font != nullptr) {
        SelectObject(canvas.dc, canvas.replacedFont);
        DeleteObject(canvas.font);
        canvas.font = nullptr;
        canvas.replacedFont = nullptr;
    }
    if (font == nullptr) return;
    canvas.replacedFont = SelectObject(canvas.dc, font);
    canvas.font = font;
}

void yygdidrawstring(GdiCanvas& canvas, int x1, int y1, int x2, int y2, int justification, int boxed,
                     const char* text, int length) {
    const HDC dc = canvas.dc;
    const COLORREF oldText = SetTextColor(dc, canvas.current);
    const COLORREF oldBack = SetBkColor(dc, canvas.previous);
    const int oldMode = SetBkMode(dc, boxed != 0 ? OPAQUE : TRANSPARENT);
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
    SetTextAlign(dc, align);
    TextOutA(dc, x, y, text, std::max(length, 0));
    SetBkMode(dc, oldMode);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

int yygditextlength(const GdiCanvas& canvas, const char* text, int length) {
    SIZE extent = {};
    GetTextExtentPoint32A(canvas.dc, text, std::max(length, 0), &extent);
    return extent.cx;
}

bool yydevicepoints(int first, int last) {
    const GraphicsState& g = gravim.graphics;
    last = std::min(last, yyvertexcount(last));
    if (first < 1 || last < first || !yypolalloc(last - first + 1)) return false;
    for (int i = first; i <= last; ++i) {
        const auto v = static_cast<std::size_t>(i);
        yypolpoint(yydevicex(g.PolygonX[v]), yydevicey(g.PolygonY[v]), i - first);
    }
    return true;
}

void yygdidevicefacts() {
    DeviceFacts& device = gravim.graphics.hardcopyDevice;
    int gradientKind = 1;
    yygradfilltype(gradientKind);
    device.word1 = 8;
    device.word2 = 360;
    device.word3 = yywinvariant() == 4 ? 2 : 1;
    device.TrueColourDevice = 1;
    device.GradientFillType = gradientKind;
    device.word6 = device.word7 = device.word8 = 1;
    device.deviceReal = 1.7e38f;
    device.DeviceCapabilityMask.assign("00000111111111100010011011110");
}
