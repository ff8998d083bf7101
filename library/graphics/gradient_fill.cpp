// gradient_fill.cpp - gradient-filled polygons: vertex clean-up, ear-clipping triangulation and
// the per-pixel scan conversion of one triangle.
#include "graphics/gradient_fill.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/devices.hpp"

namespace {

struct Channels {
    long long red = 0, green = 0, blue = 0;  // wide enough for the sum of a long run
};

Channels channelsOf(int rgb) {
    return {rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255};
}

int packed(long long red, long long green, long long blue) {
    return static_cast<int>(red + 256 * green + 65536 * blue);
}

// The vertices the operand lists really hold: a count beyond any list is cut to it.
int boundedVertexCount() {
    const GraphicsState& g = gravim.graphics;
    const std::size_t room = std::min({g.GradientX.size(), g.GradientY.size(), g.GradientColour.size()});
    const int held = room == 0 ? 0 : static_cast<int>(std::min<std::size_t>(room - 1, 1u << 30));
    return std::min(yyvertexcount(g.GradientVertexCount), held);
}

bool coincide(int i, int j) {
    const GraphicsState& g = gravim.graphics;
    const auto a = static_cast<std::size_t>(i), b = static_cast<std::size_t>(j);
    return g.GradientX[a] == g.GradientX[b] && g.GradientY[a] == g.GradientY[b];
}

// Removes vertex i from every per-vertex list: entries i+1..n move down one place.
void removeVertex(int i, int n) {
    GraphicsState& g = gravim.graphics;
    for (int k = i; k < n; ++k) {
        const auto to = static_cast<std::size_t>(k), from = to + 1;
        g.GradientX[to] = g.GradientX[from];
        g.GradientY[to] = g.GradientY[from];
        g.GradientColour[to] = g.GradientColour[from];
        g.PolygonX[to] = g.PolygonX[from];
        g.PolygonY[to] = g.PolygonY[from];
    }
}

// Merges runs of coincident consecutive vertices into one vertex of the run's mean colour and
// drops a last vertex repeating the first. False when fewer than three would remain.
bool mergeVertices(int& n) {
    auto colour = [](int i) -> int& { return gravim.graphics.GradientColour[static_cast<std::size_t>(i)]; };
    int run = 1;
    Channels sum;
    auto closeRun = [&](int i) {
        colour(i) = packed(sum.red / run, sum.green / run, sum.blue / run);
        run = 1;
    };
    int i = 1;
    while (i < n) {
        if (coincide(i, i + 1)) {
            if (n == 3) return false;
            if (run == 1) sum = channelsOf(colour(i));
            const Channels next = channelsOf(colour(i + 1));
            sum.red += next.red;
            sum.green += next.green;
            sum.blue += next.blue;
            ++run;
            removeVertex(i, n);
            --n;
        } else {
            if (run >= 2) closeRun(i);
            ++i;
        }
    }
    if (run >= 2) closeRun(n);
    if (coincide(n, 1)) {
        if (n == 3) return false;
        const Channels first = channelsOf(colour(1)), last = channelsOf(colour(n));
        colour(1) = packed((first.red + last.red) / 2, (first.green + last.green) / 2, (first.blue + last.blue) / 2);
        --n;
    }
    return true;
}

// Offers the triangles to the whole-polygon routine; true when it drew them.
bool offerWhole(int type, GradientPolygon polygon, const int* triangles, int n, int count) {
    if (type != 2 || polygon == nullptr || count < 1) return false;
    const GraphicsState& g = gravim.graphics;
    int status = 1;
    polygon(g.GradientX.data() + 1, g.GradientY.data() + 1, g.GradientColour.data() + 1, triangles, n, count, status);
    return status == 0;
}

// ---- ear clipping ----

class EarClipper {
public:
    EarClipper(const float* x, const float* y, int n) : x_(x), y_(y), n_(n), status_(static_cast<std::size_t>(n) + 1) {}

    // One attempt from start vertex s: true when it ended with only two vertices left.
    bool attempt(int s, std::vector<int>& triangles) {
        triangles.clear();
        std::fill(status_.begin(), status_.end(), 0);
        int next = s, prev = s;
        do next = following(next); while (next != s && samePlace(next, s));
        if (next == s) return true;  // every vertex at one place: nothing to cut
        do prev = preceding(prev); while (samePlace(prev, s));
        const double dTurn = (X(s) - X(prev)) * (Y(next) - Y(s)) - (Y(s) - Y(prev)) * (X(next) - X(s));
        const bool clockwise = dTurn < 0;

        int a = s, b = next, stalled = 0;
        for (;;) {
            int c = following(b);
            for (;; c = following(c)) {
                if (c == a) return true;
                if (status(c) == Removed) continue;
                if (samePlace(c, b)) {
                    status(c) = Removed;
                    continue;
                }
                break;
            }
            if (isEar(a, b, c, clockwise)) {
                triangles.insert(triangles.end(), {a, b, c});
                status(b) = Removed;
                status(a) = 0;
                status(c) = 0;
                stalled = 0;
                b = c;
                continue;
            }
            a = b;
            b = c;
            if (++stalled >= n_) return false;
        }
    }

private:
    static constexpr int Reflex = -1, Removed = -2;

    double X(int i) const { return x_[i]; }
    double Y(int i) const { return y_[i]; }
    int& status(int i) { return status_[static_cast<std::size_t>(i)]; }
    int following(int i) const { return i == n_ ? 1 : i + 1; }
    int preceding(int i) const { return i == 1 ? n_ : i - 1; }
    bool samePlace(int i, int j) const { return x_[i] == x_[j] && y_[i] == y_[j]; }

    // The status check, convexity and containment of the ear a, b, c (b its tip); records why
    // b is no ear in its status.
    bool isEar(int a, int b, int c, bool clockwise) {
        const int st = status(b);
        if (st == Reflex || st == Removed) return false;
        if (st > 0) {
            if (status(st) != Removed) return false;
            status(b) = 0;
        }
        const double e = (X(b) - X(a)) * (Y(c) - Y(b)) - (Y(b) - Y(a)) * (X(c) - X(b));
        if ((e < 0) != clockwise) {
            status(b) = Reflex;
            return false;
        }
        const int blocker = firstInside(a, b, c);
        if (blocker != 0) {
            status(b) = blocker;
            return false;
        }
        return true;
    }

    static bool within(double v, double p, double q) { return v >= std::min(p, q) && v <= std::max(p, q); }

    // The first vertex from after c to before a (removed ones too) inside the ear, or 0.
    int firstInside(int a, int b, int c) const {
        constexpr double Widen = 1.1920929e-7;
        double xmin = std::min({X(a), X(b), X(c)}), xmax = std::max({X(a), X(b), X(c)});
        double ymin = std::min({Y(a), Y(b), Y(c)}), ymax = std::max({Y(a), Y(b), Y(c)});
        xmin -= std::fabs(xmin) * Widen;
        xmax += std::fabs(xmax) * Widen;
        ymin -= std::fabs(ymin) * Widen;
        ymax += std::fabs(ymax) * Widen;
        for (int k = following(c); k != a; k = following(k)) {
            const double xk = X(k), yk = Y(k);
            if (!(xk > xmin && xk < xmax && yk > ymin && yk < ymax)) continue;
            if (blocks(k, a, b, c)) return k;
        }
        return 0;
    }

    bool blocks(int k, int a, int b, int c) const {
        const double xk = X(k), yk = Y(k);
        // A vertex on the line of an axis-parallel edge blocks when it lies on that edge.
        const int edges[3][2] = {{a, b}, {b, c}, {a, c}};
        for (const auto& edge : edges) {
            const int p = edge[0], q = edge[1];
            if (xk == X(p) && X(p) == X(q)) {
                if (within(yk, Y(p), Y(q))) return true;
                return generalInside(k, a, b, c);
            }
            if (yk == Y(p) && Y(p) == Y(q)) {
                if (within(xk, X(p), X(q))) return true;
                return generalInside(k, a, b, c);
            }
        }
        return generalInside(k, a, b, c);
    }

    // k is inside when, for every corner P, the other two corners lie on different sides of
    // the line through P and k.
    bool generalInside(int k, int a, int b, int c) const {
        auto passes = [&](int p, int q, int r) {
            const double dx = X(k) - X(p), dy = Y(k) - Y(p);
            auto side = [&](int v) { return Y(v) * dx - X(v) * dy; };
            const double sp = side(p);
            return (side(q) < sp) != (side(r) < sp);
        };
        return passes(a, b, c) && passes(b, a, c) && passes(c, a, b);
    }

    const float* x_;
    const float* y_;
    int n_;
    std::vector<int> status_;
};

}  // namespace

void yypolygondecompose(const float* x, const float* y, int n, int* triangles, int& count) {
    count = 0;
    if (n < 3 || x == nullptr || y == nullptr || triangles == nullptr) return;
    int top = 1;
    for (int i = 2; i <= n; ++i)
        if (y[i] > y[top]) top = i;

    EarClipper clipper(x, y, n);
    std::vector<int> cut, firstCut;
    bool done = false;
    for (int tried = 0, s = top; tried < n; ++tried, s = s == n ? 1 : s + 1) {
        if (clipper.attempt(s, cut)) {
            done = true;
            break;
        }
        if (tried == 0) firstCut = cut;
    }
    if (!done) {
        yyerror(28, "YYPolygonDecompose");
        cut = firstCut;
    }
    // Each cut removes a vertex, so at most n - 2 triangles; the bound keeps the room exact.
    const std::size_t room = 3 * static_cast<std::size_t>(n - 2);
    const std::size_t used = std::min(cut.size() - cut.size() % 3, room);
    std::copy_n(cut.begin(), used, triangles);
    count = static_cast<int>(used / 3);
}

void yygradienttriangle(const int* corners, int xlo, int ylo, int xhi, int yhi, GradientPixel pixel) {
    if (corners == nullptr || pixel == nullptr) return;
    const GraphicsState& g = gravim.graphics;
    const std::size_t held = std::min({g.GradientX.size(), g.GradientY.size(), g.GradientColour.size()});
    long long px[3], py[3];
    float colour[3][3];
    for (int i = 0; i < 3; ++i) {
        if (corners[i] < 1 || static_cast<std::size_t>(corners[i]) >= held) return;
        const auto v = static_cast<std::size_t>(corners[i]);
        px[i] = g.GradientX[v];
        py[i] = g.GradientY[v];
        const Channels ch = channelsOf(g.GradientColour[v]);
        constexpr float Unit = 1.0f / 255.0f;
        colour[i][0] = static_cast<float>(ch.red) * Unit;
        colour[i][1] = static_cast<float>(ch.green) * Unit;
        colour[i][2] = static_cast<float>(ch.blue) * Unit;
    }
    long long ymin = std::min({py[0], py[1], py[2]}), ymax = std::max({py[0], py[1], py[2]});
    if (ymin > yhi || ymax < ylo) return;
    ymin = std::max<long long>(ymin, ylo);
    ymax = std::min<long long>(ymax, yhi);

    // Edges (corner 3, corner 1), (1, 2), (2, 3).
    constexpr int Edges[3][2] = {{2, 0}, {0, 1}, {1, 2}};
    for (long long y = ymin; y <= ymax; ++y) {
        long long xl = static_cast<long long>(xhi) + 1, xr = static_cast<long long>(xlo) - 1;
        float left[3] = {}, right[3] = {};
        for (const auto& edge : Edges) {
            const int p = edge[0], q = edge[1];
            if (py[p] == py[q] || y < std::min(py[p], py[q]) || y > std::max(py[p], py[q])) continue;
            const double t = static_cast<double>(y - py[p]) / static_cast<double>(py[q] - py[p]);
            const auto x = static_cast<long long>(std::trunc(t * static_cast<double>(px[q]) + (1 - t) * static_cast<double>(px[p]) + 0.5));
            const auto tf = static_cast<float>(t);
            float at[3];
            for (int ch = 0; ch < 3; ++ch) at[ch] = tf * colour[q][ch] + (1 - tf) * colour[p][ch];
            if (x < xl) {
                xl = x;
                std::copy_n(at, 3, left);
            }
            if (x > xr) {
                xr = x;
                std::copy_n(at, 3, right);
            }
        }
        if (xl > xhi || xr < xlo) continue;
        float step[3] = {};
        if (xl < xr)
            for (int ch = 0; ch < 3; ++ch) step[ch] = (right[ch] - left[ch]) / static_cast<float>(xr - xl);
        const long long first = std::max<long long>(xlo, xl), last = std::min<long long>(xhi, xr);
        float value[3];
        for (int ch = 0; ch < 3; ++ch) value[ch] = left[ch] + step[ch] * static_cast<float>(first - xl);
        for (long long x = first; x <= last; ++x) {
            int level[3];
            // Rounding in the running sums may stray a little outside 0..1.
            for (int ch = 0; ch < 3; ++ch) level[ch] = std::clamp(static_cast<int>(value[ch] * 255.99f), 0, 255);
            pixel(static_cast<int>(x), static_cast<int>(y), packed(level[0], level[1], level[2]));
            for (int ch = 0; ch < 3; ++ch) value[ch] += step[ch];
        }
    }
}

void yygradientfill(int type, int xlo, int ylo, int xhi, int yhi, GradientPixel pixel, GradientPolygon polygon) {
    GraphicsState& g = gravim.graphics;
    int n = boundedVertexCount();
    if (n < 3) return;
    const bool whole = mergeVertices(n);
    g.GradientVertexCount = n;
    if (!whole) return;

    if (n == 3) {
        static constexpr int Triangle[3] = {1, 2, 3};
        if (offerWhole(type, polygon, Triangle, n, 1)) return;
        yygradienttriangle(Triangle, xlo, ylo, xhi, yhi, pixel);
        return;
    }
    std::vector<int> triangles(3 * static_cast<std::size_t>(n - 2));
    int count = 0;
    yypolygondecompose(g.PolygonX.data(), g.PolygonY.data(), n, triangles.data(), count);
    if (count == 0) return;
    if (offerWhole(type, polygon, triangles.data(), n, count)) return;
    for (int k = 0; k < count; ++k)
        yygradienttriangle(triangles.data() + 3 * k, xlo, ylo, xhi, yhi, pixel);
}
