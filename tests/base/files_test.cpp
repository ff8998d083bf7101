// files_test.cpp - byte-stream files: a round trip through a real file, seeks, and failures.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>

#include "base/errors.hpp"
#include "base/files.hpp"
#include "base/files_internal.hpp"
#include "base/gravim.hpp"
#include "base/os_internal.hpp"
#include "scratch.hpp"

namespace {

class ByteStreamFiles : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    ScratchFolder folder;
};

TEST_F(ByteStreamFiles, RoundTripAndSeekFromEachOrigin) {
    int handle = 0;
    IFileOpen("  data.bin  ", fileWrite, handle);
    ASSERT_NE(handle, -1);
    int done = 0;
    IFileWriteChar(handle, std::string_view("0123456789"), 10, done);
    EXPECT_EQ(done, 10);
    const std::array<unsigned char, 3> bytes = {0x00, 0xff, 0x0d};
    IFileWriteChar(handle, std::span<const unsigned char>(bytes), 3, done);
    EXPECT_EQ(done, 3);
    IFileClose(handle);
    EXPECT_EQ(readWholeFile("data.bin"), std::string("0123456789\0\xff\r", 13));

    IFileOpen("data.bin", fileReadWrite, handle);
    ASSERT_NE(handle, -1);
    int position = 0;
    IFileSeek(handle, position, seekEnd);
    EXPECT_EQ(position, 13);  // offset 0 from the end: the size
    position = 4;
    IFileSeek(handle, position, seekStart);
    EXPECT_EQ(position, 4);
    position = 2;
    IFileSeek(handle, position, seekCurrent);
    EXPECT_EQ(position, 6);
    Text<4> text;
    IFileReadChar(handle, text, 4, done);
    EXPECT_EQ(done, 4);
    EXPECT_EQ(text.view(), "6789");
    position = -3;
    IFileSeek(handle, position, seekEnd);
    EXPECT_EQ(position, 10);
    std::array<unsigned char, 8> read{};
    IFileReadChar(handle, std::span<unsigned char>(read), 8, done);
    EXPECT_EQ(done, 3);  // only three bytes are left
    EXPECT_EQ(read[1], 0xff);
    IFileReadChar(handle, std::span<unsigned char>(read), 8, done);
    EXPECT_EQ(done, 0);  // the end of the file is no error
    position = 5;
    IFileSeek(handle, position, 3);
    EXPECT_EQ(position, 5);  // an unknown origin changes nothing
    IFileClose(handle);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(ByteStreamFiles, WriteModeEmptiesAnExistingFile) {
    std::ofstream("old.txt", std::ios::binary) << "old contents";
    int handle = 0;
    IFileOpen("old.txt", fileWrite, handle);
    ASSERT_NE(handle, -1);
    IFileClose(handle);
    EXPECT_EQ(readWholeFile("old.txt"), "");
}

TEST_F(ByteStreamFiles, OpenFailures) {
    struct Case {
        const char* name;
        int mode;
        bool systemCode;
    } cases[] = {{"missing.bin", fileRead, true}, {"missing.bin", fileReadWrite, true},
                 {"    ", fileRead, false},       {"data.bin", 3, false},
                 {"data.bin", -1, false}};
    for (const Case& c : cases) {
        int handle = 7;
        IFileOpen(c.name, c.mode, handle);
        EXPECT_EQ(handle, -1) << c.name << " mode " << c.mode;
        EXPECT_EQ(WInfoError(1), 1);
        EXPECT_EQ(WInfoError(2), c.systemCode ? yyosfilenotfound : 0);
        EXPECT_EQ(WInfoError(5), 2);
    }
}

TEST_F(ByteStreamFiles, CountsBeyondTheBufferAreRefused) {
    std::ofstream("data.bin", std::ios::binary) << std::string(64, 'z');
    int handle = 0;
    IFileOpen("data.bin", fileReadWrite, handle);
    ASSERT_NE(handle, -1);
    char guard[16];
    std::fill(guard, guard + 16, '#');
    int done = 0;
    IFileReadChar(handle, TextRef(guard, 8), 12, done);
    EXPECT_EQ(done, -1);
    EXPECT_EQ(WInfoError(1), 2);
    EXPECT_EQ(std::string(guard, 16), std::string(16, '#'));  // nothing was read past 8 bytes
    IFileWriteChar(handle, std::string_view("abc"), 64, done);
    EXPECT_EQ(done, -1);
    EXPECT_EQ(WInfoError(1), 2);
    IFileReadChar(handle, TextRef(guard, 8), -1, done);
    EXPECT_EQ(done, -1);
    EXPECT_EQ(WInfoError(1), 2);
    IFileClose(handle);
    EXPECT_EQ(readWholeFile("data.bin"), std::string(64, 'z'));
}

TEST_F(ByteStreamFiles, WritingToAReadOnlyHandleFailsWithTheSystemCode) {
    std::ofstream("data.bin", std::ios::binary) << "abc";
    int handle = 0;
    IFileOpen("data.bin", fileRead, handle);
    ASSERT_NE(handle, -1);
    int done = 0;
    IFileWriteChar(handle, std::string_view("xyz"), 3, done);
    EXPECT_EQ(done, -1);
    EXPECT_EQ(WInfoError(1), 2);
    EXPECT_NE(WInfoError(2), 0);
    EXPECT_EQ(WInfoError(5), 2);
    IFileClose(handle);
}

TEST_F(ByteStreamFiles, ElementBytesAreReversedAndTheCallersDataKept) {
    int handle = 0, status = 0, done = 0;
    yyopen("swap.bin", fileWrite, handle, status);
    ASSERT_EQ(status, 0);
    char data[] = {1, 2, 3, 4, 5, 6, 7, 8};
    yywrit(handle, data, 8, 4, done, status);
    EXPECT_EQ(done, 8);
    EXPECT_EQ(std::string(data, 8), std::string("\1\2\3\4\5\6\7\10", 8));
    yyclos(handle);
    EXPECT_EQ(readWholeFile("swap.bin"), std::string("\4\3\2\1\10\7\6\5", 8));
    yyopen("swap.bin", fileRead, handle, status);
    char back[8] = {};
    yyread(handle, back, 8, 2, done, status);
    EXPECT_EQ(std::string(back, 8), std::string("\3\4\1\2\7\10\5\6", 8));
    yyclos(handle);
}

}  // namespace
