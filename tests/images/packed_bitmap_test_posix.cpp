// packed_bitmap_test_posix.cpp - the packed bitmaps that yyloadimage hands to the system: every
// fixture read back by an independent reader of the packed layout and compared with
// ImageMagick's pixels; the statuses of broken and hostile files; long PNG chunks, palettes
// without PLTE data, BMP headers and short files, PCX plane combinations.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "images/image_files.hpp"
#include "images/packed_bitmap.hpp"
#include "file_bytes.hpp"
#include "image_fixtures.hpp"
#include "scratch.hpp"

namespace {

ImageBytes bytesOf(const Bytes& b) { return ImageBytes(b.begin(), b.end()); }

PackedBitmap packed(int kind, const Bytes& file) { return yypackedbitmap(kind, bytesOf(file)); }

PackedBitmap packedFile(int kind, const std::string& name) {
    int code = 0;
    return yypackedbitmapfile(kind, name.c_str(), code);
}

// The picture of an uncompressed packed bitmap as RGBValues, top row first: the layout read
// independently of the builder (header, table or masks, bottom-up rows padded to 4 bytes).
std::vector<int> pixelsOf(const PackedBitmap& p) {
    const Bytes b(p.block.begin(), p.block.end());
    const int width = static_cast<int>(le32(b, 4)), height = static_cast<int>(le32(b, 8));
    const unsigned depth = le16(b, 14), compression = le32(b, 16);
    const std::size_t entries = compression == 3 ? 3 : le32(b, 32) != 0 ? le32(b, 32) : depth <= 8 ? 1u << depth : 0;
    EXPECT_EQ(p.bitsOffset, 40 + 4 * entries);
    const std::size_t stride = (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
    EXPECT_EQ(b.size(), p.bitsOffset + stride * static_cast<std::size_t>(height));
    auto colour = [&](std::size_t i) { return static_cast<int>(u8(b, 40 + 4 * i + 2) | u8(b, 40 + 4 * i + 1) << 8 | u8(b, 40 + 4 * i) << 16); };
    auto field = [&](std::uint32_t v, std::uint32_t mask) {
        int shift = 0, bits = 0;
        while (((mask >> shift) & 1u) == 0) ++shift;
        while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0) ++bits;
        const std::uint32_t f = (v & mask) >> shift;
        return static_cast<int>(bits >= 8 ? f >> (bits - 8) : f << (8 - bits)) & 0xFF;
    };
    std::vector<int> out;
    for (int r = 0; r < height; ++r) {
        const std::size_t row = p.bitsOffset + static_cast<std::size_t>(height - 1 - r) * stride;
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            switch (depth) {
            case 1: out.push_back(colour(u8(b, row + x / 8) >> (7 - x % 8) & 1)); break;
            case 4: out.push_back(colour(x % 2 == 0 ? u8(b, row + x / 2) >> 4 : u8(b, row + x / 2) & 15)); break;
            case 8: out.push_back(colour(u8(b, row + x))); break;
            case 24: out.push_back(static_cast<int>(u8(b, row + 3 * x + 2) | u8(b, row + 3 * x + 1) << 8 | u8(b, row + 3 * x) << 16)); break;
            default: {
                const std::uint32_t v = le32(b, row + 4 * x);
                if (compression == 3) out.push_back(field(v, le32(b, 40)) | field(v, le32(b, 44)) << 8 | field(v, le32(b, 48)) << 16);
                else out.push_back(static_cast<int>((v >> 16 & 0xFF) | (v & 0xFF00) | (v & 0xFF) << 16));
                break;
            }
            }
        }
    }
    return out;
}

class PackedBitmaps : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override {
        yysetpackedbitmaplimit(std::size_t{512} << 20);
        yyresetgravim();
    }
    ScratchFolder scratch;
};

TEST_F(PackedBitmaps, EveryFixtureShowsImageMagicksPixels) {
    writeSources();
    for (const FixtureCase& c : imageFixtures()) {
        if (c.type == 17) continue;  // icons are not drawn
        SCOPED_TRACE(c.file);
        run(c.make);
        const PackedBitmap p = packedFile(c.type, c.file);
        ASSERT_EQ(p.status, 0);
        ASSERT_EQ(p.width, c.width);
        ASSERT_EQ(p.height, c.height);
        std::vector<int> expected = magick(c.reference != nullptr ? c.reference : c.file, false);
        if (le32(Bytes(p.block.begin(), p.block.end()), 16) == 1) {
            // Run-length codes go to the system as the file holds them.
            const Bytes file = readWholeFile(c.file);
            const Bytes codes(p.block.begin() + static_cast<std::ptrdiff_t>(p.bitsOffset), p.block.end());
            EXPECT_EQ(file.substr(le32(file, 10), codes.size()), codes);
            EXPECT_EQ(le32(Bytes(p.block.begin(), p.block.end()), 20), codes.size());
            continue;
        }
        EXPECT_EQ(pixelsOf(p), expected);
    }
}

TEST_F(PackedBitmaps, LongPngChunksAndPalettesWithoutData) {
    // Row of 3 palette pixels 0, 1, 2; a 100 000-byte text chunk and a 60 000-byte PLTE (whose
    // first 256 entries count) are read whole.
    const Bytes raw("\0\0\1\2", 4);
    Bytes plte(60000, '\x11');
    plte.replace(0, 9, Bytes("\xFF\0\0\0\xFF\0\0\0\xFF", 9));
    Bytes file = png(3, 1, 8, 3, raw, plte);
    file.insert(33, chunk("tEXt", Bytes(100000, 'a')));
    PackedBitmap p = packed(15, file);
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0xFF, 0xFF00, 0xFF0000}));
    EXPECT_EQ(le32(Bytes(p.block.begin(), p.block.end()), 40 + 4 * 255), 0x111111u);

    // Without PLTE every entry is black, never the previous image's colours.
    p = packed(15, png(3, 1, 8, 3, raw));
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0, 0, 0}));

    // Two-bit pixels become two four-bit pixels a byte; 16-bit RGBA keeps the high bytes, no alpha.
    p = packed(15, png(5, 1, 2, 3, Bytes("\0\x1B\xC0", 3), Bytes("\1\1\1\2\2\2\3\3\3\4\4\4", 12)));
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0x010101, 0x020202, 0x030303, 0x040404, 0x040404}));
    p = packed(15, png(1, 1, 16, 6, Bytes("\0\x12\x34\x56\x78\x9A\xBC\0\0", 9)));
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0x9A5612}));

    // Rows the uncompressed data do not cover stay black.
    p = packed(15, png(1, 3, 8, 2, Bytes("\0\xFF\xFF\xFF", 4)));
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0xFFFFFF, 0, 0}));
}

TEST_F(PackedBitmaps, BmpHeadersPalettesAndShortFiles) {
    const std::vector<std::uint32_t> table{0x000000, 0xFF0000, 0x00FF00};
    // A 16 x 8 picture of 8 bits with a colour count of 0 gets 256 entries and an image size of 128.
    PackedBitmap p = packed(1, bmp(16, 8, 8, 0, table, Bytes(128, '\2')));
    ASSERT_EQ(p.status, 0);
    Bytes block(p.block.begin(), p.block.end());
    EXPECT_EQ(le32(block, 20), 128u);
    EXPECT_EQ(p.bitsOffset, 40u + 4 * 3);  // the count of the file's table
    Bytes noCount = bmp(16, 8, 8, 0, table, Bytes(128, '\2'));
    put32(noCount, 46, 0);
    p = packed(1, noCount);
    EXPECT_EQ(p.bitsOffset, 40u + 4 * 256);
    EXPECT_EQ(pixelsOf(p), std::vector<int>(128, 0xFF00));

    // A colour count beyond 2^depth is bounded by it.
    Bytes many = bmp(2, 1, 1, 0, table, Bytes("\x40\0\0\0", 4));
    put32(many, 46, 1000);
    p = packed(1, many);
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.bitsOffset, 40u + 4 * 2);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0, 0xFF}));

    // 108- and 124-byte headers: the table and masks are read behind the whole header.
    for (int size : {108, 124}) {
        SCOPED_TRACE(size);
        p = packed(1, bmp(2, 1, 8, 0, table, Bytes("\1\2\0\0", 4), size));
        ASSERT_EQ(p.status, 0);
        EXPECT_EQ(pixelsOf(p), (std::vector<int>{0xFF, 0xFF00}));
        Bytes fields = bmp(1, 1, 32, 3, {}, Bytes("\x56\x34\x12\x00", 4), size);
        put32(fields, 54, 0xFF), put32(fields, 58, 0xFF00), put32(fields, 62, 0xFF0000);
        p = packed(1, fields);
        ASSERT_EQ(p.status, 0);
        EXPECT_EQ(pixelsOf(p), (std::vector<int>{0x123456}));
    }

    // An image-size field that is too small and a file that ends early: the block holds every
    // row, the missing ones zero.
    Bytes rows;
    for (int i = 0; i < 4; ++i) rows += Bytes("\xFF\xFF\xFF\0", 4);
    Bytes small = bmp(1, 4, 24, 0, {}, rows);
    put32(small, 34, 1);
    p = packed(1, small);
    EXPECT_EQ(pixelsOf(p), std::vector<int>(4, 0xFFFFFF));
    p = packed(1, bmp(1, 4, 24, 0, {}, rows.substr(0, 4)));
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0, 0, 0, 0xFFFFFF}));

    // A negative height is top-down: the rows come in file order.
    const Bytes two = Bytes("\xFF\0\0\0", 4) + Bytes("\0\0\xFF\0", 4);
    EXPECT_EQ(pixelsOf(packed(1, bmp(1, -2, 24, 0, {}, two))), (std::vector<int>{0xFF0000, 0xFF}));
    EXPECT_EQ(pixelsOf(packed(1, bmp(1, 2, 24, 0, {}, two))), (std::vector<int>{0xFF, 0xFF0000}));
    // A height of -2^31 is 2^31 rows: too many to address, reported, never drawn as nothing.
    p = packed(1, bmp(1, INT32_MIN, 24, 0, {}, two));
    EXPECT_EQ(p.status, 1109);
    EXPECT_TRUE(p.block.empty());
}

// ---- PCX files built byte by byte ----


TEST_F(PackedBitmaps, PcxPlanesWidthsAndPalettes) {
    // 24 bits of odd width: the picture is the image's width, the line's fill byte left out; a run
    // goes on from one plane's line into the next.
    Bytes file = pcxHeader(3, 1, 8, 3, 4) + Bytes("\xC8\x10\x30\x30\x30\x00", 6);
    PackedBitmap p = packed(2, file);
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.width, 3);
    EXPECT_EQ(pixelsOf(p), std::vector<int>(3, 0x301010));

    // Four one-bit planes of 9 pixels: every pixel index inside its row.
    Bytes planes = pcxHeader(9, 1, 1, 4, 2);
    for (int k = 0; k < 48; ++k) planes[16 + static_cast<std::size_t>(k)] = static_cast<char>(k * 3);
    planes += Bytes("\xC1\xFF\x80\x00\x00\x00\x00\xC1\xFF\x80", 10);  // planes 0 and 3 set: index 9
    p = packed(2, planes);
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), std::vector<int>(9, 0x575451));  // entry 9: red 81, green 84, blue 87

    // An 8-bit file takes its colours from its last 768 bytes whatever the marker says.
    Bytes eight = pcxHeader(2, 1, 8, 1, 2) + Bytes("\x01\x02", 2) + Bytes(1, '\x77');
    Bytes colours(768, '\0');
    colours[3] = '\x10', colours[6] = '\x20';
    eight += colours;
    p = packed(2, eight);
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0x10, 0x20}));
}

struct StatusCase {
    const char* name;
    int kind;
    Bytes file;
    int status;
};

TEST_F(PackedBitmaps, BrokenAndHostileFilesGiveTheirStatus) {
    const Bytes raw("\0\xFF\0\0", 4);
    Bytes noEnd = png(1, 1, 8, 2, raw);
    noEnd.resize(noEnd.size() - 12);
    const Bytes big(300, '\1');
    const Bytes overflow = png(1, 1, 8, 2, raw, {}, 0, &big);
    const Bytes garbage("not zlib data", 13);
    Bytes core12 = bmp(1, 1, 24, 0, {}, Bytes(4, '\0'));
    put32(core12, 14, 12);
    const StatusCase cases[] = {
        {"PNG without IEND", 15, noEnd, 2},
        {"PNG IDAT beyond its room", 15, overflow, 2},
        {"PNG data that do not uncompress", 15, png(1, 1, 8, 2, raw, {}, 0, &garbage), 1044},
        {"grey PNG", 15, png(1, 1, 8, 0, Bytes("\0\0", 2)), 27},
        {"grey with alpha", 15, png(1, 1, 8, 4, Bytes("\0\0\0", 3)), 27},
        {"interlaced PNG", 15, png(1, 1, 8, 2, raw, {}, 1), 27},
        {"PNG width 0", 15, png(0, 1, 8, 2, raw), 27},
        {"palette PNG of 16 bits", 15, png(1, 1, 16, 3, raw), 27},
        {"RGB PNG of 4 bits", 15, png(1, 1, 4, 2, raw), 27},
        {"PNG too large", 15, png(0x7FFFFFFF, 0x7FFFFFFF, 16, 6, raw), 1109},
        {"PNG shorter than its header", 15, Bytes("\x89PNG", 4), 2},
        {"BMP without BM", 1, "XX" + bmp(1, 1, 24, 0, {}, Bytes(4, '\0')).substr(2), 27},
        {"BMP core header", 1, core12, 27},
        {"BMP of 2 bits", 1, bmp(1, 1, 2, 0, {}, Bytes(4, '\0')), 27},
        {"BMP with JPEG data", 1, bmp(1, 1, 24, 4, {}, Bytes(4, '\0')), 27},
        {"BMP run lengths at 24 bits", 1, bmp(1, 1, 24, 1, {}, Bytes(4, '\0')), 27},
        {"BMP shorter than its file header", 1, Bytes("BM", 2), 2},
        {"PCX of 2 planes of 8 bits", 2, pcxHeader(2, 1, 8, 2, 2) + Bytes(4, '\1'), 27},
        {"PCX of 2 bits", 2, pcxHeader(2, 1, 2, 1, 2) + Bytes(4, '\1'), 27},
        {"PCX line shorter than its width", 2, pcxHeader(9, 1, 8, 1, 4) + Bytes(4, '\1'), 27},
        {"PCX whose first byte is not 10", 2, "\x0B" + (pcxHeader(2, 1, 8, 3, 2) + Bytes(6, '\1')).substr(1), 27},
        {"PCX without run-length coding", 2, (pcxHeader(2, 1, 8, 3, 2) + Bytes(6, '\1')).replace(2, 1, 1, '\0'), 27},
        {"PCX that ends early", 2, pcxHeader(2, 2, 8, 3, 2) + Bytes(6, '\1'), 2},
        {"8-bit PCX without its palette", 2, pcxHeader(2, 1, 8, 1, 2) + Bytes(2, '\1'), 2},
        {"PCX header cut short", 2, Bytes(100, '\x0A'), 2},
        {"a kind without a reader", 17, bmp(1, 1, 24, 0, {}, Bytes(4, '\0')), 27},
    };
    for (const StatusCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PackedBitmap p = packed(c.kind, c.file);
        EXPECT_EQ(p.status, c.status);
        if (c.status == 1044) EXPECT_EQ(p.zlibStatus, -3);
    }
    // Pictures beyond the packed-bitmap limit are 1109; a missing file cannot be opened.
    yysetpackedbitmaplimit(1000);
    EXPECT_EQ(packed(1, bmp(100, 100, 24, 0, {}, Bytes(4, '\0'))).status, 1109);
    EXPECT_EQ(packed(15, png(100, 100, 8, 2, raw)).status, 1109);
    int code = 0;
    const PackedBitmap missing = yypackedbitmapfile(1, "missing.bmp", code);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(code, 0);
    EXPECT_EQ(gravim.core.lastError, 0);  // nothing reported
}

TEST_F(PackedBitmaps, PixelsOfATurnedPicture) {
    const PackedBitmap p = yypackedpixels(2, 2, {0x010203, 0x040506, 0x070809, 0x0A0B0C});
    ASSERT_EQ(p.status, 0);
    const Bytes b(p.block.begin(), p.block.end());
    EXPECT_EQ(le16(b, 14), 32u);
    EXPECT_EQ(le32(b, 40), 0x070809u);  // the bottom row first
    EXPECT_EQ(pixelsOf(p), (std::vector<int>{0x030201, 0x060504, 0x090807, 0x0C0B0A}));
}

}  // namespace
