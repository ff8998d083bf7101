// vector_bench.cpp - the PostScript, SVG, CGM and HP-GL file drivers against GNU plotutils'
// libplot, run by hand: the benchmarks' one drawing (bench_drawing.hpp) through IGrHardCopy and
// the driver, and the same segments and filled quadrilaterals through libplot's "ps", "svg",
// "cgm" and "hpgl" plotters. Prints the times, the file sizes and their ratios (ours over libplot's).
//
// Usage: vector_bench [ps|svg|cgm|hpgl ...]   (default all four)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <plot.h>  // after <cstdio>: it uses FILE without including it

#include "bench_drawing.hpp"
#include "best_of.hpp"
#include "hardcopy/hardcopy.hpp"

namespace {

struct Result {
    double seconds;
    std::uintmax_t bytes;
};

Result ours(const bench::Drawing& d, int driver, const std::string& name) {
    yyresetgravim();
    yypali();
    bench::surface();
    IGrHardCopySelect(1, driver);
    const auto started = std::chrono::steady_clock::now();
    IGrHardCopy(name);
    bench::draw(d);
    IGrHardCopy("S");
    const double seconds = bench::since(started);
    return {seconds, std::filesystem::file_size(name)};
}

int channel(int c) { return c * 257; }  // libplot's colour components are 16 bits

Result libplot(const bench::Drawing& d, const char* type, const std::string& name) {
    const auto started = std::chrono::steady_clock::now();
    FILE* out = std::fopen(name.c_str(), "wb");
    plPlotterParams* params = pl_newplparams();
    plPlotter* plotter = pl_newpl_r(type, nullptr, out, stderr, params);
    pl_openpl_r(plotter);
    pl_fspace_r(plotter, 0, 0, bench::surfaceWidth, bench::surfaceHeight);
    pl_linewidth_r(plotter, 1);
    for (int i = 0; i < bench::segmentCount; ++i) {
        if (i % bench::colourRun == 0) {
            const bench::Rgb& c = bench::lineColours[(i / bench::colourRun) % 7];
            pl_pencolor_r(plotter, channel(c.red), channel(c.green), channel(c.blue));
        }
        const float* s = &d.segments[4 * static_cast<std::size_t>(i)];
        pl_fline_r(plotter, s[0], s[1], s[2], s[3]);
    }
    pl_endpath_r(plotter);
    pl_filltype_r(plotter, 1);
    pl_pentype_r(plotter, 0);
    for (int i = 0; i < bench::quadCount; ++i) {
        if (i % bench::colourRun == 0) {
            const bench::Rgb& c = bench::fillColours[(i / bench::colourRun) % 5];
            pl_fillcolor_r(plotter, channel(c.red), channel(c.green), channel(c.blue));
        }
        const float* q = &d.quads[8 * static_cast<std::size_t>(i)];
        pl_fmove_r(plotter, q[0], q[1]);
        for (int k = 1; k < 4; ++k) pl_fcont_r(plotter, q[2 * k], q[2 * k + 1]);
        pl_closepath_r(plotter);
        pl_endpath_r(plotter);
    }
    pl_closepl_r(plotter);
    pl_deletepl_r(plotter);
    pl_deleteplparams(params);
    std::fclose(out);
    const double seconds = bench::since(started);
    return {seconds, std::filesystem::file_size(name)};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> kinds;
    for (int i = 1; i < argc; ++i) kinds.emplace_back(argv[i]);
    if (kinds.empty()) kinds = {"ps", "svg", "cgm", "hpgl"};
    const bench::Drawing drawing = bench::makeDrawing();
    std::printf("%-5s %10s %12s %10s %12s %10s %10s\n", "kind", "ours s", "ours MB", "libplot s", "libplot MB", "time x",
                "size x");
    for (const std::string& kind : kinds) {
        const int driver = kind == "ps" ? 2 : kind == "svg" ? 3 : kind == "hpgl" ? 1 : 9;
        const Result a = ours(drawing, driver, "bench-ours." + kind);
        const Result b = libplot(drawing, kind.c_str(), "bench-libplot." + kind);
        std::printf("%-5s %10.2f %12.1f %10.2f %12.1f %10.2f %10.2f\n", kind.c_str(), a.seconds, a.bytes / 1e6, b.seconds,
                    b.bytes / 1e6, a.seconds / b.seconds, static_cast<double>(a.bytes) / static_cast<double>(b.bytes));
        std::fflush(stdout);
    }
    return 0;
}
