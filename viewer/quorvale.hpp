// quorvale.hpp - the viewer's main routine, its dialog loading and the routines of the plot
// families that the main loop hands events to.
#pragma once

#include <string_view>

#include "windows/events.hpp"
#include "viewerstate.hpp"

// The main routine: start-up, the event loop, shutdown.
void vedu_pacific_quorvale();
// Loads every viewer dialog hidden and puts its start values; again when the GS switch changed.
void loaddialogs(int edition, std::string_view versionText, int ncity, int grey, int igs, int diagnostics);
// Makes the edition's main dialog current (101 for edition 1, 108 for edition 2).
void mainviewfields(int edition, int mainChoice);

// What the main loop does for a plot family's dialog: its field logic on a change of a field's
// contents, its request writer on a push button (after showing the dialog again when showFirst).
struct FamilyRoutines {
    int dialog;
    bool showFirst;
    void (*fields)(ViewerState& state);
    void (*request)(ViewerState& state, const WMessageRecord& event);
};
extern FamilyRoutines familyroutines[5];
