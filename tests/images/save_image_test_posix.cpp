// save_image_test_posix.cpp - the files of a saved screen area written from device-independent
// copies of every depth a display gives, read back by pngcheck and ImageMagick; the PCX header
// and colour table, the BMP offsets with bit-field masks, the colour-table sizes and one PCX run.
#include <gtest/gtest.h>


#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/files_internal.hpp"
#include "command_output.hpp"
#include "file_bytes.hpp"
#include "images/image_encoders.hpp"
#include "images/save_image.hpp"
#include "file_size_limit_posix.hpp"
#include "scratch.hpp"

namespace {

void put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<unsigned char>(v >> (8 * k));
}

Bytes magickPixels(const std::string& file) { return run("/usr/bin/convert '" + file + "[0]' -depth 8 rgb:-"); }

struct Rgb {
    unsigned char r, g, b;
};

// A device-independent copy of width x height at bits per pixel: header, table of `entries`
// colours (entry i = (i * 7, i * 13, i * 29)), or the three masks of a bit-field 16-bit copy,
// rows bottom-up. pixel(x, y from the top) gives the stored value: an index, a 16-bit word, or
// an RGB value 0xRRGGBB.
struct Copy {
    std::vector<unsigned char> block;
    int width, height, bits, entries;
    bool fields;
    Copy(int w, int h, int b, int e, bool bitFields, const std::function<std::uint32_t(int, int)>& pixel)
        : width(w), height(h), bits(b), entries(e), fields(bitFields) {
        const std::size_t table = fields ? 12 : static_cast<std::size_t>(4 * e);
        const std::size_t stride = (static_cast<std::size_t>(w) * b + 31) / 32 * 4;
        block.assign(40 + table + stride * static_cast<std::size_t>(h), 0);
        put32(block, 0, 40);
        put32(block, 4, static_cast<std::uint32_t>(w));
        put32(block, 8, static_cast<std::uint32_t>(h));
        block[12] = 1;
        block[14] = static_cast<unsigned char>(b);
        put32(block, 16, fields ? 3 : 0);
        put32(block, 20, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(h)));
        const bool fullTable = (b == 4 && e == 16) || (b == 8 && e == 256);
        put32(block, 32, fullTable || b > 8 ? 0 : static_cast<std::uint32_t>(e));
        if (fields) {
            put32(block, 40, 0xF800);
            put32(block, 44, 0x07E0);
            put32(block, 48, 0x001F);
        }
        for (int i = 0; i < (fields ? 0 : e); ++i) {
            const Rgb c = entry(i);
            block[40 + 4 * static_cast<std::size_t>(i)] = c.b;
            block[41 + 4 * static_cast<std::size_t>(i)] = c.g;
            block[42 + 4 * static_cast<std::size_t>(i)] = c.r;
        }
        for (int y = 0; y < h; ++y) {
            unsigned char* row = block.data() + 40 + table + stride * static_cast<std::size_t>(h - 1 - y);
            for (int x = 0; x < w; ++x) {
                const std::uint32_t v = pixel(x, y);
                switch (b) {
                case 4: row[x / 2] = static_cast<unsigned char>(row[x / 2] | (x % 2 == 0 ? v << 4 : v)); break;
                case 8: row[x] = static_cast<unsigned char>(v); break;
                case 16:
                    row[2 * x] = static_cast<unsigned char>(v);
                    row[2 * x + 1] = static_cast<unsigned char>(v >> 8);
                    break;
                default: {
                    unsigned char* p = row + (b / 8) * x;
                    p[0] = static_cast<unsigned char>(v);
                    p[1] = static_cast<unsigned char>(v >> 8);
                    p[2] = static_cast<unsigned char>(v >> 16);
                    break;
                }
                }
            }
        }
    }
    static Rgb entry(int i) {
        return {static_cast<unsigned char>(i * 7), static_cast<unsigned char>(i * 13), static_cast<unsigned char>(i * 29)};
    }
};

int pattern(int x, int y) { return x < 20 ? y % 5 : (x * 3 + y * 7 + x * y) % 97; }

class SavedFiles : public ::testing::Test {
protected:
    int open(const std::string& name) {
        int handle = -1, code = 0;
        yyopen(name.c_str(), 1, handle, code);
        return handle;
    }
    ScratchFolder folder;
};

TEST_F(SavedFiles, PngOfEveryDisplayDepth) {
    const int w = 37, w2 = 38, h = 11;
    struct Case {
        const char* what;
        int bits, entries;
        bool fields;
        int colourType, bitDepth;
        std::function<std::uint32_t(int, int)> pixel;
        std::function<Rgb(int, int)> shown;
    };
    const Case cases[] = {
        {"4 bits", 4, 16, false, 3, 4, [](int x, int y) { return pattern(x, y) % 16; },
         [](int x, int y) { return Copy::entry(pattern(x, y) % 16); }},
        {"8 bits", 8, 256, false, 3, 8, [](int x, int y) { return pattern(x, y); },
         [](int x, int y) { return Copy::entry(pattern(x, y)); }},
        {"16 bits, five-five-five", 16, 0, false, 2, 8, [](int x, int y) { return (pattern(x, y) * 331) & 0x7FFF; },
         [](int x, int y) {
             const unsigned v = (pattern(x, y) * 331) & 0x7FFF;
             return Rgb{static_cast<unsigned char>((v >> 10) << 3), static_cast<unsigned char>(((v >> 5) & 31) << 3),
                        static_cast<unsigned char>((v & 31) << 3)};
         }},
        {"16 bits, five-six-five", 16, 0, true, 2, 8, [](int x, int y) { return (pattern(x, y) * 677) & 0xFFFF; },
         [](int x, int y) {
             const unsigned v = (pattern(x, y) * 677) & 0xFFFF;
             return Rgb{static_cast<unsigned char>((v >> 11) << 3), static_cast<unsigned char>(((v >> 5) & 63) << 2),
                        static_cast<unsigned char>((v & 31) << 3)};
         }},
        {"24 bits", 24, 0, false, 2, 8, [](int x, int y) { return pattern(x, y) * 0x010305u; },
         [](int x, int y) {
             const unsigned v = pattern(x, y) * 0x010305u;
             return Rgb{static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
         }},
        {"32 bits", 32, 0, false, 2, 8, [](int x, int y) { return pattern(x, y) * 0x020109u; },
         [](int x, int y) {
             const unsigned v = pattern(x, y) * 0x020109u;
             return Rgb{static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
         }},
    };
    for (const Case& c : cases) {
        const Copy copy(w2, h, c.bits, c.entries, c.fields, c.pixel);
        const int handle = open("saved.png");
        int status = 0, syserror = 0;
        EXPECT_TRUE(yysavepngfile(handle, copy.block.data(), w, status, syserror)) << c.what;
        yyclos(handle);
        EXPECT_EQ(status, 0);
        const Bytes file = readWholeFile("saved.png");
        EXPECT_EQ(le32(file, 16), 0x25000000u) << c.what;  // width 37, big-endian
        EXPECT_EQ(u8(file, 24), static_cast<unsigned>(c.bitDepth)) << c.what;
        EXPECT_EQ(u8(file, 25), static_cast<unsigned>(c.colourType)) << c.what;
        if (c.bits == 4) EXPECT_EQ(file.substr(33, 8), Bytes("\0\0\0\x30PLTE", 8));
        int checked = -1;
        const Bytes report = run("pngcheck -v saved.png", &checked);
        EXPECT_EQ(checked, 0) << c.what << report;
        Bytes expected;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Rgb p = c.shown(x, y);
                expected += {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b)};
            }
        EXPECT_TRUE(magickPixels("saved.png") == expected) << c.what;
    }
}

TEST_F(SavedFiles, PcxOfATrueColourAndAPaletteDisplay) {
    // 101 x 50 on a true-colour display: three planes, 102 bytes a line, no colour table.
    const Copy rgb(102, 50, 32, 0, false, [](int x, int y) { return pattern(x, y) * 0x030201u; });
    int handle = open("rgb.pcx"), status = 0, syserror = 0;
    EXPECT_TRUE(yysavepcxheader(handle, 101, 50, 3, status, syserror));
    EXPECT_TRUE(yysavepcxrows(handle, rgb.block.data(), 3, status, syserror));
    yyclos(handle);
    Bytes file = readWholeFile("rgb.pcx");
    expectPcxHeader(file, 5, 8, 101, 50, 3, 102);
    EXPECT_EQ(le16(file, 68), 1u);
    Bytes expected;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 101; ++x) {
            const unsigned v = static_cast<unsigned>(pattern(x, y)) * 0x030201u;
            expected += {static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
        }
    EXPECT_TRUE(magickPixels("rgb.pcx") == expected);
    EXPECT_NE(u8(file, file.size() - 769), 0x0Cu);

    // A 16-colour capture: one plane, and the 256-entry table with 240 entries of 0.
    const Copy indexed(102, 50, 4, 16, false, [](int x, int y) { return pattern(x, y) % 16; });
    handle = open("pal.pcx");
    EXPECT_TRUE(yysavepcxheader(handle, 101, 50, 1, status, syserror));
    EXPECT_TRUE(yysavepcxrows(handle, indexed.block.data(), 1, status, syserror));
    yyclos(handle);
    file = readWholeFile("pal.pcx");
    EXPECT_EQ(u8(file, 65), 1u);
    ASSERT_GT(file.size(), 769u);
    EXPECT_EQ(u8(file, file.size() - 769), 0x0Cu);
    EXPECT_EQ(file.substr(file.size() - 768 + 3 * 15, 3), Bytes({105, static_cast<char>(195), static_cast<char>(435 % 256)}));
    EXPECT_EQ(file.substr(file.size() - 768 + 48), Bytes(720, '\0'));
    expected.clear();
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 101; ++x) {
            const Rgb c = Copy::entry(pattern(x, y) % 16);
            expected += {static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b)};
        }
    EXPECT_TRUE(magickPixels("pal.pcx") == expected);
}

TEST_F(SavedFiles, BmpOffsetsCountTheTableAndTheMaskWords) {
    const struct {
        int bits, entries;
        bool fields;
        std::uint32_t table;
    } cases[] = {{8, 256, false, 1024}, {4, 16, false, 64}, {8, 20, false, 80}, {16, 0, true, 12}, {24, 0, false, 0}};
    for (const auto& c : cases) {
        const Copy copy(13, 7, c.bits, c.entries, c.fields, [&](int x, int y) {
            return static_cast<std::uint32_t>(c.bits <= 8 ? pattern(x, y) % c.entries : pattern(x, y) * 0x0305);
        });
        const int handle = open("saved.bmp");
        int status = 0, syserror = 0;
        EXPECT_TRUE(yysavebmpfile(handle, copy.block.data(), status, syserror));
        yyclos(handle);
        const Bytes file = readWholeFile("saved.bmp");
        EXPECT_EQ(le32(file, 2), file.size()) << c.bits;
        EXPECT_EQ(le32(file, 10), 54 + c.table) << c.bits;
        EXPECT_EQ(file.size(), 14 + copy.block.size()) << c.bits;
        int shown = -1;
        run("/usr/bin/convert saved.bmp[0] info:-", &shown);
        EXPECT_EQ(shown, 0) << c.bits;
        EXPECT_EQ(magickPixels("saved.bmp").size(), 13u * 7 * 3) << c.bits;
    }
}

TEST(SaveImageHelpers, PaletteSizesAndOneRun) {
    unsigned char core[12] = {12, 0, 0, 0, 4, 0, 4, 0, 1, 0, 8, 0};
    EXPECT_EQ(yypalettesize(core), 768);
    std::vector<unsigned char> info(40, 0);
    info[0] = 40;
    const struct {
        int bits;
        std::uint32_t used;
        int size;
    } cases[] = {{1, 0, 8}, {4, 0, 64}, {8, 0, 1024}, {8, 20, 80}, {24, 0, 0}, {24, 2, 8}, {32, 0, 0}};
    for (const auto& c : cases) {
        info[14] = static_cast<unsigned char>(c.bits);
        put32(info, 32, c.used);
        EXPECT_EQ(yypalettesize(info.data()), c.size) << c.bits << " " << c.used;
    }
    info[14] = 16;
    put32(info, 32, 0);
    put32(info, 16, 3);
    EXPECT_EQ(yydibtablebytes(info.data()), 12);

    ScratchFolder folder;
    int handle = -1, code = 0;
    yyopen("runs.pcx", 1, handle, code);
    EXPECT_EQ(yyencput(0xC5, 1, handle), 0);
    EXPECT_EQ(yyencput(0x3F, 1, handle), 0);
    EXPECT_EQ(yyencput(7, 63, handle), 0);
    EXPECT_EQ(yyencput(7, 37, handle), 0);
    yyclos(handle);
    EXPECT_EQ(readWholeFile("runs.pcx"), Bytes("\xC1\xC5\x3F\xFF\x07\xE5\x07"));
    EXPECT_EQ(yyencput(1, 1, -1), 2);
}

// Each encoder on a disk that fills during its writes (the write that crosses the limit stores
// part of its bytes) and on a device where every write fails.
TEST_F(SavedFiles, AFailedWriteGivesStatus2) {
    const Copy copy(64, 64, 24, 0, false, [](int x, int y) { return static_cast<std::uint32_t>(pattern(x, y) * 0x10101); });
    auto encode = [&](int type, int handle, int& status, int& syserror) {
        if (type == saveBmp) return yysavebmpfile(handle, copy.block.data(), status, syserror);
        if (type == savePcx)
            return yysavepcxheader(handle, 64, 64, 3, status, syserror) &&
                   yysavepcxrows(handle, copy.block.data(), 3, status, syserror);
        return yysavepngfile(handle, copy.block.data(), 64, status, syserror);
    };
    for (const int type : {saveBmp, savePcx, savePng}) {
        const int handle = open("cut.img");
        int status = 0, syserror = 0;
        bool written = false;
        {
            FileSizeLimit limit(100);
            written = encode(type, handle, status, syserror);
        }
        yyclos(handle);
        EXPECT_FALSE(written) << type;
        EXPECT_EQ(status, 2) << type;
        EXPECT_EQ(syserror, EFBIG) << type;
        EXPECT_EQ(readWholeFile("cut.img").size(), 100u) << type;

        const int full = open(FullDevice);
        ASSERT_NE(full, -1);
        status = syserror = 0;
        EXPECT_FALSE(encode(type, full, status, syserror)) << type;
        yyclos(full);
        EXPECT_EQ(status, 2) << type;
        EXPECT_EQ(syserror, ENOSPC) << type;
    }
}

TEST_F(SavedFiles, PngBuffersThatCannotBeAllocatedGive1044) {
    const Copy copy(64, 64, 24, 0, false, [](int x, int y) { return static_cast<std::uint32_t>(pattern(x, y)); });
    const std::int64_t previous = yysetimagebufferlimit(1000);
    const int handle = open("short.png");
    int status = 0, syserror = 0;
    EXPECT_FALSE(yysavepngfile(handle, copy.block.data(), 64, status, syserror));
    yyclos(handle);
    yysetimagebufferlimit(previous);
    EXPECT_EQ(status, 1044);
    EXPECT_EQ(syserror, -4);
    EXPECT_EQ(readWholeFile("short.png").size(), 33u);  // signature and IHDR stay
}

}  // namespace
