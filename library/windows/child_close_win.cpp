// child_close_win.cpp - closing child windows in three stages (a split pane closes its whole split,
// a split window its panes, every window what lies inside it or is owned by it) and reverting
// special windows to plain child windows.
#include <windows.h>

#include "windows/dialog_calls_win.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

bool isChildNumber(int n) { return n >= 1 && n < MaxWindows && wWindow[n] != nullptr; }

// Hides and unloads a dialog, clearing the caller's identifier when it named that dialog.
void unloadDialog(int id, int& currentDialog) {
    yydialogcalls().hideCombined(id);
    if (yydialogcalls().find(id) > 0) yydialogcalls().unload(id);
    if (currentDialog == id) currentDialog = 0;
}

// Removes a kind-3 record: its dialog goes with it.
void dropCombinedDialog(HWND frame, int& currentDialog) {
    int* record = yywindowrecord(frame);
    if (record == nullptr || record[0] != KindDialog) return;
    yysetwindowrecord(frame, nullptr);
    if (const int id = yydialogcalls().idOf(handleOf(record[HostedWindow])); id != 0) unloadDialog(id, currentDialog);
    delete[] record;
}

// Removes a kind-5 record and its bar.
void dropSplitRecord(HWND frame) {
    int* record = yywindowrecord(frame);
    if (record == nullptr || record[0] != KindSplit) return;
    yysetwindowrecord(frame, nullptr);
    if (HWND bar = handleOf(record[SplitBar])) {
        SetWindowLongPtrA(bar, GWLP_USERDATA, 0);
        DestroyWindow(bar);
    }
    delete[] record;
}

// A split window whose designated pane shows its menu does not own that menu.
bool menuBelongsToPane(int n) {
    const int* record = yywindowrecord(wWindow[n]);
    return record != nullptr && record[0] == KindSplit && record[SplitDesignated] != 0;
}

void destroyMenuOf(int n) {
    if (hMenuRoot[n] != nullptr && !menuBelongsToPane(n)) {
        yyClearMenuPrompt(hMenuRoot[n], n);
        DestroyMenu(hMenuRoot[n]);
    }
    hMenuRoot[n] = nullptr;
}

// The drawing context of a closing current window goes with it.
void releaseIfCurrent(int n) {
    if (n != gravim.windows.wIndex || wDC == nullptr) return;
    yyscreenport().windowContextGone(wDC);
    ReleaseDC(hClient[n], wDC);
    wDC = nullptr;
}

// A window that goes with the closing one.
void closeDependent(int m, int& currentDialog) {
    HWND frame = wWindow[m];
    yyclosemcidevice(m);
    releaseIfCurrent(m);
    dropSplitRecord(frame);
    dropCombinedDialog(frame, currentDialog);
    destroyMenuOf(m);
    if (hWinCur == frame) hWinCur = wWindow[0];
    yyforgetwindow(m);
    DestroyWindow(frame);
}

}  // namespace

bool yywindowbelongsto(HWND window, HWND frame) {
    for (HWND w = window; w != nullptr;) {
        if (w == frame || IsChild(frame, w)) return true;
        HWND owner = GetWindow(w, GW_OWNER);
        w = owner != nullptr ? owner : GetAncestor(w, GA_PARENT);
        if (w == GetDesktopWindow()) break;
    }
    return false;
}

void yyforgetwindow(int n) {
    wWindow[n] = hClient[n] = wMessLine[n] = nullptr;
    yyforgetmenubar(n);
    yyfreetooltips(n);
    for (int position = 0; position < 4; ++position) {
        hToolbar[n][position] = nullptr;
        iToolSize[n][position] = 0;
    }
    hCursorWin[n] = nullptr;
    iCursorWin[n] = 0;
    wChildRect[n].left = NoChildRect;
    hPrevious[n] = nullptr;
    if (hWindowColour[n] != nullptr) DeleteObject(hWindowColour[n]);
    hWindowColour[n] = nullptr;
    iWindowColour[n] = -1;
    gravim.windows.windowFlags[n] = 0;
    yyforgetparked(n);
}

void yyCloseChild3(int n, int& currentDialog) {
    HWND frame = wWindow[n];
    yyclosemcidevice(n);
    releaseIfCurrent(n);
    dropCombinedDialog(frame, currentDialog);

    // Found first: destroying one window takes the windows inside it along.
    bool dependent[MaxWindows] = {};
    for (int m = 1; m < MaxWindows; ++m)
        dependent[m] = m != n && wWindow[m] != nullptr && yywindowbelongsto(wWindow[m], frame);
    for (int m = 1; m < MaxWindows; ++m)
        if (dependent[m]) closeDependent(m, currentDialog);
    for (int m = 1; m < MaxWindows; ++m) {
        int* record = yywindowrecord(wWindow[m]);
        if (record != nullptr && record[0] == KindSplit && handleOf(record[SplitDesignated]) == frame) {
            record[SplitDesignated] = 0;
            hMenuRoot[m] = nullptr;
        }
    }
    // Nothing may go on naming the closed frame: its previous window takes its place (the
    // dialog manager's owners included), and the dialogs inside or owned by it go with it.
    for (int m = 0; m < MaxWindows; ++m)
        if (hPrevious[m] == frame) hPrevious[m] = hPrevious[n];
    yydialogcalls().windowClosing(frame, hPrevious[n], currentDialog);

    destroyMenuOf(n);
    dropSplitRecord(frame);
    if (hPrevious[n] != nullptr && IsWindowVisible(hPrevious[n]) && (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) == 0)
        SetActiveWindow(hPrevious[n]);
    DestroyWindow(hClient[n]);
    DestroyWindow(frame);
    if (hWinCur == frame) hWinCur = wWindow[0];
    yyforgetwindow(n);
}

void yyCloseChild2(int n, int& currentDialog) {
    if (const int* record = yywindowrecord(wWindow[n]); record != nullptr && record[0] == KindSplit) {
        const int first = record[SplitFirstPane], second = record[SplitFirstPane + 1];
        if (isChildNumber(first)) yyCloseChild2(first, currentDialog);
        if (isChildNumber(second)) yyCloseChild2(second, currentDialog);
    }
    yyCloseChild3(n, currentDialog);
}

namespace {

// The closed current window can no longer be the drawing target: the root takes its place.
void selectRootIfCurrentClosed() {
    if (wWindow[gravim.windows.wIndex] == nullptr && wWindow[0] != nullptr) yywinsel(0, 1);
}

void closeChild(int n, int& currentDialog) {
    HWND frame = wWindow[n];
    if (int* record = yysplitrecordofpane(frame)) {
        const int split = record[SplitWindow];
        const int first = record[SplitFirstPane], second = record[SplitFirstPane + 1];
        HWND bar = handleOf(record[SplitBar]);
        yysetwindowrecord(wWindow[split], nullptr);
        HWND outer = GetAncestor(wWindow[split], GA_ROOT);
        const int outerNumber = yygetwindowindex(outer);
        SetMenu(outer, outerNumber >= 0 ? hMenuRoot[outerNumber] : nullptr);
        DrawMenuBar(outer);
        if (isChildNumber(first)) yyCloseChild2(first, currentDialog);
        if (isChildNumber(second)) yyCloseChild2(second, currentDialog);
        SetWindowLongPtrA(bar, GWLP_USERDATA, 0);
        DestroyWindow(bar);
        delete[] record;
        return;
    }
    yyCloseChild2(n, currentDialog);
}

}  // namespace

void yyclosechild(int& n, int& currentDialog) {
    if (!isChildNumber(n)) {
        n = -1;
        return;
    }
    closeChild(n, currentDialog);
    selectRootIfCurrentClosed();
}

void yywindowrevert(int& currentDialog, int flags, int& result) {
    const int n = gravim.windows.wIndex;
    HWND frame = wWindow[n];
    if (frame == nullptr) {
        result = 1;
        return;
    }
    int* record = yywindowrecord(frame);
    if (record == nullptr) {
        result = 2;
        return;
    }
    result = 0;
    if (const SpecialWindowCalls* calls = yyspecialwindowcalls(record); calls != nullptr && calls->revert != nullptr) {
        // The frame's own procedure comes back first; the record is the kind's and goes with it.
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyWndProc));
        yysetwindowrecord(frame, nullptr);
        calls->revert(n, record);
        return;
    }
    switch (record[0]) {
    case KindDialog: {
        dropCombinedDialog(frame, currentDialog);
        LONG style = GetWindowLongA(frame, GWL_STYLE);
        if ((flags & WinFixedSize) == 0) style |= WS_THICKFRAME;
        if (flags & WinMaximiseBox) style |= WS_MAXIMIZEBOX;
        SetWindowLongA(frame, GWL_STYLE, style);
        SetWindowPos(frame, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        break;
    }
    case KindSplit: {
        int first = record[SplitFirstPane];
        yyclosechild(first, currentDialog);
        break;
    }
    default:
        result = 2;
        break;
    }
}
