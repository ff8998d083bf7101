// menu_items_win.cpp - changing menu items at run time together with the toolbar buttons of the
// same command, and the run-time prompts kept as the items' data.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <new>

#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

// The window whose menu and toolbars the item routines act on.
int itemWindow() {
    const int n = gravim.windows.wIndex;
    return n >= 0 && n < MaxWindows && yyHasMenu(n) ? n : 0;
}

MENUITEMINFOA itemInfo(UINT mask) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = mask;
    return item;
}

// The run-time prompt of an item (by command), or null; false when the item is not in the menu.
bool itemPrompt(HMENU menu, UINT identifier, char*& prompt) {
    MENUITEMINFOA item = itemInfo(MIIM_DATA);
    if (menu == nullptr || !GetMenuItemInfoA(menu, identifier, FALSE, &item)) return false;
    prompt = reinterpret_cast<char*>(item.dwItemData);
    return true;
}

bool inMenu(HMENU menu, int identifier) {
    return menu != nullptr && GetMenuState(menu, static_cast<UINT>(identifier), MF_BYCOMMAND) != static_cast<UINT>(-1);
}

// Applies a button message (TB_CHECKBUTTON, TB_ENABLEBUTTON) to every toolbar of window n that
// has the command; true when one has it.
bool setButtons(int n, int identifier, UINT message, BOOL on) {
    bool found = false;
    for (HWND toolbar : hToolbar[n]) {
        if (toolbar == nullptr || SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(identifier), 0) < 0)
            continue;
        SendMessageA(toolbar, message, static_cast<WPARAM>(identifier), MAKELPARAM(on, 0));
        RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        found = true;
    }
    return found;
}

// A toolbar's answer for a command (TB_ISBUTTONENABLED, TB_ISBUTTONCHECKED), -1 when none has it.
int buttonState(int n, int identifier, UINT message) {
    for (HWND toolbar : hToolbar[n]) {
        if (toolbar == nullptr || SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(identifier), 0) < 0)
            continue;
        return SendMessageA(toolbar, message, static_cast<WPARAM>(identifier), 0) != 0 ? 1 : 0;
    }
    return -1;
}

// Redraws every frame whose menu bar shows the menu.
void redrawBar(HMENU menu) {
    for (HWND frame : wWindow)
        if (frame != nullptr && GetMenu(frame) == menu) DrawMenuBar(frame);
}

void freePrompt(int n, char* prompt) {
    if (prompt == nullptr) return;
    delete[] prompt;
    if (nMenuString[n] > 0) --nMenuString[n];
}

}  // namespace

int yyHasMenu(int n) {
    if (n < 0 || n >= MaxWindows || wWindow[n] == nullptr) return 0;
    if (hMenuRoot[n] != nullptr) return 1;
    for (HWND toolbar : hToolbar[n])
        if (toolbar != nullptr) return 1;
    return 0;
}

int yymngetpos(HMENU menu, int identifier, HMENU& popup) {
    const int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
    for (int k = 0; k < count; ++k) {
        MENUITEMINFOA item = itemInfo(MIIM_ID | MIIM_SUBMENU);
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(k), TRUE, &item)) continue;
        if (item.wID == static_cast<UINT>(identifier) && identifier != 0) {
            popup = menu;
            return k;
        }
        if (item.hSubMenu != nullptr) {
            const int found = yymngetpos(item.hSubMenu, identifier, popup);
            if (found >= 0) return found;
        }
    }
    return -1;
}

void yyredrawmenu(int identifier, int n) {
    if (n < 0 || n >= MaxWindows || hMenuRoot[n] == nullptr) return;
    HMENU popup = nullptr;
    if (yymngetpos(hMenuRoot[n], identifier, popup) < 0 || popup != hMenuRoot[n]) return;
    redrawBar(popup);
}

void yyClearMenuPrompt(HMENU menu, int n) {
    const int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
    for (int k = 0; k < count; ++k) {
        MENUITEMINFOA item = itemInfo(MIIM_DATA | MIIM_SUBMENU);
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(k), TRUE, &item)) continue;
        if (item.dwItemData != 0) {
            delete[] reinterpret_cast<char*>(item.dwItemData);
            MENUITEMINFOA cleared = itemInfo(MIIM_DATA);
            SetMenuItemInfoA(menu, static_cast<UINT>(k), TRUE, &cleared);
        }
        if (item.hSubMenu != nullptr) yyClearMenuPrompt(item.hSubMenu, -1);
    }
    if (n >= 0 && n < MaxWindows) nMenuString[n] = 0;
}

void yymntext(int& identifier, const char* text) {
    const int n = itemWindow();
    MENUITEMINFOA item = itemInfo(MIIM_STRING);
    item.dwTypeData = const_cast<char*>(text);
    if (!inMenu(hMenuRoot[n], identifier) ||
        !SetMenuItemInfoA(hMenuRoot[n], static_cast<UINT>(identifier), FALSE, &item)) {
        identifier = -1;
        return;
    }
    yyredrawmenu(identifier, n);
}

void yymnchck(int identifier, int& state) {
    const int n = itemWindow();
    const bool on = state != 0;
    const bool menuHas = inMenu(hMenuRoot[n], identifier);
    if (menuHas)
        CheckMenuItem(hMenuRoot[n], static_cast<UINT>(identifier), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    if (setButtons(n, identifier, TB_CHECKBUTTON, on)) {
        state = 1;
    } else if (!menuHas) {
        state = -1;
    }
}

void yymngrey(int identifier, int& state) {
    const int n = itemWindow();
    const bool enable = state != 0;
    const bool menuHas = inMenu(hMenuRoot[n], identifier);
    if (menuHas) {
        EnableMenuItem(hMenuRoot[n], static_cast<UINT>(identifier), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
        yyredrawmenu(identifier, n);
    }
    if (setButtons(n, identifier, TB_ENABLEBUTTON, enable)) {
        state = 1;
    } else if (!menuHas) {
        state = -1;
    }
}

void yymngflg(int identifier, int which, int& state) {
    const int n = itemWindow();
    if (inMenu(hMenuRoot[n], identifier)) {
        const UINT flags = GetMenuState(hMenuRoot[n], static_cast<UINT>(identifier), MF_BYCOMMAND);
        if (which == 1) {
            state = (flags & (MF_GRAYED | MF_DISABLED)) == 0 ? 1 : 0;
        } else if (which == 2) {
            state = (flags & MF_CHECKED) != 0 ? 1 : 0;
        } else {
            state = 0;
        }
        return;
    }
    state = buttonState(n, identifier, which == 1 ? TB_ISBUTTONENABLED : TB_ISBUTTONCHECKED);
}

void yymnins(int& reference, int offset, int newIdentifier, const char* text) {
    const int n = itemWindow();
    HMENU popup = nullptr;
    const int position = yymngetpos(hMenuRoot[n], reference, popup);
    if (position < 0) {
        reference = -1;
        return;
    }
    int at = position + offset - 1;
    if (at < 0) at = 0;
    if (at > GetMenuItemCount(popup)) at = GetMenuItemCount(popup);
    MENUITEMINFOA item = itemInfo(MIIM_FTYPE | MIIM_ID | MIIM_STRING);
    item.fType = newIdentifier == 0 ? MFT_SEPARATOR : MFT_STRING;
    item.wID = static_cast<UINT>(newIdentifier);
    item.dwTypeData = const_cast<char*>(text != nullptr ? text : "");
    if (newIdentifier == 0) item.fMask = MIIM_FTYPE | MIIM_ID;
    if (!InsertMenuItemA(popup, static_cast<UINT>(at), TRUE, &item)) {
        reference = -1;
        return;
    }
    if (popup == hMenuRoot[n]) redrawBar(popup);
}

void yymndel(int& identifier) {
    const int n = itemWindow();
    HMENU popup = nullptr;
    const int position = yymngetpos(hMenuRoot[n], identifier, popup);
    if (position < 0) {
        identifier = -1;
        return;
    }
    MENUITEMINFOA item = itemInfo(MIIM_DATA | MIIM_SUBMENU);
    GetMenuItemInfoA(popup, static_cast<UINT>(position), TRUE, &item);
    if (item.hSubMenu != nullptr) yyClearMenuPrompt(item.hSubMenu, -1);
    freePrompt(n, reinterpret_cast<char*>(item.dwItemData));
    if (!DeleteMenu(popup, static_cast<UINT>(position), MF_BYPOSITION)) {
        identifier = -1;
        return;
    }
    if (popup == hMenuRoot[n]) redrawBar(popup);
}

void yymenuprompt(int& identifier, const char* text) {
    const int n = itemWindow();
    char* old = nullptr;
    if (!itemPrompt(hMenuRoot[n], static_cast<UINT>(identifier), old)) {
        identifier = -1;
        return;
    }
    char* copy = nullptr;
    if (text != nullptr && text[0] != '\0') {
        const std::size_t length = std::strlen(text);
        copy = new (std::nothrow) char[length + 1];
        if (copy == nullptr) {
            identifier = -1;
            return;
        }
        std::memcpy(copy, text, length + 1);
    }
    MENUITEMINFOA item = itemInfo(MIIM_DATA);
    item.dwItemData = reinterpret_cast<ULONG_PTR>(copy);
    if (!SetMenuItemInfoA(hMenuRoot[n], static_cast<UINT>(identifier), FALSE, &item)) {
        delete[] copy;
        identifier = -1;
        return;
    }
    if (old != nullptr) {
        delete[] old;
        if (copy == nullptr && nMenuString[n] > 0) --nMenuString[n];
    } else if (copy != nullptr) {
        ++nMenuString[n];
    }
}

void yyinsertpopup(HMENU bar, int position, HMENU popup, int id, const char* title) {
    MENUITEMINFOA item = {};
    item.cbSize = static_cast<UINT>(yysizeofmenuiteminfo());
    item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    item.fType = MFT_STRING;
    item.wID = static_cast<UINT>(id);
    item.hSubMenu = popup;
    item.dwTypeData = const_cast<char*>(title);
    InsertMenuItemA(bar, static_cast<UINT>(position), TRUE, &item);
}

HMENU yyspecialmenubar(int& status, int mode, int menu) {
    HMENU bar = nullptr;
    if (menu != 0 && mode != 1) {
        bar = LoadMenuA(wInstance, MAKEINTRESOURCEA(menu));
        if (bar != nullptr) yymenuloadrc(bar, menu);
        else status = 3;
    } else if (menu != 0) {
        status = 2;
    }
    return bar != nullptr ? bar : CreateMenu();
}
