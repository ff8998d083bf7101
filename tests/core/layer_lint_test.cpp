// layer_lint_test.cpp - the layers include only downward: the base and the window manager
// (library/core) nothing of the dialog manager or the add-ons, and the library nothing of the
// programs. (Page setup in the dialog manager works on the printer layer's settings.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scratch.hpp"

namespace fs = std::filesystem;

namespace {

fs::path sourceRoot() { return fs::path(testDataPath("x")).parent_path().parent_path().parent_path(); }

// Every "#include "<folder>/..." line of the files under `under` that names one of `folders`.
std::vector<std::string> includesOf(const fs::path& under, const std::vector<std::string>& folders) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(under)) {
        if (!entry.is_regular_file()) continue;
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".hpp") continue;
        const std::string text = readWholeFile(entry.path().string());
        for (const std::string& folder : folders) {
            const std::string include = "#include \"" + folder + "/";
            for (std::size_t at = text.find(include); at != std::string::npos; at = text.find(include, at + 1))
                found.push_back(entry.path().filename().string() + ": " + text.substr(at, text.find('\n', at) - at));
        }
    }
    return found;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n  " + line;
    return all;
}

TEST(Layers, CoreIncludesNothingOfTheDialogManagerOrTheAddOns) {
    const auto found = includesOf(sourceRoot() / "library" / "core",
                                  {"dialogs", "grid", "editor", "images", "hardcopy", "viewer", "checker"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

TEST(Layers, LibraryIncludesNothingOfThePrograms) {
    const auto found = includesOf(sourceRoot() / "library", {"viewer", "checker", "standin"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

}  // namespace
