// settings_test.cpp - the settings file read and written in a scratch folder, and typed folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "commandline.hpp"
#include "scratch.hpp"
#include "settings.hpp"

namespace {

struct Folders {
    bool read;
    std::string qvdir, qvtmp;
    int dirLength, tmpLength;
};

Folders readback(const std::string& path) {
    Text<MaxViewerPath> qvdir, qvtmp;
    Folders folders{};
    folders.dirLength = folders.tmpLength = -1;
    folders.read = readsettings(path, qvdir, folders.dirLength, qvtmp, folders.tmpLength);
    folders.qvdir = qvdir.trimmed();
    folders.qvtmp = qvtmp.trimmed();
    return folders;
}

TEST(SettingsFile, LinesTwoAndThreeGiveTheFoldersByPosition) {
    struct Case {
        const char* text;
        bool read;
        const char* qvdir;
        int dirLength;
        const char* qvtmp;
        int tmpLength;
    } cases[] = {
        {"# c\r\nQV_DIR=C:\\qv\r\nQV_TMP=C:\\qv\\tmp\r\nGS=yes\r\n", true, "C:\\qv", 5, "C:\\qv\\tmp", 9},
        {"# c\nOTHER=C:\\qv\nQV_TMP=C:\\t   \n", true, "C:\\qv", 5, "C:\\t", 4},  // any key, LF ends too
        {"# c\r\nQV_DIR= C:\\qv\r\nQV_TMP=C:\\t\r\n", true, " C:\\qv", 6, "C:\\t", 4},  // blank after "="
        {"# c\r\n QV_DIR=C:\\qv\r\nQV_TMP=C:\\t\r\n", true, "", -1, "C:\\t", 4},       // leading blank
        {"# c\r\nQV_DIR C:\\qv\r\nQV_TMP=C:\\t\r\n", true, "", -1, "C:\\t", 4},        // no "="
        {"# c\r\nQV_DIR=a=b\r\nQV_TMP=\r\n", true, "a=b", 3, "", 0},
        {"# c\r\nQV_DIR=C:\\qv\r\n", false, "C:\\qv", 5, "", -1},                     // line 3 missing
        {"", false, "", -1, "", -1},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        std::ofstream("quorvalerc1", std::ios::binary | std::ios::trunc) << c.text;
        Folders f = readback("quorvalerc1");
        EXPECT_EQ(f.read, c.read) << c.text;
        EXPECT_EQ(f.qvdir, c.qvdir) << c.text;
        EXPECT_EQ(f.dirLength, c.dirLength) << c.text;
        EXPECT_EQ(f.qvtmp, c.qvtmp) << c.text;
        EXPECT_EQ(f.tmpLength, c.tmpLength) << c.text;
    }
}

TEST(SettingsFile, MissingAndUnreadableFilesAreNotRead) {
    ScratchFolder folder;
    EXPECT_FALSE(readback("quorvalerc1").read);
    std::filesystem::create_directory("quorvalerc1");  // exists, but cannot be read as a file
    EXPECT_FALSE(readback("quorvalerc1").read);
}

TEST(SettingsFile, LongLinesAreCutTo128Characters) {
    ScratchFolder folder;
    std::string longFolder(200, 'd');
    std::ofstream("quorvalerc1", std::ios::binary) << "#\r\nQV_DIR=" << longFolder << "\r\nQV_TMP=t\r\n";
    Folders f = readback("quorvalerc1");
    EXPECT_EQ(f.qvdir, longFolder.substr(0, 121));
    EXPECT_EQ(f.dirLength, 121);
}

TEST(SettingsFile, WrittenFourLinesReadBack) {
    ScratchFolder folder;
    ASSERT_TRUE(writesettings("quorvalerc1", "C:\\qv   ", "C:\\qv\\tmp", 0));
    EXPECT_EQ(readWholeFile("quorvalerc1"),
              "# quorvale startup script, created by quorvale, keep format the same!\r\n"
              "QV_DIR=C:\\qv\r\nQV_TMP=C:\\qv\\tmp\r\nGS=no \r\n");
    ASSERT_TRUE(writesettings("quorvalerc1", "D:\\a", "D:\\b", 1));
    EXPECT_NE(readWholeFile("quorvalerc1").find("\r\nGS=yes\r\n"), std::string::npos);
    Folders f = readback("quorvalerc1");
    EXPECT_EQ(f.qvdir, "D:\\a");
    EXPECT_EQ(f.qvtmp, "D:\\b");
    EXPECT_FALSE(writesettings("no-such-folder/quorvalerc1", "a", "b", 1));
}

TEST(SetupFolders, QuotesAndTooLongFoldersAreRefused) {
    EXPECT_EQ(setupfolderproblem("C:\\qv", "C:\\qv\\tmp"), "");
    EXPECT_NE(setupfolderproblem("C:\\q\"v", "C:\\t"), "");
    EXPECT_NE(setupfolderproblem("C:\\qv", "C:\\\"t"), "");
    // The dates run's line (three times the installation folder) limits it to 80 characters here;
    // the scratch folder is limited by the longest name joined to it.
    EXPECT_EQ(setupfolderproblem(std::string(80, 'd'), "C:\\t"), "");
    EXPECT_NE(setupfolderproblem(std::string(81, 'd'), "C:\\t"), "");
    EXPECT_EQ(setupfolderproblem("C:\\qv", std::string(102, 't')), "");
    EXPECT_NE(setupfolderproblem("C:\\qv", std::string(103, 't')), "");
}

}  // namespace
