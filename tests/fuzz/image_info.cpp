// image_info.cpp - fuzz target: random bytes behind a prefix that the first byte chooses (so
// that every scan runs: HP-GL, HP-GL/2, PostScript, DXF with and without comments, SVG, CGM,
// Lotus PIC, icons), identified by IGrFileInfo. Checks that no element beyond the count is written.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "graphics/graphics_internal.hpp"
#include "images/image_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const std::string_view prefixes[] = {
        "IN;\n", "\x1b%0B", "%!PS\n", "  0\nSECTION\n", "999\n", "<?xml <!DOCTYPE svg\n",
        std::string_view("\x00\x22\x01x", 4), std::string_view("\x01\0\0\0\x01\0\x08\0\x44\0\0\0\0\x0c\0\0\0", 17),
        std::string_view("\0\0\2\0", 4), "",
    };
    const std::string_view prefix = prefixes[data[0] % std::size(prefixes)];
    static const std::string name = "/tmp/fuzz_image_info_" + std::to_string(getpid()) + ".bin";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(prefix.data(), 1, prefix.size(), file);
    std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);
    yyresetgraphics();
    const int count = 1 + data[0] / 16;  // 1..16
    std::array<int, 20> info;
    info.fill(12345);
    IGrFileInfo(name, info, count);
    for (std::size_t i = static_cast<std::size_t>(std::min(count, 9)); i < info.size(); ++i)
        if (info[i] != 12345) std::abort();
    std::remove(name.c_str());
    return 0;
}
