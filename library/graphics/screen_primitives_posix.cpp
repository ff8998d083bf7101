// screen_primitives_posix.cpp - the screen primitives natively: recorded, never drawn.
#include <algorithm>
#include <cstring>

#include "graphics/screen_primitives.hpp"
#include "graphics/screen_standin.hpp"

namespace {

std::vector<int> pointBuffer;  // x, y pairs
bool pointsAllocated = false;

void record(const char* name, std::vector<int> args, std::string text = {}) {
    yyscreenstandin().calls.push_back({name, std::move(args), std::move(text)});
}

void recordPoints(int n) {
    const int held = static_cast<int>(pointBuffer.size() / 2);
    n = std::clamp(n, 0, held);
    yyscreenstandin().points.emplace_back(pointBuffer.begin(), pointBuffer.begin() + 2 * n);
}

}  // namespace

ScreenStandin& yyscreenstandin() {
    static ScreenStandin standin;
    return standin;
}

void yywinline(int x1, int y1, int x2, int y2) { record("line", {x1, y1, x2, y2}); }
void yywinpolyline(int n) {
    record("polyline", {n});
    recordPoints(n);
}
void yywinpolygon(int n, int fill) {
    record("polygon", {n, fill});
    recordPoints(n);
}
void yywinrectangle(int x1, int y1, int x2, int y2, int fill) { record("rectangle", {x1, y1, x2, y2, fill}); }
void yywinellipse(int cx, int cy, int rx, int ry, int shape, int fill) { record("ellipse", {cx, cy, rx, ry, shape, fill}); }
void yywinarc(int cx, int cy, int rx, int ry, int xs, int ys, int xe, int ye, int fill) {
    record("arc", {cx, cy, rx, ry, xs, ys, xe, ye, fill});
}
void yywinoutlinearc(int cx, int cy, int rx, int ry, int xs, int ys, int xe, int ye, int hatch, int fillStyle) {
    record("outlinearc", {cx, cy, rx, ry, xs, ys, xe, ye, hatch, fillStyle});
}
void yywinclear(int width, int height, int rgb) { record("clear", {width, height, rgb}); }
void yywinblit(int sx, int sy, int dx, int dy, int width, int height, int clear, int rgb) {
    record("blit", {sx, sy, dx, dy, width, height, clear, rgb, pointsAllocated ? static_cast<int>(pointBuffer.size() / 2) : 0});
}
void yywinclip(int x1, int y1, int x2, int y2) { record("clip", {x1, y1, x2, y2}); }
void yywinpoint(int x, int y) { record("point", {x, y}); }
void yywinpointrgb(int x, int y, int rgb) { record("pointrgb", {x, y, rgb}); }
void yywingetpixelrgb(int x, int y, int& red, int& green, int& blue) {
    record("getpixel", {x, y});
    const int pixel = yyscreenstandin().pixel;
    red = pixel < 0 ? -1 : pixel & 255;
    if (pixel < 0) return;
    green = (pixel >> 8) & 255;
    blue = (pixel >> 16) & 255;
}
void yywingradfill(const int*, const int*, const int*, const int* triangles, int vertexCount, int triangleCount, int& failed) {
    std::vector<int> args = {vertexCount, triangleCount};
    args.insert(args.end(), triangles, triangles + 3 * std::max(triangleCount, 0));
    record("gradfill", std::move(args));
    failed = 0;
}
int yyscreengradienttype() { return yyscreenstandin().gradientType; }

void yywincolour(int paletteIndex, int rgb) { record("colour", {paletteIndex, rgb}); }
void yywincreatepen() { record("createpen", {}); }
void yywinlinetype(int type) { record("linetype", {type}); }
void yywinlinewidth(int width) { record("linewidth", {width}); }
void yywinlinestyles() { record("linestyles", {}); }
void yywinplotmode(int mode) { record("plotmode", {mode}); }
void yywinpalette(int index, int rgb, int flag) { record("palette", {index, rgb, flag}); }
void yywinpalette256(int index, int rgb, int flag) { record("palette256", {index, rgb, flag}); }

void yywinselectfont(int& width, int& height, int& ascent, int escapement, int number, int style, const char* name) {
    record("selectfont", {width, height, escapement, number, style}, name);
    const ScreenStandin& standin = yyscreenstandin();
    height *= standin.fontHeightFactor;
    ascent = height * 3 / 4;
    width = standin.sampleWidth;
}
void yywindrawstring(int x1, int y1, int x2, int y2, int justification, int opaque, const char* text, int n) {
    record("drawstring", {x1, y1, x2, y2, justification, opaque, n}, std::string(text, static_cast<std::size_t>(std::max(n, 0))));
}
void yywinstrwidth(int& width, const char* text, int n) {
    record("strwidth", {n}, std::string(text, static_cast<std::size_t>(std::max(n, 0))));
    width = 7 * std::max(n, 0);
}

bool yypolalloc(int n) {
    pointBuffer.assign(n > 0 ? 2 * static_cast<std::size_t>(n) : 0, 0);
    pointsAllocated = n > 0;
    return pointsAllocated;
}
void yypolpoint(int x, int y, int i) {
    if (i < 0 || static_cast<std::size_t>(i) * 2 >= pointBuffer.size()) return;
    pointBuffer[2 * static_cast<std::size_t>(i)] = x;
    pointBuffer[2 * static_cast<std::size_t>(i) + 1] = y;
}
void yypolfree() {
    pointBuffer.clear();
    pointsAllocated = false;
}
