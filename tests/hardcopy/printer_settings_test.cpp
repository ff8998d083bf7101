// printer_settings_test.cpp - the printer descriptors of every type, plotter models, the HP-GL/2
// variant's derivation and the window-dump page.
#include <gtest/gtest.h>

#include <array>

#include "base/gravim.hpp"
#include "hardcopy/printer_settings.hpp"

namespace {

class PrinterSettings : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override { yyresetgravim(); }
};

struct PrinterCase {
    int type;
    int family, planes, colourKind, modeLimit;
    int variant;  // derived when no variant was given
    std::array<int, 4> resolutions;
    int count, passRows, passAdvance;
};

// Every valid type; 0 for a pass advance that page printers leave as it was (0 from a reset).
constexpr PrinterCase printerCases[] = {
    {2, 1, 1, 0, 0, 0, {240, 120, 60, 0}, 3, 8, 23},
    {3, 2, 1, 0, 0, 0, {240, 120, 90, 80}, 4, 8, 23},
    {4, 2, 1, 0, 0, 0, {240, 120, 90, 80}, 4, 8, 23},
    {5, 2, 1, 0, 0, 0, {240, 120, 90, 80}, 4, 8, 23},
    {6, 2, 1, 0, 0, 0, {240, 120, 90, 80}, 4, 8, 23},
    {7, 1, 1, 0, 0, 0, {240, 120, 60, 0}, 3, 8, 23},
    {8, 1, 1, 0, 0, 0, {240, 120, 60, 0}, 3, 8, 23},
    {9, 3, 1, 0, 0, 0, {160, 80, 0, 0}, 2, 8, 22},
    {10, 7, 1, 0, 0, 0, {300, 150, 100, 75}, 4, 1, 0},
    {11, 7, 1, 0, 0, 0, {300, 150, 100, 75}, 4, 1, 0},
    {12, 1, 1, 0, 0, 0, {240, 120, 60, 0}, 3, 8, 23},
    {13, 9, 3, 1, 1, 0, {180, 90, 0, 0}, 2, 1, 0},
    {14, 8, 1, 0, 2, 0, {300, 150, 100, 75}, 4, 1, 0},
    {15, 1, 1, 0, 0, 0, {240, 120, 60, 0}, 3, 8, 23},
    {16, 1, 1, 0, 0, 0, {240, 120, 60, 0}, 3, 8, 23},
    {17, 5, 1, 0, 0, 0, {360, 180, 120, 90}, 4, 24, 24},
    {18, 5, 1, 0, 0, 0, {360, 180, 120, 90}, 4, 24, 24},
    {19, 4, 1, 0, 0, 0, {360, 180, 120, 60}, 4, 24, 29},
    {20, 4, 1, 0, 0, 0, {360, 180, 120, 60}, 4, 24, 29},
    {21, 8, 3, 1, 2, 0, {300, 150, 100, 75}, 4, 1, 0},
    {22, 8, 1, 0, 2, 0, {300, 150, 100, 75}, 4, 1, 0},
    {23, 2, 3, 2, 0, 0, {240, 120, 90, 80}, 4, 8, 23},
    {24, 2, 3, 2, 0, 0, {240, 120, 90, 80}, 4, 8, 23},
    {25, 5, 3, 2, 0, 0, {360, 180, 120, 90}, 4, 24, 24},
    {26, 5, 3, 2, 0, 0, {360, 180, 120, 90}, 4, 24, 24},
    {28, 7, 1, 0, 2, 1, {300, 150, 100, 75}, 4, 1, 0},
    {29, 7, 1, 0, 2, 3, {600, 300, 200, 150}, 4, 1, 0},
    {30, 10, 3, 1, 1, 0, {300, 150, 100, 75}, 4, 1, 0},
    {31, 8, 3, 2, 2, 0, {300, 150, 100, 75}, 4, 1, 0},
    {32, 8, 3, 2, 2, 2, {300, 150, 100, 75}, 4, 1, 0},
    {33, 8, 1, 0, 2, 0, {300, 150, 75, 0}, 3, 1, 0},
    {34, 8, 3, 2, 2, 0, {300, 150, 75, 0}, 3, 1, 0},
    {35, 7, 3, 2, 2, 2, {300, 150, 100, 75}, 4, 1, 0},
    {36, 6, 1, 0, 1, 0, {720, 360, 180, 0}, 3, 1, 0},
    {37, 6, 3, 2, 1, 0, {720, 360, 180, 0}, 3, 1, 0},
    {38, 7, 3, 2, 2, 5, {600, 300, 200, 150}, 4, 1, 0},
};

TEST_F(PrinterSettings, EveryPrinterTypeDecodesItsDescriptor) {
    for (const PrinterCase& c : printerCases) {
        SCOPED_TRACE(c.type);
        yyresetgravim();
        iprinter(c.type);
        const HardcopyState& h = gravim.hardcopy;
        EXPECT_EQ(h.printerType, c.type);
        EXPECT_EQ(h.printerTypeGiven, 1);
        EXPECT_EQ(h.printerFamily, c.family);
        EXPECT_EQ(h.printerPlanes, c.planes);
        EXPECT_EQ(h.printerColourKind, c.colourKind);
        EXPECT_EQ(h.printerModeLimit, c.modeLimit);
        EXPECT_EQ(h.printerVariant, c.variant);
        EXPECT_EQ(h.printerResolutionCount, c.count);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(h.printerResolutions[i], c.resolutions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(h.printerPassRows, c.passRows);
        EXPECT_EQ(h.printerPassAdvance, c.passAdvance);
    }
}

TEST_F(PrinterSettings, InvalidTypesChooseType28AndKeepTheGivenFlag) {
    for (int type : {27, 1, 39, 0, -5}) {
        SCOPED_TRACE(type);
        yyresetgravim();
        iprinter(type);
        const HardcopyState& h = gravim.hardcopy;
        EXPECT_EQ(h.printerType, 28);
        EXPECT_EQ(h.printerTypeGiven, 0);
        EXPECT_EQ(h.printerFamily, 7);
        EXPECT_EQ(h.printerModeLimit, 2);
        EXPECT_EQ(h.printerResolutions[0], 300);
        EXPECT_EQ(h.printerResolutions[3], 75);
        EXPECT_EQ(h.printerVariant, 1);
    }
    iprinter(10);
    iprinter(27);
    EXPECT_EQ(gravim.hardcopy.printerTypeGiven, 1);  // only ever becomes 1
}

TEST_F(PrinterSettings, ResolutionsBeyondTheCountKeepTheirEarlierValuesAndPassAdvanceStays) {
    iprinter(19);  // X family: 360, 180, 120, 60; advance 29
    iprinter(36);  // family 6: three resolutions, page printer
    const HardcopyState& h = gravim.hardcopy;
    EXPECT_EQ(h.printerResolutionCount, 3);
    EXPECT_EQ(h.printerResolutions[3], 60);
    EXPECT_EQ(h.printerPassRows, 1);
    EXPECT_EQ(h.printerPassAdvance, 29);
}

TEST_F(PrinterSettings, AGivenVariantOutlivesTheTypesThatImplyOne) {
    iprinter(29);
    EXPECT_EQ(gravim.hardcopy.printerVariant, 3);
    EXPECT_EQ(gravim.hardcopy.printerVariantGiven, 0);
    iprinter2(4);
    EXPECT_EQ(gravim.hardcopy.printerVariantGiven, 1);
    iprinter(29);
    iprinter(38);
    EXPECT_EQ(gravim.hardcopy.printerVariant, 4);
    iprinter2(9);  // out of range: derived from type 38 even though one was given
    EXPECT_EQ(gravim.hardcopy.printerVariant, 5);
}

TEST_F(PrinterSettings, PlotterModels) {
    struct {
        int given, model, modelGiven, variant, variantGiven;
    } cases[] = {
        {1, 1, 1, 0, 0}, {10, 10, 1, 0, 0}, {11, 1, 0, 1, 1}, {12, 1, 0, 2, 1},
        {15, 1, 0, 5, 1}, {0, 1, 0, 0, 0}, {16, 1, 0, 0, 0}, {-1, 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        yyresetgravim();
        iplotter(c.given);
        const HardcopyState& h = gravim.hardcopy;
        EXPECT_EQ(h.plotterModel, c.model);
        EXPECT_EQ(h.plotterModelGiven, c.modelGiven);
        EXPECT_EQ(h.printerVariant, c.variant);
        EXPECT_EQ(h.printerVariantGiven, c.variantGiven);
    }
}

TEST_F(PrinterSettings, PostScriptDumpPage) {
    iprinter(33);
    igrprintimageselect(2);
    const HardcopyState& h = gravim.hardcopy;
    EXPECT_EQ(h.printImageTarget, 2);
    const int expected[][2] = {{1, 756}, {2, 540}, {3, 42}, {4, -20}, {5, 1}, {6, 0}, {7, 1},
                               {8, 1}, {13, 0}, {19, 3}, {20, 0}, {24, 2}};
    for (const auto& [option, value] : expected) EXPECT_EQ(h.printImageOptions[option], value) << option;
    EXPECT_EQ(h.printImageFile.trimmed(), "gravdump.ps");
}

TEST_F(PrinterSettings, AnyOtherTargetIsTheWindowsPrinter) {
    iprinter(36);  // mode limit 1
    for (std::optional<int> target : {std::optional<int>(4), std::optional<int>(0), std::optional<int>()}) {
        igrprintimageselect(target);
        EXPECT_EQ(gravim.hardcopy.printImageTarget, 10);
        EXPECT_EQ(gravim.hardcopy.printImageOptions[24], 1);
        EXPECT_EQ(gravim.hardcopy.printImageOptions[7], 1);
#ifndef _WIN32
        EXPECT_EQ(gravim.hardcopy.printerAvailable, 0);  // no printer natively
#endif
    }
}

}  // namespace
