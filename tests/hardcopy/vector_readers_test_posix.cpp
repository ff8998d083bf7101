// vector_readers_test_posix.cpp - the PostScript, SVG and CGM drivers' files read back by
// independent readers: Ghostscript, xmllint, rsvg-convert and LibreOffice.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "file_driver_rig.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "vector_readers.hpp"

namespace {

class VectorReaders : public FileDriverRig {};

TEST_F(VectorReaders, GhostscriptDrawsALineAfterAStringOf300Backslashes) {
    begin(xxpost, {{5, 0}}, "text.ps");
    setUpOpcodes();
    GraphicsState& g = gravim.graphics;
    g.EffectiveFontNumber = 1;
    g.CharWidth = 0.01f;
    g.CharHeight = 0.02f;
    g.rotatedClipWidth = 640;
    g.rotatedClipHeight = 480;
    g.HardcopyTextScaleX = g.HardcopyTextScaleY = 1;
    send(OpFont);
    text(std::string(300, '\\'), 10, 10);
    rgb(255, 0, 0);
    gravim.hardcopy.HardcopyOptions[9] = 100;
    send(OpLineWidth);
    line(100, 240, 540, 240);
    end();
    const Raster page = renderPostScript("text.ps", 72);
    ASSERT_TRUE(page.ok()) << page.problem;
    EXPECT_GT(page.count([](Rgb c) { return c.red > 200 && c.green < 60 && c.blue < 60; }), 500);
}

TEST_F(VectorReaders, GhostscriptCountsThreePages) {
    begin(xxpost, {}, "pages.ps");
    setUpOpcodes();
    for (int page = 0; page < 3; ++page) {
        line(10, 10, 200 + 50 * page, 100);
        gravim.graphics.OperandCount = page < 2 ? 0 : 1;
        gravim.graphics.OperandValue = 32;
        send(OpPage);
    }
    end();
    const std::vector<BoundingBox> boxes = ghostscriptBoxes("pages.ps");
    EXPECT_EQ(boxes.size(), 3u);
}

TEST_F(VectorReaders, EpsDrawingStaysInsideItsDeclaredBoundingBox) {
    for (const int landscape : {0, 1}) {
        begin(xxpost, {{22, 1}, {5, landscape}}, "figure.eps");
        GraphicsState& g = gravim.graphics;
        g.clipX1 = g.clipY1 = 2;  // the strokes' half widths stay inside too
        g.clipX2 = 637;
        g.clipY2 = 477;
        setUpOpcodes();
        rgb(0, 0, 255);
        rectangle(-50, -50, 700, 700);  // clamped to the area by the driver
        rgb(0, 0, 0);
        line(2, 2, 637, 477);
        const std::string file = end();
        std::smatch declared;
        ASSERT_TRUE(std::regex_search(file, declared, std::regex("%%BoundingBox: 0 0 (\\d+) (\\d+)")));
        const int width = std::stoi(declared[1]), height = std::stoi(declared[2]);
        EXPECT_EQ(width, landscape ? 540 : 756);
        const std::vector<BoundingBox> boxes = ghostscriptBoxes("figure.eps");
        ASSERT_EQ(boxes.size(), 1u) << landscape;
        const BoundingBox& b = boxes[0];
        EXPECT_GE(b.x1, 0) << landscape;
        EXPECT_GE(b.y1, 0) << landscape;
        EXPECT_LE(b.x2, width) << landscape;
        EXPECT_LE(b.y2, height) << landscape;
        EXPECT_GT(b.x2 - b.x1, width * 9 / 10) << landscape;  // the drawing fills the box
        EXPECT_GT(b.y2 - b.y1, height * 9 / 10) << landscape;
    }
}

}  // namespace
