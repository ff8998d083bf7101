// grid_model_test.cpp - cell storage and flags, stored cells as text, colours, the scroll
// divisor, column fitting, cell geometry and the wheel.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "grid/grid_geometry.hpp"
#include "grid/grid_records.hpp"

namespace {

struct Column {
    GridColumnRecord record;
    Column(int type, int length, int rows) {
        record.iType = type;
        record.nMaxLength = length;
        EXPECT_TRUE(yygridallocatecells(record, rows));
    }
    ~Column() { yygridfreecells(record); }
};

std::string text(const GridColumnRecord& c, int row, const char* format = nullptr, std::size_t size = 100) {
    std::vector<char> buffer(size, '#');
    std::size_t n = yygridstoredtext(c, row, format, false, buffer.data(), buffer.size());
    EXPECT_EQ(buffer[n], '\0');
    return std::string(buffer.data(), n);
}

TEST(GridCells, NumbersWithoutTheValueBitReadEmpty) {
    Column integer(GridInteger, 11, 3);
    yygridstorenumber(integer.record, 1, 1.9);
    EXPECT_EQ(yygridcellint(integer.record, 1), 1);  // truncated toward zero
    EXPECT_EQ(text(integer.record, 1), "");
    yygridsetvalueflags(integer.record, 1, true, true);
    EXPECT_EQ(text(integer.record, 1), "1");
    integer.record.pCellFlags[1] |= CellReadOnly;
    yygridemptycell(integer.record, 1);
    EXPECT_EQ(integer.record.pCellFlags[1], CellReadOnly);  // emptied, still read-only
    EXPECT_EQ(yygridcellint(integer.record, 1), 0);
}

TEST(GridCells, RealsFollowTheColumnFormat) {
    Column real(GridReal, 0, 2);
    yygridstorenumber(real.record, 0, 2.5);
    yygridsetvalueflags(real.record, 0, true, true);
    EXPECT_EQ(text(real.record, 0, "(F8.2)"), "2.50");
    Column dbl(GridDouble, 0, 2);
    yygridstorenumber(dbl.record, 1, 0.1);
    yygridsetvalueflags(dbl.record, 1, true, true);
    EXPECT_DOUBLE_EQ(yygridcelldouble(dbl.record, 1), 0.1);
    EXPECT_FALSE(text(dbl.record, 1).empty());
}

TEST(GridCells, CheckBoxesKeepTheirNumber) {
    Column check(GridCheckBox, 0, 2);
    yygridcellint(check.record, 0) = 5;
    EXPECT_EQ(text(check.record, 0), "Yes");
    EXPECT_EQ(text(check.record, 1), "No");
    char symbol[4] = "";
    yygridstoredtext(check.record, 0, nullptr, true, symbol, sizeof symbol);
    EXPECT_EQ(static_cast<unsigned char>(symbol[0]), 0xFC);
}

TEST(GridCells, LongTextIsBoundedByTheReadersBuffer) {
    // A text column longer than the painting and printing buffers.
    Column longText(GridText, 40000, 1);
    std::string big(40000, 'q');
    yygridstoretext(longText.record, 0, big.c_str(), big.size());
    EXPECT_EQ(std::strlen(yygridcelltext(longText.record, 0)), 40000u);
    std::string read = text(longText.record, 0, nullptr, GridTextBufferSize);
    EXPECT_EQ(read.size(), static_cast<std::size_t>(GridTextBufferSize - 1));
    // Stored texts are cut to the column's length.
    Column shortText(GridText, 4, 1);
    yygridstoretext(shortText.record, 0, "abcdefg", 100);
    EXPECT_EQ(text(shortText.record, 0), "abcd");
}

TEST(GridCells, Colours) {
    Column c(GridText, 10, 3);
    ASSERT_TRUE(yygridcreatecolours(c.record, 3, 0x0000FF, -1));
    EXPECT_EQ(yygridcellcolour(c.record.pCellColours[2], 1), 0x0000FF);
    EXPECT_EQ(yygridcellcolour(c.record.pCellColours[2], 2), -1);
    yygridsetcellcolour(c.record.pCellColours[1], 2, 0, 128, 255);
    yygridsetcellcolour(c.record.pCellColours[1], 1, 256, 0, 0);   // back to the default
    yygridsetcellcolour(c.record.pCellColours[1], 2, -1, 9, 9);     // left as it is
    EXPECT_EQ(yygridcellcolour(c.record.pCellColours[1], 1), -1);
    EXPECT_EQ(yygridcellcolour(c.record.pCellColours[1], 2), 0xFF8000);
}

TEST(GridCells, Ranges) {
    EXPECT_TRUE(yygridinrange(1000.0, -1000.0, 1e9));  // the default pair is no range
    EXPECT_TRUE(yygridinrange(0, 100, 100));
    EXPECT_FALSE(yygridinrange(0, 100, 150));
    EXPECT_EQ(yypackcell(0, 0), 0x40001);
}

TEST(GridGeometry, ScrollDivisor) {
    const int cases[][3] = {{65536, 1, 65536}, {65537, 2, 32768}, {100000, 2, 50000}, {300000, 8, 37500}, {10, 1, 10}};
    for (const auto& c : cases) {
        int units = 0;
        EXPECT_EQ(yygridscrolldivisor(c[0], units), c[1]) << c[0];
        EXPECT_EQ(units, c[2]) << c[0];
    }
}

// A grid of columns 51, 41, 61, 31 pixels wide, rows 21 pixels high.
struct Fixture {
    std::vector<GridColumnRecord> columns;
    GridControlRecord g;
    Fixture() {
        for (int w : {51, 41, 61, 31}) {
            GridColumnRecord c;
            c.cxWidth = w;
            columns.push_back(c);
        }
        g.pColumns = columns.data();
        g.nColumns = 4;
        g.cyRow = 21;
        g.nRows = 100;
        g.nRowsAllocated = 100;
        g.nRowsFit = 5;
        g.nRowSlots = g.nRowSlotsShown = 6;
    }
};

TEST(GridGeometry, ColumnsThatFit) {
    Fixture f;
    // All fit in 1 + 50 + 40 + 60 + 30 = 181 pixels.
    EXPECT_EQ(yygridlayoutcolumns(f.g, 181), 4);
    EXPECT_EQ(f.g.iMaxFirstColumn, 0);
    EXPECT_EQ(f.g.iLastColumn, 3);
    // In 120 pixels the last two fit at the end (91), the first two from the start.
    EXPECT_EQ(yygridlayoutcolumns(f.g, 120), 2);
    EXPECT_EQ(f.g.iMaxFirstColumn, 2);
    EXPECT_EQ(f.g.iLastColumn, 1);
    EXPECT_EQ(yygridfirstcolumnending(f.g, 3, 120), 2);
    f.g.iFirstColumn = 2;
    EXPECT_EQ(yygridcolumnsleft(f.g, 120), 2);
    EXPECT_EQ(yygridhorizontalamount(f.g, ScrollLineDown, 0, 120), 0);  // already at the last first column
    EXPECT_EQ(yygridcolumndistance(f.g, 0, 2), 90);
}

TEST(GridGeometry, CellsAndSelection) {
    Fixture f;
    yygridlayoutcolumns(f.g, 120);
    GridRect r;
    ASSERT_TRUE(yygridcellrect(f.g, 1, 2, 1000, r));
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.right, 90);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.bottom, 60);
    EXPECT_FALSE(yygridcellrect(f.g, 3, 2, 1000, r));  // beyond the partly visible column
    EXPECT_FALSE(yygridcellrect(f.g, 0, 6, 1000, r));  // below the row positions
    int column = -1, row = -1;
    EXPECT_TRUE(yygridhittest(f.g, 50, 20, column, row));  // on the lines: the next cell
    EXPECT_EQ(column, 1);
    EXPECT_EQ(row, 1);
    f.g.iSelFirstRow = 1;
    f.g.iSelLastRow = 200;
    f.g.iSelFirstColumn = 1;
    f.g.iSelLastColumn = 3;
    ASSERT_TRUE(yygridselectionrect(f.g, 110, r));
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.right, 150);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.bottom, 110);
    f.g.iSelFirstRow = 6;
    f.g.iSelLastRow = 7;
    EXPECT_FALSE(yygridselectionrect(f.g, 110, r));
}

TEST(GridGeometry, VerticalAmounts) {
    Fixture f;
    f.g.nRows = 100000;
    f.g.nScrollDivisor = 2;
    EXPECT_EQ(yygridverticalamount(f.g, ScrollThumbTrack, 300), 600);  // position p shows row 2p
    f.g.iFirstRow = 93;
    EXPECT_EQ(yygridverticalamount(f.g, ScrollPageDown, 0), 5);
    f.g.iFirstRow = 99995;
    EXPECT_EQ(yygridverticalamount(f.g, ScrollPageDown, 0), 0);  // the last row is at the bottom
    EXPECT_EQ(yygridverticalamount(f.g, ScrollPageUp, 0), -5);
    f.g.iScrollTarget = 12;
    EXPECT_EQ(yygridverticalamount(f.g, ScrollThumbTrack, 0), 12 - 99995);
    EXPECT_EQ(f.g.iScrollTarget, 0);
    f.g.iFirstRow = 0;
    f.g.nRows = 3;  // fewer rows than fit: no downward scroll at all
    EXPECT_EQ(yygridverticalamount(f.g, ScrollLineDown, 0), 0);
}

TEST(GridGeometry, Wheel) {
    Fixture f;
    EXPECT_EQ(yygridwheellines(f.g, -40), 0);
    EXPECT_EQ(yygridwheellines(f.g, -40), 0);
    EXPECT_EQ(yygridwheellines(f.g, -40), 1);  // three notches of 40: one line down
    EXPECT_EQ(yygridwheellines(f.g, 120), -1);
    EXPECT_EQ(yygridwheellines(f.g, 250), -2);
    EXPECT_EQ(f.g.iWheelDelta, 10);
}

TEST(GridGeometry, TrackedWidths) {
    EXPECT_EQ(yygridtrackedwidth(5, 0, 500), 14);
    EXPECT_EQ(yygridtrackedwidth(5, 17, 500), 31);
    EXPECT_EQ(yygridtrackedwidth(900, 0, 500), 500);
    EXPECT_EQ(yygridtrackedwidth(40, 0, 500), 41);
}

}  // namespace
