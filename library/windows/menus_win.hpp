// menus_win.hpp - menus, toolbars, menu prompts and tooltips of library windows (library-internal,
// Win32). Item routines act on the menu and toolbars of the current window when it has either,
// else on the root window's; identifiers are command identifiers, texts NUL-terminated.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Loading. yymnload: the menu template with its item-identifier list applied and its inactive
// items greyed (null when there is no template). yymenuloadrc applies the item-identifier list
// of a number (nothing when there is none); yymnconv greys every inactive item that is not grey.
HMENU yymnload(int menu);
void yymenuloadrc(HMENU menu, int number);
void yymnconv(HMENU menu);
// For every item with an identifier, copies state, type and text (at most 99 characters) of the
// model's item with the same identifier.
void yymnmtch(HMENU menu, HMENU model);
// Shows menu number `menu` as a floating pop-up at x, y (client coordinates of the current window
// when relative is 1, else screen); its command arrives as a menu event. menu := -1 when it does
// not load.
void yymnflot(int& menu, int x, int y, int relative);
// Attaches menu number `menu` (0 removes the menu) with its accelerators and prompts to window
// n. menu := -1 when the template is missing, -2 when the window is missing or may not have one.
void yymenuchange(int& menu, int n);

// Toolbars. Creates (number > 0), replaces or removes (number 0) the toolbar at position 0 top,
// 1 left, 2 right or 3 bottom of window n. number := -2 when the window is missing, -1 when the
// item list is missing or the toolbar fails. clientWidth or clientHeight receive the new client
// size in the dimension the change affected, else -1.
void yymntbar(int& number, int n, int position, int& clientWidth, int& clientHeight);
// Restores the stacking order of the window's bars: an editor's own toolbar, the status bar,
// toolbars 0 to 3, an editor's command-line prompt and command line.
void yyRestackToolbars(int n);
LRESULT CALLBACK yySubToolbar(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam);

// The bar of a special window (editor, grid window): application menu `menu` with its item list
// (status 3 and an empty bar when it does not load), or an empty bar (status 2 when mode 1, which
// takes no application menu, was given one).
HMENU yyspecialmenubar(int& status, int mode, int menu);
// A special window's own flat toolbar with tooltips (child identifier id, the style bits added):
// 16 x 16 images on buttons 22 wide and buttonHeight high. Null when it cannot be made.
HWND yyspecialtoolbar(HWND frame, int id, DWORD style, int buttonHeight);
// Built in code (the editor's and grid window's own): a pop-up with its item identifier inserted
// into a bar at a position; a button (image index, TBSTATE_ bits) or a separator appended to a
// toolbar.
void yyinsertpopup(HMENU bar, int position, HMENU popup, int id, const char* title);
void yyaddtoolbutton(HWND toolbar, int id, int image, BYTE state);
void yyaddtoolseparator(HWND toolbar);
// Menu items (and the toolbar buttons of the same command).
void yymntext(int& identifier, const char* text);
// state in: 0 removes the check mark (or greys), other sets it (or enables); out: -1 when
// found neither in the menu nor on a toolbar, 1 when a toolbar has the button.
void yymnchck(int identifier, int& state);
void yymngrey(int identifier, int& state);
// which 1: enabled, 2: check mark; state := 1 yes, 0 no, -1 nowhere found.
void yymngflg(int identifier, int which, int& state);
// Inserts a text item (a separator when newIdentifier is 0) at the reference item's position +
// offset - 1 in its pop-up (appended when beyond its end). reference := -1 when not found.
void yymnins(int& reference, int offset, int newIdentifier, const char* text);
void yymndel(int& identifier);
// Sets (non-empty text) or removes (empty) the run-time prompt of an item.
void yymenuprompt(int& identifier, const char* text);
// Sets (length > 1, counting the NUL) or frees the tooltip text of a toolbar button.
// identifier := -1 when no toolbar has it.
void yytooltip(int& identifier, const char* text, int length);

// The position of the item within the pop-up that holds it (depth-first by position), or -1.
int yymngetpos(HMENU menu, int identifier, HMENU& popup);
// Redraws the menu bar of window n when the item is in the bar itself.
void yyredrawmenu(int identifier, int n);
// Frees every run-time prompt of the menu and its pop-ups; window n's prompt count := 0.
void yyClearMenuPrompt(HMENU menu, int n);
// 1 when window n has a menu or any toolbar.
int yyHasMenu(int n);
// The top-level window whose menu bar serves window n, or 0 when it has no menu.
int yyGetMainMenuWindow(int n);

// What the window procedures show. The "KBNMENUSTRING" resource of a number (null when none) and
// the prompt it holds for an item; the tooltip text set at run time for a command of window n.
HGLOBAL yyloadmenustring(int number);
std::optional<std::string> yymenustringprompt(HGLOBAL resource, unsigned identifier);
std::optional<std::string> yytooltiptext(int n, int command);
// Frees window n's tooltip table (its last toolbar went, or the window closes).
void yyfreetooltips(int n);
