// grid_window_win.hpp - the grid's window classes and messages; what the window manager asks of
// grids is declared in core/addon_calls_win.hpp and defined here in grid/.
#pragma once

#include <windows.h>

#include "core/addon_calls_win.hpp"
#include "grid/grid_window_record_win.hpp"
#include "grid/grid_window_rules.hpp"

// The registered cell-change message, 0 before yygridregister.
extern UINT GM_CELLCHANGE;

// Shrinks a grid window (null: none) to the size that shows its whole grid; never enlarges it
// and never moves it.
void yyGridWinSize(const GridWindowRecord* w);
// The frame size that shows the whole grid, or with smallest the widest column and one row,
// with labels, header, bars, scroll bars and borders.
GridWindowSize yygridwindowouter(const GridWindowRecord& w, bool smallest);
