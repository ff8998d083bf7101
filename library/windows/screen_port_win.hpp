// screen_port_win.hpp - what the window manager and the dialog manager ask of graphics' screen
// state: the screen port, a table of routines that graphics installs. An entry left null answers
// as a library without graphics: nothing draws, there is no palette, no field is the drawing
// target, and a pixel is its own graphics position.
#pragma once

#include <windows.h>

struct ScreenPort {
    // The current window's drawing context (the window manager's wDC): about to be released,
    // newly got, and gone with its closing window.
    void (*windowContextReleasing)(HDC dc) = nullptr;
    void (*windowContextSelected)(HDC dc) = nullptr;
    void (*windowContextGone)(HDC dc) = nullptr;
    // The root window opened with context dc. On a palette display graphics makes the root
    // palette: graphicsColours colours of its own followed by the 18 window-text colours.
    void (*rootOpened)(HDC dc, int graphicsColours, const COLORREF* textColours) = nullptr;
    // The root window is up and the error outputs installed: graphics starts drawing on it.
    void (*rootStarted)() = nullptr;
    // The root window is about to close (graphics drops its metafiles and drawing objects), and
    // has closed with its context.
    void (*rootClosing)() = nullptr;
    void (*rootClosed)() = nullptr;
    // A dialog's field (or the dialog itself) becomes the drawing target with the context the
    // dialog manager got for it, which graphics releases with the target; the target other than
    // a window is given up; the field window that is the target, null none.
    void (*fieldContextSelected)(HWND field, HDC dc) = nullptr;
    void (*targetReleasing)() = nullptr;
    HWND (*selectedField)() = nullptr;
    // True on a palette display with the root palette made; the palette realised in a window;
    // a window-text entry of it set (index counts from the first entry of the palette).
    bool (*usesPalette)() = nullptr;
    void (*paletteRealised)(HWND window) = nullptr;
    void (*paletteEntrySet)(int index, int rgb) = nullptr;
    // Sizes: the surface of this type (1 window, 3 field) and identifier, the client area of a
    // hidden window, a hidden dialog field.
    void (*surfaceResized)(int type, int ident, int width, int height) = nullptr;
    void (*windowResized)(int window, int width, int height) = nullptr;
    void (*fieldResized)(int dialog, int field, int width, int height) = nullptr;
    // The current window selected (yywinsel) with its client size: a window surface follows it,
    // taken as the window manager's own re-selection while reselect is 1.
    void (*windowSelected)(int window, int reselect, int width, int height) = nullptr;
    // An event measured on another drawable than the surface: the clip rectangle and the surface
    // height follow the drawable's pixel size, then get back what they held (clip x, y, width,
    // height as graphics keeps them).
    void (*measureOn)(int width, int height) = nullptr;
    void (*measureDone)(const float clip[4], int surfaceHeight) = nullptr;
    // Surface pixels (y upward, pixel centres) to graphics units, and a pixel of the bitmap
    // viewer in window to units of the bitmap it shows.
    void (*pixelToUnits)(float px, float py, float& ux, float& uy) = nullptr;
    void (*viewerPixelToUnits)(float px, float py, float& ux, float& uy, int window) = nullptr;
};

// Installs graphics' routines, replacing the whole table; null entries take the answers above.
void yysetscreenport(const ScreenPort& port);
// The routines in force, every entry set.
const ScreenPort& yyscreenport();
