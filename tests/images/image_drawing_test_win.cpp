// image_drawing_test_win.cpp - yyloadimage under Wine: files made by ImageMagick and netpbm drawn
// onto a bitmap that is the drawing target, onto a printer-like memory context and into a
// Windows metafile played back, at natural size, stretched with each stretch mode and turned;
// the clip region, the failures, the clipboard's bitmap through the real clipboard, and OpImage
// of the screen device. Pixels are read back with GetPixel and compared with ImageMagick's.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/metafile_layer_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "images/image_files.hpp"
#include "images/images.hpp"
#include "scratch.hpp"

namespace {

constexpr int White = 0xFFFFFF, Width = 13, Height = 7;
constexpr int SurfaceWidth = 80, SurfaceHeight = 60;

std::string fixture(const std::string& name) { return std::string("Z:") + GRAV_DRAWING_FIXTURES + "/" + name; }

// ImageMagick's pixels of a fixture as RGB values, top row first.
std::vector<int> expected(const std::string& name) {
    std::vector<int> values;
    std::FILE* f = std::fopen((fixture(name) + ".rgb").c_str(), "rb");
    if (f == nullptr) return values;
    unsigned char rgb[3];
    while (std::fread(rgb, 1, 3, f) == 3) values.push_back(rgb[0] | rgb[1] << 8 | rgb[2] << 16);
    std::fclose(f);
    return values;
}

int kindOf(const std::string& name) {
    const std::string ext = name.substr(name.size() - 3);
    return ext == "bmp" ? 1 : ext == "pcx" ? 2 : 15;
}

struct Drawn {
    int error = -1, system = -1;
};

// The drawer's call with the rectangle, stretch, stretch mode, angle and offsets.
Drawn draw(int kind, int target, int x1, int y1, int x2, int y2, int stretch, int mode, int angle, int dx, int dy,
           const std::string& path) {
    Drawn d;
    yyloadimage(kind, target, x1, y1, x2, y2, stretch, mode, angle, dx, dy, d.error, d.system, path.c_str());
    return d;
}
Drawn drawFixture(const std::string& name, int x1, int y1, int x2, int y2, int stretch, int mode = 3, int angle = 0,
                  int dx = 0, int dy = 0, int target = 0) {
    return draw(kindOf(name), target, x1, y1, x2, y2, stretch, mode, angle, dx, dy, fixture(name));
}

int pixel(HDC dc, int x, int y) { return static_cast<int>(GetPixel(dc, x, y)); }

void clear(HDC dc, int width, int height) { PatBlt(dc, 0, 0, width, height, WHITENESS); }

const char* const fixtures[] = {"rgb.bmp",   "pal8.bmp",  "rle8.bmp", "mono.bmp",  "pal4.bmp", "v5.bmp",
                                "fields.bmp", "pcx24.pcx", "pcx8.pcx", "pcx4.pcx",  "pcx1.pcx", "rgb.png",
                                "rgb16.png", "rgba.png",  "pal.png",  "pal4.png",  "pal2.png", "pal1.png"};

class ImageDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, KeepValue, KeepValue, 400, 300);
        WInfoError(1);
        int id = 0;
        WBitmapCreate(id, SurfaceWidth, SurfaceHeight, White);
        ASSERT_EQ(id, 1);
        IGrSelect(2, id);
        ASSERT_NE(gDC, nullptr);
    }
    void TearDown() override {
        IGrSelect(1);
        WindowClose();
        yyresetgravim();
    }
    // The fixture's picture found at (x, y) of dc, each pixel scale x scale, the pixel read being
    // the last of each block (away from the rounding at the block's first row and column).
    static void expectPicture(HDC dc, const std::vector<int>& want, int x, int y, int scale = 1, int width = Width,
                              int height = Height) {
        ASSERT_EQ(want.size(), static_cast<std::size_t>(width * height));
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c)
                ASSERT_EQ(pixel(dc, x + scale * c + scale - 1, y + scale * r + scale - 1), want[static_cast<std::size_t>(r * width + c)])
                    << "column " << c << ", row " << r;
    }
};

TEST_F(ImageDrawing, EveryFixtureNaturalAndStretched) {
    for (const char* name : fixtures) {
        SCOPED_TRACE(name);
        const std::vector<int> want = expected(name);
        ASSERT_EQ(want.size(), static_cast<std::size_t>(Width * Height));
        clear(gDC, SurfaceWidth, SurfaceHeight);
        Drawn d = drawFixture(name, 3, 2, 0, 0, 0);
        EXPECT_EQ(d.error, 0);
        expectPicture(gDC, want, 3, 2);
        EXPECT_EQ(pixel(gDC, 3 + Width, 2), White);  // exactly W columns and H rows
        EXPECT_EQ(pixel(gDC, 3, 2 + Height), White);
        d = drawFixture(name, 30, 20, 30 + 2 * Width - 1, 20 + 2 * Height - 1, 1, 3);
        EXPECT_EQ(d.error, 0);
        expectPicture(gDC, want, 30, 20, 2);
        EXPECT_EQ(pixel(gDC, 30 + 2 * Width, 20), White);
    }
}

// Files of Debian's Python packages, at natural size.
TEST_F(ImageDrawing, FilesOfDebianPackages) {
    const struct {
        const char* name;
        int size;
    } files[] = {{"python.bmp", 16}, {"python.png", 16}, {"idle_48.png", 48}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        clear(gDC, SurfaceWidth, SurfaceHeight);
        EXPECT_EQ(drawFixture(f.name, 4, 3, 0, 0, 0).error, 0);
        expectPicture(gDC, expected(f.name), 4, 3, 1, f.size, f.size);
    }
}

// A 2 x 1 BMP of 24 bits: black, white.
void writeBlackWhite(const std::string& name) {
    unsigned char file[62] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24};
    for (int i = 57; i < 60; ++i) file[i] = 255;
    std::FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(file, 1, sizeof file, f);
    std::fclose(f);
}

TEST_F(ImageDrawing, StretchModesAndTheContextsModeKept) {
    ScratchFolder scratch;
    writeBlackWhite("bw.bmp");
    // Black and white shrunk into one pixel: mode 1 keeps black, mode 2 keeps white.
    const struct {
        int mode, colour;
    } cases[] = {{1, 0}, {2, White}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SetStretchBltMode(gDC, HALFTONE);
        const Drawn d = draw(1, 0, 5, 5, 5, 5, 1, c.mode, 0, 0, 0, "bw.bmp");
        EXPECT_EQ(d.error, 0);
        EXPECT_EQ(pixel(gDC, 5, 5), c.colour);
        EXPECT_EQ(GetStretchBltMode(gDC), HALFTONE);  // put back
    }
    // Mode 0 leaves the context's mode alone: its own mode does the shrinking.
    SetStretchBltMode(gDC, WHITEONBLACK);
    EXPECT_EQ(draw(1, 0, 7, 5, 7, 5, 1, 0, 0, 0, 0, "bw.bmp").error, 0);
    EXPECT_EQ(pixel(gDC, 7, 5), White);
    EXPECT_EQ(GetStretchBltMode(gDC), WHITEONBLACK);
}

TEST_F(ImageDrawing, TurnedPicturesLandWhereTheTransformPutsThem) {
    const std::vector<int> want = expected("rgb.png");
    ASSERT_EQ(want.size(), static_cast<std::size_t>(Width * Height));
    const int x1 = 5, y1 = 4, left = 30, top = 3;
    for (int angle : {90, 180, 270}) {
        for (int scale : {1, 2}) {
            SCOPED_TRACE(testing::Message() << angle << " at scale " << scale);
            clear(gDC, SurfaceWidth, SurfaceHeight);
            // Offsets that put the turned rectangle's top left corner at (left, top).
            const int w = scale * Width, h = scale * Height;
            int dx = 0, dy = 0;
            if (angle == 90) dx = left - y1, dy = top + x1 + w;
            if (angle == 180) dx = left + x1 + w, dy = top + y1 + h;
            if (angle == 270) dx = left + y1 + h, dy = top - x1;
            const Drawn d = drawFixture("rgb.png", x1, y1, x1 + w - 1, y1 + h - 1, scale == 2, 3, angle, dx, dy);
            EXPECT_EQ(d.error, 0);
            const bool across = angle != 180;
            const int boxWidth = across ? h : w, boxHeight = across ? w : h;
            for (int r = 0; r < Height; ++r) {
                for (int c = 0; c < Width; ++c) {
                    int x = 0, y = 0;  // where pixel (c, r) goes, in picture pixels of the turned box
                    if (angle == 90) x = r, y = Width - 1 - c;
                    if (angle == 180) x = Width - 1 - c, y = Height - 1 - r;
                    if (angle == 270) x = Height - 1 - r, y = c;
                    ASSERT_EQ(pixel(gDC, left + scale * x + scale - 1, top + scale * y + scale - 1), want[static_cast<std::size_t>(r * Width + c)])
                        << "column " << c << ", row " << r;
                }
            }
            // The turned picture covers H columns and W rows (times the scale), nothing more.
            EXPECT_EQ(pixel(gDC, left + boxWidth, top), White);
            EXPECT_EQ(pixel(gDC, left, top + boxHeight), White);
            EXPECT_EQ(pixel(gDC, left - 1, top), White);
        }
    }
    // Outside the NT family the turned picture stands at (x1, y1) and the offsets are not used.
    gravim.system.WinNT = 0;
    clear(gDC, SurfaceWidth, SurfaceHeight);
    EXPECT_EQ(drawFixture("rgb.png", x1, y1, 0, 0, 0, 0, 90, 1000, 1000).error, 0);
    gravim.system.WinNT = 1;
    EXPECT_EQ(pixel(gDC, x1, y1 + Width - 1), want[0]);
    EXPECT_EQ(pixel(gDC, x1 + Height - 1, y1), want[static_cast<std::size_t>(Width * Height - 1)]);
    EXPECT_EQ(pixel(gDC, x1 + Height, y1), White);
}

TEST_F(ImageDrawing, NaturalSizeKeepsInsideTheClipRegionAndRemovesIt) {
    const std::vector<int> want = expected("pcx24.pcx");
    HRGN probe = CreateRectRgn(0, 0, 1, 1);
    gRegion = CreateRectRgn(0, 0, 8, 6);
    EXPECT_EQ(drawFixture("pcx24.pcx", 3, 2, 0, 0, 0).error, 0);
    EXPECT_EQ(pixel(gDC, 7, 5), want[static_cast<std::size_t>(3 * Width + 4)]);
    EXPECT_EQ(pixel(gDC, 8, 2), White);
    EXPECT_EQ(pixel(gDC, 3, 6), White);
    EXPECT_EQ(GetClipRgn(gDC, probe), 0);  // no clip region afterwards
    DeleteObject(gRegion);
    gRegion = nullptr;
    DeleteObject(probe);
}

TEST_F(ImageDrawing, PrinterAndMetafileTargets) {
    const std::vector<int> want = expected("pal.png");
    // Target 10: the printer document's context (a memory context standing in for it).
    HDC printer = CreateCompatibleDC(gDC);
    HBITMAP page = CreateCompatibleBitmap(gDC, 40, 30);
    HGDIOBJ old = SelectObject(printer, page);
    clear(printer, 40, 30);
    gPrDC = printer;
    EXPECT_EQ(drawFixture("pal.png", 2, 3, 2 + 2 * Width - 1, 3 + 2 * Height - 1, 1, 3, 0, 0, 0, 10).error, 0);
    gPrDC = nullptr;
    expectPicture(printer, want, 2, 3, 2);
    EXPECT_EQ(pixel(gDC, 3, 4), White);  // the drawing target is untouched

    // Target 11: a Windows metafile being recorded, played back into the page.
    gwmfDC = CreateMetaFileW(nullptr);
    ASSERT_NE(gwmfDC, nullptr);
    EXPECT_EQ(drawFixture("pal.png", 0, 0, 2 * Width - 1, 2 * Height - 1, 1, 3, 0, 0, 0, 11).error, 0);
    EXPECT_EQ(drawFixture("rgb.bmp", 0, 16, 0, 0, 0, 3, 0, 0, 0, 11).error, 0);
    HMETAFILE recorded = CloseMetaFile(gwmfDC);
    gwmfDC = nullptr;
    ASSERT_NE(recorded, nullptr);
    clear(printer, 40, 30);
    PlayMetaFile(printer, recorded);
    DeleteMetaFile(recorded);
    expectPicture(printer, want, 0, 0, 2);
    expectPicture(printer, expected("rgb.bmp"), 0, 16);
    SelectObject(printer, old);
    DeleteObject(page);
    DeleteDC(printer);
}

TEST_F(ImageDrawing, FailuresDrawNothing) {
    const struct {
        const char* what;
        int kind, target;
        std::string path;
        int error, system;
    } cases[] = {
        {"missing file", 15, 0, fixture("missing.png"), 1, ERROR_FILE_NOT_FOUND},
        {"greyscale PNG", 15, 0, fixture("grey.png"), 27, -1},
        {"PNG read as PCX", 2, 0, fixture("rgb.png"), 27, -1},
        {"a kind without a reader", 3, 0, fixture("rgb.bmp"), 27, -1},
        {"a target without a context", 1, 10, fixture("rgb.bmp"), 1066, -1},
        {"an unknown target", 1, 5, fixture("rgb.bmp"), 1066, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Drawn d = draw(c.kind, c.target, 3, 2, 40, 30, 1, 3, 0, 0, 0, c.path);
        EXPECT_EQ(d.error, c.error);
        EXPECT_EQ(d.system, c.system);
        EXPECT_EQ(pixel(gDC, 10, 10), White);
    }
    EXPECT_EQ(WInfoError(1), 0);  // nothing reported
}

// ---- the clipboard's bitmap ----

// A 4 x 3 bitmap whose pixel (x, y) is red 60 x, green 80 y, blue 200.
HBITMAP clipboardPicture() {
    HDC memory = CreateCompatibleDC(gDC);
    HBITMAP picture = CreateCompatibleBitmap(gDC, 4, 3);
    HGDIOBJ old = SelectObject(memory, picture);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) SetPixel(memory, x, y, RGB(60 * x, 80 * y, 200));
    SelectObject(memory, old);
    DeleteDC(memory);
    return picture;
}

struct Holder {
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool held = false;
};

DWORD WINAPI holdClipboard(void* parameter) {
    auto* h = static_cast<Holder*>(parameter);
    HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    h->held = window != nullptr && OpenClipboard(window) != 0;
    SetEvent(h->opened);
    WaitForSingleObject(h->release, 10000);
    if (h->held) CloseClipboard();
    if (window != nullptr) DestroyWindow(window);
    return 0;
}

TEST_F(ImageDrawing, TheClipboardsBitmapThroughTheRealClipboard) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(draw(0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, "").error, 1095);

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_BITMAP, clipboardPicture()), nullptr);
    CloseClipboard();
    // Natural size at (2, 2) and stretched twice into (20, 10)..(27, 15); never turned.
    EXPECT_EQ(draw(0, 0, 2, 2, 0, 0, 0, 0, 90, 500, 500, "").error, 0);
    EXPECT_EQ(draw(0, 0, 20, 10, 27, 15, 1, 3, 0, 0, 0, "").error, 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(pixel(gDC, 2 + x, 2 + y), static_cast<int>(RGB(60 * x, 80 * y, 200)));
            EXPECT_EQ(pixel(gDC, 21 + 2 * x, 11 + 2 * y), static_cast<int>(RGB(60 * x, 80 * y, 200)));
        }
    }
    EXPECT_EQ(pixel(gDC, 6, 2), White);

    // Held open by a window of another thread: 1094.
    Holder holder;
    HANDLE thread = CreateThread(nullptr, 0, holdClipboard, &holder, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(holder.opened, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(holder.held);
    EXPECT_EQ(draw(0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, "").error, 1094);
    SetEvent(holder.release);
    EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    CloseHandle(holder.opened);
    CloseHandle(holder.release);
}

TEST_F(ImageDrawing, OpImageOfTheScreenDeviceFillsTheClipRectangle) {
    GraphicsState& g = gravim.graphics;
    const std::vector<int> want = expected("pcx8.pcx");
    ASSERT_EQ(want.size(), static_cast<std::size_t>(Width * Height));
    g.OperandText.assign(fixture("pcx8.pcx"));
    g.OperandPixelX[1] = 2;
    g.OperandPixelY[1] = 1;
    g.OperandPixelY[3] = 3;
    g.OperandValue = g.OperandCount = -1;
    yygdrv(OpImage);
    EXPECT_EQ(g.OperandValue, 0);
    const int x1 = g.clipPixelX1, x2 = g.clipPixelX2, top = g.surfaceHeight - 1 - g.clipPixelY2,
              bottom = g.surfaceHeight - 1 - g.clipPixelY1;
    EXPECT_EQ(pixel(gDC, x1, top), want[0]);
    EXPECT_EQ(pixel(gDC, x2, bottom), want.back());
    EXPECT_EQ(pixel(gDC, x2, top), want[Width - 1]);
}

}  // namespace
