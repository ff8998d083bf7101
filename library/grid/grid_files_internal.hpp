// grid_files_internal.hpp - the grid's CSV files and HTML pages over what they need of a grid
// (portable): the field scanner and field writer, the quote routines, the buffered output, and
// the load, save and page procedures. The Win32 side binds GridFileCells to the cell operations.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/text.hpp"

// What the files read and write of a grid (columns and rows from 0, labels as the cell
// operations number them: column label j + 1 for column j, 0 the corner).
class GridFileCells {
public:
    virtual ~GridFileCells() = default;
    virtual int columns() = 0;
    virtual int rowsInUse() = 0;
    virtual int rowsAllocated() = 0;
    virtual int firstVisibleRow() = 0;  // from 0
    virtual int visibleRows() = 0;
    virtual int columnType(int column) = 0;  // GridColumnType
    virtual std::string format(int column) = 0;   // a real or double column's edit format
    virtual int caseConversion(int column) = 0;   // 1 upper, 2 lower, 0 none
    virtual int alignment(int column) = 0;        // 0 left, 1 centre, 2 right
    virtual bool hasColumnLabels() = 0;
    virtual bool hasRowLabels() = 0;

    // Reading.
    virtual std::string cellText(int column, int row) = 0;  // empty for a number without a value
    virtual int checkValue(int column, int row) = 0;
    virtual int menuItem(int column, int row) = 0;          // from 1, 0 none chosen
    virtual std::string menuText(int column, int item) = 0;
    virtual std::string columnLabel(int item) = 0;
    virtual std::string rowLabel(int row) = 0;
    // Text and background colours as 0x00BBGGRR, -1 where the cell has none.
    virtual void colours(int column, int row, int& text, int& background) = 0;

    // Writing.
    virtual void setRowsInUse(int rows) = 0;
    virtual void setColumnLabel(int item, std::string_view text) = 0;
    virtual void setRowLabel(int row, std::string_view text) = 0;
    virtual bool inRange(int column, double value) = 0;
    // A text or number cell: the value with the text its editor shows and the column's format.
    virtual void putCell(int column, int row, double value, std::string_view text, std::string_view format) = 0;
    virtual void putCheck(int column, int row, int value) = 0;
    // Chooses the item equal to text ignoring case; false (first item chosen) when none is.
    virtual bool putMenu(int column, int row, std::string_view text) = 0;
    virtual void clearCell(int column, int row, int mode) = 0;
    // Immediate cell repainting off for a bulk change, and back on with one repaint.
    virtual void repaintOff() = 0;
    virtual void repaintOn() = 0;
};

// Doubles every quotation mark up to the last non-blank character, in place, from the right;
// the characters pushed beyond the text's end are lost.
void yyexpandquotes(TextRef text);
// Makes every pair of adjacent quotation marks up to the last non-blank character one, from the
// left, and blanks the freed end.
void yycompressquotes(TextRef text);

// The field scanner: one block holds 65,000 bytes; a field that does not fit is kept to that
// length and the rest of it passed over.
constexpr std::size_t GridCsvBlock = 65000;

struct GridCsvField {
    std::string text;       // quotes undone, trailing blanks dropped
    bool endsLine = false;  // ended by LF (or by the end of the file)
};

// The text of a field from its bytes before the terminator (a CR right before a LF already
// taken off): with a quotation mark anywhere, the first and last characters are the enclosing
// pair; then pairs of quotation marks become one and trailing blanks go.
std::string yygridcsvfieldtext(std::string_view raw, bool hasQuote);

// Reads fields from a byte source of a known size in blocks.
class GridCsvReader {
public:
    // read(buffer, count) reads count bytes; fewer means it failed (and reported it).
    using Source = std::function<int(char* buffer, int count)>;
    GridCsvReader(Source source, long long size, std::size_t block = GridCsvBlock);
    // The next field; false at the end of the data or after a failed read (failed() then).
    bool next(GridCsvField& field);
    bool failed() const { return failed_; }

private:
    bool fill();  // moves the unscanned bytes to the front and reads behind them
    Source source_;
    long long left_;
    std::string buffer_;
    std::size_t start_ = 0, end_ = 0;
    bool failed_ = false;
};

// The field writer: appends a field's text with its quotation marks doubled (when doubled) and
// enclosed in a pair (when enclosed).
void yygridcsvquoted(std::string& line, std::string_view text, bool enclosed, bool doubled = true);

// Buffered output to a file handle in blocks; a text longer than the block goes out in pieces.
// write(handle, bytes, count) returns 0, or the failed write's status (after reporting it).
// put and flush return the status of the first failed write; nothing is written after it.
constexpr std::size_t GridFileOutputBlock = 65536;
class GridFileOutput {
public:
    using Write = std::function<int(int handle, const char* bytes, int count)>;
    GridFileOutput(int handle, Write write) : handle_(handle), write_(std::move(write)) {}
    int put(std::string_view bytes);
    int flush();
    int status() const { return status_; }

private:
    int handle_;
    Write write_;
    std::string buffer_;
    int status_ = 0;
};

// Grid files over a grid; ranges and flags as the public routines take them (from 1, absent:
// the whole grid). The callers have checked the dialog and the grid.
void yygridsavecsv(GridFileCells& grid, std::string_view file, std::optional<int> firstColumn,
                   std::optional<int> lastColumn, std::optional<int> firstRow, std::optional<int> lastRow, int flags);
void yygridloadcsv(GridFileCells& grid, std::string_view file, int growth, int flags);
// The same reading from a byte source (the file's size given), for readers that are no file.
void yygridloadcsv(GridFileCells& grid, const GridCsvReader::Source& source, long long size, int growth, int flags);

// Writes one line of a page and CR LF while status is 0, leaving the write's status there.
void yywrite(GridFileOutput& page, std::string_view line, int& status);
// A text as HTML character data: &, <, > and the quotation mark as entities.
std::string yyhtmltext(std::string_view text);
void yygridsavehtml(GridFileCells& grid, std::string_view file, std::optional<int> firstColumn,
                    std::optional<int> lastColumn, std::optional<int> firstRow, std::optional<int> lastRow, int flags,
                    std::optional<std::string_view> title, int border, std::optional<int> background);
