// screen_standin.hpp - the native build's stand-in for the screen primitives: nothing to draw on,
// so each call is recorded (name, integer arguments, text) for the screen device's tests, and the
// answers (font metrics, pixels) are set by the test.
#pragma once

#include <string>
#include <vector>

struct PrimitiveCall {
    std::string name;
    std::vector<int> args;
    std::string text;
};

struct ScreenStandin {
    std::vector<PrimitiveCall> calls;
    std::vector<std::vector<int>> points;  // the point buffer at each polygon or polyline call
    int fontHeightFactor = 1;  // yywinselectfont answers height x this, ascent 3/4 of it
    int sampleWidth = 520;     // and this sample width
    int pixel = 0x123456;      // yywingetpixelrgb's answer
    int gradientType = 1;
};
ScreenStandin& yyscreenstandin();
