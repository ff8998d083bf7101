// dialog_calls_win.cpp - the window manager's table of requests to the dialog manager.
#include "windows/dialog_calls_win.hpp"

namespace {

DialogCalls installed;
bool filled = false;

}  // namespace

const DialogCalls& yydialogcalls() { return installed; }

void yysetdialogcalls(const DialogCalls& calls) {
    installed = calls;
    filled = true;
}

bool yydialogcallsfilled() { return filled; }
