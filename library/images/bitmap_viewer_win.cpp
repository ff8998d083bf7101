// bitmap_viewer_win.cpp - the bitmap viewer: a child window of the window manager turned into a
// scrolling view of one off-screen bitmap, modal (a message loop of its own), modeless or
// semi-modeless. The frame's procedure becomes yyBitmapWndProc; the "KBNBITMAP" window over the
// client area shows the bitmap at its natural size and reports clicks and view movements.
#include <windows.h>

#include <new>

#include "base/callback_guard.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "graphics/screen_win.hpp"
#include "images/bitmap_viewer_win.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmaps_win.hpp"
#include "images/viewer_arithmetic.hpp"

ATOM atomBitmap;

namespace {

constexpr DWORD ViewerStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL;  // 0x54300000
constexpr int NotSet = -999;
constexpr UINT SystemTimerMessage = 0x118;

int* recordOf(HWND window) { return reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }
HWND viewerOf(const int* record) { return handleOf(record[ViewerWindow]); }

bool nt3() { return gravim.system.WinNT != 0 && gravim.system.WinVerMajor == 3; }

bool registerClass() {
    if (atomBitmap != 0) return true;
    WNDCLASSA viewerClass = {};
    viewerClass.style = CS_DBLCLKS;  // double clicks reach the viewer as such
    viewerClass.lpfnWndProc = yyBitmapWndProcClient;
    viewerClass.hInstance = wInstance;
    viewerClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    viewerClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    viewerClass.lpszClassName = "KBNBITMAP";
    atomBitmap = RegisterClassA(&viewerClass);
    if (atomBitmap == 0) {
        // Known already (registered by an earlier run of this process): its atom is the answer.
        WNDCLASSEXA known = {};
        known.cbSize = sizeof known;
        atomBitmap = static_cast<ATOM>(GetClassInfoExA(wInstance, "KBNBITMAP", &known));
    }
    return atomBitmap != 0;
}

int barHeight(HWND bar, bool width) {
    if (bar == nullptr) return 0;
    RECT r;
    GetWindowRect(bar, &r);
    return width ? r.right - r.left : r.bottom - r.top;
}

// The frame size that shows the whole bitmap: viewer, status bar and toolbars inside the frame.
SIZE fitFrameSize(HWND frame, const int* record) {
    RECT r = {0, 0, record[ViewerShownWidth], record[ViewerShownHeight]};
    AdjustWindowRectEx(&r, ViewerStyle & ~(WS_HSCROLL | WS_VSCROLL), FALSE, 0);
    r.bottom += barHeight(handleOf(record[ViewerStatusBar]), false);
    r.bottom += barHeight(handleOf(record[ViewerToolbars + 0]), false);
    r.bottom += barHeight(handleOf(record[ViewerToolbars + 3]), false);
    r.right += barHeight(handleOf(record[ViewerToolbars + 1]), true);
    r.right += barHeight(handleOf(record[ViewerToolbars + 2]), true);
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE)), GetMenu(frame) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(frame, GWL_EXSTYLE)));
    SIZE size = {r.right - r.left, r.bottom - r.top};
    if (nt3()) {
        size.cx += GetSystemMetrics(SM_CXVSCROLL);
        size.cy += GetSystemMetrics(SM_CYHSCROLL);
    }
    return size;
}

int scrollPosition(HWND viewer, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(viewer, bar, &info);
    return info.nPos;
}

void raiseViewerResize(HWND viewer) {
    const int x = scrollPosition(viewer, SB_HORZ), y = scrollPosition(viewer, SB_VERT);
    yyinterpretmessage(EvViewerResize, 0, 0, MAKELPARAM(x, y), viewer);
}

// Sets both scroll pages for the viewer's present size; true when a position moved.
bool setPages(HWND viewer, const int* record) {
    RECT outer;
    GetWindowRect(viewer, &outer);
    int pageX = 0, pageY = 0;
    yyviewerpages(outer.right - outer.left, outer.bottom - outer.top, record[ViewerShownWidth],
                  record[ViewerShownHeight], GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL), pageX,
                  pageY);
    const int oldX = scrollPosition(viewer, SB_HORZ), oldY = scrollPosition(viewer, SB_VERT);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | (nt3() ? SIF_DISABLENOSCROLL : 0);
    info.nPage = static_cast<UINT>(pageX);
    SetScrollInfo(viewer, SB_HORZ, &info, TRUE);
    info.nPage = static_cast<UINT>(pageY);
    SetScrollInfo(viewer, SB_VERT, &info, TRUE);
    return scrollPosition(viewer, SB_HORZ) != oldX || scrollPosition(viewer, SB_VERT) != oldY;
}

// Moves the view by one scroll request; a moved view is redrawn at once and reported.
void scrollBy(HWND viewer, int bar, int request, int thumb) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(viewer, bar, &info);
    int target = 0;
    const int page = static_cast<int>(info.nPage);
    if (!yyviewerscroll(request, info.nPos, page, thumb, target)) return;
    info.fMask = SIF_POS;
    info.nPos = target;
    SetScrollInfo(viewer, bar, &info, TRUE);
    if (scrollPosition(viewer, bar) == static_cast<int>(info.nPos) && target != info.nPos) return;
    InvalidateRect(viewer, nullptr, FALSE);
    UpdateWindow(viewer);
    raiseViewerResize(viewer);
}

// Fit and scroll set-up: the viewer shows the slot's bitmap from (x, y), a negative value keeping
// that position; the frame shrinks to the bitmap where it can.
void showBitmap(int n, int* record, int slot, int x, int y) {
    HWND frame = wWindow[n], viewer = viewerOf(record);
    int width = 0, height = 0;
    yybitmapsize(slot, width, height);
    record[ViewerShownBitmap] = wordOfBitmap(yybitmaphandle(slot));
    record[ViewerShownWidth] = width;
    record[ViewerShownHeight] = height;
    record[ViewerFitWidth] = record[ViewerFitHeight] = NotSet;
    for (int word = ViewerDragging; word <= ViewerDragScrollY; ++word) record[word] = 0;
    const SIZE need = fitFrameSize(frame, record);
    RECT outer;
    GetWindowRect(frame, &outer);
    int frameWidth = 0, frameHeight = 0;
    yyviewerfit(outer.right - outer.left, outer.bottom - outer.top, need.cx, need.cy, GetSystemMetrics(SM_CXVSCROLL),
                GetSystemMetrics(SM_CYHSCROLL), nt3(), frameWidth, frameHeight);
    if (frameWidth != outer.right - outer.left || frameHeight != outer.bottom - outer.top)
        SetWindowPos(frame, nullptr, 0, 0, frameWidth, frameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(viewer, &client);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | (x >= 0 ? SIF_POS : 0);
    info.nMax = width - 1;
    info.nPage = static_cast<UINT>(client.right < width ? client.right : width);
    info.nPos = x;
    SetScrollInfo(viewer, SB_HORZ, &info, TRUE);
    info.fMask = SIF_RANGE | SIF_PAGE | (y >= 0 ? SIF_POS : 0);
    info.nMax = height - 1;
    info.nPage = static_cast<UINT>(client.bottom < height ? client.bottom : height);
    info.nPos = y;
    SetScrollInfo(viewer, SB_VERT, &info, TRUE);
    GetClientRect(viewer, &client);
    SendMessageA(viewer, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

// Mode 1 takes the frame's menu and toolbars away.
void stripFrame(int n) {
    HWND frame = wWindow[n];
    if (HMENU menu = GetMenu(frame)) {
        SetMenu(frame, nullptr);
        DestroyMenu(menu);
    }
    yyforgetmenubar(n);
    if (yydropdockedbars(n) && !IsIconic(frame)) {
        RECT client;
        GetClientRect(frame, &client);
        SendMessageA(frame, WM_SIZE, IsZoomed(frame) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                     MAKELPARAM(client.right, client.bottom));
    }
}

// The viewer window over the client area; null when it could not be made.
HWND createViewer(int n) {
    RECT area;
    GetWindowRect(hClient[n], &area);
    MapWindowPoints(nullptr, wWindow[n], reinterpret_cast<POINT*>(&area), 2);
    return CreateWindowExA(0, "KBNBITMAP", "", ViewerStyle, area.left, area.top, area.right - area.left,
                           area.bottom - area.top, wWindow[n], reinterpret_cast<HMENU>(static_cast<INT_PTR>(ViewerControlId)),
                           wInstance, nullptr);
}

// The modal loop of mode 1: runs until a close request ends it.
void runModal(int* record) {
    record[ViewerModalDone] = 0;
    MSG message;
    while (record[ViewerModalDone] == 0) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) break;
        // The system's caret-blink timer is dropped, as the window manager's own loops drop it.
        if (message.message == SystemTimerMessage && LOWORD(message.wParam) == 0xFFF6) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// ---- frame ----

void frameDestroyed(HWND frame, int* record) {
    const int n = yygetwindowindex(frame);
    const int mode = record[ViewerMode];
    if (mode == 3) yysemimodalwindowgone(n);
    if (n >= 0) {
        yyClearMenuPrompt(hMenuRoot[n], n);
        yyforgetmenubar(n);
    }
    if (mode == 1 && n > 0) yyforgetmodalwindow(frame, n);  // the window manager's own close is not taken
    SetWindowLongPtrA(viewerOf(record), GWLP_USERDATA, 0);
    yysetwindowrecord(frame, nullptr);
    if (mode != 1) delete[] record;  // mode 1 frees it after its loop
}

LRESULT frameMinMax(HWND frame, const int* record, MINMAXINFO* info) {
    int* writable = const_cast<int*>(record);
    const SIZE need = fitFrameSize(frame, record);
    int maxWidth = 0, maxHeight = 0, fitWidth = NotSet, fitHeight = NotSet;
    yyviewermaxsize(need.cx, need.cy, info->ptMaxSize.x, info->ptMaxSize.y, GetSystemMetrics(SM_CXVSCROLL),
                    GetSystemMetrics(SM_CYHSCROLL), nt3(), maxWidth, maxHeight, fitWidth, fitHeight);
    writable[ViewerFitWidth] = fitWidth;
    writable[ViewerFitHeight] = fitHeight;
    // A frame inside another window is bounded by that window's client area, a top-level one by
    // the work area.
    RECT bound;
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0 && GetParent(frame) != nullptr) {
        GetClientRect(GetParent(frame), &bound);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &bound, 0);
    }
    const int edgeX = 2 * GetSystemMetrics(SM_CXEDGE), edgeY = 2 * GetSystemMetrics(SM_CYEDGE);
    if (maxWidth > bound.right - bound.left + edgeX) maxWidth = bound.right - bound.left + edgeX;
    if (maxHeight > bound.bottom - bound.top + edgeY) maxHeight = bound.bottom - bound.top + edgeY;
    info->ptMaxSize.x = info->ptMaxTrackSize.x = maxWidth;
    info->ptMaxSize.y = info->ptMaxTrackSize.y = maxHeight;
    return 0;
}

LRESULT frameMouseActivate(HWND frame) {
    HWND parent = GetParent(frame);
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0 && parent != nullptr &&
        GetClassLongA(parent, GCW_ATOM) == atomClient) {
        SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
        if (!IsChild(frame, GetFocus())) SetFocus(frame);
    }
    yytitlecolour(frame);
    return 0;
}

LRESULT frameMessage(HWND frame, int* record, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND viewer = viewerOf(record);
    switch (message) {
    case WM_DESTROY:
        frameDestroyed(frame, record);
        return DefWindowProcA(frame, message, wParam, lParam);
    case WM_SIZE: {
        // The window manager lays out bars and client area; the viewer covers the client area.
        const LRESULT result = yyWndProc(frame, message, wParam, lParam);
        const int n = yygetwindowindex(frame);
        if (wParam != SIZE_MINIMIZED && n >= 0 && hClient[n] != nullptr) {
            RECT area;
            GetWindowRect(hClient[n], &area);
            MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&area), 2);
            MoveWindow(viewer, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
        }
        return result;
    }
    case WM_SETFOCUS:
        yysettitlewindow(frame);
        yysetactivemodelessdialog(nullptr);
        SetFocus(viewer);
        return 0;
    case WM_CLOSE:
        if (record[ViewerMode] == 1) {
            record[ViewerModalDone] = 1;
            return DefWindowProcA(frame, message, wParam, lParam);
        }
        yyinterpretmessage(EvCloseRequest, 0, wParam, lParam, frame);
        return 0;
    case WM_ACTIVATEAPP:
        yyscreenpalettewindow(viewer);
        return DefWindowProcA(frame, message, wParam, lParam);
    case WM_MOUSEACTIVATE: return frameMouseActivate(frame);
    case WM_GETMINMAXINFO: return frameMinMax(frame, record, reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_NCHITTEST: {
        const LRESULT hit = yyWndProc(frame, message, wParam, lParam);
        return IsZoomed(frame) && hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTBORDER : hit;
    }
    case WM_PALETTECHANGED: return SendMessageA(viewer, message, wParam, lParam);
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_MENUSELECT:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_EXITSIZEMOVE: return yyWndProc(frame, message, wParam, lParam);
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

// ---- viewer ----

void paintViewer(HWND viewer, const int* record) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(viewer, &paint);
    yyscreenpaletteselect(dc);
    HDC memory = CreateCompatibleDC(dc);
    // A bitmap deleted behind the viewer's back is no longer drawn.
    HBITMAP shown = yybitmaphandle(yybitmapshownslot(record));
    HGDIOBJ old = memory != nullptr && shown != nullptr ? SelectObject(memory, shown) : nullptr;
    if (old != nullptr) {
        RECT client;
        GetClientRect(viewer, &client);
        const int x = scrollPosition(viewer, SB_HORZ), y = scrollPosition(viewer, SB_VERT);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, x, y, SRCCOPY);
        SelectObject(memory, old);
    }
    if (memory != nullptr) DeleteDC(memory);
    EndPaint(viewer, &paint);
}

bool keysScroll(const int* record) { return record[ViewerMode] == 1 || (record[ViewerOptions] & ViewerKeysScroll) != 0; }
bool leftPans(const int* record) { return record[ViewerMode] == 1 || (record[ViewerOptions] & ViewerLeftPans) != 0; }

LRESULT viewerKeyDown(HWND viewer, const int* record, WPARAM wParam, LPARAM lParam) {
    if (keysScroll(record)) {
        int bar = 0, request = 0, thumb = 0;
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if (yyviewerkey(static_cast<int>(wParam), ctrl, record[ViewerShownWidth], record[ViewerShownHeight], bar,
                        request, thumb)) {
            scrollBy(viewer, bar == 0 ? SB_HORZ : SB_VERT, request, thumb);
            return 0;
        }
    }
    if (record[ViewerMode] == 1) return DefWindowProcA(viewer, WM_KEYDOWN, wParam, lParam);
    return yyWndProcClient(viewer, WM_KEYDOWN, wParam, lParam);
}

void startPan(HWND viewer, int* record, LPARAM lParam) {
    SetCapture(viewer);
    record[ViewerDragging] = 1;
    record[ViewerDragX] = static_cast<short>(LOWORD(lParam));
    record[ViewerDragY] = static_cast<short>(HIWORD(lParam));
    record[ViewerDragScrollX] = scrollPosition(viewer, SB_HORZ);
    record[ViewerDragScrollY] = scrollPosition(viewer, SB_VERT);
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));  // IDC_SIZEALL
}

void panStep(HWND viewer, int* record, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    scrollBy(viewer, SB_HORZ, ScrollThumbTrack, yyviewerpan(record[ViewerDragScrollX], record[ViewerDragX], x));
    scrollBy(viewer, SB_VERT, ScrollThumbTrack, yyviewerpan(record[ViewerDragScrollY], record[ViewerDragY], y));
    record[ViewerDragX] = x;
    record[ViewerDragY] = y;
    record[ViewerDragScrollX] = scrollPosition(viewer, SB_HORZ);
    record[ViewerDragScrollY] = scrollPosition(viewer, SB_VERT);
}

void endPan(HWND viewer, int* record) {
    const int n = yygetwindowindex(viewer);
    HCURSOR cursor = n >= 0 && hCursorWin[n] != nullptr ? hCursorWin[n] : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    SetCursor(cursor);
    ReleaseCapture();
    record[ViewerDragging] = 0;
}

void buttonDown(HWND viewer, int button, bool doubleClick, WPARAM wParam, LPARAM lParam) {
    SetCapture(viewer);
    const int type = doubleClick && gravim.events.wMessageEnabled[EvDoubleClick - 1] != 0 ? EvDoubleClick : EvMouseDown;
    yyinterpretmessage(type, button, wParam, lParam, viewer);
}

LRESULT viewerMessage(HWND viewer, int* record, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paintViewer(viewer, record); return 0;
    case WM_SIZE:
        if (setPages(viewer, record)) raiseViewerResize(viewer);
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
        int thumb = HIWORD(wParam);
        if (LOWORD(wParam) == SB_THUMBTRACK) {
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(viewer, bar, &info)) thumb = info.nTrackPos;
        }
        scrollBy(viewer, bar, LOWORD(wParam), thumb);
        return 0;
    }
    case WM_KEYDOWN: return viewerKeyDown(viewer, record, wParam, lParam);
    case WM_LBUTTONDOWN:
        if (leftPans(record)) {
            startPan(viewer, record, lParam);
            return 0;
        }
        buttonDown(viewer, 1, false, wParam, lParam);
        return 0;
    case WM_MBUTTONDOWN: buttonDown(viewer, 2, false, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: buttonDown(viewer, 3, false, wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: buttonDown(viewer, 1, true, wParam, lParam); return 0;
    case WM_MBUTTONDBLCLK: buttonDown(viewer, 2, true, wParam, lParam); return 0;
    case WM_RBUTTONDBLCLK: buttonDown(viewer, 3, true, wParam, lParam); return 0;
    case WM_MOUSEMOVE:
        if (record[ViewerDragging] != 0) {
            panStep(viewer, record, lParam);
            return 0;
        }
        return yyWndProcClient(viewer, message, wParam, lParam);
    case WM_LBUTTONUP:
        if (record[ViewerDragging] != 0) {
            endPan(viewer, record);
            return 0;
        }
        return yyWndProcClient(viewer, message, wParam, lParam);
    case WM_MOUSEWHEEL: {
        RECT client;
        GetClientRect(viewer, &client);
        const int position = scrollPosition(viewer, SB_VERT);
        scrollBy(viewer, SB_VERT, ScrollThumbTrack,
                 yyviewerwheel(position, GET_WHEEL_DELTA_WPARAM(wParam), client.bottom));
        return 0;
    }
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != viewer) yyscreenpalettewindow(viewer);
        return 0;
    case WM_SETFOCUS:
    case WM_SETCURSOR:
    case WM_CHAR:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return yyWndProcClient(viewer, message, wParam, lParam);
    default: return DefWindowProcA(viewer, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK yyBitmapWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyBitmapWndProc",
        [&]() -> LRESULT {
            int* record = yywindowrecord(window);
            if (record == nullptr || record[ViewerKind] != KindBitmapViewer)
                return DefWindowProcA(window, message, wParam, lParam);
            return frameMessage(window, record, message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(window, message, wParam, lParam); });
}

LRESULT CALLBACK yyBitmapWndProcClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyBitmapWndProcClient",
        [&]() -> LRESULT {
            int* record = recordOf(window);
            if (record == nullptr) return DefWindowProcA(window, message, wParam, lParam);
            return viewerMessage(window, record, message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(window, message, wParam, lParam); });
}

void yybitmapview(int slot, int x, int y, int& mode, int options, int& status) {
    const int n = gravim.windows.wIndex;
    if (n < 1 || n >= MaxWindows || wWindow[n] == nullptr) {
        status = 1;
        return;
    }
    HBITMAP bitmap = yybitmaphandle(slot);
    if (bitmap == nullptr) {
        status = 2;
        return;
    }
    HDC test = CreateCompatibleDC(gDC);
    const bool selectable = test != nullptr && SelectObject(test, bitmap) != nullptr;
    if (test != nullptr) DeleteDC(test);
    if (!selectable) {
        status = 3;
        return;
    }
    HWND frame = wWindow[n];
    if (int* record = yywindowrecord(frame)) {
        if (record[ViewerKind] != KindBitmapViewer) {
            status = 4;
            return;
        }
        showBitmap(n, record, slot, x, y);
        InvalidateRect(viewerOf(record), nullptr, FALSE);
        UpdateWindow(viewerOf(record));
        return;
    }
    if (GetWindow(hClient[n], GW_CHILD) != nullptr) {
        status = 9;
        return;
    }
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0 && mode != 2) {
        if (mode == 1) {
            int error = 0;
            yygetwindowbitmap(0, n, error);
        }
        status = 5;
        mode = 2;
    }
    int* record = registerClass() ? new (std::nothrow) int[ViewerRecordWords]() : nullptr;
    if (record == nullptr) {
        status = 6;
        return;
    }
    record[ViewerKind] = KindBitmapViewer;
    record[ViewerMode] = mode;
    record[ViewerStatusBar] = wordOf(wMessLine[n]);
    record[ViewerOptions] = options;
    if (mode == 1) {
        stripFrame(n);
    } else {
        for (int position = 0; position < 4; ++position) record[ViewerToolbars + position] = wordOf(hToolbar[n][position]);
    }
    HWND viewer = createViewer(n);
    if (viewer == nullptr) {
        delete[] record;  // nothing holds it
        status = 6;
        return;
    }
    record[ViewerWindow] = wordOf(viewer);
    SetWindowLongPtrA(viewer, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    yysetwindowrecord(frame, record);
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyBitmapWndProc));
    showBitmap(n, record, slot, x < 0 ? 0 : x, y < 0 ? 0 : y);

    if (GetFocus() == hClient[n]) SetFocus(viewer);
    ShowWindow(hClient[n], SW_HIDE);
    UpdateWindow(viewer);
    if (mode == 3) yysemimodalwindowshown();
    if (!IsWindowEnabled(frame)) {
        EnableWindow(frame, TRUE);
        SetFocus(viewer);
    }
    ShowWindow(frame, SW_SHOW);
    if (mode == 1 || mode == 3) yyDisableDialogs(frame, 1);
    if (mode != 1) return;

    runModal(record);
    delete[] record;
    HWND active = hLastSemi != nullptr ? hLastSemi : wWindow[0];
    yyEnableDialogs(active, 1);
    if (active != nullptr) {
        SetActiveWindow(active);
        SetFocus(active);
    }
}

void yybitmapviewerretarget(int n, int slot) {
    int* record = yybitmapviewerrecord(n);
    if (record == nullptr || yybitmaphandle(slot) == nullptr) return;
    showBitmap(n, record, slot, -1, -1);
    InvalidateRect(viewerOf(record), nullptr, FALSE);
    UpdateWindow(viewerOf(record));
}

void yybitmapviewerinstallkind() {
    SpecialWindowCalls calls;
    calls.revert = [](int n, int* record) {
        yybitmapviewerrevert(n, record);
        delete[] record;
    };
    calls.focus = [](const int* record) { return handleOf(record[HostedWindow]); };
    calls.info = yybitmapinfo;
    // A menu bar changes the frame's outer size: the frame is set again to its size and the
    // viewer told the new client size.
    calls.menuChanged = [](int n, int* record) {
        HWND frame = wWindow[n];
        SetWindowPos(frame, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        RECT client;
        GetClientRect(hClient[n] != nullptr ? hClient[n] : frame, &client);
        SendMessageA(viewerOf(record), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    };
    calls.hostsClient = true;
    yysetspecialwindowcalls(KindBitmapViewer, calls);
}

void yybitmapviewerrevert(int n, int* record) {
    if (record[ViewerMode] == 3) {
        yysemimodalwindowended();
        yyEnableDialogs(hLastSemi != nullptr ? hLastSemi : wWindow[0], 1);
    }
    HWND viewer = viewerOf(record);
    SetWindowLongPtrA(viewer, GWLP_USERDATA, 0);
    DestroyWindow(viewer);
    if (hClient[n] != nullptr) ShowWindow(hClient[n], SW_SHOW);
}
