// printer_stream_test_posix.cpp - the raster printer's streams read back: the test's reader is
// first proven on what Ghostscript's own printer devices write for a drawing (against the
// drawing rendered as a bitmap), then reads the driver's pages, which must equal their raster.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "base/gravim.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_settings.hpp"
#include "hardcopy/raster_dump.hpp"
#include "hardcopy/software_raster.hpp"
#include "printer_stream_decoder.hpp"
#include "raster_support.hpp"
#include "scratch.hpp"

namespace {

// A triangle, a thick diagonal and a box outline in the middle of a 4-inch page.
constexpr const char* drawing = R"(%!PS
<< /PageSize [288 288] >> setpagedevice
0 setgray 60 60 moveto 200 70 lineto 130 180 lineto closepath fill
70 200 moveto 220 230 lineto 3 setlinewidth stroke
1 setlinewidth 90 80 60 40 rectstroke
showpage
)";

// Renders the drawing with a Ghostscript device; false when Ghostscript failed.
bool render(const std::string& device, const std::string& resolution, const std::string& out) {
    std::ofstream("drawing.ps", std::ios::binary) << drawing;
    const std::string command = "gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=" + device + " -r" + resolution +
                                " -sOutputFile=" + out + " drawing.ps >gs.log 2>&1";
    return std::system(command.c_str()) == 0;
}

// How many dots lie in one set and not the other.
std::size_t difference(const Dots& a, const Dots& b) {
    std::size_t count = 0;
    for (const auto& dot : a) count += b.count(dot) == 0 ? 1 : 0;
    for (const auto& dot : b) count += a.count(dot) == 0 ? 1 : 0;
    return count;
}

class PrinterStreams : public ::testing::Test {
protected:
    void TearDown() override {
        yyrasterrelease();
        yyresetgravim();
    }
    ScratchFolder folder;
};

TEST_F(PrinterStreams, TheReaderReadsGhostscriptsPclPages) {
    for (const char* device : {"ljet4", "ljet3"}) {
        ASSERT_TRUE(render(device, "150", "page.prn")) << device << readWholeFile("gs.log");
        ASSERT_TRUE(render("pbmraw", "150", "page.pbm"));
        const Dots expected = normalised(readPbm(readWholeFile("page.pbm")));
        ASSERT_GT(expected.size(), 1000u);
        EXPECT_EQ(normalised(decodePcl(readWholeFile("page.prn"))), expected) << device;
    }
}

TEST_F(PrinterStreams, TheReaderReadsGhostscriptsEscPAndEscP2Pages) {
    // 8-pin ESC L at 120 x 72 dpi and ESC * 3 at 240 x 72 dpi, with tabs over blank space; the
    // Stylus's ESC/P2 raster graphics at 360 dpi.
    for (const int dpi : {120, 240}) {
        const std::string resolution = std::to_string(dpi) + "x72";
        ASSERT_TRUE(render("epson", resolution, "page.prn")) << readWholeFile("gs.log");
        ASSERT_TRUE(render("pbmraw", resolution, "page.pbm"));
        // The device places its page a fraction of a dot off the bitmap's, which moves a few
        // edge dots; a misread column, row or bit order would move thousands.
        const Dots expected = normalised(readPbm(readWholeFile("page.pbm")));
        ASSERT_GT(expected.size(), 1000u);
        EXPECT_LT(difference(normalised(decodeEscP(readWholeFile("page.prn"), 216, dpi, 72)), expected), expected.size() / 50) << dpi;
    }
    ASSERT_TRUE(render("stcolor", "360", "page.prn")) << readWholeFile("gs.log");
    ASSERT_TRUE(render("pbmraw", "360", "page.pbm"));
    // The colour printer puts black in its black ink (ESC r 0).
    EXPECT_EQ(normalised(decodeEscP2(readWholeFile("page.prn"), 0)), normalised(readPbm(readWholeFile("page.pbm"))));
}

// A raster printer of the type at its first resolution, a 1-inch page, the options given, a
// drawing of lines, a filled box and points in three colours, and the page printed; returns the
// stream. The raster is left as it was when the page ended.
std::string printPage(int type, std::initializer_list<std::pair<int, int>> options) {
    yyresetgravim();
    yypali();
    iprinter(type);
    GraphicsState& g = gravim.graphics;
    g.surfaceWidth = g.surfaceHeight = 200;
    g.surfaceMaxX = g.surfaceMaxY = 199.99f;
    g.colourModel = 1;
    xxrast(OpInitialise);
    int* const o = gravim.hardcopy.HardcopyOptions;
    o[1] = o[2] = 72;
    o[3] = o[4] = o[5] = 0;
    o[13] = 1;
    gravim.hardcopy.printerResolutionIndex = 1;
    for (const auto& [option, value] : options) o[option] = value;
    g.hardcopyActive = 1;
    g.OperandValue = 1;
    g.OperandText.assign("page.prn");
    xxrast(OpOpen);
    g.clipX2 = g.clipY2 = 199.99f;
    xxrast(OpClip);
    g.fillStyle = 4;
    const struct {
        int colour;
        float x1, y1, x2, y2;
    } lines[] = {{223, 5, 5, 190, 170}, {32, 10, 150, 150, 20}, {96, 0, 100, 199, 101}, {223, 30, 0, 31, 199}};
    for (const auto& line : lines) {
        g.colourState[1][1] = line.colour;
        xxrast(OpColour);
        g.OperandX[1] = line.x1;
        g.OperandY[1] = line.y1;
        g.OperandX[2] = line.x2;
        g.OperandY[2] = line.y2;
        xxrast(OpLine);
    }
    g.OperandValue = 1;
    g.OperandX[1] = 120;
    g.OperandY[1] = 120;
    g.OperandX[2] = 160;
    g.OperandY[2] = 180;
    xxrast(OpRectanglePattern);
    g.OperandX[1] = 3;
    g.OperandY[1] = 197;
    xxrast(OpPoint);
    const RasterState page = gravim.raster;
    xxrast(OpPage);
    xxrast(OpClose);
    gravim.raster = page;
    return readWholeFile("page.prn");
}

// The raster's dots of one plane as printed: upright (c, Y - r), or turned (X - r, Y - c).
Dots printedDots(int plane, bool turned) {
    const RasterState& r = gravim.raster;
    Dots dots;
    for (int y = 0; y < r.RasterHeight; ++y)
        for (int x = 0; x < r.RasterWidth; ++x)
            if ((rasterPixel(x, y) >> plane) & 1) {
                if (turned) dots.insert({r.RasterYMax - y, r.RasterXMax - x});
                else dots.insert({x, r.RasterYMax - y});
            }
    return dots;
}

TEST_F(PrinterStreams, PrintedPagesReadBackAsTheirRaster) {
    // PCL, one plane and three (RGB: white is all planes set), each compression, upright and turned.
    for (const int compression : {0, 1, 2}) {
        for (const bool turned : {false, true}) {
            const std::string stream = printPage(28, {{24, compression}, {5, turned ? 1 : 0}});
            const Dots expected = printedDots(0, turned);
            ASSERT_GT(expected.size(), 1000u);
            EXPECT_EQ(decodePcl(stream), expected) << compression << " " << turned;
        }
    }
    const std::string colour = printPage(30, {{24, 2}});
    const RasterState& r = gravim.raster;
    ASSERT_NE(r.RasterWidth % 8, 0);
    for (int plane = 0; plane < 3; ++plane) {
        // The bits of a row's last byte beyond the page are white: set in every plane.
        Dots expected = printedDots(plane, false);
        for (int y = 0; y < r.RasterHeight; ++y)
            for (int x = r.RasterWidth; x % 8 != 0; ++x) expected.insert({x, y});
        EXPECT_EQ(decodePcl(colour, plane), expected) << plane;
    }
    // ESC/P2 at 720 dpi, compressed rows; its three-colour model with black printed alone.
    EXPECT_EQ(decodeEscP2(printPage(36, {})), printedDots(0, false));
    const std::string stylus = printPage(37, {});
    const Dots magenta = printedDots(1, false), yellow = printedDots(2, false);
    Dots black;
    for (const auto& dot : printedDots(0, false))
        if (magenta.count(dot) != 0 && yellow.count(dot) != 0) black.insert(dot);
    ASSERT_GT(black.size(), 100u);
    EXPECT_EQ(decodeEscP2(stylus, 0), black);
    // 24-pin ESC * bands (family 5) and 8-pin bands in two interleaved passes (family 1).
    EXPECT_EQ(decodeEscP(printPage(17, {}), 180, 360, 180), printedDots(0, false));
    EXPECT_EQ(decodeEscP(printPage(2, {}), 216, 240, 0), printedDots(0, false));
}

TEST_F(PrinterStreams, PagesWiderThanTheOldRowBufferArePrintedWhole) {
    // 1100 inches at 300 dpi: 330000 dots, more than the 40000 bytes a row once had (ESC/P2 rows
    // count their dots in 16 bits, so only PCL pages can be that wide).
    for (const int type : {28}) {
        yyresetgravim();
        yypali();
        iprinter(type);
        GraphicsState& g = gravim.graphics;
        g.surfaceWidth = 1000;
        g.surfaceHeight = 10;
        g.surfaceMaxX = 999.99f;
        g.surfaceMaxY = 9.99f;
        g.colourModel = 1;
        xxrast(OpInitialise);
        int* const o = gravim.hardcopy.HardcopyOptions;
        o[1] = 1100 * 72;
        o[2] = 2;
        o[3] = o[4] = o[5] = 0;
        o[13] = 1;
        o[24] = 0;
        gravim.hardcopy.printerResolutionIndex = 1;
        g.hardcopyActive = 1;
        g.OperandValue = 1;
        g.OperandText.assign("wide.prn");
        xxrast(OpOpen);
        g.clipX2 = g.surfaceMaxX;
        g.clipY2 = g.surfaceMaxY;
        xxrast(OpClip);
        g.colourState[1][1] = 223;
        xxrast(OpColour);
        g.OperandX[1] = 999.9f;
        g.OperandY[1] = 0;
        xxrast(OpPoint);
        const int right = static_cast<int>(g.HardcopyScaleX * g.OperandX[1]), bottom = gravim.raster.RasterYMax;
        ASSERT_GT(right, 320000);
        xxrast(OpPage);
        xxrast(OpClose);
        const std::string stream = readWholeFile("wide.prn");
        EXPECT_EQ(decodePcl(stream), (Dots{{right, bottom}})) << type;
    }
}

}  // namespace
