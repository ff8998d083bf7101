// dxf_driver.cpp - the DXF driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxdxf(int opcode) { yyleastfiledriver(8, 0, "gravplot.dxf", opcode); }
