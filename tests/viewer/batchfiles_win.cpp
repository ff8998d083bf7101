// batchfiles_win.cpp - the stand-in installation's batch files run as the viewer runs them:
// command lines from createioscommand, hidden processes, results read back from the scratch folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "commandline.hpp"
#include "enddates.hpp"
#include "installation.hpp"
#include "scratch.hpp"

namespace {

class StandInInstallation : public ::testing::Test {
protected:
    void SetUp() override {
        quoted_ = "\"" + tmp_ + "\"";
        SetEnvironmentVariableA("QV_DIR", home_.c_str());
        SetEnvironmentVariableA("QV_TMP", tmp_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("QV_DIR", nullptr);
        SetEnvironmentVariableA("QV_TMP", nullptr);
    }

    // Builds the batch file's line and runs it hidden, waiting for its end.
    void run(const std::string& batfile, const std::string& argument, int mode) {
        Text<MaxCommandLine> messy;
        int length = 0;
        createioscommand(home_, static_cast<int>(home_.size()), quoted_, static_cast<int>(quoted_.size()), batfile,
                         argument, mode, messy, length, 0);
        std::string line = messy.os();
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                                   nullptr, &startup, &process))
            << line;
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0) << line;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    std::string scratch(const std::string& name) { return readWholeFile(tmp_ + "\\" + name); }
    // The first word of each line of the call log.
    std::string calls() {
        std::string log = scratch("standin.log"), result;
        for (std::size_t at = 0; at < log.size();) {
            std::size_t end = log.find("\r\n", at);
            std::string line = log.substr(at, end - at);
            result += line.substr(0, line.find(' ')) + ";";
            at = end == std::string::npos ? log.size() : end + 2;
        }
        return result;
    }

    // Runs the dates script as the viewer does and reads the end-date files it leaves.
    struct EndDates {
        int vedu = 0, aviso = 0, reynolds = 0;
        Text<RealTimeDateLength> rtdate{"\"           \""};
    };
    EndDates datesrun() {
        run("\\bin\\qvferret.bat", "\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl", 1);
        EndDates ends;
        getenddates(ends.vedu, ends.aviso, ends.reynolds, ends.rtdate, home_, 0, tmp_, static_cast<int>(tmp_.size()));
        return ends;
    }

    TestInstallation installation_;
    const std::string& home_ = installation_.home;
    const std::string& tmp_ = installation_.tmp;
    std::string quoted_;
};

TEST_F(StandInInstallation, TheDatesRunLeavesTheEndDateFiles) {
    EndDates ends = datesrun();
    EXPECT_EQ(ends.vedu, 107);
    EXPECT_EQ(ends.aviso, 96);
    EXPECT_EQ(ends.reynolds, 106);
    EXPECT_EQ(ends.rtdate.view(), "\"15-NOV-2012\"");
    EXPECT_EQ(calls(), "qvferret.bat;ferret.exe;");
}

TEST_F(StandInInstallation, TheXProbeSaysHaveForDigitOne) {
    run("\\bin\\qvLookForX.bat", "0", 2);
    EXPECT_EQ(scratch("batch.log"), "NONE\r\n");
    run("\\bin\\qvLookForX.bat", "1", 2);
    EXPECT_EQ(scratch("batch.log"), "HAVE\r\n");
}

TEST_F(StandInInstallation, AJpgRequestRunsThroughTheThreeSteps) {
    std::ofstream(tmp_ + "\\qvferretinmap1.txt", std::ios::binary)
        << "cancel mode journal\r\nset mode metafile " << tmp_ << "\\metamap1\r\n"
        << "go fer_temp_map 61 61 0 0 -60.00 25.00 130.00 250.00 1 0 0\r\n"
        << "list/file=map1.txt/clobber/width=5000/format=tab temp_map\r\n"
        << "ppl clsplt\r\nspawn qvErrFer.bat " << quoted_ << "\r\n";
    run("\\bin\\qvferret.bat", "qvferretinmap1.txt", 4);
    run("\\bin\\qvMeta2PS.bat", "map1", 2);
    run("\\bin\\qvPS2jpg.bat", "map1", 2);
    EXPECT_NE(scratch("metamap1").find("fer_temp_map"), std::string::npos);
    EXPECT_EQ(scratch("map1.ps"), scratch("metamap1"));
    EXPECT_EQ(scratch("map1.jpg"), scratch("metamap1"));
    EXPECT_NE(scratch("map1.txt").find("temp_map"), std::string::npos);
    EXPECT_EQ(scratch("ferreterror.log"), "OK\r\n");
    EXPECT_EQ(calls(), "qvferret.bat;ferret.exe;qvErrFer.bat;qvMeta2PS.bat;qvPS2jpg.bat;");

    // The shutdown batch file removes the command files.
    run("\\bin\\qvJnlrm.bat", " ", 0);
    EXPECT_FALSE(std::filesystem::exists(tmp_ + "\\qvferretinmap1.txt"));
}

TEST_F(StandInInstallation, AnOutOfMemoryRunLeavesTheErrorWord) {
    std::ofstream(tmp_ + "\\qvferretintim1.txt", std::ios::binary)
        << "set memory/size=9999\r\nppl clsplt\r\nspawn qvErrFer.bat " << quoted_ << "\r\n";
    run("\\bin\\qvferret.bat", "qvferretintim1.txt", 4);
    EXPECT_EQ(scratch("ferreterror.log").substr(0, 11), "ERRORMEMORY");
}

TEST_F(StandInInstallation, UpdateStepsPlayTheScenarioOfTheScenarioFile) {
    // Without a scenario file: a new month, appended by the update script.
    run("\\bin\\qvGetUp.bat", "052012", 2);
    EXPECT_EQ(scratch("getup.log"), "FOUN\r\nGOTU\r\nDONE\r\n");
    run("\\bin\\qvRunUp.bat", "052012 05", 2);
    EXPECT_EQ(scratch("runup.log"), "DIDI\r\nDONE\r\n");
    std::ofstream(tmp_ + "\\qvferret052012.txt", std::ios::binary)
        << " cancel mode journal\r\n go fer_append_new_month RG_VeduClim_052012.nc\r\n quit\r\n";
    run("\\bin\\qvAppUp.bat", "\\qvferret052012.txt 052012", 4);
    EXPECT_NE(scratch("ferret.log").find("go fer_append_new_month RG_VeduClim_052012.nc"), std::string::npos);
    run("\\bin\\qvCheckUpRT.bat", " ", 0);
    EXPECT_EQ(scratch("checkupRT.log"), "CHEK\r\nFOUN\r\nNODI\r\n");
    EXPECT_EQ(scratch("RG_VeduClim_Real_Time.txt"), "RG_VeduClim_RT_2012.nc\r\n");
    EndDates appended = datesrun();
    EXPECT_EQ(appended.vedu, 101);
    EXPECT_EQ(appended.aviso, 101);
    EXPECT_EQ(appended.reynolds, 101);

    // A new real-time file: fetched, and its time stamp is the one the dates run reports next.
    std::ofstream(tmp_ + "\\standin-update.txt", std::ios::binary) << "newrealtime\r\n";
    run("\\bin\\qvGetUp.bat", "062012", 2);
    EXPECT_EQ(scratch("getup.log"), "TRYD\r\nERRO\r\nNOFI\r\n");
    run("\\bin\\qvCheckUpRT.bat", " ", 0);
    EXPECT_EQ(scratch("checkupRT.log"), "CHEK\r\nFOUN\r\nDIFF\r\n");
    run("\\bin\\qvGetUpRT.bat", "RG_VeduClim_RT_2012.nc", 2);
    EXPECT_EQ(scratch("getupRT.log"), "TRYG\r\nGOTG\r\nGOTN\r\n");
    EXPECT_EQ(datesrun().rtdate.view(), "\"10-DEC-2012\"");

    // A scenario without a log removes an older one.
    std::ofstream(tmp_ + "\\standin-update.txt", std::ios::binary) << "nogetuplog\r\n";
    run("\\bin\\qvGetUp.bat", "062012", 2);
    EXPECT_FALSE(std::filesystem::exists(tmp_ + "\\getup.log"));

    run("\\bin\\notepad", "\\Help\\README.txt", 5);
    run("\\bin\\qvKillCygwinX.bat", " ", 0);
    run("\\bin\\qvInstallNewExe.bat", " ", 0);
    EXPECT_EQ(batchcalls(scratch("standin.log")), "qvGetUp;qvRunUp;qvAppUp;qvCheckUpRT;qvferret;qvGetUp;qvCheckUpRT;"
                                                  "qvGetUpRT;qvferret;qvGetUp;qvKillCygwinX;qvInstallNewExe;");
    EXPECT_NE(scratch("standin.log").find("notepad.exe " + home_ + "\\Help\\README.txt"), std::string::npos);
}

}  // namespace
