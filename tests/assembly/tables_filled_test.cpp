// tables_filled_test.cpp - the assembled library: every table a layer keeps for the layers above
// it is filled once the test program's main has run yyassemblelibrary, as WinMain does. A table
// left out answers as a library without the layer above (nothing printed, no image, no hook at
// start-up), which no other test would notice. A new table adds its line to filledTables (the
// Windows-only ones to tables_filled_test_win.cpp).
#include <gtest/gtest.h>

#include "base/addon_hooks.hpp"
#include "graphics/addon_ports.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "tables_filled.hpp"

namespace {

const FilledTable portableTables[] = {
    {"graphics' hardcopy port", yyhardcopyportfilled},
    {"graphics' image port", yyimageportfilled},
    {"hardcopy's driver 6, the image file", [] { return yyhardcopydriver(6) != nullptr; }},
    {"the base's start-up and close hooks of hardcopy", [] { return yyaddonhooksfilled(HooksHardcopy); }},
    {"the base's start-up and close hooks of the editor", [] { return yyaddonhooksfilled(HooksEditor); }},
};

TEST_P(TableFilled, AfterAssembly) {
    EXPECT_TRUE(GetParam().filled()) << GetParam().name << " is left unfilled by yyassemblelibrary";
}

INSTANTIATE_TEST_SUITE_P(Portable, TableFilled, testing::ValuesIn(portableTables), tableCaseName);

// The check itself tells an empty table from a filled one.
TEST(TableFilledCheck, AnEmptyPortIsReportedAndTheAssemblyFillsItAgain) {
    ASSERT_TRUE(yyhardcopyportfilled());
    yysethardcopyport(HardcopyPort{});
    EXPECT_FALSE(yyhardcopyportfilled());
    yyhardcopyinstallport();
    EXPECT_TRUE(yyhardcopyportfilled());
}

}  // namespace
