// grid_sort_bench_win.cpp - WGridSort on a real grid, run by hand under Wine: the grid tests' long
// grid (dialog 503) in a shown dialog with 100,000 rows in use and random text, integer and double
// keys in its Name, Count and Depth columns. Each run fills a column with fresh random keys and
// sorts it three times: ascending (random keys), ascending again (keys already in order) and
// descending (keys in the opposite order); the order is checked by reading the cells back after
// each sort. Five runs by default; minimum and median of each are printed. With "keys" the first
// run writes each column's random keys and their order after the ascending sort, a cell text a
// line, to bench-sort-KIND-keys.txt and bench-sort-KIND-sorted.txt, for the native peer
// (tools/bench/grid/sort_peer.cpp) to sort the same keys and compare the order; the driver
// tools/bench/grid/run-wine-grid runs this a run at a time in turn with the peer.
//
// Build after build/win64 (from the tree's root), the second command on one line:
//   x86_64-w64-mingw32-windres -Itests/grid/resources tests/grid/resources/grid.rc -O coff -o build/grid_bench_res.o
//   x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Ilibrary tools/bench/grid_sort_bench_win.cpp build/grid_bench_res.o
//     build/win64/libgravimonder{,_editor,_grid,_images,_hardcopy,_graphics,_dialogs,_windows,_base}.a -static -lcomdlg32 -lcomctl32 -lgdi32 -luser32 -ladvapi32 -lshell32
//     -lwinspool -lwinmm -lole32 -luuid -lpsapi -lz -o build/grid_sort_bench.exe
// Run: WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 build/grid_sort_bench.exe [rows [runs [keys]]]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "assembly/assemble.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"

namespace {

// The POSIX timing helpers of the native benchmarks are not for Windows programs.
double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

constexpr int LongGrid = 1101;
enum Column { Name = 0, Count = 1, Depth = 3 };

// Whether the column's cells are in order: texts as unsigned bytes, numbers as numbers.
bool inOrder(HWND grid, GridControlRecord* g, int column, int rows, bool descending) {
    const GridColumnRecords records(grid);  // the columns' formats read once, not for every cell
    char previous[64] = "", text[64] = "";
    double last = 0;
    for (int r = 0; r < rows; ++r) {
        yyGridGetString(g, column, r, text, sizeof text, 0);
        if (column == Name) {
            const int c = r > 0 ? std::string(previous).compare(text) : 0;
            if (descending ? c < 0 : c > 0) return false;
            std::snprintf(previous, sizeof previous, "%s", text);
        } else {
            const double value = std::atof(text);
            if (r > 0 && (descending ? value > last : value < last)) return false;
            last = value;
        }
    }
    return true;
}

// The column's cell texts, one a line.
void writeColumn(GridControlRecord* g, int column, int rows, const std::string& name) {
    std::ofstream out(name, std::ios::binary);
    char text[64] = "";
    for (int r = 0; r < rows; ++r) {
        yyGridGetString(g, column, r, text, sizeof text, 0);
        out << text << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const bool writeKeys = argc > 3 && std::string(argv[3]) == "keys";
    yyassemblelibrary();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    yyassemblelibrary();
    WindowOpen(WinHidden);
    WDialogLoad(503);
    WDialogShow(-1, -1, 0, 2);
    HWND grid = yyfieldwindow(LongGrid);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr) {
        std::printf("no grid\n");
        return 1;
    }
    WGridRows(LongGrid, rows);
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> integer(-1000000000, 1000000000), letter('A', 'Z'), length(4, 16);
    std::uniform_real_distribution<double> real(-1e6, 1e6);
    // Fresh random keys in one column, put through the grid and its columns' records found once
    // (a put by the field's identifier finds them again for every cell, which under Wine costs
    // window-server round trips and made filling a column take ten times as long as sorting it);
    // the first row, which may hold the editor, through the public routines.
    auto fill = [&](int column) {
        yygridcellredrawoff();
        const GridColumnRecords records(grid);
        for (int r = 0; r < rows; ++r) {
            int f = LongGrid;
            if (column == Name) {
                std::string text;
                for (int n = length(random); n > 0; --n) text += static_cast<char>(letter(random));
                if (r == 0) yygridputcellstring(f, Name, r, 0.0, text.c_str(), nullptr, static_cast<int>(text.size()) + 1, 0);
                else yyGridPutString(grid, g, Name, r, 0.0, text.c_str(), nullptr, static_cast<int>(text.size()) + 1);
            } else if (column == Count) {
                const int value = integer(random);
                const std::string number = std::to_string(value);
                if (r == 0) yygridputcellstring(f, Count, r, value, number.c_str(), nullptr, static_cast<int>(number.size()) + 1, 0);
                else yyGridPutString(grid, g, Count, r, value, number.c_str(), nullptr, static_cast<int>(number.size()) + 1);
            } else {
                const double value = real(random);
                if (r == 0) {
                    WGridPutCellDouble(LongGrid, Depth + 1, r + 1, value);
                } else {
                    char number[32];
                    std::snprintf(number, sizeof number, "%.17g", value);
                    yyGridPutString(grid, g, Depth, r, value, number, nullptr, static_cast<int>(std::strlen(number)) + 1);
                }
            }
        }
        int f = LongGrid;
        yygridcellredrawon(f);
    };
    // Minimum and median of a list of seconds.
    auto figures = [](std::vector<double> seconds) {
        std::sort(seconds.begin(), seconds.end());
        char text[64];
        std::snprintf(text, sizeof text, "%.2f | %.2f", seconds.front(), seconds[seconds.size() / 2]);
        return std::string(text);
    };
    std::printf("%d rows, %d runs; each cell: minimum | median seconds\n\n", rows, runs);
    std::printf("| key | random min | median | in order min | median | opposite order min | median | in order after "
                "each |\n|---|---|---|---|---|---|---|---|\n");
    const struct {
        const char* name;
        int column;
    } keys[] = {{"text", Name}, {"integer", Count}, {"double", Depth}};
    for (const auto& key : keys) {
        std::vector<double> unordered, ordered, opposite;
        bool sorted = true;
        auto timeSort = [&](std::vector<double>& times, int flags, bool descending) {
            const auto started = std::chrono::steady_clock::now();
            WGridSort(LongGrid, key.column + 1, flags);
            times.push_back(since(started));
            sorted = sorted && inOrder(grid, g, key.column, rows, descending);
        };
        const std::string files = std::string("bench-sort-") + key.name;
        for (int run = 0; run < runs; ++run) {
            fill(key.column);
            if (writeKeys && run == 0) writeColumn(g, key.column, rows, files + "-keys.txt");
            timeSort(unordered, 0, false);
            if (writeKeys && run == 0) writeColumn(g, key.column, rows, files + "-sorted.txt");
            timeSort(ordered, 0, false);
            timeSort(opposite, 1, true);
            // One line a run for the driver.
            PROCESS_MEMORY_COUNTERS memory{};
            memory.cb = sizeof memory;
            GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
            std::printf("run %d: %s random %.4f in-order %.4f opposite %.4f sorted %s peak %.1f\n", run + 1, key.name,
                        unordered.back(), ordered.back(), opposite.back(), sorted ? "yes" : "NO",
                        static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);
            std::fflush(stdout);
        }
        std::printf("| %s | %s | %s | %s | %s |\n", key.name, figures(unordered).c_str(), figures(ordered).c_str(),
                    figures(opposite).c_str(), sorted ? "yes" : "NO");
        std::fflush(stdout);
    }
    WindowClose();
    return 0;
}
