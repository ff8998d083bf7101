// startup.hpp - program entry and the once-only library start-up (public routines).
// Each program defines applicationMain; the library's WinMain runs it and ends the process.
#pragma once

#include <optional>
#include <string_view>

// The program's main routine, defined by each program (the viewer, the checker, test probes).
// WinMain runs it first thing; nothing of the library runs before it.
void applicationMain();

// Once-only start-up: display facts, defaults, home directory, scratch names, debug level,
// command line and the options file (optionsFile when it names an existing file, else GRAVINIT,
// else gravim.ini here or in the home directory). A second call returns at once.
void WInitialise(std::optional<std::string_view> optionsFile = std::nullopt);
