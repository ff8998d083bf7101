// grid_rows_win.cpp - the rows in use of a grid field, and inserting and deleting rows with their
// cells, read-only states and (when asked) labels.
#include <string>

#include "base/errors_internal.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_rows.hpp"

namespace {

constexpr int LongestMovedText = 32767;

std::string cellText(int field, int column, int row, int longest) {
    std::string text(static_cast<std::size_t>(longest) + 1, '\0');
    yygridgetcellstring(field, column, row, text.data(), longest + 1);
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

void moveLabel(int field, int source, int target) {
    char label[GridLabelSize] = "";
    int f = field;
    yygridgetrowlabel(f, source, label, sizeof label);
    f = field;
    yygridlabelrow(f, target, label, GridLabelSize);
}

void moveCheckOrMenu(int field, int type, int column, int source, int target) {
    int f = field, value = 0;
    if (type == GridCheckBox) {
        yygridgetcellcheck(f, column, source, value);
        f = field;
        yygridputcellcheck(f, column, target, value);
    } else {
        yygridgetcellmenu(f, column, source, value);
        f = field;
        yygridputcelloption(f, column, target, value);
    }
}

void moveText(int field, int column, int source, int target) {
    const std::string text = cellText(field, column, source, LongestMovedText);
    int f = field;
    yygridputcellstring(f, column, target, 0.0, text.c_str(), nullptr, static_cast<int>(text.size()) + 1, 0);
}

// The freed or new rows: menu cells to their first item, every other cell cleared.
void emptyRows(int field, GridControlRecord* g, GridRowSpan span, bool labels) {
    for (int c = 0; c < g->nColumns; ++c) {
        for (int t = span.first; t <= span.last; ++t) {
            int f = field;
            if (g->pColumns[c].iType == GridMenu) yygridputcelloption(f, c, t, 1);
            else yygridclearcell(f, c, t, 0);
        }
    }
    if (!labels) return;
    for (int t = span.first; t <= span.last; ++t) {
        int f = field;
        yygridlabelrow(f, t, "", 0);
    }
}

}  // namespace

void WGridRows(int field, int rows) {
    constexpr const char* routine = "WGridRows";
    GridControlRecord* g = yygridrecord(yygridnamed(routine, field));
    if (g == nullptr) return;
    int f = field;
    if (rows > g->nRowsAllocated) {
        yygridsetrows(f, g->nRowsAllocated);
        yyerror(1018, routine);
    } else if (rows < 1) {
        yyerror(1018, routine);
    } else {
        yygridsetrows(f, rows);
    }
}

void WGridInsertRows(int field, int row, std::optional<int> count, std::optional<int> growth, std::optional<int> labels) {
    constexpr const char* routine = "WGridInsertRows";
    GridControlRecord* g = yygridrecord(yygridnamed(routine, field));
    if (g == nullptr) return;
    if (row < 1 || row > g->nRows) {
        yyerror(1017, routine);
        return;
    }
    const int n = yygridrowcount(count.value_or(1));
    if (growth.value_or(0) == 1) WGridRows(field, std::min(g->nRows + n, g->nRowsAllocated));
    const bool moveLabels = labels.value_or(0) == 1;
    yygridcellredrawoff();
    GridRowSpan fresh;
    for (int c = 0; c < g->nColumns; ++c) {
        const int type = g->pColumns[c].iType;
        fresh = yygridinsertmoves(row - 1, n, g->nRows, [&](int source, int target) {
            if (type == GridText) {
                moveText(field, c, source, target);
            } else if (type == GridInteger || type == GridReal || type == GridDouble) {
                if (cellText(field, c, source, GridRealTextLength).empty()) {
                    int f = field;
                    yygridclearcell(f, c, target, 0);
                } else {
                    double value = 0;
                    int undefined = 0, f = field;
                    yygridgetcellvalue(f, c, source, value, undefined);
                    if (type == GridInteger) WGridPutCellInteger(field, c + 1, target + 1, static_cast<int>(value));
                    else if (type == GridReal) WGridPutCellReal(field, c + 1, target + 1, static_cast<float>(value));
                    else WGridPutCellDouble(field, c + 1, target + 1, value);
                }
            } else {
                moveCheckOrMenu(field, type, c, source, target);
            }
            int f = field;
            yygridcopycellstate(f, c, source, target);
        });
    }
    if (moveLabels) yygridinsertmoves(row - 1, n, g->nRows, [&](int source, int target) { moveLabel(field, source, target); });
    if (g->nColumns == 0) fresh = yygridinsertmoves(row - 1, n, g->nRows, [](int, int) {});
    emptyRows(field, g, fresh, moveLabels);
    int f = field;
    yygridcellredrawon(f);
}

void WGridDeleteRows(int field, int row, std::optional<int> count, std::optional<int> shrink, std::optional<int> labels) {
    constexpr const char* routine = "WGridDeleteRows";
    GridControlRecord* g = yygridrecord(yygridnamed(routine, field));
    if (g == nullptr) return;
    const int m = g->nRows;
    if (row < 1 || row > m) {
        yyerror(1017, routine);
        return;
    }
    const int n = yygriddeletecount(row - 1, count.value_or(1), m);
    const bool moveLabels = labels.value_or(0) == 1;
    yygridcellredrawoff();
    GridRowSpan freed;
    for (int c = 0; c < g->nColumns; ++c) {
        const int type = g->pColumns[c].iType;
        char format[64] = "";
        if (type == GridReal || type == GridDouble) {
            int f = field;
            yygridgetformat(f, c, format, sizeof format);
        }
        freed = yygriddeletemoves(row - 1, n, m, [&](int source, int target) {
            if (type == GridText) {
                moveText(field, c, source, target);
            } else if (type == GridInteger || type == GridReal || type == GridDouble) {
                double value = 0;
                int undefined = 0, f = field;
                yygridgetcellvalue(f, c, source, value, undefined);
                f = field;
                if (undefined) {
                    yygridclearcell(f, c, target, 0);
                } else {
                    const std::string text = cellText(field, c, source, 100);
                    yygridputcellstring(f, c, target, value, text.c_str(), type == GridInteger ? nullptr : format,
                                        static_cast<int>(text.size()) + 1, static_cast<int>(sizeof format));
                }
            } else {
                moveCheckOrMenu(field, type, c, source, target);
            }
            int f = field;
            yygridcopycellstate(f, c, source, target);
        });
    }
    if (moveLabels) yygriddeletemoves(row - 1, n, m, [&](int source, int target) { moveLabel(field, source, target); });
    if (shrink.value_or(0) == 1) {
        WGridRows(field, m - n);
    } else {
        if (g->nColumns == 0) freed = yygriddeletemoves(row - 1, n, m, [](int, int) {});
        emptyRows(field, g, freed, moveLabels);
    }
    int f = field;
    yygridcellredrawon(f);
}
