// tables_filled_test_win.cpp - the tables of the assembled library that only the Windows build
// keeps (see tables_filled_test.cpp): a new one adds its line to windowsTables.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/addon_hooks.hpp"
#include "windows/dialog_calls_win.hpp"
#include "base/os_window_calls_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "tables_filled.hpp"

namespace {

const FilledTable windowsTables[] = {
    {"the base's window calls", yyoswindowcallsfilled},
    {"the window manager's dialog calls", yydialogcallsfilled},
    {"the base's start-up hooks of the dialog manager", [] { return yyaddonhooksfilled(HooksDialogs); }},
    {"the base's close hooks of images", [] { return yyaddonhooksfilled(HooksImages); }},
    {"the window manager's editor kind", [] { return yyspecialwindowkindfilled(KindEditor); }},
    {"the window manager's grid window kind", [] { return yyspecialwindowkindfilled(KindGrid); }},
    {"the window manager's bitmap viewer kind", [] { return yyspecialwindowkindfilled(KindBitmapViewer); }},
};

INSTANTIATE_TEST_SUITE_P(Windows, TableFilled, testing::ValuesIn(windowsTables), tableCaseName);

}  // namespace
