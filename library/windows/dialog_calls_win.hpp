// dialog_calls_win.hpp - what the window manager asks of the dialog manager (library-internal,
// Win32): one table, which the dialog manager installs while the library is assembled. Until
// then, and in a library without it, every entry answers as if no dialog were loaded.
#pragma once

#include <windows.h>

// The words of a dialog's record that its events carry.
struct DialogEventWords {
    int dialog = 0;         // DialogId
    int currentField = 0;   // field that last got the focus or changed
    int previousField = 0;
    int lastCell = 0;       // PackedCell of the last field change
    int graphicsField = 0;  // field of the last graphics-field event, 0 the dialog itself
    int newTab = 0, oldTab = 0;
    int mouseButton = 0;
};

// Each entry defaults to the answer of a dialog manager with no dialog loaded; an installer
// replaces the entries it answers and leaves none null.
struct DialogCalls {
    // The root window opening: the dialog manager's own control classes registered (before the
    // special windows'), then the standard classes recorded and its drawing words reset.
    void (*registerClasses)() = [] {};
    void (*rootOpened)() = [] {};
    // The root window closing: every loaded dialog unloaded, none current afterwards.
    void (*unloadAll)() = [] {};
    // The root window closed: no dialog current and no answer of a box or file dialog kept.
    void (*rootClosed)() = [] {};

    // Selecting a loaded dialog by its DialogId (WDialogSelect).
    void (*select)(int identifier) = [](int) {};
    // The table index of a loaded dialog, or -1.
    int (*find)(int identifier) = [](int) { return -1; };
    // The window of a loaded dialog, or null.
    HWND (*window)(int identifier) = [](int) -> HWND { return nullptr; };
    // The window of the current dialog, or null.
    HWND (*currentWindow)() = []() -> HWND { return nullptr; };
    // The DialogId of a library dialog's window, 0 for any other window.
    int (*idOf)(HWND window) = [](HWND) { return 0; };
    // True when the dialog grows with its window.
    bool (*resizable)(HWND dialog) = [](HWND) { return false; };
    // True when no further dialog can be loaded.
    bool (*tableFull)() = [] { return false; };
    // True while a semi-modeless dialog is shown (new windows start disabled then).
    bool (*semiModelessShown)() = [] { return false; };
    // The modeless dialog that takes keyboard messages first, or null; set by a window combined
    // with a dialog getting the focus, cleared by any other window getting it.
    HWND (*activeModeless)() = []() -> HWND { return nullptr; };
    void (*setActiveModeless)(HWND dialog) = [](HWND) {};

    // Windows combined with a dialog. result: in the resource number, out -1 table full, -2 no
    // template, -3 not created, else unchanged. window -1 lets the active window own the dialog.
    void (*load)(int& result, int identifier, int window, int combine) = [](int& result, int, int, int) {
        result = -3;
    };
    void (*show)(int dialog, int x, int y) = [](int, int, int) {};
    void (*hideCombined)(int dialog) = [](int) {};
    void (*unload)(int dialog) = [](int) {};
    // The frame a dialog is combined with, or null; set once the frame holds it.
    HWND (*combinedWindow)(HWND dialog) = [](HWND) -> HWND { return nullptr; };
    void (*setCombinedWindow)(HWND dialog, HWND frame) = [](HWND, HWND) {};
    // True when a dialog combined with no window lets the root window's accelerators act.
    bool (*usesRootAccelerators)(HWND dialog) = [](HWND) { return false; };
    // Whether the template `dialog`, created as probe by the window manager, may grow with its
    // window (its companion text decides).
    bool (*probeResizable)(HWND probe, int dialog) = [](HWND, int) { return false; };
    // A window closing: every loaded dialog inside frame or owned by it is hidden and unloaded
    // (the caller's currentDialog becomes 0 when it named one); dialogs that would be shown over
    // frame are shown over heir instead.
    void (*windowClosing)(HWND frame, HWND heir, int& currentDialog) = [](HWND, HWND, int&) {};

    // False (words untouched) when window is not a library dialog.
    bool (*eventWords)(HWND window, DialogEventWords& words) = [](HWND, DialogEventWords&) { return false; };
    void (*setLastCell)(HWND window, int cell) = [](HWND, int) {};

    // Fields of the current dialog: the cursor number a graphics field shows (-1 none), and a new
    // cursor for a field's control (false when the control is no library field).
    int (*fieldCursorNumber)(int field) = [](int) { return -1; };
    bool (*setFieldCursor)(HWND field, HCURSOR cursor, int shape) = [](HWND, HCURSOR, int) { return false; };
    // Takes the cursor from every control of every loaded dialog.
    void (*clearFieldCursors)() = [] {};
    // Paints the title of every loaded dialog active when it is `active`, else inactive.
    void (*titleColour)(HWND active) = [](HWND) {};

    // The "Library Error" box of debug level 4: 1 OK, 0 Cancel, -1 when it could not be shown.
    int (*errorBox)(const char* text) = [](const char*) { return -1; };
};

// The table in force, and its replacement (DialogCalls{} puts the defaults back).
const DialogCalls& yydialogcalls();
void yysetdialogcalls(const DialogCalls& calls);
// True once a table was installed (the dialog manager's, when the library is assembled).
bool yydialogcallsfilled();
