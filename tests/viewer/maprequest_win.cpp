// maprequest_win.cpp - the map request through the real dialog 103: fields set through the
// library, boxes answered as a user would, command files read back; and end to end with the
// stand-in installation: a screen run and the JPG chain with its progress dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "windows/events.hpp"
#include "dialogfixture_win.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "gui_driver_win.hpp"
#include "installation.hpp"
#include "jpgchain.hpp"
#include "mapcases.hpp"
#include "mapfields.hpp"
#include "requestfile.hpp"
#include "scratch.hpp"

namespace {

void libraryradio(ViewerPort& port, int, int button) {
    port.select(MapDialog);
    port.putRadio(button);
}

class MapDialogRequest : public ViewerDialogTest {
protected:
    MapDialogRequest() : ViewerDialogTest({MapDialog, ProgressDialog, 112}) {}
    void SetUp() override {
        ViewerDialogTest::SetUp();
        resetmapviewfields();
    }
    void fill(const MapForm& form) {
        fillmapform(libraryport(), form, libraryradio);
        WDialogPutCheckBox(FieldAsciiExport, form.asciiBox);
        WDialogPutCheckBox(FieldNetcdfExport, form.netcdfBox);
    }
};

TEST_F(MapDialogRequest, EachCaseWritesItsLinesOrShowsItsBoxAndNoFile) {
    for (const MapCase& c : mapCases) {
        SCOPED_TRACE(c.name);
        resetplotfamilies();
        const auto request = [&] {
            MapForm form;
            c.change(form, state);
            fill(form);
            plotmapview(libraryport(), state, ButtonPlot);
        };
        // An accepted case would show "Not an option" if any box.
        expectrequest(request, "qvferretinmap1.txt", c.box, "Not an option",
                      c.box ? std::vector<std::string>{} : framedlines(c.familyLines, state.qvtmpq.os()));
    }
}

TEST_F(MapDialogRequest, ExportsAndTheOutputMessage) {
    MapForm form;
    form.netcdfBox = 1;
    fill(form);
    plotmapview(libraryport(), state, 1);
    const std::vector<std::string> lines = splitlines(tmpfile("qvferretinmap1.txt"));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(tokens(lines[5]), tokens("list/file=map1.nc/clobber/format=cdf temp_map"));
    EXPECT_EQ(field(112, 1004), "");
    EXPECT_EQ(field(112, 1125), "");
    EXPECT_EQ(field(112, 1127), "Your netcdf data file is located in:");
    EXPECT_EQ(field(112, 1128), state.qvtmp.os() + "\\map1.nc");
}

TEST_F(MapDialogRequest, CancelHidesTheDialogAndWritesNothing) {
    fill(MapForm{});
    plotmapview(libraryport(), state, ButtonPlot);
    plotmapview(libraryport(), state, ButtonCancel);
    EXPECT_FALSE(IsWindowVisible(FindWindowA("#32770", "Map View Parameters - Quorvale")));
    EXPECT_EQ(plotfamily(FamilyId::Map).counter, 1);
    EXPECT_EQ(tmpfile("qvferretinmap2.txt"), "");
}

// The system's short form names a folder that exists.
TEST_F(MapDialogRequest, TheMetafilePathIsTheSystemsShortForm) {
    const std::string longFolder = state.qvtmp.os() + "\\A folder with blanks+more";
    std::filesystem::create_directory(longFolder);
    Text<MaxCommandLine> path;
    int length = 0;
    createmetanospace(longFolder, static_cast<int>(longFolder.size()), "map4", path, length, 0);
    const std::string metafile(path.view().substr(0, static_cast<std::size_t>(length)));
    EXPECT_EQ(metafile.find(' '), std::string::npos);
    const std::string folder = metafile.substr(0, metafile.rfind('\\'));
    EXPECT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES) << metafile;
    EXPECT_EQ(metafile.substr(metafile.size() - 9), "\\metamap4");
}

TEST_F(MapDialogRequest, FieldLogicOffersWhatTheChoicesAllow) {
    auto items = [](int id) {
        HWND dialog = FindWindowA("#32770", "Map View Parameters - Quorvale");
        return static_cast<int>(SendMessageA(GetDlgItem(dialog, id), CB_GETCOUNT, 0, 0));
    };
    MapForm form;
    form.property = 7;
    form.timeMode = 2;
    fill(form);
    mapviewfields(libraryport(), 0x6e6e6e, 0);
    EXPECT_EQ(items(1052), 6);
    EXPECT_EQ(items(1014), 4);
    EXPECT_EQ(libraryport().getMenu(1052), 1);
    form.property = 1;
    form.verticalMode = 2;
    form.levelItems = depthtexts(VerticalDepth);
    fill(form);
    mapviewfields(libraryport(), 0x6e6e6e, 0);
    EXPECT_EQ(items(1010), 6);
    EXPECT_EQ(field(MapDialog, 1030), "(m)");
    form.timeMode = 1;
    form.plotType = 6;
    fill(form);
    mapviewfields(libraryport(), 0x6e6e6e, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(FindWindowA("#32770", "Map View Parameters - Quorvale"), 1010)));
    EXPECT_EQ(items(1014), 8);
}

class StandInRequest : public MapDialogRequest {
protected:
    void SetUp() override {
        MapDialogRequest::SetUp();
        home = makeinstallation(scratch.path());
        usefolders(home, nativepath(scratch.path() + "/tmp"));
        state.multiCore = 1;
        fill(MapForm{});
    }
    std::string home;
};

TEST_F(StandInRequest, PlotRunsTheInstallationsBatchFileOnTheCommandFile) {
    plotmapview(libraryport(), state, ButtonPlot);
    EXPECT_TRUE(pumpUntil([&] { return tmpfile("ferreterror.log") != ""; }, 10000));
    const std::string log = tmpfile("standin.log");
    EXPECT_NE(log.find("qvferret.bat " + home + " \"" + state.qvtmp.os() + "\" qvferretinmap1.txt"), std::string::npos)
        << log;
    EXPECT_NE(tmpfile("ferret.log").find("go fer_temp_map 54 54 0 500 -60.0 25.0 130.0 250.0 1 0 0"),
              std::string::npos);
    EXPECT_NE(log.find("qvErrFer.bat"), std::string::npos);
}

TEST_F(StandInRequest, ACommandFileThatCannotBeWrittenGivesItsBoxAndStartsNoBatch) {
    // A folder where the command file goes: the scratch folder is there, the file cannot be.
    std::filesystem::create_directory(state.qvtmp.os() + "\\qvferretinmap1.txt");
    for (const int button : {ButtonPlot, ButtonCreateJpg}) {
        resetplotfamilies();  // the same command file name each time
        AutoAnswer answer(IDOK, "Error");
        plotmapview(libraryport(), state, button);
        EXPECT_EQ(answer.answered(), 1) << button;
        EXPECT_NE(answer.lastText().find("I cannot write the command file"), std::string::npos) << answer.lastText();
    }
    EXPECT_EQ(tmpfile("standin.log"), "");
    EXPECT_FALSE(IsWindowVisible(FindWindowA("#32770", "Quorvale")));  // no JPG progress either
}

TEST_F(StandInRequest, CreateJpgRunsTheThreeStepsAndNamesTheJpg) {
    plotmapview(libraryport(), state, ButtonCreateJpg);
    const std::string jpg = state.qvtmp.os() + "\\map1.jpg";
    EXPECT_NE(readWholeFile(jpg), "");
    EXPECT_EQ(field(ProgressDialog, 1085), jpg);
    EXPECT_EQ(field(ProgressDialog, 1042), "Your graphic file is located in:");
    for (int status : {1080, 1082, 1084}) EXPECT_EQ(field(ProgressDialog, status), "Done!");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(FindWindowA("#32770", "Quorvale"), IDOK)));
    const std::string log = tmpfile("standin.log");
    EXPECT_LT(log.find("qvferret.bat"), log.find("qvMeta2PS.bat"));
    EXPECT_LT(log.find("qvMeta2PS.bat"), log.find("qvPS2jpg.bat"));
}

TEST_F(StandInRequest, CancelDuringAStepStopsTheChain) {
    {
        AutoAnswer cancel(IDCANCEL, "Quorvale");
        plotmapview(libraryport(), state, ButtonCreateJpg);
    }
    EXPECT_FALSE(IsWindowVisible(FindWindowA("#32770", "Quorvale")));
    EXPECT_EQ(field(ProgressDialog, 1085), "");
    EXPECT_EQ(tmpfile("standin.log").find("qvMeta2PS.bat"), std::string::npos);
}

}  // namespace
