// window_area_win.cpp - scrolling and clearing the current window's client area.
#include <windows.h>

#include <algorithm>

#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_tables_win.hpp"

namespace {

// The colour of a fill: -1 the window-text background, other negative values the window's own
// background (white without one); the nearest palette colour on a palette display.
COLORREF fillColour(int n, int colour) {
    COLORREF rgb = 0;
    if (colour == -1)
        rgb = wColor[wBackCol];
    else if (colour < 0)
        rgb = iWindowColour[n] != -1 ? static_cast<COLORREF>(iWindowColour[n]) : RGB(255, 255, 255);
    else
        rgb = static_cast<COLORREF>(colour);
    return yyscreenport().usesPalette() ? PALETTERGB(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)) : rgb;
}

void addRectangle(HRGN region, const RECT& rect) {
    HRGN part = CreateRectRgnIndirect(&rect);
    CombineRgn(region, region, part, RGN_OR);
    DeleteObject(part);
}

}  // namespace

void yyscrollarea(int dx, int dy, int colour) {
    const int n = gravim.windows.wIndex;
    HWND client = hClient[n];
    if (client == nullptr || wDC == nullptr) return;
    RECT area;
    GetClientRect(client, &area);
    HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    ScrollDC(wDC, dx, dy, &area, &area, uncovered, nullptr);
    // The bands the contents left behind, even where ScrollDC found nothing to report.
    RECT columns = area, rows = area;
    if (dx > 0) columns.right = std::min(area.right, static_cast<LONG>(dx));
    if (dx < 0) columns.left = std::max(area.left, area.right + dx);
    if (dy > 0) rows.bottom = std::min(area.bottom, static_cast<LONG>(dy));
    if (dy < 0) rows.top = std::max(area.top, area.bottom + dy);
    if (dx != 0) addRectangle(uncovered, columns);
    if (dy != 0) addRectangle(uncovered, rows);
    HBRUSH brush = CreateSolidBrush(fillColour(n, colour));
    FillRgn(wDC, uncovered, brush);
    DeleteObject(brush);
    // The fill is the new contents: no repaint event follows for it.
    ValidateRgn(client, uncovered);
    DeleteObject(uncovered);
}

void yycleararea(int x1, int y1, int x2, int y2, int colour) {
    const int n = gravim.windows.wIndex;
    if (wDC == nullptr) return;
    // Both ends are included, so the filled rectangle reaches one pixel further.
    RECT fill = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
    HBRUSH brush = CreateSolidBrush(fillColour(n, colour));
    const int oldMode = SetROP2(wDC, R2_COPYPEN);
    FillRect(wDC, &fill, brush);
    SetROP2(wDC, oldMode);
    DeleteObject(brush);
}
