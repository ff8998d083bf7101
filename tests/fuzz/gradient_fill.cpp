// gradient_fill.cpp - fuzz target: random polygons through the gradient fill. Checks that no
// pixel falls outside the clip box, that at most n - 2 triangles of valid vertex numbers are
// offered, and that the merged count never grows.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/gradient_fill.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

int clipBox[4];
int vertexCount = 0;

void checkPixel(int x, int y, int) {
    if (x < clipBox[0] || x > clipBox[2] || y < clipBox[1] || y > clipBox[3]) std::abort();
}

void checkWhole(const int*, const int*, const int*, const int* triangles, int n, int count, int& status) {
    if (n < 3 || n > vertexCount || count < 1 || count > n - 2) std::abort();
    for (int k = 0; k < 3 * count; ++k)
        if (triangles[k] < 1 || triangles[k] > n) std::abort();
    status = 1;  // decline, so the triangles are filled pixel by pixel too
}

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    int byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    int small() { return static_cast<int>(static_cast<std::int8_t>(byte())); }
    float real() {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = bits << 8 | static_cast<std::uint32_t>(byte());
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // the same as one zero byte (fuzz_bytes.hpp)
    Reader in{data, size};
    const int flags = in.byte();
    const int n = in.byte() % 40;
    const bool rawReals = (flags & 1) != 0;  // any float bits, NaN and infinities included
    for (int& bound : clipBox) bound = in.small() / 2;
    if (clipBox[0] > clipBox[2]) std::swap(clipBox[0], clipBox[2]);
    if (clipBox[1] > clipBox[3]) std::swap(clipBox[1], clipBox[3]);

    yyresetgraphics();  // lists of the size this input gives, nothing left from the one before
    GraphicsState& g = gravim.graphics;
    yypolygonsize(n);
    yygradientsize(n);
    g.GradientVertexCount = (flags & 2) != 0 ? n + in.byte() : n;  // sometimes beyond the lists
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (rawReals) {
            g.PolygonX[k] = in.real();
            g.PolygonY[k] = in.real();
            g.GradientX[k] = in.small() * 1000;
            g.GradientY[k] = in.small() * 1000;
        } else {
            g.GradientX[k] = in.small();
            g.GradientY[k] = in.small();
            g.PolygonX[k] = static_cast<float>(g.GradientX[k]);
            g.PolygonY[k] = static_cast<float>(g.GradientY[k]);
        }
        g.GradientColour[k] = in.byte() | in.byte() << 8 | in.byte() << 16 | in.byte() << 24;
    }
    vertexCount = n;
    const int before = g.GradientVertexCount;
    yygradientfill((flags & 4) != 0 ? 2 : 1, clipBox[0], clipBox[1], clipBox[2], clipBox[3], checkPixel, checkWhole);
    if (g.GradientVertexCount > before) std::abort();
    yyresetgraphics();  // the vertex lists go back before the next input
    return 0;
}
