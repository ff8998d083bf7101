// grid_files_test_win.cpp - CSV files and HTML pages of a real grid field in a real dialog under
// Wine, through the public routines: the bytes written, the cells, labels, current cell and rows
// in use after a load, the case conversion of text columns and the reported errors.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_files.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid_fixture_win.hpp"
#include "scratch.hpp"

namespace {

// Concatenation by appending (GCC 12 takes an inlined operator+ for an overlapping copy).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (std::string_view part : parts) s.append(part);
    return s;
}

class GridFiles : public GridFixtureTest {
protected:
    void SetUp() override {
        GridFixtureTest::SetUp();
        WGridRows(GridId, 3);
    }
    std::string rowText(int row) {
        std::string s;
        for (int c = 0; c <= Note; ++c) s.append(c > 0 ? "|" : "").append(cell(c, row));
        return s;
    }
    std::string columnLabel(int item) {
        char text[256] = "";
        int f = GridId;
        yygridgetcolumnlabel(f, item, text, sizeof text);
        return text;
    }
    static void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    void fillSample() {
        putText(Name, 0, "say \"hi\"");
        WGridPutCellInteger(GridId, Count + 1, 1, 42);
        WGridPutCellReal(GridId, Level + 1, 1, 1.5f);
        WGridPutCellDouble(GridId, Depth + 1, 1, 2.25, "(F8.3)");
        int f = GridId;
        yygridputcellcheck(f, Valid, 0, 1);
        f = GridId;
        yygridputcelloption(f, Colour, 0, 3);
        putText(Note, 0, "a, b");
        f = GridId;
        yygridputcelloption(f, Colour, 1, 1);
        f = GridId;
        yygridputcelloption(f, Colour, 2, 1);
    }

    ScratchFolder scratch;
};

TEST_F(GridFiles, SaveWritesEveryColumnTypeWithLabels) {
    fillSample();
    WInfoError(1);
    WGridSave(GridId, "  grid.csv  ", std::nullopt, std::nullopt, std::nullopt, 2, 2);
    EXPECT_EQ(WInfoError(1), 0);
    std::string labels;
    for (int item = 0; item <= Note + 1; ++item) labels += joined({"\"", columnLabel(item), item <= Note ? "\"," : "\"\r\n"});
    EXPECT_EQ(readWholeFile("grid.csv"), labels +
                                             "\"Station 1\",\"say \"\"hi\"\"\",42,\"1.50\",\"2.250\",Yes,\"green\",\"a, b\"\r\n"
                                             "\"Station 2\",\"\",,\"\",\"\",No,\"blue\",\"\"\r\n");
    WGridSave(GridId, "block.csv", 2, 3, 1, 1, 4 | 1);
    EXPECT_EQ(readWholeFile("block.csv"), "42,1.50\r\n");
    WGridSave(GridId, "undefined.csv", 2, 4, 2, 2, 4);
    EXPECT_EQ(readWholeFile("undefined.csv"), "-999,\"-999.00\",\"-999.000\"\r\n");
}

TEST_F(GridFiles, LoadStoresCellsLabelsAndTheCurrentCell) {
    WGridPutCellDouble(GridId, Depth + 1, 3, 0.0, "(F8.3)");
    yygridupdatecell(grid, Name, 0, 1, 0);
    ASSERT_NE(g->hEditor, nullptr);
    writeFile("in.csv",
              "\"Corner\",\"N\",\"C\",\"L\",\"D\",\"V\",\"M\",\"T\"\r\n"
              "\"R1\",\"x \"\"q\"\"\",7,\"0.5\",1e2,yes,BLUE,\"n1\"\r\n"
              "\"R2\",plain,,-3,,No,green\n"
              "\"R3\",last,100,,,YES,red,\"no LF\"");
    WInfoError(1);
    WGridLoad(GridId, "in.csv", std::nullopt, 2);
    EXPECT_EQ(WInfoError(1), 10);  // the empty integer of R2
    EXPECT_EQ(rowText(0), "x \"q\"|7|0.50|100.000|Yes|blue|n1");
    EXPECT_EQ(rowText(1), "plain||-3.00||No|green|");
    EXPECT_EQ(rowText(2), "last|100|||Yes|red|no LF");
    EXPECT_EQ(label(0), "R1");
    EXPECT_EQ(label(2), "R3");
    EXPECT_EQ(columnLabel(0), "Corner");
    EXPECT_EQ(columnLabel(1), "N");
    EXPECT_EQ(columnLabel(7), "T");
    EXPECT_EQ(bCellUpdate, 1);
    char editor[64] = "";
    GetWindowTextA(g->hEditor, editor, sizeof editor);
    EXPECT_STREQ(editor, "x \"q\"");
}

// A load or save takes the columns' field records once; they stand for the lookups while the
// columns keep their controls and no record is attached or freed.
TEST_F(GridFiles, TakenColumnRecordsHoldUntilAFieldRecordChanges) {
    HWND control = g->pColumns[Depth].hControl;
    ASSERT_NE(control, nullptr);
    FieldRecord* original = yyfieldrecord(control);
    ASSERT_NE(original, nullptr);
    GridColumnRecords taken(grid);
    FieldRecord* found = nullptr;
    ASSERT_TRUE(taken.find(control, found));
    EXPECT_EQ(found, original);
    EXPECT_FALSE(taken.find(grid, found));  // no column's control
    // A format given while they are taken changes the column's own record: the cells show it.
    WGridPutCellDouble(GridId, Depth + 1, 1, 2.25, "(F8.1)");
    EXPECT_EQ(cell(Depth, 0), "2.3");
    char format[64] = "";
    int f = GridId;
    yygridgetformat(f, Depth, format, sizeof format);
    EXPECT_STREQ(format, "(F8.1)");
    // After a field record is attached or freed, the records are taken anew.
    FieldRecord other{};
    yyattachfieldrecord(control, &other);
    ASSERT_TRUE(taken.find(control, found));
    EXPECT_EQ(found, &other);
    yyattachfieldrecord(control, original);
    ASSERT_TRUE(taken.find(control, found));
    EXPECT_EQ(found, original);
}

TEST_F(GridFiles, LoadGrowsTheRowsInUseOnlyWithGrowth) {
    std::string file;
    for (int i = 1; i <= 15; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "t%d,%d\r\n", i, i);
        file += line;
    }
    writeFile("rows.csv", file);
    WGridRows(GridId, 10);
    WInfoError(1);
    WGridLoad(GridId, "rows.csv");
    EXPECT_EQ(WInfoError(1), 1054);
    EXPECT_EQ(g->nRows, 10);
    EXPECT_EQ(cell(Name, 9), "t10");
    WGridLoad(GridId, "rows.csv", 1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(g->nRows, 15);
    EXPECT_EQ(cell(Name, 14), "t15");
    EXPECT_EQ(cell(Count, 14), "15");
    writeFile("many.csv", file + file);
    WGridLoad(GridId, "many.csv", 1);
    EXPECT_EQ(WInfoError(1), 1054);
    EXPECT_EQ(g->nRows, 20);
    EXPECT_EQ(cell(Name, 19), "t5");
}

// What a load leaves on screen: the vertical scroll bar and the pixels of the cell area.
struct GridScreen {
    SCROLLINFO scroll{};
    std::vector<COLORREF> pixels;
    bool operator==(const GridScreen& o) const {
        return scroll.nMin == o.scroll.nMin && scroll.nMax == o.scroll.nMax && scroll.nPage == o.scroll.nPage &&
               scroll.nPos == o.scroll.nPos && pixels == o.pixels;
    }
};

GridScreen screenOf(HWND grid, HWND cells) {
    GridScreen s;
    s.scroll.cbSize = sizeof s.scroll;
    s.scroll.fMask = SIF_ALL;
    GetScrollInfo(grid, SB_VERT, &s.scroll);
    RECT area;
    GetClientRect(cells, &area);
    HDC dc = GetDC(cells);
    for (int y = 0; y < area.bottom; y += 2)
        for (int x = 0; x < area.right; x += 2) s.pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(cells, dc);
    return s;
}

TEST_F(GridFiles, AGrowingLoadEndsAsALoadIntoRowsInUse) {
    // The rows a growing load adds one at a time get their scroll bar and repaint once, at the end;
    // the end must be what a load into rows already in use leaves: cells, rows, flags and screen.
    const int rows = g->nRowsAllocated;
    ASSERT_GT(rows, g->nRowsFit);  // the scroll bar has work to do
    std::string file;
    for (int i = 1; i <= rows; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "row %d,%d,%d.5,%d.25\r\n", i, i * 3, i, i);
        file += line;
    }
    writeFile("rows.csv", file);
    WGridRows(GridId, rows);
    WInfoError(1);
    WGridLoad(GridId, "rows.csv");
    ASSERT_EQ(WInfoError(1), 0);
    const GridScreen inUse = screenOf(grid, g->hCells);
    std::vector<std::string> cellsInUse;
    for (int r = 0; r < rows; ++r) cellsInUse.push_back(rowText(r));
    EXPECT_EQ(inUse.scroll.nMax, rows - 1);
    EXPECT_EQ(static_cast<int>(inUse.scroll.nPage), g->nRowsFit);

    // Down to one row (the screen shows it), a selection, the flags cleared; then grow it back.
    WGridRows(GridId, 1);
    ASSERT_FALSE(screenOf(grid, g->hCells) == inUse);
    int f = GridId;
    yygridsetselection(f, 0, 0, 1, 0);
    ASSERT_EQ(g->iSelFirstRow, 0);
    g->bUnsaved = g->bModified = 0;
    WGridLoad(GridId, "rows.csv", 1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(g->nRows, rows);
    EXPECT_EQ(g->iSelFirstRow, -1);
    EXPECT_EQ(g->bUnsaved, 1);
    EXPECT_EQ(g->bModified, 1);
    for (int r = 0; r < rows; ++r) EXPECT_EQ(rowText(r), cellsInUse[static_cast<std::size_t>(r)]) << "row " << r;
    EXPECT_TRUE(screenOf(grid, g->hCells) == inUse);
}

TEST_F(GridFiles, LoadNotesOutOfRangeAndUnmatchedMenusAndConvertsCase) {
    putText(Name, 0, "old");
    WGridPutCellInteger(GridId, Count + 1, 1, 5);
    SetWindowLongA(g->pColumns[Name].hControl, GWL_STYLE, GetWindowLongA(g->pColumns[Name].hControl, GWL_STYLE) | ES_UPPERCASE);
    SetWindowLongA(g->pColumns[Note].hControl, GWL_STYLE, GetWindowLongA(g->pColumns[Note].hControl, GWL_STYLE) | ES_LOWERCASE);
    writeFile("range.csv", "mixed Case,500,,,,purple,MiXeD\r\n");
    WInfoError(1);
    WGridLoad(GridId, "range.csv");
    EXPECT_EQ(WInfoError(1), 1009);
    EXPECT_EQ(rowText(0), "MIXED CASE|5|||No|blue|mixed");  // the first item

    int f = GridId, conversion = -1;
    yygridgetcase(f, Name, conversion);
    EXPECT_EQ(conversion, 1);
    f = GridId;
    yygridgetcase(f, Note, conversion);
    EXPECT_EQ(conversion, 2);
    f = GridId;
    yygridgetcase(f, Count, conversion);
    EXPECT_EQ(conversion, 0);
    f = GridId;
    yygridgetcase(f, 99, conversion);
    EXPECT_EQ(f, -2);
    f = 1001;
    yygridgetcase(f, 0, conversion);
    EXPECT_EQ(f, -1);
}

TEST_F(GridFiles, SavedFilesLoadBackIntoTheGrid) {
    fillSample();
    putText(Name, 2, std::string(20, 'z'));
    WGridSave(GridId, "round.csv", std::nullopt, std::nullopt, std::nullopt, std::nullopt, 2);
    const std::string before[] = {rowText(0), rowText(1), rowText(2)};
    int f = GridId;
    yyGridClear(grid, 0);
    for (int r = 0; r < 3; ++r) {
        f = GridId;
        yygridlabelrow(f, r, "", 0);
    }
    WInfoError(1);
    WGridLoad(GridId, "round.csv", std::nullopt, 2);
    EXPECT_EQ(WInfoError(1), 10);  // the empty integers
    for (int r = 0; r < 3; ++r) EXPECT_EQ(rowText(r), before[r]) << r;
    EXPECT_EQ(label(1), "Station 2");
}

TEST_F(GridFiles, HtmlPageOfTheGrid) {
    fillSample();
    putText(Name, 1, "<b>&</b>");
    int f = GridId;
    yygridcolourcell(f, Count, 0, 0, 0, 255, -1, -1, -1);
    f = GridId;
    yygridcolourcell(f, Level, 0, -1, -1, -1, 255, 255, 0);
    WInfoError(1);
    WGridSaveHTML(GridId, "grid.html", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                  std::string_view("Grid"), 1, 0xFF0000);
    EXPECT_EQ(WInfoError(1), 0);
    const std::string page = readWholeFile("grid.html");
    auto has = [&](const std::string& lines) { return page.find(lines) != std::string::npos; };
    EXPECT_TRUE(page.rfind(joined({"<html>\r\n<head>\r\n<title>Grid</title>\r\n</head>\r\n<body bgcolor=#0000ff>\r\n"
                                   "<h2>Grid</h2>\r\n<table border=1 cellpadding=5>\r\n<tr>\r\n<td></td>\r\n"
                                   "<td align=center>\r\n",
                                   columnLabel(1), "\r\n</td>\r\n"}),
                           0) == 0)
        << page.substr(0, 300);
    EXPECT_TRUE(has("<td align=left>\r\nStation 1\r\n</td>\r\n<td align=left>\r\nsay &quot;hi&quot;\r\n</td>\r\n"
                    "<td align=right>\r\n<font color=#0000ff>\r\n42\r\n</font>\r\n</td>\r\n"
                    "<td align=right bgcolor=#ffff00>\r\n1.50\r\n</td>\r\n"))
        << page;
    EXPECT_TRUE(has("<td align=center>\r\n<font face=\"Symbol\">&middot;</font>\r\n</td>\r\n<td align=left>\r\ngreen\r\n</td>"));
    EXPECT_TRUE(has("<td align=left>\r\n&lt;b&gt;&amp;&lt;/b&gt;\r\n</td>"));
    EXPECT_TRUE(has("</tr>\r\n</table>\r\n</body>\r\n</html>\r\n"));

    WGridSaveHTML(GridId, "bare.html", 2, 2, 1, 1, 1 | 4 | 8);
    EXPECT_EQ(readWholeFile("bare.html"),
              joined({"<table border=0 cellpadding=5>\r\n<tr>\r\n<td></td>\r\n<td align=center>\r\n", columnLabel(2),
                      "\r\n</td>\r\n</tr>\r\n<tr>\r\n<td align=left>\r\nStation 1\r\n</td>\r\n"
                      "<td align=right>\r\n42\r\n</td>\r\n</tr>\r\n</table>\r\n"}));
}

TEST_F(GridFiles, ErrorsOfTheRoutines) {
    struct Case {
        const char* name;
        void (*call)();
        int error;
    } cases[] = {
        {"save, no grid", [] { WGridSave(1001, "x.csv"); }, 1006},
        {"load, no grid", [] { WGridLoad(999, "x.csv"); }, 1006},
        {"page, no grid", [] { WGridSaveHTML(0, "x.html"); }, 1006},
        {"load, missing file", [] { WGridLoad(GridId, "missing.csv"); }, 1},
        {"save, blank name", [] { WGridSave(GridId, "   "); }, 1},
        {"page, no folder", [] { WGridSaveHTML(GridId, "none\\x.html"); }, 1},
    };
    for (const Case& c : cases) {
        WInfoError(1);
        c.call();
        EXPECT_EQ(WInfoError(1), c.error) << c.name;
    }
    EXPECT_EQ(GetFileAttributesA("x.csv"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA("x.html"), INVALID_FILE_ATTRIBUTES);
    WDialogUnload();
    for (auto call : {+[] { WGridSave(GridId, "x.csv"); }, +[] { WGridLoad(GridId, "x.csv"); },
                      +[] { WGridSaveHTML(GridId, "x.html"); }}) {
        WInfoError(1);
        call();
        EXPECT_EQ(WInfoError(1), 1005);
    }
}

}  // namespace
