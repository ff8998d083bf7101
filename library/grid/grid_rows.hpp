// grid_rows.hpp - which rows move where when rows of a grid are inserted or deleted, and the
// column and row walk of a search through a block of cells (portable).
#pragma once

#include <functional>
#include <string_view>

// A count of rows to insert or delete: below 1 counts as 1.
int yygridrowcount(int count);

// Rows first..last (from 0) that an insertion or deletion leaves empty; none when last < first.
struct GridRowSpan {
    int first = 0;
    int last = -1;
};

using GridRowMove = std::function<void(int source, int target)>;

// Inserting count rows before row (from 0) of rowsInUse rows: calls move for every target row
// from the last row in use down to row + count, and returns the new rows within the rows in use.
GridRowSpan yygridinsertmoves(int row, int count, int rowsInUse, const GridRowMove& move);

// The count of a deletion from row (from 0), cut so as to end at the last row in use.
int yygriddeletecount(int row, int count, int rowsInUse);
// Deleting count rows (as cut) from row: calls move for every target row from row up to
// rowsInUse - count - 1, and returns the freed rows at the end.
GridRowSpan yygriddeletemoves(int row, int count, int rowsInUse, const GridRowMove& move);

// Whether a cell's text holds the pattern: the text is taken up to its first NUL, filled with
// blanks to the comparison length and put in upper case with ignoreCase (the pattern comes in
// upper case already then).
bool yygridcellmatches(std::string_view pattern, const char* cellText, int comparisonLength, bool ignoreCase);

// A search through columns firstColumn..lastColumn and rows firstRow..lastRow (from 0). With
// continueAfter and the current column not left of the block, the search starts in the current
// column below the current row (or at firstRow when that lies lower); the start row applies to
// the first column that is searched. searched tells whether a column is searched; search looks in
// one column from a row to a row and answers the row found or -1. Returns true with the cell found.
struct GridFindWalk {
    int firstColumn = 0, lastColumn = -1, firstRow = 0, lastRow = -1;
    bool continueAfter = false;
    int currentColumn = 0, currentRow = 0;
};
bool yygridfindwalk(const GridFindWalk& walk, const std::function<bool(int column)>& searched,
                    const std::function<int(int column, int fromRow, int toRow)>& search, int& column, int& row);
