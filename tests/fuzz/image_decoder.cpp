// image_decoder.cpp - fuzz target: random bytes as an image file (the first two bytes choose the
// size of the caller's array and the transparency switch), decoded by IGrLoadImageData into an
// array with guard values beyond it. Checks that nothing is written past the array.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/graphics_internal.hpp"
#include "images/image_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static const std::string name = "/tmp/fuzz_image_decoder_" + std::to_string(getpid()) + ".img";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data + 2, 1, size - 2, file);
    std::fclose(file);
    yyresetgraphics();
    const std::size_t capacity = static_cast<std::size_t>(data[0]) * 16 + data[1] % 16;
    constexpr int guard = 0x5A5A5A5A;
    std::vector<int> pixels(capacity + 8, guard), palette(264, guard);
    IGrLoadImageData(name, std::span<int>(pixels.data(), capacity), std::span<int>(palette.data(), 256),
                     data[1] & 16 ? std::optional<int>(1) : std::nullopt);
    for (std::size_t i = capacity; i < pixels.size(); ++i)
        if (pixels[i] != guard) std::abort();
    for (std::size_t i = 256; i < palette.size(); ++i)
        if (palette[i] != guard) std::abort();
    int info[9];
    IGrFileInfo(name, info, 9);
    std::remove(name.c_str());
    return 0;
}
