// buoys_test.cpp - the virtual-buoy table: the fixed-column reader on outside input, the box
// comparison with its margin, and the label names.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <string>

#include "buoys.hpp"
#include "scratch.hpp"

namespace {

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
    line.resize(BuoyNameLength, ' ');
    return line + numbers + "\r\n";
}

const std::string Numbers = "    -5       5     140     150        0.00      145.00          1           0";

// The table holds exactly these boxes (south, north, west, east); record 1 is the fallback.
void settable(std::initializer_list<std::array<int, 4>> boxes) {
    int i = 0;
    for (const auto& box : boxes) {
        BuoyRecord& r = buoytable[i];
        char name[16];
        std::snprintf(name, sizeof name, "Buoy %d", ++i);
        r.name.ref().assign(name);
        r.south = box[0];
        r.north = box[1];
        r.west = box[2];
        r.east = box[3];
    }
}

TEST(VirtualBuoys, FixedColumnsUpToFiftyRecords) {
    ScratchFolder folder;
    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += record("Buoy " + std::to_string(i + 1), Numbers);
    EXPECT_EQ(buoysfrom(sixty), 50);
    EXPECT_EQ(buoytable[49].name.trimmed(), "Buoy 50");

    std::string malformed = record("One", Numbers) + record("Two", Numbers) + record("Three", "    x5") + record("Four", Numbers);
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

TEST(VirtualBuoys, ShortAndOverlongLinesAreReadOnlyWithinTheirColumns) {
    ScratchFolder folder;
    // A line cut after the west column reads the rest as blanks; a line far beyond column 111
    // is cut there; a last line without its line end still counts.
    const std::string shortLine = record("Short", "     1       3      10");
    const std::string longLine = record("Long", Numbers + std::string(5000, '9') + "junk");
    const std::string last = record("Last", Numbers);
    EXPECT_EQ(buoysfrom(shortLine + longLine + last.substr(0, last.size() - 2)), 3);
    EXPECT_EQ(buoytable[0].name.trimmed(), "Short");
    EXPECT_EQ(buoytable[0].west, 10);
    EXPECT_EQ(buoytable[0].east, 0);
    EXPECT_EQ(buoytable[1].name.trimmed(), "Long");
    EXPECT_EQ(buoytable[1].east, 150);
    EXPECT_EQ(buoytable[1].second, 0);
    EXPECT_EQ(buoytable[2].name.trimmed(), "Last");

    // A name alone, and numbers too large for an integer, end the table where they stand.
    EXPECT_EQ(buoysfrom(record("Name only", "") + record("Huge", Numbers.substr(0, 54) + "99999999999           0") + record("After", Numbers)), 1);
}

TEST(VirtualBuoys, TenAndElevenDigitFieldsNeverWrap) {
    ScratchFolder folder;
    const std::string head = Numbers.substr(0, 30);  // the four box fields
    struct Case {
        std::string rest;  // F12.2, F12.2, I11, I12
        int read;          // records read of this one and a good one after it
        float latitude;
        int first, second;
    };
    const Case cases[] = {
        {"     2275.00     -158.00-2147483648  2147483647", 2, 2275.0f, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()},
        {"     2275.00     -158.00 3000000000           0", 0, 0, 0, 0},  // past int: not the format
        {"     2275.00     -158.00          0 -2147483649", 0, 0, 0, 0},
        {"     2275.00     -158.00 9999999999           0", 0, 0, 0, 0},
        {" 99999999999     -158.00          1           2", 2, 999999999.99f, 1, 2},  // no point: two decimals
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buoysfrom(record("Wide", head + c.rest) + record("After", Numbers)), c.read) << c.rest;
        if (c.read == 0) continue;
        EXPECT_FLOAT_EQ(buoytable[0].pointLatitude, c.latitude) << c.rest;
        EXPECT_EQ(buoytable[0].first, c.first) << c.rest;
        EXPECT_EQ(buoytable[0].second, c.second) << c.rest;
    }
}

TEST(VirtualBuoys, BoxesMatchWithinTheMarginFromTheSecondRecord) {
    settable({{-90, 90, -180, 180}, {-2, 2, -142, -138}, {20, 25, -160, -155}, {20, 25, -170, -150}});
    struct Case {
        float latitude, longitude;
        int n, result;
    } cases[] = {
        {0.0f, -140.0f, 4, 2},     // inside buoy 2; buoy 1 covers the globe but never matches
        {2.7f, -140.0f, 4, 2},     // 0.7 degrees north of the box
        {2.9f, -140.0f, 4, 0},     // 0.9 degrees north
        {-2.7f, -142.7f, 4, 2},    // 0.7 south-west of the corner
        {0.0f, -137.1f, 4, 0},     // 0.9 east
        {22.0f, -158.0f, 4, 3},    // in buoys 3 and 4: the first wins
        {22.0f, -165.0f, 4, 4},
        {22.0f, -165.0f, 3, 0},    // buoy 4 beyond the count
        {0.0f, -140.0f, 1, 0},     // a single buoy matches nothing
        {0.0f, -140.0f, 0, 0},
    };
    for (const Case& c : cases) {
        int result = -1;
        buoycompare(c.latitude, c.longitude, c.n, result);
        EXPECT_EQ(result, c.result) << c.latitude << " " << c.longitude << " n=" << c.n;
    }
}

TEST(VirtualBuoys, LabelNamesDoubleEveryApostrophe) {
    struct Case {
        std::string name, label;
    } cases[] = {
        {"Hawaii Ocean Time-series", "Hawaii Ocean Time-series"},
        {"Hawaii's box", "Hawaii''s box"},
        {"St. John's Women's Bay", "St. John''s Women''s Bay"},
        {"A 34-character name, with it's end", "A 34-character name, with it''s en"},
        {"''", "''''"},
    };
    for (const Case& c : cases) {
        buoytable[2].name.ref().assign(c.name);
        Text<BuoyNameLength> label("old text");
        scancity(3, 3, label);
        EXPECT_EQ(label.trimmed(), c.label) << c.name;
    }
}

}  // namespace
