// dialog_copy_win.cpp - copying a dialog over another with the same template: the modal copy
// takes everything of the dialog it shows, and gives everything back when it closes.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/show_internal_win.hpp"

namespace {

constexpr int LongestText = 65535;
constexpr int LongestTabLabel = 1025;

std::string windowText(HWND window) {
    std::string text(LongestText + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), LongestText + 1)));
    return text;
}

// The window in destination that stands where window stands in source (parallel z-order).
HWND counterpart(HWND source, HWND destination, HWND window) {
    HWND d = GetWindow(destination, GW_CHILD);
    for (HWND s = GetWindow(source, GW_CHILD); s != nullptr && d != nullptr;
         s = GetWindow(s, GW_HWNDNEXT), d = GetWindow(d, GW_HWNDNEXT))
        if (s == window) return d;
    return nullptr;
}

int asWord(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }
HWND asWindow(int word) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(word)); }

void copyFieldRecord(HWND to, HWND from) {
    FieldRecord* d = yyfieldrecord(to);
    const FieldRecord* s = yyfieldrecord(from);
    if (d == nullptr || s == nullptr) return;
    d->value = s->value;
    d->lower = s->lower;
    d->upper = s->upper;
    d->smallStep = s->smallStep;
    d->largeStep = s->largeStep;
    d->integerBase = s->integerBase;
    d->defined = s->defined;
    d->textColour = s->textColour;
    d->backColour = s->backColour;
    d->leftWithTab = s->leftWithTab;
    d->maxLength = s->maxLength;
    d->format = s->format;  // shared: the modal copy never frees it
    d->rightDistance = s->rightDistance;
    d->bottomDistance = s->bottomDistance;
    d->anchors = s->anchors;
    d->flags = s->flags;
}

HANDLE copyImage(HANDLE image, UINT type) { return image != nullptr ? CopyImage(image, type, 0, 0, 0) : nullptr; }

void copyButton(HWND to, HWND from) {
    SendMessageA(to, BM_SETCHECK, SendMessageA(from, BM_GETCHECK, 0, 0), 0);
    const LONG style = GetWindowLongA(from, GWL_STYLE);
    if (style & BS_BITMAP)
        SendMessageA(to, BM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(copyImage(reinterpret_cast<HANDLE>(SendMessageA(from, BM_GETIMAGE, IMAGE_BITMAP, 0)), IMAGE_BITMAP)));
    if (style & BS_ICON)
        SendMessageA(to, BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(copyImage(reinterpret_cast<HANDLE>(SendMessageA(from, BM_GETIMAGE, IMAGE_ICON, 0)), IMAGE_ICON)));
}

void copyStatic(HWND to, HWND from) {
    const LONG type = GetWindowLongA(from, GWL_STYLE) & SS_TYPEMASK;
    UINT image = type == SS_BITMAP ? IMAGE_BITMAP : type == SS_ICON ? IMAGE_ICON : type == SS_ENHMETAFILE ? IMAGE_ENHMETAFILE : 0xFFFF;
    if (image == 0xFFFF) return;
    HANDLE picture = reinterpret_cast<HANDLE>(SendMessageA(from, STM_GETIMAGE, image, 0));
    if (picture == nullptr) return;
    HANDLE copy = image == IMAGE_ENHMETAFILE ? CopyEnhMetaFileA(static_cast<HENHMETAFILE>(picture), nullptr)
                                             : copyImage(picture, image);
    SendMessageA(to, STM_SETIMAGE, image, reinterpret_cast<LPARAM>(copy));
}

// Items of a list or combo box (the message numbers of the kind given).
void copyItems(HWND to, HWND from, UINT count, UINT textLength, UINT getText, UINT reset, UINT add) {
    SendMessageA(to, reset, 0, 0);
    const int n = static_cast<int>(SendMessageA(from, count, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::string item(static_cast<std::size_t>(SendMessageA(from, textLength, i, 0)) + 1, '\0');
        SendMessageA(from, getText, i, reinterpret_cast<LPARAM>(item.data()));
        SendMessageA(to, add, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

void copyCombo(HWND to, HWND from) {
    copyItems(to, from, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_RESETCONTENT, CB_ADDSTRING);
    SendMessageA(to, CB_SETCURSEL, SendMessageA(from, CB_GETCURSEL, 0, 0), 0);
    if (const FieldRecord* record = yyfieldrecord(from); record != nullptr && record->maxLength > 0)
        SendMessageA(to, CB_LIMITTEXT, record->maxLength, 0);
}

void copyList(HWND to, HWND from) {
    if (const FieldRecord* record = yyfieldrecord(from); record != nullptr && record->tabStopCount > 0)
        SendMessageA(to, LB_SETTABSTOPS, record->tabStopCount, reinterpret_cast<LPARAM>(record->tabStops));
    copyItems(to, from, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_RESETCONTENT, LB_ADDSTRING);
    if (GetWindowLongA(from, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        const int n = static_cast<int>(SendMessageA(from, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) SendMessageA(to, LB_SETSEL, SendMessageA(from, LB_GETSEL, i, 0) > 0, i);
    } else {
        SendMessageA(to, LB_SETCURSEL, SendMessageA(from, LB_GETCURSEL, 0, 0), 0);
    }
}

void copyTab(HWND to, HWND from) {
    SendMessageA(to, TCM_DELETEALLITEMS, 0, 0);
    const int n = static_cast<int>(SendMessageA(from, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char label[LongestTabLabel] = "";
        TabItem item{};
        item.header.mask = TCIF_TEXT | TCIF_PARAM;
        item.header.pszText = label;
        item.header.cchTextMax = sizeof label;
        SendMessageA(from, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        item.header.mask = TCIF_TEXT | TCIF_PARAM;
        item.header.pszText = label;
        SendMessageA(to, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(to, TCM_SETCURSEL, SendMessageA(from, TCM_GETCURSEL, 0, 0), 0);
}

void copyTrack(HWND to, HWND from) {
    SendMessageA(to, TBM_SETRANGEMIN, FALSE, SendMessageA(from, TBM_GETRANGEMIN, 0, 0));
    SendMessageA(to, TBM_SETRANGEMAX, FALSE, SendMessageA(from, TBM_GETRANGEMAX, 0, 0));
    SendMessageA(to, TBM_SETSELSTART, FALSE, SendMessageA(from, TBM_GETSELSTART, 0, 0));
    SendMessageA(to, TBM_SETSELEND, FALSE, SendMessageA(from, TBM_GETSELEND, 0, 0));
    SendMessageA(to, TBM_SETPAGESIZE, 0, SendMessageA(from, TBM_GETPAGESIZE, 0, 0));
    SendMessageA(to, TBM_SETLINESIZE, 0, SendMessageA(from, TBM_GETLINESIZE, 0, 0));
    // The tic frequency is not readable: the distance of the first two tics stands for it.
    const LRESULT tics = SendMessageA(from, TBM_GETNUMTICS, 0, 0);
    if (tics > 2) {
        const LRESULT first = SendMessageA(from, TBM_GETTIC, 0, 0);
        const LRESULT second = SendMessageA(from, TBM_GETTIC, 1, 0);
        if (second > first) SendMessageA(to, TBM_SETTICFREQ, second - first, 0);
    }
    SendMessageA(to, TBM_SETPOS, TRUE, SendMessageA(from, TBM_GETPOS, 0, 0));
}

void copyEdit(HWND to, HWND from) {
    SendMessageA(to, EM_LIMITTEXT, SendMessageA(from, EM_GETLIMITTEXT, 0, 0), 0);
    if (const FieldRecord* record = yyfieldrecord(from); record != nullptr && record->tabStopCount > 0)
        SendMessageA(to, EM_SETTABSTOPS, record->tabStopCount, reinterpret_cast<LPARAM>(record->tabStops));
    SendMessageA(to, EM_SETREADONLY, (GetWindowLongA(from, GWL_STYLE) & ES_READONLY) != 0, 0);
}

void copySpin(HWND to, HWND from) {
    const FieldRecord* s = yyfieldrecord(from);
    const FieldRecord* d = yyfieldrecord(to);
    if (s == nullptr || d == nullptr || s->spinBuddy == nullptr || d->spinBuddy == nullptr) return;
    int low = 0, high = 0;
    SendMessageA(s->spinBuddy, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    SendMessageA(d->spinBuddy, UDM_SETRANGE32, low, high);
    UDACCEL steps[8];
    const LRESULT n = SendMessageA(s->spinBuddy, UDM_GETACCEL, 8, reinterpret_cast<LPARAM>(steps));
    if (n > 0) SendMessageA(d->spinBuddy, UDM_SETACCEL, static_cast<WPARAM>(n < 8 ? n : 8), reinterpret_cast<LPARAM>(steps));
}

void copyControl(HWND to, HWND from) {
    if (yyisclass(from, atomUpDown) || yyisclass(from, atomScrollbar)) return;
    copyFieldRecord(to, from);
    if (yyclassis(from, "KBNGRID")) {
        // A grid carries its cells and editor over itself (its style was copied already).
        if (gridFieldHooks.copy != nullptr) gridFieldHooks.copy(to, from);
        return;
    }
    const bool edit = yyisclass(from, atomEdit) || yyisnumericclass(from);
    if (yyisclass(from, atomButton)) copyButton(to, from);
    else if (yyisclass(from, atomStatic)) copyStatic(to, from);
    else if (yyisclass(from, atomCombo)) copyCombo(to, from);
    else if (yyisclass(from, atomList)) copyList(to, from);
    else if (yyisclass(from, atomTab)) copyTab(to, from);
    else if (yyisclass(from, atomProgress)) {
        PBRANGE range{};
        SendMessageA(from, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        SendMessageA(to, PBM_SETRANGE32, range.iLow, range.iHigh);
        SendMessageA(to, PBM_SETPOS, SendMessageA(from, PBM_GETPOS, 0, 0), 0);
    } else if (yyisclass(from, atomTrack)) copyTrack(to, from);
    else if (edit) copyEdit(to, from);
    else if (yyisclass(from, atomTree)) {
        TreeView_DeleteAllItems(to);
        yyTreeViewCopy(to, TVI_ROOT, from, TreeView_GetRoot(from));
    }
    if (!yyisclass(from, atomTab)) SetWindowTextA(to, windowText(from).c_str());
    if (edit) SendMessageA(to, EM_SETMODIFY, SendMessageA(from, EM_GETMODIFY, 0, 0), 0);
    const BOOL enabled = IsWindowEnabled(from);
    EnableWindow(to, !enabled);  // twice, so that the system repaints it
    EnableWindow(to, enabled);
    SendMessageA(to, WM_SETFONT, SendMessageA(from, WM_GETFONT, 0, 0), FALSE);
    if (yyisspinclass(from)) copySpin(to, from);
}

}  // namespace

void yydialogcopy(HWND destination, HWND source) {
    int* d = yydialogrecord(destination);
    const int* s = yydialogrecord(source);
    if (d != nullptr && s != nullptr) {
        for (int word = 0; word < DialogRecordWords; ++word) d[word] = s[word];
        // Windows named by the record stand for their counterparts in the destination.
        for (int word : {DlgGrowingControl, DlgLastFieldWindow})
            if (s[word] != 0) d[word] = asWord(counterpart(source, destination, asWindow(s[word])));
    }
    SetWindowTextA(destination, windowText(source).c_str());
    SendMessageA(destination, WM_SETICON, ICON_BIG, SendMessageA(source, WM_GETICON, ICON_BIG, 0));
    RECT box;
    GetWindowRect(source, &box);
    if (GetWindowLongA(destination, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(destination), reinterpret_cast<POINT*>(&box), 2);
    SetWindowPos(destination, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (yyismodaldialog(destination) && yyIsResizableDialog(destination)) yyDialogCreateSizeGrip(destination);
    HWND to = GetWindow(destination, GW_CHILD);
    for (HWND from = GetWindow(source, GW_CHILD); from != nullptr && to != nullptr;
         from = GetWindow(from, GW_HWNDNEXT), to = GetWindow(to, GW_HWNDNEXT)) {
        SetWindowLongA(to, GWL_STYLE, GetWindowLongA(from, GWL_STYLE));
        RECT r;
        GetWindowRect(from, &r);
        MapWindowPoints(nullptr, source, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(to, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        copyControl(to, from);
    }
}
