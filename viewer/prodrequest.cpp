// prodrequest.cpp - the derived-product request: reading dialog 110, the checks, the go line,
// the titles placed by the region's shape and the date label.
#include "prodrequest.hpp"

#include <array>
#include <vector>

#include "exports.hpp"

namespace {

struct Product {
    std::string_view script;
    int index;  // of the Nino indices; 0: none
    DataGrid grid;
    std::string_view title, bottomTitle;
};
constexpr std::array<Product, 8> products{{
    {"fer_depth20", 0, DataGrid::Vedu, "Top: Depth of 20^o isotherm from Vedu data",
     "Bottom: Depth of 20^o isotherm anomaly from monthly mean"},
    {"fer_mld", 0, DataGrid::Vedu, "Vedu Mixed Layer Depth", ""},
    {"fer_tchp", 0, DataGrid::Vedu, "Top: Vedu Tropical Cyclone Heat Potential (kJ/cm^2)",
     "Bottom: Vedu Tropical Cyclone Heat Potential anomaly from monthly mean"},
    {"fer_wwv", 0, DataGrid::Vedu, "Vedu Warm Water Volume", ""},
    {"fer_nino_ind", 1, DataGrid::Vedu, "Vedu Nino-3", ""},
    {"fer_nino_ind", 2, DataGrid::Vedu, "Vedu Nino-3.4", ""},
    {"fer_nino_ind", 3, DataGrid::Reynolds, "Reynolds Nino-3", ""},
    {"fer_nino_ind", 4, DataGrid::Reynolds, "Reynolds Nino-3.4", ""},
}};

constexpr ShapeFactors ProductShapes{{{0.099f, 0.027f}, {0.0963f, 0.0356f}, {0.065f, 0.015f}}};

const ViewerMessage EndAfterStart{"Please enter End date greater than Start date.", "Input error"};

// The titles of the two panels, left-aligned.
constexpr LabelLayout PanelLabel{"label", "(F6.2)", 6, "(F6.2)", 6, ",-1,0,0.17"};

}  // namespace

void readproductfields(ViewerPort& port, ProductFields& f) {
    f.product = port.getMenu(IDC_PROPERTY);
    f.plotType = port.getMenu(IDC_PLOT_TYPE);
    readregion(port, f.region);
    readdates(port, f.dates);
    f.landItem = port.getMenu(IDC_LAND);
    f.fillLevels = readfilllevels(port);
}

RequestOutcome productrequestlines(const ProductFields& f, const ViewerState& state) {
    RequestOutcome out;
    const int p = f.product, q = f.plotType, station = q == 2 ? 1 : 0;
    if (p < 1 || p > 8) {
        out.refusal = NotAnOption;
        return out;
    }
    const Product& product = products[static_cast<std::size_t>(p - 1)];
    const Corners east = eastcorners(f.region);
    const float lat1 = east.latitude1, lat2 = east.latitude2, lon1 = east.longitude1;
    float lon2 = east.longitude2;
    // Equal longitudes mean the whole circle.
    if (lon1 == lon2) lon2 += 360.0f;

    const DateFields& d = f.dates;
    const int m1 = d.startMonth, y1 = d.startYear, m2 = endorstart(d.endMonth, m1), y2 = endorstart(d.endYear, y1);
    const int t1 = (y1 - 1) * 12 + m1, t2 = (y2 - 1) * 12 + m2;
    if (p >= 4 && t2 <= t1) {
        out.refusal = EndAfterStart;
        return out;
    }
    const int end = gridend(product.grid, state);
    if (t1 > end || t2 > end) {
        out.refusal = dataendmessage(product.grid, end);
        return out;
    }
    const int land = f.landItem - 1;

    if (lon1 > lon2) lon2 += 360.0f;
    const float w = lon2 - lon1, mid = lon1 + w * 0.5f, h = lat2 - lat1;
    const LabelFactors k = labelfactors(ProductShapes, h, w);
    float a = k.title, b = k.note;
    const int productOnly = q == 1 ? 1 : 0;
    if (productOnly == 1) {
        a *= 1.6f;
        b *= 1.6f;
    }
    const float topHeight = lat2 + h * a, bottomHeight = lat2 + h * b;

    std::vector<ListItem> items{"go", product.script};
    if (p <= 3) {
        items.insert(items.end(), {t1, t2, lat1, lat2, lon1, lon2, land, station});
        if (p <= 2) items.push_back(f.fillLevels);
    } else if (p == 4) {
        items.insert(items.end(), {t1, t2});
    } else {
        items.insert(items.end(), {product.index, t1, t2});
    }
    std::vector<std::string>& lines = out.request.lines;
    lines.push_back(listdirected(items));
    if (p == 1 || p == 3) {
        lines.push_back("set view top");
        lines.push_back(labelline(PanelLabel, lon1 + 1.0f, topHeight, quoted(product.title)));
        lines.push_back(labelline(PanelLabel, lon1 + 1.0f, bottomHeight, quoted(product.bottomTitle)));
    } else if (p == 4) {
        lines.push_back(labelline(PageTitle, 4.10f, 5.70f, quoted(product.title)));
    } else {
        lines.push_back(labelline(MapLabel, mid, topHeight, quoted(product.title)));
    }
    if (p <= 3) {
        const std::string date =
            t1 == t2 ? quoted(monthtexts(t1).date) : quoted(monthtexts(t1).date + " - " + monthtexts(t2).date);
        const float x = p == 1 ? lon2 - 2.0f : p == 2 ? mid : lon2 - 5.0f;
        lines.push_back(labelline(MapLabel, x, p == 2 ? bottomHeight : topHeight, date));
    }
    out.request.property = p;
    out.request.plotType = q;
    out.request.landFlag = land;
    out.request.vectorClass = productOnly;
    out.request.exports = false;
    return out;
}

void plotprodview(ViewerPort& port, ViewerState& state, int button) {
    plotrequest(port, state, FamilyId::Product, -1, button, [](ViewerPort& port, const ViewerState& state) {
        ProductFields fields;
        readproductfields(port, fields);
        return productrequestlines(fields, state);
    });
}
