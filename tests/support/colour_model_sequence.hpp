// colour_model_sequence.hpp - the public call sequence that changes the colour model behind the
// devices' backs: hardcopy output opened, a colour chosen in the RGB model, the palette model
// back, then a rectangle drawn with each fill style and the output closed.
#pragma once

#include <optional>
#include <string>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics_root.hpp"
#include "hardcopy/hardcopy.hpp"

// The graphics layer started on a root window of 400 x 300 pixels (a real hidden window under
// Wine), with 256 graphics colours.
inline void startGraphicsOnRoot() {
    yyresetgravim();
    yypali();
    openRootWindow(400, 300);
    gravim.core.graphicsColours = 256;
    IGrInit();
}
inline void endGraphicsOnRoot() {
    closeRootWindow();
    yyresetgravim();
}

// The dark blue the sequence draws in, taken in the RGB model.
constexpr int SequenceBlue = 41 * 65536;

// Draws after the model changed: a mixed and a solid fill, each ending in the line colour again,
// then an outline in that line colour.
inline void drawAfterTheModelChanged() {
    IGrColourModel(24);
    IGrColourN(SequenceBlue);
    IGrColourModel(8);
    for (const int style : {3, 4, 0}) {
        yysetfillstyle(style);
        IGrRectangle(0.1f, 0.1f, 0.6f, 0.6f);
    }
    yysetfillstyle(0);
}

// The whole sequence on hardcopy driver `driver`, its output in `file` (the driver's own choice
// when none).
inline void hardcopyAfterTheModelChanged(int driver, std::optional<std::string> file) {
    IGrHardCopySelect(1, driver);
    IGrHardCopy(file);
    drawAfterTheModelChanged();
    IGrHardCopy("S");
}
