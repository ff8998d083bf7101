// cgm_encoder.cpp - binary CGM elements over a byte sink (see cgm_encoder.hpp).
#include "graphics/cgm_encoder.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr int LongFormLength = 31;
constexpr int MorePartitions = 0x8000;

void putWord(CgmSink& sink, int value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>((value >> 8) & 0xFF),
                                   static_cast<std::uint8_t>(value & 0xFF)};
    sink.put(bytes);
}

void putZero(CgmSink& sink) { yycgmputbyte(sink, 0); }

int headerWord(int elementClass, int id, int length) {
    return ((elementClass & 0xF) << 12) | ((id & 0x7F) << 5) | (length & 0x1F);
}

std::string_view cutString(std::string_view text) {
    return text.substr(0, std::min<std::size_t>(text.size(), CgmPartitionMax));
}

// A text element's parameters: `fixed` bytes before the string, then the string; long form
// above 30 bytes; the pad after an odd count is not declared.
void textHeader(CgmSink& sink, int id, int fixed, std::string_view text) {
    yycgmheader(sink, 4, id, fixed + yycgmstringsize(text));
}

void padTo(CgmSink& sink, int length) {
    if (length % 2 != 0) putZero(sink);
}

}  // namespace

CgmColour yycgmunpack(int packed) {
    return {packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF};
}

void yycgmputinteger(CgmSink& sink, int value) { putWord(sink, value); }

void yycgmputpoint(CgmSink& sink, CgmPoint point) {
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>((point.x >> 8) & 0xFF), static_cast<std::uint8_t>(point.x & 0xFF),
        static_cast<std::uint8_t>((point.y >> 8) & 0xFF), static_cast<std::uint8_t>(point.y & 0xFF)};
    sink.put(bytes);
}

void yycgmputreal(CgmSink& sink, double value) {
    // Fixed point: the whole part rounds toward minus infinity, the fraction is what remains.
    const double whole = std::floor(value);
    const double fraction = (value - whole) * 65536.0;
    const int wholeWord = std::isfinite(whole) ? static_cast<int>(std::fmod(whole, 65536.0)) : 0;
    const int fractionWord = std::isfinite(fraction) ? static_cast<int>(fraction) : 0;
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>((wholeWord >> 8) & 0xFF),
                                   static_cast<std::uint8_t>(wholeWord & 0xFF),
                                   static_cast<std::uint8_t>((fractionWord >> 8) & 0xFF),
                                   static_cast<std::uint8_t>(fractionWord & 0xFF)};
    sink.put(bytes);
}

void yycgmputcolour(CgmSink& sink, CgmColour colour) {
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(colour.red & 0xFF),
                                   static_cast<std::uint8_t>(colour.green & 0xFF),
                                   static_cast<std::uint8_t>(colour.blue & 0xFF)};
    sink.put(bytes);
}

void yycgmputbyte(CgmSink& sink, int value) {
    const std::uint8_t byte = static_cast<std::uint8_t>(value & 0xFF);
    sink.put({&byte, 1});
}

int yycgmstringsize(std::string_view text) {
    const int n = static_cast<int>(cutString(text).size());
    return n < 255 ? n + 1 : n + 3;
}

void yycgmputstring(CgmSink& sink, std::string_view text) {
    text = cutString(text);
    const int n = static_cast<int>(text.size());
    if (n < 255) {
        yycgmputbyte(sink, n);
    } else {
        yycgmputbyte(sink, 255);
        putWord(sink, n);
    }
    sink.put({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void yycgmheader(CgmSink& sink, int elementClass, int id, int length) {
    if (length <= CgmShortLengthMax) {
        sink.element(elementClass, id);
        putWord(sink, headerWord(elementClass, id, length));
    } else {
        yycgmlongheader(sink, elementClass, id, length, false);
    }
}

void yycgmlongheader(CgmSink& sink, int elementClass, int id, int length, bool more) {
    sink.element(elementClass, id);
    putWord(sink, headerWord(elementClass, id, LongFormLength));
    yycgmpartition(sink, length, more);
}

void yycgmpartition(CgmSink& sink, int length, bool more) {
    putWord(sink, (more ? MorePartitions : 0) | std::clamp(length, 0, CgmPartitionMax));
}

void yycgmempty(CgmSink& sink, int elementClass, int id) {
    yycgmheader(sink, elementClass, id, 0);
}

void yycgmintegers(CgmSink& sink, int elementClass, int id, std::span<const int> values) {
    yycgmheader(sink, elementClass, id, static_cast<int>(2 * values.size()));
    for (int value : values) yycgmputinteger(sink, value);
}

void yycgmpoints(CgmSink& sink, int elementClass, int id, std::span<const CgmPoint> points,
                 bool longForm) {
    points = points.first(std::min<std::size_t>(points.size(), CgmPointsMax));
    const int length = static_cast<int>(4 * points.size());
    if (longForm) {
        yycgmlongheader(sink, elementClass, id, length, false);
    } else {
        yycgmheader(sink, elementClass, id, length);
    }
    for (CgmPoint point : points) yycgmputpoint(sink, point);
}

void yycgmcolourelement(CgmSink& sink, int elementClass, int id, CgmColour colour,
                        bool countZero) {
    yycgmheader(sink, elementClass, id, countZero ? 4 : 3);
    yycgmputcolour(sink, colour);
    putZero(sink);
}

void yycgmstringelement(CgmSink& sink, int elementClass, int id, std::string_view text) {
    const int length = yycgmstringsize(text);
    yycgmheader(sink, elementClass, id, length);
    yycgmputstring(sink, text);
    padTo(sink, length);
}

void yycgmtext(CgmSink& sink, CgmPoint at, std::string_view text) {
    constexpr int Fixed = 6;  // point, final flag
    textHeader(sink, 4, Fixed, text);
    yycgmputpoint(sink, at);
    yycgmputinteger(sink, 1);
    yycgmputstring(sink, text);
    padTo(sink, Fixed + yycgmstringsize(text));
}

void yycgmrestrictedtext(CgmSink& sink, int deltaWidth, int deltaHeight, CgmPoint at,
                         std::string_view text) {
    constexpr int Fixed = 10;  // delta width and height, point, final flag
    textHeader(sink, 5, Fixed, text);
    yycgmputinteger(sink, deltaWidth);
    yycgmputinteger(sink, deltaHeight);
    yycgmputpoint(sink, at);
    yycgmputinteger(sink, 1);
    yycgmputstring(sink, text);
    padTo(sink, Fixed + yycgmstringsize(text));
}

void yycgmtextalignment(CgmSink& sink, int horizontal, int vertical) {
    yycgmheader(sink, 5, 18, 12);
    yycgmputinteger(sink, horizontal);
    yycgmputinteger(sink, vertical);
    yycgmputreal(sink, 0.0);
    yycgmputreal(sink, 0.0);
}

void yycgmfontlist(CgmSink& sink, std::span<const std::string_view> names) {
    int length = 0;
    for (std::string_view name : names) length += yycgmstringsize(name);
    yycgmlongheader(sink, 1, 13, length, false);
    for (std::string_view name : names) yycgmputstring(sink, name);
    padTo(sink, length);
}

void yycgmgradienttriangle(CgmSink& sink, const CgmPoint (&corners)[3], CgmPoint toSecond,
                           CgmPoint toThird, const CgmColour (&colours)[3]) {
    yycgmheader(sink, 5, 31, 4);  // FILL REFERENCE POINT
    yycgmputpoint(sink, corners[0]);
    yycgmheader(sink, 5, 43, 22);  // INTERPOLATED INTERIOR, its closing zero byte declared
    yycgmputinteger(sink, 3);      // triangular
    yycgmputpoint(sink, toSecond);
    yycgmputpoint(sink, toThird);
    yycgmputinteger(sink, 0);  // no stage designators
    for (const CgmColour& colour : colours) yycgmputcolour(sink, colour);
    putZero(sink);
    const int interpolated[] = {6};
    yycgmintegers(sink, 5, 22, interpolated);  // INTERIOR STYLE
    yycgmpoints(sink, 4, 7, corners, false);   // POLYGON
}

void yycgmcellarrayhead(CgmSink& sink, CgmPoint p, CgmPoint q, CgmPoint r, int columns,
                        int rows) {
    yycgmlongheader(sink, 4, 9, 20, true);
    yycgmputpoint(sink, p);
    yycgmputpoint(sink, q);
    yycgmputpoint(sink, r);
    yycgmputinteger(sink, columns);
    yycgmputinteger(sink, rows);
    yycgmputinteger(sink, 8);  // local colour precision
    yycgmputinteger(sink, 0);  // run-length list
}

void yycgmcellrowruns(std::span<const int> cells, std::vector<std::uint8_t>& row) {
    row.clear();
    for (std::size_t start = 0; start < cells.size();) {
        std::size_t end = start + 1;
        while (end < cells.size() && cells[end] == cells[start] && end - start < 32767) ++end;
        const int count = static_cast<int>(end - start);
        const CgmColour colour = yycgmunpack(cells[start]);
        row.push_back(static_cast<std::uint8_t>(count >> 8));
        row.push_back(static_cast<std::uint8_t>(count & 0xFF));
        row.push_back(static_cast<std::uint8_t>(colour.red));
        row.push_back(static_cast<std::uint8_t>(colour.green));
        row.push_back(static_cast<std::uint8_t>(colour.blue));
        start = end;
    }
    if (row.size() % 2 != 0) row.push_back(0);
}

void yycgmcellrow(CgmSink& sink, std::span<const std::uint8_t> row, bool last) {
    // A row longer than one partition goes on in the next; the data simply continues.
    constexpr std::size_t Chunk = CgmPartitionMax - 1;
    do {
        const std::span<const std::uint8_t> part = row.first(std::min(row.size(), Chunk));
        row = row.subspan(part.size());
        yycgmpartition(sink, static_cast<int>(part.size()), !last || !row.empty());
        sink.put(part);
    } while (!row.empty());
}
