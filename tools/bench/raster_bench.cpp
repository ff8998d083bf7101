// raster_bench.cpp - the software raster, run by hand: one drawing of 1,000,000 random line
// segments (each at most 2% of the page long, seven colours changing every 1,000 segments) and
// 100,000 filled quadrilaterals (five colours) through IGrHardCopy and the image-file driver on
// an A4 page at 300 dpi (2480 x 3508 pixels), at depths 1, 8 and 24. The page writer is left
// out (writing the page as PNG is the image writers' own benchmark). Prints the times.
//
// Usage: raster_bench [depth ...]   (1 8 24; default all)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_drawing.hpp"
#include "best_of.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/image_driver.hpp"

namespace {

void writeNothing() {}

double rasterise(const bench::Drawing& d, int depth) {
    yyresetgravim();
    yypali();
    bench::surface();
    IGrHardCopySelect(1, 6);
    IGrHardCopyOptions(1, 2480);
    IGrHardCopyOptions(2, 3508);
    IGrHardCopyOptions(23, depth);
    const auto started = std::chrono::steady_clock::now();
    IGrHardCopy("bench-raster.png");
    bench::draw(d);
    IGrHardCopy("S");
    return bench::since(started);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> depths;
    for (int i = 1; i < argc; ++i) depths.push_back(std::atoi(argv[i]));
    if (depths.empty()) depths = {1, 8, 24};
    const bench::Drawing drawing = bench::makeDrawing();
    yysetimagewriter(ImageFormat::Png, writeNothing);
    std::printf("%-6s %10s\n", "depth", "seconds");
    for (const int depth : depths) {
        std::printf("%-6d %10.2f\n", depth, rasterise(drawing, depth));
        std::fflush(stdout);
    }
    return 0;
}
