// graphics_init_test.cpp - IGrInit's state and opcode stream, and surface selection natively.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/devices.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics_fixture.hpp"
#include "hardcopy/hardcopy.hpp"
#include "recording_device.hpp"

namespace {

using GraphicsInit = GraphicsTest;

TEST_F(GraphicsInit, LeavesTheDefaultsOnATrueColourDisplay) {
    open(400, 300);
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(g.surfaceType, 1);
    EXPECT_EQ(g.surfaceIdent, 0);
    EXPECT_EQ(g.surfaceWidth, 400);
    EXPECT_EQ(g.surfaceHeight, 300);
    EXPECT_EQ(g.screenActive, 1);
    EXPECT_EQ(g.screenColours, 256);
    EXPECT_EQ(g.colourState[1][0], 0);
    EXPECT_EQ(g.colourState[2][0], 16777215);
    EXPECT_EQ(g.colourState[1][1], 223);
    EXPECT_EQ(g.colourState[2][1], 0);
    EXPECT_EQ(g.colourState[0][1], 223);
    EXPECT_EQ(g.colourModel, 1);
    EXPECT_FLOAT_EQ(g.areaX2, 1);
    EXPECT_FLOAT_EQ(g.unitsX2, 1);
    EXPECT_FLOAT_EQ(g.clipX2, 399.99f);
    EXPECT_EQ(g.rotation, 0);
    EXPECT_FLOAT_EQ(g.CharWidth, 1.0f / 75);
    EXPECT_FLOAT_EQ(g.CharHeight, 1.0f / 30);
    EXPECT_EQ(g.TextJustification, 1);
    EXPECT_EQ(g.FontNumber, 1);
    EXPECT_EQ(g.lineWidth, 1);
    EXPECT_EQ(g.metafileLineWidth, 5);
    EXPECT_EQ(g.fillPass[0], 1);
    EXPECT_EQ(g.fillPass[1], 0);
    EXPECT_FLOAT_EQ(g.surfaceAspect, 400.0f / 300.0f);
    EXPECT_EQ(g.screenDevice.TrueColourDevice, 1);
    EXPECT_EQ(std::string(g.screenDevice.DeviceCapabilityMask.view()), "11111111111111111110111011111");
    EXPECT_EQ(g.pg.pgPlotType, 4);
    EXPECT_EQ(g.pg.pgSets, 500);
    EXPECT_FLOAT_EQ(g.CharacterWidths[65], 1.11f);
    EXPECT_EQ(g.strokeFonts[0].h5, 8);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(GraphicsInit, SendsItsStepsInOrder) {
    open(400, 300);
    RecordingDevice device;
    IGrInit(" ");
    const std::vector<int> stream = device.stream(DeviceSide::Current);
    const auto at = [&](int opcode) {
        return std::find(stream.begin(), stream.end(), opcode) - stream.begin();
    };
    ASSERT_FALSE(stream.empty());
    EXPECT_EQ(stream.front(), OpOpen);
    EXPECT_LT(at(OpOpen), at(OpInitialise));
    // After the surface's initialisation: two colour selections, then 27, 29, 30, 21.
    std::vector<int> after(stream.begin() + at(OpInitialise) + 1, stream.end());
    std::vector<int> selection;
    for (const int opcode : after)
        if (opcode == OpColour || opcode == OpPlotMode || opcode == OpLineType || opcode == OpLineWidth ||
            opcode == OpFont)
            selection.push_back(opcode);
    ASSERT_GE(selection.size(), 6u);
    EXPECT_EQ(std::vector<int>(selection.begin(), selection.begin() + 6),
              (std::vector<int>{OpColour, OpColour, OpPlotMode, OpLineType, OpLineWidth, OpFont}));
    EXPECT_TRUE(device.stream(DeviceSide::Hardcopy).empty());
}

TEST_F(GraphicsInit, LowerCaseHLeavesTheScreenDeviceIdle) {
    open(400, 300);
    gravim.graphics.screenColours = 77;
    IGrColourN(31);
    RecordingDevice device;
    IGrInit("xh");
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(g.screenActive, 0);
    EXPECT_EQ(g.screenColours, 77);  // kept without the screen
    for (const RecordedOpcode& r : device.opcodes) {
        EXPECT_FALSE(r.screenActive) << r.opcode;
        EXPECT_NE(r.opcode, OpOpen);
        EXPECT_NE(r.opcode, OpPlotMode);
        EXPECT_NE(r.opcode, OpColour);
    }
    EXPECT_EQ(g.colourState[1][1], 223);
    EXPECT_EQ(g.colourState[2][0], 16777215);
}

TEST_F(GraphicsInit, ASecondInitRestoresTheDefaults) {
    open(400, 300);
    IGrArea(0.2f, 0.2f, 0.5f, 0.5f);
    IGrUnits(5, 5, 10, 10);
    IGrColourModel(24);
    IGrLineType(3);
    IGrInit(" ");
    const GraphicsState& g = gravim.graphics;
    EXPECT_FLOAT_EQ(g.areaX1, 0);
    EXPECT_FLOAT_EQ(g.unitsX1, 0);
    EXPECT_FLOAT_EQ(g.unitsX2, 1);
    EXPECT_EQ(g.colourModel, 1);
    EXPECT_EQ(g.lineType, 0);
}

TEST_F(GraphicsInit, KeepsHardcopyOptionsOnlyWithPAfterADriver) {
    open(400, 300);
    IGrHardCopySelect(1, 5);  // a number without driver: nothing answers the initialisation
    gravim.graphics.driverNumber = 0;
    gravim.hardcopy.HardcopyOptions[3] = 7;
    gravim.hardcopy.HardcopyOptions[105] = 9;
    gravim.hardcopy.outputFile.assign("kept.ps");
    IGrInit("P");  // no driver initialised yet: nothing is kept
    EXPECT_EQ(gravim.hardcopy.HardcopyOptions[3], 0);
    EXPECT_EQ(gravim.hardcopy.HardcopyOptions[105], 9);

    gravim.graphics.driverNumber = 2;
    gravim.hardcopy.HardcopyOptions[3] = 7;
    IGrInit("p");
    EXPECT_EQ(gravim.hardcopy.HardcopyOptions[3], 7);
    EXPECT_EQ(gravim.hardcopy.outputFile.trimmed(), "kept.ps");
    EXPECT_EQ(gravim.graphics.OperandValue, 0);
}

TEST_F(GraphicsInit, ResizeRescalesTheClipAndTellsHardcopy) {
    open(400, 300);
    IGrArea(0.5f, 0, 1, 1);
    gravim.graphics.hardcopyActive = 1;
    RecordingDevice device;
    yyresize(0, 200, 100);
    const GraphicsState& g = gravim.graphics;
    EXPECT_EQ(g.surfaceWidth, 200);
    EXPECT_FLOAT_EQ(g.clipX1, 100);
    EXPECT_FLOAT_EQ(g.clipX2, 199.99f);
    EXPECT_FLOAT_EQ(g.clipY2, 99.99f);
    const std::vector<RecordedOpcode> opens = device.of(DeviceSide::Hardcopy, OpOpen);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].value, -1);
    EXPECT_EQ(device.of(DeviceSide::Current, OpClip).size(), 1u);
    yyresize(3, 50, 50);  // not the current window
    EXPECT_EQ(g.surfaceWidth, 200);
    gravim.graphics.hardcopyActive = 0;
}

TEST_F(GraphicsInit, SurfaceSelectionFailuresFallBackToTheWindow) {
    open(400, 300);
    struct Case {
        int type;
        std::optional<int> ident;
        int errors;  // 1019 after 1003 for an invalid window
    };
    const Case cases[] = {{0, {}, 1}, {5, 1, 1}, {2, {}, 1}, {2, 51, 1}, {2, 0, 1}, {3, {}, 1}, {4, 1, 1}, {1, 60, 2}};
    for (const Case& c : cases) {
        RecordingDevice device;
        IGrSelect(c.type, c.ident);
        EXPECT_EQ(WInfoError(1), 1019) << c.type;
        EXPECT_EQ(gravim.graphics.surfaceType, 1);
        EXPECT_EQ(gravim.graphics.surfaceIdent, 0);
        EXPECT_EQ(gravim.graphics.surfaceDialog, 0);
        EXPECT_TRUE(device.of(DeviceSide::Current, OpInitialise).empty()) << c.type;
    }
}

TEST_F(GraphicsInit, LeavingTheCgmMemoryDeviceSendsTheStateAgain) {
    open(400, 300);
    gravim.graphics.deviceKind = 1;  // as a CGM memory slot leaves it
    RecordingDevice device;
    IGrSelect(1);
    const std::vector<int> stream = device.stream(DeviceSide::Current);
    const auto first = std::find(stream.begin(), stream.end(), OpInitialise);
    ASSERT_NE(first, stream.end());
    EXPECT_EQ(std::vector<int>(first, stream.end()),
              (std::vector<int>{OpInitialise, OpOpen, OpLineWidth, OpLineType, OpColourModel, OpClip, OpFont}));
    EXPECT_EQ(gravim.graphics.deviceKind, 0);
    device.clear();
    IGrSelect(1);  // screen to screen: the initialisation only
    EXPECT_EQ(device.of(DeviceSide::Current, OpInitialise).size(), 1u);
    EXPECT_TRUE(device.of(DeviceSide::Current, OpOpen).empty());
}

TEST_F(GraphicsInit, ASuccessfulWindowSelectionKeepsAnEarlierError) {
    open(400, 300);
    IGrArea(2, 0, 1, 1);
    RecordingDevice device;
    IGrSelect(1);
    EXPECT_EQ(WInfoError(1), 44);
    EXPECT_EQ(device.of(DeviceSide::Current, OpInitialise).size(), 1u);
}

}  // namespace
