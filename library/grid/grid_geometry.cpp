// grid_geometry.cpp - cell geometry, column fitting, scroll amounts and the wheel.
#include "grid/grid_geometry.hpp"

namespace {

int step(const GridControlRecord& g, int column) { return g.pColumns[column].cxWidth - 1; }
int maxOf(int a, int b) { return a > b ? a : b; }
int minOf(int a, int b) { return a < b ? a : b; }

}  // namespace

int yygridscrolldivisor(int rows, int& units) {
    int divisor = 1;
    int n = rows;
    while (n > 65536) {
        n /= 2;
        divisor *= 2;
    }
    units = n;
    return divisor;
}

int yygridlastcolumnfrom(const GridControlRecord& g, int first, int clientWidth) {
    if (g.nColumns <= 0) return 0;
    int sum = 1;
    int last = first;
    for (int c = first; c < g.nColumns; ++c) {
        sum += step(g, c);
        if (sum > clientWidth) break;
        last = c;
    }
    return last;
}

int yygridfirstcolumnending(const GridControlRecord& g, int column, int clientWidth) {
    int sum = 1;
    int first = column;
    for (int c = column; c >= 0; --c) {
        sum += step(g, c);
        if (sum > clientWidth) break;
        first = c;
    }
    return first;
}

int yygridlayoutcolumns(GridControlRecord& g, int clientWidth) {
    int fit = 0;
    g.iMaxFirstColumn = 0;
    int sum = 1;
    for (int c = g.nColumns - 1; c >= 0; --c) {
        sum += step(g, c);
        if (sum > clientWidth) {
            g.iMaxFirstColumn = c + 1;
            break;
        }
        ++fit;
    }
    if (g.iMaxFirstColumn >= g.nColumns) g.iMaxFirstColumn = maxOf(0, g.nColumns - 1);
    g.iLastColumn = yygridlastcolumnfrom(g, g.iFirstColumn, clientWidth);
    return maxOf(fit, g.nColumns > 0 ? 1 : 0);
}

int yygridcolumnsleft(const GridControlRecord& g, int clientWidth) {
    int sum = 1;
    int count = 0;
    for (int c = g.iFirstColumn - 1; c >= 0; --c) {
        sum += step(g, c);
        if (sum > clientWidth) break;
        ++count;
    }
    return count;
}

int yygridcolumndistance(const GridControlRecord& g, int from, int to) {
    int d = 0;
    for (int c = from; c < to; ++c) d += step(g, c);
    for (int c = to; c < from; ++c) d -= step(g, c);
    return d;
}

bool yygridcolumnspan(const GridControlRecord& g, int column, int& left, int& right) {
    left = right = 0;
    const int last = minOf(g.iLastColumn + 1, g.nColumns - 1);
    if (column < g.iFirstColumn || column > last) return false;
    for (int c = g.iFirstColumn; c < column; ++c) left += step(g, c);
    right = left + step(g, column);
    return true;
}

void yygridrowspan(const GridControlRecord& g, int row, int areaHeight, int& top, int& bottom) {
    top = maxOf(0, (row - g.iFirstRow) * (g.cyRow - 1));
    bottom = minOf(areaHeight, (row + 1 - g.iFirstRow) * (g.cyRow - 1));
}

bool yygridcellrect(const GridControlRecord& g, int column, int row, int areaHeight, GridRect& r) {
    if (row < g.iFirstRow || row >= g.iFirstRow + g.nRowSlotsShown) return false;
    if (!yygridcolumnspan(g, column, r.left, r.right)) return false;
    yygridrowspan(g, row, areaHeight, r.top, r.bottom);
    return true;
}

bool yygridselectionrect(const GridControlRecord& g, int areaHeight, GridRect& r) {
    r = {};
    if (g.iSelFirstRow < 0) return false;
    if (g.iSelLastRow < g.iFirstRow || g.iSelFirstRow >= g.iFirstRow + g.nRowSlotsShown) return false;
    if (g.iSelLastColumn < g.iFirstColumn || g.iSelFirstColumn > g.iLastColumn + 1) return false;
    r.top = maxOf(0, (g.iSelFirstRow - g.iFirstRow) * (g.cyRow - 1));
    r.bottom = minOf(areaHeight, (g.iSelLastRow + 1 - g.iFirstRow) * (g.cyRow - 1));
    const int last = minOf(g.iLastColumn + 1, g.nColumns - 1);
    for (int c = g.iFirstColumn; c < g.iSelFirstColumn && c <= last; ++c) r.left += step(g, c);
    for (int c = g.iFirstColumn; c <= g.iSelLastColumn && c <= last; ++c) r.right += step(g, c);
    return r.top < r.bottom && r.left < r.right;
}

int yygridpaintedrows(const GridControlRecord& g) {
    if (g.iFirstRow + g.nRowsFit < g.nRows) return g.nRowSlotsShown;
    return minOf(g.nRowsFit, g.nRows - g.iFirstRow);
}

int yygridlastpaintedcolumn(const GridControlRecord& g) { return minOf(g.iLastColumn + 1, g.nColumns - 1); }

bool yygridhittest(const GridControlRecord& g, int x, int y, int& column, int& row) {
    if (x < 0 || y < 0 || g.cyRow < 2) return false;
    const int rows = yygridpaintedrows(g);
    const int r = y / (g.cyRow - 1);
    if (r >= rows) return false;
    int left = 0;
    for (int c = g.iFirstColumn; c <= yygridlastpaintedcolumn(g); ++c) {
        if (x < left + step(g, c)) {
            column = c;
            row = g.iFirstRow + r;
            return row < g.nRows;
        }
        left += step(g, c);
    }
    return false;
}

int yygridlabelstorewrite(const GridControlRecord& g) {
    if (g.iFirstRow + g.nRowsFit < g.nRows) return g.nRowSlotsShown;
    if (g.nRowsFit < g.nRows) return g.nRowsFit;
    return g.nRows;
}

int yygridverticalamount(GridControlRecord& g, int code, int thumb) {
    int d = 0;
    switch (code) {
    case ScrollLineUp: d = -1; break;
    case ScrollLineDown: d = 1; break;
    case ScrollPageUp: d = -g.nRowsFit; break;
    case ScrollPageDown: d = g.nRowsFit; break;
    case ScrollThumbTrack:
        if (g.iScrollTarget != 0) {
            d = g.iScrollTarget - g.iFirstRow;
            g.iScrollTarget = 0;
        } else {
            d = thumb * g.nScrollDivisor - g.iFirstRow;
        }
        break;
    default: break;
    }
    const int upper = g.nRows - g.nRowsFit - g.iFirstRow;
    if (d > 0 && upper < 1) return 0;
    if (d > upper) d = upper;
    if (d < -g.iFirstRow) d = -g.iFirstRow;
    return d;
}

int yygridhorizontalamount(const GridControlRecord& g, int code, int thumb, int clientWidth) {
    int d = 0;
    switch (code) {
    case ScrollLineUp: d = -1; break;
    case ScrollLineDown: d = 1; break;
    case ScrollPageUp: d = -yygridcolumnsleft(g, clientWidth); break;
    case ScrollPageDown: d = g.iLastColumn - g.iFirstColumn; break;
    case ScrollThumbTrack: d = thumb - g.iFirstColumn; break;
    default: break;
    }
    if (d > g.iMaxFirstColumn - g.iFirstColumn) d = g.iMaxFirstColumn - g.iFirstColumn;
    if (d < -g.iFirstColumn) d = -g.iFirstColumn;
    return d;
}

int yygridwheellines(GridControlRecord& g, int delta) {
    g.iWheelDelta += delta;
    int lines = 0;
    while (g.iWheelDelta <= -120) {
        g.iWheelDelta += 120;
        ++lines;
    }
    while (g.iWheelDelta >= 120) {
        g.iWheelDelta -= 120;
        --lines;
    }
    return lines;
}

int yygridtrackedwidth(int trackedWidth, int extra, int clientWidth) {
    int width = trackedWidth + 1;
    if (width < 14 + extra) width = 14 + extra;
    if (clientWidth > 0 && width > clientWidth) width = clientWidth;
    return width;
}
