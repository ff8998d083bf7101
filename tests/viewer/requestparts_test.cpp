// requestparts_test.cpp - what the plot requests share: list-directed and label lines, the
// space-free metafile path, export variables, level routines and the JPG wait's decisions.
#include <gtest/gtest.h>

#include "windows/events.hpp"
#include "exports.hpp"
#include "fakeport.hpp"
#include "jpgchain.hpp"
#include "levels.hpp"
#include "requestfile.hpp"
#include "requestparts.hpp"

namespace {

TEST(RequestLines, ListDirectedItemsAndLabelFields) {
    EXPECT_EQ(listdirected({"go", "fer_x", 54, -60.0f, 0.01f, 250.5f, "", "(8,22,2)   "}),
              "go fer_x 54 -60.0 0.01 250.5 (8,22,2)   ");
    EXPECT_EQ(listdirected({-0.0f, 1e7f}), "0.0 10000000.0");  // never an exponent
    EXPECT_EQ(labelline(MapLabel, 190.0f, -5.125f, "\"t\""), "label 190.00, -5.13,0,0,0.17 \"t\"");
    EXPECT_EQ(labelline(MapSmallTitle, 7.0f, 1000.0f, "\"t\""), "label   7.00,******,0,0,0.15 \"t\"");
    // Page places in inches keep their leading zero.
    EXPECT_EQ(labelline(PageNote, 7.05f, 0.7f, "\"n\""), "label/nouser 7.05,0.70,0,0,0.15 \"n\"");
    EXPECT_EQ(labelline(PageTitle, 4.1f, 5.7f, "\"t\""), "label/nouser 4.10,5.70,0,0,0.17 \"t\"");
}

TEST(RequestLines, SpaceFreeMetafilePathByRule) {
    struct Case {
        const char* folder;
        const char* path;
    } cases[] = {
        {"C:\\Temp", "C:\\Temp\\metamap1"},
        {"C:\\Documents and Settings\\user\\quorvale", "C:\\Docume~1\\user\\quorvale\\metamap1"},
        {"C:\\abcdefgh\\abcdefghi", "C:\\abcdefgh\\abcdef~1\\metamap1"},
        {"C:\\my+dir [x]\\t", "C:\\my_dir~1\\t\\metamap1"},
        {"D:\\tmp\\", "D:\\tmp\\metamap1"},
    };
    for (const Case& c : cases) EXPECT_EQ(metanospacerule(c.folder, "map1"), c.path) << c.folder;

    Text<MaxCommandLine> path("old");
    int length = 0;
    createmetanospace("C:\\Temp and more", 7, "map3", path, length, 0);
    EXPECT_EQ(path.trimmed(), "C:\\Temp\\metamap3");
    EXPECT_EQ(length, 16);
}

TEST(RequestLines, FamiliesCountOnTheirOwnAndNameTheirFiles) {
    resetplotfamilies();
    PlotFamily& line = plotfamily(FamilyId::Line);
    EXPECT_FALSE(startrequest(line, ButtonCancel));
    EXPECT_EQ(line.counter, 0);
    EXPECT_TRUE(startrequest(line, ButtonCreateJpg));
    EXPECT_EQ(line.plotMode, PlotModeJpg);
    EXPECT_EQ(line.commandName.view(), "qvferretinlin1.txt");
    EXPECT_EQ(line.commandPath.view(), "\\qvferretinlin1.txt");
    EXPECT_EQ(line.textTemplate.view(), "list/file=lin1.txt/clobber/width=5000/format=tab ");
    EXPECT_EQ(line.netcdfTemplate.view(), "list/file=lin1.nc/clobber/format=cdf             ");
    EXPECT_EQ(plotfamily(FamilyId::Map).counter, 0);
}

TEST(Exports, VariableNamesByFamilyPropertyAndPlotType) {
    struct Case {
        const char* tag;
        int property, plotType;
        const char* name;
    } cases[] = {
        {"map", 1, 4, "temp_map_anom"}, {"map", 5, 1, "map"},          {"map", 8, 5, "sst_map"},
        {"map", 7, 2, "aviso_map_anom"}, {"ver", 2, 2, "psal_section_anom"}, {"ver", 4, 1, "podens_section"},
        {"tim", 7, 1, "dyn_ht_time"},   {"tim", 9, 3, "sst_time_anom"}, {"lin", 10, 1, "temp_plot"},
        {"lin", 14, 2, "aviso_plot_anom"}, {"lin", 16, 1, "plot"},     {"pro", 1, 1, ""},
    };
    for (const Case& c : cases) {
        Text<ExportVariableLength> name("x");
        asciivarname(c.tag, c.property, c.plotType, name, 0);
        EXPECT_EQ(name.trimmed(), c.name) << c.tag << c.property << "/" << c.plotType;
    }
    EXPECT_EQ(textlistingpath("C:\\Temp", 7, "list/file=map3.txt/clobber/width=5000/format=tab "), "C:\\Temp\\map3.txt");
    EXPECT_EQ(netcdflistingpath("C:\\Temp", 7, "list/file=map3.nc/clobber/format=cdf             "), "C:\\Temp\\map3.nc");
}

TEST(Levels, MenuTextsLimitsAndRealTimeItems) {
    int level = -1;
    for (auto [text, value] : {std::pair{"1000 ", 1000}, {"2000 ", 2000}, {"0    ", 0}, {"", 0}}) {
        menutodepthinteger(1, level, text, 1);
        EXPECT_EQ(level, value) << text;
    }
    EXPECT_FALSE(depthlimitmessage(VerticalDepth, 0, 1900, TimeArchive));
    EXPECT_EQ(depthlimitmessage(VerticalDepth, 0, 2000, TimeArchive)->text, "Depth valid only to 1900 meters");
    EXPECT_EQ(depthlimitmessage(VerticalPressure, 2100, 0, TimeArchive)->text, "Pressure valid only to 2000 dbar");
    EXPECT_FALSE(depthlimitmessage(VerticalPressure, 0, 600, TimeRealTime));
    EXPECT_EQ(depthlimitmessage(VerticalDepth, 0, 600, TimeRealTime)->text,
              "Real time data depth valid only to 500 meters");
    int first = 0, second = 1000, n = 0;
    realtimedepth(first, second, VerticalPressure, n);
    EXPECT_EQ(std::tuple(first, second, n), std::tuple(1, 7, 7));
    realtimedepth(first, second, VerticalDepth, n);
    EXPECT_EQ(std::tuple(first, second, n), std::tuple(1, 6, 6));
    EXPECT_EQ(depthtexts(VerticalDepth).back(), "1900");

    for (auto [lon, letter, east] : {std::tuple{30.0f, 2, 330.0f}, {0.0f, 2, 360.0f}, {45.0f, 1, 45.0f}}) {
        float value = lon;
        int item = letter;
        longconv(value, item, 1);
        EXPECT_EQ(value, east);
        EXPECT_EQ(item, 1);
    }
}

TEST(Levels, FillLevelsReturnToDefaultsWhenThePropertyChanges) {
    FakePort port;
    port.radios[FakePort::key(0, FieldFillDefault)] = 2;
    filllevelcheck(port, 3, 3, "example");
    EXPECT_EQ(port.states[FieldFillText], 1);
    EXPECT_EQ(port.strings[FieldFillExample], "example");
    filllevelcheck(port, 4, 3, "example");
    EXPECT_EQ(port.radios[FieldFillDefault], 1);
    EXPECT_EQ(port.states[FieldFillText], 0);
    EXPECT_EQ(port.strings[FieldFillExample], std::string(44, ' '));
}

TEST(JpgChain, DatesCompareAcrossYears) {
    EXPECT_EQ(dateinseconds(2004, 1, 1, 0, 0, 0), 86400);
    EXPECT_EQ(dateinseconds(2005, 1, 1, 0, 0, 0) - dateinseconds(2004, 12, 31, 23, 59, 59), 1);
    EXPECT_EQ(dateinseconds(2008, 3, 1, 0, 0, 0) - dateinseconds(2008, 2, 28, 0, 0, 0), 2 * 86400);
    EXPECT_LT(dateinseconds(2011, 12, 31, 12, 0, 0), dateinseconds(2012, 1, 1, 0, 0, 0));
    EXPECT_EQ(dateinseconds(2100, 3, 1, 0, 0, 0) - dateinseconds(2100, 2, 28, 0, 0, 0), 86400);
}

TEST(JpgChain, FerretTimesStablePeriodsAndResultPaths) {
    EXPECT_EQ(ferrettimeout("map1", 0, 1, 2), 42);
    EXPECT_EQ(ferrettimeout("map1", 1, 0, 1), 13);
    EXPECT_EQ(ferrettimeout("lin1", 0, 0, 0), 7);
    EXPECT_EQ(ferrettimeout("lin1", 1, 1, 0), 2);
    EXPECT_EQ(stableperiod("map1", 0), 6);
    EXPECT_EQ(stableperiod("lin4", 0), 2);
    EXPECT_EQ(stableperiod("ver4", 1), 2);
    EXPECT_EQ(stableperiod("lin4", 1), 1);
    EXPECT_EQ(resultpath("C:\\Temp   ", 7, "map3", 1), "C:\\Temp\\map3.jpg");
    EXPECT_EQ(resultpath("C:\\Temp", 7, "map3", 0), "C:\\Temp\\map3.ps");
}

// Ticks every 2 seconds: (size, file time); the wait finishes at the tick given.
TEST(JpgChain, WaitTakesANewFileThatStoppedGrowing) {
    struct Case {
        const char* name;
        int period;
        std::vector<std::pair<int, long long>> ticks;  // size and file time at now = 100 + 2 * i
        int finishesAt;                                // index of the finishing tick, -1 never
    } cases[] = {
        {"grows for 10 s, then 6 s stable", 6,
         {{0, 0}, {20, 100}, {40, 102}, {60, 104}, {80, 106}, {90, 108}, {90, 108}, {90, 108}, {90, 108}, {90, 108}},
         9},
        {"multi-core: 2 s", 2, {{50, 100}, {50, 100}, {50, 100}, {50, 100}}, 2},
        {"exactly 10 bytes never counts", 2, {{10, 100}, {10, 100}, {10, 100}, {10, 100}, {10, 100}}, -1},
        {"an older file under the same stem", 2, {{500, 90}, {500, 90}, {500, 90}, {500, 90}}, -1},
        {"an older file, replaced", 2, {{500, 90}, {500, 90}, {600, 104}, {600, 104}, {600, 104}}, 4},
        {"a file that shrinks to nothing starts over", 2, {{50, 100}, {50, 100}, {0, 0}, {50, 106}, {50, 106}, {50, 106}}, 5},
    };
    for (const Case& c : cases) {
        FileWait wait;
        wait.stablePeriod = c.period;
        int finished = -1;
        for (std::size_t i = 0; i < c.ticks.size() && finished < 0; ++i)
            if (filewaittick(wait, c.ticks[i].first, c.ticks[i].second, 99, 100 + 2 * static_cast<long long>(i)))
                finished = static_cast<int>(i);
        EXPECT_EQ(finished, c.finishesAt) << c.name;
    }
}

TEST(JpgChain, WaitActsOnlyOnItsTimerAndItsOwnCancel) {
    ViewerState state;
    state.qvtmp.assign("/nonexistent-scratch");
    state.qvtmpLength = 20;
    FakePort port;
    // Other buttons, other dialogs' Cancel and other events are served to no one.
    port.events = {{EvPushButton, 103, 1035}, {EvPushButton, 105, 2}, {EvFieldChanged, 107, 2},
                   {EvTimer, 0, 1},           {EvTimer, 0, 1},        {EvPushButton, 107, 2}};
    int status = -1;
    isfilefinished(port, state, "map1", 1, 0, status);
    EXPECT_EQ(status, ChainCancelled);
    EXPECT_TRUE(port.events.empty());
    EXPECT_EQ(port.timersStarted, 3);  // the first and one after each tick
    EXPECT_EQ(port.shows.back(), std::make_pair(ProgressDialog, std::string("hide")));
    EXPECT_EQ(port.strings[1080], "/");  // the spinner turned once per tick: / \ /
}

}  // namespace
