// metafile_slots_test_win.cpp - enhanced-metafile slots under Wine: the recording's frame, the
// slot as drawing target, closing by play and save, loading, destroying, the slot's picture on a
// dialog static, and a drawing saved for read_slots.py (emf2svg-conv and rsvg-convert).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/metafile_gdi_win.hpp"
#include "graphics/metafiles.hpp"
#include "graphics/screen_win.hpp"
#include "graphics_fixture.hpp"
#include "images/images.hpp"
#include "gui_driver_win.hpp"
#include "scratch.hpp"

namespace {

class MetafileSlots : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        open(400, 300);
    }
    MetafileSlot& slot(int n) { return gravim.graphics.metafileSlots[n]; }

    // Red rectangle in the left part, blue ellipse in the right part of a w x h surface.
    static void drawPicture(HDC dc, int w, int h) {
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
        HGDIOBJ pen = SelectObject(dc, GetStockObject(NULL_PEN));
        HGDIOBJ brush = SelectObject(dc, red);
        Rectangle(dc, w / 10, h / 5, w * 2 / 5, h * 4 / 5);
        SelectObject(dc, blue);
        Ellipse(dc, w * 3 / 5, h / 5, w * 9 / 10, h * 4 / 5);
        SelectObject(dc, brush);
        SelectObject(dc, pen);
        DeleteObject(red);
        DeleteObject(blue);
    }

    // Bounding box of the pixels of one colour in a memory picture, as fractions of its size.
    struct Box {
        double left = 1, top = 1, right = 0, bottom = 0;
        bool found = false;
    };
    static Box boxOf(HDC dc, int w, int h, COLORREF colour) {
        Box box;
        for (int y = 0; y < h; y += 2)
            for (int x = 0; x < w; x += 2)
                if (GetPixel(dc, x, y) == colour) {
                    box.found = true;
                    box.left = std::min(box.left, double(x) / w), box.right = std::max(box.right, double(x) / w);
                    box.top = std::min(box.top, double(y) / h), box.bottom = std::max(box.bottom, double(y) / h);
                }
        return box;
    }

    // A memory picture of w x h with the slot's metafile played into all of it.
    struct Picture {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ old = nullptr;
        Picture(int w, int h) {
            HDC screen = GetDC(nullptr);
            dc = CreateCompatibleDC(screen);
            bitmap = CreateCompatibleBitmap(screen, w, h);
            ReleaseDC(nullptr, screen);
            old = SelectObject(dc, bitmap);
            RECT all = {0, 0, w, h};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        ~Picture() {
            SelectObject(dc, old);
            DeleteObject(bitmap);
            DeleteDC(dc);
        }
    };

    void playInto(HDC dc, int index, int w, int h) {
        HDC kept = gDC;
        gDC = dc;
        yymetafileplay(index, 0, 0, w, h);
        gDC = kept;
    }

    static std::string readFile(const std::string& path) {
        std::string bytes;
        if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
            std::fclose(f);
        }
        return bytes;
    }
    static int longAt(const std::string& bytes, std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8 |
                                static_cast<unsigned char>(bytes[at + 2]) << 16 |
                                static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 3])) << 24);
    }
};

}  // namespace

TEST_F(MetafileSlots, ARecordingHasTheFrameOfItsSizeInPoints) {
    ScratchFolder scratch;
    ASSERT_EQ(yymetafileslotcreate(1, 3, 72, 36), 0);
    EXPECT_TRUE(yymetafilerecording(0));
    EXPECT_EQ(slot(1).slotType, 3);
    EXPECT_NE(slot(1).slotInUse, 0);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    const int hres = GetDeviceCaps(screen, HORZRES), hsize = GetDeviceCaps(screen, HORZSIZE);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(wMetafileDPI, dpi);
    EXPECT_EQ(slot(1).slotDrawingWidth, 72 * hres * 254 / (720 * hsize));
    int error = -1, system = -1;
    yymetafilesave(0, error, system, "frame.emf");
    EXPECT_EQ(error, 0);
    const std::string bytes = readFile("frame.emf");
    ASSERT_GE(bytes.size(), 88u);
    EXPECT_EQ(longAt(bytes, 0), 1);  // EMR_HEADER
    EXPECT_EQ(longAt(bytes, 24), 0);
    EXPECT_EQ(longAt(bytes, 28), 0);
    EXPECT_EQ(longAt(bytes, 32), 2540);
    EXPECT_EQ(longAt(bytes, 36), 1270);
}

TEST_F(MetafileSlots, ASlotIsDrawnIntoUntilPlayedOrSaved) {
    ScratchFolder scratch;
    ASSERT_EQ(yymetafileslotcreate(2, 3, 300, 200), 0);
    IGrSelect(4, 2);
    EXPECT_EQ(WInfoError(1), 0);
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(g.surfaceType, 4);
    EXPECT_EQ(g.deviceKind, 0);
    EXPECT_EQ(g.surfaceWidth, slot(2).slotDrawingWidth);
    EXPECT_EQ(g.surfaceHeight, slot(2).slotDrawingHeight);
    EXPECT_EQ(gDC, MetafileDC[1]);
    EXPECT_EQ(hGraphicsMetafile, MetafileDC[1]);
    const int w = g.surfaceWidth, h = g.surfaceHeight;
    drawPicture(gDC, w, h);

    // Playing closes the recording: the target is released and the slot is no longer selectable.
    Picture picture(200, 100);
    playInto(picture.dc, 1, 200, 100);
    EXPECT_FALSE(yymetafilerecording(1));
    EXPECT_EQ(hGraphicsMetafile, nullptr);
    int status = 0, width = 0, height = 0;
    yymetafileselect(2, status, width, height);
    EXPECT_EQ(status, 1);
    const Box red = boxOf(picture.dc, 200, 100, RGB(255, 0, 0));
    const Box blue = boxOf(picture.dc, 200, 100, RGB(0, 0, 255));
    ASSERT_TRUE(red.found);
    ASSERT_TRUE(blue.found);
    EXPECT_NEAR(red.left, 0.1, 0.03);
    EXPECT_NEAR(red.right, 0.4, 0.03);
    EXPECT_NEAR(blue.left, 0.6, 0.03);
    EXPECT_NEAR(blue.bottom, 0.8, 0.04);

    // It plays and saves any number of times.
    int error = -1, system = -1;
    for (const char* name : {"one.emf", "two.emf"}) {
        yymetafilesave(1, error, system, name);
        EXPECT_EQ(error, 0) << name;
    }
    EXPECT_EQ(readFile("one.emf"), readFile("two.emf"));
    yymetafilesave(1, error, system, "no such folder\\x.emf");
    EXPECT_EQ(error, 1);
    EXPECT_NE(system, 0);

    // Saving a recording closes it too.
    ASSERT_EQ(yymetafileslotcreate(3, 3, 100, 100), 0);
    IGrSelect(4, 3);
    yymetafilesave(2, error, system, "three.emf");
    EXPECT_EQ(error, 0);
    yymetafileselect(3, status, width, height);
    EXPECT_EQ(status, 1);
    IGrSelect(1);
}

// The library's own drawing reaches the recording through the screen device.
TEST_F(MetafileSlots, TheScreenDeviceDrawsIntoTheRecording) {
    ASSERT_EQ(yymetafileslotcreate(10, 3, 300, 200), 0);
    IGrSelect(4, 10);
    ASSERT_EQ(WInfoError(1), 0);
    IGrColourModel(24);
    IGrColourN(WRGB(255, 0, 0));
    yysetfillstyle(4);
    IGrRectangle(0.1f, 0.2f, 0.4f, 0.8f);
    IGrColourN(WRGB(0, 0, 255));
    IGrRectangle(0.6f, 0.2f, 0.9f, 0.8f);
    IGrSelect(1);
    Picture picture(300, 200);
    playInto(picture.dc, 9, 300, 200);
    const Box red = boxOf(picture.dc, 300, 200, RGB(255, 0, 0));
    const Box blue = boxOf(picture.dc, 300, 200, RGB(0, 0, 255));
    ASSERT_TRUE(red.found);
    ASSERT_TRUE(blue.found);
    EXPECT_NEAR(red.left, 0.1, 0.03);
    EXPECT_NEAR(red.right, 0.4, 0.03);
    EXPECT_NEAR(red.top, 0.2, 0.03);
    EXPECT_NEAR(blue.left, 0.6, 0.03);
    EXPECT_NEAR(blue.bottom, 0.8, 0.03);
}

TEST_F(MetafileSlots, LoadedMetafilesPlayAndSaveButAreNotDrawnInto) {
    ScratchFolder scratch;
    ASSERT_EQ(yymetafileslotcreate(1, 3, 300, 200), 0);
    IGrSelect(4, 1);
    drawPicture(gDC, gravim.graphics.surfaceWidth, gravim.graphics.surfaceHeight);
    IGrSelect(1);
    int error = -1, system = -1;
    yymetafilesave(0, error, system, "picture.emf");
    ASSERT_EQ(error, 0);
    const int size = static_cast<int>(readFile("picture.emf").size());

    ASSERT_EQ(yymetafileslotcreate(5, 3, 50, 50), 0);  // a live recording in entry 4
    yymetafileload(4, size, error, system, "picture.emf");
    EXPECT_EQ(error, 0);
    EXPECT_NE(MetafileDC[4], nullptr);
    EXPECT_NE(hMetafile[4], nullptr);
    int status = 0, width = 0, height = 0;
    yymetafileselect2(4, 100, 100, status);
    EXPECT_EQ(status, 1);
    Picture picture(100, 50);
    playInto(picture.dc, 4, 100, 50);
    EXPECT_TRUE(boxOf(picture.dc, 100, 50, RGB(255, 0, 0)).found);
    yymetafilesave(4, error, system, "again.emf");
    EXPECT_EQ(error, 0);

    // Loading over a live entry deletes it first, also when the file cannot be opened or is short.
    yymetafileload(4, size, error, system, "missing.emf");
    EXPECT_EQ(error, 1);
    EXPECT_EQ(system, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(MetafileDC[4], nullptr);
    EXPECT_EQ(hMetafile[4], nullptr);
    yymetafileload(4, size + 100, error, system, "picture.emf");
    EXPECT_EQ(error, 2);
    EXPECT_EQ(MetafileDC[4], nullptr);
    EXPECT_EQ(hMetafile[4], nullptr);
    // Bytes that are no enhanced metafile: no metafile, and not a success.
    if (std::FILE* f = std::fopen("garbage.emf", "wb")) {
        std::fputs("not a metafile at all, just some text", f);
        std::fclose(f);
    }
    yymetafileload(4, 20, error, system, "garbage.emf");
    EXPECT_EQ(error, 2);
    EXPECT_EQ(MetafileDC[4], nullptr);
    EXPECT_EQ(hMetafile[4], nullptr);
    (void)width;
    (void)height;

    // Destroying an enhanced-metafile slot empties its entry and keeps the drawing size.
    const int drawingWidth = slot(1).slotDrawingWidth;
    WMetafileDestroy(1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(MetafileDC[0], nullptr);
    EXPECT_EQ(hMetafile[0], nullptr);
    EXPECT_EQ(slot(1).slotType, 0);
    EXPECT_EQ(slot(1).slotDrawingWidth, drawingWidth);
    WMetafileDestroy(1);
    EXPECT_EQ(WInfoError(1), 1060);
}

// A slot that cannot be selected leaves the window's context as the target, never the context of
// the target released before.
TEST_F(MetafileSlots, AFailedSelectionDrawsIntoTheWindowAgain) {
    int bitmap = 0;
    WBitmapCreate(bitmap, 50, 50);
    ASSERT_EQ(bitmap, 1);
    IGrSelect(2, 1);
    ASSERT_EQ(WInfoError(1), 0);
    HDC bitmapDC = gDC;
    for (int slotNumber : {5, 21}) {
        IGrSelect(4, slotNumber);
        EXPECT_EQ(WInfoError(1), 1019);
        EXPECT_NE(gDC, bitmapDC);
        EXPECT_EQ(GetObjectType(gDC), static_cast<DWORD>(OBJ_DC)) << slotNumber;
        IGrSelect(2, 1);
        bitmapDC = gDC;
    }
    IGrSelect(1);
    WBitmapDestroy(1);
}

TEST_F(MetafileSlots, WindowCloseDestroysEverySlot) {
    ASSERT_EQ(yymetafileslotcreate(7, 3, 100, 100), 0);
    ASSERT_EQ(yymetafileslotcreate(8, 6, 100, 100, 1000), 0);
    IGrSelect(4, 7);
    WindowClose();
    EXPECT_EQ(slot(7).slotType, 0);
    EXPECT_EQ(slot(8).slotType, 0);
    EXPECT_EQ(MetafileDC[6], nullptr);
    EXPECT_EQ(hGraphicsMetafile, nullptr);
}

// The slot's picture on a dialog static: a copy, the recording closed first.
TEST_F(MetafileSlots, ADialogStaticShowsTheSlotsDrawing) {
    ASSERT_EQ(yymetafileslotcreate(4, 3, 200, 100), 0);
    IGrSelect(4, 4);
    drawPicture(gDC, gravim.graphics.surfaceWidth, gravim.graphics.surfaceHeight);
    IGrSelect(1);
    ASSERT_EQ(yymetafileslotcreate(6, 6, 100, 100, 1000), 0);

    WDialogLoad(401);
    WDialogShow(-1, -1, 0, 2);
    struct Refusal {
        int slot, error;
    } refusals[] = {{0, 1015}, {21, 1015}, {6, 1061}, {9, 1061}};
    for (const Refusal& r : refusals) {
        WDialogPutImage(4011, r.slot, 4);
        EXPECT_EQ(WInfoError(1), r.error) << r.slot;
    }
    WDialogPutImage(4011, 4, 4);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_FALSE(yymetafilerecording(3));
    HWND dialog = FindWindowA("#32770", "Graphics field");
    ASSERT_NE(dialog, nullptr);
    HWND field = GetDlgItem(dialog, 4011);
    EXPECT_NE(SendMessageA(field, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0), 0);
    EXPECT_NE(reinterpret_cast<HENHMETAFILE>(SendMessageA(field, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0)), hMetafile[3]);
    RECT r;
    GetWindowRect(field, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const auto colourAt = [&](double fx, double fy) {
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, r.left + static_cast<int>(fx * w), r.top + static_cast<int>(fy * h));
        ReleaseDC(nullptr, screen);
        return c;
    };
    EXPECT_TRUE(pumpUntil([&] { return colourAt(0.25, 0.5) == RGB(255, 0, 0); }, 5000));
    EXPECT_EQ(colourAt(0.75, 0.5), RGB(0, 0, 255));
    // The slot's own metafile outlives the field's copy.
    WDialogUnload();
    WMetafileDestroy(4);
    EXPECT_EQ(WInfoError(1), 0);
}

#ifdef GRAV_SLOTS_DIR
// The same picture recorded in a slot and drawn on a memory surface: the slot's file goes to
// read_slots.py with the boxes found here, which it compares with emf2svg-conv's rendering.
TEST_F(MetafileSlots, DrawingForEmfReaders) {
    ASSERT_EQ(yymetafileslotcreate(9, 3, 400, 300), 0);
    IGrSelect(4, 9);
    const int w = gravim.graphics.surfaceWidth, h = gravim.graphics.surfaceHeight;
    drawPicture(gDC, w, h);
    IGrSelect(1);
    int error = -1, system = -1;
    const std::string folder = GRAV_SLOTS_DIR;
    yymetafilesave(8, error, system, folder + "/drawing.emf");
    ASSERT_EQ(error, 0);
    Picture picture(w, h);
    drawPicture(picture.dc, w, h);
    std::FILE* boxes = std::fopen((folder + "/drawing.boxes").c_str(), "wb");
    ASSERT_NE(boxes, nullptr);
    for (const auto& [name, colour] : {std::pair{"red", RGB(255, 0, 0)}, std::pair{"blue", RGB(0, 0, 255)}}) {
        const Box box = boxOf(picture.dc, w, h, colour);
        ASSERT_TRUE(box.found);
        std::fprintf(boxes, "%s %.4f %.4f %.4f %.4f\n", name, box.left, box.top, box.right, box.bottom);
    }
    std::fclose(boxes);
}
#endif
