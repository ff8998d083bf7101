// png_bench.cpp - the PNG writer of the raster page against libpng, run by hand: the benchmarks'
// drawing rasterised through the image-file driver on a page of 3300 x 2550 pixels at depths 8
// and 24; the page written by yypng1, and the same pixels by libpng at zlib's default level with
// filter None and with libpng's default filters. Each writer runs seven times; the best time and
// the file size are printed. Then the file libpng wrote with its default filters is decoded
// to RGB values by IGrLoadImageData and to RGB bytes by libpng, seven times each, best time.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary -Itools/bench tools/bench/png_bench.cpp \
//       build/bench/libgravimonder.a -lpng -lz
// Usage: png_bench [depth ...]   (8 24; default both)
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "bench_drawing.hpp"
#include "best_of.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/image_driver.hpp"
#include "images/image_files.hpp"
#include "images/image_writers.hpp"
#include "images/raster_reader.hpp"

namespace {

constexpr int pageWidth = 3300, pageHeight = 2550, runs = 7;
constexpr const char* outputName = "bench-page.png";

struct Result {
    double seconds = 1e30;
    std::uintmax_t bytes = 0;
};
Result ours, libpngNone, libpngDefault;

// The page as libpng takes it: top row first, colour indexes or red, green, blue.
std::vector<std::vector<unsigned char>> pageRows() {
    const RasterState& r = gravim.raster;
    std::vector<std::vector<unsigned char>> rows(static_cast<std::size_t>(r.RasterHeight));
    for (int y = 0; y < r.RasterHeight; ++y) {
        std::vector<unsigned char>& row = rows[static_cast<std::size_t>(y)];
        const std::int64_t first = std::int64_t{r.RasterHeight - 1 - y} * r.RasterRowWords;
        row.resize(static_cast<std::size_t>(r.RasterWidth) * (r.RasterDepth == 24 ? 3 : 1));
        if (r.RasterDepth == 24) yyrasterpixels(first, r.RasterWidth, false, row.data());
        else yyrasterindexes(first, r.RasterWidth, row.data());
    }
    return rows;
}

Result withLibpng(const std::vector<std::vector<unsigned char>>& rows, bool filterNone) {
    const RasterState& r = gravim.raster;
    std::vector<png_bytep> pointers;
    for (const auto& row : rows) pointers.push_back(const_cast<png_bytep>(row.data()));
    std::array<RasterColour, 256> colours;
    const int n = yyrastercolours(colours);
    std::vector<png_color> palette;
    for (int i = 0; i < n; ++i)
        palette.push_back({colours[static_cast<std::size_t>(i)].red, colours[static_cast<std::size_t>(i)].green,
                           colours[static_cast<std::size_t>(i)].blue});
    Result best;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        std::FILE* file = std::fopen("bench-libpng.png", "wb");
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) std::abort();
        png_init_io(png, file);
        png_set_compression_level(png, Z_DEFAULT_COMPRESSION);
        if (filterNone) png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_IHDR(png, info, static_cast<png_uint_32>(r.RasterWidth), static_cast<png_uint_32>(r.RasterHeight), 8,
                     r.RasterDepth == 24 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
        if (n > 0) png_set_PLTE(png, info, palette.data(), n);
        png_write_info(png, info);
        png_write_image(png, pointers.data());
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        best.seconds = std::min(best.seconds, bench::since(start));
    }
    best.bytes = std::filesystem::file_size("bench-libpng.png");
    return best;
}

// Stands in for the driver's PNG writer: times ours on the page, then libpng on its pixels.
void measuredWriter() {
    for (int run = 0; run < runs; ++run) {
        const std::uintmax_t before = std::filesystem::file_size(outputName);
        const auto start = std::chrono::steady_clock::now();
        yypng1();
        ours.seconds = std::min(ours.seconds, bench::since(start));
        ours.bytes = std::filesystem::file_size(outputName) - before;
    }
    const auto rows = pageRows();
    libpngNone = withLibpng(rows, true);
    libpngDefault = withLibpng(rows, false);
}

// Best times of IGrLoadImageData and of libpng decoding the named PNG to RGB.
void decoding(int depth, const char* name) {
    const RasterState& r = gravim.raster;
    std::vector<int> pixels(static_cast<std::size_t>(r.RasterWidth) * static_cast<std::size_t>(r.RasterHeight));
    double oursBest = 1e30, libpngBest = 1e30;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        IGrLoadImageData(name, pixels);
        oursBest = std::min(oursBest, bench::since(start));
    }
    std::vector<unsigned char> rgb;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (png_image_begin_read_from_file(&image, name) == 0) std::abort();
        image.format = PNG_FORMAT_RGB;
        rgb.resize(PNG_IMAGE_SIZE(image));
        if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) std::abort();
        libpngBest = std::min(libpngBest, bench::since(start));
    }
    std::printf("%-6d %-22s %9.3f\n", depth, "IGrLoadImageData", oursBest);
    std::printf("%-6d %-22s %9.3f\n", depth, "libpng to RGB", libpngBest);
    std::printf("%-6d decoding speed %.2f x libpng's\n", depth, libpngBest / oursBest);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> depths;
    for (int i = 1; i < argc; ++i) depths.push_back(std::atoi(argv[i]));
    if (depths.empty()) depths = {8, 24};
    const bench::Drawing drawing = bench::makeDrawing();
    yysetimagewriter(ImageFormat::Png, measuredWriter);
    std::printf("%-6s %-22s %9s %12s\n", "depth", "writer", "seconds", "bytes");
    for (const int depth : depths) {
        ours = libpngNone = libpngDefault = Result{};
        yyresetgravim();
        yypali();
        bench::surface();
        IGrHardCopySelect(1, 6);
        IGrHardCopyOptions(1, pageWidth);
        IGrHardCopyOptions(2, pageHeight);
        IGrHardCopyOptions(23, depth);
        IGrHardCopy(outputName);
        bench::draw(drawing);
        IGrHardCopy("S");
        const struct {
            const char* name;
            const Result& result;
        } lines[] = {{"yypng1", ours}, {"libpng, filter None", libpngNone}, {"libpng, default filters", libpngDefault}};
        for (const auto& line : lines)
            std::printf("%-6d %-22s %9.3f %12ju\n", depth, line.name, line.result.seconds, line.result.bytes);
        std::printf("%-6d speed %.2f x libpng's, size %.3f x libpng's (filter None)\n", depth,
                    libpngNone.seconds / ours.seconds, static_cast<double>(ours.bytes) / static_cast<double>(libpngNone.bytes));
        decoding(depth, "bench-libpng.png");
        std::fflush(stdout);
    }
    return 0;
}
