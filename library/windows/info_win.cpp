// info_win.cpp - WInfoSystem, WInfoWindow and WInfoDialog, and the window and system queries
// behind them: the window manager's, since they answer from its windows and tables.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "windows/dialog_calls_win.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/window_info.hpp"
#include "windows/window_info_internal.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"
#include "base/startup_internal.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

HWND currentFrame() {
    const int n = gravim.windows.wIndex;
    return n >= 0 && n < MaxWindows ? wWindow[n] : nullptr;
}

bool isChildWindow(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

// The normal-position rectangle of a window; for a top-level window the placement is in
// work-area coordinates, shifted here to the screen by what a small probe window shows.
RECT normalRectangle(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    RECT r = placement.rcNormalPosition;
    if (isChildWindow(window)) return r;
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (probe == nullptr) return r;
    WINDOWPLACEMENT probePlacement{};
    probePlacement.length = sizeof probePlacement;
    GetWindowPlacement(probe, &probePlacement);
    RECT screen;
    GetWindowRect(probe, &screen);
    DestroyWindow(probe);
    OffsetRect(&r, screen.left - probePlacement.rcNormalPosition.left,
               screen.top - probePlacement.rcNormalPosition.top);
    return r;
}

// Pixels of a window inside its parent's client area become the parent's window units.
void toParentUnits(int parent, int& first, int& second) {
    const int previous = gravim.windows.wIndex;
    yywinsel(parent, 1);
    WindowUnitsFromPixels(first, second, first, second);
    yywinsel(previous, 1);
}

// The queries' window: the current window's frame (modes 0, 1) or the current dialog (2, 3).
HWND queriedWindow(int mode) { return mode < 2 ? currentFrame() : yydialogcalls().currentWindow(); }

void windowRectangle(HWND window, RECT& r, int& child, int& parent) {
    child = 0;
    parent = 0;
    if (IsIconic(window)) {
        r = normalRectangle(window);
    } else {
        GetWindowRect(window, &r);
        if (isChildWindow(window)) MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    // Only a window inside a library window measures in that window's units; a dialog inside
    // another dialog keeps the pixels of that dialog.
    const int owner = isChildWindow(window) ? yygetwindowindex(GetParent(window)) : -1;
    if (owner >= 0) {
        child = 1;
        parent = owner;
    }
}

}  // namespace

void yygetwindowpos(int mode, int& first, int& second, int& child, int& parent) {
    HWND window = queriedWindow(mode);
    child = 0;
    parent = 0;
    if (window == nullptr) return;
    RECT r;
    windowRectangle(window, r, child, parent);
    const bool size = mode == 1 || mode == 3;
    first = size ? r.right - r.left : r.left;
    second = size ? r.bottom - r.top : r.top;
}

void yygetclientpos(int& x, int& y) {
    const int n = gravim.windows.wIndex;
    HWND client = n >= 0 && n < MaxWindows && hClient[n] != nullptr ? hClient[n] : currentFrame();
    POINT origin = {0, 0};
    if (client != nullptr) ClientToScreen(client, &origin);
    x = origin.x;
    y = origin.y;
}

void yygetminmaxstate(int& state) {
    HWND frame = currentFrame();
    if (frame == nullptr || !IsWindowVisible(frame))
        state = 3;
    else if (IsIconic(frame))
        state = 0;
    else if (IsZoomed(frame))
        state = 2;
    else
        state = 1;
}

void yygetrestwinsize(int& width, int& height, int& x, int& y, int& child, int& parent) {
    HWND frame = currentFrame();
    child = 0;
    parent = 0;
    if (frame == nullptr) return;
    if (IsIconic(frame) || IsZoomed(frame)) {
        // The borders of the restored frame: a minimised frame's own sizes say nothing of them.
        RECT borders = {0, 0, 0, 0};
        AdjustWindowRectEx(&borders, static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE)), GetMenu(frame) != nullptr,
                           static_cast<DWORD>(GetWindowLongA(frame, GWL_EXSTYLE)));
        const int borderWidth = borders.right - borders.left;
        const int borderHeight = borders.bottom - borders.top;
        const RECT normal = normalRectangle(frame);
        width = normal.right - normal.left - borderWidth;
        height = normal.bottom - normal.top - borderHeight;
        x = normal.left;
        y = normal.top;
        const int owner = isChildWindow(frame) ? yygetwindowindex(GetParent(frame)) : -1;
        if (owner >= 0) {
            child = 1;
            parent = owner;
        }
        return;
    }
    RECT client;
    GetClientRect(frame, &client);
    width = client.right;
    height = client.bottom;
    yygetwindowpos(0, x, y, child, parent);
}

void yygetsyscolor(int item, int& colour) {
    static const int table[] = {
        COLOR_WINDOWTEXT, COLOR_WINDOW,      COLOR_BTNTEXT,   COLOR_BTNFACE,     COLOR_HIGHLIGHTTEXT,
        COLOR_HIGHLIGHT,  COLOR_MENUTEXT,    COLOR_MENU,      COLOR_MENU,        COLOR_HIGHLIGHTTEXT,
        COLOR_HIGHLIGHT,  COLOR_3DHIGHLIGHT, COLOR_3DLIGHT,   COLOR_3DDKSHADOW,  COLOR_BTNSHADOW,
        COLOR_INFOTEXT,   COLOR_INFOBK,      COLOR_GRAYTEXT,  COLOR_3DDKSHADOW,  COLOR_BTNTEXT,
        COLOR_BTNFACE,
    };
    if (item < 6 || item > 26) return;
    int index = table[item - 6];
    BOOL flat = FALSE;
    if ((item == 13 || item == 16) && (gravim.system.WinVerMajor * 100 + gravim.system.WinVerMinor) >= 501 &&
        SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0) && flat)
        index = item == 13 ? COLOR_MENUBAR : COLOR_MENUHILIGHT;
    colour = static_cast<int>(GetSysColor(index));  // a COLORREF is already red + 256 green + 65536 blue
}

void yygetmousebuttons(int& count) { count = GetSystemMetrics(SM_CMOUSEBUTTONS); }

void yygetmousecursor(int& code, int kind, int ident) {
    code = iCursor;
    if (kind == 1 && ident >= 0 && ident < MaxWindows && hCursorWin[ident] != nullptr) {
        code = iCursorWin[ident];
    } else if (kind == 3 && ident != 0) {
        if (const int shape = yydialogcalls().fieldCursorNumber(ident); shape != -1) code = shape;
    }
}

void yygetdialogtype(int& type) {
    HWND dialog = yydialogcalls().currentWindow();
    if (dialog == nullptr || yydialogcalls().idOf(dialog) == 0) {
        type = 0;
    } else if (yydialogcalls().combinedWindow(dialog) != nullptr) {
        type = 4;
    } else if (!isChildWindow(dialog)) {
        type = 1;
    } else {
        char own[64] = "", parent[64] = "";
        GetClassNameA(dialog, own, sizeof own);
        GetClassNameA(GetParent(dialog), parent, sizeof parent);
        type = std::strcmp(own, parent) == 0 ? 3 : 2;
    }
}

void yygetfolderpath(int code, char* text, int size) {
    using FolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
    static FolderPath lookup = [] {
        HMODULE shell = GetModuleHandleA("shell32.dll");
        if (shell == nullptr) shell = LoadLibraryA("shell32.dll");
        return shell != nullptr ? reinterpret_cast<FolderPath>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFolderPathA")))
                                : nullptr;
    }();
    char path[MAX_PATH] = "";
    if (lookup == nullptr || size <= 0 || lookup(nullptr, code, nullptr, 0, path) != S_OK) return;
    std::strncpy(text, path, static_cast<std::size_t>(size) - 1);
    text[size - 1] = '\0';
}

void yygetsystemdir(char* text, int size) {
    if (size <= 0) return;
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, sizeof path);
    std::strncpy(text, path, static_cast<std::size_t>(size) - 1);
    text[size - 1] = '\0';
}

void yygetsqlerrorstr(int which, char* text, int size) {
    const char* source = which == 1 ? cSqlState : which == 2 ? cSqlMsg : nullptr;
    if (source == nullptr || size <= 0) return;
    std::strncpy(text, source, static_cast<std::size_t>(size) - 1);
    text[size - 1] = '\0';
}

void yygetdwmstate(int& state) { state = yyIsDwmEnabled() != 0 ? 1 : 0; }

int WInfoSystem(int item) {
    static int previous = 0;
    const SystemState& system = gravim.system;
    if (item >= 'A' && item <= 'Z') {
        const char root[] = {static_cast<char>(item), ':', '\\', '\0'};
        return previous = yyreporteddrivetype(yydrivetype(root));
    }
    if (item >= 'A' + 100 && item <= 'Z' + 100) {
        const char root[] = {static_cast<char>(item - 100), ':', '\\', '\0'};
        return previous = static_cast<int>(yydisk(root));
    }
    switch (item) {
    case 1: previous = 6; break;
    case 2: {
        Text<1> unused;
        previous = yyargs(-1, unused);
        break;
    }
    case 3: previous = system.WinVerMajor * 100 + system.WinVerMinor; break;
    case 6: previous = static_cast<unsigned char>(gravim.core.pathSeparator); break;
    case 7: previous = 0; break;
    case 9: {
        Text<260> directory;
        IOsDirName(directory);
        previous = yyisdriveroot(directory.view()) ? 1 : 0;
        break;
    }
    case 15: previous = yycurrenttime(); break;
    case 16: previous = yywinvariant(); break;
    case 18: previous = 1; break;
    case 19: previous = 0; break;
    case 20: previous = static_cast<unsigned char>(gravim.core.decimalMark); break;
    case 21: previous = yydspacemb(); break;
    // The two display words that start-up sets to 0.
    case 22: previous = system.displayWord23; break;
    case 23: previous = system.displayWord24; break;
    case 24: previous = yygetmeasure(); break;
    default: break;
    }
    return previous;
}

int WInfoWindow(int item) {
    static int previous = 0;
    const WindowState& windows = gravim.windows;
    int a = 0, b = 0, c = 0, d = 0, child = 0, parent = 0;
    switch (item) {
    case 1: previous = windows.clientWidth; break;
    case 2: previous = windows.clientHeight; break;
    case 3: previous = windows.wIndex >= 0 && windows.wIndex < MaxWindows ? windows.windowFlags[windows.wIndex] : 0; break;
    case 4: previous = windows.wIndex; break;
    case 5:
    case 6:
        yygetwindowpos(0, a, b, child, parent);
        if (child == 1) toParentUnits(parent, a, b);
        previous = item == 5 ? a : b;
        break;
    case 7:
    case 8:
        yygetclientpos(a, b);
        previous = item == 7 ? a : b;
        break;
    case 9: yygetminmaxstate(previous); break;
    case 10: previous = yywindowkind(currentFrame()); break;
    case 11:
    case 12:
    case 13:
    case 14:
        yygetrestwinsize(a, b, c, d, child, parent);
        if (child == 1) toParentUnits(parent, c, d);
        previous = item == 11 ? a : item == 12 ? b : item == 13 ? c : d;
        break;
    default: break;
    }
    return previous;
}

int WInfoDialog(int item) {
    static int previous = 0;
    const DialogState& dialogs = gravim.dialogs;
    int a = 0, b = 0, child = 0, parent = 0;
    switch (item) {
    case 1: previous = dialogs.exitButton; break;
    case 2: previous = dialogs.exitField; break;
    case 3: previous = dialogs.currentDialog; break;
    case 4: previous = dialogs.lastAnswer; break;
    case 5: previous = dialogs.modalDialog; break;
    case 6:
    case 7:
    case 8:
    case 9:
        if (dialogs.currentDialog == 0) break;
        yygetwindowpos(item <= 7 ? 2 : 3, a, b, child, parent);
        if (child == 1) toParentUnits(parent, a, b);
        previous = item == 6 || item == 8 ? a : b;
        break;
    case 10: yygetdialogtype(previous); break;
    default: break;
    }
    return previous;
}
