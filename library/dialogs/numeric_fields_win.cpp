// numeric_fields_win.cpp - numeric edit fields and the library's subclass of dialog controls.
// Holds what the dialog procedure needs today: the outer subclass that reports buttons and
// trackbars taking the focus, the default button and the validation hooks; the numeric edit
// classes themselves come with their own routines.
#include "dialogs/dialogs_internal_win.hpp"

namespace {

// The trackbar position where a Shift selection starts (set when a trackbar takes the focus).
int iSelStart = 0;

LRESULT CALLBACK outerSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    FieldRecord* record = yyfieldrecord(control);
    WNDPROC next = record != nullptr ? record->nextProcedure : nullptr;
    if (message == WM_SETFOCUS) {
        HWND parent = GetParent(control);
        int id = GetDlgCtrlID(control);
        // Buttons without the notify style and trackbars say nothing when they take the focus.
        if (yyclassis(control, "Button") && !(GetWindowLongA(control, GWL_STYLE) & BS_NOTIFY))
            SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, 6), reinterpret_cast<LPARAM>(control));
        if (yyclassis(control, TRACKBAR_CLASSA)) {
            iSelStart = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
            SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, 0x100), reinterpret_cast<LPARAM>(control));
        }
    }
    return next != nullptr ? CallWindowProcA(next, control, message, wParam, lParam)
                           : DefWindowProcA(control, message, wParam, lParam);
}

}  // namespace

void yysubclassfield(HWND control) {
    FieldRecord* record = yyfieldrecord(control);
    if (record == nullptr || record->nextProcedure != nullptr) return;
    record->nextProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(outerSubclass));
}

void yyDefaultButton(HWND dialog) {
    LRESULT found = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    int id = HIWORD(found) == DC_HASDEFID ? LOWORD(found) : IDOK;
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

int yyoutofrange(HWND, HWND, int) { return 0; }  // only the numeric edit classes refuse

void yyrestorestoredvalue(HWND) {}

int yytrackselectionstart() { return iSelStart; }
