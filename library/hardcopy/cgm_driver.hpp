// cgm_driver.hpp - the binary CGM file driver's writers besides xxcgm (library-internal). Every
// byte is encoded by the graphics core's CGM encoder with the output file as its sink.
#pragma once

#include <span>
#include <string_view>

// A width x height array of RGBValues (top row first) as a CELL ARRAY over the graphics area,
// turned by the rotation: run-length rows written one by one to the output file's handle. A
// failing row write stops it with OperandValue 2 and the system's code in OperandCount.
void yycgmimage(std::span<const int> pixels, int width, int height);
// Option 6's inversion of 0..255 components.
void yycgm1(int& red, int& green, int& blue);
// An element header word (class, id, parameter length).
void yycgm2(int elementClass, int id, int length);
// A point in surface units, scaled to VDC and truncated toward zero.
void yycgm3(float x, float y);
// An element of one direct colour (declared length 3) and its pad byte.
void yycgm4(int elementClass, int id, int red, int green, int blue);
// One and two 16-bit words.
void yycgm5(int w);
void yycgm6(int a, int b);
// A string with its count, and a pad byte when the count is even (yycgm7) or never (yycgm8).
void yycgm7(std::string_view text);
void yycgm8(std::string_view text);
// The gradient fill's whole-polygon routine: every triangle as an interpolated interior.
void yycgm9(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount, int triangleCount,
            int& failed);
// POLYLINE in the long form of the points first..last of PolygonX/PolygonY.
void yycgm10(int first, int last);
