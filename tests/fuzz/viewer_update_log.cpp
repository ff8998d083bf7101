// viewer_update_log.cpp - fuzz target: random bytes as an update log. The first byte picks how
// many lines are required and wanted; the words read go through every outcome table.
#include <cstdlib>

#include "bytesfile.hpp"
#include "update.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int required = data[0] % 4, wanted = (data[0] / 4) % 4;
    std::FILE* file = bytesfile(data + 1, size - 1);
    if (file == nullptr) return 0;
    StatusWords words;
    const bool read = readstatuslines(file, required, wanted, words);
    std::fclose(file);
    if (read && required > wanted) std::abort();
    getupoutcome(words);
    runupoutcome(words);
    checkupoutcome(words);
    getuprtoutcome(words);
    return 0;
}
