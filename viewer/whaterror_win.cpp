// whaterror_win.cpp - the diagnostics probe: the library's error slots to the trace (the run
// log) and into boxes. Only diagnostics level 2 calls it; the viewer always passes 0.
#include "base/errors.hpp"
#include "dialogs/messagebox.hpp"
#include "runlog.hpp"
#include "whaterror.hpp"

void whaterror(std::string_view label) {
    int slot1 = WInfoError(1), slot2 = WInfoError(2), slot3 = WInfoError(3), slot5 = WInfoError(5);
    runlogwrite({whaterrorline(slot1, slot2, slot3, slot5, label)});
    runlogflush();
    for (const ProbeBox& box : whaterrorboxes(slot1, slot2, slot3)) {
        Text<256> text;
        WInfoErrorMessage(box.code, text, box.kind);
        WMessageBox(0, 3, 1, text.trimmed(), box.title);
    }
}
