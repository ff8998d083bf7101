// grid_files_bench_win.cpp - WGridLoad and WGridSave on a real hidden grid under Wine, run by
// hand: the file grid_files_bench wrote natively (100,000 rows of 10 text, integer and double
// columns) loaded into the grid of dialog 601 with all its rows in use, loaded again into the
// same grid shrunk to one row in use and left to grow, and saved again. The three run in turn,
// five times by default; minimum and median are printed with the process's peak working set.
// Every run checks that the rows in use came back to 100,000 and that the saved file equals the
// loaded one (the same work as Python's csv reading and writing the file).
//
// Build against the 64-bit Windows library (see docs/performance.md):
//   cd tools/bench/grid && x86_64-w64-mingw32-windres grid_bench.rc -O coff -o ../../../build/win64/grid_bench.res
//   x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Ilibrary tools/bench/grid/grid_files_bench_win.cpp
//       build/win64/grid_bench.res build/win64/libgravimonder{,_editor,_grid,_images,_hardcopy,_graphics,_dialogs,_windows,_base}.a -static -lz -lcomdlg32 -lcomctl32
//       -lgdi32 -lwinspool -lwinmm -lole32 -luuid -lshell32 -ladvapi32 -lpsapi -o build/win64/grid_files_bench.exe
// Usage: wine grid_files_bench.exe bench-grid.csv [runs]
// tools/bench/grid/run-wine-grid runs it a run at a time in turn with Python's csv natively.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "assembly/assemble.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_files.hpp"

namespace {

// The POSIX timing helpers of the native benchmarks are not for Windows programs.
double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

constexpr int gridField = 1100, rowsInFile = 100000;

std::string wholeFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int rowsInUse() {
    int field = gridField, rows = 0;
    yygridgetinfo(field, 3, rows);
    return rows;
}

template <typename Work>
double timed(std::vector<double>& seconds, Work work) {
    const auto started = std::chrono::steady_clock::now();
    work();
    seconds.push_back(since(started));
    return seconds.back();
}

// "minimum | median" of a list of seconds.
std::string figures(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    char text[64];
    std::snprintf(text, sizeof text, "%.3f | %.3f", seconds.front(), seconds[seconds.size() / 2]);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: grid_files_bench file.csv [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    yyassemblelibrary();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WindowOpen(WinHidden);
    WDialogLoad(601);
    WInfoError(1);
    const std::string loaded = wholeFile(argv[1]);
    std::vector<double> load, growing, save;
    bool same = true;
    int errors = 0;
    for (int run = 0; run < runs; ++run) {
        WGridRows(gridField, rowsInFile);
        timed(load, [&] { WGridLoad(gridField, argv[1]); });
        errors += WInfoError(1) != 0;
        same = same && rowsInUse() == rowsInFile;
        WGridRows(gridField, 1);
        timed(growing, [&] { WGridLoad(gridField, argv[1], 1); });
        errors += WInfoError(1) != 0;
        same = same && rowsInUse() == rowsInFile;
        timed(save, [&] { WGridSave(gridField, "bench-wine.csv"); });
        errors += WInfoError(1) != 0;
        same = same && wholeFile("bench-wine.csv") == loaded;
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        // One line a run for the driver that runs this in turn with its peers (run-wine-grid).
        std::printf("run %d: load %.4f growing %.4f save %.4f peak %.1f same %s errors %d\n", run + 1, load.back(),
                    growing.back(), save.back(), static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0,
                    same ? "yes" : "NO", errors);
        std::fflush(stdout);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%d runs in turn; seconds minimum | median; %d errors; rows in use %d after each load and the saved "
                "file %s; peak working set %.0f MB\n\n",
                runs, errors, rowsInFile, same ? "equal to the loaded one" : "DIFFERENT",
                static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);
    std::printf("| | min s | median s |\n|---|---|---|\n");
    std::printf("| `WGridLoad`, rows in use | %s |\n", figures(load).c_str());
    std::printf("| `WGridLoad`, growing from one row | %s |\n", figures(growing).c_str());
    std::printf("| `WGridSave` | %s |\n", figures(save).c_str());
    WindowClose();
    return same && errors == 0 ? 0 : 1;
}
