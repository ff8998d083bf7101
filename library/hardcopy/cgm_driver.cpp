// cgm_driver.cpp - the binary CGM file driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxcgm(int opcode) { yyleastfiledriver(9, 0, "gravplot.cgm", opcode); }
