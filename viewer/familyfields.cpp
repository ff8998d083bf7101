// familyfields.cpp - keeps dialogs 105, 104, 109 and 110 consistent while the user edits them:
// plot types, level items and units, property wording, dates, region and fill-level fields.
#include <initializer_list>
#include <string>
#include <vector>

#include "buoys.hpp"
#include "levels.hpp"
#include "linerequest.hpp"
#include "prodrequest.hpp"
#include "runlog.hpp"
#include "timerequest.hpp"
#include "vertrequest.hpp"

namespace {

constexpr int FieldProperty = IDC_PROPERTY, FieldPlotType = IDC_PLOT_TYPE;

void setstates(ViewerPort& port, std::initializer_list<int> fields, int state) {
    for (int field : fields) port.fieldState(field, state);
}

// A buoy chosen in the menu fills the coordinates; item 1 changes nothing.
void chosenbuoy(ViewerPort& port) {
    const int item = port.getMenu(FieldBuoyMenu);
    if (item > 1) buoyselect(port, item, "line");
}

// Items whose wording follows the vertical unit.
std::vector<std::string> worded(std::vector<std::string> items, std::initializer_list<int> numbers, int unit,
                                const std::string& pressure, const std::string& depth) {
    if (unit != VerticalDepth) return items;
    for (int i : numbers) {
        std::string& item = items[static_cast<std::size_t>(i - 1)];
        item.replace(item.find(pressure), pressure.size(), depth);
    }
    return items;
}

const std::vector<std::string> seriesProperties{
    "Vedu temperature (pressure vs time)",         "Vedu temperature (time vs longitude)",
    "Vedu salinity (pressure vs time)",            "Vedu salinity (time vs longitude)",
    "Vedu potential density (pressure vs time)",   "Vedu potential density (time vs longitude)",
    "Vedu dynamic height (time vs longitude)",     "Aviso altimetric height (time vs longitude)",
    "Reynolds sea surface temperature (time vs longitude)",
};

const std::vector<std::string> lineProperties{
    "Vedu temperature vs time",        "Vedu temperature vs pressure",
    "Vedu temperature vs latitude",    "Vedu temperature vs longitude",
    "Vedu salinity vs time",           "Vedu salinity vs pressure",
    "Vedu salinity vs latitude",       "Vedu salinity vs longitude",
    "Vedu temperature vs salinity",    "Vedu temperature & salinity vs pressure",
    "Vedu dynamic height vs time",     "Vedu dynamic height vs latitude",
    "Vedu dynamic height vs longitude", "Aviso altimetric height vs time",
    "Reynolds sea surface temperature vs time",
};

constexpr const char* SevenYears = "Difference from  7 year mean (2004-2010)";

}  // namespace

void vertviewfields(ViewerPort& port, int, int grey) {
    port.undefinedAsZero();
    port.select(VerticalDialog);
    const int p = port.getMenu(FieldProperty);
    const bool northSouth = port.getMenu(IDC_DIRECTION) == 1;
    setstates(port, {IDC_EAST, IDC_EAST_LETTER}, northSouth ? 0 : 1);
    setstates(port, {IDC_NORTH, IDC_NORTH_LETTER}, northSouth ? 1 : 0);
    int q = port.getMenu(FieldPlotType);
    int& previous = plotfamily(FamilyId::Vertical).previousProperty;
    filllevelcheck(port, p, previous, "e.g.(2,6,.5)(6,12,1)(12,32,2)   No spaces   ");
    previous = p;
    const int r = port.getRadio(IDC_TIME_MODE);
    levelmenus(port, r, grey);

    if (r == TimeRealTime) {
        setstates(port, {IDC_START_MONTH, IDC_END_MONTH, IDC_END_YEAR, IDC_START_YEAR}, 0);
        if (p == 1 || p == 2) {
            port.putMenu(FieldPlotType, {"Property", SevenYears, "10 day anomaly", "10 day average"}, q);
        } else {
            if (q > 2) q = 1;
            port.putMenu(FieldPlotType, {"Property", "10 day average"}, q);
        }
        // Real-time data cover 30 S to 30 N only.
        const float lat2 = signedlatitude(port.getReal(IDC_NORTH), port.getMenu(IDC_NORTH_LETTER));
        const float lat1 = signedlatitude(port.getReal(IDC_SOUTH), port.getMenu(IDC_SOUTH_LETTER));
        if (lat2 > 30.0f) port.putReal(IDC_NORTH, 30.0f);
        if (lat1 < -30.0f) port.putReal(IDC_SOUTH, 30.0f);
        return;
    }
    if (q == 3) {
        setstates(port, {IDC_SECTION_END_DATE_CAPTION, IDC_END_MONTH, IDC_END_YEAR}, 0);
        setstates(port, {IDC_SECTION_START_DATE_CAPTION, IDC_START_MONTH, IDC_START_YEAR}, 1);
    } else if (q == 4) {
        setstates(port, {IDC_SECTION_END_DATE_CAPTION, IDC_END_MONTH, IDC_END_YEAR, IDC_START_YEAR}, 0);
        setstates(port, {IDC_SECTION_START_DATE_CAPTION, IDC_START_MONTH}, 1);
    } else {
        setstates(port, {IDC_SECTION_START_DATE_CAPTION, IDC_SECTION_END_DATE_CAPTION, IDC_START_MONTH, IDC_END_MONTH, IDC_START_YEAR, IDC_END_YEAR}, 1);
    }
    port.putMenu(FieldPlotType, {"Property", SevenYears, "Anomaly from monthly mean", "Monthly average"}, q);
}

void timeviewfields(ViewerPort& port, int grey, int) {
    port.undefinedAsZero();
    port.select(TimeSeriesDialog);
    const int p = port.getMenu(FieldProperty);
    runlogwrite({"timeviewfield,iprop=", p});
    const int q = port.getMenu(FieldPlotType);
    if (p == 8 || p == 9) {
        vertunitmode(port, 0);
    } else {
        vertunitmode(port, 1);
        levelmenus(port, TimeArchive, grey);
    }
    port.putMenu(FieldPlotType,
                 {"Property", p == 8 ? "Difference from  5 year mean (2004-2008)" : SevenYears, "Anomaly from monthly mean"}, q);
    setstates(port, {IDC_TIMESERIES_BUOY_CAPTION, IDC_TIMESERIES_OR, FieldBuoyMenu}, 1);
    chosenbuoy(port);
    int& previous = plotfamily(FamilyId::Time).previousProperty;
    filllevelcheck(port, p, previous, "e.g.(2,6,0.5)(6,30,2)(lo,hi,delta) No spaces");
    const int u = port.getRadio(FieldPressureButton);
    port.putMenu(FieldProperty, worded(seriesProperties, {1, 3, 5}, u, "(pressure vs time)", "(depth vs time)"), p);
    previous = p;
}

void lineviewfields(ViewerPort& port, int grey) {
    port.undefinedAsZero();
    port.select(LineDrawingDialog);
    const int p = port.getMenu(FieldProperty);
    chosenbuoy(port);
    const int q = port.getMenu(FieldPlotType);
    // A monthly anomaly against pressure, latitude or longitude has no end date.
    setstates(port, {IDC_END_DATE_CAPTION, IDC_END_MONTH, IDC_END_YEAR}, q == 3 && among(p, {2, 3, 4, 6, 7, 8}) ? 0 : 1);
    if (p == 14 || p == 15) {
        vertunitmode(port, 0);
    } else {
        vertunitmode(port, 1);
        levelmenus(port, TimeArchive, grey);
    }
    const int u = port.getRadio(FieldPressureButton);
    port.putMenu(FieldProperty, worded(lineProperties, {2, 6, 10}, u, "vs pressure", "vs depth"), p);
}

void prodviewfields(ViewerPort& port) {
    port.undefinedAsZero();
    port.select(ProductDialog);
    const int p = port.getMenu(FieldProperty);
    setstates(port, {IDC_VERTICAL_CAPTION, IDC_UPPER_LEVEL, IDC_UPPER_CAPTION, IDC_LOWER_LEVEL, IDC_LOWER_CAPTION, IDC_PRODUCTS_PRESSURE_CAPTION}, 0);
    // The time series have no plot type, region or land of their own.
    setstates(port, {IDC_PLOT_TYPE_CAPTION, IDC_PLOT_TYPE, IDC_PLACE_CAPTION, IDC_NORTH, IDC_NORTH_LETTER, IDC_SOUTH, IDC_SOUTH_LETTER, IDC_EAST, IDC_EAST_LETTER, IDC_WEST, IDC_WEST_LETTER, IDC_LAND_CAPTION, IDC_LAND},
              p >= 4 && p <= 8 ? 0 : 1);
    int& previous = plotfamily(FamilyId::Product).previousProperty;
    filllevelcheck(port, p, previous, "e.g.(8,22,2)(22,32,1)(lo,hi,delta) No spaces");
    previous = p;
    if (p >= 3 && p <= 8) {
        port.putRadio(FieldFillDefault);
        setstates(port, {IDC_FILL_CAPTION, FieldFillText, FieldFillDefault, FieldFillSpecify}, 0);
        port.putString(FieldFillExample, std::string(FillTextLength, ' '));
    } else {
        setstates(port, {IDC_FILL_CAPTION, FieldFillDefault, FieldFillSpecify}, 1);
    }
}
