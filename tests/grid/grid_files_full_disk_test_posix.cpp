// grid_files_full_disk_test_posix.cpp - the CSV and HTML saves on a disk that fills during the
// save and on a full device: the failure is reported and the file saved over stays as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "file_size_limit_posix.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid_file_table.hpp"
#include "scratch.hpp"

namespace {

// 2,000 rows of a 20-character text: about 48 KB of CSV and more of HTML.
TableGrid bigGrid() {
    TableGrid g({GridText}, 2000, 2000);
    for (int r = 0; r < 2000; ++r) g.cell(0, r).text = "twenty characters ..";
    return g;
}

struct Save {
    const char* what;
    std::function<void(TableGrid&, const char*)> save;
    int category;  // of slot 5: the CSV save reports through the byte-stream file routines
};
const Save saves[] = {
    {"CSV", [](TableGrid& g, const char* file) { yygridsavecsv(g, file, {}, {}, {}, {}, 0); }, 2},
    {"HTML", [](TableGrid& g, const char* file) { yygridsavehtml(g, file, {}, {}, {}, {}, 0, {}, 0, {}); }, 1},
};

class GridFilesFullDisk : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
    ScratchFolder scratch;
};

// The names in the scratch folder, sorted.
std::vector<std::string> folderNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(GridFilesFullDisk, ASaveCutByTheDiskFillingIsReportedAndTheOldFileStays) {
    const std::string old(3000, 'o');
    for (const Save& s : saves) {
        std::ofstream("out.txt", std::ios::binary) << old;
        TableGrid g = bigGrid();
        yyresetgravim();
        {
            FileSizeLimit limit(16 * 1024);
            s.save(g, "out.txt");
        }
        EXPECT_EQ(gravim.core.lastError, 2) << s.what;
        EXPECT_EQ(gravim.core.fileStatus, EFBIG) << s.what;
        EXPECT_EQ(gravim.core.errorCategory, s.category) << s.what;
        EXPECT_EQ(readWholeFile("out.txt"), old) << s.what;
        EXPECT_EQ(folderNames(), std::vector<std::string>{"out.txt"}) << s.what;  // no scratch file left

        // With room the same save replaces the file.
        yyresetgravim();
        s.save(g, "out.txt");
        EXPECT_EQ(gravim.core.lastError, 0) << s.what;
        EXPECT_GT(readWholeFile("out.txt").size(), 40000u) << s.what;
        EXPECT_EQ(folderNames(), std::vector<std::string>{"out.txt"}) << s.what;
    }
}

TEST_F(GridFilesFullDisk, ANameThatCannotBeWrittenIsNotReplaced) {
    std::filesystem::create_directory("taken");
    std::ofstream("taken/inside.txt") << "kept";
    for (const Save& s : saves) {
        TableGrid g({GridText}, 1, 1);
        yyresetgravim();
        s.save(g, "taken");
        EXPECT_EQ(gravim.core.lastError, 1) << s.what;
        EXPECT_EQ(gravim.core.fileStatus, EISDIR) << s.what;
        EXPECT_EQ(readWholeFile("taken/inside.txt"), "kept") << s.what;
        EXPECT_EQ(folderNames(), std::vector<std::string>{"taken"}) << s.what;
    }
}

TEST_F(GridFilesFullDisk, ASaveToAFullDeviceIsReported) {
    for (const Save& s : saves) {
        TableGrid g({GridText}, 1, 1);
        g.cell(0, 0).text = "lost";
        yyresetgravim();
        s.save(g, FullDevice);
        EXPECT_EQ(gravim.core.lastError, 2) << s.what;
        EXPECT_EQ(gravim.core.fileStatus, ENOSPC) << s.what;
        EXPECT_EQ(gravim.core.errorCategory, s.category) << s.what;
    }
}

}  // namespace
