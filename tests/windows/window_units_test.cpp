// window_units_test.cpp - window units, key codes, mouse modifiers, switches, parked events,
// palette colours and the small text services.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"

namespace {

class WindowState_ : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
};
using WindowUnits = WindowState_;
using EventTables = WindowState_;

TEST_F(WindowUnits, LargeCallerValuesScaleWithoutOverflow) {
    // 4,000,000 units across 1001 pixels: the product exceeds the int range, the pixel does not.
    gravim.windows.clientWidth = 1001;
    gravim.windows.clientHeight = 1001;
    int px = 0, py = 0;
    WindowUnitsToPixels(4'000'000, -4'000'000, px, py);
    EXPECT_EQ(px, 400040);
    EXPECT_EQ(py, -400040);
    // Beyond what an int pixel can hold the result is cut to the int range.
    gravim.windows.clientWidth = 1'000'000;
    WindowUnitsToPixels(std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), px, py);
    EXPECT_EQ(px, std::numeric_limits<int>::max());
    EXPECT_EQ(py, static_cast<int>(static_cast<long long>(std::numeric_limits<int>::min()) * 1000 / 9999));
}

TEST_F(WindowUnits, ConvertAcross800PixelsBothWays) {
    gravim.windows.clientWidth = 800;
    gravim.windows.clientHeight = 600;
    struct Case {
        int units, pixels;
    };
    for (Case c : {Case{0, 0}, Case{5000, 399}, Case{9999, 799}}) {
        int px = -1, py = -1;
        WindowUnitsToPixels(c.units, c.units, px, py);
        EXPECT_EQ(px, c.pixels) << c.units;
        EXPECT_EQ(py, c.units * 599 / 9999) << c.units;
    }
    for (Case c : {Case{6, 0}, Case{5005, 400}, Case{9992, 799}}) {
        int ix = -1, iy = -1;
        WindowUnitsFromPixels(c.pixels, 0, ix, iy);
        EXPECT_EQ(ix, c.units) << c.pixels;
    }
}

TEST_F(WindowUnits, ExtentOfOnePixelOrLessGivesZero) {
    gravim.windows.clientWidth = 1;
    gravim.windows.clientHeight = 0;
    int ix = -1, iy = -1, px = -1, py = -1;
    WindowUnitsFromPixels(0, 5, ix, iy);
    EXPECT_EQ(ix, 0);
    EXPECT_EQ(iy, 0);
    WindowUnitsToPixels(9999, 0, px, py);
    EXPECT_EQ(px, 0);
}

TEST(KeyCodes, TableByModifierOffset) {
    struct Case {
        int key, offset, code;
    };
    const Case cases[] = {
        {0x26, 0, 258},  {0x26, 20, 262}, {0x26, 40, 266},  // up
        {0x28, 20, 263}, {0x27, 40, 268}, {0x25, 0, 261},
        {0x21, 40, 262}, {0x22, 20, 263}, {0x24, 0, 270},   // page up/down, home
        {0x23, 0, 271},  {0x29, 20, 271}, {0x2D, 0, 272},  {0x2E, 40, 273},
        {0x09, 0, 9},    {0x09, 20, 274}, {0x09, 40, 9},    // tab
        {0x2C, 0, 300},                                      // print screen
        {0x70, 0, 301},  {0x70, 20, 321}, {0x70, 40, 341},  // F1
        {0x83, 0, 320},  {0x83, 20, 340}, {0x83, 40, 360},  // F20
        {0x60, 0, 280},  {0x67, 20, 287}, {0x69, 40, 289},  // keypad digits ignore modifiers
        {0x0C, 0, 285},  {0x6D, 40, 290}, {0x6E, 0, 291},  {0x6B, 0, 292},
        {0x6C, 0, 292},  {0x6F, 20, 293}, {0x6A, 0, 294},
        {0x5B, 0, 0x5B}, {0x41, 0, 0x41},                   // others: the virtual key itself
    };
    for (const Case& c : cases) EXPECT_EQ(yyinterpretkey(c.key, c.offset), c.code) << c.key << "+" << c.offset;
}

TEST(KeyCodes, ModifiersAndLocksAloneAreSilent) {
    for (int key : {0x10, 0x11, 0x12, 0x13, 0x14, 0x90, 0x91, 0xA0, 0xA5}) EXPECT_TRUE(yyissilentkey(key)) << key;
    for (int key : {0x09, 0x41, 0x70, 0x79}) EXPECT_FALSE(yyissilentkey(key)) << key;
}

TEST(KeyCodes, MouseModifierState) {
    EXPECT_EQ(yymousemodifiers(0), 0);
    EXPECT_EQ(yymousemodifiers(0x0008), 1);   // ctrl
    EXPECT_EQ(yymousemodifiers(0x0004), 2);   // shift
    EXPECT_EQ(yymousemodifiers(0x0001), 4);   // left
    EXPECT_EQ(yymousemodifiers(0x0010), 8);   // middle
    EXPECT_EQ(yymousemodifiers(0x0002), 16);  // right
    EXPECT_EQ(yymousemodifiers(0x001F), 31);
}

TEST_F(EventTables, SwitchDefaultsAndBounds) {
    yyresetswitches();
    const int on[] = {1, 2, 3, 4, 7, 8, 9, 13, 14};
    for (int type = 1; type <= 16; ++type) {
        const bool expected = std::find(std::begin(on), std::end(on), type) != std::end(on);
        EXPECT_EQ(yyinfomessage(type) != 0, expected) << type;
    }
    WMessageEnable(EvMouseMove, 1);
    WMessageEnable(17, 1);
    WMessageEnable(0, 1);
    EXPECT_NE(yyinfomessage(EvMouseMove), 0);
    EXPECT_EQ(yyinfomessage(17), 0);
    yyresetswitches();
    EXPECT_EQ(yyinfomessage(EvMouseMove), 0);
}

TEST_F(EventTables, ParkingCopiesTheSlotAndForgettingEmptiesOneWindow) {
    EventState& e = gravim.events;
    e.wMessageType = EvResize;
    e.wMessageValue1 = 640, e.wMessageValue2 = 480, e.wMessageValue3 = 0, e.wMessageValue4 = -1;
    e.wMessageX = -1, e.wMessageY = -1, e.wMessageWin = 2, e.wMessageTime = 1234;
    yyparkslot(3, EvExpose);
    yyparkslot(2, EvResize);
    const int expected[9] = {EvExpose, 640, 480, 0, -1, -1, -1, 2, 1234};
    for (int w = 0; w < 9; ++w) EXPECT_EQ(e.KBNMessages[3][w], expected[w]) << w;
    yyforgetparked(3);
    for (int w = 0; w < 9; ++w) EXPECT_EQ(e.KBNMessages[3][w], 0);
    EXPECT_EQ(e.KBNMessages[2][0], EvResize);
    yyparkslot(51, EvExpose);  // not a window entry
    EXPECT_EQ(e.KBNMessages[51][0], 0);
    yyclearparked();
    EXPECT_EQ(e.KBNMessages[2][0], 0);
}

TEST(Palette, StandardTextColours) {
    auto rgb = [](int r, int g, int b) { return r + 256 * g + 65536 * b; };
    EXPECT_EQ(yystandardtextcolours[7], rgb(191, 191, 191));
    EXPECT_EQ(yystandardtextcolours[8], rgb(64, 64, 64));
}

TEST(SmallServices, BellWordsAndTexts) {
    struct Case {
        const char* text;
        int command;
    };
    for (Case c : {Case{"off", -1}, Case{"Off", -1}, Case{"OFFICE", -1}, Case{"ON", 1}, Case{"on   ", 1},
                   Case{"ONE", 0}, Case{"", 0}, Case{"ring", 0}})
        EXPECT_EQ(yybellcommand(c.text), c.command) << c.text;

    EXPECT_EQ(yystrlen("ab  "), 2);
    EXPECT_EQ(yystrlen("   "), 0);
    EXPECT_EQ(yysubstrlen("ab cd"), 2);
    EXPECT_EQ(yysubstrlen("abc"), 3);
    EXPECT_EQ(yyAsciiToInt("-12x"), -12);
    EXPECT_EQ(yyAsciiToInt("x12"), 0);
    EXPECT_EQ(yyAsciiToInt("2147483647"), 2147483647);
    char buffer[6];
    yystrctof("abcdefgh", buffer, 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    yystrctof("ab", buffer, 6);
    EXPECT_EQ(std::string(buffer, 6), "ab    ");
    EXPECT_EQ(yysizeofmenuiteminfo(), sizeof(void*) == 4 ? 44 : 72);
}

}  // namespace
