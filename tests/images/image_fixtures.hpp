// image_fixtures.hpp - image files for the image readers' native tests: the PPM source
// picture, ImageMagick's pixels of a file, and BMP, PCX and PNG files built byte by byte.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <zlib.h>

#include "command_output.hpp"

using Bytes = std::string;

inline void write(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A 13 x 7 picture of 40 colours (few enough for every palette format), as a PPM file.
inline void writeSource(const std::string& name, int colours = 40) {
    Bytes ppm = "P6\n13 7\n255\n";
    for (int i = 0; i < 13 * 7; ++i) {
        const int k = (i * 7 + i / 13) % colours;
        ppm += static_cast<char>(k * 37 % 256);
        ppm += static_cast<char>(k * 91 % 256);
        ppm += static_cast<char>(k * 53 % 256);
    }
    write(name, ppm);
}

// ImageMagick's pixels as values with the transparency byte (255 - alpha) on top when asked.
inline std::vector<int> magick(const std::string& name, bool transparency) {
    const Bytes rgba = run("/usr/bin/convert '" + name + "[0]' -depth 8 rgba:-");
    std::vector<int> values;
    for (std::size_t i = 0; i + 4 <= rgba.size(); i += 4) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(rgba[i + k]); };
        values.push_back(b(0) | b(1) << 8 | b(2) << 16 | (transparency ? (255 - b(3)) << 24 : 0));
    }
    return values;
}

inline void put16(Bytes& b, std::size_t at, unsigned v) {
    b[at] = static_cast<char>(v);
    b[at + 1] = static_cast<char>(v >> 8);
}
inline void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}
inline void putBe32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<char>(v >> (24 - 8 * k));
}

// A BMP with a 40-byte header, palette entries (blue, green, red, 0) and the given pixel bytes.
inline Bytes bmp(int width, int height, int depth, int compression, const std::vector<std::uint32_t>& palette, const Bytes& data,
          int headerSize = 40) {
    Bytes b(14 + static_cast<std::size_t>(headerSize), '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 14, static_cast<std::uint32_t>(headerSize));
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<unsigned>(depth));
    put32(b, 30, static_cast<std::uint32_t>(compression));
    put32(b, 46, static_cast<std::uint32_t>(palette.size()));
    if (compression == 3 && headerSize == 40) {
        Bytes masks(12, '\0');
        put32(masks, 0, depth == 16 ? 0xF800 : 0xFF0000);
        put32(masks, 4, depth == 16 ? 0x07E0 : 0xFF00);
        put32(masks, 8, depth == 16 ? 0x001F : 0xFF);
        b += masks;
    }
    for (std::uint32_t c : palette) {
        Bytes e(4, '\0');
        put32(e, 0, c);
        b += e;
    }
    put32(b, 10, static_cast<std::uint32_t>(b.size()));
    b += data;
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// A PCX header of width x height with bits per pixel, planes and bytes per line.
inline Bytes pcxHeader(int width, int height, int bits, int planes, int line) {
    Bytes h(128, '\0');
    h[0] = 10, h[1] = 5, h[2] = 1, h[3] = static_cast<char>(bits);
    put16(h, 8, static_cast<unsigned>(width - 1));
    put16(h, 10, static_cast<unsigned>(height - 1));
    h[65] = static_cast<char>(planes);
    put16(h, 66, static_cast<unsigned>(line));
    return h;
}

inline Bytes chunk(const char* type, const Bytes& data) {
    Bytes c(8, '\0');
    putBe32(c, 0, static_cast<std::uint32_t>(data.size()));
    c.replace(4, 4, type);
    c += data;
    const Bytes typed = c.substr(4);
    Bytes crc(4, '\0');
    putBe32(crc, 0, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
    return c + crc;
}

inline Bytes deflate(const Bytes& raw) {
    uLongf n = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(n, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &n, reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()));
    out.resize(n);
    return out;
}

// A PNG of the given header fields; raw holds the filtered rows (filter bytes included).
inline Bytes png(std::uint32_t width, std::uint32_t height, int depth, int colourType, const Bytes& raw, const Bytes& plte = {},
          int interlace = 0, const Bytes* idat = nullptr) {
    Bytes ihdr(13, '\0');
    putBe32(ihdr, 0, width);
    putBe32(ihdr, 4, height);
    ihdr[8] = static_cast<char>(depth);
    ihdr[9] = static_cast<char>(colourType);
    ihdr[12] = static_cast<char>(interlace);
    Bytes p = "\x89PNG\r\n\x1a\n" + chunk("IHDR", ihdr);
    if (!plte.empty()) p += chunk("PLTE", plte);
    p += chunk("IDAT", idat != nullptr ? *idat : deflate(raw));
    return p + chunk("IEND", "");
}

// The three PPM sources of the fixtures: src.ppm (40 colours), few.ppm (2), sixteen.ppm (16).
inline void writeSources() {
    writeSource("src.ppm");
    writeSource("few.ppm", 2);
    writeSource("sixteen.ppm", 16);
}

struct FixtureCase {
    const char* file;
    const char* make;  // shell command; src.ppm (40 colours) and few.ppm (2 colours) exist
    int type, depth;
    bool transparency;
    const char* reference = nullptr;  // the file whose pixels ImageMagick gives, when not this one
    int width = 13, height = 7;
};

// Every format and depth the readers take, made by ImageMagick and netpbm from the sources.
inline const std::vector<FixtureCase>& imageFixtures() {
    static const std::vector<FixtureCase> cases = {
        {"rgb.bmp", "convert src.ppm BMP3:rgb.bmp", 1, 24, false},
        {"pal8.bmp", "convert src.ppm -type Palette BMP3:pal8.bmp", 1, 8, false},
        {"rle8.bmp", "convert src.ppm -type Palette -compress RLE BMP3:rle8.bmp", 1, 8, false},
        {"mono.bmp", "convert few.ppm -type Palette -colors 2 BMP3:mono.bmp", 1, 1, false},
        {"pal2.png", "convert sixteen.ppm -colors 4 -define png:bit-depth=2 -define png:color-type=3 PNG:pal2.png", 15, -2, false},
        {"pal4.png", "convert sixteen.ppm -define png:bit-depth=4 -define png:color-type=3 PNG:pal4.png", 15, -2, false},
        {"pal4.bmp", "ppmtobmp -bpp 4 sixteen.ppm > pal4.bmp", 1, 4, false},
        {"v4.bmp", "convert src.ppm -type TrueColor BMP:v4.bmp", 1, 24, false},
        {"v5alpha.bmp", "convert src.ppm -alpha set -channel A -fx 'i/13' BMP:v5alpha.bmp", 1, 32, false},
        {"pcx24.pcx", "convert src.ppm PCX:pcx24.pcx", 2, 24, false},
        {"pcx8.pcx", "convert src.ppm -type Palette PCX:pcx8.pcx", 2, 8, false},
        {"pcx1.pcx", "ppmtopgm src.ppm | pgmtopbm -threshold > bw.pbm && ppmtopcx bw.pbm > pcx1.pcx", 2, 1, false, "bw.pbm"},
        {"pcx4.pcx", "ppmtopcx -planes 4 sixteen.ppm > pcx4.pcx", 2, 4, false},
        {"rgb.png", "convert src.ppm PNG24:rgb.png", 15, 24, false},
        {"rgb16.png", "convert src.ppm -depth 16 PNG48:rgb16.png", 15, 24, false},
        {"pal.png", "convert src.ppm PNG8:pal.png", 15, 8, false},
        {"pal1.png", "convert few.ppm -colors 2 -define png:bit-depth=1 -define png:color-type=3 PNG:pal1.png", 15, -2, false},
        {"rgba.png", "convert src.ppm -alpha set -channel A -fx 'i/13' PNG32:rgba.png", 15, 24, true},
        {"rgba16.png", "convert src.ppm -alpha set -channel A -fx 'j>3?1:0' -depth 16 PNG64:rgba16.png", 15, 24, true},
        {"rgba.ico", "convert src.ppm -alpha set -channel A -fx 'i>6?1:0' ICO:rgba.ico", 17, -2, true},
        {"pal.ico", "convert src.ppm -type Palette ICO:pal.ico", 17, -2, true},
        // Files of Debian's Python packages: a 124-byte header with bit fields, a palette PNG,
        // an icon of four images (the last one PNG data) and an RGBA PNG.
        {"python.bmp", "cp /usr/lib/python3.11/test/imghdrdata/python.bmp .", 1, 32, false, nullptr, 16, 16},
        {"python.png", "cp /usr/lib/python3.11/test/imghdrdata/python.png .", 15, 8, false, nullptr, 16, 16},
        {"idle.ico", "cp /usr/lib/python3.11/idlelib/Icons/idle.ico .", 17, -2, true, nullptr, 16, 16},
        {"idle_48.png", "cp /usr/lib/python3.11/idlelib/Icons/idle_48.png .", 15, 24, true, nullptr, 48, 48},
    };
    return cases;
}
