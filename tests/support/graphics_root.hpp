// graphics_root.hpp - the root window that graphics tests draw on: a real hidden window under
// Wine, natively the window facts the stand-in drawing targets read.
#pragma once

// The root window with a client area of this size, current.
void openRootWindow(int width, int height);
void closeRootWindow();
