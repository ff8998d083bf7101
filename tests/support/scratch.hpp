// scratch.hpp - test helpers: a fresh scratch folder as current directory, whole-file reads.
#pragma once

#include <string>

// Makes a new empty folder of this process, enters it, and goes back to the previous folder when
// destroyed. Its name is unique among the test processes running at the same time.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string previous_;
    std::string path_;
};

// The id of this process, which every scratch folder name starts with.
int scratchProcessId();

// The whole file as bytes; empty when it cannot be read.
std::string readWholeFile(const std::string& name);
// A file of the shared test data folder.
std::string testDataPath(const std::string& name);
