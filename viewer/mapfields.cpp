// mapfields.cpp - keeps dialog 103 consistent while the user edits it.
#include "mapfields.hpp"

#include <initializer_list>
#include <string>
#include <vector>

#include "levels.hpp"
#include "maprequest.hpp"

namespace {

constexpr int FieldProperty = IDC_PROPERTY, FieldPlotType = IDC_PLOT_TYPE, FieldTimeMode = IDC_TIME_MODE;
constexpr int FieldNorth = IDC_NORTH, FieldNorthLetter = IDC_NORTH_LETTER, FieldSouth = IDC_SOUTH, FieldSouthLetter = IDC_SOUTH_LETTER;
constexpr int FieldFillLabel = IDC_FILL_CAPTION;
constexpr std::string_view FillExample = "e.g.(8,22,2)(22,32,1)(lo,hi,delta) No spaces";

const std::vector<std::string> propertyItems{
    "Temperature - Vedu data",
    "Salinity - Vedu data",
    "Dynamic height - Vedu data",
    "Potential density - Vedu data",
    "Geostrophic Velocity - Vedu data",
    "Dynamic height with Geostrophic Velocity - Vedu data",
    "Altimetric height - AVISO data",
    "Sea Surface Temperature - Reynolds data",
};

int previousProperty = 1;

void setstates(ViewerPort& port, std::initializer_list<int> fields, int state) {
    for (int field : fields) port.fieldState(field, state);
}

// The plot-type items with items 2 to 4 as given.
std::vector<std::string> plottypeitems(const char* second, const char* third, const char* fourth) {
    return {"Property", second, third, fourth, "Property with station distribution", "Station distribution at surface",
            "Anomaly from monthly mean with station distribution", "Monthly average with station distribution"};
}

std::vector<std::string> firstitems(const std::vector<std::string>& items, int n) {
    return {items.begin(), items.begin() + n};
}

void realtimeoffers(ViewerPort& port, int p, int q) {
    setstates(port, {IDC_START_MONTH, IDC_END_MONTH, IDC_START_YEAR, IDC_END_YEAR}, 0);
    if (p == 7 || p == 8) p = 1;
    if (p == 1 || p == 2) {
        if (q > 4) q = 1;
        port.putMenu(FieldPlotType,
                     firstitems(plottypeitems("Difference from  7 year mean (2004-2010)", "10 day anomaly",
                                              "10 day average"),
                                4),
                     q);
    } else {
        if (q > 2) q = 1;
        port.putMenu(FieldPlotType, {"Property", "10 day average"}, q);
    }
    port.putMenu(FieldProperty, firstitems(propertyItems, 6), p);

    // Real-time data cover 30 S to 30 N only.
    float north = port.getReal(FieldNorth), south = port.getReal(FieldSouth);
    if (port.getMenu(FieldNorthLetter) == 2) north = -north;
    if (port.getMenu(FieldSouthLetter) == 2) south = -south;
    if (north > 30.0f) port.putReal(FieldNorth, 30.0f);
    if (south < -30.0f) port.putReal(FieldSouth, 30.0f);
}

void archiveoffers(ViewerPort& port, int p, int q) {
    if (q == 3 || q == 7) {
        setstates(port, {IDC_END_DATE_CAPTION, IDC_END_MONTH, IDC_END_YEAR}, 0);
        setstates(port, {IDC_START_DATE_CAPTION, IDC_START_MONTH, IDC_START_YEAR}, 1);
    } else if (q == 4 || q == 8) {
        setstates(port, {IDC_END_DATE_CAPTION, IDC_END_MONTH, IDC_END_YEAR, IDC_START_YEAR}, 0);
        setstates(port, {IDC_START_DATE_CAPTION, IDC_START_MONTH}, 1);
    } else {
        setstates(port, {IDC_START_DATE_CAPTION, IDC_START_MONTH, IDC_START_YEAR, IDC_END_DATE_CAPTION, IDC_END_MONTH, IDC_END_YEAR}, 1);
    }
    port.putMenu(FieldProperty, propertyItems, p);
    const char* difference =
        p == 7 ? "Difference from  5 year mean (2004-2008)" : "Difference from  7 year mean (2004-2010)";
    const std::vector<std::string> items = plottypeitems(difference, "Anomaly from monthly mean", "Monthly average");
    port.putMenu(FieldPlotType, firstitems(items, (p == 7 || p == 8) ? 4 : 8), q);
}

}  // namespace

void resetmapviewfields() { previousProperty = 1; }

void mapviewfields(ViewerPort& port, int grey, int) {
    port.undefinedAsZero();
    port.select(MapDialog);
    const int p = port.getMenu(FieldProperty);
    const int q = port.getMenu(FieldPlotType);
    const int r = port.getRadio(FieldTimeMode);

    if (p == 7 || p == 8 || (q == 6 && p >= 1 && p <= 6))
        vertunitmode(port, 0);
    else {
        vertunitmode(port, 1);
        levelmenus(port, r, grey);
        setstates(port, {IDC_LOWER_LEVEL, IDC_UPPER_CAPTION, IDC_LOWER_CAPTION}, 1);
    }

    setstates(port, {IDC_VECTOR_DENSITY_CAPTION, IDC_VECTOR_X_CAPTION, IDC_VECTOR_Y_CAPTION, IDC_VECTOR_X, IDC_VECTOR_Y}, p == 5 ? 1 : 0);

    filllevelcheck(port, p, previousProperty, FillExample);
    previousProperty = p;
    if (p == 5) {
        // Vectors are drawn with the default levels only.
        port.putRadio(FieldFillDefault);
        setstates(port, {FieldFillLabel, FieldFillText, FieldFillDefault, FieldFillSpecify}, 0);
        port.putString(FieldFillExample, std::string(FillTextLength, ' '));
    } else {
        setstates(port, {FieldFillLabel, FieldFillDefault, FieldFillSpecify}, 1);
    }

    if (r == TimeRealTime)
        realtimeoffers(port, p, q);
    else
        archiveoffers(port, p, q);
    port.show(-1, -1, 0, 2);
}
