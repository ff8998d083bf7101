// os_window_calls_win.hpp - what the operating-system layer's Windows side asks of the window
// manager above it: the root window's frame and client area, and closing every window. The window
// manager installs them when the library is assembled; without it no window is ever open.
#pragma once

#include <windows.h>

// Timer identifier of a wait on the root client area, whose procedure ends the wait when it fires.
constexpr int WaitTimerId = 999;

struct OsWindowCalls {
    // The root window's frame, which owns the mail program's dialogs; null while none is open.
    HWND (*rootFrame)() = nullptr;
    // The root window's client area, whose timer ends a wait; null while none is open.
    HWND (*rootClient)() = nullptr;
    // Closes every window and frees what they hold, before another program is started.
    void (*closeWindows)() = nullptr;
};

// Installs the window manager's routines, replacing the whole table; null entries take the
// answers of a library without windows.
void yysetoswindowcalls(const OsWindowCalls& calls);
// The routines in force, every entry set.
const OsWindowCalls& yyoswindowcalls();
// True once every entry was installed.
bool yyoswindowcallsfilled();
