// grid_files_bench.cpp - the grid's CSV reader and writer against Python's csv module, run by
// hand: 100,000 rows of 10 columns (4 text, 3 integer, 3 double; 1,000,000 cells) held in plain
// tables behind GridFileCells, written by yygridsavecsv (also with every cell's text made
// beforehand, the writer without the numbers' formatting) and read back by yygridloadcsv; then
// Python's csv module reads the same file into lists and writes them. Best of five runs each.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary tools/bench/grid_files_bench.cpp build/bench/libgravimonder.a
// Usage: grid_files_bench   (writes bench-grid.csv and bench-python.csv in the current folder)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "best_of.hpp"
#include "core/convert_internal.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid/grid_records.hpp"

namespace {

constexpr int rows = 100000, columnCount = 10, runs = 5;
constexpr int types[columnCount] = {GridText, GridInteger, GridDouble, GridText, GridInteger,
                                GridDouble, GridText, GridInteger, GridDouble, GridText};
constexpr const char* format = "(F14.4)";

// Cells in tables: text, or a number with its has-value mark.
class BenchGrid : public GridFileCells {
public:
    BenchGrid() : texts(columnCount, std::vector<std::string>(rows)), numbers(columnCount, std::vector<double>(rows)),
                  has(columnCount, std::vector<char>(rows)) {}
    int columns() override { return columnCount; }
    int rowsInUse() override { return rows; }
    int rowsAllocated() override { return rows; }
    int firstVisibleRow() override { return 0; }
    int visibleRows() override { return 30; }
    int columnType(int c) override { return types[c]; }
    std::string format(int) override { return ::format; }
    int caseConversion(int) override { return 0; }
    int alignment(int) override { return 0; }
    bool hasColumnLabels() override { return false; }
    bool hasRowLabels() override { return false; }
    std::string cellText(int c, int r) override {
        if (types[c] == GridText) return texts[c][r];
        if (!has[c][r]) return {};
        char buffer[GridRealTextLength + 1] = "";
        if (types[c] == GridInteger) yyint2st(static_cast<int>(numbers[c][r]), TextRef(buffer, GridIntegerTextLength + 1));
        else yydbl2st(numbers[c][r], TextRef(buffer, GridRealTextLength), ::format);
        return std::string(buffer, strnlen(buffer, sizeof buffer));
    }
    int checkValue(int, int) override { return 0; }
    int menuItem(int, int) override { return 0; }
    std::string menuText(int, int) override { return {}; }
    std::string columnLabel(int) override { return {}; }
    std::string rowLabel(int) override { return {}; }
    void colours(int, int, int& text, int& background) override { text = background = -1; }
    void setRowsInUse(int) override {}
    void setColumnLabel(int, std::string_view) override {}
    void setRowLabel(int, std::string_view) override {}
    bool inRange(int, double) override { return true; }
    void putCell(int c, int r, double value, std::string_view text, std::string_view) override {
        if (types[c] == GridText) {
            texts[c][r].assign(text);
        } else {
            numbers[c][r] = value;
            has[c][r] = !text.empty();
        }
    }
    void putCheck(int, int, int) override {}
    bool putMenu(int, int, std::string_view) override { return true; }
    void clearCell(int c, int r, int) override {
        texts[c][r].clear();
        has[c][r] = 0;
    }
    void repaintOff() override {}
    void repaintOn() override {}

    std::vector<std::vector<std::string>> texts;
    std::vector<std::vector<double>> numbers;
    std::vector<std::vector<char>> has;
};

// The same grid with every cell's text made beforehand: the writer alone, without the numbers'
// formatting.
class GivenTexts final : public BenchGrid {
public:
    explicit GivenTexts(BenchGrid& grid) : shown(columnCount, std::vector<std::string>(rows)) {
        for (int c = 0; c < columnCount; ++c)
            for (int r = 0; r < rows; ++r) shown[c][r] = grid.cellText(c, r);
    }
    std::string cellText(int c, int r) override { return shown[c][r]; }
    std::vector<std::vector<std::string>> shown;
};


}  // namespace

int main() {
    BenchGrid grid;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            if (types[c] == GridText) grid.texts[c][r] = "Station " + std::to_string(r) + (c % 2 ? ", \"deep\"" : " north");
            else if (types[c] == GridInteger) grid.numbers[c][r] = r * 7 - 350000 + c;
            else grid.numbers[c][r] = r * 0.0625 - 1234.5 + c;
            grid.has[c][r] = 1;
        }
    }
    const double save = bench::bestOf(runs, [&] { yygridsavecsv(grid, "bench-grid.csv", {}, {}, {}, {}, 0); });
    GivenTexts given(grid);
    const double saveGiven = bench::bestOf(runs, [&] { yygridsavecsv(given, "bench-given.csv", {}, {}, {}, {}, 0); });
    BenchGrid back;
    const double load = bench::bestOf(runs, [&] { yygridloadcsv(back, "bench-grid.csv", 0, 0); });
    for (int c = 0; c < columnCount; ++c)
        if (back.cellText(c, rows - 1) != grid.cellText(c, rows - 1)) {
            std::printf("column %d read back differently\n", c + 1);
            return 1;
        }

    std::ofstream("bench-python.py") << R"(import csv, time
read = write = 1e30
for i in range()" << runs << R"():
    t0 = time.perf_counter()
    with open('bench-grid.csv', newline='', encoding='latin-1') as f:
        rows = list(csv.reader(f))
    t1 = time.perf_counter()
    with open('bench-python.csv', 'w', newline='', encoding='latin-1') as f:
        csv.writer(f).writerows(rows)
    t2 = time.perf_counter()
    read, write = min(read, t1 - t0), min(write, t2 - t1)
print(read, write, len(rows))
)";
    std::FILE* python = popen("/usr/bin/python3 bench-python.py", "r");
    double pythonRead = 0, pythonWrite = 0;
    int pythonRows = 0;
    if (python == nullptr || std::fscanf(python, "%lf %lf %d", &pythonRead, &pythonWrite, &pythonRows) != 3) {
        std::printf("python did not run\n");
        return 1;
    }
    pclose(python);
    std::printf("cells %d, file %ld bytes\n", rows * columnCount, static_cast<long>(std::ifstream("bench-grid.csv", std::ios::binary | std::ios::ate).tellg()));
    std::printf("write: ours %.3f s (%.3f s with the cell texts made beforehand), python %.3f s\n", save, saveGiven,
                pythonWrite);
    std::printf("read:  ours %.3f s, python %.3f s (%d rows)\n", load, pythonRead, pythonRows);
    return 0;
}
