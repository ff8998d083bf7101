// raster_bench.cpp - the software raster against GNU plotutils' libplot bitmap plotter, run by
// hand: the benchmarks' drawing (bench_drawing.hpp; 1,000,000 segments, 100,000 filled
// quadrilaterals, or a multiple) through IGrHardCopy and the image-file driver on an A4 page at
// 300 dpi (2480 x 3508 pixels) at depths 1, 8 and 24, the page writer left out; and the same
// segments and quadrilaterals through libplot's "pnm" plotter on a bitmap of the same size,
// written as a binary PPM (libplot has no way to leave its writer out). The sides run
// interleaved, each run in a process of its own; prints the minimum and median seconds, the peak
// memory a run added, and the pixels each page drew (not background), which at depth 24 must agree
// within 5%: the two rasterisers place and widen lines differently, so the pages are not equal.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary tools/bench/raster_bench.cpp build/bench/libgravimonder{,_editor,_grid,_images,_hardcopy,_graphics,_dialogs,_windows,_base}.a -lplot -lz
// Usage: raster_bench [-rROUNDS] [-RROUNDS] [-sSCALES] [depth ...]   (5 rounds, scale 1; depths 1 8 24)
//   "-s1,4,16" runs the drawing once, 4 and 16 times over and ends with a scaling table; "-RN"
//   runs N rounds at the scales above 1; -xTIMES is -sTIMES.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assembly/assemble.hpp"
#include "bench_drawing.hpp"
#include "best_of.hpp"
#include "libplot_drawing.hpp"
#include "hardcopy/hardcopy.hpp"
#include "images/image_driver.hpp"
#include "images/raster_reader.hpp"

namespace {

constexpr int pageWidth = 2480, pageHeight = 3508;
std::size_t drawnPixels = 0;  // of our last page, counted by the stand-in writer

void writeNothing() {}

// Counts the page's pixels that are not white (depth 24) or not colour index 0 (the others).
void countDrawn() {
    const RasterState& r = gravim.raster;
    std::vector<unsigned char> row(static_cast<std::size_t>(r.RasterWidth) * 3);
    drawnPixels = 0;
    for (int y = 0; y < r.RasterHeight; ++y) {
        const std::int64_t first = std::int64_t{y} * r.RasterRowWords;
        if (r.RasterDepth == 24) {
            yyrasterpixels(first, r.RasterWidth, false, row.data());
            for (int x = 0; x < r.RasterWidth; ++x)
                drawnPixels += row[3 * x] != 255 || row[3 * x + 1] != 255 || row[3 * x + 2] != 255;
        } else if (r.RasterDepth == 8) {
            yyrasterindexes(first, r.RasterWidth, row.data());
            for (int x = 0; x < r.RasterWidth; ++x) drawnPixels += row[x] != 0;
        } else {
            yyrasterbits(first, r.RasterWidth, row.data());
            for (int x = 0; x < r.RasterWidth; ++x) drawnPixels += (row[x / 8] >> (7 - x % 8) & 1) != 0;
        }
    }
}

void ours(const bench::Drawing& d, int depth) {
    yyresetgravim();
    yypali();
    bench::surface();
    IGrHardCopySelect(1, 6);
    IGrHardCopyOptions(1, pageWidth);
    IGrHardCopyOptions(2, pageHeight);
    IGrHardCopyOptions(23, depth);
    IGrHardCopy("bench-raster.png");
    bench::draw(d);
    IGrHardCopy("S");
}

void libplot(const bench::Drawing& d, const char* name) {
    FILE* out = std::fopen(name, "wb");
    plPlotterParams* params = pl_newplparams();
    const std::string size = std::to_string(pageWidth) + "x" + std::to_string(pageHeight);
    pl_setplparam(params, "BITMAPSIZE", const_cast<char*>(size.c_str()));
    pl_setplparam(params, "PNM_PORTABLE", const_cast<char*>("no"));
    plPlotter* plotter = pl_newpl_r("pnm", nullptr, out, stderr, params);
    pl_openpl_r(plotter);
    bench::drawWithLibplot(plotter, d);
    pl_closepl_r(plotter);
    pl_deletepl_r(plotter);
    pl_deleteplparams(params);
    std::fclose(out);
}

// The pixels of a binary PPM that are not white; 0 for a file it cannot read.
std::size_t drawnInPpm(const char* name) {
    std::ifstream file(name, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    file >> magic;
    while (file >> std::ws && file.peek() == '#') file.ignore(1 << 20, '\n');  // libplot's comment
    file >> width >> height >> maximum;
    file.get();
    if (magic != "P6" || maximum != 255) return 0;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
    file.read(reinterpret_cast<char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    std::size_t n = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 3) n += pixels[i] != 255 || pixels[i + 1] != 255 || pixels[i + 2] != 255;
    return n;
}

// One line of the scaling table.
struct ScaleRow {
    int depth = 0, scale = 1, rounds = 0;
    bench::Figures ours, libplot;
    double share = 0;
};

}  // namespace

int main(int argc, char** argv) {
    yyassemblelibrary();
    const bench::Plan plan = bench::planArguments(argc, argv);
    std::vector<int> depths;
    for (int i = 1; i < argc; ++i) depths.push_back(std::atoi(argv[i]));
    if (depths.empty()) depths = {1, 8, 24};
    bench::machineLine();
    std::vector<ScaleRow> table;
    bool allSame = true;
    for (const int times : plan.scales) {
        const int rounds = plan.roundsAt(times);
        std::printf("\n%d rounds, the drawing %d times, page %d x %d\n", rounds, times, pageWidth, pageHeight);
        const bench::Drawing drawing = bench::makeDrawing(times);
        yysetimagewriter(ImageFormat::Png, writeNothing);
        std::printf("%-6s %-8s %9s %9s %9s %12s\n", "depth", "side", "min s", "median s", "peak MB", "drawn px");
        for (const int depth : depths) {
            const std::vector<bench::Figures> f = bench::interleaved(
                rounds,
                {{"ours", [&] { ours(drawing, depth); }}, {"libplot", [&] { libplot(drawing, "bench-libplot.ppm"); }}});
            yysetimagewriter(ImageFormat::Png, countDrawn);
            ours(drawing, depth);
            yysetimagewriter(ImageFormat::Png, writeNothing);
            const std::size_t theirs = drawnInPpm("bench-libplot.ppm");
            std::printf("%-6d %-8s %9.3f %9.3f %9.1f %12zu\n", depth, "ours", f[0].minimum(), f[0].median(),
                        f[0].peakMegabytes, drawnPixels);
            std::printf("%-6d %-8s %9.3f %9.3f %9.1f %12zu\n", depth, "libplot", f[1].minimum(), f[1].median(),
                        f[1].peakMegabytes, theirs);
            std::printf("%-6d time ours/libplot: median %.2f, minimum %.2f\n", depth, f[0].median() / f[1].median(),
                        f[0].minimum() / f[1].minimum());
            // At depth 24 both pages hold the drawing's colours; at depths 1 and 8 ours dithers the
            // pale fills to fewer drawn pixels, so only the colour pages are compared.
            const double share = theirs > 0 ? static_cast<double>(drawnPixels) / static_cast<double>(theirs) : 0;
            if (depth == 24)
                allSame = bench::sameWork("x" + std::to_string(times) + " drawn pixels ours over libplot's " +
                                              std::to_string(share) + " (within 0.95 to 1.05)",
                                          share >= 0.95 && share <= 1.05) &&
                          allSame;
            else
                std::printf("same work: depth %d: not compared (ours dithers the fills; libplot's page is in colour)\n",
                            depth);
            table.push_back({depth, times, rounds, f[0], f[1], depth == 24 ? share : 0});
            std::fflush(stdout);
        }
    }
    if (plan.scales.size() > 1) {
        std::printf("\nScaling (medians; peak: the most memory a run added):\n\n| depth | times | rounds | ours median s | "
                    "ours peak MB | libplot median s | libplot peak MB | time (medians) | drawn pixels ours / "
                    "libplot's |\n|---|---|---|---|---|---|---|---|---|\n");
        for (const ScaleRow& r : table) {
            std::printf("| %d | %d | %d | %.2f | %.1f | %.2f | %.1f | %.2f | ", r.depth, r.scale, r.rounds,
                        r.ours.median(), r.ours.peakMegabytes, r.libplot.median(), r.libplot.peakMegabytes,
                        r.ours.median() / r.libplot.median());
            if (r.depth == 24) std::printf("%.4f |\n", r.share);
            else std::printf("- |\n");
        }
    }
    return allSame ? 0 : 1;
}
