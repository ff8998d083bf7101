// viewerfile_win.cpp - opening the viewer's own files: Windows takes the paths as they are.
#include "viewerfile.hpp"

std::FILE* viewerfopen(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }
