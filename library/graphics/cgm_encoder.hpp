// cgm_encoder.hpp - binary CGM elements over a byte sink: header words, the long form with its
// partitions, integers, points, fixed-point reals, direct colours, strings (long strings too),
// and the element layouts both CGM writers share (graphics-internal; the CGM file driver of
// hardcopy uses it with the output file as its sink).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Where encoded bytes go. Every element starts with `element` (before its header word), so a
// sink that must refuse an element whole (a full memory slot) knows where it began.
class CgmSink {
public:
    virtual void element(int elementClass, int id) = 0;
    virtual void put(std::span<const std::uint8_t> bytes) = 0;

protected:
    ~CgmSink() = default;
};

// A sink that keeps every byte in memory, for building elements in pieces and for tests.
class CgmBytes final : public CgmSink {
public:
    std::vector<std::uint8_t> bytes;
    void element(int, int) override {}
    void put(std::span<const std::uint8_t> more) override {
        bytes.insert(bytes.end(), more.begin(), more.end());
    }
};

// The longest parameter list of a short-form header; longer ones use the long form.
inline constexpr int CgmShortLengthMax = 30;
// The longest partition of the long form (15 bits).
inline constexpr int CgmPartitionMax = 32767;
// Vertices of the longest point list one partition holds (4 bytes each).
inline constexpr int CgmPointsMax = 8191;

struct CgmPoint {
    int x = 0, y = 0;
};
struct CgmColour {
    int red = 0, green = 0, blue = 0;
};
// The three channels of a packed colour (red + 256 green + 65536 blue).
CgmColour yycgmunpack(int packed);

// One 16-bit big-endian word: an integer, index, enumeration or VDC coordinate (low 16 bits,
// negative values two's complement).
void yycgmputinteger(CgmSink& sink, int value);
void yycgmputpoint(CgmSink& sink, CgmPoint point);
// A 32-bit fixed-point real, 16 whole and 16 fractional bits (whole part, then fraction).
void yycgmputreal(CgmSink& sink, double value);
// A direct colour: red, green, blue bytes.
void yycgmputcolour(CgmSink& sink, CgmColour colour);
void yycgmputbyte(CgmSink& sink, int value);
// A string: its count byte and characters; 255 characters or more take the long string form
// (count byte 255, then a 16-bit length). Longer than 32767 characters is cut there.
void yycgmputstring(CgmSink& sink, std::string_view text);
// The bytes yycgmputstring writes for the text.
int yycgmstringsize(std::string_view text);

// The header of an element with `length` parameter bytes: the short form up to 30, else the
// long form with one partition (length at most 32767).
void yycgmheader(CgmSink& sink, int elementClass, int id, int length);
// The header of a long-form element and the length word of its first partition; `more` when
// further partitions follow.
void yycgmlongheader(CgmSink& sink, int elementClass, int id, int length, bool more);
// The length word of a following partition.
void yycgmpartition(CgmSink& sink, int length, bool more);

// Elements whose layout both CGM writers share. A parameter list of odd length is followed by a
// zero byte its declared length does not count, unless the element says otherwise.

// An element without parameters (END METAFILE, BEGIN PICTURE BODY, ...).
void yycgmempty(CgmSink& sink, int elementClass, int id);
// An element of integers (VDC TYPE, LINE TYPE, TEXT ALIGNMENT's enumerations, ...).
void yycgmintegers(CgmSink& sink, int elementClass, int id, std::span<const int> values);
// An element of points in the short or long form (long when `longForm` or above 30 bytes);
// at most CgmPointsMax points (the rest are dropped).
void yycgmpoints(CgmSink& sink, int elementClass, int id, std::span<const CgmPoint> points,
                 bool longForm);
// An element of one direct colour and a zero byte; `countZero` declares 4 bytes, else 3.
void yycgmcolourelement(CgmSink& sink, int elementClass, int id, CgmColour colour,
                        bool countZero);
// An element of one string (BEGIN METAFILE, BEGIN PICTURE, METAFILE DESCRIPTION): declared
// length the string's size; long form when that exceeds 30.
void yycgmstringelement(CgmSink& sink, int elementClass, int id, std::string_view text);
// TEXT (4/4): the point, final flag 1 and the string.
void yycgmtext(CgmSink& sink, CgmPoint at, std::string_view text);
// RESTRICTED TEXT (4/5): delta width and height, the point, final flag 1 and the string.
void yycgmrestrictedtext(CgmSink& sink, int deltaWidth, int deltaHeight, CgmPoint at,
                         std::string_view text);
// TEXT ALIGNMENT (5/18): horizontal and vertical alignment, continuous alignments 0.0, 0.0.
void yycgmtextalignment(CgmSink& sink, int horizontal, int vertical);
// FONT LIST (1/13) in the long form: each name as count and characters, no pads between.
void yycgmfontlist(CgmSink& sink, std::span<const std::string_view> names);
// One triangle of a gradient: FILL REFERENCE POINT at corner 1, INTERPOLATED INTERIOR
// (triangular, the two reference vectors, no stage designators, the corner colours and a
// counted zero byte: 22 bytes), INTERIOR STYLE 6 and the POLYGON of the three corners.
void yycgmgradienttriangle(CgmSink& sink, const CgmPoint (&corners)[3], CgmPoint toSecond,
                           CgmPoint toThird, const CgmColour (&colours)[3]);

// CELL ARRAY (4/9) in partitions: the first holds the corners P, Q, R, the column and row
// counts, local colour precision 8 and the run-length mode (20 bytes, more follow); then one
// partition per row from yycgmcellrow.
void yycgmcellarrayhead(CgmSink& sink, CgmPoint p, CgmPoint q, CgmPoint r, int columns,
                        int rows);
// Encodes one row of packed colours as runs (a 16-bit count, then red, green, blue) into `row`,
// with a zero byte when the count of bytes is odd. `row` needs at most 5 x cells + 1 bytes.
void yycgmcellrowruns(std::span<const int> cells, std::vector<std::uint8_t>& row);
// The partition of one encoded row (a row above 32766 bytes goes on in further partitions);
// `last` for the last row.
void yycgmcellrow(CgmSink& sink, std::span<const std::uint8_t> row, bool last);
