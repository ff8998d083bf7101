// gradient_fill.hpp - polygons filled with colours interpolated between their vertex colours
// (graphics-internal; devices without a gradient routine of their own call it).
#pragma once

// The per-pixel routine: (x, y, RGBValue).
using GradientPixel = void (*)(int x, int y, int rgb);
// The whole-polygon routine: vertex arrays, vertex colours, triangles (three 1-based vertex
// numbers each), the counts, and a flag it sets to 0 when it drew every triangle, 1 to have the
// triangles filled pixel by pixel.
using GradientPolygon = void (*)(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
                                 int triangleCount, int& failed);

// Fills the polygon of GradientX/GradientY (GradientVertexCount vertices, their GradientColour)
// inside the clip box: kind 1 through the per-pixel routine, kind 2 through the whole-polygon one.
void yygradientfill(int kind, int left, int top, int right, int bottom, GradientPixel pixel, GradientPolygon polygon);
