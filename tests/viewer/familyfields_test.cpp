// familyfields_test.cpp - the field logic of dialogs 105, 104, 109 and 110: what each field
// change offers, enables and fills.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buoys.hpp"
#include "fakeport.hpp"
#include "levels.hpp"
#include "linerequest.hpp"
#include "prodrequest.hpp"
#include "requestfile.hpp"
#include "timerequest.hpp"
#include "vertrequest.hpp"

namespace {

constexpr int Grey = 0x6e6e6e;

class FamilyFields : public ::testing::Test {
protected:
    void open(int dialog) {
        resetplotfamilies();
        dialogId = dialog;
        port.select(dialog);
        menu(1052, 1);
        menu(1014, 1);
        radio(1105, VerticalPressure);
        port.putMenu(1010, depthtexts(VerticalPressure), 1);
        port.putMenu(1036, depthtexts(VerticalPressure), 6);
        radio(1073, 1);
    }
    void menu(int field, int selected) { port.menus[FakePort::key(dialogId, field)] = {{"a", "b"}, selected}; }
    void radio(int first, int position) { port.radios[FakePort::key(dialogId, first)] = position; }
    int state(int field) {
        auto found = port.states.find(FakePort::key(dialogId, field));
        return found == port.states.end() ? -1 : found->second;
    }
    const FakePort::Menu& items(int field) { return port.menus[FakePort::key(dialogId, field)]; }

    FakePort port;
    int dialogId = 0;
};

TEST_F(FamilyFields, SectionDirectionRealTimeAndDates) {
    open(VerticalDialog);
    menu(1040, 2);
    radio(1109, 1);
    menu(1014, 4);
    vertviewfields(port, 1, Grey);
    EXPECT_EQ(state(1037), 0);
    EXPECT_EQ(state(1017), 0);
    EXPECT_EQ(state(1039), 1);
    EXPECT_EQ(state(1018), 1);
    // Monthly average: the start month alone.
    for (int field : {1063, 1029, 1065, 1064}) EXPECT_EQ(state(field), 0) << field;
    for (int field : {1062, 1025}) EXPECT_EQ(state(field), 1) << field;
    EXPECT_EQ(items(1014).items.size(), 4u);
    EXPECT_EQ(items(1014).items[3], "Monthly average");
    EXPECT_EQ(items(1010).items.size(), 15u);

    // Real-time dynamic height offers two plot types, the levels to 600 dbar and 30 N at most.
    menu(1052, 3);
    menu(1014, 3);
    radio(1109, 2);
    port.reals[FakePort::key(VerticalDialog, 1037)] = 40;
    port.putMenu(1017, {"N", "S"}, 1);
    vertviewfields(port, 1, Grey);
    EXPECT_EQ(items(1014).items, (std::vector<std::string>{"Property", "10 day average"}));
    EXPECT_EQ(items(1014).selected, 1);
    EXPECT_EQ(items(1010).items.size(), 7u);
    EXPECT_FLOAT_EQ(port.reals[FakePort::key(VerticalDialog, 1037)], 30.0f);
    for (int field : {1025, 1029, 1065, 1064}) EXPECT_EQ(state(field), 0) << field;
    EXPECT_EQ(port.colours[FakePort::key(VerticalDialog, 1114)], Grey);
}

TEST_F(FamilyFields, SectionFillLevelsFollowTheProperty) {
    open(VerticalDialog);
    radio(1073, 2);
    vertviewfields(port, 1, Grey);
    EXPECT_EQ(state(1077), 1);
    EXPECT_EQ(port.strings[FakePort::key(VerticalDialog, 1078)], "e.g.(2,6,.5)(6,12,1)(12,32,2)   No spaces   ");
    menu(1052, 2);
    vertviewfields(port, 1, Grey);
    EXPECT_EQ(state(1077), 0);
    EXPECT_EQ(port.radios[FakePort::key(VerticalDialog, 1073)], 1);
}

TEST_F(FamilyFields, TimeSeriesWordingUnitsAndBuoys) {
    BuoyRecord& buoy = buoytable[2];
    buoy.south = -2;
    buoy.north = 2;
    buoy.west = -142;
    buoy.east = -138;
    open(TimeSeriesDialog);
    radio(1105, VerticalDepth);
    port.putMenu(1047, {"one", "two", "three"}, 3);
    timeviewfields(port, Grey, 0);
    EXPECT_EQ(items(1052).items[0], "Vedu temperature (depth vs time)");
    EXPECT_EQ(items(1052).items[1], "Vedu temperature (time vs longitude)");
    EXPECT_EQ(items(1052).items[4], "Vedu potential density (depth vs time)");
    EXPECT_EQ(items(1052).items.size(), 9u);
    EXPECT_EQ(items(1010).items.back(), "1900");
    EXPECT_FLOAT_EQ(port.reals[FakePort::key(TimeSeriesDialog, 1055)], 2.0f);
    EXPECT_EQ(items(1019).selected, 2);
    EXPECT_FLOAT_EQ(port.reals[FakePort::key(TimeSeriesDialog, 1039)], 138.0f);
    EXPECT_EQ(state(1047), 1);

    // AVISO height: no vertical units and the five-year difference.
    menu(1052, 8);
    timeviewfields(port, Grey, 0);
    EXPECT_EQ(state(1010), 0);
    EXPECT_EQ(state(1105), 0);
    EXPECT_EQ(items(1014).items[1], "Difference from  5 year mean (2004-2008)");
}

TEST_F(FamilyFields, LineDrawingEndDateAndWording) {
    open(LineDrawingDialog);
    menu(1052, 2);
    menu(1014, 3);
    radio(1105, VerticalDepth);
    lineviewfields(port, Grey);
    for (int field : {1028, 1029, 1065}) EXPECT_EQ(state(field), 0) << field;
    EXPECT_EQ(items(1052).items[1], "Vedu temperature vs depth");
    EXPECT_EQ(items(1052).items[9], "Vedu temperature & salinity vs depth");
    EXPECT_EQ(items(1052).items[14], "Reynolds sea surface temperature vs time");
    EXPECT_EQ(items(1052).selected, 2);

    menu(1052, 1);
    menu(1014, 3);
    lineviewfields(port, Grey);
    for (int field : {1028, 1029, 1065}) EXPECT_EQ(state(field), 1) << field;
    menu(1052, 15);
    lineviewfields(port, Grey);
    EXPECT_EQ(state(1036), 0);
}

TEST_F(FamilyFields, ProductsSwitchRegionAndFillLevels) {
    open(ProductDialog);
    radio(1073, 2);
    prodviewfields(port);
    EXPECT_EQ(state(1010), 0);
    EXPECT_EQ(state(1037), 1);
    EXPECT_EQ(state(1077), 1);
    EXPECT_EQ(state(1075), 1);

    menu(1052, 5);
    prodviewfields(port);
    for (int field : {1013, 1014, 1037, 1045, 1048, 1077, 1073, 1075}) EXPECT_EQ(state(field), 0) << field;
    EXPECT_EQ(port.radios[FakePort::key(ProductDialog, 1073)], 1);
    EXPECT_EQ(port.strings[FakePort::key(ProductDialog, 1078)], std::string(44, ' '));

    menu(1052, 3);
    prodviewfields(port);
    EXPECT_EQ(state(1037), 1);
    EXPECT_EQ(state(1073), 0);
}

}  // namespace
