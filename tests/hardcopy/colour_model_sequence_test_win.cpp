// colour_model_sequence_test_win.cpp - the Windows printer driver through the call sequence that
// changes the colour model behind the devices' backs, printing on the Wine test printer.
#include <gtest/gtest.h>

#include <string>

#include "colour_model_sequence.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "printed_path_win.hpp"
#include "test_printer_win.hpp"

namespace {

TEST(ColourModelSequenceUnderWine, ThePrinterDriverPrintsAColourTakenInTheRgbModel) {
    TestPrinter printer(printedPath("colour_sequence.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    printer.clearOutput();
    startGraphicsOnRoot();
    GotPrName = 0;
    hardcopyAfterTheModelChanged(10, std::nullopt);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
    EXPECT_TRUE(waitForPrintedOutput(printer, 10000));
    yywprclose();
    GotPrName = 0;
    endGraphicsOnRoot();
}

}  // namespace
