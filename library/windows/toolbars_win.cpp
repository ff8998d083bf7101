// toolbars_win.cpp - the four toolbars of a library window, built from a toolbar item list and
// its bitmap strip; the window's tooltip table; the stacking order of its bars.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <new>
#include <vector>

#include "base/callback_guard.hpp"
#include "base/gravim.hpp"
#include "windows/menu_resources.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

// A tooltip text set at run time: command 0 marks a free entry.
struct TooltipEntry {
    int command = 0;
    char text[80] = "";
};

// Each window's tooltip table (one entry per button of all its toolbars) and its size.
TooltipEntry* pTooltip[MaxWindows];
int nTooltip[MaxWindows];

WNDPROC lpNormalToolbarProc = nullptr;

// The bars a special window's kind adds to window n's own (null where it has none).
struct OwnBars {
    HWND toolbar = nullptr, prompt = nullptr, commandLine = nullptr;
};

OwnBars ownBars(int n) {
    OwnBars bars;
    const int* record = yywindowrecord(wWindow[n]);
    if (const SpecialWindowCalls* calls = yyspecialwindowcalls(record); calls != nullptr && calls->ownBars != nullptr)
        calls->ownBars(record, bars.toolbar, bars.prompt, bars.commandLine);
    return bars;
}

bool hasToolbar(int n) {
    for (HWND toolbar : hToolbar[n])
        if (toolbar != nullptr) return true;
    return false;
}

int buttonCount(int n) {
    int count = 0;
    for (HWND toolbar : hToolbar[n])
        if (toolbar != nullptr) count += static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    return count;
}

bool readList(int number, ToolbarList& list) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(number & 0xFFFF), MAKEINTRESOURCEA(10));
    if (found == nullptr) return false;
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* bytes = loaded != nullptr ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    return bytes != nullptr && yyreadtoolbarlist(bytes, SizeofResource(instance, found), list);
}

// A button's first state from the window's menu item of the same command.
BYTE buttonState(int n, int command) {
    const UINT flags = hMenuRoot[n] != nullptr ? GetMenuState(hMenuRoot[n], static_cast<UINT>(command), MF_BYCOMMAND)
                                               : static_cast<UINT>(-1);
    if (flags == static_cast<UINT>(-1)) return TBSTATE_ENABLED;
    BYTE state = 0;
    if (flags & MF_CHECKED) state |= TBSTATE_CHECKED;
    if ((flags & (MF_GRAYED | MF_DISABLED)) == 0) state |= TBSTATE_ENABLED;
    return state;
}

HWND createToolbar(int n, int position, int number, const ToolbarList& list) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                  CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (position == 1 || position == 2) style |= CCS_VERT;
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", style, 0, 0, 0, 0, wWindow[n],
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)), wInstance, nullptr);
    if (toolbar == nullptr) return nullptr;
    const LONG_PTR previous = SetWindowLongPtrA(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yySubToolbar));
    lpNormalToolbarProc = reinterpret_cast<WNDPROC>(previous);
    yyRestackToolbars(n);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(list.imageWidth, list.imageHeight));
    SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(list.imageWidth + 6, list.imageHeight + 6));
    std::vector<TBBUTTON> buttons;
    int images = 0;
    for (int command : list.entries) {
        TBBUTTON button{};
        if (command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = images++;
            button.idCommand = command;
            button.fsState = buttonState(n, command);
            button.fsStyle = BTNS_BUTTON;
        }
        if (position == 1 || position == 2) button.fsState |= TBSTATE_WRAP;  // one row per entry
        buttons.push_back(button);
    }
    TBADDBITMAP strip{GetModuleHandleA(nullptr), static_cast<UINT_PTR>(number)};
    if (images > 0) SendMessageA(toolbar, TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&strip));
    if (!buttons.empty())
        SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    return toolbar;
}

// Places toolbar `position` in the frame's client rectangle and records its thickness.
void placeToolbar(int n, int position, const ToolbarList& list) {
    HWND toolbar = hToolbar[n][position];
    RECT client;
    GetClientRect(wWindow[n], &client);
    const int across = list.imageHeight + 12, along = list.imageWidth + 9;
    switch (position) {
    case 0: {
        HWND own = ownBars(n).toolbar;
        const int top = client.top + (own != nullptr ? heightOf(own) : 0);
        MoveWindow(toolbar, client.left, top, client.right - client.left, across, TRUE);
        iToolSize[n][0] = across;
        break;
    }
    case 3: {
        const int bottom = client.bottom - (wMessLine[n] != nullptr ? heightOf(wMessLine[n]) : 0);
        MoveWindow(toolbar, client.left, bottom - across, client.right - client.left, across, TRUE);
        iToolSize[n][3] = across;
        break;
    }
    case 1:
        MoveWindow(toolbar, client.left, client.top, along, client.bottom - client.top, TRUE);
        iToolSize[n][1] = along;
        break;
    default:
        MoveWindow(toolbar, client.right - along, client.top, along, client.bottom - client.top, TRUE);
        iToolSize[n][2] = along;
        break;
    }
}

// Makes the window's tooltip table hold at least `entries` entries, keeping what it holds.
void growTooltips(int n, int entries) {
    if (pTooltip[n] != nullptr && nTooltip[n] >= entries) return;
    auto* table = new (std::nothrow) TooltipEntry[entries > 0 ? entries : 1];
    if (table == nullptr) return;
    for (int k = 0; k < nTooltip[n]; ++k) table[k] = pTooltip[n][k];
    delete[] pTooltip[n];
    pTooltip[n] = table;
    nTooltip[n] = entries;
}

SIZE outerSize(HWND window) {
    if (window == nullptr) return {0, 0};
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

void yymntbar(int& number, int n, int position, int& clientWidth, int& clientHeight) {
    clientWidth = clientHeight = -1;
    if (n < 0 || n >= MaxWindows || wWindow[n] == nullptr || position < 0 || position > 3) {
        number = -2;
        return;
    }
    const SIZE before = outerSize(hToolbar[n][position]);
    if (hToolbar[n][position] != nullptr) {
        DestroyWindow(hToolbar[n][position]);
        hToolbar[n][position] = nullptr;
        iToolSize[n][position] = 0;
        if (!hasToolbar(n)) yyfreetooltips(n);
    }
    if (number != 0) {
        ToolbarList list;
        HWND toolbar = readList(number, list) ? createToolbar(n, position, number, list) : nullptr;
        if (toolbar == nullptr) {
            number = -1;
        } else {
            hToolbar[n][position] = toolbar;
            placeToolbar(n, position, list);
            const int entries = static_cast<int>(list.entries.size());
            growTooltips(n, pTooltip[n] != nullptr ? buttonCount(n) : entries);
        }
    }
    if (int* record = yywindowrecord(wWindow[n])) record[1 + position] = wordOf(hToolbar[n][position]);
    const SIZE after = outerSize(hToolbar[n][position]);
    HWND frame = wWindow[n];
    if (number < 0 || (before.cx == after.cx && before.cy == after.cy) || IsIconic(frame) || hClient[n] == nullptr)
        return;
    RECT client;
    GetClientRect(frame, &client);
    SendMessageA(frame, WM_SIZE, IsZoomed(frame) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                 MAKELPARAM(client.right, client.bottom));
    RECT area;
    GetClientRect(hClient[n], &area);
    if (position == 0 || position == 3) {
        clientHeight = area.bottom;
    } else {
        clientWidth = area.right;
    }
}

void yyRestackToolbars(int n) {
    if (n < 0 || n >= MaxWindows || wWindow[n] == nullptr) return;
    const OwnBars own = ownBars(n);
    HWND order[] = {own.toolbar,    wMessLine[n],   hToolbar[n][0], hToolbar[n][1],
                    hToolbar[n][2], hToolbar[n][3], own.prompt,     own.commandLine};
    HWND above = HWND_TOP;
    for (HWND bar : order) {
        if (bar == nullptr) continue;
        SetWindowPos(bar, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = bar;
    }
}

LRESULT CALLBACK yySubToolbar(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yySubToolbar",
        [&] {
            if (message == WM_SIZE || lpNormalToolbarProc == nullptr)
                return DefWindowProcA(toolbar, message, wParam, lParam);
            return CallWindowProcA(lpNormalToolbarProc, toolbar, message, wParam, lParam);
        },
        [&] { return DefWindowProcA(toolbar, message, wParam, lParam); });
}

void yytooltip(int& identifier, const char* text, int length) {
    const int current = gravim.windows.wIndex;
    const int n = hasToolbar(current) ? current : 0;
    bool found = false;
    for (HWND toolbar : hToolbar[n])
        if (toolbar != nullptr && SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(identifier), 0) >= 0)
            found = true;
    if (!found) {
        identifier = -1;
        return;
    }
    TooltipEntry* entry = nullptr;
    for (int k = 0; k < nTooltip[n]; ++k)
        if (pTooltip[n][k].command == identifier) entry = &pTooltip[n][k];
    for (int k = 0; entry == nullptr && k < nTooltip[n]; ++k)
        if (pTooltip[n][k].command == 0) entry = &pTooltip[n][k];
    if (entry == nullptr) return;  // a full table ignores the text
    const int limit = length < 80 ? length : 80;
    const int copied = limit > 1 ? limit - 1 : 0;
    const std::size_t available = text != nullptr ? std::strlen(text) : 0;
    const std::size_t count = static_cast<std::size_t>(copied) < available ? static_cast<std::size_t>(copied) : available;
    if (count > 0) std::memcpy(entry->text, text, count);
    entry->text[count] = '\0';
    entry->command = length <= 1 ? 0 : identifier;
}

std::optional<std::string> yytooltiptext(int n, int command) {
    if (n < 0 || n >= MaxWindows) return std::nullopt;
    for (int k = nTooltip[n] - 1; k >= 0; --k)
        if (pTooltip[n][k].command == command && command != 0) return std::string(pTooltip[n][k].text);
    return std::nullopt;
}

void yyfreetooltips(int n) {
    if (n < 0 || n >= MaxWindows) return;
    delete[] pTooltip[n];
    pTooltip[n] = nullptr;
    nTooltip[n] = 0;
}

void yyaddtoolbutton(HWND toolbar, int id, int image, BYTE state) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = id;
    button.fsState = state;
    button.fsStyle = BTNS_BUTTON;
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
}

void yyaddtoolseparator(HWND toolbar) {
    TBBUTTON button = {};
    button.fsStyle = BTNS_SEP;
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
}

HWND yyspecialtoolbar(HWND frame, int id, DWORD style, int buttonHeight) {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | style,
                                   0, 0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wInstance, nullptr);
    if (toolbar == nullptr) return nullptr;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(16, 16));
    SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELONG(22, buttonHeight));
    return toolbar;
}
