// field_values_win.cpp - the internal field routines of the current dialog: texts, numbers,
// ranges, checks, radio groups, list and combo items, clearing, states, images and options.
// Each reports failure through its field argument: -1 no such control or the wrong kind, -2
// where a routine says so. The public routines turn these into error numbers.
#include <cmath>
#include <cstring>
#include <new>
#include <string>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/gravim.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"

namespace {

HWND fieldOrFail(int& field) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr) field = -1;
    return c;
}

bool isEditLike(HWND c) { return yyclassis(c, "Edit") || yyisnumericclass(c); }

void freeFormat(FieldRecord* record) {
    delete[] record->format;
    record->format = nullptr;
}

void setFormat(FieldRecord* record, std::string_view format) {
    freeFormat(record);
    if (format.empty()) return;
    char* copy = new (std::nothrow) char[format.size() + 1];
    if (copy == nullptr) return;
    std::memcpy(copy, format.data(), format.size());
    copy[format.size()] = '\0';
    record->format = copy;
}

bool isAutoCheck(HWND c) {
    LONG type = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
    return yyclassis(c, "Button") && (type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON);
}
bool isAutoRadio(HWND c) {
    return yyclassis(c, "Button") && (GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

std::string windowText(HWND c) {
    int length = GetWindowTextLengthA(c);
    std::string text(length + 1, '\0');
    GetWindowTextA(c, text.data(), length + 1);
    text.resize(lstrlenA(text.c_str()));
    return text;
}

}  // namespace

void yyfieldputtext(int& field, double value, std::string_view text, std::string_view format) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    FieldRecord* record = yyfieldrecord(c);
    int changeEvents = record != nullptr ? record->changeEvents : 0;
    if (record != nullptr) record->changeEvents = 0;  // the library's own change raises no event
    std::string copy(text);
    if (!SetWindowTextA(c, copy.c_str())) field = -1;
    if (record != nullptr) {
        record->value = value;
        if (value == 0.0) {
            double read = 0.0;
            int valid = 0;
            yyst2dblcheck(read, valid, copy);
            if (valid) record->value = read;
        }
        record->defined = trimmedLength(text) > 0 ? 1 : 0;
        setFormat(record, format);
        record->changeEvents = changeEvents;
    }
    if (isEditLike(c)) SendMessageA(c, EM_SETMODIFY, FALSE, 0);
    InvalidateRect(c, nullptr, TRUE);
}

void yyfieldgetstring(int& field, char* buffer, int size) {
    HWND c = fieldOrFail(field);
    if (c != nullptr && size > 0) GetWindowTextA(c, buffer, size);
}

void yyfieldgetlength(int& field, int& length) {
    if (HWND c = fieldOrFail(field)) length = GetWindowTextLengthA(c);
}

void yyfieldgetvalue(int& field, double& value) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    std::string text = windowText(c);
    if (trimmedLength(text) == 0) {
        field = -2;
        return;
    }
    FieldRecord* record = yyfieldrecord(c);
    if (record != nullptr && yyisnumericclass(c) && !SendMessageA(c, EM_GETMODIFY, 0, 0)) {
        value = record->value;
        return;
    }
    yyst2dbl(value, text);
}

void yyfieldrangecheck(int& field, double value) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (FieldRecord* record = yyfieldrecord(c); record != nullptr && !inRange(value, record->lower, record->upper))
        field = -2;
}

void yyfieldrange(int& field, double lower, double upper) {
    HWND dialog = yycurrentdialogwindow();
    if (dialog == nullptr) {
        field = -1;
        return;
    }
    yyfieldrange2(field, lower, upper, dialog);
}

void yyfieldputcheck(int& field, int state) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!isAutoCheck(c)) {
        field = -1;
        return;
    }
    SendMessageA(c, BM_SETCHECK, state, 0);
}

void yyfieldgetcheck(int& field, int& state) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!isAutoCheck(c)) {
        field = -1;
        return;
    }
    state = static_cast<int>(SendMessageA(c, BM_GETCHECK, 0, 0));
}

void yyfieldgroup(int& field, HWND& first, HWND& last) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    char cls[64];
    GetClassNameA(c, cls, sizeof cls);
    first = c;
    for (HWND w = c; w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (!yyclassis(w, cls)) break;
        first = w;
        if (GetWindowLongA(w, GWL_STYLE) & WS_GROUP) break;
    }
    last = c;
    for (HWND w = GetWindow(c, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!yyclassis(w, cls) || (GetWindowLongA(w, GWL_STYLE) & WS_GROUP)) break;
        last = w;
    }
}

namespace {

// The buttons of the group around the field, in order, until visit returns false.
template <class Visit>
void forEachInGroup(int& field, Visit visit) {
    HWND first = nullptr, last = nullptr;
    yyfieldgroup(field, first, last);
    for (HWND w = first; w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!visit(w) || w == last) return;
    }
}

HWND autoRadioField(int& field) {
    HWND c = fieldOrFail(field);
    if (c != nullptr && !isAutoRadio(c)) {
        field = -1;
        return nullptr;
    }
    return c;
}

}  // namespace

void yyfieldputradio(int& field) {
    HWND c = autoRadioField(field);
    if (c == nullptr) return;
    forEachInGroup(field, [c](HWND w) {
        SendMessageA(w, BM_SETCHECK, w == c ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    });
}

void yyfieldgetradio(int& field, int& position) {
    if (autoRadioField(field) == nullptr) return;
    int n = 0;
    bool set = false;
    forEachInGroup(field, [&](HWND w) {
        ++n;
        set = SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
        return !set;
    });
    if (set) position = n;
    else field = -2;
}

void yygetmenutype(int& field, int& kind) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    LONG s = GetWindowLongA(c, GWL_STYLE);
    if (yyclassis(c, "ListBox")) kind = (s & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) ? 4 : 1;
    else if (yyclassis(c, "ComboBox")) kind = (s & 3) == CBS_DROPDOWNLIST ? 2 : 3;
    else field = -1;
}

void yyfieldputmenu(int kind, int& field, std::string_view text) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    std::string item(text);
    SendMessageA(c, kind == 1 || kind == 4 ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void yyfieldputoption(int kind, int& field, int option) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    bool list = kind == 1 || kind == 4;
    LRESULT result = SendMessageA(c, list ? LB_SETCURSEL : CB_SETCURSEL, option, 0);
    bool clearingCombo = !list && option == -1;
    if (result == LB_ERR && !clearingCombo) field = -1;
}

void yyfieldputcombo(int& field, std::string_view text) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    std::string wanted(text);
    LRESULT found = SendMessageA(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wanted.c_str()));
    if (found != CB_ERR) {
        SendMessageA(c, CB_SETCURSEL, found, 0);
    } else {
        SendMessageA(c, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowTextA(c, wanted.c_str());
    }
}

void yyfieldgetlist(int& field, int& option, bool wanted, char* text, int size) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    LRESULT selected = SendMessageA(c, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
        field = -2;
        return;
    }
    option = static_cast<int>(selected) + 1;
    if (!wanted || size <= 0) return;
    LRESULT length = SendMessageA(c, LB_GETTEXTLEN, selected, 0);
    std::string item(length > 0 ? length + 1 : 1, '\0');
    SendMessageA(c, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(item.data()));
    lstrcpynA(text, item.c_str(), size);
}

void yyfieldgetcombo(int& field, int& option, bool wanted, char* text, int size) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    LRESULT selected = SendMessageA(c, CB_GETCURSEL, 0, 0);
    std::string typed = windowText(c);
    if (selected != CB_ERR) {
        option = static_cast<int>(selected) + 1;
    } else if (typed.empty()) {
        field = -2;
        return;
    } else {
        LRESULT found = SendMessageA(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(typed.c_str()));
        option = found == CB_ERR ? 0 : static_cast<int>(found) + 1;
    }
    if (wanted && size > 0) lstrcpynA(text, typed.c_str(), size);
}

void yyfieldclear(int& field) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    FieldRecord* record = yyfieldrecord(c);
    int type = yyfieldtypeof(c);
    switch (type) {
    case FieldString:
    case FieldInteger:
    case FieldReal:
    case FieldDouble:
        if (record != nullptr) {
            int changeEvents = record->changeEvents;
            record->changeEvents = 0;
            SetWindowTextA(c, "");
            record->changeEvents = changeEvents;
        } else {
            SetWindowTextA(c, "");
        }
        SendMessageA(c, EM_SETMODIFY, FALSE, 0);
        break;
    case FieldLabel:
    case FieldOtherStatic:
    case FieldPushButton:
    case FieldGroupBox: SetWindowTextA(c, ""); break;
    case FieldListBox: SendMessageA(c, LB_RESETCONTENT, 0, 0); break;
    case FieldComboBox: SendMessageA(c, CB_RESETCONTENT, 0, 0); break;
    case FieldCheckBox: SendMessageA(c, BM_SETCHECK, BST_UNCHECKED, 0); break;
    case FieldRadioButton: {
        forEachInGroup(field, [](HWND w) {
            SendMessageA(w, BM_SETCHECK, BST_UNCHECKED, 0);
            return true;
        });
        InvalidateRect(c, nullptr, TRUE);
        return;  // the button's record is left as it was
    }
    case FieldProgressBar:
        SendMessageA(c, PBM_SETPOS, SendMessageA(c, PBM_GETRANGE, TRUE, 0), 0);
        break;
    case FieldTreeView: TreeView_DeleteAllItems(c); break;
    case FieldGrid:
        if (gridFieldHooks.clear != nullptr) gridFieldHooks.clear(c, 1);
        return;
    default: field = -1; return;
    }
    if (record != nullptr) {
        record->value = 0.0;
        record->defined = 0;
    }
    InvalidateRect(c, nullptr, TRUE);
}

namespace {

// True when the control lies wholly outside the dialog's client area and neither the dialog
// nor a dialog holding it as a page is resizable: its state is applied when it comes into view.
bool outOfView(HWND dialog, HWND c) {
    RECT client;
    GetClientRect(dialog, &client);
    if (yyFieldInRect(c, client) != 0) return false;
    for (HWND d = dialog; d != nullptr; d = (GetWindowLongA(d, GWL_STYLE) & WS_CHILD) ? GetParent(d) : nullptr)
        if (yyIsResizableDialog(d)) return false;
    return true;
}

}  // namespace

void yyfieldenable(int& field, int state, int noUpdate) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    HWND dialog = GetParent(c);
    FieldRecord* record = yyfieldrecord(c);
    if (record != nullptr) record->state = state;
    if (outOfView(dialog, c)) return;
    HWND spin = record != nullptr ? record->spinBuddy : nullptr;
    HWND page = yyclassis(c, WC_TABCONTROLA) ? yytabpagewindow(c, static_cast<int>(SendMessageA(c, TCM_GETCURSEL, 0, 0))) : nullptr;
    HWND focus = GetFocus();  // before the field hides or goes disabled and loses it
    bool hadFocus = focus != nullptr && (focus == c || IsChild(c, focus) || (page != nullptr && IsChild(page, focus)));
    bool canBeReadOnly = isEditLike(c) || yyclassis(c, "KBNGRID");
    if (isEditLike(c)) {
        EnableWindow(c, state == 1 || state == 2);
        SendMessageA(c, EM_SETREADONLY, state == 2, 0);
        if (spin != nullptr) EnableWindow(spin, state == 1);
    } else if (yyclassis(c, "KBNGRID")) {
        EnableWindow(c, state == 1 || state == 2);
        LONG s = GetWindowLongA(c, GWL_STYLE);
        SetWindowLongA(c, GWL_STYLE, state == 2 ? (s | 0x800) : (s & ~0x800));
        if (gridFieldHooks.repaint != nullptr) gridFieldHooks.repaint(c);
    } else {
        EnableWindow(c, state == 1);
    }
    int show = state == 3 ? SW_HIDE : SW_SHOWNA;
    ShowWindow(c, show);
    if (spin != nullptr) ShowWindow(spin, show);
    if (page != nullptr && state == 3) ShowWindow(page, SW_HIDE);
    if (yyclassis(c, "Static")) InvalidateRect(c, nullptr, TRUE);
    if (!(noUpdate != 0 && record != nullptr && record->graphicsField)) UpdateWindow(c);
    bool leaves = state == 0 || state == 3 || (state == 2 && !canBeReadOnly);
    if (leaves && hadFocus) {
        int* dialogRecord = yydialogrecord(dialog);
        if (dialogRecord != nullptr) dialogRecord[DlgLastFieldWindow] = 0;
        HWND combined = dialogRecord != nullptr ? reinterpret_cast<HWND>(static_cast<INT_PTR>(dialogRecord[DlgCombinedWindow])) : nullptr;
        SetFocus(combined != nullptr ? combined : dialog);
    }
}

void yyfieldgetformat(int& field, char* format, int size) {
    HWND c = fieldOrFail(field);
    if (c == nullptr || size <= 0) return;
    FieldRecord* record = yyfieldrecord(c);
    bool own = record != nullptr && record->format != nullptr &&
               (yyclassis(c, "REALEDIT") || yyclassis(c, "DOUBLEEDIT"));
    lstrcpynA(format, own ? record->format : "(G15.5E2)", size);
}

void yyfieldoption(int& field, int option, int value) {
    // Field 0 is the grid of the current grid window.
    HWND c = field == 0 && gridFieldHooks.windowGrid != nullptr ? gridFieldHooks.windowGrid() : nullptr;
    if (c == nullptr) c = fieldOrFail(field);
    if (c == nullptr) return;
    if (option == 1 || option == 2) {
        if (!yyclassis(c, "KBNGRID")) {
            field = -1;
            return;
        }
        LONG bit = option == 1 ? 0x1000 : 0x4000;
        LONG s = GetWindowLongA(c, GWL_STYLE);
        SetWindowLongA(c, GWL_STYLE, value != 0 ? (s | bit) : (s & ~bit));
        return;
    }
    if (option == 3) {
        FieldRecord* record = yyfieldrecord(c);
        bool takes = isEditLike(c) || yyclassis(c, "KBNGRID") || yyclassis(c, "ComboBox");
        if (!takes || record == nullptr) {
            field = -1;
            return;
        }
        record->changeEvents = value != 0 ? 1 : 0;
    }
}

namespace {

// The record of a spin field of that class, or null (and -1 in field).
FieldRecord* spinRecord(int& field, const char* spinClass) {
    HWND c = fieldOrFail(field);
    FieldRecord* record = c != nullptr && yyclassis(c, spinClass) ? yyfieldrecord(c) : nullptr;
    if (record == nullptr) field = -1;
    return record;
}

}  // namespace

void yyfieldspinstepi(int& field, int smallStep, int largeStep, int base) {
    FieldRecord* record = spinRecord(field, "INTEGERSPIN");
    if (record == nullptr) return;
    record->smallStep = smallStep;
    record->largeStep = largeStep == 0 ? smallStep : largeStep;
    record->integerBase = base;
}

void yyfieldspinstepr(int& field, float smallStep, float largeStep) {
    FieldRecord* record = spinRecord(field, "REALSPIN");
    if (record == nullptr) return;
    record->smallStep = smallStep;
    record->largeStep = largeStep;
}

void yyfieldspinstepd(int& field, double smallStep, double largeStep) {
    FieldRecord* record = spinRecord(field, "DOUBLESPIN");
    if (record == nullptr) return;
    record->smallStep = smallStep;
    record->largeStep = largeStep;
}

void yyfieldputprogress(int& field, int value, int relative) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!yyclassis(c, PROGRESS_CLASSA)) {
        field = -1;
        return;
    }
    SendMessageA(c, relative != 0 ? PBM_DELTAPOS : PBM_SETPOS, value, 0);
}

void yyrangeprogress(int& field, int lower, int upper) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!yyclassis(c, PROGRESS_CLASSA)) {
        field = -1;
        return;
    }
    SendMessageA(c, PBM_SETRANGE, 0, MAKELPARAM(lower & 0xFFFF, upper & 0xFFFF));
}

namespace {

HWND trackbarField(int& field) {
    HWND c = fieldOrFail(field);
    if (c != nullptr && !yyclassis(c, TRACKBAR_CLASSA)) {
        field = -1;
        return nullptr;
    }
    return c;
}

bool hasSelectionRange(HWND c) { return (GetWindowLongA(c, GWL_STYLE) & TBS_ENABLESELRANGE) != 0; }

}  // namespace

void yyfieldputtrack(int& field, int position, int start, int end, int mode) {
    HWND c = trackbarField(field);
    if (c == nullptr) return;
    SendMessageA(c, TBM_SETPOS, TRUE, position);
    if (!hasSelectionRange(c)) return;
    if (mode == 0) SendMessageA(c, TBM_SETSEL, TRUE, MAKELPARAM(start, end));
    else if (mode == 2) SendMessageA(c, TBM_CLEARSEL, TRUE, 0);
}

void yyrangetrack(int& field, int minimum, int maximum, int ticFrequency) {
    HWND c = trackbarField(field);
    if (c == nullptr) return;
    SendMessageA(c, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(c, TBM_SETRANGEMAX, TRUE, maximum);
    if (ticFrequency > 0) SendMessageA(c, TBM_SETTICFREQ, ticFrequency, 0);
}

void yyfieldtrackstep(int& field, int line, int page) {
    HWND c = trackbarField(field);
    if (c == nullptr) return;
    SendMessageA(c, TBM_SETLINESIZE, 0, line);
    SendMessageA(c, TBM_SETPAGESIZE, 0, page <= 0 ? line : page);
}

void yyfieldgettrack(int& field, int& position, int& start, int& end) {
    HWND c = trackbarField(field);
    if (c == nullptr) return;
    position = static_cast<int>(SendMessageA(c, TBM_GETPOS, 0, 0));
    int first = static_cast<int>(SendMessageA(c, TBM_GETSELSTART, 0, 0));
    int last = static_cast<int>(SendMessageA(c, TBM_GETSELEND, 0, 0));
    if (hasSelectionRange(c) && first < last) {
        start = first;
        end = last;
    } else {
        start = end = gravim.dialogs.undefinedInteger;
    }
}

void yyfieldgettab(int& field, int& page) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!yyclassis(c, WC_TABCONTROLA)) {
        field = -1;
        return;
    }
    int selected = static_cast<int>(SendMessageA(c, TCM_GETCURSEL, 0, 0));
    if (int id = yytabpageid(c, selected)) page = id;
}

void yyfieldgettree(int& field, int& item, bool wanted, char* text, int size) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!yyclassis(c, WC_TREEVIEWA)) {
        field = -1;
        return;
    }
    HTREEITEM selected = TreeView_GetSelection(c);
    if (selected == nullptr) {
        field = -2;
        return;
    }
    TVITEMA info{};
    info.mask = TVIF_PARAM | TVIF_HANDLE | (wanted ? TVIF_TEXT : 0);
    info.hItem = selected;
    info.pszText = text;
    info.cchTextMax = size;
    SendMessageA(c, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    item = static_cast<int>(info.lParam);
}

void yyfieldputtree(int& field, int item) {
    HWND c = fieldOrFail(field);
    if (c == nullptr) return;
    if (!yyclassis(c, WC_TREEVIEWA)) {
        field = -1;
        return;
    }
    HTREEITEM found = yyTreeViewFind(c, item);
    if (found == nullptr) {
        field = -2;
        return;
    }
    TreeView_SelectItem(c, found);
}
