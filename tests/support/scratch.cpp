// scratch.cpp - test helpers: scratch folders and whole-file reads (portable).
#include "scratch.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    previous_ = fs::current_path().string();
    fs::path base = fs::temp_directory_path() / "gravtest";
    fs::path dir;
    do {
        dir = base / (std::to_string(std::rand()) + "-" + std::to_string(++counter));
    } while (fs::exists(dir));
    fs::create_directories(dir);
    fs::current_path(dir);
    path_ = dir.string();
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
