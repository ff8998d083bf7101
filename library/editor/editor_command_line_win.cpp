// editor_command_line_win.cpp - the command line's typing. Until the command line's behaviour
// comes, its edit behaves as a plain edit: everything goes to the procedure it had.
#include "core/callback_guard.hpp"
#include "editor/editor_record_win.hpp"

LRESULT CALLBACK yyEditSubCommand(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyEditSubCommand",
        [&]() -> LRESULT {
            const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_USERDATA));
            return previous != nullptr ? CallWindowProcA(previous, edit, message, wParam, lParam)
                                       : DefWindowProcA(edit, message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(edit, message, wParam, lParam); });
}
