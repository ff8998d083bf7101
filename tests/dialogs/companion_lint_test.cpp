// companion_lint_test.cpp - checks every companion file of the project (*.dlgtxt): LF line ends
// only, known sections, no stray lines, and item and page counts that match their lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "companion_recorder.hpp"
#include "scratch.hpp"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> companionFiles() {
    // The tree's root: tests/data is two levels below it.
    fs::path root = fs::path(testDataPath("x")).parent_path().parent_path().parent_path();
    std::vector<fs::path> found;
    for (const char* top : {"viewer", "checker", "library", "tests"}) {
        fs::path dir = root / top;
        if (!fs::exists(dir)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            if (entry.is_regular_file() && entry.path().extension() == ".dlgtxt") found.push_back(entry.path());
        }
    }
    return found;
}

// The styles of the grid controls in the resource scripts of a folder: CONTROL "", id,
// "KBNGRID", style, ... where the style's numbers are what matters (the WS_ names lie above them).
std::map<int, unsigned> gridStyles(const fs::path& folder) {
    std::map<int, unsigned> styles;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".rc") continue;
        std::istringstream lines(readWholeFile(entry.path().string()));
        for (std::string line; std::getline(lines, line);) {
            if (line.find("\"KBNGRID\"") == std::string::npos) continue;
            std::vector<std::string> parts;
            std::istringstream fields(line);
            for (std::string part; std::getline(fields, part, ',');) parts.push_back(part);
            if (parts.size() < 4) continue;
            const int id = std::atoi(parts[1].c_str());
            unsigned style = 0;
            std::istringstream words(parts[3]);
            for (std::string word; std::getline(words, word, '|');) {
                word.erase(0, word.find_first_not_of(' '));
                if (!word.empty() && word[0] >= '0' && word[0] <= '9') style |= static_cast<unsigned>(std::stoul(word, nullptr, 0));
            }
            styles[id] = style;
        }
    }
    return styles;
}

TEST(CompanionFiles, AreWellFormed) {
    std::vector<fs::path> files = companionFiles();
    ASSERT_FALSE(files.empty()) << "no companion files found";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        std::string bytes = readWholeFile(file.string());
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.find('\r'), std::string::npos) << "carriage return: check .gitattributes";
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << "NUL byte ends the text early";
        EXPECT_EQ(bytes.back(), '\n') << "last line has no line end";
        CompanionRecorder recorder;
        recorder.gridStyles = gridStyles(file.parent_path());
        yyreadcompanion(bytes, recorder);
        for (const auto& line : recorder.unreadableLines) ADD_FAILURE() << "unreadable line: " << line;
        for (const auto& fault : recorder.countFaults) ADD_FAILURE() << fault;
    }
}

TEST(CompanionFiles, GridLabelLinesBelongToTheirGrid) {
    const std::string text = "[Grids]\n 1100     2     2   502 \n 40 \nfirst\n1234 second\n[Lengths]\n 1001    40 \n";
    CompanionRecorder labelled;
    labelled.gridStyles[1100] = 0x400;
    yyreadcompanion(text, labelled);
    EXPECT_TRUE(labelled.unreadableLines.empty());
    EXPECT_TRUE(labelled.countFaults.empty());
    EXPECT_EQ(labelled.out.str(), "grid 1100 [2     2   502 ]\nlabels 40 [first] [1234 second]\nlength 1001 40\n");
    // Without the grid's style the label lines read as lines of the section.
    CompanionRecorder plain;
    yyreadcompanion(text, plain);
    EXPECT_FALSE(plain.unreadableLines.empty());
}

}  // namespace
