// metafile_driver_win.cpp - the Windows metafile driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxwmf(int opcode) { yyleastdevicedriver(11, " ", opcode); }
