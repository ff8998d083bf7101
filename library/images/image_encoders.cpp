// image_encoders.cpp - PNG chunks, BMP and PCX headers and PCX runs.
#include "images/image_encoders.hpp"

#include <cstring>
#include <new>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "images/png_helpers.hpp"

namespace {
constexpr std::int64_t defaultBufferLimit = 0x7FFFFFF0;
std::int64_t bufferLimit = defaultBufferLimit;
}  // namespace

std::unique_ptr<unsigned char[]> yyimagebuffer(std::int64_t bytes) {
    if (bytes < 0 || bytes > bufferLimit) return nullptr;
    return std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[static_cast<std::size_t>(bytes)]);
}

std::int64_t yysetimagebufferlimit(std::int64_t bytes) {
    const std::int64_t previous = bufferLimit;
    bufferLimit = bytes;
    return previous;
}

bool yyimagewrite(int handle, const unsigned char* bytes, int count) {
    yyprbu(handle, reinterpret_cast<const char*>(bytes), count, 0);
    return gravim.hardcopy.hardcopyOutputError == 0;
}

void yypnghead(unsigned char* out, int width, int height, int bitDepth, int colourType) {
    static constexpr unsigned char signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::memcpy(out, signature, 8);
    unsigned char* const chunk = out + 8;
    std::memcpy(chunk + 4, "IHDR", 4);
    yypngwrd(width, chunk + 8);
    yypngwrd(height, chunk + 12);
    chunk[16] = static_cast<unsigned char>(bitDepth);
    chunk[17] = static_cast<unsigned char>(colourType);
    chunk[18] = chunk[19] = chunk[20] = 0;  // deflate, adaptive filtering, no interlace
    yypngseal(chunk, 13);
}

int yypngseal(unsigned char* chunk, int length) {
    yypngwrd(length, chunk);
    std::uint32_t crc = 0;
    yypngcrc(length + 4, crc, chunk + 4);
    yypngword(crc, chunk + 8 + length);
    return length + 12;
}

int yypngplte(unsigned char* out, const RasterColour* colours, int n) {
    std::memcpy(out + 4, "PLTE", 4);
    for (int i = 0; i < n; ++i) {
        out[8 + 3 * i] = colours[i].red;
        out[9 + 3 * i] = colours[i].green;
        out[10 + 3 * i] = colours[i].blue;
    }
    return yypngseal(out, 3 * n);
}

void yypngend(unsigned char* out) {
    std::memcpy(out + 4, "IEND", 4);
    yypngseal(out, 0);
}

void yyputle32(unsigned char* out, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) out[k] = static_cast<unsigned char>(value >> (8 * k));
}

void yyputle16(unsigned char* out, unsigned value) {
    out[0] = static_cast<unsigned char>(value);
    out[1] = static_cast<unsigned char>(value >> 8);
}

void yybmpfileheader(unsigned char* out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
    out[0] = 'B';
    out[1] = 'M';
    yyputle32(out + 2, fileSize);
    yyputle32(out + 6, 0);
    yyputle32(out + 10, pixelOffset);
}

void yybmpinfoheader(unsigned char* out, int width, int height, int bitsPerPixel, int compression,
                     std::uint32_t imageSize) {
    std::memset(out, 0, bmpInfoHeaderBytes);
    yyputle32(out, bmpInfoHeaderBytes);
    yyputle32(out + 4, static_cast<std::uint32_t>(width));
    yyputle32(out + 8, static_cast<std::uint32_t>(height));
    yyputle16(out + 12, 1);
    yyputle16(out + 14, static_cast<unsigned>(bitsPerPixel));
    yyputle32(out + 16, static_cast<std::uint32_t>(compression));
    yyputle32(out + 20, imageSize);
}

void yypcxheader(unsigned char* out, const PcxLayout& layout, const RasterColour* colours16) {
    std::memset(out, 0, pcxHeaderBytes);
    out[0] = 0x0A;
    out[1] = static_cast<unsigned char>(layout.version);
    out[2] = 1;
    out[3] = static_cast<unsigned char>(layout.bitsPerPixel);
    yyputle16(out + 8, static_cast<unsigned>(layout.width - 1));
    yyputle16(out + 10, static_cast<unsigned>(layout.height - 1));
    yyputle16(out + 12, 75);
    yyputle16(out + 14, 75);
    if (colours16 != nullptr)
        for (int i = 0; i < 16; ++i) {
            out[16 + 3 * i] = colours16[i].red;
            out[17 + 3 * i] = colours16[i].green;
            out[18 + 3 * i] = colours16[i].blue;
        }
    out[65] = static_cast<unsigned char>(layout.planes);
    yyputle16(out + 66, static_cast<unsigned>(layout.bytesPerLine));
    yyputle16(out + 68, static_cast<unsigned>(layout.paletteInfo));
    yyputle16(out + 70, static_cast<unsigned>(layout.screenWidth));
    yyputle16(out + 72, static_cast<unsigned>(layout.screenHeight));
}

int yypcxrun(int value, int count, unsigned char* out) {
    if (count == 1 && value < 0xC0) {
        out[0] = static_cast<unsigned char>(value);
        return 1;
    }
    out[0] = static_cast<unsigned char>(0xC0 | count);
    out[1] = static_cast<unsigned char>(value);
    return 2;
}

int yypcxline(const unsigned char* line, int count, unsigned char* out) {
    int written = 0;
    int run = 0;
    for (int i = 0; i < count; ++i) {
        if (run > 0 && line[i] == line[i - 1] && run < 63) {
            ++run;
            continue;
        }
        if (run > 0) written += yypcxrun(line[i - 1], run, out + written);
        run = 1;
    }
    if (run > 0) written += yypcxrun(line[count - 1], run, out + written);
    return written;
}
