// window_procs_win.cpp - the window procedures of frames, client areas and splitter bars.
// Each procedure dispatches to small functions; no exception may leave a procedure.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <optional>
#include <string>

#include "base/callback_guard.hpp"
#include "windows/dialog_calls_win.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/wait_internal.hpp"
#include "windows/menus_win.hpp"
#include "windows/screen_port_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

// The frame of a client area (its parent), or the window itself.
HWND frameOf(HWND client) {
    HWND parent = GetParent(client);
    return parent != nullptr ? parent : client;
}

bool splitFixedAlong(const int* record, int dimension);

// Fixedness of a whole split level in one dimension.
bool splitLevelFixed(const int* record, int dimension) {
    const bool stacked = (record[SplitFlags] & SplitStacked) != 0;
    const bool proportional = (record[SplitFlags] & SplitProportional) != 0;
    const bool across = (dimension == 0) == stacked;  // the dimension the panes share
    const bool first = yySplitFixed(record, 0, dimension) != 0, second = yySplitFixed(record, 1, dimension) != 0;
    return across ? (first || second) : (first && second && !proportional);
}

// Either pane fixed along the split: the bar cannot move.
bool splitFixedAlong(const int* record, int) {
    const int dimension = (record[SplitFlags] & SplitStacked) ? 1 : 0;
    return yySplitFixed(record, 0, dimension) != 0 || yySplitFixed(record, 1, dimension) != 0;
}

void bringToTop(HWND frame, bool show) {
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : 0));
}

void paintTitleActive(HWND frame) {
    if (frame != nullptr) SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
}

int buttonOfNonClient(UINT message) {
    switch (message) {
    case WM_NCLBUTTONDOWN: return 1;
    case WM_NCMBUTTONDOWN: return 2;
    default: return 3;
    }
}

// ---- frame ----

LRESULT frameHitTest(HWND frame, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = DefWindowProcA(frame, WM_NCHITTEST, wParam, lParam);
    const int* parent = yywindowrecord(GetParent(GetParent(frame)));
    if (parent != nullptr && parent[0] == KindSplit && hit == HTCAPTION) return HTBORDER;  // panes stay put
    const int* record = yywindowrecord(frame);
    if (record == nullptr || record[0] != KindSplit) return hit;
    if (splitLevelFixed(record, 0)) {
        if (hit == HTLEFT || hit == HTRIGHT) hit = HTBORDER;
        if (hit == HTTOPLEFT || hit == HTTOPRIGHT) hit = HTTOP;
        if (hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) hit = HTBOTTOM;
    }
    if (splitLevelFixed(record, 1)) {
        if (hit == HTTOP || hit == HTBOTTOM) hit = HTBORDER;
        if (hit == HTTOPLEFT || hit == HTBOTTOMLEFT) hit = HTLEFT;
        if (hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) hit = HTRIGHT;
    }
    return hit;
}

void frameMinMax(HWND frame, MINMAXINFO* info) {
    const int* record = yywindowrecord(frame);
    if (record == nullptr) return;
    if (record[0] == KindSplit && record[SplitSizing] == 0) {
        if (splitLevelFixed(record, 0))
            info->ptMaxSize.x = info->ptMinTrackSize.x = info->ptMaxTrackSize.x = record[SplitOuterWidth];
        if (splitLevelFixed(record, 1))
            info->ptMaxSize.y = info->ptMinTrackSize.y = info->ptMaxTrackSize.y = record[SplitOuterHeight];
    } else if (record[0] == KindDialog && yydialogcalls().resizable(handleOf(record[HostedWindow]))) {
        info->ptMinTrackSize.x = record[HostMinWidth];
        info->ptMinTrackSize.y = record[HostMinHeight];
    }
}

void frameNonClientPress(HWND frame, UINT message, WPARAM wParam) {
    if (message == WM_NCLBUTTONDOWN) hWinMenuClick = frame;
    if (wParam != HTMINBUTTON) yyinterpretmessage(EvFrameClick, buttonOfNonClient(message), wParam, 0, frame);
    bringToTop(frame, true);
    yytitlecolour(frame);
    // The chain of last-focused panes inside a split window shows active too.
    for (const int* record = yywindowrecord(frame); record != nullptr && record[0] == KindSplit;) {
        HWND pane = handleOf(record[SplitLastFocused]);
        if (pane == nullptr) break;
        paintTitleActive(pane);
        record = yywindowrecord(pane);
    }
}

void layoutFrame(HWND frame) {
    const int n = yygetwindowindex(frame);
    if (n < 0) return;
    RECT area;
    GetClientRect(frame, &area);
    if (wMessLine[n] != nullptr) {
        const int parts = static_cast<int>(SendMessageA(wMessLine[n], SB_GETPARTS, 0, 0));
        yySetStatusBar2(n, parts);
        SendMessageA(wMessLine[n], WM_SIZE, 0, 0);
        RECT bar;
        GetWindowRect(wMessLine[n], &bar);
        area.bottom -= bar.bottom - bar.top;
    }
    area = yyplacedockedbars(n, area);
    if (hClient[n] != nullptr) MoveWindow(hClient[n], area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

}  // namespace

bool yychildsized(HWND frame, WPARAM wParam) {
    const int n = yygetwindowindex(frame);
    if (n > 0) {
        if (wParam == SIZE_MAXIMIZED && wChildRect[n].left == NoChildRect) {
            WINDOWPLACEMENT placement = {};
            placement.length = sizeof placement;
            GetWindowPlacement(frame, &placement);
            wChildRect[n] = placement.rcNormalPosition;
        } else if (wParam == SIZE_RESTORED && wChildRect[n].left != NoChildRect) {
            WINDOWPLACEMENT placement = {};
            placement.length = sizeof placement;
            GetWindowPlacement(frame, &placement);
            placement.rcNormalPosition = wChildRect[n];
            placement.showCmd = SW_SHOWNORMAL;
            wChildRect[n].left = NoChildRect;
            SetWindowPlacement(frame, &placement);
        }
    }
    if (wParam == SIZE_MINIMIZED) {
        if (n > 0) {
            SendMessageA(frame, WM_NCACTIVATE, FALSE, 0);
            const int parent = yygetwindowindex(GetParent(frame));  // a client area or an owner frame
            if (parent >= 0) paintTitleActive(wWindow[parent]);
        }
        return true;
    }
    return false;
}

namespace {

void frameSized(HWND frame, WPARAM wParam) {
    if (yychildsized(frame, wParam)) return;
    layoutFrame(frame);
    if (int* record = yywindowrecord(frame); record != nullptr && record[0] == KindSplit) {
        RECT outer;
        GetWindowRect(frame, &outer);
        record[SplitOuterWidth] = outer.right - outer.left;
        record[SplitOuterHeight] = outer.bottom - outer.top;
    }
}

// The window whose menu owns a selection: the frame, or for a pop-up the window with the main menu.
int promptOwner(HWND frame) { return yygetwindowindex(frame); }

// True when a special window's own procedure runs the menus of the frame (or pane) it holds.
bool runsOwnMenus(HWND frame) {
    const SpecialWindowCalls* calls = yyspecialwindowcalls(yywindowrecord(frame));
    return calls != nullptr && calls->runsOwnMenus;
}

bool promptsAvailable(int n) {
    if (n < 0) return false;
    return hKBNMenuString[n] != nullptr || hFloatPrompt != nullptr || nMenuString[n] > 0 || runsOwnMenus(wWindow[n]);
}

const char* systemPrompt(UINT command) {
    switch (command & 0xFFF0) {
    case SC_SIZE: return "Changes the window size";
    case SC_MOVE: return "Changes the window position";
    case SC_MINIMIZE: return "Reduces the window to an icon";
    case SC_MAXIMIZE: return "Enlarges the window to full size";
    case SC_CLOSE: return "Closes the window";
    case SC_RESTORE: return "Restores the window to its normal size";
    default: return "";
    }
}

std::optional<std::string> runTimePrompt(HMENU menu, UINT identifier) {
    if (menu == nullptr) return std::nullopt;
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(menu, identifier, FALSE, &item) || item.dwItemData == 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(item.dwItemData));
}

// The innermost last-focused pane of a split window, or the frame itself.
HWND innermostPane(HWND frame) {
    for (const int* record = yywindowrecord(frame); record != nullptr && record[0] == KindSplit;
         record = yywindowrecord(frame)) {
        HWND pane = handleOf(record[SplitLastFocused]);
        if (pane == nullptr) break;
        frame = pane;
    }
    return frame;
}

void menuSelected(HWND frame, WPARAM wParam, LPARAM lParam) {
    const int n = promptOwner(frame);
    HWND bar = yyGetPromptWindow(n);
    if (bar == nullptr || !promptsAvailable(n)) return;
    const UINT flags = HIWORD(wParam);
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    UINT identifier = LOWORD(wParam);
    std::optional<std::string> text;
    if (flags & MF_SYSMENU) {
        text = systemPrompt(identifier);
    } else {
        if (flags & MF_POPUP) identifier = GetMenuItemID(menu, static_cast<int>(LOWORD(wParam)));
        text = runTimePrompt(hMenuRoot[n], identifier);
        if (!text) text = yymenustringprompt(hKBNMenuString[n], identifier);
        if (!text) text = yymenustringprompt(hFloatPrompt, identifier);
        if (!text) {
            HWND pane = innermostPane(frame);
            if (runsOwnMenus(pane) && pane != frame) {
                // The editor or grid pane shows its own prompt, on the bar lent to it for the
                // call: the pane's frame runs its procedure. One asking here itself gets the
                // empty prompt.
                SendMessageA(pane, WM_MENUSELECT, wParam, lParam);
                return;
            }
        }
    }
    SendMessageA(bar, SB_SETTEXTA, 255 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text ? text->c_str() : ""));
}

void menuLoop(HWND frame, bool entering) {
    const int n = promptOwner(frame);
    HWND bar = yyGetPromptWindow(n);
    if (!entering) hWinMenuClick = nullptr;
    if (bar == nullptr || (entering && !promptsAvailable(n))) return;
    SendMessageA(bar, SB_SIMPLE, entering ? TRUE : FALSE, 0);
    if (entering) SendMessageA(bar, SB_SETTEXTA, 255 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(""));
}

// A command goes to this frame, or through each split level to its designated (or last-focused)
// pane; editors and grids take it themselves.
void frameCommand(HWND frame, WPARAM wParam, LPARAM lParam) {
    HWND target = frame;
    if (lParam == 0) {
        for (const int* record = yywindowrecord(target); record != nullptr && record[0] == KindSplit;
             record = yywindowrecord(target)) {
            HWND pane = handleOf(record[SplitDesignated] != 0 ? record[SplitDesignated] : record[SplitLastFocused]);
            if (pane == nullptr) break;
            target = pane;
        }
    }
    if (runsOwnMenus(target) && target != frame) {
        SendMessageA(target, WM_COMMAND, wParam, lParam);  // the pane's frame runs its editor's or grid's procedure
    } else {
        yyinterpretmessage(EvMenu, 0, wParam, lParam, target);
    }
    const int n = yygetwindowindex(frame);
    for (int position = 0; n >= 0 && position < 4; ++position)
        if (lParam != 0 && reinterpret_cast<HWND>(lParam) == hToolbar[n][position]) UpdateWindow(hToolbar[n][position]);
}

void frameDestroyed(HWND frame) {
    const int n = yygetwindowindex(frame);
    if (n < 0) return;
    yyClearMenuPrompt(hMenuRoot[n], n);
    hMenuRoot[n] = nullptr;
    hAccel[n] = nullptr;
    hKBNMenuString[n] = nullptr;
    nMenuString[n] = 0;
    for (HWND& bar : hToolbar[n]) bar = nullptr;
}

bool tooltipText(LPARAM lParam) {
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    for (int n = 0; n < MaxWindows; ++n) {
        for (HWND bar : hToolbar[n]) {
            if (bar == nullptr || reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0)) != info->hdr.hwndFrom)
                continue;
            // A text set at run time comes first, then the string resource of the command.
            const auto text = yytooltiptext(n, static_cast<int>(info->hdr.idFrom));
            if (text) {
                lstrcpynA(info->szText, text->c_str(), sizeof info->szText);
            } else {
                LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(info->hdr.idFrom), info->szText, 80);
            }
            info->lpszText = info->szText;
            info->hinst = nullptr;
            return true;
        }
    }
    return false;
}

LRESULT frameMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST: return frameHitTest(frame, wParam, lParam);
    case WM_GETMINMAXINFO:
        frameMinMax(frame, reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_EXITSIZEMOVE:
        if (yygetwindowindex(frame) > 0 && IsIconic(frame)) ArrangeIconicWindows(GetParent(frame));
        break;
    case WM_NCLBUTTONUP: hWinMenuClick = nullptr; return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCRBUTTONDOWN: frameNonClientPress(frame, message, wParam); break;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        bringToTop(frame, false);
        yytitlecolour(frame);
        return 0;
    case WM_SETFOCUS:
        if (const int n = yygetwindowindex(frame); n >= 0 && hClient[n] != nullptr) SetFocus(hClient[n]);
        return 0;
    case WM_SIZE: frameSized(frame, wParam); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) paintTitleActive(frame);
        break;
    case WM_ACTIVATEAPP:
        if (wParam && yyscreenport().usesPalette()) {
            if (const int n = yygetwindowindex(frame); n >= 0 && hClient[n] != nullptr) yyscreenport().paletteRealised(hClient[n]);
        } else if (!wParam) {
            for (HWND window : wWindow)
                if (window != nullptr) SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
        }
        break;
    case WM_ENTERMENULOOP: menuLoop(frame, true); break;
    case WM_EXITMENULOOP: menuLoop(frame, false); break;
    case WM_MENUSELECT: menuSelected(frame, wParam, lParam); return 0;
    case WM_COMMAND: frameCommand(frame, wParam, lParam); return 0;
    case WM_INITMENUPOPUP: {
        HWND pane = innermostPane(frame);
        if (runsOwnMenus(pane) && pane != frame) return SendMessageA(pane, message, wParam, lParam);
        break;
    }
    case WM_CLOSE:
        if (yywindowkind(frame) != KindSplit || yyCloseCheck(frame) == 1)
            yyinterpretmessage(EvCloseRequest, 0, wParam, lParam, frame);
        return 0;
    case WM_DESTROY: frameDestroyed(frame); break;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOA && tooltipText(lParam)) return 0;
        break;
    case WM_TIMER:
        KillTimer(frame, wParam);  // frame timers fire once
        yyinterpretmessage(EvTimer, 0, wParam, lParam, frame);
        return 0;
    case WM_PALETTECHANGED:
    case WM_QUERYNEWPALETTE:
        if (const int n = yygetwindowindex(frame); n >= 0 && hClient[n] != nullptr)
            return SendMessageA(hClient[n], message, wParam, lParam);
        break;
    case MM_MCINOTIFY:
        for (UINT& device : wDevice) {
            if (device != static_cast<UINT>(lParam)) continue;
            mciSendCommandA(device, MCI_CLOSE, 0, 0);
            device = 0;
        }
        return 0;
    case WM_SYSCHAR:
        if (yygetwindowindex(frame) > 0 && wParam != '-') {
            HWND parent = GetParent(frame);
            if (parent != nullptr) return SendMessageA(frameOf(parent), message, wParam, lParam);
        }
        break;
    default: break;
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}

// ---- client area ----

void clientKeyDown(HWND client, WPARAM wParam, LPARAM lParam) {
    const int key = static_cast<int>(wParam);
    if (yyissilentkey(key)) return;
    MSG next;
    if (PeekMessageA(&next, client, 0, 0, PM_NOREMOVE) && next.message == WM_CHAR) {
        PeekMessageA(&next, client, WM_CHAR, WM_CHAR, PM_REMOVE);
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (yyiskeypadkey(key)) {
            yyinterpretmessage(EvKey, 1, static_cast<WPARAM>(key), lParam, client);
        } else if (key == VK_TAB && shift) {
            yyinterpretmessage(EvKey, 1, static_cast<WPARAM>(key + 0x1000), lParam, client);
        } else {
            yyinterpretmessage(EvKey, 0, next.wParam, lParam, client);
        }
        return;
    }
    int modifier = 0;
    if (GetKeyState(VK_CONTROL) < 0) {
        modifier = 0x2000;
    } else if (GetKeyState(VK_SHIFT) < 0) {
        modifier = 0x1000;
    }
    yyinterpretmessage(EvKey, 1, static_cast<WPARAM>(key + modifier), lParam, client);
}

void clientButtonDown(HWND client, int button, bool doubleClick, WPARAM wParam, LPARAM lParam) {
    SetCapture(client);
    const int type = doubleClick && yyinfomessage(EvDoubleClick) != 0 ? EvDoubleClick : EvMouseDown;
    yyinterpretmessage(type, button, wParam, lParam, client);
    HWND frame = frameOf(client);
    bringToTop(frame, false);
    yytitlecolour(frame);
}

void clientButtonUp(HWND client, int button, WPARAM wParam, LPARAM lParam) {
    ReleaseCapture();
    yyinterpretmessage(EvMouseUp, button, wParam, lParam, client);
}

LRESULT clientSetCursor(HWND client, WPARAM wParam, LPARAM lParam) {
    const int n = yygetwindowindex(client);
    HCURSOR cursor = n >= 0 && hCursorWin[n] != nullptr ? hCursorWin[n] : wCursor;
    if (cursor == nullptr || LOWORD(lParam) != HTCLIENT) return DefWindowProcA(client, WM_SETCURSOR, wParam, lParam);
    const int* record = yywindowrecord(frameOf(client));
    const SpecialWindowCalls* calls = yyspecialwindowcalls(record);
    if (record == nullptr || record[0] == 0 || (calls != nullptr && calls->hostsClient)) SetCursor(cursor);
    return TRUE;
}

// Puts the top frame's menu bar to the menu of the pane that now has the focus: its own, else the
// first found on the way out.
void showPaneMenu(HWND frame) {
    HWND top = frame;
    HMENU menu = nullptr;
    for (HWND window = frame; window != nullptr;) {
        const int n = yygetwindowindex(window);
        if (n < 0) break;
        if (menu == nullptr) menu = hMenuRoot[n];
        top = window;
        HWND parent = GetParent(window);
        if (parent == nullptr || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) break;
        window = frameOf(parent);
    }
    if (top != frame && menu != nullptr && GetMenu(top) != menu) SetMenu(top, menu);
}

void clientFocus(HWND client) {
    HWND frame = frameOf(client);
    hWinCur = frame;
    yydialogcalls().setActiveModeless(nullptr);
    const int n = yygetwindowindex(frame);
    if (n != 0 || IsWindowVisible(frame)) bringToTop(frame, n != 0);
    // Inside split windows the frame becomes each level's last-focused pane.
    bool inSplit = false;
    for (HWND pane = frame; pane != nullptr;) {
        HWND outerClient = GetParent(pane);
        HWND outer = outerClient != nullptr ? GetParent(outerClient) : nullptr;
        int* record = yywindowrecord(outer);
        if (record == nullptr || record[0] != KindSplit) break;
        record[SplitLastFocused] = wordOf(pane);
        inSplit = true;
        pane = outer;
    }
    if (inSplit) showPaneMenu(frame);
    int* record = yywindowrecord(frame);
    if (record != nullptr && record[0] == KindDialog) {
        HWND dialog = handleOf(record[HostedWindow]);
        const int saved = yyinfomessage(EvFieldChanged);
        WMessageEnable(EvFieldChanged, 0);
        BringWindowToTop(dialog);
        SetActiveWindow(dialog);
        if (!IsChild(dialog, GetFocus())) SetFocus(dialog);
        yydialogcalls().setActiveModeless(dialog);
        WMessageEnable(EvFieldChanged, saved);
    } else if (record != nullptr && record[0] == KindSplit) {
        HWND pane = handleOf(record[SplitLastFocused]);
        const int p = yygetwindowindex(pane);
        if (p >= 0 && hClient[p] != nullptr) SetFocus(hClient[p]);
    }
}

// Lays out the two panes and the bar of a split window in its client area.
void layoutSplit(int* record, int width, int height) {
    const int first = record[SplitFirstPane], second = record[SplitFirstPane + 1];
    if (first < 0 || second < 0 || first >= MaxWindows || second >= MaxWindows) return;
    HWND paneA = wWindow[first], paneB = wWindow[second], bar = handleOf(record[SplitBar]);
    if (paneA == nullptr || paneB == nullptr || bar == nullptr) return;
    const bool stacked = (record[SplitFlags] & SplitStacked) != 0;
    RECT a, b, barRect;
    GetWindowRect(paneA, &a);
    GetWindowRect(paneB, &b);
    GetWindowRect(bar, &barRect);
    RECT clientA, clientB;
    GetClientRect(paneA, &clientA);
    GetClientRect(paneB, &clientB);
    const int total = stacked ? height : width;
    const int thickness = stacked ? barRect.bottom - barRect.top : barRect.right - barRect.left;
    const int borderA = (stacked ? a.bottom - a.top - clientA.bottom : a.right - a.left - clientA.right);
    const int borderB = (stacked ? b.bottom - b.top - clientB.bottom : b.right - b.left - clientB.right);
    const int sizeA = stacked ? a.bottom - a.top : a.right - a.left;
    const int sizeB = stacked ? b.bottom - b.top : b.right - b.left;
    int extentA = 0;
    if (record[SplitFlags] & SplitProportional) {
        const int space = total - borderA - borderB - thickness;
        const int p1 = record[SplitFirstProportion], p2 = record[SplitFirstProportion + 1];
        extentA = borderA + (p1 + p2 > 0 ? space * p1 / (p1 + p2) : space / 2);
    } else if ((record[SplitFlags] & SplitKeepSecond) || yySplitFixed(record, 1, stacked ? 1 : 0)) {
        extentA = total - sizeB - thickness;
    } else {
        extentA = sizeA;
    }
    const int extentB = total - extentA - thickness;
    if (stacked) {
        MoveWindow(paneA, 0, 0, width, extentA, TRUE);
        MoveWindow(bar, 0, extentA, width, thickness, TRUE);
        MoveWindow(paneB, 0, extentA + thickness, width, extentB, TRUE);
    } else {
        MoveWindow(paneA, 0, 0, extentA, height, TRUE);
        MoveWindow(bar, extentA, 0, thickness, height, TRUE);
        MoveWindow(paneB, extentA + thickness, 0, extentB, height, TRUE);
    }
}

BOOL remaximiseChild(HWND window, LPARAM client) {
    if (GetParent(window) != reinterpret_cast<HWND>(client) || !IsZoomed(window)) return TRUE;
    RECT area;
    GetClientRect(reinterpret_cast<HWND>(client), &area);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    AdjustWindowRectEx(&area, static_cast<DWORD>(style), FALSE, static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CALLBACK remaximise(HWND window, LPARAM client) {
    return yyguardcallback("remaximise", [&] { return remaximiseChild(window, client); }, [] { return TRUE; });
}

// Returns true when the size became a resize event (the parking rule then applies).
bool clientSized(HWND client, WPARAM wParam, LPARAM lParam) {
    HWND frame = frameOf(client);
    int* record = yywindowrecord(frame);
    const int width = LOWORD(lParam), height = HIWORD(lParam);
    if (record != nullptr && record[0] == KindSplit) {
        layoutSplit(record, width, height);
        ValidateRect(client, nullptr);
        return false;
    }
    if (record != nullptr && record[0] == KindDialog) {
        MoveWindow(handleOf(record[HostedWindow]), 0, 0, width, height, TRUE);
        ValidateRect(client, nullptr);
        return false;
    }
    ArrangeIconicWindows(client);
    if (yygetwindowindex(frame) > 0 && GetParent(frame) != nullptr) ArrangeIconicWindows(GetParent(frame));
    RedrawWindow(client, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    yyinterpretmessage(EvResize, 0, wParam, lParam, client);
    EnumChildWindows(client, remaximise, reinterpret_cast<LPARAM>(client));
    return true;
}

// Repaints a client area from the memory snapshot of its window, or of the top-level window that
// holds it. True when a snapshot was there.
bool paintFromSnapshot(HWND client) {
    const int n = yygetwindowindex(client);
    int source = n;
    POINT offset = {0, 0};
    if (source >= 0 && hImage[source] == nullptr && yywindowkind(frameOf(client)) == 0) {
        source = yygetwindowindex(GetAncestor(client, GA_ROOT));
        if (source >= 0 && hClient[source] != nullptr) {
            MapWindowPoints(client, hClient[source], &offset, 1);
        }
    }
    if (source < 0 || hImage[source] == nullptr) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(client, &paint);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, hImage[source]);
    RECT area;
    GetClientRect(client, &area);
    BitBlt(dc, 0, 0, area.right, area.bottom, memory, offset.x, offset.y, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(client, &paint);
    return true;
}

// Keeps a window's expose or resize that arrived outside the library's own dispatch, so that a
// later wait returns it even when the slot is reset or overwritten.
void parkIfOutside(HWND client, int type, bool resizeSeen) {
    const EventState& e = gravim.events;
    if (e.bExpectPaintResize != 0 || e.wMessageType == 0 || wBlitOn != 0) return;
    const int n = yygetwindowindex(client);
    if (n < 0 || (type == EvResize && !resizeSeen)) return;
    const int kind = yywindowkind(frameOf(client));
    if (kind == KindDialog || kind == KindSplit) return;
    const int* parent = yywindowrecord(GetParent(GetParent(frameOf(client))));
    if (parent != nullptr && parent[0] == KindSplit) return;
    if (type == EvExpose && e.KBNMessages[n][0] == EvResize) return;
    yyparkslot(n, type);
}

LRESULT clientMessage(HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: clientKeyDown(client, wParam, lParam); return 0;
    case WM_CHAR: yyinterpretmessage(EvKey, 0, wParam, lParam, client); return 0;
    case WM_SYSCHAR: return SendMessageA(frameOf(client), message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
        yyinterpretmessage(EvFrameClick, buttonOfNonClient(message), wParam, 0, client);
        HWND frame = frameOf(client);
        bringToTop(frame, false);
        yytitlecolour(frame);
        // The split windows around a pane show active too.
        for (HWND pane = frame; pane != nullptr;) {
            HWND outerClient = GetParent(pane);
            HWND outer = outerClient != nullptr ? GetParent(outerClient) : nullptr;
            if (yywindowkind(outer) != KindSplit) break;
            paintTitleActive(outer);
            pane = outer;
        }
        break;
    }
    case WM_LBUTTONDOWN: clientButtonDown(client, 1, false, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: clientButtonDown(client, 2, false, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: clientButtonDown(client, 3, false, wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: clientButtonDown(client, 1, true, wParam, lParam); return 0;
    case WM_MBUTTONDBLCLK: clientButtonDown(client, 2, true, wParam, lParam); return 0;
    case WM_RBUTTONDBLCLK: clientButtonDown(client, 3, true, wParam, lParam); return 0;
    case WM_LBUTTONUP: clientButtonUp(client, 1, wParam, lParam); return 0;
    case WM_MBUTTONUP: clientButtonUp(client, 2, wParam, lParam); return 0;
    case WM_RBUTTONUP: clientButtonUp(client, 3, wParam, lParam); return 0;
    case WM_MOUSEMOVE: yyinterpretmessage(EvMouseMove, 0, wParam, lParam, client); return 0;
    case WM_MOUSEWHEEL: {
        const int button = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? 4 : 5;
        yyinterpretmessage(EvMouseDown, button, wParam, lParam, client);
        return 0;
    }
    case WM_SETCURSOR: return clientSetCursor(client, wParam, lParam);
    case WM_SETFOCUS: clientFocus(client); return 0;
    case WM_SIZE: {
        const bool event = clientSized(client, wParam, lParam);
        parkIfOutside(client, EvResize, event && IsWindowVisible(client));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) paintTitleActive(frameOf(client));
        break;
    case WM_ERASEBKGND: {
        const int n = yygetwindowindex(client);
        if (n < 0 || hWindowColour[n] == nullptr) break;
        RECT area;
        GetClipBox(reinterpret_cast<HDC>(wParam), &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, hWindowColour[n]);
        return 1;
    }
    case WM_PAINT: {
        yyscreenport().paletteRealised(client);
        if (wBlitOn != 0 && paintFromSnapshot(client)) return 0;
        const int kind = yywindowkind(frameOf(client));
        if (kind != KindDialog && kind != KindSplit) yyinterpretmessage(EvExpose, 0, wParam, lParam, client);
        const LRESULT result = DefWindowProcA(client, message, wParam, lParam);
        parkIfOutside(client, EvExpose, true);
        return result;
    }
    case WM_TIMER:
        if (wParam == static_cast<WPARAM>(WaitTimerId)) {
            // The timed wait's timer is never an application event.
            yyendwait();
            KillTimer(client, wParam);
            return 0;
        }
        yyinterpretmessage(EvTimer, 0, wParam, lParam, client);
        return 0;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != client) yyscreenport().paletteRealised(client);
        return 0;
    case WM_QUERYNEWPALETTE: yyscreenport().paletteRealised(client); return TRUE;
    case WM_MENUSELECT:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return SendMessageA(frameOf(client), message, wParam, lParam);
    case WM_COMMAND:
        if (lParam == 0) {
            yyinterpretmessage(EvMenu, 0, wParam, lParam, client);
            return 0;
        }
        break;
    default: break;
    }
    return DefWindowProcA(client, message, wParam, lParam);
}

// ---- splitter bar ----

int* splitRecordOfBar(HWND bar) { return reinterpret_cast<int*>(GetWindowLongPtrA(bar, GWLP_USERDATA)); }

void barMoved(HWND bar, int* record) {
    const int first = record[SplitFirstPane], second = record[SplitFirstPane + 1];
    if (first < 0 || second < 0 || first >= MaxWindows || second >= MaxWindows) return;
    HWND parent = GetParent(bar);
    RECT barRect, area;
    GetWindowRect(bar, &barRect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&barRect), 2);
    GetClientRect(parent, &area);
    const bool stacked = (record[SplitFlags] & SplitStacked) != 0;
    if (stacked) {
        MoveWindow(wWindow[first], 0, 0, area.right, barRect.top, TRUE);
        MoveWindow(wWindow[second], 0, barRect.bottom, area.right, area.bottom - barRect.bottom, TRUE);
    } else {
        MoveWindow(wWindow[first], 0, 0, barRect.left, area.bottom, TRUE);
        MoveWindow(wWindow[second], barRect.right, 0, area.right - barRect.right, area.bottom, TRUE);
    }
    RECT clientA, clientB;
    GetClientRect(hClient[first], &clientA);
    GetClientRect(hClient[second], &clientB);
    record[SplitFirstProportion] = stacked ? clientA.bottom : clientA.right;
    record[SplitFirstProportion + 1] = stacked ? clientB.bottom : clientB.right;
}

// Posted to a splitter bar by the end of its drag.
constexpr UINT SplitDragEnded = WM_APP + 1;

LRESULT splitMessage(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    int* record = splitRecordOfBar(bar);
    if (record == nullptr) return DefWindowProcA(bar, message, wParam, lParam);
    const bool stacked = (record[SplitFlags] & SplitStacked) != 0;
    switch (message) {
    case WM_SETCURSOR:
        if (splitFixedAlong(record, 0)) return TRUE;
        break;
    case WM_NCHITTEST: return splitFixedAlong(record, 0) ? HTBORDER : HTCAPTION;
    case WM_ENTERSIZEMOVE: {
        RECT place;
        GetWindowRect(bar, &place);
        MapWindowPoints(nullptr, GetParent(bar), reinterpret_cast<POINT*>(&place), 2);
        record[SplitAnchor] = stacked ? place.left : place.top;
        break;
    }
    case WM_MOVING: {
        if (record[SplitAnchor] == SplitNoAnchor) break;
        RECT* moving = reinterpret_cast<RECT*>(lParam);
        RECT parentOrigin = {0, 0, 0, 0};
        MapWindowPoints(GetParent(bar), nullptr, reinterpret_cast<POINT*>(&parentOrigin), 1);
        if (stacked) {
            const int shift = parentOrigin.left + record[SplitAnchor] - moving->left;
            moving->left += shift;
            moving->right += shift;
        } else {
            const int shift = parentOrigin.top + record[SplitAnchor] - moving->top;
            moving->top += shift;
            moving->bottom += shift;
        }
        return TRUE;
    }
    case WM_MOVE:
        if (record[SplitAnchor] != SplitNoAnchor) barMoved(bar, record);
        break;
    case WM_EXITSIZEMOVE:
        // With outline dragging the bar takes its place only after the drag ended: the drag
        // ends once that move is through.
        PostMessageA(bar, SplitDragEnded, 0, 0);
        break;
    case SplitDragEnded:
        if (record[SplitAnchor] != SplitNoAnchor) barMoved(bar, record);
        record[SplitAnchor] = SplitNoAnchor;
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        if (record[SplitWindow] >= 0 && record[SplitWindow] < MaxWindows)
            yyinterpretmessage(EvFrameClick, buttonOfNonClient(message), wParam, 0, wWindow[record[SplitWindow]]);
        break;
    case WM_SETFOCUS: {
        const int pane = yygetwindowindex(handleOf(record[SplitLastFocused]));
        if (pane >= 0 && hClient[pane] != nullptr) SetFocus(hClient[pane]);
        return 0;
    }
    default: break;
    }
    return DefWindowProcA(bar, message, wParam, lParam);
}

bool paneAllowsClose(HWND pane) {
    int* record = yywindowrecord(pane);
    if (record == nullptr) return true;
    if (record[0] == KindSplit) return yyCloseCheck(pane) == 1;
    const SpecialWindowCalls* calls = yyspecialwindowcalls(record);
    return calls == nullptr || calls->mayClose == nullptr || calls->mayClose(pane, record);
}

}  // namespace

int yySplitFixed(const int* record, int pane, int dimension) {
    if (record == nullptr || pane < 0 || pane > 1) return 0;
    const int n = record[SplitFirstPane + pane];
    if (n >= 0 && n < MaxWindows) {
        const int* inner = yywindowrecord(wWindow[n]);
        if (inner != nullptr && inner[0] == KindSplit) return splitLevelFixed(inner, dimension) ? 1 : 0;
    }
    return (record[SplitFirstStyle + pane] & 0x40) != 0 ? 1 : 0;
}

int yyCloseCheck(HWND frame) {
    const int* record = yywindowrecord(frame);
    if (record == nullptr || record[0] != KindSplit) return 1;
    for (int pane = 0; pane < 2; ++pane) {
        const int n = record[SplitFirstPane + pane];
        if (n < 0 || n >= MaxWindows) continue;
        if (!paneAllowsClose(wWindow[n])) return 0;
    }
    return 1;
}

HWND yyGetPromptWindow(int n) {
    while (n >= 0 && n < MaxWindows) {
        if (wMessLine[n] != nullptr) return wMessLine[n];
        if (n == 0 || (GetWindowLongA(wWindow[n], GWL_STYLE) & WS_CHILD) == 0) return nullptr;
        n = yygetwindowindex(GetParent(wWindow[n]));
    }
    return nullptr;
}

LRESULT CALLBACK yyWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyWndProc", [&] { return frameMessage(window, message, wParam, lParam); },
        [&] { return DefWindowProcA(window, message, wParam, lParam); });
}

LRESULT CALLBACK yyWndProcClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyWndProcClient", [&] { return clientMessage(window, message, wParam, lParam); },
        [&] { return DefWindowProcA(window, message, wParam, lParam); });
}

LRESULT CALLBACK yySplitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yySplitProc", [&] { return splitMessage(window, message, wParam, lParam); },
        [&] { return DefWindowProcA(window, message, wParam, lParam); });
}
