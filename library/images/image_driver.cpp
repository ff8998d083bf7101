// image_driver.cpp - the image-file driver: the software raster sized from the page in pixels at
// the chosen depth, and each drawn page written as a PNG, BMP or PCX image.
#include "images/image_driver.hpp"

#include <cmath>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/software_raster.hpp"
#include "images/image_writers.hpp"

namespace {

ImageWriter bmpWriter = nullptr, pngWriter = nullptr, pcxWriter = nullptr;
ImagePatch bmpPatch = nullptr;

// The output name given at the opening, for the size patch at the close.
Text<260> outputName;

void initialise() {
    if (yyhardcopyquery(6)) return;
    yyvras(OpInitialise);
    int* const o = gravim.hardcopy.HardcopyOptions;
    o[1] = 640;
    o[2] = 480;
    o[5] = 0;
    o[23] = 8;
    o[26] = 3;
    gravim.graphics.hardcopyColours = 1 << 8;
    gravim.hardcopy.hardcopyPaletteSize = 256;
    gravim.graphics.hardcopyDevice.DeviceCapabilityMask.assign("00000111111111110010011111000");
    yyhardcopyinitialised(6, 0, "gravplot.png");
}

// Sizes the raster from options 1, 2 and 23; while it does not fit, error 34 and both sides
// shrink by the square root of 10/9. False when not even one pixel fits.
bool allocate() {
    RasterState& r = gravim.raster;
    int* const o = gravim.hardcopy.HardcopyOptions;
    const int depth = o[23];
    r.RasterDepth = depth;
    r.RasterPlanes = depth == 4 ? 4 : 1;
    r.RasterTopPlane = r.RasterPlanes - 1;
    const int pixelsPerWord = depth == 8 ? 4 : depth == 24 ? 1 : 32;
    r.RasterClearValue = depth == 24 ? -1 : 0;
    r.RasterResolutionX = r.RasterResolutionY = 150;
    yyrasterbytemasks(false);
    o[6] = 0;
    if (depth < 24) gravim.graphics.hardcopyDevice.TrueColourDevice = 0;
    const double shrink = std::sqrt(10.0 / 9.0);
    int width = o[1], height = o[2];
    while (!yyrastersize(width, height, pixelsPerWord, r.RasterPlanes)) {
        yyerror(34, "XXIMAG");
        if (width <= 1 && height <= 1) {
            gravim.graphics.hardcopyActive = 0;
            return false;
        }
        width = std::max(static_cast<int>(width / shrink), 1);
        height = std::max(static_cast<int>(height / shrink), 1);
    }
    r.RasterUsedWords = r.RasterTotalWords;
    outputName.assign(gravim.graphics.OperandText.view());
    return true;
}

void writePage() {
    const int format = gravim.hardcopy.HardcopyOptions[26];
    const ImageWriter writer = format == 1 || format == 2 ? (bmpWriter ? bmpWriter : yybmp1)
                               : format == 3              ? (pngWriter ? pngWriter : yypng1)
                                                          : (pcxWriter ? pcxWriter : yypcx1);
    yyrasterbytemasks(true);
    writer();
    gravim.graphics.pageDrawn = 0;
    yyvras(OpClear);
    yyrasterbytemasks(false);
}

}  // namespace

ImageWriter yysetimagewriter(ImageFormat format, ImageWriter writer) {
    ImageWriter& slot = format == ImageFormat::Bmp ? bmpWriter : format == ImageFormat::Png ? pngWriter : pcxWriter;
    const ImageWriter previous = slot;
    slot = writer;
    return previous;
}

ImagePatch yysetimagepatch(ImagePatch patch) {
    const ImagePatch previous = bmpPatch;
    bmpPatch = patch;
    return previous;
}

void xximag(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpOpen: yyrasteropen(allocate); break;
    case OpPage:
        if (g.pageDrawn != 0) writePage();
        break;
    case OpClose: {
        yyvras(OpClose);
        const int depth = gravim.raster.RasterDepth;
        if ((depth == 4 || depth == 8) && gravim.hardcopy.HardcopyOptions[26] == 2 && gravim.hardcopy.hardcopyOutputError == 0)
            (bmpPatch ? bmpPatch : yybmp2)(outputName.view(), 260);
        break;
    }
    default: yyvras(opcode); break;
    }
}
