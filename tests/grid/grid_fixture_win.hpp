// grid_fixture_win.hpp - the grid tests' fixture dialog 501: a grid field of all six column types.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid_control_win.hpp"

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

// A test over the fixture's grid, with the cell reads and writes the grid tests share.
class GridFixtureTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = openGridFixture([] {});
        g = yygridrecord(grid);
    }
    void TearDown() override { closeGridFixture(); }
    // A cell's text as the grid shows it, at most 255 characters.
    std::string cell(int column, int row) {
        char text[256] = "";
        yyGridGetString(g, column, row, text, sizeof text, 0);
        return text;
    }
    void putText(int column, int row, const std::string& text) {
        int f = GridId;
        yygridputcellstring(f, column, row, 0.0, text.c_str(), nullptr, static_cast<int>(text.size()) + 1, 0);
    }
    std::string label(int row) {
        char text[GridLabelSize] = "";
        int f = GridId;
        yygridgetrowlabel(f, row, text, sizeof text);
        return text;
    }

    HWND grid = nullptr;
    GridControlRecord* g = nullptr;
};
