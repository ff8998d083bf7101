// checker_error_file.cpp - fuzz target: random bytes as the plotting program's error file; the
// status read is always 11 characters.
#include <cstdlib>

#include "bytesfile.hpp"
#include "checkerror.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = bytesfile(data, size);
    if (file == nullptr) return 0;
    std::string status;
    const bool read = readerrorstatus(file, status);
    std::fclose(file);
    if (read && status.size() != 11) std::abort();
    return 0;
}
