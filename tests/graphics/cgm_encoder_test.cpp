// cgm_encoder_test.cpp - the binary CGM element encoding: exact bytes of words, strings, headers
// and the shared element layouts, read back by the test-side walker.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cgm_walker.hpp"
#include "graphics/cgm_encoder.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::initializer_list<int> values) {
    Bytes bytes;
    for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

Bytes withText(Bytes head, std::string_view text, std::initializer_list<int> tail = {}) {
    head.insert(head.end(), text.begin(), text.end());
    for (int v : tail) head.push_back(static_cast<std::uint8_t>(v));
    return head;
}

}  // namespace

TEST(CgmEncoder, IntegersAreSixteenBitsBigEndianReducedModulo65536) {
    struct Case {
        int value;
        Bytes bytes;
    } cases[] = {{-1, bytesOf({0xFF, 0xFF})},
                 {70000, bytesOf({0x11, 0x70})},
                 {0, bytesOf({0, 0})},
                 {32767, bytesOf({0x7F, 0xFF})},
                 {-32768, bytesOf({0x80, 0x00})}};
    for (const Case& c : cases) {
        CgmBytes sink;
        yycgmputinteger(sink, c.value);
        EXPECT_EQ(sink.bytes, c.bytes) << c.value;
    }
}

TEST(CgmEncoder, FixedPointRealsWholeThenFraction) {
    CgmBytes sink;
    yycgmputreal(sink, 0.0);
    yycgmputreal(sink, 1.5);
    yycgmputreal(sink, -0.25);
    EXPECT_EQ(sink.bytes, bytesOf({0, 0, 0, 0, 0, 1, 0x80, 0, 0xFF, 0xFF, 0xC0, 0}));
}

TEST(CgmEncoder, StringElementsPadToEvenAndDeclareWithoutThePad) {
    CgmBytes twelve;
    yycgmstringelement(twelve, 0, 1, "KBN CGM File");
    EXPECT_EQ(twelve.bytes, withText(bytesOf({0x00, 0x2D, 12}), "KBN CGM File", {0}));
    EXPECT_EQ(twelve.bytes.size(), 2u + 14u);

    CgmBytes eleven;
    yycgmstringelement(eleven, 0, 3, "KBN CGM Dat");
    EXPECT_EQ(eleven.bytes, withText(bytesOf({0x00, 0x6C, 11}), "KBN CGM Dat"));
    EXPECT_EQ(eleven.bytes.size(), 2u + 12u);

    CgmBytes description;
    yycgmstringelement(description, 1, 2, "KBN CGM driver v4");
    EXPECT_EQ(description.bytes, withText(bytesOf({0x10, 0x52, 17}), "KBN CGM driver v4"));
}

TEST(CgmEncoder, ShortAndLongHeaders) {
    CgmBytes sink;
    yycgmheader(sink, 4, 1, 8);
    yycgmheader(sink, 4, 4, 30);
    yycgmheader(sink, 4, 4, 31);
    yycgmlongheader(sink, 4, 9, 20, true);
    yycgmpartition(sink, 40000, false);
    EXPECT_EQ(sink.bytes, bytesOf({0x40, 0x28, 0x40, 0x9E, 0x40, 0x9F, 0x00, 0x1F, 0x41, 0x3F,
                                   0x80, 0x14, 0x7F, 0xFF}));
}

TEST(CgmEncoder, ColourElementsDeclareTheirZeroByteOnlyWhenAsked) {
    CgmBytes memory;
    yycgmcolourelement(memory, 5, 4, {255, 0, 127}, true);
    EXPECT_EQ(memory.bytes, bytesOf({0x50, 0x84, 255, 0, 127, 0}));
    CgmBytes file;
    yycgmcolourelement(file, 5, 4, {1, 2, 3}, false);
    EXPECT_EQ(file.bytes, bytesOf({0x50, 0x83, 1, 2, 3, 0}));
    const CgmWalk walk = walkCgm(file.bytes);
    ASSERT_TRUE(walk.complete) << walk.problem;
    EXPECT_EQ(walk.elements[0].params, bytesOf({1, 2, 3}));
}

TEST(CgmEncoder, TextDeclaresSevenPlusCountAndGoesLongAboveThirty) {
    CgmBytes shortText;
    yycgmtext(shortText, {10, -2}, "Hi");
    EXPECT_EQ(shortText.bytes, withText(bytesOf({0x40, 0x89, 0, 10, 0xFF, 0xFE, 0, 1, 2}), "Hi",
                                        {0}));

    CgmBytes longText;
    const std::string text(24, 'x');  // 7 + 24 = 31
    yycgmtext(longText, {1, 2}, text);
    EXPECT_EQ(Bytes(longText.bytes.begin(), longText.bytes.begin() + 4),
              bytesOf({0x40, 0x9F, 0x00, 31}));
    EXPECT_EQ(longText.bytes.size(), 4u + 31u + 1u);

    CgmBytes restricted;
    yycgmrestrictedtext(restricted, 300, 40, {5, 6}, "abc");
    const CgmWalk walk = walkCgm(restricted.bytes);
    ASSERT_TRUE(walk.complete) << walk.problem;
    const CgmElementRead& e = walk.elements[0];
    EXPECT_EQ(e.params.size(), 14u);  // 11 + 3
    EXPECT_EQ(e.integer(0), 300);
    EXPECT_EQ(e.integer(2), 40);
    EXPECT_EQ(e.integer(4), 5);
    EXPECT_EQ(e.integer(6), 6);
    EXPECT_EQ(e.integer(8), 1);
    std::size_t at = 10;
    EXPECT_EQ(e.string(at), "abc");
}

TEST(CgmEncoder, StringsOf255OrMoreTakeTheLongStringForm) {
    for (int n : {254, 255, 260, 1000}) {
        const std::string text(static_cast<std::size_t>(n), 'q');
        CgmBytes sink;
        yycgmtext(sink, {0, 0}, text);
        const CgmWalk walk = walkCgm(sink.bytes);
        ASSERT_TRUE(walk.complete) << n << ": " << walk.problem;
        ASSERT_EQ(walk.elements.size(), 1u);
        const CgmElementRead& e = walk.elements[0];
        EXPECT_EQ(static_cast<int>(e.params.size()), n < 255 ? n + 7 : n + 9) << n;
        EXPECT_EQ(e.params[6], n < 255 ? n : 255) << n;
        std::size_t at = 6;
        EXPECT_EQ(e.string(at), text) << n;
        EXPECT_EQ(sink.bytes.size() % 2, 0u) << n;
    }
}

TEST(CgmEncoder, PolylineOf8191PointsDeclares32764AndLongerListsAreCut) {
    std::vector<CgmPoint> points(9000);
    for (int i = 0; i < 9000; ++i) points[static_cast<std::size_t>(i)] = {i, -i};
    CgmBytes sink;
    yycgmpoints(sink, 4, 1, std::span(points).first(8191), true);
    EXPECT_EQ(Bytes(sink.bytes.begin(), sink.bytes.begin() + 4), bytesOf({0x40, 0x3F, 0x7F, 0xFC}));
    EXPECT_EQ(sink.bytes.size(), 4u + 32764u);

    CgmBytes cut;
    yycgmpoints(cut, 4, 7, points, true);
    const CgmWalk walk = walkCgm(cut.bytes);
    ASSERT_TRUE(walk.complete) << walk.problem;
    EXPECT_EQ(walk.elements[0].params.size(), 32764u);
    EXPECT_EQ(walk.elements[0].integer(32760), 8190);

    CgmBytes triangle;
    const CgmPoint corners[] = {{1, 2}, {3, 4}, {5, 6}};
    yycgmpoints(triangle, 4, 7, corners, false);
    EXPECT_EQ(Bytes(triangle.bytes.begin(), triangle.bytes.begin() + 2), bytesOf({0x40, 0xEC}));
}

TEST(CgmEncoder, FontListOfSixteenNamesWithoutPads) {
    const std::string_view names[] = {"Courier New", "Arial"};
    CgmBytes sink;
    yycgmfontlist(sink, names);
    EXPECT_EQ(sink.bytes, withText(withText(bytesOf({0x11, 0xBF, 0, 18, 11}), "Courier New", {5}),
                                   "Arial"));
}

TEST(CgmEncoder, GradientTriangleIsFourElementsOf48Bytes) {
    const CgmPoint corners[] = {{0, 0}, {100, 0}, {0, 50}};
    const CgmColour colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    CgmBytes sink;
    yycgmgradienttriangle(sink, corners, {100, 0}, {0, 50}, colours);
    yycgmgradienttriangle(sink, corners, {100, 0}, {0, 50}, colours);
    EXPECT_EQ(sink.bytes.size(), 96u);
    const CgmWalk walk = walkCgm(sink.bytes);
    ASSERT_TRUE(walk.complete) << walk.problem;
    ASSERT_EQ(walk.elements.size(), 8u);
    EXPECT_EQ(Bytes(sink.bytes.begin(), sink.bytes.begin() + 6), bytesOf({0x53, 0xE4, 0, 0, 0, 0}));
    const CgmElementRead& interior = walk.elements[1];
    EXPECT_EQ(sink.bytes[6], 0x55);
    EXPECT_EQ(sink.bytes[7], 0x76);
    EXPECT_EQ(interior.params, bytesOf({0, 3, 0, 100, 0, 0, 0, 0, 0, 50, 0, 0, 255, 0, 0, 0, 255,
                                        0, 0, 0, 255, 0}));
    EXPECT_EQ(walk.elements[2].integer(0), 6);
    EXPECT_EQ(walk.elements[3].elementClass, 4);
    EXPECT_EQ(walk.elements[3].id, 7);
    EXPECT_EQ(walk.elements[3].params.size(), 12u);
}

TEST(CgmEncoder, CellRowsAreRunsWithACountedPad) {
    const int red = 0x0000FF, blue = 0xFF0000;
    const int first[] = {red, red, blue};
    std::vector<std::uint8_t> row;
    yycgmcellrowruns(first, row);
    EXPECT_EQ(row, bytesOf({0, 2, 255, 0, 0, 0, 1, 0, 0, 255}));
    const int second[] = {blue, blue, blue};
    std::vector<std::uint8_t> row2;
    yycgmcellrowruns(second, row2);
    EXPECT_EQ(row2, bytesOf({0, 3, 0, 0, 255, 0}));

    CgmBytes sink;
    yycgmcellarrayhead(sink, {0, 10}, {30, 0}, {30, 10}, 3, 2);
    yycgmcellrow(sink, row, false);
    yycgmcellrow(sink, row2, true);
    EXPECT_EQ(Bytes(sink.bytes.begin(), sink.bytes.begin() + 4), bytesOf({0x41, 0x3F, 0x80, 0x14}));
    const CgmWalk walk = walkCgm(sink.bytes);
    ASSERT_TRUE(walk.complete) << walk.problem;
    const CgmCellArrayRead cells = readCellArray(walk.elements[0]);
    ASSERT_TRUE(cells.ok);
    EXPECT_EQ(cells.rowLengths, (std::vector<int>{10, 6}));
    EXPECT_EQ(cells.cells[0], (std::vector<int>{red, red, blue}));
    EXPECT_EQ(cells.cells[1], (std::vector<int>{blue, blue, blue}));
    EXPECT_EQ(cells.qx, 30);
}

TEST(CgmEncoder, RowsLongerThanOnePartitionGoOnInTheNext) {
    std::vector<int> cells(7000);
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<int>(i);
    std::vector<std::uint8_t> row;
    yycgmcellrowruns(cells, row);
    ASSERT_EQ(row.size(), 35000u);
    CgmBytes sink;
    yycgmcellarrayhead(sink, {0, 0}, {1, 1}, {1, 0}, 7000, 1);
    yycgmcellrow(sink, row, true);
    const CgmWalk walk = walkCgm(sink.bytes);
    ASSERT_TRUE(walk.complete) << walk.problem;
    EXPECT_EQ(walk.elements[0].partitions, (std::vector<int>{20, 32766, 35000 - 32766}));
    EXPECT_EQ(walk.elements[0].params.size(), 20u + 35000u);
}
