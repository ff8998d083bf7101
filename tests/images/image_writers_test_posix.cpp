// image_writers_test_posix.cpp - the PNG, BMP and PCX writers of the raster page on synthetic rasters:
// golden bytes of headers, tables and encodings, every file read back by independent readers
// (pngcheck, ImageMagick, netpbm) and compared with the raster through its colour table, pages
// appended to one file, and write failures at a given byte under a file-size limit.
#include <gtest/gtest.h>


#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <zlib.h>

#include "../hardcopy/raster_support.hpp"
#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "file_bytes.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "images/image_encoders.hpp"
#include "images/image_files.hpp"
#include "images/image_writers.hpp"
#include "file_size_limit_posix.hpp"
#include "scratch.hpp"

namespace {

Bytes hex(std::initializer_list<int> values) {
    Bytes out;
    for (const int v : values) out.push_back(static_cast<char>(v));
    return out;
}

// Runs a shell command; its standard output and exit status.
struct Ran {
    int status;
    Bytes out;
};
Ran run(const std::string& command) {
    Ran result{-1, {}};
    FILE* const pipe = popen(("(" + command + ") 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return result;
    char block[65536];
    std::size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, pipe)) > 0) result.out.append(block, n);
    result.status = pclose(pipe);
    return result;
}

// ImageMagick's pixels of the file's first image, red, green, blue per pixel, top row first.
Bytes magickPixels(const std::string& file) { return run("/usr/bin/convert '" + file + "[0]' -depth 8 rgb:-").out; }
// netpbm's pixels (bmptopnm, pcxtoppm) as plain RGB: the PPM's raster after its header.
Bytes netpbmPixels(const std::string& command) {
    const Bytes ppm = run(command + " | ppmtoppm").out;
    // P6 width height maxval and one white-space byte.
    std::size_t at = 0;
    for (int field = 0; field < 4 && at < ppm.size(); ++field) {
        while (at < ppm.size() && std::isspace(static_cast<unsigned char>(ppm[at]))) ++at;
        while (at < ppm.size() && !std::isspace(static_cast<unsigned char>(ppm[at]))) ++at;
    }
    return at < ppm.size() ? ppm.substr(at + 1) : Bytes();
}

// The library's own reader's pixels (IGrLoadImageData) of a page the size of the raster.
Bytes libraryPixels(const std::string& file) {
    const RasterState& r = gravim.raster;
    std::vector<int> pixels(static_cast<std::size_t>(r.RasterWidth) * static_cast<std::size_t>(r.RasterHeight), -1);
    IGrLoadImageData(file, pixels);
    Bytes out;
    for (const int v : pixels) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>(v >> 8 & 0xFF);
        out += static_cast<char>(v >> 16 & 0xFF);
    }
    return out;
}

// Where two pixel strings first differ ("same" when they do not): failure messages stay short.
std::string firstDifference(const Bytes& got, const Bytes& expected) {
    if (got == expected) return "same";
    if (got.size() != expected.size())
        return "sizes " + std::to_string(got.size()) + " and " + std::to_string(expected.size());
    std::size_t i = 0;
    while (got[i] == expected[i]) ++i;
    return "byte " + std::to_string(i) + ": " + std::to_string(u8(got, i)) + " for " + std::to_string(u8(expected, i));
}

// A pattern with runs and changes: the left third one value per row, the rest varying.
int patternValue(int x, int y, int levels) {
    if (x < 40) return (y / 3) % levels;
    return (x * 7 + y * 3 + x * y / 5) % levels;
}

// Stores a value into pixel (x, y) of the raster as the layout keeps it.
void setPixel(int x, int y, int value) {
    RasterState& r = gravim.raster;
    const std::int64_t row = std::int64_t{y} * r.RasterRowWords;
    auto word = [&](std::int64_t i) -> std::uint32_t& {
        return reinterpret_cast<std::uint32_t&>(r.IRBUFF[static_cast<std::size_t>(i)]);
    };
    switch (r.RasterDepth) {
    case 1: {
        std::uint32_t& w = word(row + x / 32);
        w = (w & ~(1u << (x % 32))) | (static_cast<std::uint32_t>(value & 1) << (x % 32));
        break;
    }
    case 4:
        for (int p = 0; p < 4; ++p) {
            std::uint32_t& w = word(std::int64_t{p} * r.RasterPlaneWords + row + x / 32);
            w = (w & ~(1u << (x % 32))) | (static_cast<std::uint32_t>((value >> p) & 1) << (x % 32));
        }
        break;
    case 8: {
        std::uint32_t& w = word(row + x / 4);
        const int shift = 8 * (x % 4);
        w = (w & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(value & 0xFF) << shift);
        break;
    }
    default: word(row + x) = static_cast<std::uint32_t>(value); break;
    }
}

int levelsOf(int depth) { return depth == 24 ? 0x1000000 : 1 << depth; }

// The raster value of a pixel of the pattern; at depth 24 an RGBValue.
int pixelValue(int depth, int x, int y) {
    if (depth != 24) return patternValue(x, y, levelsOf(depth));
    return (x * 5 + y) % 256 | ((x * y) % 256) << 8 | ((x < 40 ? 200 : x + 3 * y) % 256) << 16;
}

// Fills the whole raster with the pattern (the spare word, beyond every row, stays).
void fillPattern() {
    const RasterState& r = gravim.raster;
    const int depth = r.RasterDepth;
    const int words = depth == 24 ? r.RasterWidth : depth == 8 ? r.RasterRowWords * 4 : r.RasterRowWords * 32;
    for (int y = 0; y < r.RasterHeight; ++y)
        for (int x = 0; x < words; ++x) setPixel(x, y, pixelValue(depth, x, y));
}

// The colour a reader should show for raster value v.
std::array<unsigned char, 3> expectedColour(int depth, int v) {
    int rgb = 0;
    switch (depth) {
    case 1: rgb = v != 0 ? 0 : 0xFFFFFF; break;
    case 4: {
        const int index = (v & 0b1010) | (v >> 2 & 1) | (v & 1) << 2;
        yypalg16(index, rgb);
        break;
    }
    case 8: yypalg(v, rgb); break;
    default: rgb = v; break;
    }
    int red = 0, green = 0, blue = 0;
    WRGBSplit(rgb, &red, &green, &blue);
    return {static_cast<unsigned char>(red), static_cast<unsigned char>(green), static_cast<unsigned char>(blue)};
}

// The whole page as RGB, top row first.
Bytes expectedPixels() {
    const RasterState& r = gravim.raster;
    Bytes out;
    for (int y = r.RasterHeight - 1; y >= 0; --y)
        for (int x = 0; x < r.RasterWidth; ++x) {
            const auto c = expectedColour(r.RasterDepth, pixelValue(r.RasterDepth, x, y));
            out.append(reinterpret_cast<const char*>(c.data()), 3);
        }
    return out;
}

class ImageWriters : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yypali();
    }
    void TearDown() override {
        yyprcl(hardcopyUnit);
        yyrasterrelease();
        yyresetgravim();
    }
    // A patterned raster (or an all-background one).
    static void raster(int depth, int width, int height, bool pattern = true) {
        makeRaster(depth, width, height);
        if (depth == 24) std::fill(gravim.raster.IRBUFF.begin(), gravim.raster.IRBUFF.end(), -1);
        if (pattern) fillPattern();
    }
    // Opens the output file, writes `pages` pages with the writer, closes it; the file's bytes.
    static Bytes write(const std::string& name, void (*writer)(), int pages = 1, int format = 0) {
        gravim.hardcopy.HardcopyOptions[26] = format;
        Text<260> text(name);
        yyprop(hardcopyUnit, text);
        yyrasterbytemasks(true);
        for (int p = 0; p < pages; ++p) writer();
        yyrasterbytemasks(false);
        yyprcl(hardcopyUnit);
        return readWholeFile(name);
    }
    ScratchFolder folder;
};

// ---- PNG ----

// The chunks of one PNG stream from at: type and data; the end of the stream in `end`.
struct Chunk {
    Bytes type, data;
};
std::vector<Chunk> pngChunks(const Bytes& file, std::size_t at, std::size_t* end = nullptr) {
    std::vector<Chunk> chunks;
    at += 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = be32(file, at);
        chunks.push_back({file.substr(at + 4, 4), file.substr(at + 8, length)});
        at += 12 + length;
        if (chunks.back().type == "IEND") break;
    }
    if (end != nullptr) *end = at;
    return chunks;
}

TEST_F(ImageWriters, PngLayoutByDepth) {
    const struct {
        int depth, width, bitDepth, colourType, paletteBytes, rowBytes;
    } cases[] = {{1, 10, 1, 3, 6, 2},     {1, 64, 1, 3, 6, 8},     {4, 5, 4, 3, 48, 3},  {4, 100, 4, 3, 48, 50},
                 {8, 3, 8, 3, 768, 3},    {8, 640, 8, 3, 768, 640}, {24, 3, 8, 2, 0, 9}, {24, 33, 8, 2, 0, 99}};
    for (const auto& c : cases) {
        raster(c.depth, c.width, 7);
        const Bytes file = write("page.png", yypng1);
        ASSERT_EQ(file.substr(0, 8), hex({0x89, 'P', 'N', 'G', 13, 10, 26, 10}));
        const std::vector<Chunk> chunks = pngChunks(file, 0);
        const std::vector<std::string> expectedTypes = c.paletteBytes > 0 ? std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}
                                                                          : std::vector<std::string>{"IHDR", "IDAT", "IEND"};
        ASSERT_EQ(chunks.size(), expectedTypes.size()) << c.depth << " " << c.width;
        for (std::size_t i = 0; i < chunks.size(); ++i) EXPECT_EQ(chunks[i].type, expectedTypes[i]);
        const Bytes& ihdr = chunks[0].data;
        EXPECT_EQ(be32(ihdr, 0), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(be32(ihdr, 4), 7u);
        EXPECT_EQ(ihdr.substr(8), hex({c.bitDepth, c.colourType, 0, 0, 0}));
        if (c.paletteBytes > 0) EXPECT_EQ(chunks[1].data.size(), static_cast<std::size_t>(c.paletteBytes));
        // The raw rows: filter byte 0, then the row bytes; top row first.
        Bytes raw(static_cast<std::size_t>(7 * (c.rowBytes + 1)), '\0');
        uLongf rawLength = raw.size();
        const Bytes& idat = chunks[chunks.size() - 2].data;
        ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawLength,
                             reinterpret_cast<const Bytef*>(idat.data()), idat.size()), Z_OK);
        EXPECT_EQ(rawLength, raw.size());
        for (int y = 0; y < 7; ++y) EXPECT_EQ(raw[static_cast<std::size_t>(y * (c.rowBytes + 1))], 0);
        EXPECT_EQ(file.substr(file.size() - 12), hex({0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
    }
}

TEST_F(ImageWriters, PngGoldenBytes) {
    // Depth 1, W = 10: the two-colour palette; pixels 8 and 9 in the top bits of the second byte.
    raster(1, 10, 2, false);
    setPixel(8, 1, 1);
    setPixel(9, 1, 1);
    setPixel(0, 0, 1);
    Bytes file = write("one.png", yypng1);
    EXPECT_EQ(file.substr(33, 18).substr(0, 14), hex({0, 0, 0, 6, 'P', 'L', 'T', 'E', 0xFF, 0xFF, 0xFF, 0, 0, 0}));
    std::vector<Chunk> chunks = pngChunks(file, 0);
    Bytes raw(6, '\x55');
    uLongf length = raw.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &length,
                         reinterpret_cast<const Bytef*>(chunks[2].data.data()), chunks[2].data.size()), Z_OK);
    EXPECT_EQ(raw, hex({0, 0, 0xC0, 0, 0x80, 0}));

    // Depth 4: raster value 1 is index 4, 9 is 12.
    raster(4, 4, 1, false);
    setPixel(0, 0, 1);
    setPixel(1, 0, 9);
    setPixel(2, 0, 4);
    setPixel(3, 0, 15);
    file = write("four.png", yypng1);
    chunks = pngChunks(file, 0);
    raw.assign(3, '\0');
    length = raw.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &length,
                         reinterpret_cast<const Bytef*>(chunks[2].data.data()), chunks[2].data.size()), Z_OK);
    EXPECT_EQ(raw, hex({0, 0x4C, 0x1F}));
    for (int i = 0; i < 16; ++i) {
        const auto c = expectedColour(4, (i & 0b1010) | (i >> 2 & 1) | (i & 1) << 2);
        EXPECT_EQ(chunks[1].data.substr(static_cast<std::size_t>(3 * i), 3), Bytes(reinterpret_cast<const char*>(c.data()), 3)) << i;
    }

    // 640 x 480 at depth 8: the example's IHDR and PLTE length.
    raster(8, 640, 480, false);
    file = write("big.png", yypng1);
    EXPECT_EQ(file.substr(16, 13), hex({0, 0, 2, 0x80, 0, 0, 1, 0xE0, 8, 3, 0, 0, 0}));
    EXPECT_EQ(file.substr(33, 4), hex({0, 0, 3, 0}));
}

// Pages of several bands of compressed rows: the IDAT data is byte for byte one compress of the
// whole page's raw rows, which are taken here from the pixels, not from the raster reader.
TEST_F(ImageWriters, PngIdatIsOneCompressOfTheWholePage) {
    const struct {
        int depth, width, height;
    } cases[] = {{8, 1001, 300}, {24, 701, 150}, {24, 2, 40000}};
    for (const auto& c : cases) {
        raster(c.depth, c.width, c.height);
        Bytes raw;
        for (int y = c.height - 1; y >= 0; --y) {
            raw += '\0';
            for (int x = 0; x < c.width; ++x) {
                const int v = pixelValue(c.depth, x, y);
                if (c.depth == 8) raw += static_cast<char>(v);
                else raw.append(reinterpret_cast<const char*>(expectedColour(24, v).data()), 3);
            }
        }
        Bytes expected(compressBound(raw.size()), '\0');
        uLongf length = expected.size();
        ASSERT_EQ(compress(reinterpret_cast<Bytef*>(expected.data()), &length, reinterpret_cast<const Bytef*>(raw.data()),
                           raw.size()), Z_OK);
        expected.resize(length);
        const std::vector<Chunk> chunks = pngChunks(write("bands.png", yypng1), 0);
        ASSERT_GE(chunks.size(), 3u);
        EXPECT_TRUE(chunks[chunks.size() - 2].data == expected) << c.depth << " " << c.width << " x " << c.height;
    }
}

TEST_F(ImageWriters, PngFilesPassPngcheckAndShowTheRasterInImageMagick) {
    for (const int depth : {1, 4, 8, 24})
        for (const int width : {3, 5, 10, 100, 640, 96}) {
            raster(depth, width, 23);
            const std::string name = "p" + std::to_string(depth) + "_" + std::to_string(width) + ".png";
            write(name, yypng1);
            const Ran check = run("pngcheck -v " + name);
            EXPECT_EQ(check.status, 0) << name << "\n" << check.out;
            EXPECT_NE(check.out.find("No errors"), std::string::npos) << name;
            EXPECT_EQ(firstDifference(magickPixels(name), expectedPixels()), "same") << name;
        }
}

TEST_F(ImageWriters, TwoPngPagesAreTwoWholeStreams) {
    raster(8, 30, 20);
    const Bytes file = write("two.png", yypng1, 2);
    std::size_t end = 0;
    const std::vector<Chunk> first = pngChunks(file, 0, &end);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(file.substr(end, 8), file.substr(0, 8));
    std::size_t secondEnd = 0;
    EXPECT_EQ(pngChunks(file, end, &secondEnd).size(), 4u);
    EXPECT_EQ(secondEnd, file.size());
    EXPECT_EQ(firstDifference(magickPixels("two.png"), expectedPixels()), "same");
}

// ---- BMP ----

TEST_F(ImageWriters, BmpHeadersRowsAndSizes) {
    const struct {
        int depth, width, format, compression, tableBytes, rowBytes;
    } cases[] = {{1, 100, 1, 0, 8, 16},  {4, 100, 1, 0, 64, 52},  {8, 640, 1, 0, 1024, 640}, {24, 3, 1, 0, 0, 12},
                 {1, 100, 2, 0, 8, 16},  {24, 5, 2, 0, 0, 16},    {8, 10, 2, 1, 1024, 0},    {4, 16, 2, 2, 64, 0}};
    for (const auto& c : cases) {
        raster(c.depth, c.width, 6);
        const Bytes file = write("page.bmp", yybmp1, 1, c.format);
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ(file.substr(0, 2), "BM");
        const std::size_t pixels = 54 + static_cast<std::size_t>(c.tableBytes);
        EXPECT_EQ(le32(file, 10), pixels);
        EXPECT_EQ(le32(file, 14), 40u);
        EXPECT_EQ(le32(file, 18), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(le32(file, 22), 6u);
        EXPECT_EQ(le16(file, 26), 1u);
        EXPECT_EQ(le16(file, 28), static_cast<unsigned>(c.depth));
        EXPECT_EQ(le32(file, 30), static_cast<std::uint32_t>(c.compression));
        EXPECT_EQ(le32(file, 34), 0u);
        if (c.compression == 0) {
            EXPECT_EQ(file.size(), pixels + 6 * static_cast<std::size_t>(c.rowBytes));
            EXPECT_EQ(le32(file, 2), file.size());
        }
        if (c.depth == 1) EXPECT_EQ(file.substr(54, 8), hex({0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0}));
    }
    // 640 x 480 at depth 8.
    raster(8, 640, 480, false);
    const Bytes file = write("vga.bmp", yybmp1, 1, 1);
    EXPECT_EQ(file.size(), 308278u);
    EXPECT_EQ(le32(file, 2), 308278u);
    EXPECT_EQ(le32(file, 10), 1078u);
    EXPECT_EQ(le16(file, 28), 8u);
    EXPECT_EQ(le32(file, 30), 0u);
    // Depth 24, W = 3: blue, green, red and three zero bytes.
    raster(24, 3, 1, false);
    setPixel(0, 0, 0x030201);
    EXPECT_EQ(write("rgb.bmp", yybmp1, 1, 1).substr(54), hex({3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0}));
}

TEST_F(ImageWriters, BmpRunLengthGoldenRows) {
    // RLE8: 640 equal bytes.
    raster(8, 640, 1, false);
    for (int x = 0; x < 640; ++x) setPixel(x, 0, 0x21);
    Bytes file = write("rle8.bmp", yybmp1, 1, 2);
    EXPECT_EQ(file.substr(54 + 1024), hex({0xFC, 0x21, 0xFC, 0x21, 0x88, 0x21, 0, 0, 0, 1}));
    // RLE4, W = 16: bytes 11 11 11 11 12 34 56 78 (colour indexes, so the raster holds the
    // exchanged values).
    raster(4, 16, 1, false);
    const int indexes[16] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int x = 0; x < 16; ++x) {
        const int i = indexes[x];
        setPixel(x, 0, (i & 0b1010) | (i >> 2 & 1) | (i & 1) << 2);
    }
    file = write("rle4.bmp", yybmp1, 1, 2);
    EXPECT_EQ(file.substr(54 + 64), hex({8, 0x11, 0, 8, 0x12, 0x34, 0x56, 0x78, 0, 0, 0, 1}));
    // An all-background compressed page: one run per row and the end of the bitmap once.
    raster(8, 8, 3, false);
    file = write("blank.bmp", yybmp1, 1, 2);
    EXPECT_EQ(file.substr(54 + 1024), hex({8, 0, 0, 0, 8, 0, 0, 0, 8, 0, 0, 0, 0, 1}));
    // Runs stop at 252 pixels, then grow again; a different group is absolute.
    raster(8, 264, 1, false);
    for (int x = 0; x < 264; ++x) setPixel(x, 0, x < 256 ? 5 : x);
    file = write("long.bmp", yybmp1, 1, 2);
    EXPECT_EQ(file.substr(54 + 1024),
              hex({0xFC, 5, 4, 5, 0, 4, 0, 1, 2, 3, 0, 4, 4, 5, 6, 7, 0, 0, 0, 1}));
}

TEST_F(ImageWriters, BmpFilesShowTheRasterInImageMagickAndNetpbm) {
    for (const int format : {1, 2})
        for (const int depth : {1, 4, 8, 24})
            for (const int width : {3, 5, 10, 100, 640, 96}) {
                raster(depth, width, 21);
                const std::string name = "b" + std::to_string(format) + "_" + std::to_string(depth) + "_" + std::to_string(width) + ".bmp";
                write(name, yybmp1, 1, format);
                if (format == 2 && (depth == 4 || depth == 8)) yybmp2(name, static_cast<int>(name.size()));
                const Bytes expected = expectedPixels();
                EXPECT_EQ(firstDifference(magickPixels(name), expected), "same") << name;
                // netpbm refuses a run-length row whose last group of four bytes goes beyond the
                // width; such rows encode the raster's bytes there as pixels.
                const bool beyond = format == 2 && ((depth == 8 && width % 4 != 0) || (depth == 4 && width % 8 != 0));
                if (!beyond) EXPECT_EQ(firstDifference(netpbmPixels("bmptopnm " + name), expected), "same") << name;
            }
}

TEST_F(ImageWriters, Bmp2PatchesTheWholeFileIntoTheFirstHeader) {
    raster(8, 50, 20);
    Bytes file = write("two.bmp", yybmp1, 2, 2);
    const std::size_t one = file.size() / 2;
    ASSERT_EQ(file.substr(one, 2), "BM");
    EXPECT_EQ(le32(file, 2), 54u + 1024 + 20 * 52);  // the uncompressed estimate until patched
    yybmp2("two.bmp   ", 260);
    file = readWholeFile("two.bmp");
    EXPECT_EQ(le32(file, 2), file.size());
    EXPECT_EQ(le32(file, 34), file.size() - 54 - 1024);
    EXPECT_EQ(le32(file, one + 34), 0u);  // the second image keeps its own header
    EXPECT_EQ(firstDifference(magickPixels("two.bmp"), expectedPixels()), "same");
    // Depth 4: the table is 64 bytes.
    raster(4, 50, 20);
    file = write("four.bmp", yybmp1, 1, 2);
    yybmp2("four.bmp", 8);
    file = readWholeFile("four.bmp");
    EXPECT_EQ(le32(file, 34), file.size() - 54 - 64);
    // A missing file: reported by the opening, nothing else.
    yybmp2("missing.bmp", 11);
    EXPECT_EQ(gravim.core.lastError, 1);
}

TEST_F(ImageWriters, BmpFieldsHoldTheirFullValuesBeyond16MiBAnd65536Pixels) {
    // 2400 x 2400 at depth 24 is 17,280,054 bytes.
    raster(24, 2400, 2400, false);
    const Bytes file = write("big.bmp", yybmp1, 1, 1);
    EXPECT_EQ(file.size(), 17280054u);
    EXPECT_EQ(le32(file, 2), 17280054u);
    // 70000 x 1 at depth 1.
    raster(1, 70000, 1, false);
    const Bytes wide = write("wide.bmp", yybmp1, 1, 1);
    EXPECT_EQ(le32(wide, 18), 70000u);
    EXPECT_EQ(le32(wide, 2), wide.size());
}

// ---- PCX ----

TEST_F(ImageWriters, PcxRunsOfOneLine) {
    const struct {
        Bytes line, encoded;
    } cases[] = {
        {Bytes(640, '\0'), [] {
             Bytes b;
             for (int i = 0; i < 10; ++i) b += hex({0xFF, 0});
             return b + hex({0xCA, 0});
         }()},
        {Bytes(64, '\x10'), hex({0xFF, 0x10, 0x10})},
        {Bytes(3, '\x3F'), hex({0xC3, 0x3F})},
        {hex({0xC5}), hex({0xC1, 0xC5})},
        {hex({0x3F}), hex({0x3F})},
        {Bytes(100, '\x07'), hex({0xFF, 7, 0xE5, 7})},
        {hex({1, 2, 2, 0xC0, 3}), hex({1, 0xC2, 2, 0xC1, 0xC0, 3})},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> out(2 * c.line.size());
        const int n = yypcxline(reinterpret_cast<const unsigned char*>(c.line.data()), static_cast<int>(c.line.size()), out.data());
        EXPECT_EQ(Bytes(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(n)), c.encoded);
    }
}

TEST_F(ImageWriters, PcxHeaderLinesAndTable) {
    raster(8, 640, 480, false);
    const Bytes file = write("vga.pcx", yypcx1);
    EXPECT_EQ(file.substr(0, 4), hex({0x0A, 5, 1, 8}));
    EXPECT_EQ(file.substr(8, 8), hex({0x7F, 2, 0xDF, 1, 0x4B, 0, 0x4B, 0}));
    expectPcxHeader(file, 5, 8, 640, 480, 1, 640);
    EXPECT_EQ(le16(file, 68), 0u);
    ASSERT_EQ(file.size(), 128u + 480 * 22 + 769);
    EXPECT_EQ(u8(file, 128 + 480 * 22), 0x0Cu);
    int rgb = 0;
    yypalg(255, rgb);
    int red = 0, green = 0, blue = 0;
    WRGBSplit(rgb, &red, &green, &blue);
    EXPECT_EQ(file.substr(file.size() - 3), hex({red, green, blue}));

    const struct {
        int depth, width, version, bits, planes, line;
    } cases[] = {{1, 100, 3, 1, 1, 14}, {4, 100, 5, 1, 4, 14}, {24, 5, 5, 8, 3, 6}, {8, 5, 5, 8, 1, 6}};
    for (const auto& c : cases) {
        raster(c.depth, c.width, 4, false);
        const Bytes f = write("h.pcx", yypcx1);
        expectPcxHeader(f, static_cast<unsigned>(c.version), static_cast<unsigned>(c.bits), static_cast<unsigned>(c.width), 4,
                        static_cast<unsigned>(c.planes), static_cast<unsigned>(c.line));
        // Depth 1 names the colours of a clear and a set bit, paper white and ink black.
        if (c.depth == 1) EXPECT_EQ(f.substr(16, 48), hex({0xFF, 0xFF, 0xFF}) + Bytes(45, '\0'));
        else if (c.depth != 4) EXPECT_EQ(f.substr(16, 48), Bytes(48, '\0'));
        if (c.depth != 8) EXPECT_EQ(f.size(), 128u + 4 * static_cast<std::size_t>(c.planes) * (c.depth == 24 ? 2 : 2));
    }
    // Depth 4: raster value 1 is index 4, a bit in the file's third plane line.
    raster(4, 16, 1, false);
    setPixel(0, 0, 1);
    const Bytes four = write("four.pcx", yypcx1);
    EXPECT_EQ(four.substr(128), hex({0xC2, 0, 0xC2, 0, 0x80, 0, 0xC2, 0}));
}

TEST_F(ImageWriters, PcxFilesShowTheRasterInImageMagickNetpbmAndTheLibrary) {
    for (const int depth : {1, 4, 8, 24})
        for (const int width : {3, 5, 10, 100, 640, 96}) {
            raster(depth, width, 19);
            const std::string name = "x" + std::to_string(depth) + "_" + std::to_string(width) + ".pcx";
            write(name, yypcx1);
            const Bytes expected = expectedPixels();
            EXPECT_EQ(firstDifference(magickPixels(name), expected), "same") << name;
            EXPECT_EQ(firstDifference(netpbmPixels("pcxtoppm " + name), expected), "same") << name;
            EXPECT_EQ(firstDifference(libraryPixels(name), expected), "same") << name;
        }
}

// ---- Write failures ----

TEST_F(ImageWriters, AWriteFailingAtByteNKeepsThePrefixAndLaterPagesGetTheirHeaderOnly) {
    struct Case {
        const char* what;
        void (*writer)();
        int depth, format;
        rlim_t limit;
        std::size_t firstPageBytes;  // what stays of a page cut at the limit
        std::size_t laterPageBytes;  // what a later page of the same file adds
    };
    // 8-bit page 64 x 10: BMP rows of 64 bytes, PCX lines of 2 bytes per all-zero row.
    const Case cases[] = {
        {"BMP header", yybmp1, 8, 1, 20, 20, 54},
        {"BMP colour table", yybmp1, 8, 1, 500, 500, 54},
        {"BMP third row", yybmp1, 8, 1, 54 + 1024 + 150, 54 + 1024 + 150, 54},
        {"PCX header", yypcx1, 8, 4, 100, 100, 128},
        {"PCX lines", yypcx1, 8, 4, 133, 133, 128},
        {"PCX colour table", yypcx1, 8, 4, 128 + 20 + 100, 128 + 20 + 100, 128},
        {"PNG signature", yypng1, 8, 3, 20, 20, 0},
        {"PNG palette", yypng1, 8, 3, 33 + 100, 33 + 100, 0},
        {"PNG IDAT length", yypng1, 8, 3, 33 + 780 + 2, 33 + 780 + 2, 0},
        {"PNG IDAT", yypng1, 8, 3, 33 + 780 + 4 + 5, 33 + 780 + 4 + 5, 0},
    };
    for (const Case& c : cases) {
        gravim.core.lastError = 0;
        raster(c.depth, 64, 10, false);
        gravim.hardcopy.HardcopyOptions[26] = c.format;
        Text<260> name("fail.img");
        yyprop(hardcopyUnit, name);
        yyrasterbytemasks(true);
        {
            FileSizeLimit limit(c.limit);
            c.writer();
            EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1) << c.what;
            EXPECT_EQ(gravim.core.lastError, 2) << c.what;
            limit.lift();
            // The same output file, a second page: the flag stays set.
            c.writer();
        }
        yyrasterbytemasks(false);
        yyprcl(hardcopyUnit);
        const Bytes file = readWholeFile("fail.img");
        if (c.laterPageBytes > 0) {
            EXPECT_EQ(file.size(), c.firstPageBytes + c.laterPageBytes) << c.what;
            EXPECT_EQ(file.substr(c.firstPageBytes, 2), c.writer == yybmp1 ? "BM" : hex({0x0A, 5})) << c.what;
        } else {
            // A PNG writer does not look at the flag: the later page is whole.
            EXPECT_EQ(file.substr(c.firstPageBytes, 4), hex({0x89, 'P', 'N', 'G'})) << c.what;
            EXPECT_EQ(file.substr(file.size() - 8, 4), "IEND") << c.what;
        }
    }
}

TEST_F(ImageWriters, EveryWriteOnAFullDeviceIsReported) {
    const struct {
        void (*writer)();
        int format;
    } cases[] = {{yypng1, 3}, {yybmp1, 1}, {yybmp1, 2}, {yypcx1, 4}};
    for (const auto& c : cases) {
        yyresetgravim();
        raster(8, 64, 10);
        gravim.hardcopy.HardcopyOptions[26] = c.format;
        Text<260> name(FullDevice);
        yyprop(hardcopyUnit, name);
        yyrasterbytemasks(true);
        c.writer();
        yyrasterbytemasks(false);
        yyprcl(hardcopyUnit);
        EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1) << c.format;
        EXPECT_EQ(gravim.core.lastError, 2) << c.format;
        EXPECT_EQ(gravim.core.fileStatus, ENOSPC) << c.format;
        EXPECT_EQ(gravim.core.errorCategory, 2) << c.format;
    }
}

TEST_F(ImageWriters, ABufferThatCannotBeAllocatedIsAFailedWrite) {
    const std::int64_t previous = yysetimagebufferlimit(1000);
    const struct {
        void (*writer)();
        int format;
        std::size_t written;  // what stays: PNG's signature, IHDR and PLTE are written first
    } cases[] = {{yypng1, 3, 33 + 780}, {yybmp1, 1, 0}, {yybmp1, 2, 0}, {yypcx1, 4, 0}};
    for (const auto& c : cases) {
        raster(8, 640, 10);
        const Bytes file = write("short.img", c.writer, 1, c.format);
        EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1) << c.format;
        EXPECT_EQ(file.size(), c.written) << c.format;
    }
    // Within the limit the same pages are written whole.
    raster(8, 40, 10);
    write("fits.png", yypng1);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 0);
    yysetimagebufferlimit(previous);
}

}  // namespace
