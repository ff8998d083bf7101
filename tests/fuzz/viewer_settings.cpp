// viewer_settings.cpp - fuzz target: random bytes as the settings file; the folders read stay
// within their texts and their lengths within the folders.
#include <cstdlib>

#include "bytesfile.hpp"
#include "commandline.hpp"
#include "settings.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = bytesfile(data, size);
    if (file == nullptr) return 0;
    Text<MaxViewerPath> qvdir, qvtmp;
    int qvdirLength = -1, qvtmpLength = -1;
    readsettingsfile(file, qvdir, qvdirLength, qvtmp, qvtmpLength);
    std::fclose(file);
    for (int length : {qvdirLength, qvtmpLength})
        if (length < -1 || length > MaxViewerPath) std::abort();
    return 0;
}
