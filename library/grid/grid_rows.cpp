// grid_rows.cpp - row moves of insertion and deletion and the walk of a search.
#include "grid/grid_rows.hpp"

#include <algorithm>
#include <string>

#include "base/strings.hpp"

int yygridrowcount(int count) { return count < 1 ? 1 : count; }

GridRowSpan yygridinsertmoves(int row, int count, int rowsInUse, const GridRowMove& move) {
    count = yygridrowcount(count);
    for (int t = rowsInUse - 1; t >= row + count; --t) move(t - count, t);
    return {row, std::min(row + count, rowsInUse) - 1};
}

int yygriddeletecount(int row, int count, int rowsInUse) {
    count = yygridrowcount(count);
    return row + count > rowsInUse ? rowsInUse - row : count;
}

GridRowSpan yygriddeletemoves(int row, int count, int rowsInUse, const GridRowMove& move) {
    count = yygriddeletecount(row, count, rowsInUse);
    for (int t = row; t <= rowsInUse - count - 1; ++t) move(t + count, t);
    return {rowsInUse - count, rowsInUse - 1};
}

bool yygridcellmatches(std::string_view pattern, const char* cellText, int comparisonLength, bool ignoreCase) {
    if (comparisonLength < 0) comparisonLength = 0;
    std::string text(cellText != nullptr ? cellText : "");
    if (text.size() > static_cast<std::size_t>(comparisonLength)) text.resize(static_cast<std::size_t>(comparisonLength));
    text.resize(static_cast<std::size_t>(comparisonLength), ' ');
    if (ignoreCase) iuppercase(TextRef(text.data(), text.size()));
    return text.find(pattern) != std::string::npos;
}

bool yygridfindwalk(const GridFindWalk& walk, const std::function<bool(int column)>& searched,
                    const std::function<int(int column, int fromRow, int toRow)>& search, int& column, int& row) {
    int start = walk.firstColumn;
    int startRow = walk.firstRow;
    if (walk.continueAfter && walk.currentColumn >= walk.firstColumn) {
        start = walk.currentColumn;
        startRow = std::max(walk.currentRow + 1, walk.firstRow);
    }
    for (int c = start; c <= walk.lastColumn; ++c) {
        if (!searched(c)) continue;
        const int found = startRow <= walk.lastRow ? search(c, startRow, walk.lastRow) : -1;
        startRow = walk.firstRow;
        if (found >= 0) {
            column = c;
            row = found;
            return true;
        }
    }
    return false;
}
