// buoymenus.cpp - the virtual buoys in the dialogs: filling the coordinates from a buoy's box,
// the buoy menus, and the match of a request's corners against the boxes.
#include <cstdlib>
#include <vector>

#include "buoys.hpp"
#include "resources/velquonids.h"

namespace {

constexpr int FieldLatitude1 = IDC_SOUTH, FieldLatitude1Letter = IDC_SOUTH_LETTER;
constexpr int FieldLongitude1 = IDC_WEST, FieldLongitude1Letter = IDC_WEST_LETTER;
constexpr int FieldLatitude2 = IDC_NORTH, FieldLatitude2Letter = IDC_NORTH_LETTER;
constexpr int FieldLongitude2 = IDC_EAST, FieldLongitude2Letter = IDC_EAST_LETTER;

void putcoordinate(ViewerPort& port, int field, int letterField, int value, const char* positive, const char* negative) {
    port.putReal(field, static_cast<float>(std::abs(value)));
    port.putMenu(letterField, {positive, negative}, value < 0 ? 2 : 1);
}

}  // namespace

void buoyselect(ViewerPort& port, int i, std::string_view) {
    if (i < 1 || i > MaxBuoys) return;
    const BuoyRecord& box = buoytable[i - 1];
    putcoordinate(port, FieldLatitude1, FieldLatitude1Letter, box.south, "N", "S");
    putcoordinate(port, FieldLongitude1, FieldLongitude1Letter, box.west, "E", "W");
    putcoordinate(port, FieldLatitude2, FieldLatitude2Letter, box.north, "N", "S");
    putcoordinate(port, FieldLongitude2, FieldLongitude2Letter, box.east, "E", "W");
}

void resetbuoymenu(ViewerPort& port, int n) {
    std::vector<std::string> names;
    for (int i = 0; i < n && i < MaxBuoys; ++i) names.emplace_back(buoytable[i].name.view());
    port.putMenu(FieldBuoyMenu, names, 1);
}

void loadbuoymenu(ViewerPort& port, int n) {
    if (n <= 0) return;
    resetbuoymenu(port, n);
    buoyselect(port, 1, "line");
}

BuoyMatch buoymatch(float latitude1, float longitude1, float latitude2, float longitude2, int n) {
    BuoyMatch match;
    if (n <= 0) return match;
    int first = 0;
    buoycompare(latitude1, longitude1, n, first);
    if (first != 0) buoycompare(latitude2, longitude2, n, match.buoy);
    match.resetMenu = match.buoy == 0;
    return match;
}
