// startup_win.cpp - the start-up's folder procedure and its steps on the stand-in installation:
// settings files, the dates run and the X probe through the batch files, the run log read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/os.hpp"
#include "installation.hpp"
#include "runlog.hpp"
#include "scratch.hpp"
#include "settings.hpp"
#include "startup.hpp"

namespace fs = std::filesystem;

namespace {

int setupRuns = 0;
bool setupSaves = false;
bool fakesetup(ViewerState& state) {
    ++setupRuns;
    if (setupSaves) {
        state.qvdir.assign(fs::current_path().string());
        state.qvtmp.assign(fs::current_path().string());
    }
    return setupSaves;
}

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        savedProfile_ = std::getenv("USERPROFILE") ? std::getenv("USERPROFILE") : "";
        SetEnvironmentVariableA("USERPROFILE", profile_.c_str());
        setupRuns = 0;
        setupSaves = false;
    }
    void TearDown() override {
        runlogclose();
        SetEnvironmentVariableA("USERPROFILE", savedProfile_.c_str());
        SetEnvironmentVariableA("QV_DIR", nullptr);
        SetEnvironmentVariableA("QV_TMP", nullptr);
    }
    void settings(const std::string& text) { std::ofstream(profile_ + "\\quorvalerc1", std::ios::binary) << text; }
    bool establish(ViewerState& state) {
        settingspathandfolder(state);
        return establishfolders(state, fakesetup);
    }
    std::string environment(const char* name) {
        Text<300> value;
        IOsVariable(name, value);
        return value.os();
    }

    TestInstallation installation_;
    const std::string& home_ = installation_.home;
    const std::string& tmp_ = installation_.tmp;
    const std::string& profile_ = installation_.profile;
    std::string savedProfile_;
};

TEST_F(StartUp, SettingsFilesDecideTheFolders) {
    struct Case {
        std::string text;
        bool accepted;
        int setupRuns;
    } cases[] = {
        {"#\r\nQV_DIR=" + home_ + "\r\nQV_TMP=" + tmp_ + "\r\nGS=yes\r\n", true, 0},
        {"#\r\nINSTALL=" + home_ + "\r\nQV_TMP=" + tmp_ + "\r\n", true, 0},
        {"#\r\n QV_DIR=" + home_ + "\r\nQV_TMP=" + tmp_ + "\r\n", false, 1},  // leading blank
        {"#\r\nQV_DIR=" + home_ + "\\none\r\nQV_TMP=" + tmp_ + "\r\n", false, 1},  // missing folder
        {"#\r\nQV_DIR=" + home_ + "\r\n", false, 1},                               // missing line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        settings(c.text);
        setupRuns = 0;
        ViewerState state;
        EXPECT_EQ(establish(state), c.accepted);
        EXPECT_EQ(setupRuns, c.setupRuns);
        if (c.accepted) {
            EXPECT_EQ(state.qvdir.trimmed(), home_);
            EXPECT_EQ(state.qvdirLength, static_cast<int>(home_.size()));
            EXPECT_EQ(state.qvtmpq.trimmed(), "\"" + tmp_ + "\"");
            EXPECT_EQ(state.qvtmpqLength, static_cast<int>(tmp_.size()) + 2);
            EXPECT_EQ(environment("QV_DIR"), home_);
            EXPECT_EQ(environment("QV_TMP"), tmp_);
        }
    }
    // An unreadable file (here a folder of that name) opens the setup dialog too; Save accepts.
    fs::remove(profile_ + "\\quorvalerc1");
    fs::create_directory(profile_ + "\\quorvalerc1");
    setupSaves = true;
    setupRuns = 0;
    ViewerState state;
    EXPECT_TRUE(establish(state));
    EXPECT_EQ(setupRuns, 1);
    EXPECT_EQ(environment("QV_TMP"), fs::current_path().string());
}

TEST_F(StartUp, WithoutSettingsTheDefaultsServeAndNothingIsWritten) {
    ViewerState state;
    settingspathandfolder(state);
    state.currentFolder.assign(home_ + "\\bin");
    EXPECT_TRUE(establishfolders(state, fakesetup));
    EXPECT_EQ(setupRuns, 0);
    EXPECT_EQ(state.qvdir.trimmed(), home_);
    EXPECT_EQ(state.qvtmp.trimmed(), profile_ + "\\quorvale");
    EXPECT_TRUE(fs::is_directory(profile_ + "\\quorvale"));
    EXPECT_FALSE(fs::exists(profile_ + "\\quorvalerc1"));
}

TEST_F(StartUp, TheStepsRunTheBatchFilesAndLogInOrder) {
    settings("#\r\nQV_DIR=" + home_ + "\r\nQV_TMP=" + tmp_ + "\\run\r\nGS=yes\r\n");
    fs::remove(home_ + "\\bin\\global\\versioninfo.txt");
    ViewerState state;
    fs::create_directories(tmp_ + "\\run");
    ASSERT_TRUE(establish(state));
    fs::remove(tmp_ + "\\run");
    makescratchfolder(state);
    ASSERT_TRUE(fs::is_directory(tmp_ + "\\run"));
    openviewerlog(state);
    refreshenddatefiles(state);
    EXPECT_FALSE(probexserver(state));
    readversiontext(state);
    readvirtualbuoys(state);
    machinefacts(state);
    readenddates(state);
    runlogclose();

    EXPECT_EQ(state.versionText.view(), std::string(30, ' '));  // missing, and not created
    EXPECT_FALSE(fs::exists(home_ + "\\bin\\global\\versioninfo.txt"));
    EXPECT_EQ(state.ncity, 6);
    EXPECT_EQ(state.veduEnd, 107);
    EXPECT_EQ(state.avisoEnd, 96);
    EXPECT_EQ(state.reynoldsEnd, 106);
    EXPECT_EQ(state.realTimeDate.view(), "\"15-NOV-2012\"");

    std::string log = readWholeFile(tmp_ + "\\run\\quorvale.log");
    std::size_t at = 0;
    for (std::string line : {" QV_DIR=" + home_ + "\r\n", " QV_TMP=" + tmp_ + "\\run\r\n", std::string(" batchcode=NONE\r\n"),
                             std::string(" after ReadBuoy ncity= 6\r\n"), std::string(" Screen resolution: ixres="),
                             std::string(" end dates vedu,aviso,reynolds, rtdate:  107 96 106 \"15-NOV-2012\"\r\n")}) {
        std::size_t found = log.find(line, at);
        EXPECT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        if (found != std::string::npos) at = found + line.size();
    }
    EXPECT_EQ(log.find("version="), std::string::npos);
    std::string calls = readWholeFile(tmp_ + "\\run\\standin.log");
    EXPECT_EQ(calls.find("qvferret.bat " + home_ + " \"" + tmp_ + "\\run\" "), 0u) << calls;
    EXPECT_NE(calls.find("qvLookForX.bat " + home_ + " \"" + tmp_ + "\\run\" 0"), std::string::npos) << calls;

    // The version file's two lines make the version text; a probe digit 1 gives "HAVE".
    std::ofstream(home_ + "\\bin\\global\\versioninfo.txt", std::ios::binary) << "Version 2.1\r\nDecember 2012\r\n";
    std::ofstream(home_ + "\\bin\\xwininfo.txt", std::ios::binary) << "1\r\n";
    runlogopen(tmp_ + "\\run\\quorvale.log");
    readversiontext(state);
    EXPECT_TRUE(probexserver(state));
    runlogclose();
    EXPECT_EQ(state.versionText.view(), "Version 2.1    December 2012  ");
    EXPECT_EQ(readWholeFile(tmp_ + "\\run\\quorvale.log"),
              " version=Version 2.1    December 2012  \r\n batchcode=HAVE\r\n");
}

TEST_F(StartUp, TheCleanUpRunRemovesTheCommandFiles) {
    settings("#\r\nQV_DIR=" + home_ + "\r\nQV_TMP=" + tmp_ + "\r\n");
    ViewerState state;
    ASSERT_TRUE(establish(state));
    std::ofstream(tmp_ + "\\qvferretinmap1.txt") << "cancel mode journal\n";
    startcleanup(state);
    for (int i = 0; i < 100 && fs::exists(tmp_ + "\\qvferretinmap1.txt"); ++i) Sleep(50);
    EXPECT_FALSE(fs::exists(tmp_ + "\\qvferretinmap1.txt"));
}

}  // namespace
