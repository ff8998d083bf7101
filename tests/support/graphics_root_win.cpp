// graphics_root_win.cpp - the root window of the graphics tests under Wine: a hidden root
// window whose client area is sized as asked.
#include <windows.h>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "graphics_root.hpp"

void openRootWindow(int width, int height) {
    WindowOpen(WinHidden);
    RECT frame, client;
    GetWindowRect(wWindow[0], &frame);
    GetClientRect(hClient[0], &client);
    SetWindowPos(wWindow[0], nullptr, 0, 0, frame.right - frame.left + width - client.right,
                 frame.bottom - frame.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

void closeRootWindow() {
    if (gravim.windows.rootOpen == 1) WindowClose();
}
