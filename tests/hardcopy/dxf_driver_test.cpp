// dxf_driver_test.cpp - the DXF driver's file: header and tables, the real and integer forms,
// colours by option 23, entities and fills; natively every file is audited by ezdxf.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/dxf_driver.hpp"
#include "hardcopy/hardcopy.hpp"
#include "plotter_support.hpp"
#include "scratch.hpp"

namespace {

// The groups of a DXF file as (code, value) pairs.
using Groups = std::vector<std::pair<std::string, std::string>>;

Groups groupsOf(const std::vector<std::string>& lines) {
    Groups groups;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) groups.emplace_back(lines[i], lines[i + 1]);
    return groups;
}

// The groups from the n-th entity of that name (counted from 0) to the next "0" group.
Groups entity(const Groups& all, const std::string& name, int n = 0) {
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] != std::pair<std::string, std::string>{"0", name} || n-- > 0) continue;
        Groups e{all[i]};
        for (std::size_t k = i + 1; k < all.size() && all[k].first != "0"; ++k) e.push_back(all[k]);
        return e;
    }
    return {};
}

long countGroups(const Groups& groups, const std::string& code, const std::string& value) {
    return std::count(groups.begin(), groups.end(), std::pair<std::string, std::string>{code, value});
}

class DxfDriver : public ::testing::Test {
protected:
    void SetUp() override {
        plotterSurface();
        IGrHardCopySelect(1, 8);
    }
    void TearDown() override {
        IGrHardCopy("S");
        yyresetgravim();
    }
    static void start() { IGrHardCopy("out.dxf"); }
    // Ends the output, audits the file with ezdxf where it runs, and gives its groups.
    static Groups stop() {
        IGrHardCopy("S");
#ifndef _WIN32
        const std::string command = "/usr/bin/python3 -c \"import sys, ezdxf; doc = ezdxf.readfile('out.dxf'); a = doc.audit(); "
                                    "[print(e.message) for e in a.errors]; sys.exit(len(a.errors) != 0)\" >audit.log 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << readWholeFile("audit.log");
#endif
        return groupsOf(fileLines("out.dxf"));
    }
    ScratchFolder folder;
};

TEST_F(DxfDriver, HeaderTablesAndTheEndOfTheFile) {
    start();
    const Groups g = stop();
    ASSERT_GE(g.size(), 30u);
    const Groups header(g.begin(), g.begin() + 22);
    EXPECT_EQ(header, (Groups{{"0", "SECTION"}, {"2", "HEADER"}, {"9", "$EXTMIN"}, {"10", "0.0"}, {"20", "0.0"}, {"9", "$EXTMAX"},
                              {"10", "10.5"}, {"20", "7.5"}, {"9", "$CECOLOR"}, {"62", "7"}, {"9", "$CELTYPE"}, {"6", "DASHDOT"},
                              {"9", "$VIEWCTR"}, {"10", "5.25"}, {"20", "3.75"}, {"9", "$LIMMIN"}, {"10", "0.0"}, {"20", "0.0"},
                              {"9", "$LIMMAX"}, {"10", "10.5"}, {"20", "7.5"}, {"0", "ENDSEC"}}));
    EXPECT_EQ(entity(g, "LTYPE", 5), (Groups{{"0", "LTYPE"}, {"2", "HIDDEN"}, {"70", "0"}, {"3", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ "},
                                             {"72", "65"}, {"73", "2"}, {"40", "0.25"}, {"49", "0.12"}, {"49", "-0.12"}}));
    EXPECT_EQ(countGroups(g, "0", "LAYER"), 9);
    EXPECT_EQ(countGroups(g, "6", "CONTINUOUS"), 9);
    EXPECT_EQ(std::vector(g.end() - 4, g.end()), (Groups{{"0", "SECTION"}, {"2", "ENTITIES"}, {"0", "ENDSEC"}, {"0", "EOF"}}));
}

TEST_F(DxfDriver, EntitiesInInchesWithTheRealAndIntegerForms) {
    start();
    GraphicsState& g = gravim.graphics;
    g.lineType = 2;
    drawLine(0, 0, 999.99f * 2 / 10.5f, 749.99f * 1.5f / 7.5f);  // to (2, 1.5) inches
    drawPolyline({});
    g.OperandX[1] = 100;
    g.OperandY[1] = 100;
    yyhdrv(OpPoint);
    g.lineType = 0;
    g.OperandX[1] = 1e15f;  // far wider than the real form's field: written whole
    g.OperandY[1] = -1e12f;
    yyhdrv(OpPoint);
    drawText(std::string("two\r\nlines\x1b"), 0, 0);
    drawText("", 0, 0);
    setArc(500, 375, 100, 350, -20);
    yyhdrv(OpOutlineArc);
    const Groups all = stop();
    EXPECT_EQ(entity(all, "LINE"), (Groups{{"0", "LINE"}, {"8", "1"}, {"62", "7"}, {"6", "DASHED"}, {"39", "0.006944"},
                                           {"10", "0."}, {"20", "0."}, {"11", "2."}, {"21", "1.5"}}));
    EXPECT_EQ(entity(all, "POLYLINE"), (Groups{{"0", "POLYLINE"}, {"8", "1"}, {"62", "7"}, {"6", "DASHED"}, {"39", "0.006944"}, {"66", "1"}, {"70", "0"}}));
    EXPECT_EQ(entity(all, "VERTEX"), Groups{});
    EXPECT_EQ(countGroups(all, "0", "SEQEND"), 1);
    EXPECT_EQ(entity(all, "POINT"), (Groups{{"0", "POINT"}, {"8", "1"}, {"62", "7"}, {"10", "1.050011"}, {"20", "1.000013"}}));
    const Groups far = entity(all, "POINT", 1);
    ASSERT_EQ(far.size(), 5u);
    EXPECT_EQ(far[3].second.find('*'), std::string::npos);
    EXPECT_EQ(far[3].second.substr(0, 5), "10500");  // 1.05e13 inches: fourteen digits before the point
    EXPECT_EQ(far[3].second.find('.'), 14u);
    EXPECT_EQ(far[4].second.substr(0, 1), "-");
    const Groups text = entity(all, "TEXT");
    ASSERT_GE(text.size(), 8u);
    EXPECT_EQ(text[6], (std::pair<std::string, std::string>{"1", "two  lines "}));  // no line end inside a value
    EXPECT_EQ(text[5], (std::pair<std::string, std::string>{"50", "0"}));
    EXPECT_EQ(entity(all, "TEXT", 1)[6], (std::pair<std::string, std::string>{"1", ""}));
    const Groups arc = entity(all, "ARC");
    ASSERT_EQ(arc.size(), 9u);
    EXPECT_EQ(arc[7], (std::pair<std::string, std::string>{"50", "330."}));
    EXPECT_EQ(arc[8], (std::pair<std::string, std::string>{"51", "350."}));
}

TEST_F(DxfDriver, ColoursByTableBandsNearestEntryAndTrueColour) {
    struct Case {
        int mode;
        int index;
        const char* code;
        const char* value;
    };
    int red = 0;
    yypalg(40, red);
    const int r = red & 255, gr = (red >> 8) & 255, b = (red >> 16) & 255;
    const std::string trueColour = std::to_string(r * 65536 + gr * 256 + b);
    const Case cases[] = {
        {4, 40, "62", "9"}, {4, 223, "62", "7"}, {3, 40, "62", "1"}, {3, 10, "62", "7"}, {3, 200, "62", "6"},
        {8, 0, "62", "7"},  {24, 40, "420", trueColour.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + std::to_string(c.index));
        plotterSurface();
        IGrHardCopySelect(1, 8);
        IGrHardCopyOptions(23, c.mode);
        start();
        setColour(c.index);
        drawLine(0, 0, 10, 10);
        const Groups all = stop();
        const Groups line = entity(all, "LINE");
        ASSERT_GE(line.size(), 3u);
        EXPECT_EQ(line[2], (std::pair<std::string, std::string>{c.code, c.value}));
        const bool seven = std::string(c.code) == "62" && std::string(c.value) == "7";
        EXPECT_EQ(countGroups(all, "62", "7"), seven ? 11 : 10);  // $CECOLOR and the layers keep theirs
    }
}

TEST_F(DxfDriver, TheNearestPaletteEntry) {
    EXPECT_EQ(yydxfpal(32), 0x0052B9);
    EXPECT_EQ(yydxfpal(72), 0x48A552);
    EXPECT_EQ(yydxfcol(0xFFFFFF), 7);
    EXPECT_EQ(yydxfcol(0x0000FF), 1);   // red
    EXPECT_EQ(yydxfcol(0x0000FE), 1);   // nearly red
    EXPECT_EQ(yydxfcol(0x010203), 19);  // nearly black: the first of the darkest half-saturated entries
    // A repeated colour takes the remembered number: a changed palette entry is not seen.
    start();
    GraphicsState& g = gravim.graphics;
    g.colourModel = 2;
    g.colourState[2][1] = 0x0000FE;
    yyhdrv(OpColour);
    drawLine(0, 0, 1, 1);
    yyhdrv(OpColour);
    drawLine(0, 0, 1, 1);
    const Groups all = stop();
    EXPECT_EQ(entity(all, "LINE", 0)[2].second, "1");
    EXPECT_EQ(entity(all, "LINE", 1)[2].second, "1");
}

TEST_F(DxfDriver, FillsAsSolidsCirclesOrHatchLines) {
    start();
    GraphicsState& g = gravim.graphics;
    g.lineType = 3;
    g.fillStyle = 4;
    g.clipX1 = 100;
    g.clipY1 = 50;
    fillRectangle(0, 0, 200, 150);  // clamped to the area's corner (100, 50)
    g.fillStyle = 5;
    fillRectangle(0, 0, 200, 150);  // nothing
    g.fillStyle = 0;
    fillEllipse(500, 375, 100, 100);  // a circle: ratio 1 on a square area
    fillEllipse(500, 375, 100, 50);   // nothing written, hatch lines requested
    g.fillStyle = 4;
    fillPolygon(OpPolygonPattern, {{200, 200}, {400, 200}, {300, 400}});  // hatched
    const Groups all = stop();
    EXPECT_EQ(entity(all, "SOLID"), (Groups{{"0", "SOLID"}, {"8", "1"}, {"62", "7"}, {"10", "1.050011"}, {"20", "0.500007"},
                                            {"11", "1.050011"}, {"21", "1.50002"}, {"12", "2.100021"}, {"22", "0.500007"},
                                            {"13", "2.100021"}, {"23", "1.50002"}}));
    EXPECT_EQ(entity(all, "SOLID", 1), Groups{});
    const Groups circle = entity(all, "CIRCLE");  // the centre's last decimal depends on the floating-point unit
    ASSERT_EQ(circle.size(), 7u);
    EXPECT_EQ(Groups(circle.begin(), circle.begin() + 4), (Groups{{"0", "CIRCLE"}, {"8", "1"}, {"62", "7"}, {"39", "0.006944"}}));
    EXPECT_NEAR(std::stod(circle[4].second), 5.2500525, 2e-6);
    EXPECT_NEAR(std::stod(circle[5].second), 3.7500500, 2e-6);
    EXPECT_EQ(circle[6], (std::pair<std::string, std::string>{"40", "1.050011"}));
    EXPECT_EQ(entity(all, "CIRCLE", 1), Groups{});
    EXPECT_GT(countGroups(all, "0", "LINE"), 100);
    EXPECT_EQ(countGroups(all, "6", "DASHDOT"), 1);  // only the header's: no line type on hatch lines
}

TEST_F(DxfDriver, OnlyASquareAreaHasCirclesAndArcs) {
    start();
    GraphicsState& g = gravim.graphics;
    g.areaX2 = 0.5f;
    g.areaWidth = 0.5f;
    fillEllipse(500, 375, 100, 100);
    setArc(500, 375, 100, 0, 90);
    yyhdrv(OpOutlineArc);
    EXPECT_EQ(g.pageDrawn, 1);
    const Groups all = stop();
    EXPECT_EQ(entity(all, "CIRCLE"), Groups{});
    EXPECT_EQ(entity(all, "ARC"), Groups{});
}

}  // namespace
