// shortpath_win.cpp - the system's short form of a folder (GetShortPathName).
#include <windows.h>

#include <string>

#include "requestfile.hpp"

std::optional<std::string> viewershortpath(std::string_view folder) {
    const std::string longPath(folder);
    if (longPath.empty()) return std::nullopt;
    const DWORD needed = GetShortPathNameA(longPath.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::string shortPath(needed, '\0');
    const DWORD written = GetShortPathNameA(longPath.c_str(), shortPath.data(), needed);
    if (written == 0 || written >= needed) return std::nullopt;
    shortPath.resize(written);
    return shortPath;
}
