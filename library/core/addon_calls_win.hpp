// addon_calls_win.hpp - what the window manager asks of grid and editor windows: registration,
// accelerators, the close checks and turning a window back into a plain child. Declared here,
// defined by the grid and the editor.
#pragma once

#include <windows.h>

#include "core/addon_calls.hpp"

// Grids.
// Registers the grid window classes and the cell-change message (once per root window).
void yygridregister();
// Offers a message to a grid window's two accelerator tables; true when one translated it.
bool yygridaccelerate(int* record, MSG* message);
// True when a grid window holds changes not yet saved.
bool yygridwinunsaved(const int* record);
// The grid window's save prompt: 1 lets the close go on.
int yygridwinsaveprompt(int* record);
// Turning window n back into a plain child: removes the grid menu (a split pane gets its split
// window's menu back) and destroys menus, accelerator tables, toolbar, status bar and the grid
// window. The window manager restores the frame's procedure before; the record (the grid's own
// type) goes with it.
void yygridwinrevert(int n, int* record);

// Editors.
// Offers a message to an editor window's find dialog and accelerator tables; true when consumed.
bool yyeditaccelerate(int* record, MSG* message);
// 1 when the editor may close (read-only, no prompting, unchanged, or saved or dropped), 0 on
// Cancel.
int yyEditCheckSave(HWND frame, int* record);
// Multi-buffer editors: asks for each other buffer that needs saving in turn; 1 lets the close
// go on, 0 on the first Cancel.
int yyeditcheckotherbuffers(HWND frame, int* record);
// Turning window n back into a plain child: destroys the editor's menus, accelerator tables,
// controls, toolbar, status bar and find dialog, its font and open buffer files, and frees the
// record (the editor's own type). The window manager restores the frame's procedure before.
void yyeditrevert(int n, int* record);
