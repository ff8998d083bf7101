// printer_layer_test_win.cpp - the Windows printer layer on the Wine test printer: documents,
// pages and a window dump printed into files that Ghostscript reads afterwards (read_printed.py),
// the printer query with the profile and page setup, dash patterns and the x87 guard.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/gravim.hpp"
#include "graphics/point_buffer_win.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "printed_path_win.hpp"
#include "test_printer_win.hpp"

namespace {

struct PrinterQuery {
    int longSide = 0, shortSide = 0, width = 0, height = 0, x = 0, y = 0, landscape = 0, copies = 0;
    int colours = 0, error = -1;
    explicit PrinterQuery(int refresh) {
        yywprinfo(refresh, longSide, shortSide, width, height, x, y, landscape, copies, colours, error);
    }
};

class PrinterLayer : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        GotPrName = 0;
        PageDlgShown = 0;
        ASSERT_TRUE(printer.installed()) << printer.error();
        printer.clearOutput();
        ASSERT_EQ(PrinterQuery(1).error, 0);  // the printer's names, as start-up reads them
    }
    void TearDown() override {
        yywprclose();
        GotPrName = 0;
        PageDlgShown = 0;
        psHardcopy = {};
    }
    // Opens a landscape document on a page of 648 x 468 points inside 72-point margins.
    void openDocument(const char* title) {
        int rx = 0, ry = 0, colours = 0, failed = -1, systemError = 0;
        yywpropen(648, 468, 72, 72, rx, ry, colours, failed, systemError, 1, 1, title);
        ASSERT_EQ(failed, 0) << systemError;
        EXPECT_EQ(rx, 600);
        EXPECT_EQ(ry, 600);
        EXPECT_EQ(colours, -1);
    }
    TestPrinter printer{printedPath("printer.ps")};
};

TEST_F(PrinterLayer, QueryReadsTheDefaultPrinterAndItsLetterPaper) {
    const PrinterQuery query(1);
    EXPECT_EQ(query.error, 0);
    EXPECT_EQ(query.longSide, 792);
    EXPECT_EQ(query.shortSide, 612);
    EXPECT_EQ(query.width, 648);
    EXPECT_EQ(query.height, 468);
    EXPECT_EQ(query.x, 72);
    EXPECT_EQ(query.y, 72);
    EXPECT_EQ(query.landscape, 1);
    EXPECT_EQ(query.copies, 1);
    EXPECT_EQ(query.colours, -1);  // what Wine's printer reports
    EXPECT_STREQ(lpPrintType, TestPrinter::printerName);
    EXPECT_EQ(GotPrName, 1);
}

TEST_F(PrinterLayer, PageSetupPaperReplacesThePrintersUntilTheDefaultIsReadAgain) {
    PageDlgShown = 1;
    psHardcopy.Flags = PSD_INTHOUSANDTHSOFINCHES;
    psHardcopy.ptPaperSize = {8500, 11000};
    PrinterQuery query(0);
    EXPECT_EQ(query.error, 0);
    EXPECT_EQ(query.longSide, 792);
    EXPECT_EQ(query.shortSide, 612);
    EXPECT_EQ(query.width, 648);
    EXPECT_EQ(query.height, 468);

    psHardcopy.Flags = PSD_INHUNDREDTHSOFMILLIMETERS;
    psHardcopy.ptPaperSize = {29700, 21000};  // A4 across
    query = PrinterQuery(0);
    EXPECT_EQ(query.longSide, 842);
    EXPECT_EQ(query.shortSide, 595);
    EXPECT_EQ(PageDlgShown, 1);

    query = PrinterQuery(1);  // the default printer afresh: page setup's choice is forgotten
    EXPECT_EQ(PageDlgShown, 0);
    EXPECT_EQ(query.longSide, 792);
}

TEST_F(PrinterLayer, AProfileValueWithoutCommasIsADeviceNameAlone) {
    WriteProfileStringA("windows", "Device", "LonelyPrinter");
    const PrinterQuery query(1);
    EXPECT_STREQ(lpPrintType, "LonelyPrinter");
    EXPECT_STREQ(lpPrintDriver, "");
    EXPECT_STREQ(lpPrintPort, "");
    EXPECT_NE(query.error, 0);  // no such printer
    EXPECT_EQ(query.longSide, 0);
    printer.makeDefault();
}

TEST_F(PrinterLayer, NoDefaultPrinterIsAFailedQueryWithACode) {
    WriteProfileStringA("windows", "Device", nullptr);
    SetLastError(0);
    const PrinterQuery query(1);
    EXPECT_NE(query.error, 0);
    EXPECT_EQ(query.width, 0);
    printer.makeDefault();
}

TEST_F(PrinterLayer, TheQueryLeavesTheX87ControlWordAsItFoundIt) {
    unsigned short before = 0;
    yygetcw(before);
    const unsigned short chosen = 0x007f;  // single precision, every exception masked
    yysetcw(chosen);
    const PrinterQuery query(1);
    unsigned short after = 0;
    yygetcw(after);
    yysetcw(before);
    EXPECT_EQ(query.error, 0);
    EXPECT_EQ(after, chosen);
}

TEST_F(PrinterLayer, DashesScaleFromScreenToPrinterAndWidenTheirGaps) {
    gravim.system.wScreenDPI = 96;
    openDocument("dashes");
    yywprlinewidth(4);
    DWORD entries[6] = {};
    ASSERT_EQ(yywprdashes(3, entries), 4);
    EXPECT_EQ(entries[0], 6u);
    EXPECT_EQ(entries[1], 28u);
    EXPECT_EQ(entries[2], 50u);
    EXPECT_EQ(entries[3], 28u);
    yywprlinewidth(1);
    ASSERT_EQ(yywprdashes(2, entries), 2);
    EXPECT_EQ(entries[0], 50u);
    EXPECT_EQ(entries[1], 37u);
    yywprlinetype(3);
    yywprline(10, 10, 500, 10);  // a pen of the user style can be made
    yywprclose();
}

// Page 1 a red rectangle and a green triangle and polyline, page 2 a blue line: read_printed.py counts two pages and their colours.
TEST_F(PrinterLayer, TwoPagesPrintAsTwoPages) {
    DeleteFileA(printedPath("two_pages.ps").c_str());
    openDocument("two pages");
    yywprcolour(255, 0, 0);
    yywprrectangle(100, 100, 600, 400);
    yywprcolour(0, 255, 0);
    ASSERT_TRUE(yypolalloc(3));
    yypolpoint(0, 1000, 100);
    yypolpoint(1, 1600, 100);
    yypolpoint(2, 1300, 600);
    yywprpolygon(3, 1);
    yywprlinewidth(10);
    yypolpoint(2, 1000, 900);
    yywprpolyline(3);
    yypolfree();
    yywprdump();
    yywprcolour(0, 0, 255);
    yywprlinewidth(20);
    yywprline(100, 100, 1000, 1000);
    yywprdump();
    yywprclose();
    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    const std::string text = printer.output();
    EXPECT_NE(text.find("%%Pages: 2"), std::string::npos);
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), printedPath("two_pages.ps").c_str(), FALSE));
}

TEST_F(PrinterLayer, AStopRightAfterTheOpenEndsTheDocumentWithItsStartedPage) {
    DeleteFileA(printedPath("stop_after_open.ps").c_str());
    openDocument("empty");
    yywprclose();
    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    EXPECT_NE(printer.output().find("%%Title: empty"), std::string::npos);
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), printedPath("stop_after_open.ps").c_str(), FALSE));
}

// A window of 200 x 100 pixels with a red square at (20, 20)-(79, 79), dumped portrait on
// 468 x 234 points at offsets 72, 72: read_printed.py finds the square in place on the page.
TEST_F(PrinterLayer, AWindowDumpPrintsTheWindowsPixelsStretchedOverThePage) {
    DeleteFileA(printedPath("window_dump.ps").c_str());
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    HDC windowDC = GetDC(window);
    RECT all = {0, 0, 200, 100};
    FillRect(windowDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT square = {20, 20, 80, 80};
    FillRect(windowDC, &square, red);
    DeleteObject(red);
    GdiFlush();

    HDC saved = gDC;
    gDC = windowDC;
    int error = -1;
    yywindumpstart(468, 234, 72, 72, error, 0, 1, "window dump");
    ASSERT_EQ(error, 0);
    yywindumpblit(0, 0, 199, 99, error);
    EXPECT_EQ(error, 0);
    yywindumpend();
    gDC = saved;
    ReleaseDC(window, windowDC);
    DestroyWindow(window);

    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), printedPath("window_dump.ps").c_str(), FALSE));
}

}  // namespace
