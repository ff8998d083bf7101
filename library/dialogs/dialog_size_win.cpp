// dialog_size_win.cpp - resizable dialogs (the size grip) and explicit resizing, dialog-unit
// factors, tab stops, selecting a control's whole text, and a dialog or field as drawing surface.
#include <windows.h>

#include <new>

#include "windows/screen_port_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/show_internal_win.hpp"

namespace {

bool inside(const RECT& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
}

// Controls other than page dialogs and scroll bars take part in explicit resizing.
bool takesPart(HWND control) { return !yyisclass(control, atomDialog) && !yyisclass(control, atomScrollbar); }

RECT childRectangle(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void yyDialogCreateSizeGrip(HWND dialog) {
    if (!yyIsResizableDialog(dialog)) return;
    const int* record = yydialogrecord(dialog);
    // A status bar of the window the dialog lives in has a grip already.
    HWND window = record != nullptr && record[DlgCombinedWindow] != 0
                      ? reinterpret_cast<HWND>(static_cast<INT_PTR>(record[DlgCombinedWindow]))
                      : nullptr;
    while (window != nullptr) {
        const int n = yygetwindowindex(window);
        if (n >= 0 && wMessLine[n] != nullptr) return;
        if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) break;
        HWND outer = GetParent(GetParent(window));
        const int* outerRecord = yywindowrecord(outer);
        if (outerRecord == nullptr || outerRecord[0] != KindSplit ||
            outerRecord[7] == static_cast<int>(reinterpret_cast<INT_PTR>(window)))
            return;
        window = outer;
    }
    RECT client;
    GetClientRect(dialog, &client);
    CreateWindowExA(0, "SCROLLBAR", " ",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_GROUP | SBS_SIZEGRIP |
                        SBS_SIZEBOXBOTTOMRIGHTALIGN,
                    0, 0, client.right, client.bottom, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(0xFFFF)),
                    GetModuleHandleA(nullptr), nullptr);
}

void yydialogsize(int width, int height, int& result) {
    HWND dialog = yycurrentdialogwindow();
    int* record = yydialogrecord(dialog);
    if (record == nullptr) return;
    result = 0;
    if (record[DlgCombinedWindow] != 0) {
        result = -1;
        return;
    }
    RECT units = {0, 0, width, height};
    MapDialogRect(dialog, &units);
    RECT oldClient;
    GetClientRect(dialog, &oldClient);
    const int newWidth = width > 0 ? units.right : oldClient.right;
    const int newHeight = height > 0 ? units.bottom : oldClient.bottom;
    const bool resizable = yyIsResizableDialog(dialog);
    if (!resizable) {
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            if (!takesPart(c)) continue;
            const RECT r = childRectangle(dialog, c);
            if (!inside(r, oldClient.right, oldClient.bottom) || inside(r, newWidth, newHeight)) continue;
            const bool hadFocus = GetFocus() == c;
            if (FieldRecord* field = yyfieldrecord(c)) {
                const int kept = field->state;
                int id = GetDlgCtrlID(c);
                yyfieldenable(id, 3, 0);
                field->state = kept;
            } else {
                ShowWindow(c, SW_HIDE);
            }
            if (hadFocus) SetFocus(GetNextDlgTabItem(dialog, c, FALSE));
        }
    }
    RECT outer = {0, 0, newWidth, newHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    const int outerWidth = outer.right - outer.left, outerHeight = outer.bottom - outer.top;
    if (record[DlgMinWidth] > outerWidth) record[DlgMinWidth] = outerWidth;
    if (record[DlgMinHeight] > outerHeight) record[DlgMinHeight] = outerHeight;
    SetWindowPos(dialog, nullptr, 0, 0, outerWidth, outerHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (resizable) return;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!takesPart(c)) continue;
        const RECT r = childRectangle(dialog, c);
        if (inside(r, oldClient.right, oldClient.bottom) || !inside(r, newWidth, newHeight)) continue;
        if (const FieldRecord* field = yyfieldrecord(c)) {
            int id = GetDlgCtrlID(c);
            yyfieldenable(id, field->state, 1);
        }
    }
}

void yygetdlgfactor(int& x, int& y) {
    RECT units = {0, 0, 4, 8};
    MapDialogRect(yycurrentdialogwindow(), &units);
    x = units.right;
    y = units.bottom;
}

void yydialogtabstops(int& field, const int* stops, int count) {
    HWND control = GetDlgItem(yycurrentdialogwindow(), field);
    FieldRecord* record = yyfieldrecord(control);
    const bool multiLineEdit = yyisclass(control, atomEdit) && (GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE);
    if (record == nullptr || (!multiLineEdit && !yyisclass(control, atomList))) {
        field = -1;
        return;
    }
    int* copy = new (std::nothrow) int[count > 0 ? count : 1];
    if (copy == nullptr) return;
    for (int i = 0; i < count; ++i) copy[i] = stops[i];
    delete[] record->tabStops;
    record->tabStops = copy;
    record->tabStopCount = count;
    SendMessageA(control, multiLineEdit ? EM_SETTABSTOPS : LB_SETTABSTOPS, count, reinterpret_cast<LPARAM>(copy));
    InvalidateRect(control, nullptr, TRUE);
}

void yyDialogSelectAll(HWND control) {
    if (yyisclass(control, atomCombo)) {
        SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(-1, -1));
        return;
    }
    if (!yyisclass(control, atomEdit) && !yyisnumericclass(control)) return;
    const bool plainMultiLine = yyisclass(control, atomEdit) && (GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE);
    if (plainMultiLine)
        SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    else
        SendMessageA(control, EM_SETSEL, 0, -1);
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
}

void yyfieldselect(int& field, int& width, int& height) {
    HWND dialog = yycurrentdialogwindow();
    HWND target = dialog == nullptr ? nullptr : field == 0 ? dialog : GetDlgItem(dialog, field);
    if (target == nullptr) {
        field = -1;
        return;
    }
    yyscreenport().targetReleasing();
    HDC dc = GetDC(target);
    if (dc == nullptr) {
        field = -1;
        return;
    }
    yyscreenport().fieldContextSelected(target, dc);
    RECT client;
    GetClientRect(target, &client);
    width = client.right;
    height = client.bottom;
    // From now on the field (or the dialog) raises mouse, expose and resize events.
    if (field == 0) {
        if (int* record = yydialogrecord(dialog)) record[DlgIsSurface] = 1;
    } else if (FieldRecord* record = yyfieldrecord(target)) {
        record->graphicsField = 1;
    }
}
