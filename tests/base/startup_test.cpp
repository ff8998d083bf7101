// startup_test.cpp - start-up pieces in process: the command-line scan, options-file lines, the
// home directory and the scratch names.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/os.hpp"
#include "base/startup_internal.hpp"
#include "scratch.hpp"

namespace {

struct ArgsCase {
    const char* line;
    int n;
    int expectedCount;
    const char* expectedArg;  // null: the argument is left unchanged
};

TEST(CommandLine, ScanTable) {
    const ArgsCase cases[] = {
        {"prog a \"b c\" \"\" d", -1, 3, nullptr},
        {"prog a \"b c\" \"\" d", 1, 1, "a"},
        {"prog a \"b c\" \"\" d", 2, 2, "b c"},
        {"prog a \"b c\" \"\" d", 3, 3, "d"},
        {"prog a \"b c\" \"\" d", 4, 3, nullptr},
        {"prog a \"open to the end", 2, 2, "open to the end"},
        {"prog \"", 1, 0, nullptr},               // a quote with nothing after it
        {"prog \"   ", 1, 0, nullptr},            // a quote followed by blanks only
        {"prog a\tb c", 1, 1, "a\tb"},           // a tab is part of a word
        {"  prog   x  ", 1, 1, "x"},
        {"\"C:\\Pro gram\\p.exe\" x", 1, 1, "x"},  // argument 0 quoted with blanks
        {"prog \"ab\"c d", 2, 2, "d"},            // the character after a closing quote is skipped
        {"", 1, -1, nullptr},
    };
    for (const ArgsCase& c : cases) {
        Text<20> arg("unchanged");
        EXPECT_EQ(yyargsfrom(c.line, c.n, arg), c.expectedCount) << c.line << " N=" << c.n;
        EXPECT_EQ(arg.trimmed(), c.expectedArg ? c.expectedArg : "unchanged") << c.line << " N=" << c.n;
    }
}

TEST(CommandLine, CutAt2048Characters) {
    std::string line = "prog " + std::string(2040, 'x') + " tail";  // "ta" is within 2048
    Text<8> arg("none");
    EXPECT_EQ(yyargsfrom(line, 2, arg), 2);
    EXPECT_EQ(arg.trimmed(), "ta");
    line = "prog " + std::string(2043, 'x') + " tail";
    EXPECT_EQ(yyargsfrom(line, 2, arg), 1);
}

TEST(CommandLine, ArgumentZeroIsTheProgramFile) {
    Text<260> arg;
    EXPECT_EQ(yyargs(0, arg), 0);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(std::string(arg.trimmed()))))
        << arg.trimmed();
}

class OptionsLines : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    OptionsFileChoices apply(std::initializer_list<std::string_view> lines) {
        OptionsFileChoices choices;
        for (std::string_view line : lines) {
            yyoptionsline(line, choices);
            gravim.core.lastError = 0;
        }
        return choices;
    }
};

TEST_F(OptionsLines, KeysAndValues) {
    apply({" debug = 3"});
    EXPECT_EQ(gravim.core.debugLevel, 3);
    apply({"DEBUG=7", "DEBUG=x", "DB=2"});
    EXPECT_EQ(gravim.core.debugLevel, 3);
    apply({"DEBUGGING=1"});  // compared on 8 characters: DEBUGGIN is no key
    EXPECT_EQ(gravim.core.debugLevel, 3);
    apply({"\tdebug\t=\t2"});
    EXPECT_EQ(gravim.core.debugLevel, 2);

    EXPECT_EQ(apply({"PRINTER NAME=3"}).printer, 3);
    EXPECT_EQ(apply({"plotter=12", "hpgl2=4"}).plotter, 12);
    EXPECT_EQ(apply({"HPGL2=4"}).hpgl2, 4);
    EXPECT_EQ(apply({"PRINTER="}).printer, 0);
    EXPECT_EQ(apply({"=PRINTER=3"}).printer, 0);  // "=" in column 1
    EXPECT_EQ(apply({"PRINTER 3"}).printer, 0);   // no "="
}

TEST_F(OptionsLines, FileUnitsStayDifferent) {
    apply({"LFNPLOT=44"});
    EXPECT_EQ(gravim.core.lfnPlot, 42);
    apply({"LFNGEN=42"});
    EXPECT_EQ(gravim.core.lfnGen, 40);
    apply({"LFNPLOTI=44", "LFNGEN=42"});
    EXPECT_EQ(gravim.core.lfnPlot, 44);
    EXPECT_EQ(gravim.core.lfnGen, 42);
    apply({"LFNPLOTI=42"});
    EXPECT_EQ(gravim.core.lfnPlot, 44);
}

TEST_F(OptionsLines, TextKeysAndVersion) {
    apply({"CHARDIR=  C:\\My Fonts", "charset=greek.chr"});
    EXPECT_EQ(gravim.core.charDirectory.trimmed(), "C:\\My Fonts");
    EXPECT_EQ(gravim.core.charSetFile.trimmed(), "greek.chr");
    EXPECT_TRUE(apply({"VER="}).version);
    EXPECT_TRUE(apply({"version = any"}).version);
    EXPECT_FALSE(apply({"VE=1"}).version);
}

TEST_F(OptionsLines, EqualsInColumn270IsIgnoredAndLongLinesAreCut) {
    std::string line = "PRINTER" + std::string(262, ' ') + "=5";  // "=" in column 270
    EXPECT_EQ(apply({line}).printer, 0);
    line = "PRINTER=" + std::string(261, ' ') + "5";  // the 5 in column 270 still counts
    EXPECT_EQ(apply({line}).printer, 5);
    line = "PRINTER=" + std::string(262, ' ') + "5";  // the 5 in column 271 is cut off
    EXPECT_EQ(apply({line}).printer, 0);
}

TEST_F(OptionsLines, TextValuesAreReportedAsConversionErrorsAtLevelOne) {
    ScratchFolder folder;
    IDebugLevel(2);
    apply({"CHARDIR=C:\\Fonts"});
    yydebugreset();
    EXPECT_EQ(gravim.core.charDirectory.trimmed(), "C:\\Fonts");
    EXPECT_NE(readWholeFile("debug").find("Routine:IStringToInteger Error=  12"), std::string::npos);
}

TEST_F(OptionsLines, FileWithCrLfLinesAndAMissingLastLineEnd) {
    ScratchFolder folder;
    std::ofstream("opts.ini", std::ios::binary) << "DEBUG=3\r\nLFNPLOTI=50\r\nPRINTER=9";
    OptionsFileChoices choices;
    ASSERT_TRUE(yyreadoptions("opts.ini", choices));
    EXPECT_EQ(gravim.core.debugLevel, 3);
    EXPECT_EQ(gravim.core.lfnPlot, 50);
    EXPECT_EQ(choices.printer, 9);
    EXPECT_EQ(gravim.core.lastError, 0);
    EXPECT_FALSE(yyreadoptions("missing.ini", choices));
}

TEST_F(OptionsLines, ALineIsReadNoFurtherThanItsLimit) {
    ScratchFolder folder;
    // 100000 characters without a line end: one read takes the first 270 and no more.
    std::ofstream("long.ini", std::ios::binary) << "PRINTER=4" << std::string(100000, 'x');
    std::FILE* file = std::fopen("long.ini", "rb");
    ASSERT_NE(file, nullptr);
    std::string line;
    EXPECT_EQ(yyreadoptionsline(file, line), OptionsLineRead::Cut);
    EXPECT_EQ(line.size(), OptionsLineLength);
    EXPECT_EQ(std::ftell(file), static_cast<long>(OptionsLineLength));
    std::fclose(file);

    // The rest of a cut line is dropped, whatever it holds; the next line counts again.
    std::ofstream("opts.ini", std::ios::binary)
        << "CHARDIR=" << std::string(100, 'd') << std::string(162, ' ') << "PRINTER=7\r\n"
        << std::string(OptionsLineLength - 1, ' ') << "\r\nPLOTTER=3\r\n";
    OptionsFileChoices choices;
    ASSERT_TRUE(yyreadoptions("opts.ini", choices));
    EXPECT_EQ(choices.printer, 0);
    EXPECT_EQ(choices.plotter, 3);
    EXPECT_EQ(gravim.core.charDirectory.trimmed(), std::string(100, 'd'));
}

// Sets environment variables for one test and puts the old values back.
class Environment {
public:
    void set(const std::string& name, const std::string& value) {
        Text<1024> old;
        IOsVariable(name, old);
        saved_.push_back({name, std::string(old.trimmed())});
        IOsVariablePut(name, value);
    }
    ~Environment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) IOsVariablePut(it->first, it->second);
    }

private:
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST(StartupPieces, HomeDirectoryFromGravimOrDuda) {
    struct Case {
        const char* gravim;
        const char* duda;
        const char* home;
    } cases[] = {
        {"D:\\lib", "", "D:\\lib\\"},
        {"D:\\lib\\", "x", "D:\\lib\\"},
        {"", "c:\\tools\\duda\\bin", "c:\\tools\\"},
        {"", "C:\\Duda\\x\\DUDA\\bin", "C:\\Duda\\x\\"},  // from the last occurrence, any case
        {"", "C:\\Apps\\bin", "C:\\Apps\\bin"},         // no separator appended
        {"", "", ""},
    };
    for (const Case& c : cases) {
        yyresetgravim();
        Environment environment;
        environment.set("GRAVIM", c.gravim);
        environment.set("DUDA", c.duda);
        yywinitialise();
        EXPECT_EQ(gravim.core.homeDirectory.trimmed(), c.home) << c.gravim << " / " << c.duda;
        EXPECT_EQ(gravim.core.lfnGen, 40);
    }
    yyresetgravim();
}

TEST(StartupPieces, ScratchNamesTakeTheFirstFreeNumberEachOnItsOwn) {
    ScratchFolder folder;
    Environment environment;
    const std::string directory = folder.path() + "\\";
    environment.set("TEMP", folder.path());
    yytmpprn();
    EXPECT_EQ(gravim.core.plotScratchFile.trimmed(), directory + "kbn$$00.plt");
    EXPECT_EQ(gravim.core.dumpScratchFile.trimmed(), directory + "kbn$$00.dmp");

    std::ofstream("kbn$$00.plt") << "x";
    yytmpprn();
    EXPECT_EQ(gravim.core.plotScratchFile.trimmed(), directory + "kbn$$01.plt");
    EXPECT_EQ(gravim.core.dumpScratchFile.trimmed(), directory + "kbn$$00.dmp");

    // With all hundred numbers taken the search goes on rather than reusing 99.
    for (int n = 0; n < 100; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "kbn$$%02d.plt", n);
        std::ofstream(name) << "keep";
    }
    yytmpprn();
    EXPECT_EQ(gravim.core.plotScratchFile.trimmed(), directory + "kbn$$100.plt");
    EXPECT_EQ(readWholeFile("kbn$$99.plt"), "keep");
    yyresetgravim();
}

}  // namespace
