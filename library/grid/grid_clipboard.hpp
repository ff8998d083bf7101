// grid_clipboard.hpp - grid cells as clipboard text (portable): the text's class and block size,
// the copy's size and writer, the paste walk over the fields and the rules that turn a pasted
// field into a cell value.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A pasted field is cut to fit the paste's 32 KB work area.
constexpr std::size_t GridPasteFieldLength = 32767;

// Clipboard class of a text: 1 a single value (no TAB and no line end), 2 a block of cells.
// (0, no text at all, is for the caller that found none.) Lines end in CR LF, a bare CR or a
// bare LF, in the walk and the counts alike.
int yygridclipclass(std::string_view text);
// Block size: rows = 1 + the line ends followed by more text, columns = the most TAB-separated
// fields of one line; both 1 for an empty text.
void yygridclipcount(std::string_view text, int& rows, int& columns);

// Bytes of the copied text: (sum of widths + columns + 1) x rows + 1.
std::size_t yygridclipbytes(const std::vector<int>& columnWidths, int rows);
// Writes rows x columnWidths.size() cells, each cut to its column's width, TAB between cells,
// CR LF after every row and one NUL after the last, into buffer of yygridclipbytes bytes.
// Returns the length without the NUL.
std::size_t yygridclipwrite(char* buffer, std::size_t size, const std::vector<int>& columnWidths, int rows,
                            const std::function<std::string_view(int row, int column)>& cellText);

// Walks the fields of text from (startRow, startColumn) and calls store for each field whose
// target lies inside rows x columns (fields outside are dropped: the grid never grows).
void yygridpastewalk(std::string_view text, int startRow, int startColumn, int rows, int columns,
                     const std::function<void(int row, int column, std::string_view field)>& store);

// A pasted field for a number column (type 1 integer, 2 real, 3 double).
struct GridPastedNumber {
    bool accepted = false;  // converted and inside the range
    double value = 0.0;
    std::string text;       // what the editor shows: D made E, an integer cut at its point
    bool nonBlank = false;
};
// low > high is no range.
GridPastedNumber yygridpastenumber(std::string_view field, int type, double low, double high);
// A check-box cell takes 1 exactly for "Yes", ignoring case.
bool yygridpastecheck(std::string_view field);
// The first item that begins with field, ignoring case; -1 when none does.
int yygridmenuprefix(const std::vector<std::string>& items, std::string_view field);
