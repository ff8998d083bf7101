// callback_lint_test.cpp - every routine of the library that the system calls back (a definition
// marked CALLBACK) runs its body inside the one exception guard, yyguardcallback.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scratch.hpp"

namespace fs = std::filesystem;

namespace {

struct Callback {
    std::string where;  // file and name
    std::string body;
};

// Definitions "... CALLBACK name(...) {" up to the first line that is a lone "}".
std::vector<Callback> libraryCallbacks() {
    const fs::path root = fs::path(testDataPath("x")).parent_path().parent_path().parent_path();
    std::vector<Callback> found;
    for (const auto& entry : fs::recursive_directory_iterator(root / "library")) {
        if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
        const std::string text = readWholeFile(entry.path().string());
        std::size_t at = 0;
        while ((at = text.find(" CALLBACK ", at)) != std::string::npos) {
            const std::size_t open = text.find('{', at);
            const std::size_t semicolon = text.find(';', at);
            at += 10;
            if (open == std::string::npos || (semicolon != std::string::npos && semicolon < open)) continue;  // a declaration
            const std::size_t nameEnd = text.find('(', at);
            const std::size_t end = text.find("\n}", open);
            found.push_back({entry.path().filename().string() + " " + text.substr(at, nameEnd - at),
                             text.substr(open, end == std::string::npos ? std::string::npos : end - open)});
        }
    }
    return found;
}

TEST(Callbacks, EveryLibraryCallbackRunsInsideTheGuard) {
    const std::vector<Callback> callbacks = libraryCallbacks();
    ASSERT_GE(callbacks.size(), 17u) << "the window, dialog, class, subclass and enumeration procedures";
    for (const Callback& callback : callbacks) {
        EXPECT_NE(callback.body.find("yyguardcallback("), std::string::npos)
            << callback.where << " has no exception guard";
    }
}

}  // namespace
