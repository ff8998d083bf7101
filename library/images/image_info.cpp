// image_info.cpp - IGrFileInfo: what kind of graphics, image or printer file a file is, from its
// first 128 bytes, and what those bytes tell of its size, colours and depth.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "base/convert.hpp"
#include "base/files.hpp"
#include "base/os.hpp"
#include "images/image_files.hpp"
#include "images/image_info_internal.hpp"

namespace {

constexpr int windowSize = 128;

// The first bytes of the file; only the bytes read exist, the rest of the window is absent.
struct Window {
    std::array<unsigned char, windowSize> bytes{};
    int length = 0;

    bool has(int offset, int count) const { return offset >= 0 && count >= 0 && offset + count <= length; }
    bool matches(int offset, std::string_view text) const {
        const int n = static_cast<int>(text.size());
        return has(offset, n) && std::memcmp(bytes.data() + offset, text.data(), text.size()) == 0;
    }
    // Little-endian 2- or 4-byte value; nullopt-like -1 sentinel is the caller's business.
    bool le16(int offset, int& value) const {
        if (!has(offset, 2)) return false;
        value = bytes[offset] | bytes[offset + 1] << 8;
        return true;
    }
    bool le32(int offset, int& value) const {
        if (!has(offset, 4)) return false;
        value = static_cast<int>(static_cast<unsigned>(bytes[offset]) | static_cast<unsigned>(bytes[offset + 1]) << 8 |
                                 static_cast<unsigned>(bytes[offset + 2]) << 16 |
                                 static_cast<unsigned>(bytes[offset + 3]) << 24);
        return true;
    }
    bool be32(int offset, int& value) const {
        if (!has(offset, 4)) return false;
        value = static_cast<int>(static_cast<unsigned>(bytes[offset]) << 24 | static_cast<unsigned>(bytes[offset + 1]) << 16 |
                                 static_cast<unsigned>(bytes[offset + 2]) << 8 |
                                 static_cast<unsigned>(bytes[offset + 3]));
        return true;
    }
    bool byte(int offset, int& value) const {
        if (!has(offset, 1)) return false;
        value = bytes[offset];
        return true;
    }
    // 0-based position of the first occurrence of the sequence, -1 when absent.
    int find(std::string_view sequence) const {
        const std::string_view all(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(length));
        const auto at = all.find(sequence);
        return at == std::string_view::npos ? -1 : static_cast<int>(at);
    }
};

int leOr(const Window& w, int offset, bool four) {
    int value = -1;
    if (!(four ? w.le32(offset, value) : w.le16(offset, value))) return -1;
    return value;
}

// 2 to the power of a bit depth: 32 bits count as 24, a power above 31 gives 0.
int coloursOfDepth(int depth) {
    if (depth == 32) depth = 24;
    if (depth < 0) return -1;
    return depth > 30 ? 0 : 1 << depth;
}

int identify(const Window& w) {
    int k = 0;
    while (k < w.length && (w.bytes[k] == ' ' || w.bytes[k] == 0)) ++k;
    if (k < w.length) {
        if (w.matches(k, "IN")) return 4;
        if (w.matches(k, "\x1b%0B")) return 5;
        if (w.matches(k, "%!PS")) return 10;
        if ((w.matches(k, "0\r") || w.matches(k, "0\n"))) {
            Window first = w;
            first.length = std::min(w.length, 20);
            if (first.find("SECTION") >= 0) return 14;
        }
        if (w.matches(k, "999\r") || w.matches(k, "999\n")) return imageInfoDxfComments;
    }
    if ((w.find("<?xml ") >= 0 || w.find("<?XML ") >= 0) && (w.find("<!doctype svg") >= 0 || w.find("<!DOCTYPE svg") >= 0))
        return 16;
    if (w.has(0, 3) && w.bytes[0] == 0x0A && w.bytes[2] == 0x01) return 2;
    if (w.matches(0, "BM") && leOr(w, 6, true) == 0 && w.has(14, 4) && leOr(w, 14, true) != 12) return 1;
    if (w.matches(0, std::string_view("\x01\x00\x09\x00\x00\x03", 6)) ||
        static_cast<unsigned>(leOr(w, 0, true)) == 0x9AC6CDD7u || leOr(w, 40, true) == 0x464D4520)
        return 3;
    if (w.has(0, 3) && w.bytes[0] == 0 && w.bytes[1] >= 0x10 && w.bytes[2] < 0x20) return 6;
    if (w.has(0, 14) && w.bytes[0] == 1 && w.bytes[4] == 1 && w.bytes[6] == 8 && w.bytes[8] == 0x44 && w.bytes[13] == 0x0C)
        return 7;
    if (w.matches(0, "Draw")) return 8;
    if (w.matches(0, "\x1b[?38h")) return 9;
    if (w.matches(0, "\x1b" "E") || w.matches(0, "\x1b&a")) return 11;
    if (w.matches(0, "\x1b@")) return 12;
    if (w.matches(0, "\x1bU\x01")) return 13;
    if (w.matches(0, "\x89PNG\r\n\x1a\n")) return 15;
    if (w.matches(0, std::string_view("\0\0\1\0", 4))) return 17;
    if (w.matches(0, std::string_view("\0\0\2\0", 4))) return 18;
    return 0;
}

// Reads up to count bytes at offset of the named file; the number read (0 on any failure).
int readAt(std::string_view name, int offset, unsigned char* bytes, int count) {
    int handle = -1;
    IFileOpen(name, fileRead, handle);
    if (handle == -1) return 0;
    int position = offset, done = 0;
    IFileSeek(handle, position, seekStart);
    if (position == offset) IFileReadChar(handle, std::span<unsigned char>(bytes, static_cast<std::size_t>(count)), count, done);
    IFileClose(handle);
    return std::max(done, 0);
}

void rasterInfo(std::string_view name, int type, const Window& w, std::array<int, 10>& e) {
    switch (type) {
    case 1: {
        e[2] = leOr(w, 18, true);
        e[3] = leOr(w, 22, true);
        e[6] = leOr(w, 28, false);
        if (e[6] != -1) e[4] = coloursOfDepth(e[6]);
        const int compression = leOr(w, 30, true);
        if (w.has(30, 4)) e[5] = compression == 0 || compression == 3 ? 0 : 1;
        break;
    }
    case 2: {
        const int x1 = leOr(w, 4, false), y1 = leOr(w, 6, false), x2 = leOr(w, 8, false), y2 = leOr(w, 10, false);
        if (w.has(8, 2)) e[2] = x2 - x1 + 1;
        if (w.has(10, 2)) e[3] = y2 - y1 + 1;
        if (w.has(65, 1)) {
            e[6] = w.bytes[3] * w.bytes[65];
            e[4] = coloursOfDepth(e[6] == 32 ? 33 : e[6]);  // only BMP depths count 32 as 24
        }
        e[5] = w.bytes[1];
        break;
    }
    case 3: {
        if (static_cast<unsigned>(leOr(w, 0, true)) == 0x9AC6CDD7u) {
            e[4] = 1;
            const int unitsPerInch = leOr(w, 14, false);
            if (unitsPerInch > 0) {
                e[2] = (leOr(w, 10, false) - leOr(w, 6, false) + 1) * 72 / unitsPerInch;
                e[3] = (leOr(w, 12, false) - leOr(w, 8, false) + 1) * 72 / unitsPerInch;
            }
        } else if (leOr(w, 40, true) == 0x464D4520) {
            e[4] = 2;
            int left = 0, top = 0, right = 0, bottom = 0;
            if (w.le32(24, left) && w.le32(28, top) && w.le32(32, right) && w.le32(36, bottom)) {
                e[2] = static_cast<int>((static_cast<long long>(right) - left + 1) * 72 / 2540);
                e[3] = static_cast<int>((static_cast<long long>(bottom) - top + 1) * 72 / 2540);
            }
        } else {
            e[4] = 0;
        }
        break;
    }
    case 8: {
        int width = 0, height = 0;
        if (w.le32(32, width)) e[2] = width / 640;
        if (w.le32(36, height)) e[3] = height / 640;
        break;
    }
    case 11: {
        e[4] = w.find("s3u1A") >= 0 || w.find("s-3u1A") >= 0 ? 8 : 2;
        const int at = w.find("\x1b*t");
        if (at >= 0 && w.has(at + 3, 3)) {
            int resolution = 0;
            const std::string digits(reinterpret_cast<const char*>(w.bytes.data()) + at + 3, 3);
            IStringToInteger(digits, resolution);
            if (resolution > 0) e[5] = resolution;
        }
        break;
    }
    case 12:
    case 13: {
        e[4] = w.find("\x1br\x04") >= 0 ? 8 : 0;
        if (type == 12) {
            const int at = w.find(std::string_view("\x1b(U\x01\x00", 5));
            if (at >= 0 && w.has(at + 5, 1) && w.bytes[at + 5] != 0) e[5] = 3600 / w.bytes[at + 5];
        }
        break;
    }
    case 15: {
        int width = -1, height = -1;
        w.be32(16, width);
        w.be32(20, height);
        e[2] = width;
        e[3] = height;
        int depth = -1, colourType = -1;
        w.byte(24, depth);
        if (w.byte(25, colourType)) {
            if (colourType == 2 || colourType == 6) {
                e[4] = 16777216;
                e[6] = 24;
            } else if (colourType == 3 && depth >= 0) {
                e[4] = coloursOfDepth(depth);
                e[6] = depth;
            }
            e[7] = colourType == 6 ? 1 : 0;
        }
        w.byte(28, e[5]);
        break;
    }
    case 17:
    case 18: {
        if (w.has(7, 1)) {
            e[2] = w.bytes[6] == 0 ? 256 : w.bytes[6];
            e[3] = w.bytes[7] == 0 ? 256 : w.bytes[7];
        }
        e[7] = leOr(w, 4, false);
        if (type == 18) {
            if (w.has(10, 2)) e[8] = leOr(w, 10, false) + 1;
            if (w.has(12, 2)) e[9] = leOr(w, 12, false) + 1;
        }
        int offset = 0;
        if (w.le32(18, offset) && offset >= 0) {
            Window image;
            image.length = readAt(name, offset, image.bytes.data(), 40);
            if (image.has(14, 2)) {
                e[6] = leOr(image, 14, false);
                e[4] = coloursOfDepth(e[6]);
            }
            if (image.has(16, 4)) {
                const int compression = leOr(image, 16, true);
                e[5] = compression == 0 || compression == 3 ? 0 : 1;
            }
        }
        break;
    }
    default:
        break;
    }
}

}  // namespace

void IGrFileInfo(std::string_view name, std::span<int> info, int count) {
    if (info.empty()) return;
    info[0] = -1;
    name = trimRight(name);
    if (name.empty()) return;
    int found[1] = {-1};
    IOsFileInfo(name, found, 1);
    if (found[0] < 0) return;
    int handle = -1;
    IFileOpen(name, fileRead, handle);
    if (handle == -1) return;
    int size = 0;
    IFileSeek(handle, size, seekEnd);
    if (size < 4) {
        IFileClose(handle);
        return;
    }
    int start = 0;
    IFileSeek(handle, start, seekStart);
    info[0] = 0;
    Window window;
    int done = 0;
    IFileReadChar(handle, std::span<unsigned char>(window.bytes), windowSize, done);
    window.length = std::max(done, 0);
    IFileClose(handle);

    std::array<int, 10> e;
    e.fill(-1);
    int type = identify(window);
    if (type == imageInfoDxfComments) type = yydxfcommentscan(name);
    e[1] = type;
    count = std::clamp(count, 1, 9);
    if (count >= 2) {
        if (yyimageinfotext(type)) yyimageinfotextscan(name, type, count, e);
        else if (type == 6) yyimageinfocgm(name, e);
        else if (type == 7) yyimageinfopic(name, count, e);
        else rasterInfo(name, type, window, e);
    }
    const int n = std::min(count, static_cast<int>(info.size()));
    for (int i = 1; i <= n; ++i) info[static_cast<std::size_t>(i - 1)] = e[static_cast<std::size_t>(i)];
}
