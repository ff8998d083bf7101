// bitmap_viewer_win.hpp - the record of a bitmap viewer window and the viewer's procedures
// (images-internal). The record is ViewerRecordWords 32-bit words, zero at first, attached to the
// viewer window and to its child window's frame; window and bitmap handles travel in words as
// the window manager's records carry them (their significant bits fit 32).
#pragma once

#include <windows.h>

enum ViewerWord : int {
    ViewerKind = 0,          // WindowKind 2, the word the window manager reads first
    ViewerToolbars = 1,      // four words: top, left, right, bottom toolbars (modes 2 and 3)
    ViewerWindow = 5,        // the "KBNBITMAP" window
    ViewerStatusBar = 6,     // the frame's status bar, 0 none
    ViewerMode = 7,          // 1 modal, 2 modeless, 3 semi-modeless
    ViewerModalDone = 8,     // set by a close request in mode 1; ends the modal loop
    ViewerShownBitmap = 9,   // the bitmap handle shown, taken when shown
    ViewerShownWidth = 10,
    ViewerShownHeight = 11,
    ViewerFitWidth = 12,     // frame size that shows the whole bitmap, -999 undetermined
    ViewerFitHeight = 13,
    ViewerOptions = 14,      // bit 0 keys scroll, bit 1 the left button pans (modes 2 and 3)
    ViewerDragging = 15,     // 1 while a pan is under way
    ViewerDragX = 16,        // mouse position at the last pan step (client pixels)
    ViewerDragY = 17,
    ViewerDragScrollX = 18,  // scroll positions at the last pan step
    ViewerDragScrollY = 19,
    ViewerRecordWords = 20,
};
constexpr int ViewerKeysScroll = 1, ViewerLeftPans = 2;
constexpr int ViewerControlId = 1001;

// A bitmap handle as a record word: its low 32 bits, which identify it among live handles (the
// way the upper half is filled differs between systems, so words are compared, never widened).
inline int wordOfBitmap(HBITMAP bitmap) { return static_cast<int>(reinterpret_cast<INT_PTR>(bitmap)); }
// The slot whose bitmap a viewer record shows, -1 when the handle is no longer in the table.
int yybitmapshownslot(const int* record);

// Class atom of "KBNBITMAP", set when the viewer class is registered on first use.
extern ATOM atomBitmap;

// The viewer record of child window n, null when it is no viewer.
int* yybitmapviewerrecord(int n);

LRESULT CALLBACK yyBitmapWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyBitmapWndProcClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
