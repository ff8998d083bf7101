// error_box_win.cpp - the "Library Error" box of debug level 4.
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/messagebox_internal.hpp"

int yyerrorbox(const char* text) {
    // OK and Cancel, the exclamation icon, OK the default; -1 when the box could not be shown,
    // which leaves the last answer as it was.
    return yyshowmessagebox(1, 3, 1, text, "Library Error");
}
