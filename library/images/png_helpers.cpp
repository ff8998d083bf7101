// png_helpers.cpp - the PNG chunk CRC, row unfiltering, big-endian words, and the zlib wrappers.
#include "images/png_helpers.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include <zlib.h>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "images/compression.hpp"

namespace {

// Paeth's predictor: of a (left), b (above) and c (above left) the one nearest to a + b - c,
// ties to a, then b. p - a = b - c, p - b = a - c, p - c = a + b - 2c.
inline int paeth(int a, int b, int c) {
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Paeth rows at a fixed pixel distance, so that the compiler keeps each channel's left and
// above-left bytes in registers.
template <int Bpp>
void paethRow(unsigned char* x, const unsigned char* above, int count) {
    for (int i = Bpp; i < count; ++i)
        x[i] = static_cast<unsigned char>(x[i] + paeth(x[i - Bpp], above[i], above[i - Bpp]));
}

// Paeth rows of three- and four-byte pixels with the channels of a pixel side by side in the
// lanes of one vector: a pixel depends on the pixel to its left, its channels on nothing else.
using Lanes = std::int16_t __attribute__((vector_size(8)));

using PixelBytes = unsigned char __attribute__((vector_size(4)));

Lanes lanesOf(const unsigned char* p, int bytes) {
    PixelBytes v{};
    std::memcpy(&v, p, static_cast<std::size_t>(bytes));
    return __builtin_convertvector(v, Lanes);
}
Lanes absolute(Lanes v) { return v < 0 ? -v : v; }

template <int Bpp>
void paethPixels(unsigned char* x, const unsigned char* above, int count) {
    const int whole = count - count % Bpp;  // the bytes of whole pixels
    if (whole >= 2 * Bpp) {
        Lanes a = lanesOf(x, Bpp), c = lanesOf(above, Bpp);
        for (int i = Bpp; i < whole; i += Bpp) {
            const Lanes b = lanesOf(above + i, Bpp);
            const Lanes p = b - c, q = a - c;
            const Lanes pa = absolute(p), pb = absolute(q), pc = absolute(p + q);
            const Lanes useB = pb < pa, useC = pc < (pa < pb ? pa : pb);  // b nearer than a; c nearest
            const Lanes predictor = (c & useC) | (((b & useB) | (a & ~useB)) & ~useC);
            a = (lanesOf(x + i, Bpp) + predictor) & 0xFF;
            const PixelBytes out = __builtin_convertvector(a, PixelBytes);
            std::memcpy(x + i, &out, Bpp);
            c = b;
        }
    }
    // A row whose length is not whole pixels ends in bytes of its own.
    for (int i = std::max(whole, Bpp); i < count; ++i)
        x[i] = static_cast<unsigned char>(x[i] + paeth(x[i - Bpp], above[i], above[i - Bpp]));
}

// One row of pixel bytes (the type byte excluded) against the unfiltered row above (null for
// the first row, which counts as zeros). Each type has its own loop: the bytes of the first
// pixel have no left neighbour.
void unfilterRow(int type, unsigned char* x, const unsigned char* above, int count, int bpp) {
    const int first = std::min(bpp, count);
    switch (type) {
    case 1:
        for (int i = bpp; i < count; ++i) x[i] = static_cast<unsigned char>(x[i] + x[i - bpp]);
        break;
    case 2:
        if (above != nullptr)
            for (int i = 0; i < count; ++i) x[i] = static_cast<unsigned char>(x[i] + above[i]);
        break;
    case 3:
        if (above == nullptr) {
            for (int i = bpp; i < count; ++i) x[i] = static_cast<unsigned char>(x[i] + (x[i - bpp] >> 1));
            break;
        }
        for (int i = 0; i < first; ++i) x[i] = static_cast<unsigned char>(x[i] + (above[i] >> 1));
        for (int i = bpp; i < count; ++i) x[i] = static_cast<unsigned char>(x[i] + ((x[i - bpp] + above[i]) >> 1));
        break;
    case 4:
        if (above == nullptr) {  // the predictor of a row of zeros above is the left byte
            for (int i = bpp; i < count; ++i) x[i] = static_cast<unsigned char>(x[i] + x[i - bpp]);
            break;
        }
        for (int i = 0; i < first; ++i) x[i] = static_cast<unsigned char>(x[i] + above[i]);
        switch (bpp) {
        case 1: paethRow<1>(x, above, count); break;
        case 3: paethPixels<3>(x, above, count); break;
        case 4: paethPixels<4>(x, above, count); break;
        case 6: paethRow<6>(x, above, count); break;
        case 8: paethRow<8>(x, above, count); break;
        default:
            for (int i = bpp; i < count; ++i)
                x[i] = static_cast<unsigned char>(x[i] + paeth(x[i - bpp], above[i], above[i - bpp]));
            break;
        }
        break;
    default: break;
    }
}

// Adler-32, the checksum that ends a zlib stream (RFC 1950), over count bytes added to the sums
// s1 and s2. zlib's own routine adds one byte at a time, each sum waiting on the last; here
// blocks of sixteen bytes are summed in sixteen lanes, which compile to vector adds. Over n
// blocks, lane i holds the sum of its bytes and running lane i the sum of those partial sums,
// from which s2 follows: every byte counts once for each byte from it to the end.
using ByteBlock = unsigned char __attribute__((vector_size(16)));
using BlockLanes = std::uint32_t __attribute__((vector_size(64)));
constexpr std::uint32_t adlerBase = 65521;
constexpr std::size_t adlerBlock = 16;
// The most blocks summed before reducing: running lanes reach 255 n (n + 1) / 2, below 2^32.
constexpr std::size_t adlerBlocks = 4096;

void addAdler(std::uint32_t& s1, std::uint32_t& s2, const unsigned char* bytes, std::size_t count) {
    while (count >= adlerBlock) {
        const std::size_t blocks = std::min(count / adlerBlock, adlerBlocks);
        BlockLanes lanes{}, running{};
        for (std::size_t j = 0; j < blocks; ++j, bytes += adlerBlock) {
            ByteBlock block;
            std::memcpy(&block, bytes, adlerBlock);
            lanes += __builtin_convertvector(block, BlockLanes);
            running += lanes;
        }
        std::uint64_t sum = 0, weighted = 0, runningSum = 0;  // weighted: each byte times its lane
        for (std::size_t i = 0; i < adlerBlock; ++i) {
            sum += lanes[i];
            weighted += i * lanes[i];
            runningSum += running[i];
        }
        const std::uint64_t length = blocks * adlerBlock;
        // The byte in lane i of block j counts 16 (blocks - j) - i times; the old s1 once a byte.
        s2 = static_cast<std::uint32_t>((s2 + length % adlerBase * s1 + adlerBlock * runningSum - weighted) % adlerBase);
        s1 = static_cast<std::uint32_t>((s1 + sum) % adlerBase);
        count -= length;
    }
    for (; count > 0; --count) {
        s1 = (s1 + *bytes++) % adlerBase;
        s2 = (s2 + s1) % adlerBase;
    }
}

// The two bytes that open compress's stream: deflate with a 32 KB window, and the flag of the
// default level, made a multiple of 31 (RFC 1950).
constexpr unsigned char zlibHeader[2] = {0x78, 0x9C};

// The wrappers' one body: a non-zero status is kept in slot 3 and reported as 1044.
void reportingCall(void (*call)(const void*, void*, int, int&, int&), const char* name, const void* source,
                   void* dest, int sourcelength, int& destlength) {
    int status = 0;
    call(source, dest, sourcelength, destlength, status);
    if (status == 0) return;
    yysetosstatus(status);
    yyerror(1044, name);
    destlength = 0;
}

}  // namespace

void yypngcrc(int n, std::uint32_t& crc, const unsigned char* bytes) { crc = yypngcrc2(bytes, n); }

// zlib's CRC-32 is PNG's (the same polynomial, start and final inversion), several bytes a step.
std::uint32_t yypngcrc2(const unsigned char* bytes, int n) {
    return n > 0 ? static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(n))) : 0;
}

void yypngfilter(int rowbytes, int rows, int bpp, unsigned char* data) { yypngfilter2(data, rowbytes, rows, bpp); }

void yypngfilter2(unsigned char* data, int rowbytes, int rows, int bpp) {
    if (rowbytes < 1 || bpp < 1) return;
    const unsigned char* above = nullptr;
    for (int r = 0; r < rows; ++r) {
        unsigned char* const row = data + static_cast<std::ptrdiff_t>(r) * rowbytes;
        yypngunfilterrow(row, above, rowbytes, bpp);
        above = row;
    }
}

void yypngunfilterrow(unsigned char* row, const unsigned char* above, int rowbytes, int bpp) {
    if (rowbytes < 1 || bpp < 1 || row[0] > 4) return;
    unfilterRow(row[0], row + 1, above != nullptr ? above + 1 : nullptr, rowbytes - 1, bpp);
}

std::uint32_t yypngc2i(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

void yypngc2i(const unsigned char* bytes, int& value) { value = static_cast<int>(yypngc2i(bytes)); }

void yypngword(std::uint32_t value, unsigned char* p) {
    p[0] = static_cast<unsigned char>(value >> 24);
    p[1] = static_cast<unsigned char>(value >> 16);
    p[2] = static_cast<unsigned char>(value >> 8);
    p[3] = static_cast<unsigned char>(value);
}

void yypngwrd(int value, unsigned char* bytes) { yypngword(static_cast<std::uint32_t>(value), bytes); }

int yypngcmp(const unsigned char* p, const char* tag) { return std::memcmp(p, tag, 4) == 0 ? 1 : 0; }

void yyzcompr(const void* source, void* dest, int sourcelength, int& destlength, int& status) {
    uLongf length = destlength > 0 ? static_cast<uLongf>(destlength) : 0;
    status = compress(static_cast<Bytef*>(dest), &length, static_cast<const Bytef*>(source),
                      sourcelength > 0 ? static_cast<uLong>(sourcelength) : 0);
    destlength = static_cast<int>(length);
}

void yyzuncom(const void* source, void* dest, int sourcelength, int& destlength, int& status) {
    uLongf length = destlength > 0 ? static_cast<uLongf>(destlength) : 0;
    status = uncompress(static_cast<Bytef*>(dest), &length, static_cast<const Bytef*>(source),
                        sourcelength > 0 ? static_cast<uLong>(sourcelength) : 0);
    destlength = static_cast<int>(length);
}

// zlib writes the deflate data raw and the stream's two-byte header and checksum are added here,
// the checksum taken faster than zlib takes it; the bytes are compress's.
PieceCompression::PieceCompression(unsigned char* dest, int capacity)
    : stream_(new (std::nothrow) z_stream{}) {
    if (stream_ == nullptr) {
        status_ = Z_MEM_ERROR;
        return;
    }
    // compress's deflateInit: default level, 32 KB window, memory level 8, default strategy.
    status_ = deflateInit2(stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    if (status_ != Z_OK) return;
    if (capacity < static_cast<int>(sizeof zlibHeader)) {
        status_ = Z_BUF_ERROR;
        return;
    }
    std::memcpy(dest, zlibHeader, sizeof zlibHeader);
    stream_->next_out = dest + sizeof zlibHeader;
    stream_->avail_out = static_cast<uInt>(capacity) - sizeof zlibHeader;
}

PieceCompression::~PieceCompression() {
    if (stream_ == nullptr) return;
    deflateEnd(stream_);
    delete stream_;
}

void PieceCompression::add(const unsigned char* piece, int length) {
    if (status_ != Z_OK || length <= 0) return;
    addAdler(s1_, s2_, piece, static_cast<std::size_t>(length));
    stream_->next_in = const_cast<Bytef*>(piece);
    stream_->avail_in = static_cast<uInt>(length);
    const int result = deflate(stream_, Z_NO_FLUSH);
    // Input left over means the destination is full: compress's buffer error.
    if (result != Z_OK) status_ = result;
    else if (stream_->avail_in != 0) status_ = Z_BUF_ERROR;
}

int PieceCompression::finish() {
    if (status_ == Z_OK) {
        stream_->next_in = nullptr;
        stream_->avail_in = 0;
        const int result = deflate(stream_, Z_FINISH);
        if (result != Z_STREAM_END) status_ = result == Z_OK ? Z_BUF_ERROR : result;
        else if (stream_->avail_out < 4) status_ = Z_BUF_ERROR;  // no room for the checksum
    }
    if (status_ == Z_OK) {
        yypngword(s2_ << 16 | s1_, stream_->next_out);
        return static_cast<int>(sizeof zlibHeader + stream_->total_out + 4);
    }
    yysetosstatus(status_);
    yyerror(1044, "WCompress");
    return 0;
}

void WCompress1(const void* source, void* dest, int sourcelength, int& destlength) {
    reportingCall(yyzcompr, "WCompress", source, dest, sourcelength, destlength);
}
void WCompress2(const void* source, void* dest, int sourcelength, int& destlength) {
    reportingCall(yyzcompr, "WCompress", source, dest, sourcelength, destlength);
}
void WUnCompress1(const void* source, void* dest, int sourcelength, int& destlength) {
    reportingCall(yyzuncom, "WUnCompress", source, dest, sourcelength, destlength);
}
void WUnCompress2(const void* source, void* dest, int sourcelength, int& destlength) {
    reportingCall(yyzuncom, "WUnCompress", source, dest, sourcelength, destlength);
}
