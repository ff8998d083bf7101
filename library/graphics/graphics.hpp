// graphics.hpp - the public drawing routines: initialisation, surfaces, area and units,
// colours, rectangles, lines and their attributes.
#pragma once

#include <optional>
#include <string_view>

// Resets the graphics state and makes the current window's client area the surface. Options:
// "H" no screen device, "P" keep the hardcopy settings; the three numbers are not read.
void IGrInit(std::string_view options = " ", int = 0, int = 0, int = 0);
// Chooses the drawing surface: 1 window, 2 bitmap, 3 graphics field of the current dialog,
// 4 metafile slot. Without an identifier: the current window, bitmap 1, the whole dialog, slot 1.
void IGrSelect(int type, std::optional<int> ident = std::nullopt);
// Drawing area as fractions 0..1 of the surface; an invalid pair becomes 0..1 (error 44).
void IGrArea(float x1, float y1, float x2, float y2);
// User units at the left, bottom, right and top edges of the area (error 16 when not rising).
void IGrUnits(float x1, float y1, float x2, float y2);

// Colours: an RGBValue is red + 256 green + 65536 blue.
int WRGB(int red, int green, int blue);
void WRGBSplit(int rgb, int* red = nullptr, int* green = nullptr, int* blue = nullptr);
// Selects the drawing colour: a palette index 0..255 (error 42 outside) or an RGBValue.
void IGrColourN(int colour);
// 24 selects the RGB colour model, anything else the palette model.
void IGrColourModel(int bits);
// Selects one of the eight named colours (black, blue, green, cyan, red, magenta, yellow, white).
void IGrColour(std::string_view name);

// Plotting position, rectangles and the area's border (user units).
void IGrMoveTo(float x, float y);
void IGrMoveToRel(float dx, float dy);
void IGrRectangle(float x1, float y1, float x2, float y2);
void IGrRectangleRel(float dx, float dy);
void IGrBorder();
// Plot mode 0 copy, 1 or, 2 and, 3 exclusive-or; line type 0..7 (others give 0).
void IGrPlotMode2(std::optional<int> mode = std::nullopt);
void IGrLineType(std::optional<int> type = std::nullopt);

// Installs the standard stroke font into slot 0 or 1.
void WGrVFontStandard(std::optional<int> slot = std::nullopt);

// Destroys metafile slot 1..20 and empties its record (its drawing size stays): 1060 for a slot
// outside 1..20 (nothing changes) or an empty one.
void WMetafileDestroy(int slot);
