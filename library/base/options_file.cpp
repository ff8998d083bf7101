// options_file.cpp - the options file gravim.ini: KEY=value lines read once at start-up.
// Keys are compared on their first 8 upper-cased characters; unknown keys are ignored.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "base/convert.hpp"
#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "base/startup_internal.hpp"
#include "base/strings.hpp"

namespace {

constexpr std::size_t lineLength = OptionsLineLength;

}  // namespace

OptionsLineRead yyreadoptionsline(std::FILE* file, std::string& line) {
    line.clear();
    int c = EOF;
    bool any = false;
    while (line.size() < lineLength && (c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (std::ferror(file) || !any) return OptionsLineRead::End;
    const bool cut = c != '\n' && c != EOF && line.size() == lineLength;
    // A CR before the LF belongs to the line end, not the value.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return cut ? OptionsLineRead::Cut : OptionsLineRead::Whole;
}

void yyoptionsline(std::string_view text, OptionsFileChoices& choices) {
    std::string line(text.substr(0, lineLength));
    std::replace(line.begin(), line.end(), '\t', ' ');
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0 || equals == lineLength - 1) return;

    int first = 0, last = 0;
    ilocatestring(std::string_view(line).substr(0, equals), first, last);
    if (first == 0 || last - first + 1 < 3) return;
    std::string key = line.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    key = key.substr(0, 8);

    const bool version = key.compare(0, 3, "VER") == 0;
    if (version) choices.version = true;
    std::string_view value = std::string_view(line).substr(equals + 1);
    const std::size_t start = value.find_first_not_of(' ');
    if (start == std::string_view::npos) return;
    value.remove_prefix(start);

    // Every non-blank value is converted, text keys included, so a debug level above 0 reports
    // those as conversion errors too.
    CoreState& core = gravim.core;
    core.lastError = 0;
    int number = 0;
    IStringToInteger(value, number);
    const bool converted = core.lastError == 0;

    if (key == "CHARDIR") {
        core.charDirectory.assign(value);
    } else if (key == "CHARSET") {
        core.charSetFile.assign(value);
    } else if (!converted) {
        return;
    } else if (key == "DEBUG") {
        IDebugLevel(number);
    } else if (key == "HPGL2") {
        choices.hpgl2 = number;
    } else if (key == "LFNGEN") {
        if (number != core.lfnPlot) core.lfnGen = number;
    } else if (key == "LFNPLOTI") {
        if (number != core.lfnGen) core.lfnPlot = number;
    } else if (key == "PLOTTER") {
        choices.plotter = number;
    } else if (key == "PRINTER") {
        choices.printer = number;
    }
}

bool yyreadoptions(const std::string& path, OptionsFileChoices& choices) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::string line;
    bool rest = false;  // the chunk read is the rest of a line that was cut: it is dropped
    for (OptionsLineRead read; (read = yyreadoptionsline(file, line)) != OptionsLineRead::End;) {
        if (!rest) {
            yyoptionsline(line, choices);
            gravim.core.lastError = 0;
        }
        rest = read == OptionsLineRead::Cut;
    }
    std::fclose(file);
    return true;
}
