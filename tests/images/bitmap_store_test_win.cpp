// bitmap_store_test_win.cpp - the bitmap store and its operations through the public routines,
// under Wine: real GDI bitmaps, pixels read back through a context of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "graphics/graphics.hpp"
#include "graphics/screen_win.hpp"
#include "images/bitmaps.hpp"
#include "images/bitmaps_win.hpp"
#include "images/images.hpp"

namespace {

constexpr int Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, White = 0xFFFFFF, Black = 0;

class BitmapStore : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, KeepValue, KeepValue, 400, 300);
        WInfoError(1);
    }
    void TearDown() override {
        IGrSelect(1);
        WBitmapPlotMode(0);
        WBitmapStretchMode(1);
        WindowClose();
        yyresetgravim();
    }

    static int make(int width, int height, int colour) {
        int id = 0;
        WBitmapCreate(id, width, height, colour);
        return id;
    }
    // Pixel (x, y) of bitmap id read through a memory context of the test's own, as an RGB value.
    static int pixel(int id, int x, int y) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, yybitmaphandle(id - 1));
        const COLORREF c = old != nullptr ? GetPixel(dc, x, y) : CLR_INVALID;
        if (old != nullptr) SelectObject(dc, old);
        DeleteDC(dc);
        return static_cast<int>(c);
    }
    // Every pixel of bitmap id, row by row.
    static std::vector<int> pixels(int id) {
        int w = 0, h = 0;
        yybitmapsize(id - 1, w, h);
        std::vector<int> all;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) all.push_back(pixel(id, x, y));
        return all;
    }
    static void put(int id, const std::vector<int>& values, int width, int height) {
        WBitmapGetData(id, values.data(), 0, 0, width - 1, height - 1);
    }
};

TEST_F(BitmapStore, CreateFillsWithTheColourAndReportsItsSize) {
    const int id = make(100, 50, Red);
    EXPECT_EQ(id, 1);
    int w = 0, h = 0;
    yybitmapsize(0, w, h);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 50);
    for (int value : pixels(id)) ASSERT_EQ(value, Red);
    std::vector<int> read(100 * 50, 0);
    WBitmapPutData(id, read.data(), 0, 0, 99, 49);
    for (int value : read) ASSERT_EQ(value, Red);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(BitmapStore, WithoutAColourTakesGraphicsColourZero) {
    int id = 0;
    WBitmapCreate(id, 4, 4);
    EXPECT_EQ(pixel(id, 0, 0), White);
    EXPECT_EQ(pixel(id, 3, 3), White);
}

TEST_F(BitmapStore, SlotsAreReusedAndLimitedToTheAcceptedIdentifiers) {
    EXPECT_EQ(make(5, 5, Red), 1);
    EXPECT_EQ(make(5, 5, Red), 2);
    WBitmapDestroy(1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(make(5, 5, Blue), 1);
    for (int expected = 3; expected <= 50; ++expected) ASSERT_EQ(make(2, 2, Blue), expected);
    // The 51st slot is only for the page setup's preview.
    EXPECT_EQ(make(2, 2, Blue), 0);
    EXPECT_EQ(WInfoError(1), 1020);
    gravim.images.bitmapLimit = 51;
    EXPECT_EQ(make(2, 2, Blue), 51);
    WBitmapDestroy(51);
    EXPECT_EQ(WInfoError(1), 0);
    gravim.images.bitmapLimit = 50;
}

TEST_F(BitmapStore, RefusedIdentifiersAndSizes) {
    const int id = make(3, 3, Red);
    struct {
        int identifier;
        int error;
    } destroys[] = {{0, 1021}, {51, 1021}, {-4, 1021}, {7, 1021}};
    for (const auto& d : destroys) {
        WBitmapDestroy(d.identifier);
        EXPECT_EQ(WInfoError(1), d.error) << d.identifier;
    }
    EXPECT_EQ(pixel(id, 1, 1), Red);  // untouched by the refusals
    const int sizes[][2] = {{0, 5}, {5, 0}, {-3, 4}};
    for (const auto& s : sizes) {
        EXPECT_EQ(make(s[0], s[1], Red), 0);
        EXPECT_EQ(WInfoError(1), 1020);
    }
    WBitmapClear(9, 0, 0, 1, 1);
    EXPECT_EQ(WInfoError(1), 1021);
    WBitmapPlotMode(4);
    EXPECT_EQ(WInfoError(1), 1043);
    WBitmapStretchMode(5);
    EXPECT_EQ(WInfoError(1), 1107);
    WBitmapRotate(id, 45);
    EXPECT_EQ(WInfoError(1), 1090);
    int w = 0, h = 0;
    yybitmapsize(id - 1, w, h);
    EXPECT_EQ(w, 3);
}

TEST_F(BitmapStore, ModeSettings) {
    int mode = 0;
    WBitmapGetStretchMode(mode);
    EXPECT_EQ(mode, 1);
    WBitmapStretchMode(3);
    WBitmapGetStretchMode(mode);
    EXPECT_EQ(mode, 3);
    WBitmapStretchMode(0);
    WBitmapGetStretchMode(mode);
    EXPECT_EQ(mode, 1);
    yybitmapstretchmode(7);
    WBitmapGetStretchMode(mode);
    EXPECT_EQ(mode, 1);
}

TEST_F(BitmapStore, ClearPaintsInclusiveRectanglesAndTheCreationColour) {
    const int id = make(6, 4, Blue);
    WBitmapClear(id, 0, 0, 5, 3, Green);
    WBitmapClear(id, 1, 1, 2, 2);  // -1: the creation colour
    EXPECT_EQ(WInfoError(1), 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(pixel(id, x, y), x >= 1 && x <= 2 && y >= 1 && y <= 2 ? Blue : Green) << x << "," << y;
}

TEST_F(BitmapStore, ArraysGoInAndOutRowMajor) {
    const int id = make(3, 2, White);
    const std::vector<int> values = {Red, Green, Blue, Black, 0x123456, 0x808080};
    put(id, values, 3, 2);
    EXPECT_EQ(pixels(id), values);
    std::vector<int> part(2, 0);
    WBitmapPutData(id, part.data(), 1, 1, 2, 1);
    EXPECT_EQ(part, (std::vector<int>{0x123456, 0x808080}));
    std::vector<int> outside(2, 0);
    WBitmapPutData(id, outside.data(), 2, 0, 3, 0);
    EXPECT_EQ(outside[0], Blue);
    EXPECT_EQ(outside[1], -1);
}

TEST_F(BitmapStore, DrawingOnASelectedBitmapStaysInIt) {
    const int id = make(20, 10, White);
    IGrSelect(2, id);
    EXPECT_EQ(gravim.graphics.surfaceType, 2);
    EXPECT_EQ(gravim.graphics.surfaceWidth, 20);
    EXPECT_EQ(gravim.graphics.surfaceHeight, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(gDC, pen);
    MoveToEx(gDC, 0, 5, nullptr);
    LineTo(gDC, 20, 5);
    SelectObject(gDC, old);
    DeleteObject(pen);
    IGrSelect(1);
    EXPECT_EQ(gravim.graphics.surfaceType, 1);
    EXPECT_EQ(pixel(id, 0, 5), Red);
    EXPECT_EQ(pixel(id, 19, 5), Red);
    EXPECT_EQ(pixel(id, 10, 4), White);
    // An empty slot or an identifier beyond the limit leaves the window as the surface, also
    // when a bitmap was the target before.
    for (int refused : {7, 51}) {
        IGrSelect(2, id);
        IGrSelect(2, refused);
        EXPECT_EQ(WInfoError(1), 1019);
        EXPECT_EQ(gravim.graphics.surfaceType, 1);
        EXPECT_EQ(gDC, wDC);
    }
}

TEST_F(BitmapStore, BlendModesOverAWhiteTarget) {
    const int target = make(3, 1, White);
    IGrSelect(2, target);
    // Mode 0: blue opaque, red transparent, black half transparent.
    const int row[3] = {Blue, static_cast<int>(0xFF000000u | Red), static_cast<int>(0x80000000u)};
    WBitmapBlendData(row, 0, 0, 2, 0, 0);
    IGrSelect(1);
    EXPECT_EQ(pixels(target), (std::vector<int>{Blue, White, 0x808080}));

    WBitmapClear(target, 0, 0, 2, 0, White);
    IGrSelect(2, target);
    const int red[3] = {Red, Red, Red};
    WBitmapBlendData(red, 0, 0, 2, 0, 1, 255);  // alpha 255: nothing
    IGrSelect(1);
    EXPECT_EQ(pixels(target), (std::vector<int>{White, White, White}));
    IGrSelect(2, target);
    const int marked[3] = {static_cast<int>(0xFF000000u | Red), static_cast<int>(0x40000000u | Red), Red};
    WBitmapBlendData(marked, 0, 0, 2, 0, 2, 0);  // mode 2: the marker skips, alpha 0 still blends
    IGrSelect(1);
    EXPECT_EQ(pixels(target), (std::vector<int>{White, Red, Red}));
    IGrSelect(2, target);
    WBitmapBlendData(marked, 0, 0, 2, 0, 1, 0);  // mode 1, alpha 0: the colours, top bytes ignored
    IGrSelect(1);
    EXPECT_EQ(pixels(target), (std::vector<int>{Red, Red, Red}));
}

TEST_F(BitmapStore, BlendClipsToTheTarget) {
    const int target = make(3, 2, White);
    // Ten columns from x = -5: array columns 5..7 land on target columns 0..2.
    std::vector<int> values(10 * 2, Black);
    for (int row = 0; row < 2; ++row)
        for (int c = 5; c <= 7; ++c) values[row * 10 + c] = Blue + c - 5;
    IGrSelect(2, target);
    WBitmapBlendData(values.data(), -5, 0, 4, 1, 0);
    IGrSelect(1);
    EXPECT_EQ(pixels(target), (std::vector<int>{Blue, Blue + 1, Blue + 2, Blue, Blue + 1, Blue + 2}));
}

TEST_F(BitmapStore, MirrorExchangesColumnsOrRows) {
    const int id = make(3, 2, White);
    put(id, {Red, Green, Blue, 1, 2, 3}, 3, 2);
    WBitmapMirror(id, 0);
    EXPECT_EQ(pixels(id), (std::vector<int>{Blue, Green, Red, 3, 2, 1}));
    WBitmapMirror(id, 1);
    EXPECT_EQ(pixels(id), (std::vector<int>{3, 2, 1, Blue, Green, Red}));
}

TEST_F(BitmapStore, RotateFollowsTheMapping) {
    // Pixel (x, y) of the 4 x 2 picture is 16 y + x + 1.
    std::vector<int> picture;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) picture.push_back(16 * y + x + 1);
    struct {
        int angle;
        int width, height;
        std::vector<int> expected;
    } cases[] = {
        {90, 2, 4, {4, 20, 3, 19, 2, 18, 1, 17}},
        {180, 4, 2, {20, 19, 18, 17, 4, 3, 2, 1}},
        {270, 2, 4, {17, 1, 18, 2, 19, 3, 20, 4}},
    };
    for (const auto& c : cases) {
        const int id = make(4, 2, White);
        put(id, picture, 4, 2);
        WBitmapRotate(id, c.angle);
        EXPECT_EQ(WInfoError(1), 0);
        int w = 0, h = 0;
        yybitmapsize(id - 1, w, h);
        EXPECT_EQ(w, c.width) << c.angle;
        EXPECT_EQ(h, c.height) << c.angle;
        EXPECT_EQ(pixels(id), c.expected) << c.angle;
        WBitmapDestroy(id);
    }
}

TEST_F(BitmapStore, ResizeStretchesThePicture) {
    const int id = make(2, 1, White);
    put(id, {Red, Blue}, 2, 1);
    WBitmapStretchMode(3);
    WBitmapResize(id, 20, 10);
    EXPECT_EQ(WInfoError(1), 0);
    int w = 0, h = 0;
    yybitmapsize(id - 1, w, h);
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) ASSERT_EQ(pixel(id, x, y), x < 10 ? Red : Blue) << x << "," << y;
    }
    WBitmapResize(id, 0, 5);  // impossible: the old bitmap stays
    EXPECT_EQ(WInfoError(1), 1020);
    yybitmapsize(id - 1, w, h);
    EXPECT_EQ(w, 20);
    EXPECT_EQ(pixel(id, 0, 0), Red);
    WBitmapClear(id, 0, 0, 19, 9);  // the creation colour survived the resize
    EXPECT_EQ(pixel(id, 15, 5), White);
}

TEST_F(BitmapStore, CopiesBetweenBitmapAndTarget) {
    const int source = make(2, 2, White);
    put(source, {Red, Green, Blue, Black}, 2, 2);
    const int target = make(10, 10, White);
    IGrSelect(2, target);
    WBitmapPut(source, 1, 0, 0, 10, 10);  // stretched over exactly 10 x 10
    WBitmapPut(source, 0, 8, 8, 2, 2);    // unscaled at (8, 8)
    IGrSelect(1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(pixel(target, 0, 0), Red);
    EXPECT_EQ(pixel(target, 4, 0), Red);
    EXPECT_EQ(pixel(target, 5, 0), Green);
    EXPECT_EQ(pixel(target, 0, 9), Blue);
    EXPECT_EQ(pixel(target, 7, 7), Black);
    EXPECT_EQ(pixel(target, 8, 8), Red);
    EXPECT_EQ(pixel(target, 9, 9), Black);

    // Get and part copy from the target into a bitmap; part with direction 1 copies back out.
    const int copy = make(3, 3, White);
    IGrSelect(2, target);
    WBitmapGet(copy, 4, 4, 2, 2);
    WBitmapPart(copy, 8, 8, 2, 2, 1, 1, 0);
    WBitmapPart(copy, 0, 1, 0, 0, 1, 1, 1);  // the copy's (0, 1), Blue, onto the target's top left
    IGrSelect(1);
    EXPECT_EQ(pixels(copy), (std::vector<int>{Red, Green, White, Blue, Black, White, White, White, Red}));
    EXPECT_EQ(pixel(target, 0, 0), Blue);

    // Plot mode 3 (XOR) of a bitmap onto itself twice restores it.
    WBitmapPlotMode(3);
    IGrSelect(2, target);
    WBitmapPut(source, 0, 0, 0, 2, 2);
    IGrSelect(1);
    EXPECT_EQ(pixel(target, 0, 0), Blue ^ Red);
    IGrSelect(2, target);
    WBitmapPut(source, 0, 0, 0, 2, 2);
    IGrSelect(1);
    EXPECT_EQ(pixel(target, 0, 0), Blue);
}

TEST_F(BitmapStore, TheCurrentTargetRefusesContextsOfItsOwn) {
    const int id = make(4, 4, Red);
    const int other = make(4, 4, Blue);
    IGrSelect(2, id);
    const int x = 0, y = 0;
    WBitmapClear(id, 0, 0, 1, 1, Green);
    EXPECT_EQ(WInfoError(1), 1066);
    WBitmapGet(id, x, y, 2, 2);
    EXPECT_EQ(WInfoError(1), 1066);
    WBitmapPut(id, 0, 0, 0, 2, 2);
    EXPECT_EQ(WInfoError(1), 1066);
    WBitmapPart(id, 0, 0, 0, 0, 1, 1, 0);
    EXPECT_EQ(WInfoError(1), 1066);
    WBitmapResize(id, 8, 8);
    EXPECT_EQ(WInfoError(1), 1066);
    WBitmapRotate(id, 90);
    EXPECT_EQ(WInfoError(1), 1066);
    WBitmapGetResource(id, 301);
    EXPECT_EQ(WInfoError(1), 1066);
    int w = 0, h = 0;
    yybitmapsize(id - 1, w, h);
    EXPECT_EQ(w, 4);
    // Pixel arrays and mirror work through the drawing context itself.
    const int values[2] = {Green, White};
    WBitmapGetData(id, values, 0, 0, 1, 0);
    EXPECT_EQ(WInfoError(1), 0);
    WBitmapMirror(id, 0);
    EXPECT_EQ(WInfoError(1), 0);
    WBitmapPut(other, 0, 3, 3, 1, 1);
    EXPECT_EQ(WInfoError(1), 0);
    IGrSelect(1);
    EXPECT_EQ(pixel(id, 3, 0), Green);
    EXPECT_EQ(pixel(id, 2, 0), White);
    EXPECT_EQ(pixel(id, 3, 3), Blue);
}

TEST_F(BitmapStore, DestroyingTheTargetLeavesTheWindowAsSurface) {
    const int id = make(4, 4, Red);
    IGrSelect(2, id);
    EXPECT_EQ(gravim.graphics.surfaceType, 2);
    WBitmapDestroy(id);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(yybitmaphandle(id - 1), nullptr);
    EXPECT_EQ(gravim.graphics.surfaceType, 1);
    EXPECT_EQ(gDC, wDC);
    EXPECT_EQ(make(2, 2, Red), id);
}

TEST_F(BitmapStore, ResourcesAreCopiedAndMeasured) {
    int w = 0, h = 0;
    WBitmapResourceInfo(301, w, h);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 3);
    WBitmapResourceInfo(399, w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    const int id = make(6, 4, White);
    WBitmapGetResource(id, 301);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(pixel(id, 0, 0), RGB(0, 0, 200));
    EXPECT_EQ(pixel(id, 4, 2), RGB(200, 160, 200));
    WBitmapGetResource(id, 399);
    EXPECT_EQ(WInfoError(1), 1015);
    WBitmapGetResource(12, 301);
    EXPECT_EQ(WInfoError(1), 1021);
}

TEST_F(BitmapStore, DialogPictureIsACopyThatOutlivesTheBitmap) {
    const int id = make(8, 6, Green);
    WDialogLoad(320);
    WDialogPutImage(321, id, 3);
    EXPECT_EQ(WInfoError(1), 0);
    WBitmapDestroy(id);
    EXPECT_EQ(WInfoError(1), 0);
    HWND field = GetDlgItem(yycurrentdialogwindow(), 321);
    auto shown = reinterpret_cast<HBITMAP>(SendMessageA(field, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(shown, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, shown);
    EXPECT_EQ(static_cast<int>(GetPixel(dc, 7, 5)), Green);
    SelectObject(dc, old);
    DeleteDC(dc);
    WDialogPutImage(321, id, 3);  // an empty slot
    EXPECT_EQ(WInfoError(1), 1015);
    WDialogUnload();
}

}  // namespace
