// grid_clipboard_test.cpp - clipboard text of grid cells: classes and block sizes, the copy's
// bytes, the paste walk at the grid's edges and the rules of pasted values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/grid_clipboard.hpp"

namespace {

struct CountCase {
    const char* text;
    int cls, rows, columns;
};

TEST(GridClipboard, ClassAndBlockSize) {
    const CountCase cases[] = {
        {"", 1, 1, 1},
        {"12.5", 1, 1, 1},
        {"a\tb", 2, 1, 2},
        {"a\tb\tc\r\nd\te\tf\r\n", 2, 2, 3},
        {"a\r\nb", 2, 2, 1},
        {"a\nb\tc\n", 2, 2, 2},          // bare LF ends lines too
        {"a\tb\r\n\r\nc", 2, 3, 2},      // an empty line is a row
        {"x\r\n", 2, 1, 1},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.text);
        int rows = 0, columns = 0;
        EXPECT_EQ(yygridclipclass(c.text), c.cls);
        yygridclipcount(c.text, rows, columns);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(columns, c.columns);
    }
}

TEST(GridClipboard, CopyWritesTheBytesOfTheBlock) {
    // Two rows of a text column (length 4), an integer column and a check-box column.
    const std::vector<int> widths = {4, 11, 3};
    const char* cells[2][3] = {{"abc", "12", "Yes"}, {"toolongtext", "", "No"}};
    const std::size_t bytes = yygridclipbytes(widths, 2);
    EXPECT_EQ(bytes, (18u + 3u + 1u) * 2u + 1u);
    std::vector<char> buffer(bytes, '#');
    std::size_t n = yygridclipwrite(buffer.data(), buffer.size(), widths, 2,
                                    [&](int r, int c) { return std::string_view(cells[r][c]); });
    // The over-long cell is cut to its column's width: nothing overruns the block.
    EXPECT_EQ(std::string(buffer.data(), n + 1), std::string("abc\t12\tYes\r\ntool\t\tNo\r\n\0", 23));
}

struct Stored {
    int row, column;
    std::string field;
    bool operator==(const Stored&) const = default;
};

std::vector<Stored> walk(std::string_view text, int row, int column, int rows, int columns) {
    std::vector<Stored> stored;
    yygridpastewalk(text, row, column, rows, columns,
                    [&](int r, int c, std::string_view f) { stored.push_back({r, c, std::string(f)}); });
    return stored;
}

TEST(GridClipboard, PasteWalkStopsAtTheGridsEdges) {
    // Three rows pasted one row above the last row in use (rows 0..9): two are written.
    EXPECT_EQ(walk("a\tb\r\nc\td\r\ne\tf\r\n", 8, 1, 10, 5),
              (std::vector<Stored>{{8, 1, "a"}, {8, 2, "b"}, {9, 1, "c"}, {9, 2, "d"}}));
    // Fields past the last column are dropped line by line.
    EXPECT_EQ(walk("1\t2\t3\n4\t5\t6", 0, 3, 10, 5),
              (std::vector<Stored>{{0, 3, "1"}, {0, 4, "2"}, {1, 3, "4"}, {1, 4, "5"}}));
    // Empty fields are fields; the line end closing the text opens no row.
    EXPECT_EQ(walk("\tx\r\n", 0, 0, 10, 5), (std::vector<Stored>{{0, 0, ""}, {0, 1, "x"}}));
    // A bare CR ends a line like CR LF.
    EXPECT_EQ(walk("p\rq", 0, 0, 10, 5), (std::vector<Stored>{{0, 0, "p"}, {1, 0, "q"}}));
}

TEST(GridClipboard, PasteWalkCutsAFieldAtTheWorkArea) {
    std::string text(40000, 'z');
    text += "\tend";
    auto stored = walk(text, 0, 0, 1, 2);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].field.size(), GridPasteFieldLength);
    EXPECT_EQ(stored[1].field, "end");
}

struct NumberCase {
    const char* field;
    int type;
    double low, high;
    bool accepted;
    double value;
    const char* text;
};

TEST(GridClipboard, PastedNumbers) {
    const NumberCase cases[] = {
        {"12.5", 1, 1000, -1000, true, 12.5, "12"},   // stored truncated as 12, shown as 12
        {"1e3", 1, 1000, -1000, false, 1000, "1e3"},  // an exponent is refused in an integer
        {"1d3", 2, 1000, -1000, true, 1000, "1E3"},   // D becomes E in a real
        {"abc", 1, 1000, -1000, false, 0, "abc"},
        {"150", 1, 0, 100, false, 150, "150"},
        {"100", 1, 0, 100, true, 100, "100"},
        {"2.5", 3, 0, 100, true, 2.5, "2.5"},
        {"   ", 3, 5, 10, true, 0, "   "},             // a blank field empties the cell, whatever the range
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.field);
        GridPastedNumber n = yygridpastenumber(c.field, c.type, c.low, c.high);
        EXPECT_EQ(n.accepted, c.accepted);
        if (c.accepted) {
            EXPECT_DOUBLE_EQ(n.value, c.value);
        }
        EXPECT_EQ(n.text, c.text);
    }
}

TEST(GridClipboard, PastedChecksAndMenus) {
    EXPECT_TRUE(yygridpastecheck("YES"));
    EXPECT_TRUE(yygridpastecheck("yes"));
    EXPECT_FALSE(yygridpastecheck("Yes "));
    EXPECT_FALSE(yygridpastecheck("No"));
    const std::vector<std::string> items = {"blue", "red", "green"};
    EXPECT_EQ(yygridmenuprefix(items, "re"), 1);
    EXPECT_EQ(yygridmenuprefix(items, "GR"), 2);
    EXPECT_EQ(yygridmenuprefix(items, "purple"), -1);
    EXPECT_EQ(yygridmenuprefix(items, "redder"), -1);
}

}  // namespace
