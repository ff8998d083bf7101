// printed_path_win.hpp - where the Wine hardcopy tests leave files for read_printed.py.
#pragma once

#include <string>

// A file of the printed folder as a Windows path (drive Z: is the Unix root).
inline std::string printedPath(const char* name) {
    std::string path = std::string("Z:") + GRAV_PRINTED_DIR + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}
