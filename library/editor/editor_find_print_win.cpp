// editor_find_print_win.cpp - finding, replacing and printing. Until they come, nothing is found
// (so Replace All ends at once), the find dialog's hook leaves everything to the dialog, and
// nothing is printed.
#include "core/callback_guard.hpp"
#include "editor/editor_record_win.hpp"

int yyEditFind(HWND, EditorWindowRecord&, FINDREPLACEA&) { return 0; }

int yyEditReplace(HWND, EditorWindowRecord&, FINDREPLACEA&) { return 0; }

UINT_PTR CALLBACK yyEditFindHook(HWND, UINT, WPARAM, LPARAM) {
    return yyguardcallback("yyEditFindHook", []() -> UINT_PTR { return 0; }, []() -> UINT_PTR { return 0; });
}

int yyEditPrint(HWND, EditorWindowRecord&, int, int, int, int, const char*) { return 0; }
