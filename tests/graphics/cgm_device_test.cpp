// cgm_device_test.cpp - CGM memory slots: the metafile slots of type 6 selected as surfaces, the
// CGM memory device's elements (exact bytes where they are fixed, the test-side walker for the
// rest), a full slot, and the slot records' creation, selection and destruction.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cgm_walker.hpp"
#include "base/errors_internal.hpp"
#include "graphics/cgm_device.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/metafiles.hpp"
#include "graphics_fixture.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& bytes, std::initializer_list<int> values) {
    for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
}
void append(Bytes& bytes, std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

constexpr int Red = 255, Blue = 255 * 65536;

// Reports of "CGM memory metafile full" delivered at debug level 3.
int fullReports = 0;
void countFullReports(std::string_view line) {
    if (line.find("1062") != std::string_view::npos) ++fullReports;
}

class CgmSlotTest : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        open(640, 480);
    }

    MetafileSlot& slot(int n = 1) { return gravim.graphics.metafileSlots[n]; }

    // A CGM slot with its metafile begun: created, selected, the header written and selected
    // again, so that the surface has the header's drawing size.
    void begin(int n = 1, int widthPoints = 756, int heightPoints = 540, int capacity = 1 << 20) {
        ASSERT_EQ(yymetafileslotcreate(n, 6, widthPoints, heightPoints, capacity), 0);
        IGrSelect(4, n);
        yygdrv(OpMetafileHeader);
        IGrSelect(4, n);
        WInfoError(1);
    }

    Bytes store(int n = 1) {
        const MetafileSlot& s = slot(n);
        return Bytes(s.slotStore.begin(), s.slotStore.begin() + s.slotUsed);
    }
    std::size_t mark() { return static_cast<std::size_t>(slot().slotUsed); }
    Bytes since(std::size_t from) {
        const Bytes all = store();
        return Bytes(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
    }
    CgmWalk walkSince(std::size_t from) { return walkCgm(since(from)); }

    // class/id of every element, in order.
    static std::vector<std::pair<int, int>> kinds(const CgmWalk& walk) {
        std::vector<std::pair<int, int>> list;
        for (const CgmElementRead& e : walk.elements) list.emplace_back(e.elementClass, e.id);
        return list;
    }

    void rgbColours(int current, int previous) {
        GraphicsState& g = gravim.graphics;
        g.colourModel = 2;
        g.colourState[2][1] = current;
        g.colourState[2][0] = previous;
        yygdrv(OpColour);
    }

    void polygonOperands(int count) {
        GraphicsState& g = gravim.graphics;
        yypolygonsize(count);
        for (int i = 1; i <= count; ++i) {
            g.PolygonX[static_cast<std::size_t>(i)] = static_cast<float>(i % 5000) + 0.75f;
            g.PolygonY[static_cast<std::size_t>(i)] = static_cast<float>(i / 2);
        }
        g.OperandCount = count;
    }
};

}  // namespace

TEST_F(CgmSlotTest, TheHeaderIsTheFixedMetafileAndPictureDescription) {
    begin(1, 756, 540);
    Bytes expected;
    append(expected, {0x00, 0x2D, 12});
    append(expected, "KBN CGM File");
    append(expected, {0, 0x10, 0x22, 0x00, 0x01, 0x10, 0x52, 17});
    append(expected, "KBN CGM driver v4");
    append(expected, {0x10, 0x62, 0, 0, 0x10, 0x82, 0, 16, 0x10, 0xA6, 0, 1, 0, 16, 0, 16, 0x10, 0xC2, 0, 16});
    append(expected, {0x11, 0xBF, 0x01, 0x04});
    for (std::string_view name :
         {"Courier New", "Courier New Bold", "Courier New Italic", "Courier New Bold Italic", "Arial", "Arial Bold",
          "Arial Italic", "Arial Bold Italic", "Times New Roman", "Times New Roman Bold", "Times New Roman Italic",
          "Times New Roman Bold Italic", "Symbol", "Symbol Italic", "Symbol Bold", "Symbol Bold Italic"}) {
        append(expected, {static_cast<int>(name.size())});
        append(expected, name);
    }
    append(expected, {0x10, 0xE2, 0, 8, 0x11, 0x46, 0, 0, 0, 255, 255, 255, 0x00, 0x6D, 12});
    append(expected, "KBN CGM Data");
    append(expected, {0, 0x20, 0x62, 0, 0, 0x20, 0xA2, 0, 0, 0x20, 0x42, 0, 1});
    append(expected, {0x20, 0xE4, 255, 255, 255, 0});  // BACKGROUND COLOUR white
    append(expected, {0x30, 0x22, 0, 16});
    append(expected, {0x20, 0xC8, 0, 0, 0, 0, 6300 >> 8, 6300 & 0xFF, 4500 >> 8, 4500 & 0xFF});
    append(expected, {0x00, 0x80, 0x52, 0x4C, 0, 1, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0});
    const Bytes all = store();
    ASSERT_GE(all.size(), expected.size());
    EXPECT_EQ(Bytes(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);
    const CgmWalk walk = walkCgm(all);
    EXPECT_TRUE(walk.complete) << walk.problem;
    // The selection after the header sends the attributes into the begun picture.
    EXPECT_FALSE(walk.find(5, 3).empty());
    EXPECT_FALSE(walk.find(3, 5).empty());
}

TEST_F(CgmSlotTest, NothingPrecedesBeginMetafile) {
    ASSERT_EQ(yymetafileslotcreate(2, 6, 100, 100, 4096), 0);
    IGrSelect(4, 2);  // sends line width, line type, colour model and clip
    EXPECT_EQ(gravim.graphics.deviceKind, 1);
    EXPECT_EQ(slot(2).slotUsed, 0);
    yygdrv(OpMetafileHeader);
    const CgmWalk walk = walkCgm(store(2));
    ASSERT_FALSE(walk.elements.empty());
    EXPECT_EQ(kinds(walk).front(), std::make_pair(0, 1));
}

TEST_F(CgmSlotTest, NothingFollowsEndMetafile) {
    begin();
    yygdrv(OpClose);
    const Bytes closed = store();
    const ErrorReportOutputs outputs = yyerroroutputs;
    yyerroroutputs.statusBar = countFullReports;
    fullReports = 0;
    IDebugLevel(3);
    yygdrv(OpClose);  // a second close
    yygdrv(OpLine);   // a drawing into the ended metafile
    IDebugLevel(0);
    yyerroroutputs = outputs;
    EXPECT_EQ(store(), closed);
    EXPECT_GE(fullReports, 3);  // END PICTURE, END METAFILE and the line's elements, each refused
    const CgmWalk walk = walkCgm(store());
    ASSERT_TRUE(walk.complete) << walk.problem;
    EXPECT_EQ(kinds(walk).back(), std::make_pair(0, 2));
    // A store created anew over the slot records again.
    begin();
    EXPECT_EQ(kinds(walkCgm(store())).front(), std::make_pair(0, 1));
}

TEST_F(CgmSlotTest, VdcExtentFollowsTheSlotSizeAtSixHundredUnitsPerInch) {
    struct Case {
        int width, height, vdcX, vdcY;
    } cases[] = {{756, 540, 6300, 4500}, {4000, 2000, 32767, 16383}, {72, 36, 600, 300}, {2000, 4000, 16383, 32767}};
    for (const Case& c : cases) {
        begin(3, c.width, c.height);
        EXPECT_EQ(slot(3).slotDrawingWidth, c.vdcX);
        EXPECT_EQ(slot(3).slotDrawingHeight, c.vdcY);
        EXPECT_EQ(gravim.graphics.surfaceWidth, c.vdcX);
        const CgmWalk walk = walkCgm(store(3));
        const auto extent = walk.find(2, 6);
        ASSERT_EQ(extent.size(), 1u);
        EXPECT_EQ(extent[0]->integer(4), c.vdcX);
        EXPECT_EQ(extent[0]->integer(6), c.vdcY);
    }
}

TEST_F(CgmSlotTest, EncoderRoutinesWriteTheirExactBytes) {
    begin();
    struct Case {
        const char* what;
        void (*write)();
        Bytes bytes;
    };
    const Case cases[] = {
        {"integer -1", [] { yygcgm5(-1); }, {0xFF, 0xFF}},
        {"integer 70000", [] { yygcgm5(70000); }, {0x11, 0x70}},
        {"point", [] { yygcgm6(-2, 300); }, {0xFF, 0xFE, 0x01, 0x2C}},
        {"header word", [] { yygcgm2(5, 4, 4); }, {0x50, 0x84}},
        {"colour element", [] { yygcgm4(5, 23, 1, 2, 3); }, {0x52, 0xE4, 1, 2, 3, 0}},
        {"12 characters padded", [] { yygcgm7("KBN CGM Data"); },
         {12, 'K', 'B', 'N', ' ', 'C', 'G', 'M', ' ', 'D', 'a', 't', 'a', 0}},
        {"11 characters", [] { yygcgm7("KBN CGM Dat"); }, {11, 'K', 'B', 'N', ' ', 'C', 'G', 'M', ' ', 'D', 'a', 't'}},
        {"unpadded", [] { yygcgm8("Arial"); }, {5, 'A', 'r', 'i', 'a', 'l'}},
    };
    for (const Case& c : cases) {
        const std::size_t from = mark();
        c.write();
        EXPECT_EQ(since(from), c.bytes) << c.what;
    }
}

TEST_F(CgmSlotTest, LongPolylineDeclaresFourBytesPerPoint) {
    begin();
    polygonOperands(8191);
    const std::size_t from = mark();
    yygcgm10(1, 8191);
    const Bytes bytes = since(from);
    ASSERT_EQ(bytes.size(), 4u + 4u * 8191u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x40, 0x3F, 0x7F, 0xFC}));  // 32764
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 8), (Bytes{0, 1, 0, 0}));  // (1.75, 0.5) truncated
    const CgmWalk walk = walkCgm(bytes);
    EXPECT_TRUE(walk.complete) << walk.problem;
    // Vertices the lists do not hold are not read.
    const std::size_t again = mark();
    yygcgm10(8190, 20000);
    EXPECT_EQ(since(again).size(), 4u + 8u);
}

TEST_F(CgmSlotTest, GradientTrianglesAreInterpolatedPolygons) {
    begin();
    GraphicsState& g = gravim.graphics;
    polygonOperands(4);
    const float xs[] = {0, 10.5f, 110.25f, 110.75f, 10.5f}, ys[] = {0, 20, 20.5f, 120, 119.5f};
    for (int i = 1; i <= 4; ++i) {
        g.PolygonX[static_cast<std::size_t>(i)] = xs[i];
        g.PolygonY[static_cast<std::size_t>(i)] = ys[i];
    }
    const int colours[] = {Red, 0x00FF00, Blue, 0x808080};
    const int triangles[] = {1, 2, 3, 1, 3, 4};
    const int unused[4] = {};
    int failed = 1;
    const std::size_t from = mark();
    yygcgm9(unused, unused, colours, triangles, 4, 2, failed);
    EXPECT_EQ(failed, 0);
    const Bytes bytes = since(from);
    ASSERT_EQ(bytes.size(), 96u);
    Bytes first;
    append(first, {0x53, 0xE4, 0, 10, 0, 20});  // FILL REFERENCE POINT at corner 1
    append(first, {0x55, 0x76, 0, 3, 0, 99, 0, 0, 0, 100, 0, 100, 0, 0});  // 99.75 and 100 truncated
    append(first, {255, 0, 0, 0, 255, 0, 0, 0, 255, 0});
    append(first, {0x52, 0xC2, 0, 6, 0x40, 0xEC, 0, 10, 0, 20, 0, 110, 0, 20, 0, 110, 0, 120});
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 48), first);
    const CgmWalk walk = walkCgm(bytes);
    EXPECT_TRUE(walk.complete) << walk.problem;
    EXPECT_EQ(walk.find(4, 7).size(), 2u);
}

// OpGradientFill: the polygon triangulated by the gradient fill, every triangle recorded; a
// repeated vertex is merged first and the triangles keep to the vertices that remain.
TEST_F(CgmSlotTest, GradientFillRecordsTheTrianglesOfThePolygon) {
    begin();
    GraphicsState& g = gravim.graphics;
    struct Case {
        std::vector<std::pair<float, float>> vertices;
        std::size_t triangles;
    } cases[] = {{{{100, 100}, {300, 100}, {300, 300}, {100, 300}}, 2},
                 {{{100, 100}, {300, 100}, {300, 100}, {300, 300}, {100, 300}}, 2},
                 {{{100, 100}, {300, 100}, {200, 300}}, 1}};
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.vertices.size());
        polygonOperands(n);
        yygradientsize(n);
        for (int i = 1; i <= n; ++i) {
            const auto at = static_cast<std::size_t>(i);
            g.PolygonX[at] = c.vertices[at - 1].first + 0.5f;
            g.PolygonY[at] = c.vertices[at - 1].second;
            g.GradientColour[at] = i == 1 ? Red : Blue;
        }
        g.GradientVertexCount = n;
        const std::size_t from = mark();
        yygdrv(OpGradientFill);
        const CgmWalk walk = walkSince(from);
        EXPECT_TRUE(walk.complete) << walk.problem;
        EXPECT_EQ(walk.find(5, 43).size(), c.triangles) << n;
        const auto polygons = walk.find(4, 7);
        ASSERT_EQ(polygons.size(), c.triangles) << n;
        for (const CgmElementRead* polygon : polygons) {
            ASSERT_EQ(polygon->params.size(), 12u);
            for (std::size_t corner = 0; corner < 3; ++corner) {
                const std::pair<float, float> at{static_cast<float>(polygon->integer(4 * corner)),
                                                 static_cast<float>(polygon->integer(4 * corner + 2))};
                EXPECT_NE(std::find(c.vertices.begin(), c.vertices.end(), at), c.vertices.end());
            }
        }
    }
}

// The library's own drawing reaches the store through the CGM memory device.
TEST_F(CgmSlotTest, PublicDrawingIsRecorded) {
    begin(1, 756, 540);
    IGrColourModel(24);
    IGrColourN(WRGB(0, 128, 255));
    yysetfillstyle(4);
    const std::size_t from = mark();
    IGrRectangle(0.25f, 0.5f, 0.75f, 1.0f);
    const CgmWalk walk = walkSince(from);
    EXPECT_TRUE(walk.complete) << walk.problem;
    const auto fills = walk.find(5, 23);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->params, (std::vector<std::uint8_t>{0, 128, 255, 0}));
    const auto rectangles = walk.find(4, 11);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_NEAR(rectangles[0]->integer(0), 6300 / 4, 2);
    EXPECT_NEAR(rectangles[0]->integer(2), 4500 / 2, 2);
    EXPECT_NEAR(rectangles[0]->integer(4), 6300 * 3 / 4, 2);
}

TEST_F(CgmSlotTest, AttributesAreWrittenOnlyWhenTheyChange) {
    begin();
    GraphicsState& g = gravim.graphics;
    rgbColours(Red, 0);
    g.OperandPixelX[1] = 10, g.OperandPixelY[1] = 20, g.OperandPixelX[2] = 30, g.OperandPixelY[2] = 40;
    std::size_t from = mark();
    yygdrv(OpLine);
    yygdrv(OpLine);
    CgmWalk walk = walkSince(from);
    EXPECT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{5, 4}, {4, 1}, {4, 1}}));
    EXPECT_EQ(since(from), (Bytes{0x50, 0x84, 255, 0, 0, 0, 0x40, 0x28, 0, 10, 0, 20, 0, 30, 0, 40, 0x40, 0x28, 0,
                                  10, 0, 20, 0, 30, 0, 40}));
    yygdrv(OpOpen);
    from = mark();
    yygdrv(OpLine);
    walk = walkSince(from);
    EXPECT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{5, 4}, {4, 1}}));
    // A point is a polyline from the point to itself in the line colour.
    from = mark();
    yygdrv(OpPoint);
    EXPECT_EQ(since(from), (Bytes{0x40, 0x28, 0, 10, 0, 20, 0, 10, 0, 20}));
}

TEST_F(CgmSlotTest, FixedEllipseIsAnOutlineBetweenEdgeVisibilitySwitches) {
    begin();
    GraphicsState& g = gravim.graphics;
    rgbColours(Blue, 0);
    g.lineType = 2;
    g.metafileLineWidth = 7;
    g.OperandPixelX[1] = 100, g.OperandPixelY[1] = 200, g.OperandPixelX[2] = 50;
    const std::size_t from = mark();
    yygdrv(OpEllipseFixed);
    const CgmWalk walk = walkSince(from);
    EXPECT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{
                               {5, 30}, {5, 29}, {5, 27}, {5, 28}, {5, 22}, {4, 17}, {5, 30}}));
    ASSERT_EQ(walk.elements.size(), 7u);
    EXPECT_EQ(walk.elements[0].integer(0), 1);
    EXPECT_EQ(walk.elements[2].integer(0), 2);   // line type 2 is CGM's dotted 2
    EXPECT_EQ(walk.elements[3].integer(0), 28);  // four times the width
    EXPECT_EQ(walk.elements[4].integer(0), 4);   // empty interior
    EXPECT_EQ(walk.elements[5].integer(0), 100);
    EXPECT_EQ(walk.elements[5].integer(4), 150);  // first diameter end (Cx + rx, Cy)
    EXPECT_EQ(walk.elements[6].integer(0), 0);
}

TEST_F(CgmSlotTest, FilledShapesTakeTheirFillColourAndGeometry) {
    begin();
    GraphicsState& g = gravim.graphics;
    rgbColours(Red, Blue);
    g.fillStyle = 3;
    g.OperandPixelX[1] = -50, g.OperandPixelY[1] = 10, g.OperandPixelX[2] = 90000, g.OperandPixelY[2] = 60;
    std::size_t from = mark();
    yygdrv(OpRectangle);
    CgmWalk walk = walkSince(from);
    ASSERT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{5, 23}, {5, 22}, {4, 11}}));
    EXPECT_EQ(walk.elements[0].params, (std::vector<std::uint8_t>{127, 0, 127, 0}));
    EXPECT_EQ(walk.elements[1].integer(0), 1);
    // Clipped to the clip rectangle.
    EXPECT_EQ(walk.elements[2].integer(0), g.clipPixelX1);
    EXPECT_EQ(walk.elements[2].integer(2), 10);
    EXPECT_EQ(walk.elements[2].integer(4), g.clipPixelX2);
    EXPECT_EQ(walk.elements[2].integer(6), 60);

    // Solid fills in the drawing colour; a triangle and a quadrilateral as polygons.
    g.fillStyle = 4;
    for (int i = 1; i <= 4; ++i) g.OperandPixelX[i] = 10 * i, g.OperandPixelY[i] = 5 * i;
    from = mark();
    yygdrv(OpTriangle);
    yygdrv(OpQuadPattern);
    walk = walkSince(from);
    ASSERT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{5, 23}, {5, 22}, {4, 7}, {5, 22}, {4, 7}}));
    EXPECT_EQ(walk.elements[0].params, (std::vector<std::uint8_t>{255, 0, 0, 0}));
    EXPECT_EQ(walk.elements[2].params.size(), 12u);
    EXPECT_EQ(walk.elements[4].params.size(), 16u);
}

TEST_F(CgmSlotTest, LongPolylinesArePiecesSharingAVertexAndPolygonsAreCut) {
    begin();
    polygonOperands(9000);
    std::size_t from = mark();
    yygdrv(OpPolyline);
    CgmWalk walk = walkSince(from);
    EXPECT_TRUE(walk.complete) << walk.problem;
    const auto lines = walk.find(4, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->partitions, std::vector<int>{32764});
    EXPECT_EQ(lines[1]->partitions, std::vector<int>{4 * 810});
    // The second piece starts at vertex 8191, where the first ends.
    EXPECT_EQ(lines[1]->integer(0), lines[0]->integer(4 * 8190));
    EXPECT_EQ(lines[1]->integer(2), lines[0]->integer(4 * 8190 + 2));
    EXPECT_EQ(lines[1]->integer(4 * 809), 9000 % 5000);

    from = mark();
    yygdrv(OpPolygon);
    walk = walkSince(from);
    const auto polygons = walk.find(4, 7);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0]->partitions, std::vector<int>{32764});

    // More vertices asked for than the lists hold: only those held.
    gravim.graphics.OperandCount = 50000;
    from = mark();
    yygdrv(OpPolygon);
    EXPECT_EQ(walkSince(from).find(4, 7)[0]->partitions, std::vector<int>{32764});
    gravim.graphics.OperandCount = 0;
    from = mark();
    yygdrv(OpPolygon);
    EXPECT_EQ(walkSince(from).find(4, 7)[0]->partitions, std::vector<int>{0});
}

TEST_F(CgmSlotTest, ArcPolygonStaysBoundedWhateverItsAngles) {
    begin();
    GraphicsState& g = gravim.graphics;
    struct Case {
        float radius, from, to;
        std::size_t most;
    } cases[] = {{100, 0, 3.1415927f, 200}, {100, 0, 0, 3}, {100, 0, 1e30f, 8191}, {-1e9f, 0, 6.3f, 8191},
                 {100, 1e20f, 1e20f + 1, 8191}};
    for (const Case& c : cases) {
        g.OperandX[1] = 500, g.OperandY[1] = 400, g.OperandX[2] = c.radius, g.OperandY[2] = c.radius;
        g.OperandX[3] = c.from, g.OperandY[3] = c.to;
        g.OperandPixelX[1] = 500, g.OperandPixelY[1] = 400;
        const std::size_t from = mark();
        yygdrv(OpArc);
        const CgmWalk walk = walkSince(from);
        EXPECT_TRUE(walk.complete) << walk.problem;
        const auto polygon = walk.find(4, 7);
        ASSERT_EQ(polygon.size(), 1u);
        const std::size_t points = polygon[0]->params.size() / 4;
        EXPECT_GE(points, 2u);
        EXPECT_LE(points, c.most) << c.radius << " " << c.to;
        EXPECT_EQ(polygon[0]->integer(0), 500);
    }
    // A surface of no width must not divide.
    g.surfaceWidth = 0;
    g.OperandX[3] = 0, g.OperandY[3] = 1;
    yygdrv(OpArc);
}

TEST_F(CgmSlotTest, TextIsAnchoredAndAlignedByItsJustification) {
    begin();
    GraphicsState& g = gravim.graphics;
    rgbColours(0, 0xFFFFFF);
    g.OperandText.assign("Right edge");
    g.OperandPixelX[1] = 10;
    g.OperandX[1] = 100, g.OperandY[1] = 50, g.OperandX[3] = 400, g.OperandY[3] = 50;
    g.CharAdvanceX = g.CharAdvanceY = 0;
    g.FontClass = 2;
    g.TextJustification = 2;
    std::size_t from = mark();
    yygdrv(OpText);
    CgmWalk walk = walkSince(from);
    ASSERT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{5, 14}, {5, 18}, {4, 5}}));
    EXPECT_EQ(walk.elements[1].integer(0), 3);
    EXPECT_EQ(walk.elements[1].integer(2), 5);
    const CgmElementRead& text = walk.elements[2];
    EXPECT_EQ(text.integer(0), 300);  // delta width: the distance between the two ends
    EXPECT_EQ(text.integer(4), 400);  // anchored at the end point
    EXPECT_EQ(text.integer(6), 50);
    EXPECT_EQ(text.integer(8), 1);
    std::size_t at = 10;
    EXPECT_EQ(text.string(at), "Right edge");
    EXPECT_EQ(text.params.size(), 11u + 10u);

    // Opaque text of a plain font: transparency off, the background as auxiliary colour, on again.
    g.FontStyle = 8;
    g.TextJustification = 1;
    from = mark();
    yygdrv(OpText);
    walk = walkSince(from);
    ASSERT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{3, 4}, {3, 3}, {5, 18}, {4, 5}, {3, 4}}));
    EXPECT_EQ(walk.elements[1].params, (std::vector<std::uint8_t>{255, 255, 255, 0}));
    EXPECT_EQ(walk.elements[3].integer(4), 250);  // the midpoint

    // The stroke-font class writes TEXT, left aligned, at the start; a long text in the long forms.
    g.FontClass = 1;
    g.FontStyle = 0;
    const std::string longText(258, 'x');
    g.OperandText.assign(longText);
    g.OperandPixelX[1] = 258;
    from = mark();
    yygdrv(OpText);
    walk = walkSince(from);
    EXPECT_TRUE(walk.complete) << walk.problem;
    ASSERT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{5, 18}, {4, 4}}));
    EXPECT_EQ(walk.elements[0].integer(0), 1);
    EXPECT_TRUE(walk.elements[1].longForm);
    EXPECT_EQ(walk.elements[1].integer(0), 100);
    at = 6;
    EXPECT_EQ(walk.elements[1].string(at), longText);
    // A count beyond the text's 260 characters takes the text only.
    g.OperandPixelX[1] = 100000;
    from = mark();
    yygdrv(OpText);
    EXPECT_TRUE(walkSince(from).complete);
}

TEST_F(CgmSlotTest, FontSelectsFromTheFontListAndSizesCells) {
    begin();
    GraphicsState& g = gravim.graphics;
    g.EffectiveFontNumber = 2;
    g.FontStyle = 3;
    g.CharHeight = 0.05f;
    g.CharWidth = 0.02f;
    const std::size_t from = mark();
    yygdrv(OpFont);
    const CgmWalk walk = walkSince(from);
    const auto index = walk.find(5, 10);
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0]->integer(0), 8);
    const CgmWalk header = walkCgm(store());
    const auto list = header.find(1, 13);
    ASSERT_EQ(list.size(), 1u);
    std::size_t at = 0;
    std::string name;
    for (int i = 0; i < 8; ++i) name = list[0]->string(at);
    EXPECT_EQ(name, "Arial Bold Italic");
    const auto height = walk.find(5, 15);
    ASSERT_EQ(height.size(), 1u);
    EXPECT_EQ(height[0]->integer(0), std::max(1, static_cast<int>(0.05f * 0.55f * g.rotatedClipHeight)));
    EXPECT_GT(g.ScreenCharWidth, 0);
    EXPECT_GT(g.ScreenCharHeight, 0);
    // The same font again writes nothing.
    const std::size_t again = mark();
    yygdrv(OpFont);
    EXPECT_EQ(mark(), again);
}

TEST_F(CgmSlotTest, CellArrayRowsAreRunsTurnedWithTheSurface) {
    begin();
    GraphicsState& g = gravim.graphics;
    const int pixels[] = {Red, Red, Blue, Blue, Blue, Blue};
    struct Case {
        int rotation, columns, rows;
        std::vector<std::pair<int, int>> firstRow;
    } cases[] = {{0, 3, 2, {{2, Red}, {1, Blue}}},
                 {90, 2, 3, {{2, Blue}}},
                 {180, 3, 2, {{3, Blue}}},
                 {270, 2, 3, {{1, Blue}, {1, Red}}}};
    for (const Case& c : cases) {
        g.rotation = c.rotation;
        const std::size_t from = mark();
        yygcgmcellarray(pixels, 3, 2);
        const CgmWalk walk = walkSince(from);
        ASSERT_TRUE(walk.complete) << walk.problem;
        ASSERT_EQ(walk.elements.size(), 1u);
        const CgmCellArrayRead cells = readCellArray(walk.elements[0]);
        ASSERT_TRUE(cells.ok) << c.rotation;
        EXPECT_EQ(cells.columns, c.columns);
        EXPECT_EQ(cells.rows, c.rows);
        EXPECT_EQ(cells.runs[0], c.firstRow) << c.rotation;
        EXPECT_EQ(cells.px, g.clipPixelX1);
        EXPECT_EQ(cells.py, g.clipPixelY2);
        if (c.rotation == 0) {
            EXPECT_EQ(cells.rowLengths[0], 10);
            EXPECT_EQ(walk.elements[0].partitions.front(), 20);
        }
    }
    g.rotation = 0;
}

TEST_F(CgmSlotTest, ImageThatCannotBeLoadedRecordsNothing) {
    begin();
    GraphicsState& g = gravim.graphics;
    IDebugLevel(2);
    g.OperandText.assign("picture.png");
    g.OperandPixelX[2] = 3;
    g.OperandPixelY[2] = 2;
    const std::size_t from = mark();
    yygdrv(OpImage);
    EXPECT_EQ(mark(), from);
    EXPECT_EQ(g.OperandValue, 27);
    EXPECT_EQ(gravim.core.debugLevel, 2);
    EXPECT_EQ(WInfoError(1), 27);
    // Operands far beyond any memory are refused the same way.
    g.OperandPixelX[2] = 2000000000;
    g.OperandPixelY[2] = 2000000000;
    yygdrv(OpImage);
    EXPECT_EQ(mark(), from);
    IDebugLevel(0);
}

TEST_F(CgmSlotTest, ClipLineTypeWidthRotationAndReadPixel) {
    begin();
    GraphicsState& g = gravim.graphics;
    std::size_t from = mark();
    yygdrv(OpClip);
    CgmWalk walk = walkSince(from);
    ASSERT_EQ(kinds(walk), (std::vector<std::pair<int, int>>{{3, 6}, {3, 5}}));
    EXPECT_EQ(walk.elements[1].integer(4), g.clipPixelX2);
    const int cgmTypes[8] = {1, 3, 2, 4, 5, 10, 12, 13};
    for (int type = 0; type < 8; ++type) {
        g.lineType = type;
        from = mark();
        yygdrv(OpLineType);
        EXPECT_EQ(since(from), (Bytes{0x50, 0x42, 0, static_cast<std::uint8_t>(cgmTypes[type])}));
    }
    g.metafileLineWidth = 10;
    from = mark();
    yygdrv(OpLineWidth);
    EXPECT_EQ(since(from), (Bytes{0x50, 0x62, 0, 6300 * 10 / 7560}));
    from = mark();
    yygdrv(OpFontRotate);
    EXPECT_EQ(walkSince(from).find(5, 16).size(), 1u);
    g.OperandPixelX[1] = 5;
    yygdrv(OpReadPixel);
    EXPECT_EQ(g.OperandPixelX[1], -1);
    from = mark();
    for (int opcode : std::initializer_list<int>{OpClear, OpPage, OpBlit, OpTextLength, OpPlotMode, OpPaletteEntry, OpOutlineArc, OpLineJoin,
                       OpLineCap, 0, 41, -7})
        yygcgm(opcode);
    EXPECT_EQ(mark(), from);
}

TEST_F(CgmSlotTest, CapabilityRecordAtInitialise) {
    begin();
    const DeviceFacts& f = gravim.graphics.screenDevice;
    EXPECT_EQ(f.word2, 360);
    EXPECT_EQ(f.TrueColourDevice, 1);
    EXPECT_EQ(f.GradientFillType, 2);
    EXPECT_EQ(f.DeviceCapabilityMask.view(), "00000110111111100010011011100");
}

// A store too small for the drawing: at the first refused write the element in progress is taken
// back and nothing but the closing elements follows, so the store always reads to its end.
TEST_F(CgmSlotTest, FullSlotStillReadsToItsEndAndCloses) {
    const auto draw = [this] {
        GraphicsState& g = gravim.graphics;
        rgbColours(Red, 0);
        for (int i = 0; i < 12; ++i) {
            g.OperandPixelX[1] = i, g.OperandPixelY[1] = 2 * i, g.OperandPixelX[2] = 100 + i, g.OperandPixelY[2] = 50;
            yygdrv(OpLine);
            g.OperandText.assign("A label");
            g.OperandPixelX[1] = 7;
            yygdrv(OpText);
            polygonOperands(20 + i);
            yygdrv(OpPolygon);
            rgbColours(i * 20, 0);
            yygdrv(OpRectangle);
        }
        yygdrv(OpClose);
    };
    begin(1, 756, 540, 1 << 20);
    draw();
    const CgmWalk whole = walkCgm(store());
    ASSERT_TRUE(whole.complete) << whole.problem;
    const auto all = kinds(whole);
    ASSERT_GT(store().size(), 1500u);

    for (int capacity : {4, 40, 330, 331, 400, 401, 402, 403, 700, 1001, 1500}) {
        SCOPED_TRACE(capacity);
        const ErrorReportOutputs outputs = yyerroroutputs;
        yyerroroutputs.statusBar = countFullReports;
        fullReports = 0;
        IDebugLevel(3);
        ASSERT_EQ(yymetafileslotcreate(1, 6, 756, 540, capacity), 0);
        IGrSelect(4, 1);
        yygdrv(OpMetafileHeader);
        IGrSelect(4, 1);
        draw();
        IDebugLevel(0);
        yyerroroutputs = outputs;
        const Bytes bytes = store();
        EXPECT_LE(bytes.size(), static_cast<std::size_t>(capacity));
        const CgmWalk walk = walkCgm(bytes);
        EXPECT_TRUE(walk.complete) << walk.problem;
        if (walk.elements.empty()) continue;  // not even the header fitted: nothing began
        EXPECT_EQ(WInfoError(1), 1062);
        auto got = kinds(walk);
        ASSERT_GE(got.size(), 2u);
        EXPECT_EQ(got[got.size() - 2], std::make_pair(0, 5));
        EXPECT_EQ(got.back(), std::make_pair(0, 2));
        got.resize(got.size() - 2);
        // One report for each element dropped, the one cut included.
        EXPECT_EQ(fullReports, static_cast<int>(all.size() - 2 - got.size()));
        // What was kept is the beginning of the whole recording, nothing after the refusal.
        ASSERT_LE(got.size(), all.size());
        EXPECT_TRUE(std::equal(got.begin(), got.end(), all.begin()));
    }
}

TEST_F(CgmSlotTest, SlotsAreSelectedCreatedAndDestroyed) {
    int status = 0, width = 7, height = 7;
    for (int n : {0, 21, 5}) {
        yymetafileselect(n, status, width, height);
        EXPECT_EQ(status, 1) << n;
    }
    EXPECT_EQ(width, 7);

    // Refused creations.
    EXPECT_EQ(yymetafileslotcreate(0, 6, 10, 10, 100), 1060);
    EXPECT_EQ(yymetafileslotcreate(21, 6, 10, 10, 100), 1060);
    EXPECT_EQ(yymetafileslotcreate(2, 4, 10, 10, 100), 1061);
    EXPECT_EQ(yymetafileslotcreate(2, 6, 0, 10, 100), 1059);
    EXPECT_EQ(yymetafileslotcreate(2, 6, 10, -1, 100), 1059);
    EXPECT_EQ(yymetafileslotcreate(2, 6, 10, 10, 0), 1059);
    EXPECT_EQ(slot(2).slotType, 0);
    WInfoError(1);

    begin(2, 144, 72, 5000);
    EXPECT_EQ(gravim.graphics.deviceKind, 1);
    EXPECT_EQ(gravim.graphics.surfaceType, 4);
    EXPECT_EQ(gravim.graphics.surfaceWidth, 1200);
    yymetafileselect(2, status, width, height);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(width, 1200);
    EXPECT_EQ(height, 600);

    // Creating over a live slot starts a fresh store.
    ASSERT_EQ(yymetafileslotcreate(2, 6, 72, 72, 300), 0);
    EXPECT_EQ(slot(2).slotUsed, 0);
    EXPECT_EQ(slot(2).slotCapacity, 300);
    EXPECT_EQ(slot(2).slotStore.size(), 300u);

    WMetafileDestroy(2);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(slot(2).slotType, 0);
    EXPECT_EQ(slot(2).slotInUse, 0);
    EXPECT_EQ(slot(2).slotCapacity, 0);
    EXPECT_TRUE(slot(2).slotStore.empty());
    EXPECT_EQ(slot(2).slotDrawingWidth, 1200);  // the drawing size stays
    yymetafileselect(2, status, width, height);
    EXPECT_EQ(status, 1);

    // An empty slot: 1060 and the counts are zero again; outside 1..20: 1060, nothing changes.
    slot(3).slotUsed = 9;
    WMetafileDestroy(3);
    EXPECT_EQ(WInfoError(1), 1060);
    EXPECT_EQ(slot(3).slotUsed, 0);
    WMetafileDestroy(21);
    EXPECT_EQ(WInfoError(1), 1060);
    WMetafileDestroy(0);
    EXPECT_EQ(WInfoError(1), 1060);

    // A slot no longer selectable makes IGrSelect fall back to the window.
    IGrSelect(4, 2);
    EXPECT_EQ(WInfoError(1), 1019);
    EXPECT_EQ(gravim.graphics.surfaceType, 1);
    EXPECT_EQ(gravim.graphics.deviceKind, 0);

    ASSERT_EQ(yymetafileslotcreate(4, 6, 72, 72, 300), 0);
    ASSERT_EQ(yymetafileslotcreate(20, 6, 72, 72, 300), 0);
    yymetafilesdestroyall();
    EXPECT_EQ(slot(4).slotType, 0);
    EXPECT_EQ(slot(20).slotType, 0);
    EXPECT_EQ(WInfoError(1), 0);
}

#ifdef GRAV_SLOTS_DIR
#include <cstdio>

namespace {

void writeFile(const std::string& name, const Bytes& bytes) {
    const std::string path = std::string(GRAV_SLOTS_DIR) + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
}

}  // namespace

// Stores written to files for read_slots.py, which has LibreOffice draw them on its 16:9 slide:
// a red rectangle in the left third, a blue triangle in the right third, a black line along the
// bottom and a text between them; whole, and in a slot that filled up after the rectangle.
TEST_F(CgmSlotTest, StoresForLibreOffice) {
    const auto draw = [this](int capacity) {
        begin(1, 640, 360, capacity);  // VDC 5333 x 3000
        GraphicsState& g = gravim.graphics;
        g.fillStyle = 4;
        rgbColours(Red, 0xFFFFFF);
        g.OperandPixelX[1] = 500, g.OperandPixelY[1] = 1200, g.OperandPixelX[2] = 1600, g.OperandPixelY[2] = 2400;
        yygdrv(OpRectangle);
        const std::size_t afterRectangle = mark();
        rgbColours(Blue, 0xFFFFFF);
        g.OperandPixelX[1] = 3700, g.OperandPixelY[1] = 1200, g.OperandPixelX[2] = 5000, g.OperandPixelY[2] = 1200;
        g.OperandPixelX[3] = 4350, g.OperandPixelY[3] = 2400;
        yygdrv(OpTriangle);
        rgbColours(0, 0xFFFFFF);
        g.metafileLineWidth = 30;
        yygdrv(OpLineWidth);
        g.OperandPixelX[1] = 300, g.OperandPixelY[1] = 500, g.OperandPixelX[2] = 5000, g.OperandPixelY[2] = 500;
        yygdrv(OpLine);
        g.EffectiveFontNumber = 2;
        g.FontStyle = 1;
        g.CharHeight = 0.1f;
        g.CharWidth = 0.05f;
        yygdrv(OpFont);
        g.FontClass = 2;
        g.TextJustification = 0;
        g.CharAdvanceX = g.CharAdvanceY = 0;
        g.OperandText.assign("WWW");
        g.OperandPixelX[1] = 3;
        g.OperandX[1] = 2100, g.OperandY[1] = 1200, g.OperandX[3] = 3200, g.OperandY[3] = 1200;
        yygdrv(OpText);
        yygdrv(OpClose);
        EXPECT_TRUE(walkCgm(store()).complete);
        return afterRectangle;
    };
    const std::size_t afterRectangle = draw(1 << 16);
    writeFile("drawing.cgm", store());
    draw(static_cast<int>(afterRectangle) + 4 + 20);
    EXPECT_EQ(WInfoError(1), 1062);
    writeFile("full.cgm", store());
}
#endif
