// viewer_arithmetic.cpp - fitting, scrolling, keys, wheel and panning of the bitmap viewer.
#include "images/viewer_arithmetic.hpp"

#include <algorithm>

namespace {

// Navigation key codes of the platform.
constexpr int KeyPageUp = 0x21, KeyPageDown = 0x22, KeyEnd = 0x23, KeyHome = 0x24, KeyLeft = 0x25, KeyUp = 0x26,
              KeyRight = 0x27, KeyDown = 0x28;

}  // namespace

void yyviewerfit(int frameWidth, int frameHeight, int needWidth, int needHeight, int vBar, int hBar, bool nt3,
                 int& width, int& height) {
    width = frameWidth;
    height = frameHeight;
    const bool wide = frameWidth >= needWidth, tall = frameHeight >= needHeight;
    if (wide && tall) {
        width = needWidth;
        height = needHeight;
    } else if (wide) {
        // The height scrolls: the width needs room for the vertical bar too.
        const int needed = needWidth + (nt3 ? 0 : vBar);
        if (frameWidth >= needed) width = needed;
    } else if (tall) {
        const int needed = needHeight + (nt3 ? 0 : hBar);
        if (frameHeight >= needed) height = needed;
    }
}

void yyviewermaxsize(int cx, int cy, int mx, int my, int vBar, int hBar, bool nt3, int& maxWidth, int& maxHeight,
                     int& fitWidth, int& fitHeight) {
    maxWidth = mx;
    maxHeight = my;
    if (cx <= mx && cy <= my) {
        maxWidth = fitWidth = cx;
        maxHeight = fitHeight = cy;
        return;
    }
    fitHeight = -999;
    if (cx <= mx) {
        const int width = cx + (nt3 ? 0 : vBar);
        if (width < mx) {
            maxWidth = fitWidth = width;
        } else {
            fitWidth = -999;
        }
    } else if (cy <= my) {
        const int height = cy + (nt3 ? 0 : hBar);
        if (height < my) maxHeight = height;
        fitWidth = -999;
    } else {
        fitWidth = -999;
    }
}

bool yyviewerscroll(int request, int position, int page, int thumb, int& target) {
    switch (request) {
    case ScrollLineBack: target = position - 1; return true;
    case ScrollLineOn: target = position + 1; return true;
    case ScrollPageBack: target = position - page; return true;
    case ScrollPageOn: target = position + page; return true;
    case ScrollThumbTrack: target = thumb; return true;
    default: return false;
    }
}

bool yyviewerkey(int key, bool ctrl, int shownWidth, int shownHeight, int& bar, int& request, int& thumb) {
    // Ctrl takes the pages to the edges; the lines move one pixel with or without it.
    struct Navigation {
        int key, bar, plain, withCtrl;
    };
    static const Navigation keys[] = {
        {KeyPageUp, 1, ScrollPageBack, ScrollThumbTrack}, {KeyPageDown, 1, ScrollPageOn, ScrollThumbTrack},
        {KeyHome, 0, ScrollPageBack, ScrollThumbTrack},   {KeyEnd, 0, ScrollPageOn, ScrollThumbTrack},
        {KeyLeft, 0, ScrollLineBack, ScrollLineBack},     {KeyRight, 0, ScrollLineOn, ScrollLineOn},
        {KeyUp, 1, ScrollLineBack, ScrollLineBack},       {KeyDown, 1, ScrollLineOn, ScrollLineOn},
    };
    for (const Navigation& k : keys) {
        if (k.key != key) continue;
        bar = k.bar;
        request = ctrl ? k.withCtrl : k.plain;
        thumb = key == KeyPageDown ? shownHeight : key == KeyEnd ? shownWidth : 0;
        return true;
    }
    return false;
}

int yyviewerwheel(int position, int delta, int height) {
    if (height > 1) {
        const int limit = height / 2;
        delta = std::clamp(delta, -limit, limit);
    }
    return std::max(0, position - delta);
}

int yyviewerpan(int dragScroll, int dragMouse, int mouse) { return std::max(0, dragScroll + dragMouse - mouse); }

void yyviewerpages(int outerWidth, int outerHeight, int width, int height, int vBar, int hBar, int& pageX,
                   int& pageY) {
    bool across = outerWidth < width, down = outerHeight < height;
    if (down && !across) across = outerWidth - vBar < width;
    if (across && !down) down = outerHeight - hBar < height;
    const int clientWidth = std::max(0, outerWidth - (down ? vBar : 0));
    const int clientHeight = std::max(0, outerHeight - (across ? hBar : 0));
    pageX = across ? std::min(clientWidth, width) : width;
    pageY = down ? std::min(clientHeight, height) : height;
}
