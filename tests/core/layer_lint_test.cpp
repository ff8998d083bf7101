// layer_lint_test.cpp - the layers include only downward: the base and the window manager
// (library/core) nothing above them, the dialog manager nothing of graphics or the add-ons,
// graphics and hardcopy nothing of the add-ons above them, and the library nothing of the
// programs; the window manager tells no kind of special window from another and calls the dialog
// manager only through its table.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
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

// Every line of the .cpp files under `under` whose code (comments left out) matches `pattern`.
std::vector<std::string> codeLinesMatching(const fs::path& under, const std::regex& pattern) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(under)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
        std::istringstream text(readWholeFile(entry.path().string()));
        int number = 0;
        for (std::string line; std::getline(text, line);) {
            ++number;
            const std::string code = line.substr(0, line.find("//"));
            if (std::regex_search(code, pattern))
                found.push_back(entry.path().filename().string() + ":" + std::to_string(number) + ": " + line);
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

// The window manager and the dialog manager reach graphics' screen state only through the screen
// port that graphics installs (core/screen_port_win.hpp).
TEST(Layers, CoreIncludesNothingOfGraphics) {
    const auto found = includesOf(sourceRoot() / "library" / "core", {"graphics"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

// Page setup lives in hardcopy; a field's picture comes from the sources images and graphics
// install (yysetfieldbitmapsource, yysetfieldmetafilesource).
TEST(Layers, DialogManagerIncludesNothingOfTheAddOns) {
    const auto found = includesOf(sourceRoot() / "library" / "dialogs",
                                  {"grid", "editor", "images", "hardcopy", "viewer", "checker"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

TEST(Layers, DialogManagerIncludesNothingOfGraphics) {
    const auto found = includesOf(sourceRoot() / "library" / "dialogs", {"graphics"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

// Graphics reaches hardcopy and images only through the ports they install (graphics/addon_ports.hpp).
TEST(Layers, GraphicsIncludesNothingOfTheAddOns) {
    const auto found = includesOf(sourceRoot() / "library" / "graphics",
                                  {"grid", "editor", "images", "hardcopy", "viewer", "checker"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

// Images uses hardcopy, never the other way round: hardcopy reaches images through graphics' image
// port and the driver number images installs (yysethardcopydriver).
TEST(Layers, HardcopyIncludesNothingOfTheOtherAddOns) {
    const auto found = includesOf(sourceRoot() / "library" / "hardcopy",
                                  {"grid", "editor", "images", "viewer", "checker"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

TEST(Layers, LibraryIncludesNothingOfThePrograms) {
    const auto found = includesOf(sourceRoot() / "library", {"viewer", "checker", "standin"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

}  // namespace

namespace {

// What the window manager asks of an editor, a grid window or a bitmap viewer goes through the
// table their kind installs (core/window_kinds_win.hpp): core compares no record with their kinds.
TEST(Layers, CoreTestsNoKindOfSpecialWindow) {
    const auto found = codeLinesMatching(sourceRoot() / "library" / "core",
                                         std::regex(R"(\bKind(Editor|Grid|BitmapViewer)\b)"));
    EXPECT_TRUE(found.empty()) << "kind tests:" << joined(found);
}

// What the window manager asks of the dialog manager goes through the one table the dialog
// manager installs (core/dialog_calls_win.hpp): core calls none of its routines by name.
TEST(Layers, CoreCallsTheDialogManagerOnlyThroughItsTable) {
    const auto found = codeLinesMatching(
        sourceRoot() / "library" / "core",
        std::regex(R"(\b(WDialog\w+|WField\w+|yydialog(?!calls(filled)?\b)\w*|yy(register(super|sub)class|getatoms|)"
                   R"(resetdialogwords|unloadalldialogs|currentdialogwindow|IsResizableDialog|semimodelessshown|)"
                   R"(activemodelessdialog|setactivemodelessdialog|setdialogcombinedwindow|probedialogresizable|)"
                   R"(setdialoglastcell|fieldcursornumber|setfieldcursor|clearfieldcursors|titlecolourdialogs|)"
                   R"(errorbox))\s*\()"));
    EXPECT_TRUE(found.empty()) << "calls of the dialog manager:" << joined(found);
}

}  // namespace

namespace {

// The base's Windows side: the operating-system layer under the portable files of core.
const char* const baseWindowsFiles[] = {
    "email_win.cpp",   "files_win.cpp",    "os_layer_win.cpp", "os_message_win.cpp", "os_window_calls_win.cpp",
    "process_win.cpp", "registry_win.cpp", "startup_win.cpp",  "wait_win.cpp",
};

// The base reaches the window manager only through the table it installs
// (core/os_window_calls_win.hpp): no file of the base includes a Win32 header of core other than
// the operating-system layer's own (os_*_win.hpp), which the window manager's tables and
// internals are not.
TEST(Layers, BaseIncludesNothingOfTheWindowManager) {
    const fs::path core = sourceRoot() / "library" / "core";
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(core)) {
        const std::string name = entry.path().filename().string();
        const std::string extension = entry.path().extension().string();
        const bool source = extension == ".cpp" || extension == ".hpp";
        if (source && name.find("_win.") == std::string::npos && name.find("_posix.") == std::string::npos)
            files.push_back(entry.path());
    }
    for (const char* name : baseWindowsFiles) {
        ASSERT_TRUE(fs::exists(core / name)) << name;
        files.push_back(core / name);
    }
    const std::regex windowManagerHeader(R"(#include "core/(?!os_)\w+_win\.hpp")");
    std::vector<std::string> found;
    for (const fs::path& file : files) {
        const std::string text = readWholeFile(file.string());
        for (std::sregex_iterator match(text.begin(), text.end(), windowManagerHeader), end; match != end; ++match)
            found.push_back(file.filename().string() + ": " + match->str());
    }
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

}  // namespace
