// familyrequests_test.cpp - the vertical-section, time-series, line-drawing and derived-product
// requests: dialog settings against the command file written, or the box shown and no file.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "buoys.hpp"
#include "fakeport.hpp"
#include "levels.hpp"
#include "linerequest.hpp"
#include "prodrequest.hpp"
#include "requestfile.hpp"
#include "requestlines.hpp"
#include "scratch.hpp"
#include "timerequest.hpp"
#include "vertrequest.hpp"

namespace {

const std::vector<std::string> Months{"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
const std::vector<std::string> Years{"2004", "2005", "2006", "2007", "2008", "2009",
                                     "2010", "2011", "2012", "2013", "2014", "2015"};

// A dialog as the user leaves it, written through the fake port's tables.
struct Form {
    FakePort& port;
    int dialog;

    Form& menu(int field, int selected, std::vector<std::string> items = {}) {
        if (items.empty()) items = std::vector<std::string>(static_cast<std::size_t>(std::max(selected, 1)), "item");
        port.menus[FakePort::key(dialog, field)] = {items, selected};
        return *this;
    }
    Form& radio(int first, int position) {
        port.radios[FakePort::key(dialog, first)] = position;
        return *this;
    }
    Form& real(int field, float value) {
        port.reals[FakePort::key(dialog, field)] = value;
        return *this;
    }
    Form& text(int field, const std::string& value) {
        port.strings[FakePort::key(dialog, field)] = value;
        return *this;
    }
    Form& check(int field, int value) {
        port.checks[FakePort::key(dialog, field)] = value;
        return *this;
    }
    // Levels by item of the unit's list; depth switches the unit group.
    Form& levels(int upper, int lower, int unit = VerticalPressure) {
        radio(1105, unit);
        menu(1010, upper, depthtexts(unit));
        return menu(1036, lower, depthtexts(unit));
    }
    // Latitudes and longitudes as typed, with their letters.
    Form& region(float lat1, char l1, float lat2, char l2, float lon1, char o1, float lon2, char o2) {
        real(1055, lat1).menu(1019, l1 == 'S' ? 2 : 1, {"N", "S"});
        real(1037, lat2).menu(1017, l2 == 'S' ? 2 : 1, {"N", "S"});
        real(1038, lon1).menu(1020, o1 == 'W' ? 2 : 1, {"E", "W"});
        return real(1039, lon2).menu(1018, o2 == 'W' ? 2 : 1, {"E", "W"});
    }
    // Month and year items; 0 leaves an end menu with nothing selected.
    Form& dates(int m1, int y1, int m2, int y2) {
        menu(1025, m1, Months).menu(1064, y1, Years);
        return menu(1029, m2, Months).menu(1065, y2, Years);
    }
};

// The dialogs as they come up, with the levels 0 to 500 dbar.
void verticaldefaults(Form& f) {
    f.menu(1052, 1).menu(1014, 1).levels(1, 6).menu(1040, 1).region(60, 'S', 65, 'N', 140, 'W', 140, 'W');
    f.radio(1109, 1).dates(6, 5, 0, 0).radio(1073, 1);
}
void timedefaults(Form& f) {
    f.menu(1052, 1).menu(1014, 1).levels(1, 6).region(40, 'S', 40, 'S', 140, 'W', 140, 'W');
    f.dates(1, 1, 6, 5).radio(1073, 1).menu(1047, 1);
}
void linedefaults(Form& f) {
    f.menu(1052, 1).menu(1014, 1).levels(1, 6).region(40, 'S', 40, 'S', 140, 'W', 140, 'W');
    f.dates(1, 1, 6, 5).menu(1047, 1);
}
void productdefaults(Form& f) {
    f.menu(1052, 1).menu(1014, 1).region(25, 'S', 25, 'N', 120, 'E', 290, 'E').dates(8, 5, 0, 0);
    f.menu(1045, 2).radio(1073, 1);
}

struct Family {
    FamilyId id;
    int dialog;
    const char* tag;
    void (*defaults)(Form&);
    void (*plot)(ViewerPort&, ViewerState&, int);
};
const Family Vertical{FamilyId::Vertical, 105, "ver", verticaldefaults, plotvertview};
const Family TimeSeries{FamilyId::Time, 104, "tim", timedefaults, plottimeseries};
const Family LineDrawing{FamilyId::Line, 109, "lin", linedefaults, plotlinedrawing};
const Family Products{FamilyId::Product, 110, "pro", productdefaults, plotprodview};

struct RequestCase {
    const char* name;
    const Family* family;
    std::function<void(Form&, ViewerState&)> change;
    std::vector<std::string> familyLines;  // go line and labels; empty when refused
    std::optional<ViewerMessage> box;
};

class FamilyRequest : public ::testing::Test {
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
        state.veduEnd = 100;  // April 2012
        state.avisoEnd = 120;
        state.reynoldsEnd = 110;
        state.ncity = 0;
    }

    void request(const Family& family, const std::function<void(Form&, ViewerState&)>& change,
                 int button = ButtonPlot) {
        Form form{port, family.dialog};
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
        std::vector<std::string> expected{"cancel mode journal"};
        expected.insert(expected.end(), c.familyLines.begin(), c.familyLines.end());
        expected.insert(expected.end(), {"ppl clsplt", spawnline()});
        expectlines(splitlines(file), expected);
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

const std::string Blanks44(44, ' ');

// ---- vertical sections ----

const std::string NsTitle = "label    2.50, -46.65,0,0,0.17 ";
const std::string NsQuarter = "label  -28.75, -13.30,0,0,0.17 ";
const std::string NsThreeQuarter = "label   33.75, -13.30,0,0,0.17 ";

const std::vector<RequestCase> verticalCases{
    {"north-south section", &Vertical, nullptr,
     {"go fer_temp_section N -60.0 65.0 54 54 0 500 220.0 220.0 0", NsTitle + "\"Vedu Temperature (^oC)\"",
      NsQuarter + "\"Jun 2008\"", NsThreeQuarter + "\"140.0^oW\""}, std::nullopt},
    {"east-west across the date line", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1040, 2).region(10, 'S', 65, 'N', 160, 'E', 160, 'W').dates(6, 5, 2, 6); },
     {"go fer_temp_section E -10.0 -10.0 54 62 0 500 160.0 200.0 0",
      "label  180.00, -46.65,0,0,0.17 \"Vedu Temperature (^oC)\"",
      "label  170.00, -13.30,0,0,0.17 \"Jun 2008 - Feb 2009\"", "label  190.00, -13.30,0,0,0.17 \" 10.0^oS\""}, std::nullopt},
    {"east-west from 160 W to 160 E", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1040, 2).region(10, 'N', 65, 'N', 160, 'W', 160, 'E'); },
     {"go fer_temp_section E 10.0 10.0 54 54 0 500 200.0 520.0 0",
      "label  360.00, -46.65,0,0,0.17 \"Vedu Temperature (^oC)\"", "label  280.00, -13.30,0,0,0.17 \"Jun 2008\"",
      "label  440.00, -13.30,0,0,0.17 \" 10.0^oN\""}, std::nullopt},
    {"north-south with one latitude", &Vertical, [](Form& f, ViewerState&) { f.region(65, 'N', 65, 'N', 140, 'W', 140, 'W'); },
     {}, ViewerMessage{"Must be 2D region", "Input error"}},
    {"east-west, 140 W equals 220 E", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1040, 2).region(10, 'N', 65, 'N', 140, 'W', 220, 'E'); }, {},
     ViewerMessage{"Must be 2D region", "Input error"}},
    {"real time beyond 30 degrees", &Vertical,
     [](Form& f, ViewerState&) { f.radio(1109, 2).region(30.5f, 'S', 30, 'N', 140, 'W', 140, 'W'); }, {},
     ViewerMessage{"Vedu real time data valid only \rbetween 30 South and 30 North", "Input error"}},
    {"real time at 30 S and 30 N", &Vertical,
     [](Form& f, ViewerState&) { f.radio(1109, 2).region(30, 'S', 30, 'N', 140, 'W', 140, 'W'); },
     {"go fer_temp_section_real_time N -30.0 30.0 0 500 220.0 220.0 0",
      "label    0.00, -46.65,0,0,0.17 \"Vedu Temperature (^oC)\"", "label  -15.00, -13.30,0,0,0.17 \"20-MAR-2012\"",
      "label   15.00, -13.30,0,0,0.17 \"140.0^oW\""}, std::nullopt},
    {"real-time dynamic height, plot type 2", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1052, 3).menu(1014, 2).radio(1109, 2).region(30, 'S', 30, 'N', 140, 'W', 140, 'W'); },
     {"go fer_dyn_ht_section_avg_real_time N -30.0 30.0 0 500 220.0 220.0 0 0",
      "label    0.00, -46.65,0,0,0.17 \"Vedu Dynamic Height 10 day average\"",
      "label  -15.00, -13.30,0,0,0.17 \"20-MAR-2012\"", "label   15.00, -13.30,0,0,0.17 \"140.0^oW\""}, std::nullopt},
    {"real time deeper than 600 dbar", &Vertical,
     [](Form& f, ViewerState&) { f.radio(1109, 2).levels(1, 8).region(30, 'S', 30, 'N', 140, 'W', 140, 'W'); }, {},
     ViewerMessage{"Real time data pressure valid only to 600 dbar", "Invalid input"}},
    {"monthly average: start month only, no time label, beyond the grid end", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1014, 4).dates(6, 10, 0, 0); },
     {"go fer_temp_section_avg N -60.0 65.0 6 0 500 220.0 220.0 0",
      NsTitle + "\"Vedu Temperature (^oC)      June Average(2004-2011)\"", "label    2.50, -13.30,0,0,0.17 \"140.0^oW\""}, std::nullopt},
    {"monthly average of dynamic height in March", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1052, 3).menu(1014, 4).dates(3, 5, 0, 0).levels(1, 11); },
     {"go fer_dyn_ht_section_avg N -60.0 65.0 3 0 1000 220.0 220.0 0 0",
      "label    2.50, -93.30,0,0,0.17 \"Vedu Dynamic Height     March Average(2004-2012)\"",
      "label    2.50, -26.60,0,0,0.17 \"140.0^oW\""}, std::nullopt},
    {"monthly average with the disabled end before the start", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1014, 4).dates(6, 5, 1, 5); }, {},
     ViewerMessage{"Please enter End date either equal to\ror greater than Start date.", "Input error"}},
    {"monthly anomaly", &Vertical, [](Form& f, ViewerState&) { f.menu(1052, 2).menu(1014, 3).dates(6, 5, 8, 5); },
     {"go fer_psal_section_monthly_anom N -60.0 65.0 54 6 0 500 220.0 220.0 0",
      NsTitle + "\"Vedu Salinity Anomaly from Monthly Mean\"", NsQuarter + "\"Jun 2008\"", NsThreeQuarter + "\"140.0^oW\""}, std::nullopt},
    {"equal levels, dynamic height", &Vertical, [](Form& f, ViewerState&) { f.menu(1052, 3).levels(6, 6); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent pressure values.", "Input Error"}},
    {"equal depths, geostrophic velocity", &Vertical,
     [](Form& f, ViewerState&) { f.menu(1052, 5).levels(6, 6, VerticalDepth); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent depth values.", "Input Error"}},
    {"equal levels, temperature", &Vertical, [](Form& f, ViewerState&) { f.levels(6, 6); },
     {"go fer_temp_section N -60.0 65.0 54 54 500 500 220.0 220.0 0", "label    2.50, 500.00,0,0,0.17 \"Vedu Temperature (^oC)\"",
      "label  -28.75, 500.00,0,0,0.17 \"Jun 2008\"", "label   33.75, 500.00,0,0,0.17 \"140.0^oW\""}, std::nullopt},
    {"upper below lower", &Vertical, [](Form& f, ViewerState&) { f.levels(6, 2); }, {},
     ViewerMessage{"Please re-enter 3) Vertical units, such that \rUpper is less than or equal to Lower value.", "Input Error"}},
    {"after the grid end", &Vertical, [](Form& f, ViewerState&) { f.dates(5, 9, 0, 0); }, {},
     ViewerMessage{" Vedu grid current through Apr2012", "Input out of range"}},
    {"depth and fill levels", &Vertical,
     [](Form& f, ViewerState&) { f.levels(1, 15, VerticalDepth).radio(1073, 2).text(1077, "(2,6,.5)"); },
     {"go fer_temp_section N -60.0 65.0 54 54 0 1900 220.0 220.0 1 (2,6,.5)",
      "label    2.50,-177.27,0,0,0.17 \"Vedu Temperature (^oC)\"", "label  -28.75, -50.54,0,0,0.17 \"Jun 2008\"",
      "label   33.75, -50.54,0,0,0.17 \"140.0^oW\""}, std::nullopt},
    {"no plot type", &Vertical, [](Form& f, ViewerState&) { f.menu(1052, 2).menu(1014, 0); }, {},
     ViewerMessage{"This option is not fully coded yet.\rWe will fix soon!", "Coding Fix"}},
};

TEST_F(FamilyRequest, VerticalSections) {
    for (const RequestCase& c : verticalCases) run(c);
}

}  // namespace
