// startup_test.cpp - start-up pieces that need no installation:
// the default installation folder.
#include <gtest/gtest.h>

#include <string>

#include "startup.hpp"

namespace {

TEST(DefaultInstallation, IsTheFolderAboveTheBinComponent) {
    struct Case {
        const char* current;
        const char* qvdir;
    } cases[] = {
        {"C:\\qv\\bin", "C:\\qv"},          {"   C:\\qv\\bin\\sub", "C:\\qv"},
        {"C:\\cabin\\bin", "C:\\cabin"},    {"C:\\qv", ""},
        {"C:\\qv\\binary", ""},             {"C:\\a\\bin\\b\\bin", "C:\\a"},
    };
    for (const Case& c : cases) {
        Text<128> qvdir("old");
        defaultinstallation(c.current, qvdir);
        EXPECT_EQ(qvdir.trimmed(), c.qvdir) << c.current;
    }
}

}  // namespace
