// viewerfile_posix.cpp - opening the viewer's own files in the native build: "\" becomes "/".
#include "viewerfile.hpp"

std::FILE* viewerfopen(const std::string& path, const char* mode) {
    std::string native = path;
    for (char& c : native)
        if (c == '\\') c = '/';
    return std::fopen(native.c_str(), mode);
}
