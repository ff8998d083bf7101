// os_test.cpp - operating-system services on real files, folders, variables and registry values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"
#include "scratch.hpp"

namespace {

class OsServices : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
};

void makeFile(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}

TEST_F(OsServices, VariablesRoundTripAndTooLongReadsBlank) {
    IOsVariablePut("GRAVTEST_VAR", "abcd   ");
    Text<10> value("old");
    IOsVariable("GRAVTEST_VAR", value);
    EXPECT_EQ(value.view(), "abcd      ");
    Text<3> small("old");
    IOsVariable("GRAVTEST_VAR", small);
    EXPECT_EQ(small.view(), "   ");
    EXPECT_EQ(WInfoError(1), 1023);
    IOsVariablePut("GRAVTEST_VAR");
    IOsVariable("GRAVTEST_VAR", value);
    EXPECT_TRUE(value.isBlank());
    IOsVariable("GRAVTEST_NEVER_SET", value);
    EXPECT_TRUE(value.isBlank());
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(OsServices, DateAndTimeWithMilliseconds) {
    int year = 0, month = 0, day = 0;
    IOsDate(year, month, day);
    EXPECT_GE(year, 2024);
    EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31);
    int hour = -1, minute = -1, second = -1, millis = -1;
    IOsTime(hour, minute, second, &millis);
    EXPECT_TRUE(hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 62);
    EXPECT_TRUE(millis >= 0 && millis <= 999);
}

TEST_F(OsServices, FileInformation) {
    ScratchFolder folder;
    makeFile("one.txt", "x");
    makeFile("empty.txt", "");
    makeFile("big.txt", std::string(1025, 'b'));
    int info[9];
    IOsFileInfo("one.txt", info, 9);
    EXPECT_EQ(info[0], 1);
    EXPECT_EQ(info[8], 1);
    int year = 0, month = 0, day = 0;
    IOsDate(year, month, day);
    EXPECT_EQ(info[1], year);
    EXPECT_EQ(info[7] & attributeDirectory, 0);
    IOsFileInfo("empty.txt", info, 9);
    EXPECT_EQ(info[0], 0);
    EXPECT_EQ(info[8], 0);
    IOsFileInfo("big.txt", info, 9);
    EXPECT_EQ(info[8], 2);

    // A missing file sets item 1 only; only the items asked for are written.
    for (int& item : info) item = 77;
    IOsFileInfo("missing.txt", info, 9);
    EXPECT_EQ(info[0], -1);
    EXPECT_EQ(info[1], 77);
    EXPECT_EQ(info[8], 77);
    IOsFileInfo("one.txt", info, 2);
    EXPECT_EQ(info[0], 1);
    EXPECT_EQ(info[1], year);
    EXPECT_EQ(info[2], 77);
    IOsFileInfo("    ", info, 0);
    EXPECT_EQ(info[0], -1);
}

TEST_F(OsServices, DirectoriesMadeFoundAndNamed) {
    ScratchFolder folder;
    IOsDirMake("sub");
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_TRUE(IOsDirExists("sub"));
    EXPECT_TRUE(IOsDirExists("  sub\\  "));
    EXPECT_FALSE(IOsDirExists("missing"));
    EXPECT_FALSE(IOsDirExists("   "));
    EXPECT_TRUE(IOsDirExists("\\"));
    makeFile("plain", "x");
    EXPECT_FALSE(IOsDirExists("plain"));
    IOsDirMake("none\\deeper");  // the parent must exist
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_NE(WInfoError(3), 0);

    Text<300> here;
    IOsDirName(here);
    EXPECT_EQ(std::filesystem::path(std::string(here.trimmed())), std::filesystem::current_path());
    Text<3> small("abc");
    IOsDirName(small);
    EXPECT_EQ(small.view(), "   ");
    EXPECT_EQ(WInfoError(1), 1023);
}

TEST_F(OsServices, DeleteEveryMatchButNotFolders) {
    ScratchFolder folder;
    IOsDirMake("d");
    for (const char* name : {"d/a.tmp", "d/b.tmp", "d/keep.txt"}) makeFile(name, "x");
    IOsDirMake("d\\dir.tmp");
    IOsDeleteFile("d\\*.tmp");
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_FALSE(std::filesystem::exists("d/a.tmp"));
    EXPECT_FALSE(std::filesystem::exists("d/b.tmp"));
    EXPECT_TRUE(std::filesystem::exists("d/keep.txt"));
    EXPECT_TRUE(std::filesystem::exists("d/dir.tmp"));

    IOsDeleteFile("d\\*.none");
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_EQ(WInfoError(3), yyosfilenotfound);
    IOsDeleteFile("   ");
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(OsServices, CopyOneFileOrEveryMatch) {
    ScratchFolder folder;
    makeFile("a.txt", "alpha");
    makeFile("b.txt", "beta");
    IOsDirMake("out");
    IOsCopyFile("a.txt", "a.txt");
    EXPECT_EQ(WInfoError(1), 55);
    IOsCopyFile("a.txt", "out\\");  // into a folder: the source's name is kept
    EXPECT_EQ(readWholeFile("out/a.txt"), "alpha");
    IOsCopyFile("b.txt", "out\\a.txt");  // overwrites
    EXPECT_EQ(readWholeFile("out/a.txt"), "beta");
    IOsDirMake("all");
    IOsCopyFile("*.txt", "all");
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(readWholeFile("all/a.txt"), "alpha");
    EXPECT_EQ(readWholeFile("all/b.txt"), "beta");
    IOsCopyFile("missing.txt", "out\\");
    EXPECT_EQ(WInfoError(1), 13);
    IOsCopyFile("*.none", "all");
    EXPECT_EQ(WInfoError(1), 13);
}

TEST_F(OsServices, NamesLongerThan260AreRefusedNotCut) {
    ScratchFolder folder;
    // Cut at 260 characters this name would be "victim.txt" padded by the folder part.
    const std::string prefix(250, 'p');
    makeFile("keep.txt", "keep");
    const std::string longName = prefix + "\\" + std::string(20, 'x') + "keep.txt";
    IOsDeleteFile(longName);
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_EQ(WInfoError(3), yyosnametoolong);
    IOsCopyFile("keep.txt", longName);
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_EQ(WInfoError(3), yyosnametoolong);
    IOsCopyFile(longName, "copy.txt");
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_FALSE(std::filesystem::exists("copy.txt"));
    EXPECT_EQ(readWholeFile("keep.txt"), "keep");
}

// Registry values of this test under the current user's key, removed afterwards.
class RegistryValues : public OsServices {
protected:
    static constexpr const char* key = "Software\\GravimonderTest";
    void SetUp() override {
        OsServices::SetUp();
        root = yyregkey("hkey_current_user");
        ASSERT_NE(root, -1);
    }
    void TearDown() override {
        for (const char* name : {"three", "empty", "unterminated", "binary", "long"})
            yyregvaldel(root, key, name);
        yyregkeydel(root, key);
        OsServices::TearDown();
    }
    void put(const char* name, int type, const std::string& data) {
        ASSERT_EQ(yyregkeyput(root, key, name, type, data), 0);
    }
    std::intptr_t root = -1;
};

TEST_F(RegistryValues, StringsAreCountedToTheirFirstNul) {
    put("three", 1, std::string("abc\0", 4));
    put("empty", 1, std::string("\0", 1));
    put("unterminated", 2, "wxyz");
    put("long", 1, std::string(120, 'L') + '\0');
    struct Case {
        const char* name;
        const char* text;
        int type;
        int length;
    } cases[] = {{"three", "abc", 1, 3}, {"empty", "", 1, 0}, {"unterminated", "wxyz", 2, 4}};
    for (const Case& c : cases) {
        Text<100> text("old");
        TextRef ref = text;
        int type = 0, length = 0;
        IOsRegistryGet("HKEY_CURRENT_USER\\Software\\GravimonderTest", &ref, c.name, &type, &length);
        EXPECT_EQ(text.trimmed(), c.text) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(length, c.length) << c.name;
        EXPECT_EQ(WInfoError(1), 0) << c.name;
    }

    // Too long for the text: 1023 and a blank text.
    Text<100> text("old");
    TextRef ref = text;
    int type = 0, length = 0;
    IOsRegistryGet("HKEY_CURRENT_USER\\Software\\GravimonderTest", &ref, "long", &type, &length);
    EXPECT_EQ(WInfoError(1), 1023);
    EXPECT_TRUE(text.isBlank());

    // Without a text only the type and length are asked for.
    IOsRegistryGet("HKEY_CURRENT_USER\\Software\\GravimonderTest", nullptr, "three", &type, &length);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(length, 3);
}

TEST_F(RegistryValues, BinaryDataIsCopiedRawAndBounded) {
    const std::string bytes("\x01\x00\x02\x00\xff\x00\x00\x00", 8);
    put("binary", 3, bytes);
    char storage[12];
    std::fill(storage, storage + 12, '#');
    TextRef ref(storage, 10);
    int type = 0, length = 0;
    IOsRegistryGet("HKEY_CURRENT_USER\\Software\\GravimonderTest", &ref, "binary", &type, &length);
    EXPECT_EQ(type, 3);
    EXPECT_EQ(length, 8);
    EXPECT_EQ(std::string(storage, 12), bytes + "  ##");
}

TEST_F(RegistryValues, MissingValuesKeysAndRoots) {
    put("three", 1, std::string("abc\0", 4));
    Text<20> text("old");
    TextRef ref = text;
    int type = 0, length = 9;
    IOsRegistryGet("HKEY_CURRENT_USER\\Software\\GravimonderTest", &ref, "absent", &type, &length);
    EXPECT_EQ(type, -2);
    EXPECT_EQ(length, 0);
    EXPECT_TRUE(text.isBlank());
    IOsRegistryGet("HKEY_CURRENT_USER\\Software\\GravimonderNoSuchKey", &ref, "three", &type, &length);
    EXPECT_EQ(type, -1);
    EXPECT_EQ(WInfoError(1), 0);
    IOsRegistryGet("HKEY_NOWHERE\\Software", &ref, std::nullopt, &type, &length);
    EXPECT_EQ(WInfoError(1), 1050);
    EXPECT_EQ(type, -1);
    IOsRegistryGet("HKEY_CURRENT_USER", &ref, std::nullopt, &type, &length);
    EXPECT_EQ(WInfoError(1), 1050);
}

}  // namespace
