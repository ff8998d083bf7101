// grid_window_rules.hpp - the grid window's arithmetic and texts that need no window (portable):
// the fitted and smallest sizes of the grid, the status-bar numbers, the title, the save
// question and one spin step of a numeric cell editor.
#pragma once

#include <span>
#include <string>

// The pixels the cells of a whole grid need: across 1 + the sum of (width - 1) over the columns,
// 10000 when that exceeds 9999; down (row height - 1) x rows + 1, 10000 when that reaches 10000.
int yygridcellswidth(std::span<const int> columnWidths);
int yygridcellsheight(int rowHeight, int rows);

// Around the cells: the row labels and the side bars across, the header and the bars down.
struct GridWindowFrame {
    int rowLabels = 0;     // width of the row labels
    int header = 0;        // height of the column header
    int sideBars = 0;      // left and right docked toolbars together
    int stackedBars = 0;   // status bar, own toolbar, top and bottom docked toolbars together
};
struct GridWindowSize {
    int width = 0;
    int height = 0;
};
// The client size that shows the whole grid (before the grid's and the frame's borders).
GridWindowSize yygridfittedsize(std::span<const int> columnWidths, int rowHeight, int rows, const GridWindowFrame& f);
// The smallest useful client size: the widest column and one row.
GridWindowSize yygridsmallestsize(std::span<const int> columnWidths, int rowHeight, const GridWindowFrame& f);
// A present size shrunk to a fitted one, dimension by dimension; never enlarged.
GridWindowSize yygridshrunk(GridWindowSize present, GridWindowSize fitted);

// A row or column number for the status bar: two tabs (right-aligned) and the number.
std::string yygridstatusnumber(unsigned number);
// The title of a grid window with a caption: its own title, then " - [" name "]" with a file.
std::string yygridwindowtitle(const char* title, const char* fileName);
// The save prompt's question.
std::string yygridsavequestion(const char* fileName);

// The delta a grid window steps a numeric cell editor's spin box by: -5 and +5 take the large
// step, -1 and +1 the small one; any other delta moves nothing (0). The step itself is the one
// every spin field takes (yyspinvalue: an integer field is put on origin + k x step with the step
// truncated, and a step below 1 puts it on no grid).
int yygridspindelta(int delta);
