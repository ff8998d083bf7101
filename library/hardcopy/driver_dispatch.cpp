// driver_dispatch.cpp - the dispatcher from opcodes to the numbered hardcopy drivers.
// No driver is built yet: every driver number selects nothing, so the dispatcher does nothing
// and the initialise query stays unanswered.
#include "hardcopy/hardcopy_drivers.hpp"

void xxhcif(int) {}
