// image_formats.hpp - what the two image readers share (images-internal, portable): the whole
// file read through the file layer, the layout of a BMP, PCX or PNG file with its checks, PCX
// runs and the PNG chunk walk. IGrLoadImageData turns the pixels into RGBValues; yyloadimage's
// packed-bitmap builder turns them into a device-independent bitmap.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

using ImageBytes = std::vector<unsigned char>;
using ImageColourTable = std::array<int, 256>;

// Reads the whole file through the file layer (which records what failed): 0 read, 1 it could
// not be opened, 2 a read failed or the file is too large to hold.
int yyreadimagefile(std::string_view name, ImageBytes& file);

// Little- and big-endian words of the file; 0 where they would pass its end.
unsigned yyimagele16(const ImageBytes& f, std::size_t at);
std::uint32_t yyimagele32(const ImageBytes& f, std::size_t at);
std::uint32_t yyimagebe32(const ImageBytes& f, std::size_t at);

// red + 256 x green + 65536 x blue
constexpr int yyimagergb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// ---- BMP (and the bitmap of an icon or cursor) ----

// The information header at `at` read and checked. Headers of 40, 52, 56, 108 and 124 bytes;
// depths 1, 4, 8, 16, 24, 32; run-length codes only at 4 (code 2) and 8 bits (code 1); bit
// fields (codes 3 and 6) only at 16 and 32 bits; no compression at 1 and 24 bits. Anything else
// is status 27.
struct BmpLayout {
    int status = 0;         // 0 usable, 27 not supported, 1109 too large to address
    bool truncated = false; // the header passes the end of the file
    bool empty = false;     // no pixels: a width or height of 0 or less
    int width = 0, height = 0;
    bool topDown = false;   // rows stored from the top (a negative height without run lengths)
    int depth = 0;
    std::uint32_t compression = 0;
    bool runLengths = false, bitFields = false;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue masks in effect with bit fields
    std::size_t paletteAt = 0;             // first colour-table entry: 14 + the header's size
    std::size_t entries = 0;               // at most 256 and at most 2^depth; none above 8 bits
    std::size_t pixelsAt = 0;
    std::size_t stride = 0;                // bytes of one uncompressed row, padded to 4
};
// fileHeader: a BMP file (pixels at the file header's offset); else the first image of an icon
// or cursor of the directory's width and height (pixels after the colour table).
BmpLayout yybmplayout(const ImageBytes& f, std::size_t at, bool fileHeader, int iconWidth = 0, int iconHeight = 0);
// Colour-table entries (blue, green, red, reserved) into the table, as far as the file holds them.
void yybmpcolours(const ImageBytes& f, const BmpLayout& bmp, ImageColourTable& table);

// The width and height of a bitmap resource (its header with no file header before it): a core
// header (size 12) has 16-bit words at 4 and 6, an information header 32-bit words at 4 and 8, of
// which the low 16 bits are taken. 0 and 0 when the resource is shorter than a core header.
void yybitmapresourcesize(std::span<const unsigned char> resource, int& width, int& height);

// ---- PCX ----

// The 128-byte header checked: planes and bits per pixel 1x1, 4x1 (one-bit planes), 1x8 and
// 3x8, and a line of bytesPerLine that holds the width; anything else is status 27.
struct PcxLayout {
    int status = 0;
    bool truncated = false;  // fewer than 128 bytes
    bool empty = false;      // a width or height below 1
    int width = 0, height = 0;
    int depth = 0;       // 1, 4, 8 or 24
    int planes = 0;
    std::size_t lineBytes = 0;  // decoded bytes of one plane's line
};
PcxLayout yypcxlayout(const ImageBytes& f);
// The colours of the layout's depth into the table: the header's first two at 1 bit (black and
// white when they are the same), the header's 16 at 4 bits, the file's last 768 bytes at 8 bits (only when it holds them past the header; each
// reader has its own rule for a file too short and for the marker before them).
void yypcxcolours(const ImageBytes& f, const PcxLayout& pcx, ImageColourTable& table);

// The run-length coded scan lines from offset 128 to end. A run may go on past the end of one
// line into the next.
class PcxRuns {
public:
    PcxRuns(const ImageBytes& f, std::size_t end) : f_(f), end_(end) {}
    // The next n decoded bytes; false when the data end first.
    bool line(unsigned char* out, std::size_t n);

private:
    const ImageBytes& f_;
    std::size_t end_;
    std::size_t at_ = 128;
    int repeat_ = 0;
    unsigned char value_ = 0;
};

// ---- PNG ----

// The signature and IHDR at `start` checked: width and height of at least 1, a colour type of
// 2, 3 or 6 with its depths (3: 1, 2, 4, 8; 2 and 6: 8, 16), compression, filter and interlace
// method 0 (else 27); sizes computed in 64 bits, 1109 when the image data exceed `limit` bytes.
struct PngLayout {
    int status = 0;
    int width = 0, height = 0;
    int depth = 0, colourType = 0;
    int samples = 0;             // 1 palette index, 3 RGB, 4 RGBA
    int bpp = 0;                 // byte distance of the filters
    std::size_t rowLength = 0;   // bytes of a row, the filter byte included
    std::size_t total = 0;       // rowLength x height
    std::size_t capacity = 0;    // room for the gathered IDAT data: total + total / 1000 + 22
};
PngLayout yypnglayout(const ImageBytes& f, std::size_t start, std::size_t limit);

// The chunks after the IHDR: IDAT data gathered (at most capacity bytes), PLTE entries into the
// table, everything else passed over, up to IEND. 0 at IEND, 2 when the IDAT data exceed the
// capacity, -1 when the file ends before IEND.
int yypngchunks(const ImageBytes& f, std::size_t start, const PngLayout& png, ImageColourTable& table, ImageBytes& gathered);

// The gathered IDAT data inflated a row at a time, each row unfiltered against the row above and
// handed to take(r, bytes after its filter byte) as soon as it is whole, rows top first. Gives
// zlib's status as its uncompress of the whole image into total bytes would (0 when the data
// end in place or early, the rows they cover handed on). Inflating row by row keeps the rows in
// the cache and needs no buffer of the whole image.
int yypngrows(const ImageBytes& gathered, const PngLayout& png, const std::function<void(int, const unsigned char*)>& take);
