// surface_targets.hpp - obtaining and releasing the platform drawing target of a surface
// (graphics-internal). The Win32 side asks the window manager, the bitmap table, the dialog
// manager and the metafile slots; the native stand-in knows windows only, sized from
// gravim.windows.
#pragma once

// Releases the previous drawing target.
void yygrtargetnone();
// Window n becomes the current window and the target; sizes the surface through yyresn.
// An invalid window leaves error 1003 in error slot 1.
void yygrtargetwindow(int n);
// Bitmap slot 0..50: status 0 with its size, or status 1 (empty slot).
void yygrtargetbitmap(int slot, int& status, int& width, int& height);
// A graphics field of the current dialog (0 the dialog itself): its client size, or field -1.
void yygrtargetfield(int& field, int& width, int& height);
// Metafile slot: status 0 with its size, or a status above 0.
void yygrtargetmetafile(int slot, int& status, int& width, int& height);
