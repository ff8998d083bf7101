// fuzz_bytes.hpp - the fuzz input taken byte by byte, for the opcode-stream targets.
#pragma once

#include <cstddef>
#include <cstdint>

// Bytes taken one by one from the input; zeros once it is used up. An empty input is therefore
// the same as one zero byte, and the targets that read this way skip it: libFuzzer's first call,
// with no bytes, is never counted, and what the library builds once per process (the band
// palette, the dither table) would be built there and never show in the coverage.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    int byte() { return at_ < size_ ? data_[at_++] : 0; }
    int word() { return byte() | (byte() << 8); }
    int integer() { return static_cast<int>(static_cast<std::uint32_t>(word()) | static_cast<std::uint32_t>(word()) << 16); }
    // A coordinate from well outside the surface on both sides.
    float coordinate(int surface) { return static_cast<float>(word() % (4 * surface + 1) - 1.5 * surface) + static_cast<float>(byte()) / 256.0f; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
