// editor_rules_test.cpp - the command history, colouring ranges, print area and the buffer
// store's closing of an entry, without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/buffer_store.hpp"
#include "editor/editor_rules.hpp"
#include "editor/editor_text.hpp"

namespace {

TEST(EditorHistory, KeepsOneHundredNewestFirstWithoutRepeatsOrBlanks) {
    std::vector<std::string> h;
    yyedithistoryrecord(h, "run");
    yyedithistoryrecord(h, "run");  // the same command twice is stored once
    EXPECT_EQ(h, (std::vector<std::string>{"run"}));
    yyedithistoryrecord(h, "Run");  // letter case counts against entry 0
    yyedithistoryrecord(h, "   ");  // blanks and empty lines store nothing
    yyedithistoryrecord(h, "");
    EXPECT_EQ(h, (std::vector<std::string>{"Run", "run"}));
    yyedithistoryrecord(h, "run");  // only entry 0 is compared
    EXPECT_EQ(h.size(), 3u);

    h.clear();
    for (int i = 1; i <= 101; ++i) {
        std::string command = std::to_string(i);
        command.insert(command.begin(), 'c');
        yyedithistoryrecord(h, command);
    }
    ASSERT_EQ(h.size(), 100u);  // the 101st drops the oldest
    EXPECT_EQ(h.front(), "c101");
    EXPECT_EQ(h.back(), "c2");

    const HistoryEnter full = yyedithistoryenter("new", "old", 100);
    EXPECT_TRUE(full.store);
    EXPECT_TRUE(full.dropOldest);
    const HistoryEnter first = yyedithistoryenter("new", "", 0);
    EXPECT_TRUE(first.store);
    EXPECT_FALSE(first.dropOldest);
}

TEST(EditorHistory, UpAndDownWalkTheEntriesAndSearchByPrefixIgnoringCase) {
    const std::vector<std::string> h = {"xyz", "ABc", "abd", "q"};
    struct Case {
        bool up;
        int selected;
        const char* typed;
        int expected;
    };
    const Case cases[] = {
        {true, -1, "ab", 1},  // nothing selected: the newest entry beginning with "ab" in any case
        {false, -1, "aB", 1},
        {true, -1, "zz", -1}, // no entry begins with it: nothing selected
        {true, -1, "", 0},
        {true, 2, "", 1},     // towards newer entries
        {true, 0, "", 0},     // never below index 0
        {false, 1, "", 2},    // towards older ones
        {false, 3, "", 4},    // past the oldest: the entry count
        {false, 4, "q", 3},   // the count means nothing selected: search again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.up ? "up " : "down ") + std::to_string(c.selected) + " " + c.typed);
        EXPECT_EQ(c.up ? yyedithistoryup(h, c.selected, c.typed) : yyedithistorydown(h, c.selected, c.typed), c.expected);
    }
}

struct RangeCase {
    const char* what;
    int count, max;
    std::vector<int> starts, ends, colours;
    int lineLength;
    std::vector<ColourRange> expected;
};

TEST(EditorColouring, RangesAreClampedToTheMaximumAndTheLine) {
    const RangeCase cases[] = {
        {"one range", 1, 100, {3}, {5}, {255}, 10, {{3, 5, 255}}},
        {"count beyond the maximum", 5, 2, {1, 3, 5, 7, 9}, {1, 3, 5, 7, 9}, {1, 2, 3, 4, 5}, 10,
         {{1, 1, 1}, {3, 3, 2}}},
        {"negative count", -3, 100, {1}, {2}, {0}, 10, {}},
        {"past the line", 2, 100, {8, 12}, {15, 20}, {7, 8}, 10, {{8, 10, 7}}},
        {"before column 1", 1, 100, {-4}, {2}, {9}, 10, {{1, 2, 9}}},
        {"backwards", 2, 100, {6, 2}, {4, 3}, {1, 2}, 10, {{2, 3, 2}}},
        {"overlapping", 3, 100, {1, 3, 4}, {4, 6, 4}, {1, 2, 3}, 10, {{1, 4, 1}, {5, 6, 2}}},
        {"empty line", 1, 100, {1}, {3}, {1}, 0, {}},
        {"highlight colour", 1, 100, {2}, {2}, {-1}, 3, {{2, 2, -1}}},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(yyeditclampranges(c.count, c.max, c.starts.data(), c.ends.data(), c.colours.data(), c.lineLength),
                  c.expected);
    }
}

TEST(EditorPrintArea, PointsReadBackAndOrientationTurnsTheArea) {
    for (int units : {1000, 2540}) {
        SCOPED_TRACE(units);
        PrintArea a{units == 1000 ? 8500 : 21590, units == 1000 ? 11000 : 27940, 750, 750, 750, 750, units, false};
        yyeditprintareaset(a, 3, 72);
        EXPECT_EQ(a.left, units);
        yyeditprintareaset(a, 1, 300);
        EXPECT_EQ(yyeditprintareaget(a, 1), 300);
        EXPECT_EQ(yyeditprintareaget(a, 3), 72);
        yyeditprintareaset(a, 4, 36);
        yyeditprintareaset(a, 2, 500);
        EXPECT_EQ(yyeditprintareaget(a, 2), 500);
        EXPECT_EQ(yyeditprintareaget(a, 4), 36);
        EXPECT_EQ(yyeditprintareaget(a, 5), 0);

        PrintArea turned = a;
        yyeditprintareaset(turned, 1, 300);  // a portrait area wider than high ...
        yyeditprintareaset(turned, 2, 200);
        yyeditprintareaset(turned, 5, 2);    // ... is turned by 2, keeping left and top
        EXPECT_EQ(yyeditprintareaget(turned, 1), 200);
        EXPECT_EQ(yyeditprintareaget(turned, 2), 300);
        EXPECT_EQ(yyeditprintareaget(turned, 3), 72);
        EXPECT_EQ(yyeditprintareaget(turned, 4), 36);

        PrintArea same = a;
        for (int ignored : {4, -1, 0}) yyeditprintareaset(same, 5, ignored);
        yyeditprintareaset(same, 9, 100);
        EXPECT_EQ(same.paperWidth, a.paperWidth);
        EXPECT_EQ(same.right, a.right);
        EXPECT_EQ(yyeditprintareaget(same, 9), 0);
    }
}

TEST(EditorPrintArea, OrientationTurnsThePaperKeepingTheMargins) {
    const PrintArea portrait{8500, 11000, 1000, 500, 1500, 2000, 1000, false};
    PrintArea land = portrait;
    yyeditprintareaset(land, 5, 1);
    EXPECT_EQ(yyeditprintareaget(land, 5), 1);
    EXPECT_EQ(land.paperWidth, 11000);
    EXPECT_EQ(land.paperHeight, 8500);
    EXPECT_EQ(land.right, 1500);
    EXPECT_EQ(land.bottom, 2000);
    yyeditprintareaset(land, 5, 0);
    EXPECT_EQ(land.paperWidth, 8500);
    EXPECT_EQ(land.landscape, false);

    // Landscape already, an area 5000 wide and 7500 high: 3 turns it, keeping left and top.
    PrintArea tall{11000, 8500, 3000, 500, 3000, 500, 1000, true};
    yyeditprintareaset(tall, 5, 3);
    EXPECT_EQ(tall.paperWidth, 11000);
    EXPECT_EQ(tall.left, 3000);
    EXPECT_EQ(tall.top, 500);
    EXPECT_EQ(tall.right, 500);
    EXPECT_EQ(tall.bottom, 3000);
    yyeditprintareaset(tall, 5, 3);  // now wider than high: unchanged
    EXPECT_EQ(tall.right, 500);
}

TEST(EditorPrintArea, UnitsConvertAndRectanglesAreInTwips) {
    EXPECT_EQ(yyeditinchestomillimetres(1000), 2540);
    EXPECT_EQ(yyeditinchestomillimetres(750), 1905);
    EXPECT_EQ(yyeditinchestomillimetres(8500), 21595);  // by 2.54065, truncated
    EXPECT_EQ(yyeditmillimetrestoinches(2540), 999);
    EXPECT_EQ(yyeditmillimetrestoinches(21590), 8497);

    // 600 dpi, a quarter inch unprintable on every side of a 8.5 x 11 inch page.
    const PrinterMargins m = yyeditprintermargins(150, 150, 5100, 6600, 4800, 6300, 600, 600, 1000);
    EXPECT_EQ(m.left, 250);
    EXPECT_EQ(m.top, 250);
    EXPECT_EQ(m.right, 250);
    EXPECT_EQ(m.bottom, 250);
    const PrintArea a{8500, 11000, 1000, 1000, 1000, 1000, 1000, false};
    const PrintRectangles r = yyeditprintrectangles(a, m);
    EXPECT_EQ(r.format.left, 1080);  // 0.75 inch from the printable edge
    EXPECT_EQ(r.format.top, 1080);
    EXPECT_EQ(r.format.right, 10440);
    EXPECT_EQ(r.format.bottom, 14040);
    EXPECT_EQ(r.page.right, 12240);
    EXPECT_EQ(r.page.bottom, 15840);
}

TEST(EditorBufferStore, ClosingAnEntryMovesTheLaterOnesDownWithTheirLabels) {
    yyeditallocatestore();
    const char* names[] = {"a.txt", "b.txt", "c.txt", ""};
    for (int k = 1; k <= 4; ++k) {
        StoredBuffer& e = *yyeditbufferentry(7, k);
        e.Name = names[k - 1];
        e.NameAllocated = 1;
        e.SavedFlag = k == 4 ? 0 : 1;
        e.StreamText.assign(static_cast<std::size_t>(k), 'x');
        e.StreamLength = k;
        e.TextAllocated = 1;
    }
    yyeditbufferentry(7, 35)->Name = "last";
    yyeditclosebufferentry(7, 2);
    EXPECT_EQ(yyeditbufferentry(7, 1)->Name, "a.txt");
    EXPECT_EQ(yyeditbufferentry(7, 2)->Name, "c.txt");
    EXPECT_EQ(yyeditbufferentry(7, 2)->StreamLength, 3);
    EXPECT_EQ(yyeditbufferentry(7, 3)->SavedFlag, 0);
    EXPECT_EQ(yyeditbufferentry(7, 3)->StreamText.size(), 4u);
    EXPECT_EQ(yyeditbufferentry(7, 34)->Name, "last");
    const StoredBuffer& emptied = *yyeditbufferentry(7, 35);
    EXPECT_EQ(emptied.NameAllocated, 0);
    EXPECT_EQ(emptied.TextAllocated, 0);
    EXPECT_TRUE(emptied.StreamText.empty());
    // The View items of the buffers that moved take the labels of their new numbers.
    EXPECT_EQ(yyeditviewlabel(2, yyeditbufferentry(7, 2)->Name), "&2 c.txt");
    EXPECT_EQ(yyeditviewlabel(3, yyeditbufferentry(7, 3)->Name), "&3 Untitled");
    EXPECT_EQ(yyeditbufferentry(7, 36), nullptr);
    EXPECT_EQ(yyeditbufferentry(51, 1), nullptr);

    yyeditreleasestore();  // the children's entries go, window 0's stay
    yyeditbufferentry(0, 1)->Name = "root";
    yyeditreleasestore();
    EXPECT_EQ(yyeditbufferentry(0, 1)->Name, "root");
    EXPECT_TRUE(yyeditbufferentry(7, 1)->Name.empty());
}

}  // namespace
