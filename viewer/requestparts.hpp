// requestparts.hpp - what the plot families' checks and labels share: the refusal boxes, the
// data-end messages, month texts and the fixed-format numbers of label lines.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "buoys.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

// Refusals common to several families.
extern const ViewerMessage RealTimeRegion;
extern const ViewerMessage DateOrder;
extern const ViewerMessage LevelOrder;
extern const ViewerMessage TwoPressures;
extern const ViewerMessage TwoDepths;

// The grids whose last month a request is checked against.
enum class DataGrid { Vedu, Aviso, Reynolds };
// "<grid> grid current through Mmmyyyy" with the end month in its last seven characters.
ViewerMessage dataendmessage(DataGrid grid, int end);
// The last month of the grid.
int gridend(DataGrid grid, const ViewerState& state);

bool among(int value, std::initializer_list<int> set);
std::string quoted(std::string_view text);
// A number with a Fortran edit format such as "(I4)" or "(F7.2)".
std::string formatinteger(int value, std::string_view format, int width);
std::string formatreal(float value, std::string_view format, int width);
// I4, the level format of every label.
std::string integer4(int value);

// How a family writes a label line: command, x and y in their fixed-point formats, the rest of
// the place (angle, centring, size), a blank, the text (which carries its own quotes).
struct LabelLayout {
    std::string_view command;  // "label": the plot's own coordinates; "label/nouser": the page's
    std::string_view xFormat;
    int xWidth;
    std::string_view yFormat;
    int yWidth;
    std::string_view rest;     // ",0,0,0.17"
};
// Map labels and titles (maps and the products' maps), and the smaller title of long ones.
constexpr LabelLayout MapLabel{"label", "(F6.2)", 6, "(F6.2)", 6, ",0,0,0.17"};
constexpr LabelLayout MapSmallTitle{"label", "(F6.2)", 6, "(F6.2)", 6, ",0,0,0.15"};
// Places on the page, in inches: notes and titles beside or above a plot.
constexpr LabelLayout PageNote{"label/nouser", "(F4.2)", 4, "(F4.2)", 4, ",0,0,0.15"};
constexpr LabelLayout PageTitle{"label/nouser", "(F4.2)", 4, "(F4.2)", 4, ",0,0,0.17"};
std::string labelline(const LabelLayout& layout, float x, float y, std::string_view text);

// How far above a map's top edge its title and its notes stand, as shares of its height, by the
// region's shape: wide (height under half the width), middling (under twice), tall.
struct LabelFactors {
    float title, note;
};
using ShapeFactors = std::array<LabelFactors, 3>;
LabelFactors labelfactors(const ShapeFactors& table, float height, float width);

// The texts of a month index (January 2004 = 1).
struct MonthTexts {
    std::string date;       // "Mmm yyyy"
    std::string monthName;  // 9 characters, right-aligned
    int year = 0;
};
MonthTexts monthtexts(int monthIndex);
// The calendar month 1..12 of a month index.
int monthofyear(int monthIndex);

// An end menu with nothing selected (0, or -999 from older undefined values) takes the start's item.
int endorstart(int endItem, int startItem);

// Fields that several plot dialogs share, read as items and values (menus from 1, 0 for none).
struct LevelFields {
    int verticalMode = 1;  // group 1105: 1 pressure, 2 depth
    int upperItem = 1, lowerItem = 1;
    std::string upperText = "0", lowerText = "0";
};
struct RegionFields {
    float latitude1 = 0, latitude2 = 0, longitude1 = 0, longitude2 = 0;  // 1055, 1037, 1038, 1039
    int latitude1Letter = 1, latitude2Letter = 1;                        // 1 N, 2 S
    int longitude1Letter = 1, longitude2Letter = 1;                      // 1 E, 2 W
};
struct DateFields {
    int startMonth = 1, startYear = 1, endMonth = 0, endYear = 0;  // years count 2004 as 1
};
void readlevels(ViewerPort& port, LevelFields& levels);
void readregion(ViewerPort& port, RegionFields& region);
void readdates(ViewerPort& port, DateFields& dates);
// The levels of the selected items, and the first refusal of their limit and order checks.
std::optional<ViewerMessage> levelrefusal(const LevelFields& levels, int timeMode, int& upper, int& lower);
// The equal-levels refusal of the unit.
const ViewerMessage& twolevels(int verticalMode);

// The fill-level text: 44 blanks, or field 1077 when "Specify levels" is chosen.
std::string readfilllevels(ViewerPort& port);

// The four coordinates of a region: latitudes negative south, longitudes negative west (as the
// buoy boxes are) or in degrees east (as the scripts take them).
struct Corners {
    float latitude1 = 0, latitude2 = 0, longitude1 = 0, longitude2 = 0;
};
Corners signedcorners(const RegionFields& region);
Corners eastcorners(const RegionFields& region);
// The corners of a time-series or line-drawing request in degrees east, and the buoy of its
// corners (the menu goes back to its first item when buoys were read and none matched).
struct BuoyRegion {
    Corners east;
    BuoyMatch match;
};
BuoyRegion buoyregion(const RegionFields& region, int ncity);
// The unit word of level labels: "dbar", or " m  " for depth.
std::string unitword(int verticalMode);

// The signed latitude of a value and its letter (2 is "S").
float signedlatitude(float value, int letter);
// A longitude in degrees east (longconv), and signed (negative west) as the buoy match takes it.
float eastlongitude(float value, int letter);
float signedlongitude(float value, int letter);
// "^oN", or "^oS" for letter 2.
std::string hemisphere(int letter);
// The latitude note of a region: |latitude1| (F4.1), gap, its hemisphere; for two different
// latitudes then joint and the second the same way.
std::string latituderange(float latitude1, int letter1, float latitude2, int letter2, std::string_view gap,
                          std::string_view joint);
// The longitude note: longitude1 (F5.1) and firstUnit; for two different longitudes then joint,
// longitude2 (F5.1) and "^oE".
std::string longituderange(float longitude1, std::string_view firstUnit, float longitude2, std::string_view joint);
