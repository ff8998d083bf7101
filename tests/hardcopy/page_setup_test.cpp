// page_setup_test.cpp - the portable rules of page setup: lists, units, turning margins, results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hardcopy/page_setup.hpp"

namespace {

std::string padded(const std::string& name, int length) {
    std::string text = name;
    text.resize(static_cast<std::size_t>(length), ' ');
    return text;
}

TEST(PageSetupLists, BlankPapersGoNamesSortAndKeepTheirDriverPositions) {
    const std::vector<std::string> names = {std::string("Letter\0junk", 11), "", "A4", std::string("\0A5", 3), "A3"};
    const std::vector<int> codes = {1, 99, 9, 11, 8};
    const auto papers = yypagesetuplist(names, codes, PaperNameLength, true);
    ASSERT_EQ(papers.size(), 3u);
    EXPECT_EQ(papers[0].name, padded("A3", PaperNameLength));
    EXPECT_EQ(papers[1].name, padded("A4", PaperNameLength));
    EXPECT_EQ(papers[2].name, padded("Letter", PaperNameLength));
    EXPECT_EQ(papers[0].index, 4);  // dimensions are still asked by the driver's own position
    EXPECT_EQ(papers[1].index, 2);
    EXPECT_EQ(papers[2].index, 0);
    EXPECT_EQ(papers[1].code, 9);
    EXPECT_EQ(yypagesetupselect(papers, 9), 2);
    EXPECT_EQ(yypagesetupselect(papers, 12345), 1);
}

TEST(PageSetupLists, SourcesKeepBlankNamesAndSelectTheLastMatch) {
    const auto sources = yypagesetuplist({"Upper", "", "Auto", "Manual"}, {1, 7, 15, 1}, SourceNameLength, false);
    ASSERT_EQ(sources.size(), 4u);
    EXPECT_EQ(sources[0].name, padded("", SourceNameLength));  // a blank sorts first
    EXPECT_EQ(sources[1].name, padded("Auto", SourceNameLength));
    EXPECT_EQ(yypagesetupselect(sources, 1), 4);  // "Manual" and "Upper" share code 1: the last
    EXPECT_TRUE(yypagesetuplist({}, {}, SourceNameLength, false).empty());
}

TEST(PageSetupUnits, A4InThousandthsOfAnInchAndHundredthsOfAMillimetre) {
    int width = 0, height = 0;
    yypaperinunits(2100, 2970, 0, width, height);
    EXPECT_EQ(width, 8267);
    EXPECT_EQ(height, 11692);
    yypaperinunits(2100, 2970, 1, width, height);
    EXPECT_EQ(width, 8267);
    yypaperinunits(2100, 2970, 2, width, height);
    EXPECT_EQ(width, 21000);
    EXPECT_EQ(height, 29700);
}

TEST(PageSetupMargins, TurningToLandscapeAndBack) {
    const Margins portrait{1, 2, 3, 4};  // left, right, top, bottom
    const Margins landscape = yyturnmargins(portrait, 1);
    EXPECT_EQ(landscape.left, 4);
    EXPECT_EQ(landscape.right, 3);
    EXPECT_EQ(landscape.top, 1);
    EXPECT_EQ(landscape.bottom, 2);
    const Margins back = yyturnmargins(landscape, 0);
    EXPECT_EQ(back.left, 1);
    EXPECT_EQ(back.right, 2);
    EXPECT_EQ(back.top, 3);
    EXPECT_EQ(back.bottom, 4);
}

TEST(PageSetupResult, MarginsTimesTheScaleCutTowardZero) {
    int width = 0, height = 0;
    yyorientedpaper(11692, 8267, 0, width, height);
    EXPECT_EQ(width, 8267);
    EXPECT_EQ(height, 11692);
    yyorientedpaper(8267, 11692, 1, width, height);
    EXPECT_EQ(width, 11692);
    const PageResult r = yypageresult(8500, 11000, Margins{0.25f, 0.25f, 0.5f, 1.0f}, 1000);
    EXPECT_EQ(r.left, 250);
    EXPECT_EQ(r.top, 500);
    EXPECT_EQ(r.printableWidth, 8000);
    EXPECT_EQ(r.printableHeight, 9500);
    // Margins larger than the page come back as they are: the printable size is negative.
    const PageResult over = yypageresult(8500, 11000, Margins{5, 5, 0, 0}, 1000);
    EXPECT_EQ(over.printableWidth, -1500);
}

TEST(PageSetupPreview, ThePageShapeIsCentred) {
    float area[4];
    yypreviewarea(8500, 11000, 0, area);
    EXPECT_FLOAT_EQ(area[0], 0.5f - 0.5f * 8500 / 11000);
    EXPECT_FLOAT_EQ(area[2], 0.5f + 0.5f * 8500 / 11000);
    EXPECT_FLOAT_EQ(area[1], 0.0f);
    EXPECT_FLOAT_EQ(area[3], 1.0f);
    yypreviewarea(11000, 8500, 1, area);
    EXPECT_FLOAT_EQ(area[0], 0.0f);
    EXPECT_FLOAT_EQ(area[1], 0.5f - 0.5f * 8500 / 11000);
}

}  // namespace
