// file_bytes.hpp - numbers read out of image files written by the tests, and the PCX header
// check they share.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using Bytes = std::string;

inline unsigned u8(const Bytes& b, std::size_t at) { return static_cast<unsigned char>(b[at]); }
inline unsigned le16(const Bytes& b, std::size_t at) { return u8(b, at) | u8(b, at + 1) << 8; }
inline std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | std::uint32_t{le16(b, at + 2)} << 16; }
inline std::uint32_t be32(const Bytes& b, std::size_t at) {
    return std::uint32_t{u8(b, at)} << 24 | u8(b, at + 1) << 16 | u8(b, at + 2) << 8 | u8(b, at + 3);
}

// The PCX header of a width x height picture with run-length coding at 75 dots per inch.
inline void expectPcxHeader(const Bytes& file, unsigned version, unsigned bits, unsigned width, unsigned height,
                            unsigned planes, unsigned line) {
    ASSERT_GE(file.size(), 128u);
    EXPECT_EQ(u8(file, 0), 0x0Au);
    EXPECT_EQ(u8(file, 1), version);
    EXPECT_EQ(u8(file, 2), 1u);
    EXPECT_EQ(u8(file, 3), bits);
    EXPECT_EQ(le32(file, 4), 0u);
    EXPECT_EQ(le16(file, 8), width - 1);
    EXPECT_EQ(le16(file, 10), height - 1);
    EXPECT_EQ(le16(file, 12), 75u);
    EXPECT_EQ(le16(file, 14), 75u);
    EXPECT_EQ(u8(file, 65), planes);
    EXPECT_EQ(le16(file, 66), line);
    EXPECT_EQ(le16(file, 70), line);
    EXPECT_EQ(le16(file, 72), height);
}
