// companion_lint_test.cpp - checks every companion file of the project (*.dlgtxt): LF line ends
// only, known sections, no stray lines, and item and page counts that match their lines.
#include <gtest/gtest.h>

#include <filesystem>
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
        yyreadcompanion(bytes, recorder);
        for (const auto& line : recorder.unreadableLines) ADD_FAILURE() << "unreadable line: " << line;
        for (const auto& fault : recorder.countFaults) ADD_FAILURE() << fault;
    }
}

}  // namespace
