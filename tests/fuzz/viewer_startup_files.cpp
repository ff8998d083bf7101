// viewer_startup_files.cpp - fuzz target: random bytes as the files the viewer reads at start-up
// besides its settings: batch.log, the probe digit file, the version file.
#include <cstdlib>

#include "bytesfile.hpp"
#include "startup.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (std::FILE* file = bytesfile(data, size)) {
        readbatchcodes(file);
        std::fclose(file);
    }
    if (std::FILE* file = bytesfile(data, size)) {
        const int digit = readprobedigit(file);
        std::fclose(file);
        if (digit < 0 || digit > 9) std::abort();
    }
    if (std::FILE* file = bytesfile(data, size)) {
        Text<2 * VersionLineLength> version;
        readversionlines(file, version);
        std::fclose(file);
    }
    return 0;
}
