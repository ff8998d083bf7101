// editor_text_test.cpp - the editor's rules without a window: text-file preparation, the caller
// to control position walk, View labels, title and save-question texts, the filter list.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/editor_text.hpp"

namespace {

using namespace std::string_literals;

struct PrepareCase {
    std::string file;
    int version;
    std::string text;
    bool guarded;
};

TEST(EditorText, PreparesTextFiles) {
    const PrepareCase cases[] = {
        {"{\\rt", 2, "{\\rt", false},          // four bytes go in whole
        {"{\\rtf", 2, "{\\rtf", true},         // five are guarded against the RTF reader
        {"{\\rtf", 1, "{\\rtf", false},        // the first-generation control needs no guard
        {"{\\Rtf1", 3, "{\\Rtf1", false},
        {"a\0b\0"s, 2, "a b ", false},         // NUL to blank
        {"ab\x1a", 2, "ab", false},            // a last Ctrl-Z dropped
        {"a\x1a" "b\x1a\x1a", 2, "a\x1a" "b\x1a", false},  // only the last one
        {"", 2, "", false},
        {"\x1a", 2, "", false},
    };
    for (const PrepareCase& c : cases) {
        SCOPED_TRACE(c.file);
        const PreparedText prepared = yyeditpreparetext(c.file, c.version);
        EXPECT_EQ(prepared.text, c.text);
        EXPECT_EQ(prepared.guarded, c.guarded);
    }
}

TEST(EditorText, RtfByTheNameInARichTextEditorOnly) {
    EXPECT_TRUE(yyeditisrtfname("X.RTF", true));
    EXPECT_TRUE(yyeditisrtfname("c:\\a\\b.Rtf", true));
    EXPECT_FALSE(yyeditisrtfname("x.rtf.txt", true));
    EXPECT_FALSE(yyeditisrtfname("X.RTF", false));
    EXPECT_FALSE(yyeditisrtfname("rtf", true));
    EXPECT_FALSE(yyeditisrtfname("", true));
}

struct WalkCase {
    int a, b, controlA, controlB;
};

TEST(EditorText, CallerPositionsWalkToControlPositions) {
    const std::string control = "ab\rcd";  // the control keeps a line end as one CR
    const WalkCase cases[] = {
        {4, 3, 3, 2},  // the c is control 3; the LF of the line end maps to the CR
        {0, 1, 0, 1},
        {2, 5, 2, 4},
        {6, 6, 5, 5},  // the end of the text
        {9, 0, 8, 0},  // past the end, past the control's end as far
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << "," << c.b);
        const PositionWalk walk = yyeditwalkpositions(control, 0, 0, c.a, c.b);
        EXPECT_EQ(walk.controlA, c.controlA);
        EXPECT_EQ(walk.controlB, c.controlB);
    }
}

TEST(EditorText, WalkResumesFromItsCache) {
    const std::string control = "ab\rcd\ref";
    const PositionWalk first = yyeditwalkpositions(control, 0, 0, 4, 4);
    ASSERT_EQ(first.controlA, 3);
    // The cache is a matching pair; walking on from it gives what a fresh walk gives.
    EXPECT_EQ(first.external - first.internal, yyeditcountlineends(control, first.internal));
    const std::string rest = control.substr(static_cast<std::size_t>(first.internal));
    const PositionWalk resumed = yyeditwalkpositions(rest, first.internal, first.external, 8, 7);
    const PositionWalk fresh = yyeditwalkpositions(control, 0, 0, 8, 7);
    EXPECT_EQ(resumed.controlA, fresh.controlA);
    EXPECT_EQ(resumed.controlB, fresh.controlB);
    EXPECT_EQ(fresh.controlA, 6);
    EXPECT_EQ(fresh.controlB, 5);
}

TEST(EditorText, CountsLineEnds) {
    EXPECT_EQ(yyeditcountlineends("a\rb\rc", 3), 1);
    EXPECT_EQ(yyeditcountlineends("a\rb\rc", 99), 2);
    EXPECT_EQ(yyeditcountlineends("a\rb", -1), 0);
}

TEST(EditorText, ViewLabels) {
    EXPECT_EQ(yyeditviewlabel(1, "c:\\x.txt"), "&1 c:\\x.txt");
    EXPECT_EQ(yyeditviewlabel(9, ""), "&9 Untitled");
    EXPECT_EQ(yyeditviewlabel(10, "y"), "&A y");
    EXPECT_EQ(yyeditviewlabel(35, ""), "&Z Untitled");
}

struct TitleCase {
    const char* caption;
    const char* name;
    bool hide, modified;
    const char* title;
    const char* status;
};

TEST(EditorText, TitlesAndStatusNames) {
    const TitleCase cases[] = {
        {"Editor", "c:\\a.txt", false, false, "Editor - [c:\\a.txt]", "c:\\a.txt"},
        {"Editor", "c:\\a.txt", false, true, "Editor - [c:\\a.txt *]", "c:\\a.txt *"},
        {"", "c:\\a.txt", false, true, "c:\\a.txt *", "c:\\a.txt *"},
        {"Editor", "c:\\a.txt", true, true, "Editor", ""},
        {"Editor", "", false, true, "Editor", ""},
        {"", "", false, false, "", ""},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(yyedittitletext(c.caption, c.name, c.hide, c.modified), c.title);
        EXPECT_EQ(yyeditstatusname(c.name, c.hide, c.modified), c.status);
    }
}

TEST(EditorText, LongTitlesAndQuestionsStayWithinTheirLengths) {
    const std::string caption(2000, 'c'), path(600, 'p');
    EXPECT_EQ(yyedittitletext(caption, path, false, true).size(), EditorTitleLength);
    EXPECT_EQ(yyedittitletext("t", path, false, true), "t - [" + path.substr(0, 259) + " *]");
    EXPECT_EQ(yyeditsavequestion(path, false), "Do you want to save changes to " + path.substr(0, 259) + "?");
    EXPECT_EQ(yyeditsavequestion("c:\\a.txt", false), "Do you want to save changes to c:\\a.txt?");
    EXPECT_EQ(yyeditsavequestion("c:\\a.txt", true), "Do you want to save changes?");
    EXPECT_EQ(yyeditsavequestion("", false), "Do you want to save changes?");
}

TEST(EditorText, FilterLists) {
    EXPECT_EQ(yyeditfilterlist("Text!*.txt!All!*.*!", false), "Text\0*.txt\0All\0*.*\0\0"s);
    EXPECT_EQ(yyeditfilterlist("A|*.a|", true), "A\0*.a\0\0"s);
    EXPECT_EQ(yyeditfilterlist("", false), "Text Files (*.TXT)\0*.TXT\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(yyeditfilterlist("", true),
              "Rich Text Files (*.RTF)\0*.RTF\0Text Files (*.TXT)\0*.TXT\0All Files (*.*)\0*.*\0\0"s);
    const std::string longFilter = std::string(1200, 'x') + "!";
    EXPECT_EQ(yyeditfilterlist(longFilter, false), std::string(1000, 'x') + '\0');
}

TEST(EditorText, FindCodes) {
    EXPECT_EQ(yyeditfindcode(false, true, false), 2);
    EXPECT_EQ(yyeditfindcode(true, false, false), 4);
    EXPECT_EQ(yyeditfindcode(true, true, true), 16);
    EXPECT_EQ(yyeditfindcode(false, false, false), 6);
}

TEST(EditorText, CopiesStayWithinTheCallersSize) {
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(yyeditcopyout(buffer, 10, "abcdefghijklmnopqrst"));
    EXPECT_STREQ(buffer, "abcdefghi");
    EXPECT_EQ(buffer[10], '#');
    EXPECT_TRUE(yyeditcopyout(buffer, 10, "abc"));
    EXPECT_STREQ(buffer, "abc");
    EXPECT_FALSE(yyeditcopyout(buffer, 0, "abc"));
    EXPECT_EQ(buffer[0], 'a');
}

}  // namespace
