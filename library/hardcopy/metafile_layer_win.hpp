// metafile_layer_win.hpp - the Windows metafile output layer: the recording context of a Windows,
// placeable, enhanced or clipboard metafile, its drawing routines in metafile units, and playing
// a metafile into a context (library-internal).
#pragma once

#include <windows.h>

// The recording context (the image drawer records into it too) and its clip region, or none.
extern HDC gwmfDC;
extern HRGN gwmfRegion;

// Starts a recording of `type` (0 Windows metafile, 1 placeable, 2 enhanced; other values are
// placeable) into the named file, or for the clipboard when `clipboard` is 1. The extent is in
// 1/720 inch; an enhanced recording turns it into pixels of its reference device. A placeable
// file is created at once with its header: failed 1 with the system's code when it cannot be.
void yywmfopen(int& extentX, int& extentY, int type, int systemDashStyles, int placeableRight,
               int placeableBottom, int checksum, int clipboard, int& failed, int& systemError,
               const char* fileName, const char* description);
// Finishes the recording into its file or onto the clipboard: error 0, 2 when the placeable file
// could not be written, 1094 when the clipboard could not be opened (the metafile is then lost).
void yywmfclose(int& error);

// Drawing state: colour (r, g, b 0..255), line type 0..7, pen width in metafile units.
void yywmfcolour(int red, int green, int blue);
void yywmflinetype(int type);
void yywmflinewidth(int width);
void yywmfcreatepen();
void yywmflinestyles();

// Drawing, in metafile units. Polylines and polygons take the graphics core's point buffer.
void yywmfline(int x1, int y1, int x2, int y2);
void yywmfpolyline(int count);
void yywmfpoint(int x, int y);
void yywmfellipse(int cx, int cy, int rx, int ry, int fillStyle);
void yywmfrectangle(int x1, int y1, int x2, int y2);
void yywmfarc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2);
void yywmfoutlinearc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2, int outlineMode);
void yywmfpolygon(int count);
void yywmfselectfont(int width, int height, int angle, int family, int style, const char* faceName);
void yywmfdrawstring(int x1, int y1, int x2, int y2, int justification, int boxed, const char* text,
                     int length);
void yywmftextlength(int& width, const char* text, int length);
void yywmfclip(int left, int top, int right, int bottom);
// The gradient routine's callbacks: one pixel, and whole triangles through the system routine.
void yywmfpointrgb(int x, int y, int colour);
void yywmfgradfill(const int* x, const int* y, const int* colours, const int* triangles,
                   int vertexCount, int triangleCount, int& failed);

// Plays a metafile file of `type` (a name of length 1: the clipboard's enhanced metafile) into
// the box of target 0 (the drawing context), 10 (the printer document) or 11 (the recording),
// turned by the rotation about the offset. error: 0, 1 file not opened, 2 not a metafile, 1094
// clipboard not opened, 1095 no enhanced metafile on the clipboard.
void yywmfplaymetafile(int type, int left, int top, int right, int bottom, int target, int rotation,
                       int offsetX, int offsetY, int& error, const char* fileName);

// For tests: the dash pattern of a line type 1..7 in the recording (entry count) and the
// reference device's resolution of an enhanced recording.
int yywmfdashes(int type, DWORD entries[6]);
int yywmfreferenceresolution();
