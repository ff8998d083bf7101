// bitmap_viewer_win.hpp - the record of a bitmap viewer window and the viewer's procedures
// (images-internal). The record is attached to the viewer window and to its child window's frame.
#pragma once

#include <windows.h>

struct BitmapViewerRecord {
    int windowKind = 2;               // first word: the window manager reads it as WindowKind
    HWND toolbars[4] = {};            // top, left, right, bottom (modes 2 and 3), null in mode 1
    HWND viewer = nullptr;            // the "KBNBITMAP" window
    HWND statusBar = nullptr;         // the frame's status bar, null none
    int mode = 2;                     // 1 modal, 2 modeless, 3 semi-modeless
    int modalDone = 0;                // set by a close request in mode 1; ends the modal loop
    HBITMAP shownBitmap = nullptr;    // the bitmap handle shown, taken when shown
    int shownWidth = 0, shownHeight = 0;
    int fitFrameWidth = -999;         // frame size that shows the whole bitmap, -999 unknown
    int fitFrameHeight = -999;
    int options = 0;                  // bit 0 keys scroll, bit 1 the left button pans (modes 2, 3)
    int dragging = 0;                 // 1 while a pan is under way
    int dragX = 0, dragY = 0;         // mouse position at the last pan step (client pixels)
    int dragScrollX = 0, dragScrollY = 0;  // scroll positions at the last pan step
};

// The viewer record of child window n, null when it is no viewer.
BitmapViewerRecord* yybitmapviewerrecord(int n);

LRESULT CALLBACK yyBitmapWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyBitmapWndProcClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
