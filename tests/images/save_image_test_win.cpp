// save_image_test_win.cpp - yysaveimage under Wine: a window painted with known pixels saved as
// PCX, PNG and BMP and decoded here, each pixel equal to GetPixel of the window; the clipboard's
// bitmap; the clipboard held open by another window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <zlib.h>

#include "base/errors.hpp"
#include "file_bytes.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "graphics/graphics.hpp"
#include "graphics/screen_win.hpp"
#include "images/save_image.hpp"
#include "scratch.hpp"

namespace {


constexpr int X1 = 7, Y1 = 5, W = 101, H = 50;

// RGB values (0xBBGGRR) of a W x H area, row by row from the top.
using Picture = std::vector<int>;

class SaveImage : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, KeepValue, KeepValue, 400, 300);
        IGrSelect(1);
        // Known pixels: bands, steps and a scatter of colours.
        for (int y = 0; y < H + 4; ++y)
            for (int x = 0; x < W + 4; ++x)
                SetPixelV(gDC, X1 + x, Y1 + y, RGB((x * 5) % 256, (y * 9) % 256, x < 30 ? 200 : (x * y) % 256));
        GdiFlush();
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }
    // What the window shows.
    static Picture shown() {
        Picture p;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) p.push_back(static_cast<int>(GetPixel(gDC, X1 + x, Y1 + y)));
        return p;
    }
    // The area saved as a file of the type; the file's bytes.
    static Bytes saved(int type, const char* name) {
        int status = -1, syserror = 0;
        yysaveimage(type, X1, Y1, X1 + W - 1, Y1 + H - 1, status, syserror, name);
        EXPECT_EQ(status, 0) << syserror;
        return readWholeFile(name);
    }
    ScratchFolder folder;
};

int rgb(unsigned r, unsigned g, unsigned b) { return static_cast<int>(r | g << 8 | b << 16); }

TEST_F(SaveImage, PcxOfTheWindowAreaHasThreePlanesOf102BytesAndTheWindowsPixels) {
    const Bytes file = saved(savePcx, "area.pcx");
    expectPcxHeader(file, 5, 8, W, H, 3, 102);
    // Decode the runs: per row a red, a green and a blue line of 102 bytes.
    std::vector<unsigned char> lines;
    for (std::size_t at = 128; at < file.size();) {
        const unsigned b = u8(file, at++);
        if (b >= 0xC0) {
            ASSERT_LT(at, file.size());
            lines.insert(lines.end(), b - 0xC0, static_cast<unsigned char>(file[at++]));
        } else {
            lines.push_back(static_cast<unsigned char>(b));
        }
    }
    ASSERT_EQ(lines.size(), 3u * 102 * H);  // no colour table behind the lines
    Picture decoded;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::size_t row = static_cast<std::size_t>(y) * 3 * 102;
            decoded.push_back(rgb(lines[row + static_cast<std::size_t>(x)], lines[row + 102 + static_cast<std::size_t>(x)],
                                  lines[row + 204 + static_cast<std::size_t>(x)]));
        }
    EXPECT_TRUE(decoded == shown());
}

TEST_F(SaveImage, PngOfTheWindowAreaIsRgbWithTheWindowsPixels) {
    const Bytes file = saved(savePng, "area.png");
    ASSERT_GT(file.size(), 57u);
    EXPECT_EQ(be32(file, 16), static_cast<std::uint32_t>(W));
    EXPECT_EQ(be32(file, 20), static_cast<std::uint32_t>(H));
    EXPECT_EQ(u8(file, 24), 8u);
    EXPECT_EQ(u8(file, 25), 2u);
    ASSERT_EQ(file.substr(37, 4), "IDAT");
    const std::uint32_t length = be32(file, 33);
    const Bytes idat = file.substr(41, length);
    EXPECT_EQ(be32(file, 41 + length), crc32(crc32(0, reinterpret_cast<const Bytef*>("IDAT"), 4),
                                             reinterpret_cast<const Bytef*>(idat.data()), static_cast<uInt>(idat.size())));
    EXPECT_EQ(file.substr(file.size() - 8, 4), "IEND");
    Bytes raw(static_cast<std::size_t>(H * (3 * W + 1)), '\0');
    uLongf rawLength = raw.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawLength, reinterpret_cast<const Bytef*>(idat.data()), length), Z_OK);
    Picture decoded;
    for (int y = 0; y < H; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * (3 * W + 1);
        EXPECT_EQ(raw[row], 0);
        for (int x = 0; x < W; ++x) {
            const std::size_t p = row + 1 + 3 * static_cast<std::size_t>(x);
            decoded.push_back(rgb(u8(raw, p), u8(raw, p + 1), u8(raw, p + 2)));
        }
    }
    EXPECT_TRUE(decoded == shown());
}

TEST_F(SaveImage, BmpOfTheWindowAreaHasTheWindowsPixels) {
    const Bytes file = saved(saveBmp, "area.bmp");
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(le32(file, 2), file.size());
    const unsigned bits = le16(file, 28);
    ASSERT_TRUE(bits == 24 || bits == 32) << bits;
    EXPECT_EQ(le32(file, 18), static_cast<std::uint32_t>(W));
    const std::size_t stride = (static_cast<std::size_t>(W) * bits + 31) / 32 * 4;
    const std::size_t offset = le32(file, 10);
    ASSERT_EQ(file.size(), offset + stride * H);
    Picture decoded;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::size_t p = offset + stride * static_cast<std::size_t>(H - 1 - y) + bits / 8 * static_cast<std::size_t>(x);
            decoded.push_back(rgb(u8(file, p + 2), u8(file, p + 1), u8(file, p)));
        }
    EXPECT_TRUE(decoded == shown());
}

TEST_F(SaveImage, FailuresAndOtherTypes) {
    int status = -1, syserror = 0;
    yysaveimage(5, X1, Y1, X1 + 9, Y1 + 9, status, syserror, "other.img");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetFileAttributesA("other.img"), INVALID_FILE_ATTRIBUTES);
    yysaveimage(savePng, X1, Y1, X1 + 9, Y1 + 9, status, syserror, "no such folder\\x.png");
    EXPECT_EQ(status, 1);
    EXPECT_NE(syserror, 0);
}

TEST_F(SaveImage, TheClipboardGetsTheAreaAsABitmapUnlessAnotherWindowHoldsIt) {
    int status = -1, syserror = 0;
    yysaveimage(saveClipboard, X1, Y1, X1 + W - 1, Y1 + H - 1, status, syserror, "");
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAP facts{};
    GetObjectA(bitmap, sizeof facts, &facts);
    EXPECT_EQ(facts.bmWidth, W);
    EXPECT_EQ(facts.bmHeight, H);
    HDC dc = CreateCompatibleDC(gDC);
    HGDIOBJ old = SelectObject(dc, bitmap);
    Picture copied;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) copied.push_back(static_cast<int>(GetPixel(dc, x, y)));
    SelectObject(dc, old);
    DeleteDC(dc);
    CloseClipboard();
    EXPECT_TRUE(copied == shown());

    HWND other = CreateWindowExA(0, "STATIC", "holder", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    status = -1;
    yysaveimage(saveClipboard, X1, Y1, X1 + 9, Y1 + 9, status, syserror, "");
    EXPECT_EQ(status, 1094);
    CloseClipboard();
    DestroyWindow(other);
}

}  // namespace
