// messagebox_win.cpp - WMessageBox: a system message box inside the library's modal bracket.
#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/messagebox.hpp"
#include "dialogs/messagebox_internal.hpp"
#include "dialogs/modal_win.hpp"

namespace {

UINT boxStyle(int buttons, int icon, int position) {
    static const UINT sets[] = {MB_OK, MB_OKCANCEL, MB_RETRYCANCEL, MB_YESNO, MB_YESNOCANCEL,
                                MB_ABORTRETRYIGNORE};
    static const UINT icons[] = {MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK};
    UINT style = buttons >= 0 && buttons <= 5 ? sets[buttons] : MB_OK;
    if (icon >= 1 && icon <= 4) style |= icons[icon - 1];
    if (position == 2) style |= MB_DEFBUTTON2;
    if (position == 3) style |= MB_DEFBUTTON3;
    return style;
}

// The system box between disabling and enabling the other dialogs and windows; the focus goes
// back where it was. Returns the answer, -1 when the box did not show.
int yymessagebox(int buttons, int icon, int position, const char* message, const char* title) {
    ModalBracket bracket;
    return yymessageboxanswer(MessageBoxA(bracket.owner(), message, title, boxStyle(buttons, icon, position)));
}

}  // namespace

int yyshowmessagebox(int buttons, int icon, int defaultButton, std::string_view message,
                     std::string_view title) {
    const int position = yymessageboxposition(buttons, defaultButton);
    int error = 0;
    yygetwindowbitmap(1, -1, error);
    if (error != 0) yyerror(error, "WMessageBox");
    const std::string text(trimRight(message));
    const std::string caption(trimRight(title));
    const int answer = yymessagebox(buttons, icon, position, text.c_str(), caption.c_str());
    yygetwindowbitmap(0, -1, error);
    gravim.dialogs.exitField = 0;
    if (answer != -1) gravim.dialogs.lastAnswer = answer;
    return answer;
}

void WMessageBox(int buttons, int icon, int defaultButton, std::string_view message,
                 std::string_view title) {
    if (yyshowmessagebox(buttons, icon, defaultButton, message, title) == -1)
        yyerror(1004, "WMessageBox");
}
