// point_buffer_win.hpp - the shared point buffer as GDI points, for the screen primitives and the
// printer and metafile layers (graphics-internal; the routines are in screen_primitives.hpp).
#pragma once

#include <windows.h>

#include "graphics/screen_primitives.hpp"

// Points 0..gPointCount-1 of the last yypolalloc; null and 0 after yypolfree.
extern POINT* gPoints;
extern int gPointCount;
