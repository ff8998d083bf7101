// hpgl2_driver.cpp - the HP-GL/2 driver (HP-GL/2 inside PCL).
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxhpgl2(int opcode) { yyleastfiledriver(12, 1, "gravplot.plt", opcode); }
