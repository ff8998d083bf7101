// raster_dump.cpp - the software raster written as the printer's byte stream: dot-matrix bands,
// ESC/P2 rows and PCL rows with their compressions, and the pixel fetchers by orientation.
#include <algorithm>
#include <string>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "hardcopy/raster_dump.hpp"

namespace {

constexpr int DotMatrixBuffer = 40000;

// One bit of the raster: plane p, raster column x, raster row y (0 outside the raster).
int rasterBit(int plane, int x, int y) {
    const RasterState& r = gravim.raster;
    if (x < 0 || y < 0 || x >= r.RasterWidth || y >= r.RasterHeight || r.IRBUFF.empty()) return 0;
    const std::int64_t index = std::int64_t{plane} * r.RasterPlaneWords + std::int64_t{y} * r.RasterRowWords + x / 32;
    if (index < 0 || index >= static_cast<std::int64_t>(r.IRBUFF.size())) return 0;
    return static_cast<int>((static_cast<std::uint32_t>(r.IRBUFF[static_cast<std::size_t>(index)]) >> (x % 32)) & 1u);
}

// Black made of the three colour planes prints in the black pass alone.
int composite(int x, int y) {
    const int select = gravim.raster.PrinterPlaneSelect;
    const bool all = rasterBit(0, x, y) != 0 && rasterBit(1, x, y) != 0 && rasterBit(2, x, y) != 0;
    if (select < 0) return all ? 1 : 0;
    return !all && rasterBit(select, x, y) != 0 ? 1 : 0;
}

// Printed (c, r) upright: raster (c, Y - r); turned: raster (X - r, Y - c).
int uprightX(int c, int) { return c; }
int uprightY(int, int r) { return gravim.raster.RasterHeight - 1 - r; }
int turnedX(int, int r) { return gravim.raster.RasterWidth - 1 - r; }
int turnedY(int c, int) { return gravim.raster.RasterHeight - 1 - c; }

void write(int unit, const unsigned char* bytes, int count) {
    if (count > 0) yyprou(unit, reinterpret_cast<const char*>(bytes), count);
}
bool failed() { return gravim.hardcopy.hardcopyOutputError != 0; }

// The position (from 1) of the last non-zero byte of the first count bytes; 0 for none.
int lastNonZero(const std::vector<unsigned char>& row, int count) {
    for (int i = count; i > 0; --i)
        if (row[static_cast<std::size_t>(i - 1)] != 0) return i;
    return 0;
}

// Packs printed row r, `width` dots, eight to a byte with the leftmost dot in the top bit.
void packRow(std::vector<unsigned char>& row, int width, int r, PixelFetcher fetch) {
    std::fill(row.begin(), row.end(), 0);
    for (int c = 0; c < width; ++c)
        if (fetch(c, r) != 0) row[static_cast<std::size_t>(c / 8)] |= static_cast<unsigned char>(0x80 >> (c % 8));
}

int colourPasses() {
    const int planes = gravim.raster.PrinterPlanesUsed;
    return planes < 2 ? 1 : planes + 1;
}

void beginColourPass(int unit, int k, int passes) {
    RasterState& p = gravim.raster;
    p.PrinterPlaneSelect = 3 - k;
    if (passes > 1) write(unit, p.PrinterColourSelect[k], 3);
}

bool dotMatrix(int unit, PixelFetcher fetch) {
    RasterState& p = gravim.raster;
    const int pins = gravim.hardcopy.printerPassRows == 24 ? 24 : 8;
    const int q = std::max(p.PrinterPasses, 1);
    const int width = p.PrinterPageWidth, height = p.PrinterPageHeight;
    const bool tooWide = (static_cast<long long>(width - 1) * pins) / 8 + p.PrinterLeftMargin > DotMatrixBuffer;
    const int passes = colourPasses();
    std::vector<unsigned char> buffer(DotMatrixBuffer);
    for (int band = 0; band < height; band += pins * q) {
        for (int s = 1; s <= q; ++s) {
            if (q == 2) write(unit, p.PrinterPassSpacing[s], 3);
            for (int k = 1; k <= passes; ++k) {
                beginColourPass(unit, k, passes);
                if (tooWide) write(unit, p.PrinterRowPrefix[0], p.PrinterRowPrefixLength);
                int used = std::min(p.PrinterLeftMargin, DotMatrixBuffer);
                std::fill(buffer.begin(), buffer.begin() + used, 0);
                for (int c = 0; c < width; ++c) {
                    for (int group = 0; group < pins / 8; ++group) {
                        int byte = 0;
                        const int first = band + s - 1 + 8 * q * group;
                        for (int i = 0; i < 8; ++i) {
                            const int row = first + i * q;
                            if (row >= height) break;
                            if (fetch(c, row) != 0) byte |= 0x80 >> i;
                        }
                        if (used == DotMatrixBuffer) {
                            write(unit, buffer.data(), used);
                            used = 0;
                        }
                        buffer[static_cast<std::size_t>(used++)] = static_cast<unsigned char>(byte);
                    }
                }
                if (!tooWide) {
                    int bytes = lastNonZero(buffer, used);
                    yybitimg(bytes);
                    write(unit, p.PrinterRowPrefix[0], p.PrinterRowPrefixLength);
                    write(unit, buffer.data(), std::min(bytes, DotMatrixBuffer));
                } else {
                    write(unit, buffer.data(), used);
                }
                write(unit, reinterpret_cast<const unsigned char*>("\r\n"), k == passes ? 2 : 1);
            }
            if (failed()) return false;
        }
    }
    return true;
}

bool escp2(int unit, PixelFetcher fetch) {
    RasterState& p = gravim.raster;
    const int width = p.PrinterPageWidth;
    const int rowBytes = (width + 7) / 8;
    std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes)), work(2 * static_cast<std::size_t>(rowBytes) + 2);
    const int passes = colourPasses();
    for (int r = 0; r < p.PrinterPageHeight; ++r) {
        for (int k = 1; k <= passes; ++k) {
            beginColourPass(unit, k, passes);
            row.assign(static_cast<std::size_t>(rowBytes), 0);
            packRow(row, width, r, fetch);
            const int last = lastNonZero(row, rowBytes);
            int count = last;
            yycmprp2(row, count, work);
            const int dots = 8 * last;
            p.PrinterRowPrefix[0][10] = static_cast<unsigned char>(dots & 255);
            p.PrinterRowPrefix[0][11] = static_cast<unsigned char>((dots >> 8) & 255);
            write(unit, p.PrinterRowPrefix[0], 12);
            write(unit, row.data(), count);
            write(unit, reinterpret_cast<const unsigned char*>("\r"), 1);
            if (failed()) return false;
        }
        write(unit, p.PrinterRowAdvance, 7);
    }
    return true;
}

bool pcl(int unit, PixelFetcher fetch) {
    RasterState& p = gravim.raster;
    const int width = p.PrinterPageWidth;
    const int rowBytes = (width + 7) / 8;
    const int planes = std::max(p.PrinterPlanesUsed, 1);
    const bool whitePadding = planes > 1 && gravim.hardcopy.printerColourKind == 1 && width % 8 != 0;
    std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes));
    for (int r = 0; r < p.PrinterPageHeight; ++r) {
        for (int j = 0; j < planes; ++j) {
            p.PrinterPlaneSelect = j;
            const int prefix = std::min(planes - 1 - j, 2);
            row.assign(static_cast<std::size_t>(rowBytes), 0);
            packRow(row, width, r, fetch);
            if (whitePadding) row.back() |= static_cast<unsigned char>(0xFF >> (width % 8));
            int count = rowBytes;
            if (p.PrinterCompression == 0) {
                count = lastNonZero(row, rowBytes);
                std::string number = std::to_string(count);
                if (number.size() < 3) number.insert(0, 3 - number.size(), '0');
                unsigned char* command = p.PrinterRowPrefix[prefix];
                const char letter = prefix == 0 ? 'W' : 'V';
                std::copy(number.begin(), number.end(), command + 3);
                command[3 + number.size()] = static_cast<unsigned char>(letter);
                p.PrinterRowPrefixLength = 4 + static_cast<int>(number.size());
            } else {
                yycmpr(row, count, prefix);
            }
            write(unit, p.PrinterRowPrefix[prefix], p.PrinterRowPrefixLength);
            write(unit, row.data(), count);
            if (failed()) return false;
        }
    }
    return true;
}

// PCL method 2 and the ESC/P2 form share the byte codes: a repeat of m bytes is 257 - m (1 - m
// as a byte), a literal of m bytes is m - 1.
void repeatPiece(std::vector<unsigned char>& out, int m, unsigned char value) {
    out.push_back(static_cast<unsigned char>((257 - m) & 255));
    out.push_back(value);
}
void literalPiece(std::vector<unsigned char>& out, const unsigned char* bytes, int m) {
    out.push_back(static_cast<unsigned char>(m - 1));
    out.insert(out.end(), bytes, bytes + m);
}

}  // namespace

int yyras1(int c, int r) { return rasterBit(0, turnedX(c, r), turnedY(c, r)); }
int yyras2(int c, int r) { return rasterBit(gravim.raster.PrinterPlaneSelect, turnedX(c, r), turnedY(c, r)); }
int yyras3(int c, int r) {
    return gravim.hardcopy.HardcopyOptions[5] != 0 ? composite(turnedX(c, r), turnedY(c, r)) : composite(uprightX(c, r), uprightY(c, r));
}
int yyras4(int c, int r) { return rasterBit(gravim.raster.PrinterPlaneSelect, uprightX(c, r), uprightY(c, r)); }
int yyras5(int c, int r) { return rasterBit(0, uprightX(c, r), uprightY(c, r)); }
int yyras6(int c, int r) { return rasterBit(0, uprightX(c, r), uprightY(c, r)); }
int yyras7(int c, int r) { return rasterBit(0, turnedX(c, r), turnedY(c, r)); }
int yyras8(int c, int r) { return composite(uprightX(c, r), uprightY(c, r)); }
int yyras9(int c, int r) { return composite(turnedX(c, r), turnedY(c, r)); }

void yydump(int unit, PixelFetcher fetcher) {
    RasterState& p = gravim.raster;
    if (p.PrinterPageStartLength >= 1) {
        write(unit, p.PrinterPageStart, p.PrinterPageStartLength);
        if (failed()) return;
    }
    const int family = gravim.hardcopy.printerFamily;
    const bool complete = family >= 1 && family <= 5 ? dotMatrix(unit, fetcher) : family == 6 ? escp2(unit, fetcher) : pcl(unit, fetcher);
    if (complete) write(unit, p.PrinterPageEnd, p.PrinterPageEndLength);
}

void yycmprp2(std::vector<unsigned char>& row, int& count, std::vector<unsigned char>& work) {
    work.clear();
    const int n = std::clamp(count, 0, static_cast<int>(row.size()));
    int i = 0;
    while (i < n) {
        const bool repeat = i + 1 < n && row[static_cast<std::size_t>(i)] == row[static_cast<std::size_t>(i + 1)];
        int end = i + 1;
        if (repeat) {
            while (end < n && row[static_cast<std::size_t>(end)] == row[static_cast<std::size_t>(i)]) ++end;
        } else {
            while (end < n && !(end + 1 < n && row[static_cast<std::size_t>(end)] == row[static_cast<std::size_t>(end + 1)])) ++end;
        }
        for (int left = end - i; left > 0;) {
            const int m = left == 129 ? 127 : left < 128 ? left : 128;
            if (repeat) repeatPiece(work, m, row[static_cast<std::size_t>(i)]);
            else literalPiece(work, row.data() + i, m);
            i += m;
            left -= m;
        }
    }
    const bool shorter = static_cast<int>(work.size()) < n;
    if (shorter) {
        std::copy(work.begin(), work.end(), row.begin());
        count = static_cast<int>(work.size());
    }
    gravim.raster.PrinterRowPrefix[0][6] = shorter ? 1 : 0;
}

void yycmpr(std::vector<unsigned char>& row, int& count, int prefix) {
    std::vector<unsigned char> out;
    const int n = std::clamp(count, 0, static_cast<int>(row.size()));
    const auto at = [&row](int k) { return row[static_cast<std::size_t>(k)]; };
    int i = 0;
    if (gravim.raster.PrinterCompression == 1) {
        while (i < n) {
            int run = 1;
            while (i + run < n && run < 256 && at(i + run) == at(i)) ++run;
            out.push_back(static_cast<unsigned char>(run - 1));
            out.push_back(at(i));
            i += run;
        }
    } else {
        while (i < n) {
            int run = 1;
            while (i + run < n && run < 128 && at(i + run) == at(i)) ++run;
            if (i + run == n || run == 128 || run >= 2) {
                repeatPiece(out, run, at(i));
                i += run;
                continue;
            }
            // A literal ends before a pair that a third equal byte follows or that closes the
            // 128-byte window; one that reaches the row's end takes all of it.
            int k = i + 1;
            while (k < n && k - i < 127) {
                if (k + 1 < n && at(k) == at(k + 1)) {
                    const bool third = k + 2 < n && at(k + 2) == at(k);
                    if (third || k + 1 == i + 127) break;
                }
                ++k;
            }
            literalPiece(out, row.data() + i, k - i);
            i = k;
        }
    }
    if (out.size() > row.size()) row.resize(out.size());
    std::copy(out.begin(), out.end(), row.begin());
    count = static_cast<int>(out.size());
    RasterState& p = gravim.raster;
    const std::string number = std::to_string(count);
    unsigned char* command = p.PrinterRowPrefix[std::clamp(prefix, 0, 2)];
    std::copy_n("\x1b*b", 3, command);
    std::copy(number.begin(), number.end(), command + 3);
    command[3 + number.size()] = static_cast<unsigned char>(prefix == 0 ? 'W' : 'V');
    p.PrinterRowPrefixLength = 4 + static_cast<int>(number.size());
}

void yybitimg(int& bytes) {
    RasterState& p = gravim.raster;
    const int length = p.PrinterRowPrefixLength;
    int n = bytes;
    if (gravim.hardcopy.printerFamily == 4) {
        n = bytes + 1;
        p.PrinterRowPrefix[0][3] = static_cast<unsigned char>(n & 255);
        p.PrinterRowPrefix[0][4] = static_cast<unsigned char>((n >> 8) & 255);
        return;
    }
    if (gravim.hardcopy.printerPassRows == 24) {
        bytes = (bytes + 2) / 3 * 3;
        n = bytes / 3;
    }
    if (length < 2) return;
    p.PrinterRowPrefix[0][length - 2] = static_cast<unsigned char>(n & 255);
    p.PrinterRowPrefix[0][length - 1] = static_cast<unsigned char>((n >> 8) & 255);
}
