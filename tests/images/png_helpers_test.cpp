// png_helpers_test.cpp - the PNG chunk CRC, row unfiltering, big-endian words and the zlib
// wrappers with their error reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <zlib.h>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "images/compression.hpp"
#include "images/png_helpers.hpp"

namespace {

using Bytes = std::vector<unsigned char>;

const unsigned char* bytesOf(const char* text) { return reinterpret_cast<const unsigned char*>(text); }

TEST(PngCrc, MatchesTheChunksOfConformingWritersAndZlib) {
    EXPECT_EQ(yypngcrc2(bytesOf("IEND"), 4), 0xAE426082u);
    std::uint32_t crc = 1;
    yypngcrc(0, crc, bytesOf(""));
    EXPECT_EQ(crc, 0u);
    // A chunk of a PNG written elsewhere: IHDR of a 1 x 1 8-bit grey image.
    const unsigned char ihdr[] = {'I', 'H', 'D', 'R', 0, 0, 0, 1, 0, 0, 0, 1, 8, 0, 0, 0, 0};
    yypngcrc(sizeof ihdr, crc, ihdr);
    EXPECT_EQ(crc, 0x3A7E9B55u);
    Bytes data(70000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 131 + i / 7);
    EXPECT_EQ(yypngcrc2(data.data(), static_cast<int>(data.size())),
              crc32(0, data.data(), static_cast<uInt>(data.size())));
}

struct FilterCase {
    const char* what;
    int rowbytes, bpp;
    Bytes data, expected;
};

TEST(PngFilter, EachTypeAgainstTheRowAboveAndToTheLeft) {
    const FilterCase cases[] = {
        {"Sub, bpp 3, wraps modulo 256", 8, 3, {1, 10, 20, 30, 5, 5, 250, 1}, {1, 10, 20, 30, 15, 25, 24, 16}},
        {"Up as first row stays", 4, 1, {2, 7, 8, 9}, {2, 7, 8, 9}},
        {"Average as first row adds half the left byte", 4, 1, {3, 10, 10, 10}, {3, 10, 15, 17}},
        {"Paeth as first row adds the left byte", 4, 1, {4, 10, 1, 1}, {4, 10, 11, 12}},
        {"Up, then Average below it", 4, 1, {0, 10, 20, 30, 2, 1, 2, 3, 3, 4, 4, 4},
         {0, 10, 20, 30, 2, 11, 22, 33, 3, 9, 19, 30}},
        {"Paeth below rows", 3, 1, {0, 5, 9, 4, 0, 0, 4, 2, 3}, {0, 5, 9, 4, 5, 9, 4, 7, 12}},
        {"a type-7 row stays and the next row takes it as the row above", 3, 1, {0, 1, 2, 7, 3, 3, 2, 1, 1},
         {0, 1, 2, 7, 3, 3, 2, 4, 4}},
    };
    for (const FilterCase& c : cases) {
        Bytes data = c.data;
        yypngfilter(c.rowbytes, static_cast<int>(data.size()) / c.rowbytes, c.bpp, data.data());
        EXPECT_EQ(data, c.expected) << c.what;
    }
}

TEST(PngFilter, PaethPredictorTies) {
    struct Case {
        int a, b, c, chosen;
    };
    const Case cases[] = {
        {5, 5, 0, 5},  // pa = pb = 5 < pc: a
        {1, 4, 2, 4},  // pb = pc = 1 < pa = 2: b
        {6, 2, 4, 4},  // pa = pb = 2 > pc = 0: c
        {9, 6, 4, 9},  // pa smallest
    };
    for (const Case& k : cases) {
        // Row 1 holds c and b; row 2 is Paeth: its first byte becomes a (its predictor is the
        // byte above, c), its second byte 0 becomes the predictor of a, b and c.
        Bytes data = {0, static_cast<unsigned char>(k.c), static_cast<unsigned char>(k.b), 4,
                      static_cast<unsigned char>(k.a - k.c), 0};
        yypngfilter2(data.data(), 3, 2, 1);
        EXPECT_EQ(data[4], k.a);
        EXPECT_EQ(data[5], k.chosen) << k.a << " " << k.b << " " << k.c;
    }
}

TEST(PngWords, BigEndianWordsBothWays) {
    const unsigned char thirteen[] = {0, 0, 0, 0x0D};
    EXPECT_EQ(yypngc2i(thirteen), 13u);
    unsigned char out[4] = {};
    yypngword(13, out);
    EXPECT_EQ(Bytes(out, out + 4), Bytes(thirteen, thirteen + 4));
    yypngwrd(-1, out);
    EXPECT_EQ(Bytes(out, out + 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    int value = 0;
    const unsigned char w640[] = {0, 0, 2, 0x80}, minus2[] = {0xFF, 0xFF, 0xFF, 0xFE};
    yypngc2i(w640, value);
    EXPECT_EQ(value, 640);
    yypngc2i(minus2, value);
    EXPECT_EQ(value, -2);
    EXPECT_EQ(yypngcmp(bytesOf("PLTEx"), "PLTE"), 1);
    EXPECT_EQ(yypngcmp(bytesOf("PLTe"), "PLTE"), 0);
}

class Compression : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
};

TEST_F(Compression, RoundTripReportsNothing) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "line " + std::to_string(i % 37) + "\r\n";
    Bytes packed(text.size() + 64), unpacked(text.size());
    int packedLength = static_cast<int>(packed.size());
    WCompress2(text.data(), packed.data(), static_cast<int>(text.size()), packedLength);
    ASSERT_GT(packedLength, 0);
    EXPECT_LT(packedLength, static_cast<int>(text.size()) / 4);
    int length = static_cast<int>(unpacked.size());
    WUnCompress2(packed.data(), unpacked.data(), packedLength, length);
    EXPECT_EQ(length, static_cast<int>(text.size()));
    EXPECT_EQ(std::string(unpacked.begin(), unpacked.end()), text);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(Compression, FailuresGive1044WithZlibsStatusAndLengthZero) {
    const std::string text(5000, 'a');
    Bytes packed(200);
    int packedLength = static_cast<int>(packed.size());
    WCompress1(text.data(), packed.data(), static_cast<int>(text.size()), packedLength);
    ASSERT_GT(packedLength, 0);

    IDebugLevel(1);  // reports go to standard output
    Bytes small(100);
    int length = static_cast<int>(small.size());
    testing::internal::CaptureStdout();
    WUnCompress1(packed.data(), small.data(), packedLength, length);
    const std::string report = testing::internal::GetCapturedStdout();
    EXPECT_EQ(length, 0);
    EXPECT_EQ(gravim.core.osStatus, Z_BUF_ERROR);
    EXPECT_EQ(WInfoError(1), 1044);
    EXPECT_NE(report.find("WUnCompress"), std::string::npos) << report;
    EXPECT_NE(report.find("Zlib compression/decompression error: buffer error"), std::string::npos) << report;

    Bytes tiny(4);
    length = static_cast<int>(tiny.size());
    testing::internal::CaptureStdout();
    WCompress1(text.data(), tiny.data(), static_cast<int>(text.size()), length);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("WCompress "), std::string::npos);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(WInfoError(3), Z_BUF_ERROR);

    const unsigned char corrupt[] = {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF};
    length = static_cast<int>(small.size());
    testing::internal::CaptureStdout();
    WUnCompress1(corrupt, small.data(), sizeof corrupt, length);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(length, 0);
    EXPECT_EQ(WInfoError(3), Z_DATA_ERROR);
}

// The PNG writer's compression of a page handed over in pieces: zlib's deflate data with the
// stream's header and Adler-32 checksum added around it, byte for byte one compress of the
// pieces joined. Bytes of 255 drive the checksum's sums highest; lengths cross its blocks of 16
// bytes and its reductions every 64 KB.
TEST_F(Compression, PiecesGiveOneCompressOfTheWholeByteForByte) {
    const struct {
        const char* what;
        std::size_t length, piece;
        bool allOnes;
    } cases[] = {
        {"nothing", 0, 1, false},
        {"one byte", 1, 1, false},
        {"less than a block", 15, 15, false},
        {"blocks and a tail, in pieces of 7", 100003, 7, true},
        {"past one reduction, in pieces just over it", 200000, 65553, false},
        {"several reductions in one piece", 300017, 300017, true},
        {"rows of a page, in bands", 300 * 9901, 13 * 9901, false},
    };
    IDebugLevel(1);  // a failure's report goes to standard output
    for (const auto& c : cases) {
        Bytes data(c.length, 255);
        if (!c.allOnes)
            for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i % 9901 < 50 ? 0 : i * 7 / 5 + i / 4099);
        Bytes expected(compressBound(static_cast<uLong>(data.size())));
        uLongf expectedLength = expected.size();
        ASSERT_EQ(compress(expected.data(), &expectedLength, data.data(), static_cast<uLong>(data.size())), Z_OK);
        expected.resize(expectedLength);

        Bytes packed(expected.size() + 64);
        int length = 0;
        {
            PieceCompression compression(packed.data(), static_cast<int>(packed.size()));
            for (std::size_t at = 0; at < data.size(); at += c.piece)
                compression.add(data.data() + at, static_cast<int>(std::min(c.piece, data.size() - at)));
            length = compression.finish();
        }
        packed.resize(static_cast<std::size_t>(std::max(length, 0)));
        EXPECT_TRUE(packed == expected) << c.what << ": " << length << " bytes, compress gives " << expected.size();
    }
    EXPECT_EQ(WInfoError(1), 0);
}

// A destination that compress finds too small is too small here: exactly the stream fits; a byte
// less, with room for all but the checksum, and less than the header are buffer errors.
TEST_F(Compression, PiecesInTooSmallADestinationGive1044LikeCompress) {
    Bytes data(5000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * i % 251);
    Bytes whole(compressBound(static_cast<uLong>(data.size())));
    uLongf wholeLength = whole.size();
    ASSERT_EQ(compress(whole.data(), &wholeLength, data.data(), static_cast<uLong>(data.size())), Z_OK);
    const struct {
        int capacity, length, error;
    } cases[] = {{static_cast<int>(wholeLength), static_cast<int>(wholeLength), 0},
                 {static_cast<int>(wholeLength) - 1, 0, 1044},
                 {static_cast<int>(wholeLength) - 4, 0, 1044},
                 {1, 0, 1044}};
    for (const auto& c : cases) {
        yyresetgravim();
        IDebugLevel(1);  // reports go to standard output
        Bytes packed(static_cast<std::size_t>(c.capacity));
        testing::internal::CaptureStdout();
        int length = -1;
        {
            PieceCompression compression(packed.data(), c.capacity);
            compression.add(data.data(), 3000);
            compression.add(data.data() + 3000, 2000);
            length = compression.finish();
        }
        const std::string report = testing::internal::GetCapturedStdout();
        EXPECT_EQ(length, c.length) << c.capacity;
        EXPECT_EQ(WInfoError(1), c.error) << c.capacity;
        if (c.error != 0) {
            EXPECT_EQ(WInfoError(3), Z_BUF_ERROR) << c.capacity;
            EXPECT_NE(report.find("WCompress"), std::string::npos) << report;
        } else {
            EXPECT_TRUE(std::equal(packed.begin(), packed.end(), whole.begin())) << c.capacity;
        }
    }
}

TEST(ZlibCalls, HandTheStatusBackWithoutReporting) {
    yyresetgravim();
    const std::string text(300, 'z');
    Bytes packed(8);
    int length = static_cast<int>(packed.size()), status = 99;
    yyzcompr(text.data(), packed.data(), static_cast<int>(text.size()), length, status);
    EXPECT_EQ(status, Z_BUF_ERROR);
    EXPECT_EQ(WInfoError(1), 0);
    packed.resize(64);
    length = 64;
    yyzcompr(text.data(), packed.data(), static_cast<int>(text.size()), length, status);
    EXPECT_EQ(status, Z_OK);
    Bytes back(300);
    int backLength = 300;
    yyzuncom(packed.data(), back.data(), length, backLength, status);
    EXPECT_EQ(status, Z_OK);
    EXPECT_EQ(backLength, 300);
}

}  // namespace
