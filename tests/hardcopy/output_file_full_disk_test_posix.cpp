// output_file_full_disk_test_posix.cpp - the hardcopy output file on a disk that fills: the cut
// block, whether it goes out with a write, a direct write or the close, is reported.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "file_size_limit_posix.hpp"
#include "scratch.hpp"

namespace {

class OutputFileFullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        Text<260> name("cut.txt");
        yyprop(hardcopyUnit, name);
    }
    void TearDown() override {
        yyprcl(hardcopyUnit);
        yyresetgravim();
    }
    static void expectReported() {
        EXPECT_EQ(gravim.core.lastError, 2);
        EXPECT_EQ(gravim.core.fileStatus, EFBIG);
        EXPECT_EQ(gravim.core.errorCategory, 2);
        EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1);
    }
    ScratchFolder folder;
};

TEST_F(OutputFileFullDisk, LinesThatTheCloseFlushesPastTheLimit) {
    {
        FileSizeLimit limit(10);
        for (int line = 0; line < 3; ++line) yyprwl(hardcopyUnit, "0123456789");
        EXPECT_EQ(gravim.core.lastError, 0);  // still held by the unit
        yyprcl(hardcopyUnit);
    }
    expectReported();
    EXPECT_EQ(readWholeFile("cut.txt"), "0123456789");
}

TEST_F(OutputFileFullDisk, ADirectWritePastTheLimit) {
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    {
        FileSizeLimit limit(10);
        yyprbu(handle, std::string(100, 'x').c_str(), 100, 1);
    }
    expectReported();
    yyprcl(hardcopyUnit);
    EXPECT_EQ(readWholeFile("cut.txt"), std::string(10, 'x'));
}

}  // namespace
