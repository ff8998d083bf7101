// grid_window_rules.cpp - the grid window's arithmetic and texts that need no window.
#include "grid/grid_window_rules.hpp"

#include <algorithm>
#include <cstring>

namespace {

constexpr int LargestExtent = 10000;

std::string upToNul(const char* text, std::size_t limit) {
    return text == nullptr ? std::string() : std::string(text, strnlen(text, limit));
}

}  // namespace

int yygridcellswidth(std::span<const int> columnWidths) {
    long long width = 1;
    for (int w : columnWidths) width += w - 1;
    return width > 9999 ? LargestExtent : static_cast<int>(width);
}

int yygridcellsheight(int rowHeight, int rows) {
    const long long height = static_cast<long long>(rowHeight - 1) * rows + 1;
    return height >= LargestExtent ? LargestExtent : static_cast<int>(height);
}

GridWindowSize yygridfittedsize(std::span<const int> columnWidths, int rowHeight, int rows, const GridWindowFrame& f) {
    return {yygridcellswidth(columnWidths) + f.rowLabels + f.sideBars,
            yygridcellsheight(rowHeight, rows) + f.header + f.stackedBars};
}

GridWindowSize yygridsmallestsize(std::span<const int> columnWidths, int rowHeight, const GridWindowFrame& f) {
    const int widest = columnWidths.empty() ? 0 : *std::max_element(columnWidths.begin(), columnWidths.end());
    return {widest + f.rowLabels + f.sideBars, rowHeight + f.header + f.stackedBars};
}

GridWindowSize yygridshrunk(GridWindowSize present, GridWindowSize fitted) {
    return {std::min(present.width, fitted.width), std::min(present.height, fitted.height)};
}

std::string yygridstatusnumber(unsigned number) { return "\t\t" + std::to_string(number); }

std::string yygridwindowtitle(const char* title, const char* fileName) {
    std::string text = upToNul(title, 1024);
    const std::string name = upToNul(fileName, 260);
    if (!name.empty()) {
        text += " - [";
        text += name;
        text += "]";
    }
    return text;
}

std::string yygridsavequestion(const char* fileName) {
    const std::string name = upToNul(fileName, 260);
    if (name.empty()) return "Do you want to save changes?";
    std::string question = "Do you want to save changes to ";
    question += name;
    question += "?";
    return question;
}

int yygridspindelta(int delta) { return delta == -5 || delta == -1 || delta == 1 || delta == 5 ? delta : 0; }
