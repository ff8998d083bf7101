// raster_printer_driver.cpp - the raster printer driver: the software raster sized for the
// printer's resolution, and each drawn page dumped as the printer's byte stream.
#include <algorithm>
#include <cmath>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/raster_dump.hpp"
#include "hardcopy/software_raster.hpp"

namespace {

// The page as printed, in dots and rows (the raster turned when the page is landscape).
int printedWidth = 0, printedHeight = 0;

int dots(double resolution, int points) {
    return static_cast<int>(std::clamp(std::trunc(resolution * points / 72), 0.0, 2147483647.0));
}

void initialise() {
    if (yyhardcopyquery(4)) return;
    yyvras(OpInitialise);
    HardcopyState& h = gravim.hardcopy;
    int* const o = h.HardcopyOptions;
    o[1] = 576;
    o[2] = 432;
    const bool pagePrinter = h.printerFamily > 5;
    o[3] = pagePrinter ? 100 : 0;
    o[4] = pagePrinter ? 70 : 0;
    o[5] = pagePrinter ? 1 : 0;
    o[13] = std::min(2, h.printerResolutionCount);
    o[19] = 3;
    o[20] = 0;
    o[24] = std::min(2, h.printerModeLimit);
    h.printerResolutionIndex = o[13];
    gravim.graphics.hardcopyColours = h.printerPlanes > 31 ? 0 : 1 << h.printerPlanes;
    h.hardcopyPaletteSize = 8;
    gravim.graphics.hardcopyDevice.DeviceCapabilityMask.assign("00000111111111110010011011000");
    yyhardcopyinitialised(4, 1, "gravplot.prn");
}

// Sizes and allocates the raster at the chosen resolution, falling back to the next lower one
// while it does not fit. False (error 34, output off) when none does.
bool allocate() {
    HardcopyState& h = gravim.hardcopy;
    RasterState& r = gravim.raster;
    const int* const o = h.HardcopyOptions;
    r.RasterPlanes = o[6] == 1 ? 1 : std::max(h.printerPlanes, 1);
    r.RasterTopPlane = r.RasterPlanes - 1;
    if (r.RasterPlanes == 1) {
        r.RasterDepth = 1;
        gravim.graphics.hardcopyDevice.TrueColourDevice = 0;
    } else {
        r.RasterDepth = 3;
    }
    r.RasterClearValue = r.RasterDepth == 3 && h.printerColourKind == 1 ? -1 : 0;
    const int family = h.printerFamily;
    for (;;) {
        const int index = std::clamp(h.printerResolutionIndex, 1, 4);
        const double across = h.printerResolutions[index - 1];
        double along = across;
        if (family == 5) {
            along = 180;
        } else if (family < 5) {
            along = h.printerPassAdvance > 0 ? 216.0 * h.printerPassRows / h.printerPassAdvance : across;
            if (across > 100) along *= 2;
        }
        r.RasterResolutionX = static_cast<float>(across);
        r.RasterResolutionY = static_cast<float>(along);
        const bool landscape = o[5] != 0;
        const int width = dots(landscape ? along : across, o[1]);
        const int height = dots(landscape ? across : along, o[2]);
        printedWidth = landscape ? height : width;
        printedHeight = landscape ? width : height;
        if (yyrastersize(width, height, 32, r.RasterPlanes)) break;
        if (h.printerResolutionIndex >= h.printerResolutionCount) {
            yyerror(34, "XXRAST");
            gravim.graphics.hardcopyActive = 0;
            return false;
        }
        ++h.printerResolutionIndex;
    }
    // The clear stops at whole bands of the printer's passes.
    const int passRows = std::max(h.printerPassRows, 1);
    const long long band = o[5] == 0 ? static_cast<long long>(r.RasterRowWords) * passRows
                                     : (passRows == 24 ? 3LL * r.RasterHeight : r.RasterHeight);
    const long long unit = band * r.RasterPlanes;
    r.RasterUsedWords = unit > 0 ? static_cast<int>(r.RasterTotalWords / unit * unit) : r.RasterTotalWords;
    return true;
}

PixelFetcher fetcher() {
    const int family = gravim.hardcopy.printerFamily;
    const bool colour = gravim.raster.RasterDepth == 3;
    const bool landscape = gravim.hardcopy.HardcopyOptions[5] != 0;
    if (family <= 5) return colour ? yyras3 : landscape ? yyras1 : yyras5;
    if (family == 6) return colour ? (landscape ? yyras9 : yyras8) : (landscape ? yyras7 : yyras6);
    return landscape ? yyras2 : yyras4;
}

}  // namespace

void xxrast(int opcode) {
    GraphicsState& g = gravim.graphics;
    switch (opcode) {
    case OpInitialise: initialise(); break;
    case OpOpen: yyrasteropen(allocate); break;
    case OpPage:
        if (g.pageDrawn == 0) break;
        yypcod(printedWidth, printedHeight);
        yydump(hardcopyUnit, fetcher());
        g.pageDrawn = 0;
        yyvras(OpClear);
        break;
    default: yyvras(opcode); break;
    }
}
