// image_driver.cpp - the image-file driver (PNG, BMP, PCX).
// Until it is built it only takes its part in the hardcopy frame (hardcopy_drivers.hpp).
#include "hardcopy/hardcopy_drivers.hpp"

void xximag(int opcode) { yyleastfiledriver(6, 0, "gravplot.png", opcode); }
