// window_text_posix.cpp - native stand-ins of the window-text font and colour services: there is
// no window text to draw natively, so a request is answered as asked.
#include "windows/windows_internal.hpp"

void yysetfontcolour(int, int) {}

void yysetfontunderline(int) {}

void yycreatefont(int, int, int, int&, int&) {}
