// event_translate_win.cpp - yyinterpretmessage, the one translator from native messages of the
// library's windows into the current-event slot.
#include <windows.h>

#include <cstring>

#include "windows/dialog_calls_win.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

bool isBitmapViewer(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "KBNBITMAP") == 0;
}

void storeHead(int type, HWND window) {
    EventState& e = gravim.events;
    e.wMessageType = type;
    e.wMessageWin = yygetwindowindex(window);
    e.wMessageTime = static_cast<int>(GetMessageTime());
}

void storeValues(int v1, int v2, int v3, int v4, int x, int y) {
    EventState& e = gravim.events;
    e.wMessageValue1 = v1;
    e.wMessageValue2 = v2;
    e.wMessageValue3 = v3;
    e.wMessageValue4 = v4;
    e.wMessageX = x;
    e.wMessageY = y;
}

int signedLow(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int signedHigh(LPARAM value) { return static_cast<short>(HIWORD(value)); }

int keyCode(int a, WPARAM wParam) {
    if (a == 0) return static_cast<int>(wParam);
    int key = static_cast<int>(wParam), offset = 0;
    if (key > 0x2000) {
        key -= 0x2000;
        offset = 40;
    } else if (key > 0x1000) {
        key -= 0x1000;
        offset = 20;
    }
    return yyinterpretkey(key, offset);
}

void mouseEvent(int type, int button, WPARAM wParam, LPARAM lParam, HWND window) {
    POINT p = {signedLow(lParam), signedHigh(lParam)};
    if (button > 3) ScreenToClient(window, &p);  // wheel messages carry screen positions
    storeHead(type, window);
    storeValues(button, yymousemodifiers(LOWORD(wParam)), isBitmapViewer(window) ? 2 : 0, -1, p.x, p.y);
}

// A graphics field's event: the window carries the field's dialog record.
bool fieldEvent(int type, int v1, int v2, int v3, int x, int y, HWND window) {
    DialogEventWords record;
    if (!yydialogcalls().eventWords(window, record)) return false;
    storeHead(type, window);
    gravim.events.wMessageWin = record.dialog;
    storeValues(v1, v2, v3, record.graphicsField, x, y);
    return true;
}

bool fieldChanged(LPARAM lParam, HWND window) {
    EventState& e = gravim.events;
    DialogEventWords record;
    if (!yydialogcalls().eventWords(window, record)) return false;
    const bool otherHeld = e.wMessageType != 0 && e.wMessageType != EvFieldChanged;
    bool stored = false;
    if (otherHeld) {
        // Another event is held: the change waits in the field-change entry for the next wait.
        if (e.bInWMessage == 1) {
            int* entry = e.KBNMessages[51];
            const int words[9] = {EvFieldChanged, record.previousField, record.currentField, 0, -1,
                                  record.lastCell, static_cast<int>(lParam), record.dialog,
                                  static_cast<int>(GetMessageTime())};
            std::memcpy(entry, words, sizeof words);
        }
    } else {
        storeHead(EvFieldChanged, window);
        e.wMessageWin = record.dialog;
        const int x = e.bSetFromCell == 1 ? record.lastCell : e.wMessageX;
        storeValues(record.previousField, record.currentField, 0, -1, x, static_cast<int>(lParam));
        e.bSetFromCell = 0;
        stored = true;
    }
    yydialogcalls().setLastCell(window, static_cast<int>(lParam));
    return stored;
}

}  // namespace

void yyinterpretmessage(int type, int a, WPARAM wParam, LPARAM lParam, HWND window) {
    EventState& e = gravim.events;
    const int base = type > 100 ? type - 100 : type;
    if (base < 1 || base > 16 || e.wMessageEnabled[base - 1] == 0) return;
    if (base == EvExpose && e.wMessageType == EvResize) return;  // the resize repaints anyway

    bool stored = true;
    switch (type) {
    case EvKey: {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(window, &p);
        storeHead(type, window);
        storeValues(keyCode(a, wParam), -1, isBitmapViewer(window) ? 2 : 0, -1, p.x, p.y);
        break;
    }
    case EvMenu:
        storeHead(type, window);
        storeValues(LOWORD(wParam), -1, -1, -1, -1, -1);
        break;
    case EvPushButton: {
        DialogEventWords record;
        if (!yydialogcalls().eventWords(window, record)) return;
        storeHead(type, window);
        e.wMessageWin = record.dialog;
        storeValues(LOWORD(wParam), record.previousField, -1, -1, -1, -1);
        break;
    }
    case EvMouseDown:
    case EvMouseUp:
    case EvDoubleClick: mouseEvent(type, a, wParam, lParam, window); break;
    case EvMouseMove: mouseEvent(type, -1, wParam, lParam, window); break;
    case EvExpose: {
        if (e.bInWMessage == 1 && e.wMessageType == EvExpose && e.wMessageValue3 == 1) {
            // A held graphics-field expose moves aside, whole, so that neither is lost.
            int* entry = e.KBNMessages[52];
            const int words[9] = {EvExpose, e.wMessageValue1, e.wMessageValue2, e.wMessageValue3, e.wMessageValue4,
                                  e.wMessageX, e.wMessageY, e.wMessageWin, e.wMessageTime};
            std::memcpy(entry, words, sizeof words);
        }
        RECT update = {};
        GetUpdateRect(window, &update, FALSE);
        storeHead(type, window);
        storeValues(update.right - update.left, update.bottom - update.top, 0, -1, update.left, update.top);
        break;
    }
    case EvResize: {
        if (wParam == SIZE_MINIMIZED) return;
        const int width = LOWORD(lParam), height = HIWORD(lParam);
        wWinWidth = width;
        wWinHeight = height;
        if (!IsWindowVisible(window)) {
            if (gravim.graphics.surfaceType != 0) yyscreenport().windowResized(yygetwindowindex(window), width, height);
            return;
        }
        storeHead(type, window);
        storeValues(width, height, 0, -1, -1, -1);
        break;
    }
    case EvCloseRequest:
    case EvCommandLine:
        storeHead(type, window);
        storeValues(-1, -1, -1, -1, -1, -1);
        break;
    case EvFieldChanged: stored = fieldChanged(lParam, window); break;
    case EvTabChanged: {
        DialogEventWords record;
        if (!yydialogcalls().eventWords(window, record)) return;
        storeHead(type, window);
        e.wMessageWin = record.dialog;
        storeValues(record.newTab, record.oldTab, -1, -1, -1, -1);
        break;
    }
    case EvFrameClick:
        storeHead(type, window);
        storeValues(a, -1, -1, -1, -1, -1);
        break;
    case EvTimer:
        storeHead(type, window);
        storeValues(static_cast<int>(wParam), -1, -1, -1, -1, -1);
        break;
    case EvViewerResize:
        storeHead(type, window);
        storeValues(LOWORD(lParam), HIWORD(lParam), 2, -1, LOWORD(lParam), HIWORD(lParam));
        break;
    case 104:
    case 105:
    case 116: {
        DialogEventWords record;
        const int button = yydialogcalls().eventWords(window, record) ? record.mouseButton : 0;
        stored = fieldEvent(base, button, yymousemodifiers(LOWORD(wParam)), 1, signedLow(lParam), signedHigh(lParam), window);
        break;
    }
    case 106:
        stored = fieldEvent(base, -1, yymousemodifiers(LOWORD(wParam)), 1, signedLow(lParam), signedHigh(lParam), window);
        break;
    case 107: stored = fieldEvent(EvExpose, -1, -1, 1, -1, -1, window); break;
    case 108: {
        if (wParam == SIZE_MINIMIZED) return;
        DialogEventWords record;
        if (!yydialogcalls().eventWords(window, record)) return;
        const int width = LOWORD(lParam), height = HIWORD(lParam);
        HWND field = record.graphicsField != 0 ? GetDlgItem(window, record.graphicsField) : window;
        if (!IsWindowVisible(field)) {
            yyscreenport().fieldResized(record.dialog, record.graphicsField, width, height);
            return;
        }
        stored = fieldEvent(EvResize, width, height, 1, -1, -1, window);
        break;
    }
    default: return;
    }
    if (stored) e.wValidMessage = 0;
}

void yystorefieldchanged(int window, int value1, int value2, int value3, int x, int y) {
    EventState& e = gravim.events;
    e.wMessageType = EvFieldChanged;
    e.wMessageWin = window;
    storeValues(value1, value2, value3, -1, x, y);
    e.wMessageTime = static_cast<int>(GetMessageTime());
    e.wValidMessage = 0;
}

int yyfieldchangedx(int cell) {
    EventState& e = gravim.events;
    const int x = e.bSetFromCell != 0 ? cell : e.wMessageX;
    e.bSetFromCell = 0;
    return x;
}
