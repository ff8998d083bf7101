// installation.hpp - test helper: a copy of the stand-in installation in a scratch folder.
#pragma once

#include <string>

#include "scratch.hpp"

// Copies demo/ into folder\qv (created) with, on Windows, the stand-in programs in its bin,
// and makes folder\tmp as the scratch folder. Returns the installation folder.
std::string makeinstallation(const std::string& folder);
// A path with the platform's separators ("\" on Windows).
std::string nativepath(const std::string& path);

// A scratch folder with a copy of the installation (home), a scratch folder for the viewer (tmp)
// and a user profile folder (profile), all as native paths.
struct TestInstallation {
    TestInstallation();
    ScratchFolder folder;
    std::string home, tmp, profile;
};

// The batch files of a stand-in call log (standin.log), in order: each name without ".bat",
// followed by ";". The stand-in programs' own lines are left out.
std::string batchcalls(const std::string& log);
