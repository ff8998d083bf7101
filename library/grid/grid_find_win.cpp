// grid_find_win.cpp - finding a text in a block of a grid field and making its cell current.
#include <algorithm>
#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/strings.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_rows.hpp"

namespace {

// The comparison length of a column, 0 when the column is not searched.
int comparisonLength(int field, int column, bool numbers) {
    int f = field, type = 0;
    yygridcelltype(f, column, type);
    switch (type) {
    case 4: {
        int length = 1;
        f = field;
        yygridcelllength(f, column, length);
        return length;
    }
    case 5: return numbers ? GridIntegerTextLength : 0;
    case 6:
    case 7: return numbers ? GridRealTextLength : 0;
    default: return 0;
    }
}

}  // namespace

void yygridfind(std::string_view text, int firstRow, int lastRow, int length, int& found) {
    found = -1;
    const bool ignoreCase = gravim.grid.sortIgnoreCase != 0;
    std::string pattern(text);
    if (ignoreCase) iuppercase(TextRef(pattern));
    std::string buffer(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    for (int row = firstRow; row <= lastRow; ++row) {
        int f = gravim.grid.sortField;
        buffer.assign(buffer.size(), '\0');
        yygridgetcellstring(f, gravim.grid.sortColumn, row, buffer.data(), static_cast<int>(buffer.size()));
        if (yygridcellmatches(pattern, buffer.c_str(), length, ignoreCase)) {
            found = row;
            return;
        }
    }
}

void WGridFind(int field, std::string_view text, std::optional<int> flags, int* found, std::optional<int> firstColumn,
               std::optional<int> lastColumn, std::optional<int> firstRow, std::optional<int> lastRow) {
    constexpr const char* routine = "WGridFind";
    if (field != 0 && yycurrentdialogwindow() == nullptr) {
        yyerror(1005, routine);
        return;
    }
    int f = field, columns = 0, rows = 0;
    yygridgetinfo(f, 1, columns);
    if (f == -1) {
        yyerror(1006, routine);
        return;
    }
    yygridgetinfo(f, 3, rows);
    const int options = flags.value_or(0);
    GridFindWalk walk;
    walk.firstColumn = std::max(firstColumn.value_or(1), 1) - 1;
    walk.lastColumn = std::min(lastColumn.value_or(columns), columns) - 1;
    walk.firstRow = std::max(firstRow.value_or(1), 1) - 1;
    walk.lastRow = std::min(lastRow.value_or(rows), rows) - 1;
    walk.continueAfter = (options & 1) != 0;
    if (walk.continueAfter) {
        yygridgetinfo(f, 4, walk.currentColumn);
        yygridgetinfo(f, 5, walk.currentRow);
        --walk.currentColumn;
        --walk.currentRow;
    }
    const bool numbers = (options & 4) != 0;
    gravim.grid.sortField = field;
    gravim.grid.sortIgnoreCase = (options & 2) != 0;
    int column = -1, row = -1;
    const bool hit = yygridfindwalk(
        walk, [&](int c) { return comparisonLength(field, c, numbers) > 0; },
        [&](int c, int from, int to) {
            gravim.grid.sortColumn = c;
            int at = -1;
            yygridfind(text, from, to, comparisonLength(field, c, numbers), at);
            return at;
        },
        column, row);
    if (hit) {
        f = field;
        yygridcellfocus(f, column, row, -1);
    }
    if (found != nullptr) *found = hit ? 1 : 0;
}
