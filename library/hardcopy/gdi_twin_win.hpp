// gdi_twin_win.hpp - the drawing opcodes the Windows printer and metafile drivers handle alike,
// over a table of their output layer's routines (library-internal).
#pragma once

#include "graphics/gradient_fill.hpp"
#include "hardcopy/gdi_drivers.hpp"

// One output layer's routines, in device units, and the driver's differences.
struct TwinLayer {
    void (*colour)(int red, int green, int blue);
    void (*line)(int x1, int y1, int x2, int y2);
    void (*point)(int x, int y);
    void (*ellipse)(int cx, int cy, int rx, int ry, int fillStyle);
    void (*rectangle)(int x1, int y1, int x2, int y2);
    void (*arc)(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2);
    void (*outlineArc)(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2, int outlineMode);
    void (*polygon)(int count);   // from the point buffer
    void (*polyline)(int count);  // from the point buffer
    void (*textLength)(int& width, const char* text, int length);
    bool monochromeFills;         // hatched fills are colour fills when option 7 is set
    int polygonLimit;             // most vertices of one polygon
};

// The driver's colour after mapping, and the one before the last colour opcode.
struct TwinColours {
    DeviceRgb current, saved;
};

// OpLine, OpPoint, OpOutlineArc: the page is drawn on, the shape goes to the layer.
void yytwinline(const TwinLayer& layer);
void yytwinpoint(const TwinLayer& layer);
void yytwinoutlinearc(const TwinLayer& layer);
// OpTextLength: the width of the text in surface units, answered.
void yytwintextlength(const TwinLayer& layer);
// OpPolyline in pieces of at most the record limit when cut is true, else whole.
void yytwinpolyline(const TwinLayer& layer, bool cut);
// The pattern members of the filled shapes, with the end-of-fill call (OperandValue -1) that
// gives the layer back its colour pair.
void yytwinfilledshape(const TwinLayer& layer, const TwinColours& colours, int opcode);
// OpImage: the image file drawn by the image drawer onto the layer's context (target 10 the
// printer document, 11 the metafile being recorded) into the area, answered in OperandValue and
// OperandCount.
void yytwinimage(int target);
// OpGradientFill: the vertices in device units, filled inside the area by the gradient fill with
// the layer's two routines; kind 2 offers the whole polygon first.
void yytwingradient(int kind, GradientPixel pixel, GradientPolygon polygon);
