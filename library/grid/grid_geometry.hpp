// grid_geometry.hpp - where a grid's rows and columns lie in its cell area, which of them are in
// view, and how scrolling counts (portable). Neighbouring cells share their border line, so
// columns follow each other every cxWidth - 1 pixels and rows every cyRow - 1.
#pragma once

#include "grid/grid_records.hpp"

struct GridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Rows per unit of the vertical scroll bar: 1, doubled while rows / divisor exceeds 65,536.
// range receives the scroll range's last unit plus one (the rows in units).
int yygridscrolldivisor(int rows, int& units);

// The columns that fit at the end of the cell area (at least 1 when there are columns); sets
// iMaxFirstColumn (0 when all fit) and iLastColumn from iFirstColumn.
int yygridlayoutcolumns(GridControlRecord& g, int clientWidth);
// The last column wholly in view from column `first`.
int yygridlastcolumnfrom(const GridControlRecord& g, int first, int clientWidth);
// The first column from which `column` is the last one wholly in view.
int yygridfirstcolumnending(const GridControlRecord& g, int column, int clientWidth);
// Columns that fit left of iFirstColumn (a page to the left).
int yygridcolumnsleft(const GridControlRecord& g, int clientWidth);
// Pixel distance between the left edges of columns from and to (negative when to < from).
int yygridcolumndistance(const GridControlRecord& g, int from, int to);

// A column's horizontal range in the cell area; false (and an empty range) when off screen.
bool yygridcolumnspan(const GridControlRecord& g, int column, int& left, int& right);
// A row's vertical range, cut to the cell area's height.
void yygridrowspan(const GridControlRecord& g, int row, int areaHeight, int& top, int& bottom);
// The rectangle of a cell; false when the cell is not on screen.
bool yygridcellrect(const GridControlRecord& g, int column, int row, int areaHeight, GridRect& r);
// The visible part of the selection; false when nothing of it is on screen.
bool yygridselectionrect(const GridControlRecord& g, int areaHeight, GridRect& r);

// Rows and the last column painted.
int yygridpaintedrows(const GridControlRecord& g);
int yygridlastpaintedcolumn(const GridControlRecord& g);
// The cell under a point of the cell area among the painted cells (a point on a grid line
// belongs to the next cell); false outside them.
bool yygridhittest(const GridControlRecord& g, int x, int y, int& column, int& row);

// Label windows rewritten by a refresh of the row labels.
int yygridlabelstorewrite(const GridControlRecord& g);

// Scroll-bar codes, as the system numbers them.
enum GridScrollCode { ScrollLineUp = 0, ScrollLineDown = 1, ScrollPageUp = 2, ScrollPageDown = 3,
                      ScrollThumbPosition = 4, ScrollThumbTrack = 5 };
// The vertical scroll amount in rows for a scroll-bar code, limited to the rows there are;
// consumes iScrollTarget.
int yygridverticalamount(GridControlRecord& g, int code, int thumb);
// The horizontal amount in columns.
int yygridhorizontalamount(const GridControlRecord& g, int code, int thumb, int clientWidth);
// Adds a wheel delta and returns the line scrolls due: positive down, negative up.
int yygridwheellines(GridControlRecord& g, int delta);

// The width of a column whose divider is tracked at trackedWidth: at least 14 pixels plus
// extra (a scroll bar's width for menu and spin columns), at most clientWidth.
int yygridtrackedwidth(int trackedWidth, int extra, int clientWidth);

// Dialog units to pixels as a dialog's font measures them (truncating toward zero).
inline int yygriddialogx(int units, int averageWidth) { return units * averageWidth / 4; }
inline int yygriddialogy(int units, int height) { return units * height / 8; }
