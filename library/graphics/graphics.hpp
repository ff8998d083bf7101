// graphics.hpp - graphics initialisation, drawing surfaces, area and user units (public).
#pragma once

#include <string_view>

// Resets the graphics state and makes the current window's client area the surface. Options:
// "H" no screen device, "P" keep the hardcopy settings; the three numbers are not read.
void IGrInit(std::string_view options = " ", int = 0, int = 0, int = 0);
// Chooses the drawing surface: 1 window, 2 bitmap, 3 graphics field, 4 metafile slot.
void IGrSelect(int type, int ident = -1);
// Drawing area as fractions 0..1 of the surface; an invalid pair becomes 0..1 (error 44).
void IGrArea(float x1, float y1, float x2, float y2);
// User units at the left, bottom, right and top edges of the area (error 16 when reversed).
void IGrUnits(float x1, float y1, float x2, float y2);
