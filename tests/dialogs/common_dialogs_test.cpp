// common_dialogs_test.cpp - the portable rules of the file dialog: splitting paths, filter
// lists, the switches decoded from the flags, the initial name and the returned names.
#include <gtest/gtest.h>

#include <string>

#include "base/gravim.hpp"
#include "dialogs/common_dialogs_internal.hpp"

namespace {

TEST(SplitPath, DriveFolderSeparatorAndDots) {
    gravim.core.pathSeparator = '\\';
    struct Case {
        const char* path;
        const char* directory;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\data\\file.txt", "C:\\data", "file.txt"},
        {"  C:\\data\\file.txt", "C:\\data", "file.txt"},  // left-justified first
        {"C:\\data\\", "C:\\data", ""},                     // the final separator goes
        {"C:\\", "C:\\", ""},                               // a drive's root stays
        {"C:", "C:", ""},
        {"C:name", "C", "name"},
        {"C:\\data\\..", "C:\\data\\..", ""},
        {"..", "..", ""},
        {"file.txt", "", "file.txt"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        char path[40], name[20];
        TextRef(path).assign(c.path);
        TextRef(name).assign("stale");
        yysplitp(TextRef(path), TextRef(name));
        EXPECT_EQ(TextRef(path).trimmed(), c.directory) << c.path;
        EXPECT_EQ(TextRef(name).trimmed(), c.name) << c.path;
    }
}

TEST(FileFilters, BarsAndSemicolonsAlike) {
    const auto bars = yyfilterpairs("Text files|*.txt|All files|*.*|   ");
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0], (std::pair<std::string, std::string>{"Text files", "*.txt"}));
    EXPECT_EQ(bars[1], (std::pair<std::string, std::string>{"All files", "*.*"}));
    EXPECT_EQ(yyfilterpairs("Text files;*.txt;All files;*.*;"), bars);
    EXPECT_EQ(yyfiltertext("Text|*.txt|"), std::string("Text\0*.txt\0\0", 12));
    EXPECT_EQ(yyfiltertext("    "), "");
    EXPECT_EQ(yyfiltertext(std::string(1200, 'x')).size(), 1001u);  // 1000 characters and the end
}

TEST(FileDialogSwitches, FromFlags) {
    const FileDialogSwitches open = yyfiledialogswitches(2 | 4 | 16 | 32 | 128);
    EXPECT_FALSE(open.save);
    EXPECT_TRUE(open.confirm && open.pathNeedNotExist && open.multiple && open.defaultExtension && open.mustExist);
    EXPECT_FALSE(open.keepDirectory);
    const FileDialogSwitches save = yyfiledialogswitches(1 | 8 | 16 | 64);
    EXPECT_TRUE(save.save && save.keepDirectory);
    EXPECT_FALSE(save.multiple);  // several files only in open dialogs
    EXPECT_FALSE(save.confirm || save.mustExist);
}

TEST(FileDialogNames, InitialNameKeepsItsNulInsideTheBuffer) {
    EXPECT_EQ(yyinitialname("abc   ", 8), std::string("abc\0\0\0\0\0", 8));
    EXPECT_EQ(yyinitialname("abcdefgh", 8), std::string("abcdefg\0", 8));  // filled: cut by one
    EXPECT_EQ(yyinitialname("abc", 0), "");
}

TEST(FileDialogNames, ChosenNamesUpToTheirEndMark) {
    char name[24];
    yychosenname(std::string_view("C:\\d\\a.txt\0junk", 15), false, TextRef(name));
    EXPECT_EQ(TextRef(name).trimmed(), "C:\\d\\a.txt");
    yychosenname(std::string_view("C:\\d\0a.txt\0b.txt\0\0junk", 22), true, TextRef(name));
    EXPECT_EQ(std::string(name, 16), std::string("C:\\d\0a.txt\0b.txt", 16));
    EXPECT_EQ(name[16], ' ');  // blank-padded after the last name
    yychosenname(std::string_view("abcdefgh", 8), false, TextRef(name));  // no end mark: all of it
    EXPECT_EQ(TextRef(name).trimmed(), "abcdefgh");
}

}  // namespace
