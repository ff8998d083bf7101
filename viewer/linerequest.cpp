// linerequest.cpp - the line-drawing request: reading dialog 109, the checks, the go line, the
// title, the notes at their page places and the buoy label.
#include "linerequest.hpp"

#include <array>
#include <vector>

#include "buoys.hpp"
#include "exports.hpp"
#include "levels.hpp"

namespace {

// The values that must differ for a line to be drawn.
enum class Distinct { Months, Levels, Latitudes, Longitudes };

constexpr float NoNote = -1.0f;

struct LineProperty {
    std::string_view stem;
    int axis;
    Distinct distinct;
    DataGrid grid;
    // Page heights of the level, date, latitude and longitude notes; NoNote: none.
    float level, date, latitude, longitude;
};
constexpr std::array<LineProperty, 15> lineProperties{{
    {"fer_temp_line", 1, Distinct::Months, DataGrid::Vedu, 0.70f, NoNote, 0.40f, 0.10f},
    {"fer_temp_line", 2, Distinct::Levels, DataGrid::Vedu, NoNote, 0.70f, 0.40f, 0.10f},
    {"fer_temp_line", 3, Distinct::Latitudes, DataGrid::Vedu, 0.70f, 0.40f, NoNote, 0.10f},
    {"fer_temp_line", 4, Distinct::Longitudes, DataGrid::Vedu, 0.70f, 0.40f, 0.10f, NoNote},
    {"fer_psal_line", 1, Distinct::Months, DataGrid::Vedu, 0.70f, NoNote, 0.40f, 0.10f},
    {"fer_psal_line", 2, Distinct::Levels, DataGrid::Vedu, NoNote, 0.70f, 0.40f, 0.10f},
    {"fer_psal_line", 3, Distinct::Latitudes, DataGrid::Vedu, 0.70f, 0.40f, NoNote, 0.10f},
    {"fer_psal_line", 4, Distinct::Longitudes, DataGrid::Vedu, 0.70f, 0.40f, 0.10f, NoNote},
    {"fer_temp_psal", 1, Distinct::Levels, DataGrid::Vedu, 1.00f, 0.70f, 0.40f, 0.10f},
    {"fer_temp_psal", 2, Distinct::Levels, DataGrid::Vedu, NoNote, 0.70f, 0.40f, 0.10f},
    {"fer_dyn_ht_line", 1, Distinct::Months, DataGrid::Vedu, NoNote, 0.70f, 0.40f, 0.10f},
    {"fer_dyn_ht_line", 2, Distinct::Latitudes, DataGrid::Vedu, NoNote, 0.70f, 0.40f, 0.10f},
    {"fer_dyn_ht_line", 3, Distinct::Longitudes, DataGrid::Vedu, NoNote, 0.70f, 0.40f, 0.10f},
    {"fer_alt_ht_line", 1, Distinct::Months, DataGrid::Aviso, NoNote, NoNote, 0.40f, 0.10f},
    {"fer_sst_line", 1, Distinct::Months, DataGrid::Reynolds, NoNote, NoNote, 0.40f, 0.10f},
}};

// Titles of plot types 2 and 3 by script stem.
struct LineTitles {
    std::string_view stem, difference, anomaly;
};
constexpr std::array<LineTitles, 5> lineTitles{{
    {"fer_temp_line", "Vedu Temperature Difference from  7 Year Mean (2004-2010) ", "Vedu Temperature Anomaly from Monthly Mean"},
    {"fer_psal_line", "Vedu Salinity Difference from  7 Year Mean (2004-2010) ", "Vedu Salinity Anomaly from Monthly Mean"},
    {"fer_dyn_ht_line", "Vedu Dynamic Height Difference from  7 Year Mean (2004-2010) ",
     "Vedu Dynamic Height Anomaly from Monthly Mean"},
    {"fer_alt_ht_line", "Aviso Altimetric Height Difference from  5 Year Mean (2004-2008)",
     "Aviso Altimetric Height Anomaly from Monthly Mean"},
    {"fer_sst_line", "Reynolds SST Difference from  7 Year Mean (2004-2010) ", "Reynolds SST Anomaly from Monthly Mean"},
}};

const ViewerMessage TwoTimes{"This calculation requires two  \rdifferent time values.", "Input Error"};
const ViewerMessage TwoLatitudes{"This calculation requires two  \rdifferent latitude values.", "Input Error"};
const ViewerMessage TwoLongitudes{"This calculation requires two  \rdifferent longitude values.", "Input Error"};

constexpr std::string_view NoteColour = "@C016";

// The notes stand at the right of the page, one above the other.
constexpr float NoteX = 7.05f;

std::string note(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return quoted(std::string(NoteColour) + text);
}

}  // namespace

void readlinedrawingfields(ViewerPort& port, LineDrawingFields& f) {
    f.property = port.getMenu(IDC_PROPERTY);
    f.plotType = port.getMenu(IDC_PLOT_TYPE);
    readlevels(port, f.levels);
    readregion(port, f.region);
    readdates(port, f.dates);
}

BuoyRequestOutcome linedrawingrequestlines(const LineDrawingFields& f, const ViewerState& state) {
    BuoyRequestOutcome result;
    RequestOutcome& out = result.outcome;
    const int p = f.property, q = f.plotType, u = f.levels.verticalMode;
    const std::string unit = unitword(u);
    const int depthFlag = u == VerticalDepth ? 1 : 0;
    int top = 0, bottom = 0;
    out.refusal = levelrefusal(f.levels, TimeArchive, top, bottom);
    if (out.refusal) return result;
    if (p < 1 || p > 15) {
        out.refusal = NotAnOption;
        return result;
    }
    const LineProperty& property = lineProperties[static_cast<std::size_t>(p - 1)];

    const RegionFields& g = f.region;
    const auto [east, match] = buoyregion(g, state.ncity);
    result.resetBuoyMenu = match.resetMenu;
    const float lat1 = east.latitude1, lat2 = east.latitude2, lon1 = east.longitude1;
    float lon2 = east.longitude2;

    const DateFields& d = f.dates;
    const int m1 = d.startMonth, y1 = d.startYear, m2 = endorstart(d.endMonth, m1), y2 = endorstart(d.endYear, y1);
    const int t1 = (y1 - 1) * 12 + m1;
    int t2 = (y2 - 1) * 12 + m2;
    const int end = gridend(property.grid, state);
    if (t1 > end || t2 > end) {
        out.refusal = dataendmessage(property.grid, end);
        return result;
    }
    // A monthly anomaly against pressure, latitude or longitude is of the start month alone.
    if (q == 3 && among(p, {2, 3, 4, 6, 7, 8, 12, 13})) {
        t2 = t1;
    } else if (y2 < y1 || (y2 == y1 && m2 < m1)) {
        out.refusal = DateOrder;
        return result;
    }
    switch (property.distinct) {
    case Distinct::Months:
        if (t1 == t2) out.refusal = TwoTimes;
        break;
    case Distinct::Levels:
        if (top == bottom) out.refusal = twolevels(u);
        break;
    case Distinct::Latitudes:
        if (lat1 == lat2) out.refusal = TwoLatitudes;
        break;
    case Distinct::Longitudes:
        if (lon1 == lon2) out.refusal = TwoLongitudes;
        break;
    }
    if (out.refusal) return result;
    if ((p == 9 || p == 10) && (q == 2 || q == 3)) {
        out.refusal = NotAnOption;
        return result;
    }
    if (q < 1 || q > 3) {
        out.refusal = NotAnOption;
        return result;
    }

    static constexpr std::array<std::string_view, 3> suffixes{"", "_yearly_anom", "_monthly_anom"};
    const bool satellite = p >= 14;
    std::vector<ListItem> items{"go", std::string(property.stem) + std::string(suffixes[static_cast<std::size_t>(q - 1)])};
    if (!satellite || q != 2) items.push_back(property.axis);
    items.insert(items.end(), {t1, t2, top, bottom, lat1, lat2, lon1, lon2});
    if (!satellite) items.push_back(depthFlag);

    std::vector<std::string>& lines = out.request.lines;
    lines.push_back(listdirected(items));
    if (q >= 2) {
        for (const LineTitles& titles : lineTitles)
            if (titles.stem == property.stem)
                lines.push_back(labelline(PageNote, 4.10f, 6.10f, quoted(q == 2 ? titles.difference : titles.anomaly)));
    }
    if (property.level != NoNote) {
        std::string text = integer4(top) + " " + unit;
        if (top != bottom) text = std::string(p == 9 ? "        " : "Averaged") + " " + integer4(top) + "-" + integer4(bottom) + " " + unit;
        lines.push_back(labelline(PageNote, NoteX, property.level, quoted(std::string(NoteColour) + text)));
    }
    if (property.date != NoNote) {
        std::string text = monthtexts(t1).date;
        if (t2 != t1) text += " - " + monthtexts(t2).date;
        lines.push_back(labelline(PageNote, NoteX, property.date, note(text, 19)));
    }
    if (property.latitude != NoNote) {
        const std::string text = latituderange(lat1, g.latitude1Letter, lat2, g.latitude2Letter, " ", " - ");
        lines.push_back(labelline(PageNote, NoteX, property.latitude, note(text, 19)));
    }
    if (property.longitude != NoNote) {
        const std::string text = longituderange(lon1, " ^oE", lon2, " - ");
        lines.push_back(labelline(PageNote, NoteX, property.longitude, note(text, 21)));
    }
    if (match.buoy >= 2) {
        Text<BuoyNameLength> name;
        scancity(state.ncity, match.buoy, name);
        lines.push_back(labelline(PageNote, 2.50f, 0.10f, quoted(std::string(NoteColour) + std::string(name.view()))));
    }
    out.request.property = p;
    out.request.plotType = q;
    return result;
}

void plotlinedrawing(ViewerPort& port, ViewerState& state, int button) {
    plotrequest(port, state, FamilyId::Line, 510, button, [](ViewerPort& port, const ViewerState& state) {
        LineDrawingFields fields;
        readlinedrawingfields(port, fields);
        return withbuoymenu(port, state.ncity, linedrawingrequestlines(fields, state));
    });
}
