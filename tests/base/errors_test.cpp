// errors_test.cpp - error slots, report lines, the debug log and the message table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "scratch.hpp"

namespace {

class ErrorReporting : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yydebugreset();
        yyerroroutputs = {};
    }
    void TearDown() override {
        yydebugreset();
        yyresetgravim();
        yyerroroutputs = {};
    }
    // The report yyerror writes to the debug log for one error.
    std::string reportLine(int number, std::string_view routine) {
        ScratchFolder folder;
        IDebugLevel(2);
        yyerror(number, routine);
        yydebugreset();
        return readWholeFile("debug");
    }
};

TEST_F(ErrorReporting, SlotsOneToThreeClearWhenReadFourAndFiveKeep) {
    yyerror(1003, "WindowSelect");
    EXPECT_EQ(WInfoError(1), 1003);
    EXPECT_EQ(WInfoError(1), 0);

    gravim.core.fileStatus = 5;
    gravim.core.osStatus = 7;
    gravim.core.errorCategory = 2;
    EXPECT_EQ(WInfoError(2), 5);
    EXPECT_EQ(WInfoError(2), 0);
    EXPECT_EQ(WInfoError(3), 7);
    EXPECT_EQ(WInfoError(3), 0);
    EXPECT_EQ(WInfoError(5), 2);
    EXPECT_EQ(WInfoError(5), 2);

    IDebugLevel(3);
    EXPECT_EQ(WInfoError(4), 3);
    EXPECT_EQ(WInfoError(4), 3);
    // An unknown slot repeats the previous answer.
    EXPECT_EQ(WInfoError(9), 3);
}

TEST_F(ErrorReporting, DebugLevelOutsideZeroToFourIsIgnored) {
    IDebugLevel(2);
    for (int level : {5, -1, 100}) {
        IDebugLevel(level);
        EXPECT_EQ(WInfoError(4), 2) << level;
    }
}

TEST_F(ErrorReporting, ReportLinesByteForByte) {
    struct Case {
        int number;
        std::string routine;
        std::string line;
    };
    const Case cases[] = {
        {4, "IStringToInteger", "Routine:IStringToInteger Error=   4:Number too large in string to numeric conversion"},
        {4, "IStringToInteger      ", "Routine:IStringToInteger Error=   4:Number too large in string to numeric conversion"},
        {1088, "WindowOpen", "Routine:WindowOpen Error=1088:Error during dialog creation"},
        {1, "YYGAPI", "Internal routine:YYGAPI Error=   1:Error opening file or device"},
        {1003, "yywindowselect", "Internal routine:yywindowselect Error=1003:Invalid window handle"},
        {1003, "xxpost", "Internal routine:xxpost Error=1003:Invalid window handle"},
        {1003, "Yywindow", "Routine:Yywindow Error=1003:Invalid window handle"},
        {1003, "xXpost", "Routine:xXpost Error=1003:Invalid window handle"},
        {50, "Anything", "Routine:Anything Error=  50:"},
        {12345, "Big", "Routine:Big Error=****:"},
        {-3, "Negative", "Routine:Negative Error=  -3:"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reportLine(c.number, c.routine), c.line + "\r\n") << c.routine;
        EXPECT_EQ(WInfoError(1), c.number) << "the reported number stays in slot 1";
    }
}

TEST_F(ErrorReporting, OperatingSystemDetailIsOneLineAndOnlyForItsErrors) {
    Text<512> systemText;
    WInfoErrorMessage(2, systemText, 2);
    std::string expected(systemText.trimmed());
    while (!expected.empty() && (expected.back() == '\n' || expected.back() == '\r' || expected.back() == ' '))
        expected.pop_back();
    ASSERT_FALSE(expected.empty());

    // A formatted-I/O status (category 1) gets no detail; an OS code (category 2) does.
    gravim.core.fileStatus = 2;
    gravim.core.errorCategory = 1;
    EXPECT_EQ(reportLine(1, "IFileOpen"), "Routine:IFileOpen Error=   1:Error opening file or device\r\n");
    gravim.core.fileStatus = 2;
    gravim.core.errorCategory = 2;
    std::string line = reportLine(1, "IFileOpen");
    EXPECT_EQ(line, "Routine:IFileOpen Error=   1:Error opening file or device: " + expected + "\r\n");
    EXPECT_EQ(line.find('\r'), line.size() - 2) << "no line break inside the report";

    // A code of 0 gives a blank detail: the line ends with the colon.
    gravim.core.osStatus = 0;
    EXPECT_EQ(reportLine(13, "IOsCommand"), "Routine:IOsCommand Error=  13:Operating system error:\r\n");
    // Compression and e-mail statuses come from their own tables.
    gravim.core.osStatus = -3;
    EXPECT_EQ(reportLine(1044, "WBitmapSave"),
              "Routine:WBitmapSave Error=1044:Zlib compression/decompression error: data error\r\n");
    gravim.core.osStatus = 25;
    EXPECT_EQ(reportLine(1083, "WMailSend"),
              "Routine:WMailSend Error=1083:Error invoking e-mail program: One or more recipients "
              "were invalid or did not resolve to any address.\r\n");
    // Reading the slots for the detail does not clear them.
    EXPECT_EQ(WInfoError(3), 25);
}

TEST_F(ErrorReporting, NoDetailOnceTheLineIsFull) {
    gravim.core.osStatus = 5;
    std::string name298(298 - 8 - 12 - 22, 'N');  // leaves the line at 298 characters
    std::string line = reportLine(13, name298);
    EXPECT_EQ(line, "Routine:" + name298 + " Error=  13:Operating system error\r\n");
    std::string name297(297 - 8 - 12 - 22, 'N');
    gravim.core.osStatus = 5;
    line = reportLine(13, name297);
    EXPECT_EQ(line.substr(0, 297 + 2), "Routine:" + name297 + " Error=  13:Operating system error: ");
    EXPECT_EQ(line.size(), 300u + 2) << "the detail is cut at the end of the line";

    // A name longer than the whole line is cut so that the number still fits.
    std::string huge(400, 'H');
    EXPECT_EQ(reportLine(13, huge), "Routine:" + huge.substr(0, 280) + " Error=  13:\r\n");
}

TEST_F(ErrorReporting, LevelOneWritesABlankAndTheLineToStandardOutput) {
    IDebugLevel(1);
    ::testing::internal::CaptureStdout();
    yyerror(1005, "WDialogSelect");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), " Routine:WDialogSelect Error=1005:No dialog currently selected\n");
}

std::string statusLine;
int statusCalls = 0;

TEST_F(ErrorReporting, LevelThreeGoesToTheStatusBarAndNeverRecurses) {
    statusLine.clear();
    statusCalls = 0;
    yyerroroutputs.statusBar = [](std::string_view line) {
        ++statusCalls;
        statusLine = std::string(line);
        EXPECT_EQ(WInfoError(4), 0) << "reporting runs at level 0";
        yyerror(1003, "WindowSelect");  // the status bar itself fails
    };
    IDebugLevel(3);
    yyerror(1006, "WDialogPutString");
    EXPECT_EQ(statusCalls, 1);
    EXPECT_EQ(statusLine, "Routine:WDialogPutString Error=1006:Invalid field identifier");
    EXPECT_EQ(WInfoError(1), 1006);
    EXPECT_EQ(WInfoError(4), 3);
}

std::string boxText;

TEST_F(ErrorReporting, LevelFourBoxHasThreeLinesAndOkReturns) {
    yyerroroutputs.messageBox = [](std::string_view text) {
        boxText = std::string(text);
        return 1;
    };
    IDebugLevel(4);
    yyerror(1088, "WindowOpen");
    EXPECT_EQ(boxText, "Routine:WindowOpen\rError=1088\rError during dialog creation");
    yyerror(4, "IStringToInteger");
    EXPECT_EQ(boxText, "Routine:IStringToInteger\rError=   4\rNumber too large in string to numeric conversion");
    EXPECT_EQ(WInfoError(1), 4);
}

TEST_F(ErrorReporting, LevelFourCancelEndsTheProgramWithCodeZero) {
    EXPECT_EXIT(
        {
            yyerroroutputs.messageBox = [](std::string_view) { return 0; };
            IDebugLevel(4);
            yyerror(1088, "WindowOpen");
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ErrorReporting, LevelFourBoxThatCannotBeShownDoesNotEndTheProgram) {
    IDebugLevel(4);
    yyerror(1003, "WindowSelect");  // no box yet: the root window is not open
    EXPECT_EQ(WInfoError(1), 1003);
    yyerroroutputs.messageBox = [](std::string_view) {
        yyerror(1004, "WMessageBox");  // the box fails, and that failure is not reported again
        return -1;
    };
    yyerror(1006, "WDialogGetString");
    EXPECT_EQ(WInfoError(1), 1006);
    EXPECT_EQ(WInfoError(4), 4);
}

TEST_F(ErrorReporting, DebugLogWritersAndFallBackNames) {
    ScratchFolder folder;
    std::filesystem::create_directory("debug");  // "debug" cannot be created as a file
    IDebug(std::string_view("text with blanks   ", 19));
    IDebug(std::string_view("cut\0here", 8));
    yydebug("plain");
    yydebugi("count", -42);
    yydebugi(std::string(200, 'n').c_str(), 7);
    yydebugreset();
    std::string log = readWholeFile("debug.txt");
    std::string longLine = std::string(99 - 4, 'n') + "=7\r\n";
    EXPECT_EQ(log, "text with blanks   \r\ncut\r\nplain\r\ncount=-42\r\n" + longLine);
    EXPECT_EQ(longLine.size(), 99u);

    std::filesystem::create_directory("sub");
    std::filesystem::current_path("sub");
    std::filesystem::create_directory("debug");
    std::ofstream("debug.txt").close();
    std::filesystem::permissions("debug.txt", std::filesystem::perms::owner_read);
    yydebug("third");
    yydebugreset();
    // Either debug.txt is read-only (then debug.dat is used) or the system lets root write it.
    std::string written = readWholeFile("debug.dat") + readWholeFile("debug.txt");
    EXPECT_EQ(written, "third\r\n");
    std::filesystem::permissions("debug.txt", std::filesystem::perms::owner_all);
    std::filesystem::current_path("..");
}

TEST_F(ErrorReporting, EachRunReplacesTheLog) {
    ScratchFolder folder;
    std::ofstream("debug") << "old run\r\n";
    yydebug("new run");
    yydebugreset();
    EXPECT_EQ(readWholeFile("debug"), "new run\r\n");
}

// What one fuzz input leaves behind (a debug log open on its file, a remembered slot answer) is
// gone after the reset every target makes before the next input: the next input's report goes
// to a log of its own and none of it to the old file.
TEST_F(ErrorReporting, ResetClosesTheDebugLogAndForgetsTheSlotAnswer) {
    ScratchFolder first;
    IDebugLevel(2);
    yyerror(1003, "WindowSelect");
    const std::string firstReport = readWholeFile("debug");
    ASSERT_NE(firstReport.find("Error=1003"), std::string::npos) << firstReport;
    IDebugLevel(4);
    ASSERT_EQ(WInfoError(4), 4);
    ASSERT_EQ(WInfoError(9), 4);

    yyresetgravim();
    EXPECT_EQ(WInfoError(9), 0);
    EXPECT_EQ(WInfoError(4), 0);
    {
        ScratchFolder second;
        IDebugLevel(2);
        yyerror(1006, "WindowClose");
        EXPECT_EQ(readWholeFile(first.path() + "/debug"), firstReport);
        const std::string secondReport = readWholeFile("debug");
        EXPECT_NE(secondReport.find("Error=1006"), std::string::npos) << secondReport;
        EXPECT_EQ(secondReport.find("Error=1003"), std::string::npos) << secondReport;
        yydebugreset();
    }
}

TEST(ErrorMessages, EveryLibraryNumberHasItsTextAndNoOtherHasOne) {
    std::ifstream table(testDataPath("error_messages.tsv"), std::ios::binary);
    ASSERT_TRUE(table) << testDataPath("error_messages.tsv");
    std::map<int, std::string> expected;
    std::string row;
    while (std::getline(table, row)) {
        auto tab = row.find('\t');
        expected[std::stoi(row.substr(0, tab))] = row.substr(tab + 1);
    }
    ASSERT_EQ(expected.size(), 141u);
    for (int number = -5; number <= 1120; ++number) {
        Text<200> text("previous content");
        WInfoErrorMessage(number, text);
        auto found = expected.find(number);
        EXPECT_EQ(std::string(text.trimmed()), found == expected.end() ? "" : found->second) << number;
    }
}

TEST(ErrorMessages, OtherTypesAndShortVariables) {
    struct Case {
        int number;
        int type;
        std::string text;
    };
    const Case cases[] = {
        {1087, 1, "Too many dialogs"},
        {-3, 3, "data error"},
        {0, 3, ""},
        {2, 3, "need dictionary"},
        {-6, 3, "incompatible version"},
        {3, 3, ""},
        {25, 6, "One or more recipients were invalid or did not resolve to any address."},
        {4, 6, ""},
        {0, 6, ""},
        {26, 6, ""},
        {0, 2, ""},
        {0, 4, ""},
        {77, 5, ""},
    };
    for (const Case& c : cases) {
        Text<200> text("previous content");
        WInfoErrorMessage(c.number, text, c.type);
        EXPECT_EQ(std::string(text.trimmed()), c.text) << c.number << " type " << c.type;
    }

    Text<20> shortText;
    WInfoErrorMessage(1034, shortText);
    EXPECT_EQ(std::string(shortText.view()), "External process tim");

    Text<30> unchanged("keep me");
    WInfoErrorMessage(1, unchanged, 7);
    EXPECT_EQ(std::string(unchanged.trimmed()), "keep me");

    Text<512> two;
    Text<512> four;
    WInfoErrorMessage(5, two, 2);
    WInfoErrorMessage(5, four, 4);
    EXPECT_FALSE(two.isBlank());
    EXPECT_EQ(two.view(), four.view());
}

TEST(ErrorMessages, DatabaseStateAndMessage) {
    std::snprintf(cSqlState, sizeof cSqlState, "%s", "42S02");
    std::snprintf(cSqlMsg, sizeof cSqlMsg, "%s", "Table not found");
    Text<40> text;
    WInfoErrorMessage(0, text, 5);
    EXPECT_EQ(std::string(text.trimmed()), "42S02 Table not found");
    cSqlState[0] = '\0';
    WInfoErrorMessage(0, text, 5);
    EXPECT_TRUE(text.isBlank());
    cSqlMsg[0] = '\0';
}

}  // namespace
