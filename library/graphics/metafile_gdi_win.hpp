// metafile_gdi_win.hpp - the GDI layer's tables of the enhanced-metafile slots (graphics-internal;
// entry n - 1 belongs to slot n).
#pragma once

#include <windows.h>

#include "core/gravim.hpp"

// The recording context of an entry; after a load, a screen context marking it occupied; null
// when the entry is empty.
extern HDC MetafileDC[MetafileSlots];
// The metafile once the recording is closed or loaded; null while recording or empty.
extern HENHMETAFILE hMetafile[MetafileSlots];
// Horizontal pixels per inch of the reference device of the latest creation; the dash tables
// scale by it while a slot is the target.
extern int wMetafileDPI;

// Closes the entry when it is recording; answers its metafile (null when empty).
HENHMETAFILE yymetafileclose(int index);
