// viewerfile.hpp - opening the viewer's own files by their Windows paths.
// The native build maps backslashes to slashes, so that its tests use the same joined paths.
#pragma once

#include <cstdio>
#include <string>

std::FILE* viewerfopen(const std::string& path, const char* mode);
