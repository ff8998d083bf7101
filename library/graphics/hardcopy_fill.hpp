// hardcopy_fill.hpp - the graphics core's side of the hardcopy fill protocol for filled
// ellipses, sectors and polygons (graphics-internal).
#pragma once

#include <vector>

// A shape's outline in surface units, closed implicitly from the last vertex to the first.
struct FillOutline {
    std::vector<float> x, y;
};

// The outline of an ellipse arc: centre, radii, start angle and sweep in degrees (counter-
// clockwise), with the centre added for a sector. A sweep of 360 or more gives the whole ellipse.
FillOutline yyellipseoutline(float cx, float cy, float rx, float ry, float startDegrees,
                             float sweepDegrees, bool sector);

// Sends the pattern member of a filled shape (operands already in place) to hardcopy with
// OperandValue 1; when the driver answers with fill-line mode 1 or 2 and a spacing, sends the
// interior within the clip rectangle as horizontal OpLine spans that far apart and clears the
// mode; then ends the fill with the same opcode and OperandValue -1, the operands restored.
void yyhardcopyfill(int patternOpcode, const FillOutline& outline);
