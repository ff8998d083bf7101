// graphics_root_posix.cpp - the root window of the graphics tests, natively: the window facts.
#include "graphics_root.hpp"

#include "base/gravim.hpp"

void openRootWindow(int width, int height) {
    gravim.windows.rootOpen = 1;
    gravim.windows.wIndex = 0;
    gravim.windows.clientWidth = width;
    gravim.windows.clientHeight = height;
}

void closeRootWindow() {}
