// hardcopy.hpp - hardcopy output: choosing the driver, starting and stopping output, and the
// options (public routines).
#pragma once

#include <optional>
#include <string_view>

// Ends open hardcopy output; a file argument of exactly "S" (or "s") then stops (running a kept
// print command), anything else starts new output on the selected driver: the file is an output
// name, blank or absent for the driver's default, or for drivers 1, 2, 4 and 12 a print command
// holding " @ ". A title given, even a blank one, names the document.
void IGrHardCopy(std::optional<std::string_view> file = std::nullopt,
                 std::optional<std::string_view> title = std::nullopt);
// Code 1 selects hardcopy driver number driver and initialises it; other codes do nothing.
void IGrHardCopySelect(int code, int driver);
// Stores one hardcopy option (1..29 or 101..109) when its value is accepted, with its effect.
void IGrHardCopyOptions(int option, int value);
