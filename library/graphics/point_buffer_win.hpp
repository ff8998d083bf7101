// point_buffer_win.hpp - the shared buffer of integer points from which the printer and metafile
// layers draw polygons and polylines (graphics-internal).
#pragma once

#include <windows.h>

// Points 0..n-1 of the last yypolalloc; null after yypolfree.
extern POINT* gPoints;

// Room for n points (the buffer grows, never shrinks until freed); false when memory is short.
bool yypolalloc(int n);
// Stores point i (from 0) when it is inside the buffer.
void yypolpoint(int i, int x, int y);
void yypolfree();
