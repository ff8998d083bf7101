// info.hpp - information about the library (public routine); the queries about the system, the
// current window and the current dialog are the window manager's (windows/window_info.hpp).
#pragma once

#include "base/text.hpp"

// The library's version text "9.0c", blank-padded or cut to the text's length.
void WInfoVersion(TextRef version);
