// machine_test.cpp - processor names, the display-settings key and run-log lines read back.
#include <gtest/gtest.h>

#include <string>

#include "machine.hpp"
#include "runlog.hpp"
#include "scratch.hpp"

namespace {

TEST(ProcessorName, MultiCoreMarkersInTheirOrder) {
    struct Case {
        const char* name;
        int position;
        const char* log;
    } cases[] = {
        {"Intel(R) Core(TM)2 Duo CPU", 20, " CPU type=Intel(R) Core(TM)2 Duo CPU\r\n Duo ierror= 20\r\n"},
        {"Dual-Core AMD Opteron", 2, " CPU type=Dual-Core AMD Opteron\r\n Duo ierror= 0\r\n ual ierror= 2\r\n"},
        {"Core 2 Quad Q6600", 8,
         " CPU type=Core 2 Quad Q6600\r\n Duo ierror= 0\r\n ual ierror= 0\r\n Quad ierror= 8\r\n"},
        {"QUAD DUO DUAL", 0,
         " CPU type=QUAD DUO DUAL\r\n Duo ierror= 0\r\n ual ierror= 0\r\n Quad ierror= 0\r\n"},
        {"Duo and Quad", 1, " CPU type=Duo and Quad\r\n Duo ierror= 1\r\n"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        runlogopen("quorvale.log");
        EXPECT_EQ(cpumarkerposition(c.name), c.position) << c.name;
        runlogclose();
        EXPECT_EQ(readWholeFile("quorvale.log"), c.log);
    }
}

TEST(ScreenResolution, TheKeyTakesTheValueAfterItsPrefix) {
    std::string value = "\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{1234-ABCD}\\0000";
    ASSERT_EQ(value.find("{"), 57u);
    Text<108> key;
    screenresolutionkey(value, key);
    EXPECT_EQ(key.trimmed(), "HKEY_CURRENT_CONFIG\\System\\CurrentControlSet\\Control\\VIDEO\\{1234-ABCD}\\0000");
}

TEST(RunLog, ReplacedAtEachOpeningAndNumbersFollowOneBlank) {
    ScratchFolder folder;
    runlogopen("quorvale.log");
    runlogwrite({"first run"});
    runlogclose();
    runlogopen("quorvale.log");
    runlogwrite({"Screen resolution: ixres=", 1280, " iyres=", 1024});
    runlogwrite({"real time=", 0.5, " user time=", 0.25});
    runlogflush();
    EXPECT_EQ(readWholeFile("quorvale.log"),
              " Screen resolution: ixres= 1280 iyres= 1024\r\n real time= 0.5 user time= 0.25\r\n");
    runlogclose();
    runlogwrite({"after closing: nowhere"});
}

TEST(Bench, MyAddAddsAndTheWorkloadCoversTheSquareEvenly) {
    float sum = 1.5f;
    myadd(sum, 2.25f);
    EXPECT_EQ(sum, 3.75f);
    // The points cover the unit square evenly: the share inside the quarter circle is pi/4.
    const int inside = bench();
    EXPECT_NEAR(4.0 * inside / BenchPoints, 3.14159, 0.02) << inside;
    EXPECT_EQ(bench(), inside);
}

}  // namespace
