// windows_drivers_posix.cpp - native stand-ins of the Windows printer and metafile drivers: they
// answer the driver query and initialise, so the file drivers' frame runs natively end to end.
#include "hardcopy/hardcopy_drivers.hpp"

void xxwin(int opcode) { yyleastdevicedriver(10, std::nullopt, opcode); }
void xxwmf(int opcode) { yyleastdevicedriver(11, " ", opcode); }
