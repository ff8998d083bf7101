// library_assembly_test_win.cpp - the assembled library: every table the window manager keeps for
// the layers above it is filled (a kind left out would be a plain frame to it).
#include <windows.h>

#include <gtest/gtest.h>

#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"

namespace {

TEST(LibraryAssembly, EveryKindOfSpecialWindowHasItsTable) {
    for (const int kind : {KindEditor, KindBitmapViewer, KindGrid}) {
        const int record[1] = {kind};
        const SpecialWindowCalls* calls = yyspecialwindowcalls(record);
        ASSERT_NE(calls, nullptr) << "kind " << kind;
        EXPECT_NE(calls->revert, nullptr) << "kind " << kind;
        EXPECT_NE(calls->focus, nullptr) << "kind " << kind;
    }
    const int plain[1] = {0}, split[1] = {KindSplit};
    EXPECT_EQ(yyspecialwindowcalls(plain), nullptr);
    EXPECT_EQ(yyspecialwindowcalls(split), nullptr);
}

}  // namespace
