// grid_files_win.cpp - the public file routines of grid fields: the checks of the dialog and the
// grid, and the grid's cell operations offered to the portable CSV and HTML procedures; the case
// conversion of a text column.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_files.hpp"
#include "grid/grid_files_internal.hpp"

namespace {

// The grid's cell operations, each addressing the grid by its field identifier.
class GridCells final : public GridFileCells {
public:
    GridCells(int field, HWND grid) : field_(field), grid_(grid), g_(yygridrecord(grid)), records_(grid) {}

    int columns() override { return info(1); }
    int rowsInUse() override { return info(3); }
    int rowsAllocated() override { return info(2); }
    int firstVisibleRow() override { return info(9) - 1; }
    int visibleRows() override { return info(15); }
    int columnType(int column) override {
        int f = field_, fieldType = 4;
        yygridcelltype(f, column, fieldType);
        for (int t = GridText; t <= GridMenu; ++t)
            if (gridFieldTypes[t] == fieldType) return t;
        return GridText;
    }
    std::string format(int column) override {
        char text[GridRealTextLength + 1] = "";
        int f = field_;
        yygridgetformat(f, column, text, sizeof text);
        return text;
    }
    int caseConversion(int column) override {
        int f = field_, conversion = 0;
        yygridgetcase(f, column, conversion);
        return conversion;
    }
    int alignment(int column) override {
        int f = field_, alignment = 0;
        yygridgetalign(f, column, alignment);
        return alignment;
    }
    bool hasColumnLabels() override {
        int f = field_, columnLabels = 0, rowLabelWidth = 0;
        yygridgetlabels(f, columnLabels, rowLabelWidth);
        return columnLabels != 0;
    }
    bool hasRowLabels() override {
        int f = field_, columnLabels = 0, rowLabelWidth = 0;
        yygridgetlabels(f, columnLabels, rowLabelWidth);
        return rowLabelWidth != 0;
    }

    // Read whole: a text column may hold more than the grid's 32 KB work areas.
    std::string cellText(int column, int row) override {
        const int size = std::max(GridTextBufferSize, textLength(column));
        if (text_.size() < static_cast<std::size_t>(size)) text_.resize(static_cast<std::size_t>(size));
        text_[0] = '\0';
        if (GridControlRecord* g = record(); g != nullptr && g->pColumns[column].iType <= GridDouble)
            yyGridGetString(g, column, row, text_.data(), size, 0);
        return text_.c_str();
    }
    int checkValue(int column, int row) override {
        int f = field_, value = 0;
        yygridgetcellcheck(f, column, row, value);
        return value;
    }
    int menuItem(int column, int row) override {
        int f = field_, item = 0;
        yygridgetcellmenu(f, column, row, item);
        return item;
    }
    std::string menuText(int column, int item) override {
        int f = field_;
        char text[GridDefaultTextLength] = "";
        yygridgetmenustring(f, column, item, text, sizeof text);
        return text;
    }
    std::string columnLabel(int item) override {
        int f = field_;
        char text[GridDefaultTextLength] = "";
        yygridgetcolumnlabel(f, item, text, sizeof text);
        return text;
    }
    std::string rowLabel(int row) override {
        int f = field_;
        char text[GridLabelSize] = "";
        yygridgetrowlabel(f, row, text, sizeof text);
        return text;
    }
    void colours(int column, int row, int& text, int& background) override {
        int f = field_, tr, tg, tb, br, bg, bb;
        yygridgetcolour(f, column, row, tr, tg, tb, br, bg, bb);
        text = tr < 0 ? -1 : tr + (tg << 8) + (tb << 16);
        background = br < 0 ? -1 : br + (bg << 8) + (bb << 16);
    }

    // The loader raises the rows in use one at a time, within the rows allocated, for a grid it has
    // found: what WGridRows does then, without finding the grid again for every row.
    void setRowsInUse(int rows) override {
        GridControlRecord* g = record();
        if (field_ == 0 || g == nullptr || rows < 1 || rows > g->nRowsAllocated) WGridRows(field_, rows);
        else yygridsetrows2(grid_, field_, rows);
    }
    void setColumnLabel(int item, std::string_view text) override {
        int f = field_;
        const std::string label(text);
        yygridlabelcolumn(f, item, label.c_str(), static_cast<int>(label.size()) + 1);
    }
    void setRowLabel(int row, std::string_view text) override {
        int f = field_;
        const std::string label(text);
        yygridlabelrow(f, row, label.c_str(), static_cast<int>(label.size()) + 1);
    }
    bool inRange(int column, double value) override {
        int status = 0;
        yygridrangecheck2(status, grid_, column, value);
        return status != -3;
    }
    void putCell(int column, int row, double value, std::string_view text, std::string_view format) override {
        GridControlRecord* g = record();
        if (g == nullptr) return;
        putText_.assign(text);
        putFormat_.assign(format);
        yyGridPutString(grid_, g, column, row, value, putText_.c_str(), putFormat_.c_str(),
                        static_cast<int>(putText_.size()) + 1);
    }
    void putCheck(int column, int row, int value) override {
        int f = field_;
        yygridputcellcheck(f, column, row, value);
    }
    bool putMenu(int column, int row, std::string_view text) override {
        int f = field_, notFound = 0;
        const std::string t(text);
        yygridputmenustring(f, column, row, notFound, t.c_str());
        stale_ = stale_ || notFound != 0;  // the load reports it at once, which may run other code
        return notFound == 0;
    }
    void clearCell(int column, int row, int mode) override {
        if (GridControlRecord* g = record()) yyGridClearCell(grid_, g, column, row, mode);
    }
    void repaintOff() override { yygridcellredrawoff(); }
    void repaintOn() override {
        int f = field_;
        yygridcellredrawon(f);
    }

private:
    // The grid's record, taken once: the cell routines would find the grid by its field identifier
    // for every cell. It is looked up again after anything that may have run other code.
    GridControlRecord* record() {
        if (stale_) {
            int f = field_;
            grid_ = yygridfind(f);
            g_ = grid_ != nullptr ? yygridrecord(grid_) : nullptr;
            stale_ = false;
        }
        return g_;
    }
    int textLength(int column) {
        if (lengths_.empty()) lengths_.assign(static_cast<std::size_t>(std::max(columns(), 0)), -1);
        if (column < 0 || column >= static_cast<int>(lengths_.size())) return 0;
        int& length = lengths_[static_cast<std::size_t>(column)];
        if (length < 0) {
            int f = field_;
            length = 0;
            yygridcelllength(f, column, length);
        }
        return length;
    }
    int info(int code) {
        int f = field_, value = 0;
        yygridgetinfo(f, code, value);
        return value;
    }

    int field_;
    HWND grid_;
    GridControlRecord* g_;
    bool stale_ = false;
    GridColumnRecords records_;  // the columns' field records for this load or save
    std::string text_, putText_, putFormat_;  // cellText's buffer; putCell's texts with their NULs
    std::vector<int> lengths_;  // each column's text length with its NUL, read once
};

}  // namespace

void yygridgetcase(int& field, int column, int& conversion) {
    HWND grid = yygridfind(field);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr) return;
    if (column < 0 || column >= g->nColumns) {
        field = -2;
        return;
    }
    const HWND control = g->pColumns[column].hControl;
    const LONG style = control != nullptr ? GetWindowLongA(control, GWL_STYLE) : 0;
    conversion = (style & ES_UPPERCASE) ? 1 : (style & ES_LOWERCASE) ? 2 : 0;
}

void WGridSave(int field, std::string_view file, std::optional<int> firstColumn, std::optional<int> lastColumn,
               std::optional<int> firstRow, std::optional<int> lastRow, std::optional<int> flags) {
    HWND grid = yygridnamed("WGridSave", field);
    if (grid == nullptr) return;
    GridCells cells(field, grid);
    yygridsavecsv(cells, file, firstColumn, lastColumn, firstRow, lastRow, flags.value_or(0));
}

void WGridLoad(int field, std::string_view file, std::optional<int> growth, std::optional<int> flags) {
    HWND grid = yygridnamed("WGridLoad", field);
    if (grid == nullptr) return;
    GridCells cells(field, grid);
    yygridloadcsv(cells, file, growth.value_or(0), flags.value_or(0));
}

void WGridSaveHTML(int field, std::string_view file, std::optional<int> firstColumn, std::optional<int> lastColumn,
                   std::optional<int> firstRow, std::optional<int> lastRow, std::optional<int> flags,
                   std::optional<std::string_view> title, std::optional<int> border, std::optional<int> background) {
    HWND grid = yygridnamed("WGridSaveHTML", field);
    if (grid == nullptr) return;
    GridCells cells(field, grid);
    yygridsavehtml(cells, file, firstColumn, lastColumn, firstRow, lastRow, flags.value_or(0), title,
                   border.value_or(0), background);
}
