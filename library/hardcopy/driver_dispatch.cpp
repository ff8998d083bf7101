// driver_dispatch.cpp - the dispatcher from opcodes to the numbered hardcopy drivers, and what
// every driver shares at its initialisation and opening.
#include <array>

#include "core/gravim.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/output_file.hpp"

namespace {

// Driver routines by number 0..12; numbers 0, 5 and 7 have none.
std::array<HardcopyDriver, 13> drivers = {
    nullptr, xxhpgl, xxpost, xxsvg, xxrast, nullptr, xximag, nullptr, xxdxf, xxcgm, xxwin, xxwmf, xxhpgl2,
};

}  // namespace

void xxhcif(int opcode) {
    const int number = gravim.hardcopy.hardcopyDriverNumber;
    if (number < 1 || number > 12) return;
    const HardcopyDriver driver = drivers[static_cast<std::size_t>(number)];
    if (driver != nullptr) driver(opcode);
}

HardcopyDriver yysethardcopydriver(int number, HardcopyDriver driver) {
    if (number < 1 || number > 12) return nullptr;
    const HardcopyDriver previous = drivers[static_cast<std::size_t>(number)];
    drivers[static_cast<std::size_t>(number)] = driver;
    return previous;
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

bool yyhardcopyopenfile() {
    CoreState& core = gravim.core;
    const int saved = core.lastError;
    core.lastError = 0;
    yyprop(hardcopyUnit);
    if (core.lastError != 0) {
        gravim.graphics.hardcopyActive = 0;
        return false;
    }
    core.lastError = saved;
    return true;
}

void yyleastfiledriver(int driver, int printCommandAllowed, std::string_view defaultFile, int opcode) {
    switch (opcode) {
    case OpInitialise:
        if (!yyhardcopyquery(driver)) yyhardcopyinitialised(driver, printCommandAllowed, defaultFile);
        break;
    case OpOpen:
        if (gravim.graphics.OperandValue > 0) yyhardcopyopenfile();
        break;
    case OpClose: yyprcl(hardcopyUnit); break;
    default: break;
    }
}

void yyleastdevicedriver(int driver, std::optional<std::string_view> defaultFile, int opcode) {
    if (opcode == OpInitialise && !yyhardcopyquery(driver)) yyhardcopyinitialised(driver, 0, defaultFile);
}
