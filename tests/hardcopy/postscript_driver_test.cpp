// postscript_driver_test.cpp - the PostScript and EPS driver and its line writers: the header and
// prolog, lazy paths and colours, dashes, widths, joins and caps, text lines, pages, the EPS
// switch, the end-of-job byte and the hexadecimal image.
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "postscript_driver_rig.hpp"
#include "file_driver_rig.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/postscript_driver.hpp"
#include "hardcopy/postscript_writer.hpp"

namespace {

TEST_F(PostScriptDriver, TheHeaderProlog12FontsAndSetUpAreWrittenExactly) {
    begin(xxpost, {}, "out.ps", "Sea  surface   temperature");
    setUpOpcodes();
    const std::vector<std::string> all = lines(end());
    std::vector<std::string> expected = {
        "%!PS-Adobe-3.0",
        "%%Title: Sea surface temperature",
        "%%Creator: K.B.N. PostScript driver",
        "%%EndComments",
        "/l {lineto} def/m {moveto} def/g {setrgbcolor} def/w {setlinewidth} def",
        "/d {setdash} def/cf {closepath fill} def/s {stroke} def/ff {findfont} def",
        "/ms {makefont setfont} def/ro {rotate} def/cs {closepath stroke} def",
        "/lsh {show} def/rsh {dup stringwidth pop 0 exch sub 0 rmoveto show} def",
        "/csh {dup stringwidth pop 2 div 0 exch sub 0 rmoveto show} def",
        "%%EndProlog",
    };
    const char* faces[] = {"/Courier",   "/Courier-Bold",   "/Courier-Oblique",   "/Courier-BoldOblique",
                           "/Helvetica", "/Helvetica-Bold", "/Helvetica-Oblique", "/Helvetica-BoldOblique",
                           "/Times-Roman", "/Times-Bold",   "/Times-Italic",      "/Times-BoldItalic"};
    const char* names[] = {"Courier", "Helvetica", "Times"};
    for (int i = 0; i < 12; ++i) {
        expected.push_back(std::string(faces[i]) + " ff");
        expected.push_back("dup length dict begin");
        expected.push_back("{1 index /FID ne {def} {pop pop} ifelse} forall");
        expected.push_back("/Encoding ISOLatin1Encoding def");
        expected.push_back(std::string("currentdict end /") + names[i / 4] + "-" + std::to_string(i % 4 + 1) + " exch definefont pop");
    }
    for (const char* l : {"/Symbol ff", "dup length dict begin", "{1 index /FID ne {def} {pop pop} ifelse} forall",
                          "currentdict end /Symbol exch definefont pop", "90.0 ro", "42.0 -560.0 translate", "newpath",
                          "%%Page: 1 1", "0.50 w", "0 setlinejoin", "5.0 setmiterlimit", "0 setlinecap", "initclip",
                          "0.0 0.0 m", "756.0 0.0 l", "756.0 540.0 l", "0.0 540.0 l", "clip", "newpath", "%%EOF", "initgraphics"})
        expected.push_back(l);
    ASSERT_EQ(all.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(all[i], expected[i]) << i;
    EXPECT_EQ(all.back(), " \x04");  // option 15: blank and end of transmission, no line end
}

TEST_F(PostScriptDriver, TheRedLineIsDrawnLazilyAndItsColourWrittenAtTheStroke) {
    start();
    rgb(255, 0, 0);
    line(10, 10, 100, 10);
    line(100, 10, 100, 50);  // continues: no new moveto
    rgb(255, 0, 0);          // the same colour: the path stays open
    line(200, 200, 300, 300);
    rgb(0, 0, 255);          // forces the stroke in red
    rgb(0, 0, 255);
    line(1, 2, 3, 4);
    EXPECT_EQ(afterSetUp(end()),
              (std::vector<std::string>{"10.0 10.0 m", "100.0 10.0 l", "100.0 50.0 l", "200.0 200.0 m", "300.0 300.0 l",
                                        "1.0 0.0 0.0 g", "s", "1.0 2.0 m", "3.0 4.0 l", "0.0 0.0 1.0 g", "s", "/#copies 1 def",
                                        "gsave showpage grestore", "%%EOF", "initgraphics", " \x04"}));
}

TEST_F(PostScriptDriver, AColourChangeWithoutPathWritesNothingAndAnUnchangedColourNoGLine) {
    start();
    rgb(0, 255, 0);
    rgb(0, 0, 0);  // black before anything is drawn: no stroke, nothing written
    line(1, 1, 2, 2);
    rgb(0, 255, 0);
    rgb(0, 0, 0);
    line(3, 3, 4, 4);
    EXPECT_EQ(afterSetUp(end()), (std::vector<std::string>{"1.0 1.0 m", "2.0 2.0 l", "0.0 0.0 0.0 g", "s", "3.0 3.0 m", "4.0 4.0 l",
                                                           "s", "/#copies 1 def", "gsave showpage grestore", "%%EOF",
                                                           "initgraphics", " \x04"}));
}

TEST_F(PostScriptDriver, The256thSegmentStrokesAndMovesAndPolylinesKeepTheLimit) {
    start();
    std::vector<Point> points;
    for (int i = 0; i <= 256; ++i) points.push_back({static_cast<float>(i), 5});
    for (int i = 0; i < 256; ++i) line(points[static_cast<std::size_t>(i)].x, 5, points[static_cast<std::size_t>(i) + 1].x, 5);
    std::vector<std::string> out = afterSetUp(end());
    ASSERT_GE(out.size(), 260u);
    EXPECT_EQ(out[0], "0.0 5.0 m");
    EXPECT_EQ(out[255], "255.0 5.0 l");
    EXPECT_EQ(out[256], "0.0 0.0 0.0 g");
    EXPECT_EQ(out[257], "s");
    EXPECT_EQ(out[258], "255.0 5.0 m");
    EXPECT_EQ(out[259], "256.0 5.0 l");

    start({{16, 10}});
    polyline(std::vector<Point>(points.begin(), points.begin() + 13));
    out = afterSetUp(end());
    ASSERT_GE(out.size(), 15u);
    EXPECT_EQ(out[10], "10.0 5.0 l");
    EXPECT_EQ(out[11], "0.0 0.0 0.0 g");
    EXPECT_EQ(out[12], "s");
    EXPECT_EQ(out[13], "10.0 5.0 m");
    EXPECT_EQ(out[14], "11.0 5.0 l");
}

TEST_F(PostScriptDriver, DashWidthJoinAndCapLines) {
    start();
    const char* dashes[] = {"[1 5] 4 d", "[6 6] 3 d", "[1 3 4 4] 0 d", "[1 2 1 2 4 2] 0 d", "[5 2 3 2] 2 d", "[3 3] 1 d",
                            "[5 2 3 2 3 2] 0 d", "[] 0 d"};
    for (int type : {1, 2, 3, 4, 5, 6, 7, 0}) {
        gravim.graphics.lineType = type;
        send(OpLineType);
        send(OpLineType);  // unchanged: nothing
    }
    int* const o = gravim.hardcopy.HardcopyOptions;
    o[9] = 15;
    send(OpLineWidth);
    o[9] = 5;
    send(OpLineWidth);
    send(OpLineWidth);
    o[10] = 1;
    send(OpLineJoin);
    o[11] = 2;
    send(OpLineCap);
    std::vector<std::string> expected(std::begin(dashes), std::end(dashes));
    for (const char* l : {"1.50 w", "0.50 w", "1 setlinejoin", "2 setlinecap", "%%EOF", "initgraphics", " \x04"}) expected.push_back(l);
    EXPECT_EQ(afterSetUp(end()), expected);

    begin(xxpost, {{9, 0}}, "out.ps");
    send(OpLineWidth);  // width 0 at the start: no "w" line
    const std::string file = end();
    EXPECT_EQ(file.find(" w\r\n"), std::string::npos);
}

TEST_F(PostScriptDriver, TheTwoDecimalFormAndWideNumbers) {
    const std::pair<double, const char*> cases[] = {
        {0, "0.0"},        {0.5, "0.50"},         {-0.25, "-0.25"},         {5.0, "5.0"},         {90.0, "90.0"},
        {-560.0, "-560.0"}, {12.1, "12.10"},      {999999.99, "999999.99"}, {1000000, "1000000.0"},
        {-123456.78, "-123456.78"}, {1e20, "100000000000000000000.0"}, {-0.001, "0.0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(yycollapse(yypsreal(value)), text) << value;
    EXPECT_EQ(yycollapse("    12.0     30.50 m"), "12.0 30.50 m");
    char hex[6];
    yyrgbhex(255, 128, 0, hex);
    EXPECT_EQ(std::string(hex, 6), "ff8000");
}

TEST_F(PostScriptDriver, TextLinesFontsEscapesCutsAndRotation) {
    start();
    GraphicsState& g = gravim.graphics;
    g.EffectiveFontNumber = 2;
    g.FontStyle = 0;
    g.CharWidth = 0.01f;
    g.CharHeight = 0.02f;
    g.rotatedClipWidth = 756;
    g.rotatedClipHeight = 500;
    g.HardcopyTextScaleX = g.HardcopyTextScaleY = 1;
    send(OpFont);
    text("Depth (m)", 100, 200);
    g.DeviceTextAngle = 45.7f;
    g.TextJustification = 2;
    text("a\\b", 100, 200);
    g.DeviceTextAngle = 0;
    g.TextJustification = 0;
    text(std::string(300, '\\'), 5, 5);
    const std::vector<std::string> out = afterSetUp(end());
    ASSERT_GE(out.size(), 10u);
    EXPECT_EQ(out[0], "0.0 0.0 0.0 g");  // the colour before the first text, the path left open
    EXPECT_EQ(out[1], "/Helvetica-1 ff [ 12.5 0 0 10.0 0 0] ms");
    EXPECT_EQ(out[2], "100.0 200.0 m");
    EXPECT_EQ(out[3], "(Depth \\(m\\)) lsh");
    EXPECT_EQ(out[4], "130.0 200.0 m");
    EXPECT_EQ(out[5], "45.0 ro");
    EXPECT_EQ(out[6], "(a\\\\b) rsh");
    EXPECT_EQ(out[7], "315.0 ro");
    EXPECT_EQ(out[8], "5.0 5.0 m");
    // Cut before a pair: 124 escaped backslashes, and the string still ends.
    EXPECT_EQ(out[9], "(" + std::string(248, '\\') + ") lsh");
}

TEST_F(PostScriptDriver, ATitleWithALineBreakStaysInItsComment) {
    begin(xxpost, {}, "out.ps", "first\r\nshowpage\tquit");
    const std::vector<std::string> all = lines(end());
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[1], "%%Title: first showpage quit");
    EXPECT_EQ(all[2], "%%Creator: K.B.N. PostScript driver");
}

TEST_F(PostScriptDriver, EpsInPortraitAndLandscapeClampsRectanglesAndWritesNoPageMachinery) {
    for (const int landscape : {0, 1}) {
        start({{22, 1}, {5, landscape}});
        GraphicsState& g = gravim.graphics;
        g.clipX1 = 100, g.clipY1 = 50, g.clipX2 = 300, g.clipY2 = 200;
        send(OpClip);
        rgb(0, 0, 255);
        rectangle(0, 0, 500, 500);
        const std::string file = end();
        const std::vector<std::string> all = lines(file);
        ASSERT_GE(all.size(), 2u);
        EXPECT_EQ(all[0], "%!PS-Adobe-3.0 EPSF-3.0");
        EXPECT_EQ(all[1], landscape ? "%%BoundingBox: 0 0 540 756" : "%%BoundingBox: 0 0 756 540");
        EXPECT_EQ(linesFrom(file, "90.0 ro").size() > 0, landscape == 1);
        EXPECT_FALSE(linesFrom(file, landscape ? "0.0 -540.0 translate" : "0.0 0.0 translate").empty());
        EXPECT_TRUE(linesFrom(file, "initclip").empty());
        EXPECT_EQ(file.find("#copies"), std::string::npos);
        EXPECT_EQ(file.find("showpage"), std::string::npos);
        EXPECT_EQ(file.find("initgraphics"), std::string::npos);
        const std::vector<std::string> shape = linesFrom(file, "100.0 50.0 m");
        ASSERT_GE(shape.size(), 6u);
        EXPECT_EQ(shape[1], "300.0 50.0 l");
        EXPECT_EQ(shape[2], "300.0 200.0 l");
        EXPECT_EQ(shape[3], "100.0 200.0 l");
        EXPECT_EQ(shape[4], "0.0 0.0 1.0 g");
        EXPECT_EQ(shape[5], "cf");
        EXPECT_EQ(file.substr(file.size() - 7), "%%EOF\r\n");
    }
}

TEST_F(PostScriptDriver, PagesCopiesAndTheLinePrefix) {
    start({{8, 1500}, {17, 1}, {15, 0}});
    line(1, 1, 2, 2);
    gravim.graphics.OperandCount = 0;
    send(OpPage);
    line(1, 1, 2, 2);
    const std::string file = end();
    for (const std::string& l : lines(file)) EXPECT_EQ(l.substr(0, 1), " ") << l;
    EXPECT_FALSE(linesFrom(file, " %%Page: 2 2").empty());
    EXPECT_EQ(linesFrom(file, " %%Page: 3 3").size(), 0u);
    const std::vector<std::string> all = lines(file);
    EXPECT_EQ(std::count(all.begin(), all.end(), " /#copies 999 def"), 2);
    EXPECT_EQ(all.back(), " initgraphics");
}

TEST_F(PostScriptDriver, FillsTheMeanColourAndOutlinesEllipsesAndArcs) {
    start();
    GraphicsState& g = gravim.graphics;
    rgb(255, 0, 0);
    rgb(0, 0, 255);
    vertices({{0, 0}, {10, 0}, {10, 10}});
    filled(OpTrianglePattern, 3);
    g.OperandX[1] = 50, g.OperandY[1] = 60, g.OperandX[2] = 20, g.OperandX[3] = 1;
    g.HardcopyAspect = 756.0f / 540.0f;
    filled(OpEllipsePattern, 1);  // outline only
    filled(OpQuadPattern, 1);     // nothing
    g.OperandX[3] = 0, g.OperandY[3] = 1.5707964f;
    g.fillStyle = 0;
    g.fillPattern[0] = 3;
    send(OpOutlineArc);
    const std::vector<std::string> out = afterSetUp(end());
    const std::vector<std::string> expected = {
        "0.0 0.0 m", "10.0 0.0 l", "10.0 10.0 l", "0.50 0.0 0.50 g", "cf",
        "gsave 1.0 1.0000 scale newpath", "50.0 60.0 20.0 90. 450. arc", "0.0 0.0 1.0 g", "s", "grestore",
        "gsave 1.0 1.0000 scale newpath", "50.0 60.0 20.0 0.0 90.0 arc", "0.0 0.0 1.0 g", "s", "grestore",
        "/#copies 1 def", "gsave showpage grestore", "%%EOF", "initgraphics", " \x04"};
    EXPECT_EQ(out, expected);
}

TEST_F(PostScriptDriver, TheImageWriterPacks40PixelsALine) {
    start();
    std::vector<int> pixels(100, 0x0080FF);
    pixels[0] = 0x123456;
    yypostimage(pixels, 20, 5);
    const std::vector<std::string> out = afterSetUp(end());
    ASSERT_EQ(out.size(), 13u + 3u);
    EXPECT_EQ(out[0], "gsave");
    EXPECT_EQ(out[1], "/picstr 60 string def");
    EXPECT_EQ(out[2], "0.0 ro");
    EXPECT_EQ(out[3], "0.0 0.0 translate");
    EXPECT_EQ(out[4], "756.0 540.0 scale");
    EXPECT_EQ(out[5], "20 5 8 [20 0 0 -5 0 5]");
    EXPECT_EQ(out[6], "{currentfile picstr readhexstring pop}");
    EXPECT_EQ(out[7], "false 3");
    EXPECT_EQ(out[8], "colorimage");
    EXPECT_EQ(out[9].size(), 240u);
    EXPECT_EQ(out[9].substr(0, 12), "563412ff8000");
    EXPECT_EQ(out[10].size(), 240u);
    EXPECT_EQ(out[11].size(), 120u);
    EXPECT_EQ(out[12], "grestore");
}

TEST_F(PostScriptDriver, AnImageThatCannotBeLoadedWritesNothingAndReportsItsError) {
    start();
    GraphicsState& g = gravim.graphics;
    g.OperandText.assign("missing.bmp");
    g.OperandPixelX[2] = 4;
    g.OperandPixelY[2] = 4;
    g.pageDrawn = 0;
    send(OpImage);
    EXPECT_NE(g.OperandValue, 0);
    EXPECT_EQ(g.pageDrawn, 0);
    EXPECT_EQ(end().find("colorimage"), std::string::npos);
}

}  // namespace
