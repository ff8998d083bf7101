// colour_table.cpp - the 256-entry graphics colour table, its 8-, 16- and reduced views, the
// cone coordinates beside it and the nearest-colour search.
#include <algorithm>
#include <cmath>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

constexpr int rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// Sixteen bands of sixteen entries: start colour and step per entry of each band.
struct Band {
    int r, g, b, dr, dg, db;
};
constexpr Band Bands[16] = {
    {255, 255, 255, -4, -4, -4}, {195, 0, 0, 4, 0, 0},     {131, 0, 0, 4, 0, 0},
    {195, 195, 0, 4, 4, 0},      {131, 131, 0, 4, 4, 0},   {0, 195, 0, 0, 4, 0},
    {0, 131, 0, 0, 4, 0},        {0, 195, 195, 0, 4, 4},   {0, 131, 131, 0, 4, 4},
    {0, 0, 195, 0, 0, 4},        {0, 0, 131, 0, 0, 4},     {195, 0, 195, 4, 0, 4},
    {131, 0, 131, 4, 0, 4},      {60, 60, 60, -4, -4, -4}, {124, 124, 124, -4, -4, -4},
    {191, 191, 191, -4, -4, -4},
};
constexpr int EightView[8] = {0, 159, 95, 127, 31, 191, 63, 223};
constexpr int SixteenView[16] = {0, 175, 111, 143, 47, 207, 79, 239, 240, 159, 95, 127, 31, 191, 63, 223};

constexpr int bandColour(int i) {
    const Band& band = Bands[i / 16];
    const int k = i % 16;
    return rgb(band.r + k * band.dr, band.g + k * band.dg, band.b + k * band.db);
}

// The reduced view's table index for entry j of n: the band's last entry inside the coloured
// bands, the entry itself in the white and last grey bands.
constexpr int reducedIndex(int j, int n) {
    const int step = 256 / n, s = j * step;
    return s >= 16 && s <= 239 ? s + step - 1 : s;
}

struct Tables {
    int table[256] = {};
    int eight[8] = {};
    int sixteen[16] = {};
    int reduced[128] = {};
    float coneV[256] = {}, coneC[256] = {}, coneD[256] = {};
};
Tables tables;

// A colour's place in the colour cone, for the nearest-colour search.
struct Cone {
    float v, c, d;
};

Cone coneOf(int value) {
    float h = 0, s = 0, v = 0;
    yyrgbhsv(value, h, s, v);
    return {v, s * v * std::cos(h), s * v * std::sin(h)};
}

void cone(int i) {
    const Cone k = coneOf(tables.table[i]);
    tables.coneV[i] = k.v;
    tables.coneC[i] = k.c;
    tables.coneD[i] = k.d;
}

bool reducedCount(int n) { return n >= 32 && n <= 128; }

}  // namespace

void yyresetcolourtable() {
    tables = Tables{};
    yypali();
}

int WRGB(int red, int green, int blue) {
    return static_cast<int>(static_cast<unsigned>(red) + 256u * static_cast<unsigned>(green) +
                            65536u * static_cast<unsigned>(blue));
}

void WRGBSplit(int value, int* red, int* green, int* blue) {
    const unsigned bits = static_cast<unsigned>(value);
    if (red != nullptr) *red = static_cast<int>(bits & 255u);
    if (green != nullptr) *green = static_cast<int>((bits >> 8) & 255u);
    if (blue != nullptr) *blue = static_cast<int>((bits >> 16) & 255u);
}

void yypali() {
    // The band palette, its views and cone places follow from the bands alone: built once, then
    // copied over all but the reduced view.
    static const Tables bands = [] {
        Tables t;
        for (int i = 0; i < 256; ++i) t.table[i] = bandColour(i);
        for (int k = 0; k < 8; ++k) t.eight[k] = t.table[EightView[k]];
        for (int k = 0; k < 16; ++k) t.sixteen[k] = t.table[SixteenView[k]];
        for (int i = 0; i < 256; ++i) {
            const Cone k = coneOf(t.table[i]);
            t.coneV[i] = k.v;
            t.coneC[i] = k.c;
            t.coneD[i] = k.d;
        }
        return t;
    }();
    int reduced[128];
    std::copy(std::begin(tables.reduced), std::end(tables.reduced), reduced);
    tables = bands;
    std::copy(std::begin(reduced), std::end(reduced), tables.reduced);
    // The reduced view follows the screen colours of the previous opening.
    const int n = gravim.graphics.screenColours;
    if (reducedCount(n))
        for (int j = 0; j < n; ++j) tables.reduced[j] = tables.table[reducedIndex(j, n)];
}

void yypalg(int i, int& value) { value = tables.table[i]; }
void yypalg8(int i, int& value) { value = tables.eight[i]; }
void yypalg16(int i, int& value) { value = tables.sixteen[i]; }
void yypalg32(int i, int& value) { value = tables.reduced[i]; }

int yyviewentry(int k, int colours) {
    return reducedCount(colours) ? bandColour(reducedIndex(k, colours)) : bandColour(SixteenView[k & 15]);
}

void yypals(int i, int value) {
    tables.table[i] = value;
    const int k = yycoln(((i + 16) / 32) % 8);
    tables.eight[k] = value;
    tables.sixteen[(i / 16) % 2 == 1 ? k + 8 : k] = value;
    const int n = gravim.graphics.screenColours;
    if (reducedCount(n)) tables.reduced[(n * i) / 256] = value;
    cone(i);
}

void yypalrgb(int c, int& red, int& green, int& blue) {
    yymodelrgb({c, gravim.graphics.colourModel == 1 ? 1 : 2}, red, green, blue);
}

void yymodelrgb(ModelColour colour, int& red, int& green, int& blue) {
    int value = colour.number;
    if (colour.model == 1) value = colour.number >= 0 && colour.number <= 255 ? tables.table[colour.number] : 0;
    WRGBSplit(value, &red, &green, &blue);
}

void yyrgbhsv(int value, float& h, float& s, float& v) {
    int r = 0, g = 0, b = 0;
    WRGBSplit(value, &r, &g, &b);
    const int mx = std::max(r, std::max(g, b)), mn = std::min(r, std::min(g, b));
    v = static_cast<float>(mx) / 255;
    if (mx == mn) {
        s = h = 0;
        return;
    }
    const float R = static_cast<float>(r) / 255, G = static_cast<float>(g) / 255, B = static_cast<float>(b) / 255;
    const float m = static_cast<float>(mn) / 255, delta = v - m;
    const auto same = [](float a, float c) { return std::fabs(a - c) < 0.039f; };
    if (same(v, R)) {
        h = same(m, G) ? 5 + (v - B) / delta : 1 - (v - G) / delta;
    } else if (same(v, G)) {
        h = same(m, B) ? 1 + (v - R) / delta : 3 - (v - B) / delta;
    } else {
        h = same(m, R) ? 3 + (v - G) / delta : 5 - (v - R) / delta;
    }
    s = delta / v;
    h = h * 60 * 3.14159265f / 180;
}

void yyrgbto8(int value, int& index) {
    for (int i = 0; i < 256; ++i) {
        if (tables.table[i] == value) {
            index = i;
            return;
        }
    }
    float h = 0, s = 0, v = 0;
    yyrgbhsv(value, h, s, v);
    const float x = s * v * std::cos(h), y = s * v * std::sin(h);
    float best = 1.0e7f;
    for (int j = 0; j < 256; ++j) {
        const float dx = x - tables.coneC[j], dy = y - tables.coneD[j], dv = v - tables.coneV[j];
        const float d = dx * dx + dy * dy + dv * dv;
        if (d < best) {
            best = d;
            index = j;
        }
    }
}

int yycoln(int i) {
    static constexpr int Map[8] = {0, 4, 6, 2, 3, 1, 5, 7};
    if (i < 0 || i > 15) return -1;
    return Map[i % 8] + (i >= 8 ? 8 : 0);
}

int yycnum(int index) {
    if (index == -1) return -1;
    if (index == 0) return 0;
    const int n = gravim.graphics.screenColours;
    const int band = yycoln(((index + 16) / 32) % 8);
    switch (n) {
    case 2: return 1;
    case 8: return band;
    case 16: return ((index + 16) % 32) < 16 ? band + 8 : band;
    case 32:
    case 64:
    case 128: return (n * index) / 256;
    default: return index;
    }
}
