// timerequest.cpp - the time-series request: reading dialog 104, the checks, the formatted go
// line, the title and the location or buoy labels.
#include "timerequest.hpp"

#include <array>
#include <cmath>
#include <vector>

#include "buoys.hpp"
#include "exports.hpp"
#include "levels.hpp"

namespace {

struct TimeProperty {
    std::string_view script;
    std::array<std::string_view, 3> titles;  // plot types 1..3
};
constexpr std::array<TimeProperty, 9> timeProperties{{
    {"fer_temp_time_series",
     {"Time series of Vedu Temperature (^oC)", "Time Series of Vedu Temperature Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Temperature Anomaly from Monthly Mean"}},
    {"fer_temp_hovmoller",
     {"Time series of Vedu Temperature (^oC)", "Time Series of Vedu Temperature Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Temperature Anomaly from Monthly Mean"}},
    {"fer_psal_time_series",
     {"Time series of Vedu Salinity", "Time Series of Vedu Salinity Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Salinity Anomaly from Monthly Mean"}},
    {"fer_psal_hovmoller",
     {"Time series of Vedu Salinity", "Time Series of Vedu Salinity Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Salinity Anomaly from Monthly Mean"}},
    {"fer_podens_time_series",
     {"Time series of Vedu Potential Density",
      "Time Series of Vedu Potential Density Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Potential Density Anomaly from Monthly Mean"}},
    {"fer_podens_hovmoller",
     {"Time series of Vedu Potential Density",
      "Time Series of Vedu Potential Density Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Potential Density Anomaly from Monthly Mean"}},
    {"fer_dyn_ht_hovmoller",
     {"Time series of Vedu Dynamic Height", "Time Series of Vedu Dynamic Height Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Vedu Dynamic Height Anomaly from Monthly Mean"}},
    {"fer_alt_ht_hovmoller",
     {"Time series of Aviso Altimetric Height",
      "Time Series of Aviso Dynamic Height Difference from  5 Year Mean (2004-2008)",
      "Time Series of Aviso Altimetric Height Anomaly from Monthly Mean"}},
    {"fer_sst_hovmoller",
     {"Time series of Reynolds Sea Surface Temperature",
      "Time Series of Reynolds SST Difference from  7 Year Mean (2004-2010) ",
      "Time Series of Reynolds Sea Surface Temperature Anomaly from Monthly Mean"}},
}};

const ViewerMessage LongitudeSpan{"This option works best with a longitude span \rgreater than 5 degrees.", "Input Error"};

// Labels in the plot's own coordinates: time or longitude, and pressure, depth or time.
constexpr LabelLayout TimeLabel{"label", "(F7.2)", 7, "(F7.1)", 7, ",0,0,0.14"};

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

DataGrid timegrid(int p) { return p == 8 ? DataGrid::Aviso : p == 9 ? DataGrid::Reynolds : DataGrid::Vedu; }

}  // namespace

void readtimeseriesfields(ViewerPort& port, TimeSeriesFields& f) {
    f.property = port.getMenu(IDC_PROPERTY);
    f.plotType = port.getMenu(IDC_PLOT_TYPE);
    readlevels(port, f.levels);
    readregion(port, f.region);
    readdates(port, f.dates);
    f.fillLevels = readfilllevels(port);
}

BuoyRequestOutcome timeseriesrequestlines(const TimeSeriesFields& f, const ViewerState& state) {
    BuoyRequestOutcome result;
    RequestOutcome& out = result.outcome;
    const int p = f.property, q = f.plotType, u = f.levels.verticalMode;
    const std::string unit = unitword(u);
    const int depthFlag = u == VerticalDepth ? 1 : 0;
    int top = 0, bottom = 0;
    out.refusal = levelrefusal(f.levels, TimeArchive, top, bottom);
    if (out.refusal) return result;
    if (top == bottom && among(p, {1, 3, 5, 7})) {
        out.refusal = twolevels(u);
        return result;
    }

    const RegionFields& g = f.region;
    const auto [east, match] = buoyregion(g, state.ncity);
    result.resetBuoyMenu = match.resetMenu;
    const float lat1 = east.latitude1, lat2 = east.latitude2, lon1 = east.longitude1;
    float lon2 = east.longitude2;

    const bool timeSeries = among(p, {1, 3, 5});
    if (!timeSeries && std::fabs(lon2 - lon1) < 5.0f) {
        out.refusal = LongitudeSpan;
        return result;
    }
    const DateFields& d = f.dates;
    if (d.endYear < d.startYear || (d.endYear == d.startYear && d.endMonth < d.startMonth)) {
        out.refusal = DateOrder;
        return result;
    }
    const int t1 = (d.startYear - 1) * 12 + d.startMonth, t2 = (d.endYear - 1) * 12 + d.endMonth;
    const DataGrid grid = timegrid(p);
    if (t1 > gridend(grid, state) || t2 > gridend(grid, state)) {
        out.refusal = dataendmessage(grid, gridend(grid, state));
        return result;
    }
    if (p < 1 || p > 9 || q < 1 || q > 3) {
        out.refusal = NotAnOption;
        return result;
    }

    // Location texts.
    const std::string latitudeText = padded(latituderange(lat1, g.latitude1Letter, lat2, g.latitude2Letter, "", "-"), 15);
    const std::string longitudeText = padded(longituderange(lon1, "^oE", lon2, "-"), 17);
    const std::string levelText =
        padded(top == bottom ? std::string(9, ' ') + integer4(top) + " " + unit
                             : "Averaged " + integer4(top) + "-" + integer4(bottom) + " " + unit,
               23);
    const std::string heightText =
        padded(top == bottom ? integer4(top) : integer4(top) + "/" + integer4(bottom) + " " + unit, 14);

    // Plot geometry: a time axis for the time series, a longitude axis for the Hovmollers.
    float a = static_cast<float>(t1), b = static_cast<float>(t2);
    float titleHeight = static_cast<float>(top) - static_cast<float>(bottom - top) * 0.0933f;
    float noteHeight = static_cast<float>(top) - static_cast<float>(bottom - top) * 0.0266f;
    if (!timeSeries) {
        if (lon2 < lon1) lon2 += 360.0f;
        a = lon1;
        b = lon2;
        titleHeight = static_cast<float>(t2) + static_cast<float>(t2 - t1) * 0.0933f;
        noteHeight = static_cast<float>(t2) + static_cast<float>(t2 - t1) * 0.0266f;
    }
    float mid = a + (b - a) * 0.5f;
    const float quarter = a + (mid - a) * 0.5f, threeQuarter = mid + (b - mid) * 0.5f;
    if (mid < 2.0f) mid = 1.0f;

    static constexpr std::array<std::string_view, 3> suffixes{"", "_yearly_anom", "_monthly_anom"};
    const TimeProperty& property = timeProperties[static_cast<std::size_t>(p - 1)];
    std::string go = "go " + std::string(property.script) + std::string(suffixes[static_cast<std::size_t>(q - 1)]) + " " +
                     formatreal(static_cast<float>(t1), "(F5.1)", 5) + " " +
                     formatreal(static_cast<float>(t2), "(F5.1)", 5) + " ";
    if (p <= 7) go += integer4(top) + " " + integer4(bottom) + " ";
    for (float value : {lat1, lat2, lon1, lon2}) go += formatreal(value, "(F8.2)", 8);
    go += " ";
    if (timeSeries) go += formatinteger(depthFlag, "(I1)", 1) + " ";
    go += f.fillLevels;

    std::vector<std::string>& lines = out.request.lines;
    lines.push_back(go);
    const std::string title = quoted(property.titles[static_cast<std::size_t>(q - 1)]);
    const bool surface = p >= 8;
    lines.push_back(surface ? labelline(PageNote, 4.50f, 6.10f, title) : labelline(TimeLabel, mid, titleHeight, title));
    if (match.buoy >= 2) {
        Text<BuoyNameLength> name;
        scancity(state.ncity, match.buoy, name);
        lines.push_back(labelline(TimeLabel, quarter, noteHeight, quoted(latitudeText + ", " + longitudeText)));
        lines.push_back(labelline(TimeLabel, threeQuarter, noteHeight, quoted(name.view())));
    } else {
        lines.push_back(surface ? labelline(PageNote, 4.50f, 5.60f, quoted(latitudeText))
                                : labelline(TimeLabel, quarter, noteHeight, quoted(latitudeText)));
        if (timeSeries) lines.push_back(labelline(TimeLabel, threeQuarter, noteHeight, quoted(longitudeText)));
        if (among(p, {2, 4, 6})) lines.push_back(labelline(TimeLabel, threeQuarter, noteHeight, quoted(levelText)));
        if (p == 7) lines.push_back(labelline(TimeLabel, threeQuarter, noteHeight, quoted(heightText)));
    }
    out.request.property = p;
    out.request.plotType = q;
    return result;
}

RequestOutcome withbuoymenu(ViewerPort& port, int ncity, const BuoyRequestOutcome& result) {
    if (result.resetBuoyMenu) resetbuoymenu(port, ncity);
    return result.outcome;
}

void plottimeseries(ViewerPort& port, ViewerState& state, int button) {
    plotrequest(port, state, FamilyId::Time, -1, button, [](ViewerPort& port, const ViewerState& state) {
        TimeSeriesFields fields;
        readtimeseriesfields(port, fields);
        return withbuoymenu(port, state.ncity, timeseriesrequestlines(fields, state));
    });
}
