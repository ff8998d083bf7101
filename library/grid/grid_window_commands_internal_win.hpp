// grid_window_commands_internal_win.hpp - what the grid window's command files share: the
// bracket every command works in, and loading and waiting on their dialogs.
#pragma once

// While alive, the grid window is the current window and the library error number starts at 0.
// At the end the remembered error number comes back, then the remembered window and dialog.
class GridCommandScope {
public:
    explicit GridCommandScope(int window);
    // From here on an error reported (by the file routine that writes) is kept for the caller;
    // what the dialog's fields reported before is not the command's outcome.
    void keepErrors();
    ~GridCommandScope();
    GridCommandScope(const GridCommandScope&) = delete;
    GridCommandScope& operator=(const GridCommandScope&) = delete;

private:
    int previousWindow_;
    int previousDialog_;
    int previousError_;
    bool keepErrors_ = false;
};

// Loads a command dialog and makes it current; shows "Unable to load required dialog" and
// answers false when it cannot be loaded.
bool yygridwinloaddialog(int dialog);

// A command dialog shown semi-modeless over the grid window, with the other windows' snapshots
// taken before and released after; unloaded (hidden first) at the end.
class SemiModelessCommandDialog {
public:
    SemiModelessCommandDialog(int dialog, int window);
    ~SemiModelessCommandDialog();
    SemiModelessCommandDialog(const SemiModelessCommandDialog&) = delete;
    SemiModelessCommandDialog& operator=(const SemiModelessCommandDialog&) = delete;
    // Waits for the next push button of the dialog, passing every other event over.
    int nextButton() const;

private:
    int dialog_;
    int window_;
    int pushButtonEvents_;
};

// A check box of the current dialog: 1 when checked, else 0.
int yygridwinchecked(int field);
// True when a file of that name exists.
bool yygridwinfileexists(const char* name);
