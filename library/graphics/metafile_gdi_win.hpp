// metafile_gdi_win.hpp - the GDI layer's tables of the enhanced-metafile slots (graphics-internal;
// entry n - 1 belongs to slot n).
#pragma once

#include <windows.h>

#include "base/gravim.hpp"

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

// A field's picture of slot n (1..20): 0 when the slot can give one, 1015 outside 1..20, 1061
// not an enhanced metafile; and a copy of its metafile, the recording closed first (null when
// there is none).
int yymetafileslotimage(int slot);
HENHMETAFILE yymetafilecopy(int slot);
// Installs the two above as the dialog manager's source of slot pictures (when the library is
// assembled).
void yygraphicsinstallfieldpictures();
