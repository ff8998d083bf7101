// setupdialog.hpp - the setup dialog 106: the installation and scratch folders, and the
// settings file it writes.
#pragma once

#include "viewerstate.hpp"

// Puts the start-up texts into the loaded dialog 106 and hides its ghostscript question.
void adaptsetupdialog();
// Runs the dialog until a Save succeeds (true: folders, GS switch and settings file written) or
// Cancel is pressed (false: the viewer's folders are left as they were).
bool getsetup(ViewerState& state);
