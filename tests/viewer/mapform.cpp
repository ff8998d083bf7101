// mapform.cpp - puts a map form into dialog 103 through a viewer port.
#include "mapform.hpp"

namespace {

std::vector<std::string> numbered(int first, int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back(std::to_string(first + i));
    return items;
}

// The button at position 1 or 2 of the groups 1105/1106, 1109/1110 and 1073/1075.
int groupbutton(int first, int position) {
    if (position != 2) return first;
    return first == FieldFillDefault ? FieldFillSpecify : first + 1;
}

}  // namespace

void fillmapform(ViewerPort& port, const MapForm& form, void (*putradio)(ViewerPort&, int, int)) {
    port.select(MapDialog);
    const std::vector<std::string> months{"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    port.putMenu(1052, std::vector<std::string>(8, "property"), form.property);
    port.putMenu(1014, std::vector<std::string>(8, "plot type"), form.plotType);
    putradio(port, 1105, groupbutton(1105, form.verticalMode));
    port.putMenu(1010, form.levelItems, form.upperItem);
    port.putMenu(1036, form.levelItems, form.lowerItem);
    port.putReal(1037, form.north);
    port.putReal(1055, form.south);
    port.putReal(1038, form.west);
    port.putReal(1039, form.east);
    port.putMenu(1017, {"N", "S"}, form.northLetter);
    port.putMenu(1019, {"N", "S"}, form.southLetter);
    port.putMenu(1020, {"E", "W"}, form.westLetter);
    port.putMenu(1018, {"E", "W"}, form.eastLetter);
    putradio(port, 1109, groupbutton(1109, form.timeMode));
    port.putMenu(1025, months, form.startMonth);
    port.putMenu(1064, numbered(2004, 12), form.startYear);
    port.putMenu(1029, months, form.endMonth);
    std::vector<std::string> endYears = numbered(2004, 12);
    endYears.push_back(" ");
    port.putMenu(1065, endYears, form.endYear);
    port.putMenu(1045, {"Land with 200m and 1000m bathymetry  (slower)", "Land only  (faster)"}, form.landItem);
    port.putMenu(1059, {"1", "2", "3"}, form.vectorX);
    port.putMenu(1060, {"1", "2", "3"}, form.vectorY);
    putradio(port, 1073, groupbutton(1073, form.fillChoice));
    port.putString(1077, form.fillLevels);
}
