// grid_clipboard.cpp - clipboard text of grid cells: class, block size, copy writer, paste walk
// and the rules of pasted values.
#include "grid/grid_clipboard.hpp"

#include <cstring>

#include "base/convert_internal.hpp"
#include "base/text.hpp"
#include "grid/grid_records.hpp"

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

// Length of the line end at pos (CR LF 2, CR or LF 1), 0 when there is none.
std::size_t lineEndAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '\r') return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
    return text[pos] == '\n' ? 1 : 0;
}

}  // namespace

int yygridclipclass(std::string_view text) {
    return text.find_first_of("\t\r\n") == std::string_view::npos ? 1 : 2;
}

void yygridclipcount(std::string_view text, int& rows, int& columns) {
    rows = 1;
    columns = 1;
    int fields = 1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == '\t') {
            ++fields;
            ++pos;
            continue;
        }
        std::size_t end = lineEndAt(text, pos);
        if (end == 0) {
            ++pos;
            continue;
        }
        if (fields > columns) columns = fields;
        fields = 1;
        pos += end;
        if (pos < text.size()) ++rows;
    }
    if (fields > columns) columns = fields;
}

std::size_t yygridclipbytes(const std::vector<int>& columnWidths, int rows) {
    std::size_t sum = 0;
    for (int w : columnWidths) sum += static_cast<std::size_t>(w > 0 ? w : 0);
    std::size_t perRow = sum + columnWidths.size() + 1;
    return perRow * static_cast<std::size_t>(rows > 0 ? rows : 0) + 1;
}

std::size_t yygridclipwrite(char* buffer, std::size_t size, const std::vector<int>& columnWidths, int rows,
                            const std::function<std::string_view(int, int)>& cellText) {
    if (size == 0) return 0;
    std::size_t pos = 0;
    auto put = [&](std::string_view s) {
        std::size_t n = s.size() < size - 1 - pos ? s.size() : size - 1 - pos;
        if (n > 0) std::memcpy(buffer + pos, s.data(), n);
        pos += n;
    };
    const int columns = static_cast<int>(columnWidths.size());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0) put("\t");
            std::string_view cell = cellText(r, c);
            std::size_t width = static_cast<std::size_t>(columnWidths[static_cast<std::size_t>(c)] > 0 ? columnWidths[static_cast<std::size_t>(c)] : 0);
            put(cell.substr(0, width));
        }
        put("\r\n");
    }
    buffer[pos] = '\0';
    return pos;
}

void yygridpastewalk(std::string_view text, int startRow, int startColumn, int rows, int columns,
                     const std::function<void(int, int, std::string_view)>& store) {
    int row = startRow;
    int column = startColumn;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        // Rows only grow: once past the last row in use nothing more can be stored.
        if (row >= rows) return;
        std::size_t start = pos;
        while (pos < text.size() && text[pos] != '\t' && text[pos] != '\r' && text[pos] != '\n') ++pos;
        std::string_view field = text.substr(start, pos - start);
        if (field.size() > GridPasteFieldLength) field = field.substr(0, GridPasteFieldLength);
        const bool atEnd = pos >= text.size();
        // The line end that closes the last line opens no row of its own.
        const bool afterLineEnd = start > 0 && (text[start - 1] == '\n' || text[start - 1] == '\r');
        if (atEnd && field.empty() && afterLineEnd) return;
        if (row >= 0 && column >= 0 && column < columns) store(row, column, field);
        if (atEnd) return;
        if (text[pos] == '\t') {
            ++column;
            ++pos;
        } else {
            pos += lineEndAt(text, pos);
            column = startColumn;
            ++row;
        }
    }
}

GridPastedNumber yygridpastenumber(std::string_view field, int type, double low, double high) {
    GridPastedNumber n;
    std::string_view used = trimRight(field);
    n.text = std::string(field);
    n.nonBlank = !used.empty();
    int valid = 0;
    yyst2dblcheck(n.value, valid, used);
    if (!n.nonBlank) {
        // An empty field empties the cell: no value to hold against the range.
        n.value = 0.0;
        n.accepted = true;
    } else {
        n.accepted = valid == 1 && yygridinrange(low, high, n.value);
    }
    if (type == 1 || type == 2) {
        for (char& c : n.text)
            if (c == 'D' || c == 'd') c = 'E';
    }
    if (type == 1) {
        if (n.text.find_first_of("Ee") != std::string::npos) n.accepted = false;
        std::size_t point = n.text.find('.');
        if (point != std::string::npos) n.text.resize(point);
    }
    return n;
}

bool yygridpastecheck(std::string_view field) { return equalsIgnoringCase(field, "Yes"); }

int yygridmenuprefix(const std::vector<std::string>& items, std::string_view field) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].size() >= field.size() && equalsIgnoringCase(std::string_view(items[i]).substr(0, field.size()), field))
            return static_cast<int>(i);
    }
    return -1;
}
