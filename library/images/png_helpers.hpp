// png_helpers.hpp - what the PNG readers and writers share (library-internal): the chunk CRC,
// undoing row filters, big-endian words, chunk-type tests, and zlib's compress and uncompress
// with their status handed back. The reporting wrappers are public (images/compression.hpp).
#pragma once

#include <cstdint>

// CRC-32 of the first n bytes (a chunk's type and data); 0 for n = 0.
void yypngcrc(int n, std::uint32_t& crc, const unsigned char* bytes);
std::uint32_t yypngcrc2(const unsigned char* bytes, int n);

// Undoes the filters of rows consecutive rows of rowbytes bytes in place (each row starts with
// its filter type, which stays); bpp is the byte distance to the same byte of the pixel to the
// left (at least 1). A row of a type above 4 stays as it is and still serves as the row above.
void yypngfilter(int rowbytes, int rows, int bpp, unsigned char* data);
void yypngfilter2(unsigned char* data, int rowbytes, int rows, int bpp);
// The same for one row of rowbytes bytes (its type first) against the unfiltered row above (its
// type first; null for the first row of an image).
void yypngunfilterrow(unsigned char* row, const unsigned char* above, int rowbytes, int bpp);

// The four bytes at p read big-endian.
std::uint32_t yypngc2i(const unsigned char* p);
// The same into a signed 32-bit value (a first byte of 0x80 or more gives a negative value).
void yypngc2i(const unsigned char* bytes, int& value);
// Stores value at p as four bytes, big-endian.
void yypngword(std::uint32_t value, unsigned char* p);
// The same for a signed value (two's complement bytes).
void yypngwrd(int value, unsigned char* bytes);
// 1 when the four bytes at p are the four characters of tag (a chunk type), else 0.
int yypngcmp(const unsigned char* p, const char* tag);

// zlib's compress (default level) of data handed in pieces: the same stream as yyzcompr of the
// pieces joined, without the joined copy (the PNG writer compresses the page a band of rows at a
// time while the rows are in the cache). finish gives the compressed length, or 0 after
// reporting a failure as WCompress1 does (error 1044, zlib's status in error slot 3): too small
// a destination, or memory zlib could not have.
class PieceCompression {
public:
    PieceCompression(unsigned char* dest, int capacity);
    ~PieceCompression();
    PieceCompression(const PieceCompression&) = delete;
    PieceCompression& operator=(const PieceCompression&) = delete;
    void add(const unsigned char* piece, int length);
    int finish();

private:
    struct z_stream_s* stream_;
    int status_ = 0;                 // zlib's first failure
    std::uint32_t s1_ = 1, s2_ = 0;  // the Adler-32 sums of the pieces so far
};

// zlib's compress (default level) and uncompress: destlength is the capacity of dest on entry
// and the length produced on return; status is zlib's return code (0 success).
void yyzcompr(const void* source, void* dest, int sourcelength, int& destlength, int& status);
void yyzuncom(const void* source, void* dest, int sourcelength, int& destlength, int& status);
