// hpgl_driver.cpp - the HP-GL plotter driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxhpgl(int opcode) { yyleastfiledriver(1, 1, "gravplot.plt", opcode); }
