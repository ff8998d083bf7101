// tree_view_win.cpp - tree-view fields: built from a menu resource, items addressed by integer
// identifiers (kept as the items' application values), inserted, deleted, expanded and copied.
#include <string>

#include "dialogs/dialogs_internal_win.hpp"

namespace {

// 1: inserting an identifier that the tree already holds is refused.
int iTreeCheck = 1;

int itemIdentifier(HWND tree, HTREEITEM item) {
    TVITEMA info{};
    info.mask = TVIF_PARAM | TVIF_HANDLE;
    info.hItem = item;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return static_cast<int>(info.lParam);
}

HTREEITEM findFrom(HWND tree, HTREEITEM item, int identifier) {
    for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        if (itemIdentifier(tree, item) == identifier) return item;
        if (HTREEITEM child = TreeView_GetChild(tree, item)) {
            if (HTREEITEM found = findFrom(tree, child, identifier)) return found;
        }
    }
    return nullptr;
}

HTREEITEM insertItem(HWND tree, HTREEITEM parent, HTREEITEM after, const char* text, int identifier, bool expanded) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.lParam = identifier;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.state = expanded ? TVIS_EXPANDED : 0;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void walkMenu(HWND tree, HMENU menu, HTREEITEM parent, int select) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = nullptr;
        if (!GetMenuItemInfoA(menu, i, TRUE, &info)) continue;
        std::string text(info.cch + 1, '\0');
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        GetMenuItemInfoA(menu, i, TRUE, &info);
        text.resize(lstrlenA(text.c_str()));
        bool expanded = info.hSubMenu != nullptr && (info.fState & MFS_CHECKED);
        HTREEITEM item = insertItem(tree, parent, TVI_LAST, text.c_str(), static_cast<int>(info.wID), expanded);
        if (static_cast<int>(info.wID) == select) TreeView_SelectItem(tree, item);
        if (info.hSubMenu != nullptr) walkMenu(tree, info.hSubMenu, item, select);
    }
}

HWND treeField(int& field) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr || !yyclassis(c, WC_TREEVIEWA)) {
        field = -1;
        return nullptr;
    }
    return c;
}

// The item with the identifier, or -2 in field.
HTREEITEM treeItem(HWND tree, int& field, int identifier) {
    HTREEITEM item = yyTreeViewFind(tree, identifier);
    if (item == nullptr) field = -2;
    return item;
}

}  // namespace

void yyTreeViewInit(HWND tree, int menu, int select) {
    if (menu == 0) return;
    HMENU loaded = yymnload(menu);
    if (loaded == nullptr) return;
    walkMenu(tree, loaded, TVI_ROOT, select);
    DestroyMenu(loaded);
}

HTREEITEM yyTreeViewFind(HWND tree, int identifier) { return findFrom(tree, TreeView_GetRoot(tree), identifier); }

void yyTreeViewCopy(HWND destination, HTREEITEM parent, HWND source, HTREEITEM first) {
    for (HTREEITEM item = first; item != nullptr; item = TreeView_GetNextSibling(source, item)) {
        std::string text(32768, '\0');
        TVITEMA info{};
        info.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE | TVIF_CHILDREN | TVIF_HANDLE;
        info.hItem = item;
        info.pszText = text.data();
        info.cchTextMax = static_cast<int>(text.size());
        info.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
        SendMessageA(source, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        HTREEITEM copy = insertItem(destination, parent, TVI_LAST, text.c_str(), static_cast<int>(info.lParam),
                                    (info.state & TVIS_EXPANDED) != 0);
        if (info.state & TVIS_SELECTED) TreeView_SelectItem(destination, copy);
        if (HTREEITEM child = TreeView_GetChild(source, item)) yyTreeViewCopy(destination, copy, source, child);
    }
}

void yytreeviewinsert(int& field, int reference, int where, int identifier, const char* text) {
    HWND tree = treeField(field);
    if (tree == nullptr) return;
    HTREEITEM parent = TVI_ROOT;
    HTREEITEM after = TVI_LAST;
    if (TreeView_GetRoot(tree) != nullptr) {
        HTREEITEM ref = treeItem(tree, field, reference);
        if (ref == nullptr) return;
        if (where == 3) {
            parent = ref;
        } else {
            parent = TreeView_GetParent(tree, ref);
            if (parent == nullptr) parent = TVI_ROOT;
            if (where == 1) {
                HTREEITEM before = TreeView_GetPrevSibling(tree, ref);
                after = before != nullptr ? before : TVI_FIRST;
            } else {
                after = ref;
            }
        }
        if (iTreeCheck == 1 && yyTreeViewFind(tree, identifier) != nullptr) {
            field = -3;
            return;
        }
    }
    insertItem(tree, parent, after, text, identifier, false);
    if (where == 3 && parent != TVI_ROOT) {
        TVITEMA refresh{};
        refresh.mask = TVIF_CHILDREN | TVIF_HANDLE;
        refresh.hItem = parent;
        refresh.cChildren = 1;
        SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&refresh));
    }
    InvalidateRect(tree, nullptr, TRUE);
}

void yytreeviewdelete(int& field, int identifier) {
    HWND tree = treeField(field);
    if (tree == nullptr) return;
    if (HTREEITEM item = treeItem(tree, field, identifier)) {
        TreeView_DeleteItem(tree, item);
        UpdateWindow(tree);
    }
}

namespace {

// The item with the identifier when it has children; -1, -2 or -3 in field otherwise.
HTREEITEM branchItem(HWND& tree, int& field, int identifier) {
    tree = treeField(field);
    HTREEITEM item = tree != nullptr ? treeItem(tree, field, identifier) : nullptr;
    if (item != nullptr && TreeView_GetChild(tree, item) == nullptr) {
        field = -3;
        return nullptr;
    }
    return item;
}

}  // namespace

void yytreeviewgetstate(int& field, int identifier, int& state) {
    HWND tree = nullptr;
    HTREEITEM item = branchItem(tree, field, identifier);
    if (item == nullptr) return;
    state = (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) ? 2 : 1;
}

void yytreeviewsetstate(int& field, int identifier, int state) {
    HWND tree = nullptr;
    HTREEITEM item = branchItem(tree, field, identifier);
    if (item == nullptr) return;
    TreeView_Expand(tree, item, state == 1 ? TVE_COLLAPSE : TVE_EXPAND);
}

void yytreeviewsetstring(int& field, int identifier, const char* text) {
    HWND tree = treeField(field);
    if (tree == nullptr) return;
    HTREEITEM item = treeItem(tree, field, identifier);
    if (item == nullptr) return;
    TVITEMA info{};
    info.mask = TVIF_TEXT | TVIF_HANDLE;
    info.hItem = item;
    info.pszText = const_cast<char*>(text);
    SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&info));
}

void yytreeviewcheck(int on) { iTreeCheck = on == 1 ? 1 : 0; }
