// svg_driver_test.cpp - the SVG driver: the document frame, stroke, fill and text groups, the
// number form, long point lists, arcs, clip paths and the text escapes.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "file_driver_rig.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/svg_driver.hpp"

namespace {

constexpr const char* blackGroup =
    "<g style=\"fill:none;stroke:#000000;stroke-dasharray:none;stroke-width:1;stroke-linejoin:miter;stroke-linecap:butt\">";

class SvgDriver : public FileDriverRig {
protected:
    void SetUp() override {
        FileDriverRig::SetUp();
        surface(641, 481);  // both scale factors 1 on the default page (640 x 480)
        GraphicsState& g = gravim.graphics;
        g.surfaceMaxX = g.clipX2 = 640.0f;
        g.surfaceMaxY = g.clipY2 = 480.0f;
    }
    void start(std::initializer_list<std::pair<int, int>> options = {}) {
        begin(xxsvg, options, "out.svg");
        setUpOpcodes();
    }
    // The lines after the document head and the first stroke group, without the closing line.
    static std::vector<std::string> body(const std::string& file) {
        std::vector<std::string> all = lines(file);
        if (all.size() < 5) return {};
        return {all.begin() + 4, all.end() - 1};
    }
};

TEST_F(SvgDriver, TheDocumentHasItsNamespaceOneGroupPerStyleAndEndsBalanced) {
    start();
    rgb(0, 0, 0);  // unchanged: nothing
    line(10, 470, 100.5f, 380);
    rgb(255, 0, 0);
    gravim.hardcopy.HardcopyOptions[9] = 15;
    send(OpLineWidth);
    gravim.graphics.OperandX[1] = 5, gravim.graphics.OperandY[1] = 5;
    send(OpPoint);
    const std::vector<std::string> all = lines(end());
    const std::vector<std::string> expected = {
        "<?xml version=\"1.0\"?>",
        "<!DOCTYPE svg SYSTEM \"\">",
        "<svg width=\"640\" height=\"480\" xmlns=\"http://www.w3.org/2000/svg\">",
        blackGroup,
        "<line x1=\"10\" y1=\"10\" x2=\"100.5\" y2=\"100\"/>",
        "</g>",
        "<g style=\"fill:none;stroke:#ff0000;stroke-dasharray:none;stroke-width:1;stroke-linejoin:miter;stroke-linecap:butt\">",
        "</g>",
        "<g style=\"fill:none;stroke:#ff0000;stroke-dasharray:none;stroke-width:3;stroke-linejoin:miter;stroke-linecap:butt\">",
        "<line x1=\"5\" y1=\"475\" x2=\"5\" y2=\"475\" />",
        "</g></svg>",
    };
    EXPECT_EQ(all, expected);
}

TEST_F(SvgDriver, TheNumberForm) {
    const std::pair<double, const char*> cases[] = {
        {640.0, "640"}, {12.5, "12.5"}, {12.05, "12.05"}, {-3.25, "-3.25"}, {0.5, "0.5"}, {0, "0"},
        {100.5, "100.5"}, {-0.001, "0"}, {123456789.0, "123456789"}, {-99999999.5, "-99999999.5"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(yysvg1(value), text) << value;
}

TEST_F(SvgDriver, StylesDashesJoinsCapsAndInversion) {
    start({{6, 1}});
    GraphicsState& g = gravim.graphics;
    g.lineType = 4;
    gravim.hardcopy.HardcopyOptions[10] = 2;
    gravim.hardcopy.HardcopyOptions[11] = 1;
    send(OpLineType);
    const std::vector<std::string> all = lines(end());
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all[3], "<g style=\"fill:none;stroke:#ffffff;stroke-dasharray:none;stroke-width:1;stroke-linejoin:miter;stroke-linecap:butt\">");
    EXPECT_EQ(all[5],
              "<g style=\"fill:none;stroke:#ffffff;stroke-dasharray:1 2 1 2 4 2;stroke-width:1;stroke-linejoin:bevel;stroke-linecap:round\">");
}

TEST_F(SvgDriver, FillGroupsTheMeanColourEllipseOutlinesAndClipPaths) {
    start();
    GraphicsState& g = gravim.graphics;
    rgb(255, 0, 0);
    rgb(0, 0, 255);
    rectangle(10, 10, 20, 30, 3);
    g.OperandX[1] = 100, g.OperandY[1] = 100, g.OperandX[2] = 20, g.OperandY[2] = 10;
    filled(OpEllipsePattern, 0);
    g.areaX1 = 0.25f;
    g.clipX1 = 160, g.clipY1 = 0, g.clipX2 = 640, g.clipY2 = 240;
    send(OpClip);
    send(OpClip);
    vertices({{0, 0}, {10, 0}, {10, 10}});
    filled(OpTrianglePattern, 4);
    g.areaX1 = 0;
    send(OpClip);
    filled(OpTrianglePattern, 4);
    const std::vector<std::string> out = body(end());
    const std::vector<std::string> expected = {
        "</g>",
        "<g style=\"fill:none;stroke:#ff0000;stroke-dasharray:none;stroke-width:1;stroke-linejoin:miter;stroke-linecap:butt\">",
        "</g>",
        "<g style=\"fill:none;stroke:#0000ff;stroke-dasharray:none;stroke-width:1;stroke-linejoin:miter;stroke-linecap:butt\">",
        "<g style=\"stroke:none;fill:#7f007f\">",
        "<polygon points=\"10,470 20,470 20,450 10,450\"/>",
        "</g>",
        "<ellipse cx=\"100\" cy=\"380\" rx=\"20\" ry=\"10\"/>",
        "<defs><clipPath id=\"clip1\"><rect width=\"480\" height=\"240\" x=\"160\" y=\"240\"/></clipPath></defs>",
        "<defs><clipPath id=\"clip2\"><rect width=\"480\" height=\"240\" x=\"160\" y=\"240\"/></clipPath></defs>",
        "<g style=\"stroke:none;fill:#0000ff;clip-path:url(#clip2)\">",
        "<polygon points=\"0,480 10,480 10,470\"/>",
        "</g>",
        "<g style=\"stroke:none;fill:#0000ff\">",
        "<polygon points=\"0,480 10,480 10,470\"/>",
        "</g>",
    };
    EXPECT_EQ(out, expected);
}

TEST_F(SvgDriver, ALongPolygonIsSplitOver256ColumnLines) {
    start();
    std::vector<Point> points;
    for (int i = 0; i < 200; ++i) points.push_back({static_cast<float>(i) + 0.25f, static_cast<float>(i % 7) + 100.5f});
    vertices(points);
    filled(OpPolygonPattern, 4);
    const std::vector<std::string> out = body(end());
    ASSERT_GE(out.size(), 4u);
    std::string joined;
    for (std::size_t i = 1; i + 1 < out.size(); ++i) {
        EXPECT_LE(out[i].size(), 256u) << i;
        if (i > 1) {
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(out[i][0])) || out[i] == "\"/>") << out[i];
            joined += ' ';
        }
        joined += out[i];
    }
    EXPECT_GT(out.size(), 5u);  // several lines
    std::string expected = "<polygon points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) expected += ' ';
        expected += yysvg1(points[i].x) + "," + yysvg1(480.0 - points[i].y);
    }
    // The closing quote may stand on a line of its own; the separators are single blanks.
    std::string rebuilt = joined;
    if (rebuilt.size() >= 4 && rebuilt.substr(rebuilt.size() - 4) == " \"/>") rebuilt.erase(rebuilt.size() - 4, 1);
    EXPECT_EQ(rebuilt, expected + "\"/>");
}

TEST_F(SvgDriver, ArcsAsPaths) {
    start();
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = 100, g.OperandY[1] = 380, g.OperandX[2] = 50, g.OperandY[2] = 50;
    g.OperandX[3] = 0, g.OperandY[3] = static_cast<float>(std::numbers::pi / 2);
    filled(OpArcPattern, 4);
    g.OperandY[3] = static_cast<float>(std::numbers::pi);
    g.fillStyle = 0;
    g.fillPattern[0] = 3;  // open arc
    send(OpOutlineArc);
    const std::vector<std::string> out = body(end());
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[1], "<path d=\"M 150,100 A 50,50 0 0 0 100,50 L 100,100 L 150,100\"/>");
    EXPECT_EQ(out[3], "<path d=\"M 150,100 A 50,50 0 1 0 50,100\"/>");
}

TEST_F(SvgDriver, TextGroupsPositionsRotationAndEscapes) {
    start();
    GraphicsState& g = gravim.graphics;
    g.EffectiveFontNumber = 3;
    g.FontStyle = 3;
    g.TextJustification = 1;
    g.CharWidth = 0.01f;
    g.rotatedClipWidth = 640;
    g.HardcopyTextScaleX = 1;
    g.DeviceTextAngle = 90;
    text(std::string("A&B<C>\"") + static_cast<char>(233) + static_cast<char>(128) + static_cast<char>(160) +
             static_cast<char>(1) + "\tZ",
         100, 100, 3);
    g.DeviceTextAngle = 0;
    g.TextJustification = 0;
    text("plain", 10, 10, 2);  // no group of its own opened: nothing to close
    const std::vector<std::string> out = body(end());
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0],
              "<g style=\"fill:#000000;stroke:none;font-family:'Times New Roman','Times Roman';font-weight:bold;"
              "font-style:italic;text-anchor:middle;font-size:10.56\">");
    EXPECT_EQ(out[1],
              "<text transform=\"translate(165,380)rotate(-90)\">A&#38;B&#60;C>\"&#233;&#8364;&#160;\tZ</text>");
    EXPECT_EQ(out[2], "</g>");
    EXPECT_EQ(out[3], "<text transform=\"translate(10,470)\">plain</text>");
}

}  // namespace
