// gradient_fill.hpp - polygons filled with colours interpolated between their vertex colours
// (graphics-internal). The fill never draws itself: it calls back into the device that asked.
#pragma once

// The per-pixel routine: (x, y, RGBValue packed as red + 256 green + 65536 blue).
using GradientPixel = void (*)(int x, int y, int rgb);
// The whole-polygon routine: vertices 1..n of GradientX, GradientY and GradientColour at
// x[0..n-1], y[0..n-1], colours[0..n-1]; the triangles as three vertex numbers (1..n) each; the
// counts; and a status it sets to 0 when it drew every triangle, non-zero to have the triangles
// filled pixel by pixel instead.
using GradientPolygon = void (*)(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
                                 int triangleCount, int& status);

// Fills the polygon of GradientX/GradientY (GradientVertexCount vertices, their GradientColour)
// inside the inclusive clip box: with type 2 first offered whole to `polygon`, otherwise (or when
// it declines) triangle by triangle through `pixel`. Consecutive coincident vertices are merged
// and a closing vertex equal to the first is dropped, shortening the operand lists in place.
void yygradientfill(int type, int xlo, int ylo, int xhi, int yhi, GradientPixel pixel, GradientPolygon polygon);

// Splits the simple polygon x[1..n], y[1..n] into triangles by ear clipping: `triangles` (room
// for 3(n-2) entries) receives three vertex numbers per triangle, `count` how many. A polygon
// whose borders cross reports error 28 and keeps what the first attempt cut.
void yypolygondecompose(const float* x, const float* y, int n, int* triangles, int& count);

// Scan-converts the triangle of vertex numbers corners[0..2] of GradientX/GradientY, colours
// interpolated from GradientColour, one pixel call per covered pixel inside the clip box.
void yygradienttriangle(const int* corners, int xlo, int ylo, int xhi, int yhi, GradientPixel pixel);
