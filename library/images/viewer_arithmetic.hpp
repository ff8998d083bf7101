// viewer_arithmetic.hpp - the arithmetic of the bitmap viewer that needs no window: fitting the
// frame to the bitmap, scroll requests, navigation keys, the wheel and panning (portable).
#pragma once

// Scroll requests, numbered as the platform's scroll-bar notifications.
enum ScrollRequest : int {
    ScrollLineBack = 0,   // line up / left
    ScrollLineOn = 1,     // line down / right
    ScrollPageBack = 2,
    ScrollPageOn = 3,
    ScrollThumbTrack = 5,
};

// The frame size after showing a bitmap that needs a needWidth x needHeight frame (scroll bars of
// vBar width and hBar height; nt3: the bars are always there). The frame only ever shrinks.
void yyviewerfit(int frameWidth, int frameHeight, int needWidth, int needHeight, int vBar, int hBar, bool nt3,
                 int& width, int& height);
// The largest frame of a viewer needing cx x cy when maximised to mx x my: the maximised size and
// the frame size at which the whole bitmap shows (-999 when it cannot).
void yyviewermaxsize(int cx, int cy, int mx, int my, int vBar, int hBar, bool nt3, int& maxWidth, int& maxHeight,
                     int& fitWidth, int& fitHeight);
// The position a scroll request asks for, from the current position, the page and the thumb.
// False for a request that does nothing.
bool yyviewerscroll(int request, int position, int page, int thumb, int& target);
// A navigation key (platform key code) with or without Ctrl: the bar (0 horizontal, 1 vertical),
// the request and its thumb position. False for any other key.
bool yyviewerkey(int key, bool ctrl, int shownWidth, int shownHeight, int& bar, int& request, int& thumb);
// The vertical position after a wheel turn of delta in a client area height pixels high.
int yyviewerwheel(int position, int delta, int height);
// A pan step: the scroll position for a mouse now at `mouse` that was at dragMouse while the
// view was at dragScroll.
int yyviewerpan(int dragScroll, int dragMouse, int mouse);
// The scroll pages of a viewer window whose outer size (client and scroll bars) is outer x
// outerHeight showing a width x height bitmap: a bar is needed in a direction the bitmap does not
// fit, counting the room the other bar takes; a page without a bar is the whole bitmap.
void yyviewerpages(int outerWidth, int outerHeight, int width, int height, int vBar, int hBar, int& pageX,
                   int& pageY);
