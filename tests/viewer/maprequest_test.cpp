// maprequest_test.cpp - the map request: command files, refusals, counters and exports.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "fakeport.hpp"
#include "jpgchain.hpp"
#include "mapform.hpp"
#include "requestfile.hpp"
#include "requestlines.hpp"
#include "scratch.hpp"

namespace {

void fakeradio(ViewerPort& port, int first, int position) {
    static_cast<FakePort&>(port).radios[FakePort::key(MapDialog, first)] = position;
}

class MapRequest : public ::testing::Test {
protected:
    void SetUp() override {
        resetplotfamilies();
        state.qvdir.assign("C:\\qv");
        state.qvdirLength = 5;
        state.qvtmp.assign(scratch.path());
        state.qvtmpLength = static_cast<int>(scratch.path().size());
        state.qvtmpq.assign("\"" + scratch.path() + "\"");
        state.qvtmpqLength = state.qvtmpLength + 2;
        state.realTimeDate.assign("\"20-MAR-2012\"");
    }

    void request(const MapForm& form, int button = ButtonPlot) {
        fillmapform(port, form, fakeradio);
        port.checks[FakePort::key(MapDialog, FieldAsciiExport)] = form.asciiBox;
        port.checks[FakePort::key(MapDialog, FieldNetcdfExport)] = form.netcdfBox;
        plotmapview(port, state, button);
    }
    std::string commandfile(int k) const {
        return readWholeFile(scratch.path() + "/qvferretinmap" + std::to_string(k) + ".txt");
    }

    ScratchFolder scratch;
    ViewerState state;
    FakePort port;
};

struct RequestCase {
    const char* name;
    std::function<void(MapForm&, ViewerState&)> change;
    std::vector<std::string> familyLines;  // go line and labels; empty when refused
    std::optional<ViewerMessage> box;
};

const std::string BaseGo = "go fer_temp_map 54 54 0 500 -60.0 25.0 130.0 250.0 1 0 0";
const std::string TitleAt = "label 190.00, 32.08,0,0,0.17 ";
const std::string DateAt = "label 160.00, 27.26,0,0,0.17 ";
const std::string LevelAt = "label 220.00, 27.26,0,0,0.17 ";
const std::string CentreLow = "label 190.00, 27.26,0,0,0.17 ";

const std::vector<RequestCase> requestCases{
    {"temperature over a level range", [](MapForm&, ViewerState&) {},
     {BaseGo, TitleAt + "\"Vedu Temperature (^oC)\"", DateAt + "\"Jun 2008\"",
      LevelAt + "\"Averaged    0- 500 dbar  \""}, std::nullopt},
    {"one level", [](MapForm& f, ViewerState&) { f.upperItem = f.lowerItem = 2; },
     {"go fer_temp_map 54 54 100 100 -60.0 25.0 130.0 250.0 1 0 0", TitleAt + "\"Vedu Temperature (^oC)\"",
      DateAt + "\"Jun 2008\"", LevelAt + "\"at  100 dbar   \""}, std::nullopt},
    {"depth, a date range, stations and fill levels",
     [](MapForm& f, ViewerState&) {
         f.verticalMode = 2;
         f.levelItems = depthtexts(VerticalDepth);
         f.lowerItem = 15;
         f.plotType = 5;
         f.endMonth = 2;
         f.endYear = 6;
         f.fillChoice = 2;
         f.fillLevels = "(8,22,2)";
         f.landItem = 1;
     },
     {"go fer_temp_map 54 62 0 1900 -60.0 25.0 130.0 250.0 0 1 1 (8,22,2)", TitleAt + "\"Vedu Temperature (^oC)\"",
      DateAt + "\"Jun 2008 - Feb 2009\"", LevelAt + "\"Averaged    0-1900  m    \""}, std::nullopt},
    {"real time",
     [](MapForm& f, ViewerState&) {
         f.timeMode = 2;
         f.south = 15;
     },
     {"go fer_temp_map_real_time 0 500 -15.0 25.0 130.0 250.0 1 0", "label 190.00, 28.80,0,0,0.17 \"Vedu Temperature (^oC)\"",
      "label 160.00, 26.04,0,0,0.17 \"20-MAR-2012\"", "label 220.00, 26.04,0,0,0.17 \"Averaged    0- 500 dbar  \""},
     std::nullopt},
    {"real time at 30 N and 30 S",
     [](MapForm& f, ViewerState&) {
         f.timeMode = 2;
         f.north = 30;
         f.south = 30;
         f.plotType = 3;
     },
     {"go fer_temp_map_anom_real_time 0 500 -30.0 30.0 130.0 250.0 1 0",
      "label 190.00, 35.00,0,0,0.17 \"Vedu Temperature 10 day anomaly\"",
      "label 160.00, 31.60,0,0,0.17 \"20-MAR-2012\"", "label 220.00, 31.60,0,0,0.17 \"Averaged    0- 500 dbar  \""},
     std::nullopt},
    {"real time beyond 30 N",
     [](MapForm& f, ViewerState&) {
         f.timeMode = 2;
         f.north = 30.01f;
         f.south = 10;
     },
     {}, ViewerMessage{"Vedu real time data valid only \rbetween 30 South and 30 North", "Input error"}},
    {"real time deeper than 600 dbar",
     [](MapForm& f, ViewerState&) {
         f.timeMode = 2;
         f.lowerItem = 8;
     },
     {}, ViewerMessage{"Real time data pressure valid only to 600 dbar", "Invalid input"}},
    {"archive depth of 2000 m",
     [](MapForm& f, ViewerState&) {
         f.verticalMode = 2;
         f.lowerItem = 15;
     },
     {}, ViewerMessage{"Depth valid only to 1900 meters", "Invalid input"}},
    {"end date before start date",
     [](MapForm& f, ViewerState&) {
         f.endMonth = 5;
         f.endYear = 5;
     },
     {}, ViewerMessage{"Please enter End date either equal to\ror greater than Start date.", "Input error"}},
    {"anomaly with an end date before the start",
     [](MapForm& f, ViewerState&) {
         f.plotType = 3;
         f.endMonth = 1;
         f.endYear = 1;
     },
     {"go fer_temp_map_monthly_anom 54 6 0 500 -60.0 25.0 130.0 250.0 1 0 0",
      TitleAt + "\"Vedu Temperature Anomaly from Monthly Mean\"", DateAt + "\"Jun 2008\"",
      LevelAt + "\"Averaged    0- 500 dbar  \""}, std::nullopt},
    {"start after the last Vedu month",
     [](MapForm& f, ViewerState& s) {
         f.startYear = 8;
         f.startMonth = 4;
         s.veduEnd = 87;
     },
     {}, ViewerMessage{" Vedu grid current through Mar2011", "Input out of range"}},
    {"monthly average of December, Vedu ending March 2011",
     [](MapForm& f, ViewerState& s) {
         f.plotType = 4;
         f.startMonth = 12;
         f.startYear = 8;
         s.veduEnd = 87;
     },
     {"go fer_temp_map_avg 12 0 500 -60.0 25.0 130.0 250.0 1 0 0",
      TitleAt + "\"Vedu Temperature (^oC)  December Average(2004-2010)\"", CentreLow + "\"Averaged    0- 500 dbar  \""},
     std::nullopt},
    {"monthly average of March, Vedu ending March 2011",
     [](MapForm& f, ViewerState& s) {
         f.plotType = 4;
         f.startMonth = 3;
         s.veduEnd = 87;
     },
     {"go fer_temp_map_avg 3 0 500 -60.0 25.0 130.0 250.0 1 0 0",
      TitleAt + "\"Vedu Temperature (^oC)     March Average(2004-2011)\"", CentreLow + "\"Averaged    0- 500 dbar  \""},
     std::nullopt},
    {"the whole globe and a west longitude",
     [](MapForm& f, ViewerState&) {
         f.west = 30;
         f.westLetter = 2;
         f.east = 330;
         f.north = 20;
     },
     {"go fer_temp_map 54 54 0 500 -60.0 20.0 330.0 690.0 1 0 0",
      "label 510.00, 27.60,0,0,0.17 \"Vedu Temperature (^oC)\"", "label 420.00, 22.08,0,0,0.17 \"Jun 2008\"",
      "label 600.00, 22.08,0,0,0.17 \"Averaged    0- 500 dbar  \""}, std::nullopt},
    {"upper level below the lower",
     [](MapForm& f, ViewerState&) {
         f.upperItem = 6;
         f.lowerItem = 2;
     },
     {}, ViewerMessage{"Please re-enter 3) Vertical units, such that \rUpper is less than or equal to Lower value.",
                       "Input Error"}},
    {"dynamic height at one pressure",
     [](MapForm& f, ViewerState&) {
         f.property = 3;
         f.lowerItem = 1;
     },
     {}, ViewerMessage{"This calculation requires two  \rdifferent pressure values.", "Input Error"}},
    {"geostrophic velocity at surface stations, depth",
     [](MapForm& f, ViewerState&) {
         f.property = 5;
         f.plotType = 6;
         f.verticalMode = 2;
     },
     {}, ViewerMessage{"This calculation requires two  \rdifferent depth values.", "Input Error"}},
    {"dynamic height with velocity",
     [](MapForm& f, ViewerState&) { f.property = 6; },
     {"go fer_dyn_ht_map 54 54 0 500 -60.0 25.0 130.0 250.0 1 0 1 0",
      TitleAt + "\"Vedu Dynamic Height with Geostrophic Velocity\"", DateAt + "\"Jun 2008\"",
      LevelAt + "\"   0/ 500 dbar\""}, std::nullopt},
    {"monthly average of dynamic height with velocity, small title",
     [](MapForm& f, ViewerState&) {
         f.property = 6;
         f.plotType = 8;
     },
     {"go fer_dyn_ht_map_avg 6 0 500 -60.0 25.0 130.0 250.0 1 1 1 0",
      "label 190.00, 32.08,0,0,0.15 \"Vedu Dynamic Height with Geostrophic Velocity      June Average(2004-2011)\"",
      CentreLow + "\"   0/ 500 dbar\""}, std::nullopt},
    {"real-time difference of potential density becomes the 10 day average",
     [](MapForm& f, ViewerState&) {
         f.property = 4;
         f.plotType = 2;
         f.timeMode = 2;
         f.south = 15;
         f.verticalMode = 2;
         f.levelItems = depthtexts(VerticalDepth);
     },
     {"go fer_podens_map_avg_real_time 0 500 -15.0 25.0 130.0 250.0 1 1",
      "label 190.00, 28.80,0,0,0.17 \"Vedu Potential Density 10 day average\"",
      "label 160.00, 26.04,0,0,0.17 \"20-MAR-2012\"", "label 220.00, 26.04,0,0,0.17 \"   0/ 500  m  \""},
     std::nullopt},
    {"potential density station distribution",
     [](MapForm& f, ViewerState&) {
         f.property = 4;
         f.plotType = 6;
     },
     {"go fer_psal_station_loc 54 54 0 0 -60.0 25.0 130.0 250.0 1 0",
      TitleAt + "\"Vedu Potential Density station distribution\"", DateAt + "\"Jun 2008\"",
      LevelAt + "\"   0/   0 dbar\""}, std::nullopt},
    {"geostrophic velocity with vector densities",
     [](MapForm& f, ViewerState&) {
         f.property = 5;
         f.vectorX = 3;
         f.vectorY = 1;
     },
     {"go fer_geo_vel_map 54 54 0 500 -60.0 25.0 130.0 250.0 1 3 1 0", TitleAt + "\"Vedu Geostrophic Velocity\"",
      DateAt + "\"Jun 2008\"", LevelAt + "\"   0/ 500 dbar\""}, std::nullopt},
    {"real-time monthly average of geostrophic velocity",
     [](MapForm& f, ViewerState&) {
         f.property = 5;
         f.plotType = 4;
         f.timeMode = 2;
         f.south = 15;
     },
     {"go fer_geo_vel_map_avg_real_time 0 500 -15.0 25.0 130.0 250.0 1 2 2",
      "label 190.00, 28.80,0,0,0.17 \"Vedu Geostrophic Velocity 10 day average\"",
      "label 160.00, 26.04,0,0,0.17 \"20-MAR-2012\"", "label 220.00, 26.04,0,0,0.17 \"   0/ 500 dbar\""},
     std::nullopt},
    {"AVISO difference from the mean",
     [](MapForm& f, ViewerState&) {
         f.property = 7;
         f.plotType = 2;
     },
     {"go fer_alt_ht_map_yearly_anom 54 54 -60.0 25.0 130.0 250.0 1",
      TitleAt + "\"Aviso Altimetric Height Difference from  5 Year Mean (2004-2008)  \"", CentreLow + "\"Jun 2008\""},
     std::nullopt},
    {"Reynolds monthly average",
     [](MapForm& f, ViewerState& s) {
         f.property = 8;
         f.plotType = 4;
         f.startMonth = 11;
         s.reynoldsEnd = 84;
     },
     {"go fer_sst_map_avg 11 -60.0 25.0 130.0 250.0 1", TitleAt + "\"Reynolds SST  November Average(2004-2010)\""},
     std::nullopt},
    {"AVISO after its last month",
     [](MapForm& f, ViewerState& s) {
         f.property = 7;
         s.avisoEnd = 48;
     },
     {}, ViewerMessage{"Aviso grid current through Dec2007", "Input out of range"}},
    {"dynamic height with velocity as a difference",
     [](MapForm& f, ViewerState&) {
         f.property = 6;
         f.plotType = 2;
     },
     {}, ViewerMessage{"This combination is not an option.", "Not an option"}},
    {"geostrophic velocity with monthly average and stations",
     [](MapForm& f, ViewerState&) {
         f.property = 5;
         f.plotType = 8;
     },
     {}, ViewerMessage{"This combination is not an option.", "Not an option"}},
};

TEST_F(MapRequest, EachCaseWritesItsLinesOrShowsItsBoxAndNoFile) {
    for (const RequestCase& c : requestCases) {
        SCOPED_TRACE(c.name);
        resetplotfamilies();
        std::remove((scratch.path() + "/qvferretinmap1.txt").c_str());
        port.boxes.clear();
        port.commands.clear();
        MapForm form;
        ViewerState saved = state;
        c.change(form, state);
        request(form);
        if (c.box) {
            ASSERT_EQ(port.boxes.size(), 1u);
            EXPECT_EQ(port.boxes[0].text, c.box->text);
            EXPECT_EQ(port.boxes[0].title, c.box->title);
            EXPECT_EQ(commandfile(1), "");
            EXPECT_TRUE(port.commands.empty());
        } else {
            EXPECT_TRUE(port.boxes.empty()) << port.boxes[0].text;
            std::vector<std::string> expected{"cancel mode journal"};
            expected.insert(expected.end(), c.familyLines.begin(), c.familyLines.end());
            expected.push_back("ppl clsplt");
            expected.push_back("spawn qvErrFer.bat \"" + scratch.path() + "\"");
            expectlines(splitlines(commandfile(1)), expected);
        }
        state = saved;
    }
}

TEST_F(MapRequest, PlotRunsTheBatchFileHiddenForFiveSeconds) {
    request(MapForm{});
    ASSERT_EQ(port.commands.size(), 1u);
    EXPECT_EQ(port.commands[0],
              "C:\\qv\\bin\\qvferret.bat C:\\qv \"" + scratch.path() + "\" qvferretinmap1.txt |3,5");
    EXPECT_EQ(commandfile(1).substr(0, 21), "cancel mode journal\r\n");
}

TEST_F(MapRequest, ExportLinesComeAfterTheLabelsAndTheOutputMessageNamesTheListings) {
    MapForm form;
    form.plotType = 4;
    form.asciiBox = 1;
    form.netcdfBox = 1;
    request(form);
    const std::vector<std::string> lines = splitlines(commandfile(1));
    ASSERT_EQ(lines.size(), 8u);  // no date label for a monthly average
    EXPECT_EQ(tokens(lines[4]), tokens("list/file=map1.txt/clobber/width=5000/format=tab temp_map_anom"));
    EXPECT_EQ(tokens(lines[5]), tokens("list/file=map1.nc/clobber/format=cdf temp_map_anom"));
    EXPECT_EQ(lines[6], "ppl clsplt");
    EXPECT_EQ(port.strings[FakePort::key(112, 1004)], "Your ascii data file is located in:");
    EXPECT_EQ(port.strings[FakePort::key(112, 1125)], scratch.path() + "\\map1.txt");
    EXPECT_EQ(port.strings[FakePort::key(112, 1127)], "Your netcdf data file is located in:");
    EXPECT_EQ(port.strings[FakePort::key(112, 1128)], scratch.path() + "\\map1.nc");
    EXPECT_EQ(port.shows.back(), std::make_pair(112, std::string("show")));

    port.strings.clear();
    form.asciiBox = 0;
    request(form);
    EXPECT_EQ(splitlines(commandfile(2)).size(), 7u);
    EXPECT_EQ(port.strings[FakePort::key(112, 1004)], " ");
    EXPECT_EQ(port.strings[FakePort::key(112, 1125)], " ");
    EXPECT_EQ(port.strings[FakePort::key(112, 1128)], scratch.path() + "\\map2.nc");
}

TEST_F(MapRequest, CounterCyclesOneToNineAndRefusalsUseUpANumberButCancelDoesNot) {
    MapForm refused;
    refused.property = 3;
    refused.lowerItem = 1;
    request(refused);  // 1, refused
    EXPECT_EQ(commandfile(1), "");
    request(MapForm{}, ButtonCancel);
    EXPECT_EQ(port.shows.back(), std::make_pair(MapDialog, std::string("hide")));
    for (int k = 2; k <= 9; ++k) request(MapForm{});
    EXPECT_EQ(commandfile(1), "");
    for (int k = 2; k <= 9; ++k) EXPECT_NE(commandfile(k), "") << k;
    request(MapForm{});
    EXPECT_NE(commandfile(1), "");
    EXPECT_EQ(plotfamily(FamilyId::Map).counter, 1);
    EXPECT_EQ(plotfamily(FamilyId::Time).counter, 0);
}

TEST_F(MapRequest, AnotherButtonKeepsTheModeAndBeforeAnyPlotRunsNothing) {
    request(MapForm{}, 1);
    EXPECT_NE(commandfile(1), "");
    EXPECT_TRUE(port.commands.empty());
    request(MapForm{}, ButtonPlot);
    request(MapForm{}, 1);
    EXPECT_EQ(port.commands.size(), 2u);
}

TEST_F(MapRequest, CreateJpgPutsTheMetafileLineSecondAndGivesFerretItsTime) {
    MapForm form;
    form.property = 6;
    request(form, ButtonCreateJpg);
    const std::vector<std::string> lines = splitlines(commandfile(1));
    std::optional<std::string> shortForm = viewershortpath(scratch.path());
    std::string metafile = shortForm ? *shortForm + "\\metamap1" : metanospacerule(scratch.path(), "map1");
    metafile.resize(MaxCommandLine, ' ');
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "set mode metafile " + metafile);
    EXPECT_EQ(lines[2].substr(0, 18), "go fer_dyn_ht_map ");
    // Land only, vector class 2, single-core: 12 + 30 seconds; no events end the chain.
    ASSERT_EQ(port.commands.size(), 1u);
    EXPECT_NE(port.commands[0].find("qvferretinmap1.txt |3,42"), std::string::npos);
}

}  // namespace
