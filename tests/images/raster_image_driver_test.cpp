// raster_image_driver_test.cpp - the image-file driver on the raster drivers' common part: the
// writer chosen per drawn page, an empty output, the run-length BMP's patch, depths and their
// layouts, a huge page shrunk under the raster limit, and a hardcopy of the graphics layer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "base/text.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/image_driver.hpp"
#include "../hardcopy/raster_driver_rig.hpp"
#include "../hardcopy/raster_support.hpp"

namespace {

// What the recording writers saw.
struct WriterCall {
    std::string writer;
    std::uint32_t masks[4];
    int depth;
};
std::vector<WriterCall> calls;
std::vector<std::string> patches;

void record(const char* writer) {
    const RasterState& r = gravim.raster;
    calls.push_back({writer, {r.RasterByteMask[0], r.RasterByteMask[1], r.RasterByteMask[2], r.RasterByteMask[3]}, r.RasterDepth});
}
void bmpRecorder() { record("bmp"); }
void pngRecorder() { record("png"); }
void pcxRecorder() { record("pcx"); }
void patchRecorder(std::string_view name, int length) {
    patches.push_back(std::string(trimRight(name)) + " " + std::to_string(length));
}

class RasterDrivers : public RasterDriverRig {
protected:
    void SetUp() override {
        RasterDriverRig::SetUp();
        calls.clear();
        patches.clear();
        yysetimagewriter(ImageFormat::Bmp, bmpRecorder);
        yysetimagewriter(ImageFormat::Png, pngRecorder);
        yysetimagewriter(ImageFormat::Pcx, pcxRecorder);
        yysetimagepatch(patchRecorder);
    }
    void TearDown() override {
        yysetimagewriter(ImageFormat::Bmp, nullptr);
        yysetimagewriter(ImageFormat::Png, nullptr);
        yysetimagewriter(ImageFormat::Pcx, nullptr);
        yysetimagepatch(nullptr);
        RasterDriverRig::TearDown();
    }
};

}

TEST_F(RasterDrivers, TheChosenWriterRunsOncePerDrawnPageWithSelectingMasks) {
    const struct {
        int format;
        const char* writer;
    } cases[] = {{1, "bmp"}, {2, "bmp"}, {3, "png"}, {4, "pcx"}, {0, "pcx"}};
    for (const auto& c : cases) {
        calls.clear();
        start(xximag, {{26, c.format}});
        drawLine(xximag);
        xximag(OpPage);
        xximag(OpPage);  // nothing drawn since the last page
        drawLine(xximag);
        xximag(OpPage);
        xximag(OpClose);
        ASSERT_EQ(calls.size(), 2u) << c.format;
        for (const WriterCall& call : calls) {
            EXPECT_EQ(call.writer, c.writer);
            EXPECT_EQ(call.masks[0], 0xFFu);
            EXPECT_EQ(call.masks[3], 0xFF000000u);
        }
        EXPECT_EQ(gravim.raster.RasterByteMask[1], 0xFFFF00FFu);  // drawing form again
        EXPECT_TRUE(gravim.raster.IRBUFF.empty());
    }
}

TEST_F(RasterDrivers, AHardcopyOfTheGraphicsLayerReachesTheImageWriter) {
    gravim.windows.rootOpen = 1;
    gravim.windows.clientWidth = 400;
    gravim.windows.clientHeight = 300;
    gravim.core.graphicsColours = 256;
    IGrInit();
    IGrHardCopySelect(1, 6);
    IGrHardCopyOptions(1, 200);
    IGrHardCopyOptions(2, 150);
    IGrHardCopyOptions(23, 24);
    IGrHardCopy("frame.png");
    EXPECT_EQ(gravim.raster.RasterWidth, 200);
    IGrRectangle(0.1f, 0.1f, 0.5f, 0.5f);
    IGrHardCopy("S");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].writer, "png");
    EXPECT_EQ(calls[0].depth, 24);
    EXPECT_TRUE(gravim.raster.IRBUFF.empty());
    EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
}

TEST_F(RasterDrivers, AnImageOutputWithNothingDrawnLeavesAnEmptyFile) {
    start(xximag, {});
    xximag(OpPage);
    xximag(OpClose);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(readWholeFile("out.img"), "");
}

TEST_F(RasterDrivers, TheRunLengthBmpIsPatchedAtCloseOnlyAtDepths4And8) {
    for (const int depth : {1, 4, 8, 24}) {
        for (const int format : {1, 2, 3}) {
            patches.clear();
            start(xximag, {{23, depth}, {26, format}}, "page.bmp");
            xximag(OpClose);
            const bool patched = format == 2 && (depth == 4 || depth == 8);
            EXPECT_EQ(patches, patched ? std::vector<std::string>{"page.bmp 260"} : std::vector<std::string>{})
                << depth << " " << format;
        }
    }
    patches.clear();
    start(xximag, {{23, 8}, {26, 2}}, "page.bmp");
    gravim.hardcopy.hardcopyOutputError = 1;
    xximag(OpClose);
    EXPECT_TRUE(patches.empty());
}

TEST_F(RasterDrivers, ImageDepthsChooseLayoutClearValueAndColourMapping) {
    const struct {
        int depth, layout, planes, clear, trueColour;
    } cases[] = {{1, 1, 1, 0, 0}, {4, 2, 4, 0, 0}, {8, 3, 1, 0, 0}, {24, 4, 1, -1, 1}};
    for (const auto& c : cases) {
        start(xximag, {{23, c.depth}, {6, 1}});
        const RasterState& r = gravim.raster;
        EXPECT_EQ(r.RasterLayout, c.layout) << c.depth;
        EXPECT_EQ(r.RasterPlanes, c.planes) << c.depth;
        EXPECT_EQ(r.IRBUFF[0], c.clear) << c.depth;
        EXPECT_EQ(gravim.graphics.hardcopyDevice.TrueColourDevice, c.trueColour) << c.depth;
        EXPECT_EQ(gravim.hardcopy.HardcopyOptions[6], 0);  // image files are never inverted
        xximag(OpClose);
    }
}

TEST_F(RasterDrivers, AHugeImagePageShrinksUnderTheLimitWithError34) {
    const std::int64_t limit = std::int64_t{16} * 1024 * 1024;
    yysetrasterlimit(limit);
    start(xximag, {{1, 100000}, {2, 100000}, {23, 24}});
    const RasterState& r = gravim.raster;
    ASSERT_FALSE(r.IRBUFF.empty());
    EXPECT_EQ(gravim.core.lastError, 34);
    EXPECT_LE((std::int64_t{r.RasterWidth} * r.RasterHeight + 1) * 4, limit);
    // The first size of the shrinking steps that fits.
    const double step = std::sqrt(10.0 / 9.0);
    int width = 100000, steps = 0;
    while ((std::int64_t{width} * width + 1) * 4 > limit) {
        width = static_cast<int>(width / step);
        ++steps;
    }
    EXPECT_EQ(r.RasterWidth, width);
    EXPECT_GT(steps, 30);
    // Drawing across the whole surface stays inside the raster.
    drawLine(xximag);
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = 0;
    g.OperandY[1] = 0;
    g.OperandX[2] = g.surfaceMaxX;
    g.OperandY[2] = g.surfaceMaxY;
    xximag(OpLine);
    EXPECT_EQ(rasterPixel(0, 0), 0);  // black at depth 24
    EXPECT_EQ(rasterPixel(r.RasterXMax - 1, r.RasterYMax - 1), 0);
    xximag(OpClose);
}
