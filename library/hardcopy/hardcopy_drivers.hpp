// hardcopy_drivers.hpp - the hardcopy driver dispatcher the graphics core calls (internal).
#pragma once

// Delivers one DeviceOpcode to the selected hardcopy driver; driver numbers without a driver
// (5, 7, outside 1..12) do nothing. Callers that draw go through yyhdrv (graphics/devices.hpp).
void xxhcif(int opcode);
