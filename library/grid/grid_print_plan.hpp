// grid_print_plan.hpp - the arithmetic of printing a grid: page-setup units, margins read and set
// in points, printer sizes from screen sizes, rows per page and the columns of each page across
// (portable).
#pragma once

#include <vector>

// Page-setup units: thousandths of an inch or hundredths of a millimetre.
constexpr int GridUnitsInches = 4;
constexpr int GridUnitsMillimetres = 8;

// Units per inch of a unit flag: 1000 for inches, 2540 otherwise.
int yygridunitsperinch(int units);
// A margin or paper length converted between the two units (factor 2.54065, truncated).
int yygridconvertunits(int value, int fromUnits, int toUnits);
// Unit values and printer pixels (truncated).
int yygridunitstopixels(int value, int pixelsPerInch, int units);
int yygridpixelstounits(int pixels, int pixelsPerInch, int units);
// A screen length in pixels as printer pixels at scale percent (truncated).
int yygridprintscale(int screenPixels, int printerPixelsPerInch, int scale, int screenPixelsPerInch);

// The paper and margins of a print set in its unit. Right and bottom are distances from the
// paper's right and bottom edges.
struct GridPageGeometry {
    int paperWidth = 0, paperHeight = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    int units = GridUnitsInches;
};
// Code 1 the printable width, 2 its height, 3 the left and 4 the top margin, in points; 0 for
// other codes.
int yygridgetpagepoints(const GridPageGeometry& page, int code);
// Sets one of the four from points; other codes change nothing.
void yygridsetpagepoints(GridPageGeometry& page, int code, int points);

// Rows per page of a block: the printable height over the row pitch, less the label row; at least
// one, so that every page advances.
int yygridrowsperpage(int areaTop, int areaBottom, int pitch, bool labelRow);

// One page across: its columns first..last and where each starts, and their widths (cut to the
// area where a column alone does not fit).
struct GridPrintPageColumns {
    int first = 0, last = -1;
    std::vector<int> x, width;
};
// Lays the columns with the given printer widths out from areaLeft + the label width of each page
// (labelWidth(page index)) to areaRight.
template <typename LabelWidth>
std::vector<GridPrintPageColumns> yygridpagesacross(const std::vector<int>& widths, int areaLeft, int areaRight,
                                                    LabelWidth labelWidth) {
    std::vector<GridPrintPageColumns> pages;
    const int count = static_cast<int>(widths.size());
    int c = 0;
    while (c < count) {
        GridPrintPageColumns page;
        page.first = c;
        int x = areaLeft + labelWidth(static_cast<int>(pages.size()));
        for (; c < count; ++c) {
            int cw = widths[static_cast<std::size_t>(c)];
            if (c == page.first && x + cw > areaRight) cw = areaRight - x;
            if (c > page.first && x + cw > areaRight) break;
            page.x.push_back(x);
            page.width.push_back(cw);
            x += cw;
        }
        page.last = c - 1;
        pages.push_back(std::move(page));
    }
    return pages;
}
