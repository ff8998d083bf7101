// driver_dispatch.cpp - the dispatcher from opcodes to the numbered hardcopy drivers, installed as
// graphics' hardcopy port, and what every driver shares at its initialisation and opening.
#include <algorithm>
#include <array>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics_internal.hpp"
#include "hardcopy/dithering.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_layer.hpp"

namespace {

// Driver routines by number 0..12; numbers 0, 5 and 7 have none, 6 is images' (installed by it).
std::array<HardcopyDriver, 13> drivers = {
    nullptr, xxhpgl, xxpost, xxsvg, xxrast, nullptr, nullptr, nullptr, xxdxf, xxcgm, xxwin, xxwmf, xxhpgl2,
};

constexpr int OptionsKept[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12, 13,
                               14,  15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25, 26,
                               27,  28,  29,  101, 102, 103, 104, 105, 106, 107, 108, 109};

void restartDriver(bool keep) {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    int saved[110] = {};
    Text<260> savedFile;
    if (keep) {
        std::copy(std::begin(h.HardcopyOptions), std::end(h.HardcopyOptions), saved);
        savedFile = h.outputFile;
    }
    g.OperandValue = keep ? -998 : 0;
    std::fill(h.HardcopyOptions + 1, h.HardcopyOptions + 30, 0);
    xxhcif(OpInitialise);
    g.OperandValue = 0;
    if (keep) {
        h.outputFile = savedFile;
        for (const int option : OptionsKept) IGrHardCopyOptions(option, saved[option]);
    }
}

}  // namespace

void yyhardcopyinstallport() {
    HardcopyPort port;
    port.driver = xxhcif;
    port.stop = [] { IGrHardCopy("S", " "); };
    port.option = IGrHardCopyOptions;
    port.windowDumpStart = yywindumpstart;
    port.windowDumpBlit = yywindumpblit;
    port.windowDumpEnd = yywindumpend;
    port.printerNames = yyprinternames;
    port.restart = restartDriver;
    yysethardcopyport(port);
}

void xxhcif(int opcode) {
    const int number = gravim.hardcopy.hardcopyDriverNumber;
    if (number < 1 || number > 12) return;
    const HardcopyDriver driver = drivers[static_cast<std::size_t>(number)];
    if (driver != nullptr) driver(opcode);
}

HardcopyDriver yyhardcopydriver(int number) {
    return number >= 1 && number <= 12 ? drivers[static_cast<std::size_t>(number)] : nullptr;
}

HardcopyDriver yysethardcopydriver(int number, HardcopyDriver driver) {
    if (number < 1 || number > 12) return nullptr;
    const HardcopyDriver previous = drivers[static_cast<std::size_t>(number)];
    drivers[static_cast<std::size_t>(number)] = driver;
    return previous;
}

void yyresethardcopy() {
    yyprclall();
    yyresethpgldriver();
    yyresethpgl2driver();
    yyresetdxfdriver();
    yyresetpostscriptdriver();
    yyresetsvgdriver();
    yyresetcgmdriver();
    yyrgbpixelcacheclear();
    yyresetgraphics();
}

bool yyhardcopyquery(int driver) {
    GraphicsState& g = gravim.graphics;
    if (g.OperandCount != -999) {
        yydefh();
        return false;
    }
    g.OperandCount = driver;
    return true;
}

void yyhardcopyinitialised(int driver, int printCommandAllowed, std::optional<std::string_view> defaultFile) {
    HardcopyState& h = gravim.hardcopy;
    h.printCommandAllowed = printCommandAllowed;
    if (defaultFile) h.outputFile.assign(*defaultFile);
    gravim.graphics.driverNumber = driver;
}

void yyhardcopydevice(const std::array<int, 8>& words, float real) {
    DeviceFacts& d = gravim.graphics.hardcopyDevice;
    d.word1 = words[0], d.word2 = words[1], d.word3 = words[2], d.TrueColourDevice = words[3];
    d.GradientFillType = words[4], d.word6 = words[5], d.word7 = words[6], d.word8 = words[7];
    d.deviceReal = real;
}

void yyvectordevice(int resolution, const std::array<int, 8>& words, std::string_view mask) {
    HardcopyState& h = gravim.hardcopy;
    GraphicsState& g = gravim.graphics;
    h.hardcopyResolutionX = h.hardcopyResolutionY = resolution;
    g.hardcopyColours = 256;
    h.hardcopyPaletteSize = 256;
    yyhardcopydevice(words, 1.7e38f);
    g.hardcopyDevice.DeviceCapabilityMask.assign(mask);
}

void yypagescales() {
    GraphicsState& g = gravim.graphics;
    const int* const o = gravim.hardcopy.HardcopyOptions;
    g.HardcopyScaleX = static_cast<float>(o[1]) / g.surfaceMaxX;
    g.HardcopyScaleY = static_cast<float>(o[2]) / g.surfaceMaxY;
}

bool yyhardcopyopenfile() {
    const int saved = gravim.core.lastError;
    yyseterror(0);
    yyprop(hardcopyUnit);
    if (gravim.core.lastError != 0) {
        gravim.graphics.hardcopyActive = 0;
        return false;
    }
    yyseterror(saved);
    return true;
}

bool yyhardcopyloadimage(int width, int height, std::vector<int>& pixels) {
    if (!yyloadoperandimage(width, height, pixels)) return false;
    gravim.graphics.pageDrawn = 1;
    return true;
}
