// vertrequest.cpp - the vertical-section request: reading dialog 105, the checks, the go line
// and the title, time and coordinate labels.
#include "vertrequest.hpp"

#include <array>
#include <cmath>
#include <vector>

#include "levels.hpp"

namespace {

constexpr std::array<std::string_view, 5> scriptStems{"temp", "psal", "dyn_ht", "podens", "geo_vel"};

// Titles by property and plot type 1..4; plot types 3 and 4 by time mode (dates, real time).
struct SectionTitles {
    std::string_view property, difference, anomaly, tenDayAnomaly, caption, tenDayAverage;
};
constexpr std::array<SectionTitles, 5> sectionTitles{{
    {"Vedu Temperature (^oC)", "Vedu Temperature Difference from  7 Year Mean (2004-2010) ",
     "Vedu Temperature Anomaly from Monthly Mean", "Vedu Temperature 10 day anomaly", "Vedu Temperature (^oC)",
     "Vedu Temperature 10 day average"},
    {"Vedu Salinity", "Vedu Salinity Difference from  7 Year Mean (2004-2010) ", "Vedu Salinity Anomaly from Monthly Mean",
     "Vedu Salinity 10 day anomaly", "Vedu Salinity (psu)", "Vedu Salinity 10 day average"},
    {"Vedu Dynamic Height", "Vedu Dynamic Height Difference from  7 Year Mean(2004-2010) ",
     "Vedu Dynamic Height Anomaly from Monthly Mean", "Vedu Dynamic Height 10 day average", "Vedu Dynamic Height",
     "Vedu Dynamic Height 10 day average"},
    {"Vedu Potential Density", "Vedu Potential Density Difference from  7 Year Mean (2004-2010) ",
     "Vedu Potential density Anomaly from Monthly Mean", "Vedu Potential Density 10 day average",
     "Vedu Potential Density", "Vedu Potential Density 10 day average"},
    {"Vedu Geostrophic Velocity", "Vedu Geostrophic Velocity Difference from  7 Year Mean (2004-2009) ",
     "Vedu Geostrophic Velocity Anomaly from Monthly Mean", "Vedu Geostrophic Velocity 10 day average",
     "Vedu Geostrophic Velocity", "Vedu Geostrophic Velocity 10 day average"},
}};

const ViewerMessage NotTwoDimensional{"Must be 2D region", "Input error"};

// Labels in the section's own coordinates: along the section and in pressure or depth.
constexpr LabelLayout SectionLabel{"label", "(F7.2)", 7, "(F7.2)", 7, ",0,0,0.17"};

std::string sectiontitle(int p, int q, int r, int m1, int t1, int veduEnd) {
    const SectionTitles& titles = sectionTitles[static_cast<std::size_t>(p - 1)];
    if (q == 1) return std::string(titles.property);
    if (q == 2) return std::string(titles.difference);
    if (q == 3) return std::string(r == TimeRealTime ? titles.tenDayAnomaly : titles.anomaly);
    if (r == TimeRealTime) return std::string(titles.tenDayAverage);
    const MonthTexts end = monthtexts(veduEnd);
    const int lastYear = m1 <= monthofyear(veduEnd) ? end.year : end.year - 1;
    return std::string(titles.caption) + " " + monthtexts(t1).monthName + " Average(2004-" + integer4(lastYear) + ")";
}

}  // namespace

const ViewerMessage NotCodedYet{"This option is not fully coded yet.\rWe will fix soon!", "Coding Fix"};

void notcodedyet(ViewerPort& port) { showmessage(port, NotCodedYet); }

void readverticalfields(ViewerPort& port, VerticalFields& f) {
    f.property = port.getMenu(IDC_PROPERTY);
    f.plotType = port.getMenu(IDC_PLOT_TYPE);
    readlevels(port, f.levels);
    f.direction = port.getMenu(IDC_DIRECTION);
    readregion(port, f.region);
    f.timeMode = port.getRadio(IDC_TIME_MODE);
    readdates(port, f.dates);
    f.fillLevels = readfilllevels(port);
}

RequestOutcome verticalrequestlines(const VerticalFields& f, const ViewerState& state) {
    RequestOutcome out;
    int p = f.property, q = f.plotType;
    const int u = f.levels.verticalMode, depthFlag = u == VerticalDepth ? 1 : 0, r = f.timeMode;
    const RegionFields& g = f.region;
    const Corners east = eastcorners(g);
    float lat1 = east.latitude1, lat2 = east.latitude2, lon1 = east.longitude1, lon2 = east.longitude2;
    const bool northSouth = f.direction == 1;

    if ((northSouth && lat1 == lat2) || (!northSouth && lon1 == lon2)) {
        out.refusal = NotTwoDimensional;
        return out;
    }
    if (r == TimeRealTime && (lat1 < -30.0f || lat1 > 30.0f || lat2 < -30.0f || lat2 > 30.0f)) {
        out.refusal = RealTimeRegion;
        return out;
    }
    int top = 0, bottom = 0;
    out.refusal = levelrefusal(f.levels, r, top, bottom);
    if (!out.refusal && top == bottom && among(p, {3, 5})) out.refusal = twolevels(u);
    if (out.refusal) return out;
    // Real time offers "10 day average" in place 2 for these properties.
    if (r == TimeRealTime && p >= 3 && q == 2) q = 4;

    const int m1 = f.dates.startMonth, y1 = f.dates.startYear;
    int m2 = f.dates.endMonth, y2 = f.dates.endYear;
    if (r == TimeArchive) {
        m2 = endorstart(m2, m1);
        y2 = endorstart(y2, y1);
    }
    const int t1 = (y1 - 1) * 12 + m1, t2 = (y2 - 1) * 12 + m2;
    if (r == TimeArchive) {
        if (y2 < y1 || (y2 == y1 && m2 < m1)) {
            out.refusal = DateOrder;
            return out;
        }
        if (q != 4 && (t1 > state.veduEnd || t2 > state.veduEnd)) {
            out.refusal = dataendmessage(DataGrid::Vedu, state.veduEnd);
            return out;
        }
    }
    if (p < 1 || p > 5 || q < 1 || q > 4) {
        out.refusal = NotCodedYet;
        return out;
    }

    if (lon1 > lon2) lon2 += 360.0f;
    // The fixed coordinate of the coordinate label, as the user typed it.
    float fixedValue = g.longitude1;
    std::string fixedLetter = g.longitude1Letter == 2 ? "W" : "E";
    float a = lat1, b = lat2;
    if (northSouth) {
        lon2 = lon1;
    } else {
        lat2 = lat1;
        a = lon1;
        b = lon2;
        fixedValue = lat1;
        fixedLetter = g.latitude1Letter == 2 ? "S" : "N";
    }
    const float mid = a + (b - a) * 0.5f, quarter = a + (mid - a) * 0.5f, threeQuarter = mid + (b - mid) * 0.5f;
    const float span = static_cast<float>(bottom - top);
    const float titleHeight = static_cast<float>(top) - span * 0.0933f;
    const float noteHeight = static_cast<float>(top) - span * 0.0266f;

    static constexpr std::array<std::string_view, 4> dateSuffixes{"", "_yearly_anom", "_monthly_anom", "_avg"};
    static constexpr std::array<std::string_view, 4> realTimeSuffixes{"_real_time", "_yearly_anom_real_time",
                                                                      "_anom_real_time", "_avg_real_time"};
    const std::size_t qi = static_cast<std::size_t>(q - 1);
    const std::string_view stem = scriptStems[static_cast<std::size_t>(p - 1)];
    const std::string script = "fer_" + std::string(stem) + "_section" +
                               std::string(r == TimeRealTime ? realTimeSuffixes[qi] : dateSuffixes[qi]);
    std::vector<ListItem> items{"go", script, northSouth ? "N" : "E", lat1, lat2};
    if (r == TimeArchive) {
        if (q == 1 || q == 2) items.insert(items.end(), {t1, t2});
        if (q == 3) items.insert(items.end(), {t1, m1});
        if (q == 4) items.push_back(m1);
    }
    items.insert(items.end(), {top, bottom, lon1, lon2});
    if (stem == "dyn_ht" && (q == 1 || q == 4)) items.push_back(0);
    items.insert(items.end(), {depthFlag, f.fillLevels});

    std::vector<std::string>& lines = out.request.lines;
    lines.push_back(listdirected(items));
    lines.push_back(labelline(SectionLabel, mid, titleHeight, quoted(sectiontitle(p, q, r, m1, t1, state.veduEnd))));
    float coordinateX = threeQuarter;
    if (r == TimeRealTime) {
        lines.push_back(labelline(SectionLabel, quarter, noteHeight, trimRight(state.realTimeDate.view())));
    } else if (q == 4) {
        coordinateX = mid;
    } else if (t1 == t2 || q == 3) {
        lines.push_back(labelline(SectionLabel, quarter, noteHeight, quoted(monthtexts(t1).date)));
    } else {
        lines.push_back(labelline(SectionLabel, quarter, noteHeight, quoted(monthtexts(t1).date + " - " + monthtexts(t2).date)));
    }
    lines.push_back(labelline(SectionLabel, coordinateX, noteHeight,
                              quoted(formatreal(std::fabs(fixedValue), "(F5.1)", 5) + "^o" + fixedLetter)));
    out.request.property = p;
    out.request.plotType = q;
    return out;
}

void plotvertview(ViewerPort& port, ViewerState& state, int button) {
    plotrequest(port, state, FamilyId::Vertical, 510, button, [](ViewerPort& port, const ViewerState& state) {
        VerticalFields fields;
        readverticalfields(port, fields);
        return verticalrequestlines(fields, state);
    });
}
