// grid_file_table.hpp - a grid of plain tables for the CSV and HTML procedures (portable): cells
// keep what the cell operations keep, numbers are shown through their column's format.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "base/convert_internal.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid/grid_records.hpp"

struct TableCell {
    std::string text;      // a text cell's text
    double value = 0.0;    // a number cell's value
    bool hasValue = false;
    int item = 0;          // menu cells: from 1, 0 none; check boxes: 0 or 1
    int textColour = -1, backColour = -1;
};

class TableGrid : public GridFileCells {
public:
    // Column types (GridColumnType), rows in use and rows allocated.
    TableGrid(std::vector<int> columnTypes, int rows, int allocated)
        : types(std::move(columnTypes)), nRows(rows), nAllocated(allocated),
          formats(types.size(), "(G15.5E2)"), cases(types.size(), 0), aligns(types.size(), 0),
          lengths(types.size(), 1024), lows(types.size(), 1.0), highs(types.size(), -1.0),
          menus(types.size()), labels(types.size() + 1), rowLabelTexts(static_cast<std::size_t>(allocated)),
          cells(types.size(), std::vector<TableCell>(static_cast<std::size_t>(allocated))) {}

    TableCell& cell(int column, int row) { return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]; }

    int columns() override { return static_cast<int>(types.size()); }
    int rowsInUse() override { return nRows; }
    int rowsAllocated() override { return nAllocated; }
    int firstVisibleRow() override { return firstVisible; }
    int visibleRows() override { return visible; }
    int columnType(int column) override { return types[static_cast<std::size_t>(column)]; }
    std::string format(int column) override { return formats[static_cast<std::size_t>(column)]; }
    int caseConversion(int column) override { return cases[static_cast<std::size_t>(column)]; }
    int alignment(int column) override { return aligns[static_cast<std::size_t>(column)]; }
    bool hasColumnLabels() override { return columnLabels; }
    bool hasRowLabels() override { return rowLabels; }

    std::string cellText(int column, int row) override {
        const TableCell& c = cell(column, row);
        const int type = columnType(column);
        if (type == GridText) return c.text;
        if (!c.hasValue) return {};
        char buffer[GridRealTextLength + 1] = "";
        if (type == GridInteger) yyint2st(static_cast<int>(c.value), TextRef(buffer, GridIntegerTextLength + 1));
        else if (type == GridReal) yyrea2st(static_cast<float>(c.value), TextRef(buffer, GridRealTextLength), format(column));
        else yydbl2st(c.value, TextRef(buffer, GridRealTextLength), format(column));
        std::string text(buffer, strnlen(buffer, sizeof buffer));
        text.erase(0, text.find_first_not_of(' '));
        text.resize(trimmedLength(text));
        return text;
    }
    int checkValue(int column, int row) override { return cell(column, row).item; }
    int menuItem(int column, int row) override { return cell(column, row).item; }
    std::string menuText(int column, int item) override {
        const auto& m = menus[static_cast<std::size_t>(column)];
        return item >= 1 && item <= static_cast<int>(m.size()) ? m[static_cast<std::size_t>(item - 1)] : std::string();
    }
    std::string columnLabel(int item) override { return labels[static_cast<std::size_t>(item)]; }
    std::string rowLabel(int row) override { return rowLabelTexts[static_cast<std::size_t>(row)]; }
    void colours(int column, int row, int& text, int& background) override {
        text = cell(column, row).textColour;
        background = cell(column, row).backColour;
    }

    void setRowsInUse(int rows) override {
        ++growths;
        nRows = rows;
    }
    void setColumnLabel(int item, std::string_view text) override {
        if (columnLabels) labels[static_cast<std::size_t>(item)] = std::string(text);
    }
    void setRowLabel(int row, std::string_view text) override {
        if (rowLabels) rowLabelTexts[static_cast<std::size_t>(row)] = std::string(text.substr(0, GridLabelSize - 1));
    }
    bool inRange(int column, double value) override {
        const double low = lows[static_cast<std::size_t>(column)], high = highs[static_cast<std::size_t>(column)];
        return low > high || (value >= low && value <= high);
    }
    void putCell(int column, int row, double value, std::string_view text, std::string_view) override {
        TableCell& c = cell(column, row);
        if (columnType(column) == GridText) {
            c.text = std::string(text.substr(0, static_cast<std::size_t>(lengths[static_cast<std::size_t>(column)])));
        } else {
            c.value = columnType(column) == GridInteger ? static_cast<int>(value)
                      : columnType(column) == GridReal  ? static_cast<float>(value)
                                                        : value;
            c.hasValue = !text.empty();
        }
    }
    void putCheck(int column, int row, int value) override { cell(column, row).item = value; }
    bool putMenu(int column, int row, std::string_view text) override {
        const auto& m = menus[static_cast<std::size_t>(column)];
        auto same = [&](const std::string& item) {
            return item.size() == text.size() &&
                   std::equal(item.begin(), item.end(), text.begin(), [](char a, char b) {
                       return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
                   });
        };
        const auto found = std::find_if(m.begin(), m.end(), same);
        cell(column, row).item = found == m.end() ? 1 : static_cast<int>(found - m.begin()) + 1;
        return found != m.end();
    }
    void clearCell(int column, int row, int mode) override {
        TableCell& c = cell(column, row);
        if (columnType(column) == GridMenu) {
            if (mode == 2) c.item = 1;
            return;
        }
        c.text.clear();
        c.value = 0.0;
        c.hasValue = false;
        c.item = 0;
    }
    void repaintOff() override { ++repaintsOff; }
    void repaintOn() override { ++repaintsOn; }

    std::vector<int> types;
    int nRows, nAllocated;
    std::vector<std::string> formats;
    std::vector<int> cases, aligns, lengths;
    std::vector<double> lows, highs;
    std::vector<std::vector<std::string>> menus;
    std::vector<std::string> labels;         // [0] the corner, [j + 1] column j
    std::vector<std::string> rowLabelTexts;
    std::vector<std::vector<TableCell>> cells;
    bool columnLabels = true, rowLabels = true;
    int firstVisible = 0, visible = 1000000;
    int growths = 0, repaintsOff = 0, repaintsOn = 0;
};
