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
