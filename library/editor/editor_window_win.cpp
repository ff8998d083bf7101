// editor_window_win.cpp - editor-window services the window manager calls.
// The editor arrives later: until then no editor window or buffer exists, so nothing is
// offered, nothing needs saving and the buffer store holds no allocation.
#include "core/addon_calls_win.hpp"

bool yyeditaccelerate(int*, MSG*) { return false; }

int yyEditCheckSave(HWND, int*) { return 1; }

int yyeditcheckotherbuffers(HWND, int*) { return 1; }

void yyeditrevert(int, int*) {}
