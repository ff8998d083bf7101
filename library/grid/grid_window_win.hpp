// grid_window_win.hpp - the grid's window classes and messages; what the window manager asks of
// grids is declared in core/addon_calls_win.hpp and defined here in grid/.
#pragma once

#include <windows.h>

#include "core/addon_calls_win.hpp"

// The registered cell-change message, 0 before yygridregister.
extern UINT GM_CELLCHANGE;

// Fits the current grid window to its grid; grid windows come later, so it does nothing yet.
void yyGridWinSize();
