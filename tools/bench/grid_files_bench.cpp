// grid_files_bench.cpp - the grid's CSV reader and writer against Python's csv module, run by
// hand: 100,000 rows (times the scale) of 10 columns (4 text, 3 integer, 3 double; 1,000,000
// cells) held in plain tables behind GridFileCells, written by yygridsavecsv and read back by
// yygridloadcsv; Python's csv module (csv_peer.py) reads the same file into lists and writes them.
// Our save is safe: it writes beside the target, stores the file on disk (fsync) and then puts it
// in the target's place, and Python's "safe" write does the same (os.fsync, os.replace), so the
// two saves do equal work; both sides' plain writes are measured too, ours by this program
// answering the save's fsync itself without going to the disk (the save has no plain path).
// The six run in turn, five rounds (at least; "-rN"; "-RN" at the scales above 1), ours each in a
// process of its own, Python's in its own interpreter timing itself; minimum, median and peak
// memory of each. Both sides must read the same number of rows and cells, our read must give
// back every cell of the last row, and each safe save must store its file on disk once.
// With several scales ("-s1,4,16") a scaling table ends the output.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary tools/bench/grid_files_bench.cpp build/bench/libgravimonder{,_editor,_grid,_images,_hardcopy,_graphics,_dialogs,_windows,_base}.a -lz
// Usage: grid_files_bench [-rN] [-RN] [-sSCALES | scale | file]   (writes bench-*.csv here; "file"
//   writes only bench-grid.csv, at the first scale)
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "best_of.hpp"
#include "base/convert_internal.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid/grid_records.hpp"

// Every fsync of this program comes here (the library's save calls the C library's fsync, which
// this definition stands in for): counted, and passed to the system unless the run measures the
// plain write.
int fsyncCalls = 0;
bool plainWrite = false;
extern "C" int fsync(int handle) {
    ++fsyncCalls;
    return plainWrite ? 0 : static_cast<int>(syscall(SYS_fsync, handle));
}

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

// One run of Python's csv module (csv_peer.py beside this file), in an interpreter of its own:
// its seconds, its peak memory and the rows and fields it read.
struct PythonRun {
    double seconds = 0, peakMegabytes = 0;
    long rows = 0, cells = 0;
};
PythonRun python(const std::string& what) {
    const std::string peer = (std::filesystem::path(__FILE__).parent_path() / "csv_peer.py").string();
    PythonRun run;
    const std::string command = "/usr/bin/python3 '" + peer + "' " + what;
    std::FILE* out = popen(command.c_str(), "r");
    if (out == nullptr ||
        std::fscanf(out, "%lf %lf %ld %ld", &run.seconds, &run.peakMegabytes, &run.rows, &run.cells) != 4) {
        std::printf("python did not run: %s\n", command.c_str());
        std::exit(1);
    }
    pclose(out);
    return run;
}

void add(bench::Figures& f, double seconds, double megabytes) {
    f.seconds.push_back(seconds);
    f.peakMegabytes = std::max(f.peakMegabytes, megabytes);
}

// The figures of one scale: ours and Python's for each of the three.
struct ScaleFigures {
    int scale = 1, rounds = 0;
    long bytes = 0;
    bench::Figures load, pythonRead, save, pythonSafe, plainSave, pythonWrite;
};

}  // namespace

int main(int argc, char** argv) {
    bench::Plan plan = bench::planArguments(argc, argv);
    // "file" only writes the benchmark's file (for the Wine benchmarks' driver).
    const bool fileOnly = argc > 1 && std::string(argv[1]) == "file";
    if (argc > 1 && !fileOnly) plan.scales = {std::max(1, std::atoi(argv[1]))};
    if (!fileOnly) bench::machineLine();
    std::vector<ScaleFigures> table;
    bool same = true;
    const int baseRows = rows;
    for (const int scale : plan.scales) {
        rows = baseRows * scale;
        ScaleFigures f;
        f.scale = scale;
        f.rounds = plan.roundsAt(scale);
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
        if (fileOnly) return 0;
        // Checked once, outside the timed runs: our read gives back the cells, and a save over an
        // existing file stores it on disk once and leaves no scratch file.
        BenchGrid back;  // kept, so that a run's memory is not freed memory reused
        {
            yygridloadcsv(back, "bench-grid.csv", 0, 0);
            bool cells = true;
            for (int c = 0; c < columnCount; ++c) cells = cells && back.cellText(c, rows - 1) == grid.cellText(c, rows - 1);
            same = bench::sameWork("our read gives back the last row's cells", cells) && same;
            yygridsavecsv(grid, "bench-ours.csv", {}, {}, {}, {}, 0);
            fsyncCalls = 0;
            yygridsavecsv(grid, "bench-ours.csv", {}, {}, {}, {}, 0);
            const bool once = fsyncCalls == 1 && !std::filesystem::exists("bench-ours.csv.~1");
            std::printf("our save over an existing file: %d fsync, no scratch file left: %s\n", fsyncCalls,
                        std::filesystem::exists("bench-ours.csv.~1") ? "NO" : "yes");
            same = bench::sameWork("our safe save stores its file on disk once, as Python's safe write does", once) && same;
        }
        f.bytes = static_cast<long>(std::filesystem::file_size("bench-grid.csv"));
        BenchGrid into;  // each run reads into its own process's copy
        bool read = true;
        for (int round = 0; round < f.rounds; ++round) {
            bench::Run run = bench::inChild({"save", [&] { yygridsavecsv(grid, "bench-ours.csv", {}, {}, {}, {}, 0); }});
            add(f.save, run.seconds, run.peakMegabytes);
            PythonRun p = python("safe bench-grid.csv bench-python.csv");
            add(f.pythonSafe, p.seconds, p.peakMegabytes);
            run = bench::inChild({"plain save", [&] {
                                      plainWrite = true;
                                      yygridsavecsv(grid, "bench-ours.csv", {}, {}, {}, {}, 0);
                                  }});
            add(f.plainSave, run.seconds, run.peakMegabytes);
            p = python("write bench-grid.csv bench-python.csv");
            add(f.pythonWrite, p.seconds, p.peakMegabytes);
            run = bench::inChild({"load", [&] { yygridloadcsv(into, "bench-grid.csv", 0, 0); }});
            add(f.load, run.seconds, run.peakMegabytes);
            p = python("read bench-grid.csv");
            add(f.pythonRead, p.seconds, p.peakMegabytes);
            read = read && p.rows == rows && p.cells == static_cast<long>(rows) * columnCount;
        }
        same = bench::sameWork("both read every row and cell of the file", read) && same;
        std::printf("\nscale %d: %d rows, %d cells, file %ld bytes; %d rounds in turn; Python's peak is its whole\n"
                    "interpreter's, ours the memory a run added (the tables of cells are there before it)\n\n",
                    scale, rows, rows * columnCount, f.bytes, f.rounds);
        std::printf("| | ours min s | ours median s | Python min s | Python median s | median ratio | ours peak MB | "
                    "Python peak MB |\n|---|---|---|---|---|---|---|---|\n");
        auto line = [](const char* name, const bench::Figures& ours, const bench::Figures& theirs) {
            std::printf("| %s | %.3f | %.3f | %.3f | %.3f | %.2f | %.0f | %.0f |\n", name, ours.minimum(), ours.median(),
                        theirs.minimum(), theirs.median(), ours.median() / theirs.median(), ours.peakMegabytes,
                        theirs.peakMegabytes);
        };
        line("read (file to cells)", f.load, f.pythonRead);
        line("safe write (beside, fsync, replace)", f.save, f.pythonSafe);
        line("plain write (no fsync)", f.plainSave, f.pythonWrite);
        std::fflush(stdout);
        table.push_back(f);
    }
    if (plan.scales.size() > 1) {
        std::printf("\nScaling (medians; ratio ours over Python's):\n\n| scale | rounds | file MB | read ours s | read "
                    "Python s | ratio | safe write ours s | safe write Python s | ratio | plain write ours s | plain "
                    "write Python s | ratio |\n|---|---|---|---|---|---|---|---|---|---|---|---|\n");
        for (const ScaleFigures& f : table)
            std::printf("| %d | %d | %.1f | %.3f | %.3f | %.2f | %.3f | %.3f | %.2f | %.3f | %.3f | %.2f |\n", f.scale,
                        f.rounds, static_cast<double>(f.bytes) / 1e6, f.load.median(), f.pythonRead.median(),
                        f.load.median() / f.pythonRead.median(), f.save.median(), f.pythonSafe.median(),
                        f.save.median() / f.pythonSafe.median(), f.plainSave.median(), f.pythonWrite.median(),
                        f.plainSave.median() / f.pythonWrite.median());
    }
    bench::sameWork("every check above", same);
    return same ? 0 : 1;
}
