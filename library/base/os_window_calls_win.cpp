// os_window_calls_win.cpp - the table through which the operating-system layer reaches the window
// manager, and its answers while no window manager is installed.
#include "base/os_window_calls_win.hpp"

namespace {

HWND noWindow() { return nullptr; }
void noWindowsToClose() {}

constexpr OsWindowCalls absentWindows{noWindow, noWindow, noWindowsToClose};

constinit OsWindowCalls installed = absentWindows;
bool filled = false;

template <typename Entry> bool fill(Entry& entry, Entry given, Entry absent) {
    entry = given != nullptr ? given : absent;
    return given != nullptr;
}

}  // namespace

void yysetoswindowcalls(const OsWindowCalls& calls) {
    bool all = true;
    all &= fill(installed.rootFrame, calls.rootFrame, absentWindows.rootFrame);
    all &= fill(installed.rootClient, calls.rootClient, absentWindows.rootClient);
    all &= fill(installed.closeWindows, calls.closeWindows, absentWindows.closeWindows);
    filled = all;
}

const OsWindowCalls& yyoswindowcalls() { return installed; }

bool yyoswindowcallsfilled() { return filled; }
