// image_decoder_test_posix.cpp - image files made by ImageMagick and netpbm (and a few built
// byte by byte) decoded by IGrLoadImageData and compared with ImageMagick's own pixels; the
// failures, the capacity of the caller's array, transparency and palette output.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <zlib.h>

#include "base/gravim.hpp"
#include "images/image_files.hpp"
#include "image_fixtures.hpp"
#include "scratch.hpp"

namespace {

struct Decoded {
    std::vector<int> pixels;
    int error = 0;
};

Decoded decode(const std::string& name, std::size_t capacity, std::vector<int>* palette = nullptr,
               std::optional<int> transparency = std::nullopt, int fill = 0x7A7A7A) {
    Decoded d;
    d.pixels.assign(capacity, fill);
    gravim.core.lastError = 0;
    if (palette != nullptr) IGrLoadImageData(name, d.pixels, *palette, transparency);
    else IGrLoadImageData(name, d.pixels, {}, transparency);
    d.error = gravim.core.lastError;
    gravim.core.lastError = 0;
    return d;
}


class ImageDecoder : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    ScratchFolder scratch;
};

TEST_F(ImageDecoder, EveryFixtureGivesImageMagicksPixels) {
    writeSources();
    for (const FixtureCase& c : imageFixtures()) {
        SCOPED_TRACE(c.file);
        run(c.make);
        int info[9] = {};
        IGrFileInfo(c.file, info, 9);
        ASSERT_EQ(info[0], c.type);
        if (c.depth != -2) EXPECT_EQ(info[5], c.depth);
        ASSERT_EQ(info[1], c.width);
        ASSERT_EQ(info[2], c.height);
        const std::size_t count = static_cast<std::size_t>(c.width * c.height);
        // ImageMagick reads a 1-bit PCX inverted; its source picture is the reference there.
        const std::vector<int> expected = magick(c.reference != nullptr ? c.reference : c.file, c.transparency);
        ASSERT_EQ(expected.size(), count);
        const Decoded d = decode(c.file, count, nullptr, c.transparency ? std::optional<int>(1) : std::nullopt);
        EXPECT_EQ(d.error, 0);
        if (c.type == 17 && c.transparency) {
            // Icons mark by their AND mask: fully transparent where ImageMagick sees alpha 0.
            for (std::size_t i = 0; i < count; ++i) {
                const unsigned top = static_cast<unsigned>(d.pixels[i]) >> 24;
                EXPECT_EQ(top, static_cast<unsigned>(expected[i]) >> 24 == 255 ? 255u : 0u) << i;
                if (top == 0) EXPECT_EQ(d.pixels[i], expected[i] & 0xFFFFFF) << i;
            }
        } else {
            EXPECT_EQ(d.pixels, expected);
        }
        // Without the switch every top byte is 0.
        const Decoded plain = decode(c.file, count);
        for (int v : plain.pixels) EXPECT_EQ(static_cast<unsigned>(v) >> 24, 0u);
    }
}


TEST_F(ImageDecoder, BmpRowsDepthsAndRunLengths) {
    // File rows (blue, green) then (red, white): the array starts with the file's last row.
    Bytes rows;
    rows += Bytes("\xFF\0\0\0\xFF\0\0\0", 8);
    rows += Bytes("\0\0\xFF\xFF\xFF\xFF\0\0", 8);
    write("two.bmp", bmp(2, 2, 24, 0, {}, rows));
    EXPECT_EQ(decode("two.bmp", 4).pixels, (std::vector<int>{0xFF, 0xFFFFFF, 0xFF0000, 0xFF00}));

    // A negative height stores the rows top-down, in file order.
    write("down.bmp", bmp(2, -2, 24, 0, {}, rows));
    EXPECT_EQ(decode("down.bmp", 4).pixels, (std::vector<int>{0xFF0000, 0xFF00, 0xFF, 0xFFFFFF}));

    // 16 bits: 7FFF and FFFF are F8F8F8; with bit fields F800 is red F8.
    Bytes words("\xFF\x7F\xFF\xFF", 4);
    write("w16.bmp", bmp(2, 1, 16, 0, {}, words));
    EXPECT_EQ(decode("w16.bmp", 2).pixels, (std::vector<int>{0xF8F8F8, 0xF8F8F8}));
    write("f16.bmp", bmp(2, 1, 16, 3, {}, Bytes("\x00\xF8\xE0\x07", 4)));
    EXPECT_EQ(decode("f16.bmp", 2).pixels, (std::vector<int>{0xF8, 0xFC00}));

    // An 8-bit run-length picture that ends after its first row leaves the others as they were.
    const std::vector<std::uint32_t> table{0x000000, 0xFF0000, 0x00FF00};  // black, red, green
    write("rle.bmp", bmp(3, 3, 8, 1, table, Bytes("\x02\x01\x00\x03\x02\x01\x00\x00\x00\x01", 10)));
    const Decoded d = decode("rle.bmp", 9);
    EXPECT_EQ(d.error, 0);
    EXPECT_EQ(d.pixels, (std::vector<int>{0x7A7A7A, 0x7A7A7A, 0x7A7A7A, 0x7A7A7A, 0x7A7A7A, 0x7A7A7A, 0xFF, 0xFF, 0xFF00}));

    // Run-length codes that move above the top row or far right stop without harm.
    Bytes hostile("\x00\x02\xFF\xFF\x05\x01\x00\x00\x00\x00\x00\x00\x00\x00\x04\x02\x00\x01", 18);
    write("rle_hostile.bmp", bmp(3, 3, 8, 1, table, hostile));
    EXPECT_EQ(decode("rle_hostile.bmp", 9).error, 0);
    write("rle4.bmp", bmp(4, 1, 4, 2, table, Bytes("\x03\x12\x00\x03\x21\x00\x00\x01", 8)));
    EXPECT_EQ(decode("rle4.bmp", 4).pixels, (std::vector<int>{0xFF, 0xFF00, 0xFF, 0xFF00}));

    // The palette: an 8-bit BMP gives 256 colours (undefined ones black); 24 bits leave it alone.
    std::vector<int> palette(256, -5);
    write("pal8.bmp", bmp(1, 1, 8, 0, table, Bytes("\x02\0\0\0", 4)));
    EXPECT_EQ(decode("pal8.bmp", 1, &palette).pixels[0], 0xFF00);
    EXPECT_EQ(palette[1], 0xFF);
    EXPECT_EQ(palette[2], 0xFF00);
    EXPECT_EQ(palette[255], 0);
    std::vector<int> untouched(256, -5);
    decode("two.bmp", 4, &untouched);
    EXPECT_EQ(untouched, std::vector<int>(256, -5));

    // Longer headers hold the bit-field masks and put the palette after themselves.
    for (int size : {52, 56, 108, 124}) {
        Bytes b = bmp(1, 1, 8, 0, table, Bytes("\x01\0\0\0", 4), size);
        EXPECT_EQ(decode(((void)write("long.bmp", b), "long.bmp"), 1).pixels[0], 0xFF) << size;
    }
}

TEST_F(ImageDecoder, IconsMarkTheirAndMaskAndTakePngImages) {
    // A 2 x 2 icon at 24 bits; AND mask rows bottom-up: bit set at the bottom-left pixel.
    Bytes image(40, '\0');
    put32(image, 0, 40);
    put32(image, 4, 2);
    put32(image, 8, 4);
    put16(image, 12, 1);
    put16(image, 14, 24);
    image += Bytes("\x01\x02\x03\x04\x05\x06\0\0", 8);  // bottom row
    image += Bytes("\x07\x08\x09\x0A\x0B\x0C\0\0", 8);  // top row
    image += Bytes("\x80\0\0\0\0\0\0\0", 8);
    Bytes ico(22, '\0');
    put16(ico, 2, 1);
    put16(ico, 4, 1);
    ico[6] = 2;
    ico[7] = 2;
    put32(ico, 18, 22);
    write("a.ico", ico + image);
    EXPECT_EQ(decode("a.ico", 4, nullptr, 1).pixels,
              (std::vector<int>{0x070809, 0x0A0B0C, static_cast<int>(0xFF010203u), 0x040506}));
    EXPECT_EQ(decode("a.ico", 4).pixels, (std::vector<int>{0x070809, 0x0A0B0C, 0x010203, 0x040506}));

    // A cursor of the same image, and an icon whose image is a PNG.
    Bytes cur = ico;
    cur[2] = 2;
    write("a.cur", cur + image);
    EXPECT_EQ(decode("a.cur", 4).pixels[0], 0x070809);
    const Bytes p = png(2, 1, 8, 6, Bytes("\0\x10\x20\x30\xFF\x40\x50\x60\x00", 9));
    write("p.ico", ico + p);
    const Decoded d = decode("p.ico", 2, nullptr, 1);
    EXPECT_EQ(d.error, 0);
    EXPECT_EQ(d.pixels, (std::vector<int>{0x302010, static_cast<int>(0xFF605040u)}));
}

TEST_F(ImageDecoder, PngRowsAndPalettes) {
    // Three pixels of one bit: exactly three values per row, the spare bits skipped.
    const Bytes plte("\0\0\0\xFF\xFF\xFF", 6);
    write("bits.png", png(3, 2, 1, 3, Bytes("\0\xA0\0\x40", 4), plte));
    EXPECT_EQ(decode("bits.png", 6).pixels, (std::vector<int>{0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}));
    // Entries the palette does not define are black, never the previous picture's.
    write("big.png", png(1, 1, 8, 3, Bytes("\0\x05", 2), Bytes(768, '\x33')));
    EXPECT_EQ(decode("big.png", 1).pixels[0], 0x333333);
    write("short.png", png(1, 1, 8, 3, Bytes("\0\x05", 2), plte));
    std::vector<int> palette(256, -1);
    EXPECT_EQ(decode("short.png", 1, &palette).pixels[0], 0);
    EXPECT_EQ(palette[1], 0xFFFFFF);
    EXPECT_EQ(palette[5], 0);
    // Alpha 255 is opaque (top byte 0), alpha 0 fully transparent (255).
    write("alpha.png", png(2, 1, 8, 6, Bytes("\0\x01\x02\x03\xFF\x04\x05\x06\x00", 9)));
    EXPECT_EQ(decode("alpha.png", 2, nullptr, 1).pixels, (std::vector<int>{0x030201, static_cast<int>(0xFF060504u)}));
    // Filtered rows (Sub, Up) are undone.
    write("filtered.png", png(2, 2, 8, 2, Bytes("\x01\x10\x10\x10\x01\x01\x01\x02\x05\x05\x05\x00\x00\x00", 14)));
    EXPECT_EQ(decode("filtered.png", 4).pixels, (std::vector<int>{0x101010, 0x111111, 0x151515, 0x111111}));
    // Rows the uncompressed data do not cover are not converted.
    const Bytes one = deflate(Bytes("\0\x01\x02\x03", 4));
    write("fewrows.png", png(1, 3, 8, 2, "", {}, 0, &one));
    const Decoded few = decode("fewrows.png", 3);
    EXPECT_EQ(few.pixels[2], 0x7A7A7A);
}

struct FailureCase {
    const char* what;
    std::string file;
    int error;
    std::size_t capacity = 16;
};

TEST_F(ImageDecoder, FailuresAreRecordedAndHostileFilesRefused) {
    writeSource("src.ppm");
    run("convert src.ppm GIF:img.gif; convert src.ppm JPEG:img.jpg; convert src.ppm -colorspace Gray PNG:grey.png;"
        "convert src.ppm -interlace PNG PNG24:inter.png; convert src.ppm -type Palette PCX:p8.pcx");
    const Bytes pcx = [] {
        std::ifstream in("p8.pcx", std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }();
    ASSERT_GT(pcx.size(), 900u);
    Bytes noMarker = pcx;
    noMarker[noMarker.size() - 769] = 0x0B;
    write("nomarker.pcx", noMarker);
    Bytes planes = pcx;
    planes[65] = 2;
    write("planes.pcx", planes);
    Bytes narrow = pcx;
    put16(narrow, 66, 5);
    write("narrow.pcx", narrow);
    const Bytes bad("\x78\x9c\xFF\xFF\xFF\xFF", 6);
    write("badzlib.png", png(2, 2, 8, 2, "", {}, 0, &bad));
    const Bytes flood(200, 'x');
    write("flood.png", png(1, 1, 8, 2, "", {}, 0, &flood));
    write("zero.png", png(0, 1, 8, 2, Bytes("\0", 1)));
    write("depth.png", png(1, 1, 4, 2, Bytes("\0\0", 2)));
    write("huge.png", png(0x7FFFFFFF, 0x7FFFFFFF, 16, 6, Bytes("\0", 1)));
    write("wide.png", png(100000, 100000, 8, 2, Bytes("\0", 1)));
    write("depth2.bmp", bmp(2, 2, 2, 0, {}, Bytes(8, '\0')));
    Bytes os2 = bmp(1, 1, 24, 0, {}, Bytes(4, '\0'));
    put32(os2, 14, 12);
    write("os2.bmp", os2);
    write("big.bmp", bmp(100000, 100000, 24, 0, {}, Bytes(16, '\0')));
    const FailureCase cases[] = {
        {"GIF", "img.gif", 27},
        {"JPEG", "img.jpg", 27},
        {"missing file", "nowhere.png", 27},
        {"grey PNG", "grey.png", 27},
        {"interlaced PNG", "inter.png", 27},
        {"bad zlib data", "badzlib.png", 1044},
        {"IDAT beyond its room", "flood.png", 2},
        {"8-bit PCX without 0C", "nomarker.pcx", 2, 91},
        {"PCX of two planes", "planes.pcx", 27},
        {"PCX lines shorter than the width", "narrow.pcx", 27},
        {"PNG width 0", "zero.png", 27},
        {"RGB PNG of 4 bits", "depth.png", 27},
        {"PNG whose size overflows", "huge.png", 1109},
        {"PNG larger than the array", "wide.png", 1109},
        {"image larger than the array", "img.jpg", 27, 0},
        {"BMP of 2 bits", "depth2.bmp", 27},
        {"OS/2 BMP", "os2.bmp", 27},
        {"BMP larger than the array", "big.bmp", 1109},
        {"PCX larger than the array", "p8.pcx", 1109, 90},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Decoded d = decode(c.file, c.capacity);
        EXPECT_EQ(d.error, c.error);
        if (c.error != 1044) EXPECT_EQ(d.pixels, std::vector<int>(c.capacity, 0x7A7A7A));
    }
}

}  // namespace
