// window_kinds_win.hpp - what the window manager asks of the kinds of special window (editor,
// grid window, bitmap viewer): one table per WindowKind, installed by the add-on that owns it.
#pragma once

#include <windows.h>

// A kind without a table (a plain frame, a combined dialog, a split window) is the window
// manager's own; every member may be left null where the kind has nothing to say.
struct SpecialWindowCalls {
    // Registers the kind's window classes and messages (once per root window).
    void (*registerClasses)() = nullptr;
    // Offers a message meant for one of the window's windows to its own find dialog and
    // accelerator tables; true when one consumed it.
    bool (*accelerate)(int* record, MSG* message) = nullptr;
    // True when the window may close (it asks to save what it holds); false on Cancel.
    bool (*mayClose)(HWND frame, int* record) = nullptr;
    // Turning window n back into a plain child, after the window manager restored the frame's
    // procedure and took the record off the frame: the record goes with it.
    void (*revert)(int n, int* record) = nullptr;
    // The window that takes the focus when the frame is raised; null for the frame itself.
    HWND (*focus)(const int* record) = nullptr;
    // Height the kind's own bars add to the frame around its client area.
    int (*barsHeight)(const int* record) = nullptr;
    // Fact `item` of window n (the bitmap viewer's scroll positions 4 and 5), 0 when none.
    int (*info)(int n, int item) = nullptr;
    // The kind's own bars, stacked with the window's toolbars and status bar: a toolbar above
    // them, a command-line prompt and a command line below them (null where it has none).
    void (*ownBars)(const int* record, HWND& toolbar, HWND& prompt, HWND& commandLine) = nullptr;
    // The window's menu bar came or went: the kind fits its frame and what it hosts again.
    void (*menuChanged)(int n, int* record) = nullptr;
    // The menu bar is the kind's own: no application menu is attached to the window.
    bool ownMenuBar = false;
    // The window's own procedure runs its menus (prompts, pop-ups, commands) when it is a pane,
    // and the messages of its windows are dispatched without the frames' accelerators.
    bool runsOwnMenus = false;
    // The hosted window stands for the client area: it maps to the window's number and shows the
    // window's cursor.
    bool hostsClient = false;
};

void yysetspecialwindowcalls(int kind, const SpecialWindowCalls& calls);
// True once the kind's table was installed.
bool yyspecialwindowkindfilled(int kind);
// The table of a record's kind, or null (no record, or a kind without a table).
const SpecialWindowCalls* yyspecialwindowcalls(const int* record);
// Every kind with a table registers its classes (the root window opening).
void yyregisterspecialwindows();
