// printer_driver_win.cpp - the Windows printer driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxwin(int opcode) { yyleastdevicedriver(10, std::nullopt, opcode); }
