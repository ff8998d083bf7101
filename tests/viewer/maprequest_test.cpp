// maprequest_test.cpp - the map request: command files, refusals, counters and exports.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "fakeport.hpp"
#include "mapcases.hpp"
#include "jpgchain.hpp"
#include "mapform.hpp"
#include "requestfile.hpp"
#include "scratch.hpp"

namespace {

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
        fillmapform(port, form, FakePort::radio);
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

TEST_F(MapRequest, EachCaseWritesItsLinesOrShowsItsBoxAndNoFile) {
    for (const MapCase& c : mapCases) {
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
            expectlines(splitlines(commandfile(1)), framedlines(c.familyLines, "\"" + scratch.path() + "\""));
        }
        state = saved;
    }
}

TEST_F(MapRequest, ACommandFileThatCannotBeWrittenGivesItsBoxAndNothingRuns) {
    std::filesystem::create_directory(scratch.path() + "/qvferretinmap1.txt");  // a folder in its place
    for (const int button : {ButtonPlot, ButtonCreateJpg}) {
        resetplotfamilies();
        port.boxes.clear();
        request(MapForm{}, button);
        ASSERT_EQ(port.boxes.size(), 1u) << button;
        EXPECT_EQ(port.boxes[0].title, "Error");
        EXPECT_EQ(port.boxes[0].text, "I cannot write the command file\r" + scratch.path() +
                                          "\\qvferretinmap1.txt\rCheck the temporary directory and try again.");
        EXPECT_TRUE(port.commands.empty()) << port.commands[0];
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
