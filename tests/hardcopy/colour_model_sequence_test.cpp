// colour_model_sequence_test.cpp - a colour taken in the RGB model and the palette model selected
// again before drawing: every hardcopy driver draws the picture without reading outside the
// colour table (natively the sanitizers watch), and a colour a driver keeps between opcodes is
// converted in the model it was taken in. The Windows printer has its own test under Wine.
#include <gtest/gtest.h>

#include <string>

#include "colour_model_sequence.hpp"
#include "hardcopy/printer_settings.hpp"
#include "scratch.hpp"

namespace {

TEST(ColourModelSequence, EveryDriverDrawsAColourTakenInTheRgbModel) {
    ScratchFolder folder;
    for (const int driver : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
        startGraphicsOnRoot();
        iprinter(28);  // the raster printer's: a PCL printer
        const std::string file = "sequence" + std::to_string(driver) + ".out";
        hardcopyAfterTheModelChanged(driver, file);
        EXPECT_EQ(WInfoError(1), 0) << "driver " << driver;
        EXPECT_EQ(gravim.graphics.hardcopyActive, 0) << "driver " << driver;
        const std::string output = readWholeFile(file);
        if (driver == 2) {
            // The fills' end calls go back to the line colour of the RGB model: 41 / 255.
            EXPECT_NE(output.find("0.0 0.0 0.16 g\r\n"), std::string::npos) << output;
            EXPECT_NE(output.find("%%EOF"), std::string::npos);
        }
        endGraphicsOnRoot();
    }
}

}  // namespace
