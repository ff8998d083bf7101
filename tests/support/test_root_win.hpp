// test_root_win.hpp - the root window of a window test: opened with its start-up messages handled
// and no event pending, closed with the library state reset; the text its status bar shows.
#pragma once

#include <string>

void openTestRoot(int flags, int x, int y, int width, int height, int menu, const int* toolbars = nullptr);
void closeTestRoot();
// The text of window n's status bar (its simple text while it shows menu prompts).
std::string statusBarText(int n);
