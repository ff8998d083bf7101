// messagebox.cpp - the caller's numbering of message-box buttons and the answers they give.
#include "dialogs/messagebox_internal.hpp"

int yymessageboxposition(int buttons, int defaultButton) {
    switch (buttons) {
    case 1:
    case 2:
    case 3: return defaultButton == 1 ? 1 : 2;
    case 4: return defaultButton == 1 || defaultButton == 2 ? defaultButton : 3;
    // Abort, Retry, Ignore: the caller names Retry 1 and Abort 2, by their answers.
    case 5: return defaultButton == 1 ? 2 : defaultButton == 2 ? 1 : 3;
    default: return 1;
    }
}

int yymessageboxanswer(int pressed) {
    switch (pressed) {
    case 1: return 1;  // OK
    case 2: return 0;  // Cancel
    case 3: return 2;  // Abort
    case 4: return 1;  // Retry
    case 5: return 0;  // Ignore
    case 6: return 1;  // Yes
    case 7: return 2;  // No
    default: return -1;
    }
}
