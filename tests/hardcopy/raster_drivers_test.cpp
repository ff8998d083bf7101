// raster_drivers_test.cpp - the raster printer driver: raster sizes and their failures, the
// printer's control sequences, row compressions and dot-matrix bands. The image-file driver on the
// same rig is tested with images (tests/images/raster_image_driver_test.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_settings.hpp"
#include "hardcopy/raster_dump.hpp"
#include "hardcopy/software_raster.hpp"
#include "raster_driver_rig.hpp"
#include "raster_support.hpp"
#include "scratch.hpp"

namespace {

std::string bytes(const unsigned char* data, int length) { return std::string(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length)); }
// Built by appending: GCC 12 takes an inlined concatenation for an overlapping copy.
std::string esc(std::string_view rest) {
    std::string sequence(1, '\x1b');
    sequence.append(rest);
    return sequence;
}

using RasterDrivers = RasterDriverRig;

TEST_F(RasterDrivers, APrinterPageTooLargeAtEveryResolutionGives34AndStaysOff) {
    iprinter(28);
    yysetrasterlimit(1024 * 1024);
    start(xxrast, {{1, 100000}, {2, 100000}}, "page.prn");
    EXPECT_EQ(gravim.core.lastError, 34);
    EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
    EXPECT_TRUE(gravim.raster.IRBUFF.empty());
    EXPECT_EQ(gravim.hardcopy.printerResolutionIndex, gravim.hardcopy.printerResolutionCount);
}

TEST_F(RasterDrivers, APrinterFallsBackToTheNextLowerResolution) {
    iprinter(28);  // PCL, 300 150 100 75 dpi; option 13 starts at 2: 150 dpi
    // 8 x 6 inches at 150 dpi is 1200 x 900 dots (135 KB); at 100 dpi 800 x 600 (60 KB).
    yysetrasterlimit(100 * 1024);
    start(xxrast, {{5, 0}}, "page.prn");
    EXPECT_EQ(gravim.hardcopy.printerResolutionIndex, 3);
    EXPECT_EQ(gravim.raster.RasterWidth, 800);
    EXPECT_EQ(gravim.raster.RasterHeight, 600);
    EXPECT_EQ(gravim.graphics.hardcopyActive, 1);
    xxrast(OpClose);
}

class PrinterSequences : public RasterDrivers {
protected:
    // A printer of the type with its defaults, the options given, the sequences of a page.
    static void page(int type, std::initializer_list<std::pair<int, int>> options, int width = 2400, int height = 100) {
        iprinter(type);
        gravim.graphics.OperandCount = 0;
        xxrast(OpInitialise);
        for (const auto& [option, value] : options) gravim.hardcopy.HardcopyOptions[option] = value;
        gravim.hardcopy.printerResolutionIndex = gravim.hardcopy.HardcopyOptions[13];
        gravim.raster.RasterPlanes = gravim.hardcopy.HardcopyOptions[6] == 1 ? 1 : gravim.hardcopy.printerPlanes;
        yypcod(width, height);
    }
    static std::string start() { return bytes(gravim.raster.PrinterPageStart, gravim.raster.PrinterPageStartLength); }
    static std::string end() { return bytes(gravim.raster.PrinterPageEnd, gravim.raster.PrinterPageEndLength); }
};

TEST_F(PrinterSequences, PclPageStartAndEnd) {
    page(28, {{3, 100}, {4, 70}, {5, 0}, {8, 1}, {13, 1}, {19, 3}, {24, 0}});
    EXPECT_EQ(start(), esc("E") + esc("&a1000h0700V") + esc("*t300R") + esc("*r2400s1A"));
    EXPECT_EQ(end(), esc("&l01X") + esc("*rB") + esc("E"));
    page(28, {{3, 100}, {4, 70}, {5, 0}, {13, 1}, {24, 2}});
    EXPECT_EQ(start(), esc("E") + esc("&a1000h0700V") + esc("*t300R") + esc("*r2400s1A") + esc("*b2M"));
}

TEST_F(PrinterSequences, Option19ChoosesTheResetAtStartAndEnd) {
    page(28, {{13, 1}, {19, 1}});
    EXPECT_EQ(start().substr(0, 3), esc("&a"));
    EXPECT_EQ(end().substr(end().size() - 2), esc("E"));
    page(28, {{13, 1}, {19, 2}});
    EXPECT_EQ(start().substr(0, 2), esc("E"));
    EXPECT_EQ(end(), esc("&l01X") + esc("*rB"));
    page(28, {{13, 1}, {19, -3}});  // a negative value counts as 0
    EXPECT_EQ(start().substr(0, 3), esc("&a"));
    EXPECT_EQ(end(), esc("&l01X") + esc("*rB"));
}

TEST_F(PrinterSequences, PclNumbersWiderThanTheirFieldsKeepAllTheirDigits) {
    page(28, {{3, 1500}, {4, 2000}, {5, 0}, {8, 120}, {13, 1}}, 12000);
    EXPECT_EQ(start(), esc("E") + esc("&a15000h20000V") + esc("*t300R") + esc("*r12000s1A") + esc("*b2M"));
    EXPECT_EQ(end(), esc("&l120X") + esc("*rB") + esc("E"));
}

TEST_F(PrinterSequences, EscP2At720DpiUsesUnit5) {
    page(36, {{13, 1}, {3, 36}, {4, 72}, {5, 0}});
    const std::string s = start();
    ASSERT_EQ(s.size(), 21u);
    EXPECT_EQ(s, esc("@") + esc("(G") + std::string("\x01\x00\x01", 3) + esc("(U") + std::string("\x01\x00\x05", 3) +
                     esc("(V") + std::string("\x02\x00\xd0\x02", 4));  // 720 rows down: 0x02D0
    const std::string prefix = bytes(gravim.raster.PrinterRowPrefix[0], 12);
    EXPECT_EQ(prefix.substr(0, 4), esc("\\") + std::string("\x68\x01", 2));  // 360 dots right
    EXPECT_EQ(prefix.substr(4, 2), esc("."));
    EXPECT_EQ(prefix[7], 5);
    EXPECT_EQ(prefix[8], 5);
    EXPECT_EQ(bytes(gravim.raster.PrinterRowAdvance, 7), esc("(v") + std::string("\x02\x00\x01\x00", 4));
}

TEST_F(PrinterSequences, AFamily1PrinterAt240DpiPrintsInTwoPasses) {
    page(2, {{13, 1}});
    const RasterState& r = gravim.raster;
    EXPECT_EQ(r.PrinterPasses, 2);
    EXPECT_EQ(bytes(r.PrinterPassSpacing[1], 3), esc("3") + "\x01");
    EXPECT_EQ(bytes(r.PrinterPassSpacing[2], 3), esc("3") + "\x16");
    EXPECT_EQ(bytes(r.PrinterRowPrefix[0], 2), esc("Z"));
    EXPECT_EQ(r.PrinterRowPrefixLength, 4);
    EXPECT_EQ(start(), esc("U") + "\x01");
    EXPECT_EQ(end(), esc("2") + "\x0c");
}

TEST_F(PrinterSequences, DotMatrixBandRowsCountTheirColumns) {
    page(17, {{13, 1}, {3, 10}});  // family 5, 24 pins, 360 dpi: a margin of 50 dots, 150 bytes
    RasterState& r = gravim.raster;
    EXPECT_EQ(r.PrinterLeftMargin, 150);
    int sent = r.PrinterLeftMargin + 7;
    yybitimg(sent);
    EXPECT_EQ(sent, r.PrinterLeftMargin + 9);
    EXPECT_EQ(r.PrinterRowPrefix[0][3] + 256 * r.PrinterRowPrefix[0][4], sent / 3);

    page(19, {{13, 1}, {3, 10}});  // family 4: the count includes the mode byte
    sent = r.PrinterLeftMargin + 7;
    yybitimg(sent);
    EXPECT_EQ(sent, r.PrinterLeftMargin + 7);
    EXPECT_EQ(r.PrinterRowPrefix[0][3] + 256 * r.PrinterRowPrefix[0][4], sent + 1);
}

TEST(RowCompression, PackBitsOf129EqualBytesIsTwoRuns) {
    std::vector<unsigned char> row(129, 0x5A), work(2 * 129 + 2);
    int count = 129;
    yycmprp2(row, count, work);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(std::vector<unsigned char>(row.begin(), row.begin() + 4), (std::vector<unsigned char>{0x82, 0x5A, 0xFF, 0x5A}));
    EXPECT_EQ(gravim.raster.PrinterRowPrefix[0][6], 1);

    std::vector<unsigned char> plain = {1, 2, 3, 4};
    count = 4;
    yycmprp2(plain, count, work);  // no shorter: left as it was
    EXPECT_EQ(count, 4);
    EXPECT_EQ(plain, (std::vector<unsigned char>{1, 2, 3, 4}));
    EXPECT_EQ(gravim.raster.PrinterRowPrefix[0][6], 0);
}

TEST(RowCompression, PclMethods1And2) {
    gravim.raster.PrinterCompression = 1;
    std::vector<unsigned char> row = {5, 5, 5, 7};
    int count = 4;
    yycmpr(row, count, 0);
    EXPECT_EQ(std::vector<unsigned char>(row.begin(), row.begin() + count), (std::vector<unsigned char>{2, 5, 0, 7}));
    EXPECT_EQ(bytes(gravim.raster.PrinterRowPrefix[0], gravim.raster.PrinterRowPrefixLength), esc("*b4W"));

    gravim.raster.PrinterCompression = 2;
    const struct {
        std::vector<unsigned char> in, out;
    } cases[] = {
        {{1, 2, 3, 3, 3, 4}, {1, 1, 2, 0xFE, 3, 0, 4}},  // a literal stops before three equal bytes
        {{1, 2, 2, 3}, {3, 1, 2, 2, 3}},                 // a pair inside a literal stays in it
        {{9, 9, 9, 9}, {0xFD, 9}},
        {{7}, {0, 7}},
        {{1, 2, 3, 4, 4}, {4, 1, 2, 3, 4, 4}},           // a final pair ends the literal
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> data = c.in;
        count = static_cast<int>(data.size());
        yycmpr(data, count, 1);
        EXPECT_EQ(std::vector<unsigned char>(data.begin(), data.begin() + count), c.out);
    }
    EXPECT_EQ(bytes(gravim.raster.PrinterRowPrefix[1], gravim.raster.PrinterRowPrefixLength), esc("*b6V"));
}

// Dumps a printer page of the raster into a file and returns its bytes.
std::string dumpPage(PixelFetcher fetcher, int width, int height) {
    Text<260> name;
    name.assign("dump.prn");
    yyprop(2, name);
    yypcod(width, height);
    yydump(2, fetcher);
    yyprcl(2);
    return readWholeFile("dump.prn");
}

TEST_F(PrinterSequences, BlankRowsAreSentEmpty) {
    iprinter(28);
    gravim.hardcopy.HardcopyOptions[24] = 0;
    makeRaster(1, 20, 2);
    gravim.raster.RasterPlanes = 1;
    std::string stream = dumpPage(yyras4, 20, 2);
    EXPECT_NE(stream.find(esc("*b000W") + esc("*b000W") + esc("&l")), std::string::npos);

    iprinter(36);  // ESC/P2
    gravim.hardcopy.HardcopyOptions[13] = 1;
    gravim.hardcopy.printerResolutionIndex = 1;
    stream = dumpPage(yyras6, 20, 1);
    const std::string row = esc("\\") + std::string("\0\0", 2) + esc(".") + std::string("\0\x05\x05\x01\0\0", 6) + "\r";
    EXPECT_NE(stream.find(row + esc("(v")), std::string::npos);
}

TEST_F(PrinterSequences, BlackOfThreeColourPlanesPrintsInTheBlackPassAlone) {
    iprinter(23);  // family 2, three planes, cyan-magenta-yellow
    gravim.hardcopy.HardcopyOptions[13] = 2;
    gravim.hardcopy.printerResolutionIndex = 2;  // 120 dpi: two passes
    makeRaster(3, 8, 8);
    yyvra1(7, 0, 7);  // the top-left printed dot: every plane
    yyvra1(2, 1, 7);  // the dot beside it: magenta only
    const std::string stream = dumpPage(yyras3, 8, 8);
    // Each pass sends its colour selection, the row command (ESC L, 2 columns) and the columns.
    const auto columnsAfter = [&stream](int ink) {
        const std::size_t at = stream.find(esc("r") + static_cast<char>(ink));
        return at == std::string::npos ? std::string() : stream.substr(at + 3, 8);
    };
    EXPECT_EQ(columnsAfter(4).substr(0, 5), esc("L") + std::string("\0\0\r", 3));                  // yellow: none
    EXPECT_EQ(columnsAfter(1).substr(0, 7), esc("L") + std::string("\x02\x00\x00\x80\r", 5));      // magenta
    EXPECT_EQ(columnsAfter(2).substr(0, 5), esc("L") + std::string("\0\0\r", 3));                  // cyan: none
    EXPECT_EQ(columnsAfter(0).substr(0, 7), esc("L") + std::string("\x01\x00\x80\r\n", 5));       // black
}

}  // namespace
