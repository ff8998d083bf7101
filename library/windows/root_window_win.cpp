// root_window_win.cpp - the root window: window classes, creation, optional system libraries,
// the drawing context and palette, and the ordered shutdown.
#include <windows.h>

#include <initializer_list>

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "windows/dialog_calls_win.hpp"
#include "base/callback_guard.hpp"
#include "base/email_internal.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/wait_internal.hpp"
#include "base/startup_internal.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "base/addon_hooks.hpp"

namespace {


[[noreturn]] void abortWith(const char* text) {
    MessageBoxA(nullptr, text, "Gravimonder Window", MB_OK | MB_ICONSTOP);
    std::exit(0);
}

ATOM registerClass(const char* name, WNDPROC procedure, HCURSOR cursor, HBRUSH brush, UINT style,
                   HICON icon) {
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = wInstance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = brush;
    wc.lpszClassName = name;
    return RegisterClassA(&wc);
}

// The atom of a class registered earlier in the process (the classes outlive a WindowClose).
ATOM registerOnce(const char* name, WNDPROC procedure, HCURSOR cursor, HBRUSH brush, UINT style,
                  HICON icon) {
    WNDCLASSA known;
    if (const BOOL atom = GetClassInfoA(wInstance, name, &known)) return static_cast<ATOM>(atom);
    return registerClass(name, procedure, cursor, brush, style, icon);
}

void registerClasses() {
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HICON icon = LoadIconA(wInstance, "icon1");
    UnregisterClassA("GRAVIMONDER", wInstance);
    atomRoot = registerClass("GRAVIMONDER", yyWndProc, arrow, nullptr, 0, icon);
    atomChild = registerOnce("GRAVCHILD", yyWndProc, arrow, nullptr, 0, icon);
    atomClient = registerOnce("GRAVCLIENT", yyWndProcClient, arrow, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)),
                              CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr);
    const UINT splitStyle = CS_HREDRAW | CS_VREDRAW | CS_PARENTDC;
    HBRUSH face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    atomSplitH = registerOnce("GRAVSPLITH", yySplitProc, LoadCursorA(nullptr, IDC_SIZENS), face, splitStyle, nullptr);
    atomSplitV = registerOnce("GRAVSPLITV", yySplitProc, LoadCursorA(nullptr, IDC_SIZEWE), face, splitStyle, nullptr);
    if (atomRoot == 0 || atomChild == 0 || atomClient == 0 || atomSplitH == 0 || atomSplitV == 0)
        abortWith("Failed to register class - aborting.");
}

// Generation 3 of the rich-edit control answers the position query in the point-record form;
// generation 2 leaves the record untouched.
void probeRichEdit() {
    if (LoadLibraryA("riched20.dll") == nullptr) {
        LoadLibraryA("riched32.dll");
        iVerRTF = 1;
        return;
    }
    HWND edit = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP, 0, 0, 50, 20, wWindow[0], nullptr, wInstance, nullptr);
    if (edit == nullptr) {
        iVerRTF = 2;
        return;
    }
    SetWindowTextA(edit, "ab");
    POINTL first = {-99, -99}, second = {-99, -99};
    SendMessageA(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), 1);
    SendMessageA(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&second), 1);
    const bool untouched = first.x == -99 && first.y == -99 && second.x == -99 && second.y == -99;
    iVerRTF = untouched ? 2 : 3;
    DestroyWindow(edit);
}

void loadOptionalLibraries() {
    hMsimg32 = LoadLibraryA("msimg32.dll");
    pGradientFill = hMsimg32 != nullptr ? GetProcAddress(hMsimg32, "GradientFill") : nullptr;
    yyemailload();
    hDwmapi = LoadLibraryA("dwmapi.dll");
    pDwmIsCompositionEnabled = hDwmapi != nullptr ? GetProcAddress(hDwmapi, "DwmIsCompositionEnabled") : nullptr;
}

void freeOptionalLibraries() {
    for (HMODULE* library : {&hMsimg32, &hDwmapi}) {
        if (*library != nullptr) FreeLibrary(*library);
        *library = nullptr;
    }
    yyemailfree();
    pGradientFill = pDwmIsCompositionEnabled = nullptr;
}

}  // namespace

INT_PTR CALLBACK yyWindowSizeDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return yyguardcallback("yyWindowSizeDlgProc", [] { return INT_PTR{FALSE}; }, [] { return INT_PTR{FALSE}; });
}

int yycreaterootwindow(int x, int y, int& width, int& height, int& flags, int menu,
                       const int toolbars[4], int colours, int& dialog, int background,
                       const char* title) {
    wInstance = GetModuleHandleA(nullptr);
    yyresetswitches();
    registerClasses();
    LoadLibraryA("comctl32.dll");
    wWindow[0] = CreateWindowExA(0, "GRAVIMONDER", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wInstance, nullptr);
    if (wWindow[0] == nullptr) abortWith("Failed to create window - aborting.");
    yydialogcalls().registerClasses();
    yyregisterspecialwindows();
    probeRichEdit();
    uFindMsgString = RegisterWindowMessageA("commdlg_FindReplace");
    yydialogcalls().rootOpened();

    wWinWidth = width;
    wWinHeight = height;
    bDlgRoot = 0;
    if (dialog != 0) {
        const int status = yyprobecombineddialog(dialog, wWindow[0], flags, wWinWidth, wWinHeight, nullptr);
        if (status != 0) dialog = status;
        bDlgRoot = status == 0 ? 1 : 0;
    }
    DestroyWindow(wWindow[0]);
    wWindow[0] = nullptr;

    const int n = gravim.windows.wIndex;
    HMENU menuHandle = menu != 0 ? LoadMenuA(wInstance, MAKEINTRESOURCEA(menu)) : nullptr;
    const DWORD style = yyframestyle(flags);
    const DWORD exStyle = (flags & WinOnTop) ? WS_EX_TOPMOST : 0;
    if (background != -1) hWindowColour[n] = CreateSolidBrush(static_cast<COLORREF>(background));
    iWindowColour[n] = background;

    int outerWidth = 0, outerHeight = 0;
    yyoutersize(wWinWidth, wWinHeight, style, exStyle, menuHandle != nullptr, outerWidth, outerHeight);
    const bool centreX = x == KeepValue, centreY = y == KeepValue;
    if (centreX) x = (gravim.core.displayWidth - outerWidth) / 2;
    if (centreY) y = (gravim.core.displayHeight - outerHeight) / 2;

    HWND frame = CreateWindowExA(exStyle, "GRAVIMONDER", title, style, x, y, outerWidth, outerHeight, nullptr,
                                 menuHandle, wInstance, nullptr);
    wWindow[n] = frame;
    if (frame == nullptr) abortWith("Failed to create window - aborting.");
    if (!yyfinishframe(n, menuHandle, menu, flags, toolbars, wWinX, wWinY, centreX, centreY))
        abortWith("Failed to create window - aborting.");
    if (bDlgRoot == 1 && !yycombinedialog(n, dialog, flags)) bDlgRoot = 0;
    if (bDlgRoot == 1 && (flags & WinMaximised)) {
        HWND combined = reinterpret_cast<HWND>(static_cast<INT_PTR>(yywindowrecord(frame)[HostedWindow]));
        if (yydialogcalls().resizable(combined)) {
            RECT area;
            GetClientRect(hClient[n], &area);
            SendMessageA(hClient[n], WM_SIZE, SIZE_RESTORED, MAKELPARAM(area.right, area.bottom));
            UpdateWindow(combined);
        }
    }

    if (flags & WinHidden) {
        wHideRoot = 1;
        ShowWindow(frame, SW_HIDE);
        if (flags & WinMaximised) {
            // A hidden maximised frame still lays itself out for its maximised size.
            RECT area;
            GetClientRect(frame, &area);
            SendMessageA(frame, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(area.right, area.bottom));
        }
    } else {
        wHideRoot = 0;
        ShowWindow(frame, (flags & WinMaximised) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        ValidateRect(hClient[n], nullptr);
        if (bDlgRoot == 1) UpdateWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(yywindowrecord(frame)[HostedWindow])));
    }

    wDC = GetDC(hClient[n]);
    SetBkMode(wDC, TRANSPARENT);
    SetTextAlign(wDC, TA_BASELINE);
    RECT client;
    GetClientRect(hClient[n], &client);
    width = wWinWidth = client.right;
    height = wWinHeight = client.bottom;

    wForeCol = 0;
    wBackCol = 15;
    wUnderline = 0;
    for (int k = 0; k < 16; ++k) wColor[k] = static_cast<COLORREF>(yystandardtextcolours[k]);
    wColor[16] = GetSysColor(COLOR_WINDOWTEXT);
    wColor[17] = GetSysColor(COLOR_WINDOW);

    yyendwait();
    // On a palette display the root palette holds the graphics colours, then the window-text ones.
    yysetwindowgraphicscolours(colours);
    yyscreenport().rootOpened(wDC, colours, wColor);
    loadOptionalLibraries();
    if (cgmFormat == 0) cgmFormat = RegisterClipboardFormatA("Gravimonder CGM");
    yyclearparked();
    if ((flags & WinHidden) == 0) SetFocus(hClient[n]);
    hWinCur = frame;
    return 0;
}

void WindowOpen(int flags, int x, int y, int width, int height, int menu, const int* toolbars, int dialog,
                std::string_view title, int graphicsColours, int background) {
    if (gravim.windows.rootOpen == 1) return;
    if (width <= 0) width = gravim.core.displayWidth * 80 / 100;
    if (height <= 0) height = gravim.core.displayHeight * 80 / 100;
    if (graphicsColours != 32 && graphicsColours != 64 && graphicsColours != 128) graphicsColours = 16;
    gravim.windows.clientWidth = width;
    gravim.windows.clientHeight = height;
    gravim.windows.wIndex = 0;
    const std::string titleText(trimRight(title));
    int status = dialog;
    yycreaterootwindow(x, y, width, height, flags, menu, toolbars, graphicsColours, status, background,
                       titleText.c_str());
    gravim.windows.clientWidth = width;
    gravim.windows.clientHeight = height;
    yysetgraphicscolours(graphicsColours);
    if (status > 0) {
        yydialogcalls().select(status);
    } else if (status == -1) {
        yyerror(1007, "WindowOpen");
    } else if (status == -2) {
        yyerror(1045, "WindowOpen");
    } else if (status == -4) {
        yyerror(1088, "WindowOpen");
    }
    gravim.windows.wIndex = 0;
    gravim.windows.windowFlags[0] = flags;
    gravim.windows.rootOpen = 1;
    int cellWidth = 0, cellHeight = 0;
    yycreatefont(0, 0, 0, cellWidth, cellHeight);
    wTextX = wTextY = 0;
    yyinstallerroroutputs();
    yyscreenport().rootStarted();
}

void yyshutdown() {
    yyscreenport().rootClosing();
    yyrunaddonhooks(&AddonHooks::windowsClosing);
    for (int n = 0; n < MaxWindows; ++n) {
        int* record = yywindowrecord(wWindow[n]);
        if (record == nullptr) continue;
        if (record[0] == KindDialog) {
            if (const int id = yydialogcalls().idOf(handleOf(record[HostedWindow])); id != 0) {
                yydialogcalls().hideCombined(id);
                yydialogcalls().unload(id);
            }
        } else if (record[0] == KindSplit) {
            DestroyWindow(handleOf(record[SplitBar]));
        } else {
            continue;  // editors, viewers and grid windows free their records with their windows
        }
        yysetwindowrecord(wWindow[n], nullptr);
        delete[] record;
    }
    yydialogcalls().unloadAll();
    freeOptionalLibraries();
    for (int n = 0; n < MaxWindows; ++n) yyclosemcidevice(n);
    if (wDC != nullptr) ReleaseDC(hClient[gravim.windows.wIndex], wDC);
    wDC = nullptr;
    yyscreenport().rootClosed();
    for (int n = MaxWindows - 1; n >= 0; --n) {
        if (wWindow[n] != nullptr) DestroyWindow(wWindow[n]);
        yyforgetwindow(n);
    }
    gravim.windows.wIndex = 0;
    for (auto& bars : hToolbar)
        for (HWND& bar : bars) bar = nullptr;
    for (auto& sizes : iToolSize)
        for (int& size : sizes) size = 0;
    // Nothing may go on naming a window that no longer exists.
    hWinCur = hWinMenuClick = nullptr;
    yydialogcalls().setActiveModeless(nullptr);
    wHideRoot = bDlgRoot = 0;
    yyresetswitches();
    yyendwait();
}

void WindowClose() {
    yyrunaddonhooks(&AddonHooks::closeStarting);
    yyshutdown();
    gravim.windows.windowFlags[0] = -1;
    gravim.windows.rootOpen = 0;
    yydialogcalls().rootClosed();
    yyrunaddonhooks(&AddonHooks::closeEnded);
}
