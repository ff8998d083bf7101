// gdi_drivers_test.cpp - what the Windows printer and metafile drivers share, natively: device
// units, colours and fills, arc end points, font cells, text placement, pen widths, polyline
// pieces and the metafile page and header.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/gdi_drivers.hpp"

namespace {

class TwinDrivers : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        GraphicsState& g = gravim.graphics;
        g.surfaceWidth = 100;
        g.surfaceHeight = 100;
        g.surfaceMaxX = g.surfaceMaxY = 99.99f;
        g.HardcopyScaleX = g.HardcopyScaleY = g.HardcopyTextScaleX = g.HardcopyTextScaleY = 10.0f;
        g.clipX1 = 10, g.clipY1 = 20, g.clipX2 = 60, g.clipY2 = 70;
        g.colourModel = 2;
    }
    GraphicsState& g = gravim.graphics;
    int* options = gravim.hardcopy.HardcopyOptions;
};

TEST_F(TwinDrivers, DeviceUnitsTruncateTowardZeroAndFlipY) {
    EXPECT_EQ(yydevicex(1.29f), 12);
    EXPECT_EQ(yydevicey(0.0f), 999);
    EXPECT_EQ(yydevicey(99.99f), 0);
    EXPECT_EQ(yydeviceradiusy(2.5f), 25);
    EXPECT_EQ(yydevicex(1e30f), 2000000000);  // saturates
    // The clip box adds 0.99 on its right and bottom; the gradient's does not.
    EXPECT_EQ(yyareabox(true), (DeviceBox{100, 299, 600, 800}));
    EXPECT_EQ(yyareabox(false), (DeviceBox{100, 299, 600, 799}));
    g.clipX2 = 60.05f;
    EXPECT_EQ(yyareabox(true).right, 601);
    EXPECT_EQ(yyareabox(false).right, 600);
}

TEST_F(TwinDrivers, ColourInversionByOption6) {
    struct Case {
        int option, r, g, b, er, eg, eb;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 0},         {1, 10, 100, 200, 245, 155, 55}, {2, 5, 9, 0, 250, 246, 255},
        {2, 250, 246, 255, 5, 9, 0},   {2, 5, 100, 0, 5, 100, 0},       {3, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        options[6] = c.option;
        int r = c.r, gr = c.g, b = c.b;
        yywin1(r, gr, b);
        EXPECT_EQ(r, c.er) << c.option;
        EXPECT_EQ(gr, c.eg) << c.option;
        EXPECT_EQ(b, c.eb) << c.option;
        r = c.r, gr = c.g, b = c.b;
        yywmf1(r, gr, b);
        EXPECT_EQ(r, c.er);
    }
}

TEST_F(TwinDrivers, MonochromeIsWhiteOnlyForWhite) {
    g.colourState[2][1] = 16777215;
    EXPECT_EQ(yymonochromergb(), (DeviceRgb{255, 255, 255}));
    g.colourState[2][1] = 16777214;
    EXPECT_EQ(yymonochromergb(), (DeviceRgb{0, 0, 0}));
    g.colourModel = 1;
    g.colourState[1][1] = 0;
    EXPECT_EQ(yymonochromergb(), (DeviceRgb{255, 255, 255}));
    g.colourState[1][1] = 223;
    EXPECT_EQ(yymonochromergb(), (DeviceRgb{0, 0, 0}));
}

TEST_F(TwinDrivers, FillStyle3IsTheMeanOfPreviousAndCurrentInverted) {
    g.colourState[2][0] = 0x0000FF;  // red before
    g.colourState[2][1] = 0xFF0000;  // blue now
    g.fillStyle = 3;
    EXPECT_EQ(yyfillrgb(), (DeviceRgb{127, 0, 127}));
    g.fillStyle = 4;
    EXPECT_EQ(yyfillrgb(), (DeviceRgb{0, 0, 255}));
    options[6] = 1;
    EXPECT_EQ(yyfillrgb(), (DeviceRgb{255, 255, 0}));
    // Colour fills: styles above 2; the hatched ones too on a monochrome printer only.
    g.fillStyle = 1;
    options[7] = 1;
    EXPECT_TRUE(yycolourfill(true));
    EXPECT_FALSE(yycolourfill(false));
    options[7] = 0;
    EXPECT_FALSE(yycolourfill(true));
    g.fillStyle = 3;
    EXPECT_TRUE(yycolourfill(false));
}

TEST_F(TwinDrivers, RectanglesAreClampedToTheArea) {
    g.OperandX[1] = 0, g.OperandY[1] = 0, g.OperandX[2] = 99, g.OperandY[2] = 99;
    EXPECT_EQ(yyclampedrectangle(), (DeviceBox{100, 299, 600, 799}));
    g.OperandX[1] = 20, g.OperandY[1] = 30, g.OperandX[2] = 40, g.OperandY[2] = 50;
    EXPECT_EQ(yyclampedrectangle(), (DeviceBox{200, 499, 400, 699}));
}

TEST_F(TwinDrivers, ADegenerateArcHasItsEndMovedByTheStartQuadrant) {
    g.HardcopyScaleX = g.HardcopyScaleY = 1.0f;
    g.OperandX[1] = 50.5f, g.OperandY[1] = 50.5f, g.OperandX[2] = 0.01f, g.OperandY[2] = 0.01f;
    struct Case {
        float startDegrees, sweep;
        int dx, dy;
    };
    const Case cases[] = {{100, 5, -1, 1}, {10, 5, -1, -1}, {200, -5, 1, 1}, {300, 10, 1, -1},
                          {-80, 5, 1, -1}, {460, 5, -1, 1}, {100, 11, 0, 0}};
    for (const Case& c : cases) {
        const float radians = c.startDegrees * 3.14159265f / 180;
        g.OperandX[3] = radians;
        g.OperandY[3] = radians + c.sweep * 3.14159265f / 180;
        g.OperandX[4] = c.startDegrees;
        g.OperandY[4] = c.sweep;
        const DeviceArc arc = yydevicearc();
        ASSERT_EQ(arc.x1, 50) << c.startDegrees;
        EXPECT_EQ(arc.x2 - arc.x1, c.dx) << c.startDegrees;
        EXPECT_EQ(arc.y2 - arc.y1, c.dy) << c.startDegrees;
    }
    // A wide arc keeps its end points.
    g.OperandX[1] = g.OperandY[1] = 50;
    g.OperandX[2] = g.OperandY[2] = 40;
    g.OperandX[3] = 0, g.OperandY[3] = 3.0f, g.OperandX[4] = 0, g.OperandY[4] = 171.9f;
    const DeviceArc arc = yydevicearc();
    EXPECT_EQ(arc.rx, 40);
    EXPECT_EQ(arc.x1, 90);
    EXPECT_EQ(arc.y1, yydevicey(50));
    EXPECT_EQ(arc.x2, yydevicex(50 + 40 * std::cos(3.0f)));
    EXPECT_EQ(arc.y2, yydevicey(50 + 40 * std::sin(3.0f)));
}

TEST_F(TwinDrivers, FontCellsWithTheFactorsOfTheFontKinds) {
    g.rotatedClipWidth = 80, g.rotatedClipHeight = 40;
    g.CharWidth = 0.125f, g.CharHeight = 0.25f;  // 100 x 100 device units before the factors
    g.DeviceTextAngle = 89.9f;
    g.FontStyle = 1 | 4;
    struct Case {
        int kind, family, width, height, style;
    };
    const Case cases[] = {{0, 2, 100, 100, 5}, {1, 1, 60, 82, 1}, {2, 2, 72, 82, 5}, {2, 4, 100, 82, 5}};
    for (const Case& c : cases) {
        g.FontClass = c.kind;
        g.FontNumber = c.family;
        const FontCell cell = yyfontcell();
        EXPECT_EQ(cell.width, c.width) << c.kind << "/" << c.family;
        EXPECT_EQ(cell.height, c.height) << c.kind;
        EXPECT_EQ(cell.style, c.style) << c.kind;
        EXPECT_EQ(cell.angle, 89);
    }
    g.CharWidth = g.CharHeight = 0;
    EXPECT_EQ(yyfontcell().width, 1);
    EXPECT_EQ(yyfontcell().height, 1);
}

TEST_F(TwinDrivers, TextMovesToTheBaselineAndCountsAreBounded) {
    g.DeviceTextCos = 1, g.DeviceTextSinOverAspect = 0;
    g.OperandX[1] = 10, g.OperandY[1] = 50, g.OperandX[3] = 30, g.OperandY[3] = 50;
    g.OperandPixelX[1] = -3;
    g.FontStyle = 8;
    g.TextJustification = 2;
    TextPlacement text = yytextplacement(20.0f);  // 2 surface units down
    EXPECT_EQ(text.x1, 100);
    EXPECT_EQ(text.y1, yydevicey(48));
    EXPECT_EQ(text.x2, 300);
    EXPECT_EQ(text.length, 0);
    EXPECT_EQ(text.boxed, 1);
    EXPECT_EQ(text.justification, 2);
    g.FontClass = 1;  // the fixed-pitch standard font: left, no box
    g.OperandPixelX[1] = 5000;
    text = yytextplacement(0.0f);
    EXPECT_EQ(text.justification, 0);
    EXPECT_EQ(text.boxed, 0);
    EXPECT_EQ(text.length, 260);
    g.FontClass = 0;
    g.FontBoxOff = 1;
    EXPECT_EQ(yytextplacement(0.0f).boxed, 0);
}

TEST_F(TwinDrivers, ImageBoxesAndOffsetsByRotation) {
    g.HardcopyScaleX = g.HardcopyScaleY = 2.0f;
    g.clipPixelX1 = 10, g.clipPixelY1 = 20, g.clipPixelX2 = 60, g.clipPixelY2 = 70;
    ImagePlacement image = yyimageplacement(true);
    EXPECT_EQ(image.box, (DeviceBox{20, 58, 120, 158}));
    EXPECT_EQ(image.offsetX, 0);
    g.rotation = 90;
    image = yyimageplacement(true);
    EXPECT_EQ(image.box, (DeviceBox{40, 78, 140, 178}));
    EXPECT_EQ(image.offsetX, (70 - 100) * 2);
    EXPECT_EQ(image.offsetY, 200);
    EXPECT_EQ(yyimageplacement(false).box, (DeviceBox{20, 58, 120, 158}));
    g.rotation = 180;
    image = yyimageplacement(true);
    EXPECT_EQ(image.offsetX, 140);
    EXPECT_EQ(image.offsetY, (200 - 90) * 2);
    g.rotation = 270;
    image = yyimageplacement(true);
    EXPECT_EQ(image.offsetX, 200);
    EXPECT_EQ(image.offsetY, (100 - 90) * 2);
}

TEST_F(TwinDrivers, PrinterPenWidths) {
    EXPECT_EQ(yyprinterpenwidth(0, 0, 5), 0);      // before the first open
    EXPECT_EQ(yyprinterpenwidth(600, 600, 5), 3);  // 4.17 pixels, less one
    EXPECT_EQ(yyprinterpenwidth(600, 300, 12), 6);  // (9 + 4) / 2
    EXPECT_EQ(yyprinterpenwidth(72, 72, 1), 0);
}

TEST_F(TwinDrivers, LongPolylinesAreCutIntoPiecesSharingAVertex) {
    using Pieces = std::vector<PolylinePiece>;
    // A record counts its points in a signed 16-bit word.
    EXPECT_EQ(yypolylinepieces(70000, false), (Pieces{{1, 32767}, {32767, 65533}, {65533, 70000}}));
    EXPECT_EQ(yypolylinepieces(70000, true), (Pieces{{1, 70000}}));
    EXPECT_EQ(yypolylinepieces(32767, false), (Pieces{{1, 32767}}));
    EXPECT_EQ(yypolylinepieces(32768, false), (Pieces{{1, 32767}, {32767, 32768}}));
    EXPECT_EQ(yypolylinepieces(200000, false).size(), static_cast<std::size_t>((200000 + 32764) / 32766));
    EXPECT_EQ(yypolylinepieces(200000, false).back().last, 200000);
    EXPECT_TRUE(yypolylinepieces(0, false).empty());
}

TEST_F(TwinDrivers, ThePlaceableHeaderOfA756By540Page) {
    const MetafilePage page = yymetafilepage(756, 540);
    EXPECT_EQ(page.extentX, 7560);
    EXPECT_EQ(page.extentY, 5400);
    EXPECT_EQ(page.right, 10500);
    EXPECT_EQ(page.bottom, 7500);
    EXPECT_EQ(page.checksum, 24753);
    EXPECT_EQ(yymetafileframe(page.extentX), 26670);
    EXPECT_EQ(yymetafileframe(page.extentY), 19050);
    std::uint8_t header[22];
    yyplaceableheader(page.right, page.bottom, page.checksum, header);
    const std::uint8_t expected[22] = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 0x04, 0x29,
                                       0x4C, 0x1D, 0xE8, 0x03, 0, 0, 0, 0, 0xB1, 0x60};
    EXPECT_EQ(std::vector<std::uint8_t>(header, header + 22), std::vector<std::uint8_t>(expected, expected + 22));
    // The checksum is the exclusive or of the ten words before it.
    unsigned sum = 0;
    for (int i = 0; i < 10; ++i) sum ^= header[2 * i] | (header[2 * i + 1] << 8);
    EXPECT_EQ(sum, static_cast<unsigned>(page.checksum));
}

TEST_F(TwinDrivers, EnhancedExtentsInReferencePixels) {
    struct Case {
        int extent, pixels, millimetres, expected;
    };
    const Case cases[] = {{7560, 4800, 203, 6306}, {5400, 6600, 279, 4506}, {7560, 1280, 338, 1009}, {100, 5, 0, 100}};
    for (const Case& c : cases) EXPECT_EQ(yyreferenceextent(c.extent, c.pixels, c.millimetres), c.expected) << c.pixels;
}

TEST_F(TwinDrivers, TheDescriptionNamesTheDriverAndTheTitle) {
    const std::vector<char> description = yymetafiledescription("Plot", 4);
    EXPECT_EQ(description.size(), 22u + 4u);
    EXPECT_EQ(std::string(description.data()), "KBN metafile driver");
    EXPECT_EQ(std::string(description.data() + 20), "Plot");
    EXPECT_EQ(description[24], '\0');
    EXPECT_EQ(description[25], '\0');
}

}  // namespace
