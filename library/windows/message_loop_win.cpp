// message_loop_win.cpp - WMessage and its pumps, the event record's conversions, library
// timers and the timed wait of IOsWait.
#include <windows.h>

#include <algorithm>
#include <initializer_list>

#include "windows/dialog_calls_win.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

constexpr UINT SystemTimerMessage = 0x118;

// The library window that encloses window n (its parent or owner), -1 when none.
int enclosingWindow(int n) {
    if (n <= 0) return -1;
    return yygetwindowindex(GetParent(wWindow[n]));
}

// Fact item of a special window n (a bitmap viewer's scroll position), 0 for any other window.
int windowInfo(int n, int item) {
    if (n < 0 || n >= MaxWindows) return 0;
    const SpecialWindowCalls* calls = yyspecialwindowcalls(yywindowrecord(wWindow[n]));
    return calls != nullptr && calls->info != nullptr ? calls->info(n, item) : 0;
}

void clientSize(int n, int& width, int& height) {
    RECT client = {};
    GetClientRect(hClient[n], &client);
    width = client.right;
    height = client.bottom;
}

// Returns a parked event into the record, first the windows' in window order, then the field
// change and the graphics-field expose. False when nothing is parked.
// Copies the words of a parked entry into the event record and empties the entry.
void takeEntry(int* entry, int& type, WMessageRecord& record) {
    type = entry[0];
    record.Value1 = entry[1];
    record.Value2 = entry[2];
    record.Value3 = entry[3];
    record.Value4 = entry[4];
    record.PixelX = entry[5];
    record.PixelY = entry[6];
    record.Win = entry[7];
    record.MsgTime = entry[8];
    std::fill(entry, entry + 9, 0);
}

bool takeParked(int& type, WMessageRecord& record) {
    EventState& e = gravim.events;
    for (int n = 0; n < MaxWindows; ++n) {
        if (e.KBNMessages[n][0] <= 0 || hClient[n] == nullptr) continue;
        takeEntry(e.KBNMessages[n], type, record);
        record.Win = n;
        if (type == EvExpose) {
            // A parked expose stands for the whole client area as it is now.
            clientSize(n, record.Value1, record.Value2);
            record.Value3 = 0;
            record.PixelX = record.PixelY = 0;
        }
        return true;
    }
    for (int k : {51, 52}) {
        if (e.KBNMessages[k][0] <= 0) continue;
        takeEntry(e.KBNMessages[k], type, record);
        return true;
    }
    return false;
}

// A message for the current modeless dialog: its window's accelerators, then its keyboard
// handling. True when consumed.
bool offerToDialog(MSG& message) {
    HWND dialog = yydialogcalls().activeModeless();
    if (dialog == nullptr || !IsWindow(dialog)) return false;
    int owner = -1;
    if (HWND combined = yydialogcalls().combinedWindow(dialog)) owner = yygetwindowindex(combined);
    if (owner == -1) owner = yygetwindowindex(GetWindow(dialog, GW_OWNER));
    if (owner == -1) owner = yygetwindowindex(GetParent(dialog));
    if (owner >= 0) {
        int menuWindow = owner;
        if (hMenuRoot[menuWindow] == nullptr && menuWindow > 0) {
            // Panes lend their split windows' menus: walk out while the encloser is a split window.
            menuWindow = -1;
            for (int m = enclosingWindow(owner); m >= 0; m = enclosingWindow(m)) {
                if (yywindowkind(wWindow[m]) != KindSplit) break;
                if (hMenuRoot[m] != nullptr) {
                    menuWindow = m;
                    break;
                }
            }
        }
        if (menuWindow >= 0 && hMenuRoot[menuWindow] != nullptr &&
            yyTranslateAccelerator(wWindow[owner], wWindow[menuWindow], &message))
            return true;
    } else if (yydialogcalls().usesRootAccelerators(dialog) && wWindow[0] != nullptr) {
        if (yyTranslateAccelerator(wWindow[0], wWindow[0], &message)) return true;
    }
    return IsDialogMessageA(dialog, &message) != 0;
}

// The frame of class GRAVCHILD with a record among the message window and three ancestors.
HWND specialOwner(HWND window) {
    for (int level = 0; level < 4 && window != nullptr; ++level, window = GetParent(window)) {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "GRAVCHILD") == 0 && yywindowrecord(window) != nullptr) return window;
    }
    return nullptr;
}

void translateAndDispatch(MSG& message) {
    TranslateMessage(&message);
    EventState& e = gravim.events;
    const bool paintOrSize = message.message == WM_PAINT || message.message == WM_SIZE;
    if (paintOrSize) e.bExpectPaintResize = 1;
    DispatchMessageA(&message);
    if (paintOrSize) e.bExpectPaintResize = 0;
}

void dispatchOne(MSG& message) {
    if (message.message == SystemTimerMessage && LOWORD(message.wParam) == 0xFFF6) return;
    if (offerToDialog(message)) return;
    if (HWND owner = specialOwner(message.hwnd)) {
        int* record = yywindowrecord(owner);
        if (const SpecialWindowCalls* calls = yyspecialwindowcalls(record)) {
            if (calls->accelerate != nullptr && calls->accelerate(record, &message)) return;
            if (calls->runsOwnMenus) {
                translateAndDispatch(message);
                return;
            }
        }
    }
    const int n = yygetwindowindex(message.hwnd);
    if (n >= 0) {
        int m = n;
        while (m > 0 && hMenuRoot[m] == nullptr) {
            const int outer = enclosingWindow(m);
            m = outer >= 0 ? outer : 0;
        }
        if (hMenuRoot[m] != nullptr && yyTranslateAccelerator(wWindow[n], wWindow[m], &message)) return;
    }
    translateAndDispatch(message);
}

// Pumps until a window procedure stores an event; blocking or not. False when a non-blocking
// pump found the queue empty first.
bool pump(bool blocking) {
    EventState& e = gravim.events;
    MSG message;
    while (e.wValidMessage == 1) {
        if (blocking) {
            if (GetMessageA(&message, nullptr, 0, 0) <= 0) continue;  // a quit request is no event
        } else if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            return false;
        }
        dispatchOne(message);
    }
    return true;
}

void takeSlot(int& type, WMessageRecord& record) {
    EventState& e = gravim.events;
    type = e.wMessageType;
    record.Win = e.wMessageWin;
    record.Value1 = e.wMessageValue1;
    record.Value2 = e.wMessageValue2;
    record.Value3 = e.wMessageValue3;
    record.Value4 = e.wMessageValue4;
    record.MsgTime = e.wMessageTime;
    record.PixelX = e.wMessageX;
    record.PixelY = e.wMessageY;
    // A window's own expose or resize replaces what it had parked; a parked expose widens it.
    if ((type == EvExpose || type == EvResize) && record.Value3 == 0 && record.Win >= 0 && record.Win < MaxWindows) {
        if (type == EvExpose && e.KBNMessages[record.Win][0] == EvExpose) {
            clientSize(record.Win, record.Value1, record.Value2);
            record.PixelX = record.PixelY = 0;
        }
        yyforgetparked(record.Win);
    }
}

void runPump(int& type, WMessageRecord& record, bool blocking) {
    EventState& e = gravim.events;
    e.bInWMessage = 1;
    e.wMessageType = 0;
    if (!takeParked(type, record)) {
        e.bSetFromCell = 1;
        e.wValidMessage = 1;
        if (pump(blocking)) {
            takeSlot(type, record);
        } else {
            type = -1;
        }
    }
    e.bInWMessage = 0;
    e.wMessageType = 0;
    e.wValidMessage = 0;
}

}  // namespace

int yyTranslateAccelerator(HWND window, HWND menuWindow, MSG* message) {
    const int* record = yywindowrecord(window);
    if (record != nullptr && record[0] == KindSplit && record[SplitDesignated] != 0) {
        int* pane = yywindowrecord(handleOf(record[SplitDesignated]));
        if (const SpecialWindowCalls* calls = yyspecialwindowcalls(pane); calls != nullptr && calls->accelerate != nullptr)
            return calls->accelerate(pane, message) ? 1 : 0;
    }
    const int m = yygetwindowindex(menuWindow);
    if (m < 0 || hAccel[m] == nullptr) return 0;
    return TranslateAcceleratorA(window, hAccel[m], message);
}

void yydispatchnextmessage(int& type, WMessageRecord& record) { runPump(type, record, true); }

void yydispatchpeekmessage(int& type, WMessageRecord& record) { runPump(type, record, false); }

void yydrawablesize(int kind, int ident, int& width, int& height) {
    width = height = 0;
    RECT client = {};
    if (kind == 1 && ident >= 0 && ident < MaxWindows && hClient[ident] != nullptr) {
        GetClientRect(hClient[ident], &client);
    } else if (kind == 3) {
        HWND dialog = yydialogcalls().currentWindow();
        HWND field = ident == 0 ? dialog : GetDlgItem(dialog, ident);
        if (field == nullptr) return;
        GetClientRect(field, &client);
    } else {
        return;
    }
    width = client.right;
    height = client.bottom;
}

void yyevent(int type, WMessageRecord& r) {
    r.PosX = r.PixelX;
    r.PosY = r.PixelY;
    const bool pointer = type == EvKey || type == EvMouseDown || type == EvMouseUp || type == EvMouseMove ||
                         type == EvDoubleClick;
    if (!pointer && type != EvExpose && type != EvResize && type != EvViewerResize) return;

    const GraphicsState& g = gravim.graphics;
    WindowState& w = gravim.windows;
    const bool field = r.Value3 == 1 && type != EvViewerResize;
    const int kind = field ? 3 : 1;
    const int ident = field ? r.Value4 : r.Win;
    const bool changed = type != EvViewerResize &&
                         !(g.surfaceType == kind && g.surfaceIdent == ident && (!field || g.surfaceDialog == r.Win));
    // What a change of surface disturbs, to be put back afterwards.
    const int savedDialog = gravim.dialogs.currentDialog;
    const float savedClip[4] = {g.clipX1, g.clipY1, g.clipWidth, g.clipHeight};
    const int savedClient[2] = {w.clientWidth, w.clientHeight};
    const int savedHeight = g.surfaceHeight;
    int height = g.surfaceHeight;  // of the drawable the event is measured on
    if (changed) {
        if (field && r.Win != gravim.dialogs.currentDialog) yydialogcalls().select(r.Win);
        int width = 0;
        height = 0;
        yydrawablesize(kind, ident, width, height);
        yyscreenport().measureOn(width, height);
        w.clientWidth = width;
        w.clientHeight = height;
    }
    const float h = static_cast<float>(height);
    auto centre = [h](int px, int py, float& ux, float& uy) {
        yyscreenport().pixelToUnits(static_cast<float>(px) + 0.5f, (h - 1 - static_cast<float>(py)) + 0.5f, ux, uy);
    };
    bool keepClient = false;
    if (pointer) {
        if (r.Value3 == 2) {
            yyscreenport().viewerPixelToUnits(static_cast<float>(r.PixelX) + 0.5f, (h - 1 - static_cast<float>(r.PixelY)) + 0.5f, r.GraphicsX,
                    r.GraphicsY, r.Win);
            r.PixelX += windowInfo(r.Win, 4);
            r.PixelY += windowInfo(r.Win, 5);
        } else {
            centre(r.PixelX, r.PixelY, r.GraphicsX, r.GraphicsY);
        }
        if (!field) WindowUnitsFromPixels(r.PosX, r.PosY, r.PosX, r.PosY);
    } else if (type == EvExpose) {
        r.PixelWidth = r.Value1;
        r.PixelHeight = r.Value2;
        centre(r.PixelX, r.PixelY, r.GraphicsX, r.GraphicsY);
        const int farX = r.PixelX + r.Value1 - 1, farY = r.PixelY + r.Value2 - 1;
        centre(farX, farY, r.GraphicsX2, r.GraphicsY2);
        int farUnitsX = 0, farUnitsY = 0;
        WindowUnitsFromPixels(farX, farY, farUnitsX, farUnitsY);
        WindowUnitsFromPixels(r.PosX, r.PosY, r.PosX, r.PosY);
        r.Value1 = farUnitsX - r.PosX;
        r.Value2 = farUnitsY - r.PosY;
    } else if (type == EvResize) {
        r.PixelWidth = r.Value1;
        r.PixelHeight = r.Value2;
        if (!field) {
            if (r.Win == w.wIndex) {
                w.clientWidth = r.Value1;
                w.clientHeight = r.Value2;
                keepClient = true;
            }
            if (g.surfaceType == 1 && g.surfaceIdent == r.Win) yyscreenport().surfaceResized(1, r.Win, r.Value1, r.Value2);
        } else if (g.surfaceType == 3 && g.surfaceIdent == r.Value4 && g.surfaceDialog == r.Win) {
            yyscreenport().surfaceResized(3, r.Value4, r.Value1, r.Value2);
        }
    } else {
        yyscreenport().viewerPixelToUnits(static_cast<float>(r.PixelX) + 0.5f, (h - 1 - static_cast<float>(r.PixelY)) + 0.5f, r.GraphicsX,
                r.GraphicsY, r.Win);
        r.PosX = r.PosY = 0;
    }
    if (!changed) return;
    if (gravim.dialogs.currentDialog != savedDialog) yydialogcalls().select(savedDialog);
    yyscreenport().measureDone(savedClip, savedHeight);
    if (!keepClient) {
        w.clientWidth = savedClient[0];
        w.clientHeight = savedClient[1];
    }
}

void WMessage(int& type, WMessageRecord& record) {
    yydispatchnextmessage(type, record);
    yyevent(type, record);
}

void WMessageTimer(int interval, int ident, int repeat) {
    // Timer 999 of the root client area ends IOsWait: a library timer of that number would end a
    // wait early, or stopping it would make the wait endless.
    if (ident == WaitTimerId) return;
    gravim.events.timerIdent = ident;
    gravim.events.timerRepeat = repeat;
    if (gravim.windows.rootOpen != 1) return;
    const UINT_PTR id = static_cast<UINT_PTR>(ident);
    if (interval > 0) {
        SetTimer(repeat == 1 ? hClient[0] : wWindow[0], id, static_cast<UINT>(interval), nullptr);
    } else {
        KillTimer(hClient[0], id);
        KillTimer(wWindow[0], id);
    }
}
