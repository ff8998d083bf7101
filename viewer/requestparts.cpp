// requestparts.cpp - refusal boxes, data-end messages, month texts and label numbers shared by
// the plot families.
#include "requestparts.hpp"

#include <cmath>
#include <vector>

#include "base/convert.hpp"
#include "base/text.hpp"
#include "enddates.hpp"
#include "levels.hpp"
#include "resources/velquonids.h"

const ViewerMessage RealTimeRegion{"Vedu real time data valid only \rbetween 30 South and 30 North", "Input error"};
const ViewerMessage DateOrder{"Please enter End date either equal to\ror greater than Start date.", "Input error"};
const ViewerMessage LevelOrder{"Please re-enter 3) Vertical units, such that \rUpper is less than or equal to Lower value.",
                               "Input Error"};
const ViewerMessage TwoPressures{"This calculation requires two  \rdifferent pressure values.", "Input Error"};
const ViewerMessage TwoDepths{"This calculation requires two  \rdifferent depth values.", "Input Error"};

ViewerMessage dataendmessage(DataGrid grid, int end) {
    std::string text = grid == DataGrid::Aviso      ? "Aviso grid current through Dec2007"
                       : grid == DataGrid::Reynolds ? "Reynolds SST grid current through Dec2007"
                                                    : " Vedu grid current through Dec2007";
    const std::string date = monthtexts(end).date;
    text.replace(text.size() - 7, 7, date.substr(0, 3) + date.substr(4, 4));
    return {text, "Input out of range"};
}

int gridend(DataGrid grid, const ViewerState& state) {
    return grid == DataGrid::Aviso ? state.avisoEnd : grid == DataGrid::Reynolds ? state.reynoldsEnd : state.veduEnd;
}

bool among(int value, std::initializer_list<int> set) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

// Appended piece by piece: GCC 12 takes operator+ on a literal for an overlapping copy (-Wrestrict).
std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    result.append(text);
    result += '"';
    return result;
}

std::string formatinteger(int value, std::string_view format, int width) {
    std::vector<char> field(static_cast<std::size_t>(width), ' ');
    IntegerToString(value, TextRef(field.data(), field.size()), format);
    return std::string(field.begin(), field.end());
}

std::string formatreal(float value, std::string_view format, int width) {
    std::vector<char> field(static_cast<std::size_t>(width), ' ');
    IRealToString(value, TextRef(field.data(), field.size()), format);
    return std::string(field.begin(), field.end());
}

std::string integer4(int value) { return formatinteger(value, "(I4)", 4); }

LabelFactors labelfactors(const ShapeFactors& table, float height, float width) {
    const float ratio = height / width;
    return table[ratio < 0.5f ? 0 : ratio < 2.0f ? 1 : 2];
}

std::string labelline(const LabelLayout& layout, float x, float y, std::string_view text) {
    std::string line(layout.command);
    line += ' ';
    line += formatreal(x, layout.xFormat, layout.xWidth);
    line += ',';
    line += formatreal(y, layout.yFormat, layout.yWidth);
    line += layout.rest;
    line += ' ';
    line += text;
    return line;
}

MonthTexts monthtexts(int monthIndex) {
    Text<8> date;
    Text<9> name;
    Text<6> monthYear;
    MonthTexts texts;
    writedate(monthIndex, date, name, texts.year, monthYear);
    texts.date = std::string(date.view());
    texts.monthName = std::string(name.view());
    return texts;
}

int monthofyear(int monthIndex) { return monthIndex - ((monthIndex - 1) / 12) * 12; }

int endorstart(int endItem, int startItem) { return endItem == 0 || endItem == -999 ? startItem : endItem; }

void readlevels(ViewerPort& port, LevelFields& levels) {
    levels.verticalMode = port.getRadio(FieldPressureButton);
    levels.upperItem = port.getMenu(FieldUpperLevel, &levels.upperText);
    levels.lowerItem = port.getMenu(FieldLowerLevel, &levels.lowerText);
}

void readregion(ViewerPort& port, RegionFields& region) {
    region.latitude2 = port.getReal(IDC_NORTH);
    region.latitude1 = port.getReal(IDC_SOUTH);
    region.longitude2 = port.getReal(IDC_EAST);
    region.longitude1 = port.getReal(IDC_WEST);
    region.latitude1Letter = port.getMenu(IDC_SOUTH_LETTER);
    region.latitude2Letter = port.getMenu(IDC_NORTH_LETTER);
    region.longitude1Letter = port.getMenu(IDC_WEST_LETTER);
    region.longitude2Letter = port.getMenu(IDC_EAST_LETTER);
}

void readdates(ViewerPort& port, DateFields& dates) {
    dates.startMonth = port.getMenu(IDC_START_MONTH);
    dates.startYear = port.getMenu(IDC_START_YEAR);
    dates.endMonth = port.getMenu(IDC_END_MONTH);
    dates.endYear = port.getMenu(IDC_END_YEAR);
}

std::optional<ViewerMessage> levelrefusal(const LevelFields& levels, int timeMode, int& upper, int& lower) {
    menutodepthinteger(levels.upperItem, upper, levels.upperText, levels.verticalMode);
    menutodepthinteger(levels.lowerItem, lower, levels.lowerText, levels.verticalMode);
    if (std::optional<ViewerMessage> limit = depthlimitmessage(levels.verticalMode, upper, lower, timeMode)) return limit;
    if (upper > lower) return LevelOrder;
    return std::nullopt;
}

const ViewerMessage& twolevels(int verticalMode) { return verticalMode == VerticalPressure ? TwoPressures : TwoDepths; }

std::string readfilllevels(ViewerPort& port) {
    if (port.getRadio(FieldFillDefault) != 2) return std::string(FillTextLength, ' ');
    return std::string(Text<FillTextLength>(port.getString(FieldFillText, FillTextLength)).view());
}

Corners signedcorners(const RegionFields& g) {
    return {signedlatitude(g.latitude1, g.latitude1Letter), signedlatitude(g.latitude2, g.latitude2Letter),
            signedlongitude(g.longitude1, g.longitude1Letter), signedlongitude(g.longitude2, g.longitude2Letter)};
}

Corners eastcorners(const RegionFields& g) {
    return {signedlatitude(g.latitude1, g.latitude1Letter), signedlatitude(g.latitude2, g.latitude2Letter),
            eastlongitude(g.longitude1, g.longitude1Letter), eastlongitude(g.longitude2, g.longitude2Letter)};
}

BuoyRegion buoyregion(const RegionFields& region, int ncity) {
    const Corners corners = signedcorners(region);
    return {eastcorners(region),
            buoymatch(corners.latitude1, corners.longitude1, corners.latitude2, corners.longitude2, ncity)};
}

std::string unitword(int verticalMode) { return verticalMode == VerticalDepth ? " m  " : "dbar"; }

float signedlatitude(float value, int letter) { return letter == 2 ? -value : value; }

float eastlongitude(float value, int letter) {
    longconv(value, letter, 1);
    return value;
}

float signedlongitude(float value, int letter) { return letter == 2 ? -value : value; }

std::string hemisphere(int letter) { return letter == 2 ? "^oS" : "^oN"; }

std::string latituderange(float latitude1, int letter1, float latitude2, int letter2, std::string_view gap,
                          std::string_view joint) {
    std::string text = formatreal(std::fabs(latitude1), "(F4.1)", 4);
    text.append(gap).append(hemisphere(letter1));
    if (latitude2 != latitude1)
        text.append(joint).append(formatreal(std::fabs(latitude2), "(F4.1)", 4)).append(gap).append(hemisphere(letter2));
    return text;
}

std::string longituderange(float longitude1, std::string_view firstUnit, float longitude2, std::string_view joint) {
    std::string text = formatreal(longitude1, "(F5.1)", 5);
    text.append(firstUnit);
    if (longitude2 != longitude1) text.append(joint).append(formatreal(longitude2, "(F5.1)", 5)).append("^oE");
    return text;
}
