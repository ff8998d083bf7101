// viewerfile.hpp - opening the viewer's own files by their Windows paths, and reading their lines.
// The native build maps backslashes to slashes, so that its tests use the same joined paths.
#pragma once

#include <cstdio>
#include <string>

std::FILE* viewerfopen(const std::string& path, const char* mode);

// The longest stretch of one line that readtextline passes over beyond its limit.
constexpr std::size_t MaxSkippedLine = 65536;

// One line of a text file without its line end (LF, or CR LF); false at the end of the file.
// Only the first limit characters are kept. The rest of a longer line is read past up to its
// line end, but no further than MaxSkippedLine characters: a line that goes on longer (a file
// that is no text) is taken as the file's last, and later calls give false.
bool readtextline(std::FILE* file, std::string& line, std::size_t limit);
