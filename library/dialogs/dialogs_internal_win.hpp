// dialogs_internal_win.hpp - what the window manager and the event model use of the dialog
// manager: dialog records, the current dialog, combined dialogs, classes, menus and the error box.
#pragma once

#include <windows.h>

// DialogRecord words (attached to every dialog window as its user data, 21 words, word 1 unused).
enum DialogWord : int {
    DlgId = 0,             // DialogId
    DlgShown = 2,
    DlgCurrentField = 3,
    DlgPreviousField = 4,
    DlgNewTab = 5,
    DlgOldTab = 6,
    DlgShowMode = 7,
    DlgOwner = 8,
    DlgKeptEnabled = 9,
    DlgLastCell = 10,      // PackedCell, 0x40001 at load
    DlgGraphicsField = 11,
    DlgIsSurface = 12,
    DlgMouseButton = 13,
    DlgRootAccelerators = 14,
    DlgCombinedWindow = 15,
    DlgLastFieldWindow = 16,
    DlgGrowingControl = 17,
    DlgMinWidth = 18,
    DlgMinHeight = 19,
    DlgExitButton = 20,
    DialogRecordWords = 21,
};

// The DialogRecord of a dialog window, or null.
int* yydialogrecord(HWND dialog);
// True when the dialog has a growing control and so can be resized.
bool yyIsResizableDialog(HWND dialog);
// The window of the current dialog, or null.
HWND yycurrentdialogwindow();
// Paints the title of every loaded dialog active when it is `active`, else inactive.
void yytitlecolourdialogs(HWND active);
// Makes a loaded dialog the current dialog.
void WDialogSelect(int dialog);

// Combined dialogs: applies the companion text of a template to a probe dialog; loads, shows,
// hides and unloads a dialog combined with a library window.
void yydialogkbn(HWND dialog, int template_);
HWND yydialogload2(int dialog, HWND parent);
void yydialogshow(int dialog, int x, int y);
void yydialoghide(int dialog);
void yydialogunload(int dialog);
// Ends, destroys and forgets every loaded dialog; clears the dialog counts and the dialog brush.
void yyunloadalldialogs();
// Resets the dialog words the root window's creation resets (StoreVal, hBrushDlg).
void yyresetdialogwords();

// Control classes of the dialog manager: the numeric edit classes and the standard subclasses.
void yyregistersuperclass();
void yyregistersubclass();
void yygetatoms();

// Menus and toolbars of library windows.
void yymenuloadrc(HMENU menu, int number);
// Creates toolbar `position` (0 top, 1 left, 2 right, 3 bottom) of window n; null when none.
HWND yymntbar(int n, int position, int number);

// The "Library Error" box of debug level 4: 1 OK, 0 Cancel, -1 when it could not be shown.
int yyerrorbox(const char* text);
