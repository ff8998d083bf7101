// grid_window_win.hpp - the grid's window classes and messages, and the grid window's answers to
// the window manager (its kind's table, windows/window_kinds_win.hpp).
#pragma once

#include <windows.h>

#include "grid/grid_window_record_win.hpp"
#include "grid/grid_window_rules.hpp"

// The registered cell-change message, 0 before yygridregister.
extern UINT GM_CELLCHANGE;

// Installs the grid window's table with the window manager (when the library is assembled).
void yygridinstallkind();
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

// Shrinks a grid window (null: none) to the size that shows its whole grid; never enlarges it
// and never moves it.
void yyGridWinSize(const GridWindowRecord* w);
// The frame size that shows the whole grid, or with smallest the widest column and one row,
// with labels, header, bars, scroll bars and borders.
GridWindowSize yygridwindowouter(const GridWindowRecord& w, bool smallest);
