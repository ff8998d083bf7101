// scratch.cpp - test helpers: scratch folders and whole-file reads (portable).
#include "scratch.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

int scratchProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

ScratchFolder::ScratchFolder() {
    // Test processes run in parallel (ctest -j): a name carries the process id, and a folder is
    // ours only when this process created it (creating a folder is atomic; one left by an earlier
    // process of the same id is passed over).
    static int counter = 0;
    previous_ = fs::current_path().string();
    const fs::path base = fs::temp_directory_path() / "gravtest";
    std::error_code ignored;
    fs::create_directories(base, ignored);
    const std::string prefix = std::to_string(scratchProcessId()) + "-";
    for (int attempt = 0; attempt < 100000; ++attempt) {
        const fs::path dir = base / (prefix + std::to_string(++counter));
        std::error_code failed;
        if (!fs::create_directory(dir, failed) || failed) continue;
        fs::current_path(dir);
        path_ = dir.string();
        return;
    }
    throw std::runtime_error("no scratch folder could be created under " + base.string());
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

std::string readWholeFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string testDataPath(const std::string& name) {
#ifdef _WIN32
    return std::string("Z:") + GRAV_TEST_DATA + "/" + name;  // the Unix root is drive Z: under Wine
#else
    return std::string(GRAV_TEST_DATA) + "/" + name;
#endif
}
