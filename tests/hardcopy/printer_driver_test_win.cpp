// printer_driver_test_win.cpp - the Windows printer driver on the Wine test printer: a drawing of
// lines, fills, text, a clamped rectangle and a degenerate arc printed for read_printed.py, the
// initialisation's printer query and its -999 and -998 forms, rescaling, and a missing printer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "drivers_test_support_win.hpp"
#include "printed_path_win.hpp"
#include "printer_driver_rig_win.hpp"
#include "test_printer_win.hpp"

namespace {

TEST_F(PrinterDriver, TheInitialisationTakesThePrintersPageAndColours) {
    TestPrinter printer(printedPath("printer_driver.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    IGrHardCopySelect(1, 10);
    EXPECT_EQ(g.driverNumber, 10);
    EXPECT_EQ(gravim.hardcopy.printerAvailable, 1);
    EXPECT_EQ(options[1], 648);
    EXPECT_EQ(options[2], 468);
    EXPECT_EQ(options[3], 72);
    EXPECT_EQ(options[5], 1);
    EXPECT_EQ(options[8], 1);
    // Wine's printer reports no colour count (-1): a colour printer of 256 colours.
    EXPECT_EQ(options[7], 0);
    EXPECT_EQ(g.hardcopyColours, 256);
    EXPECT_EQ(g.hardcopyDevice.TrueColourDevice, 1);
    EXPECT_EQ(g.hardcopyDevice.word2, 360);
    EXPECT_EQ(std::string(g.hardcopyDevice.DeviceCapabilityMask.view()), "00000111111111100010011011110");
    EXPECT_EQ(gravim.hardcopy.printCommandAllowed, 0);
}

TEST_F(PrinterDriver, AQueryOnlyInitialiseChangesOnlyTheCount) {
    TestPrinter printer(printedPath("printer_driver.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    gravim.hardcopy.hardcopyDriverNumber = 10;
    options[1] = 11, options[7] = 5;
    const GravimState before = gravim;
    g.OperandCount = -999;
    xxwin(OpInitialise);
    EXPECT_EQ(g.OperandCount, 10);
    g.OperandCount = before.graphics.OperandCount;
    EXPECT_EQ(std::memcmp(gravim.hardcopy.HardcopyOptions, before.hardcopy.HardcopyOptions, sizeof options[0] * 110), 0);
    EXPECT_EQ(g.driverNumber, before.graphics.driverNumber);
    EXPECT_EQ(gravim.hardcopy.printerAvailable, before.hardcopy.printerAvailable);
    EXPECT_EQ(g.hardcopyDevice.word1, before.graphics.hardcopyDevice.word1);
}

TEST_F(PrinterDriver, KeepingThePrinterSettingsKeepsOptions1To5And8) {
    TestPrinter printer(printedPath("printer_driver.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    gravim.hardcopy.hardcopyDriverNumber = 10;
    const int kept[] = {0, 500, 400, 10, 20, 0};
    for (int i : {1, 2, 3, 4, 5}) options[i] = kept[i];
    options[8] = 3;
    g.OperandValue = -998;
    xxwin(OpInitialise);
    for (int i : {1, 2, 3, 4, 5}) EXPECT_EQ(options[i], kept[i]) << i;
    // Option 8 is the common default (one copy) again, not the printer's: the caller restores it.
    EXPECT_EQ(options[8], 1);
    EXPECT_EQ(g.driverNumber, 10);
    g.OperandValue = 0;
    xxwin(OpInitialise);
    EXPECT_EQ(options[1], 648);
    EXPECT_EQ(options[8], 1);
}

TEST_F(PrinterDriver, WithoutAPrinterTheStartReportsError1AndStaysOff) {
    IGrHardCopySelect(1, 10);  // no printer in this prefix without the rig
    EXPECT_EQ(gravim.hardcopy.printerAvailable, 0);
    gravim.core.lastError = 0;
    IGrHardCopy();
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_NE(gravim.core.fileStatus, 0);
    EXPECT_EQ(gravim.core.errorCategory, 2);
    EXPECT_EQ(g.hardcopyActive, 0);
    drawing::line(0, 0, 100, 100);  // nothing reaches the driver, nothing breaks
}

// Page 1: a red line, a blue solid rectangle, a fill of style 3 (the mean of red and blue), green
// text. Page 2: monochrome by hand (black lines, a still coloured style-3 fill) and a yellow
// rectangle larger than a smaller area. Page 3: the degenerate arc. read_printed.py checks them.
TEST_F(PrinterDriver, ADrawingPrintsWhereItWasDrawn) {
    DeleteFileA(printedPath("printer_driver_drawing.ps").c_str());
    TestPrinter printer(printedPath("printer_driver.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    printer.clearOutput();
    selectPortrait();
    IGrHardCopy(std::nullopt, "driver drawing");
    ASSERT_EQ(g.hardcopyActive, 1);
    EXPECT_EQ(gravim.hardcopy.hardcopyResolutionX, 600);
    EXPECT_FLOAT_EQ(g.HardcopyScaleX, 3900.0f / 468.0f);

    // Resizing only rescales: the same document goes on.
    g.surfaceWidth = 234;
    g.OperandValue = -1;
    yyhdrv(OpOpen);
    EXPECT_FLOAT_EQ(g.HardcopyScaleX, 3900.0f / 234.0f);
    g.surfaceWidth = 468;
    yyhdrv(OpOpen);
    EXPECT_FLOAT_EQ(g.HardcopyScaleX, 3900.0f / 468.0f);

    options[9] = 20;
    yyhdrv(OpLineWidth);
    drawing::colour(Red);
    drawing::line(50, 600, 400, 600);
    drawing::colour(Blue);
    drawing::rectangle(50, 400, 150, 500, 4);
    drawing::colour(Red);
    drawing::colour(Blue);
    drawing::polygon({{200, 400}, {300, 400}, {300, 500}, {200, 500}}, 3);
    drawing::colour(Green);
    drawing::text(50, 300, "Gravimonder");
    g.OperandPixelX[1] = 0;
    g.OperandPixelX[4] = 7;
    yyhdrv(OpText);  // no characters: nothing drawn, and the flag is cleared all the same
    EXPECT_EQ(g.OperandPixelX[4], 0);
    EXPECT_EQ(g.pageDrawn, 1);

    drawing::nextPage();
    EXPECT_EQ(g.pageDrawn, 0);
    IGrHardCopyOptions(7, 1);
    drawing::colour(Red);
    drawing::line(50, 600, 400, 600);  // black
    drawing::colour(Blue);
    drawing::polygon({{200, 400}, {300, 400}, {300, 500}, {200, 500}}, 3);  // still the mean colour
    IGrHardCopyOptions(7, 0);
    drawing::colour(Yellow);
    drawing::area(100, 100, 300, 300);
    drawing::rectangle(0, 0, 467, 647, 4);
    drawing::area(0, 0, g.surfaceMaxX, g.surfaceMaxY);

    drawing::nextPage();
    // Centre and radius whose 5-degree arc starting at 100 degrees has both ends on one pixel.
    drawing::colour(0);
    const float radius = 1.2f, start = 100.0f * 3.14159265f / 180, end = 105.0f * 3.14159265f / 180;
    float cx = 234.0f, cy = 324.0f;
    auto endsMeet = [&] {
        return yydevicex(cx + std::cos(start) * radius) == yydevicex(cx + std::cos(end) * radius) &&
               yydevicey(cy + std::sin(start) * radius) == yydevicey(cy + std::sin(end) * radius);
    };
    for (int step = 0; step < 100 && !endsMeet(); ++step) (step % 2 == 0 ? cx : cy) += 0.013f;
    ASSERT_TRUE(endsMeet());
    g.OperandX[1] = cx, g.OperandY[1] = cy, g.OperandX[2] = radius, g.OperandY[2] = radius;
    g.OperandX[3] = start, g.OperandY[3] = end, g.OperandX[4] = 100, g.OperandY[4] = 5;
    drawing::filled(OpArcPattern, 4);

    IGrHardCopy("S");
    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    EXPECT_NE(printer.output().find("%%Title: driver drawing"), std::string::npos);
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), printedPath("printer_driver_drawing.ps").c_str(), FALSE));
}

}  // namespace
