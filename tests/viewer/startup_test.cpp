// startup_test.cpp - start-up pieces that need no installation: the default installation folder
// and the virtual-buoy reader.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "buoys.hpp"
#include "scratch.hpp"
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

int buoysfrom(const std::string& text) {
    std::ofstream("buoys.csv", std::ios::binary | std::ios::trunc) << text;
    std::FILE* file = std::fopen("buoys.csv", "rb");
    int n = -1;
    readbuoy(file, n);
    std::fclose(file);
    return n;
}

std::string record(const std::string& name, const std::string& numbers) {
    std::string line = name;
    line.resize(34, ' ');
    return line + numbers + "\r\n";
}

TEST(VirtualBuoys, FixedColumnsUpToFiftyRecords) {
    ScratchFolder folder;
    const std::string numbers = "    -5       5     140     150        0.00      145.00          1           0";
    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += record("Buoy " + std::to_string(i + 1), numbers);
    EXPECT_EQ(buoysfrom(sixty), 50);
    EXPECT_EQ(buoytable[49].name.trimmed(), "Buoy 50");

    std::string malformed = record("One", numbers) + record("Two", numbers) + record("Three", "    x5") + record("Four", numbers);
    EXPECT_EQ(buoysfrom(malformed), 2);

    // Blanks inside a field are ignored, a blank field reads as 0, no decimal point implies two.
    std::string fields = std::string("  - 2 ") + "       2" + "    -160" + "        " + "        2275" +
                         "      -15800";
    EXPECT_EQ(buoysfrom(record("Hawaii's box", fields)), 1);
    const BuoyRecord& hawaii = buoytable[0];
    EXPECT_EQ(hawaii.name.trimmed(), "Hawaii's box");
    EXPECT_EQ(hawaii.south, -2);
    EXPECT_EQ(hawaii.north, 2);
    EXPECT_EQ(hawaii.west, -160);
    EXPECT_EQ(hawaii.east, 0);
    EXPECT_FLOAT_EQ(hawaii.pointLatitude, 22.75f);
    EXPECT_FLOAT_EQ(hawaii.pointLongitude, -158.0f);
    EXPECT_EQ(buoysfrom(""), 0);
}

}  // namespace
