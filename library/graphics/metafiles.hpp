// metafiles.hpp - metafile slots 1..20 (graphics-internal): selecting one as the drawing target,
// the library's own creator, and the GDI layer's routines on the enhanced-metafile entries
// (index = slot - 1; natively a stand-in that records nothing).
#pragma once

#include <string_view>

// Makes metafile slot `slot` the drawing target: status 0 with its drawing size, or status 1
// when it cannot be drawn on. A CGM memory slot (type 6) sets deviceKind 1 and touches no
// device context; an enhanced-metafile slot (type 3) must be recording.
void yymetafileselect(int slot, int& status, int& width, int& height);

// Fills slot 1..20 with a new metafile (a live one is destroyed first): type 3 records an
// enhanced metafile of widthPoints x heightPoints, its drawing size the reference device's pixels
// over that size; type 6 is a CGM store of `capacity` bytes. Returns 0, or the error reported:
// 1060 a slot outside 1..20, 1061 another type, 1059 a size or capacity of 0 or less or a
// failed creation.
int yymetafileslotcreate(int slot, int type, int widthPoints, int heightPoints, int capacity = 0);

// Destroys every slot that holds a metafile (the root window closing).
void yymetafilesdestroyall();

// The GDI layer. An entry is empty, recording (its recording context) or closed (a metafile).
// Starts a recording on the reference device (the chosen printer's information context, else the
// screen) with the frame of widthPoints x heightPoints; answers the reference device's resolution
// in pixels and size in millimetres. A failed creation leaves the entry empty, unreported.
void yymetafilecreate(int index, int widthPoints, int heightPoints, int& hres, int& vres, int& hsize,
                      int& vsize);
// Closes a recording and deletes the metafile: the entry is empty.
void yymetafiledestroy(int index);
// Replaces the entry by the enhanced metafile of the file's first `size` bytes: error 0, or 1
// (not opened) or 2 (short read, or bytes that are no enhanced metafile) with the system's code;
// the entry is empty on failure.
void yymetafileload(int index, int size, int& error, int& systemError, std::string_view name);
// Plays the metafile (closing a recording) stretched into the rectangle of the current target.
void yymetafileplay(int index, int left, int top, int right, int bottom);
// Copies the metafile (closing a recording) to a file: error 0, or 1 with the system's code.
void yymetafilesave(int index, int& error, int& systemError, std::string_view name);
// Makes a recording entry the drawing target with the window extent width x height: status 0,
// or 1 for an index outside 0..19, an empty or a closed entry.
void yymetafileselect2(int index, int width, int height, int& status);
// Whether the entry is recording (a creation succeeded and nothing closed it yet).
bool yymetafilerecording(int index);

// The current metafile slot's width in device units and in points (line widths on a slot are
// given in tenths of a point); points 0 when no slot is selected.
void yymetafileslotwidth(int& deviceUnits, int& points);
