// field_queries_win.cpp - what a field of the current dialog is: its kind, state, place, the
// options of a list, its colours, whether it lies in a rectangle, and the last field dealt with.
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"

bool yyclassis(HWND control, const char* name) {
    char found[64] = "";
    GetClassNameA(control, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

bool yyisspinclass(HWND control) {
    return yyclassis(control, "INTEGERSPIN") || yyclassis(control, "REALSPIN") || yyclassis(control, "DOUBLESPIN");
}

bool yyisnumericclass(HWND control) {
    return yyisspinclass(control) || yyclassis(control, "INTEGEREDIT") || yyclassis(control, "REALEDIT") ||
           yyclassis(control, "DOUBLEEDIT");
}

HWND yyfieldwindow(int field) {
    HWND dialog = yycurrentdialogwindow();
    return dialog != nullptr ? GetDlgItem(dialog, field) : nullptr;
}

int yyfieldtypeof(HWND c) {
    LONG s = GetWindowLongA(c, GWL_STYLE);
    if (yyclassis(c, "Static")) {
        int low = s & 0xFF;
        return low == SS_LEFT || low == SS_CENTER || low == SS_LEFTNOWORDWRAP ? FieldLabel : FieldOtherStatic;
    }
    if (yyclassis(c, "Edit")) return FieldString;
    if (yyclassis(c, "INTEGEREDIT") || yyclassis(c, "INTEGERSPIN")) return FieldInteger;
    if (yyclassis(c, "REALEDIT") || yyclassis(c, "REALSPIN")) return FieldReal;
    if (yyclassis(c, "DOUBLEEDIT") || yyclassis(c, "DOUBLESPIN")) return FieldDouble;
    if (yyclassis(c, "Button")) {
        // Bit tests in this order: a style satisfying an earlier one takes its type.
        if ((s & 7) == 7) return FieldGroupBox;
        if ((s & 3) == 3) return FieldCheckBox;
        if ((s & 9) == 9) return FieldRadioButton;
        return FieldPushButton;
    }
    if (yyclassis(c, "ComboBox")) return FieldComboBox;
    if (yyclassis(c, "ListBox")) return FieldListBox;
    if (yyclassis(c, WC_TABCONTROLA)) return FieldTab;
    if (yyclassis(c, PROGRESS_CLASSA)) return FieldProgressBar;
    if (yyclassis(c, "KBNGRID")) return FieldGrid;
    if (yyclassis(c, TRACKBAR_CLASSA)) return FieldTrackbar;
    if (yyclassis(c, WC_TREEVIEWA)) return FieldTreeView;
    return FieldOther;
}

int yyfieldstateof(HWND c) {
    LONG s = GetWindowLongA(c, GWL_STYLE);
    if (!(s & WS_VISIBLE)) return FieldHidden;
    if (s & WS_DISABLED) return FieldDisabled;
    if (yyclassis(c, "Edit") || yyisnumericclass(c) || yyclassis(c, "KBNGRID"))
        return (s & 0x800) ? FieldReadOnly : FieldEnabled;  // ES_READONLY, the grid's read-only bit
    return FieldEnabled;
}

void yygetfieldtype(int& field, int& type) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr) {
        field = -1;
        return;
    }
    type = yyfieldtypeof(c);
}

void yygetfieldstate(int& field, int& state) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr) {
        field = -1;
        return;
    }
    state = yyfieldstateof(c);
}

void yygetfieldinfo(int& field, int& x, int& y, int& width, int& height, int mode) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr) {
        field = -1;
        return;
    }
    RECT r;
    if (mode == 1) {
        GetClientRect(c, &r);
        MapWindowPoints(c, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
    }
    x = r.left;
    y = r.top;
    width = r.right - r.left;
    height = r.bottom - r.top;
}

void yygettrackrange(int& field, int& minimum, int& maximum) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr || !yyclassis(c, TRACKBAR_CLASSA)) {
        field = -1;
        return;
    }
    minimum = static_cast<int>(SendMessageA(c, TBM_GETRANGEMIN, 0, 0));
    maximum = static_cast<int>(SendMessageA(c, TBM_GETRANGEMAX, 0, 0));
}

namespace {

HWND listField(int& field) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr || !yyclassis(c, "ListBox")) {
        field = -1;
        return nullptr;
    }
    return c;
}

}  // namespace

void yygetoptioncount(int& field, int& count) {
    if (HWND c = listField(field)) count = static_cast<int>(SendMessageA(c, LB_GETCOUNT, 0, 0));
}

void yyfieldgetopt(int& field, int index, int& state) {
    if (HWND c = listField(field)) {
        LRESULT selected = SendMessageA(c, LB_GETSEL, index, 0);
        state = selected == LB_ERR ? -1 : static_cast<int>(selected);
    }
}

void yyfieldputopt(int& field, int index, int state) {
    HWND c = listField(field);
    if (c == nullptr) return;
    bool wanted = state == 1;
    LRESULT now = SendMessageA(c, LB_GETSEL, index, 0);
    if (now == LB_ERR || (now > 0) != wanted) SendMessageA(c, LB_SETSEL, wanted, index);
}

void yyfieldputopt2(int& field, int first, int last, int state) {
    HWND c = listField(field);
    if (c == nullptr) return;
    if (last < 65536) {
        SendMessageA(c, LB_SELITEMRANGE, state == 1, MAKELPARAM(first, last));
        return;
    }
    for (int i = first; i <= last; ++i) yyfieldputopt(field, i, state);
}

void yyFieldColour2(HWND control, int which, int red, int green, int blue) {
    FieldRecord* record = yyfieldrecord(control);
    if (record == nullptr) return;
    int& word = which == 1 ? record->textColour : record->backColour;
    word = yycolourword(word, red, green, blue);
}

void yyfieldcolour(int& field, int textRed, int textGreen, int textBlue, int backRed, int backGreen, int backBlue) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr) {
        field = -1;
        return;
    }
    yyFieldColour2(c, 1, textRed, textGreen, textBlue);
    yyFieldColour2(c, 2, backRed, backGreen, backBlue);
    RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
}

int yyFieldInRect(HWND control, const RECT& rect) {
    RECT r;
    GetWindowRect(control, &r);
    if (FieldRecord* record = yyfieldrecord(control); record != nullptr && record->spinBuddy != nullptr) {
        RECT spin;
        GetWindowRect(record->spinBuddy, &spin);
        r.right = spin.right;
    }
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    if (r.left >= rect.left && r.top >= rect.top && r.right <= rect.right && r.bottom <= rect.bottom) return 1;
    if (r.left <= rect.right && r.right >= rect.left && r.top <= rect.bottom && r.bottom >= rect.top) return 2;
    return 0;
}

void yyUpdateLast(HWND dialog, HWND field) {
    for (HWND d = dialog; d != nullptr;) {
        if (int* record = yydialogrecord(d)) record[DlgLastFieldWindow] = static_cast<int>(reinterpret_cast<INT_PTR>(field));
        if (!(GetWindowLongA(d, GWL_STYLE) & WS_CHILD)) break;
        HWND parent = GetParent(d);
        if (parent == nullptr || yyclassis(parent, "GRAVCLIENT")) break;
        d = parent;
    }
}
