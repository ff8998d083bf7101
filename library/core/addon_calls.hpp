// addon_calls.hpp - what the library's start-up, close and window manager ask of the add-ons
// (bitmaps, editors, hardcopy). Declared here, defined by each add-on, so that the base includes
// nothing of the layers above it.
#pragma once

// Editors: the buffer store.
// Allocates the store (once) and marks every entry empty.
void yyeditallocatestore();
// Releases what the entries of windows 1..50 hold and empties every entry (WindowClose).
void yyeditreleasestore();

// Hardcopy.
// WInitialise's clean slate: every printer, plotter and dump word 0, the names blank.
void yyclearprintersettings();
// The printer type, plotter model and HP-GL/2 variant of the options file (0 where the file has
// none), and the Windows printer as the window-dump target.
void yyhardcopychoices(int printer, int plotter, int hpgl2);
// Ends any hardcopy in progress (the root window closing).
void yyhardcopystop();

// Bitmaps.
// Deletes every off-screen bitmap and empties the bitmap table.
void yybitmapsdeleteall();
