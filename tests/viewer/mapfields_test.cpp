// mapfields_test.cpp - the field logic of the map dialog: what each property, plot type, time
// mode and vertical unit offers and switches.
#include <gtest/gtest.h>

#include "fakeport.hpp"
#include "mapfields.hpp"
#include "mapform.hpp"

namespace {

struct FieldCase {
    const char* name;
    int p, q, r, u;
    // Expected: plot-type items and selection, property items and selection, the vertical
    // group's state, level items and the last one, unit label, vector menus, end month and
    // start year states.
    int plotTypes, plotType, properties, property, group;
    int levels;
    const char* lastLevel;
    const char* unit;
    int vectors, endMonth, startYear;
};

const FieldCase fieldCases[] = {
    {"temperature, archive, pressure", 1, 1, 1, 1, 8, 1, 8, 1, 1, 15, "2000", "(dbar)", 0, 1, 1},
    {"temperature, archive, depth", 1, 2, 1, 2, 8, 2, 8, 1, 1, 15, "1900", "(m)   ", 0, 1, 1},
    {"real time with pressure", 1, 3, 2, 1, 4, 3, 6, 1, 1, 7, "600", "(dbar)", 0, 0, 0},
    {"real time with depth", 2, 5, 2, 2, 4, 1, 6, 2, 1, 6, "500", "(m)   ", 0, 0, 0},
    {"real time chosen with AVISO", 7, 2, 2, 1, 4, 2, 6, 1, 0, 15, "", "", 0, 0, 0},
    {"real-time dynamic height", 3, 3, 2, 1, 2, 1, 6, 3, 1, 7, "600", "(dbar)", 0, 0, 0},
    {"station distribution at surface", 1, 6, 1, 1, 8, 6, 8, 1, 0, 15, "", "", 0, 1, 1},
    {"anomaly: no end date", 4, 3, 1, 1, 8, 3, 8, 4, 1, 15, "2000", "(dbar)", 0, 0, 1},
    {"monthly average: no end date, no start year", 2, 8, 1, 1, 8, 8, 8, 2, 1, 15, "2000", "(dbar)", 0, 0, 0},
    {"geostrophic velocity", 5, 1, 1, 1, 8, 1, 8, 5, 1, 15, "2000", "(dbar)", 1, 1, 1},
    {"AVISO keeps plot type 6 in a menu of 4", 7, 6, 1, 1, 4, 6, 8, 7, 0, 15, "", "", 0, 1, 1},
};

TEST(MapFields, OffersFollowPropertyPlotTypeTimeModeAndUnit) {
    for (const FieldCase& c : fieldCases) {
        SCOPED_TRACE(c.name);
        resetmapviewfields();
        FakePort port;
        MapForm form;
        form.property = c.p;
        form.plotType = c.q;
        form.timeMode = c.r;
        form.verticalMode = c.u;
        form.upperItem = 1;
        form.lowerItem = 11;
        fillmapform(port, form, FakePort::radio);
        port.strings.clear();
        mapviewfields(port, 0x6e6e6e, 0);

        auto menu = [&](int field) { return port.menus[FakePort::key(MapDialog, field)]; };
        auto state = [&](int field) { return port.states.count(FakePort::key(MapDialog, field)) ? port.states[FakePort::key(MapDialog, field)] : 1; };
        EXPECT_EQ(menu(1014).items.size(), static_cast<std::size_t>(c.plotTypes));
        EXPECT_EQ(menu(1014).selected, c.plotType);
        EXPECT_EQ(menu(1052).items.size(), static_cast<std::size_t>(c.properties));
        EXPECT_EQ(menu(1052).selected, c.property);
        for (int field : {1009, 1010, 1036, 1105, 1106, 1030}) EXPECT_EQ(state(field), c.group) << field;
        EXPECT_EQ(menu(1010).items.size(), static_cast<std::size_t>(c.levels));
        if (c.group == 1) {
            EXPECT_EQ(menu(1010).items.back(), c.lastLevel);
            EXPECT_EQ(menu(1036).selected, 11);  // kept, even beyond the items offered
            EXPECT_EQ(port.strings[FakePort::key(MapDialog, 1030)], c.unit);
            EXPECT_EQ(port.colours[FakePort::key(MapDialog, c.u == 1 ? 1114 : 1027)], 0x6e6e6e);
        }
        for (int field : {1056, 1059, 1060}) EXPECT_EQ(state(field), c.vectors) << field;
        EXPECT_EQ(state(1029), c.endMonth);
        EXPECT_EQ(state(1064), c.startYear);
        EXPECT_EQ(state(1073), c.p == 5 ? 0 : 1);
        EXPECT_EQ(port.shows.back(), std::make_pair(MapDialog, std::string("show")));
    }
}

TEST(MapFields, RealTimeLimitsTheNorthAndTheFillLevelsFollowTheProperty) {
    resetmapviewfields();
    FakePort port;
    MapForm form;
    form.timeMode = 2;
    form.north = 45;
    form.south = 40;
    form.southLetter = 1;
    form.fillChoice = 2;
    fillmapform(port, form, FakePort::radio);
    mapviewfields(port, 0, 0);
    EXPECT_EQ(port.reals[FakePort::key(MapDialog, 1037)], 30.0f);
    EXPECT_EQ(port.reals[FakePort::key(MapDialog, 1055)], 40.0f);  // 40 N is left for the request to refuse
    EXPECT_EQ(port.states[FakePort::key(MapDialog, 1077)], 1);
    EXPECT_EQ(port.strings[FakePort::key(MapDialog, 1078)], "e.g.(8,22,2)(22,32,1)(lo,hi,delta) No spaces");

    port.menus[FakePort::key(MapDialog, 1052)].selected = 2;  // another property: default levels
    mapviewfields(port, 0, 0);
    EXPECT_EQ(port.radios[FakePort::key(MapDialog, 1073)], 1);
    EXPECT_EQ(port.states[FakePort::key(MapDialog, 1077)], 0);
    EXPECT_EQ(port.strings[FakePort::key(MapDialog, 1078)], std::string(44, ' '));
}

}  // namespace
