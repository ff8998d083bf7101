// surfaces_test_win.cpp - the graphics state on real windows and dialog fields under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "graphics/graphics.hpp"
#include "recording_device.hpp"

namespace {

class Surfaces : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WindowOpen(WinHidden);
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }
};

TEST_F(Surfaces, WindowOpenLeavesTheInitialisedState) {
    const GraphicsState& g = gravim.graphics;
    RECT client;
    GetClientRect(hClient[0], &client);
    EXPECT_EQ(g.surfaceType, 1);
    EXPECT_EQ(g.surfaceIdent, 0);
    EXPECT_EQ(g.surfaceDialog, 0);
    EXPECT_EQ(g.deviceKind, 0);
    EXPECT_EQ(g.surfaceWidth, client.right);
    EXPECT_EQ(g.surfaceHeight, client.bottom);
    EXPECT_EQ(g.screenActive, 1);
    EXPECT_EQ(g.hardcopyActive, 0);
    EXPECT_EQ(g.screenColours, gravim.core.graphicsColours);
    EXPECT_EQ(g.colourState[1][0], 0);
    EXPECT_EQ(g.colourState[2][0], 16777215);
    EXPECT_EQ(g.colourState[1][1], 223);
    EXPECT_EQ(g.colourState[2][1], 0);
    EXPECT_EQ(g.colourModel, 1);
    EXPECT_FLOAT_EQ(g.clipX2, static_cast<float>(client.right) - 0.01f);
    EXPECT_EQ(g.clipPixelWidth, client.right);
    EXPECT_FLOAT_EQ(g.unitsX2, 1);
    EXPECT_EQ(g.rotation, 0);
    EXPECT_EQ(g.screenDevice.word2, 360);
    EXPECT_EQ(g.screenDevice.word3, 2);  // Wine reports the NT family
    EXPECT_EQ(g.screenDevice.TrueColourDevice, gravim.core.displayColours > 256 ? 1 : 0);
    EXPECT_EQ(g.strokeFonts[0].glyphs.size(), 3455u);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(Surfaces, ADialogFieldBecomesTheSurfaceAndFailuresFallBack) {
    WDialogLoad(401);
    RecordingDevice device;
    IGrSelect(3, 4011);
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(g.surfaceType, 3);
    EXPECT_EQ(g.surfaceIdent, 4011);
    EXPECT_EQ(g.surfaceDialog, 401);
    HWND dialog = FindWindowA("#32770", "Graphics field");
    ASSERT_NE(dialog, nullptr);
    RECT field;
    GetClientRect(GetDlgItem(dialog, 4011), &field);
    EXPECT_EQ(g.surfaceWidth, field.right);
    EXPECT_EQ(g.surfaceHeight, field.bottom);
    EXPECT_EQ(device.of(DeviceSide::Current, OpInitialise).size(), 1u);

    IGrSelect(3);  // the whole dialog
    RECT whole;
    GetClientRect(dialog, &whole);
    EXPECT_EQ(g.surfaceIdent, 0);
    EXPECT_EQ(g.surfaceWidth, whole.right);

    RECT client;
    GetClientRect(hClient[0], &client);
    struct Case {
        int type;
        std::optional<int> ident;
    };
    for (const Case& c : {Case{3, 4444}, Case{2, 1}, Case{2, 51}, Case{4, {}}, Case{1, 7}, Case{9, {}}}) {
        device.clear();
        IGrSelect(c.type, c.ident);
        EXPECT_EQ(WInfoError(1), 1019) << c.type;
        EXPECT_EQ(g.surfaceType, 1);
        EXPECT_EQ(g.surfaceIdent, 0);
        EXPECT_EQ(g.surfaceDialog, 0);
        EXPECT_EQ(g.surfaceWidth, client.right);
        EXPECT_TRUE(device.of(DeviceSide::Current, OpInitialise).empty()) << c.type;
    }
    IGrSelect(1);
    EXPECT_EQ(WInfoError(1), 0);
    WDialogUnload();
    IGrSelect(3);  // no current dialog
    EXPECT_EQ(WInfoError(1), 1019);
    EXPECT_EQ(g.surfaceType, 1);
}

TEST_F(Surfaces, AResizeRescalesTheClip) {
    IGrArea(0.5f, 0.25f, 1, 1);
    RECT frame;
    GetWindowRect(wWindow[0], &frame);
    SetWindowPos(wWindow[0], nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(hClient[0], &client);
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(g.surfaceWidth, client.right);
    EXPECT_EQ(g.surfaceHeight, client.bottom);
    EXPECT_FLOAT_EQ(g.clipX1, 0.5f * static_cast<float>(client.right));
    EXPECT_FLOAT_EQ(g.clipY1, 0.25f * static_cast<float>(client.bottom));
    EXPECT_FLOAT_EQ(g.clipX2, static_cast<float>(client.right) - 0.01f);
    EXPECT_FLOAT_EQ(g.areaX1, 0.5f);
}

}  // namespace
