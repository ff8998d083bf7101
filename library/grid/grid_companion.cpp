// grid_companion.cpp - reading a grid's "[Grids]" line and its row-label lines.
#include "grid/grid_companion.hpp"

#include "base/text.hpp"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal integer with an optional minus sign at pos (0 without digits), then past the blanks
// after it; never beyond the line end. Values beyond the integer range saturate.
int readInteger(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    bool negative = pos < line.size() && line[pos] == '-';
    if (negative) ++pos;
    long long value = 0;
    while (pos < line.size() && isDigit(line[pos])) {
        if (value <= 2147483647LL) value = value * 10 + (line[pos] - '0');
        ++pos;
    }
    if (value > 2147483647LL) value = 2147483647LL;
    while (pos < line.size() && line[pos] != ' ') ++pos;  // the rest of a malformed word
    return static_cast<int>(negative ? -value : value);
}

std::size_t lineLength(std::string_view text) {
    std::size_t end = text.find('\n');
    return end == std::string_view::npos ? text.size() : end;
}

}  // namespace

GridCompanionLine yygridreadline(std::string_view text) {
    GridCompanionLine line;
    std::string_view first = text.substr(0, lineLength(text));
    std::size_t pos = 0;
    line.columns = readInteger(first, pos);
    line.rows = readInteger(first, pos);
    line.rowTemplate = readInteger(first, pos);
    line.used = first.size();
    return line;
}

std::size_t yygridlabelstart(std::string_view text, std::size_t lineUsed) {
    std::size_t pos = lineUsed;
    if (pos >= text.size()) return text.size();
    ++pos;  // the line end
    while (pos < text.size() && text[pos] == ' ') ++pos;
    return pos;
}

GridRowLabelText yygridreadlabels(std::string_view text, int rows, bool labelLines) {
    GridRowLabelText result;
    std::size_t widthLine = lineLength(text);
    std::size_t pos = 0;
    result.width = readInteger(text.substr(0, widthLine), pos);
    result.used = widthLine;
    if (!labelLines) return result;
    pos = widthLine;
    for (int r = 0; r < rows && pos < text.size(); ++r) {
        ++pos;  // the line end before this label
        std::string_view rest = text.substr(pos);
        std::size_t n = lineLength(rest);
        std::string_view label = rest.substr(0, n);
        if (!label.empty() && label.back() == '\r') label.remove_suffix(1);
        if (label.size() > GridLabelSize - 1) label = label.substr(0, GridLabelSize - 1);
        result.labels.emplace_back(trimRight(label));
        pos += n;
        result.used = pos;
        if (pos >= text.size()) break;
    }
    return result;
}

GridCompanionDefinition yygridreaddefinition(std::string_view text, unsigned style) {
    GridCompanionDefinition d;
    d.line = yygridreadline(text);
    d.used = d.line.used;
    d.hasLabels = (style & GridRowLabels) != 0;
    if (!d.hasLabels) return d;
    std::size_t start = yygridlabelstart(text, d.line.used);
    if (start >= text.size()) return d;
    d.labels = yygridreadlabels(text.substr(start), d.line.rows, (style & GridNoLabelText) == 0);
    d.used = start + d.labels.used;
    return d;
}
