// hardcopy_frame_test_win.cpp - hardcopy under Wine: a print command through the real command
// interpreter, and the screen device printing a window on the Wine test printer (read back by
// read_printed.py) or refusing to without a printer.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "graphics/devices.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "hardcopy/printer_settings.hpp"
#include "scratch.hpp"
#include "printed_path_win.hpp"
#include "test_printer_win.hpp"

namespace {

class HardcopyUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        GotPrName = 0;
    }
    void TearDown() override {
        IGrHardCopy("S");
        WindowClose();
        GotPrName = 0;
        yyresetgravim();
    }
    // A shown root window of 300 x 200 pixels, white with a red square at (30, 40)-(129, 139).
    void openRedSquareWindow() {
        WindowOpen(7, 0, 0, 300, 200);
        ASSERT_NE(gDC, nullptr);
        RECT client = {};
        GetClientRect(WindowFromDC(gDC), &client);
        FillRect(gDC, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT square = {30, 40, 130, 140};
        FillRect(gDC, &square, red);
        DeleteObject(red);
        GdiFlush();
    }
    ScratchFolder folder;
};

TEST_F(HardcopyUnderWine, APrintCommandCopiesTheScratchFileAndDeletesIt) {
    gravim.core.plotScratchFile.assign(folder.path() + "\\kbn$$00.plt");
    IGrHardCopySelect(1, 2);
    IGrHardCopy("copy @ result.plt");
    EXPECT_EQ(gravim.graphics.hardcopyActive, 1);
    IGrHardCopy("S");
    EXPECT_EQ(GetFileAttributesA("result.plt") != INVALID_FILE_ATTRIBUTES, true);
    EXPECT_EQ(GetFileAttributesA(gravim.core.plotScratchFile.os().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(gravim.hardcopy.printCommand.isBlank());
    EXPECT_EQ(gravim.core.lastError, 0);
}

TEST_F(HardcopyUnderWine, TheScreenDevicePrintsTheWindowOnThePrinter) {
    DeleteFileA(printedPath("screen_dump.ps").c_str());
    TestPrinter printer(printedPath("printer2.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    printer.clearOutput();
    igrprintimageselect(0);
    ASSERT_EQ(gravim.hardcopy.printerAvailable, 1);
    openRedSquareWindow();
    gravim.graphics.OperandText.assign("window page");
    yygdrv(OpPage);
    EXPECT_EQ(gravim.core.lastError, 0);
    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    EXPECT_NE(printer.output().find("%%Title: window page"), std::string::npos);
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), printedPath("screen_dump.ps").c_str(), FALSE));
}

TEST_F(HardcopyUnderWine, WithoutAPrinterTheScreenDeviceRefusesTheDump) {
    igrprintimageselect(0);  // no test printer: the query fails with a code
    EXPECT_EQ(gravim.hardcopy.printerAvailable, 0);
    openRedSquareWindow();
    gravim.core.lastError = 0;
    yygdrv(OpPage);
    EXPECT_EQ(gravim.core.lastError, 1);
}

}  // namespace
