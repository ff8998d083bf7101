// huge_images_test_posix.cpp - pictures too large to hold: huge widths, heights and products of
// the two at every depth of BMP, PCX and PNG. IGrLoadImageData into a 4,096-value array records
// 1109 and leaves the array as it was; the packed-bitmap builder of yyloadimage answers 1109.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "images/image_files.hpp"
#include "images/packed_bitmap.hpp"
#include "image_fixtures.hpp"
#include "scratch.hpp"

namespace {

struct HugeImage {
    std::string what;
    int kind;  // 1 BMP, 2 PCX, 15 PNG
    Bytes file;
};

// Sizes beyond the 4,096 values of the array and beyond the packed-bitmap limit (512 MiB of
// rows) at every depth: widths past what a row can address, heights past an int, and products.
struct Size {
    long long width, height;
};
constexpr Size bmpSizes[] = {
    {INT_MAX, 1}, {1LL << 30, 1}, {INT_MAX / 32 + 1, 1}, {1, INT_MAX},     {INT_MAX, INT_MAX},
    {65536, 65536}, {1 << 20, 1 << 13}, {1, INT_MIN}, {1, -INT_MAX}, {INT_MAX / 32, INT_MAX},
};
constexpr Size pngSizes[] = {{0x7FFFFFFF, 0x7FFFFFFF}, {0x7FFFFFFF, 1 << 16}, {65536, 65536}, {1, 0x7FFFFFFF}};

std::string named(const char* format, int depth, const char* form, Size s) {
    return std::string(format) + " " + std::to_string(depth) + " bits" + form + ", " + std::to_string(s.width) + " x " +
           std::to_string(s.height);
}

std::vector<HugeImage> hugeImages() {
    std::vector<HugeImage> list;
    const Bytes data(64, '\0');
    const struct {
        int depth, compression;
        const char* form;
    } bmpForms[] = {{1, 0, ""},         {4, 0, ""},          {8, 0, ""},  {16, 0, ""},          {24, 0, ""},
                    {32, 0, ""},        {4, 2, " RLE"},      {8, 1, " RLE"}, {16, 3, " bit fields"}, {32, 3, " bit fields"}};
    for (const auto& f : bmpForms) {
        const std::vector<std::uint32_t> palette(f.depth <= 8 ? std::size_t{1} << f.depth : 0, 0x808080);
        for (const Size s : bmpSizes)
            list.push_back({named("BMP", f.depth, f.form, s), 1,
                            bmp(static_cast<int>(s.width), static_cast<int>(s.height), f.depth, f.compression, palette, data)});
    }
    // PCX sizes are 16-bit fields: 65536 x 65536 at most, 65535 where a line must hold the width.
    const struct {
        int depth, bits, planes, width;
    } pcxForms[] = {{1, 1, 1, 65536}, {4, 1, 4, 65536}, {8, 8, 1, 65535}, {24, 8, 3, 65535}};
    for (const auto& f : pcxForms) {
        Bytes file = pcxHeader(f.width, 65536, f.bits, f.planes, f.bits == 1 ? (f.width + 7) / 8 : f.width) + data;
        if (f.depth == 8) file += "\x0C" + Bytes(768, '\0');
        list.push_back({named("PCX", f.depth, "", {f.width, 65536}), 2, file});
    }
    const struct {
        int depth, colourType;
    } pngForms[] = {{1, 3}, {2, 3}, {4, 3}, {8, 3}, {8, 2}, {16, 2}, {8, 6}, {16, 6}};
    for (const auto& f : pngForms)
        for (const Size s : pngSizes)
            list.push_back({named("PNG", f.depth, f.colourType == 3 ? " palette" : f.colourType == 2 ? " RGB" : " RGBA", s), 15,
                            png(static_cast<std::uint32_t>(s.width), static_cast<std::uint32_t>(s.height), f.depth, f.colourType,
                                Bytes("\0", 1), f.colourType == 3 ? Bytes(6, '\1') : Bytes())});
    return list;
}

class HugeImages : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    ScratchFolder scratch;
};

TEST_F(HugeImages, EveryReaderReportsThemAsTooLarge) {
    for (const HugeImage& image : hugeImages()) {
        SCOPED_TRACE(image.what);
        write("huge.img", image.file);
        std::vector<int> pixels(4096, 0x7A7A7A);
        gravim.core.lastError = 0;
        IGrLoadImageData("huge.img", pixels);
        EXPECT_EQ(gravim.core.lastError, 1109);
        EXPECT_EQ(pixels, std::vector<int>(4096, 0x7A7A7A));
        const PackedBitmap packed = yypackedbitmap(image.kind, ImageBytes(image.file.begin(), image.file.end()));
        EXPECT_EQ(packed.status, 1109);
        EXPECT_TRUE(packed.block.empty());
    }
}

}  // namespace
