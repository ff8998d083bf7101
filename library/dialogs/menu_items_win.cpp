// menu_items_win.cpp - the items of library menus and the prompt texts attached to them.
// No prompt texts are attached at run time yet, so there is nothing to free.
#include "dialogs/menus_win.hpp"

void yyClearMenuPrompt(HMENU, int) {}
