// output_file_test.cpp - the buffered output file: CR LF lines, direct handle writes in their
// place, truncation, long names, open and write failures, and print commands that cannot run.
#include <gtest/gtest.h>

#include <string>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "scratch.hpp"

namespace {

class OutputFile : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override {
        yyprcl(hardcopyUnit);
        yyresetgravim();
    }
    void open(std::string_view name) {
        Text<260> text(name);
        yyprop(hardcopyUnit, text);
    }
    ScratchFolder folder;
};

TEST_F(OutputFile, LinesEndInCrLfAndDirectWritesKeepTheirPlace) {
    open("out.txt");
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 0);
    yyprwl(hardcopyUnit, "first");
    yyprwl(hardcopyUnit, "ignored", 0);
    yyprou(hardcopyUnit, "raw", 3);
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    ASSERT_NE(handle, -1);
    yyprbu(handle, "", 0, 1);
    yyprbu(handle, "block", 5, 0);
    yyprwl(hardcopyUnit, "last");
    yyprbu(handle, "!", 1, 1);  // after the unit's pending line
    yyprcl(hardcopyUnit);
    EXPECT_EQ(readWholeFile("out.txt"), "first\r\n\r\nraw\r\nblocklast\r\n!\r\n");
    EXPECT_EQ(gravim.core.lastError, 0);
}

TEST_F(OutputFile, ALargeOutputArrivesWhole) {
    open("big.txt");
    const std::string line(100, 'x');
    for (int i = 0; i < 3000; ++i) yyprwl(hardcopyUnit, line);
    yyprcl(hardcopyUnit);
    EXPECT_EQ(readWholeFile("big.txt").size(), 3000u * 102u);
}

TEST_F(OutputFile, AnExistingLongerFileIsTruncated) {
    open("old.txt");
    yyprwl(hardcopyUnit, std::string(500, 'o'));
    yyprcl(hardcopyUnit);
    open("old.txt");
    yyprwl(hardcopyUnit, "new");
    yyprcl(hardcopyUnit);
    EXPECT_EQ(readWholeFile("old.txt"), "new\r\n");
}

TEST_F(OutputFile, ANameFillingAll260CharactersIsUsedWhole) {
    std::string name;
    while (name.size() + 2 + 8 <= 260) name += "./";
    name += std::string(260 - name.size() - 4, 'n') + ".out";
    ASSERT_EQ(name.size(), 260u);
    open(name);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 0);
    yyprwl(hardcopyUnit, "ok");
    yyprcl(hardcopyUnit);
    EXPECT_EQ(readWholeFile(name), "ok\r\n");
}

TEST_F(OutputFile, LeadingBlanksAreNotPartOfTheName) {
    open("   lead.txt");
    yyprwl(hardcopyUnit, "x");
    yyprcl(hardcopyUnit);
    EXPECT_EQ(readWholeFile("lead.txt"), "x\r\n");
}

TEST_F(OutputFile, OpenFailuresAreReportedUnderYyprou) {
    gravim.core.fileStatus = 77;
    open("   ");
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_EQ(gravim.core.fileStatus, 77);  // a blank name leaves slot 2 alone
    EXPECT_EQ(gravim.core.errorCategory, 2);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1);

    yyresetgravim();
    open("no-such-folder/out.txt");
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_NE(gravim.core.fileStatus, 0);
    EXPECT_EQ(gravim.core.errorCategory, 2);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1);

    open("good.txt");  // a good open clears the flag
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 0);
}

#ifndef _WIN32
TEST_F(OutputFile, AFullDeviceFailsTheWritesAndRaisesTheFlag) {
    open("/dev/full");
    ASSERT_EQ(gravim.hardcopy.hardcopyOutputError, 0);
    yyprwl(hardcopyUnit, "lost");
    yyprcl(hardcopyUnit);
    EXPECT_EQ(gravim.core.lastError, 2);
    EXPECT_NE(gravim.core.fileStatus, 0);
    EXPECT_EQ(gravim.core.errorCategory, 2);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1);

    yyresetgravim();
    open("/dev/full");
    int handle = -1;
    yyprfh(hardcopyUnit, handle);
    yyprbu(handle, "row", 3, 1);
    EXPECT_EQ(gravim.core.lastError, 2);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 1);
}
#endif

TEST_F(OutputFile, APrintCommandThatCannotStartReportsError13) {
    // Longer than any command line the system accepts.
    yyprncmd(std::string(300000, 'x'));
    EXPECT_EQ(gravim.core.lastError, 13);
    EXPECT_NE(gravim.core.osStatus, 0);
    EXPECT_EQ(gravim.hardcopy.hardcopyOutputError, 0);
}

}  // namespace
