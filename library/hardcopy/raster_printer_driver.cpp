// raster_printer_driver.cpp - the raster printer driver.
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xxrast(int opcode) { yyleastfiledriver(4, 1, "gravplot.prn", opcode); }
