// editor_buffers_win.cpp - the stored buffers of a multi-buffer editor. Until the buffers come,
// nothing is stored: names read back empty, every stored buffer counts as saved, and switching
// changes nothing.
#include "editor/editor_record_win.hpp"

void yyeditstorebuffername(int, int, const char*, int) {}

void yyeditgetbuffername(int, int, char* name, int length) {
    if (name != nullptr && length > 0) name[0] = '\0';
}

void yyeditgetsave(int, int, int& saved) { saved = 1; }

int yyeditswap(int, int, int) { return 0; }

void yyeditstorebuffer(int, int) {}

void yyeditretrievebuffer(int, int) {}

void yyeditclosebuffer(int, int) {}

void yyEditSwitchBuffer(HWND, int) {}
