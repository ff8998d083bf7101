// windows_drivers_posix.cpp - native stand-ins of the Windows printer and metafile drivers: they
// answer the driver query and initialise, so the file drivers' frame runs natively end to end.
#include <optional>
#include <string_view>

#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"

namespace {

void answerQueryAndInitialise(int driver, std::optional<std::string_view> defaultFile, int opcode) {
    if (opcode == OpInitialise && !yyhardcopyquery(driver)) yyhardcopyinitialised(driver, 0, defaultFile);
}

}  // namespace

void xxwin(int opcode) { answerQueryAndInitialise(10, std::nullopt, opcode); }
void xxwmf(int opcode) { answerQueryAndInitialise(11, " ", opcode); }
