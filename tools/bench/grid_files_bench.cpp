// grid_files_bench.cpp - the grid's CSV reader and writer against Python's csv module, run by
// hand: 100,000 rows (times the scale) of 10 columns (4 text, 3 integer, 3 double; 1,000,000
// cells) held in plain tables behind GridFileCells, written by yygridsavecsv and read back by
// yygridloadcsv; Python's csv module reads the same file into lists and writes them. The four
// run in turn, five rounds (at least; "-rN"), ours each in a process of its own, Python's in its
// own interpreter timing itself; minimum, median and peak memory of each. Both sides must read
// the same number of rows and cells, and our read must give back every cell of the last row.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary tools/bench/grid_files_bench.cpp build/bench/libgravimonder.a -lz
// Usage: grid_files_bench [-rN] [scale]   (writes bench-grid.csv and bench-python.csv here)
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

constexpr int columnCount = 10;
int rows = 100000;
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

// One run of Python's csv module, in an interpreter of its own: "read" loads the file into lists,
// "write" loads it (untimed) and writes the lists. Its seconds, its peak memory and what it read.
struct PythonRun {
    double seconds = 0, peakMegabytes = 0;
    long rows = 0, cells = 0;
};
PythonRun python(const char* what) {
    std::ofstream("bench-python.py") << R"(import csv, resource, sys, time
t0 = time.perf_counter()
with open('bench-grid.csv', newline='', encoding='latin-1') as f:
    rows = list(csv.reader(f))
t1 = time.perf_counter()
if sys.argv[1] == 'write':
    with open('bench-python.csv', 'w', newline='', encoding='latin-1') as f:
        csv.writer(f).writerows(rows)
    t0, t1 = t1, time.perf_counter()
print(t1 - t0, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024, len(rows), sum(map(len, rows)))
)";
    PythonRun run;
    const std::string command = std::string("/usr/bin/python3 bench-python.py ") + what;
    std::FILE* out = popen(command.c_str(), "r");
    if (out == nullptr ||
        std::fscanf(out, "%lf %lf %ld %ld", &run.seconds, &run.peakMegabytes, &run.rows, &run.cells) != 4) {
        std::printf("python did not run\n");
        std::exit(1);
    }
    pclose(out);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = bench::roundsArgument(argc, argv);
    const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    rows *= scale;
    BenchGrid grid;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            if (types[c] == GridText) grid.texts[c][r] = "Station " + std::to_string(r) + (c % 2 ? ", \"deep\"" : " north");
            else if (types[c] == GridInteger) grid.numbers[c][r] = r * 7 - 350000 + c;
            else grid.numbers[c][r] = r * 0.0625 - 1234.5 + c;
            grid.has[c][r] = 1;
        }
    }
    yygridsavecsv(grid, "bench-grid.csv", {}, {}, {}, {}, 0);
    // Our read gives back the cells (checked here, once, outside the timed runs).
    BenchGrid back;
    yygridloadcsv(back, "bench-grid.csv", 0, 0);
    bool same = true;
    for (int c = 0; c < columnCount; ++c) same = same && back.cellText(c, rows - 1) == grid.cellText(c, rows - 1);
    BenchGrid into;  // each run reads into its own process's copy
    bench::Figures save, load, pythonWrite, pythonRead;
    for (int round = 0; round < rounds; ++round) {
        auto add = [](bench::Figures& f, double seconds, double megabytes) {
            f.seconds.push_back(seconds);
            f.peakMegabytes = std::max(f.peakMegabytes, megabytes);
        };
        bench::Run run = bench::inChild({"save", [&] { yygridsavecsv(grid, "bench-ours.csv", {}, {}, {}, {}, 0); }});
        add(save, run.seconds, run.peakMegabytes);
        PythonRun p = python("write");
        add(pythonWrite, p.seconds, p.peakMegabytes);
        run = bench::inChild({"load", [&] { yygridloadcsv(into, "bench-grid.csv", 0, 0); }});
        add(load, run.seconds, run.peakMegabytes);
        p = python("read");
        add(pythonRead, p.seconds, p.peakMegabytes);
        same = same && p.rows == rows && p.cells == static_cast<long>(rows) * columnCount;
    }
    bench::machineLine();
    const long bytes = static_cast<long>(std::ifstream("bench-grid.csv", std::ios::binary | std::ios::ate).tellg());
    std::printf("scale %d: %d rows, %d cells, file %ld bytes; %d rounds in turn; Python's peak is its whole\n"
                "interpreter's, ours the memory a run added (the tables of cells are there before it)\n\n",
                scale, rows, rows * columnCount, bytes, rounds);
    std::printf("| | ours min s | ours median s | Python min s | Python median s | median ratio | ours peak MB | "
                "Python peak MB |\n|---|---|---|---|---|---|---|---|\n");
    auto line = [](const char* name, const bench::Figures& ours, const bench::Figures& theirs) {
        std::printf("| %s | %.3f | %.3f | %.3f | %.3f | %.2f | %.0f | %.0f |\n", name, ours.minimum(), ours.median(),
                    theirs.minimum(), theirs.median(), ours.median() / theirs.median(), ours.peakMegabytes,
                    theirs.peakMegabytes);
    };
    line("read (file to cells)", load, pythonRead);
    line("write (cells to file)", save, pythonWrite);
    bench::sameWork("both read every row and cell of the file, ours gives back the last row's cells", same);
    return same ? 0 : 1;
}
