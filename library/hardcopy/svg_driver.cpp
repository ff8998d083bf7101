// svg_driver.cpp - the SVG driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxsvg(int opcode) { yyleastfiledriver(3, 0, "gravplot.svg", opcode); }
