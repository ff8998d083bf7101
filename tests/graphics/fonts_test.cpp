// fonts_test.cpp - character size, text direction, the width table and the standard stroke font.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/fonts_internal.hpp"
#include "graphics_fixture.hpp"
#include "recording_device.hpp"

namespace {

using Fonts = GraphicsTest;

TEST_F(Fonts, CharacterSizeFallsBackToTheDefaults) {
    open(400, 300);
    RecordingDevice device;
    yychsize(0, -1);
    EXPECT_FLOAT_EQ(gravim.graphics.CharWidth, 1.0f / 75);
    EXPECT_FLOAT_EQ(gravim.graphics.CharHeight, 1.0f / 30);
    yychsize(0.1f, 0.2f);
    EXPECT_FLOAT_EQ(gravim.graphics.CharWidth, 0.1f);
    EXPECT_EQ(device.stream(DeviceSide::Current), (std::vector<int>{OpFont, OpFont}));
    gravim.graphics.ScreenFontHold = 1;
    device.clear();
    yychsize(0.1f, 0.2f);
    EXPECT_TRUE(device.opcodes.empty());
}

TEST_F(Fonts, EffectiveFontNumberAndCellsWithoutAScreen) {
    open(400, 300, "H");
    GraphicsState& g = gravim.graphics;
    g.FontNumber = 0;
    g.FontClass = 2;
    yychsize(0.1f, 0.25f);
    EXPECT_EQ(g.EffectiveFontNumber, 2);
    EXPECT_NEAR(g.CharsAcross, 399.99f / (399.99f * 0.1f), 1e-4);
    EXPECT_NEAR(g.CharsDown, 4, 1e-4);
    g.FontClass = 0;
    yychdfont();
    EXPECT_EQ(g.EffectiveFontNumber, 1);
    g.FontNumber = 3;
    yychdfont();
    EXPECT_EQ(g.EffectiveFontNumber, 3);
}

TEST_F(Fonts, SystemFontCellsComeFromTheScreenFont) {
    open(400, 300);
    GraphicsState& g = gravim.graphics;
    g.FontNumber = 102;
    yychdfont();
    ASSERT_GT(g.ScreenCharWidth, 0);
    ASSERT_GT(g.ScreenCharHeight, 0);
    EXPECT_NEAR(g.CharsAcross, 399.99f / static_cast<float>(g.ScreenCharWidth), 1e-3);
    EXPECT_NEAR(g.CharsDown, 299.99f / static_cast<float>(g.ScreenCharHeight), 1e-3);
}

TEST_F(Fonts, TextAnglesAndTheAspectFactor) {
    open(300, 300);
    GraphicsState& g = gravim.graphics;
    struct Case {
        float angle;
        int rotation;
        float text, device;
    };
    const Case cases[] = {{-90, 0, 270, 270}, {-90, 90, 270, 0}, {725, 0, 5, 5}, {360, 180, 0, 180}, {0, 270, 0, 270}};
    for (const Case& c : cases) {
        g.rotation = c.rotation;
        RecordingDevice device;
        yychrot(c.angle);
        EXPECT_NEAR(g.TextAngle, c.text, 1e-3) << c.angle;
        EXPECT_NEAR(g.DeviceTextAngle, c.device, 1e-3) << c.angle;
        EXPECT_EQ(device.stream(DeviceSide::Current), std::vector<int>{OpFontRotate});
    }
    // A square surface and a square area: the aspect-corrected sines are the plain sines.
    g.rotation = 0;
    yychrot(30);
    EXPECT_NEAR(g.TextCos, std::cos(30 * 0.0174533f), 1e-5);
    EXPECT_NEAR(g.TextSinTimesAspect, 0.5f, 1e-4);
    EXPECT_NEAR(g.TextSinOverAspect, 0.5f, 1e-4);
    // A half-wide area on the square surface: A = 1 x (299.99 / 150) x (0.5 / 1).
    IGrArea(0, 0, 0.5f, 1);
    yychrot(90);
    const float a = (300.0f / 300.0f) * (299.99f / 150.0f) * (0.5f / 1.0f);
    EXPECT_NEAR(g.TextSinTimesAspect, a, 1e-3);
    EXPECT_NEAR(g.DeviceTextSinOverAspect, 1 / a, 1e-3);
}

TEST_F(Fonts, WidthTableResets) {
    open(100, 100);
    float* widths = gravim.graphics.CharacterWidths;
    for (const int code : {32, 65, 127, 128, 161, 255}) {
        widths[code] = 9;
        yychspace(code);
        EXPECT_EQ(WInfoError(1), 0) << code;
        EXPECT_FLOAT_EQ(widths[code], yystandardwidth(code)) << code;
    }
    EXPECT_FLOAT_EQ(widths[32], 0.7f);
    EXPECT_FLOAT_EQ(widths[64], 1.54f);
    EXPECT_FLOAT_EQ(widths[198], 1.49f);
    for (const int code : {129, 160, 31, 256, -3}) {
        yychspace(code);
        EXPECT_EQ(WInfoError(1), 66) << code;
    }
    widths[40] = widths[200] = 3;
    yychspace(0);
    EXPECT_FLOAT_EQ(widths[40], 0.56f);
    EXPECT_FLOAT_EQ(widths[200], 1.02f);
}

// The glyph of character c in a font slot (blanks dropped).
std::string glyph(const StrokeFont& font, int c) {
    const int* starts = c <= 128 ? font.start1 : font.start2;
    const int k = c <= 128 ? c - 33 : c - 161;
    const int begin = starts[k];
    const int end = c == 128 ? font.start2[0] : (c <= 128 ? starts[k + 1] : starts[k + 1]);
    std::string text = font.glyphs.substr(static_cast<std::size_t>(begin - 1), static_cast<std::size_t>(end - begin));
    std::erase(text, ' ');
    return text;
}

std::vector<int> fontCodes() {
    std::vector<int> codes;
    for (int c = 33; c <= 128; ++c) codes.push_back(c);
    for (int c = 161; c <= 255; ++c) codes.push_back(c);
    return codes;
}

TEST_F(Fonts, StandardFontTablesAndFixedGlyphs) {
    open(100, 100);
    const StrokeFont& font = gravim.graphics.strokeFonts[0];
    EXPECT_EQ(font.glyphs.size(), 3455u);
    EXPECT_FLOAT_EQ(font.h1, 7.68f);
    EXPECT_FLOAT_EQ(font.h2, 11.88f);
    EXPECT_FLOAT_EQ(font.h3, 6.0f);
    EXPECT_FLOAT_EQ(font.h4, 11.0f);
    EXPECT_EQ(font.h5, 8);
    EXPECT_EQ(font.flag1, 1);
    EXPECT_EQ(font.flag2, 1);
    EXPECT_EQ(font.h6, 0);
    EXPECT_EQ(font.fileName.trimmed(), "standard.chr");
    const int first[6] = {1, 10, 19, 38, 67, 109};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(font.start1[i], first[i]);
    EXPECT_EQ(font.start2[0], 1401);
    EXPECT_EQ(font.start2[1], 1410);
    EXPECT_EQ(font.start2[2], 1431);
    EXPECT_EQ(font.start2[94], 3423);
    EXPECT_EQ(font.start2[95], 3456);
    EXPECT_EQ(font.glyphs.substr(static_cast<std::size_t>(font.start1[95] - 1), 3), "   ");
    const struct {
        int c;
        const char* text;
    } fixed[] = {{'!', "3233u363B"}, {'"', "1B19u4B49"}, {'1', "323B19"}, {'A', "023B62u1555"},
                 {'E', "62020B6Bu0757"}, {'O', "04091B5B6964521204"}, {'a', "5852u5422120406183856"}};
    for (const auto& f : fixed) EXPECT_EQ(glyph(font, f.c), f.text) << static_cast<char>(f.c);

    // Every glyph but the blank one: points of two hexadecimal digits inside the grid, pen lifts.
    for (const int c : fontCodes()) {
        const std::string text = glyph(font, c);
        if (c == 128) {
            EXPECT_TRUE(text.empty());
            continue;
        }
        ASSERT_FALSE(text.empty()) << c;
        std::size_t i = 0;
        int points = 0;
        while (i < text.size()) {
            if (text[i] == 'u') {
                EXPECT_GT(points, 0) << c;
                ++i;
                continue;
            }
            ASSERT_LT(i + 1, text.size()) << c;
            const int x = std::stoi(text.substr(i, 1), nullptr, 16), y = std::stoi(text.substr(i + 1, 1), nullptr, 16);
            const std::string_view digits = "0123456789ABCDEF";
            EXPECT_NE(digits.find(text[i]), std::string_view::npos) << c;
            EXPECT_NE(digits.find(text[i + 1]), std::string_view::npos) << c;
            EXPECT_LE(x, 7) << c;
            EXPECT_LE(y, 14) << c;
            i += 2;
            ++points;
        }
    }
}

TEST_F(Fonts, SlotOneKeepsNoFileNameAndTakesNinetyFiveStartsWithoutBitTwo) {
    open(100, 100);
    int first[96], second[96];
    for (int i = 0; i < 96; ++i) first[i] = 100 + i, second[i] = 200 + i;
    StrokeFont& slot1 = gravim.graphics.strokeFonts[1];
    slot1.start1[95] = -7;
    yychsfont(1, 2, 3, 4, 5, 1, 6, 1, "other.chr", "0000", first, second);
    EXPECT_EQ(slot1.start1[94], 194);
    EXPECT_EQ(slot1.start1[95], -7);
    EXPECT_EQ(slot1.start2[95], 295);
    EXPECT_EQ(slot1.flag2, 0);
    EXPECT_EQ(slot1.flag1, 0);
    EXPECT_TRUE(slot1.fileName.isBlank());
    EXPECT_EQ(slot1.glyphs, "0000");
    WGrVFontStandard(1);
    EXPECT_EQ(slot1.glyphs.size(), 3455u);
    EXPECT_EQ(slot1.start1[95], 1398);
}

// A PNG file of 8-bit grey pixels, rows from the top.
bool writeGreyPng(const char* name, int width, int height, const std::vector<unsigned char>& pixels) {
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        raw.insert(raw.end(), pixels.begin() + y * width, pixels.begin() + (y + 1) * width);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK) return false;
    packed.resize(packedSize);
    std::ofstream out(name, std::ios::binary);
    const auto word = [&](std::uint32_t v) {
        const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                               static_cast<char>(v)};
        out.write(bytes, 4);
    };
    const auto chunk = [&](const char* type, const std::vector<unsigned char>& data) {
        word(static_cast<std::uint32_t>(data.size()));
        out.write(type, 4);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
        if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));  // a null buffer resets it
        word(static_cast<std::uint32_t>(crc));
    };
    out.write("\x89PNG\r\n\x1a\n", 8);
    std::vector<unsigned char> header(13, 0);
    for (int i = 0; i < 4; ++i) {
        header[static_cast<std::size_t>(i)] = static_cast<unsigned char>(width >> (24 - 8 * i));
        header[static_cast<std::size_t>(4 + i)] = static_cast<unsigned char>(height >> (24 - 8 * i));
    }
    header[8] = 8;  // bit depth; colour type 0 (grey)
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", {});
    return out.good();
}

// Draws every glyph of the standard font into one picture (standard_font.png in the test's
// temporary folder), to be looked at: each must read as its character.
TEST_F(Fonts, DrawsEveryGlyph) {
    open(100, 100);
    const StrokeFont& font = gravim.graphics.strokeFonts[0];
    const std::vector<int> codes = fontCodes();
    constexpr int Scale = 6, CellWidth = 10, CellHeight = 17, Columns = 16;
    const int rows = static_cast<int>(codes.size() + Columns - 1) / Columns;
    const int width = Columns * CellWidth * Scale, height = rows * CellHeight * Scale;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height), 255);
    const auto plot = [&](int x, int y) {
        if (x >= 0 && x < width && y >= 0 && y < height) pixels[static_cast<std::size_t>(y * width + x)] = 0;
    };
    for (std::size_t k = 0; k < codes.size(); ++k) {
        const int ox = static_cast<int>(k % Columns) * CellWidth * Scale + Scale;
        const int oy = static_cast<int>(k / Columns) * CellHeight * Scale + 2 * Scale;
        const std::string text = glyph(font, codes[k]);
        int lastX = -1, lastY = -1;
        for (std::size_t i = 0; i < text.size();) {
            if (text[i] == 'u') {
                lastX = -1;
                ++i;
                continue;
            }
            const int x = ox + std::stoi(text.substr(i, 1), nullptr, 16) * Scale;
            const int y = oy + (15 - std::stoi(text.substr(i + 1, 1), nullptr, 16)) * Scale;
            const int fromX = lastX < 0 ? x : lastX, fromY = lastX < 0 ? y : lastY;
            const int steps = std::max({std::abs(x - fromX), std::abs(y - fromY), 1});
            for (int s = 0; s <= steps; ++s) {
                const int px = fromX + (x - fromX) * s / steps, py = fromY + (y - fromY) * s / steps;
                plot(px, py), plot(px + 1, py), plot(px, py + 1), plot(px + 1, py + 1);
            }
            lastX = x, lastY = y;
            i += 2;
        }
    }
    const std::string name = ::testing::TempDir() + "standard_font.png";
    EXPECT_TRUE(writeGreyPng(name.c_str(), width, height, pixels));
    RecordProperty("picture", name);
}

}  // namespace
