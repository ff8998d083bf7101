// png_helpers.cpp - the PNG chunk CRC, row unfiltering, big-endian words, and the zlib wrappers.
#include "images/png_helpers.hpp"

#include <array>
#include <cstdlib>
#include <cstring>

#include <zlib.h>

#include "core/errors_internal.hpp"
#include "core/gravim.hpp"
#include "images/compression.hpp"

namespace {

std::array<std::uint32_t, 256> crcTable;
bool crcTableBuilt = false;

void buildCrcTable() {
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1u) != 0 ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        crcTable[n] = c;
    }
    crcTableBuilt = true;
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// One row of pixel bytes (the type byte excluded) against the unfiltered row above (null for
// the first row).
void unfilterRow(int type, unsigned char* x, const unsigned char* above, int count, int bpp) {
    for (int i = 0; i < count; ++i) {
        const int a = i >= bpp ? x[i - bpp] : 0;
        const int b = above != nullptr ? above[i] : 0;
        const int c = above != nullptr && i >= bpp ? above[i - bpp] : 0;
        int add = 0;
        switch (type) {
        case 1: add = a; break;
        case 2: add = b; break;
        case 3: add = (a + b) / 2; break;
        case 4: add = paeth(a, b, c); break;
        default: return;
        }
        x[i] = static_cast<unsigned char>(x[i] + add);
    }
}

// The wrappers' one body: a non-zero status is kept in slot 3 and reported as 1044.
void reportingCall(void (*call)(const void*, void*, int, int&, int&), const char* name, const void* source,
                   void* dest, int sourcelength, int& destlength) {
    int status = 0;
    call(source, dest, sourcelength, destlength, status);
    if (status == 0) return;
    gravim.core.osStatus = status;
    yyerror(1044, name);
    destlength = 0;
}

}  // namespace

void yypngcrc(int n, std::uint32_t& crc, const unsigned char* bytes) { crc = yypngcrc2(bytes, n); }

std::uint32_t yypngcrc2(const unsigned char* bytes, int n) {
    if (!crcTableBuilt) buildCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (int i = 0; i < n; ++i) c = crcTable[(c ^ bytes[i]) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void yypngfilter(int rowbytes, int rows, int bpp, unsigned char* data) { yypngfilter2(data, rowbytes, rows, bpp); }

void yypngfilter2(unsigned char* data, int rowbytes, int rows, int bpp) {
    if (rowbytes < 1 || bpp < 1) return;
    const unsigned char* above = nullptr;
    for (int r = 0; r < rows; ++r) {
        unsigned char* const row = data + static_cast<std::ptrdiff_t>(r) * rowbytes;
        if (row[0] <= 4) unfilterRow(row[0], row + 1, above, rowbytes - 1, bpp);
        above = row + 1;
    }
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
