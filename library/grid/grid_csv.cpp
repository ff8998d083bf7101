// grid_csv.cpp - a grid's content as comma-separated text: the quote routines, the field scanner
// over 65,000-byte blocks, the field writer, and the load and save procedures over GridFileCells.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/errors_internal.hpp"
#include "base/files.hpp"
#include "base/gravim.hpp"
#include "base/save_file.hpp"
#include "base/strings.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid/grid_records.hpp"

namespace {

// Pairs of adjacent quotation marks in data[0..n) become one, from the left; the new length.
std::size_t compressQuotes(char* data, std::size_t n) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < n; ++i) {
        data[out++] = data[i];
        if (data[i] == '"' && i + 1 < n && data[i + 1] == '"') ++i;
    }
    return out;
}

// Undoes the quotes of a field's text and drops its trailing blanks.
void finishField(std::string& text) {
    text.resize(trimmedLength(text));
    text.resize(compressQuotes(text.data(), text.size()));
}

// A save that could not begin or end: the system's code in slot 2, as the file routines give it.
void saveFailure(int number, int status) {
    yysetfilestatus(status, 2);
    yyerror(number, "WGridSave");
}

// The text of a real or double format, at most 50 characters, cut at its first NUL.
std::string formatText(std::string format) {
    format.resize(std::min(strnlen(format.c_str(), format.size()), std::size_t{GridRealTextLength}));
    return format;
}

// A number written by one of the internal writers, up to its NUL, without blanks.
std::string writtenNumber(const char* buffer, std::size_t size) {
    std::string_view text(buffer, strnlen(buffer, size));
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(trimRight(text.substr(first)));
}

// The undefined value of a number column, as flag 4 writes it into an empty cell.
std::string undefinedText(int type, const std::string& format) {
    char buffer[GridRealTextLength + 1] = "";
    if (type == GridInteger) {
        yyint2st(gravim.dialogs.undefinedInteger, TextRef(buffer, GridIntegerTextLength + 1));
    } else if (type == GridReal) {
        yyrea2st(gravim.dialogs.undefinedReal, TextRef(buffer, GridRealTextLength), format);
    } else {
        yydbl2st(gravim.dialogs.undefinedDouble, TextRef(buffer, GridRealTextLength), format);
    }
    return writtenNumber(buffer, sizeof buffer);
}

struct ColumnFacts {
    int type = GridText;
    int caseConversion = 0;
    std::string format;
};

std::vector<ColumnFacts> columnFacts(GridFileCells& grid, int columns, bool reading) {
    std::vector<ColumnFacts> facts(static_cast<std::size_t>(std::max(columns, 0)));
    for (int c = 0; c < columns; ++c) {
        ColumnFacts& f = facts[static_cast<std::size_t>(c)];
        f.type = grid.columnType(c);
        if (f.type == GridReal || f.type == GridDouble) f.format = formatText(grid.format(c));
        if (reading && f.type == GridText) f.caseConversion = grid.caseConversion(c);
    }
    return facts;
}

// The field of one cell, by its column's type.
void cellField(std::string& line, GridFileCells& grid, const ColumnFacts& facts, int column, int row, int flags) {
    const bool enclosed = (flags & 1) == 0;
    switch (facts.type) {
    case GridText: yygridcsvquoted(line, grid.cellText(column, row), enclosed); return;
    case GridInteger: {
        const std::string text = grid.cellText(column, row);
        if (!text.empty()) line += text;
        else if (flags & 4) line += undefinedText(GridInteger, facts.format);
        return;
    }
    case GridReal:
    case GridDouble: {
        const std::string text = grid.cellText(column, row);
        if (!text.empty()) yygridcsvquoted(line, text, enclosed, false);
        else if (flags & 4) yygridcsvquoted(line, undefinedText(facts.type, facts.format), enclosed, false);
        else yygridcsvquoted(line, "", enclosed);
        return;
    }
    case GridCheckBox: line += grid.checkValue(column, row) == 1 ? "Yes" : "No"; return;
    case GridMenu: {
        const int item = grid.menuItem(column, row);
        if (item > 0) yygridcsvquoted(line, grid.menuText(column, item), enclosed);
        return;
    }
    default: return;
    }
}

// The text a number cell's editor shows for a loaded field: the field itself on a visible row,
// else a zero.
std::string shownNumber(const std::string& text, int type, bool visible) {
    if (!visible) return type == GridInteger ? "0" : "0.0";
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string shown = text.substr(first, type == GridInteger ? 20 : 100);
    shown.resize(trimmedLength(shown));
    return shown;
}

// The state of one load: where the next field goes and what went wrong.
class Loader {
public:
    Loader(GridFileCells& grid, int growth, int flags)
        : grid_(grid), growth_(growth == 1), columns_(grid.columns()), rowsInUse_(grid.rowsInUse()),
          rowsAllocated_(grid.rowsAllocated()), facts_(columnFacts(grid, columns_, true)) {
        const bool labels = (flags & 2) != 0;
        rowLabels_ = labels && grid.hasRowLabels();
        firstColumn_ = rowLabels_ ? -1 : 0;
        column_ = firstColumn_;
        row_ = labels && grid.hasColumnLabels() ? -1 : 0;
        firstVisible_ = grid.firstVisibleRow();
        visibleRows_ = grid.visibleRows();
    }

    // Stores one field; false when the grid cannot take it (error 1054 noted).
    bool take(const GridCsvField& field) {
        if (!rowFits() || column_ >= columns_) {
            noted = 1054;
            return false;
        }
        store(field.text);
        if (field.endsLine) {
            emptyRest();
            ++row_;
            column_ = firstColumn_;
        } else {
            ++column_;
        }
        return true;
    }

    // The rows the file did not reach are emptied.
    void emptyRemainingRows() {
        for (int r = std::max(row_, 0); r < rowsInUse_; ++r) {
            if (rowLabels_) grid_.setRowLabel(r, "");
            for (int c = 0; c < columns_; ++c) grid_.clearCell(c, r, 2);
        }
    }

    int noted = 0;

private:
    bool rowFits() {
        if (row_ < rowsInUse_) return true;
        if (!growth_ || row_ >= rowsAllocated_) return false;
        grid_.setRowsInUse(row_ + 1);
        rowsInUse_ = row_ + 1;
        return true;
    }

    void store(std::string text) {
        if (row_ == -1) {
            grid_.setColumnLabel(column_ + 1, text);
            return;
        }
        if (column_ == -1) {
            grid_.setRowLabel(row_, text);
            return;
        }
        const ColumnFacts& facts = facts_[static_cast<std::size_t>(column_)];
        switch (facts.type) {
        case GridText:
            if (facts.caseConversion == 1) iuppercase(TextRef(text));
            else if (facts.caseConversion == 2) ilowercase(TextRef(text));
            grid_.putCell(column_, row_, 0.0, text, "");
            return;
        case GridInteger:
        case GridReal:
        case GridDouble: storeNumber(facts, text); return;
        case GridCheckBox:
            iuppercase(TextRef(text));
            grid_.putCheck(column_, row_, text == "YES" ? 1 : 0);
            return;
        case GridMenu:
            if (!grid_.putMenu(column_, row_, text)) yyerror(1055, "WGridLoad");
            return;
        default: return;
        }
    }

    void storeNumber(const ColumnFacts& facts, const std::string& text) {
        const int saved = gravim.core.lastError;
        yyseterror(0);
        double value = 0.0;
        if (facts.type == GridInteger) {
            int v = 0;
            IStringToInteger(text, v);
            value = v;
        } else if (facts.type == GridReal) {
            float v = 0;
            IStringToReal(text, v);
            value = v;
        } else {
            IStringToDouble(text, value);
        }
        if (gravim.core.lastError != 0) {
            // The conversion's own error stays the last one.
            grid_.clearCell(column_, row_, 0);
            return;
        }
        if (!grid_.inRange(column_, value)) {
            noted = 1009;
        } else {
            const bool visible = row_ >= firstVisible_ && row_ < firstVisible_ + visibleRows_;
            grid_.putCell(column_, row_, value, shownNumber(text, facts.type, visible),
                          facts.type == GridInteger ? std::string_view() : trimRight(facts.format));
        }
        yyseterror(saved);
    }

    // After a line's last field: the columns it did not reach are emptied (column_ is -1 at least).
    void emptyRest() {
        for (int c = column_ + 1; c < columns_; ++c) {
            if (row_ == -1) grid_.setColumnLabel(c + 1, "");
            else grid_.clearCell(c, row_, 2);
        }
    }

    GridFileCells& grid_;
    bool growth_;
    int columns_, rowsInUse_, rowsAllocated_;
    std::vector<ColumnFacts> facts_;
    bool rowLabels_ = false;
    int firstColumn_ = 0, column_ = 0, row_ = 0;
    int firstVisible_ = 0, visibleRows_ = 0;
};

}  // namespace

void yyexpandquotes(TextRef text) {
    const std::size_t used = text.used();
    const std::size_t quotes = static_cast<std::size_t>(std::count(text.data(), text.data() + used, '"'));
    if (quotes == 0) return;
    std::size_t to = used + quotes;
    for (std::size_t from = used; from-- > 0;) {
        const char c = text[from];
        if (--to < text.size()) text[to] = c;
        if (c == '"' && --to < text.size()) text[to] = c;
    }
}

void yycompressquotes(TextRef text) {
    const std::size_t used = text.used();
    const std::size_t kept = compressQuotes(text.data(), used);
    std::fill(text.data() + kept, text.data() + used, ' ');
}

std::string yygridcsvfieldtext(std::string_view raw, bool hasQuote) {
    std::string text;
    if (!hasQuote) text.assign(raw);
    else if (raw.size() > 2) text.assign(raw.substr(1, raw.size() - 2));
    finishField(text);
    return text;
}

GridCsvReader::GridCsvReader(Source source, long long size, std::size_t block)
    : source_(std::move(source)), left_(size > 0 ? size : 0), buffer_(block > 0 ? block : 1, ' ') {}

bool GridCsvReader::fill() {
    const std::size_t kept = end_ - start_;
    if (kept > 0 && start_ > 0) std::memmove(buffer_.data(), buffer_.data() + start_, kept);
    start_ = 0;
    end_ = kept;
    const long long room = static_cast<long long>(buffer_.size() - kept);
    const int count = static_cast<int>(std::min(left_, room));
    const int got = count > 0 ? source_(buffer_.data() + kept, count) : 0;
    if (got != count) {
        failed_ = true;
        return false;
    }
    left_ -= count;
    end_ += static_cast<std::size_t>(count);
    return true;
}

bool GridCsvReader::next(GridCsvField& field) {
    if (failed_) return false;
    std::size_t scanned = start_;  // bytes of this field already looked at
    std::size_t quotes = 0;
    for (;;) {
        const char* data = buffer_.data();
        for (std::size_t p = scanned; p < end_; ++p) {
            const char c = data[p];
            if (c == '"') {
                ++quotes;
            } else if (c == '\n' || (c == ',' && quotes % 2 == 0)) {
                std::string_view raw(data + start_, p - start_);
                field.endsLine = c == '\n';
                // Only a CR right before the line's LF belongs to the line end.
                if (field.endsLine && !raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
                field.text = yygridcsvfieldtext(raw, quotes > 0);
                start_ = p + 1;
                return true;
            }
        }
        if (left_ == 0) {
            // The last line of a file need not end with LF.
            if (start_ == end_) return false;
            std::string_view raw(data + start_, end_ - start_);
            if (raw.back() == '\r') raw.remove_suffix(1);
            field.endsLine = true;
            field.text = yygridcsvfieldtext(raw, quotes > 0);
            start_ = end_;
            return true;
        }
        if (start_ == 0 && end_ == buffer_.size()) break;  // a field longer than the block
        scanned = end_ - start_;
        if (!fill()) return false;
    }

    // A field that fills the block: its first block is kept, the rest is passed over up to its
    // terminator, and reading goes on after it.
    std::string kept(buffer_.data(), buffer_.size());
    bool anyQuote = quotes > 0;
    start_ = end_ = 0;
    field.endsLine = true;  // unless a comma turns up
    while (left_ > 0) {
        if (!fill()) return false;
        std::size_t p = 0;
        for (; p < end_; ++p) {
            const char c = buffer_[p];
            if (c == '"') ++quotes, anyQuote = true;
            else if (c == '\n' || (c == ',' && quotes % 2 == 0)) break;
        }
        if (p < end_) {
            field.endsLine = buffer_[p] == '\n';
            start_ = p + 1;
            break;
        }
        start_ = end_;
    }
    // The enclosing pair's closing mark lies beyond the kept text.
    field.text = anyQuote ? kept.substr(1) : kept;
    finishField(field.text);
    return true;
}

void yygridcsvquoted(std::string& line, std::string_view text, bool enclosed, bool doubled) {
    if (enclosed) line += '"';
    if (!doubled) {
        line += text;
    } else {
        for (std::size_t from = 0;;) {
            const std::size_t quote = text.find('"', from);
            if (quote == std::string_view::npos) {
                line += text.substr(from);
                break;
            }
            line += text.substr(from, quote + 1 - from);
            line += '"';
            from = quote + 1;
        }
    }
    if (enclosed) line += '"';
}

int GridFileOutput::put(std::string_view bytes) {
    if (status_ != 0) return status_;
    if (buffer_.size() + bytes.size() > GridFileOutputBlock) {
        if (flush() != 0) return status_;
        // A text longer than the block goes out in pieces of the block.
        while (bytes.size() > GridFileOutputBlock) {
            status_ = write_(handle_, bytes.data(), static_cast<int>(GridFileOutputBlock));
            if (status_ != 0) return status_;
            bytes.remove_prefix(GridFileOutputBlock);
        }
    }
    buffer_ += bytes;
    return 0;
}

int GridFileOutput::flush() {
    if (status_ != 0 || buffer_.empty()) return status_;
    status_ = write_(handle_, buffer_.data(), static_cast<int>(buffer_.size()));
    buffer_.clear();
    return status_;
}

void yygridsavecsv(GridFileCells& grid, std::string_view file, std::optional<int> firstColumn,
                   std::optional<int> lastColumn, std::optional<int> firstRow, std::optional<int> lastRow, int flags) {
    const int columns = grid.columns(), rows = grid.rowsInUse();
    const int c1 = std::max(firstColumn.value_or(1), 1) - 1, c2 = std::min(lastColumn.value_or(columns), columns) - 1;
    const int r1 = std::max(firstRow.value_or(1), 1) - 1, r2 = std::min(lastRow.value_or(rows), rows) - 1;
    // The file replaces the one of that name only when it is whole.
    SaveFile save;
    int status = 0;
    yysavebegin(file, save, status);
    if (status != 0) {
        saveFailure(1, status);
        return;
    }
    const std::vector<ColumnFacts> facts = columnFacts(grid, columns, false);
    GridFileOutput out(save.handle, [](int h, const char* bytes, int count) {
        int done = 0;
        IFileWriteChar(h, std::string_view(bytes, static_cast<std::size_t>(count)), count, done);
        return done == count ? 0 : gravim.core.fileStatus != 0 ? gravim.core.fileStatus : -1;
    });
    const bool enclosed = (flags & 1) == 0;
    const bool labels = (flags & 2) != 0;
    const bool rowLabels = labels && grid.hasRowLabels();
    std::string field;
    // Each field goes out with its comma or line end.
    auto put = [&](bool last) {
        field += last ? "\r\n" : ",";
        const bool written = out.put(field) == 0;
        field.clear();
        return written;
    };
    bool writing = true;
    if (labels && grid.hasColumnLabels()) {
        if (rowLabels) {
            yygridcsvquoted(field, grid.columnLabel(0), enclosed);
            writing = put(c2 < c1);
        }
        for (int c = c1; writing && c <= c2; ++c) {
            yygridcsvquoted(field, grid.columnLabel(c + 1), enclosed);
            writing = put(c == c2);
        }
    }
    for (int r = r1; writing && r <= r2; ++r) {
        if (rowLabels) {
            yygridcsvquoted(field, grid.rowLabel(r), enclosed);
            writing = put(c2 < c1);
        }
        for (int c = c1; writing && c <= c2; ++c) {
            cellField(field, grid, facts[static_cast<std::size_t>(c)], c, r, flags);
            writing = put(c == c2);
        }
    }
    // A failed write has been reported by IFileWriteChar; the scratch file goes with `save`.
    if (!writing || out.flush() != 0) return;
    yysaveend(save, status);
    if (status != 0) saveFailure(2, status);
}

void yygridloadcsv(GridFileCells& grid, const GridCsvReader::Source& source, long long size, int growth, int flags) {
    Loader loader(grid, growth, flags);
    GridCsvReader reader(source, size);
    grid.repaintOff();
    GridCsvField field;
    bool stopped = false;
    while (!stopped && reader.next(field)) stopped = !loader.take(field);
    // After a failed read the rows keep what they hold.
    if (!reader.failed()) loader.emptyRemainingRows();
    grid.repaintOn();
    if (loader.noted != 0) yyerror(loader.noted, "WGridLoad");
}

void yygridloadcsv(GridFileCells& grid, std::string_view file, int growth, int flags) {
    int handle = -1;
    IFileOpen(file, fileRead, handle);
    if (handle < 0) return;
    int size = 0;
    IFileSeek(handle, size, seekEnd);
    int start = 0;
    IFileSeek(handle, start, seekStart);
    if (size < 0 || start != 0) {
        IFileClose(handle);
        return;
    }
    yygridloadcsv(
        grid,
        [handle](char* buffer, int count) {
            int done = 0;
            IFileReadChar(handle, TextRef(buffer, static_cast<std::size_t>(count)), count, done);
            return done;
        },
        size, growth, flags);
    IFileClose(handle);
}
