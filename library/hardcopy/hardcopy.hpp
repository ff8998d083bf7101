// hardcopy.hpp - starting and stopping hardcopy output (public routines).
#pragma once

#include <string_view>

// Ends open hardcopy output; the file argument "S" (or "s") then stops, anything else starts
// new output on the selected driver.
void IGrHardCopy(std::string_view file, std::string_view title = " ");
// Stores one hardcopy option (1..29 or 101..109).
void IGrHardCopyOptions(int option, int value);
