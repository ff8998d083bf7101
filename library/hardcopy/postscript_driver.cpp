// postscript_driver.cpp - the PostScript and EPS driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxpost(int opcode) { yyleastfiledriver(2, 1, "gravplot.ps", opcode); }
