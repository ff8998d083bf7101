// image_in_drivers_test_win.cpp - image files drawn by the Windows printer and metafile drivers
// through the image port: the printed page left for read_printed.py (red on the left of the area,
// blue on the right), the recorded picture and the drawer's error for a missing file.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../hardcopy/metafile_driver_rig_win.hpp"
#include "../hardcopy/printer_driver_rig_win.hpp"

namespace {

// An image file stretched into the area of (100, 300)..(300, 500) on the test printer's page:
// read_printed.py finds red in its left half and blue in its right half.
TEST_F(PrinterDriver, AnImagePrintsIntoItsArea) {
    DeleteFileA(printedPath("printer_driver_image.ps").c_str());
    const std::string picture = printedPath("red_blue.bmp");
    writeRedBlue(picture);
    TestPrinter printer(printedPath("printer_driver.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    printer.clearOutput();
    selectPortrait();
    IGrHardCopy(std::nullopt, "driver image");
    ASSERT_EQ(g.hardcopyActive, 1);
    drawing::area(100, 300, 300, 500);
    g.OperandText.assign(picture);
    g.OperandPixelX[1] = 1;
    g.OperandPixelY[3] = 3;
    g.OperandValue = g.OperandCount = -1;
    yyhdrv(OpImage);
    EXPECT_EQ(g.OperandValue, 0);
    EXPECT_EQ(g.pageDrawn, 1);
    g.OperandText.assign(printedPath("missing.bmp"));
    yyhdrv(OpImage);
    EXPECT_EQ(g.OperandValue, 1);
    EXPECT_EQ(g.OperandCount, ERROR_FILE_NOT_FOUND);
    drawing::area(0, 0, g.surfaceMaxX, g.surfaceMaxY);
    IGrHardCopy("S");
    ASSERT_TRUE(waitForPrintedOutput(printer, 10000));
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), printedPath("printer_driver_image.ps").c_str(), FALSE));
}

// The image drawer records the picture as one stretched device-independent bitmap; its error
// words come back to the graphics layer.
TEST_F(MetafileDriver, AnImageIsRecordedOrAnswersTheDrawersError) {
    const std::string picture = printedPath("image_driver.bmp");
    const unsigned char bmp[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x56, 0x34, 0x12, 0};
    std::ofstream(picture, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    const std::string path = printedPath("image_driver.emf");
    start(2, path);
    ASSERT_EQ(g.hardcopyActive, 1);
    g.OperandText.assign(printedPath("picture.png"));
    g.OperandPixelX[1] = 15;
    g.OperandValue = g.OperandCount = -1;
    yyhdrv(OpImage);
    EXPECT_EQ(g.OperandValue, 1);  // no such file
    EXPECT_EQ(g.OperandCount, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(g.pageDrawn, 1);
    g.OperandText.assign(picture);
    g.OperandPixelX[1] = 1;
    yyhdrv(OpImage);
    EXPECT_EQ(g.OperandValue, 0);
    IGrHardCopy("S");
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    int pictures = 0;
    for (const auto& [type, at] : emfRecords(bytes)) {
        if (type != EMR_STRETCHDIBITS) continue;
        ++pictures;
        const std::uint32_t bits = dword(bytes, at + 56);  // offBitsSrc
        EXPECT_EQ(dword(bytes, at + bits) & 0xFFFFFF, 0x123456u);
    }
    EXPECT_EQ(pictures, 1);
}

}  // namespace
