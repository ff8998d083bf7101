// scratch_folder_test.cpp - the tests' scratch folders: named for this process, never shared with
// a folder that already exists (test processes run in parallel).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scratch.hpp"

namespace fs = std::filesystem;

namespace {

TEST(ScratchFolders, AreFreshEmptyAndNamedForThisProcess) {
    const std::string start = fs::current_path().string();
    std::string outerPath;
    {
        ScratchFolder outer;
        outerPath = outer.path();
        std::ofstream("marker") << "x";
        ScratchFolder inner;
        EXPECT_NE(inner.path(), outer.path());
        EXPECT_TRUE(fs::is_empty(inner.path()));
        EXPECT_EQ(fs::current_path(), fs::path(inner.path()));
        const std::string prefix = std::to_string(scratchProcessId()) + "-";
        EXPECT_EQ(fs::path(inner.path()).filename().string().rfind(prefix, 0), 0u) << inner.path();
    }
    EXPECT_EQ(fs::current_path().string(), start);
    EXPECT_FALSE(fs::exists(outerPath));
}

TEST(ScratchFolders, AFolderThatAlreadyExistsIsPassedOver) {
    // Names are numbered: the folder the next one would take is made beforehand, with a file in
    // it, as a process of the same id might have left it.
    fs::path taken;
    {
        ScratchFolder first;
        const std::string name = fs::path(first.path()).filename().string();
        const int number = std::stoi(name.substr(name.find('-') + 1));
        taken = fs::path(first.path()).parent_path() /
                (std::to_string(scratchProcessId()) + "-" + std::to_string(number + 1));
        fs::create_directory(taken);
        std::ofstream(taken / "left") << "x";
    }
    {
        ScratchFolder second;
        EXPECT_NE(fs::path(second.path()), taken);
        EXPECT_TRUE(fs::is_empty(second.path()));
    }
    EXPECT_TRUE(fs::exists(taken / "left"));
    fs::remove_all(taken);
}

}  // namespace
