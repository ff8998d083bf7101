// familyrequests_win.cpp - the section, time-series, line-drawing and product requests through
// their real dialogs: the case tables filled through the library, boxes answered as a user
// would, command files read back; buoy menus and field logic on the real controls. The runs
// through the stand-in installation are velquon's own (velquon_run_win.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "buoys.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "dialogfixture_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "familycases.hpp"
#include "gui_driver_win.hpp"
#include "installation.hpp"
#include "jpgchain.hpp"
#include "linerequest.hpp"
#include "prodrequest.hpp"
#include "requestfile.hpp"
#include "requestlines.hpp"
#include "scratch.hpp"
#include "timerequest.hpp"
#include "vertrequest.hpp"

namespace {

void libraryradio(ViewerPort& port, int, int button) { port.putRadio(button); }
void librarycheck(ViewerPort&, int field, int value) { WDialogPutCheckBox(field, value); }

class FamilyDialogs : public ViewerDialogTest {
protected:
    FamilyDialogs()
        : ViewerDialogTest({VerticalDialog, TimeSeriesDialog, LineDrawingDialog, ProductDialog, ProgressDialog, 112}) {}
    void SetUp() override {
        ViewerDialogTest::SetUp();
        casestate(state, state.qvtmp.os());
    }
    void fill(const Family& family, const std::function<void(Form&, ViewerState&)>& change) {
        Form form{libraryport(), family.dialog, libraryradio, librarycheck};
        family.defaults(form);
        if (change) change(form, state);
    }
    std::string commandfile(const Family& family, int k) const {
        return tmpfile(std::string("qvferretin") + family.tag + std::to_string(k) + ".txt");
    }
    HWND control(int dialog, int id) {
        const char* titles[] = {"Vertical Section parameters - Quorvale", "Time Series Parameters - Quorvale",
                                "Line Drawing Parameters - Quorvale", "Derived product parameters-Quorvale"};
        const int dialogs[] = {VerticalDialog, TimeSeriesDialog, LineDrawingDialog, ProductDialog};
        for (int i = 0; i < 4; ++i)
            if (dialogs[i] == dialog) return GetDlgItem(FindWindowA("#32770", titles[i]), id);
        return nullptr;
    }

    void runcases(const std::vector<RequestCase>& cases) {
        for (const RequestCase& c : cases) {
            SCOPED_TRACE(c.name);
            resetplotfamilies();
            const auto request = [&] {
                fill(*c.family, c.change);
                c.family->plot(libraryport(), state, ButtonPlot);
            };
            // Only boxes are answered: the family's own dialog stays shown.
            expectrequest(request, std::string("qvferretin") + c.family->tag + "1.txt", c.box, "Input",
                          c.box ? std::vector<std::string>{} : expectedfile(c, state.qvtmpq.os()));
        }
    }
};

TEST_F(FamilyDialogs, VerticalSectionCases) { runcases(verticalCases); }
TEST_F(FamilyDialogs, TimeSeriesCases) { runcases(timeCases); }
TEST_F(FamilyDialogs, LineDrawingCases) { runcases(lineCases); }
TEST_F(FamilyDialogs, DerivedProductCases) { runcases(productCases); }

TEST_F(FamilyDialogs, BuoyMenusFilledAtLoadAndResetByARequestOutsideEveryBox) {
    setbuoys(state);
    for (int dialog : {TimeSeriesDialog, LineDrawingDialog}) {
        WDialogSelect(dialog);
        loadbuoymenu(libraryport(), state.ncity);
        EXPECT_EQ(SendMessageA(control(dialog, 1047), CB_GETCOUNT, 0, 0), 4) << dialog;
        EXPECT_EQ(field(dialog, 1038), "140.00");
    }
    // Choosing the equator buoy in the menu and letting the field logic run.
    WDialogSelect(TimeSeriesDialog);
    libraryport().putMenu(1047, {"Choose  location", "Equatorial Pacific 140W", "Hawaii's box", "North Pacific"}, 2);
    timeviewfields(libraryport(), 0x6e6e6e, 0);
    EXPECT_EQ(field(TimeSeriesDialog, 1055), "2.00");
    EXPECT_EQ(field(TimeSeriesDialog, 1037), "2.00");
    EXPECT_EQ(libraryport().getMenu(1019), 2);
    EXPECT_EQ(libraryport().getMenu(1017), 1);

    // A request there is labelled with the buoy; one outside every box resets the menu.
    plottimeseries(libraryport(), state, ButtonPlot);
    EXPECT_NE(commandfile(TimeSeries, 1).find("\"Equatorial Pacific 140W"), std::string::npos);
    fill(LineDrawing, [](Form& f, ViewerState&) { f.region(50, 'N', 55, 'N', 10, 'E', 20, 'E'); });
    WDialogSelect(LineDrawingDialog);
    libraryport().putMenu(1047, {"Choose  location", "Equatorial Pacific 140W", "Hawaii's box", "North Pacific"}, 3);
    plotlinedrawing(libraryport(), state, ButtonPlot);
    WDialogSelect(LineDrawingDialog);
    EXPECT_EQ(libraryport().getMenu(1047), 1);
    EXPECT_EQ(SendMessageA(control(LineDrawingDialog, 1047), CB_GETCOUNT, 0, 0), 4);
}

TEST_F(FamilyDialogs, FieldLogicOnTheRealControls) {
    fill(Vertical, [](Form& f, ViewerState&) { f.menu(1040, 2).menu(1052, 4).menu(1014, 2).radio(1109, 2); });
    vertviewfields(libraryport(), 1, 0x6e6e6e);
    EXPECT_FALSE(IsWindowEnabled(control(VerticalDialog, 1037)));
    EXPECT_TRUE(IsWindowEnabled(control(VerticalDialog, 1039)));
    EXPECT_EQ(SendMessageA(control(VerticalDialog, 1014), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(control(VerticalDialog, 1010), CB_GETCOUNT, 0, 0), 7);

    std::string item;
    fill(LineDrawing, [](Form& f, ViewerState&) { f.levels(1, 6, 2).menu(1052, 2); });
    lineviewfields(libraryport(), 0x6e6e6e);
    libraryport().getMenu(1052, &item);
    EXPECT_EQ(trimRight(item), "Vedu temperature vs depth");
    EXPECT_EQ(field(LineDrawingDialog, 1030), "(m)");

    fill(Products, [](Form& f, ViewerState&) { f.menu(1052, 6); });
    prodviewfields(libraryport());
    EXPECT_FALSE(IsWindowEnabled(control(ProductDialog, 1037)));
    EXPECT_FALSE(IsWindowEnabled(control(ProductDialog, 1077)));
}

}  // namespace
