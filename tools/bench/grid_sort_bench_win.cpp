// grid_sort_bench_win.cpp - WGridSort on a real grid, run by hand under Wine: the grid tests' long
// grid (dialog 503) in a shown dialog with 100,000 rows in use and random text, integer and double
// keys in its Name, Count and Depth columns. Each run fills a column with fresh random keys and
// sorts it three times: ascending (random keys), ascending again (keys already in order) and
// descending (keys in the opposite order); the order is checked by reading the cells back after
// each sort. Five runs by default; minimum and median of each are printed.
//
// Build after build/win64 (from the tree's root), the second command on one line:
//   x86_64-w64-mingw32-windres -Itests/grid/resources tests/grid/resources/grid.rc -O coff -o build/grid_bench_res.o
//   x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Ilibrary tools/bench/grid_sort_bench_win.cpp build/grid_bench_res.o
//     build/win64/libgravimonder.a -static -lcomdlg32 -lcomctl32 -lgdi32 -luser32 -ladvapi32 -lshell32
//     -lwinspool -lwinmm -lole32 -luuid -lz -o build/grid_sort_bench.exe
// Run: WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 build/grid_sort_bench.exe [rows [runs]]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "assembly/assemble.hpp"
#include "assembly/assemble.hpp"
#include "core/windows.hpp"
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
bool inOrder(GridControlRecord* g, int column, int rows, bool descending) {
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

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
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
    // Fresh random keys in one column.
    auto fill = [&](int column) {
        yygridcellredrawoff();
        for (int r = 0; r < rows; ++r) {
            int f = LongGrid;
            if (column == Name) {
                std::string text;
                for (int n = length(random); n > 0; --n) text += static_cast<char>(letter(random));
                yygridputcellstring(f, Name, r, 0.0, text.c_str(), nullptr, static_cast<int>(text.size()) + 1, 0);
            } else if (column == Count) {
                const int value = integer(random);
                const std::string number = std::to_string(value);
                yygridputcellstring(f, Count, r, value, number.c_str(), nullptr, static_cast<int>(number.size()) + 1, 0);
            } else {
                WGridPutCellDouble(LongGrid, Depth + 1, r + 1, real(random));
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
            sorted = sorted && inOrder(g, key.column, rows, descending);
        };
        for (int run = 0; run < runs; ++run) {
            fill(key.column);
            timeSort(unordered, 0, false);
            timeSort(ordered, 0, false);
            timeSort(opposite, 1, true);
        }
        std::printf("| %s | %s | %s | %s | %s |\n", key.name, figures(unordered).c_str(), figures(ordered).c_str(),
                    figures(opposite).c_str(), sorted ? "yes" : "NO");
        std::fflush(stdout);
    }
    WindowClose();
    return 0;
}
