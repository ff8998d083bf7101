// grid_fixture_win.hpp - the grid tests' fixture dialog 501: a grid field of all six column types.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/gravim.hpp"
#include "core/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"

constexpr int GridId = 1100;
enum Column { Name, Count, Level, Depth, Valid, Colour, Note };

// A fresh library state with a hidden root window; beforeShow runs before dialog 501 is loaded
// and shown. Returns the grid field's window.
template <typename BeforeShow>
HWND openGridFixture(BeforeShow beforeShow) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    yyunloadalldialogs();
    yyresetgravim();
    WindowOpen(WinHidden);
    beforeShow();
    WDialogLoad(501);
    WDialogShow(-1, -1, 0, 2);
    HWND grid = yyfieldwindow(GridId);
    SetForegroundWindow(GetParent(grid));
    return grid;
}

inline void closeGridFixture() {
    WindowClose();
    yyunloadalldialogs();
    yyresetgravim();
}
