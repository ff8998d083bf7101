// viewerfile.hpp - opening the viewer's own files by their Windows paths.
// The native build maps backslashes to slashes, so that its tests use the same joined paths.
#pragma once

#include <cstdio>
#include <string>

std::FILE* viewerfopen(const std::string& path, const char* mode);

// One line of a text file without its line end (LF, or CR LF); false at the end of the file.
// Characters after the first limit ones are read past and dropped: an over-long line costs no
// memory.
bool readtextline(std::FILE* file, std::string& line, std::size_t limit = std::string::npos);
