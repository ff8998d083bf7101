// raster_driver_rig.hpp - a raster driver (the printer's or the image file's) started on a 640 by
// 480 surface with options and an output file in a scratch folder, and a line drawn through it.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/software_raster.hpp"
#include "scratch.hpp"

class RasterDriverRig : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yypali();
        GraphicsState& g = gravim.graphics;
        g.surfaceWidth = 640;
        g.surfaceHeight = 480;
        g.surfaceMaxX = 639.99f;
        g.surfaceMaxY = 479.99f;
        g.colourModel = 1;
    }
    void TearDown() override {
        yysetrasterlimit(std::int64_t{512} * 1024 * 1024);
        yyrasterrelease();
        yyresetgravim();
    }
    // Initialises a driver (4 or 6), sets options and opens output to `name`.
    static void start(void (*driver)(int), std::initializer_list<std::pair<int, int>> options, std::string_view name = "out.img") {
        GraphicsState& g = gravim.graphics;
        g.OperandCount = 0;
        driver(OpInitialise);
        for (const auto& [option, value] : options) gravim.hardcopy.HardcopyOptions[option] = value;
        g.hardcopyActive = 1;
        g.OperandValue = 1;
        g.OperandText.assign(name);
        driver(OpOpen);
        g.clipX1 = g.clipY1 = 0;
        g.clipX2 = g.surfaceMaxX;
        g.clipY2 = g.surfaceMaxY;
        driver(OpClip);
    }
    static void drawLine(void (*driver)(int)) {
        GraphicsState& g = gravim.graphics;
        g.colourState[1][1] = 223;
        driver(OpColour);
        g.OperandX[1] = 10;
        g.OperandY[1] = 10;
        g.OperandX[2] = 200;
        g.OperandY[2] = 100;
        driver(OpLine);
    }
    ScratchFolder folder;
};
