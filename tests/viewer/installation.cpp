// installation.cpp - test helper: a copy of the stand-in installation in a scratch folder.
#include "installation.hpp"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A path of the build machine as the test program sees it (the Unix root is drive Z: under Wine).
fs::path buildpath(const char* path) {
#ifdef _WIN32
    return fs::path(std::string("Z:") + path).make_preferred();
#else
    return fs::path(path);
#endif
}

}  // namespace

std::string nativepath(const std::string& path) { return fs::path(path).make_preferred().string(); }

std::string makeinstallation(const std::string& folder) {
    fs::path home = fs::path(folder) / "qv";
    fs::create_directories(home);
    fs::create_directories(fs::path(folder) / "tmp");
    fs::copy(buildpath(GRAV_DEMO_DIR), home, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
#ifdef _WIN32
    fs::copy_file(buildpath(GRAV_STANDIN_FERRET), home / "bin" / "ferret.exe", fs::copy_options::overwrite_existing);
    fs::copy_file(buildpath(GRAV_STANDIN_NOTEPAD), home / "bin" / "notepad.exe", fs::copy_options::overwrite_existing);
    fs::copy_file(buildpath(GRAV_STANDIN_QVUPDATE), home / "bin" / "qvupdate.exe", fs::copy_options::overwrite_existing);
#endif
    return nativepath(home.string());
}

TestInstallation::TestInstallation()
    : home(makeinstallation(folder.path())),
      tmp(nativepath(folder.path() + "/tmp")),
      profile(nativepath(folder.path() + "/profile")) {
    fs::create_directories(profile);
}

std::string batchcalls(const std::string& log) {
    std::string result;
    for (std::size_t at = 0; at < log.size();) {
        std::size_t end = log.find("\r\n", at);
        std::string call = log.substr(at, end - at);
        std::size_t bat = call.find(".bat");
        if (bat != std::string::npos && bat < call.find(' ')) result += call.substr(0, bat) + ";";
        at = end == std::string::npos ? log.size() : end + 2;
    }
    return result;
}
