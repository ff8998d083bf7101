// command_output.hpp - what a shell command writes to its standard output (native tests that
// read their files back with ImageMagick and netpbm).
#pragma once

#include <cstdio>
#include <string>

// The command's standard output (its errors discarded); status receives its exit status.
inline std::string run(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* const pipe = popen(("(" + command + ") 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return out;
    char block[65536];
    std::size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, pipe)) > 0) out.append(block, n);
    const int s = pclose(pipe);
    if (status != nullptr) *status = s;
    return out;
}
