// cgm_driver_test.cpp - the binary CGM file driver read back by the test-side CGM walker: the
// header and font sets, lazy attributes, polylines cut at 8191 points, fills, text, cell arrays
// turned with the plot, gradient triangles and the picture's end.
#include <string>
#include <vector>

#include "cgm_walker.hpp"
#include "file_driver_rig.hpp"
#include "hardcopy/cgm_driver.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"

namespace {

class CgmDriver : public FileDriverRig {
protected:
    void start(std::initializer_list<std::pair<int, int>> options = {}, std::optional<std::string_view> title = std::nullopt) {
        begin(xxcgm, options, "out.cgm", title);
        setUpOpcodes();
    }
    CgmWalk finish() {
        bytes_ = end();
        CgmWalk walk = walkCgm(reinterpret_cast<const std::uint8_t*>(bytes_.data()), bytes_.size());
        EXPECT_TRUE(walk.complete) << walk.problem;
        return walk;
    }
    // The class/id of every element from the first of class/id on.
    static std::vector<std::pair<int, int>> idsFrom(const CgmWalk& walk, int elementClass, int id) {
        std::vector<std::pair<int, int>> ids;
        bool on = false;
        for (const CgmElementRead& e : walk.elements) {
            on = on || (e.elementClass == elementClass && e.id == id);
            if (on) ids.emplace_back(e.elementClass, e.id);
        }
        return ids;
    }
    static std::vector<int> colour(const CgmElementRead& e) { return {e.params.at(0), e.params.at(1), e.params.at(2)}; }
    std::string bytes_;
};

TEST_F(CgmDriver, TheHeaderBytesAndAnEmptyHardcopyEndsItsPicture) {
    start();
    const CgmWalk walk = finish();
    const std::string head = std::string("\x00\x2d\x0c", 3) + "KBN CGM File" + std::string("\x00\x10\x22\x00\x01", 5);
    EXPECT_EQ(bytes_.substr(0, head.size()), head);
    ASSERT_GE(walk.elements.size(), 4u);
    const std::vector<std::pair<int, int>> ids = idsFrom(walk, 0, 3);
    const std::vector<std::pair<int, int>> expected = {
        {0, 3}, {2, 3}, {2, 5}, {2, 2}, {3, 1}, {2, 6}, {2, 7}, {0, 4}, {5, 18},
        {5, 3}, {5, 2}, {3, 6}, {3, 5}, {5, 10}, {5, 15}, {0, 5}, {0, 2},  // set-up: width, type, clip, font
    };
    EXPECT_EQ(ids, expected);
    const CgmElementRead& extent = *walk.find(2, 6).at(0);
    EXPECT_EQ(extent.integer(4), 6300);
    EXPECT_EQ(extent.integer(6), 4500);
    EXPECT_EQ(colour(*walk.find(2, 7).at(0)), (std::vector<int>{255, 255, 255}));  // white background
    std::size_t at = 0;
    EXPECT_EQ(walk.find(1, 2).at(0)->string(at), "KBN CGM driver v4");
    EXPECT_EQ(walk.find(5, 3).at(0)->integer(0), 5 * 6300 / 7560);  // line width 0.5 point
}

TEST_F(CgmDriver, ALongTitleTakesTheLongForm) {
    const std::string title = "Temperature at 100 m, January 2005";
    start({}, title);
    const CgmWalk walk = finish();
    EXPECT_EQ(bytes_.substr(0, 4), std::string("\x00\x3f\x00\x23", 4));  // long form, 35 bytes
    ASSERT_FALSE(walk.elements.empty());
    std::size_t at = 0;
    EXPECT_EQ(walk.elements[0].string(at), title);
}

TEST_F(CgmDriver, TheThreeFontSetsAndTheFallBack) {
    const struct {
        int option;
        int length;
        const char* first;
        const char* last;
    } cases[] = {{0, 204, "COURIER", "SYMBOL"}, {1, 204, "Courier", "Symbol"}, {2, 260, "Courier New", "Symbol Bold Italic"},
                 {7, 260, "Courier New", "Symbol Bold Italic"}};
    for (const auto& c : cases) {
        start({{28, c.option}});
        const CgmWalk walk = finish();
        const auto lists = walk.find(1, 13);
        ASSERT_EQ(lists.size(), 1u) << c.option;
        ASSERT_EQ(lists[0]->partitions, std::vector<int>{c.length}) << c.option;
        std::size_t at = 0;
        std::vector<std::string> names;
        for (int i = 0; i < 16; ++i) names.push_back(lists[0]->string(at));
        EXPECT_EQ(names.front(), c.first);
        EXPECT_EQ(names.back(), c.last);
    }
}

TEST_F(CgmDriver, PolylinesAreCutAt8191PointsAndPolygonsKeepTheirFirst8191) {
    start();
    std::vector<Point> points;
    for (int i = 0; i < 16381; ++i) points.push_back({static_cast<float>(i % 600), static_cast<float>(i % 400)});
    polyline(std::vector<Point>(points.begin(), points.begin() + 8192));
    polyline(points);
    vertices(std::vector<Point>(points.begin(), points.begin() + 9000));
    filled(OpPolygonPattern, 4);
    const CgmWalk walk = finish();
    const auto lines = walk.find(4, 1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]->params.size(), 4u * 8191);
    EXPECT_EQ(lines[1]->params.size(), 4u * 2);
    EXPECT_EQ(lines[1]->integer(0), lines[0]->integer(4 * 8190));  // they share point 8191
    EXPECT_EQ(lines[2]->params.size(), 4u * 8191);
    EXPECT_EQ(lines[3]->params.size(), 4u * 8191);
    const auto polygons = walk.find(4, 7);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0]->params.size(), 4u * 8191);
}

TEST_F(CgmDriver, FillColoursInversionAndTheStyle3Mean) {
    start({{6, 2}});
    rgb(250, 250, 250);
    line(1, 1, 2, 2);
    rgb(128, 250, 250);
    line(1, 1, 2, 2);
    line(1, 1, 2, 2);  // the same colour: no second LINE COLOUR
    gravim.hardcopy.HardcopyOptions[6] = 0;
    rgb(255, 0, 0);
    rgb(0, 0, 255);
    rectangle(-10, -10, 100, 100, 3);
    const CgmWalk walk = finish();
    const auto lineColours = walk.find(5, 4);
    ASSERT_EQ(lineColours.size(), 2u);
    EXPECT_EQ(colour(*lineColours[0]), (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(colour(*lineColours[1]), (std::vector<int>{128, 250, 250}));
    const auto fills = walk.find(5, 23);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(colour(*fills[0]), (std::vector<int>{127, 0, 127}));
    const auto rectangles = walk.find(4, 11);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0]->integer(0), 0);  // clamped to the area
    EXPECT_EQ(rectangles[0]->integer(2), 0);
}

TEST_F(CgmDriver, EdgeAttributesAreLazyLineAttributesAlwaysWrittenJoinAndCapOnChange) {
    start();
    GraphicsState& g = gravim.graphics;
    g.OperandX[1] = 100, g.OperandY[1] = 100, g.OperandX[2] = 20, g.OperandY[2] = 10;
    filled(OpEllipsePattern, 0);
    filled(OpEllipsePattern, 0);
    send(OpLineType);
    send(OpLineWidth);
    send(OpLineJoin);  // option 10 still 0: nothing
    gravim.hardcopy.HardcopyOptions[10] = 1;
    gravim.hardcopy.HardcopyOptions[11] = 2;
    send(OpLineJoin);
    send(OpLineJoin);
    send(OpLineCap);
    const CgmWalk walk = finish();
    EXPECT_EQ(walk.find(5, 29).size(), 1u);  // EDGE COLOUR
    EXPECT_EQ(walk.find(5, 27).size(), 1u);  // EDGE TYPE
    EXPECT_EQ(walk.find(5, 28).size(), 1u);  // EDGE WIDTH
    EXPECT_EQ(walk.find(5, 30).size(), 4u);  // EDGE VISIBILITY on and off, twice
    EXPECT_EQ(walk.find(5, 2).size(), 2u);   // LINE TYPE at the set-up and again
    EXPECT_EQ(walk.find(5, 3).size(), 2u);   // LINE WIDTH
    const auto joins = walk.find(5, 38);
    ASSERT_EQ(joins.size(), 1u);
    EXPECT_EQ(joins[0]->integer(0), 3);
    const auto caps = walk.find(5, 37);
    ASSERT_EQ(caps.size(), 1u);
    EXPECT_EQ(caps[0]->integer(0), 4);
    EXPECT_EQ(caps[0]->integer(2), 1);
    const auto ellipses = walk.find(4, 17);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(walk.find(5, 22).at(0)->integer(0), 4);  // interior empty: an outline
}

TEST_F(CgmDriver, CellArraysRowByRowAndTurned) {
    for (const int rotation : {0, 90, 180, 270}) {
        start();
        gravim.graphics.rotation = rotation;
        // 3 columns, 2 rows: a run of two and a different third in the top row.
        const std::vector<int> pixels = {0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000, 0xFF0000};
        yycgmimage(pixels, 3, 2);
        const CgmWalk walk = finish();
        const auto arrays = walk.find(4, 9);
        ASSERT_EQ(arrays.size(), 1u) << rotation;
        const CgmCellArrayRead cells = readCellArray(*arrays[0]);
        ASSERT_TRUE(cells.ok) << rotation;
        const bool turned = rotation == 90 || rotation == 270;
        EXPECT_EQ(cells.columns, turned ? 2 : 3);
        EXPECT_EQ(cells.rows, turned ? 3 : 2);
        const auto at = [&](int r, int c) { return cells.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; };
        switch (rotation) {
        case 0:
            EXPECT_EQ(cells.runs[0], (std::vector<std::pair<int, int>>{{2, 0x0000FF}, {1, 0x00FF00}}));
            EXPECT_EQ(cells.runs[1], (std::vector<std::pair<int, int>>{{3, 0xFF0000}}));
            EXPECT_EQ(cells.rowLengths, (std::vector<int>{10, 6}));  // 15 bytes and a pad, 5 and a pad
            break;
        case 90:
            EXPECT_EQ(at(0, 0), 0x00FF00);  // source row 1, last column
            EXPECT_EQ(at(0, 1), 0xFF0000);
            EXPECT_EQ(at(2, 0), 0x0000FF);
            break;
        case 180:
            EXPECT_EQ(at(0, 0), 0xFF0000);
            EXPECT_EQ(at(1, 0), 0x00FF00);
            break;
        default:
            EXPECT_EQ(at(0, 0), 0xFF0000);  // source row 2, first column
            EXPECT_EQ(at(0, 1), 0x0000FF);
            EXPECT_EQ(at(2, 1), 0x00FF00);
            break;
        }
    }
    start();
    yycgmimage({}, 0, 5);  // no rows or columns: no cell array
    EXPECT_TRUE(finish().find(4, 9).empty());
}

TEST_F(CgmDriver, TextsRestrictedOrPlainWithAlignmentAndOpaqueBox) {
    start();
    GraphicsState& g = gravim.graphics;
    g.HardcopyTextScaleX = 1;
    g.FontStyle = 8;
    g.colourState[2][0] = 0xFFFFFF;
    text("Depth", 100, 100);
    g.FontStyle = 0;
    g.FontClass = 1;
    text(std::string(258, 'x'), 100, 100);
    const CgmWalk walk = finish();
    const auto restricted = walk.find(4, 5);
    ASSERT_EQ(restricted.size(), 1u);
    std::size_t at = 10;
    EXPECT_EQ(restricted[0]->string(at), "Depth");
    EXPECT_EQ(walk.find(3, 4).size(), 2u);  // TRANSPARENCY off and on around it
    EXPECT_EQ(walk.find(3, 3).size(), 1u);  // AUXILIARY COLOUR
    const auto plain = walk.find(4, 4);
    ASSERT_EQ(plain.size(), 1u);
    at = 6;
    EXPECT_EQ(plain[0]->string(at), std::string(258, 'x'));  // the long string form
}

TEST_F(CgmDriver, AResizeRescalesWithoutWriting) {
    start();
    GraphicsState& g = gravim.graphics;
    const float before = g.HardcopyScaleX;
    surface(320, 240);
    g.OperandValue = -1;
    send(OpOpen);
    EXPECT_NEAR(g.HardcopyScaleX, 2 * before, 0.01 * before);
    line(0, 0, 319.99f, 0);
    const CgmWalk walk = finish();
    const auto lines = walk.find(4, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->integer(4), 6300);
    EXPECT_EQ(walk.find(0, 1).size(), 1u);
}

TEST_F(CgmDriver, GradientTrianglesSectorStepsAndLongCellRows) {
    start();
    GraphicsState& g = gravim.graphics;
    vertices({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    yygradientsize(4);
    g.GradientVertexCount = 4;
    for (int i = 1; i <= 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        g.GradientColour[at] = 0x00FF00 * (i % 2) + 0x0000FF * (i / 2);
        g.GradientX[at] = static_cast<int>(g.PolygonX[at] * g.HardcopyScaleX);
        g.GradientY[at] = static_cast<int>(g.PolygonY[at] * g.HardcopyScaleY);
    }
    const int triangles[] = {1, 2, 3, 1, 3, 4, 1, 9, 3};  // the last names no vertex: left out
    int failed = 1;
    yycgm9(g.GradientX.data() + 1, g.GradientY.data() + 1, g.GradientColour.data() + 1, triangles, 4, 3, failed);
    EXPECT_EQ(failed, 0);
    send(OpGradientFill);  // the graphics core's triangulation hands the square over in two
    // A sector whose steps would not fit one partition takes fewer.
    g.OperandX[1] = 320, g.OperandY[1] = 240, g.OperandX[2] = 1e6f, g.OperandY[2] = 10;
    g.OperandX[3] = 0, g.OperandY[3] = 6.2831853f;
    filled(OpArcPattern, 4);
    // A row of 7000 colours needs 35000 bytes: two partitions.
    std::vector<int> row(7000);
    for (int i = 0; i < 7000; ++i) row[static_cast<std::size_t>(i)] = i;
    yycgmimage(row, 7000, 1);
    const CgmWalk walk = finish();
    const auto interpolated = walk.find(5, 43);
    ASSERT_EQ(interpolated.size(), 4u);
    EXPECT_EQ(interpolated[0]->params.size(), 22u);
    EXPECT_EQ(interpolated[0]->integer(0), 3);
    EXPECT_EQ(walk.find(5, 31).size(), 4u);  // FILL REFERENCE POINT
    const auto polygons = walk.find(4, 7);
    ASSERT_EQ(polygons.size(), 5u);
    EXPECT_EQ(polygons[0]->params.size(), 12u);
    EXPECT_EQ(polygons[2]->params.size(), 12u);  // triangles of the core's triangulation
    EXPECT_LE(polygons[4]->params.size(), 4u * 8191);
    EXPECT_GT(polygons[4]->params.size(), 4u * 8000);
    const auto arrays = walk.find(4, 9);
    ASSERT_EQ(arrays.size(), 1u);
    EXPECT_EQ(arrays[0]->partitions, (std::vector<int>{20, 32766, 35000 - 32766}));
}

}  // namespace

namespace {

// The three vector drivers behind IGrHardCopy, drawn on by the graphics layer.
TEST(VectorDrivers, EachTakesAHardcopyOfTheGraphicsLayer) {
    ScratchFolder folder;
    const struct {
        int driver;
        const char* file;
    } cases[] = {{2, "frame.ps"}, {3, "frame.svg"}, {9, "frame.cgm"}};
    for (const auto& c : cases) {
        yyresetgravim();
        yypali();
        gravim.windows.rootOpen = 1;
        gravim.windows.clientWidth = 400;
        gravim.windows.clientHeight = 300;
        gravim.core.graphicsColours = 256;
        IGrInit();
        IGrHardCopySelect(1, c.driver);
        IGrHardCopy(c.file, "Frame test");
        IGrColour("red");
        IGrRectangle(0.1f, 0.1f, 0.5f, 0.5f);
        IGrHardCopy("S");
        EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
        const std::string file = readWholeFile(c.file);
        switch (c.driver) {
        case 2:
            EXPECT_NE(file.find("%%Title: Frame test\r\n"), std::string::npos);
            EXPECT_NE(file.find("1.0 0.0 0.0 g\r\ns\r\n"), std::string::npos);
            EXPECT_NE(file.find("gsave showpage grestore\r\n%%EOF\r\n"), std::string::npos);
            break;
        case 3:
            EXPECT_NE(file.find("stroke:#ff0000"), std::string::npos);
            EXPECT_EQ(file.substr(file.size() - 12), "</g></svg>\r\n");
            break;
        default: {
            const CgmWalk walk = walkCgm(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
            EXPECT_TRUE(walk.complete) << walk.problem;
            EXPECT_FALSE(walk.find(4, 1).empty());  // the outline's lines
            EXPECT_EQ(walk.find(0, 5).size(), 1u);  // END PICTURE
            std::size_t at = 0;
            ASSERT_FALSE(walk.elements.empty());
            EXPECT_EQ(walk.elements[0].string(at), "Frame test");
            break;
        }
        }
    }
    yyresetgravim();
}

}  // namespace
