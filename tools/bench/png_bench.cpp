// png_bench.cpp - the PNG writer of the raster page against libpng, run by hand: the benchmarks'
// drawing rasterised through the image-file driver on a page of 3300 x 2550 pixels at depths 8
// and 24; the page written by yypng1, and the same pixels by libpng at zlib's default level with
// filter None and with libpng's default filters, the three interleaved, each run in a process of
// its own. Then the file libpng wrote with its default filters is decoded to RGB values by
// IGrLoadImageData and to RGB bytes by libpng, interleaved likewise. Prints the minimum and median
// times on the clock and on the processor (user and system time, steadier than the clock on a
// loaded machine), the peak memory a run added, the file sizes, and whether the files decode to
// the same pixels.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary -Itools/bench tools/bench/png_bench.cpp \
//       build/bench/libgravimonder{,_editor,_grid,_images,_hardcopy,_graphics,_dialogs,_windows,_base}.a -lpng -lz
// Usage: png_bench [-rROUNDS] [depth ...]   (7 rounds; depths 8 24, default both)
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assembly/assemble.hpp"
#include "bench_drawing.hpp"
#include "best_of.hpp"
#include "hardcopy/hardcopy.hpp"
#include "images/image_driver.hpp"
#include "images/image_files.hpp"
#include "images/image_writers.hpp"
#include "images/raster_reader.hpp"

namespace {

constexpr int pageWidth = 3300, pageHeight = 2550;
constexpr const char* outputName = "bench-page.png";
int rounds = 7;

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

void withLibpng(const std::vector<std::vector<unsigned char>>& rows, bool filterNone, const char* name) {
    const RasterState& r = gravim.raster;
    std::vector<png_bytep> pointers;
    for (const auto& row : rows) pointers.push_back(const_cast<png_bytep>(row.data()));
    std::array<RasterColour, 256> colours;
    const int n = yyrastercolours(colours);
    std::vector<png_color> palette;
    for (int i = 0; i < n; ++i)
        palette.push_back({colours[static_cast<std::size_t>(i)].red, colours[static_cast<std::size_t>(i)].green,
                           colours[static_cast<std::size_t>(i)].blue});
    std::FILE* file = std::fopen(name, "wb");
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
}

std::vector<unsigned char> contents(const char* name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Decodes the first PNG image in bytes to RGB by libpng into rgb (resized only when it is not
// the image's size); false when libpng cannot read it.
bool decodedRgb(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& rgb) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) return false;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
}

std::vector<unsigned char> decodedRgb(const std::vector<unsigned char>& bytes) {
    std::vector<unsigned char> rgb;
    return decodedRgb(bytes, rgb) ? rgb : std::vector<unsigned char>{};
}

void printFigures(int depth, const char* name, const bench::Figures& f, double bytes) {
    std::printf("%-6d %-24s %9.3f %9.3f %9.3f %9.3f %9.1f %12.0f\n", depth, name, f.minimum(), f.median(),
                f.processorMinimum(), f.processorMedian(), f.peakMegabytes, bytes);
}

// The peer's time over ours, on the clock and on the processor.
void printSpeed(int depth, const char* what, const bench::Figures& ours, const bench::Figures& peer) {
    std::printf("%-6d %s time over ours: median %.2f, minimum %.2f; processor time: median %.2f, minimum %.2f\n", depth,
                what, peer.median() / ours.median(), peer.minimum() / ours.minimum(),
                peer.processorMedian() / ours.processorMedian(), peer.processorMinimum() / ours.processorMinimum());
}

// Stands in for the driver's PNG writer: ours on the page against libpng on its pixels, then
// the decoders on libpng's file.
void measuredWriter() {
    const int depth = gravim.raster.RasterDepth;
    const auto rows = pageRows();
    const std::uintmax_t before = std::filesystem::file_size(outputName);
    const std::vector<bench::Figures> w = bench::interleaved(
        rounds, {{"yypng1", [] { yypng1(); }},
                 {"libpng None", [&] { withLibpng(rows, true, "bench-libpng-none.png"); }},
                 {"libpng default", [&] { withLibpng(rows, false, "bench-libpng.png"); }}});
    // Every run of ours appended one image to the driver's file.
    const double oursBytes = static_cast<double>(std::filesystem::file_size(outputName) - before) / rounds;
    const double noneBytes = static_cast<double>(std::filesystem::file_size("bench-libpng-none.png"));
    printFigures(depth, "yypng1", w[0], oursBytes);
    printFigures(depth, "libpng, filter None", w[1], noneBytes);
    printFigures(depth, "libpng, default filters", w[2], static_cast<double>(std::filesystem::file_size("bench-libpng.png")));
    printSpeed(depth, "libpng None", w[0], w[1]);
    std::printf("%-6d size ours over libpng None %.3f\n", depth, oursBytes / noneBytes);
    std::vector<unsigned char> ours = contents(outputName);
    ours.erase(ours.begin(), ours.begin() + static_cast<std::ptrdiff_t>(before));
    const std::vector<unsigned char> a = decodedRgb(ours), b = decodedRgb(contents("bench-libpng-none.png")),
                                     c = decodedRgb(contents("bench-libpng.png"));
    bench::sameWork("writers: the three files decode (libpng) to the same " + std::to_string(a.size() / 3) + " pixels",
                    !a.empty() && a == b && a == c);

    // Decoding libpng's file with its default filters.
    const char* name = "bench-libpng.png";
    const std::size_t pixelCount = static_cast<std::size_t>(pageWidth) * pageHeight;
    // Each side decodes into a caller's buffer, made ready (and counted in its memory) before its
    // clock starts: RGB values for ours, RGB bytes for libpng.
    std::vector<int> values;
    std::vector<unsigned char> bytes;
    const std::vector<bench::Figures> d = bench::interleaved(
        rounds, {{"IGrLoadImageData", [&] { IGrLoadImageData(name, values); }, [&] { values.assign(pixelCount, 0); }},
                 {"libpng to RGB", [&] { decodedRgb(contents(name), bytes); }, [&] { bytes.assign(3 * pixelCount, 0); }}});
    const double fileBytes = static_cast<double>(std::filesystem::file_size(name));
    std::printf("%-6d decoding %s (%.0f bytes)\n", depth, name, fileBytes);
    printFigures(depth, "IGrLoadImageData", d[0], 0);
    printFigures(depth, "libpng to RGB", d[1], 0);
    printSpeed(depth, "libpng", d[0], d[1]);
    std::vector<int> pixels(pixelCount);
    IGrLoadImageData(name, pixels);
    bool same = pixels.size() * 3 == c.size();
    for (std::size_t i = 0; same && i < pixels.size(); ++i)
        same = pixels[i] == c[3 * i] + 256 * c[3 * i + 1] + 65536 * c[3 * i + 2];
    bench::sameWork("decoders: IGrLoadImageData's RGB values equal libpng's RGB bytes, all " + std::to_string(pixels.size()) +
                        " pixels",
                    same);
}

}  // namespace

int main(int argc, char** argv) {
    yyassemblelibrary();
    rounds = bench::roundsArgument(argc, argv, rounds);
    std::vector<int> depths;
    for (int i = 1; i < argc; ++i) depths.push_back(std::atoi(argv[i]));
    if (depths.empty()) depths = {8, 24};
    bench::machineLine();
    std::printf("%d rounds\n", rounds);
    const bench::Drawing drawing = bench::makeDrawing();
    yysetimagewriter(ImageFormat::Png, measuredWriter);
    std::printf("%-6s %-24s %9s %9s %9s %9s %9s %12s\n", "depth", "writer", "min s", "median s", "cpu min", "cpu med",
                "peak MB", "bytes");
    for (const int depth : depths) {
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
        std::fflush(stdout);
    }
    return 0;
}
