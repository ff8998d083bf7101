// hardcopy_control.cpp - starting and stopping hardcopy output.
// No driver exists yet: stopping closes nothing and leaves hardcopy output off.
#include "core/gravim.hpp"
#include "hardcopy/hardcopy.hpp"

void IGrHardCopy(std::string_view, std::string_view) { gravim.graphics.hardcopyActive = 0; }
