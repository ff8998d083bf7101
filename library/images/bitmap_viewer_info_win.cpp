// bitmap_viewer_info_win.cpp - facts of bitmap viewer windows that the window manager and the
// graphics layer read: the shown bitmap, the scroll positions, the image size and bottom edge.
#include <windows.h>

#include "windows/window_tables_win.hpp"
#include "images/bitmap_viewer_win.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmaps_win.hpp"

int* yybitmapviewerrecord(int n) {
    if (n < 1 || n >= MaxWindows || wWindow[n] == nullptr) return nullptr;
    int* record = yywindowrecord(wWindow[n]);
    return record != nullptr && record[ViewerKind] == KindBitmapViewer ? record : nullptr;
}

int yybitmapinfo(int window, int item) {
    const int* record = yybitmapviewerrecord(window);
    if (record == nullptr) return 0;
    SCROLLINFO across{}, down{};
    across.cbSize = down.cbSize = sizeof(SCROLLINFO);
    across.fMask = down.fMask = SIF_ALL;
    switch (item) {
    case 3:
        return yybitmapshownslot(record) + 1;
    case 4:
        GetScrollInfo(handleOf(record[ViewerWindow]), SB_HORZ, &across);
        return across.nPos;
    case 5:
        GetScrollInfo(handleOf(record[ViewerWindow]), SB_VERT, &down);
        return down.nPos;
    case 101: return record[ViewerShownWidth];
    case 102: return record[ViewerShownHeight];
    case 103: {
        GetScrollInfo(handleOf(record[ViewerWindow]), SB_HORZ, &across);
        GetScrollInfo(handleOf(record[ViewerWindow]), SB_VERT, &down);
        const bool horizontalBar = across.nMax - across.nMin >= static_cast<int>(across.nPage);
        return down.nPos + static_cast<int>(down.nPage) + (horizontalBar ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    }
    default: return 0;
    }
}
