// window_services_win.cpp - small window services: selection, window text, bell, cursors,
// active titles, window lookup and system facts.
#include <cstring>

#include "windows/dialog_calls_win.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

void yywinsel(int n, int reselect) {
    int width = 0, height = 0;
    if (yywindowselect(width, height, n) == -1) {
        yyerror(1003, "YYWINSEL");
        return;
    }
    gravim.windows.clientWidth = width;
    gravim.windows.clientHeight = height;
    gravim.windows.wIndex = n;
    wTextX = wTextY = 0;
    yyscreenport().windowSelected(n, reselect, width, height);
}

int yygetwindowindex(HWND window) {
    if (window == nullptr) return -1;
    for (int n = 0; n < MaxWindows; ++n)
        if (wWindow[n] == window || hClient[n] == window) return n;
    for (int n = 1; n < MaxWindows; ++n) {
        const int* record = yywindowrecord(wWindow[n]);
        const SpecialWindowCalls* calls = yyspecialwindowcalls(record);
        if (calls != nullptr && calls->hostsClient && handleOf(record[HostedWindow]) == window) return n;
    }
    return -1;
}

namespace {

COLORREF textColour(int index) {
    const COLORREF colour = wColor[index];
    return yyscreenport().usesPalette() ? GetNearestColor(wDC, colour) : colour;
}

}  // namespace

void yystringout(int& x, int& y, const char* text, int length) {
    if (wDC == nullptr) return;
    HFONT oldFont = static_cast<HFONT>(SelectObject(wDC, wTextFont));
    const int oldMode = SetBkMode(wDC, OPAQUE);
    const UINT oldAlign = SetTextAlign(wDC, TA_BASELINE | TA_UPDATECP);
    const COLORREF oldText = SetTextColor(wDC, textColour(wForeCol));
    const COLORREF oldBack = SetBkColor(wDC, textColour(wBackCol));
    MoveToEx(wDC, x, y, nullptr);
    const int count = static_cast<int>(strnlen(text, length > 0 ? length - 1 : 0));
    TextOutA(wDC, 0, 0, text, count);
    POINT after;
    GetCurrentPositionEx(wDC, &after);
    if (wUnderline == 1) {
        HPEN pen = CreatePen(PS_SOLID, 1, textColour(wForeCol));
        HPEN oldPen = static_cast<HPEN>(SelectObject(wDC, pen));
        MoveToEx(wDC, x, y + 2, nullptr);
        LineTo(wDC, after.x, after.y + 2);
        SelectObject(wDC, oldPen);
        DeleteObject(pen);
    }
    x = after.x;
    y = after.y;
    SetTextAlign(wDC, oldAlign);
    SetBkMode(wDC, oldMode);
    SetTextColor(wDC, oldText);
    SetBkColor(wDC, oldBack);
    SelectObject(wDC, oldFont);
}

void yystringlen(int& width, const char* text, int length) {
    HDC dc = wDC != nullptr ? wDC : GetDC(nullptr);
    HFONT oldFont = static_cast<HFONT>(SelectObject(dc, wTextFont));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strnlen(text, length > 0 ? length - 1 : 0)), &size);
    width = size.cx;
    SelectObject(dc, oldFont);
    if (dc != wDC) ReleaseDC(nullptr, dc);
}

void yysetfontcolour(int foreground, int background) {
    wForeCol = foreground;
    wBackCol = background;
}

void yysetfontcolourrgb(int index, int red, int green, int blue) {
    if (index < 0 || index > 17) return;
    wColor[index] = RGB(red, green, blue);
    // The window-text entries follow the graphics entries of the root palette.
    yyscreenport().paletteEntrySet(gravim.system.ngColours + index, red + 256 * green + 65536 * blue);
}

void yysetfontunderline(int flag) { wUnderline = flag; }

void yycreatefont(int family, int bold, int italic, int& width, int& height) {
    if (wTextFont != nullptr) DeleteObject(wTextFont);
    wTextFont = nullptr;
    struct Face {
        int family;
        const char* name;
        DWORD pitchAndFamily;
    };
    static const Face faces[] = {
        {2, "Times New Roman", VARIABLE_PITCH | FF_ROMAN},
        {3, "Arial", VARIABLE_PITCH | FF_SWISS},
        {4, "Courier New", VARIABLE_PITCH | FF_MODERN},
        {5, "Symbol", VARIABLE_PITCH},
        {6, "Wingdings", VARIABLE_PITCH},
    };
    for (const Face& face : faces) {
        if (face.family != family) continue;
        wTextFont = CreateFontA(height, width, 0, 0, bold != 0 ? 700 : 400, italic != 0, 0, 0,
                                DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, face.pitchAndFamily, face.name);
    }
    if (wTextFont == nullptr) {
        const int stock = family == -99 ? DEFAULT_GUI_FONT : family == 1 ? SYSTEM_FIXED_FONT : SYSTEM_FONT;
        wTextFont = static_cast<HFONT>(GetStockObject(stock));
    }
    HDC dc = wDC != nullptr ? wDC : GetDC(nullptr);
    HFONT oldFont = static_cast<HFONT>(SelectObject(dc, wTextFont));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    height = metrics.tmHeight;
    width = metrics.tmAveCharWidth;
    SelectObject(dc, oldFont);
    if (dc != wDC) ReleaseDC(nullptr, dc);
}

void WindowBell(std::string_view text) {
    const int command = yybellcommand(text);
    if (command == 0) {
        yyringbell();
    } else {
        yysetbell(command > 0 ? 1 : 0);
    }
}

void yyringbell() {
    if (gravim.windows.iRing == 1) MessageBeep(MB_OK);
}

void yyringbell2() { yyringbell(); }

void yysetbell(int value) { gravim.windows.iRing = value; }

namespace {

HCURSOR loadCursorShape(int shape) {
    static const LPCSTR system[] = {IDC_ARROW, IDC_WAIT,   IDC_APPSTARTING, IDC_CROSS,
                                    IDC_IBEAM, IDC_NO,     IDC_SIZEALL,     IDC_SIZENS,
                                    IDC_SIZEWE, IDC_SIZENESW, IDC_SIZENWSE, IDC_UPARROW};
    if (shape >= 0 && shape <= 11) return LoadCursorA(nullptr, system[shape]);
    return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(shape));
}

bool mouseOver(HWND window) {
    POINT p;
    GetCursorPos(&p);
    return window != nullptr && WindowFromPoint(p) == window;
}

}  // namespace

void yychangecursor(int shape, int scope, int targetKind, int number) {
    HCURSOR cursor = loadCursorShape(shape);
    if (scope == 1 && targetKind == 3) {
        // Graphics fields keep their cursor in their field record (dialog manager).
        HWND field = yyscreenport().selectedField();
        if (number == 0 || field == nullptr) return;
        if (!yydialogcalls().setFieldCursor(field, cursor, shape)) return;
        if (cursor != nullptr && mouseOver(field)) SetCursor(cursor);
        return;
    }
    if (scope == 1) {
        if (number < 0 || number >= MaxWindows) return;
        hCursorWin[number] = cursor;
        iCursorWin[number] = shape;
        if (cursor != nullptr && mouseOver(hClient[number])) SetCursor(cursor);
        return;
    }
    if (scope != 2) {
        for (int n = 0; n < MaxWindows; ++n) {
            hCursorWin[n] = nullptr;
            iCursorWin[n] = 0;
        }
        yydialogcalls().clearFieldCursors();
    }
    wCursor = cursor;
    iCursor = shape;
    if (cursor != nullptr) SetCursor(cursor);
}

void yysetcursorpos(int x, int y, int target) {
    HWND window = target == 1 ? hClient[gravim.windows.wIndex] : yyscreenport().selectedField();
    if (window == nullptr) return;
    POINT p = {x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
}

namespace {

void paintTitle(HWND window, bool active) {
    if (window != nullptr) SendMessageA(window, WM_NCACTIVATE, active ? TRUE : FALSE, 0);
}

}  // namespace

void yytitlecolour(HWND window) {
    if (yygetwindowindex(window) != -1) SetFocus(window);
    for (int n = 1; n < MaxWindows; ++n) {
        if (wWindow[n] == nullptr) continue;
        paintTitle(wWindow[n], wWindow[n] == window || IsChild(wWindow[n], window));
    }
    yydialogcalls().titleColour(window);
}

void yydecimal(bool on) { bDecimal = on ? 1 : 0; }

void yygradfilltype(int& type) { type = pGradientFill != nullptr ? 2 : 1; }

int yyIsDwmEnabled() {
    if (pDwmIsCompositionEnabled == nullptr) return 0;
    BOOL enabled = FALSE;
    using Query = HRESULT(WINAPI*)(BOOL*);
    const HRESULT result = reinterpret_cast<Query>(reinterpret_cast<void*>(pDwmIsCompositionEnabled))(&enabled);
    return SUCCEEDED(result) && enabled ? 1 : 0;
}

void yysystime(int& milliseconds) { milliseconds = static_cast<int>(GetTickCount() & 0x7FFFFFFF); }

int yycurrenttime() { return static_cast<int>(GetTickCount() & 0x7FFFFFFF); }
