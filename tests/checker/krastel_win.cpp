// krastel_win.cpp - the checker program as the installation starts it: the scratch folder in
// quotes as its argument, the advice box answered from outside, the log read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "scratch.hpp"

namespace {

class Krastel : public ::testing::Test {
protected:
    void SetUp() override {
        folder = scratch.path() + "\\plot folder with blanks";
        std::filesystem::create_directory(folder);
    }
    void errorfile(const std::string& bytes) {
        std::FILE* file = std::fopen((folder + "\\ferreterror.log").c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    // Starts the checker on the folder; the box it shows, if any, is answered with OK.
    // Returns the box's title ("" for none) once the program has ended.
    std::string run() {
        std::string line = "\"" GRAV_KRASTEL "\" \"" + folder + "\" ignored";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process));
        std::string title;
        for (int waited = 0; waited < 20000; waited += 50) {
            if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
            if (HWND box = FindWindowA("#32770", "Ferret error"); box && IsWindowVisible(box)) {
                title = "Ferret error";
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        }
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), WAIT_OBJECT_0);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return title;
    }
    std::string log() { return readWholeFile(folder + "\\krastel.log"); }

    ScratchFolder scratch;
    std::string folder;
};

TEST_F(Krastel, OutOfMemoryShowsTheAdviceAndLogsTheWord) {
    errorfile("ERRORMEMORY at line 12\r\n");
    EXPECT_EQ(run(), "Ferret error");
    EXPECT_NE(log().find(" CheckFerretError =ERRORMEMORY\r\n"), std::string::npos) << log();
    EXPECT_NE(log().find(" filename=" + folder + "\\ferreterror.log"), std::string::npos) << log();
}

TEST_F(Krastel, OtherWordsAndMissingFilesEndQuietly) {
    errorfile("errormemory\r\n");
    EXPECT_EQ(run(), "");
    EXPECT_NE(log().find(" CheckFerretError =errormemory"), std::string::npos);
    std::filesystem::remove(folder + "\\ferreterror.log");
    EXPECT_EQ(run(), "");
    EXPECT_NE(log().find(" error opening " + folder + "\\ferreterror.log"), std::string::npos);
}

TEST_F(Krastel, ALogThatCannotBeCreatedStillLeavesTheAdvice) {
    std::filesystem::create_directory(folder + "\\krastel.log");
    errorfile("ERRORMEMORY\r\n");
    EXPECT_EQ(run(), "Ferret error");
}

}  // namespace
