// dash_tables.hpp - the dash patterns of the line types, at screen resolution and scaled to
// another device (the screen pen, metafile slots, the printer and metafile drivers), and the
// end rule of solid lines that GDI draws without their last pixel (graphics-internal).
#pragma once

// The cosmetic pen style standing for line type 0..7: 0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot (the platform's own numbers); other types give solid.
int yylinepenstyle(int type);

// The pattern of line type 1..7 (dash, gap, ...) scaled from the screen's resolution to a
// device's (integer division), each gap widened by penWidth - 1 for wide pens, whose square caps
// lengthen every dash by the width. Returns the entry count, 0 for a line type without pattern.
int yyscaleddashes(int type, int deviceDpi, int screenDpi, int penWidth, unsigned entries[6]);

// The end point of a solid line pushed one pixel further along it, so that the platform, which
// leaves the last pixel out, draws it: vertical, horizontal and exact diagonal lines. False (the
// end unchanged) for other slopes, whose last pixel the caller sets itself.
bool yyextendedlineend(int x1, int y1, int& x2, int& y2);
