// dialog_records_win.cpp - the loaded-dialog table, dialog and field records, loading,
// selecting and unloading dialogs, and the set-up of a new dialog window's controls.
// The table is kept contiguous: unloading shifts the later entries down, and the current
// index follows the entry it names.
#include <cstring>
#include <new>

#include "base/callback_guard.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/show_internal_win.hpp"

HWND hDialogList[MaxDialogs + 1];
int nDialogs = 0;
int iDlgCur = 0;
int iDlgAct = 0;
int creatingDialog = 0;
int pendingFocusField = 0;
int pendingX = 0;
int pendingY = 0;
HBRUSH hBrushDlg = nullptr;
HWND hDlgCur = nullptr;

namespace {

const char fieldProperty[] = "GravimonderField";

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

// The controls of a dialog in z-order.
template <class Visit>
void forEachChild(HWND dialog, Visit visit) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) visit(c);
}

LONG style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

// Images a control is given at set-up: the bitmap or icon resource numbered by its identifier.
HANDLE loadControlImage(int id, UINT type) {
    UINT flags = type == IMAGE_BITMAP ? (LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS) : 0;
    return LoadImageA(instance(), MAKEINTRESOURCEA(id & 0xFFFF), type, 0, 0, flags);
}

HENHMETAFILE loadMetafileResource(int id) {
    HRSRC found = FindResourceA(instance(), MAKEINTRESOURCEA(id & 0xFFFF), "KBNMETAFILE");
    if (found == nullptr) return nullptr;
    HGLOBAL loaded = LoadResource(instance(), found);
    const void* bits = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bits == nullptr) return nullptr;
    return SetEnhMetaFileBits(SizeofResource(instance(), found), static_cast<const BYTE*>(bits));
}

void setUpButton(HWND control, LONG& s) {
    int id = GetDlgCtrlID(control);
    switch (s & BS_TYPEMASK) {
    case BS_CHECKBOX: s = (s & ~BS_TYPEMASK) | BS_AUTOCHECKBOX; break;
    case BS_3STATE: s = (s & ~BS_TYPEMASK) | BS_AUTO3STATE; break;
    case BS_RADIOBUTTON: s = (s & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON; break;
    default: break;
    }
    if (!(s & (BS_BITMAP | BS_ICON))) return;
    UINT type = (s & BS_BITMAP) ? IMAGE_BITMAP : IMAGE_ICON;
    HANDLE image = loadControlImage(id, type);
    HANDLE previous = reinterpret_cast<HANDLE>(SendMessageA(control, BM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    if (previous != nullptr && previous != image) {
        if (type == IMAGE_BITMAP) DeleteObject(previous); else DestroyIcon(static_cast<HICON>(previous));
    }
    if (image == nullptr) s &= ~(BS_BITMAP | BS_ICON);  // no picture: let the text show
}

void setUpStatic(HWND control, LONG s) {
    int id = GetDlgCtrlID(control);
    switch (s & SS_TYPEMASK) {
    case SS_BITMAP:
    case SS_ICON: {
        UINT type = (s & SS_TYPEMASK) == SS_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
        if (SendMessageA(control, STM_GETIMAGE, type, 0) == 0) {
            if (HANDLE image = loadControlImage(id, type)) SendMessageA(control, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
        }
        break;
    }
    case SS_ENHMETAFILE:
        if (HENHMETAFILE picture = loadMetafileResource(id))
            SendMessageA(control, STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(picture));
        break;
    default: break;
    }
}

// Gives one control its field record and the set-up its class asks for.
void setUpControl(HWND control) {
    if (yyfieldrecord(control) == nullptr) {
        auto* record = new (std::nothrow) FieldRecord;
        if (record == nullptr) return;
        yyattachfieldrecord(control, record);
    }
    FieldRecord* record = yyfieldrecord(control);
    LONG s = style(control);
    if (yyclassis(control, "Edit")) {
        record->maxLength = (s & ES_MULTILINE) ? 65535 : 32767;
        SendMessageA(control, EM_SETLIMITTEXT, record->maxLength, 0);
    } else if (yyclassis(control, "Button")) {
        setUpButton(control, s);
    } else if (yyclassis(control, "Static")) {
        setUpStatic(control, s);
    } else if (yyclassis(control, WC_TABCONTROLA)) {
        SendMessageA(control, TCM_SETITEMEXTRA, 2 * sizeof(int), 0);  // page id and disabled mark
    } else if (yyclassis(control, WC_TREEVIEWA)) {
        s |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP;
    }
    SetWindowLongA(control, GWL_STYLE, s);
    LONG ex = GetWindowLongA(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY;
    bool frame = yyclassis(control, "Static") &&
                 ((s & SS_TYPEMASK) == SS_BLACKFRAME || (s & SS_TYPEMASK) == SS_GRAYFRAME ||
                  (s & SS_TYPEMASK) == SS_WHITEFRAME || (s & SS_TYPEMASK) == SS_ETCHEDFRAME);
    bool groupBox = yyclassis(control, "Button") && (s & BS_TYPEMASK) == BS_GROUPBOX;
    if (frame || groupBox) ex |= WS_EX_TRANSPARENT;
    SetWindowLongA(control, GWL_EXSTYLE, ex);
    yysubclassfield(control);
}

HWND ownerOf(int window) {
    if (window < 0 || window >= MaxWindows) return hDlgCur != nullptr ? hDlgCur : hWinCur;
    return hClient[window];
}

// Loads the dialog by creating its window; the caller has checked table room and template.
HWND createDialog(int resource, int identifier, int window, int combine) {
    int* record = new (std::nothrow) int[DialogRecordWords]();
    if (record == nullptr) return nullptr;
    if (combine != 0 && window >= 0 && window < MaxWindows)
        record[DlgCombinedWindow] = static_cast<int>(reinterpret_cast<INT_PTR>(wWindow[window]));
    record[DlgLastCell] = 0x40001;
    record[DlgId] = identifier;
    record[DlgResource] = resource;
    pendingFocusField = pendingX = pendingY = 0;
    HWND savedActive = hDlgCur;
    creatingDialog = 1;
    HWND owner = ownerOf(window);
    HWND dialog = CreateDialogParamA(instance(), MAKEINTRESOURCEA(resource & 0xFFFF), owner, yydialogproc,
                                     reinterpret_cast<LPARAM>(record));
    // Without the root window a page (a child dialog) still needs a parent: the desktop stands in.
    if (dialog == nullptr && owner == nullptr)
        dialog = CreateDialogParamA(instance(), MAKEINTRESOURCEA(resource & 0xFFFF), GetDesktopWindow(), yydialogproc,
                                    reinterpret_cast<LPARAM>(record));
    creatingDialog = 0;
    hDlgCur = savedActive;
    if (dialog == nullptr) delete[] record;
    return dialog;
}

int indexOf(HWND dialog) {
    for (int i = 1; i <= nDialogs; ++i)
        if (hDialogList[i] == dialog) return i;
    return -1;
}

// True when owner owns window directly or through other owners.
bool ownedBy(HWND window, HWND owner) {
    for (HWND w = GetWindow(window, GW_OWNER); w != nullptr; w = GetWindow(w, GW_OWNER))
        if (w == owner) return true;
    return false;
}

bool anyLibraryWindowVisible() {
    for (HWND frame : wWindow)
        if (frame != nullptr && IsWindowVisible(frame)) return true;
    return false;
}

// Page dialogs named by the tab controls of a dialog.
template <class Visit>
void forEachPage(HWND dialog, Visit visit) {
    forEachChild(dialog, [&](HWND c) {
        if (!yyclassis(c, WC_TABCONTROLA)) return;
        int count = static_cast<int>(SendMessageA(c, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            if (int page = yytabpageid(c, i)) visit(page);
        }
    });
}

}  // namespace

// Records.

int* yydialogrecord(HWND dialog) {
    if (dialog == nullptr) return nullptr;
    return reinterpret_cast<int*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

FieldRecord* yyfieldrecord(HWND control) {
    if (control == nullptr) return nullptr;
    return static_cast<FieldRecord*>(GetPropA(control, fieldProperty));
}

namespace {
unsigned fieldRecordChanges = 0;
}  // namespace

unsigned yyfieldrecordchanges() { return fieldRecordChanges; }

void yyattachfieldrecord(HWND control, FieldRecord* record) {
    ++fieldRecordChanges;
    SetPropA(control, fieldProperty, record);
}

void yyfreefieldrecord(HWND control, bool keepFormat) {
    FieldRecord* record = yyfieldrecord(control);
    if (record == nullptr) return;
    ++fieldRecordChanges;
    RemovePropA(control, fieldProperty);
    delete[] record->tabStops;
    if (!keepFormat) delete[] record->format;
    delete record;
}

bool yyIsResizableDialog(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    return record != nullptr && record[DlgGrowingControl] != 0;
}

HWND yycurrentdialogwindow() {
    if (iDlgCur < 1 || iDlgCur > nDialogs || gravim.dialogs.currentDialog == 0) return nullptr;
    return hDialogList[iDlgCur];
}

void yytitlecolourdialogs(HWND active) {
    for (int i = 1; i <= nDialogs; ++i)
        SendMessageA(hDialogList[i], WM_NCACTIVATE, hDialogList[i] == active ? TRUE : FALSE, 0);
}

bool yyismodaldialog(HWND window) {
    HWND copy = hDialogList[0];
    return copy != nullptr && (window == copy || IsChild(copy, window));
}

namespace {

BOOL clearCursorOf(HWND control, LPARAM) {
    char name[32] = "";
    GetClassNameA(control, name, sizeof name);
    if (lstrcmpiA(name, "msctls_updown32") == 0 || lstrcmpiA(name, "#32770") == 0 ||
        lstrcmpiA(name, "ScrollBar") == 0)
        return TRUE;
    if (FieldRecord* field = yyfieldrecord(control)) {
        field->cursor = nullptr;
        field->cursorNumber = 0;
    }
    return TRUE;
}

BOOL CALLBACK clearFieldCursor(HWND control, LPARAM) {
    return yyguardcallback("clearFieldCursor", [&] { return clearCursorOf(control, 0); }, [] { return TRUE; });
}

}  // namespace

void yyclearfieldcursors() {
    for (int i = 1; i <= nDialogs; ++i)
        if (hDialogList[i] != nullptr) EnumChildWindows(hDialogList[i], clearFieldCursor, 0);
}

int* yyeventrecord(HWND dialog, bool& modal) {
    modal = yyismodaldialog(dialog);
    if (modal) return iDlgCur >= 1 && iDlgCur <= nDialogs ? yydialogrecord(hDialogList[iDlgCur]) : nullptr;
    return yydialogrecord(dialog);
}

// Loading.

int yydialogfind(int identifier) {
    for (int i = 1; i <= nDialogs; ++i) {
        const int* record = yydialogrecord(hDialogList[i]);
        if (record != nullptr && record[DlgId] == identifier) return i;
    }
    return -1;
}

void yydialogselect(int& identifier) {
    int index = yydialogfind(identifier);
    if (index < 0) {
        identifier = -1;
        return;
    }
    iDlgCur = index;
}

void yydialogparent(int& window) {
    HWND dialog = yycurrentdialogwindow();
    window = dialog != nullptr ? yygetwindowindex(GetParent(dialog)) : 0;
    if (window < 0) window = 0;
}

void yydialogload2(int& result, int identifier, int window, int combine) {
    int existing = yydialogfind(identifier);
    if (existing > 0) {
        iDlgCur = existing;
        return;
    }
    if (nDialogs + 1 >= MaxDialogs + 1) {
        result = -1;
        return;
    }
    int resource = result;
    if (FindResourceA(instance(), MAKEINTRESOURCEA(resource & 0xFFFF), MAKEINTRESOURCEA(5)) == nullptr) {
        result = -2;  // RT_DIALOG
        return;
    }
    ++nDialogs;
    HWND dialog = createDialog(resource, identifier, window, combine);
    if (dialog == nullptr) {
        hDialogList[nDialogs] = nullptr;
        --nDialogs;
        result = -3;
        return;
    }
    hDialogList[nDialogs] = dialog;
    iDlgCur = nDialogs;
    yydialogkbn(dialog, resource, nDialogs);
    bool skipBuddy = false;
    forEachChild(dialog, [&](HWND c) {
        if (skipBuddy) {
            skipBuddy = false;
            return;
        }
        FieldRecord* record = yyfieldrecord(c);
        if (record == nullptr) return;
        record->state = yyfieldstateof(c);
        skipBuddy = record->spinBuddy != nullptr;
    });
}

void yydialogload(int& result, int identifier, int window) { yydialogload2(result, identifier, window, 0); }

HWND yydialogload2(int dialog, HWND parent) {
    int window = yygetwindowindex(GetParent(parent) != nullptr ? GetParent(parent) : parent);
    int result = dialog;
    yydialogload2(result, dialog, window < 0 ? 0 : window, 1);
    int index = yydialogfind(dialog);
    return index > 0 ? hDialogList[index] : nullptr;
}

BOOL yydialoginitialise(HWND dialog, LPARAM creation) {
    forEachChild(dialog, [](HWND c) { setUpControl(c); });
    if (creation != 0) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, creation);
        WNDCLASSEXA rootClass{};
        rootClass.cbSize = sizeof rootClass;
        if (GetClassInfoExA(instance(), "GRAVIMONDER", &rootClass) && rootClass.hIcon != nullptr)
            SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(rootClass.hIcon));
        RECT r;
        GetWindowRect(dialog, &r);
        int* record = reinterpret_cast<int*>(creation);
        record[DlgMinWidth] = r.right - r.left;
        record[DlgMinHeight] = r.bottom - r.top;
    } else {
        // The modal copy takes everything of the dialog it shows, its pages and its place.
        hDialogList[0] = dialog;
        SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new (std::nothrow) int[DialogRecordWords]()));
        if (HWND shown = yycurrentdialogwindow()) yydialogcopy(dialog, shown);
        yytabdialoginit(dialog);
        yydialogcentre(dialog);
        SetWindowPos(dialog, nullptr, pendingX, pendingY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowLongA(dialog, GWL_EXSTYLE, GetWindowLongA(dialog, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    if (pendingFocusField != 0) {
        if (HWND focus = GetDlgItem(dialog, pendingFocusField)) {
            SetFocus(focus);
            yyDialogSelectAll(focus);
        }
        return FALSE;  // the focus is set
    }
    creatingDialog = 0;
    return creation == 0 ? TRUE : FALSE;
}

// Unloading.

bool yyissubdialog(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    if (record == nullptr) return false;
    for (int i = 1; i <= nDialogs; ++i) {
        if (hDialogList[i] == dialog) continue;
        bool named = false;
        forEachPage(hDialogList[i], [&](int page) { named = named || page == record[DlgId]; });
        if (named) return true;
    }
    return false;
}

void yydialogunload2(HWND dialog, int keepPages, int index) {
    if (dialog == nullptr) return;
    yytabdialogend(dialog);
    if (keepPages == 0) {
        forEachPage(dialog, [](int page) {
            int found = yydialogfind(page);
            if (found > 0) yydialogunload2(hDialogList[found], 0, found);
        });
    }
    for (int i = nDialogs; i >= 1; --i) {
        HWND other = hDialogList[i];
        if (other == dialog || other == nullptr) continue;
        bool child = (style(other) & WS_CHILD) != 0;
        if (!(IsChild(dialog, other) || (!child && ownedBy(other, dialog)))) continue;
        if (yyissubdialog(other)) continue;  // a page of another dialog is not hidden
        int at = i;
        yydialoghide(at);
        yydialogunload2(other, 0, i);
        if (i > nDialogs + 1) i = nDialogs + 1;
    }
    int* record = yydialogrecord(dialog);
    DestroyWindow(dialog);
    delete[] record;
    int position = indexOf(dialog);
    if (position > 0) {
        for (int i = position; i < nDialogs; ++i) hDialogList[i] = hDialogList[i + 1];
        hDialogList[nDialogs] = nullptr;
        --nDialogs;
        // The current index follows its entry: a removal below it shifts it down.
        if (position == iDlgCur) iDlgCur = 0;
        else if (position < iDlgCur) --iDlgCur;
    }
    if (index == 0) iDlgCur = 0;
    if (nDialogs == 0 && !anyLibraryWindowVisible()) yysettitlewindow(wWindow[0]);
}

void yydialogunload(int keepPages, int index) {
    int entry = index < 0 ? iDlgCur : index;
    if (entry < 0 || entry > nDialogs) return;
    yydialogunload2(hDialogList[entry], keepPages, entry);
}

void yydialogunload(int dialog) {
    int index = yydialogfind(dialog);
    if (index > 0) yydialogunload2(hDialogList[index], 0, index);
}

void yyunloadalldialogs() {
    while (nDialogs > 0) yydialogunload2(hDialogList[nDialogs], 1, nDialogs);
    iDlgCur = 0;
    gravim.dialogs.currentDialog = 0;
    yyresetdialogwords();
}

void yyresetdialogwords() {
    if (hBrushDlg != nullptr) DeleteObject(hBrushDlg);
    hBrushDlg = nullptr;
}

// Public routines.

void WDialogLoad(int resource, std::optional<int> identifier, int owner) {
    int id = identifier.value_or(resource);
    int result = resource;
    yydialogload2(result, id, owner, 0);
    switch (result) {
    case -1: yyerror(1087, "WDialogLoad"); return;
    case -2: yyerror(1007, "WDialogLoad"); return;
    case -3: yyerror(1088, "WDialogLoad"); return;
    default: gravim.dialogs.currentDialog = id; return;
    }
}

void WDialogSelect(int identifier) {
    int id = identifier;
    yydialogselect(id);
    if (id == -1) {
        yyerror(1008, "WDialogSelect");
        return;
    }
    gravim.dialogs.currentDialog = identifier;
}

void yyrestorecurrentdialog(int previous) {
    if (previous != 0) WDialogSelect(previous);
    else gravim.dialogs.currentDialog = 0;
}

void WDialogUnload(int keepPages) {
    HWND dialog = yycurrentdialogwindow();
    if (dialog == nullptr) {
        yyerror(1005, "WDialogUnload");
        return;
    }
    const int* record = yydialogrecord(dialog);
    if (yyissubdialog(dialog)) {
        yyerror(1069, "WDialogUnload");
        return;
    }
    if (record[DlgCombinedWindow] != 0) {
        yyerror(1047, "WDialogUnload");
        return;
    }
    int at = -1;
    yydialoghide(at);
    yydialogunload(keepPages, -1);
    gravim.dialogs.currentDialog = 0;
}
