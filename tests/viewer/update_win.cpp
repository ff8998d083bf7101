// update_win.cpp - the Update button's procedure in this process on the real dialog 111 and the
// stand-in installation's batch files, so that the caller's own end dates can be read back
// (velquon_run_win.cpp runs the update through the real program).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "enddates.hpp"
#include "installation.hpp"
#include "runlog.hpp"
#include "scratch.hpp"
#include "update.hpp"
#include "update_standin.hpp"

namespace {

constexpr int AllLabels[] = {1089, 1022, 1090, 1099, 1092, 1091, 1093, 1094, 1095, 1096,
                             1097, 1098, 1100, 1101, 1102, 1103, 1066, 1113, 1116};

// One update through the library on a fresh installation, as the Update button runs it.
struct DialogUpdate {
    std::map<int, std::string> labels;
    bool okEnabled = false, shown = false;
    std::string batchfiles;  // the batch files the stand-in log recorded, in order
    int veduEnd = DefaultEndIndex, avisoEnd = DefaultEndIndex, reynoldsEnd = DefaultEndIndex;
    std::string realTimeDate;
};

DialogUpdate dialogupdate(const char* scenario, int startEnd) {
    TestInstallation installation;
    const std::string& qvdir = installation.home;
    const std::string& qvtmp = installation.tmp;
    std::string qvtmpq = "\"" + qvtmp + "\"";
    SetEnvironmentVariableA("QV_DIR", qvdir.c_str());
    SetEnvironmentVariableA("QV_TMP", qvtmp.c_str());
    std::ofstream(qvtmp + "\\" + ScenarioFile, std::ios::binary) << scenario << "\r\n";
    std::ofstream(qvdir + "\\ferret\\TMAP\\go\\" + DataEndsScript, std::ios::binary | std::ios::app)
        << "let vedu_months = " << startEnd << "\r\n";
    runlogopen(qvtmp + "\\quorvale.log");

    static bool loaded = false;
    if (!loaded) {
        WindowOpen(WinHidden);
        WDialogLoad(UpdateDialog);
        loaded = true;
    }
    DialogUpdate result;
    Text<RealTimeDateLength> realTimeDate("\"           \"");
    updatefiles(result.veduEnd, result.avisoEnd, result.reynoldsEnd, realTimeDate, qvdir,
                static_cast<int>(qvdir.size()), qvtmp, static_cast<int>(qvtmp.size()), qvtmpq,
                static_cast<int>(qvtmpq.size()), 0);
    runlogclose();

    WDialogSelect(UpdateDialog);
    for (int field : AllLabels) {
        Text<100> text;
        WDialogGetString(field, text);
        result.labels[field] = text.os();
    }
    HWND dialog = FindWindowA("#32770", "Update Quorvale");
    result.shown = dialog != nullptr && IsWindowVisible(dialog);
    result.okEnabled = dialog != nullptr && IsWindowEnabled(GetDlgItem(dialog, UpdateField::Ok));
    result.realTimeDate = std::string(realTimeDate.view());
    result.batchfiles = batchcalls(readWholeFile(qvtmp + "\\standin.log"));
    WDialogHide();
    SetEnvironmentVariableA("QV_DIR", nullptr);
    SetEnvironmentVariableA("QV_TMP", nullptr);
    return result;
}

TEST(UpdateDialog, ScenariosOfTheStandInInstallation) {
    struct Case {
        const char* scenario;
        int startEnd;
        const char* batchfiles;
        std::map<int, std::string> labels;
        int veduEnd;
        const char* realTimeDate;
    } cases[] = {
        {"newmonth", 107, "qvferret;qvGetUp;qvRunUp;qvAppUp;qvCheckUpRT;qvferret;",
         {{1089, "Checking end date on your Vedu data file ..."}, {1022, "Nov-2012"},
          {1090, "Downloading Vedu update for Dec-2012 ..."}, {1099, "Done!"},
          {1093, "Setup-Quorvale Update window:  Next >, Next >, Install, Finish"},
          {1098, "Wait for the \"Done\" on the next line.     Updating......"},
          {1100, "Done !   Data files were updated."}, {1101, "Comparing your Real Time Vedu data file to ours..."},
          {1102, "You have the most recent Real Time Vedu data file."}, {1066, ""}},
         108, "\"15-NOV-2012\""},
        {"newrealtime", 108, "qvferret;qvGetUp;qvCheckUpRT;qvGetUpRT;qvferret;",
         {{1092, "The update file does not exist yet, try after the 15th of the"},
          {1102, "Downloading the most recent Real Time Vedu data file..."}, {1103, "Done!"}},
         108, "\"10-DEC-2012\""},
        {"setupcancelled", 108, "qvferret;qvGetUp;qvRunUp;",
         {{1095, "The setup was not finished.      To try again: Click \"Update\""}, {1100, ""}, {1101, ""}},
         108, "\"15-NOV-2012\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        DialogUpdate update = dialogupdate(c.scenario, c.startEnd);
        EXPECT_EQ(update.batchfiles, c.batchfiles);
        for (const auto& [field, text] : c.labels) EXPECT_EQ(update.labels[field], text) << field;
        EXPECT_TRUE(update.shown);
        EXPECT_TRUE(update.okEnabled);
        EXPECT_EQ(update.veduEnd, c.veduEnd);
        EXPECT_EQ(update.realTimeDate, c.realTimeDate);
    }
}

}  // namespace
