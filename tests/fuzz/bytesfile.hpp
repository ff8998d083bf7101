// bytesfile.hpp - the fuzz input as an open file, for the readers that take one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// A temporary file holding the bytes, positioned at its start; null when none can be made.
inline std::FILE* bytesfile(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) return nullptr;
    std::fwrite(data, 1, size, file);
    std::rewind(file);
    return file;
}
