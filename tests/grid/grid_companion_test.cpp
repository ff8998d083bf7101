// grid_companion_test.cpp - a grid's "[Grids]" line with its row-label lines: counts, the width,
// labels cut, trimmed and ended early, and the characters consumed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/grid_companion.hpp"

namespace {

struct DefinitionCase {
    const char* name;
    std::string text;  // from the first number after the control identifier
    unsigned style;
    int columns, rows, rowTemplate;
    int width;
    std::vector<std::string> labels;
    std::string rest;  // what the companion reader sees after the consumed characters
};

const std::string sixty(60, 'x');

const DefinitionCase definitionCases[] = {
    {"NoLabelsTakesOnlyItsLine", "    5   100  2001 \n[Colours]\n", 0, 5, 100, 2001, 0, {}, "\n[Colours]\n"},
    {"LabelsWithLineEnds", "2 3 2001 \n 40 \nfirst\nsecond   \nthird\n[Colours]\n", GridRowLabels, 2, 3, 2001, 40,
     {"first", "second", "third"}, "\n[Colours]\n"},
    {"LabelsWithCrLf", "2 2 2001 \r\n 40 \r\nalpha   \r\nbeta\r\n[Colours]\n", GridRowLabels, 2, 2, 2001, 40,
     {"alpha", "beta"}, "\n[Colours]\n"},
    {"SixtyCharacterLabelKeepsFifty", "1 1 7 \n 30\n" + sixty + "\nnext\n", GridRowLabels, 1, 1, 7, 30,
     {std::string(50, 'x')}, "\nnext\n"},
    {"NoLabelTextConsumesTheWidthLineOnly", "1 2 7\n 30\none\ntwo\n", GridRowLabels | GridNoLabelText, 1, 2, 7, 30,
     {}, "\none\ntwo\n"},
    {"TextEndingEarly", "1 4 7\n 30\none\ntwo", GridRowLabels, 1, 4, 7, 30, {"one", "two"}, ""},
    {"TextEndingAfterTheLine", "1 4 7", GridRowLabels, 1, 4, 7, 0, {}, ""},
    {"LeadingBlanksOfALabelStay", "1 1 7\n 30\n  indented  \n", GridRowLabels, 1, 1, 7, 30, {"  indented"}, "\n"},
    {"NegativeAndMissingNumbers", "-3 \n", 0, -3, 0, 0, 0, {}, "\n"},
};

class GridDefinition : public testing::TestWithParam<DefinitionCase> {};

TEST_P(GridDefinition, ReadsAndConsumes) {
    const DefinitionCase& c = GetParam();
    GridCompanionDefinition d = yygridreaddefinition(c.text, c.style);
    EXPECT_EQ(d.line.columns, c.columns);
    EXPECT_EQ(d.line.rows, c.rows);
    EXPECT_EQ(d.line.rowTemplate, c.rowTemplate);
    EXPECT_EQ(d.labels.width, c.width);
    EXPECT_EQ(d.labels.labels, c.labels);
    ASSERT_LE(d.used, c.text.size());
    EXPECT_EQ(c.text.substr(d.used), c.rest);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridDefinition, testing::ValuesIn(definitionCases),
                         [](const testing::TestParamInfo<DefinitionCase>& info) { return std::string(info.param.name); });

}  // namespace
