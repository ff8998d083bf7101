// grid_files_bench_win.cpp - WGridLoad and WGridSave on a real hidden grid under Wine, run by
// hand: the file grid_files_bench wrote natively (100,000 rows of 10 text, integer and double
// columns) loaded into the grid of dialog 601 and saved again; best of three runs each, and the
// saved file compared with the loaded one.
//
// Build against the 64-bit Windows library (see docs/performance.md):
//   cd tools/bench/grid && x86_64-w64-mingw32-windres grid_bench.rc -O coff -o ../../../build/win64/grid_bench.res
//   x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Ilibrary tools/bench/grid/grid_files_bench_win.cpp
//       build/win64/grid_bench.res build/win64/libgravimonder.a -static -lz -lcomdlg32 -lcomctl32
//       -lgdi32 -lwinspool -lwinmm -lole32 -luuid -lshell32 -ladvapi32 -o build/win64/grid_files_bench.exe
// Usage: wine grid_files_bench.exe bench-grid.csv
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "../best_of.hpp"
#include "core/errors.hpp"
#include "core/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "grid/grid_files.hpp"

namespace {

constexpr int gridField = 1100, runs = 3;


std::string wholeFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: grid_files_bench file.csv\n");
        return 2;
    }
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WindowOpen(WinHidden);
    WDialogLoad(601);
    WInfoError(1);
    const double load = bench::bestOf(runs, [&] { WGridLoad(gridField, argv[1]); });
    const int loadError = WInfoError(1);
    const double save = bench::bestOf(runs, [&] { WGridSave(gridField, "bench-wine.csv"); });
    const int saveError = WInfoError(1);
    const bool same = wholeFile(argv[1]) == wholeFile("bench-wine.csv");
    std::printf("WGridLoad %.3f s (error %d), WGridSave %.3f s (error %d), saved file %s\n", load, loadError, save,
                saveError, same ? "equal to the loaded one" : "DIFFERENT");
    WindowClose();
    return same ? 0 : 1;
}
