// save_file_test.cpp - the save beside its target: the target is replaced only by a whole file,
// a given-up save leaves it and no scratch file, devices are written directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/files_internal.hpp"
#include "base/os_internal.hpp"
#include "base/save_file.hpp"
#include "scratch.hpp"

namespace {

class SaveBeside : public ::testing::Test {
protected:
    // A save begun and given the bytes.
    static void begun(SaveFile& save, std::string_view target, std::string_view bytes) {
        int status = -1;
        yysavebegin(target, save, status);
        ASSERT_EQ(status, 0);
        write(save, bytes);
    }
    static void write(SaveFile& save, std::string_view bytes) {
        std::int64_t done = 0;
        int status = 0;
        yywriteall(save.handle, bytes.data(), static_cast<std::int64_t>(bytes.size()), done, status);
        ASSERT_EQ(status, 0);
    }
    static std::vector<std::string> names() {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    ScratchFolder folder;
};

TEST_F(SaveBeside, TheTargetChangesOnlyWhenTheSaveEnds) {
    std::ofstream("data.txt", std::ios::binary) << "the old, longer content";
    SaveFile save;
    begun(save, "  data.txt  ", "new");
    EXPECT_EQ(readWholeFile("data.txt"), "the old, longer content");
    int status = -1;
    yysaveend(save, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readWholeFile("data.txt"), "new");
    EXPECT_EQ(names(), std::vector<std::string>{"data.txt"});
}

TEST_F(SaveBeside, AGivenUpSaveLeavesTheTargetAndNoScratchFile) {
    std::ofstream("data.txt", std::ios::binary) << "old";
    {
        SaveFile save;
        begun(save, "data.txt", "half");
        yysavediscard(save);
    }
    {
        SaveFile dropped;  // given up by going out of scope
        begun(dropped, "data.txt", "half");
    }
    EXPECT_EQ(readWholeFile("data.txt"), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"data.txt"});
}

TEST_F(SaveBeside, ANewNameAndTakenScratchNames) {
    std::ofstream("data.txt.~1") << "left by a save that was cut off";
    int status = -1;
    yysavewhole("data.txt", "made", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readWholeFile("data.txt"), "made");
    EXPECT_EQ(readWholeFile("data.txt.~1"), "left by a save that was cut off");
    EXPECT_EQ(names(), (std::vector<std::string>{"data.txt", "data.txt.~1"}));
}

TEST_F(SaveBeside, NamesThatCannotBeSavedTo) {
    std::filesystem::create_directory("folder");
    const struct {
        const char* name;
        bool anyCode;  // the system's own code, which differs between the systems
        int code;
    } cases[] = {{"   ", false, yyosinvalidargument}, {"folder", true, 0}, {"missing/data.txt", true, 0}};
    for (const auto& c : cases) {
        SaveFile save;
        int status = 0;
        yysavebegin(c.name, save, status);
        EXPECT_EQ(save.handle, -1) << c.name;
        if (c.anyCode) EXPECT_NE(status, 0) << c.name;
        else EXPECT_EQ(status, c.code) << c.name;
    }
    EXPECT_EQ(names(), std::vector<std::string>{"folder"});
}

TEST_F(SaveBeside, ADeviceIsWrittenDirectly) {
#ifdef _WIN32
    const char* device = "NUL";
#else
    const char* device = "/dev/null";
#endif
    SaveFile save;
    begun(save, device, "gone");
    EXPECT_EQ(save.scratch, "");
    int status = -1;
    yysaveend(save, status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(names().empty());
}

}  // namespace
