// image_driver_test_win.cpp - drawn pages through the graphics layer and the image-file driver
// under Wine, as PNG, BMP, run-length BMP and PCX at depths 1, 4, 8 and 24, written into the
// build tree's written-images folder with each page's expected pixels beside it (taken from the
// raster by its layout rules as the writer starts); read_written.py reads them with ImageMagick
// and netpbm.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../hardcopy/raster_support.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/windows.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/hardcopy.hpp"
#include "images/image_driver.hpp"
#include "images/image_writers.hpp"

namespace {

std::string writtenPath(const std::string& name) { return std::string("Z:") + GRAV_WRITTEN_DIR + "/" + name; }

// The expected pixels of the page being written, appended to this file (red, green, blue per
// pixel, top row first), before the writer runs.
std::string expectationFile;

void recordExpectation() {
    const RasterState& r = gravim.raster;
    std::FILE* out = std::fopen(expectationFile.c_str(), "ab");
    if (out == nullptr) return;
    for (int y = r.RasterHeight - 1; y >= 0; --y)
        for (int x = 0; x < r.RasterWidth; ++x) {
            const int v = rasterPixel(x, y);
            int rgb = v;
            if (r.RasterDepth == 4) yypalg16((v & 0b1010) | (v >> 2 & 1) | (v & 1) << 2, rgb);
            if (r.RasterDepth == 8) yypalg(v, rgb);
            if (r.RasterDepth == 1) rgb = v != 0 ? 0 : 0xFFFFFF;
            const unsigned char c[3] = {static_cast<unsigned char>(rgb), static_cast<unsigned char>(rgb >> 8),
                                        static_cast<unsigned char>(rgb >> 16)};
            std::fwrite(c, 1, 3, out);
        }
    std::fclose(out);
}
void pngWriter() { recordExpectation(), yypng1(); }
void bmpWriter() { recordExpectation(), yybmp1(); }
void pcxWriter() { recordExpectation(), yypcx1(); }

class ImageDriver : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, 0, 0, 300, 200);
        yysetimagewriter(ImageFormat::Png, pngWriter);
        yysetimagewriter(ImageFormat::Bmp, bmpWriter);
        yysetimagewriter(ImageFormat::Pcx, pcxWriter);
    }
    void TearDown() override {
        IGrHardCopy("S");
        yysetimagewriter(ImageFormat::Png, nullptr);
        yysetimagewriter(ImageFormat::Bmp, nullptr);
        yysetimagewriter(ImageFormat::Pcx, nullptr);
        WindowClose();
        yyresetgravim();
    }
};

TEST_F(ImageDriver, DrawnPagesInEveryFormatAndDepth) {
    const struct {
        const char* extension;
        int format;
    } formats[] = {{"png", 3}, {"bmp", 1}, {"rle.bmp", 2}, {"pcx", 4}};
    for (const auto& f : formats)
        for (const int depth : {1, 4, 8, 24}) {
            const std::string name = "page" + std::to_string(depth) + "." + f.extension;
            expectationFile = std::string(GRAV_WRITTEN_DIR) + "/" + name + ".rgb";
            std::remove(expectationFile.c_str());
            IGrHardCopySelect(1, 6);
            IGrHardCopyOptions(1, 203);
            IGrHardCopyOptions(2, 117);
            IGrHardCopyOptions(23, depth);
            IGrHardCopyOptions(26, f.format);
            IGrHardCopy(writtenPath(name));
            for (int k = 0; k < 12; ++k) {
                IGrColourN(16 * k + 31);
                const float d = 0.03f * static_cast<float>(k);
                IGrRectangle(0.05f + d, 0.1f + d / 2, 0.6f + d, 0.9f - d);
            }
            IGrHardCopy("S");
            EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 0) << name;
            std::FILE* written = std::fopen((std::string(GRAV_WRITTEN_DIR) + "/" + name).c_str(), "rb");
            EXPECT_NE(written, nullptr) << name;
            if (written != nullptr) std::fclose(written);
        }
}

}  // namespace
