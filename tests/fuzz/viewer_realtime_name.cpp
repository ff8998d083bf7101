// viewer_realtime_name.cpp - fuzz target: random bytes as the real-time name file, whose first
// line becomes a batch file's argument.
#include "bytesfile.hpp"
#include "update.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = bytesfile(data, size);
    if (file == nullptr) return 0;
    Text<RealTimeNameLength> name;
    readrealtimename(file, name);
    std::fclose(file);
    return 0;
}
