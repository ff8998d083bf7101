// companion_test.cpp - the companion-text reader over fixture texts: one case per section and
// per boundary (section prefixes, item counts, labels, missing values, the end of the text).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "companion_recorder.hpp"
#include "dialogs/companion.hpp"

namespace {

struct ReaderCase {
    const char* name;
    std::string text;
    std::string expected;
};

std::string read(std::string_view text) {
    CompanionRecorder recorder;
    yyreadcompanion(text, recorder);
    return recorder.out.str();
}

std::string years() {
    std::string lines;
    for (int y = 2004; y <= 2015; ++y) lines += std::to_string(y) + "\n";
    return lines;
}

const ReaderCase readerCases[] = {
    {"RangesOfARealField", "[Ranges]\n 1037      0.0000           70.000      \n", "range 1037 0 70\n"},
    {"RangesWithCommaAndNegative", "[Ranges]\n 1038 -1,5 2.5E2 \n", "range 1038 -1.5 250\n"},
    {"MenuOfThirteenSelectingNone", "[Menus]\n 1065    13  -999 \n" + years() + "\n",
     "menu 1065 13 -999 [2004] [2005] [2006] [2007] [2008] [2009] [2010] [2011] [2012] [2013] "
     "[2014] [2015] []\n"},
    {"MenuItemsKeepLeadingBlanksAndLoseTrailingOnes",
     "[Menus]\n 1052     3     1 \n  indented  \nplain\n\n", "menu 1052 3 1 [  indented] [plain] []\n"},
    {"MenuCountBeyondTheTextStopsAtItsEnd", "[Menus]\n 1052 5 2 \nonly\n", "menu 1052 5 2 [only]\n"},
    {"MenuOfAMissingControlConsumesItsItems", "[Menus]\n 9999 2 1 \na\n[Checks]\n[Checks]\n 5 1 \n",
     "menu 9999 2 1 [a] [[Checks]]\ncheck 5 1\n"},
    {"Checks", "[Checks]\n 1006 1 \n 1007 2 \n 1008 0 \n", "check 1006 1\ncheck 1007 2\ncheck 1008 0\n"},
    {"TabLabelsLoseOnlyTheWritersBlank",
     "[Tabs]\n 1020     3  2002 \n 2001 General \n 2002 Two words  \n 2003 Options\n",
     "tabs 1020 3 2002 2001 [General] 2002 [Two words ] 2003 [Options]\n"},
    {"GridLineIsHandedOverFromItsFirstValue", "[Grids]\n 1010     5   100  2001 \n 1011 1 2 3 \n",
     "grid 1010 [5   100  2001 ]\ngrid 1011 [1 2 3 ]\n"},
    {"Colours", "[Colours]\n 1010   256     0     0    -1     0     0 \n 1011 1 2 300 4 5 6 \n",
     "colours 1010 256 0 0 -1 0 0\ncolours 1011 1 2 300 4 5 6\n"},
    {"Trackbars", "[Trackbars]\n 1040 10 1 5 20 30 \n", "trackbar 1040 10 1 5 20 30\n"},
    {"Lengths", "[Lengths]\n 1001    40 \n", "length 1001 40\n"},
    {"DialogSwitchAlone", "[Dialog]\n 1 \n", "dialog 1\n"},
    {"DialogWithGrowingControl", "[Dialog]\n 1 0 0 \n 0 1030 1 \n", "dialog 1 0 0\ndialog 0 1030 1\n"},
    {"Formats", "[Formats]\n 1037 (f5.2) \n 1038 (G15.5E2)\n", "format 1037 [(f5.2)]\nformat 1038 [(G15.5E2)]\n"},
    {"Treeviews", "[Treeviews]\n 1050 30001 30012 \n", "treeview 1050 30001 30012\n"},
    {"Fonts", "[Fonts]\n 1013    8 MS Sans Serif, 400 0 \n 1014 12 Tahoma,700 1 \n",
     "font 1013 8 [MS Sans Serif] 400 0\nfont 1014 12 [Tahoma] 700 1\n"},
    {"FontWithoutCommaEndsAtTheLineEnd", "[Fonts]\n 1013 8 Tahoma \n 1014 9 Symbol, 400 0 \n",
     "font 1013 8 [Tahoma] 0 0\nfont 1014 9 [Symbol] 400 0\n"},
    {"Flags", "[Flags]\n 1012 1 \n", "flags 1012 1\n"},
    {"SectionNameFollowedByOtherCharacters", "[Ranges] of the map\n 7 1 2 \n", "range 7 1 2\n"},
    {"SixCharactersOfASectionNameSelectNothing", "[Checks]\n[Range\n 7 1 \n", "unreadable [[Range]\ncheck 7 1\n"},
    {"SixCharactersAtTheEndOfTheTextSelectTheSection", "[Checks]\n 7 1 \n[Range", "check 7 1\n"},
    {"LinesBeforeTheFirstSectionAreIgnored", " 1006 1 \n[Checks]\n 1006 0 \n",
     "unreadable [1006 1 ]\ncheck 1006 0\n"},
    {"UnknownSectionIsUnreadable", "[Checks]\n[Colors]\n 1 1 \n", "unreadable [[Colors]]\ncheck 1 1\n"},
    {"BlankLinesSayNothing", "[Checks]\n\n    \n 1 1 \n", "check 1 1\n"},
    {"NumberAtTheEndOfTheTextWithoutBlank", "[Checks]\n 1006 1", "check 1006 1\n"},
    {"MissingValuesDoNotReachIntoTheNextLine", "[Trackbars]\n 1040 10\n 1041 1 2 3 4 5 \n",
     "trackbar 1040 10 0 0 0 0\ntrackbar 1041 1 2 3 4 5\n"},
    {"TextEndsAtItsFirstNul", std::string("[Checks]\n 5 1 \n\0[Checks]\n 6 1 \n", 30), "check 5 1\n"},
    {"CarriageReturnIsAnOrdinaryCharacter", "[Menus]\n 3 1 1 \r\nitem\r\n", "menu 3 1 1 [item\r]\n"},
};

class CompanionReader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(CompanionReader, HandsEachLineToTheSink) { EXPECT_EQ(read(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, CompanionReader, ::testing::ValuesIn(readerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A resource has no final NUL: the reader must stop at its size. The bytes sit in a heap block of
// exactly that size, so a read beyond it is caught by the sanitizer.
TEST(CompanionReaderBounds, StopsAtTheSizeOfATextWithoutNul) {
    const std::string_view texts[] = {"[Checks]\n 7 1", "[Menus]\n 3 2 1 \nalpha", "[Tabs]\n 9 1 2001 \n 2001 General",
                                      "[Fonts]\n 5 8 Tahoma", "[Ranges]\n 4 1.5 2.5", "[Formats]\n 4 (f5.2)", "[Grids]\n 4 1 2"};
    for (std::string_view text : texts) {
        std::unique_ptr<char[]> exact(new char[text.size()]);
        std::copy(text.begin(), text.end(), exact.get());
        std::string fromExact = read(std::string_view(exact.get(), text.size()));
        EXPECT_EQ(fromExact, read(std::string(text) + "\n")) << text;
    }
}

TEST(CompanionReaderBounds, CutsLongItemLines) {
    std::string longItem(1500, 'x');
    struct Lengths : CompanionSink {
        std::size_t item = 0, label = 0;
        void menu(int, int, int, const std::vector<std::string>& items) override { item = items.at(0).size(); }
        void tabs(int, int, int, const std::vector<CompanionTabPage>& pages) override { label = pages.at(0).label.size(); }
    } lengths;
    yyreadcompanion("[Menus]\n 1 1 1 \n" + longItem + "\n[Tabs]\n 2 1 5 \n 5 " + longItem + " \n", lengths);
    EXPECT_EQ(lengths.item, companionItemLength);
    EXPECT_EQ(lengths.label, companionItemLength);
}

TEST(CompanionCompare, EqualUntilEitherEnds) {
    EXPECT_EQ(strcmpkbn("[Ranges] more", "[Ranges]"), 0);
    EXPECT_EQ(strcmpkbn("[Ran", "[Ranges]"), 0);
    EXPECT_EQ(strcmpkbn("", "[Ranges]"), 0);
    EXPECT_LT(strcmpkbn("[Ran\n", "[Ranges]"), 0);
    EXPECT_NE(strcmpkbn("[ranges]", "[Ranges]"), 0);
}

}  // namespace
