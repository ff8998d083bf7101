// attribute_save.cpp - putting attributes and the area aside around temporary drawing, and the
// solid stand-in for a pattern fill whose two colours are equal.
#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

struct SavedAttributes {
    int colours[3][2] = {};
    int lineType = 0;
    int placement = 0;
    int fillStyle = 0;
    int fillPattern[2] = {};
    float area[4] = {0, 0, 1, 1};  // x1, y1, x2, y2
};
SavedAttributes savedAttributes;

}  // namespace

void yyresetsavedattributes() { savedAttributes = SavedAttributes{}; }

void yyfact(int a, int& b) {
    const GraphicsState& g = gravim.graphics;
    if (g.fillStyle != 3) return;
    const int row = g.screenColours > 2 ? 0 : g.colourModel;
    if (g.colourState[row][0] == g.colourState[row][1]) b = a;
}

void yysav(int mode) {
    GraphicsState& g = gravim.graphics;
    SavedAttributes& s = savedAttributes;
    const float width = static_cast<float>(g.surfaceWidth), height = static_cast<float>(g.surfaceHeight);
    switch (mode) {
    case 0:
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column) s.colours[row][column] = g.colourState[row][column];
        s.lineType = g.lineType;
        s.placement = g.CharacterPlacement;
        s.fillStyle = g.fillStyle;
        s.fillPattern[0] = g.fillPattern[0], s.fillPattern[1] = g.fillPattern[1];
        break;
    case 1:
        yycon(s.colours[1][0], s.colours[2][0], s.colours[0][0], 0);
        yycon(s.colours[1][1], s.colours[2][1], s.colours[0][1], 0);
        if (s.lineType != g.lineType) IGrLineType(s.lineType);
        g.CharacterPlacement = s.placement;
        g.fillStyle = s.fillStyle;
        g.fillPattern[0] = s.fillPattern[0], g.fillPattern[1] = s.fillPattern[1];
        break;
    case 2:
    case 4:
        savedAttributes.area[0] = g.areaX1, savedAttributes.area[1] = g.areaY1, savedAttributes.area[2] = g.areaX2, savedAttributes.area[3] = g.areaY2;
        if (mode == 4 && (g.clipPixelX1 > 0 || g.clipPixelX2 < g.surfaceWidth - 1 || g.clipPixelY1 > 0 ||
                          g.clipPixelY2 < g.surfaceHeight - 1))
            yywing(0, 0, width, height);
        break;
    case 3:
        yywing(savedAttributes.area[0] * width, savedAttributes.area[1] * height, savedAttributes.area[2] * width, savedAttributes.area[3] * height);
        break;
    default: break;
    }
}

void yysetfillstyle(int style) {
    if (style >= 0 && style <= 4) gravim.graphics.fillStyle = style;
}
