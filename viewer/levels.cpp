// levels.cpp - level menus, level limits, unit captions, the vertical-unit and fill-level groups
// and longitude conversion.
#include "levels.hpp"

#include <array>
#include <cmath>

#include "base/convert.hpp"

namespace {

struct DepthLimit {
    int timeMode, verticalMode, limit;
    const char* message;
};

constexpr std::array<DepthLimit, 4> depthLimits{{
    {TimeArchive, VerticalPressure, 2000, "Pressure valid only to 2000 dbar"},
    {TimeArchive, VerticalDepth, 1900, "Depth valid only to 1900 meters"},
    {TimeRealTime, VerticalPressure, 600, "Real time data pressure valid only to 600 dbar"},
    {TimeRealTime, VerticalDepth, 500, "Real time data depth valid only to 500 meters"},
}};

constexpr std::array<int, 12> vertUnitFields{IDC_VERTICAL_CAPTION, IDC_VERTICAL_UNITS_CAPTION, IDC_UPPER_CAPTION,
                                              IDC_LOWER_CAPTION,    IDC_UPPER_LEVEL,            IDC_LOWER_LEVEL,
                                              IDC_PRESSURE_BUTTON,  IDC_DEPTH_BUTTON,           IDC_PRESSURE_CAPTION,
                                              IDC_DEPTH_CAPTION,    IDC_UPPER_UNIT,             IDC_LOWER_UNIT};
constexpr int FieldPressureCaption = IDC_PRESSURE_CAPTION, FieldDepthCaption = IDC_DEPTH_CAPTION;
constexpr int FieldUpperUnit = IDC_UPPER_UNIT, FieldLowerUnit = IDC_LOWER_UNIT;

}  // namespace

void menutodepthinteger(int, int& level, std::string_view text, int) {
    float value = 0.0f;
    IStringToReal(text.substr(0, 4), value);
    level = static_cast<int>(std::lround(value));
}

std::optional<ViewerMessage> depthlimitmessage(int verticalMode, int upper, int lower, int timeMode) {
    for (const DepthLimit& rule : depthLimits) {
        const bool depth = verticalMode != VerticalPressure;
        if ((rule.timeMode == TimeRealTime) != (timeMode == TimeRealTime)) continue;
        if ((rule.verticalMode == VerticalDepth) != depth) continue;
        if (upper > rule.limit || lower > rule.limit) return ViewerMessage{rule.message, "Invalid input"};
    }
    return std::nullopt;
}

void checkdepthdbarorm(ViewerPort& port, int verticalMode, int upper, int lower, int timeMode, int& failure) {
    failure = 0;
    if (std::optional<ViewerMessage> message = depthlimitmessage(verticalMode, upper, lower, timeMode)) {
        showmessage(port, *message);
        failure = 1;
    }
}

void realtimedepth(int& first, int& second, int verticalMode, int& n) {
    n = verticalMode == VerticalPressure ? 7 : 6;
    for (int* value : {&first, &second}) {
        if (*value == 0) *value = 1;
        if (*value > n) *value = n;
    }
}

std::vector<std::string> depthtexts(int verticalMode) {
    std::vector<std::string> items{"0",   "100", "200", "300",  "400",  "500",  "600", "700",
                                   "800", "900", "1000", "1250", "1500", "1750", "2000"};
    if (verticalMode != VerticalPressure) items.back() = "1900";
    return items;
}

void dbarorm(ViewerPort& port, int verticalMode, int grey, std::vector<std::string>& depthList) {
    port.undefinedAsZero();
    if (verticalMode == VerticalPressure) {
        port.putString(FieldUpperUnit, "(dbar)");
        port.putString(FieldLowerUnit, "(dbar)");
        port.textColour(FieldPressureCaption, -1);
        port.textColour(FieldDepthCaption, grey);
    } else {
        port.putString(FieldUpperUnit, "(m)   ");
        port.putString(FieldLowerUnit, "(m)   ");
        port.textColour(FieldPressureCaption, grey);
        port.textColour(FieldDepthCaption, -1);
    }
    port.fieldState(FieldPressureCaption, 1);
    port.fieldState(FieldDepthCaption, 1);
    depthList = depthtexts(verticalMode);
}

void levelmenus(ViewerPort& port, int timeMode, int grey) {
    const int u = port.getRadio(FieldPressureButton);
    std::string upperText, lowerText;
    const int upperItem = port.getMenu(FieldUpperLevel, &upperText);
    const int lowerItem = port.getMenu(FieldLowerLevel, &lowerText);
    int upper = 0, lower = 0;
    menutodepthinteger(upperItem, upper, upperText, u);
    menutodepthinteger(lowerItem, lower, lowerText, u);
    std::vector<std::string> depthList;
    dbarorm(port, u, grey, depthList);
    int n = DepthItemCount;
    if (timeMode == TimeRealTime) realtimedepth(upper, lower, u, n);
    const std::vector<std::string> offered(depthList.begin(), depthList.begin() + n);
    port.putMenu(FieldUpperLevel, offered, upperItem);
    port.putMenu(FieldLowerLevel, offered, lowerItem);
}

void vertunitmode(ViewerPort& port, int state) {
    port.undefinedAsZero();
    for (int field : vertUnitFields) port.fieldState(field, state);
}

void filllevelcheck(ViewerPort& port, int property, int previousProperty, std::string_view example) {
    port.undefinedAsZero();
    const int choice = port.getRadio(FieldFillDefault);
    if (choice == 2 && property == previousProperty) {
        port.fieldState(FieldFillText, 1);
        port.putString(FieldFillExample, example);
        return;
    }
    // Levels typed for one property do not fit another.
    if (choice == 2) port.putRadio(FieldFillDefault);
    const std::string blank(FillTextLength, ' ');
    port.fieldState(FieldFillText, 0);
    port.putString(FieldFillExample, blank);
}

void longconv(float& longitude, int& letterItem, int mode) {
    if (mode == 1 && letterItem == 2) {
        longitude = (180.0f - longitude) + 180.0f;
        letterItem = 1;
    }
}
