// maprequest.cpp - the map request: reading dialog 103, the checks, the go line and the labels.
#include "maprequest.hpp"

#include <array>
#include <string_view>
#include <vector>

#include "base/convert.hpp"
#include "enddates.hpp"
#include "exports.hpp"
#include "levels.hpp"
#include "requestparts.hpp"
#include "resources/velquonids.h"

namespace {

// Fields of dialog 103.
constexpr int FieldProperty = IDC_PROPERTY, FieldPlotType = IDC_PLOT_TYPE;
constexpr int FieldNorth = IDC_NORTH, FieldNorthLetter = IDC_NORTH_LETTER, FieldSouth = IDC_SOUTH;
constexpr int FieldSouthLetter = IDC_SOUTH_LETTER, FieldWest = IDC_WEST, FieldWestLetter = IDC_WEST_LETTER;
constexpr int FieldEast = IDC_EAST, FieldEastLetter = IDC_EAST_LETTER;
constexpr int FieldTimeMode = IDC_TIME_MODE;
constexpr int FieldStartMonth = IDC_START_MONTH, FieldStartYear = IDC_START_YEAR, FieldEndMonth = IDC_END_MONTH;
constexpr int FieldEndYear = IDC_END_YEAR;
constexpr int FieldLand = IDC_LAND, FieldVectorX = IDC_VECTOR_X, FieldVectorY = IDC_VECTOR_Y;

// Argument lists of the go lines.
enum class GoList { A, Av, B, C, D, Dv, R, Rv, T, G, GD, GR, GRD, H, HC, HD };

constexpr unsigned bit(int n) { return 1u << n; }
constexpr unsigned P1 = bit(1), P2 = bit(2), P3 = bit(3), P4 = bit(4), P5 = bit(5), P6 = bit(6), P7 = bit(7),
                   P8 = bit(8);
constexpr unsigned Q1 = bit(1), Q2 = bit(2), Q3 = bit(3), Q4 = bit(4), Q5 = bit(5), Q6 = bit(6), Q7 = bit(7),
                   Q8 = bit(8);
constexpr int AnyTime = 0;
constexpr std::string_view AverageTitle = "";  // the monthly-average title of the property

struct GoRow {
    unsigned properties, plotTypes;
    int timeMode;  // 1 archive, 2 real time, 0 either
    std::string_view script;
    GoList list;
    std::string_view title;  // without its quotes
};

// Every combination that leads to a map; the others are not an option.
constexpr GoRow goRows[] = {
    {P1, Q1 | Q5, 1, "fer_temp_map", GoList::A, "Vedu Temperature (^oC)"},
    {P1, Q1 | Q5, 2, "fer_temp_map_real_time", GoList::R, "Vedu Temperature (^oC)"},
    {P1, Q2, 1, "fer_temp_map_yearly_anom", GoList::B, "Vedu Temperature Difference from  7 Year Mean (2004-2010) "},
    {P1, Q2, 2, "fer_temp_map_yearly_anom_real_time", GoList::R,
     "Vedu Temperature Difference from  7 Year Mean (2004-2010) "},
    {P1, Q3 | Q7, 1, "fer_temp_map_monthly_anom", GoList::C, "Vedu Temperature Anomaly from Monthly Mean"},
    {P1, Q3 | Q7, 2, "fer_temp_map_anom_real_time", GoList::R, "Vedu Temperature 10 day anomaly"},
    {P1, Q4 | Q8, 1, "fer_temp_map_avg", GoList::D, AverageTitle},
    {P1, Q4 | Q8, 2, "fer_temp_map_avg_real_time", GoList::R, "Vedu Temperature 10 day average"},
    {P1, Q6, 1, "fer_temp_station_loc", GoList::T, "Vedu Temperature station distribution"},
    {P2, Q1 | Q5, 1, "fer_psal_map", GoList::A, "Vedu Salinity"},
    {P2, Q1 | Q5, 2, "fer_psal_map_real_time", GoList::R, "Vedu Salinity"},
    {P2, Q2, 1, "fer_psal_map_yearly_anom", GoList::B, "Vedu Salinity Difference from  7 Year Mean (2004-2010) "},
    {P2, Q2, 2, "fer_psal_map_yearly_anom_real_time", GoList::R,
     "Vedu Salinity Difference from  7 Year Mean (2004-2010) "},
    {P2, Q3 | Q7, 1, "fer_psal_map_monthly_anom", GoList::C, "Vedu Salinity Anomaly from Monthly Mean"},
    {P2, Q3 | Q7, 2, "fer_psal_map_anom_real_time", GoList::R, "Vedu Salinity 10 day anomaly"},
    {P2, Q4 | Q8, 1, "fer_psal_map_avg", GoList::D, AverageTitle},
    {P2, Q4 | Q8, 2, "fer_psal_map_avg_real_time", GoList::R, "Vedu Salinity 10 day average"},
    {P2, Q6, 1, "fer_psal_station_loc", GoList::T, "Vedu Salinity station distribution"},
    {P3, Q1 | Q5, 1, "fer_dyn_ht_map", GoList::Av, "Vedu Dynamic Height"},
    {P3, Q1 | Q5, 2, "fer_dyn_ht_map_real_time", GoList::Rv, "Vedu Dynamic Height"},
    {P6, Q1 | Q5, 1, "fer_dyn_ht_map", GoList::Av, "Vedu Dynamic Height with Geostrophic Velocity"},
    {P6, Q1 | Q5, 2, "fer_dyn_ht_map_real_time", GoList::Rv, "Vedu Dynamic Height with Geostrophic Velocity"},
    {P3, Q2, 1, "fer_dyn_ht_map_yearly_anom", GoList::B,
     "Vedu Dynamic Height Difference from  7 Year Mean (2004-2010) "},
    {P3, Q3 | Q7, 1, "fer_dyn_ht_map_monthly_anom", GoList::C, "Vedu Dynamic Height Anomaly from Monthly Mean"},
    {P3 | P6, Q4 | Q8, 1, "fer_dyn_ht_map_avg", GoList::Dv, AverageTitle},
    {P3, Q4 | Q8, 2, "fer_dyn_ht_map_avg_real_time", GoList::Rv, "Vedu Dynamic Height 10 day average"},
    {P6, Q4 | Q8, 2, "fer_dyn_ht_map_avg_real_time", GoList::Rv,
     "Vedu Dynamic Height with Geostrophic Velocity 10 day average"},
    {P4, Q1 | Q5, 1, "fer_podens_map", GoList::A, "Vedu Potential Density"},
    {P4, Q1 | Q5, 2, "fer_podens_map_real_time", GoList::R, "Vedu Potential Density"},
    {P4, Q2, 1, "fer_podens_map_yearly_anom", GoList::B,
     "Vedu Potential Density Difference from  7 Year Mean (2004-2010) "},
    {P4, Q3 | Q7, 1, "fer_podens_map_monthly_anom", GoList::C, "Vedu Potential Density Anomaly from Monthly Mean"},
    {P4, Q4 | Q8, 1, "fer_podens_map_avg", GoList::D, AverageTitle},
    {P4, Q4 | Q8, 2, "fer_podens_map_avg_real_time", GoList::R, "Vedu Potential Density 10 day average"},
    {P4, Q6, 1, "fer_psal_station_loc", GoList::T, "Vedu Potential Density station distribution"},
    {P5, Q1, 1, "fer_geo_vel_map", GoList::G, "Vedu Geostrophic Velocity"},
    {P5, Q1, 2, "fer_geo_vel_map_real_time", GoList::GR, "Vedu Geostrophic Velocity"},
    {P5, Q4, 1, "fer_geo_vel_map_avg", GoList::GD, AverageTitle},
    {P5, Q4, 2, "fer_geo_vel_map_avg_real_time", GoList::GRD, "Vedu Geostrophic Velocity 10 day average"},
    // AVISO and Reynolds whatever the time mode: script and title from satelliteRows.
    {P7 | P8, Q4, AnyTime, "", GoList::HD, AverageTitle},
    {P7 | P8, Q3, AnyTime, "", GoList::HC, ""},
    {P7 | P8, Q2, AnyTime, "", GoList::H, ""},
    {P7 | P8, Q1, AnyTime, "", GoList::H, ""},
};

// AVISO (p = 7) and Reynolds (p = 8): script suffix and title by plot type 1..4.
struct SatelliteRow {
    std::string_view suffix, aviso, reynolds;
};
constexpr std::array<SatelliteRow, 4> satelliteRows{{
    {"_map", "Aviso Altimetric Height (cm)", "Reynolds Sea Surface Temperature"},
    {"_map_yearly_anom", "Aviso Altimetric Height Difference from  5 Year Mean (2004-2008)  ",
     "Reynolds SST Difference from  7 Year Mean (2004-2010) "},
    {"_map_monthly_anom", "Aviso Altimetric Height Anomaly from Monthly Mean", "Reynolds SST Anomaly from Monthly Mean"},
    {"_map_avg", "", ""},
}};

// Monthly-average titles by property; "September" and the four blanks after "2004-" are
// overwritten.
constexpr std::array<std::string_view, 8> averageTitles{
    "Vedu Temperature (^oC) September Average(2004-    )",
    "Vedu Salinity (psu) September Average(2004-    ) ",
    "Vedu Dynamic Height September Average(2004-    ) ",
    "Vedu Potential Density September Average(2004-    )",
    "Vedu Geostrophic Velocity September Average(2004-    )",
    "Vedu Dynamic Height with Geostrophic Velocity September Average(2004-    )",
    "Aviso Altimetric Height September Average(2004-    )",
    "Reynolds SST September Average(2004-    )",
};

constexpr ShapeFactors MapShapes{{{0.095f, 0.026f}, {0.0833f, 0.0266f}, {0.065f, 0.015f}}};

// The values of one request after reading and checking.
struct MapValues {
    int p = 0, q = 0, c = 0, r = 0;
    int upper = 0, lower = 0;
    float south = 0, north = 0, west = 0, east = 0;
    int t1 = 0, t2 = 0, m1 = 0;
    int station = 0, vector = 0, land = 0, vx = 0, vy = 0;
    std::string levels;
};

std::vector<ListItem> golist(GoList list, const MapValues& v) {
    const ListItem t1(v.t1), t2(v.t2), m1(v.m1), up(v.upper), low(v.lower), s(v.south), n(v.north), w(v.west),
        e(v.east), land(v.land), st(v.station), vec(v.vector), c(v.c), lev(v.levels), vx(v.vx), vy(v.vy);
    switch (list) {
    case GoList::A: return {t1, t2, up, low, s, n, w, e, land, st, c, lev};
    case GoList::Av: return {t1, t2, up, low, s, n, w, e, land, st, vec, c, lev};
    case GoList::B: return {t1, t2, up, low, s, n, w, e, land, c, lev};
    case GoList::C: return {t1, m1, up, low, s, n, w, e, land, st, c, lev};
    case GoList::D: return {m1, up, low, s, n, w, e, land, st, c, lev};
    case GoList::Dv: return {m1, up, low, s, n, w, e, land, st, vec, c, lev};
    case GoList::R: return {up, low, s, n, w, e, land, c, lev};
    case GoList::Rv: return {up, low, s, n, w, e, land, vec, c, lev};
    case GoList::T: return {t1, t2, up, low, s, n, w, e, land, c};
    case GoList::G: return {t1, t2, up, low, s, n, w, e, land, vx, vy, c};
    case GoList::GD: return {m1, up, low, s, n, w, e, land, vx, vy, c};
    case GoList::GR: return {up, low, s, n, w, e, land, vx, vy, c};
    case GoList::GRD: return {up, low, s, n, w, e, land, vx, vy};
    case GoList::H: return {t1, t2, s, n, w, e, land, lev};
    case GoList::HC: return {t1, m1, s, n, w, e, land, lev};
    case GoList::HD: return {m1, s, n, w, e, land, lev};
    }
    return {};
}

// The end index of the property's data set.
int dataend(int p, const MapDataEnds& ends) {
    if (p == 7) return ends.avisoEnd;
    if (p == 8) return ends.reynoldsEnd;
    return ends.veduEnd;
}

std::string averagetitle(const MapValues& v, const MapDataEnds& ends) {
    std::string title(averageTitles[static_cast<std::size_t>(v.p - 1)]);
    const int end = dataend(v.p, ends);
    const int year = monthtexts(end).year;
    const int lastYear = v.m1 <= monthofyear(end) ? year : year - 1;
    title.replace(title.find("September"), 9, monthtexts(v.t1).monthName);
    title.replace(title.find("2004-") + 5, 4, integer4(lastYear));
    return title;
}

const GoRow* findgorow(int p, int q, int r) {
    for (const GoRow& row : goRows)
        if ((row.properties & bit(p)) && (row.plotTypes & bit(q)) && (row.timeMode == AnyTime || row.timeMode == r))
            return &row;
    return nullptr;
}

// The level label text (without quotes) of properties 1 to 6.
std::string levellabel(const MapValues& v) {
    const std::string unit = v.c == 1 ? " m  " : "dbar";
    if (v.p >= 3) return integer4(v.upper) + "/" + integer4(v.lower) + " " + unit;
    if (v.upper == v.lower) return "at " + integer4(v.upper) + " " + unit + "   ";
    return "Averaged " + integer4(v.upper) + "-" + integer4(v.lower) + " " + unit + "  ";
}

// Go line and labels, or nothing for a combination that is not an option.
std::optional<std::vector<std::string>> maplines(const MapValues& v, const MapDataEnds& ends,
                                                  std::string_view realTimeDate) {
    const GoRow* row = (v.p >= 1 && v.p <= 8 && v.q >= 1 && v.q <= 8) ? findgorow(v.p, v.q, v.r) : nullptr;
    if (row == nullptr) return std::nullopt;

    std::string script(row->script);
    std::string title(row->title);
    if (v.p == 7 || v.p == 8) {
        const SatelliteRow& satellite = satelliteRows[static_cast<std::size_t>(v.q - 1)];
        script = std::string(v.p == 7 ? "fer_alt_ht" : "fer_sst") + std::string(satellite.suffix);
        title = v.p == 7 ? satellite.aviso : satellite.reynolds;
    }
    const bool average = title.empty();
    if (average) title = averagetitle(v, ends);

    std::vector<ListItem> items{"go", script};
    const std::vector<ListItem> values = golist(row->list, v);
    items.insert(items.end(), values.begin(), values.end());

    // Label layout in the map's own coordinates.
    const float dx = v.east - v.west;
    const float xc = v.west + dx / 2.0f;
    const float x1 = v.west + (xc - v.west) / 2.0f;
    const float x2 = xc + (v.east - xc) / 2.0f;
    const float dy = v.north - v.south;
    const LabelFactors k = labelfactors(MapShapes, dy, dx);
    const float y1 = v.north + dy * k.title;
    const float y2 = v.north + dy * k.note;
    const float dateX = (v.p == 7 || v.p == 8) ? xc : x1;

    std::vector<std::string> lines{listdirected(items), labelline(average && v.p == 6 ? MapSmallTitle : MapLabel, xc, y1, quoted(title))};
    float levelX = x2;
    if ((v.q == 4 || v.q == 8) && v.r == TimeArchive) {
        levelX = xc;
    } else if (v.r == TimeRealTime) {
        lines.push_back(labelline(MapLabel, dateX, y2, realTimeDate));
    } else if (v.t1 == v.t2 || v.q == 3) {
        lines.push_back(labelline(MapLabel, dateX, y2, quoted(monthtexts(v.t1).date)));
    } else {
        lines.push_back(
            labelline(MapLabel, dateX, y2, quoted(monthtexts(v.t1).date + " - " + monthtexts(v.t2).date)));
    }
    if (v.p <= 6) lines.push_back(labelline(MapLabel, levelX, y2, quoted(levellabel(v))));
    return lines;
}

}  // namespace

void readmapfields(ViewerPort& port, MapFields& f) {
    f.property = port.getMenu(FieldProperty);
    f.plotType = port.getMenu(FieldPlotType);
    f.verticalMode = port.getRadio(FieldPressureButton);
    f.upperItem = port.getMenu(FieldUpperLevel, &f.upperText);
    f.lowerItem = port.getMenu(FieldLowerLevel, &f.lowerText);
    f.north = port.getReal(FieldNorth);
    f.south = port.getReal(FieldSouth);
    f.east = port.getReal(FieldEast);
    f.west = port.getReal(FieldWest);
    f.southLetter = port.getMenu(FieldSouthLetter);
    f.northLetter = port.getMenu(FieldNorthLetter);
    f.westLetter = port.getMenu(FieldWestLetter);
    f.eastLetter = port.getMenu(FieldEastLetter);
    f.timeMode = port.getRadio(FieldTimeMode);
    f.startMonth = port.getMenu(FieldStartMonth);
    f.startYear = port.getMenu(FieldStartYear);
    f.endMonth = port.getMenu(FieldEndMonth);
    f.endYear = port.getMenu(FieldEndYear);
    f.landItem = port.getMenu(FieldLand);
    f.vectorX = port.getMenu(FieldVectorX);
    f.vectorY = port.getMenu(FieldVectorY);
    f.fillChoice = port.getRadio(FieldFillDefault);
    f.fillLevels = f.fillChoice == 2 ? port.getString(FieldFillText, FillTextLength) : std::string();
}

MapOutcome maprequestlines(const MapFields& f, const MapDataEnds& ends) {
    MapOutcome out;
    MapValues v;
    v.p = f.property;
    v.q = f.plotType;
    v.vector = v.p == 6 ? 1 : 0;
    out.request.vectorClass = v.p == 6 ? 2 : 0;
    v.station = among(v.q, {5, 7, 8}) ? 1 : 0;
    v.c = f.verticalMode == VerticalDepth ? 1 : 0;

    menutodepthinteger(f.upperItem, v.upper, f.upperText, f.verticalMode);
    menutodepthinteger(f.lowerItem, v.lower, f.lowerText, f.verticalMode);
    if (v.q == 6) v.upper = v.lower = 0;

    v.north = f.northLetter == 2 ? -f.north : f.north;
    v.south = f.southLetter == 2 ? -f.south : f.south;
    v.west = f.west;
    v.east = f.east;
    int westLetter = f.westLetter, eastLetter = f.eastLetter;
    longconv(v.west, westLetter, 1);
    longconv(v.east, eastLetter, 1);
    if (v.west == v.east) v.east += 360.0f;
    v.r = f.timeMode;

    if (std::optional<ViewerMessage> limit = depthlimitmessage(f.verticalMode, v.upper, v.lower, v.r)) {
        out.refusal = limit;
        return out;
    }
    if (v.r == TimeRealTime) {
        if (v.south < -30.0f || v.south > 30.0f || v.north > 30.0f || v.north < -30.0f) {
            out.refusal = RealTimeRegion;
            return out;
        }
        // Real time offers "10 day average" as the second plot type of these properties.
        if (v.p > 2 && v.p < 7 && v.q == 2) v.q = 4;
    }

    const int m1 = f.startMonth, y1 = f.startYear;
    const int m2 = (f.endMonth == 0 || f.endMonth == -999) ? m1 : f.endMonth;
    const int y2 = (f.endYear == 0 || f.endYear == -999) ? y1 : f.endYear;
    if (!among(v.q, {3, 4, 7, 8}) && (y1 > y2 || (y1 == y2 && m1 > m2))) {
        out.refusal = DateOrder;
        return out;
    }
    v.m1 = m1;
    v.t1 = (y1 - 1) * 12 + m1;
    v.t2 = (y2 - 1) * 12 + m2;

    if (!among(v.q, {4, 8}) && v.r == TimeArchive) {
        const int end = dataend(v.p, ends);
        if (v.t1 > end || v.t2 > end) {
            out.refusal = dataendmessage(v.p == 7 ? DataGrid::Aviso : v.p == 8 ? DataGrid::Reynolds : DataGrid::Vedu, end);
            return out;
        }
    }

    v.land = f.landItem - 1;
    v.vx = f.vectorX;
    v.vy = f.vectorY;
    v.levels = std::string(FillTextLength, ' ');
    if (f.fillChoice == 2) v.levels = Text<FillTextLength>(f.fillLevels).view();

    if (v.lower < v.upper) {
        out.refusal = LevelOrder;
        return out;
    }
    if (v.upper == v.lower && among(v.p, {3, 5, 6})) {
        out.refusal = v.c == 0 ? TwoPressures : TwoDepths;
        return out;
    }
    if (v.east < v.west) v.east += 360.0f;

    std::optional<std::vector<std::string>> lines = maplines(v, ends, ends.realTimeDate);
    if (!lines) {
        out.refusal = NotAnOption;
        return out;
    }
    out.request.lines = *lines;
    out.request.property = v.p;
    out.request.plotType = v.q;
    out.request.landFlag = v.land;
    return out;
}

void plotmapview(ViewerPort& port, ViewerState& state, int button) {
    plotrequest(port, state, FamilyId::Map, -1, button, [](ViewerPort& port, const ViewerState& state) {
        MapFields fields;
        readmapfields(port, fields);
        return maprequestlines(fields, {state.veduEnd, state.avisoEnd, state.reynoldsEnd,
                                        std::string(state.realTimeDate.view())});
    });
}
