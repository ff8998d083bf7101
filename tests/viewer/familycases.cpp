// familycases.cpp - the request cases of the four families and the form that fills their
// dialogs through a viewer port.
#include "familycases.hpp"

#include "requestlines.hpp"

#include <algorithm>

#include "buoys.hpp"
#include "levels.hpp"
#include "linerequest.hpp"
#include "prodrequest.hpp"
#include "timerequest.hpp"
#include "vertrequest.hpp"

namespace {

const std::vector<std::string> Months{"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
const std::vector<std::string> Years{"2004", "2005", "2006", "2007", "2008", "2009",
                                     "2010", "2011", "2012", "2013", "2014", "2015"};

}  // namespace

Form& Form::menu(int field, int selected, std::vector<std::string> items) {
    if (items.empty()) items = std::vector<std::string>(static_cast<std::size_t>(std::max(selected, 1)), "item");
    port.select(dialog);
    port.putMenu(field, items, selected);
    return *this;
}

Form& Form::radio(int first, int position) {
    const int second = first == 1105 ? 1106 : first == 1109 ? 1110 : 1075;
    port.select(dialog);
    putradio(port, first, position == 2 ? second : first);
    return *this;
}

Form& Form::real(int field, float value) {
    port.select(dialog);
    port.putReal(field, value);
    return *this;
}

Form& Form::text(int field, const std::string& value) {
    port.select(dialog);
    port.putString(field, value);
    return *this;
}

Form& Form::check(int field, int value) {
    port.select(dialog);
    putcheck(port, field, value);
    return *this;
}

Form& Form::levels(int upper, int lower, int unit) {
    radio(1105, unit);
    menu(1010, upper, depthtexts(unit));
    return menu(1036, lower, depthtexts(unit));
}

Form& Form::region(float lat1, char l1, float lat2, char l2, float lon1, char o1, float lon2, char o2) {
    real(1055, lat1).menu(1019, l1 == 'S' ? 2 : 1, {"N", "S"});
    real(1037, lat2).menu(1017, l2 == 'S' ? 2 : 1, {"N", "S"});
    real(1038, lon1).menu(1020, o1 == 'W' ? 2 : 1, {"E", "W"});
    return real(1039, lon2).menu(1018, o2 == 'W' ? 2 : 1, {"E", "W"});
}

Form& Form::dates(int m1, int y1, int m2, int y2) {
    menu(1025, m1, Months).menu(1064, y1, Years);
    return menu(1029, m2, Months).menu(1065, y2, Years);
}

namespace {

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

}  // namespace

const Family Vertical{FamilyId::Vertical, 105, "ver", verticaldefaults, plotvertview};
const Family TimeSeries{FamilyId::Time, 104, "tim", timedefaults, plottimeseries};
const Family LineDrawing{FamilyId::Line, 109, "lin", linedefaults, plotlinedrawing};
const Family Products{FamilyId::Product, 110, "pro", productdefaults, plotprodview};

void casestate(ViewerState& state, const std::string& scratch) {
    state.qvdir.assign("C:\\qv");
    state.qvdirLength = 5;
    state.qvtmp.assign(scratch);
    state.qvtmpLength = static_cast<int>(scratch.size());
    state.qvtmpq.assign("\"" + scratch + "\"");
    state.qvtmpqLength = state.qvtmpLength + 2;
    state.realTimeDate.assign("\"20-MAR-2012\"");
    state.veduEnd = 100;  // April 2012
    state.avisoEnd = 120;
    state.reynoldsEnd = 110;
    state.ncity = 0;
}

std::vector<std::string> expectedfile(const RequestCase& c, const std::string& quotedScratch) {
    return framedlines(c.familyLines, quotedScratch);
}

void setbuoys(ViewerState& state) {
    const struct {
        const char* name;
        int south, north, west, east;
    } boxes[] = {{"Choose  location", -5, 5, 140, 150},
                 {"Equatorial Pacific 140W", -2, 2, -142, -138},
                 {"Hawaii's box", 20, 25, -160, -155},
                 {"North Pacific", 30, 40, -170, -150}};
    state.ncity = 0;
    for (const auto& box : boxes) {
        BuoyRecord& record = buoytable[state.ncity++];
        record.name.ref().assign(box.name);
        record.south = box.south;
        record.north = box.north;
        record.west = box.west;
        record.east = box.east;
    }
}

namespace {

// ---- vertical sections ----

const std::string NsTitle = "label    2.50, -46.65,0,0,0.17 ";
const std::string NsQuarter = "label  -28.75, -13.30,0,0,0.17 ";
const std::string NsThreeQuarter = "label   33.75, -13.30,0,0,0.17 ";

}  // namespace

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

namespace {

// ---- time series ----

const std::string PlainTitle = "label   27.50,  -46.7,0,0,0.14 \"Time series of Vedu Temperature (^oC)\"";
const std::string SouthForty = "\"40.0^oS        \"";
const std::string HovTitle = "label  180.00,   58.9,0,0,0.14 ";
const std::string HovQuarter = "label  175.00,   55.4,0,0,0.14 ";
const std::string HovThreeQuarter = "label  185.00,   55.4,0,0,0.14 ";
const ViewerMessage LongitudeSpanBox{"This option works best with a longitude span \rgreater than 5 degrees.", "Input Error"};

}  // namespace

const std::vector<RequestCase> timeCases{
    {"pressure against time", &TimeSeries, nullptr,
     {"go fer_temp_time_series 1.0 54.0 0 500 -40.00 -40.00 220.00 220.00 0", PlainTitle,
      "label   14.25,  -13.3,0,0,0.14 " + SouthForty, "label   40.75,  -13.3,0,0,0.14 \"220.0^oE         \""},
     std::nullopt},
    {"Hovmoller across the date line", &TimeSeries,
     [](Form& f, ViewerState&) { f.menu(1052, 2).region(40, 'S', 40, 'S', 170, 'E', 170, 'W'); },
     {"go fer_temp_hovmoller 1.0 54.0 0 500 -40.00 -40.00 170.00 190.00", HovTitle + "\"Time series of Vedu Temperature (^oC)\"",
      HovQuarter + SouthForty, HovThreeQuarter + "\"Averaged    0- 500 dbar\""},
     std::nullopt},
    {"Hovmoller from 170 W to 170 E, in depth", &TimeSeries,
     [](Form& f, ViewerState&) { f.menu(1052, 4).levels(1, 6, VerticalDepth).region(40, 'S', 40, 'S', 170, 'W', 170, 'E'); },
     {"go fer_psal_hovmoller 1.0 54.0 0 500 -40.00 -40.00 190.00 530.00", "label  360.00,   58.9,0,0,0.14 \"Time series of Vedu Salinity\"",
      "label  275.00,   55.4,0,0,0.14 " + SouthForty, "label  445.00,   55.4,0,0,0.14 \"Averaged    0- 500  m  \""},
     std::nullopt},
    {"Hovmoller over 3 degrees", &TimeSeries,
     [](Form& f, ViewerState&) { f.menu(1052, 2).region(40, 'S', 40, 'S', 140, 'W', 137, 'W'); }, {}, LongitudeSpanBox},
    {"time series over the same 3 degrees", &TimeSeries,
     [](Form& f, ViewerState&) { f.region(40, 'S', 30, 'N', 140, 'W', 137, 'W'); },
     {"go fer_temp_time_series 1.0 54.0 0 500 -40.00 30.00 220.00 223.00 0", PlainTitle,
      "label   14.25,  -13.3,0,0,0.14 \"40.0^oS-30.0^oN\"", "label   40.75,  -13.3,0,0,0.14 \"220.0^oE-223.0^oE\""},
     std::nullopt},
    {"dynamic height on one level", &TimeSeries, [](Form& f, ViewerState&) { f.menu(1052, 7).levels(6, 6); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent pressure values.", "Input Error"}},
    {"dynamic height", &TimeSeries,
     [](Form& f, ViewerState&) { f.menu(1052, 7).menu(1014, 3).region(40, 'S', 40, 'S', 170, 'E', 170, 'W'); },
     {"go fer_dyn_ht_hovmoller_monthly_anom 1.0 54.0 0 500 -40.00 -40.00 170.00 190.00",
      HovTitle + "\"Time Series of Vedu Dynamic Height Anomaly from Monthly Mean\"", HovQuarter + SouthForty,
      HovThreeQuarter + "\"   0/ 500 dbar\""},
     std::nullopt},
    {"AVISO height on one level, beyond the Vedu end", &TimeSeries,
     [](Form& f, ViewerState&) { f.menu(1052, 8).menu(1014, 2).levels(6, 6).region(40, 'S', 40, 'S', 170, 'E', 170, 'W').dates(1, 1, 2, 10); },
     {"go fer_alt_ht_hovmoller_yearly_anom 1.0 110.0 -40.00 -40.00 170.00 190.00",
      "label/nouser 4.50,6.10,0,0,0.15 \"Time Series of Aviso Dynamic Height Difference from  5 Year Mean (2004-2008)\"",
      "label/nouser 4.50,5.60,0,0,0.15 " + SouthForty},
     std::nullopt},
    {"temperature beyond the Vedu end", &TimeSeries, [](Form& f, ViewerState&) { f.dates(1, 1, 2, 10); }, {},
     ViewerMessage{" Vedu grid current through Apr2012", "Input out of range"}},
    {"Reynolds beyond its end", &TimeSeries,
     [](Form& f, ViewerState&) { f.menu(1052, 9).region(40, 'S', 40, 'S', 170, 'E', 170, 'W').dates(1, 1, 3, 10); }, {},
     ViewerMessage{"Reynolds SST grid current through Feb2013", "Input out of range"}},
    {"end before start", &TimeSeries, [](Form& f, ViewerState&) { f.dates(6, 5, 1, 5); }, {},
     ViewerMessage{"Please enter End date either equal to\ror greater than Start date.", "Input error"}},
    {"archive depth beyond 1900 m", &TimeSeries, [](Form& f, ViewerState&) {
         f.radio(1105, VerticalDepth).menu(1010, 1, depthtexts(VerticalDepth)).menu(1036, 15, depthtexts(VerticalPressure));
     }, {}, ViewerMessage{"Depth valid only to 1900 meters", "Invalid input"}},
    {"a title place below 2", &TimeSeries, [](Form& f, ViewerState&) { f.dates(1, 1, 2, 1); },
     {"go fer_temp_time_series 1.0 2.0 0 500 -40.00 -40.00 220.00 220.00 0",
      "label    1.00,  -46.7,0,0,0.14 \"Time series of Vedu Temperature (^oC)\"", "label    1.25,  -13.3,0,0,0.14 " + SouthForty,
      "label    1.75,  -13.3,0,0,0.14 \"220.0^oE         \""},
     std::nullopt},
};

namespace {

// ---- line drawings ----

const std::string LevelNote = "label/nouser 7.05,0.70,0,0,0.15 ";
const std::string DateNote = "label/nouser 7.05,0.70,0,0,0.15 ";
const std::string LatitudeNote = "label/nouser 7.05,0.40,0,0,0.15 \"@C01640.0 ^oS           \"";
const std::string LongitudeNote = "label/nouser 7.05,0.10,0,0,0.15 \"@C016220.0 ^oE            \"";

}  // namespace

const std::vector<RequestCase> lineCases{
    {"temperature against time", &LineDrawing, nullptr,
     {"go fer_temp_line 1 1 54 0 500 -40.0 -40.0 220.0 220.0 0", LevelNote + "\"@C016Averaged    0- 500 dbar\"", LatitudeNote,
      LongitudeNote},
     std::nullopt},
    {"temperature against time over one month", &LineDrawing, [](Form& f, ViewerState&) { f.dates(1, 1, 1, 1); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent time values.", "Input Error"}},
    {"temperature against latitude at one latitude", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 3); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent latitude values.", "Input Error"}},
    {"temperature against longitude, 140 W and 220 E", &LineDrawing,
     [](Form& f, ViewerState&) { f.menu(1052, 4).region(40, 'S', 30, 'S', 140, 'W', 220, 'E'); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent longitude values.", "Input Error"}},
    {"salinity against depth on one level", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 6).levels(3, 3, VerticalDepth); }, {},
     ViewerMessage{"This calculation requires two  \rdifferent depth values.", "Input Error"}},
    {"monthly anomaly against pressure ignores the end", &LineDrawing,
     [](Form& f, ViewerState&) { f.menu(1052, 2).menu(1014, 3).dates(6, 5, 1, 5); },
     {"go fer_temp_line_monthly_anom 2 54 54 0 500 -40.0 -40.0 220.0 220.0 0",
      "label/nouser 4.10,6.10,0,0,0.15 \"Vedu Temperature Anomaly from Monthly Mean\"",
      DateNote + "\"@C016Jun 2008           \"", LatitudeNote, LongitudeNote},
     std::nullopt},
    {"monthly anomaly against pressure, end beyond the grid", &LineDrawing,
     [](Form& f, ViewerState&) { f.menu(1052, 2).menu(1014, 3).dates(6, 5, 1, 10); }, {},
     ViewerMessage{" Vedu grid current through Apr2012", "Input out of range"}},
    {"temperature against salinity: no Averaged", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 9); },
     {"go fer_temp_psal 1 1 54 0 500 -40.0 -40.0 220.0 220.0 0",
      "label/nouser 7.05,1.00,0,0,0.15 \"@C016            0- 500 dbar\"", DateNote + "\"@C016Jan 2004 - Jun 2008\"",
      LatitudeNote, LongitudeNote},
     std::nullopt},
    {"temperature against salinity as a difference", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 9).menu(1014, 2); },
     {}, ViewerMessage{"This combination is not an option.", "Not an option"}},
    {"T and S against pressure as an anomaly", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 10).menu(1014, 3); },
     {}, ViewerMessage{"This combination is not an option.", "Not an option"}},
    {"AVISO height, difference: no axis", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 14).menu(1014, 2); },
     {"go fer_alt_ht_line_yearly_anom 1 54 0 500 -40.0 -40.0 220.0 220.0",
      "label/nouser 4.10,6.10,0,0,0.15 \"Aviso Altimetric Height Difference from  5 Year Mean (2004-2008)\"", LatitudeNote,
      LongitudeNote},
     std::nullopt},
    {"AVISO height, anomaly: axis 1", &LineDrawing, [](Form& f, ViewerState&) { f.menu(1052, 14).menu(1014, 3); },
     {"go fer_alt_ht_line_monthly_anom 1 1 54 0 500 -40.0 -40.0 220.0 220.0",
      "label/nouser 4.10,6.10,0,0,0.15 \"Aviso Altimetric Height Anomaly from Monthly Mean\"", LatitudeNote, LongitudeNote},
     std::nullopt},
    {"a region and a level", &LineDrawing,
     [](Form& f, ViewerState&) { f.menu(1052, 7).levels(6, 6).region(10, 'S', 20, 'N', 170, 'E', 170, 'W'); },
     {"go fer_psal_line 3 1 54 500 500 -10.0 20.0 170.0 190.0 0", LevelNote + "\"@C016 500 dbar\"",
      "label/nouser 7.05,0.40,0,0,0.15 \"@C016Jan 2004 - Jun 2008\"",
      "label/nouser 7.05,0.10,0,0,0.15 \"@C016170.0 ^oE - 190.0^oE \""},
     std::nullopt},
};

// ---- derived products ----

const std::vector<RequestCase> productCases{
    {"mixed-layer depth over the whole globe", &Products,
     [](Form& f, ViewerState&) { f.menu(1052, 2).region(25, 'S', 25, 'N', 120, 'E', 120, 'E'); },
     {"go fer_mld 56 56 -25.0 25.0 120.0 480.0 1 0", "label 300.00, 32.92,0,0,0.17 \"Vedu Mixed Layer Depth\"",
      "label 300.00, 27.16,0,0,0.17 \"Aug 2008\""},
     std::nullopt},
    {"20-degree isotherm from 120 E to 70 W", &Products,
     [](Form& f, ViewerState&) { f.region(25, 'S', 25, 'N', 120, 'E', 70, 'W').radio(1073, 2).text(1077, "(8,22,2)"); },
     {"go fer_depth20 56 56 -25.0 25.0 120.0 290.0 1 0 (8,22,2)", "set view top",
      "label 121.00, 32.92,-1,0,0.17 \"Top: Depth of 20^o isotherm from Vedu data\"",
      "label 121.00, 27.16,-1,0,0.17 \"Bottom: Depth of 20^o isotherm anomaly from monthly mean\"",
      "label 288.00, 32.92,0,0,0.17 \"Aug 2008\""},
     std::nullopt},
    {"heat potential writes no fill levels", &Products,
     [](Form& f, ViewerState&) { f.menu(1052, 3).radio(1073, 2).text(1077, "(8,22,2)").dates(8, 5, 10, 5); },
     {"go fer_tchp 56 58 -25.0 25.0 120.0 290.0 1 0", "set view top",
      "label 121.00, 32.92,-1,0,0.17 \"Top: Vedu Tropical Cyclone Heat Potential (kJ/cm^2)\"",
      "label 121.00, 27.16,-1,0,0.17 \"Bottom: Vedu Tropical Cyclone Heat Potential anomaly from monthly mean\"",
      "label 285.00, 32.92,0,0,0.17 \"Aug 2008 - Oct 2008\""},
     std::nullopt},
    {"warm water volume over one month", &Products, [](Form& f, ViewerState&) { f.menu(1052, 4); }, {},
     ViewerMessage{"Please enter End date greater than Start date.", "Input error"}},
    {"warm water volume", &Products, [](Form& f, ViewerState&) { f.menu(1052, 4).dates(8, 5, 12, 5); },
     {"go fer_wwv 56 60", "label/nouser 4.10,5.70,0,0,0.17 \"Vedu Warm Water Volume\""}, std::nullopt},
    {"Reynolds Nino index against the Reynolds end", &Products, [](Form& f, ViewerState&) { f.menu(1052, 7).dates(1, 9, 2, 10); },
     {"go fer_nino_ind 3 97 110", "label 205.00, 32.92,0,0,0.17 \"Reynolds Nino-3\""}, std::nullopt},
    {"Reynolds Nino index beyond it", &Products, [](Form& f, ViewerState&) { f.menu(1052, 8).dates(1, 9, 3, 10); }, {},
     ViewerMessage{"Reynolds SST grid current through Feb2013", "Input out of range"}},
    {"Vedu Nino index against the Vedu end", &Products, [](Form& f, ViewerState&) { f.menu(1052, 5).dates(1, 9, 2, 10); }, {},
     ViewerMessage{" Vedu grid current through Apr2012", "Input out of range"}},
    {"a tall region, product only", &Products,
     [](Form& f, ViewerState&) { f.menu(1052, 2).region(0, 'N', 40, 'N', 100, 'E', 120, 'E'); },
     {"go fer_mld 56 56 0.0 40.0 100.0 120.0 1 0", "label 110.00, 44.16,0,0,0.17 \"Vedu Mixed Layer Depth\"",
      "label 110.00, 40.96,0,0,0.17 \"Aug 2008\""},
     std::nullopt},
    {"a tall region with stations", &Products,
     [](Form& f, ViewerState&) { f.menu(1052, 2).menu(1014, 2).menu(1045, 1).region(0, 'N', 40, 'N', 100, 'E', 120, 'E'); },
     {"go fer_mld 56 56 0.0 40.0 100.0 120.0 0 1", "label 110.00, 42.60,0,0,0.17 \"Vedu Mixed Layer Depth\"",
      "label 110.00, 40.60,0,0,0.17 \"Aug 2008\""},
     std::nullopt},
};

