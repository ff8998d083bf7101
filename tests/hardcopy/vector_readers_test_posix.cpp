// vector_readers_test_posix.cpp - the PostScript, SVG and CGM drivers' files read back by
// independent readers: Ghostscript, xmllint, rsvg-convert and LibreOffice.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../fuzz/vector_opcodes.hpp"
#include "cgm_walker.hpp"
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

namespace {

TEST_F(VectorReaders, SvgIsWellFormedAndRsvgFillsOnlyInsideTheClipAndDrawsRotatedText) {
    begin(xxsvg, {}, "page.svg");
    setUpOpcodes();
    GraphicsState& g = gravim.graphics;
    g.areaX1 = 0.5f;
    g.clipX1 = 320;
    send(OpClip);
    rgb(255, 0, 0);
    rectangle(0, 0, 639.99f, 479.99f);
    rgb(0, 0, 0);
    g.EffectiveFontNumber = 2;
    g.CharWidth = 0.05f;
    g.rotatedClipWidth = 640;
    g.HardcopyTextScaleX = 1;
    g.DeviceTextAngle = 90;
    text(std::string("HHHH&<") + static_cast<char>(233) + static_cast<char>(128) + static_cast<char>(7), 100, 100, 3);
    end();
    EXPECT_EQ(xmllintProblem("page.svg"), "");
    const Raster page = renderSvg("page.svg");
    ASSERT_TRUE(page.ok()) << page.problem;
    ASSERT_EQ(page.width, 640);
    const auto red = [](Rgb c) { return c.red > 200 && c.green < 60 && c.blue < 60; };
    EXPECT_TRUE(red(page.at(500, 240)));
    EXPECT_FALSE(red(page.at(200, 240)));
    EXPECT_FALSE(red(page.at(310, 100)));
    // The text runs upward from (100, 380) on the page: its dark pixels form a tall narrow patch.
    int left = 640, right = 0, top = 480, bottom = 0, dark = 0;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < 320; ++x)
            if (const Rgb c = page.at(x, y); c.red < 100 && c.green < 100 && c.blue < 100) {
                ++dark;
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
            }
    EXPECT_GT(dark, 200);
    EXPECT_GT(bottom - top, 2 * (right - left));
}

TEST_F(VectorReaders, LibreOfficeDrawsTheCgmVectorParts) {
    begin(xxcgm, {}, "page.cgm");
    setUpOpcodes();
    rgb(255, 0, 0);
    rectangle(320, 240, 600, 440);
    rgb(0, 0, 0);
    gravim.hardcopy.HardcopyOptions[9] = 60;
    send(OpLineWidth);
    line(20, 40, 620, 40);
    polyline({{20, 100}, {300, 100}, {300, 200}});
    end();
    const Raster page = renderCgm(folder_.path() + "/page.cgm", folder_.path());
    ASSERT_TRUE(page.ok()) << page.problem;
    EXPECT_GT(page.count([](Rgb c) { return c.red < 60 && c.green < 60 && c.blue < 60; }), 100);
    EXPECT_GT(page.count([](Rgb c) { return c.red > 200 && c.green < 60 && c.blue < 60; }), 1000);
    EXPECT_GT(page.count([](Rgb c) { return c.red > 230 && c.green > 230 && c.blue > 230; }), page.width * page.height / 3);
}

}  // namespace

namespace {

// A few hundred random opcode streams, as the fuzz targets make them.
std::vector<std::vector<std::uint8_t>> randomStreams(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::vector<std::uint8_t>> streams;
    for (int i = 0; i < count; ++i) {
        std::vector<std::uint8_t> bytes(64 + random() % 2000);
        for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
        streams.push_back(std::move(bytes));
    }
    return streams;
}

TEST_F(VectorReaders, RandomStreamsGiveWellFormedSvgAndWholeCgm) {
    int index = 0, checked = 0;
    for (const std::vector<std::uint8_t>& stream : randomStreams(200, 21)) {
        const std::string svg = "random" + std::to_string(index) + ".svg";
        fuzzVectorDriver(stream.data(), stream.size(), xxsvg, svg);
        const std::string document = readWholeFile(svg);
        if (!document.empty()) {
            EXPECT_EQ(xmllintProblem(svg), "") << index;
            checked += std::count(document.begin(), document.end(), '\n') > 5 ? 1 : 0;
        }
        const std::string cgm = "random" + std::to_string(index) + ".cgm";
        fuzzVectorDriver(stream.data(), stream.size(), xxcgm, cgm);
        const std::string bytes = readWholeFile(cgm);
        if (!bytes.empty()) {
            const CgmWalk walk = walkCgm(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            EXPECT_TRUE(walk.complete) << index << " " << walk.problem;
            ASSERT_FALSE(walk.elements.empty());
            EXPECT_EQ(walk.elements.back().id, 2) << index;  // END METAFILE
        }
        ++index;
    }
    EXPECT_GT(checked, 50);  // many streams draw more than their head
}

}  // namespace
