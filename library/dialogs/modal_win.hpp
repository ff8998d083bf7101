// modal_win.hpp - the modal bracket shared by modal dialogs, message boxes and common dialogs
// (library-internal): the owner of a modal box, disabling the other dialogs and windows, and
// freezing windows into snapshots that repaint them while the box is up.
#pragma once

#include <windows.h>

// Freeze counts of the windows' snapshots (hImage of the window tables), by WindowNumber.
extern int nImage[51];

// The window that owns a modal box: the visible active dialog (or the window it is combined
// with), else the window whose title shows active. May be null.
HWND yyactivewindlg();

// Disables every shown dialog other than owner that is not combined with it and lives in a
// library window or at top level; with windows set also every other visible library frame.
void yyDisableDialogs(HWND owner, int windows);
// Enables the same dialogs, and every frame, again; while a semi-modeless dialog is up only keep.
void yyEnableDialogs(HWND keep, int windows);

// The modal bracket around a system box or common dialog: on entry the owner is chosen, the
// focus remembered and the other dialogs and windows disabled; on leaving they are enabled again
// (the last semi-modeless dialog, else the owner, kept), a child-window owner gets the focus and
// an active title, and the remembered focus returns when it lies inside the owner.
class ModalBracket {
public:
    ModalBracket();
    ~ModalBracket();
    ModalBracket(const ModalBracket&) = delete;
    ModalBracket& operator=(const ModalBracket&) = delete;
    HWND owner() const { return owner_; }

private:
    HWND owner_;
    HWND focus_;
};

// freeze 1: brings the shown dialogs up to date and, unless desktop composition is on, keeps a
// snapshot of every visible top-level library window (except window number except, -1 none) and
// of every shown dialog that is drawn on; freeze 0 releases one level. error is always 0.
void yygetwindowbitmap(int freeze, int except, int& error);
// The snapshot a frozen dialog repaints from, or null (only while wBlitOn is set).
HBITMAP yydialogsnapshot(HWND dialog);
// True when the dialog, one of its fields, or the current page of one of its tabs is drawn on.
bool yyCheckUserDrawn(HWND dialog);

// Special windows (editor, grid window, viewer) inside another window are never modal or
// semi-modeless: a modal start's snapshots are released, status becomes 5 and mode 2.
void yyinsidewindowmode(int& status, int& mode);
// A semi-modeless special window shown (one more), and one ending (one fewer, never below none).
void yysemimodalwindowshown();
void yysemimodalwindowended();
// A semi-modeless special window n going: it ends, and the window it came from (hPrevious, else
// the root) is enabled, activated and focused again.
void yysemimodalwindowgone(int n);
