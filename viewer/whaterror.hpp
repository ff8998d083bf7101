// whaterror.hpp - the diagnostics probe: what the library's error slots say, as a trace line
// and the boxes to show. Only diagnostics level 2 uses it; the viewer always passes 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One box of the probe: the text of an error number (kind 1, a library error) or of an
// operating-system code (kind 2), under a title.
struct ProbeBox {
    int kind;
    int code;
    std::string_view title;
};

// The trace line: "Whaterror ", slots 1, 2, 3 and 5, and the checkpoint label.
std::string whaterrorline(int slot1, int slot2, int slot3, int slot5, std::string_view label);
// The boxes for slots 1 to 3, in the order they are shown.
std::vector<ProbeBox> whaterrorboxes(int slot1, int slot2, int slot3);

// The probe itself (Windows build): reads and clears the slots, writes the trace line to the run
// log and shows the boxes.
void whaterror(std::string_view label);
