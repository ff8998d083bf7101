// packed_bitmap.hpp - the picture of a BMP, PCX or PNG file as one packed device-independent
// bitmap for yyloadimage (images-internal, portable): a 40-byte information header, the colour
// table (blue, green, red, 0; the three masks of a bit-field bitmap), then the pixel rows from
// the bottom up, each padded to a multiple of 4 bytes.
#pragma once

#include <cstddef>
#include <vector>

#include "images/image_formats.hpp"

struct PackedBitmap {
    int status = 0;      // 0, 2 (a file that ends too soon, IDAT data beyond their room, no
                         // memory), 27 (a format not supported), 1044 (PNG data that do not
                         // uncompress), 1109 (larger than the packed-bitmap limit)
    int zlibStatus = 0;  // zlib's status with 1044
    std::vector<unsigned char> block;  // empty for a picture without pixels
    std::size_t bitsOffset = 0;        // the rows' offset in the block: 40 + 4 x table entries
    int width = 0, height = 0;
};

// The packed bitmap of a file of kind 1 (BMP), 2 (PCX) or 15 (PNG); any other kind is 27. BMP
// pixels are passed as the file holds them (run-length codes and bit fields included) for the
// system to draw; PCX and PNG rows are converted to 1, 4, 8 or 24 bits per pixel.
PackedBitmap yypackedbitmap(int kind, const ImageBytes& file);

// The packed bitmap of the named file, read through the file layer without reporting: status 1
// (cannot be opened) or 2 (a read failed) with the system's code in systemError, or the
// builder's status (zlib's status in systemError with 1044).
PackedBitmap yypackedbitmapfile(int kind, const char* name, int& systemError);

// A 32-bit packed bitmap of width x height pixels given top row first (blue in the low byte).
PackedBitmap yypackedpixels(int width, int height, const std::vector<unsigned>& pixels);

// The largest block built, in bytes (512 MiB unless a test lowers it); larger pictures are 1109.
void yysetpackedbitmaplimit(std::size_t bytes);
