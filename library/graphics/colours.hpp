// colours.hpp - the graphics colour table, its reduced views, the nearest-colour search and the
// current/previous colour pair (graphics-internal; the hardcopy drivers use it too).
#pragma once

#include <string_view>

// Builds the table, its views and the cone coordinates.
void yypali();
// Entry i of the table, of the 8- and 16-colour views and of the reduced 32/64/128 view.
void yypalg(int i, int& rgb);
void yypalg8(int i, int& rgb);
void yypalg16(int i, int& rgb);
void yypalg32(int i, int& rgb);
// Entry k of the view a screen of `colours` graphics colours uses, straight from the band rule
// (without the table): the reduced view for 32, 64 or 128, else the 16-colour view. The root
// window's palette is made of these.
int yyviewentry(int k, int colours);
// Sets one table entry and keeps the views and cone coordinates in step.
void yypals(int i, int rgb);
// The components of colour c in the terms of the colour model.
void yypalrgb(int c, int& red, int& green, int& blue);
// A colour as a device keeps it from one opcode to a later one: the number together with the
// colour model it was given in (1 a palette index, 2 an RGBValue), so that a later change of the
// model does not change what it stands for.
struct ModelColour {
    int number = -1;
    int model = 1;
};
// The previous (column 0) or current (column 1) drawing colour in the terms of the colour model;
// in the palette model a colour without a table index is taken as its RGBValue.
ModelColour yymodelcolour(int column);
// The components of a colour in the terms of its own model; a palette number outside the table
// gives black.
void yymodelrgb(ModelColour colour, int& red, int& green, int& blue);
// Hue (radians), saturation and value of an RGBValue.
void yyrgbhsv(int rgb, float& h, float& s, float& v);
// Nearest table index of an RGBValue; index keeps its value when nothing is near.
void yyrgbto8(int rgb, int& index);
// Band colour map 0..15 (-1 outside).
int yycoln(int i);
// Device colour number of a palette index for the screen device.
int yycnum(int index);
// Makes (number, index, rgb) the current colour; devices 0 both, 1 screen, 2 hardcopy.
void yycon(int index, int rgb, int number, int devices);
// Colour code -1..15 of a colour name.
int yycol(std::string_view name);
// Background pass of a two-colour fill on device 1 (screen) or 2 (hardcopy).
void yy2col(int device, int& pass);
