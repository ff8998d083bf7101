// bitmap_resource_test.cpp - the size read from a bitmap resource's header: core and information
// headers, the low words of wide fields, and resources too short for a header.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "images/image_formats.hpp"

namespace {

// A header of `length` bytes: its size word, then the bytes given from offset 4.
std::vector<unsigned char> header(unsigned size, std::initializer_list<unsigned char> after, std::size_t length) {
    std::vector<unsigned char> bytes(std::max<std::size_t>(length, 4 + after.size()), 0);
    bytes[0] = static_cast<unsigned char>(size);
    std::size_t at = 4;
    for (const unsigned char byte : after) bytes[at++] = byte;
    bytes.resize(length);
    return bytes;
}

struct ResourceCase {
    const char* what;
    std::vector<unsigned char> bytes;
    int width, height;
};

}  // namespace

TEST(BitmapResource, SizeFromTheHeader) {
    const ResourceCase cases[] = {
        {"core header: 16-bit words at 4 and 6", header(12, {0x34, 0x12, 0x78, 0x56}, 12), 0x1234, 0x5678},
        {"information header: words at 4 and 8", header(40, {0x20, 0, 0, 0, 0x10, 0, 0, 0}, 40), 32, 16},
        {"wide fields: their low 16 bits", header(40, {0x45, 0x23, 0x01, 0, 0xFF, 0xFF, 0xFF, 0xFF}, 40), 0x2345, 0xFFFF},
        {"a resource shorter than a core header", header(12, {0x34, 0x12, 0x78, 0x56}, 11), 0, 0},
        {"an empty resource", {}, 0, 0},
    };
    for (const ResourceCase& c : cases) {
        int width = -1, height = -1;
        yybitmapresourcesize(c.bytes, width, height);
        EXPECT_EQ(width, c.width) << c.what;
        EXPECT_EQ(height, c.height) << c.what;
    }
}
