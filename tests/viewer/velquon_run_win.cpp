// velquon_run_win.cpp - the real velquon.exe started on a copy of the stand-in installation,
// driven from outside as a user would: its dialogs found by title, buttons clicked, the run
// log, the call log and the settings file read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "installation.hpp"
#include "scratch.hpp"

namespace fs = std::filesystem;

namespace {

constexpr DWORD Deadline = 20000;

class Velquon : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(nativepath(std::string("Z:") + GRAV_VELQUON), home_ + "\\bin\\velquon.exe");
        settings(tmp_);
    }
    void TearDown() override {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 9);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }
    void settings(const std::string& scratch) {
        std::ofstream(profile_ + "\\quorvalerc1", std::ios::binary)
            << "# quorvale startup script, created by quorvale, keep format the same!\r\nQV_DIR=" << home_
            << "\r\nQV_TMP=" << scratch << "\r\nGS=yes\r\n";
    }
    void start() {
        std::string environment;
        char* block = GetEnvironmentStringsA();
        for (char* at = block; *at != '\0'; at += std::strlen(at) + 1)
            if (_strnicmp(at, "USERPROFILE=", 12) != 0) environment.append(at, std::strlen(at) + 1);
        FreeEnvironmentStringsA(block);
        environment += "USERPROFILE=" + profile_ + '\0';
        std::string line = "\"" + home_ + "\\bin\\velquon.exe\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                                   (home_ + "\\bin").c_str(), &startup, &process_));
    }
    // The visible dialog with that title, waiting for it to appear.
    HWND dialog(const char* title) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < Deadline; Sleep(50)) {
            HWND found = FindWindowA("#32770", title);
            if (found != nullptr && IsWindowVisible(found)) return found;
        }
        ADD_FAILURE() << "no dialog \"" << title << "\"";
        return nullptr;
    }
    bool gone(const char* title) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < Deadline; Sleep(50)) {
            HWND found = FindWindowA("#32770", title);
            if (found == nullptr || !IsWindowVisible(found)) return true;
        }
        return false;
    }
    void click(HWND window, int button) { PostMessageA(GetDlgItem(window, button), BM_CLICK, 0, 0); }
    void type(HWND window, int field, const std::string& text) {
        SetDlgItemTextA(window, field, text.c_str());
        SendMessageA(GetDlgItem(window, field), EM_SETMODIFY, TRUE, 0);
    }
    // The text of the box of that title, once it is up.
    std::string boxtext(const char* title) {
        char text[512] = "";
        if (HWND box = dialog(title)) GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        return text;
    }
    // The box's OK, once it is up; returns when the box is gone, so that the next box found is
    // a new one.
    void answerbox(const char* title) {
        HWND box = dialog(title);
        if (box == nullptr) return;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        for (DWORD start = GetTickCount(); GetTickCount() - start < Deadline && IsWindow(box) && IsWindowVisible(box);)
            Sleep(20);
    }
    DWORD exitcode() {
        EXPECT_EQ(WaitForSingleObject(process_.hProcess, Deadline), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    std::string scratch(const std::string& name) { return readWholeFile(tmp_ + "\\" + name); }
    // Whether the scratch file came to hold the text before the deadline.
    bool logged(const std::string& name, const std::string& text, DWORD deadline = Deadline) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < deadline; Sleep(50))
            if (scratch(name).find(text) != std::string::npos) return true;
        return scratch(name).find(text) != std::string::npos;
    }
    // Returns once the viewer has handled what was posted to window before: its thread takes a
    // sent message only between two posted ones, so the second of two sent messages completes
    // after the posted ones queued ahead of it were dispatched.
    bool handled(HWND window) {
        DWORD_PTR result = 0;
        for (int n = 0; n < 2; ++n)
            if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, Deadline, &result) == 0) return false;
        return true;
    }

    TestInstallation installation_;
    const std::string& home_ = installation_.home;
    const std::string& tmp_ = installation_.tmp;
    const std::string& profile_ = installation_.profile;
    PROCESS_INFORMATION process_{};
};

TEST_F(Velquon, StartsLogsInOrderShowsTheMainDialogAndExits) {
    start();
    HWND main = dialog("Global Vedu Quorvale");
    ASSERT_NE(main, nullptr);
    // The log reaches the file at its flushes; the last one follows the end dates.
    logged("quorvale.log", "end dates");
    std::string log = scratch("quorvale.log");
    std::size_t at = 0;
    for (std::string line : {" QV_DIR=" + home_ + "\r\n", " QV_TMP=" + tmp_ + "\r\n", std::string(" batchcode=NONE\r\n"),
                             std::string(" version=Version 2.1    December 2012  \r\n"),
                             std::string(" after ReadBuoy ncity= 6\r\n"), std::string(" Screen resolution: ixres="),
                             std::string(" cpu bench test:\r\n"), std::string(" real time="),
                             std::string(" end dates vedu,aviso,reynolds, rtdate:  107 96 106 \"15-NOV-2012\"\r\n")}) {
        std::size_t found = log.find(line, at);
        EXPECT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        if (found != std::string::npos) at = found + line.size();
    }
    // Every dialog is loaded, hidden; the buoy menus hold the six buoys of the installation.
    for (const char* title : {"Time Series Parameters - Quorvale", "Line Drawing Parameters - Quorvale"}) {
        HWND family = FindWindowA("#32770", title);
        ASSERT_NE(family, nullptr) << title;
        EXPECT_EQ(SendDlgItemMessageA(family, 1047, CB_GETCOUNT, 0, 0), 6) << title;
    }
    char version[64] = {};
    GetDlgItemTextA(main, 1016, version, sizeof version);
    EXPECT_STREQ(version, "Version 2.1    December 2012");
    // OK shows the chosen family's dialog; its Plot runs the command file through the batch file.
    click(main, 1);
    HWND map = dialog("Map View Parameters - Quorvale");
    ASSERT_NE(map, nullptr);
    click(map, 1035);
    logged("standin.log", "qvferretinmap1.txt");
    EXPECT_NE(scratch("qvferretinmap1.txt").find("cancel mode journal"), std::string::npos);
    EXPECT_NE(scratch("standin.log").find("qvferret.bat " + home_ + " \"" + tmp_ + "\" qvferretinmap1.txt"), std::string::npos);

    // Help starts the text viewer on the help file, shown and not waited for.
    click(main, 1032);
    logged("standin.log", "notepad");
    EXPECT_NE(scratch("standin.log").find("notepad.exe " + home_ + "\\Help\\README.txt"), std::string::npos);
    click(main, 1002);
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_NE(scratch("quorvale.log").find(" spawn notepad:\r\n"), std::string::npos);
    logged("standin.log", "qvJnlrm", 5000);
    std::string calls = scratch("standin.log");
    EXPECT_EQ(calls.find("qvferret.bat"), 0u) << calls;
    EXPECT_LT(calls.find("ferret.exe"), calls.find("qvLookForX.bat")) << calls;
    EXPECT_NE(calls.find("qvJnlrm.bat"), std::string::npos) << calls;
    EXPECT_EQ(calls.find("qvKillCygwinX.bat"), std::string::npos) << calls;
}

// Each plot family from the main dialog: its dialog comes up, Plot runs its command file
// through the batch file, Create JPG runs the three steps of the chain to its JPG.
TEST_F(Velquon, EachFamilyPlotsAndCreatesAJpg) {
    start();
    HWND main = dialog("Global Vedu Quorvale");
    ASSERT_NE(main, nullptr);
    const struct {
        int radio;
        const char* title;
        const char* tag;
    } families[] = {{1007, "Vertical Section parameters - Quorvale", "ver"},
                    {1008, "Time Series Parameters - Quorvale", "tim"},
                    {1054, "Line Drawing Parameters - Quorvale", "lin"},
                    {1087, "Derived product parameters-Quorvale", "pro"}};
    for (const auto& f : families) {
        SCOPED_TRACE(f.tag);
        click(main, f.radio);
        click(main, 1);
        HWND family = dialog(f.title);
        ASSERT_NE(family, nullptr);
        const std::string first = std::string("qvferretin") + f.tag + "1.txt";
        click(family, 1035);
        logged("standin.log", first);
        EXPECT_NE(scratch(first).find("ppl clsplt"), std::string::npos);
        EXPECT_NE(scratch("standin.log").find("qvferret.bat " + home_ + " \"" + tmp_ + "\" " + first), std::string::npos);

        const std::string jpg = std::string(f.tag) + "2.jpg";
        click(family, 1076);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 4 * Deadline && scratch(jpg).empty();) Sleep(100);
        EXPECT_FALSE(scratch(jpg).empty());
        EXPECT_EQ(scratch(std::string("qvferretin") + f.tag + "2.txt").find("set mode metafile "), 21u);
        // The progress dialog names the JPG, and its OK puts it away.
        HWND progress = dialog("Quorvale");
        ASSERT_NE(progress, nullptr);
        for (DWORD start = GetTickCount(); GetTickCount() - start < Deadline && !IsWindowEnabled(GetDlgItem(progress, IDOK));)
            Sleep(50);
        click(progress, IDOK);
        EXPECT_TRUE(gone("Quorvale"));
    }
    click(main, 1002);
    EXPECT_EQ(exitcode(), 1u);
}

TEST_F(Velquon, AHaveProbeGivesTheWarningBoxFirst) {
    std::ofstream(home_ + "\\bin\\xwininfo.txt", std::ios::binary) << "1\r\n";
    start();
    ASSERT_NE(dialog("X Window Information"), nullptr);
    EXPECT_EQ(FindWindowA("#32770", "Global Vedu Quorvale") == nullptr ||
                  !IsWindowVisible(FindWindowA("#32770", "Global Vedu Quorvale")),
              true);
    answerbox("X Window Information");
    HWND main = dialog("Global Vedu Quorvale");
    ASSERT_NE(main, nullptr);
    click(main, 1074);  // Stop: the stop batch file, then the end
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_TRUE(logged("standin.log", "qvKillCygwinX.bat")) << scratch("standin.log");
}

TEST_F(Velquon, SetupChangingTheScratchFolderSavesAndEnds) {
    start();
    HWND main = dialog("Global Vedu Quorvale");
    ASSERT_NE(main, nullptr);
    click(main, 1124);
    HWND setup = dialog("Setup paths - Quorvale");
    ASSERT_NE(setup, nullptr);

    // A failed Save, then another dialog's button 2, then Cancel: the folders stay.
    type(setup, 1120, "");
    click(setup, 1123);
    answerbox("Error");
    type(setup, 1120, tmp_ + "\\new\"folder");
    click(setup, 1123);
    answerbox("Error");
    PostMessageA(FindWindowA("#32770", "Quorvale"), WM_COMMAND, 2, 0);
    ASSERT_TRUE(handled(setup));
    EXPECT_TRUE(IsWindowVisible(setup));
    // A settings file that cannot be written: its box, and the setup stays for another try.
    const std::string settingsFile = profile_ + "\\quorvalerc1";
    fs::rename(settingsFile, settingsFile + ".kept");
    fs::create_directory(settingsFile);
    type(setup, 1120, tmp_);
    click(setup, 1123);
    EXPECT_NE(boxtext("Error").find("I cannot write the settings file"), std::string::npos) << boxtext("Error");
    answerbox("Error");
    ASSERT_TRUE(handled(setup));
    EXPECT_TRUE(IsWindowVisible(setup));
    fs::remove(settingsFile);
    fs::rename(settingsFile + ".kept", settingsFile);
    click(setup, 2);
    ASSERT_TRUE(gone("Setup paths - Quorvale"));
    EXPECT_NE(readWholeFile(profile_ + "\\quorvalerc1").find("QV_TMP=" + tmp_ + "\r\n"), std::string::npos);

    // A new scratch folder: created, saved, and the program asks for a restart and ends.
    click(main, 1124);
    setup = dialog("Setup paths - Quorvale");
    ASSERT_NE(setup, nullptr);
    type(setup, 1120, tmp_ + "\\new");
    click(setup, 1123);
    answerbox("Restart information");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_TRUE(fs::is_directory(tmp_ + "\\new"));
    EXPECT_NE(readWholeFile(profile_ + "\\quorvalerc1").find("QV_TMP=" + tmp_ + "\\new\r\n"), std::string::npos);
    std::string log = scratch("quorvale.log");
    EXPECT_NE(log.find(" after getsetup,igs= 1igs_save= 1\r\n"), std::string::npos) << log;
}

TEST_F(Velquon, AMissingFolderOpensTheSetupAndCancelEndsSilently) {
    settings(tmp_ + "\\missing");
    start();
    HWND setup = dialog("Setup paths - Quorvale");
    ASSERT_NE(setup, nullptr);
    click(setup, 2);
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_FALSE(fs::exists(tmp_ + "\\missing"));
}

// The Update button: the scenario file in the scratch folder chooses what the stand-in update
// steps report; several updates in one run, the last one installing a new program.
TEST_F(Velquon, UpdatesReportTheirScenariosAndANewProgramEndsTheViewer) {
    start();
    HWND main = dialog("Global Vedu Quorvale");
    ASSERT_NE(main, nullptr);
    struct Case {
        const char* scenario;
        const char* batchfiles;  // the update's own batch files, in order
        std::map<int, std::string> labels;
    } cases[] = {
        // Vedu to November 2012: the December update, whose download failed, keeps its notice.
        {"downloadfailed", "qvferret;qvGetUp;qvCheckUpRT;qvferret;",
         {{1022, "Nov-2012"}, {1090, "Downloading Vedu update for Dec-2012 ..."},
          {1092, "This update contains the full vedu grid, if you have any"},
          {1102, "You have the most recent Real Time Vedu data file."}}},
        {"newmonth", "qvferret;qvGetUp;qvRunUp;qvAppUp;qvCheckUpRT;qvferret;",
         {{1099, "Done!"}, {1100, "Done !   Data files were updated."}}},
        // December was appended: the next update asks for January.
        {"nothingnew", "qvferret;qvGetUp;qvCheckUpRT;qvferret;",
         {{1022, "Dec-2012"}, {1090, "Downloading Vedu update for Jan-2013 ..."},
          {1092, "The update file does not exist yet, try after the 15th of the"}, {1099, ""}, {1100, ""}}},
        {"offline", "qvferret;qvGetUp;qvCheckUpRT;qvferret;",
         {{1092, "I cannot access the internet to download the update file."},
          {1093, "Download 012013_monthly_update.exe file to c:\\quorvale\\tmp"},
          {1102, "I cannot reach the internet."}}},
        {"newrealtime", "qvferret;qvGetUp;qvCheckUpRT;qvGetUpRT;qvferret;",
         {{1102, "Downloading the most recent Real Time Vedu data file..."}, {1103, "Done!"}}},
        {"shortcheckuplog", "qvferret;qvGetUp;qvCheckUpRT;",
         {{1092, "Unknown error, you may need to download a whole new install"}, {1102, ""}, {1103, ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        std::ofstream(tmp_ + "\\standin-update.txt", std::ios::binary | std::ios::trunc) << c.scenario << "\r\n";
        std::size_t before = scratch("standin.log").size();
        click(main, 1088);
        HWND update = dialog("Update Quorvale");
        ASSERT_NE(update, nullptr);
        // OK is disabled from the start of the update to its end.
        for (DWORD start = GetTickCount(); GetTickCount() - start < 60000 && !IsWindowEnabled(GetDlgItem(update, 1));)
            Sleep(100);
        ASSERT_TRUE(IsWindowEnabled(GetDlgItem(update, 1)));
        for (const auto& [field, text] : c.labels) {
            char shown[200] = {};
            GetDlgItemTextA(update, field, shown, sizeof shown);
            EXPECT_EQ(shown, text) << field;
        }
        EXPECT_EQ(batchcalls(scratch("standin.log").substr(before)), c.batchfiles);
        click(update, 1);
        ASSERT_TRUE(gone("Update Quorvale"));
    }

    std::ofstream(tmp_ + "\\standin-update.txt", std::ios::binary | std::ios::trunc) << "newprogram\r\n";
    std::size_t before = scratch("standin.log").size();
    click(main, 1088);
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
    logged("standin.log", "qvInstallNewExe", 10000);
    EXPECT_EQ(batchcalls(scratch("standin.log").substr(before)),
              "qvferret;qvGetUp;qvRunUp;qvAppUp;qvCheckUpRT;qvferret;qvKillCygwinX;qvInstallNewExe;");
    EXPECT_NE(scratch("quorvale.log").find("ncdatevedu2=012013 01"), std::string::npos);
}

}  // namespace
