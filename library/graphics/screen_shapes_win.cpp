// screen_shapes_win.cpp - the screen's GDI drawing primitives: lines, polylines, filled shapes,
// arcs, clearing, blits, clipping, pixels and gradient triangles.
#include <algorithm>
#include <new>
#include <vector>

#include "windows/window_tables_win.hpp"
#include "graphics/call_objects_win.hpp"
#include "graphics/dash_tables.hpp"
#include "graphics/point_buffer_win.hpp"
#include "graphics/screen_win.hpp"

namespace {

// The clip region around one clipped primitive.
class Clipped {
public:
    Clipped() {
        if (gRegion != nullptr) SelectClipRgn(gDC, gRegion);
    }
    ~Clipped() {
        if (gRegion != nullptr) SelectClipRgn(gDC, nullptr);
    }
    Clipped(const Clipped&) = delete;
    Clipped& operator=(const Clipped&) = delete;
};

HBRUSH fillBrush(int fill) { return fill == FillStipple ? yywinstipple() : CreateSolidBrush(CurrentColour); }

// A colour given as an RGB value, as the target takes it: unchanged on a metafile, the nearest
// palette colour on a palette display, else the platform's nearest colour.
COLORREF targetColour(int rgb) {
    const COLORREF value = static_cast<COLORREF>(rgb) & 0xFFFFFF;
    if (hGraphicsMetafile != nullptr) return value;
    if (gPal256 != nullptr) return PALETTEINDEX(static_cast<WORD>(GetNearestPaletteIndex(gPal256, value)));
    return GetNearestColor(gDC, value);
}

// Bounds a point count by the buffer.
int bufferedCount(int n) { return gPoints == nullptr ? 0 : std::min(n, gPointCount); }

}  // namespace

void yywinline(int x1, int y1, int x2, int y2) {
    if (gDC == nullptr) return;
    MoveToEx(gDC, x1, y1, nullptr);
    if (gPenStyle != 0) {
        LineTo(gDC, x2, y2);
        return;
    }
    int endX = x2, endY = y2;
    if (yyextendedlineend(x1, y1, endX, endY)) {
        LineTo(gDC, endX, endY);
        return;
    }
    LineTo(gDC, x2, y2);
    if (gLineWidth == 1) SetPixel(gDC, x2, y2, CurrentColour);
}

void yywinpolyline(int n) {
    n = bufferedCount(n);
    if (gDC == nullptr || n < 2) return;
    POINT& last = gPoints[n - 1];
    const POINT& before = gPoints[n - 2];
    const bool closed = last.x == gPoints[0].x && last.y == gPoints[0].y;
    bool setLast = false;
    if (gPenStyle == 0 && !closed) {
        int endX = last.x, endY = last.y;
        if (yyextendedlineend(before.x, before.y, endX, endY)) {
            last = {endX, endY};
        } else {
            setLast = gLineWidth == 1;
        }
    }
    Polyline(gDC, gPoints, n);
    if (setLast) SetPixel(gDC, last.x, last.y, CurrentColour);
}

void yywinpolygon(int n, int fill) {
    n = bufferedCount(n);
    if (gDC == nullptr || n < 2) return;
    const Clipped clip;
    // In exclusive-or mode an outline would invert the edge twice.
    const PenChoice pen = fill == FillStipple || gPlotmode == R2_XORPEN ? PenChoice::None : PenChoice::Thin;
    const CallObjects objects(gDC, fillBrush(fill), pen, CurrentColour);
    Polygon(gDC, gPoints, n);
}

void yywinrectangle(int x1, int y1, int x2, int y2, int fill) {
    if (gDC == nullptr) return;
    const CallObjects objects(gDC, fillBrush(fill), PenChoice::None);
    // With the null pen the platform leaves out the right column and the bottom row and one more.
    Rectangle(gDC, x1, y1, x2 + 2, y2 + 2);
}

void yywinellipse(int cx, int cy, int rx, int ry, int shape, int fill) {
    if (gDC == nullptr) return;
    const Clipped clip;
    if (shape == 4) {
        const CallObjects objects(gDC, nullptr, PenChoice::Current);
        Ellipse(gDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2);
        return;
    }
    const bool stipple = fill == FillStipple;
    const int k = stipple ? 3 : 2;
    const CallObjects objects(gDC, fillBrush(fill), stipple ? PenChoice::None : PenChoice::Thin, CurrentColour);
    Ellipse(gDC, cx - rx - 1, cy - ry - 1, cx + rx + k, cy + ry + k);
}

void yywinarc(int cx, int cy, int rx, int ry, int xs, int ys, int xe, int ye, int fill) {
    if (gDC == nullptr) return;
    const Clipped clip;
    const bool stipple = fill == FillStipple;
    const int k = stipple ? 3 : 2;
    const CallObjects objects(gDC, fillBrush(fill), stipple ? PenChoice::None : PenChoice::Thin, CurrentColour);
    Pie(gDC, cx - rx - 1, cy - ry - 1, cx + rx + k, cy + ry + k, xs, ys, xe, ye);
}

void yywinoutlinearc(int cx, int cy, int rx, int ry, int xs, int ys, int xe, int ye, int hatch, int fillStyle) {
    if (gDC == nullptr) return;
    const Clipped clip;
    const CallObjects objects(gDC, nullptr, PenChoice::Current);
    if (hatch >= 3 && fillStyle <= 0) {
        Arc(gDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, xs, ys, xe, ye);
    } else {
        Pie(gDC, cx - rx - 1, cy - ry - 1, cx + rx + 2, cy + ry + 2, xs, ys, xe, ye);
    }
}

void yywinclear(int width, int height, int rgb) {
    if (gDC == nullptr) return;
    COLORREF colour = static_cast<COLORREF>(rgb) & 0xFFFFFF;
    if (hGraphicsMetafile == nullptr) colour = gPal256 != nullptr ? PALETTEINDEX(0) : GetNearestColor(gDC, colour);
    const CallObjects objects(gDC, CreateSolidBrush(colour), PenChoice::None);
    const int oldMode = SetROP2(gDC, R2_COPYPEN);
    Rectangle(gDC, 0, 0, width + 1, height + 1);
    SetROP2(gDC, oldMode);
}

void yywinblit(int sx, int sy, int dx, int dy, int width, int height, int clear, int rgb) {
    if (gDC == nullptr || width < 1 || height < 1) return;
    const Clipped clip;
    DWORD operation = SRCCOPY;
    switch (gPlotmode) {
    case R2_MERGEPEN: operation = SRCPAINT; break;
    case R2_MASKPEN: operation = SRCAND; break;
    case R2_XORPEN: operation = SRCINVERT; break;
    default: break;
    }
    BitBlt(gDC, dx, dy, width, height, gDC, sx, sy, operation);
    if (clear == 0 || (dx == sx && dy == sy)) return;

    // The part of the source block the destination does not cover.
    const int e = sx + width - 1, f = sy + height - 1, g = dx + width - 1, b = dy + height - 1;
    auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    std::vector<POINT> uncovered = {{sx, sy}, {e, sy}, {e, f}, {sx, f}};
    if (within(g, sx, e) && within(f, dy, b)) {
        if (dx == sx) uncovered = {{sx, sy}, {e, sy}, {e, dy - 1}, {sx, dy - 1}};
        else if (dy == sy) uncovered = {{g + 1, sy}, {e, sy}, {e, f}, {g + 1, f}};
        else uncovered = {{sx, sy}, {e, sy}, {e, f}, {g + 1, f}, {g + 1, dy - 1}, {sx, dy - 1}};
    } else if (within(g, sx, e) && within(sy, dy, b)) {
        if (dx == sx) uncovered = {{sx, b + 1}, {e, b + 1}, {e, f}, {sx, f}};
        else uncovered = {{g + 1, sy}, {e, sy}, {e, f}, {sx, f}, {sx, b + 1}, {g + 1, b + 1}};
    } else if (within(dx, sx, e)) {
        if (dy == sy) uncovered = {{sx, sy}, {dx - 1, sy}, {dx - 1, f}, {sx, f}};
        else if (within(f, dy, b)) uncovered = {{sx, sy}, {e, sy}, {e, dy - 1}, {dx - 1, dy - 1}, {dx - 1, f}, {sx, f}};
        else if (within(sy, dy, b)) uncovered = {{sx, sy}, {dx - 1, sy}, {dx - 1, b + 1}, {e, b + 1}, {e, f}, {sx, f}};
    }
    const COLORREF colour = targetColour(rgb);
    const CallObjects objects(gDC, CreateSolidBrush(colour), PenChoice::Thin, colour);
    const int oldMode = SetROP2(gDC, R2_COPYPEN);
    Polygon(gDC, uncovered.data(), static_cast<int>(uncovered.size()));
    SetROP2(gDC, oldMode);
}

void yywinclip(int x1, int y1, int x2, int y2) {
    if (gRegion != nullptr) DeleteObject(gRegion);
    gRegion = y2 == -1 ? nullptr : CreateRectRgn(x1, y1, x2, y2);
}

void yywinpoint(int x, int y) {
    if (gDC != nullptr) SetPixel(gDC, x, y, CurrentColour);
}

void yywinpointrgb(int x, int y, int rgb) {
    if (gDC == nullptr) return;
    const COLORREF value = static_cast<COLORREF>(rgb) & 0xFFFFFF;
    SetPixel(gDC, x, y, gPal256 != nullptr ? PALETTEINDEX(static_cast<WORD>(GetNearestPaletteIndex(gPal256, value))) : value);
}

void yywingetpixelrgb(int x, int y, int& red, int& green, int& blue) {
    const COLORREF colour = gDC != nullptr ? GetPixel(gDC, x, y) : CLR_INVALID;
    if (colour == CLR_INVALID) {
        red = -1;
        return;
    }
    red = GetRValue(colour);
    green = GetGValue(colour);
    blue = GetBValue(colour);
}

void yywingradfill(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
                   int triangleCount, int& failed) {
    failed = 1;
    if (gDC == nullptr) return;
    const Clipped clip;
    yysystemgradient(gDC, x, y, colours, triangles, vertexCount, triangleCount, failed);
}

void yysystemgradient(HDC dc, const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
                      int triangleCount, int& failed) {
    using GradientFillRoutine = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    failed = 1;
    if (pGradientFill == nullptr || dc == nullptr || vertexCount <= 0 || triangleCount <= 0) return;
    std::vector<TRIVERTEX> vertices;
    std::vector<GRADIENT_TRIANGLE> mesh;
    try {
        vertices.resize(static_cast<std::size_t>(vertexCount));
        mesh.resize(static_cast<std::size_t>(triangleCount));
    } catch (const std::bad_alloc&) {
        return;
    }
    for (int i = 0; i < vertexCount; ++i) {
        const unsigned colour = static_cast<unsigned>(colours[i]);
        vertices[static_cast<std::size_t>(i)] = {x[i], y[i], static_cast<COLOR16>((colour & 255u) * 256),
                                                 static_cast<COLOR16>(((colour >> 8) & 255u) * 256),
                                                 static_cast<COLOR16>(((colour >> 16) & 255u) * 256), 0};
    }
    for (int i = 0; i < 3 * triangleCount; ++i)
        if (triangles[i] < 1 || triangles[i] > vertexCount) return;  // a vertex the list lacks
    for (int i = 0; i < triangleCount; ++i)
        mesh[static_cast<std::size_t>(i)] = {static_cast<ULONG>(triangles[3 * i] - 1), static_cast<ULONG>(triangles[3 * i + 1] - 1),
                                             static_cast<ULONG>(triangles[3 * i + 2] - 1)};
    const auto routine = reinterpret_cast<GradientFillRoutine>(reinterpret_cast<void*>(pGradientFill));
    failed = routine(dc, vertices.data(), static_cast<ULONG>(vertexCount), mesh.data(), static_cast<ULONG>(triangleCount),
                     GRADIENT_FILL_TRIANGLE) == 0 ? 1 : 0;
}
