// cgm_device.cpp - the CGM memory device, which records the opcodes of a metafile slot.
// Metafile slots arrive later; until then no slot is a CGM memory slot and nothing is recorded.
#include "graphics/devices.hpp"

void yygcgm(int) {}
