// messagebox_internal.hpp - the message box beneath WMessageBox (library-internal).
// The caller's numbering of buttons and the box's answers, and the modal bracket around it.
#pragma once

#include <string_view>

// The place (1..3, left to right) of the default button for the caller's button set and
// default-button number.
int yymessageboxposition(int buttons, int defaultButton);
// The answer for the system's code of the pressed button (1 OK, 2 Cancel, 3 Abort, 4 Retry,
// 5 Ignore, 6 Yes, 7 No); -1 for 0, a box that did not show.
int yymessageboxanswer(int pressed);

// WMessageBox without the error report: shows the box and returns its answer (-1 when it could
// not be shown), setting WInfoDialog items 2 and 4 as WMessageBox does. Error reporting at debug
// level 4 uses it, so that a failed box is told apart from an answer.
int yyshowmessagebox(int buttons, int icon, int defaultButton, std::string_view message,
                     std::string_view title);
