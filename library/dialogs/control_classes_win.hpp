// control_classes_win.hpp - the dialog manager's control classes (library-internal): the six
// numeric edit classes, the standard classes' atoms and procedures, and the subclasses that
// every control of a library dialog gets.
#pragma once

#include <windows.h>

// Class atoms of the standard controls and of the numeric classes, found when the root window
// is created; every class test of the dialog manager compares with them.
extern ATOM atomDialog, atomStatic, atomEdit, atomButton, atomTrack, atomList, atomCombo, atomTab,
    atomProgress, atomUpDown, atomHeader, atomTree, atomScrollbar;
extern ATOM atomInteger, atomSpinInteger, atomReal, atomSpinReal, atomDouble, atomSpinDouble;

// The standard classes' own window procedures (the up-down's from the first spin field).
extern WNDPROC lpNormalButtonProc, lpNormalStaticProc, lpNormalEditProc, lpNormalTrackProc,
    lpNormalTabProc, lpNormalTreeProc, lpNormalUpDownProc;

// Numeric validation state: the field whose bad text is put back when a push button other
// than 1 takes the focus, the field that refused the focus to a tab control, the tab to select
// again, whether the next focus gain stores the text to restore, and the switch that turns
// validation off.
extern HWND hBadVal, hBadTab;
extern int iBadTab;
extern int StoreVal;
extern int bOverride;
// Numeric validation off (1) or on again (0), while a grid lays itself out or drops its cell
// editor; returns the setting it replaces.
int yysetvalidationoverride(int on);
// Text (up to 255 characters) and value of the numeric field that last took the focus.
extern char cStoreText[256];
extern double dStoreValue;
// Position where a Shift-selection on a trackbar started.
extern int iSelStart;

// Registers the six numeric classes (once); records the standard classes' atoms and procedures.
void yyregistersuperclass();
void yyregistersubclass();
void yygetatoms();

// The class atom of a window, and whether it is that class (atom: one of the globals above,
// recorded first when the root window has not done so yet).
ATOM yyclassatom(HWND window);
bool yyisclass(HWND window, const ATOM& atom);

// Class procedures of the numeric classes.
LRESULT CALLBACK yyintegersupercls(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyintegerspinsupercls(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyrealsupercls(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyrealspinsupercls(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yydoublesupercls(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yydoublespinsupercls(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Gives a refused field the focus back with its text selected; tab tells whether Tab left it.
void yyselectinvalid(HWND newFocus, HWND field, int tab);

// Subclass procedures installed over the controls of a library dialog.
LRESULT CALLBACK yysubbutton(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubtrack(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubtab(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubstatic(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubedit(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubtree(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubpaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubupdown(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces, in place, every pixel of the bitmap's top-left colour by the button-face colour.
void yymakebitmaptransparent(HBITMAP bitmap);
