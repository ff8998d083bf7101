// messagebox.hpp - the library's message box (public routine).
#pragma once

#include <string_view>

// Button sets: 0 OK; 1 OK, Cancel; 2 Retry, Cancel; 3 Yes, No; 4 Yes, No, Cancel;
// 5 Abort, Retry, Ignore; any other value OK.
// Icons: 1 stop, 2 question, 3 exclamation, 4 information; any other value none.
// The default button is numbered by answer for set 5 (1 Retry, 2 Abort), by place otherwise.
// Shows a modal box; WInfoDialog(4) then holds the answer: 1 OK, Yes or Retry; 2 No or Abort;
// 0 Cancel or Ignore. A box that cannot be shown reports error 1004 and keeps the old answer.
void WMessageBox(int buttons, int icon, int defaultButton, std::string_view message,
                 std::string_view title);
