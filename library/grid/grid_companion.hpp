// grid_companion.hpp - a grid's "[Grids]" line of a dialog's companion text and the row-label
// lines that follow it (portable). Every read stays inside the text it is given.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_records.hpp"

struct GridCompanionLine {
    int columns = 0;
    int rows = 0;
    int rowTemplate = 0;
    std::size_t used = 0;  // characters of the line, its line end excluded
};

// Reads columns, rows and row-template number from text, which starts at the first number after
// the control identifier; every read stays on the first line.
GridCompanionLine yygridreadline(std::string_view text);

struct GridRowLabelText {
    int width = 0;                    // row-label strip in dialog units
    std::vector<std::string> labels;  // one per row read (fewer when the text ended early)
    std::size_t used = 0;             // from the width to the end of the last line read, its line end excluded
};

// Reads the row-label width and, unless labelLines is false, up to rows label lines after it.
// text starts at the width. A label is cut to 50 characters, loses its CR and trailing blanks.
GridRowLabelText yygridreadlabels(std::string_view text, int rows, bool labelLines);

// Where the width line begins after the grid line: past the line end and the blanks; the text's
// size when no line follows.
std::size_t yygridlabelstart(std::string_view text, std::size_t lineUsed);

// The whole definition a grid of window style `style` takes from text (its line, and with row
// labels the width line and the label lines): the characters consumed, as the companion reader
// goes on after them.
struct GridCompanionDefinition {
    GridCompanionLine line;
    bool hasLabels = false;
    GridRowLabelText labels;
    std::size_t used = 0;
};
GridCompanionDefinition yygridreaddefinition(std::string_view text, unsigned style);
