// viewer_files_full_disk_test_posix.cpp - the viewer's settings, command file and update script on
// a disk that fills while they are written and on a full device: each write fails, and the file
// it was replacing stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "file_size_limit_posix.hpp"
#include "requestfile.hpp"
#include "scratch.hpp"
#include "settings.hpp"
#include "update.hpp"

namespace {

struct Writer {
    const char* what;
    const char* file;
    std::function<bool(const std::string& folder)> write;
};
const Writer writers[] = {
    {"settings", "quorvalerc1",
     [](const std::string& folder) { return writesettings(folder + "/quorvalerc1", "C:\\qv", "C:\\qv\\tmp", 1); }},
    {"command file", "qvferretinmap1.txt",
     [](const std::string& folder) {
         return writecommandfile(folder + "/qvferretinmap1.txt", {"cancel mode journal", std::string(100, 'x')});
     }},
    {"update script", "qvferret052012.txt",
     [](const std::string& folder) { return writeupdatescript(folder, static_cast<int>(folder.size()), "052012"); }},
};

TEST(ViewerFilesFullDisk, AWriteCutByTheDiskFillingFailsAndKeepsTheOldFile) {
    ScratchFolder folder;
    for (const Writer& w : writers) {
        std::ofstream(w.file, std::ios::binary) << "old";
        bool written = true;
        {
            FileSizeLimit limit(40);
            written = w.write(folder.path());
        }
        EXPECT_FALSE(written) << w.what;
        EXPECT_EQ(readWholeFile(w.file), "old") << w.what;
        // Nothing is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1)
            << w.what;
        std::filesystem::remove(w.file);
    }
}

// The file's name leads to the full device.
TEST(ViewerFilesFullDisk, AWriteToAFullDeviceFails) {
    ScratchFolder folder;
    for (const Writer& w : writers) {
        std::filesystem::create_symlink(FullDevice, w.file);
        EXPECT_FALSE(w.write(folder.path())) << w.what;
        std::filesystem::remove(w.file);
    }
}

}  // namespace
