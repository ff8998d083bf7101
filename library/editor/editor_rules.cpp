// editor_rules.cpp - the editor's history, colouring-range and print-area rules.
#include "editor/editor_rules.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>


namespace {

bool blankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}

bool startsIgnoringCase(std::string_view entry, std::string_view typed) {
    if (entry.size() < typed.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(entry[i])) != std::tolower(static_cast<unsigned char>(typed[i])))
            return false;
    return true;
}

// Nearest integer of a / b for b > 0, halves away from zero.
int divideRounded(long long a, long long b) {
    const long long half = b / 2;
    return static_cast<int>(a >= 0 ? (a + half) / b : -((-a + half) / b));
}

}  // namespace

HistoryEnter yyedithistoryenter(std::string_view line, std::string_view newest, int count) {
    HistoryEnter action;
    if (blankLine(line)) return action;
    if (count > 0 && line == newest) return action;
    action.store = true;
    action.dropOldest = count >= EditorHistoryLimit;
    return action;
}

void yyedithistoryrecord(std::vector<std::string>& entries, std::string_view line) {
    const HistoryEnter action =
        yyedithistoryenter(line, entries.empty() ? std::string_view() : entries.front(), static_cast<int>(entries.size()));
    if (!action.store) return;
    if (action.dropOldest) entries.erase(entries.begin() + (EditorHistoryLimit - 1), entries.end());
    entries.insert(entries.begin(), std::string(line));
}

int yyedithistoryfind(const std::vector<std::string>& entries, std::string_view typed) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (startsIgnoringCase(entries[i], typed)) return static_cast<int>(i);
    return -1;
}

int yyedithistoryup(const std::vector<std::string>& entries, int selected, std::string_view typed) {
    const int count = static_cast<int>(entries.size());
    if (selected < 0 || selected >= count) return yyedithistoryfind(entries, typed);
    return std::max(selected - 1, 0);
}

int yyedithistorydown(const std::vector<std::string>& entries, int selected, std::string_view typed) {
    const int count = static_cast<int>(entries.size());
    if (selected < 0 || selected >= count) return yyedithistoryfind(entries, typed);
    return selected + 1;
}

std::vector<ColourRange> yyeditclampranges(int count, int maxRanges, const int* starts, const int* ends,
                                           const int* colours, int lineLength) {
    std::vector<ColourRange> ranges;
    const int n = std::min(count, maxRanges);
    if (starts == nullptr || ends == nullptr || colours == nullptr) return ranges;
    int previousEnd = 0;
    for (int i = 0; i < n; ++i) {
        if (starts[i] > ends[i]) continue;
        ColourRange range{std::max({starts[i], 1, previousEnd + 1}), std::min(ends[i], lineLength), colours[i]};
        if (range.start > range.end) continue;
        ranges.push_back(range);
        previousEnd = range.end;
    }
    return ranges;
}

int yyeditpointstounits(int points, int unitsPerInch) {
    return divideRounded(static_cast<long long>(points) * unitsPerInch, 72);
}

int yyeditunitstopoints(int units, int unitsPerInch) {
    return unitsPerInch > 0 ? divideRounded(static_cast<long long>(units) * 72, unitsPerInch) : 0;
}

int yyeditprintareaget(const PrintArea& a, int code) {
    switch (code) {
    case 1: return yyeditunitstopoints(a.paperWidth - a.left - a.right, a.unitsPerInch);
    case 2: return yyeditunitstopoints(a.paperHeight - a.top - a.bottom, a.unitsPerInch);
    case 3: return yyeditunitstopoints(a.left, a.unitsPerInch);
    case 4: return yyeditunitstopoints(a.top, a.unitsPerInch);
    case 5: return a.landscape ? 1 : 0;
    default: return 0;
    }
}

void yyeditprintareaset(PrintArea& a, int code, int value) {
    switch (code) {
    case 1: a.right = a.paperWidth - a.left - yyeditpointstounits(value, a.unitsPerInch); return;
    case 2: a.bottom = a.paperHeight - a.top - yyeditpointstounits(value, a.unitsPerInch); return;
    case 3: a.left = yyeditpointstounits(value, a.unitsPerInch); return;
    case 4: a.top = yyeditpointstounits(value, a.unitsPerInch); return;
    case 5: break;
    default: return;
    }
    if (value < 0 || value > 3) return;
    const bool landscape = value == 1 || value == 3;
    if (landscape != a.landscape) {
        a.landscape = landscape;
        std::swap(a.paperWidth, a.paperHeight);
    }
    const int width = a.paperWidth - a.left - a.right;
    const int height = a.paperHeight - a.top - a.bottom;
    if ((value == 2 && width > height) || (value == 3 && height > width)) {
        a.right = a.paperWidth - a.left - height;
        a.bottom = a.paperHeight - a.top - width;
    }
}

int yyeditinchestomillimetres(int thousandths) { return static_cast<int>(thousandths * 2.54065); }

int yyeditmillimetrestoinches(int hundredths) { return static_cast<int>(hundredths * 0.3936000629760101); }

PrinterMargins yyeditprintermargins(int offsetX, int offsetY, int physicalWidth, int physicalHeight,
                                    int printableWidth, int printableHeight, int dpiX, int dpiY, int unitsPerInch) {
    auto units = [unitsPerInch](long long pixels, int dpi) {
        return dpi > 0 ? static_cast<int>(pixels * unitsPerInch / dpi) : 0;
    };
    PrinterMargins m;
    m.left = units(offsetX, dpiX);
    m.top = units(offsetY, dpiY);
    m.right = units(static_cast<long long>(physicalWidth) - printableWidth - offsetX, dpiX);
    m.bottom = units(static_cast<long long>(physicalHeight) - printableHeight - offsetY, dpiY);
    return m;
}

PrintRectangles yyeditprintrectangles(const PrintArea& a, const PrinterMargins& minimum) {
    const long long u = a.unitsPerInch > 0 ? a.unitsPerInch : 1000;
    auto twips = [u](long long distance) { return static_cast<int>(distance * 1440 / u); };
    PrintRectangles r;
    r.format.left = twips(a.left - minimum.left);
    r.format.top = twips(a.top - minimum.top);
    r.format.right = twips(static_cast<long long>(a.paperWidth) - a.right - minimum.right);
    r.format.bottom = twips(static_cast<long long>(a.paperHeight) - a.bottom - minimum.bottom);
    r.page.right = twips(a.paperWidth);
    r.page.bottom = twips(a.paperHeight);
    return r;
}
