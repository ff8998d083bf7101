// windows.hpp - the root window, window selection, window units and the bell (public routines).
#pragma once

#include <string_view>

// WindowStyleFlags: the option bits of WindowOpen.
constexpr int WinSystemMenu = 1;
constexpr int WinMinimiseBox = 2;
constexpr int WinMaximiseBox = 4;
constexpr int WinMaximised = 8;
constexpr int WinStatusBar = 0x20;
constexpr int WinFixedSize = 0x40;
constexpr int WinHidden = 0x80;
constexpr int WinOnTop = 0x200;
// Bits only child windows use.
constexpr int WinInside = 0x10;        // placed inside the parent window's client area
constexpr int WinOwned = 0x100;        // owned by the parent: stays above it and closes with it
constexpr int WinNoCaption = 0x400;    // a split pane without caption
constexpr int WinToolWindow = 0x10000; // small caption, no taskbar entry

// Opens the program's root window (a second call while it is open does nothing). Every argument
// is optional: flags 7; x and y -999999 centre; width and height not positive take 80 percent of
// the display; menu 0 none; toolbars four resource numbers (top, left, right, bottom) or none;
// dialog 0 none; graphics colours 16, 32, 64 or 128 (anything else 16); background -1 none.
void WindowOpen(int flags = 7, int x = -999999, int y = -999999, int width = 0, int height = 0,
                int menu = 0, const int* toolbars = nullptr, int dialog = 0,
                std::string_view title = "", int graphicsColours = 16, int background = -1);
// Stops hardcopy, frees metafiles, dialogs, windows, optional libraries and drawing objects.
void WindowClose();

// Makes window n (0 root, 1..50 children) the current window and drawing target; error 1003 for
// a number that is no open window.
void WindowSelect(int n);
// Writes the text (without trailing blanks) into part 1..255 of the current window's status bar.
void WindowOutStatusBar(int part, std::string_view text);

// WindowUnits: 0..9999 across the current window's client area, in x and y.
void WindowUnitsToPixels(int ix, int iy, int& px, int& py);
void WindowUnitsFromPixels(int px, int py, int& ix, int& iy);

// "OFF" silences the bell, "ON" switches it on again, any other text rings it.
void WindowBell(std::string_view text);
