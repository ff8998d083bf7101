// printer_layer_test_win.cpp - the Windows printer layer on the Wine test printer: documents and
// pages read back by Ghostscript, the printer query, dash patterns and the x87 guard.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/gravim.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "scratch.hpp"
#include "test_printer_win.hpp"

namespace {

class PrinterLayer : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        GotPrName = 0;
        PageDlgShown = 0;
        ASSERT_TRUE(printer.installed()) << printer.error();
        printer.clearOutput();
        queryPrinter();
    }
    void TearDown() override {
        yywprclose();
        GotPrName = 0;
        PageDlgShown = 0;
    }
    // The query reads the default printer's names, as start-up does.
    int queryPrinter() {
        int longSide = 0, shortSide = 0, width = 0, height = 0, x = 0, y = 0, landscape = 0, copies = 0;
        int colours = 0, error = -1;
        yywprinfo(1, longSide, shortSide, width, height, x, y, landscape, copies, colours, error);
        return error;
    }
    ScratchFolder folder;
    TestPrinter printer{"Z:\\tmp\\hc\\printed.ps"};
};

TEST_F(PrinterLayer, QueryReadsTheDefaultPrinterAndItsLetterPaper) {
    int longSide = 0, shortSide = 0, width = 0, height = 0, x = 0, y = 0, landscape = 0, copies = 0;
    int colours = 0, error = -1;
    yywprinfo(1, longSide, shortSide, width, height, x, y, landscape, copies, colours, error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(longSide, 792);
    EXPECT_EQ(shortSide, 612);
    EXPECT_EQ(width, 648);
    EXPECT_EQ(height, 468);
    EXPECT_EQ(x, 72);
    EXPECT_EQ(y, 72);
    EXPECT_EQ(landscape, 1);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(colours, -1);  // what Wine's printer reports
    EXPECT_STREQ(lpPrintType, TestPrinter::printerName);
    EXPECT_EQ(GotPrName, 1);
}

TEST_F(PrinterLayer, TwoPagesPrintAsTwoPostScriptPages) {
    int rx = 0, ry = 0, colours = 0, failed = -1, systemError = 0;
    yywpropen(648, 468, 72, 72, rx, ry, colours, failed, systemError, 1, 1, "two pages");
    ASSERT_EQ(failed, 0) << systemError;
    EXPECT_EQ(rx, 600);
    yywprcolour(255, 0, 0);
    yywprrectangle(100, 100, 600, 400);
    yywprdump();
    yywprcolour(0, 0, 255);
    yywprline(100, 100, 1000, 1000);
    yywprdump();
    yywprclose();
    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    const std::string text = printer.output();
    EXPECT_NE(text.find("%%Pages: 2"), std::string::npos) << text.substr(0, 2000);
}

}  // namespace
