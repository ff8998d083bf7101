// point_buffer_win.cpp - the shared buffer of integer points for polygons and polylines.
#include "graphics/point_buffer_win.hpp"

#include <new>
#include <vector>

POINT* gPoints = nullptr;

namespace {
std::vector<POINT> points;
}

bool yypolalloc(int n) {
    try {
        if (n > 0 && points.size() < static_cast<std::size_t>(n)) points.resize(static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
        return false;
    }
    gPoints = points.empty() ? nullptr : points.data();
    return true;
}

void yypolpoint(int i, int x, int y) {
    if (i >= 0 && static_cast<std::size_t>(i) < points.size()) points[static_cast<std::size_t>(i)] = {x, y};
}

void yypolfree() {
    std::vector<POINT>().swap(points);
    gPoints = nullptr;
}
