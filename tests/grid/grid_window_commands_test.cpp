// grid_window_commands_test.cpp - the grid window commands' rules that need no window: proposed
// names, the sort dialog's column list, the load reports and the caller's texts.
#include <gtest/gtest.h>

#include <string>

#include "grid/grid_window_commands.hpp"

TEST(GridWindowCommandRules, HtmlNameReplacesOnlyTheFilesOwnExtension) {
    const struct {
        const char* file;
        const char* page;
    } cases[] = {
        {"c:\\data\\grid.csv", "c:\\data\\grid.htm"},
        {"c:\\data\\grid", "c:\\data\\grid.htm"},
        {"c:\\data.v2\\grid", "c:\\data.v2\\grid.htm"},  // a dot in a folder is no extension
        {"c:/data.v2/grid.old.csv", "c:/data.v2/grid.old.htm"},
        {"grid.", "grid.htm"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(yygridwinhtmlname(c.file), c.page) << c.file;
}

TEST(GridWindowCommandRules, FolderPartKeepsTheLastSeparator) {
    EXPECT_EQ(yygridwinfolder("c:\\data\\grid.csv"), "c:\\data\\");
    EXPECT_EQ(yygridwinfolder("c:/data/sub/grid.csv"), "c:/data/sub/");
    EXPECT_EQ(yygridwinfolder("grid.csv"), "");
    EXPECT_EQ(yygridwinfolder(""), "");
}

TEST(GridWindowCommandRules, KeyLabelsNameUnlabelledColumnsByNumber) {
    EXPECT_EQ(yygridwinkeylabel("Depth", 0), "Depth");
    EXPECT_EQ(yygridwinkeylabel("", 0), "Column 1");
    EXPECT_EQ(yygridwinkeylabel("   ", 11), "Column 12");
    const std::string fifty(50, 'x');
    EXPECT_EQ(yygridwinkeylabel(fifty, 3), fifty);
}

TEST(GridWindowCommandRules, ReplaceQuestionNamesTheFileBetweenCarriageReturns) {
    EXPECT_EQ(yygridwinreplacequestion("c:\\a.htm   "), "File already exists:\rc:\\a.htm\rDo you want to replace it?");
}

TEST(GridWindowCommandRules, LoadReportsByErrorNumber) {
    const struct {
        int error;
        const char* message;
        const char* title;
        int result;
    } cases[] = {
        {0, "", "", 1},
        {1, "Error opening file", "File Error", 0},
        {2, "Error reading file", "File Error", 0},
        {4, "Out of range value found for numeric cell", "Data Error", 1},
        {1009, "Out of range value found for numeric cell", "Data Error", 1},
        {11, "Non-numeric data found for numeric cell", "Data Error", 1},
        {12, "Non-numeric data found for numeric cell", "Data Error", 1},
        {1054, "File contains too many rows/columns", "Data Error", 1},
        {1055, "Non-matching data found for menu cell", "Data Error", 1},
        {1018, "", "", 1},
    };
    for (const auto& c : cases) {
        const GridLoadReport r = yygridwinloadreport(c.error);
        EXPECT_EQ(r.message, c.message) << c.error;
        EXPECT_EQ(r.title, c.title) << c.error;
        EXPECT_EQ(r.result, c.result) << c.error;
    }
}

TEST(GridWindowCommandRules, CallerTextsEndAtTheirNulAndAreStoredCut) {
    char text[8] = {'a', 'b', 'c', '\0', 'x', 'y', 'z', 'w'};
    EXPECT_EQ(yygridwintext(text), "abc");
    const char full[3] = {'a', 'b', 'c'};
    EXPECT_EQ(yygridwintext(full), "abc");
    yygridwinstore(text, "0123456789");
    EXPECT_EQ(std::string(text), "0123456");
    yygridwinstore(text, "");
    EXPECT_EQ(text[0], '\0');
}
