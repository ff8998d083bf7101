// layer_lint_test.cpp - the layers include only downward: each folder of the library includes
// its own layer's folders and those below, never one above nor the programs (the build's layer
// libraries make an upward call fail to link; this names the include at once); the window manager
// tells no kind of special window from another and calls the dialog manager only through its table;
// every part of gravim is written only by the folder that owns it.
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

// Each folder of the library and the folders it must not include: those above it. The base
// reaches the window manager through the table the window manager installs
// (base/os_window_calls_win.hpp) and the add-ons through their start-up and close hooks; the
// window manager reaches the dialog manager and graphics through the tables those install
// (windows/dialog_calls_win.hpp, windows/screen_port_win.hpp); page setup lives in hardcopy and a
// field's picture comes from the sources graphics and images install; graphics reaches hardcopy
// and images through their ports (graphics/addon_ports.hpp); images uses hardcopy, never the
// reverse; grid and editor (whose page setup is hardcopy's) use neither each other nor images.
struct FolderRule {
    const char* folder;
    std::vector<std::string> above;
};
const FolderRule folderRules[] = {
    {"base", {"windows", "dialogs", "graphics", "hardcopy", "images", "grid", "editor", "assembly"}},
    {"windows", {"dialogs", "graphics", "hardcopy", "images", "grid", "editor", "assembly"}},
    {"dialogs", {"graphics", "hardcopy", "images", "grid", "editor", "assembly"}},
    {"graphics", {"hardcopy", "images", "grid", "editor", "assembly"}},
    {"hardcopy", {"images", "grid", "editor", "assembly"}},
    {"images", {"grid", "editor", "assembly"}},
    {"grid", {"images", "editor", "assembly"}},
    {"editor", {"images", "grid", "assembly"}},
};

TEST(Layers, EveryFolderIncludesNothingAboveIt) {
    for (const FolderRule& rule : folderRules) {
        const auto found = includesOf(sourceRoot() / "library" / rule.folder, rule.above);
        EXPECT_TRUE(found.empty()) << "upward includes of " << rule.folder << ":" << joined(found);
    }
}

TEST(Layers, LibraryIncludesNothingOfThePrograms) {
    const auto found = includesOf(sourceRoot() / "library", {"viewer", "checker", "standin"});
    EXPECT_TRUE(found.empty()) << "upward includes:" << joined(found);
}

}  // namespace

namespace {

// What the window manager asks of an editor, a grid window or a bitmap viewer goes through the
// table their kind installs (windows/window_kinds_win.hpp): it compares no record with their kinds.
TEST(Layers, WindowManagerTestsNoKindOfSpecialWindow) {
    const auto found = codeLinesMatching(sourceRoot() / "library" / "windows",
                                         std::regex(R"(\bKind(Editor|Grid|BitmapViewer)\b)"));
    EXPECT_TRUE(found.empty()) << "kind tests:" << joined(found);
}

// What the window manager asks of the dialog manager goes through the one table the dialog
// manager installs (windows/dialog_calls_win.hpp): it calls none of its routines by name.
TEST(Layers, WindowManagerCallsTheDialogManagerOnlyThroughItsTable) {
    const auto found = codeLinesMatching(
        sourceRoot() / "library" / "windows",
        std::regex(R"(\b(WDialog\w+|WField\w+|yydialog(?!calls(filled)?\b)\w*|yy(register(super|sub)class|getatoms|)"
                   R"(resetdialogwords|unloadalldialogs|currentdialogwindow|IsResizableDialog|semimodelessshown|)"
                   R"(activemodelessdialog|setactivemodelessdialog|setdialogcombinedwindow|probedialogresizable|)"
                   R"(setdialoglastcell|fieldcursornumber|setfieldcursor|clearfieldcursors|titlecolourdialogs|)"
                   R"(errorbox))\s*\()"));
    EXPECT_TRUE(found.empty()) << "calls of the dialog manager:" << joined(found);
}

}  // namespace

namespace {

// Each part of gravim and the folder whose routines alone write it; another folder reads it, or
// changes it through a routine of that folder.
struct PartOwner {
    const char* part;
    const char* folder;
};
const PartOwner partOwners[] = {
    {"core", "base"},         {"system", "base"},         {"windows", "windows"}, {"events", "windows"},
    {"graphics", "graphics"}, {"dialogs", "dialogs"},     {"hardcopy", "hardcopy"}, {"raster", "hardcopy"},
    {"images", "images"},     {"grid", "grid"},
};
// Words kept in another folder's part: the output units' error flag (base/output_file.hpp) and
// the timed wait's switch (base/wait_internal.hpp).
const PartOwner wordOwners[] = {
    {"hardcopy.hardcopyOutputError", "base"},
    {"events.TimerEnabled", "base"},
};
// The device opcodes' record: a hardcopy driver answers in graphics' operands, device facts and
// page facts, and images' image-file driver (driver 6 of hardcopy's frame) writes the raster and
// the driver words as hardcopy's own drivers do. Where: a folder, or one file of a folder.
const PartOwner driverWriters[] = {
    {"graphics", "hardcopy"},
    {"graphics", "images/image_driver.cpp"},
    {"raster", "images/image_driver.cpp"},
    {"hardcopy", "images/image_driver.cpp"},
};

std::string ownerOf(const std::string& part, const std::string& word) {
    for (const PartOwner& owner : wordOwners)
        if (part + "." + word == owner.part) return owner.folder;
    for (const PartOwner& owner : partOwners)
        if (part == owner.part) return owner.folder;
    return "(no owner)";
}

bool driverWrites(const std::string& part, const std::string& folder, const std::string& file) {
    for (const PartOwner& writer : driverWriters)
        if (part == writer.part && (folder == writer.folder || folder + "/" + file == writer.folder)) return true;
    return false;
}

// Writes to a part of gravim: an assignment, an increment or a changing call on one of its
// words, or a reference through which its words can be changed.
const std::regex wordWritten(
    R"(gravim\.(\w+)\.(\w+)(?:\.\w+|\[[^\]]*\])*\s*(?:(?:[-+*/%&|^]|<<|>>)?=(?!=)|\+\+|--|\.(?:assign|blank|resize|clear|push_back|fill)\s*\())");
const std::regex wordIncremented(R"((?:\+\+|--)\s*gravim\.(\w+)\.(\w+))");
const std::regex partWritten(R"(gravim\.(\w+)\s*=(?!=))");
const std::regex partReference(R"((\bconst\s+)?\b\w+\s*&\s*\w+\s*[={]\s*gravim\.(\w+)\b)");

TEST(Layers, EveryPartOfGravimIsWrittenOnlyByItsOwner) {
    std::vector<std::string> found;
    const fs::path library = sourceRoot() / "library";
    for (const auto& entry : fs::recursive_directory_iterator(library)) {
        if (!entry.is_regular_file()) continue;
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".hpp") continue;
        const std::string folder = entry.path().lexically_relative(library).begin()->string();
        const std::string file = entry.path().filename().string();
        std::istringstream text(readWholeFile(entry.path().string()));
        int number = 0;
        for (std::string line; std::getline(text, line);) {
            ++number;
            const std::string code = line.substr(0, line.find("//"));
            if (code.find("gravim.") == std::string::npos) continue;
            const auto offends = [&](const std::string& part, const std::string& word) {
                return ownerOf(part, word) != folder && !driverWrites(part, folder, file);
            };
            bool offending = false;
            for (const std::regex* pattern : {&wordWritten, &wordIncremented})
                for (std::sregex_iterator at(code.begin(), code.end(), *pattern), end; at != end; ++at)
                    offending = offending || offends((*at)[1], (*at)[2]);
            for (std::sregex_iterator at(code.begin(), code.end(), partWritten), end; at != end; ++at)
                offending = offending || offends((*at)[1], "");
            for (std::sregex_iterator at(code.begin(), code.end(), partReference), end; at != end; ++at)
                offending = offending || (!(*at)[1].matched && offends((*at)[2], ""));
            if (offending) found.push_back(folder + "/" + file + ":" + std::to_string(number) + ": " + line);
        }
    }
    EXPECT_TRUE(found.empty()) << "writes to gravim outside the part's owner:" << joined(found);
}

}  // namespace
