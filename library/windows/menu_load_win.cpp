// menu_load_win.cpp - loading menus with their item-identifier lists and prompt strings,
// attaching them to windows, and the floating pop-up menu.
#include <map>

#include "base/gravim.hpp"
#include "windows/menu_resources.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

// A resource's bytes and size, or null.
const unsigned char* resourceBytes(int number, LPCSTR type, DWORD& size) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(number & 0xFFFF), type);
    if (found == nullptr) return nullptr;
    HGLOBAL loaded = LoadResource(instance, found);
    size = SizeofResource(instance, found);
    return loaded != nullptr ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
}

// Sizes of the prompt resources handed out, by handle (a loaded resource keeps its handle).
std::map<HGLOBAL, DWORD>& promptSizes() {
    static std::map<HGLOBAL, DWORD> sizes;
    return sizes;
}

bool isChild(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

// The window number of the window a child frame is placed in (its parent client's window).
int hostOf(HWND frame) { return yygetwindowindex(GetParent(frame)); }

// The top-level frame above window n.
HWND topFrame(int n) {
    HWND frame = wWindow[n];
    while (frame != nullptr && isChild(frame)) {
        const int host = hostOf(frame);
        if (host < 0) return nullptr;
        frame = wWindow[host];
    }
    return frame;
}

// A child whose host carries the record of a window with windows placed inside it.
bool placedInside(HWND frame) {
    if (!isChild(frame)) return false;
    HWND parent = GetParent(frame);
    return parent != nullptr && yywindowkind(GetParent(parent)) == KindSplit;
}

// The menu of the deepest window having one along the chain of last-focused panes from the
// frame, leaving out window `except`.
HMENU chainMenu(HWND frame, int except) {
    HMENU found = nullptr;
    while (frame != nullptr) {
        const int m = yygetwindowindex(frame);
        if (m >= 0 && m != except && hMenuRoot[m] != nullptr) found = hMenuRoot[m];
        const int* record = yywindowrecord(frame);
        if (record == nullptr || record[0] != KindSplit) break;
        frame = handleOf(record[SplitLastFocused]);
    }
    return found;
}

// The menu the frame above window n shows once n's menu becomes `menu`.
HMENU barMenu(int n, HWND top, HMENU menu) {
    HWND frame = wWindow[n];
    if (!placedInside(frame) && yywindowkind(frame) != KindSplit) return menu;
    HMENU shown = GetMenu(top);
    int owner = -1;
    for (int m = 0; m < MaxWindows && shown != nullptr; ++m)
        if (hMenuRoot[m] == shown && wWindow[m] != nullptr) owner = m;
    if (owner < 0 || owner == n || IsChild(wWindow[owner], frame))
        return menu != nullptr ? menu : chainMenu(top, n);
    return shown == hMenuRoot[n] ? menu : shown;
}

// The kind of special window that window n is fits itself to its new menu bar.
void kindMenuChanged(int n) {
    int* record = yywindowrecord(wWindow[n]);
    if (const SpecialWindowCalls* calls = yyspecialwindowcalls(record); calls != nullptr && calls->menuChanged != nullptr)
        calls->menuChanged(n, record);
}

// A window whose kind keeps a menu bar of its own.
bool ownMenuBar(HWND frame) {
    const SpecialWindowCalls* calls = yyspecialwindowcalls(yywindowrecord(frame));
    return calls != nullptr && calls->ownMenuBar;
}

}  // namespace

HMENU yymnload(int menu) {
    HMENU loaded = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu & 0xFFFF));
    if (loaded == nullptr) return nullptr;
    yymenuloadrc(loaded, menu);
    yymnconv(loaded);
    return loaded;
}

void yymenuloadrc(HMENU menu, int number) {
    DWORD size = 0;
    const unsigned char* bytes = resourceBytes(number, MAKEINTRESOURCEA(10), size);
    if (menu == nullptr || bytes == nullptr) return;
    for (const MenuIdentifierRecord& record : yyreadidentifierlist(bytes, size)) {
        HMENU level = menu;
        for (std::size_t k = 0; level != nullptr && k + 1 < record.path.size(); ++k)
            level = GetSubMenu(level, static_cast<int>(record.path[k]) - 1);
        if (level == nullptr) continue;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        info.wID = record.identifier;
        SetMenuItemInfoA(level, static_cast<UINT>(record.path.back() - 1), TRUE, &info);
    }
}

void yymnconv(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int k = 0; k < count; ++k) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(k), MF_BYPOSITION);
        if ((state & MF_DISABLED) && !(state & MF_GRAYED))
            EnableMenuItem(menu, static_cast<UINT>(k), MF_BYPOSITION | MF_GRAYED);
        if (HMENU popup = GetSubMenu(menu, k)) yymnconv(popup);
    }
}

void yymnmtch(HMENU menu, HMENU model) {
    const int count = GetMenuItemCount(menu);
    for (int k = 0; k < count; ++k) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(k), TRUE, &item)) continue;
        if (item.wID != 0) {
            char text[100] = "";
            MENUITEMINFOA source{};
            source.cbSize = sizeof source;
            source.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
            source.dwTypeData = text;
            source.cch = sizeof text;
            if (GetMenuItemInfoA(model, item.wID, FALSE, &source)) {
                source.fMask = MIIM_STATE | MIIM_FTYPE | ((source.fType & MFT_SEPARATOR) ? 0 : MIIM_STRING);
                source.dwTypeData = text;
                SetMenuItemInfoA(menu, static_cast<UINT>(k), TRUE, &source);
            }
        }
        if (item.hSubMenu != nullptr) yymnmtch(item.hSubMenu, model);
    }
}

void yymnflot(int& menu, int x, int y, int relative) {
    HMENU loaded = yymnload(menu);
    if (loaded == nullptr) {
        menu = -1;
        return;
    }
    HMENU holder = CreatePopupMenu();
    AppendMenuA(holder, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(loaded), "");
    HMENU popup = GetSubMenu(holder, 0);
    const int current = gravim.windows.wIndex;
    const int main = yyGetMainMenuWindow(current);
    if (hMenuRoot[main] != nullptr) yymnmtch(popup, hMenuRoot[main]);
    HWND owner = hClient[current] != nullptr ? hClient[current] : wWindow[current];
    POINT at = {x, y};
    if (relative == 1 && owner != nullptr) ClientToScreen(owner, &at);
    hFloatPrompt = yyloadmenustring(menu);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
    DestroyMenu(holder);  // its pop-up goes with it
    hFloatPrompt = nullptr;
}

void yymenuchange(int& menu, int n) {
    if (n < 0 || n >= MaxWindows || wWindow[n] == nullptr) {
        menu = -2;
        return;
    }
    HWND frame = wWindow[n];
    if ((isChild(frame) && !placedInside(frame)) || ownMenuBar(frame)) {
        menu = -2;
        return;
    }
    HMENU loaded = nullptr;
    if (menu != 0) {
        loaded = yymnload(menu);
        if (loaded == nullptr) {
            menu = -1;
            return;
        }
    }
    HWND top = topFrame(n);
    HMENU shown = top != nullptr ? barMenu(n, top, loaded) : nullptr;
    if (top != nullptr && GetMenu(top) != shown) {
        SetMenu(top, shown);
        DrawMenuBar(top);
    }
    if (hMenuRoot[n] != nullptr) {
        yyClearMenuPrompt(hMenuRoot[n], n);
        DestroyMenu(hMenuRoot[n]);
    }
    hMenuRoot[n] = loaded;
    hAccel[n] = nullptr;
    hKBNMenuString[n] = nullptr;
    if (loaded != nullptr) {
        hAccel[n] = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu));
        hKBNMenuString[n] = yyloadmenustring(menu);
    }
    kindMenuChanged(n);
}

int yyGetMainMenuWindow(int n) {
    if (n < 0 || n >= MaxWindows || wWindow[n] == nullptr) return 0;
    int m = n;
    while (isChild(wWindow[m])) {
        const int host = hostOf(wWindow[m]);
        if (host < 0) return 0;
        m = host;
    }
    return GetMenu(wWindow[m]) != nullptr || hMenuRoot[m] != nullptr ? m : 0;
}

HGLOBAL yyloadmenustring(int number) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(number & 0xFFFF), "KBNMENUSTRING");
    if (found == nullptr) return nullptr;
    HGLOBAL loaded = LoadResource(instance, found);
    if (loaded != nullptr) promptSizes()[loaded] = SizeofResource(instance, found);
    return loaded;
}

std::optional<std::string> yymenustringprompt(HGLOBAL resource, unsigned identifier) {
    if (resource == nullptr) return std::nullopt;
    const auto size = promptSizes().find(resource);
    if (size == promptSizes().end()) return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(resource));
    const auto text = yypromptlookup(bytes, size->second, identifier);
    if (!text) return std::nullopt;
    return std::string(*text);
}
