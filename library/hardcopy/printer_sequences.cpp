// printer_sequences.cpp - the raster printer's control sequences for a page: dot-matrix ESC/P and
// ESC "[g", ESC/P2 and PCL.
#include <algorithm>
#include <cmath>
#include <string>

#include "base/gravim.hpp"
#include "hardcopy/raster_dump.hpp"

namespace {

constexpr unsigned char Esc = 27, FormFeed = 12;

// Bytes appended to one fixed sequence of the page record, never beyond its room.
class Sequence {
public:
    template <std::size_t N>
    Sequence(unsigned char (&bytes)[N], int& length) : bytes_(bytes), room_(N), length_(length) {
        length_ = 0;
    }
    Sequence& operator<<(int byte) {
        if (static_cast<std::size_t>(length_) < room_) bytes_[length_++] = static_cast<unsigned char>(byte);
        return *this;
    }
    Sequence& operator<<(std::string_view text) {
        for (char c : text) *this << static_cast<unsigned char>(c);
        return *this;
    }
    // A little-endian pair nL nH.
    Sequence& pair(int n) { return *this << (n & 255) << ((n >> 8) & 255); }

private:
    unsigned char* bytes_;
    std::size_t room_;
    int& length_;
};

// A decimal number with leading zeros to `digits`, or as many digits as it needs.
std::string digits(long long value, int width) {
    std::string text = std::to_string(std::max(value, 0LL));
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width - static_cast<int>(text.size())), '0');
    return text;
}

int truncated(double value) { return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0)); }

void dotMatrix(int width, int resolution, double ox, double oy, int e1) {
    RasterState& p = gravim.raster;
    const HardcopyState& h = gravim.hardcopy;
    const int family = h.printerFamily;
    const int marginDots = std::max(truncated(ox * resolution / 72), 0);
    p.PrinterLeftMargin = std::min(marginDots * (h.printerPassRows == 24 ? 3 : 1), 39999);
    const int feed = std::clamp(truncated(family == 5 ? oy * 2.5 : oy * 3), 0, 255);

    int n = marginDots + width;
    if (family == 4) n = 3 * n + 1;
    int prefixLength = 0;
    Sequence prefix(p.PrinterRowPrefix[0], prefixLength);
    if (family == 4) {
        const int mode = resolution == 60 ? 8 : resolution == 120 ? 9 : resolution == 180 ? 11 : 12;
        prefix << Esc << "[g";
        prefix.pair(n) << mode;
    } else if (family == 5) {
        const int mode = resolution == 90 ? 38 : resolution == 120 ? 33 : resolution == 180 ? 39 : 40;
        prefix << Esc << "*" << mode;
        prefix.pair(n);
    } else if (resolution == 60 || (resolution == 80 && family == 3)) {
        prefix << Esc << "K";
        prefix.pair(n);
    } else if (resolution == 80 || resolution == 90) {
        prefix << Esc << "*" << (resolution == 80 ? 4 : 6);
        prefix.pair(n);
    } else if (resolution == 240) {
        prefix << Esc << "Z";
        prefix.pair(n);
    } else {
        prefix << Esc << "L";
        prefix.pair(n);
    }
    p.PrinterRowPrefixLength = prefixLength;

    Sequence start(p.PrinterPageStart, p.PrinterPageStartLength);
    start << Esc << "U" << 1;
    if (feed >= 1) start << Esc << "J" << feed;
    const int advance = h.printerPassAdvance;
    if (p.PrinterPasses == 1) {
        start << Esc << "3" << advance;
    } else {
        int length = 0;
        Sequence(p.PrinterPassSpacing[1], length) << Esc << "3" << 1;
        Sequence(p.PrinterPassSpacing[2], length) << Esc << "3" << (advance - 1);
    }
    Sequence end(p.PrinterPageEnd, p.PrinterPageEndLength);
    end << Esc << "2";
    if (e1 == 1) end << FormFeed;
}

void colourSelection() {
    static constexpr int inks[5] = {0, 4, 1, 2, 0};  // yellow, magenta, cyan, black
    for (int k = 1; k <= 4; ++k) {
        int length = 0;
        Sequence(gravim.raster.PrinterColourSelect[k], length) << Esc << "r" << inks[k];
    }
}

void escp2(int resolution, double ox, double oy, int e1) {
    RasterState& p = gravim.raster;
    const int unit = 3600 / std::max(resolution, 1);
    Sequence start(p.PrinterPageStart, p.PrinterPageStartLength);
    start << Esc << 64 << Esc << "(G" << 1 << 0 << 1 << Esc << "(U" << 1 << 0 << unit << Esc << "(V" << 2 << 0;
    start.pair(truncated(resolution * oy / 72));
    int prefixLength = 0;
    Sequence prefix(p.PrinterRowPrefix[0], prefixLength);
    prefix << Esc << 92;
    prefix.pair(truncated(resolution * ox / 72));
    prefix << Esc << "." << 0 << unit << unit << 1 << 0 << 0;
    p.PrinterRowPrefixLength = prefixLength;
    int advanceLength = 0;
    Sequence(p.PrinterRowAdvance, advanceLength) << Esc << "(v" << 2 << 0 << 1 << 0;
    Sequence end(p.PrinterPageEnd, p.PrinterPageEndLength);
    end << Esc << 64;
    if (e1 == 1) end << FormFeed;
}

void pcl(int width, int resolution, double ox, double oy, int e1, bool e2) {
    RasterState& p = gravim.raster;
    const HardcopyState& h = gravim.hardcopy;
    const int* const o = h.HardcopyOptions;
    const long long rowBytes = (static_cast<long long>(width) + 7) / 8;
    for (int i = 0; i < 3; ++i) {
        int length = 0;
        Sequence(p.PrinterRowPrefix[i], length) << Esc << "*b000" << (i == 0 ? "W" : "V");
        p.PrinterRowPrefixLength = length;
    }
    Sequence start(p.PrinterPageStart, p.PrinterPageStartLength);
    if (e2) start << Esc << "E";
    start << Esc << "&a" << digits(truncated(ox * 10), 4) << "h" << digits(truncated(oy * 10), 4) << "V";
    start << Esc << "*t" << digits(resolution, 3) << "R";
    start << Esc << "*r";
    if (h.printerType > 11) start << digits(8 * rowBytes, 4) << "s";
    if (h.printerPlanes > 1) {
        if (h.printerColourKind == 2) start << "-";
        start << std::to_string(p.PrinterPlanesUsed) << "u";
    }
    start << "1A";
    if ((h.printerFamily == 9 || h.printerFamily == 10) && o[20] != 0) start << Esc << "&k3W";
    if (o[24] != 0) start << Esc << "*b" << std::to_string(o[24]) << "M";

    Sequence end(p.PrinterPageEnd, p.PrinterPageEndLength);
    if (h.printerFamily == 7 || h.printerType == 32) end << Esc << "&l" << digits(o[8], 2) << "X";
    end << Esc << "*rB";
    if (e1 == 1) end << Esc << "E";
}

}  // namespace

void yypcod(int width, int height) {
    RasterState& p = gravim.raster;
    const HardcopyState& h = gravim.hardcopy;
    const int* const o = h.HardcopyOptions;
    const int index = std::clamp(h.printerResolutionIndex, 1, 4);
    const int resolution = h.printerResolutions[index - 1];
    double ox = o[3], oy = o[4];
    if (o[5] != 0) std::swap(ox, oy);
    const int family = h.printerFamily;
    p.PrinterPasses = family < 5 && resolution > 100 ? 2 : 1;
    p.PrinterPageWidth = width;
    p.PrinterPageHeight = height;
    p.PrinterPlanesUsed = p.RasterPlanes;
    p.PrinterCompression = o[24];
    // A negative option 19 counts as 0: neither reset nor eject.
    const int reset = std::max(o[19], 0);
    const int e1 = reset % 2;
    const bool e2 = reset >= 2;
    p.PrinterPageStartLength = p.PrinterPageEndLength = 0;
    if (family >= 1 && family <= 5) {
        dotMatrix(width, resolution, ox, oy, e1);
        colourSelection();
    } else if (family == 6) {
        escp2(resolution, ox, oy, e1);
        colourSelection();
    } else {
        pcl(width, resolution, ox, oy, e1, e2);
        for (auto& select : p.PrinterColourSelect) std::fill(std::begin(select), std::end(select), 0);
    }
}
