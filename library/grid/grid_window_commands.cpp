// grid_window_commands.cpp - the grid window commands' rules that need no window.
#include "grid/grid_window_commands.hpp"

#include <algorithm>

#include "base/text.hpp"

namespace {

constexpr std::string_view folderSeparators = "\\/";

}  // namespace

std::string_view yygridwintext(std::span<const char> text) {
    const auto end = std::find(text.begin(), text.end(), '\0');
    return {text.data(), static_cast<std::size_t>(end - text.begin())};
}

void yygridwinstore(std::span<char> to, std::string_view text) {
    if (to.empty()) return;
    const std::size_t n = std::min(text.size(), to.size() - 1);
    std::copy_n(text.data(), n, to.data());
    to[n] = '\0';
}

std::string yygridwinkeylabel(std::string_view label, int column) {
    if (!trimRight(label).empty()) return std::string(label);
    return "Column " + std::to_string(column + 1);
}

std::string yygridwinhtmlname(std::string_view fileName) {
    const std::string_view name = trimRight(fileName);
    if (name.empty()) return {};
    const std::size_t folderEnd = name.find_last_of(folderSeparators);
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && (folderEnd == std::string_view::npos || dot > folderEnd);
    return std::string(hasExtension ? name.substr(0, dot) : name) + ".htm";
}

std::string yygridwinfolder(std::string_view fileName) {
    const std::size_t folderEnd = fileName.find_last_of(folderSeparators);
    return folderEnd == std::string_view::npos ? std::string() : std::string(fileName.substr(0, folderEnd + 1));
}

std::string yygridwinreplacequestion(std::string_view fileName) {
    std::string question = "File already exists:\r";
    question += trimRight(fileName);
    question += "\rDo you want to replace it?";
    return question;
}

GridLoadReport yygridwinloadreport(int error) {
    switch (error) {
    case 1: return {"Error opening file", "File Error", 0};
    case 2: return {"Error reading file", "File Error", 0};
    case 4:
    case 1009: return {"Out of range value found for numeric cell", "Data Error", 1};
    case 11:
    case 12: return {"Non-numeric data found for numeric cell", "Data Error", 1};
    case 1054: return {"File contains too many rows/columns", "Data Error", 1};
    case 1055: return {"Non-matching data found for menu cell", "Data Error", 1};
    default: return {{}, {}, 1};
    }
}
