// commandline_test.cpp - batch-file command lines, joined file names and used lengths.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "commandline.hpp"

namespace {

struct StopCalled : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Replaces the program stop by an exception for the duration of a test.
class CommandLines : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = viewerstop;
        viewerstop = [](std::string_view message) { throw StopCalled(std::string(message)); };
    }
    void TearDown() override { viewerstop = saved_; }

    std::string command(const std::string& dir, const std::string& tmpq, const std::string& bat,
                        const std::string& arg, int mode, int* lengthOut = nullptr) {
        Text<MaxCommandLine> messy("left over from the last run");
        int length = -1;
        createioscommand(dir, static_cast<int>(dir.size()), tmpq, static_cast<int>(tmpq.size()), bat, arg, mode,
                         messy, length, 0);
        if (lengthOut) *lengthOut = length;
        EXPECT_EQ(messy.view().substr(static_cast<std::size_t>(length)).find_first_not_of(' '), std::string::npos);
        return std::string(messy.view().substr(0, static_cast<std::size_t>(length)));
    }

private:
    void (*saved_)(std::string_view) = nullptr;
};

TEST_F(CommandLines, EveryModeFormsItsLine) {
    const std::string d = "C:\\qv", q = "\"C:\\qv tmp\"";
    struct Case {
        const char* bat;
        const char* arg;
        int mode;
        const char* line;
    } cases[] = {
        {"\\bin\\qvJnlrm.bat", " ", 0, "C:\\qv\\bin\\qvJnlrm.bat C:\\qv \"C:\\qv tmp\""},
        {"\\bin\\qvferret.bat", "\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl", 1,
         "C:\\qv\\bin\\qvferret.bat C:\\qv \"C:\\qv tmp\" C:\\\\qv\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl "},
        {"\\bin\\qvLookForX.bat", "0", 2, "C:\\qv\\bin\\qvLookForX.bat C:\\qv \"C:\\qv tmp\" 0"},
        {"\\bin\\qvAppUp.bat", "\\qvferret092008.txt", 4,
         "C:\\qv\\bin\\qvAppUp.bat C:\\qv \"C:\\qv tmp\" \\qvferret092008.txt"},
        {"\\bin\\notepad", "\\Help\\README.txt", 5, "C:\\qv\\bin\\notepad C:\\qv\\Help\\README.txt"},
        // Trailing blanks of the names do not count; a blank argument adds nothing.
        {"\\bin\\qvKillCygwinX.bat   ", "    ", 2, "C:\\qv\\bin\\qvKillCygwinX.bat C:\\qv \"C:\\qv tmp\" "},
    };
    for (const Case& c : cases) {
        int length = 0;
        EXPECT_EQ(command(d, q, c.bat, c.arg, c.mode, &length), c.line) << "mode " << c.mode;
        EXPECT_EQ(length, static_cast<int>(std::string(c.line).size()));
    }
}

TEST_F(CommandLines, ModeOneDoublesOnlyTheFolderBackslashes) {
    EXPECT_EQ(command("D:\\a\\b", "\"T\"", "\\x.bat", "\\c\\d", 1), "D:\\a\\b\\x.bat D:\\a\\b \"T\" D:\\\\a\\\\b\\c\\d ");
}

TEST_F(CommandLines, ThreeHundredCharactersPassAndThreeHundredAndOneStop) {
    const std::string d = "C:\\qv", q = "\"C:\\t\"";
    std::string base = command(d, q, "\\bin\\qvGetUp.bat", "x", 2);
    for (int mode : {2, 4}) {
        std::string fits(300 - base.size() + 1, 'a');  // base already holds a one-letter argument
        int length = 0;
        EXPECT_EQ(command(d, q, "\\bin\\qvGetUp.bat", fits, mode, &length).size(), 300u);
        EXPECT_EQ(length, 300);
        EXPECT_THROW(command(d, q, "\\bin\\qvGetUp.bat", fits + "a", mode), StopCalled);
    }
    try {
        command(d, q, "\\bin\\qvGetUp.bat", std::string(400, 'a'), 2);
        FAIL() << "a line of 400 characters was formed";
    } catch (const StopCalled& stop) {
        EXPECT_STREQ(stop.what(), "paths too long!");
    }
}

TEST_F(CommandLines, TheMessyTextIsNeverFilledPastItsLength) {
    Text<20> shortMessy;
    int length = 0;
    EXPECT_FALSE(formioscommand("C:\\qv", 5, "\"T\"", 3, "\\bin\\q.bat", "abcdefghij", 2, shortMessy, length));
    EXPECT_TRUE(shortMessy.isBlank());
    EXPECT_EQ(length, 0);
}

TEST(CreateFileName, JoinsTheFolderAndTheName) {
    Text<MaxViewerPath> path("old");
    createfilename("\\batch.log", path, "C:\\tmpXYZ", 4, 0);
    EXPECT_EQ(path.view(), std::string("C:\\t\\batch.log") + std::string(MaxViewerPath - 14, ' '));

    // A name is cut to 50 characters.
    std::string name = "\\" + std::string(60, 'n');
    createfilename(name, path, "C:", 2, 0);
    EXPECT_EQ(path.trimmed(), "C:" + name.substr(0, 50));
}

TEST(CreateFileName, NeverWritesPastItsPath) {
    std::string folder(120, 'f');
    char storage[MaxViewerPath + 4];
    std::memset(storage, '#', sizeof storage);
    createfilename("\\RG_VeduClim_Real_Time.txt", TextRef(storage, MaxViewerPath), folder, 120, 0);
    EXPECT_EQ(std::string(storage + MaxViewerPath, 4), "####");
    EXPECT_EQ(std::string(storage, MaxViewerPath), folder + "\\RG_Vedu");
    // A folder length beyond the folder's own text takes the whole folder.
    Text<MaxViewerPath> path;
    createfilename("\\a", path, "C:\\x", 999, 0);
    EXPECT_EQ(path.trimmed(), "C:\\x\\a");
}

TEST(LenTrimBack, CountsToTheLastNonBlankUnlessTheTextStartsBlank) {
    struct Case {
        std::string text;
        int length;
    } cases[] = {{"abc   ", 3}, {" abc", 0}, {"      ", 0}, {"", 0}, {"full", 4}, {"a b  ", 3}};
    for (const Case& c : cases) {
        int length = -1;
        len_trimback(c.text, length, 0);
        EXPECT_EQ(length, c.length) << "'" << c.text << "'";
    }
}

#ifndef _WIN32
TEST(CommandLineStop, TheProgramEndsWithTheMessage) {
    EXPECT_EXIT(
        {
            Text<MaxCommandLine> messy;
            int length = 0;
            createioscommand("C:", 2, "\"T\"", 3, "\\b.bat", std::string(400, 'a'), 2, messy, length, 0);
        },
        ::testing::ExitedWithCode(0), "paths too long!");
}
#endif

}  // namespace
