// familyrequests_test.cpp - the vertical-section, time-series, line-drawing and derived-product
// requests: dialog settings against the command file written, or the box shown and no file.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "buoys.hpp"
#include "fakeport.hpp"
#include "familycases.hpp"
#include "levels.hpp"
#include "linerequest.hpp"
#include "requestfile.hpp"
#include "requestlines.hpp"
#include "scratch.hpp"
#include "timerequest.hpp"
#include "vertrequest.hpp"

namespace {

// The fake port keeps a group's position under its first field.
void fakecheck(ViewerPort& port, int field, int value) {
    FakePort& fake = static_cast<FakePort&>(port);
    fake.checks[fake.at(field)] = value;
}

class FamilyRequest : public ::testing::Test {
protected:
    void SetUp() override {
        resetplotfamilies();
        casestate(state, scratch.path());
    }

    void request(const Family& family, const std::function<void(Form&, ViewerState&)>& change,
                 int button = ButtonPlot) {
        Form form{port, family.dialog, FakePort::radio, fakecheck};
        family.defaults(form);
        if (change) change(form, state);
        family.plot(port, state, button);
    }
    std::string commandfile(const Family& family, int k) const {
        return readWholeFile(scratch.path() + "/qvferretin" + family.tag + std::to_string(k) + ".txt");
    }
    std::string spawnline() const { return "spawn qvErrFer.bat \"" + scratch.path() + "\""; }

    void run(const RequestCase& c) {
        SCOPED_TRACE(c.name);
        resetplotfamilies();
        port.boxes.clear();
        scratchfiles();
        request(*c.family, c.change);
        const std::string file = commandfile(*c.family, 1);
        if (c.box) {
            ASSERT_EQ(port.boxes.size(), 1u);
            EXPECT_EQ(port.boxes[0].text, c.box->text);
            EXPECT_EQ(port.boxes[0].title, c.box->title);
            EXPECT_EQ(file, "");
            return;
        }
        EXPECT_TRUE(port.boxes.empty()) << (port.boxes.empty() ? "" : port.boxes[0].text);
        expectlines(splitlines(file), expectedfile(c, state.qvtmpq.os()));
    }
    // Each case starts without command files of earlier cases.
    void scratchfiles() {
        for (const Family* family : {&Vertical, &TimeSeries, &LineDrawing, &Products})
            std::remove((scratch.path() + "/qvferretin" + family->tag + "1.txt").c_str());
    }

    ScratchFolder scratch;
    ViewerState state;
    FakePort port;
};

TEST_F(FamilyRequest, VerticalSections) {
    for (const RequestCase& c : verticalCases) run(c);
}

TEST_F(FamilyRequest, TimeSeries) {
    for (const RequestCase& c : timeCases) run(c);
}

// The go lines of this family are formatted: the columns are part of what the scripts read.
TEST_F(FamilyRequest, TimeSeriesGoLinesKeepTheirColumns) {
    request(TimeSeries, [](Form& f, ViewerState&) { f.radio(1073, 2).text(1077, "(2,6,0.5)"); });
    request(TimeSeries, [](Form& f, ViewerState&) { f.menu(1052, 2).region(40, 'S', 40, 'S', 170, 'E', 170, 'W'); });
    request(TimeSeries, [](Form& f, ViewerState&) { f.menu(1052, 9).region(40, 'S', 40, 'S', 170, 'E', 170, 'W'); });
    const std::string fill = std::string("(2,6,0.5)") + std::string(35, ' ');
    EXPECT_EQ(splitlines(commandfile(TimeSeries, 1))[1],
              "go fer_temp_time_series   1.0  54.0    0  500   -40.00  -40.00  220.00  220.00 0 " + fill);
    EXPECT_EQ(splitlines(commandfile(TimeSeries, 2))[1],
              "go fer_temp_hovmoller   1.0  54.0    0  500   -40.00  -40.00  170.00  190.00 " + std::string(44, ' '));
    EXPECT_EQ(splitlines(commandfile(TimeSeries, 3))[1],
              "go fer_sst_hovmoller   1.0  54.0   -40.00  -40.00  170.00  190.00 " + std::string(44, ' '));
}

TEST_F(FamilyRequest, LineDrawings) {
    for (const RequestCase& c : lineCases) run(c);
}

TEST_F(FamilyRequest, DerivedProducts) {
    for (const RequestCase& c : productCases) run(c);
}

// ---- virtual buoys in the requests ----

TEST_F(FamilyRequest, BuoyBoxesNameTheTimeSeriesAndLineDrawings) {
    setbuoys(state);
    const std::string name = "\"Hawaii''s box" + std::string(34 - 13, ' ') + "\"";
    // Both corners in Hawaii's box, the second one 0.7 degrees outside it.
    const auto hawaii = [](Form& f, ViewerState&) { f.region(22, 'N', 25.7f, 'N', 158, 'W', 157, 'W').menu(1047, 3); };
    request(TimeSeries, hawaii);
    expectlines(splitlines(commandfile(TimeSeries, 1)),
                {"cancel mode journal", "go fer_temp_time_series 1.0 54.0 0 500 22.00 25.70 202.00 203.00 0",
                 "label   27.50,  -46.7,0,0,0.14 \"Time series of Vedu Temperature (^oC)\"",
                 "label   14.25,  -13.3,0,0,0.14 \"22.0^oN-25.7^oN, 202.0^oE-203.0^oE\"",
                 "label   40.75,  -13.3,0,0,0.14 " + name, "ppl clsplt", spawnline()});
    EXPECT_EQ(port.menus[FakePort::key(TimeSeriesDialog, 1047)].selected, 3);

    request(LineDrawing, hawaii);
    const std::vector<std::string> lines = splitlines(commandfile(LineDrawing, 1));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "label/nouser 2.50,0.10,0,0,0.15 \"@C016Hawaii''s box" + std::string(21, ' ') + "\"");

    // The first corner in buoy 2, the second in buoy 4: the second names the plot.
    request(TimeSeries, [](Form& f, ViewerState&) { f.region(0, 'N', 35, 'N', 140, 'W', 160, 'W'); });
    EXPECT_NE(commandfile(TimeSeries, 2).find("\"North Pacific"), std::string::npos);

    // The second corner 0.9 degrees outside: no buoy, the menu back to its first item.
    request(TimeSeries, [](Form& f, ViewerState&) { f.region(22, 'N', 25.9f, 'N', 158, 'W', 157, 'W').menu(1047, 3); });
    EXPECT_EQ(commandfile(TimeSeries, 3).find("Hawaii"), std::string::npos);
    const FakePort::Menu& menu = port.menus[FakePort::key(TimeSeriesDialog, 1047)];
    EXPECT_EQ(menu.selected, 1);
    ASSERT_EQ(menu.items.size(), 4u);
    EXPECT_EQ(trimRight(menu.items[3]), "North Pacific");

    // A refusal before the match leaves the menu alone; one after it still resets it.
    port.menus[FakePort::key(LineDrawingDialog, 1047)].selected = 2;
    request(LineDrawing, [](Form& f, ViewerState&) { f.levels(6, 2).menu(1047, 2); });
    EXPECT_EQ(port.menus[FakePort::key(LineDrawingDialog, 1047)].selected, 2);
    request(LineDrawing, [](Form& f, ViewerState&) { f.dates(1, 1, 1, 1).menu(1047, 2); });
    EXPECT_EQ(port.boxes.back().text, "This calculation requires two  \rdifferent time values.");
    EXPECT_EQ(port.menus[FakePort::key(LineDrawingDialog, 1047)].selected, 1);
}

TEST_F(FamilyRequest, WithoutBuoysNothingMatchesAndNoMenuChanges) {
    setbuoys(state);
    state.ncity = 1;
    request(TimeSeries, [](Form& f, ViewerState&) { f.region(22, 'N', 24, 'N', 158, 'W', 157, 'W').menu(1047, 1, {"only"}); });
    EXPECT_EQ(port.menus[FakePort::key(TimeSeriesDialog, 1047)].items.size(), 1u);
    EXPECT_EQ(trimRight(port.menus[FakePort::key(TimeSeriesDialog, 1047)].items[0]), "Choose  location");
    state.ncity = 0;
    request(TimeSeries, [](Form& f, ViewerState&) { f.region(22, 'N', 24, 'N', 158, 'W', 157, 'W').menu(1047, 1, {"resource"}); });
    EXPECT_EQ(port.menus[FakePort::key(TimeSeriesDialog, 1047)].items[0], "resource");
    EXPECT_EQ(commandfile(TimeSeries, 2).find("Hawaii"), std::string::npos);
}

TEST_F(FamilyRequest, ChoosingABuoyFillsItsBoxAcrossTheEquator) {
    setbuoys(state);
    port.select(TimeSeriesDialog);
    loadbuoymenu(port, state.ncity);
    EXPECT_EQ(port.menus[FakePort::key(TimeSeriesDialog, 1047)].items.size(), 4u);
    EXPECT_FLOAT_EQ(port.reals[FakePort::key(TimeSeriesDialog, 1038)], 140.0f);
    buoyselect(port, 2, "line");
    const auto at = [](int field) { return FakePort::key(TimeSeriesDialog, field); };
    EXPECT_FLOAT_EQ(port.reals[at(1055)], 2.0f);
    EXPECT_EQ(port.menus[at(1019)].selected, 2);  // S
    EXPECT_FLOAT_EQ(port.reals[at(1037)], 2.0f);
    EXPECT_EQ(port.menus[at(1017)].selected, 1);  // N
    EXPECT_FLOAT_EQ(port.reals[at(1038)], 142.0f);
    EXPECT_EQ(port.menus[at(1020)].selected, 2);  // W
    EXPECT_FLOAT_EQ(port.reals[at(1039)], 138.0f);
    EXPECT_EQ(port.menus[at(1018)].items, (std::vector<std::string>{"E", "W"}));
}

// ---- what the four families share with the frame ----

TEST_F(FamilyRequest, CountersJpgModeAndExportsPerFamily) {
    const struct {
        const Family* family;
        const char* script;
        const char* variable;  // of the export lines; empty: the family has none
    } families[] = {{&Vertical, "go fer_temp_section ", "temp_section"},
                    {&TimeSeries, "go fer_temp_time_series ", "temp_time"},
                    {&LineDrawing, "go fer_temp_line ", "temp_plot"},
                    {&Products, "go fer_depth20 ", ""}};
    for (const auto& f : families) {
        SCOPED_TRACE(f.family->tag);
        port.commands.clear();
        const auto exports = [](Form& form, ViewerState&) { form.check(FieldAsciiExport, 1).check(FieldNetcdfExport, 1); };
        request(*f.family, exports, ButtonCancel);
        EXPECT_EQ(commandfile(*f.family, 1), "");
        request(*f.family, exports, ButtonCreateJpg);
        const std::vector<std::string> lines = splitlines(commandfile(*f.family, 1));
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(lines[1].rfind("set mode metafile ", 0), 0u);
        EXPECT_NE(lines[1].find(std::string("meta") + f.family->tag + "1"), std::string::npos);
        EXPECT_EQ(lines[2].rfind(f.script, 0), 0u) << lines[2];
        const std::string stem = std::string(f.family->tag) + "1";
        if (*f.variable) {
            EXPECT_EQ(tokens(lines[lines.size() - 4]),
                      tokens("list/file=" + stem + ".txt/clobber/width=5000/format=tab " + f.variable));
            EXPECT_EQ(tokens(lines[lines.size() - 3]), tokens("list/file=" + stem + ".nc/clobber/format=cdf " + f.variable));
        } else {
            EXPECT_EQ(commandfile(*f.family, 1).find("list/file"), std::string::npos);
        }
        ASSERT_GE(port.commands.size(), 1u);
        EXPECT_NE(port.commands[0].find("qvferretin" + stem + ".txt"), std::string::npos);
        // A refused request uses up a number; the next file is the third.
        request(*f.family, [](Form& form, ViewerState&) { form.dates(1, 1, 1, 12); }, ButtonPlot);
        request(*f.family, nullptr, ButtonPlot);
        EXPECT_EQ(commandfile(*f.family, 2), "");
        EXPECT_NE(commandfile(*f.family, 3), "");
        EXPECT_EQ(plotfamily(f.family->id).plotMode, PlotModeScreen);
    }
    EXPECT_EQ(plotfamily(FamilyId::Map).counter, 0);
}

}  // namespace
