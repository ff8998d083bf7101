// grid_window_win.hpp - what the window manager uses of grids and grid windows.
#pragma once

#include <windows.h>

// Registers the grid window classes and the cell-change message (once per root window).
void yygridregister();
// The registered cell-change message, 0 before yygridregister.
extern UINT GM_CELLCHANGE;
// Offers a message to a grid window's two accelerator tables; true when one translated it.
bool yygridaccelerate(int* record, MSG* message);
// True when a grid window holds changes not yet saved.
bool yygridwinunsaved(const int* record);
// The grid window's save prompt: 1 lets the close go on.
int yygridwinsaveprompt(int* record);
// Turning window n back into a plain child: removes the grid menu (a split pane gets its split
// window's menu back) and destroys menus, accelerator tables, toolbar, status bar and the grid
// window. The window manager restores the frame's procedure before and frees the record after.
void yygridwinrevert(int n, int* record);
