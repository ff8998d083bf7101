// dash_tables.cpp - the line types' dash patterns and the end rule of solid lines.
#include "graphics/dash_tables.hpp"

namespace {

// Dash and gap lengths in screen pixels, alternating, of line types 1..7.
struct DashTable {
    unsigned entries[6];
    int count;
};
constexpr DashTable Dot = {{1, 4}, 2};
constexpr DashTable LongDash = {{8, 6}, 2};
constexpr DashTable DotDash = {{1, 4, 8, 4}, 4};
constexpr DashTable DotDotDash = {{1, 4, 1, 4, 8, 4}, 6};
constexpr DashTable LongShort = {{8, 4, 4, 4}, 4};
constexpr DashTable ShortDash = {{4, 4}, 2};
constexpr DashTable LongShortShort = {{8, 4, 4, 4, 4, 4}, 6};
constexpr DashTable Tables[8] = {{{}, 0}, Dot, LongDash, DotDash, DotDotDash, LongShort, ShortDash, LongShortShort};

// Solid, dot, dash, dash-dot, dash-dot-dot, dash-dot, dash, dash-dot-dot.
constexpr int PenStyles[8] = {0, 2, 1, 3, 4, 3, 1, 4};

}  // namespace

int yylinepenstyle(int type) {
    return type >= 0 && type <= 7 ? PenStyles[type] : 0;
}

int yyscaleddashes(int type, int deviceDpi, int screenDpi, int penWidth, unsigned entries[6]) {
    if (type < 1 || type > 7 || deviceDpi <= 0 || screenDpi <= 0) return 0;
    const DashTable& table = Tables[type];
    for (int i = 0; i < table.count; ++i) {
        entries[i] = table.entries[i] * static_cast<unsigned>(deviceDpi) / static_cast<unsigned>(screenDpi);
        if (i % 2 == 1 && penWidth > 1) entries[i] += static_cast<unsigned>(penWidth - 1);
    }
    return table.count;
}

bool yyextendedlineend(int x1, int y1, int& x2, int& y2) {
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    const long long dx = static_cast<long long>(x2) - x1, dy = static_cast<long long>(y2) - y1;
    if (dx == 0) {
        y2 += sy;
    } else if (dy == 0) {
        x2 += sx;
    } else if (dx == dy || dx == -dy) {
        x2 += sx;
        y2 += sy;
    } else {
        return false;
    }
    return true;
}
