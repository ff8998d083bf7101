// point_buffer_win.cpp - the shared buffer of integer points for polygons and polylines.
#include "graphics/point_buffer_win.hpp"

#include <new>
#include <vector>

POINT* gPoints = nullptr;
int gPointCount = 0;

namespace {
std::vector<POINT> points;
}

bool yypolalloc(int n) {
    yypolfree();
    if (n < 1) return false;
    try {
        points.assign(static_cast<std::size_t>(n), POINT{0, 0});
    } catch (const std::bad_alloc&) {
        return false;
    }
    gPoints = points.data();
    gPointCount = n;
    return true;
}

void yypolpoint(int x, int y, int i) {
    if (i >= 0 && i < gPointCount) points[static_cast<std::size_t>(i)] = {x, y};
}

void yypolfree() {
    std::vector<POINT>().swap(points);
    gPoints = nullptr;
    gPointCount = 0;
}
