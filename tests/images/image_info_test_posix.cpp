// image_info_test_posix.cpp - IGrFileInfo over files built byte by byte: the identification
// tests in their order, the information of each type, short files, and the extent scans of CGM,
// Lotus PIC and HP-GL files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>

#include "base/gravim.hpp"
#include "images/image_files.hpp"
#include "scratch.hpp"

namespace {

using Bytes = std::string;
using Info = std::array<int, 10>;

void write(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
void le(Bytes& b, std::size_t at, std::uint32_t v, int n) {
    for (int k = 0; k < n; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<char>(v >> (8 * k));
}
void be(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<char>(v >> (24 - 8 * k));
}

// Elements 1..9 for the file of these bytes (element 10 is a guard that must stay 77).
Info infoOf(const Bytes& bytes, int count = 9) {
    write("probe.bin", bytes);
    Info info;
    info.fill(77);
    IGrFileInfo("probe.bin", info, count);
    return info;
}

class ImageInfo : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    ScratchFolder scratch;
};

Bytes padded(Bytes b, std::size_t n = 128) {
    b.resize(std::max(b.size(), n), '\0');
    return b;
}

struct TypeCase {
    const char* what;
    Bytes bytes;
    int type;
};

TEST_F(ImageInfo, IdentifiesEveryTypeInOrder) {
    Bytes bmp = padded("BM");
    le(bmp, 14, 40, 4);
    Bytes os2 = padded("BM");
    le(os2, 14, 12, 4);
    const TypeCase cases[] = {
        {"HP-GL", "IN;SP1;", 4},
        {"HP-GL/2", "\x1b%0BIN;", 5},
        {"PostScript after blanks", "   %!PS-Adobe-3.0\n", 10},
        {"DXF after blanks", "  0\r\nSECTION\r\n", 14},
        {"DXF after comments", "999\ncomment\n999\nmore\n  0\nSECTION\n", 14},
        {"DXF comments then EOF", "999\ncomment\n0\nEOF\n", 0},
        {"SVG", "<?xml version=\"1.0\"?>\n<!DOCTYPE svg PUBLIC>\n", 16},
        {"PCX", padded("\x0a\x05\x01\x08"), 2},
        {"BMP", bmp, 1},
        {"OS/2 BMP", os2, 0},
        {"Windows metafile", padded(Bytes("\x01\x00\x09\x00\x00\x03", 6)), 3},
        {"CGM", Bytes("\x00\x20\x10\x82\x00\x10", 6), 6},
        {"Lotus PIC", padded(Bytes("\x01\0\0\0\x01\0\x08\0\x44\0\0\0\0\x0c", 14)), 7},
        {"Draw", padded("Draw"), 8},
        {"Tektronix", "\x1b[?38h", 9},
        {"PCL", "\x1b" "E\x1b&l0O", 11},
        {"ESC/P", "\x1b@\x1bx1", 12},
        {"ESC/P second form", "\x1bU\x01xx", 13},
        {"PNG", padded("\x89PNG\r\n\x1a\n", 33), 15},
        {"icon", padded(Bytes("\0\0\1\0", 4), 22), 17},
        {"cursor", padded(Bytes("\0\0\2\0", 4), 22), 18},
        {"nothing known", "abcd", 0},
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(infoOf(c.bytes, 1)[0], c.type);
    }
}

TEST_F(ImageInfo, ShortFilesCountsAndMissingFiles) {
    Info info = infoOf("abc");
    EXPECT_EQ(info[0], -1);
    EXPECT_EQ(info[1], 77);
    info = infoOf("abcd");
    EXPECT_EQ(info, (Info{0, -1, -1, -1, -1, -1, -1, -1, -1, 77}));
    info.fill(77);
    IGrFileInfo("no such file.bin", info, 9);
    EXPECT_EQ(info[0], -1);
    EXPECT_EQ(info[1], 77);
    EXPECT_EQ(gravim.core.lastError, 0);
    info.fill(77);
    IGrFileInfo("   ", info, 9);
    EXPECT_EQ(info[0], -1);
    // Count 1: only the type; count 12: exactly nine elements.
    Bytes png = padded("\x89PNG\r\n\x1a\n", 33);
    be(png, 16, 5);
    be(png, 20, 3);
    png[24] = 8;
    png[25] = 6;
    info = infoOf(png, 1);
    EXPECT_EQ(info[0], 15);
    EXPECT_EQ(info[1], 77);
    std::array<int, 13> wide;
    wide.fill(77);
    write("probe.bin", png);
    IGrFileInfo("probe.bin", wide, 12);
    EXPECT_EQ(wide[8], -1);
    EXPECT_EQ(wide[9], 77);
    // A recognised file shorter than its fields leaves them -1, never an earlier file's.
    infoOf(png);
    EXPECT_EQ(infoOf("\x89PNG\r\n\x1a\n"), (Info{15, -1, -1, -1, -1, -1, -1, -1, -1, 77}));
}

TEST_F(ImageInfo, RasterAndMetafileInformation) {
    Bytes png = padded("\x89PNG\r\n\x1a\n", 33);
    be(png, 16, 640);
    be(png, 20, 480);
    png[24] = 8;
    png[25] = 6;
    EXPECT_EQ(infoOf(png), (Info{15, 640, 480, 16777216, 0, 24, 1, -1, -1, 77}));
    png[25] = 0;
    EXPECT_EQ(infoOf(png), (Info{15, 640, 480, -1, 0, -1, 0, -1, -1, 77}));
    png[24] = 4;
    png[25] = 3;
    png[28] = 1;
    EXPECT_EQ(infoOf(png), (Info{15, 640, 480, 16, 1, 4, 0, -1, -1, 77}));

    Bytes bmp = padded("BM", 54);
    le(bmp, 14, 40, 4);
    le(bmp, 18, 300, 4);
    le(bmp, 22, 200, 4);
    le(bmp, 28, 32, 2);
    le(bmp, 30, 3, 4);
    EXPECT_EQ(infoOf(bmp), (Info{1, 300, 200, 16777216, 0, 32, -1, -1, -1, 77}));
    le(bmp, 28, 8, 2);
    le(bmp, 30, 1, 4);
    EXPECT_EQ(infoOf(bmp), (Info{1, 300, 200, 256, 1, 8, -1, -1, -1, 77}));

    Bytes pcx = padded("\x0a\x05\x01\x08");
    le(pcx, 8, 99, 2);
    le(pcx, 10, 49, 2);
    pcx[65] = 3;
    EXPECT_EQ(infoOf(pcx), (Info{2, 100, 50, 16777216, 5, 24, -1, -1, -1, 77}));

    Bytes placeable = padded("");
    le(placeable, 0, 0x9AC6CDD7u, 4);
    le(placeable, 10, 1439, 2);
    le(placeable, 12, 719, 2);
    le(placeable, 14, 1440, 2);
    EXPECT_EQ(infoOf(placeable), (Info{3, 72, 36, 1, -1, -1, -1, -1, -1, 77}));
    le(placeable, 14, 0, 2);  // no units per inch: no size
    EXPECT_EQ(infoOf(placeable), (Info{3, -1, -1, 1, -1, -1, -1, -1, -1, 77}));
    Bytes enhanced = padded(Bytes("\x01\0\0\0", 4));
    le(enhanced, 32, 2539, 4);
    le(enhanced, 36, 2539, 4);
    le(enhanced, 40, 0x464D4520, 4);
    EXPECT_EQ(infoOf(enhanced), (Info{3, 72, 72, 2, -1, -1, -1, -1, -1, 77}));

    // Icons and cursors: 0 means 256; the hot spot counts from 1; depth from the first image.
    Bytes cursor = padded(Bytes("\0\0\2\0", 4), 62);
    le(cursor, 4, 1, 2);
    cursor[6] = 0;
    cursor[7] = 32;
    le(cursor, 18, 22, 4);
    le(cursor, 22 + 14, 4, 2);
    EXPECT_EQ(infoOf(cursor), (Info{18, 256, 32, 16, 0, 4, 1, 1, 1, 77}));

    Bytes draw = padded("Draw");
    le(draw, 32, 6400, 4);
    le(draw, 36, 1280, 4);
    EXPECT_EQ(infoOf(draw), (Info{8, 10, 2, -1, -1, -1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("\x1b" "E\x1b*t300R\x1b*r1A"), (Info{11, -1, -1, 2, 300, -1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("\x1b" "E\x1b(s3u1A"), (Info{11, -1, -1, 8, -1, -1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf(Bytes("\x1b@\x1b(U\x01\x00\x0a\x1br\x04", 11)), (Info{12, -1, -1, 8, 360, -1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf(Bytes("\x1b@\x1b(U\x01\x00\x00", 8)), (Info{12, -1, -1, 0, -1, -1, -1, -1, -1, 77}));
}

TEST_F(ImageInfo, TextFileSizes) {
    EXPECT_EQ(infoOf("%!PS-Adobe-3.0 EPSF-3.0\r\n  %%BoundingBox: 0 0 612 792\r\n"),
              (Info{10, 612, 792, 1, -1, -1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("%!PS-Adobe-3.0\n%%Title: x\n"), (Info{10, -1, -1, 0, -1, -1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("<?xml version=\"1.0\"?>\n<!DOCTYPE svg>\n<SVG WIDTH=\"120.7\" height=\"80\">\n"),
              (Info{16, 120, 80, -1, -1, -1, -1, -1, -1, 77}));
    Bytes dxf = "  0\nSECTION\n";
    for (int n = 3; n <= 16; ++n) dxf += n == 14 ? "2.5\n" : n == 16 ? "1.25\n" : "9\n";
    EXPECT_EQ(infoOf(dxf), (Info{14, 180, 90, -1, -1, -1, -1, -1, -1, 77}));
    // HP-GL: the library's marker gives the plotter model; without it the size stays unknown.
    EXPECT_EQ(infoOf("IN;\nSC -13 2\nIP 0 0 10209 7620\nSC-3 1\nPU;\nSC-3 1\n"),
              (Info{4, 720, 537, 6, 2, 2, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("IN;SP1;\nPU0,0;\n"), (Info{4, -1, -1, -1, -1, 1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("IN;\nSC-3;\n"), (Info{4, -1, -1, -1, -1, 1, -1, -1, -1, 77}));
    EXPECT_EQ(infoOf("\x1b%0BIN;\nCO \"13 4\";\nIP 0 0 1015 2031\nCO\"3 page\";\nPU;\nCO\"3 page\";\n"),
              (Info{5, 72, 144, 256, 4, 2, -1, -1, -1, 77}));
}

Bytes words16(std::initializer_list<int> values) {
    Bytes b;
    for (int v : values) {
        b += static_cast<char>(v >> 8);
        b += static_cast<char>(v);
    }
    return b;
}
// CGM elements: header word (class, id, length) and big-endian parameters.
Bytes element(int cls, int id, const Bytes& parameters = {}) {
    const int n = static_cast<int>(parameters.size());
    Bytes e = words16({cls << 12 | id << 5 | std::min(n, 31)});
    if (n >= 31) e += words16({n});  // the long form
    e += parameters;
    if (n % 2 != 0) e += '\0';
    return e;
}
Bytes words32(std::initializer_list<int> values) {
    Bytes b;
    for (int v : values) {
        Bytes w(4, '\0');
        be(w, 0, static_cast<std::uint32_t>(v));
        b += w;
    }
    return b;
}

struct CgmCase {
    const char* what;
    Bytes body;
    int pictures, height;
};

TEST_F(ImageInfo, CgmPicturesAndAspect) {
    const Bytes begin = element(0, 1, "\x01x");
    const Bytes end = element(0, 2);
    const Bytes picture = element(0, 5);
    const CgmCase cases[] = {
        {"ratio 2", element(2, 6, words16({0, 0, 32000, 16000})) + picture + picture, 2, 500},
        {"ratio just above 2", element(2, 6, words16({0, 0, 32767, 16383})), 1, 499},
        {"maximum extent first",
         element(1, 17, words16({0, 0, 1000, 4000})) + element(2, 6, words16({0, 0, 32000, 16000})), 1, 4000},
        {"32-bit precision",
         element(1, 4, words16({32})) + element(3, 1, words32({32})) + element(2, 6, words32({0, 0, 100000, 25000})), 1, 250},
        {"real VDC", element(1, 3, words16({1})) + element(2, 6, [] {
             Bytes b(16, '\0');
             be(b, 8, 0x40800000u);   // 4.0
             be(b, 12, 0x3F800000u);  // 1.0
             return b;
         }()),
         1, 250},
        {"no extent", picture, 1, 1000},
        {"degenerate extent ignored", element(2, 6, words16({0, 0, 100, 0})), 1, 1000},
        {"longer element than the buffer", element(2, 6, words16({0, 0, 300, 100}) + Bytes(40, '\x7f')), 1, 333},
    };
    for (const CgmCase& c : cases) {
        SCOPED_TRACE(c.what);
        gravim.core.lastError = 0;
        const Info info = infoOf(begin + c.body + end, 4);
        EXPECT_EQ(info[0], 6);
        EXPECT_EQ(info[1], 1000);
        EXPECT_EQ(info[2], c.height);
        EXPECT_EQ(info[3], c.pictures);
        EXPECT_EQ(gravim.core.lastError, 0);
    }
    // Without End Metafile the walk ends in error 2 with what it found.
    const Info info = infoOf(begin + picture + picture + picture, 4);
    EXPECT_EQ(info[3], 3);
    EXPECT_EQ(gravim.core.lastError, 2);
}

TEST_F(ImageInfo, LotusPicOpcodes) {
    const Bytes header = padded(Bytes("\x01\0\0\0\x01\0\x08\0\x44\0\0\0\0\x0c", 14), 17);
    EXPECT_EQ(infoOf(header + Bytes("\x60\xA0\x60\x60\x60\x30\x00\x61\x61\x61\x61\x6F\xA8\x01\x62\x00\x65", 17), 4)[3], 7);
    EXPECT_EQ(infoOf(header + "\x20\x21", 4)[3], 1);
    gravim.core.lastError = 0;
    EXPECT_EQ(infoOf(header + "\x60\xA0\x01", 4)[3], 1);
    EXPECT_EQ(gravim.core.lastError, 2);
}

}  // namespace
