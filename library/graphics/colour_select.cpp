// colour_select.cpp - the drawing colour: selection, the colour model, colour names and the
// background pass of two-colour fills.
#include <algorithm>
#include <cctype>
#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

// The six colour words a two-colour fill put aside in its first pass.
int savedColours[3][2] = {};

// Whether a device that draws now wants palette indices rather than RGBValues.
bool paletteDeviceDrawing() {
    const GraphicsState& g = gravim.graphics;
    return (g.screenActive == 1 && g.screenDevice.TrueColourDevice == 0) ||
           (g.hardcopyActive > 0 && g.hardcopyDevice.TrueColourDevice == 0);
}

}  // namespace

void yyresetsavedcolours() { std::fill(&savedColours[0][0], &savedColours[0][0] + 6, 0); }

void IGrColourN(int colour) {
    GraphicsState& g = gravim.graphics;
    int index = -1, value = colour;
    if (g.colourModel == 1) {
        if (colour < 0 || colour > 255) {
            yyerror(42, "IGrColourN");
            return;
        }
        index = colour;
        yypalg(colour, value);
    } else if (paletteDeviceDrawing()) {
        yyrgbto8(value, index);
    }
    yycon(index, value, yycnum(index), 0);
}

void yycon(int index, int value, int number, int devices) {
    GraphicsState& g = gravim.graphics;
    for (auto& row : g.colourState) row[0] = row[1];
    g.colourState[0][1] = number;
    g.colourState[1][1] = index;
    g.colourState[2][1] = value;
    if (devices != 2) yygdrv(OpColour);
    if (devices != 1) yyhdrv(OpColour);
}

ModelColour yymodelcolour(int column) {
    const GraphicsState& g = gravim.graphics;
    const int index = g.colourState[1][column], value = g.colourState[2][column];
    if (g.colourModel == 1 && index >= 0 && index <= 255) return {index, 1};
    return {value, 2};
}

void IGrColourModel(int bits) {
    GraphicsState& g = gravim.graphics;
    if (bits == 24) {
        g.colourModel = 2;
        return;
    }
    g.colourModel = 1;
    for (int column = 0; column < 2; ++column)
        if (g.colourState[1][column] == -1) yyrgbto8(g.colourState[2][column], g.colourState[1][column]);
}

int yycol(std::string_view name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return -1;
    std::string word(name.substr(first, 4));
    word.resize(4, ' ');
    for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    int result = 0;
    std::string_view start(word);
    if (word[0] == 'B' && word[1] != 'L') {
        result = 8;
        start.remove_prefix(1);
    }
    if (start.substr(0, 3) == "BLA") return result;
    if (start.substr(0, 3) == "BLU") return result + 1;
    const std::size_t position = std::string_view("GCRMYW").find(start[0]);
    if (position == std::string_view::npos) return -1;
    return result + 2 + static_cast<int>(position);
}

void yy2col(int device, int& pass) {
    GraphicsState& g = gravim.graphics;
    if (g.fillPass[device] != 2 || g.fillStyle != 3) return;
    if (pass == 1) {
        const int colours = device == 1 ? g.screenColours : g.hardcopyColours;
        if (colours == 1) return;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column) savedColours[row][column] = g.colourState[row][column];
        if (colours == 2 && g.colourState[1][1] != 0) {
            yycon(0, 0, 0, device);
        } else {
            yycon(g.colourState[1][0], g.colourState[2][0], g.colourState[0][0], device);
        }
        pass = 2;
        return;
    }
    for (int row = 0; row < 3; ++row) g.colourState[row][1] = savedColours[row][0];
    yycon(savedColours[1][1], savedColours[2][1], savedColours[0][1], device);
    ++pass;
}

void IGrColour(std::string_view name) {
    static constexpr int Palette[8] = {0, 159, 95, 127, 31, 191, 63, 223};
    static constexpr int Rgb[8] = {0, 16711680, 65280, 16776960, 255, 16711935, 65535, 16777215};
    const int code = yycol(name);
    if (code == -1) {
        yyerror(42, "IGrColour");
        return;
    }
    int c = code % 8;
    const bool palette = gravim.graphics.colourModel == 1;
    if (palette && (c == 0 || c == 7)) c = 7 - c;
    IGrColourN(palette ? Palette[c] : Rgb[c]);
}
