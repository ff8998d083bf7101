// operand_image.cpp - the load of OpImage's file for the devices and drivers that draw the pixels
// themselves (CGM memory device, PostScript, CGM and raster drivers).
#include <algorithm>
#include <cstddef>
#include <exception>
#include <vector>

#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/devices.hpp"

bool yyloadoperandimage(int width, int height, std::vector<int>& pixels) {
    GraphicsState& g = gravim.graphics;
    const CoreState& core = gravim.core;
    // The array is sized from the operands; the loader refuses a larger image rather than
    // overrun it. An array that cannot be had is an empty one, which the loader refuses too.
    try {
        pixels.assign(static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0)), 0);
    } catch (const std::exception&) {
        pixels.clear();
    }
    const int savedError = core.lastError, savedLevel = core.debugLevel;
    yyseterror(0);
    IDebugLevel(0);
    yyimageport().loadImageData(g.OperandText.trimmed(), pixels);
    IDebugLevel(savedLevel);
    if (core.lastError != 0) {
        g.OperandValue = core.lastError;
        g.OperandCount = core.fileStatus;
        return false;
    }
    yyseterror(savedError);
    g.OperandValue = 0;
    return true;
}
