// colours_test.cpp - the colour table, its views, the nearest-colour search and the colour pair.
#include <gtest/gtest.h>

#include <vector>

#include "colour_model_sequence.hpp"
#include "graphics/colours.hpp"
#include "graphics/metafiles.hpp"
#include "graphics_fixture.hpp"
#include "recording_device.hpp"

namespace {

using Colours = GraphicsTest;

struct BandRule {
    int r, g, b, dr, dg, db;
};
constexpr BandRule Bands[16] = {
    {255, 255, 255, -4, -4, -4}, {195, 0, 0, 4, 0, 0},     {131, 0, 0, 4, 0, 0},   {195, 195, 0, 4, 4, 0},
    {131, 131, 0, 4, 4, 0},      {0, 195, 0, 0, 4, 0},     {0, 131, 0, 0, 4, 0},   {0, 195, 195, 0, 4, 4},
    {0, 131, 131, 0, 4, 4},      {0, 0, 195, 0, 0, 4},     {0, 0, 131, 0, 0, 4},   {195, 0, 195, 4, 0, 4},
    {131, 0, 131, 4, 0, 4},      {60, 60, 60, -4, -4, -4}, {124, 124, 124, -4, -4, -4},
    {191, 191, 191, -4, -4, -4},
};

int table(int i) {
    int value = 0;
    yypalg(i, value);
    return value;
}

TEST_F(Colours, EveryEntryFollowsTheBandRuleAndMapsBackToItself) {
    yypali();
    for (int i = 0; i < 256; ++i) {
        const BandRule& b = Bands[i / 16];
        const int k = i % 16;
        EXPECT_EQ(table(i), WRGB(b.r + k * b.dr, b.g + k * b.dg, b.b + k * b.db)) << i;
        int index = -5;
        yyrgbto8(table(i), index);
        EXPECT_EQ(index, i);
    }
    EXPECT_EQ(table(0), 16777215);
    EXPECT_EQ(table(223), 0);
    EXPECT_EQ(table(31), WRGB(255, 0, 0));
    EXPECT_EQ(table(255), WRGB(131, 131, 131));
}

TEST_F(Colours, ViewsTakeTheirEntriesFromTheTable) {
    const int eight[8] = {0, 159, 95, 127, 31, 191, 63, 223};
    const int sixteen[16] = {0, 175, 111, 143, 47, 207, 79, 239, 240, 159, 95, 127, 31, 191, 63, 223};
    gravim.graphics.screenColours = 32;
    yypali();
    int value = 0;
    for (int k = 0; k < 8; ++k) {
        yypalg8(k, value);
        EXPECT_EQ(value, table(eight[k])) << k;
    }
    for (int k = 0; k < 16; ++k) {
        yypalg16(k, value);
        EXPECT_EQ(value, table(sixteen[k])) << k;
    }
    const int firstOf32[5] = {0, 8, 23, 31, 39};
    for (int j = 0; j < 5; ++j) {
        yypalg32(j, value);
        EXPECT_EQ(value, table(firstOf32[j])) << j;
        EXPECT_EQ(yyviewentry(j, 32), value);
    }
    yypalg32(31, value);
    EXPECT_EQ(value, table(248));  // the last grey band keeps its first entries
}

TEST_F(Colours, RootPaletteViewsWithoutTheTable) {
    auto rgb = [](int r, int g, int b) { return r + 256 * g + 65536 * b; };
    EXPECT_EQ(yyviewentry(0, 16), rgb(255, 255, 255));
    EXPECT_EQ(yyviewentry(7, 16), rgb(64, 64, 64));
    EXPECT_EQ(yyviewentry(15, 16), rgb(0, 0, 0));
    EXPECT_EQ(yyviewentry(0, 24), rgb(255, 255, 255));  // 24 is taken as 16
    // 32 colours: v = 8. Entry 0 is level 0 (band 0 takes its first level): grey 255.
    EXPECT_EQ(yyviewentry(0, 32), rgb(255, 255, 255));
    // Entry 2 covers levels 16..23 of band 1 (red 195 + 4j), its last level j = 7: red 223.
    EXPECT_EQ(yyviewentry(2, 32), rgb(223, 0, 0));
    // Entry 31: levels 248..255 of band 15, first level j = 8: grey 191 - 32 = 159.
    EXPECT_EQ(yyviewentry(31, 32), rgb(159, 159, 159));
    // 128 colours: v = 2. Entry 109: levels 218..219, band 13 (grey 60 - 4j), last level j = 11.
    EXPECT_EQ(yyviewentry(109, 128), rgb(16, 16, 16));
    // Entry 60 of 64 (v = 4): levels 240..243, band 15, first level j = 0: grey 191.
    EXPECT_EQ(yyviewentry(60, 64), rgb(191, 191, 191));
}

TEST_F(Colours, TableChangesReachTheViews) {
    gravim.graphics.screenColours = 64;
    yypali();
    yypals(40, WRGB(1, 2, 3));  // a dark red: 8-colour red, 16-colour dark red
    int value = 0;
    yypalg8(4, value);
    EXPECT_EQ(value, WRGB(1, 2, 3));
    yypalg16(4, value);
    EXPECT_EQ(value, WRGB(1, 2, 3));
    yypalg32(10, value);
    EXPECT_EQ(value, WRGB(1, 2, 3));
    int index = 0;
    yyrgbto8(WRGB(1, 2, 3), index);
    EXPECT_EQ(index, 40);
}

TEST_F(Colours, DocumentedExamples) {
    yypali();
    EXPECT_EQ(WRGB(255, 0, 0), 255);
    EXPECT_EQ(WRGB(0, 0, 255), 16711680);
    int r = -1, g = -1, b = -1;
    WRGBSplit(16776960, &r, &g, &b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);
    WRGBSplit(-1, &r);  // the high byte is ignored; absent outputs are not written
    EXPECT_EQ(r, 255);
    int index = 0;
    yyrgbto8(16777215, index);
    EXPECT_EQ(index, 0);
    yyrgbto8(0, index);
    EXPECT_EQ(index, 223);
    yyrgbto8(255, index);
    EXPECT_EQ(index, 31);
    // Between entries: the nearest in the cone; greys go to the grey bands.
    yyrgbto8(WRGB(250, 2, 1), index);
    EXPECT_GE(index, 16);
    EXPECT_LE(index, 31);
    yyrgbto8(WRGB(100, 100, 101), index);
    EXPECT_GE(index, 224);
    EXPECT_LE(index, 239);
    float h = 0, s = 0, v = 0;
    yyrgbhsv(WRGB(0, 255, 0), h, s, v);
    EXPECT_NEAR(h, 2.0944f, 1e-3);
    EXPECT_FLOAT_EQ(s, 1);
    EXPECT_FLOAT_EQ(v, 1);
}

TEST_F(Colours, DeviceColourNumbersPerScreenCount) {
    struct Case {
        int colours, index, number;
    };
    const Case cases[] = {
        {16, 16, 12}, {16, 40, 4}, {16, 223, 15}, {16, 239, 7}, {16, 0, 0},  {16, -1, -1}, {2, 17, 1},
        {2, 223, 1},  {2, 0, 0},   {8, 16, 4},    {8, 223, 7},  {8, 250, 0}, {32, 31, 3},   {64, 255, 63},
        {128, 3, 1},  {256, 77, 77},
    };
    for (const Case& c : cases) {
        gravim.graphics.screenColours = c.colours;
        EXPECT_EQ(yycnum(c.index), c.number) << c.colours << " " << c.index;
    }
    const int bands[16] = {0, 4, 6, 2, 3, 1, 5, 7, 8, 12, 14, 10, 11, 9, 13, 15};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(yycoln(i), bands[i]);
    EXPECT_EQ(yycoln(16), -1);
    EXPECT_EQ(yycoln(-1), -1);
}

TEST_F(Colours, SelectionMovesTheCurrentColourToPrevious) {
    open(100, 100);
    gravim.graphics.hardcopyActive = 1;
    RecordingDevice device;
    IGrColourN(31);
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(g.colourState[1][1], 31);
    EXPECT_EQ(g.colourState[2][1], 255);
    EXPECT_EQ(g.colourState[1][0], 223);
    EXPECT_EQ(device.stream(DeviceSide::Current), std::vector<int>{OpColour});
    EXPECT_EQ(device.stream(DeviceSide::Hardcopy), std::vector<int>{OpColour});
    IGrColourN(256);
    EXPECT_EQ(WInfoError(1), 42);
    EXPECT_EQ(g.colourState[1][1], 31);
    gravim.graphics.hardcopyActive = 0;
    IGrColourModel(24);
    IGrColourN(256);  // RGB (0, 1, 0)
    EXPECT_EQ(g.colourState[2][1], 256);
    EXPECT_EQ(g.colourState[1][1], -1);  // the screen takes RGB values
}

TEST_F(Colours, RgbOnAPaletteDeviceFindsTheIndexAndTheModelSwitchFillsItIn) {
    open(100, 100, " ", 16);
    gravim.graphics.screenDevice.TrueColourDevice = 0;
    IGrColourModel(24);
    IGrColourN(WRGB(255, 0, 0));
    EXPECT_EQ(gravim.graphics.colourState[1][1], 31);
    EXPECT_EQ(gravim.graphics.colourState[0][1], 12);
    gravim.graphics.screenDevice.TrueColourDevice = 1;
    IGrColourN(WRGB(0, 0, 255));
    EXPECT_EQ(gravim.graphics.colourState[1][1], -1);
    IGrColourModel(8);
    EXPECT_EQ(gravim.graphics.colourModel, 1);
    EXPECT_EQ(gravim.graphics.colourState[1][1], 159);
    EXPECT_EQ(gravim.graphics.colourState[1][0], 31);
}

TEST_F(Colours, ColourNames) {
    struct Case {
        const char* name;
        int code;
    };
    const Case cases[] = {{"  blue", 1}, {"bblue", 9}, {"black", 0}, {"pink", -1}, {"    ", -1}, {"", -1},
                          {"Green", 2},  {"CYAN", 3},  {"red", 4},   {"Rust", 4},  {"magenta", 5},
                          {"yellow", 6}, {"white", 7}, {"bred", 12}, {"bwhite", 15}};
    for (const Case& c : cases) EXPECT_EQ(yycol(c.name), c.code) << c.name;

    open(100, 100);
    const struct {
        const char* name;
        int palette, rgb;
    } named[] = {{"black", 223, 0},          {"blue", 159, 16711680}, {"green", 95, 65280},
                 {"cyan", 127, 16776960},    {"RED", 31, 255},        {"magenta", 191, 16711935},
                 {"yellow", 63, 65535},      {"white", 0, 16777215},  {"bred", 31, 255}};
    for (const auto& n : named) {
        IGrColourModel(8);
        IGrColour(n.name);
        EXPECT_EQ(gravim.graphics.colourState[1][1], n.palette) << n.name;
        IGrColourModel(24);
        IGrColour(n.name);
        EXPECT_EQ(gravim.graphics.colourState[2][1], n.rgb) << n.name;
    }
    IGrColour("pink");
    EXPECT_EQ(WInfoError(1), 42);
}

TEST_F(Colours, TwoColourFillPasses) {
    open(100, 100);
    GraphicsState& g = gravim.graphics;
    IGrColourN(31);  // previous black, current red
    g.fillStyle = 3;
    g.fillPass[1] = 2;
    int pass = 1;
    yy2col(1, pass);
    EXPECT_EQ(pass, 2);
    EXPECT_EQ(g.colourState[1][1], 223);  // the background colour draws the first pass
    yy2col(1, pass);
    EXPECT_EQ(pass, 3);
    EXPECT_EQ(g.colourState[1][1], 31);
    EXPECT_EQ(g.colourState[1][0], 223);

    g.screenColours = 2;  // two colours: colour 0 unless the current colour is white
    pass = 1;
    yy2col(1, pass);
    EXPECT_EQ(g.colourState[1][1], 0);
    EXPECT_EQ(g.colourState[0][1], 0);
    yy2col(1, pass);
    EXPECT_EQ(g.colourState[1][1], 31);

    g.screenColours = 1;
    pass = 1;
    yy2col(1, pass);
    EXPECT_EQ(pass, 1);
    g.fillPass[1] = 1;  // no two-colour request: nothing
    g.screenColours = 256;
    yy2col(1, pass);
    EXPECT_EQ(pass, 1);
}

}  // namespace

TEST_F(Colours, AKeptColourConvertsInTheModelItWasTakenIn) {
    open(100, 100);
    int r = -1, g = -1, b = -1;
    yymodelrgb({159, 1}, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 255}));
    yymodelrgb({WRGB(0, 0, 41), 2}, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 41}));
    for (const int outside : {-1, 256, WRGB(0, 0, 41)}) {  // no table entry: black
        yymodelrgb({outside, 1}, r, g, b);
        EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 0})) << outside;
    }
    IGrColourModel(24);
    IGrColourN(WRGB(0, 0, 41));
    const ModelColour kept = yymodelcolour(1);
    EXPECT_EQ(kept.number, WRGB(0, 0, 41));
    EXPECT_EQ(kept.model, 2);
    IGrColourModel(8);
    EXPECT_EQ(yymodelcolour(1).model, 1);
    EXPECT_EQ(yymodelcolour(1).number, gravim.graphics.colourState[1][1]);
    gravim.graphics.colourState[1][1] = -1;  // no index in the palette model: its RGBValue
    EXPECT_EQ(yymodelcolour(1).number, WRGB(0, 0, 41));
    EXPECT_EQ(yymodelcolour(1).model, 2);
}

// The colour model changed behind the devices' backs: the screen device and a CGM slot draw
// after it without reading outside the colour table.
TEST_F(Colours, TheScreenAndACgmSlotDrawAColourTakenInTheRgbModel) {
    open(400, 300);
    drawAfterTheModelChanged();
    EXPECT_EQ(WInfoError(1), 0);
    ASSERT_EQ(yymetafileslotcreate(1, 6, 200, 150, 4096), 0);
    IGrSelect(4, 1);
    ASSERT_EQ(gravim.graphics.deviceKind, 1);
    drawAfterTheModelChanged();
    IGrSelect(1);
    EXPECT_EQ(WInfoError(1), 0);
}
