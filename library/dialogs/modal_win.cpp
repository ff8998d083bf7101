// modal_win.cpp - the modal bracket: the owner of a modal box, disabling and enabling the other
// dialogs and windows around it, and freezing windows into snapshots while it is up.
#include "dialogs/modal_win.hpp"

#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"


int nImage[51];

namespace {

// Snapshots of frozen dialogs and their freeze counts, by table index (1..100).
HBITMAP dialogImage[101];
int dialogImageCount[101];

bool isShown(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    return record != nullptr && record[DlgShown] != 0;
}

bool isChildWindow(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

// A dialog at top level or inside a library window takes part; a page inside another dialog
// follows that dialog.
bool takesPart(HWND dialog) {
    if (!isChildWindow(dialog)) return true;
    return yygetwindowindex(GetParent(dialog)) != -1;
}

HBITMAP snapshotClient(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, client.right, client.bottom);
    if (image != nullptr) {
        HGDIOBJ old = SelectObject(memory, image);
        BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return image;
}

// Copies a snapshot back onto the client area, children included, and deletes it.
void restoreClient(HWND window, HBITMAP image) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (style & WS_CLIPCHILDREN) SetWindowLongA(window, GWL_STYLE, style & ~WS_CLIPCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, image);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    if (style & WS_CLIPCHILDREN) SetWindowLongA(window, GWL_STYLE, style);
    DeleteObject(image);
    ValidateRect(window, nullptr);
}

// The toolbars of every library window placed inside window are redrawn.
void redrawToolbarsInside(HWND window) {
    for (int n = 0; n < MaxWindows; ++n) {
        if (wWindow[n] == nullptr || (wWindow[n] != window && !IsChild(window, wWindow[n])))
            continue;
        for (HWND toolbar : hToolbar[n])
            if (toolbar != nullptr) RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

// The window's client area (its GRAVCLIENT child), which the window procedures repaint from
// the snapshot.
HWND clientArea(int n) { return hClient[n] != nullptr ? hClient[n] : wWindow[n]; }

bool freezesWindow(int n, int except) {
    HWND frame = wWindow[n];
    if (n == except || frame == nullptr || !IsWindowVisible(frame) || isChildWindow(frame)) return false;
    const int kind = yywindowkind(frame);
    return kind == 0 || kind == KindSplit;
}

void freeze(int except) {
    for (int i = 1; i <= nDialogs; ++i)
        if (isShown(hDialogList[i]))
            RedrawWindow(hDialogList[i], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (yyIsDwmEnabled() != 0) return;
    yysetblitting(1);
    for (int n = 0; n < MaxWindows; ++n) {
        if (!freezesWindow(n, except)) continue;
        if (hImage[n] == nullptr) yysetwindowsnapshot(n, snapshotClient(clientArea(n)));
        ++nImage[n];
    }
    for (int i = 1; i <= nDialogs; ++i) {
        HWND dialog = hDialogList[i];
        if (!isShown(dialog) || !yyCheckUserDrawn(dialog)) continue;
        if (dialogImage[i] == nullptr) dialogImage[i] = snapshotClient(dialog);
        ++dialogImageCount[i];
    }
}

bool repaintsWithoutSnapshot() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool before51 = version.dwMajorVersion < 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion < 1);
    return before51 || version.dwPlatformId != VER_PLATFORM_WIN32_NT;
}

void release(int except) {
    if (wBlitOn == 0) return;
    yysetblitting(0);
    for (int n = 0; n < MaxWindows; ++n) {
        if (n == except || hImage[n] == nullptr) continue;
        if (--nImage[n] > 0) {
            yysetblitting(1);
            continue;
        }
        nImage[n] = 0;
        restoreClient(clientArea(n), hImage[n]);
        yysetwindowsnapshot(n, nullptr);
        redrawToolbarsInside(wWindow[n]);
    }
    for (int i = 1; i <= nDialogs; ++i) {
        if (dialogImage[i] == nullptr) {
            if (isShown(hDialogList[i]) && repaintsWithoutSnapshot())
                RedrawWindow(hDialogList[i], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            continue;
        }
        if (--dialogImageCount[i] > 0) {
            yysetblitting(1);
            continue;
        }
        dialogImageCount[i] = 0;
        restoreClient(hDialogList[i], dialogImage[i]);
        dialogImage[i] = nullptr;
    }
}

}  // namespace

HWND yyactivewindlg() {
    if (hDlgCur != nullptr && IsWindowVisible(hDlgCur)) {
        const int* record = yydialogrecord(hDlgCur);
        if (record != nullptr && record[DlgCombinedWindow] != 0)
            return reinterpret_cast<HWND>(static_cast<LONG_PTR>(record[DlgCombinedWindow]));
        return hDlgCur;
    }
    return hWinCur;
}

void yyDisableDialogs(HWND owner, int windows) {
    for (int i = 1; i <= nDialogs; ++i) {
        HWND dialog = hDialogList[i];
        const int* record = yydialogrecord(dialog);
        if (dialog == owner || record == nullptr || record[DlgShown] == 0 || !takesPart(dialog)) continue;
        if (owner != nullptr && record[DlgCombinedWindow] == static_cast<int>(reinterpret_cast<LONG_PTR>(owner)))
            continue;
        EnableWindow(dialog, FALSE);
    }
    if (windows == 0) return;
    for (HWND frame : wWindow)
        if (frame != nullptr && frame != owner && IsWindowVisible(frame)) EnableWindow(frame, FALSE);
}

void yyEnableDialogs(HWND keep, int windows) {
    if (nSemi > 0) {
        if (keep != nullptr) EnableWindow(keep, TRUE);
        return;
    }
    for (int i = 1; i <= nDialogs; ++i)
        if (isShown(hDialogList[i]) && takesPart(hDialogList[i])) EnableWindow(hDialogList[i], TRUE);
    if (windows == 0) return;
    // Hidden frames too: a semi-modeless show disabled every frame, and one that is shown later
    // must not stay disabled.
    for (HWND frame : wWindow)
        if (frame != nullptr) EnableWindow(frame, TRUE);
}

void yygetwindowbitmap(int freezeSwitch, int except, int& error) {
    error = 0;
    if (freezeSwitch != 0)
        freeze(except);
    else
        release(except);
}

HBITMAP yydialogsnapshot(HWND dialog) {
    if (wBlitOn == 0) return nullptr;
    for (int i = 1; i <= nDialogs; ++i)
        if (hDialogList[i] == dialog) return dialogImage[i];
    return nullptr;
}

bool yyCheckUserDrawn(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    if (record == nullptr) return false;
    if (record[DlgIsSurface] != 0) return true;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const FieldRecord* field = yyfieldrecord(control);
        if (field != nullptr && field->graphicsField != 0) return true;
        if (!yyisclass(control, atomTab)) continue;
        HWND page = yytabpagewindow(control, static_cast<int>(SendMessageA(control, TCM_GETCURSEL, 0, 0)));
        if (page != nullptr && yyCheckUserDrawn(page)) return true;
    }
    return false;
}

ModalBracket::ModalBracket() : owner_(yyactivewindlg()), focus_(GetFocus()) { yyDisableDialogs(owner_, 1); }

ModalBracket::~ModalBracket() {
    yyEnableDialogs(hLastSemi != nullptr ? hLastSemi : owner_, 1);
    if (owner_ != nullptr && (GetWindowLongA(owner_, GWL_STYLE) & WS_CHILD) != 0) {
        SetFocus(owner_);
        yytitlecolour(owner_);
    }
    if (focus_ != nullptr && owner_ != nullptr && IsChild(owner_, focus_)) SetFocus(focus_);
}

void yyinsidewindowmode(int& status, int& mode) {
    if (mode != 1 && mode != 3) return;
    if (mode == 1) {
        int error = 0;
        yygetwindowbitmap(0, -1, error);
    }
    status = 5;
    mode = 2;
}

void yysemimodalwindowshown() { ++nSemi; }

void yysemimodalwindowended() {
    if (nSemi > 0) --nSemi;
}

void yysemimodalwindowgone(int n) {
    yysemimodalwindowended();
    HWND previous = n >= 0 && n < MaxWindows && hPrevious[n] != nullptr && IsWindow(hPrevious[n]) ? hPrevious[n] : wWindow[0];
    yyEnableDialogs(previous, 1);
    if (previous != nullptr) {
        SetActiveWindow(previous);
        SetFocus(previous);
    }
}
