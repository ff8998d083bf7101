// dialog_fixture_win.hpp - shared set-up of the dialog tests: common controls, a clean library
// state before and after each test, and readers of what a control shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "event_wait_win.hpp"

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        yyunloadalldialogs();
        yyresetgravim();
    }
    void TearDown() override {
        yyunloadalldialogs();
        yyresetgravim();
    }

    static HWND field(int id) { return yyfieldwindow(id); }
    static std::string text(HWND window) {
        char buffer[512] = "";
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }
    static std::string listItem(HWND list, int index) {
        char buffer[512] = "";
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    static int* currentRecord() { return yydialogrecord(yycurrentdialogwindow()); }
    static int lastError() { return WInfoError(1); }
};

