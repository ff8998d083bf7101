// error_box_win.cpp - the "Library Error" box of debug level 4.
#include "core/gravim.hpp"
#include "dialogs/dialogs_internal_win.hpp"

int yyerrorbox(const char* text) {
    const int answer = MessageBoxA(nullptr, text, "Library Error",
                                   MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON1 | MB_TASKMODAL);
    // A box that could not be shown (0, or -1 from some systems) is no answer: the last answer
    // stays as it was and the caller goes on.
    if (answer != IDOK && answer != IDCANCEL) return -1;
    gravim.dialogs.lastAnswer = answer == IDOK ? 1 : 0;
    return gravim.dialogs.lastAnswer;
}
