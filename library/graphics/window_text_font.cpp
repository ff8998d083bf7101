// window_text_font.cpp - the font and colours of plain window text as the graphics layer
// requests them from the window manager.
#include <algorithm>

#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "graphics/fonts_internal.hpp"

void yyfntcol(int foreground, int background) {
    WindowTextFont& f = gravim.graphics.windowFont;
    if (foreground >= 0 && foreground <= 16) f.foreground = foreground;
    if (background >= 0 && background <= 15) f.background = background;
    if (background == 16) f.background = 17;  // the system window colour
    yysetfontcolour(f.foreground, f.background);
}

void yyfntsiz() {
    WindowTextFont& f = gravim.graphics.windowFont;
    WindowUnitsToPixels(f.unitsWidth, f.unitsHeight, f.width, f.height);
}

void yyfntcre() {
    WindowTextFont& f = gravim.graphics.windowFont;
    const int request[5] = {f.family, f.bold, f.italic, f.width, f.height};
    if (std::equal(request, request + 5, f.created)) return;
    yycreatefont(f.family, f.bold, f.italic, f.width, f.height);
    std::copy(request, request + 5, f.created);
}

void yyfntund(int flag) {
    WindowTextFont& f = gravim.graphics.windowFont;
    f.underline = flag != 0 ? 1 : 0;
    yysetfontunderline(flag);
}
