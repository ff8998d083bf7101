// error_outputs_win.cpp - delivery of debug levels 3 (the root's status bar) and 4 (a box).
// Installed when the root window opens; reports run at level 0, so their failures stay silent.
#include <string>

#include "windows/dialog_calls_win.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

namespace {

void toStatusBar(std::string_view line) {
    const int remembered = gravim.windows.wIndex;
    WindowSelect(0);
    WindowOutStatusBar(1, line);
    WindowSelect(remembered);
}

int toMessageBox(std::string_view text) { return yydialogcalls().errorBox(std::string(text).c_str()); }

}  // namespace

void yyinstallerroroutputs() {
    yyseterroroutputs(toStatusBar, toMessageBox);
}
