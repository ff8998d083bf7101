// printer_driver_rig_win.hpp - the Windows printer driver's tests' common part: each test starts
// from a clean library on a surface of one unit a point on a portrait page, and ends its output.
#pragma once

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
#include "test_printer_win.hpp"

constexpr int Yellow = 0x00FFFF;

class PrinterDriver : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        GotPrName = 0;
        PageDlgShown = 0;
        drawing::surface(468, 648);  // one unit a point on a portrait page of 468 x 648 points
    }
    void TearDown() override {
        IGrHardCopy("S");
        yywprclose();
        GotPrName = 0;
        yyresetgravim();
    }
    // Selects the printer driver (its printer query) and makes the page portrait, 468 x 648.
    void selectPortrait() {
        IGrHardCopySelect(1, 10);
        IGrHardCopyOptions(5, 0);
        IGrHardCopyOptions(1, 468);
        IGrHardCopyOptions(2, 648);
    }
    GraphicsState& g = gravim.graphics;
    int* options = gravim.hardcopy.HardcopyOptions;
};

// A 2 x 1 BMP of 24 bits, red on the left and blue on the right, written to path.
inline void writeRedBlue(const std::string& path) {
    unsigned char file[62] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24};
    file[56] = 255;  // blue, green, red of the left pixel
    file[57] = 255;  // the right pixel's blue
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(file, 1, sizeof file, f);
    std::fclose(f);
}
