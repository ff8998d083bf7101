// files_full_disk_test_posix.cpp - byte-stream writes on a disk that fills and on a full device:
// a write that stores part of its bytes, or none, is reported with the system's reason.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "base/errors.hpp"
#include "base/files.hpp"
#include "base/files_internal.hpp"
#include "base/gravim.hpp"
#include "file_size_limit_posix.hpp"
#include "scratch.hpp"

namespace {

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    ScratchFolder folder;
};

TEST_F(FullDisk, AShortWriteAndTheRefusedOnesAfterItAreReported) {
    int handle = -1;
    IFileOpen("cut.bin", fileWrite, handle);
    ASSERT_NE(handle, -1);
    int first = 0, second = 0;
    {
        FileSizeLimit limit(6);
        IFileWriteChar(handle, std::string_view("0123456789"), 10, first);
        EXPECT_EQ(WInfoError(1), 2);
        EXPECT_EQ(WInfoError(2), EFBIG);
        EXPECT_EQ(WInfoError(5), 2);
        IFileWriteChar(handle, std::string_view("abc"), 3, second);
        EXPECT_EQ(WInfoError(1), 2);
    }
    IFileClose(handle);
    EXPECT_EQ(first, 6);    // what was stored
    EXPECT_EQ(second, -1);  // nothing was
    EXPECT_EQ(readWholeFile("cut.bin"), "012345");
}

TEST_F(FullDisk, EveryWriteToAFullDeviceIsReported) {
    int handle = -1;
    IFileOpen(FullDevice, fileWrite, handle);
    ASSERT_NE(handle, -1);
    int done = 0;
    IFileWriteChar(handle, std::string_view("lost"), 4, done);
    IFileClose(handle);
    EXPECT_EQ(done, -1);
    EXPECT_EQ(WInfoError(1), 2);
    EXPECT_EQ(WInfoError(2), ENOSPC);

    std::int64_t written = 0;
    int status = 0;
    yyopen(FullDevice, 1, handle, status);
    yywriteall(handle, "lost", 4, written, status);
    yyclos(handle);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(status, ENOSPC);
}

}  // namespace
