// gradient_fill.cpp - the gradient fill until it is built: it fills nothing.
#include "graphics/gradient_fill.hpp"

void yygradientfill(int, int, int, int, int, GradientPixel, GradientPolygon) {}
