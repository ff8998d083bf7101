// mapcases.cpp - the map request cases: a change of the default form and what it gives.
#include "mapcases.hpp"

namespace {

const std::string BaseGo = "go fer_temp_map 54 54 0 500 -60.0 25.0 130.0 250.0 1 0 0";
const std::string TitleAt = "label 190.00, 32.08,0,0,0.17 ";
const std::string DateAt = "label 160.00, 27.26,0,0,0.17 ";
const std::string LevelAt = "label 220.00, 27.26,0,0,0.17 ";
const std::string CentreLow = "label 190.00, 27.26,0,0,0.17 ";

}  // namespace

const std::vector<MapCase> mapCases{
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

