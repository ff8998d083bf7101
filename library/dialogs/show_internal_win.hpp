// show_internal_win.hpp - showing, hiding, copying and sizing dialogs (library-internal).
#pragma once

#include <windows.h>

// Show results: 0 shown as asked, -1 shown in another mode, -2 not shown (the parent window is
// hidden), -3 not shown (the parent window is combined with a dialog), -4 not shown (the dialog
// is combined with a window).
// Shows the current dialog: px, py are pixels of the parent's client area for a dialog inside a
// window and screen pixels otherwise (-1 centres); mode is in/out: 1 modal, 2 modeless,
// 3 semi-modeless, and comes back as the result. caller 0 is an application's show; the window
// manager passes other values for the dialogs of its windows, 2 leaving the focus alone.
void yydialogshow(int x, int y, int px, int py, int& mode, int focusField, int caller);
// Shows the current dialog with its top-left corner at the screen position of the client area
// of window number n (-1 the active window or dialog).
void yyshowcd(int focusField, int mode, int n);
// Hides the dialog at table index (-1 the current dialog): -2 for a page of another dialog, -1
// kept for a dialog combined with a window addressed as the current one, else hidden and 0.
void yydialoghide(int& index);
// Completes the pending position: each axis at -1 centres the dialog in its parent's client
// area (a dialog inside a window) or on the screen.
void yydialogcentre(HWND dialog);
// The answers of a modal show: 1 exit button, 2 previous field of the current dialog, 3 iDlgAct.
void yywinfodialog(int code, int& value);

// Copies a dialog's record, controls and field records over another's (both directions of the
// modal copy).
void yydialogcopy(HWND destination, HWND source);

// Tab pages.
void yytabdialoginit(HWND dialog);
void yytabdialogsetfocus(HWND tab, HWND page, int focus);
void yydialogsettab(int& field, int& page);
void yytabenable(int& field, int& page, int enable);

// Resizing and measuring: width and height in dialog units (0 or less keeps a side); result 0,
// or -1 for a dialog combined with a window.
void yydialogsize(int width, int height, int& result);
void yygetdlgfactor(int& x, int& y);
void yydialogtabstops(int& field, const int* stops, int count);
// Makes field (0: the dialog's own client area) of the current dialog the drawing target and
// gives its client size; from then on it raises mouse, expose and resize events. -1 in field
// when there is no such control or no drawing context.
void yyfieldselect(int& field, int& width, int& height);
