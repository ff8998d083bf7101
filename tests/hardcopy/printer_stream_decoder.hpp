// printer_stream_decoder.hpp - a test-side reader of raster printer streams: PCL raster rows
// (compression methods 0 to 3, row skips, colour planes), ESC/P bit images of 8 and 24 pins and
// ESC/P2 raster graphics. Each gives the printed dots of one plane as a set of (column, row)
// pairs in printer dots from the page's origin.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

using Dots = std::set<std::pair<int, int>>;

// The dots moved so that the leftmost is in column 0 and the topmost in row 0.
inline Dots normalised(const Dots& dots) {
    if (dots.empty()) return dots;
    int left = dots.begin()->first, top = dots.begin()->second;
    for (const auto& [x, y] : dots) {
        left = std::min(left, x);
        top = std::min(top, y);
    }
    Dots out;
    for (const auto& [x, y] : dots) out.insert({x - left, y - top});
    return out;
}

inline void addRowBits(Dots& dots, const std::vector<std::uint8_t>& row, int y) {
    for (std::size_t i = 0; i < row.size(); ++i)
        for (int b = 0; b < 8; ++b)
            if ((row[i] >> (7 - b)) & 1) dots.insert({static_cast<int>(i * 8) + b, y});
}

// PCL: the dots of plane `plane` (0 the first plane of a row, the one ending in V for colour).
inline Dots decodePcl(const std::string& s, int plane = 0) {
    Dots dots;
    int y = 0, method = 0, planeOfRow = 0;
    std::vector<std::uint8_t> seed[8];
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] != 27) {
            ++i;
            continue;
        }
        if (i + 1 >= s.size()) break;
        const char p = s[i + 1];
        if (p < '!' || p > '/') {  // two-character sequence (ESC E)
            i += 2;
            continue;
        }
        const char group = i + 2 < s.size() ? s[i + 2] : 0;
        i += 3;
        for (;;) {  // value, letter; a lower-case letter continues the sequence
            std::size_t start = i;
            while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '+' || s[i] == '-' || s[i] == '.')) ++i;
            const long value = start == i ? 0 : std::strtol(s.substr(start, i - start).c_str(), nullptr, 10);
            if (i >= s.size()) return dots;
            const char letter = s[i++];
            const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
            if (p == '*' && group == 'b' && upper == 'M') method = static_cast<int>(value);
            if (p == '*' && group == 'b' && upper == 'Y') {
                y += static_cast<int>(value);
                for (auto& r : seed) std::fill(r.begin(), r.end(), 0);
            }
            if (p == '*' && group == 'r' && (upper == 'A' || upper == 'B')) planeOfRow = 0;
            if (p == '*' && group == 'b' && (upper == 'W' || upper == 'V')) {
                const std::string data = s.substr(i, static_cast<std::size_t>(value));
                i += static_cast<std::size_t>(value);
                std::vector<std::uint8_t>& row = seed[planeOfRow & 7];
                std::vector<std::uint8_t> out;
                const auto byte = [&data](std::size_t k) { return static_cast<std::uint8_t>(data[k]); };
                if (method == 0) {
                    out.assign(data.begin(), data.end());
                } else if (method == 1) {
                    for (std::size_t k = 0; k + 1 < data.size(); k += 2) out.insert(out.end(), byte(k) + 1u, byte(k + 1));
                } else if (method == 2) {
                    for (std::size_t k = 0; k < data.size();) {
                        const int control = static_cast<std::int8_t>(byte(k++));
                        if (control >= 0) {
                            for (int n = 0; n <= control && k < data.size(); ++n) out.push_back(byte(k++));
                        } else if (control != -128 && k < data.size()) {
                            out.insert(out.end(), static_cast<std::size_t>(1 - control), byte(k++));
                        }
                    }
                } else if (method == 3) {  // delta row against the seed
                    out = row;
                    std::size_t at = 0;
                    for (std::size_t k = 0; k < data.size();) {
                        const int command = byte(k++);
                        int count = (command >> 5) + 1, offset = command & 31;
                        if (offset == 31) {
                            while (k < data.size()) {
                                offset += byte(k);
                                if (byte(k++) != 255) break;
                            }
                        }
                        at += static_cast<std::size_t>(offset);
                        for (; count > 0 && k < data.size(); --count, ++at) {
                            if (out.size() <= at) out.resize(at + 1, 0);
                            out[at] = byte(k++);
                        }
                    }
                }
                row = out;
                if (planeOfRow == plane) addRowBits(dots, out, y);
                if (upper == 'W') {
                    ++y;
                    planeOfRow = 0;
                } else {
                    ++planeOfRow;
                }
            }
            if (std::isupper(static_cast<unsigned char>(letter)) || !std::isalpha(static_cast<unsigned char>(letter))) break;
        }
    }
    return dots;
}

// ESC/P bit images (ESC K, L, Y, Z, ESC * m, ESC "[g") placed by their paper position: ESC J,
// ESC 3 and line feeds count in 1/feedUnit inch (216 for 9-pin printers, 180 for 24-pin ones),
// 8-pin dots lie 1/72 inch apart, 24-pin dots 1/180; rows are `rowDpi` an inch, or with rowDpi
// 0 the pin positions of every bit-image command in order (for interleaved passes). Tabs (ESC D
// stops at 10 characters an inch) move to columns of `dpi` dots an inch. `colour` picks the dots
// printed with one ESC r ink.
inline Dots decodeEscP(const std::string& s, int feedUnit, int dpi, double rowDpi, int colour = -1) {
    const long feed = 1080 / feedUnit;
    std::vector<int> tabs;
    std::map<long, std::vector<int>> byPosition;  // position in 1/1080 inch -> columns
    long y = 0;        // 1/1080 inch
    long spacing = 180;  // 1/6 inch
    int ink = 0;
    int column = 0;
    const auto u = [&s](std::size_t k) { return k < s.size() ? static_cast<std::uint8_t>(s[k]) : 0; };
    std::size_t i = 0;
    std::set<long> pinPositions;
    const auto image = [&](int columns, int bytesPerColumn, std::size_t at) {
        for (int pin = 0; pin < bytesPerColumn * 8; ++pin) pinPositions.insert(y + (bytesPerColumn == 3 ? pin * 6L : pin * 15L));
        for (int c = 0; c < columns; ++c) {
            for (int b = 0; b < bytesPerColumn; ++b) {
                const int value = u(at + static_cast<std::size_t>(c * bytesPerColumn + b));
                for (int bit = 0; bit < 8; ++bit) {
                    if (((value >> (7 - bit)) & 1) == 0 || (colour >= 0 && ink != colour)) continue;
                    const int pin = b * 8 + bit;
                    const long position = y + (bytesPerColumn == 3 ? pin * 6L : pin * 15L);
                    byPosition[position].push_back(column + c);
                }
            }
        }
        column += columns;
        i = at + static_cast<std::size_t>(columns * bytesPerColumn);
    };
    while (i < s.size()) {
        const int c = u(i);
        if (c == 13) { column = 0; ++i; continue; }
        if (c == 10) { y += spacing; ++i; continue; }
        if (c == 9) {
            for (const int stop : tabs)
                if (stop * dpi / 10 > column) {
                    column = stop * dpi / 10;
                    break;
                }
            ++i;
            continue;
        }
        if (c != 27) { ++i; continue; }
        const int command = u(i + 1);
        switch (command) {
        case 'D':
            tabs.clear();
            for (i += 2; i < s.size() && u(i) != 0; ++i) tabs.push_back(u(i));
            ++i;
            break;
        case 'J': y += u(i + 2) * feed; i += 3; break;
        case '3': spacing = u(i + 2) * feed; i += 3; break;
        case 'r': ink = u(i + 2); i += 3; break;
        case 'K': case 'L': case 'Y': case 'Z': image(u(i + 2) + 256 * u(i + 3), 1, i + 4); break;
        case '*': {
            const int m = u(i + 2);
            image(u(i + 3) + 256 * u(i + 4), m >= 32 ? 3 : 1, i + 5);
            break;
        }
        case '[':
            if (u(i + 2) == 'g') {
                const int count = u(i + 3) + 256 * u(i + 4);
                image((count - 1) / 3, 3, i + 6);
            } else {
                i += 2;
            }
            break;
        case 'U': case 'P': case 'Q': case 'l': i += command == 'P' ? 2 : 3; break;
        default: i += 2; break;
        }
    }
    Dots dots;
    for (const auto& [position, columns] : byPosition) {
        const int row = rowDpi > 0 ? static_cast<int>(std::lround(static_cast<double>(position) * rowDpi / 1080.0))
                                   : static_cast<int>(std::distance(pinPositions.begin(), pinPositions.find(position)));
        for (const int x : columns) dots.insert({x, row});
    }
    return dots;
}

// ESC/P2 raster graphics (ESC . with compression 0 or 1), placed by ESC \, ESC $, ESC ( V,
// ESC ( v, CR and LF in the units of ESC ( U.
inline Dots decodeEscP2(const std::string& s, int colour = -1) {
    Dots dots;
    long x = 0, y = 0, unit = 10, spacing = 0;  // positions in 1/3600 inch
    int ink = 0;
    const auto u = [&s](std::size_t k) { return k < s.size() ? static_cast<std::uint8_t>(s[k]) : 0; };
    std::size_t i = 0;
    while (i < s.size()) {
        const int c = u(i);
        if (c == 13) { x = 0; ++i; continue; }
        if (c == 10) { y += spacing; x = 0; ++i; continue; }
        if (c != 27) { ++i; continue; }
        const int command = u(i + 1);
        if (command == '(') {
            const int kind = u(i + 2);
            const int length = u(i + 3) + 256 * u(i + 4);
            const std::size_t args = i + 5;
            if (kind == 'U') unit = u(args);
            if (kind == 'V') y = (u(args) + 256L * u(args + 1)) * unit;
            if (kind == 'v') y += static_cast<std::int16_t>(u(args) + 256 * u(args + 1)) * unit;
            i = args + static_cast<std::size_t>(length);
        } else if (command == '\\') {
            x += static_cast<std::int16_t>(u(i + 2) + 256 * u(i + 3)) * unit;
            i += 4;
        } else if (command == '$') {
            x = (u(i + 2) + 256L * u(i + 3)) * unit;
            i += 4;
        } else if (command == '+') {
            spacing = u(i + 2) * 10L;
            i += 3;
        } else if (command == 'r') {
            ink = u(i + 2);
            i += 3;
        } else if (command == '.') {
            const int compression = u(i + 2), v = u(i + 3), h = u(i + 4), rows = u(i + 5);
            const int width = u(i + 6) + 256 * u(i + 7);
            const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
            std::size_t k = i + 8;
            for (int r = 0; r < rows; ++r) {
                std::vector<std::uint8_t> row;
                if (compression == 0) {
                    for (std::size_t n = 0; n < rowBytes; ++n) row.push_back(u(k++));
                } else {
                    while (row.size() < rowBytes && k < s.size()) {
                        const int control = static_cast<std::int8_t>(u(k++));
                        if (control >= 0) {
                            for (int n = 0; n <= control; ++n) row.push_back(u(k++));
                        } else {
                            row.insert(row.end(), static_cast<std::size_t>(1 - control), u(k++));
                        }
                    }
                }
                if (colour < 0 || ink == colour)
                    for (std::size_t n = 0; n < row.size(); ++n)
                        for (int b = 0; b < 8; ++b)
                            if ((row[n] >> (7 - b)) & 1 && static_cast<int>(n * 8) + b < width)
                                dots.insert({static_cast<int>(x / h) + static_cast<int>(n * 8) + b, static_cast<int>((y + r * v) / v)});
            }
            x += static_cast<long>(width) * h;
            i = k;
        } else {
            i += 2;
        }
    }
    return dots;
}

// The black dots of a binary PBM (P4) file.
inline Dots readPbm(const std::string& s) {
    Dots dots;
    std::size_t i = 2;
    int numbers[2] = {};
    for (int n = 0; n < 2; ++n) {
        while (i < s.size() && (std::isspace(static_cast<unsigned char>(s[i])) || s[i] == '#')) {
            if (s[i] == '#') while (i < s.size() && s[i] != '\n') ++i;
            else ++i;
        }
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) numbers[n] = numbers[n] * 10 + (s[i++] - '0');
    }
    ++i;
    const int width = numbers[0], height = numbers[1];
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = i + static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x / 8);
            if (at < s.size() && (static_cast<std::uint8_t>(s[at]) >> (7 - x % 8)) & 1) dots.insert({x, y});
        }
    return dots;
}
