// grid_operations_test_win.cpp - sorting, row counts, insertion, deletion, finding and the grid
// facts on a real grid field in a real dialog under Wine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid_fixture_win.hpp"

namespace {

Column Next(int column) { return static_cast<Column>((column + 1) % 7); }

class GridOperations : public GridFixtureTest {
protected:
    std::string column(int c, int rows) {
        std::string s;
        for (int r = 0; r < rows; ++r) s += (cell(c, r).empty() ? std::string("_") : cell(c, r)) + ",";
        return s;
    }
    int info(int code) {
        int f = GridId, value = -99;
        yygridgetinfo(f, code, value);
        return value;
    }
    bool readOnly(int c, int r) const { return (g->pColumns[c].pCellFlags[r] & CellReadOnly) != 0; }
    static void pump() {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    }
};

TEST_F(GridOperations, SortMovesWholeRowsWithTheEditorLabelsAndNumberFlags) {
    const char* names[] = {"e", "b", "h", "c", "j", "a", "g", "d", "i", "f"};
    const int counts[] = {5, 2, 8, 3, 10, 1, 7, 4, 9, 6};
    WGridRows(GridId, 10);
    for (int r = 0; r < 10; ++r) {
        putText(Name, r, names[r]);
        WGridPutCellInteger(GridId, Count + 1, r + 1, counts[r]);
    }
    int f = GridId;
    yygridcellstate(f, Name, 0, 0);   // read-only text cell at row 0 ("e")
    f = GridId;
    yygridcellstate(f, Count, 0, 0);  // read-only number cell at row 0 (5)
    yygridupdatecell(grid, Name, 1, 1, 0);
    pump();
    ASSERT_NE(g->hEditor, nullptr);
    g->bModified = g->bUnsaved = 0;

    WInfoError(1);
    WGridSort(GridId, Name + 1, 4);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(column(Name, 10), "a,b,c,d,e,f,g,h,i,j,");
    EXPECT_EQ(column(Count, 10), "1,2,3,4,5,6,7,8,9,10,");
    EXPECT_EQ(label(4), "Station 1");  // "e" came from row 0 with its label
    EXPECT_EQ(label(0), "Station 6");
    EXPECT_TRUE(readOnly(Name, 0));    // the text cell's bit stays with the position
    EXPECT_FALSE(readOnly(Name, 4));
    EXPECT_TRUE(readOnly(Count, 4));   // the number's bit travels with 5
    EXPECT_FALSE(readOnly(Count, 0));
    char editor[32] = "";
    GetWindowTextA(g->hEditor, editor, sizeof editor);
    EXPECT_STREQ(editor, "b");
    EXPECT_EQ(info(6), 0);
    EXPECT_EQ(info(7), 1);

    // Sorting what is in order exchanges nothing and changes no flag.
    g->bModified = g->bUnsaved = 0;
    WGridSort(GridId, Name + 1);
    EXPECT_EQ(g->bModified, 0);

    // Descending on the numbers, labels staying in place.
    WGridSort(GridId, Count + 1, 1);
    EXPECT_EQ(column(Name, 10), "j,i,h,g,f,e,d,c,b,a,");
    EXPECT_EQ(label(0), "Station 6");
    GetWindowTextA(g->hEditor, editor, sizeof editor);
    EXPECT_STREQ(editor, "i");

    // Ignoring case: abc before ABD; with case, ABD first. An empty cell is last both ways.
    putText(Name, 0, "abc");
    putText(Name, 1, "ABD");
    putText(Name, 2, "");
    WGridSort(GridId, Name + 1, 2, 1, 3);
    EXPECT_EQ(column(Name, 3), "abc,ABD,_,");
    WGridSort(GridId, Name + 1, 0, 1, 3);
    EXPECT_EQ(column(Name, 3), "ABD,abc,_,");
    WGridSort(GridId, Name + 1, 1, 1, 3);
    EXPECT_EQ(column(Name, 3), "abc,ABD,_,");
}

TEST_F(GridOperations, SortRefusesColumnsAndRowsOutsideTheGrid) {
    WGridRows(GridId, 10);
    for (int r = 0; r < 10; ++r) putText(Name, r, std::string(1, static_cast<char>('j' - r)));
    const std::string before = column(Name, 10);
    struct Case {
        int column, first, last, error;
    } cases[] = {{0, 1, 10, 1017}, {8, 1, 10, 1017}, {1, 0, 10, 1017}, {1, 1, 11, 1017}, {1, 11, 12, 1017}, {1, 1, 20, 1017}};
    for (const Case& c : cases) {
        WInfoError(1);
        WGridSort(GridId, c.column, 0, c.first, c.last);
        EXPECT_EQ(WInfoError(1), c.error) << c.column << " " << c.first << ".." << c.last;
        EXPECT_EQ(column(Name, 10), before);
    }
    WInfoError(1);
    WGridSort(999, 1);
    EXPECT_EQ(WInfoError(1), 1006);
    WGridSort(0, 1);  // no grid window: field 0 names no grid
    EXPECT_EQ(WInfoError(1), 1006);
    WDialogUnload();
    WGridSort(GridId, 1);
    EXPECT_EQ(WInfoError(1), 1005);
}

TEST_F(GridOperations, RowsInUseAreBoundedByTheAllocatedRows) {
    WInfoError(1);
    WGridRows(GridId, 21);
    EXPECT_EQ(WInfoError(1), 1018);
    EXPECT_EQ(info(3), 20);
    WGridRows(GridId, 0);
    EXPECT_EQ(WInfoError(1), 1018);
    EXPECT_EQ(info(3), 20);
    // Fewer rows than the current row: the current cell moves to the last row in use.
    yygridupdatecell(grid, Count, 15, 0, 0);
    WGridRows(GridId, 5);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(info(3), 5);
    EXPECT_EQ(info(5), 5);
    EXPECT_EQ(info(4), Count + 1);
    EXPECT_EQ(info(9), 1);
    WGridRows(999, 5);
    EXPECT_EQ(WInfoError(1), 1006);
}

TEST_F(GridOperations, InsertionAndDeletionMoveCellsStatesAndLabels) {
    auto reset = [&] {
        WGridRows(GridId, 5);
        for (int r = 0; r < 7; ++r) {
            int f = GridId;
            yygridlabelrow(f, r, "", 0);
        }
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int r = 0; r < 5; ++r) {
            putText(Name, r, names[r]);
            WGridPutCellInteger(GridId, Count + 1, r + 1, r + 1);
            int f = GridId;
            yygridputcelloption(f, Colour, r, 3);
            f = GridId;
            yygridlabelrow(f, r, names[r], 1);
        }
    };
    reset();
    WInfoError(1);
    WGridInsertRows(GridId, 3, 2);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(column(Name, 5), "A,B,_,_,C,");
    EXPECT_EQ(column(Count, 5), "1,2,_,_,3,");
    int item = 0, f = GridId;
    yygridgetcellmenu(f, Colour, 2, item);
    EXPECT_EQ(item, 1);  // a new row's menu shows the first item
    EXPECT_EQ(label(4), "E");  // labels stay without the labels switch

    reset();
    WGridInsertRows(GridId, 3, 2, 1, 1);
    EXPECT_EQ(info(3), 7);
    EXPECT_EQ(column(Name, 7), "A,B,_,_,C,D,E,");
    EXPECT_EQ(label(4), "C");
    EXPECT_EQ(label(2), "");

    reset();
    WGridInsertRows(GridId, 1, 0);  // a count below 1 counts as 1
    EXPECT_EQ(column(Name, 5), "_,A,B,C,D,");

    reset();
    WGridDeleteRows(GridId, 2, 2);
    EXPECT_EQ(column(Name, 5), "A,D,E,_,_,");
    EXPECT_EQ(column(Count, 5), "1,4,5,_,_,");
    reset();
    WGridDeleteRows(GridId, 2, 2, 1, 1);
    EXPECT_EQ(info(3), 3);
    EXPECT_EQ(column(Name, 3), "A,D,E,");
    EXPECT_EQ(label(1), "D");
    reset();
    WGridDeleteRows(GridId, 4, 10);
    EXPECT_EQ(column(Name, 5), "A,B,C,_,_,");
    reset();
    WGridDeleteRows(GridId, 2, -4);
    EXPECT_EQ(column(Name, 5), "A,C,D,E,_,");
    reset();
    WInfoError(1);
    WGridDeleteRows(GridId, 1, 5, 1);
    EXPECT_EQ(WInfoError(1), 1018);
    EXPECT_EQ(info(3), 5);

    // A read-only state moves with its content; the received content keeps nothing of its own.
    reset();
    f = GridId;
    yygridcellstate(f, Name, 2, 0);
    WGridInsertRows(GridId, 1, 1);
    EXPECT_TRUE(readOnly(Name, 3));
    EXPECT_FALSE(readOnly(Name, 2));

    WInfoError(1);
    WGridInsertRows(GridId, 6);
    EXPECT_EQ(WInfoError(1), 1017);
    WGridDeleteRows(GridId, 0);
    EXPECT_EQ(WInfoError(1), 1017);
}

TEST_F(GridOperations, FindWalksColumnByColumnAndFocusesTheCell) {
    WGridRows(GridId, 10);
    putText(Name, 4, "box");
    putText(Note, 0, "xylophone");
    putText(Note, 7, "TaXi");
    int f = GridId;
    yygridputcellstring(f, Count, 2, 312, "312", nullptr, 4, 0);  // beyond the column's range of 0..100
    int found = -1;
    WInfoError(1);
    WGridFind(GridId, "x", 0, &found);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(info(4), Name + 1);
    EXPECT_EQ(info(5), 5);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == grid || IsChild(grid, focus));  // the found cell has the focus
    WGridFind(GridId, "x", 1, &found);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(info(4), Note + 1);
    EXPECT_EQ(info(5), 1);
    WGridFind(GridId, "x", 1, &found);  // "TaXi" needs ignoring case
    EXPECT_EQ(found, 0);
    EXPECT_EQ(info(5), 1);
    WGridFind(GridId, "x", 3, &found);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(info(5), 8);

    putText(Name, 8, "abcd");
    putText(Name, 9, "xabc");
    WGridFind(GridId, "abc ", 0, &found);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(info(5), 10);

    WGridFind(GridId, "12", 0, &found);
    EXPECT_EQ(found, 0);
    WGridFind(GridId, "12", 4, &found);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(info(4), Count + 1);
    EXPECT_EQ(info(5), 3);

    // A block: columns 2..7 and rows 1..2 hold nothing of "box".
    WGridFind(GridId, "box", 0, &found, 2, 99, 1, 2);
    EXPECT_EQ(found, 0);
    WGridFind(999, "x", 0, &found);
    EXPECT_EQ(WInfoError(1), 1006);
}

TEST_F(GridOperations, GridFactsFollowTheirCodes) {
    EXPECT_EQ(info(1), 7);
    EXPECT_EQ(info(2), 20);
    EXPECT_EQ(info(3), 20);
    EXPECT_EQ(info(10), 0);  // no selection
    EXPECT_EQ(info(13), 0);
    EXPECT_EQ(info(14), 0);  // a dialog's grid has no find options
    EXPECT_EQ(info(16), 7);
    EXPECT_EQ(info(0), -99);
    EXPECT_EQ(info(17), -99);
    int f = GridId;
    yygridsetselection(f, 1, 2, 3, 4);
    EXPECT_EQ(f, GridId);
    EXPECT_EQ(info(10), 2);
    EXPECT_EQ(info(11), 3);
    EXPECT_EQ(info(12), 4);
    EXPECT_EQ(info(13), 5);
    f = GridId;
    yygridsetselection(f, 1, 2, 3, 20);
    EXPECT_EQ(f, -2);
    f = GridId;
    yygridclearselection(f);
    EXPECT_EQ(info(10), 0);
    // Field 0 finds no grid while no grid window exists.
    int value = -99;
    f = 0;
    yygridgetinfo(f, 1, value);
    EXPECT_EQ(f, -1);
    EXPECT_EQ(value, -99);
    int status = -1;
    yygridfindstring(status, "x");
    EXPECT_EQ(status, 1006);
    yygridfindflags(2, status);
    EXPECT_EQ(status, 1006);
    // The last modal grid window reads as zeros before one closed.
    f = -2;
    yygridgetinfo(f, 6, value);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(f, -2);
    yygridgetinfo(f, 14, value);
    EXPECT_EQ(value, 2);
}

TEST_F(GridOperations, RedefiningRebuildsTheColumnsFromTheRowTemplate) {
    WGridRows(GridId, 12);
    putText(Name, 3, "kept?");
    const int positions[] = {7, 1, 2};
    const int widths[] = {-1};
    int f = GridId;
    yygridredefine(f, 3, positions, widths);
    EXPECT_EQ(f, GridId);
    EXPECT_EQ(info(1), 3);
    EXPECT_EQ(info(3), 12);
    EXPECT_EQ(label(3), "Station 4");
    int type = 0;
    f = GridId;
    yygridcelltype(f, 2, type);
    EXPECT_EQ(type, 5);
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(info(4), 1);
    EXPECT_EQ(info(5), 1);
    putText(0, 2, "note");
    EXPECT_EQ(cell(0, 2), "note");
    // Another control of the dialog is no grid: nothing changes.
    f = 1001;
    yygridredefine(f, 1, positions, widths);
    EXPECT_EQ(f, -1);
    EXPECT_EQ(info(1), 3);
}

struct VerticalScroll {
    int max, page, pos;
};

VerticalScroll verticalScroll(HWND grid) {
    SCROLLINFO s{};
    s.cbSize = sizeof s;
    s.fMask = SIF_ALL;
    GetScrollInfo(grid, SB_VERT, &s);
    return {s.nMax, static_cast<int>(s.nPage), s.nPos};
}

TEST_F(GridOperations, RowsInUseMoveTheCurrentCellAndScroll) {
    const int fit = g->nRowsFit;
    ASSERT_GT(fit, 2);
    ASSERT_LT(fit + 3, 20);
    for (int r = 0; r < 20; ++r) putText(Name, r, "row " + std::to_string(r + 1));
    // The current row, the first row shown before, the rows in use: where the current cell and
    // the view end up.
    struct Case {
        int current, rows, currentAfter, firstAfter;
    } cases[] = {
        {19, 10, 9, std::max(0, 9 - fit + 1)},          // the current row is gone: the last row in use, shown last
        {19, 20, 19, 20 - fit},                         // nothing changes
        {fit + 2, fit + 2, fit + 1, fit + 1 - fit + 1}, // the current row is the first one gone
        {1, 3, 1, 0},                                   // the window would show rows beyond the end
        {5, 0, -1, 0},                                  // no row in use: no current row
    };
    for (const Case& c : cases) {
        int f = GridId;
        yygridsetrows(f, 20);
        f = GridId;
        yygridcellfocus(f, Name, c.current, -1);
        EXPECT_EQ(info(5), c.current + 1);
        EXPECT_LE(g->iFirstRow, c.current);
        EXPECT_GT(g->iFirstRow + fit, c.current);  // focusing scrolls the cell into view
        f = GridId;
        yygridsetrows(f, c.rows);
        EXPECT_EQ(f, GridId);
        const std::string at = std::to_string(c.current) + " -> " + std::to_string(c.rows);
        EXPECT_EQ(info(3), c.rows) << at;
        EXPECT_EQ(g->iCurRow, c.currentAfter) << at;
        EXPECT_EQ(g->iFirstRow, c.firstAfter) << at;
        const VerticalScroll scroll = verticalScroll(grid);
        EXPECT_EQ(scroll.max, std::max(c.rows - 1, 0)) << at;      // the system keeps a range of one row
        EXPECT_EQ(scroll.page, std::min(fit, std::max(c.rows, 1))) << at;  // and no page beyond the range
        EXPECT_EQ(scroll.pos, c.firstAfter) << at;
        if (c.currentAfter >= 0) {
            // The editor is rebuilt on the current cell and the dialog hears of the moved cell.
            ASSERT_NE(g->hEditor, nullptr) << at;
            char editor[32] = "";
            GetWindowTextA(g->hEditor, editor, sizeof editor);
            EXPECT_EQ(std::string(editor), "row " + std::to_string(c.currentAfter + 1)) << at;
            const int* dialog = yydialogrecord(GetParent(grid));
            ASSERT_NE(dialog, nullptr);
            if (c.currentAfter != c.current && dialog[DlgCurrentField] == GridId) {
                EXPECT_EQ(dialog[DlgLastCell], yypackcell(Name, c.currentAfter)) << at;
            }
        }
        // The label windows of rows in use are shown; those from the rows in use on are hidden.
        for (int i = 0; i < std::min(g->nRowSlotsShown, g->nRowLabelWindowsAllocated); ++i) {
            const bool visible = IsWindowVisible(g->pRowLabelWindows[i]) != FALSE;
            if (g->iFirstRow + i < c.rows || i >= c.rows) {
                EXPECT_EQ(visible, g->iFirstRow + i < c.rows) << at << " label " << i;
            }
        }
    }
    // Growing again keeps the current cell and the view.
    int f = GridId;
    yygridsetrows(f, 20);
    EXPECT_EQ(verticalScroll(grid).max, 19);
    f = 999;
    yygridsetrows(f, 5);
    EXPECT_EQ(f, -1);
}

TEST_F(GridOperations, CellFocusPlacesTheCaretOnlyInAShownDialog) {
    putText(Name, 6, "abcdef");
    WGridPutCellInteger(GridId, Count + 1, 4, 87);
    struct Case {
        int column, row, caret;
        bool shown;
        int selection;  // -1: not set by the call
    } cases[] = {
        {Name, 6, 3, true, 3},
        {Count, 3, 1, true, 1},
        {Name, 6, 0, true, 0},
        {Name, 6, 5, false, -1},
    };
    for (const Case& c : cases) {
        HWND dialog = GetParent(grid);
        ShowWindow(dialog, c.shown ? SW_SHOW : SW_HIDE);
        int f = GridId;
        yygridcellfocus(f, Next(c.column), 0, -1);  // away first
        HWND before = GetFocus();
        f = GridId;
        yygridcellfocus(f, c.column, c.row, c.caret);
        EXPECT_EQ(f, GridId);
        EXPECT_EQ(info(4), c.column + 1);
        EXPECT_EQ(info(5), c.row + 1);
        ASSERT_NE(g->hEditor, nullptr);
        DWORD start = 0, end = 0;
        SendMessageA(g->hEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (c.shown) {
            EXPECT_EQ(GetFocus(), g->hEditor) << c.column << "," << c.row;
            EXPECT_EQ(static_cast<int>(start), c.selection);
            EXPECT_EQ(static_cast<int>(end), c.selection);
        } else {
            EXPECT_EQ(GetFocus(), before);
            EXPECT_FALSE(start == end && static_cast<int>(start) == c.caret);
        }
    }
    ShowWindow(GetParent(grid), SW_SHOW);
    const int outside[][2] = {{-1, 0}, {7, 0}, {0, -1}, {0, 20}};
    for (const auto& o : outside) {
        int f = GridId;
        yygridcellfocus(f, o[0], o[1], 0);
        EXPECT_EQ(f, -2);
    }
}

TEST_F(GridOperations, ALongGridScrollsInStepsOfItsDivisor) {
    constexpr int LongId = 1101;
    WDialogLoad(503);
    WDialogShow(-1, -1, 0, 2);
    HWND longGrid = yyfieldwindow(LongId);
    ASSERT_NE(longGrid, nullptr);
    GridControlRecord* lg = yygridrecord(longGrid);
    ASSERT_NE(lg, nullptr);
    int f = LongId, value = 0;
    yygridgetinfo(f, 2, value);
    EXPECT_EQ(value, 200000);
    // Rows in use, divisor, scroll range.
    struct Case {
        int rows, divisor, max;
    } cases[] = {{200000, 4, 49999}, {65536, 1, 65535}, {65537, 2, 32767}, {131073, 2, 65535}, {131074, 4, 32767}, {100, 1, 99}};
    for (const Case& c : cases) {
        WGridRows(LongId, c.rows);
        EXPECT_EQ(lg->nRows, c.rows);
        EXPECT_EQ(lg->nScrollDivisor, c.divisor) << c.rows;
        const VerticalScroll scroll = verticalScroll(longGrid);
        EXPECT_EQ(scroll.max, c.max) << c.rows;
        EXPECT_EQ(scroll.page, lg->nRowsFit / c.divisor) << c.rows;
    }
    // The last of 200,000 rows: written, read back, focused and scrolled to.
    WGridRows(LongId, 200000);
    f = LongId;
    yygridputcellstring(f, Name, 199999, 0.0, "last", nullptr, 5, 0);
    char text[16] = "";
    yyGridGetString(lg, Name, 199999, text, sizeof text, 0);
    EXPECT_STREQ(text, "last");
    f = LongId;
    yygridcellfocus(f, Name, 199999, -1);
    EXPECT_EQ(lg->iCurRow, 199999);
    EXPECT_GT(lg->iFirstRow + lg->nRowsFit, 199999);
    EXPECT_EQ(verticalScroll(longGrid).pos, lg->iFirstRow / 4);
    // Fewer rows: the current cell moves up to the last row in use.
    WGridRows(LongId, 150000);
    EXPECT_EQ(lg->iCurRow, 149999);
    EXPECT_EQ(lg->iFirstRow, 149999 - lg->nRowsFit + 1);
    EXPECT_EQ(verticalScroll(longGrid).pos, lg->iFirstRow / 4);
}

}  // namespace
