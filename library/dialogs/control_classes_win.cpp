// control_classes_win.cpp - the dialog manager's control classes: the six numeric edit classes
// with their validation, the standard classes' atoms and procedures, and Enter on default buttons.
#include "dialogs/control_classes_win.hpp"

#include <windows.h>

#include <commctrl.h>

#include <new>

#include "base/callback_guard.hpp"
#include "base/convert_internal.hpp"
#include "base/gravim.hpp"
#include "base/text.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/field_rules.hpp"
#include "dialogs/numeric_internal.hpp"

ATOM atomDialog, atomStatic, atomEdit, atomButton, atomTrack, atomList, atomCombo, atomTab,
    atomProgress, atomUpDown, atomHeader, atomTree, atomScrollbar;
ATOM atomInteger, atomSpinInteger, atomReal, atomSpinReal, atomDouble, atomSpinDouble;

WNDPROC lpNormalButtonProc, lpNormalStaticProc, lpNormalEditProc, lpNormalTrackProc,
    lpNormalTabProc, lpNormalTreeProc, lpNormalUpDownProc;

HWND hBadVal = nullptr, hBadTab = nullptr;
int iBadTab = 0;
int StoreVal = 1;
int bOverride = 0;

int yysetvalidationoverride(int on) {
    const int previous = bOverride;
    bOverride = on;
    return previous;
}
char cStoreText[256];
double dStoreValue = 0.0;
int iSelStart = 0;

namespace {

constexpr int StoredTextLength = 255;
constexpr int IntegerFieldLength = 11;

// Stops yyselectinvalid from validating again through the focus changes it makes.
int validating = 0;

struct NumericClass {
    const char* name;
    NumericKind kind;
    bool spin;
    WNDPROC procedure;
    ATOM* atom;
};

const NumericClass numericClasses[] = {
    {"INTEGEREDIT", NumericKind::Integer, false, yyintegersupercls, &atomInteger},
    {"INTEGERSPIN", NumericKind::Integer, true, yyintegerspinsupercls, &atomSpinInteger},
    {"REALEDIT", NumericKind::Real, false, yyrealsupercls, &atomReal},
    {"REALSPIN", NumericKind::Real, true, yyrealspinsupercls, &atomSpinReal},
    {"DOUBLEEDIT", NumericKind::Double, false, yydoublesupercls, &atomDouble},
    {"DOUBLESPIN", NumericKind::Double, true, yydoublespinsupercls, &atomSpinDouble},
};

LRESULT callEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(lpNormalEditProc, window, message, wParam, lParam);
}

char shownDecimal() { return bDecimal != 0 ? gravim.system.wDecimal : '.'; }

// The locale's decimal character in place of every ".", when the fields show it.
void showDecimal(char* text) {
    if (bDecimal == 0) return;
    for (char* p = text; *p != '\0'; ++p)
        if (*p == '.') *p = gravim.system.wDecimal;
}

bool controlOrAltDown() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

// Re-reads and re-formats the text of a field that gave up the focus.
void reformat(HWND field, NumericKind kind) {
    FieldRecord* record = yyfieldrecord(field);
    if (record == nullptr) return;
    char text[StoredTextLength + 1] = "";
    GetWindowTextA(field, text, sizeof text);
    const bool empty = trimRight(text).empty();
    Text<100> shown;
    shown.assign(text);
    if (kind == NumericKind::Integer) {
        int value = 0;
        yyst2int(value, text);
        record->value = value;
        yyformi(shown);
    } else {
        yyst2dbl(record->value, text);
        const std::string_view format = record->format != nullptr ? record->format : "(G15.5E2)";
        if (kind == NumericKind::Real)
            yyformr(shown, format);
        else
            yyformd(shown, format);
    }
    if (!empty) record->defined = 1;
    std::string result(shown.trimmed().substr(0, shown.trimmed().find('\0')));
    if (empty) result.clear();
    showDecimal(result.data());
    // The library's own change raises no field-changed event.
    const int changeEvents = record->changeEvents;
    record->changeEvents = 0;
    SetWindowTextA(field, result.c_str());
    record->changeEvents = changeEvents;
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
}

void createRecord(HWND window) {
    FieldRecord* record = new (std::nothrow) FieldRecord;
    if (record == nullptr) return;
    record->smallStep = 1.0;
    record->largeStep = 5.0;
    yyattachfieldrecord(window, record);
}

// After the platform created the edit: the template text with the shown decimal character, its
// value, and whether it holds one.
void takeTemplateText(HWND window, NumericKind kind) {
    FieldRecord* record = yyfieldrecord(window);
    if (record == nullptr) return;
    char text[StoredTextLength + 1] = "";
    GetWindowTextA(window, text, sizeof text);
    showDecimal(text);
    SetWindowTextA(window, text);
    yyst2dbl(record->value, text);
    record->defined = text[0] != '\0' ? 1 : 0;
    SendMessageA(window, EM_SETMODIFY, FALSE, 0);
    if (kind == NumericKind::Integer) {
        record->maxLength = IntegerFieldLength;
        SendMessageA(window, EM_LIMITTEXT, IntegerFieldLength, 0);
    }
}

void createSpin(HWND field, NumericKind kind) {
    FieldRecord* record = yyfieldrecord(field);
    if (record == nullptr) return;
    const LONG fieldStyle = GetWindowLongA(field, GWL_STYLE);
    DWORD style = WS_CHILD | WS_BORDER | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
    if (kind != NumericKind::Integer) style |= UDS_NOTHOUSANDS;
    if (fieldStyle & WS_VISIBLE) style |= WS_VISIBLE;
    HWND updown = CreateWindowExA(0, UPDOWN_CLASSA, "", style, 0, 0, 1, 1, GetParent(field),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(0xFFFF)),
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(field, GWLP_HINSTANCE)), nullptr);
    if (updown == nullptr) return;
    if (fieldStyle & ES_READONLY) EnableWindow(updown, FALSE);
    SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
    SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(100, -100));
    UDACCEL steps[2] = {{0, 1}, {2, 5}};
    SendMessageA(updown, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(steps));
    if (kind == NumericKind::Integer)
        SendMessageA(updown, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(yydbl2int(record->value) & 0xFFFF), 0));
    char text[StoredTextLength + 1] = "";
    GetWindowTextA(field, text, sizeof text);
    SetWindowTextA(field, text);  // the up-down aligns itself to the text
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(updown, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubupdown)));
    if (lpNormalUpDownProc == nullptr) lpNormalUpDownProc = previous;
    record->spinBuddy = updown;
}

// What all six classes share: the record, storing the text to restore on focus, Tab and Enter.
// The focus loss is the class procedures': they re-format after an accepted one.
LRESULT yynumericproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FieldRecord* record = yyfieldrecord(window);
    switch (message) {
    case WM_NCCREATE:
        createRecord(window);
        return callEdit(window, message, wParam, lParam);
    case WM_DESTROY:
        // A field that goes away leaves no pending refusal behind.
        if (hBadVal == window) hBadVal = nullptr;
        if (hBadTab == window) hBadTab = nullptr;
        return callEdit(window, message, wParam, lParam);
    case WM_SETFOCUS:
        if (StoreVal != 0 && record != nullptr) {
            StoreVal = 0;
            GetWindowTextA(window, cStoreText, sizeof cStoreText);
            dStoreValue = record->value;
        }
        if (record != nullptr) record->leftWithTab = 0;
        SendMessageA(window, EM_SETMODIFY, FALSE, 0);
        return callEdit(window, message, wParam, lParam);
    case WM_GETDLGCODE: {
        // The dialog manager asks before it acts on a key: Tab is noted, and Enter comes here so
        // that it presses the default button of the outermost dialog.
        LRESULT code = callEdit(window, message, wParam, lParam);
        const MSG* key = reinterpret_cast<const MSG*>(lParam);
        if (key != nullptr && key->message == WM_KEYDOWN) {
            if (key->wParam == VK_TAB && record != nullptr) record->leftWithTab = 1;
            if (key->wParam == VK_RETURN && !controlOrAltDown()) code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_TAB && record != nullptr) record->leftWithTab = 1;
        if (wParam == VK_RETURN && !controlOrAltDown()) {
            yyDefaultButton(window);
            return 0;
        }
        return callEdit(window, message, wParam, lParam);
    default: return callEdit(window, message, wParam, lParam);
    }
}

// One class procedure: the creation, the characters and the re-format after a focus loss.
LRESULT numericClassProc(NumericKind kind, bool spin, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = yynumericproc(window, message, wParam, lParam);
        if (result == -1) return result;
        takeTemplateText(window, kind);
        if (spin) createSpin(window, kind);
        return result;
    }
    case WM_CHAR: {
        int c = static_cast<int>(wParam & 0xFF);
        switch (yynumericchar(kind, c, shownDecimal())) {
        case NumericKey::Refuse: yyringbell(); return 0;
        case NumericKey::SelectAll: SendMessageA(window, EM_SETSEL, 0, -1); return 0;
        case NumericKey::Insert: return callEdit(window, message, static_cast<WPARAM>(c), lParam);
        case NumericKey::Pass: break;
        }
        if (c == '\r' || c == '\n') return 0;  // Enter was handled as a key
        return callEdit(window, message, wParam, lParam);
    }
    case WM_KILLFOCUS: {
        const bool modified = SendMessageA(window, EM_GETMODIFY, 0, 0) != 0;
        if (yyoutofrange(window, reinterpret_cast<HWND>(wParam), 0) != 0) return 0;
        const LRESULT result = callEdit(window, message, wParam, lParam);
        // The edit control's own answer says nothing here (it is 0 on some platforms), so an
        // accepted focus loss always re-formats: integers always, the others when typed in.
        if (kind == NumericKind::Integer || modified) reformat(window, kind);
        return result;
    }
    default: return yynumericproc(window, message, wParam, lParam);
    }
}

bool isPushButton(HWND window) {
    if (window == nullptr || !yyisclass(window, atomButton)) return false;
    const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// The dialog a control lives in (itself when it is a dialog), or null.
HWND enclosingDialog(HWND window) {
    for (HWND w = window; w != nullptr; w = GetParent(w)) {
        if (yyisclass(w, atomDialog)) return w;
        if ((GetWindowLongA(w, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
    }
    return nullptr;
}

int defaultButtonId(HWND dialog) {
    const LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 1;
}

// Records the atom (and procedure) of a standard class from a hidden control of it.
void recordClass(const char* name, ATOM& atom, WNDPROC* procedure) {
    HWND probe = CreateWindowExA(0, name, "", 0, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (probe == nullptr) return;
    atom = static_cast<ATOM>(GetClassLongA(probe, GCW_ATOM));
    if (procedure != nullptr) *procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(probe, GWLP_WNDPROC));
    DestroyWindow(probe);
}

void initialiseCommonControls() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                                     ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                     ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace

ATOM yyclassatom(HWND window) { return window != nullptr ? static_cast<ATOM>(GetClassLongA(window, GCW_ATOM)) : 0; }

bool yyisclass(HWND window, const ATOM& atom) {
    if (atomDialog == 0) {
        yyregistersubclass();
        yygetatoms();
    }
    return atom != 0 && yyclassatom(window) == atom;
}

void yyregistersuperclass() {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), "INTEGEREDIT", &existing)) return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND probe = CreateWindowExA(0, "EDIT", "", 0, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (probe == nullptr) return;
    atomEdit = yyclassatom(probe);
    lpNormalEditProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(probe, GWLP_WNDPROC));
    WNDCLASSEXA edit{};
    edit.cbSize = sizeof edit;
    edit.style = static_cast<UINT>(GetClassLongA(probe, GCL_STYLE));
    edit.cbClsExtra = static_cast<int>(GetClassLongA(probe, GCL_CBCLSEXTRA));
    edit.cbWndExtra = static_cast<int>(GetClassLongA(probe, GCL_CBWNDEXTRA));
    edit.hIcon = reinterpret_cast<HICON>(GetClassLongPtrA(probe, GCLP_HICON));
    edit.hCursor = reinterpret_cast<HCURSOR>(GetClassLongPtrA(probe, GCLP_HCURSOR));
    edit.hbrBackground = reinterpret_cast<HBRUSH>(GetClassLongPtrA(probe, GCLP_HBRBACKGROUND));
    DestroyWindow(probe);
    for (const NumericClass& numeric : numericClasses) {
        WNDCLASSEXA wc = edit;
        wc.lpfnWndProc = numeric.procedure;
        wc.hInstance = instance;
        wc.lpszMenuName = nullptr;
        wc.lpszClassName = numeric.name;
        *numeric.atom = RegisterClassExA(&wc);
    }
}

void yyregistersubclass() {
    initialiseCommonControls();
    recordClass("BUTTON", atomButton, &lpNormalButtonProc);
    recordClass("STATIC", atomStatic, &lpNormalStaticProc);
    recordClass(TRACKBAR_CLASSA, atomTrack, &lpNormalTrackProc);
    recordClass(WC_TREEVIEWA, atomTree, &lpNormalTreeProc);
    recordClass(WC_TABCONTROLA, atomTab, &lpNormalTabProc);
}

void yygetatoms() {
    initialiseCommonControls();
    recordClass("#32770", atomDialog, nullptr);
    recordClass("LISTBOX", atomList, nullptr);
    recordClass("COMBOBOX", atomCombo, nullptr);
    recordClass(PROGRESS_CLASSA, atomProgress, nullptr);
    recordClass(UPDOWN_CLASSA, atomUpDown, nullptr);
    recordClass(WC_HEADERA, atomHeader, nullptr);
    recordClass("SCROLLBAR", atomScrollbar, nullptr);
}

LRESULT CALLBACK yyintegersupercls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return yyguardcallback(
        "yyintegersupercls", [&] { return numericClassProc(NumericKind::Integer, false, w, m, wp, lp); },
        [&] { return callEdit(w, m, wp, lp); });
}
LRESULT CALLBACK yyintegerspinsupercls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return yyguardcallback(
        "yyintegerspinsupercls", [&] { return numericClassProc(NumericKind::Integer, true, w, m, wp, lp); },
        [&] { return callEdit(w, m, wp, lp); });
}
LRESULT CALLBACK yyrealsupercls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return yyguardcallback(
        "yyrealsupercls", [&] { return numericClassProc(NumericKind::Real, false, w, m, wp, lp); },
        [&] { return callEdit(w, m, wp, lp); });
}
LRESULT CALLBACK yyrealspinsupercls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return yyguardcallback(
        "yyrealspinsupercls", [&] { return numericClassProc(NumericKind::Real, true, w, m, wp, lp); },
        [&] { return callEdit(w, m, wp, lp); });
}
LRESULT CALLBACK yydoublesupercls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return yyguardcallback(
        "yydoublesupercls", [&] { return numericClassProc(NumericKind::Double, false, w, m, wp, lp); },
        [&] { return callEdit(w, m, wp, lp); });
}
LRESULT CALLBACK yydoublespinsupercls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return yyguardcallback(
        "yydoublespinsupercls", [&] { return numericClassProc(NumericKind::Double, true, w, m, wp, lp); },
        [&] { return callEdit(w, m, wp, lp); });
}

int yyoutofrange(HWND field, HWND newFocus, int force) {
    if (validating != 0 || bOverride != 0 || !yyisnumericclass(field)) return 0;
    if (newFocus != nullptr && (newFocus == wWindow[0] || newFocus == hClient[0])) return 0;
    FieldRecord* record = yyfieldrecord(field);
    if (record == nullptr) return 0;
    hBadTab = nullptr;
    if (newFocus != field) {
        hBadVal = nullptr;
        if (record->leftWithTab == 0 && isPushButton(newFocus) && GetDlgCtrlID(newFocus) != 1)
            hBadVal = field;
        else if (yyisclass(newFocus, atomTab))
            hBadTab = field;
    }
    char text[StoredTextLength + 1] = "";
    GetWindowTextA(field, text, sizeof text);
    NumericCheck check;
    check.text = text;
    check.hasRange = hasRange(record->lower, record->upper);
    check.lower = record->lower;
    check.upper = record->upper;
    check.defined = record->defined != 0;
    check.strict = newFocus != field || force != 0;
    if (yynumericrefuses(check)) {
        // A push button other than 1 takes the focus: the dialog puts the stored text back.
        if (hBadVal != nullptr) return 0;
        validating = 1;
        yyselectinvalid(newFocus, field, record->leftWithTab);
        validating = 0;
        return 1;
    }
    if (newFocus != field) {
        hBadVal = nullptr;
        hBadTab = nullptr;
        StoreVal = 1;
    }
    return 0;
}

void yyselectinvalid(HWND newFocus, HWND field, int tab) {
    if (newFocus != field) yyringbell();
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    if (!isPushButton(newFocus)) return;
    HWND dialog = GetParent(newFocus);
    HWND defaultButton = GetDlgItem(dialog, defaultButtonId(dialog));
    if (newFocus == defaultButton) return;
    SendMessageA(newFocus, BM_SETSTYLE, tab != 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    if (defaultButton != nullptr && isPushButton(defaultButton))
        SendMessageA(defaultButton, BM_SETSTYLE, tab != 0 ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, TRUE);
}

void yyDefaultButton(HWND control) {
    HWND dialog = enclosingDialog(control);
    if (dialog == nullptr) return;
    const int id = defaultButtonId(dialog);
    while ((GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD) != 0) {
        HWND outer = enclosingDialog(GetParent(dialog));
        if (outer == nullptr) break;
        dialog = outer;
    }
    HWND button = GetDlgItem(dialog, id);
    if (button != nullptr && !IsWindowEnabled(button)) return;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void yyrestorestoredvalue(HWND field) {
    FieldRecord* record = yyfieldrecord(field);
    const int changeEvents = record != nullptr ? record->changeEvents : 0;
    if (record != nullptr) record->changeEvents = 0;
    SetWindowTextA(field, cStoreText);
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
    if (record != nullptr) {
        record->value = dStoreValue;
        record->changeEvents = changeEvents;
    }
    StoreVal = 1;
}
