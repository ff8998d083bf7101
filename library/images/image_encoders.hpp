// image_encoders.hpp - the pieces of PNG, BMP and PCX files that the raster page writers and the
// screen-area saver share (library-internal): PNG chunks, BMP headers, PCX headers and runs.
#pragma once

#include <cstdint>
#include <memory>

#include "images/raster_reader.hpp"

// PNG. The 8-byte signature and the IHDR chunk: 33 bytes.
constexpr int pngHeadBytes = 33;
void yypnghead(unsigned char* out, int width, int height, int bitDepth, int colourType);
// Completes a chunk laid out as length word, type, length data bytes, 4 free bytes: writes the
// length and the CRC of type and data. Returns the chunk's size (length + 12).
int yypngseal(unsigned char* chunk, int length);
// A PLTE chunk of the n colours (at most 256; 12 + 3n bytes); returns its size.
int yypngplte(unsigned char* out, const RasterColour* colours, int n);
// The IEND chunk: 12 bytes.
constexpr int pngEndBytes = 12;
void yypngend(unsigned char* out);

// BMP, numbers little-endian. The 14-byte file header.
constexpr int bmpFileHeaderBytes = 14;
void yybmpfileheader(unsigned char* out, std::uint32_t fileSize, std::uint32_t pixelOffset);
// The 40-byte information header of a bottom-up image without resolution or colour counts.
constexpr int bmpInfoHeaderBytes = 40;
void yybmpinfoheader(unsigned char* out, int width, int height, int bitsPerPixel, int compression,
                     std::uint32_t imageSize);
// Stores a 32-bit or 16-bit value little-endian.
void yyputle32(unsigned char* out, std::uint32_t value);
void yyputle16(unsigned char* out, unsigned value);

// PCX: the 128-byte header, run-length encoded with 8-bit bytes per line, from (0, 0) to
// (width - 1, height - 1) at 75 dots per inch; colours16 (or null) goes at offset 16.
constexpr int pcxHeaderBytes = 128;
struct PcxLayout {
    int version;        // 3 or 5
    int bitsPerPixel;   // per plane: 1 or 8
    int width, height;  // pixels
    int planes;
    int bytesPerLine;   // even
    int paletteInfo;    // offset 68
    int screenWidth, screenHeight;  // offsets 70 and 72
};
void yypcxheader(unsigned char* out, const PcxLayout& layout, const RasterColour* colours16);
// One run of count (1..63) bytes value: the byte alone when count is 1 and value is below C0,
// else C0 + count and the byte. Returns the bytes stored (1 or 2).
int yypcxrun(int value, int count, unsigned char* out);
// Encodes a line of count bytes into runs of at most 63 equal bytes (out takes at most 2 x count
// bytes); returns the encoded length.
int yypcxline(const unsigned char* line, int count, unsigned char* out);

// A buffer of the writers: null when it cannot be allocated or is beyond the buffer limit (the
// byte counts the writers hand on are ints, so the limit starts just below 2 GiB).
std::unique_ptr<unsigned char[]> yyimagebuffer(std::int64_t bytes);
// Sets the buffer limit and returns the previous one; for tests that make allocations fail.
std::int64_t yysetimagebufferlimit(std::int64_t bytes);
// The raster page writers' write of count bytes to the output unit's handle; false once the
// output has failed (this write or an earlier one).
bool yyimagewrite(int handle, const unsigned char* bytes, int count);
