// gradient_fill_test.cpp - gradient fill through recording callbacks: vertex merging and ring
// closing, ear clipping (convex, concave, crossing borders), the whole-polygon offer and the
// per-pixel scan conversion with its clip box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"

namespace {

struct Vertex {
    int x, y;
    int colour;
};

struct Whole {
    std::vector<int> x, y, colours, triangles;
    int vertexCount, triangleCount;
};

std::vector<std::pair<std::pair<int, int>, int>> pixels;  // ((x, y), colour) in call order
std::vector<Whole> wholeCalls;
int wholeAnswer = 0;

void recordPixel(int x, int y, int rgb) {
    pixels.push_back({{x, y}, rgb});
}

void recordWhole(const int* x, const int* y, const int* colours, const int* triangles, int n, int count, int& status) {
    wholeCalls.push_back({std::vector<int>(x, x + n), std::vector<int>(y, y + n), std::vector<int>(colours, colours + n),
                          std::vector<int>(triangles, triangles + 3 * count), n, count});
    status = wholeAnswer;
}

int rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

class GradientFill : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        pixels.clear();
        wholeCalls.clear();
        wholeAnswer = 0;
        WInfoError(1);
    }
    void TearDown() override { yyresetgravim(); }

    // The operands of one fill: real and integer coordinates alike.
    static void setPolygon(const std::vector<Vertex>& vertices) {
        GraphicsState& g = gravim.graphics;
        const int n = static_cast<int>(vertices.size());
        yypolygonsize(n);
        yygradientsize(n);
        g.GradientVertexCount = n;
        for (int i = 1; i <= n; ++i) {
            const Vertex& v = vertices[static_cast<std::size_t>(i - 1)];
            const auto k = static_cast<std::size_t>(i);
            g.PolygonX[k] = static_cast<float>(v.x);
            g.PolygonY[k] = static_cast<float>(v.y);
            g.GradientX[k] = v.x;
            g.GradientY[k] = v.y;
            g.GradientColour[k] = v.colour;
        }
    }
    static std::map<std::pair<int, int>, int> finalPixels() {
        std::map<std::pair<int, int>, int> last;
        for (const auto& p : pixels) last[p.first] = p.second;
        return last;
    }
    static std::vector<int> decompose(const std::vector<std::pair<float, float>>& points, int& count) {
        std::vector<float> x{0}, y{0};
        for (const auto& p : points) {
            x.push_back(p.first);
            y.push_back(p.second);
        }
        const int n = static_cast<int>(points.size());
        std::vector<int> triangles(static_cast<std::size_t>(3 * std::max(n - 2, 0)) + 1, -7);
        yypolygondecompose(x.data(), y.data(), n, triangles.data(), count);
        EXPECT_EQ(triangles.back(), -7) << "wrote beyond 3(n-2) entries";
        triangles.resize(static_cast<std::size_t>(3 * count));
        return triangles;
    }
};

const std::vector<Vertex> Square = {{0, 0, rgb(255, 0, 0)}, {10, 0, rgb(0, 255, 0)}, {10, 10, rgb(0, 0, 255)}, {0, 10, rgb(255, 255, 255)}};

TEST_F(GradientFill, SquarePerPixelCutsTwoEarsFromTheTopmostVertexAndCoversEveryPixel) {
    int count = 0;
    EXPECT_EQ(decompose({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, count), (std::vector<int>{3, 4, 1, 3, 1, 2}));
    setPolygon(Square);
    yygradientfill(1, 0, 0, 100, 100, recordPixel, recordWhole);
    EXPECT_TRUE(wholeCalls.empty());
    const auto covered = finalPixels();
    EXPECT_EQ(covered.size(), 121u);
    for (const auto& [at, colour] : covered) {
        EXPECT_TRUE(at.first >= 0 && at.first <= 10 && at.second >= 0 && at.second <= 10);
        (void)colour;
    }
    // The diagonal 1-3 is shared: both triangles paint it, one pixel per row each.
    EXPECT_EQ(pixels.size(), 132u);
    // Each corner pixel keeps its own colour.
    EXPECT_EQ(covered.at({0, 0}), rgb(255, 0, 0));
    EXPECT_EQ(covered.at({10, 0}), rgb(0, 255, 0));
    EXPECT_EQ(covered.at({10, 10}), rgb(0, 0, 255));
    EXPECT_EQ(covered.at({0, 10}), rgb(255, 255, 255));
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(GradientFill, WholePolygonOfferAndItsRefusal) {
    setPolygon(Square);
    yygradientfill(2, 0, 0, 100, 100, recordPixel, recordWhole);
    ASSERT_EQ(wholeCalls.size(), 1u);
    EXPECT_TRUE(pixels.empty());
    EXPECT_EQ(wholeCalls[0].vertexCount, 4);
    EXPECT_EQ(wholeCalls[0].triangleCount, 2);
    EXPECT_EQ(wholeCalls[0].triangles, (std::vector<int>{3, 4, 1, 3, 1, 2}));
    EXPECT_EQ(wholeCalls[0].x, (std::vector<int>{0, 10, 10, 0}));
    EXPECT_EQ(wholeCalls[0].colours[3], rgb(255, 255, 255));

    // Declined: every triangle pixel by pixel, as with type 1.
    wholeCalls.clear();
    wholeAnswer = 1;
    setPolygon(Square);
    yygradientfill(2, 0, 0, 100, 100, recordPixel, recordWhole);
    EXPECT_EQ(wholeCalls.size(), 1u);
    EXPECT_EQ(pixels.size(), 132u);

    // A triangle is offered as it is.
    wholeCalls.clear();
    wholeAnswer = 0;
    setPolygon({{0, 0, 1}, {5, 9, 2}, {9, 0, 3}});
    yygradientfill(2, 0, 0, 100, 100, recordPixel, recordWhole);
    ASSERT_EQ(wholeCalls.size(), 1u);
    EXPECT_EQ(wholeCalls[0].triangles, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(wholeCalls[0].vertexCount, 3);
    EXPECT_EQ(wholeCalls[0].triangleCount, 1);
}

TEST_F(GradientFill, CoincidentVerticesMergeIntoTheirTruncatedMeanAndTheRingCloses) {
    setPolygon({{0, 0, rgb(10, 20, 31)},
                {10, 0, rgb(255, 0, 1)},
                {10, 0, rgb(0, 255, 2)},
                {10, 10, rgb(1, 2, 3)},
                {0, 10, rgb(4, 5, 6)},
                {0, 0, rgb(21, 40, 60)}});
    yygradientfill(2, 0, 0, 100, 100, recordPixel, recordWhole);
    const GraphicsState& g = gravim.graphics;
    ASSERT_EQ(g.GradientVertexCount, 4);
    EXPECT_EQ(g.GradientColour[1], rgb(15, 30, 45));
    EXPECT_EQ(g.GradientColour[2], rgb(127, 127, 1));
    EXPECT_EQ(g.GradientColour[3], rgb(1, 2, 3));
    EXPECT_EQ(g.GradientX[2], 10);
    EXPECT_EQ(g.PolygonY[3], 10.0f);
    EXPECT_EQ(g.PolygonX[4], 0.0f);
    ASSERT_EQ(wholeCalls.size(), 1u);
    EXPECT_EQ(wholeCalls[0].vertexCount, 4);

    // A run of three averages all three.
    setPolygon({{0, 0, 0}, {5, 5, rgb(3, 0, 0)}, {5, 5, rgb(3, 3, 0)}, {5, 5, rgb(4, 3, 9)}, {9, 0, 0}});
    yygradientfill(1, 0, 0, 100, 100, recordPixel, nullptr);
    EXPECT_EQ(g.GradientVertexCount, 3);
    EXPECT_EQ(g.GradientColour[2], rgb(3, 2, 3));
}

TEST_F(GradientFill, TooFewDistinctVerticesDrawNothing) {
    struct Case {
        const char* what;
        std::vector<Vertex> vertices;
        std::size_t wholeCalls;
    } cases[] = {
        {"four collapse to three: one triangle", {{0, 0, 1}, {10, 0, 2}, {10, 0, 3}, {0, 10, 4}}, 1},
        {"three with a repeated vertex", {{0, 0, 1}, {0, 0, 2}, {10, 0, 3}}, 0},
        {"three whose last repeats the first", {{0, 0, 1}, {10, 0, 2}, {0, 0, 3}}, 0},
        {"two vertices", {{0, 0, 1}, {10, 0, 2}}, 0},
        {"four at one place", {{3, 3, 1}, {3, 3, 2}, {3, 3, 3}, {3, 3, 4}}, 0},
    };
    for (const Case& c : cases) {
        wholeCalls.clear();
        pixels.clear();
        setPolygon(c.vertices);
        yygradientfill(2, 0, 0, 100, 100, recordPixel, recordWhole);
        EXPECT_EQ(wholeCalls.size(), c.wholeCalls) << c.what;
        EXPECT_TRUE(pixels.empty()) << c.what;
        if (!wholeCalls.empty()) {
            EXPECT_EQ(wholeCalls[0].triangles, (std::vector<int>{1, 2, 3})) << c.what;
        }
    }
    // A count beyond the lists is cut to what they hold.
    setPolygon(Square);
    gravim.graphics.GradientVertexCount = 1000;
    yygradientfill(1, 0, 0, 100, 100, recordPixel, nullptr);
    EXPECT_EQ(gravim.graphics.GradientVertexCount, 4);
    EXPECT_EQ(finalPixels().size(), 121u);
}

double area(const std::vector<std::pair<float, float>>& p, int a, int b, int c) {
    const auto& A = p[static_cast<std::size_t>(a - 1)];
    const auto& B = p[static_cast<std::size_t>(b - 1)];
    const auto& C = p[static_cast<std::size_t>(c - 1)];
    return ((B.first - A.first) * (C.second - A.second) - (B.second - A.second) * (C.first - A.first)) / 2.0;
}

TEST_F(GradientFill, ConcavePolygonsAreCutOnlyAtConvexEmptyEars) {
    const std::vector<std::vector<std::pair<float, float>>> polygons = {
        {{0, 0}, {5, 3}, {10, 0}, {5, 10}},                               // arrow head, anticlockwise
        {{5, 10}, {10, 0}, {5, 3}, {0, 0}},                               // the same, clockwise
        {{0, 4}, {6, 4}, {6, 0}, {10, 5}, {6, 10}, {6, 6}, {0, 6}},       // arrow with a shaft
        {{0, 0}, {10, 0}, {10, 10}, {7, 10}, {7, 3}, {3, 3}, {3, 10}, {0, 10}},  // a U
    };
    for (const auto& polygon : polygons) {
        int count = 0;
        const std::vector<int> t = decompose(polygon, count);
        const int n = static_cast<int>(polygon.size());
        EXPECT_EQ(count, n - 2);
        double whole = 0, parts = 0, sign = 0;
        for (int i = 2; i < n; ++i) whole += area(polygon, 1, i, i + 1);
        for (int k = 0; k < count; ++k) {
            const double a = area(polygon, t[3 * k], t[3 * k + 1], t[3 * k + 2]);
            if (sign == 0) sign = a;
            // A collinear tip counts as convex in an anticlockwise polygon: a flat ear may be cut.
            EXPECT_GE(a * sign, 0) << "every ear turns the polygon's way";
            parts += std::fabs(a);
        }
        EXPECT_DOUBLE_EQ(parts, std::fabs(whole));
        EXPECT_EQ(WInfoError(1), 0);
    }
}

TEST_F(GradientFill, CrossingBordersReportError28AndKeepTheFirstAttempt) {
    int count = 0;
    const std::vector<int> t = decompose({{0, 0}, {10, 10}, {10, 0}, {0, 10}}, count);
    EXPECT_EQ(WInfoError(1), 28);
    EXPECT_EQ(t, (std::vector<int>{2, 3, 4}));

    // The fill draws what was cut: the triangle (10,10), (10,0), (0,10).
    setPolygon({{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 10, 0}});
    yygradientfill(1, 0, 0, 100, 100, recordPixel, recordWhole);
    EXPECT_EQ(WInfoError(1), 28);
    const auto covered = finalPixels();
    EXPECT_EQ(covered.count({10, 0}), 1u);
    EXPECT_EQ(covered.count({0, 10}), 1u);
    EXPECT_EQ(covered.count({0, 0}), 0u);
    EXPECT_EQ(covered.size(), 66u);
}

TEST_F(GradientFill, ScanConversion) {
    // A scan line through the vertex (10, 5) runs from the leftmost to the rightmost crossing.
    setPolygon({{0, 0, 0}, {10, 5, 0}, {0, 10, 0}});
    yygradientfill(1, -50, -50, 50, 50, recordPixel, nullptr);
    std::vector<int> row5;
    for (const auto& [at, colour] : finalPixels())
        if (at.second == 5) row5.push_back(at.first);
    EXPECT_EQ(row5, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // Full channels stay full; a horizontal ramp runs evenly from the left colour to the right.
    pixels.clear();
    setPolygon({{0, 0, rgb(255, 255, 255)}, {20, 0, rgb(255, 255, 255)}, {0, 20, rgb(255, 255, 255)}});
    yygradientfill(1, 0, 0, 100, 100, recordPixel, nullptr);
    for (const auto& p : pixels) ASSERT_EQ(p.second, rgb(255, 255, 255));
    pixels.clear();
    setPolygon({{0, 0, rgb(0, 0, 0)}, {255, 0, rgb(255, 0, 255)}, {0, 10, rgb(0, 0, 0)}});
    yygradientfill(1, 0, 0, 300, 0, recordPixel, nullptr);
    ASSERT_EQ(pixels.size(), 256u);
    for (const auto& p : pixels) {
        EXPECT_EQ(p.first.second, 0);
        EXPECT_EQ(p.second & 255, p.first.first) << "red at x " << p.first.first;
    }

    // The clip box is inclusive; a triangle beside it on any side calls nothing.
    pixels.clear();
    setPolygon({{0, 0, 0}, {10, 0, 0}, {0, 10, 0}});
    yygradientfill(1, 2, 3, 4, 5, recordPixel, nullptr);
    for (const auto& p : pixels) {
        EXPECT_TRUE(p.first.first >= 2 && p.first.first <= 4 && p.first.second >= 3 && p.first.second <= 5);
    }
    EXPECT_EQ(finalPixels().size(), 9u);
    const int boxes[][4] = {{0, 11, 10, 20}, {0, -20, 10, -1}, {11, 0, 20, 10}, {-20, 0, -1, 10}};
    for (const auto& box : boxes) {
        pixels.clear();
        setPolygon({{0, 0, 0}, {10, 0, 0}, {0, 10, 0}});
        yygradientfill(1, box[0], box[1], box[2], box[3], recordPixel, nullptr);
        EXPECT_TRUE(pixels.empty()) << box[0] << " " << box[1];
    }
}

}  // namespace
