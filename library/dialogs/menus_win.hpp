// menus_win.hpp - menus and menu prompts of library windows (library-internal, Win32).
#pragma once

#include <windows.h>

// Frees the prompt texts attached to a menu and its sub-menus (n: the window showing it).
void yyClearMenuPrompt(HMENU menu, int n);
