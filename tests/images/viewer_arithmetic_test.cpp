// viewer_arithmetic_test.cpp - fitting, scrolling, keys, wheel and panning of the bitmap viewer.
#include <gtest/gtest.h>

#include "images/viewer_arithmetic.hpp"

namespace {

constexpr int Bar = 16;

TEST(ViewerFit, TheFrameOnlyShrinks) {
    struct {
        const char* what;
        int frameW, frameH, needW, needH;
        bool nt3;
        int width, height;
    } cases[] = {
        {"both fit: shrink to the bitmap", 600, 500, 320, 240, false, 320, 240},
        {"width fits with room for the bar", 600, 100, 320, 240, false, 336, 100},
        {"width fits but not with the bar", 330, 100, 320, 240, false, 330, 100},
        {"height fits with room for the bar", 100, 500, 320, 240, false, 100, 256},
        {"neither fits", 100, 100, 320, 240, false, 100, 100},
        {"NT 3 adds no bar", 600, 100, 320, 240, true, 320, 100},
    };
    for (const auto& c : cases) {
        int w = 0, h = 0;
        yyviewerfit(c.frameW, c.frameH, c.needW, c.needH, Bar, Bar, c.nt3, w, h);
        EXPECT_EQ(w, c.width) << c.what;
        EXPECT_EQ(h, c.height) << c.what;
    }
}

TEST(ViewerFit, MaximisedSize) {
    int mx = 0, my = 0, fx = 0, fy = 0;
    yyviewermaxsize(300, 200, 1000, 800, Bar, Bar, false, mx, my, fx, fy);
    EXPECT_EQ(mx, 300);
    EXPECT_EQ(my, 200);
    EXPECT_EQ(fx, 300);
    EXPECT_EQ(fy, 200);
    yyviewermaxsize(300, 2000, 1000, 800, Bar, Bar, false, mx, my, fx, fy);
    EXPECT_EQ(mx, 316);
    EXPECT_EQ(my, 800);
    EXPECT_EQ(fx, 316);
    EXPECT_EQ(fy, -999);
    yyviewermaxsize(3000, 200, 1000, 800, Bar, Bar, false, mx, my, fx, fy);
    EXPECT_EQ(mx, 1000);
    EXPECT_EQ(my, 216);
    EXPECT_EQ(fx, -999);
    EXPECT_EQ(fy, -999);
    yyviewermaxsize(3000, 2000, 1000, 800, Bar, Bar, false, mx, my, fx, fy);
    EXPECT_EQ(mx, 1000);
    EXPECT_EQ(my, 800);
    EXPECT_EQ(fx, -999);
}

TEST(ViewerScroll, PagesFollowTheBarsTheBitmapNeeds) {
    int px = 0, py = 0;
    yyviewerpages(300, 200, 300, 200, Bar, Bar, px, py);  // exactly fits: no bars
    EXPECT_EQ(px, 300);
    EXPECT_EQ(py, 200);
    yyviewerpages(400, 300, 2000, 1500, Bar, Bar, px, py);  // both bars
    EXPECT_EQ(px, 384);
    EXPECT_EQ(py, 284);
    yyviewerpages(310, 200, 300, 1000, Bar, Bar, px, py);  // the vertical bar makes the width short
    EXPECT_EQ(px, 294);
    EXPECT_EQ(py, 184);
    yyviewerpages(316, 200, 300, 1000, Bar, Bar, px, py);  // room for the vertical bar
    EXPECT_EQ(px, 300);
    EXPECT_EQ(py, 200);
}

TEST(ViewerScroll, Requests) {
    int target = 0;
    EXPECT_TRUE(yyviewerscroll(ScrollLineBack, 10, 50, 0, target));
    EXPECT_EQ(target, 9);
    EXPECT_TRUE(yyviewerscroll(ScrollLineOn, 10, 50, 0, target));
    EXPECT_EQ(target, 11);
    EXPECT_TRUE(yyviewerscroll(ScrollPageBack, 10, 50, 0, target));
    EXPECT_EQ(target, -40);
    EXPECT_TRUE(yyviewerscroll(ScrollPageOn, 10, 50, 0, target));
    EXPECT_EQ(target, 60);
    EXPECT_TRUE(yyviewerscroll(ScrollThumbTrack, 10, 50, 77, target));
    EXPECT_EQ(target, 77);
    EXPECT_FALSE(yyviewerscroll(8, 10, 50, 77, target));  // end of scroll: nothing
}

TEST(ViewerScroll, NavigationKeys) {
    struct {
        int key;
        bool ctrl;
        int bar, request, thumb;
    } cases[] = {
        {0x21, false, 1, ScrollPageBack, 0}, {0x21, true, 1, ScrollThumbTrack, 0},
        {0x22, false, 1, ScrollPageOn, 900}, {0x22, true, 1, ScrollThumbTrack, 900},
        {0x24, false, 0, ScrollPageBack, 0}, {0x24, true, 0, ScrollThumbTrack, 0},
        {0x23, false, 0, ScrollPageOn, 700}, {0x23, true, 0, ScrollThumbTrack, 700},
        {0x25, true, 0, ScrollLineBack, 0},  {0x27, false, 0, ScrollLineOn, 0},
        {0x26, false, 1, ScrollLineBack, 0}, {0x28, true, 1, ScrollLineOn, 0},
    };
    for (const auto& c : cases) {
        int bar = -1, request = -1, thumb = -1;
        ASSERT_TRUE(yyviewerkey(c.key, c.ctrl, 700, 900, bar, request, thumb)) << c.key;
        EXPECT_EQ(bar, c.bar) << c.key;
        EXPECT_EQ(request, c.request) << c.key;
        if (request == ScrollThumbTrack) {
            EXPECT_EQ(thumb, c.thumb) << c.key;
        }
    }
    int bar = 0, request = 0, thumb = 0;
    EXPECT_FALSE(yyviewerkey('A', false, 700, 900, bar, request, thumb));
}

TEST(ViewerScroll, WheelAndPan) {
    EXPECT_EQ(yyviewerwheel(200, 120, 100), 150);   // limited to half the height
    EXPECT_EQ(yyviewerwheel(200, -120, 100), 250);
    EXPECT_EQ(yyviewerwheel(30, 120, 100), 0);      // never above the top
    EXPECT_EQ(yyviewerwheel(200, 120, 1000), 80);   // a tall view takes the whole notch
    EXPECT_EQ(yyviewerwheel(200, 120, 1), 80);      // no limit for a view one pixel high
    EXPECT_EQ(yyviewerpan(100, 150, 120), 130);
    EXPECT_EQ(yyviewerpan(10, 100, 150), 0);
}

}  // namespace
